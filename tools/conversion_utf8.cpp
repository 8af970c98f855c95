// "remplacer au format UTF8" and "enregistrer nom+UTF8.cle": every line of the key through the
// UTF-8 decoder, written as UTF-8 behind the marker line "rem$UTF8$".

#include "key/champs.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/services.hpp"
#include "platform/utf8.hpp"
#include "tools/lignes_fichier.hpp"
#include "tools/outils.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace lamelix {

namespace {

// The compiler counts a file's physical lines in 16 bits.
constexpr std::size_t MaxLignesPhysiques = std::numeric_limits<int16_t>::max();

// The converted file: the txt marker kept first, the UTF-8 marker line, then every line decoded.
std::string TexteConverti(std::vector<std::string> lignes, bool txt, const std::string &fin) {
    // A byte order mark in front of the first line would stay in front of what becomes the
    // second one and make it unreadable: the marker line now says what the mark said.
    if (!lignes.empty() && lignes.front().rfind("\xEF\xBB\xBF", 0) == 0) lignes.front().erase(0, 3);
    std::string texte;
    if (txt) texte += std::string(MarqueurFichierCle) + fin;
    if (!lignes.empty() && PremierChamp(lignes.front()) == MarqueurFichierCle && txt)
        lignes.erase(lignes.begin());
    // A full line break after the marker, so that the first converted line is compiled.
    texte += "rem$UTF8$" + fin;
    for (const std::string &ligne : lignes)
        texte += DecodeUTF8(ligne) + fin;
    return texte + fin;
}

} // namespace

void CONVediter(Lamelix &f, int16_t mode) {
    try {
        CleCompilee &cle = f.Cle();
        const std::string octets = LitFichierOutils(cle.FichierCle);
        const std::string sortie = mode == 1 ? cle.FichierCle : cle.FichierCle + "UTF8-B.txt";
        // Replacing the key rewrites the author's file: asked first (Return answers No).
        if (mode == 1 &&
            f.Systeme.QuestionRisquee(f.Msg(MsgRemplacerUtf8) + "\n" + sortie) != ReponseOui)
            return;
        const std::string texte = TexteConverti(
            LignesSansRetour(octets), ExtensionMaj3(NomFichier(sortie)) == "TXT", f.FinLigne);
        if (static_cast<std::size_t>(std::count(texte.begin(), texte.end(), '\n')) >
            MaxLignesPhysiques) {
            f.Systeme.Message(
                f.Dit("conversion refusée : avec sa ligne rem$UTF8$, la clé dépasserait ") +
                std::to_string(MaxLignesPhysiques) + f.Dit(" lignes ; rien n'est écrit"));
            return;
        }
        // The key is replaced only by a text that still compiles to the same key, and its
        // original is kept beside it as a renumbering keeps it.
        if (mode == 1) {
            if (!CompileCommeAvant(f, octets, texte)) {
                f.Systeme.Message(f.Dit("conversion refusée : la clé convertie ne se compile pas "
                                        "comme l'originale ; ") +
                                  sortie + f.Dit(" n'est pas remplacé"));
                return;
            }
            if (!SauverBak(f, sortie, octets)) return;
        }
        cle.CodageTxt.clear();
        if (!EcritOuSignale(f, sortie, texte, "UTF8")) return;
        std::string notice = f.Msg(MsgCleExporteeDans) + sortie;
        if (mode == 1) notice += " ; " + f.Msg(MsgCopieOriginale) + " " + NomSauvegarde(sortie);
        flash(f, notice, 0);
    } catch (const ErreurExecution &) {
        f.Systeme.Message(f.Dit("erreur inconnue export UTF8"));
    }
}

} // namespace lamelix
