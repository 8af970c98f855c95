// "remplacer au format UTF8" and "enregistrer nom+UTF8.cle": every line of the key through the
// UTF-8 decoder, written as UTF-8 behind the marker line "rem$UTF8$".

#include "key/champs.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/services.hpp"
#include "platform/utf8.hpp"
#include "tools/lignes_fichier.hpp"
#include "tools/outils.hpp"

#include <vector>

namespace lamelix {

void CONVediter(Lamelix &f, int16_t mode) {
    try {
        CleCompilee &cle = f.Cle();
        const std::string &fin = f.FinLigne;
        const std::string octets = LitFichierOutils(cle.FichierCle);
        std::vector<std::string> lignes = LignesSansRetour(octets);
        const std::string sortie = mode == 1 ? cle.FichierCle : cle.FichierCle + "UTF8-B.txt";
        // Replacing the key rewrites the author's file: asked first (Return answers No), and the
        // original kept beside it as a renumbering keeps it.
        std::string sauvegarde;
        if (mode == 1) {
            if (f.Systeme.QuestionRisquee(f.Msg(MsgRemplacerUtf8) + "\n" + sortie) != ReponseOui)
                return;
            sauvegarde = NomSauvegarde(sortie);
            if (!EcritOuSignale(f, sauvegarde, octets, "sauvegarde")) return;
        }
        // A key stored as a txt file is recognised by the marker of its first line: it stays
        // first, so that the converted key still opens.
        std::string texte;
        const bool txt = ExtensionMaj3(NomFichier(sortie)) == "TXT";
        if (txt) texte += std::string(MarqueurFichierCle) + fin;
        if (!lignes.empty() && PremierChamp(lignes.front()) == MarqueurFichierCle && txt)
            lignes.erase(lignes.begin());
        // A full line break after the marker, so that the first converted line is compiled.
        texte += "rem$UTF8$" + fin;
        for (const std::string &ligne : lignes)
            texte += DecodeUTF8(ligne) + fin;
        cle.CodageTxt.clear();
        if (!EcritOuSignale(f, sortie, texte + fin, "UTF8")) return;
        std::string notice = f.Msg(MsgCleExporteeDans) + sortie;
        if (!sauvegarde.empty()) notice += " ; " + f.Msg(MsgCopieOriginale) + " " + sauvegarde;
        flash(f, notice, 0);
    } catch (const ErreurExecution &) {
        f.Systeme.Message("erreur inconnue export UTF8");
    }
}

} // namespace lamelix
