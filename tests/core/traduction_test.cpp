// The translation panel: what is sent for each source of text, how the answer of a translation
// page or of a translation server is read, and the page-based path.

#include "search/langues_traduction.hpp"
#include "search/page_bornee.hpp"
#include "search/page_html.hpp"
#include "search/traduction.hpp"
#include "tests/core/fenetre_essai.hpp"

#include <chrono>
#include <gtest/gtest.h>
#include <tuple>

namespace lamelix::test {
namespace {

struct Traduire : ::testing::Test {
    FenetreEssai W;
    Lamelix &F = *W.F;
    Traduction &T = W.App->Traducteur();
    ServicesFactices &S = W.Dialogues;

    Traduire() {
        W.Charge("REM$LANGUE$Anglais\r\n1, 2 $Gills$\r\n1, 0 $Tubes?$Boletus\r\n"
                 "2, 0 $Ring$Amanita\r\n2, 0 $No ring$Russula\r\n");
        F.Frame14.Visible = true;
        S.Connecte = true;
    }
    void Repond(const std::string &html, int statut = 200) {
        S.ReponsesHttp.push_back(ReponseHttp{statut, html, {}});
    }
    void Clic() {
        FenetreEssai::Gere([&] { traduirebtn_Click(T, 0); });
    }
};

TEST(Langues, CodesDeLaPageEtDuServeur) {
    // Names are compared exactly ("Tagalog" is not "tagalog").
    for (const auto &[nom, code] : {std::pair{"Hébreu", "iw"},
                                    {"Chinois (traditionnel)", "zh-TW"},
                                    {"tagalog", "tl"},
                                    {"Tagalog", ""},
                                    {"Détection automatique", ""},
                                    {"-----------------------------", ""}})
        EXPECT_EQ(CodeLangue(nom), code) << nom;
    EXPECT_EQ(CodeServeur("iw") + CodeServeur("") + CodeServeur("fr"), "heautofr");

    // With no target chosen: the interface language unless the key is written in it, else
    // English (French for an English key read in English).
    for (const auto &[interface, cle, cible] : {std::tuple{"fr", "Anglais", "Français"},
                                                {"fr", "Français", "Anglais"},
                                                {"", "Français", "Anglais"},
                                                {"", "Détection automatique", "Français"},
                                                {"de", "Français", "Allemand"},
                                                {"en", "Anglais", "Français"},
                                                {"bs", "Italien", "Anglais"}})
        EXPECT_EQ(LangueCibleParDefaut(interface, cle), cible) << interface << " " << cle;
}

TEST(PageHtml, PremierDivT0EtElementsParId) {
    EXPECT_EQ(PremierDivT0("<html><body><div class=t1>non</div><div class=\"t0\">Lames "
                           "<b>libres</b> &amp; serrées</div><div class=t0>second</div>"),
              "Lames <b>libres</b> &amp; serrées");
    for (const auto &[page, texte] : {std::pair{"<DIV CLASS='t0'>casse</DIV>", "casse"},
                                      {"<div class='t0 x'>non</div><p>rien</p>", ""},
                                      {"", ""},
                                      {"<div class=t0>non fermé", "non fermé"}})
        EXPECT_EQ(PremierDivT0(page), texte) << page;
    // Nesting is walked without recursion; a page nested beyond reason is not read at all.
    const auto niche = [](int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += "<span>";
        return s + "<div class=t0>au fond</div>";
    };
    EXPECT_EQ(PremierDivT0(niche(200)), "au fond");
    EXPECT_EQ(PremierDivT0(niche(100000)), "");

    const std::string page = "<p id=text>Gills <i>free</i></p><span id=result_box>Lames "
                             "<b>libres</b></span>";
    EXPECT_EQ(TexteDeLElement(page, "result_box"), "Lames libres");
    EXPECT_EQ(TexteDeLElement(page, "text"), "Gills free");
    EXPECT_EQ(TexteDeLElement(page, "absent"), std::nullopt);

    // A line that is not UTF-8 is read as Windows-1252, even where the page declares Latin-1;
    // the other lines stay UTF-8.
    const std::string latin = "<meta charset=iso-8859-1><div class=t0>C\xE8pe \x96 vu</div>\n"
                              "<p id=x>\xC3\xA9t\xC3\xA9</p>";
    EXPECT_EQ(PremierDivT0(latin), "Cèpe – vu");
    EXPECT_EQ(TexteDeLElement(latin, "x"), "été");
}

TEST(PageHtml, UnePageHostileEstBorneeAvantLaLecture) {
    // Read as a browser reads it, once written anew: quoted ">" and "<", comments, stray "<".
    for (const auto &[page, texte] :
         {std::pair{"<div title='a>b' class=t0>oui</div>", "oui"},
          {"<!-- <div class=t0>non</div> --><div class=t0>oui</div>", "oui"},
          {"<div class=\"x\" class=t0 x=\"<div class=t0>\">un < deux</div>", ""},
          {"<div id=\"a\"b=\"c\"class=t0>collés</div>", "collés"},
          {"<p>1 < 2<div class=t0>oui<br/></div>", "oui<br>"}})
        EXPECT_EQ(PremierDivT0(page), texte) << page;

    // One element with 40 000 attributes, then the translation: read in a moment, the
    // attributes past the first few left out; the same in the page view.
    std::string attributs = "<div";
    for (int i = 0; i < 40000; ++i)
        attributs += " a" + std::to_string(i) + (i % 2 ? "" : "=\"v\"");
    attributs += " class=t0>tard</div><div class=t0>vu</div>";
    const auto debut = std::chrono::steady_clock::now();
    EXPECT_EQ(PremierDivT0(attributs), "vu");
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(1));
    EXPECT_LT(PageBornee(attributs).size(), 1000u);

    // A page far larger than any translation page is neither read nor shown.
    const std::string enorme = "<div class=t0>x</div>" + std::string(TaillePageMax, ' ');
    EXPECT_EQ(PremierDivT0(enorme), "");
    EXPECT_EQ(TexteDeLElement(enorme, "x"), std::nullopt);
    EXPECT_EQ(PageBornee(enorme), "");

    // The view shows the beginning of a long page, cut before a tag or between characters.
    for (const auto &[page, max, vue] : {std::tuple{"<p>ab</p><p>cd</p>", 12, "<p>ab</p>"},
                                         {"<p>ab</p>", 9, "<p>ab</p>"},
                                         {"<p>été", 4, "<p>"},
                                         {"ééé", 3, "é"}})
        EXPECT_EQ(DebutDePage(page, static_cast<std::size_t>(max)), vue) << page;
}

TEST_F(Traduire, LesPropositionsParLaPageAvecLaLangueDeLaCle) {
    Repond("<div class=t0>Lames?Tubes</div>");
    Clic();
    ASSERT_EQ(S.Requetes.size(), 1u);
    const RequeteHttp &r = S.Requetes[0];
    EXPECT_TRUE(r.Methode == "POST" && r.Corps.empty());
    // Every row followed by CR LF and "·"; the key declares English, the target is French.
    EXPECT_EQ(r.Adresse, "https://translate.google.com/m?&sl=en&tl=fr&ie=UTF-8&prev=_m&q="
                         "Gills%0D%0A%C2%B7Tubes%3F%0D%0A%C2%B7");
    EXPECT_EQ(r.EnTetes,
              (std::vector<std::pair<std::string, std::string>>{
                  {"User-Agent", "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"}}));
    EXPECT_EQ(T.result.Text, "Lames\r\nTubes");
    EXPECT_EQ(F.lgr.TexteSelectionne(), "Français");
    EXPECT_EQ(T.Etat.Caption, "Traduction reçue de : translate.google.com");

    // The connection is tested once; automatic source detection sends no source code.
    F.lgs.Selectionne(0);
    Repond("<p>rien</p>");
    Clic();
    EXPECT_EQ(std::count(S.Appels.begin(), S.Appels.end(), std::string("connexion")), 1);
    EXPECT_EQ(S.Requetes[1].Adresse.find("/m?&sl=&tl=fr&"), 28u);
    EXPECT_EQ(T.result.Text, "");
    EXPECT_EQ(T.Etat.Caption, F.Msg(233));

    // The target the panel chose follows the key: a French key goes to English. One the user
    // chose stays, whatever key is loaded.
    W.Charge("REM$LANGUE$Fran\xE7"
             "ais\r\n1, 0 $Lames$Russula\r\n1, 0 $Tubes$Boletus\r\n");
    Repond("<div class=t0>x</div>");
    Clic();
    EXPECT_EQ(F.lgr.TexteSelectionne(), "Anglais");
    EXPECT_NE(S.Requetes.back().Adresse.find("&tl=en&"), std::string::npos);
    F.lgr.Selectionne(5); // "Italien"
    W.Charge("REM$LANGUE$Italien\r\n1, 0 $Lamelle$Russula\r\n1, 0 $Tubuli$Boletus\r\n");
    Repond("<div class=t0>x</div>");
    Clic();
    EXPECT_NE(S.Requetes.back().Adresse.find("&tl=it&"), std::string::npos);
}

TEST_F(Traduire, AgrandissementHistoriqueEtPanneauFerme) {
    F.zoomDesc.Visible = true;
    F.zoomDesc.Text = "Ring & #1";
    Repond("<div class=t0>x</div>");
    Clic();
    EXPECT_NE(S.Requetes.back().Adresse.find("&q=Ring%20%26%20%231"), std::string::npos);
    T.Option4[1].Value = true;
    W.Choisit(0);
    Repond("<div class=t0>x</div>");
    Clic();
    EXPECT_NE(S.Requetes.back().Adresse.find("&q=Gills%0D%0A"), std::string::npos);

    // Closed panel: nothing is sent. No connection: message 189, nothing sent.
    const std::size_t avant = S.Requetes.size();
    FenetreEssai::Gere([&] { traduirebtn_Click(T, 2); });
    EXPECT_FALSE(F.Frame14.Visible);
    Clic();
    F.Frame14.Visible = true;
    T.Connecte = false;
    S.Connecte = false;
    Clic();
    EXPECT_EQ(S.Requetes.size(), avant);
    EXPECT_EQ(T.Etat.Caption, F.Msg(189));
}

// Each failure says in the panel what happened; no translation is shown then.
TEST_F(Traduire, ChaqueEchecDitCeQuiEstArrive) {
    F.Options().TradService = "json";
    F.Options().TradServeur = "http://127.0.0.1:5000";
    const std::string erreur = "Le service de traduction répond par une erreur : HTTP ";
    struct Cas {
        ReponseHttp reponse;
        std::string etat;
    };
    for (const auto &[reponse, etat] : std::vector<Cas>{
             {{0, "", "Connection refused", PanneHttp::Injoignable},
              "Service de traduction injoignable : 127.0.0.1:5000 (Connection refused)"},
             {{0, "", "pas de réponse après 20 s", PanneHttp::Delai}, F.Msg(132)},
             {{400, R"({"error": "target language not supported"})", "Bad Request",
               PanneHttp::Autre},
              erreur + "400, target language not supported"},
             {{502, "<html>Bad gateway</html>", "Bad Gateway", PanneHttp::Autre}, erreur + "502"},
             {{200, R"({"error": "quota"})", ""}, F.Msg(231) + " quota"},
             {{200, "<html>pas du json</html>", ""}, F.Msg(232)},
             {{200, R"({"translated": "x"})", ""}, F.Msg(233)},
             {{200, "", "> 1048576", PanneHttp::TropLongue}, F.Msg(234)},
             {{307, "", "http://ailleurs.exemple/translate", PanneHttp::Redirection},
              F.Msg(235) + " http://ailleurs.exemple/translate"}}) {
        T.result.SetText("ancienne");
        S.ReponsesHttp.push_back(reponse);
        Clic();
        EXPECT_EQ(T.Etat.Caption, etat);
        EXPECT_EQ(T.Etat.ForeColor, CouleurRouge) << etat;
        EXPECT_EQ(T.result.Text, "") << etat;
    }
    // The page service's server errors too.
    F.Options().TradService = "page";
    Repond("<div class=t0>erreur</div>", 503);
    Clic();
    EXPECT_EQ(T.Etat.Caption, erreur + "503");
    EXPECT_EQ(T.result.Text, "");
}

TEST_F(Traduire, ServeurJson) {
    F.Options().TradService = "json";
    F.Options().TradServeur = "http://127.0.0.1:5000";
    F.Options().TradCle = "cle-1";
    F.lgs.Selectionne(0);
    Repond(R"({"translatedText": "Lames?\nTubes"})");
    Clic();
    ASSERT_EQ(S.Requetes.size(), 1u);
    EXPECT_EQ(S.Requetes[0].Adresse, "http://127.0.0.1:5000/translate");
    EXPECT_EQ(S.Requetes[0].Corps, "{\"api_key\":\"cle-1\",\"format\":\"text\",\"q\":"
                                   "\"Gills\\r\\n·Tubes?\\r\\n·\",\"source\":\"auto\","
                                   "\"target\":\"fr\"}");
    EXPECT_EQ(S.Requetes[0].EnTetes[0],
              (std::pair<std::string, std::string>{"Content-Type", "application/json"}));
    EXPECT_EQ(T.result.Text, "Lames\r\n\nTubes");

    // A translation far longer than any description's is cut, and says so.
    std::string longue;
    for (int i = 0; i < 30000; ++i)
        longue += i % 2 ? "é" : "?";
    Repond(R"({"translatedText": ")" + longue + "\"}");
    Clic();
    const std::string coupee = "[Traduction coupée à 20 000 caractères]";
    EXPECT_EQ(T.Etat.Caption, F.Msg(236));
    ASSERT_GT(T.result.Text.size(), coupee.size());
    EXPECT_EQ(T.result.Text.substr(T.result.Text.size() - coupee.size() - 2), "\r\n" + coupee);
    EXPECT_EQ(T.result.Text.size(), 10000 * 2 + 10000 * 2 + 2 + coupee.size());
}

TEST_F(Traduire, CheminParLaPageAffichee) {
    FenetreEssai::Gere([&] {
        w_Ouvre(T, "file:///tmp/traduction.html",
                "<textarea id=text>Gills</textarea><span id=result_box>Lames°libres·"
                "serrées</span>");
        w_CommandStateChange(T, -1, true);
    });
    EXPECT_EQ(T.source.Text, "Gills");
    EXPECT_EQ(T.result.Text, "Lames\r\nlibres\r\nserrées");
    ASSERT_TRUE(T.timer1.Enabled);
    timer1_Timer(T);
    EXPECT_EQ(T.temps_passe.Caption, "0 .01 secondes");
    EXPECT_FALSE(T.timer1.Enabled); // a saved page is complete once shown

    // A page without the translation: incomplete, tried again.
    w_Ouvre(T, "http://t.exemple.org/m", "<p>rien</p>");
    w_CommandStateChange(T, -1, true);
    timer1_Timer(T);
    EXPECT_EQ(T.Etat.Caption, "La traduction est incomplère : nouvel essai");
    EXPECT_FALSE(T.timer1.Enabled);

    // A page that never finishes: the wait runs out after 1000 ticks.
    w_Ouvre(T, "http://autre.exemple.org/m", "<span id=result_box>x</span>");
    w_CommandStateChange(T, -1, true);
    T.w.Occupee = true;
    for (int i = 0; i < 1000 && T.timer1.Enabled; ++i)
        timer1_Timer(T);
    EXPECT_TRUE(T.timer1.Enabled);
    timer1_Timer(T);
    EXPECT_FALSE(T.timer1.Enabled);
    EXPECT_EQ(S.Journal.back(), "message: " + F.Msg(132));
}

} // namespace
} // namespace lamelix::test
