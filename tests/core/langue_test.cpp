// The interface language files "Lamelix_<code>.lng" of the program folder, the language menu and
// the warnings panel.

#include "platform/texte.hpp"
#include "settings/fichier_langue.hpp"
#include "tests/core/fenetre_essai.hpp"
#include "tests/core/lance_outils.hpp"
#include "tools/impression.hpp"
#include "tools/outils.hpp"

#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;

struct Poste : PosteEssai {
    // Loads a language file of the test under the code "zz".
    void Langue(std::string_view lng) {
        Dossier.Ecrit("Lamelix_zz.lng", lng);
        F->Options().LangueM = "zz";
        ChargeLangue(*F);
    }
    // The captions a language file may change, the font-size item as the menu shows it.
    Textes Captions() {
        Textes c{F->mnuSettingsItem[0].Caption};
        for (const CaptionDeLangue &caption : CaptionsDeLangue(*F))
            c.push_back(caption.Section + " " + std::to_string(caption.Numero) + " " +
                        caption.Texte);
        return c;
    }
    // The texts of the status bar and of the labels that show messages.
    Textes Etat() {
        return {F->StatusBar1.Caption, F->Label3.Caption, F->Label5.Caption, F->Label7.Caption,
                F->Label18.Caption,    F->Frame7.Caption, F->txtEdit.Text};
    }
};

// Language files of the test, and what they change (every caption and message that differs from
// the built-in one, and the dialogs), kept in tests/data/releves/langues.txt: items kept as the
// file spells them (blanks around a message kept, its callers join on them); an item without
// ";", a list cut by the end of the file, sections this program does not know whatever their
// form; the marker of an item one character whatever its length in UTF-8, or one byte in
// Windows-1252; an item a section does not have, a message number out of the table, an item
// number that is not one: each stops the file there.
TEST(Langue, CeQueChaqueFichierChange) {
    const std::pair<const char *, std::string_view> fichiers[] = {
        {"sections et listes",
         "LAMELIX;Zed\r\n\r\n"
         "mnusettings ; &Réglages\r\n"
         "MNUSETTINGSITEM; &Polices  \r\n"
         "MNUPREFX ;&Marque\r\n"
         "MNUFILEITEM;\r\n"
         "#0;  &Ouvrir un fichier  \r\n"
         "#1 sans point-virgule\r\n"
         "#4;&Fin\r\n"
         "#4;&Sortie\r\n"
         "#*;\r\n"
         "MNOPTION;\r\n#2;Lancement auto\r\n#9;Idiome\r\n#*;\r\n"
         "Mnoutil;\r\n#1;Exporter la clé\r\n#10;Vérifier\r\n#20;Réglages\r\n#30;S nul\r\n#*;\r\n"
         "MSG;\r\n#3;défaut :\r\n#256;dernier\r\n"},
        {"controles et libelles", "MENUS;\r\n#0;&Datei\r\n#4;&Hilfe\r\n#7;Über\r\n#*;\r\n"
                                  "FUTUR;\r\n#0;une section d'une version à venir\r\n#*;\r\n"
                                  "FUTURE_SIMPLE;rien\r\n"
                                  "BOUTONS;\r\n#1;Neu\r\n#2;Bild\r\n#15;Abbrechen\r\n#*;\r\n"
                                  "CASES;\r\n#3;Vergleichen\r\n#*;\r\n"
                                  "CADRES;\r\n#1;Anzeige\r\n#6;Über Lamelix\r\n#*;\r\n"
                                  "MNLANG;\r\n#7;Russisch\r\n#*;\r\n"
                                  "LIBELLES;\r\n#0;Art\r\n#33;Öffnen Sie %1 ▸ %2\r\n#*;\r\n"
                                  "MNUPREFX;Präfix\r\n"},
        {"marqueurs de plusieurs octets", "MNUFILEITEM;\r\n§0;Öffnen…\r\n\xA7"
                                          "1;Cl\xE9s\r\n§*;\r\nMNUPREFX;après\r\n"},
        {"libelle absent",
         "LIBELLES;\r\n#5;Namen\r\n#9;?\r\n#6;Vergleich\r\n#*;\r\nMNUPREFX;Après\r\n"},
        {"message hors table",
         "MSG;\r\n#3;trois\r\n#300;trop loin\r\n#4;quatre\r\n#*;\r\nMNUSETTINGS;Après\r\n"},
        {"numero illisible",
         "MNUFILEITEM;\r\n#0;Zéro\r\n#x;illisible\r\n#1;Un\r\n#*;\r\nMNUPREFX;Après\r\n"}};
    std::string texte;
    Poste neuf;
    const Textes defauts = neuf.Captions();
    const Messages messages;
    for (const auto &[nom, lng] : fichiers) {
        Poste p;
        p.Langue(lng);
        texte += std::string("== ") + nom + "\n";
        const Textes captions = p.Captions();
        for (std::size_t i = 0; i < captions.size(); ++i)
            if (i >= defauts.size() || captions[i] != defauts[i]) texte += captions[i] + "\n";
        for (int n = 0; n < Messages::Nombre; ++n)
            if (p.F->Msg(n) != messages[n])
                texte += "MSG " + std::to_string(n) + " '" + p.F->Msg(n) + "'\n";
        for (const std::string &dit : p.Dialogues.Journal)
            texte += dit + "\n";
    }
    EXPECT_EQ(texte, Attendu("releves/langues.txt", texte));
}

TEST(Langue, MenuDesLanguesPresentes) {
    Poste p;
    Lamelix &f = *p.F;
    p.Dossier.Ecrit("Lamelix_de.lng", "MNUSETTINGS;Einstellungen\r\n");
    p.Dossier.Ecrit("Lamelix_uk.lng", "MNUSETTINGS;Налаштування\r\n");
    CocheLangue(f);
    std::string offertes;
    for (int i = 1; i <= 8; ++i)
        if (f.MnLang[static_cast<std::size_t>(i)].Visible) offertes += std::to_string(i);
    EXPECT_EQ(offertes, "148"); // French, then the languages that have a file
    MnLang_Click(f, 8);
    EXPECT_EQ(f.mnuSettings.Caption, "Налаштування");
    // A language whose file is gone is said, and the language in use stays, ticked.
    for (int item : {5, 4}) {
        if (item == 4) fs::remove(p.Racine + "/Lamelix_de.lng");
        MnLang_Click(f, item);
        ASSERT_EQ(p.Dialogues.Journal.size(), 1u);
        EXPECT_EQ(p.Dialogues.Journal[0].rfind("message: Le fichier ", 0), 0u);
        p.Dialogues.Journal.clear();
        EXPECT_EQ(f.Options().LangueM, "uk");
        EXPECT_TRUE(f.MnLang[8].Checked && !f.MnLang[static_cast<std::size_t>(item)].Checked);
    }
    EXPECT_FALSE(f.MnLang[4].Visible);
    MnLang_Click(f, 1);
    EXPECT_EQ(f.mnuSettings.Caption + f.Options().LangueM, "&Optionsfr");
}

TEST(Langue, MarqueurDePlusieursOctets) {
    // The marker is one character, whatever its length in UTF-8: the number and the text after
    // it keep every byte of their own characters.
    const auto item = DecoupeItem("  §12 ; «Ouvrir» à nouveau ");
    ASSERT_TRUE(item);
    EXPECT_EQ(item->Numero + "|" + item->Texte, "12|«Ouvrir» à nouveau");
    EXPECT_EQ(DecoupeItem("€*;")->Numero, "*");
    EXPECT_EQ(DecoupeItem("\xF0\x9F\x8C\xBF"
                          "3;Pilz")
                  ->Numero,
              "3"); // four bytes
    EXPECT_FALSE(DecoupeItem("§4 sans point-virgule") || DecoupeItem("§"));
}

// A missing file changes nothing and says nothing.
TEST(Langue, FichierAbsent) {
    Poste s;
    const auto avant = s.Captions();
    s.F->Options().LangueM = "absente";
    ChargeLangue(*s.F);
    EXPECT_EQ(s.Captions(), avant);
    EXPECT_EQ(s.F->Msg(4), " non trouvé ");
    EXPECT_TRUE(s.Dialogues.Journal.empty());
}

TEST(Langue, AnglaisPuisFrancais) {
    const fs::path livrees = fs::path(LAMELIX_CLES) / ".." / "lang";
    if (!fs::exists(livrees / "Lamelix_en.lng")) GTEST_SKIP() << "no English file shipped";
    Poste p;
    for (const char *code : {"en", "fr"})
        if (fs::exists(livrees / ("Lamelix_" + std::string(code) + ".lng")))
            fs::copy_file(livrees / ("Lamelix_" + std::string(code) + ".lng"),
                          p.Racine + "/Lamelix_" + code + ".lng");
    Lamelix &f = *p.F;
    // The window as start-up leaves it, with the chooser and the settings view open.
    PrepareFenetre(f);
    OuvreCleDeDepart(f);
    MnuOptFic_xy_Click(f, 0);
    MnOutil_Click(f, 20);
    const auto francais = p.Captions();
    const auto etatFrancais = p.Etat();
    const auto captionsFrancaises = CaptionsDeLangue(f);

    MnLang_Click(f, 5);
    EXPECT_TRUE(f.MnLang[5].Checked && f.Options().LangueM == "en");
    EXPECT_EQ(f.mnuFileItem[4].Caption, "&Quit");
    EXPECT_EQ(f.Msg(6), "Do you really want to quit the key manager?");
    // The English file names every caption, but for the words both languages share.
    const std::set<std::string> communs = {
        "&?", "&Options", "&Memo", "<==", "Section", "Sections", "Compare", "LM1", "LM2", "fr",
        "it", "es", "de", "en", "Basque",
        // the report texts and language names that read the same in both languages
        "export", "session", "-renum.txt", "Catalan", "Hindi", "-----------------------------"};
    const auto anglaises = CaptionsDeLangue(f);
    ASSERT_EQ(anglaises.size(), captionsFrancaises.size());
    for (std::size_t i = 0; i < anglaises.size(); ++i)
        if (communs.count(anglaises[i].Texte) == 0) {
            EXPECT_NE(anglaises[i].Texte, captionsFrancaises[i].Texte)
                << anglaises[i].Section << " " << anglaises[i].Numero;
        }
    // What the labels already showed follows the language (kept in tests/data/releves), and
    // English texts are joined with the blanks the French ones have.
    std::string etat;
    for (const std::string &texte : p.Etat())
        etat += Remplace(texte, p.Racine, "<dossier>") + "\n";
    EXPECT_EQ(etat, Attendu("releves/etat-anglais.txt", etat));
    const Messages defauts;
    const auto blancs = [](const std::string &t) {
        return std::pair(t.find_first_not_of(' '), t.size() - t.find_last_not_of(' '));
    };
    for (int n = 0; n < Messages::Nombre; ++n)
        EXPECT_EQ(blancs(f.Msg(n)), blancs(defauts[n])) << "message " << n << " " << f.Msg(n);
    // The tools window's captions follow the language, by their French ones.
    EXPECT_EQ(f.Libelles.Legende("Sauver renum") + "|" + f.Libelles.Legende("Num. départ") + "|" +
                  f.Libelles.OutilImprimable + "|" + f.Libelles.OutilPageWeb,
              "Save renumbering|Start no.|Printable...|Web page...");

    MnLang_Click(f, 1);
    for (int n = 0; n < Messages::Nombre; ++n)
        EXPECT_EQ(f.Msg(n), defauts[n]) << "message " << n;
    EXPECT_EQ(p.Captions(), francais);
    EXPECT_EQ(p.Etat(), etatFrancais);
    EXPECT_TRUE(f.MnLang[1].Checked && !f.MnLang[5].Checked);
}

// The words of the built-in French texts of the tools' reports and of the files written.
const std::set<std::string> MotsFrancais = {
    "ligne",    "lignes",    "erreur",     "erreurs",   "entité",   "entités",  "clé",
    "clés",     "fichier",   "fin",        "analyse",   "liste",    "sans",     "suite",
    "désordre", "remarquée", "compte",     "rendu",     "espèce",   "compilée", "sortie",
    "trouvée",  "voir",      "cf",         "attention", "rupture",  "séquence", "risque",
    "bouclage", "noeud",     "appelée",    "étiqueté",  "utile",    "vues",     "dernière",
    "maillées", "absente",   "principale", "résultat",  "recherche"};

// The French words of a text: its runs of letters (any byte of a UTF-8 sequence is one),
// lower-cased, that are in MotsFrancais.
std::set<std::string> FrancaisDans(const std::string &texte) {
    std::set<std::string> trouves;
    std::string mot;
    for (const char c : texte + " ") {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalpha(u) || u >= 0x80) {
            mot += static_cast<char>(std::tolower(u));
            continue;
        }
        if (MotsFrancais.count(mot)) trouves.insert(mot);
        mot.clear();
    }
    return trouves;
}

// In English the tools' reports, their messages and the printable page hold no French word,
// and each number or file name keeps the blank its French text has before it (a lower-case
// letter right before a digit would be a word run into what follows it).
TEST(Langue, RapportsEnAnglais) {
    const fs::path livree = fs::path(LAMELIX_CLES) / ".." / "lang" / "Lamelix_en.lng";
    Poste p;
    fs::copy_file(livree, p.Racine + "/Lamelix_en.lng");
    // Every finding of the reports, in English words, in a file whose name begins with a digit.
    const std::string cle = p.Dossier.Ecrit("7key.cle", "rem$UTF8$\r\n"
                                                        "1, 2 $Gills$\r\n"
                                                        "1, 0 $Pores$Boletus$F\"gone.pdf\"\r\n"
                                                        "1, 0, N $A note\r\n"
                                                        "2, 9 $Ring$Amanita\r\n"
                                                        "2, 1 $Volva$\r\n"
                                                        "2, 0 $$Russula\r\n"
                                                        "2, 0 $Milk$Boletus\r\n"
                                                        "4, 0 $Alone$Lactarius\r\n"
                                                        "3, 0 $Back$Lactarius$S\"Milky\"$b\r\n");
    // And the compiler's own messages: a numbering without a comma, a text file without marker.
    const std::string fautives[] = {p.Dossier.Ecrit("comma.cle", "1, 2 $Gills\r\n1 0 $Pores\r\n"),
                                    p.Dossier.Ecrit("plain.txt", "1, 2 $Gills\r\n")};
    const auto rapports = [&](int langue) {
        Lamelix &f = *p.F;
        FenetreEssai::Gere([&] { MnLang_Click(f, langue); });
        Outils &o = p.App->Outil();
        p.Dialogues.Journal.clear();
        FenetreEssai::Gere([&] { MnOutil_Click(f, 10); });
        FenetreEssai::Gere([&] { ChargeFichierOutils(o, cle); });
        std::string tout;
        for (const int bouton : {OutAnalyse, OutTestNumerotation, OutCoherence, OutListeNotes,
                                 OutListeComplements, OutVerifLiens, OutVoirCompil}) {
            FenetreEssai::Gere([&] { Command1_Click(o, bouton); });
            tout += o.Text10[0].Text + "\n" + o.Text10[1].Text + "\n" + o.Label2.Caption + "\n";
        }
        FenetreEssai::Gere([&] { ListeCompileeTexte(o); });
        tout += o.Text10[0].Text + "\n";
        for (const std::string &fautive : fautives)
            FenetreEssai::Gere([&] { ChargeFichierOutils(o, fautive); });
        for (const std::string &dit : p.Dialogues.Journal)
            tout += dit + "\n";
        return tout + CleImprimable(f.Cle(), StyleImpression::Crochets, FormatImpression::Markdown,
                                    &f.Prog.Rapports);
    };
    const std::string francais = rapports(1);
    EXPECT_GE(FrancaisDans(francais).size(), 30u);
    const std::string anglais = rapports(5);
    const auto restes = FrancaisDans(anglais);
    EXPECT_TRUE(restes.empty()) << ::testing::PrintToString(restes) << "\n" << anglais;
    for (std::size_t i = 1; i < anglais.size(); ++i)
        if (std::isdigit(static_cast<unsigned char>(anglais[i])) && anglais[i - 1] >= 'a' &&
            anglais[i - 1] <= 'z')
            ADD_FAILURE() << anglais.substr(i > 30 ? i - 30 : 0, 60);
    EXPECT_NE(anglais.find("Syntax analysis report for 7key.cle"), std::string::npos);
    EXPECT_NE(CleImprimable(p.F->Cle(), StyleImpression::Crochets, FormatImpression::Html,
                            &p.F->Prog.Rapports)
                  .find("<html lang=\"en\">"),
              std::string::npos);
    // Back in French, every report is the French one again.
    EXPECT_EQ(rapports(1), francais);
}

TEST(Langue, Avertissements) {
    Poste p;
    AfficheAvert(*p.F);
    EXPECT_TRUE(p.F->FrameAccueil.Visible && p.F->TBox[7].Text.empty());
    EXPECT_TRUE(p.Dialogues.Journal.empty());
    // A file written on Windows, in its own code page.
    p.Dossier.Ecrit("Avert-LX_fr.txt", "  Attention  \r\nNouveaut\xE9s\r\n");
    AfficheAvert(*p.F);
    EXPECT_EQ(p.F->TBox[7].Text, "Attention\r\nNouveautés\r\n");
}

} // namespace
} // namespace lamelix::test
