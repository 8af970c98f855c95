// The settings file "Lamelix.ini": read at start-up, written by "Sauver les options", and the
// session line that "&Quitter" records and "Session précédente" reopens.

#include "consult/lamelix.hpp"
#include "key/requetes_cle.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/horloge.hpp"
#include "platform/nombres.hpp"
#include "platform/piege.hpp"
#include "platform/services.hpp"
#include "platform/texte.hpp"
#include "platform/utf8.hpp"
#include "settings/fichier_ini.hpp"

#include <ctime>
#include <optional>
#include <string_view>
#include <vector>

namespace lamelix {

namespace {

const char *vraiFaux(bool valeur) {
    return valeur ? "Vrai" : "Faux";
}

// A switch's value: "VRAI" or "FAUX" in any case; anything else leaves the switch as it is.
std::optional<bool> interrupteur(const std::string &valeur) {
    const std::string v = Majuscules(valeur);
    if (v == "VRAI") return true;
    if (v == "FAUX") return false;
    return std::nullopt;
}

void appliqueInterrupteur(MenuItem &item, const std::string &valeur) {
    if (const auto v = interrupteur(valeur)) item.SetChecked(*v);
}

// The lines of the settings file, from the settings in memory.
std::string texteReglages(const Lamelix &f) {
    const Reglages &r = f.Prog.Options;
    const std::string fin = "\r\n";
    std::string texte = fin;
    texte += "REPDATA =" + (r.RepData.empty() ? f.RepData : r.RepData) + fin;
    texte += "FICDEFAUT =" + r.FicDefaut + fin;
    texte += "REPDOC =" + r.RepDoc + fin;
    texte += "FNT =" + std::to_string(r.Fnt < 0 ? -r.Fnt : r.Fnt) + fin;
    texte += std::string("AFFSECT =") + vraiFaux(f.check_Option[0].Value == 1) + fin;
    texte += std::string("AUTOEXEC =") + vraiFaux(f.MnExec.Checked) + fin;
    texte += std::string("PREFIXE =") + vraiFaux(f.Mnuprefx[0].Checked) + fin;
    texte += "LANGUE_T =" + f.lgr.TexteSelectionne() + fin;
    texte += "LANGUEM = " + r.LangueM + fin;
    texte += "WEB_IMAGES =" + r.WebImages + fin;
    texte += "WEB_BASE =" + r.WebBase + fin;
    texte += "WEB_INVENTAIRE =" + r.WebInventaire + fin;
    texte += "WEB_RECHERCHE =" + r.WebRecherche + fin;
    texte += "WEB_SITE =" + r.WebSite + fin;
    texte += "TRAD_SERVICE =" + r.TradService + fin;
    texte += "TRAD_PAGE =" + r.TradPage + fin;
    texte += "TRAD_SERVEUR =" + r.TradServeur + fin;
    texte += "TRAD_CLE =" + r.TradCle + fin;
    texte += "EDITEUR =" + r.Editeur + fin;
    return texte;
}

// The settings file is missing: it is created from the settings in memory and the user told
// (or told that it could not be created). False when no file was made.
bool recreeIni(Lamelix &f) {
    if (!EcritOuSignale(f, CheminIni(f), texteReglages(f), "options")) return false;
    f.Systeme.Message(f.Msg(MsgCreationDe) + Reglages::NomIni, f.Caption.Caption);
    return true;
}

// A folder named in the settings: a relative one (".\cles", "cles", empty) is a folder of the
// program folder, wherever the program was started from.
std::string dossierDesReglages(const Lamelix &f, const std::string &valeur) {
    std::string dossier = SeparateursLocaux(SansBlancs(valeur));
    if (EstCheminAbsolu(dossier)) return dossier;
    while (dossier.rfind("./", 0) == 0)
        dossier.erase(0, 2);
    if (dossier.empty() || dossier == ".") return f.RepProgramme;
    return JointChemin(f.RepProgramme, dossier);
}

void appliqueElement(Lamelix &f, const std::string &cle, const std::string &valeur) {
    Reglages &r = f.Options();
    if (cle == "REPDATA") {
        f.RepData = r.RepData = dossierDesReglages(f, valeur);
    } else if (cle == "FICDEFAUT") {
        if (FichierExiste(JointChemin(f.RepData, SeparateursLocaux(valeur)))) r.FicDefaut = valeur;
    } else if (cle == "REPDOC") {
        r.RepDoc = QueDesBlancs(valeur) ? std::string{} : dossierDesReglages(f, valeur);
    } else if (cle == "FNT") {
        if (EstNumerique(valeur) && Valeur(valeur) >= 2 && Valeur(valeur) <= 7)
            r.Fnt = VersEntier16(Valeur(valeur));
        mnuFontSizesItem_Click(f, r.Fnt);
    } else if (cle == "AUTOEXEC") {
        appliqueInterrupteur(f.MnExec, valeur);
        SuitExecAuto(f);
    } else if (cle == "PREFIXE") {
        appliqueInterrupteur(f.Mnuprefx[0], valeur);
    } else if (cle == "LANGUE" || cle == "LANGUE_T") {
        f.lgr.Selectionne(cherche_Lgr_liste(f, SansBlancsGauche(valeur)));
    } else if (cle == "TRAD_SERVICE") {
        const std::string genre = SansBlancs(valeur);
        if (genre == "page" || genre == "json") r.TradService = genre;
    } else if (cle == "TRAD_CLE") {
        r.TradCle = SansBlancs(valeur);
    } else if (cle.rfind("WEB_", 0) == 0 || cle == "TRAD_PAGE" || cle == "TRAD_SERVEUR") {
        // A site given without its scheme is reached over https.
        std::string site = SansBlancs(valeur);
        if (cle != "WEB_SITE" && !site.empty() && site.find("://") == std::string::npos)
            site = "https://" + site;
        while (!site.empty() && site.back() == '/')
            site.pop_back();
        if (site.empty()) return;
        if (cle == "WEB_IMAGES") r.WebImages = site;
        if (cle == "WEB_BASE") r.WebBase = site;
        if (cle == "WEB_INVENTAIRE") r.WebInventaire = site;
        if (cle == "WEB_RECHERCHE") r.WebRecherche = site;
        if (cle == "WEB_SITE") r.WebSite = site;
        if (cle == "TRAD_PAGE") r.TradPage = site;
        if (cle == "TRAD_SERVEUR") r.TradServeur = site;
    } else if (cle == "EDITEUR") {
        r.Editeur = SansBlancs(valeur);
    } else if (cle == "LANGUEM") {
        r.LangueM = valeur;
    } else if (cle == "UTF8") {
        f.Cle().CodageTxt = valeur;
    } else if (cle == "AFFSECT") {
        if (const auto v = interrupteur(valeur)) f.check_Option[0].SetValue(*v ? 1 : 0);
    }
}

std::string ligneSession(const Lamelix &f) {
    const std::time_t maintenant = std::time(nullptr);
    const std::tm local = HeureLocale(maintenant);
    char date[16], heure[16];
    std::strftime(date, sizeof date, "%d/%m/%Y", &local);
    std::strftime(heure, sizeof heure, "%H:%M:%S", &local);
    return "SESSION=" + f.Prog.Cle.FichierCle + ";" + std::to_string(f.Parcours.EntiteCourante) +
           ";" + date + ";" + heure;
}

// The key of a whole settings line: the text before its first "=", trimmed, upper-cased.
std::string cleDeLigne(const std::string &ligne) {
    const std::size_t egal = ligne.find('=');
    return egal == std::string::npos ? std::string{}
                                     : Majuscules(SansBlancs(ligne.substr(0, egal)));
}

constexpr std::string_view MarqueOrdre = "\xEF\xBB\xBF"; // the UTF-8 byte order mark

// The lines of a file as its bytes, each with its own line end.
std::vector<std::string_view> lignesBrutes(std::string_view octets) {
    std::vector<std::string_view> lignes;
    while (!octets.empty()) {
        const std::size_t fin = octets.find('\n');
        const std::size_t longueur = fin == std::string_view::npos ? octets.size() : fin + 1;
        lignes.push_back(octets.substr(0, longueur));
        octets.remove_prefix(longueur);
    }
    return lignes;
}

bool estBlanche(std::string_view ligne) {
    return ligne.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool estLigneSession(std::string_view ligne) {
    if (ligne.rfind(MarqueOrdre, 0) == 0) ligne.remove_prefix(MarqueOrdre.size());
    return cleDeLigne(DecodeUTF8(ligne)) == "SESSION";
}

} // namespace

const std::string &DossierIni(const Lamelix &f) {
    return f.Prog.Options.DossierIni.empty() ? f.RepProgramme : f.Prog.Options.DossierIni;
}

std::string CheminIni(const Lamelix &f) {
    return JointChemin(DossierIni(f), Reglages::NomIni);
}

int16_t cherche_Lgr_liste(Lamelix &f, const std::string &langue) {
    int16_t trouve = static_cast<int16_t>(f.lgr.ListIndex);
    for (int i = 0; i < f.lgr.ListCount(); ++i)
        if (f.lgr.Items[static_cast<std::size_t>(i)].Texte == langue)
            trouve = static_cast<int16_t>(i);
    return trouve;
}

void IniCharge(Lamelix &f) {
    SousPiege([&] {
        Reglages &r = f.Options();
        f.RepData = r.RepData = f.RepProgramme;
        r.FicDefaut = "defaut.cle";
        r.RepDoc.clear();
        r.LangueM.clear();
        f.Cle().CodageTxt.clear();
        const std::string chemin = CheminIni(f);
        if (!FichierExiste(chemin)) {
            recreeIni(f);
            return;
        }
        const auto contenu = LireOctets(chemin);
        if (!contenu) return;
        std::string texte;
        for (const std::string &ligne : LignesTexte(*contenu))
            texte += ligne + "\n";
        std::string cle;
        for (const std::string &element : ElementsIni(texte)) {
            const ElementCle decoupe = DecoupeElement(element);
            if (decoupe.AUneCle) cle = decoupe.Cle;
            // A value that cannot be taken (a font size out of range) leaves that setting
            // alone; the rest of the file is still read.
            SousPiege([&] { appliqueElement(f, cle, decoupe.Valeur); });
        }
    });
}

void inisauve(Lamelix &f) {
    EcritOuSignale(f, CheminIni(f), texteReglages(f), "options");
}

void IniSession_Sauve(Lamelix &f) {
    SousPiege([&] {
        const std::string chemin = CheminIni(f);
        if (!FichierExiste(chemin) && !recreeIni(f)) return;
        const auto contenu = LireOctets(chemin);
        if (!contenu) return;
        // Every settings line keeps its bytes, its encoding and its line end, those a user wrote
        // below the session line too; the session line is replaced (once), or added. The blank
        // lines that end the file are the writer's own and do not pile up from one save to the
        // next.
        std::vector<std::string_view> lignes = lignesBrutes(*contenu);
        while (!lignes.empty() && estBlanche(lignes.back()))
            lignes.pop_back();
        std::string texte;
        bool remplacee = false;
        for (std::string_view ligne : lignes) {
            if (!estLigneSession(ligne)) {
                texte += ligne;
                if (ligne.back() != '\n') texte += "\r\n"; // the last line had no line end
            } else if (!remplacee) {
                if (ligne.rfind(MarqueOrdre, 0) == 0) texte += MarqueOrdre;
                texte += ligneSession(f) + "\r\n";
                remplacee = true;
            }
        }
        if (!remplacee) texte += ligneSession(f) + "\r\n";
        EcritOuSignale(f, chemin, texte + "\r\n", "session");
    });
}

void IniSession_Charge(Lamelix &f) {
    SousPiege([&] {
        f.RepData = f.RepProgramme;
        const auto contenu = LireOctets(CheminIni(f));
        if (!contenu) return;
        std::string valeur;
        bool trouvee = false;
        for (const std::string &ligne : LignesTexte(*contenu)) {
            if (cleDeLigne(ligne) != "SESSION") continue;
            valeur = SansBlancs(ligne.substr(ligne.find('=') + 1));
            trouvee = true;
            break;
        }
        if (!trouvee) return;
        const std::string fichier = SansBlancs(valeur.substr(0, valeur.find(';')));
        if (fichier.empty()) return;
        // The key of the session is gone (or is no regular file, which could not be read): the
        // user is told, and the consultation in progress stays as it is.
        if (!FichierExiste(fichier)) {
            f.Systeme.Message(f.Msg(MsgFichier) + fichier + f.Msg(MsgNonTrouve));
            return;
        }
        const std::size_t debutEntite = valeur.find(';');
        const std::string entite =
            debutEntite == std::string::npos ? std::string{} : valeur.substr(debutEntite + 1);

        f.NomFichierCle = NomFichier(fichier);
        f.CheminCle = fichier;
        ChargeCle(f, fichier);
        CleCompilee &cle = f.Cle();
        if (cle.NbLignesM1 <= 0) return; // the key could not be loaded
        const int16_t numero = VersEntier16(Valeur(entite.substr(0, entite.find(';'))));
        // An entity exists when its first line belongs to it: one the key no longer has (it was
        // edited since) leaves the key at its start.
        if (numero < 1 || numero > MaxEntites || !EntiteDefinie(cle, numero)) return;
        f.Parcours.EntiteCourante = numero;
        AfficheChoix(f, f.Parcours.EntiteCourante);
        CherchSuiv(f);
        // The key's first entity is reached by no choice: its path stays empty. Any other path
        // is rebuilt from the line that leads to the entity.
        if (numero != cle.TabLignes(1).E) {
            int16_t appelante = VersEntier16(cle.TabLignes(cle.IndexEntite(numero)).Prec);
            HistoCherch(f, appelante);
        }
        f.Text1.SetText({});
        AfficheHist(f, 0, 0);
    });
}

} // namespace lamelix
