// Saving the result of a consultation: the species reached, the path taken and the user's
// comment, in a small text file.

#include "consult/lamelix.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/piege.hpp"
#include "platform/services.hpp"

namespace lamelix {

namespace {

// Line ends as the file writes them: every line break becomes CR LF.
std::string finsDeLigneCrLf(const std::string &texte) {
    std::string sortie;
    sortie.reserve(texte.size() + 16);
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '\r') {
            sortie += "\r\n";
            if (i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            sortie += "\r\n";
        } else {
            sortie += c;
        }
    }
    return sortie;
}

} // namespace

void ExportResultat(Lamelix &f) {
    SousPiege([&] {
        const std::string nom = f.Text2.Text.empty() ? "CleTexte.txt" : f.Text2.Text + ".txt";
        const std::string filtre = "*.txt|*.txt|" + f.Msg(MsgTousLesFichiers) + "(*.*)|*.*";
        const auto chemin = f.Systeme.DialogueEnregistrer(filtre, nom, f.RepData);
        if (!chemin || chemin->empty()) return; // cancelled: the export ends
        const std::string fin = "\r\n";
        std::string texte = f.Dit("Résultat de la recherche") + fin;
        texte += f.Dit("fichier clé : ") + f.Cle().FichierCle + fin;
        texte += f.Cle().CommentaireCle + fin;
        texte += fin;
        texte += f.Text7.Text + fin;
        texte += f.Text2.Text + fin;
        texte += fin;
        texte += f.Text1.Text + fin;
        EcritOuSignale(f, *chemin, finsDeLigneCrLf(texte), "résultat");
    });
}

void Command7_Click(Lamelix &f, int index) {
    if (index == 3) ExportResultat(f);
    if (index == 2 || index == 3) f.Frame4.SetVisible(false);
}

} // namespace lamelix
