// The complements of a key line: a document opened with the user's program, a web page in the
// browser, another key loaded in place of the current one (keys chained into one
// identification), and a missing file reported or searched for by hand, as the user chose.

#include "consult/lamelix.hpp"
#include "platform/fichiers.hpp"
#include "platform/surete.hpp"
#include "platform/texte.hpp"

namespace lamelix {

namespace {

std::string sansGuillemets(std::string texte) {
    std::erase(texte, '"');
    return texte;
}

// The back step that brings the consultation back to the entity where a line that leads on was
// picked. A line that ends at a species keeps the species reached and shown, with its path; a
// line only looked at (a single click) added no step: there is none to take back.
void revientAuChoix(Lamelix &f, bool ligneChoisie) {
    if (ligneChoisie) bouton_Click(f, 0);
}

// A notice of the panel that a console must print too: a refusal or a missing file.
void signale(Lamelix &f, const std::string &texte, uint32_t couleur) {
    flash(f, texte, couleur);
    f.Systeme.Signale(texte);
}

// Only a document is handed to the desktop, which would run a program or a launcher: a key must
// never get one run.
void ouvreDocument(Lamelix &f, const std::string &chemin) {
    if (const auto pourquoi = PourquoiPasUnDocument(chemin)) {
        signale(f, "fichier non ouvert : " + NomFichier(chemin) + " : " + *pourquoi, CouleurRouge);
        return;
    }
    f.Systeme.ShellEx(chemin, f.RepProgramme);
}

} // namespace

bool OuvreAdresseWeb(Lamelix &f, const std::string &adresse) {
    if (GenreDe(adresse) != GenreAdresse::Web) {
        f.Systeme.Message("adresse refusée : " + adresse + f.FinLigne +
                          "seules les adresses http:// et https:// sont ouvertes");
        return false;
    }
    return f.Systeme.ShellEx(adresse, {});
}

int16_t AppelPageWeb(Lamelix &f, const std::string &adresse) {
    if (!f.Systeme.ConnexionInternet()) {
        flash(f, f.Msg(MsgPasDeConnexion), CouleurRouge);
        return 1;
    }
    flash(f, f.Msg(MsgAppelPageWeb), CouleurBleu);
    OuvreAdresseWeb(f, adresse);
    return 0;
}

std::optional<std::string> CibleDuLien(const std::string &complements) {
    const std::string texte = SansBlancs(complements);
    const std::string code = PremiersCaracteres(texte, 1);
    if (Majuscules(code) != "F") return std::nullopt; // the section code is the compiler's
    return SansBlancs(sansGuillemets(texte.substr(code.size())));
}

void TraiteComplement(Lamelix &f, int16_t mode, const std::string &complements, int16_t &resultat) {
    if (auto cible = CibleDuLien(complements)) TraiteComplementFichier(f, mode, *cible, resultat);
}

void TraiteComplementFichier(Lamelix &f, int16_t mode, std::string &cible, int16_t &resultat) {
    // Only the caller knows whether the line was picked and leads on: a flag left by an earlier
    // choice says nothing of this line.
    const bool ligneChoisie = mode == 1;
    f.CibleComplement = cible;
    switch (GenreDe(cible)) {
    case GenreAdresse::Web:
        AppelPageWeb(f, cible);
        return; // a web address is never a missing file
    case GenreAdresse::Refusee:
        OuvreAdresseWeb(f, cible); // says why it is refused
        return;
    case GenreAdresse::Fichier:
        break;
    }
    f.CheminComplement = CheminDuComplement(DossierDe(f.Cle().FichierCle), cible);
    const bool estCle = ExtensionMaj3(cible) == "CLE";
    Flash_ferme(f);
    f.LblflashX.SetCaption({});
    if (FichierExiste(f.CheminComplement)) {
        if (estCle) {
            Command3_Click(f, 0);
            ChargeCle(f, f.CheminComplement);
            ChargeListe(f, 0);
        } else {
            revientAuChoix(f, ligneChoisie);
            ouvreDocument(f, f.CheminComplement);
        }
        return;
    }
    if (f.FicExtr[1].Checked) {
        signale(f, f.Msg(MsgFichier) + cible + f.Msg(MsgNonTrouve), CouleurVert);
        resultat = 1;
        return;
    }
    resultat = 2;
    revientAuChoix(f, ligneChoisie);
    if (f.Systeme.Question(f.Msg(MsgFichier) + cible + f.Msg(MsgNonTrouve) +
                           " :  recherche manuelle ? ") != ReponseOui)
        return;
    if (estCle) {
        // The user finds the key; "Ouvrir" loads it and lists it among the opened keys.
        mnuFileItem_Click(f, FichierOuvrir);
        cible = f.CibleComplement = f.NomFichierCle;
        return;
    }
    resultat = 0;
    revientAuChoix(f, ligneChoisie);
    if (const auto trouve = ChargefichExtrnDialog(f, f.CheminComplement)) {
        cible = f.CibleComplement = NomFichier(*trouve);
        ouvreDocument(f, *trouve);
    }
}

std::optional<std::string> ChargefichExtrnDialog(Lamelix &f, const std::string &chemin) {
    const auto trouve = f.Systeme.DialogueOuvrir(
        "(*.*)|*.*|" + f.Msg(MsgTousLesFichiers) + "(*.*)|*.*", DossierDe(chemin));
    if (!trouve || trouve->empty()) return std::nullopt;
    return trouve;
}

void Command3_Click(Lamelix &f, int index) {
    if (index != 0) return;
    // "Charger Fichier": the key of the last complement becomes the current key.
    const std::string chemin = f.CheminComplement;
    f.NomFichierCle = NomFichier(chemin);
    f.RepData = DossierDe(chemin);
    MAJ_List3(f, chemin);
    f.CheminCle = chemin;
    MontreFichierCourant(f, f.NomFichierCle);
    f.Frame5.SetVisible(false);
}

} // namespace lamelix
