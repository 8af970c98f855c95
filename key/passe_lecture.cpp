// Reading pass: physical lines, directives, and key lines stored for the later passes.

#include "key/champs.hpp"
#include "key/compilation_interne.hpp"
#include "platform/controles.hpp"
#include "platform/nom_programme.hpp"
#include "platform/nombres.hpp"
#include "platform/texte.hpp"
#include "platform/utf8.hpp"

#include <algorithm>

namespace lamelix {

namespace {

// The first line of a txt key only says that the file is a key; it is not compiled.
bool estLigneMarqueur(std::string_view octets) {
    std::string champ = PremierChamp(octets);
    if (champ.rfind("\xEF\xBB\xBF", 0) == 0) champ.erase(0, 3);
    return champ == MarqueurFichierCle;
}

void traiteRem(Compilation &c, const std::string &reste, bool &utf8) {
    std::size_t dollar = reste.find('$');
    if (dollar == std::string::npos) return;
    std::string mot = SansBlancs(reste.substr(0, dollar));
    if (mot == "LANGUE") {
        std::string langue = SansBlancs(reste.substr(dollar + 1));
        ListBox &lgs = c.env.Lgs;
        for (int k = 0; k < lgs.ListCount(); ++k) {
            if (SansBlancs(lgs.Items[static_cast<std::size_t>(k)].Texte) == langue) {
                lgs.Selectionne(k);
                break;
            }
        }
    } else if (mot == "UTF8") {
        utf8 = true;
    }
}

void traiteLigne(Compilation &c, std::string ligne, bool &utf8) {
    CleCompilee &cle = c.env.Cle;
    std::size_t dollar = ligne.find('$');
    if (dollar == std::string::npos) return;
    std::string tete = SansBlancs(ligne.substr(0, dollar));
    std::string reste = ligne.substr(dollar + 1);
    std::string teteMaj = Majuscules(tete);
    if (teteMaj == "COM") {
        cle.CommentaireCle = reste;
    } else if (teteMaj == "TITRE") {
        cle.TitreCle = reste;
        cle.TitreFenetre = NomProgrammeVersion() + " " + reste;
    } else if (teteMaj == "REM") {
        traiteRem(c, reste, utf8);
    } else if (teteMaj == "DIRECTIVE") {
        // nothing to do
    } else if (teteMaj == "CODAGETXT") {
        cle.CodageTxt = reste;
    } else {
        cle.NbLignesM1 = c.n;
        c.n = Ajoute16(c.n, 1);
        c.ligneCourante = c.n;
        if (c.n > MaxLignesCle)
            c.ligneTexteErreur = cle.NbLignesTexte; // the record does not exist: show this line
        LigneCle &l = c.ligne(c.n);
        l.Complements = std::move(tete);
        l.Description = std::move(reste);
        l.LigneTexte = cle.NbLignesTexte;
    }
}

} // namespace

void PasseLecture(Compilation &c, std::string_view octets) {
    CleCompilee &cle = c.env.Cle;
    bool utf8 = false;
    std::size_t pos = 0;
    std::string brut; // one buffer for every line's bytes
    while (pos < octets.size()) {
        std::size_t lf = octets.find('\n', pos);
        std::size_t fin = lf == std::string_view::npos ? octets.size() : lf;
        brut.clear();
        AjouteSansRetours(brut, octets.substr(pos, fin - pos));
        pos = lf == std::string_view::npos ? octets.size() : lf + 1;

        bool premiere = cle.NbLignesTexte == 0;
        if (premiere && brut.find(MarqueBomRem) != std::string::npos) {
            brut = "rem$";
            utf8 = true;
        }
        cle.NbLignesTexte = Ajoute16(cle.NbLignesTexte, 1);
        if (premiere && estLigneMarqueur(brut)) continue;
        std::string ligne = utf8 ? DecodeUTF8(brut) : Windows1252VersUtf8(brut);
        traiteLigne(c, std::move(ligne), utf8);
    }
}

} // namespace lamelix
