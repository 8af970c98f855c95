// "Format Txt": the key file as a readable text, one tab-separated line per key line, beside
// the key (its name followed by ".txt").

#include "platform/fichiers.hpp"
#include "platform/nombres.hpp"
#include "platform/piege.hpp"
#include "platform/texte.hpp"
#include "tools/lignes_fichier.hpp"
#include "tools/outils.hpp"

#include <vector>

namespace lamelix {

namespace {

bool Contient(const std::string &texte, const char *quoi) {
    return Majuscules(texte).find(quoi) != std::string::npos;
}

// The text of one key line; a piece that the line lacks (a field after the last "$") gives
// nothing, and the rest of the line still does.
std::string LigneExportee(const Lamelix &f, const std::string &ligne) {
    const std::string &fin = f.FinLigne;
    const std::string tab = "\t";
    const std::vector<std::string> champs = Decoupe(ligne, '$');
    const std::vector<std::string> parties = Decoupe(champs[0], ',');
    const std::size_t nf = champs.size(), np = parties.size();
    const auto champ = [&](std::size_t k) { return TXT_Saut_de_ligne(f, champs[k]); };
    std::string texte;
    if (np == 1 && nf >= 2)
        for (const char *motCle : {"TITRE", "COM", "CODAGETXT"})
            if (Contient(parties[0], motCle)) texte += " " + champs[1] + fin;
    if (nf == 1) texte += "   " + TXT_Saut_de_ligne(f, ligne) + fin;
    if (np == 2) {
        const std::string &e = parties[0];
        std::string s = parties[1];
        if (nf == 2 && Contient(e, "CS")) return texte + fin + Majuscules(e) + tab + champ(1) + fin;
        if (Contient(s, "CS"))
            s = "=> " + Majuscules(s);
        else // a number too large for any value leaves S as written
            SousPiege([&] {
                if (Valeur(s) == 0) s = "=>";
            });
        if (nf == 1) texte += e + tab + fin;
        if (nf == 2) texte += e + tab + champ(1) + tab + s + fin;
        if (nf == 3) texte += e + tab + champ(1) + tab + s + "  " + champs[2] + fin;
        if (nf == 4)
            texte += e + tab + champ(1) + tab + s + "  " + champs[2] + "  " + tab + champs[3] + fin;
    }
    if (np == 3 && nf >= 2 && Majuscules(SansBlancs(parties[2])) == "N")
        texte += tab + "*** " + champ(1) + fin;
    return texte;
}

} // namespace

void ExportTexte(Lamelix &f) {
    const std::string &cle = f.Cle().FichierCle;
    if (cle.empty()) return;
    // A key removed since it was loaded is said, as one that cannot be read.
    const auto octets = FichierExiste(cle) ? LireOctets(cle) : std::nullopt;
    if (!octets) {
        f.Systeme.Message(f.Msg(MsgFichierIllisible) + cle);
        return;
    }
    std::string texte;
    for (const std::string &ligne : LignesSansRetour(*octets))
        if (!QueDesBlancs(ligne)) texte += LigneExportee(f, ligne);
    const std::string sortie = cle + ".txt";
    if (EcritOuSignale(f, sortie, texte + f.FinLigne, "export"))
        flash(f, f.Msg(MsgCleExporteeDans) + sortie, 0);
}

} // namespace lamelix
