// KeyBase's key tables and projects: each shape of table read (CSV, TSV, byte order mark,
// header or not, text labels, subkeys, shortcuts, HTML, each fault), every sample key sent out
// and read back, and a small project from its folder and from its .zip.

#include "key/compilateur.hpp"
#include "key/requetes_cle.hpp"
#include "platform/controles.hpp"
#include "platform/services_sans_effet.hpp"
#include "platform/texte.hpp"
#include "settings/messages.hpp"
#include "tests/core/lance_outils.hpp"
#include "tests/core/outils_essai.hpp"
#include "tools/export_keybase.hpp"
#include "tools/import_keybase.hpp"
#include "tools/projet_keybase.hpp"
#include "tools/raccords_keybase.hpp"

#include <archive.h>
#include <archive_entry.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;

const std::string Donnees = std::string(LAMELIX_DONNEES) + "/keybase/";

std::string TexteDeCle(const TableauImporte &t) {
    return t.Utf8 ? t.Octets : Windows1252VersUtf8(t.Octets);
}

// The key line by line in a form that numbering leaves alone: each part's entities renumbered
// in the order they first appear, parts in header order; a call names its part.
std::vector<std::string> Canonique(const CleCompilee &cle) {
    std::map<long, std::pair<int, long>> entite; // global entity -> (part, rank in part)
    std::map<long, int> appel;                   // first entity of a part -> the part
    std::vector<long> rangs{0};
    int partie = 0;
    for (long i = 1; i <= NombreLignesCle(cle); ++i) {
        const LigneCle &l = cle.TabLignes(i);
        if (l.E < 0) {
            rangs.push_back(0);
            partie = static_cast<int>(rangs.size()) - 1;
        } else if (l.E > 0 && !EstNote(cle, i) && !entite.count(l.E)) {
            entite[l.E] = {partie, ++rangs[static_cast<std::size_t>(partie)]};
            if (rangs[static_cast<std::size_t>(partie)] == 1) appel[l.E] = partie;
        }
    }
    std::vector<std::string> lignes;
    for (long i = 1; i <= NombreLignesCle(cle); ++i) {
        const LigneCle &l = cle.TabLignes(i);
        if (l.E < 1 || EstNote(cle, i)) continue;
        std::string texte = SansBlancs(l.Description);
        for (long j = i + 1; j <= NombreLignesCle(cle) && EstNote(cle, j); ++j)
            texte += " / " + SansBlancs(cle.TabLignes(j).Description);
        const auto [p, e] = entite.at(l.E);
        std::string vers = "0";
        if (l.S > 0 && entite.count(l.S))
            vers = entite.at(l.S).first == p ? std::to_string(entite.at(l.S).second)
                                             : "CS" + std::to_string(appel.at(l.S));
        lignes.push_back(std::to_string(p) + "." + std::to_string(e) + " " + texte + " -> " + vers +
                         " | " + SansBlancs(l.NomEspece) + " | " + SansBlancs(l.Complements));
    }
    // The lines of a couplet together, as a table groups them.
    std::stable_sort(lignes.begin(), lignes.end(), [](const std::string &a, const std::string &b) {
        return a.substr(0, a.find(' ')) < b.substr(0, b.find(' '));
    });
    return lignes;
}

// Every name a walk from the first entity meets, on taxa and on calls of secondary keys.
std::set<std::string> NomsAtteints(const CleCompilee &cle) {
    std::set<std::string> noms;
    std::set<long> vues;
    std::vector<long> pile{cle.TabLignes(1).E > 0 ? cle.TabLignes(1).E : cle.TabLignes(2).E};
    while (!pile.empty()) {
        const long e = pile.back();
        pile.pop_back();
        if (!vues.insert(e).second) continue;
        for (long i = 1; i <= NombreLignesCle(cle); ++i) {
            const LigneCle &l = cle.TabLignes(i);
            if (l.E != e || EstNote(cle, i)) continue;
            if (!SansBlancs(l.NomEspece).empty()) noms.insert(SansBlancs(l.NomEspece));
            if (l.S > 0) pile.push_back(l.S);
        }
    }
    return noms;
}

struct CasTableau {
    const char *fichier;
    std::set<std::string> noms;                       // reached from the first couplet
    std::vector<std::pair<long, std::string>> fautes; // table line, KeyBase's word
    const char *extrait;                              // a piece of the key file, in UTF-8
};

TEST(TableauKeyBase, FormesLuesEtFautesAuxLignesDuTableau) {
    const char *const fleche = " \xE2\x80\xBA ";
    const CasTableau cas[] = {
        {"simple.csv",
         {"Boletus edulis", "Agaricus campestris", "Clitocybe nebularis"},
         {},
         "1, 2 $Cap with gills, thin\r\n1, 0 $Cap 3\" wide with pores & tubes$Boletus edulis\r\n"
         "2, 0 $Stem with a ring, 10° – 12\xE2\x80\x89"
         "cm$Agaricus campestris\r\n"
         "2, 0 $Stem \"bare\"$"},
        {"etiquettes.tsv",
         {"Rosa canina", "Betula pendula", std::string("Prunus") + fleche + "Prunus spinosa",
          "Fagus sylvatica"},
         {},
         "Couplet « a » du tableau\r\n1, 2 $Leaves opposite\r\n1, 3 $Leaves alternate\r\n"
         "Couplet « b » du tableau\r\n2, 0 $Flowers 5\" wide$Rosa canina\r\n"},
        {"sous-cles.tsv",
         {"Pluteus", "Entoloma", "White-spored", "Hygrocybe", "Mycena", "Tricholoma"},
         {},
         "1, CS1 $Spores white$White-spored\r\n2, 0 $On wood$Pluteus\r\n2, 0 $On soil$Entoloma\r\n"
         "CS1, 0 $White-spored\r\n1, 0 $Gills waxy$Hygrocybe\r\n1, 2 $Gills thin\r\n"},
        {"raccourcis.tsv",
         {std::string("Vaccinium") + fleche + "Vaccinium myrtillus",
          std::string("Erica") + fleche + "Erica cinerea",
          std::string("Calluna") + fleche + "Calluna vulgaris"},
         {},
         "Couplet « x1 » du tableau\r\n"},
        {"fautes.tsv",
         {"Quercus robur"},
         {{2, "dead end"}, {4, "dead end"}, {5, "loop"}, {7, "orphan"}, {7, "singleton"}},
         "1, 0 $Twigs smooth$\r\n"},
    };
    for (const CasTableau &c : cas) {
        SCOPED_TRACE(c.fichier);
        const TableauImporte t = ImporteTableau(Lis(Donnees + c.fichier));
        ASSERT_TRUE(t.Refus.empty()) << t.Refus.front().Message;
        std::vector<std::pair<long, std::string>> fautes;
        for (const ConstatImport &k : t.Constats)
            if (!k.Information) fautes.emplace_back(k.Ligne, k.Terme);
        EXPECT_EQ(fautes, c.fautes);
        EXPECT_NE(TexteDeCle(t).find(c.extrait), std::string::npos) << TexteDeCle(t);
        OutilsEssai relue;
        relue.Ouvre(t.Octets);
        EXPECT_EQ(NomsAtteints(relue.O.Cle()), c.noms);
    }
}

// Refused only when no key can come out, every reason given at once.
TEST(TableauKeyBase, RefusAvecToutesLesRaisons) {
    const TableauImporte vide = ImporteTableau("from\tstatement\tto\n1\n2\tx\n");
    ASSERT_EQ(vide.Refus.size(), 3u);
    EXPECT_EQ(vide.Refus[0].Ligne, 2);
    EXPECT_EQ(vide.Refus[1].Ligne, 3);
    EXPECT_TRUE(vide.Octets.empty());
    std::string grand;
    for (int k = 1; k <= MaxLignesCle; ++k)
        grand += std::to_string(k) + "\ta\t" + std::to_string(k + 1) + "\n" + std::to_string(k) +
                 "\tb\tT" + std::to_string(k) + "\n";
    const TableauImporte trop = ImporteTableau(grand);
    ASSERT_FALSE(trop.Refus.empty());
    EXPECT_TRUE(trop.Octets.empty());
}

// A key compiled aside, without a dialog; nothing when its compilation stops.
std::unique_ptr<CleCompilee> Compile(std::string_view octets) {
    auto cle = std::make_unique<CleCompilee>();
    const Messages textes;
    ServicesMuets muette;
    ListBox langues;
    int16_t echec = 0;
    PrecompileOctets(octets, echec, {*cle, textes, muette, muette, langues});
    if (echec != 0 || cle->NbLignesM1 < 1) cle.reset();
    return cle;
}

// Every sample key sent out as a KeyBase table and read back: the same couplets, statements,
// taxa (the names on calls of secondary keys included), secondary keys and complements.
TEST(TableauKeyBase, AllerRetourDesCles) {
    std::vector<std::string> cles;
    for (const std::string &dossier :
         {std::string(LAMELIX_CLES), std::string(LAMELIX_DONNEES) + "/rapports"})
        for (const auto &f : fs::directory_iterator(dossier))
            if (f.path().extension() == ".cle" || f.path().extension() == ".txt")
                cles.push_back(f.path().string());
    int faits = 0;
    for (const std::string &chemin : cles) {
        SCOPED_TRACE(chemin);
        const auto cle = Compile(Lis(chemin));
        if (!cle) continue;
        const TableauKeyBase table = EcritTableauKeyBase(*cle);
        if (table.Perte) { // what the table cannot carry is said
            EXPECT_FALSE(table.Avertissements.empty());
            continue;
        }
        const TableauImporte t = LitTableauKeyBase(table.Texte);
        ASSERT_TRUE(t.Refus.empty());
        const auto relue = Compile(t.Octets);
        ASSERT_TRUE(relue);
        EXPECT_EQ(Canonique(*relue), Canonique(*cle));
        ++faits;
    }
    EXPECT_GE(faits, 10);
}

std::string Zip(const std::string &dossier, const std::string &zip) {
    archive *a = archive_write_new();
    archive_write_set_format_zip(a);
    archive_write_open_filename(a, zip.c_str());
    for (const auto &f : fs::directory_iterator(dossier)) {
        const std::string octets = Lis(f.path().string());
        archive_entry *e = archive_entry_new();
        archive_entry_set_pathname(e, ("projet/" + f.path().filename().string()).c_str());
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, static_cast<la_int64_t>(octets.size()));
        archive_write_header(a, e);
        archive_write_data(a, octets.data(), octets.size());
        archive_entry_free(e);
    }
    // An entry that would land outside the output folder if its name were trusted, and a link.
    archive_entry *e = archive_entry_new();
    archive_entry_set_pathname(e, "../../evade.tsv");
    archive_entry_set_filetype(e, AE_IFLNK);
    archive_entry_set_symlink(e, "/etc/passwd");
    archive_write_header(a, e);
    archive_entry_free(e);
    archive_write_close(a);
    archive_write_free(a);
    return zip;
}

TEST(ProjetKeyBase, DossierEtZipDonnentLesMemesClesChainees) {
    DossierTemporaire d;
    const std::string zip = Zip(Donnees + "projet", d.Chemin("projet.zip"));
    for (const bool pages : {false, true})
        for (const std::string &projet : {Donnees + "projet", zip}) {
            SCOPED_TRACE(projet + (pages ? " --pages" : ""));
            const std::string sortie =
                d.Chemin(std::string("cles") + (pages ? "-p" : "") + std::to_string(projet.size()));
            const RapportProjet r = ImporteProjet(projet, sortie, {pages});
            ASSERT_TRUE(r.Refus.empty()) << r.Refus.front();
            EXPECT_EQ(r.Ecrits, (std::vector<std::string>{"Key-to-the-families.cle",
                                                          "Key-to-the-genera-of-Rosaceae.cle",
                                                          "Key-to-Rosa.cle"}));
            EXPECT_EQ(r.Premiere, "Key-to-the-families.cle");
            const std::string familles = Lis(sortie + "/Key-to-the-families.cle");
            EXPECT_NE(familles.find("TITRE$Key to the families\r\n"), std::string::npos);
            EXPECT_NE(familles.find("$Rosaceae$F\"Key-to-the-genera-of-Rosaceae.cle\"\r\n"),
                      std::string::npos);
            EXPECT_EQ(familles.find("$Acer$F\"https://example.org/acer\"") != std::string::npos,
                      pages);
            EXPECT_NE(Lis(sortie + "/Key-to-Rosa.cle").find("TITRE$Key to Rosa\r\n"),
                      std::string::npos);
            // The key files and nothing else: no entry is written under its own name.
            EXPECT_EQ(std::distance(fs::directory_iterator(sortie), fs::directory_iterator()), 3);
        }
    const RapportProjet sansListe = ImporteProjet(d.Chemin("rien"), d.Chemin("x"));
    EXPECT_FALSE(sansListe.Refus.empty());
    // What "Fichier > Importer..." opens: the first key's path, or the reasons and no path.
    EXPECT_EQ(ImporteProjetKeyBase(zip, d.Chemin("fenetre")).PremiereCle,
              d.Chemin("fenetre") + "/Key-to-the-families.cle");
    const ProjetImporte refuse = ImporteProjetKeyBase(d.Chemin("rien"), d.Chemin("y"));
    EXPECT_TRUE(refuse.PremiereCle.empty());
    EXPECT_FALSE(refuse.Erreurs.empty());
}

// From the command line: faults reported with their table lines and KeyBase's words, the key
// written all the same; a project written and its first key named.
TEST(TableauKeyBase, LigneDeCommande) {
    DossierTemporaire d;
    Resultat r =
        Lance(d, "importe-tableau '" + Donnees + "fautes.tsv' -o '" + d.Chemin("f.cle") + "'");
    EXPECT_EQ(r.statut, 0);
    EXPECT_NE(r.erreurs.find("fautes.tsv:5: avertissement: cycle"), std::string::npos) << r.erreurs;
    EXPECT_NE(r.erreurs.find("[loop]"), std::string::npos);
    EXPECT_TRUE(fs::exists(d.Chemin("f.cle")));
    r = Lance(d, "exporte-tableau --format keybase '" + std::string(LAMELIX_CLES) + "/defaut.cle'");
    EXPECT_EQ(r.statut, 0);
    EXPECT_NE(r.sortie.find("\tAmanita (amanites)\t\t"), std::string::npos) << r.sortie;
    EXPECT_NE(r.erreurs.find("avertissement: le titre"), std::string::npos);
    r = Lance(d, "importe-projet '" + Donnees + "projet' -o '" + d.Chemin("p") + "' --pages");
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_NE(r.sortie.find("première clé : Key-to-the-families.cle\n"), std::string::npos);
}

} // namespace
} // namespace lamelix::test
