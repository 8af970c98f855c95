#include "search/documentation.hpp"

#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/nombres.hpp"
#include "platform/piege.hpp"
#include "platform/texte.hpp"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace lamelix {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view DebutLigneFin = "Recherche de documentation terminée : ";

// Split at every blank, empty pieces kept; an empty text gives no piece at all.
std::vector<std::string> decoupe(const std::string &texte) {
    std::vector<std::string> mots;
    if (texte.empty()) return mots;
    std::size_t debut = 0;
    for (;;) {
        const std::size_t blanc = texte.find(' ', debut);
        mots.push_back(texte.substr(debut, blanc - debut));
        if (blanc == std::string::npos) break;
        debut = blanc + 1;
    }
    return mots;
}

// Code points of a UTF-8 text: every byte but the continuation bytes.
std::size_t nbCaracteres(std::string_view texte) {
    return static_cast<std::size_t>(std::count_if(texte.begin(), texte.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::size_t apresCaractere(std::string_view texte, std::size_t i) {
    ++i;
    while (i < texte.size() && (static_cast<unsigned char>(texte[i]) & 0xC0) == 0x80)
        ++i;
    return i;
}

// A file name against a pattern of "*" (any run) and "?" (one character), both upper-cased.
bool correspond(std::string_view nom, std::string_view motif) {
    std::size_t n = 0, m = 0;
    std::size_t etoile = std::string_view::npos, reprise = 0;
    while (n < nom.size()) {
        if (m < motif.size() && motif[m] == '*') {
            etoile = ++m;
            reprise = n;
        } else if (m < motif.size() && motif[m] == '?') {
            ++m;
            n = apresCaractere(nom, n);
        } else if (m < motif.size() && motif[m] == nom[n]) {
            ++m;
            ++n;
        } else if (etoile != std::string_view::npos) {
            m = etoile;
            n = reprise = apresCaractere(nom, reprise);
        } else {
            return false;
        }
    }
    while (m < motif.size() && motif[m] == '*')
        ++m;
    return m == motif.size();
}

// Upper case as Majuscules gives it, without its decoding when the text is plain ASCII (most
// paths and every pattern of the program): the walk upper-cases one path per file.
std::string majuscules(std::string_view texte) {
    std::string sortie(texte);
    for (char &c : sortie) {
        if (static_cast<unsigned char>(c) >= 0x80) return Majuscules(texte);
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return sortie;
}

// One entry of a folder: its full path, where its name starts in it, and for a file its length
// (0 when the system cannot tell it).
struct Entree {
    std::string chemin;
    std::size_t debutNom = 0;
    std::uintmax_t octets = 0;
    std::string_view nom() const { return std::string_view(chemin).substr(debutNom); }
};

// The regular files (links to files included) that match the pattern and the real subfolders of
// a folder, each list in the order of the names. Links to folders are left out, so that the
// walk cannot loop. A file's length is read here, and only for the files the pattern takes, as
// the folder is read. False when the folder cannot be opened; a folder that fails part-way keeps
// what was read.
bool litDossier(const std::string &dossier, const std::string &motif, std::vector<Entree> &fichiers,
                std::vector<Entree> &sousDossiers) {
    std::error_code ec;
    fs::directory_iterator it(dossier, ec);
    if (ec) return false;
    const bool tous = motif == "*.*";
    const std::string motifMaj = majuscules(motif);
    for (const fs::directory_iterator fin; !ec && it != fin; it.increment(ec)) {
        const fs::directory_entry &e = *it;
        std::error_code ecType;
        bool fichier = false, sousDossier = false;
        if (e.is_symlink(ecType))
            fichier = e.is_regular_file(ecType);
        else if (e.is_directory(ecType))
            sousDossier = true;
        else
            fichier = e.is_regular_file(ecType);
        if (ecType || (!fichier && !sousDossier)) continue;

        const std::string &chemin = e.path().native();
        const std::size_t separateur = chemin.rfind(fs::path::preferred_separator);
        Entree entree{chemin, separateur == std::string::npos ? 0 : separateur + 1};
        if (sousDossier) {
            sousDossiers.push_back(std::move(entree));
            continue;
        }
        if (!tous && !correspond(majuscules(entree.nom()), motifMaj)) continue;
        std::error_code ecTaille;
        const std::uintmax_t octets = e.file_size(ecTaille);
        entree.octets = ecTaille ? 0 : octets;
        fichiers.push_back(std::move(entree));
    }
    const auto parNom = [](const Entree &a, const Entree &b) { return a.nom() < b.nom(); };
    std::sort(fichiers.begin(), fichiers.end(), parNom);
    std::sort(sousDossiers.begin(), sousDossiers.end(), parNom);
    return true;
}

} // namespace

RechercheDocumentation::RechercheDocumentation(Lamelix &principale) : Principale(principale) {
    const char *const libelles[] = {"Tous", "Txt, Doc, Pdf, Xls", "Htm, Html", "Jpg, Gif, Tif ..",
                                    "."};
    for (std::size_t i = 0; i < 5; ++i)
        Check3[i].Caption = libelles[i];
    for (std::size_t i = 5; i < 9; ++i)
        Check3[i].Visible = false;
    Check3[DocNomFichier].Caption = "extrait nom fichier";
    Check3[DocFiltre].Caption = "Filtre N caractères";
    // Moved in rather than assigned from the literal: that assignment trips a false -Wrestrict
    // warning of GCC 12 in optimised builds.
    Text8[0].Text = std::string("8");
    Text8[1].Text = std::string("20");
    Text9.Text = "xyz";
    Command9.Caption = "Fermer";
    Command40[0].Caption = "stop recherche";
    Command40[0].Visible = false;
}

std::string elague_chn(const std::string &texte) {
    std::string sortie = texte;
    for (char &c : sortie)
        if (c == '-' || c == '_' || c == ',' || c == '&' || c == '.' || c == '(' || c == ')' ||
            c == '[')
            c = ' ';
    return Remplace(sortie, "°", " ");
}

std::string Extrc_Nom_genre(const std::string &fichierCle) {
    std::string nom = NomFichier(fichierCle);
    const std::size_t point = nom.rfind('.');
    if (point != std::string::npos && point > 0) nom.erase(point);
    nom = SansBlancs(elague_chn(nom));
    return Majuscules(nom.substr(0, nom.find(' ')));
}

void Doc_Compose_chaine(RechercheDocumentation &d, int mode) {
    Lamelix &f = d.Principale;
    f.Label17.SetCaption({});
    std::vector<std::string> mots = decoupe(Majuscules(elague_chn(f.Text2.Text)));
    const std::size_t n = static_cast<std::size_t>(std::max(f.VScroll1[0], 0));

    // Positions 1 to N take a leading blank: it counts in the length test below, and the
    // composed text gets double blanks, hence the empty keywords of the split.
    for (std::size_t i = 1; i <= n && i < mots.size(); ++i)
        mots[i].insert(0, 1, ' ');

    std::string compose =
        d.Check3[DocNomFichier].Value == 1 ? Extrc_Nom_genre(f.Cle().FichierCle) : std::string{};
    const auto largeur = static_cast<std::size_t>(std::max(f.VScroll1[1], 0));
    for (std::size_t i = 0; i <= n && i < mots.size(); ++i) {
        if (mots[i].empty()) continue;
        std::string mot = Majuscules(mots[i]);
        if (d.Check3[DocFiltre].Value == 1) mot = PremiersCaracteres(mot, largeur);
        // A word equal to the whole text so far is the genus of the file name again.
        if (nbCaracteres(mot) > 3 && mot.find("VAR. ") == std::string::npos && mot != compose)
            compose += " " + mot;
    }
    d.MotsCles = decoupe(compose);

    const std::vector<std::string> &k = d.MotsCles;
    if (mode == 1) {
        f.Label17.SetCaption(elague_chn(compose));
    } else if (mode == 2) {
        std::string terme;
        if (k.size() >= 3)
            terme = k[0] + " " + (EgauxSansCasse(k[0], k[1]) ? k[2] : k[1]);
        else if (k.size() == 2 && !k[0].empty())
            terme = k[0] + " " + k[1];
        else if (!k.empty())
            terme = k[0];
        f.Label17.SetCaption(terme);
    }
}

void DocRecherche(RechercheDocumentation &d) {
    d.Arret = false;
    const std::string racine = d.Principale.Options().RepDoc;
    if (racine.empty()) return;
    const auto parcourt = [&](const std::string &motif) {
        double taille = 0;
        ParcourtDossier(d, racine, motif, d.NbDossiers, d.NbFichiers, taille);
        d.TailleTotale += taille;
    };
    if (d.Check3[DocTous].Value == 1) {
        parcourt("*.*");
        return;
    }
    if (d.Check3[DocTextes].Value == 1)
        for (const char *motif : {"*.txt", "*.doc", "*.rtf", "*.pdf", "*.xls"})
            parcourt(motif);
    if (d.Check3[DocPages].Value == 1)
        for (const char *motif : {"*.htm", "*.html"})
            parcourt(motif);
    if (d.Check3[DocImages].Value == 1)
        for (const char *motif : {"*.jpg", "*.tif", "*.bmp", "*.gif", "*.png"})
            parcourt(motif);
    if (d.Check3[DocExtension].Value == 1) parcourt("*." + d.Text9.Text);
}

void ParcourtDossier(RechercheDocumentation &d, const std::string &dossier,
                     const std::string &motif, long &nbDossiers, long &nbFichiers, double &taille) {
    taille = 0;
    if (d.Arret) return;
    Lamelix &f = d.Principale;
    std::vector<Entree> fichiers, sousDossiers;
    // A folder that cannot be opened (gone, refused) is passed over; the walk goes on.
    if (!litDossier(dossier, motif, fichiers, sousDossiers)) return;

    double total = 0;
    for (const Entree &e : fichiers) {
        total += static_cast<double>(e.octets);
        ++nbFichiers;
        Doc_Traite_motcle_rep(d, e.chemin);
        f.Systeme.Patiente();
        if (d.DemandeArret) {
            d.DemandeArret = false;
            if (f.Systeme.Question(f.Msg(MsgArretRecherche)) == ReponseOui) {
                d.Arret = true;
                break;
            }
        }
    }

    f.Label1.SetCaption(std::to_string(nbDossiers));
    ++nbDossiers;
    if (d.Arret) {
        taille = total;
        return;
    }
    for (const Entree &s : sousDossiers) {
        f.Systeme.Patiente();
        double sousTotal = 0;
        ParcourtDossier(d, s.chemin, motif, nbDossiers, nbFichiers, sousTotal);
        total += sousTotal;
    }
    taille = total;
}

void Doc_Traite_motcle_rep(RechercheDocumentation &d, const std::string &chemin) {
    const std::vector<std::string> &k = d.MotsCles;
    const auto n = static_cast<std::size_t>(std::max(d.Principale.VScroll1[0], 0));
    std::string cheminMaj;
    for (std::size_t i = 1; i <= n && i < k.size(); ++i) {
        if (k[i].empty()) continue;
        if (cheminMaj.empty()) cheminMaj = majuscules(chemin);
        if (cheminMaj.find(majuscules(k[i])) != std::string::npos)
            d.Principale.List1.AddItem(chemin);
    }
}

void Command40_Click(RechercheDocumentation &d, int index) {
    if (index == 0 && d.Principale.Parcours.DocsAffiches) d.DemandeArret = true;
}

void Text8_Change(RechercheDocumentation &d, int index) {
    if (index < 0 || index > 1) return;
    TextBox &boite = d.Text8[static_cast<std::size_t>(index)];
    const double borne = index == 0 ? 8 : 20;
    double valeur = 0;
    try {
        valeur = Valeur(boite.Text);
    } catch (const ErreurExecution &) {
        // A number too large for a double: beyond the bound on its side.
        valeur = SansBlancs(boite.Text).starts_with('-') ? 0 : borne + 1;
    }
    if (valeur < 1) {
        valeur = 1;
        boite.SetText("1");
    } else if (valeur > borne) {
        valeur = borne;
        boite.SetText(TexteNombre(borne));
    }
    // A fraction in range stays as typed; the scroll bar takes the nearest whole number.
    d.Principale.VScroll1[static_cast<std::size_t>(index)] = VersEntier16(valeur);
}

void Command6_Documentation(RechercheDocumentation &d) {
    Lamelix &f = d.Principale;
    Doc_Compose_chaine(d, 1);
    f.Systeme.Sablier(true);
    f.StatusBar1.SetCaption(" recherche de la documentation,  patientez ...");
    f.List1.Clear();
    f.Parcours.MontreDocuments();
    d.Command40[0].SetVisible(true);
    // An error in the walk ends the walk only: the stop button still goes and the count comes.
    const auto erreur = SousPiege([&] { DocRecherche(d); });
    d.Command40[0].SetVisible(false);
    const std::string trouves = std::to_string(f.List1.ListCount());
    // A row the user chose while the walk ran stays chosen: no count is added after it.
    if (f.List1.ListIndex < 0)
        f.List1.AddItem(std::string(DebutLigneFin) + trouves + " fichiers trouvés");
    // The walk is over: the pointer is no longer busy and the status line tells how it ended.
    f.Systeme.Sablier(false);
    const LibellesFenetre &l = f.Libelles;
    f.StatusBar1.SetCaption(erreur    ? Remplace(l.DocumentationInterrompue, "%1", *erreur)
                            : d.Arret ? Remplace(l.DocumentationArretee, "%1", trouves)
                                      : Remplace(l.DocumentationTrouvee, "%1", trouves));
}

void Command9_Click(RechercheDocumentation &d) {
    d.Principale.FrameCfgDoc.SetVisible(false);
}

bool OuvreDocument(RechercheDocumentation &d) {
    Lamelix &f = d.Principale;
    if (!f.Parcours.DocsAffiches) return false;
    const std::string ligne = f.List1.TexteSelectionne();
    if (ligne.empty() || ligne.starts_with(DebutLigneFin)) return false;
    f.Systeme.ShellEx(ligne, f.RepProgramme);
    return true;
}

} // namespace lamelix
