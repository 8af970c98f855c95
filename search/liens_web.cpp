// The look-ups of the species reached: web pages on the sites of the settings, the
// documentation search, the bibliography window, and the files and pages named by complements.

#include "search/liens_web.hpp"

#include "platform/surete.hpp"
#include "search/documentation.hpp"
#include "search/form1.hpp"

namespace lamelix {

std::string EncodeRequete(std::string_view texte) {
    static const char *const chiffres = "0123456789ABCDEF";
    std::string sortie;
    for (const char c : texte) {
        const auto octet = static_cast<unsigned char>(c);
        if ((octet >= 'A' && octet <= 'Z') || (octet >= 'a' && octet <= 'z') ||
            (octet >= '0' && octet <= '9') || c == '-' || c == '.' || c == '_' || c == '~') {
            sortie += c;
        } else {
            sortie += '%';
            sortie += chiffres[octet >> 4];
            sortie += chiffres[octet & 15];
        }
    }
    return sortie;
}

std::string AdresseCommande6(const Reglages &r, int item, const std::string &terme,
                             const std::string &titreCle) {
    const std::string t = EncodeRequete(terme);
    switch (item) {
    case 0:
        return r.WebImages + "/images?um=1&hl=fr&lr=lang_fr&q=" + t + "&btnG=Recherche+d%27images";
    case 1:
        return r.WebBase + "/quicksearch.php?action=search&type=espece&query=" + t;
    case 5:
        return r.WebInventaire + "/accueil/recherche-de-donnees/especes/";
    case 6: {
        const std::string d = EncodeRequete(r.WebSite);
        return r.WebRecherche + "/search?q=site:" + d + "+%22,+%22+" + d + "++++" + t +
               "(Description)";
    }
    case 7:
        return r.WebBase + "/registre.php?query=" + t + "&action=search";
    case 8:
        return r.WebRecherche + "/search?q=" + t + "%20or%20" + EncodeRequete(titreCle) +
               "%20filetype%20%3A%20pdf";
    default:
        return {};
    }
}

std::string AdresseBibliographie(const Reglages &r, const std::string &mot) {
    return r.WebBase + "/quenardfull.php?query=" + EncodeRequete(mot) +
           "&action=search&source=popup";
}

void Xshell(Lamelix &f, const std::string &lien) {
    auto cible = CibleDuLien(lien);
    if (!cible) return; // only file links are opened here
    if (GenreDe(*cible) == GenreAdresse::Fichier) {
        // A key (extension CLE) or an ordinary file: both go where every complement goes.
        int16_t resultat = 0;
        TraiteComplementFichier(f, 0, *cible, resultat);
        return;
    }
    OuvreAdresseWeb(f, *cible); // a web page, or a refusal that says why
}

BarreWeb::BarreWeb(Lamelix &principale, Form1 &biblio, RechercheDocumentation &documentation)
    : Principale(principale), Biblio(biblio), Documentation(documentation) {
    const char *const legendes[] = {"Images", "Base", "Doc",      "Biblio",  "Traduire",
                                    "INPN",   "Web",  "Registre", "Web  PDF"};
    for (std::size_t i = 0; i < Command6.size(); ++i)
        Command6[i].Caption = legendes[i];
    Text2_Change(*this);
}

void Text2_Change(BarreWeb &b) {
    const bool espece = !b.Principale.Text2.Text.empty();
    for (int i : {0, 1, 2, 3, 8}) {
        CommandButton &bouton = b.Command6[static_cast<std::size_t>(i)];
        if (bouton.Enabled != espece) bouton.SetEnabled(espece);
    }
}

void Command6_Click(BarreWeb &b, int index) {
    Lamelix &f = b.Principale;
    // Items 5 and 7 search by the first two words of the name, the others by the composed term.
    static constexpr int ModeTerme[] = {1, 1, 1, 1, 0, 2, 1, 2, 1};
    if (index < 0 || index > 8) return;
    if (index != 4 && index != 2) Doc_Compose_chaine(b.Documentation, ModeTerme[index]);
    const std::string adresse =
        AdresseCommande6(f.Options(), index, f.Label17.Caption, f.Cle().TitreCle);
    switch (index) {
    case 0:
    case 1:
    case 5:
    case 7:
        AppelPageWeb(f, adresse);
        break;
    case 2:
        Command6_Documentation(b.Documentation);
        break;
    case 3:
        b.Biblio.Moi.SetCaption("Bibliographie J Quenard");
        b.Biblio.Text1.SetText({}); // no text left by a comparison or a file shown before
        Form1_Montre(b.Biblio);
        Tdecompose(b.Biblio, f.Label17.Caption);
        break;
    case 4:
        // The translation panel: shown with the sections' room given to it, and the
        // propositions translated at once.
        if (f.Frame14.Visible) {
            f.Frame14.SetVisible(false);
        } else {
            f.Frame14.SetVisible(true);
            f.check_Option[0].SetValue(1);
            InitDimension(f);
            f.Annexes.traduirebtn_Click(0);
        }
        break;
    case 6:
    case 8:
        OuvreAdresseWeb(f, adresse);
        break;
    default:
        break;
    }
}

} // namespace lamelix
