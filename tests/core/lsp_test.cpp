// The language server as an editor drives it: the framing, the edits, the protocol's errors and
// the key's features on a small faulty key.

#include "cli/console.hpp"
#include "lsp/documents.hpp"
#include "lsp/serveur.hpp"
#include "lsp/trame.hpp"
#include "tests/core/lance_outils.hpp"
#include "tools/verdict.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace lamelix {
namespace {

using Json = nlohmann::json;

std::string Cadre(const std::string &corps) {
    return "Content-Length: " + std::to_string(corps.size()) + "\r\n\r\n" + corps;
}

TEST(LspTrame, ChaqueEnTeteDonneSonIssueEtLeMessageSuivantEstLu) {
    const std::string suivant = Cadre("{}");
    struct Cas {
        std::string entree;
        IssueTrame issue;
        std::string corps;
    } cas[] = {
        {Cadre("{\"a\":1}"), IssueTrame::Message, "{\"a\":1}"},
        {"Content-Type: x\r\ncontent-length:  2\r\n\r\n[]", IssueTrame::Message, "[]"},
        {"Content-Type: x\r\n\r\n" + suivant, IssueTrame::Invalide, ""},
        {"Content-Length: 2x\r\n\r\n" + suivant, IssueTrame::Invalide, ""},
        {"X-Long: " + std::string(2000, 'a') + "\r\nContent-Length: 2\r\n\r\n[]" + suivant,
         IssueTrame::Invalide, ""},
        {"Content-Length: 10\r\n\r\n{\"a\"", IssueTrame::Tronque, ""},
        {"Content-Length: 67108865\r\n\r\n{}", IssueTrame::Tronque, ""},
        {"Content-Length: 5\r\n", IssueTrame::Tronque, ""},
        {"", IssueTrame::Fin, ""},
    };
    for (const Cas &c : cas) {
        std::istringstream entree(c.entree);
        const Trame t = LitTrame(entree);
        EXPECT_EQ(t.Issue, c.issue) << c.entree.substr(0, 60);
        if (c.issue == IssueTrame::Message) {
            EXPECT_EQ(t.Corps, c.corps);
        }
        if (c.issue == IssueTrame::Invalide) {
            const Trame apres = LitTrame(entree); // the stream is found again
            EXPECT_EQ(apres.Issue, IssueTrame::Message) << c.entree.substr(0, 60);
            EXPECT_EQ(apres.Corps, "{}");
        }
    }
    // The rest of a broken message before a sound one is skipped and said.
    std::istringstream entree("}garbage" + suivant);
    const Trame t = LitTrame(entree);
    EXPECT_EQ(t.Issue, IssueTrame::Message);
    EXPECT_TRUE(t.Saute);
}

TEST(LspDocument, LesEditionsComptentLesUnitesDuCodageSansCouperUnCaractere) {
    using P = PositionTexte;
    const auto U16 = CodagePositions::Utf16, U8 = CodagePositions::Utf8;
    struct Cas {
        std::string texte;
        CodagePositions codage;
        P debut, fin;
        std::string par, attendu;
    } cas[] = {
        {"é1, 2\n", U16, {0, 1}, {0, 2}, "X", "éX, 2\n"},
        {"😀a\n", U16, {0, 2}, {0, 3}, "b", "😀b\n"},
        {"😀a\n", U16, {0, 1}, {0, 1}, "b", "b😀a\n"}, // between the halves of the pair
        {"é1\n", U8, {0, 1}, {0, 1}, "X", "Xé1\n"},  // inside the two bytes of é
        {"é1\n", U8, {0, 1}, {0, 2}, "", "1\n"},
        {"é1\n", U8, {0, 2}, {0, 3}, "X", "éX\n"},
        {"a\r\nb\r\n", U16, {0, 5}, {1, 0}, "", "ab\r\n"}, // a column past the end: the line's end
        {"a\nb\n", U16, {1, 0}, {9, 0}, "c", "a\nc"},      // a line past the end: the text's end
        {"ab\ncd\n", U16, {0, 1}, {1, 1}, "Z", "aZd\n"},
    };
    for (const Cas &c : cas) {
        Document d(c.texte, 1);
        d.Remplace(std::pair{c.debut, c.fin}, c.par, c.codage);
        EXPECT_EQ(d.Texte(), c.attendu) << c.texte;
    }
    Document d("a\nb", 1);
    d.Remplace(std::nullopt, "x\ny\nz", U16);
    EXPECT_EQ(d.NombreLignes(), 3);
    EXPECT_EQ(d.Ligne(2), "z");
}

TEST(LspVerdict, LaPlageDuChampSurLaLigne) {
    struct Cas {
        const char *ligne;
        Champ champ;
        const char *attendu;
    } cas[] = {
        {" 12 , 7 $ Lames $ Russula $ S\"A\"", Champ::Entite, "12"},
        {" 12 , 7 $ Lames $ Russula $ S\"A\"", Champ::Appel, "7"},
        {" 12 , 7 $ Lames $ Russula $ S\"A\"", Champ::Description, "Lames"},
        {" 12 , 7 $ Lames $ Russula $ S\"A\"", Champ::Espece, "Russula"},
        {" 12 , 7 $ Lames $ Russula $ S\"A\"", Champ::Complements, "S\"A\""},
        {"3, CS2, N $ x", Champ::Appel, "CS2"},
        {"3 2 $ x", Champ::Appel, "3 2 $ x"}, // no call: the whole line
        {"3, 0 $ $ Boletus", Champ::Description, "3, 0 $ $ Boletus"},
    };
    for (const Cas &c : cas) {
        const std::string_view ligne(c.ligne);
        const auto [debut, fin] = PlageChamp(ligne, c.champ);
        EXPECT_EQ(ligne.substr(debut, fin - debut), c.attendu) << c.ligne;
    }
}

// verifie --format json says what the text says, line for line, with the same status.
TEST(LspVerdict, LeJsonEtLeTexteDisentLaMemeChose) {
    test::DossierTemporaire d;
    for (const char *cle : {"erreurs.cle", "erreur-96.cle", "defaut.cle", "bolets.cle"}) {
        const std::string chemin = std::string(" '") + LAMELIX_CLES + "/" + cle + "'";
        const test::Resultat texte = test::Lance(d, "verifie" + chemin);
        const test::Resultat json = test::Lance(d, "verifie --format json" + chemin);
        EXPECT_EQ(json.statut, texte.statut) << cle;
        const Json verdict = Json::parse(json.sortie);
        std::string lignes; // the text form's heads, rebuilt from the JSON
        for (const Json &x : verdict["diagnostics"]) {
            const std::string g = x["severity"] == "error"     ? "erreur"
                                  : x["severity"] == "warning" ? "avertissement"
                                                               : "information";
            const std::string explication = x["explanation"];
            lignes += ':' + (x["line"] > 0 ? std::to_string(x["line"].get<long>()) + ':' : "") +
                      ' ' + g + ": " + Echappe(x["message"]) +
                      (explication.empty() ? "" : " : " + Echappe(explication)) + '\n';
            EXPECT_LE(x["column"], x["end_column"]) << cle;
        }
        std::string attendu; // the text form's lines but the quoted key lines, file name left out
        std::istringstream flux(texte.sortie);
        for (std::string ligne; std::getline(flux, ligne);)
            if (ligne.rfind("    ", 0) != 0)
                attendu += ligne.substr(ligne.find(cle) + std::string(cle).size()) + '\n';
        EXPECT_EQ(lignes, attendu) << cle;
        EXPECT_EQ(verdict["summary"]["status"], texte.statut) << cle;
    }
}

// A conversation with the server: every message sent, every message it wrote.
struct Conversation {
    std::ostringstream sortie, journal;
    ServeurLsp serveur{sortie, journal};
    int id = 0;

    std::vector<Json> Lus() {
        std::istringstream entree(sortie.str());
        sortie.str({});
        std::vector<Json> lus;
        for (Trame t = LitTrame(entree); t.Issue == IssueTrame::Message; t = LitTrame(entree))
            lus.push_back(Json::parse(t.Corps));
        return lus;
    }
    void Envoie(Json m) { serveur.Recoit(m.dump()); }
    Json Demande(const std::string &methode, Json params) {
        Envoie({{"jsonrpc", "2.0"}, {"id", ++id}, {"method", methode}, {"params", params}});
        return Lus().back();
    }
    void Signale(const std::string &methode, Json params) {
        Envoie({{"jsonrpc", "2.0"}, {"method", methode}, {"params", params}});
    }
};

const char *const Uri = "file:///cles/essai%20lsp.cle";

// Line 5 calls an entity no line bears, line 7 has no description, line 6 calls a secondary key.
const char *const CleFautive = "TITRE$Clé d'essai\n"
                               "1, 2 $ Lames $\n"
                               "1, 0 $ Tubes $ Boletus edulis\n"
                               "2, 3 $ Anneau présent $\n"
                               "2, 9 $ Sans anneau $\n"
                               "3, CS1 $ Volve $\n"
                               "3, 0 $ $ Amanita rubescens\n"
                               "CS1, 0 $ Clé des cortinaires\n"
                               "1, 0 $ Cortine $ Cortinarius\n"
                               "1, 0 $ Sans cortine $ Inocybe\n";

Json Position(long ligne, long colonne) {
    return {{"textDocument", {{"uri", Uri}}},
            {"position", {{"line", ligne}, {"character", colonne}}}};
}

TEST(LspServeur, LesErreursDuProtocoleLaissentLeServeurServir) {
    Conversation c;
    EXPECT_EQ(c.Demande("textDocument/hover", Position(0, 0))["error"]["code"], -32002);
    c.serveur.Recoit("{pas du json");
    c.Envoie(Json::array());
    c.Demande("initialize", {{"capabilities", Json::object()}});
    const std::vector<Json> lus = c.Lus();
    ASSERT_TRUE(lus.empty());
    struct Cas {
        Json message;
        int code;
    } cas[] = {
        {{{"jsonrpc", "2.0"}, {"id", 1}, {"method", "inconnue/methode"}}, -32601},
        {{{"jsonrpc", "2.0"}, {"id", 2}, {"method", "textDocument/hover"}, {"params", {{"x", 1}}}},
         -32602},
        {{{"jsonrpc", "2.0"},
          {"id", 3},
          {"method", "textDocument/definition"},
          {"params", Position(0, 0)}},
         -32602}, // a document never opened
        {{{"jsonrpc", "2.0"}, {"id", 4}, {"method", "initialize"}}, -32600},
        {{{"id", 5}, {"method", "shutdown"}}, -32600}, // not JSON-RPC 2.0
    };
    for (const Cas &k : cas) {
        c.Envoie(k.message);
        const std::vector<Json> r = c.Lus();
        ASSERT_EQ(r.size(), 1u) << k.message;
        EXPECT_EQ(r[0]["error"]["code"], k.code) << k.message;
        EXPECT_EQ(r[0]["id"], k.message["id"]);
    }
    std::istringstream entree("Content-Length: x\r\n\r\n{}" +
                              Cadre(R"({"jsonrpc":"2.0","id":9,"method":"shutdown"})") +
                              Cadre(R"({"jsonrpc":"2.0","method":"exit"})"));
    EXPECT_EQ(c.serveur.Sert(entree), 0);
    // The block without a length, then its body read past before the next header: both said.
    const std::vector<Json> fin = c.Lus();
    ASSERT_EQ(fin.size(), 3u);
    EXPECT_EQ(fin[0]["error"]["code"], -32700);
    EXPECT_EQ(fin[1]["error"]["code"], -32700);
    EXPECT_EQ(fin[2]["id"], 9);
    EXPECT_TRUE(fin[2]["result"].is_null());
}

TEST(LspServeur, UneCleFautiveEtSesLiens) {
    Conversation c;
    const Json init = c.Demande(
        "initialize", {{"capabilities", {{"general", {{"positionEncodings", {"utf-8"}}}}}}});
    EXPECT_EQ(init["result"]["capabilities"]["positionEncoding"], "utf-8");
    c.Signale("textDocument/didOpen",
              {{"textDocument", {{"uri", Uri}, {"version", 1}, {"text", CleFautive}}}});
    const auto diagnostics = [&c] {
        std::vector<std::pair<long, std::string>> d;
        for (const Json &m : c.Lus())
            for (const Json &x : m["params"]["diagnostics"])
                d.emplace_back(x["range"]["start"]["line"].get<long>() + 1, x["code"]);
        return d;
    };
    using D = std::vector<std::pair<long, std::string>>;
    EXPECT_EQ(diagnostics(), (D{{5, "lamelix.appel-hors-cle-secondaire"},
                                {5, "lamelix.appel-au-dela"},
                                {5, "lamelix.appel-inexistant"},
                                {7, "lamelix.description-absente"},
                                {5, "lamelix.entite-absente"}}));
    // Line 5 mended by an edit of one character: only line 7 is still wrong.
    c.Signale("textDocument/didChange", {{"textDocument", {{"uri", Uri}, {"version", 2}}},
                                         {"contentChanges",
                                          {{{"range",
                                             {{"start", {{"line", 4}, {"character", 3}}},
                                              {"end", {{"line", 4}, {"character", 4}}}}},
                                            {"text", "0"}}}}});
    EXPECT_EQ(diagnostics(), (D{{7, "lamelix.description-absente"}}));

    struct Lien {
        long ligne, colonne; // where the author asks
        long vers;           // the line it lands on, from 1; 0 for none
    } liens[] = {{2, 3, 4}, {4, 3, 6}, {6, 4, 8}, {2, 8, 0}};
    for (const Lien &l : liens) {
        const Json r = c.Demande("textDocument/definition", Position(l.ligne - 1, l.colonne));
        if (l.vers == 0) {
            EXPECT_TRUE(r["result"].is_null()) << l.ligne;
        } else {
            EXPECT_EQ(r["result"]["range"]["start"]["line"], l.vers - 1) << l.ligne;
        }
    }
    const Json refs = c.Demande("textDocument/references", Position(5, 0))["result"];
    ASSERT_EQ(refs.size(), 1u);
    EXPECT_EQ(refs[0]["range"]["start"]["line"], 3);

    const std::string lead =
        c.Demande("textDocument/hover", Position(1, 8))["result"]["contents"]["value"];
    EXPECT_NE(lead.find("3 espèces atteignables : Amanita rubescens, Cortinarius, Inocybe"),
              std::string::npos)
        << lead;
    const std::string entite =
        c.Demande("textDocument/hover", Position(3, 0))["result"]["contents"]["value"];
    EXPECT_NE(entite.find("appelée par la ligne 2"), std::string::npos) << entite;

    std::vector<std::string> noms;
    const Json symboles =
        c.Demande("textDocument/documentSymbol", {{"textDocument", {{"uri", Uri}}}})["result"];
    for (const Json &s : symboles) {
        noms.push_back(s["name"]);
        for (const Json &e : s.value("children", Json::array()))
            noms.push_back("  " + e["name"].get<std::string>());
    }
    EXPECT_EQ(noms,
              (std::vector<std::string>{"entité 1", "entité 2", "entité 3", "CS1", "  entité 1"}));
}

} // namespace
} // namespace lamelix
