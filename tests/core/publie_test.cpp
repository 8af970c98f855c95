// `lamelix-outils publie`: the page it writes carries the policy, the engine, the key and what
// the key chains and shows, and no text of a key can close the page's data element.

#include "app/publication.hpp"
#include "tests/core/lance_outils.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace lamelix {
namespace {

using test::DossierTemporaire;
using test::Lance;
using test::Lis;

// The data element's JSON, read back as the page's script reads it.
nlohmann::json Donnees(const std::string &page) {
    const std::string debut = "<script type=\"application/json\" id=\"lamelix-donnees\">";
    const std::size_t a = page.find(debut);
    if (a == std::string::npos) return nullptr;
    const std::size_t b = page.find("</script>", a + debut.size());
    return nlohmann::json::parse(page.substr(a + debut.size(), b - a - debut.size()));
}

struct Publication {
    DossierTemporaire d;
    std::string moteur = d.Ecrit("moteur.js", "var LamelixMoteur=1;/*</script><!--*/");
    test::Resultat publie(const std::string &arguments) {
        return Lance(d, "publie " + arguments + " -o '" + d.Chemin("page.html") + "'");
    }
};

TEST(Publie, LaPagePorteLaCleCeQuElleEnchaineEtSesImages) {
    Publication p;
    setenv("LAMELIX_MOTEUR_WEB", p.moteur.c_str(), 1);
    const auto r = p.publie("--non '" LAMELIX_CLES "/defaut.cle'");
    ASSERT_EQ(r.statut, 0) << r.erreurs;
    const std::string page = Lis(p.d.Chemin("page.html"));
    EXPECT_NE(page.find("<meta http-equiv=\"Content-Security-Policy\" content=\"default-src "
                        "'none'; script-src 'unsafe-inline' 'wasm-unsafe-eval';"),
              std::string::npos);
    for (const char *marque : {"<!--LAMELIX-", "</script><!--*/"})
        EXPECT_EQ(page.find(marque), std::string::npos) << marque;
    EXPECT_NE(page.find("var LamelixMoteur=1;/*<\\/script><\\!--*/"), std::string::npos);
    const nlohmann::json d = Donnees(page);
    EXPECT_EQ(d["premiere"], "defaut.cle");
    EXPECT_EQ(d["oui"], false);
    EXPECT_FALSE(d.contains("pages"));
    ContenuPublication seule;
    seule.octets["defaut.cle"] = Lis(LAMELIX_CLES "/defaut.cle");
    const nlohmann::json attendu = Donnees(ElementDonnees(seule, "defaut.cle", {}, {}));
    EXPECT_EQ(d["cles"]["defaut.cle"], attendu["cles"]["defaut.cle"]);
    EXPECT_TRUE(d["cles"].contains("bolets.cle"));
    EXPECT_EQ(d["images"].size(), 1u);
    EXPECT_EQ(d["images"]["hydne.png"].get<std::string>().rfind("data:image/png;base64,iVBOR", 0),
              0u);

    // With --dossier, each chained key is a page of its own that the first page names.
    const auto r2 =
        p.publie("--dossier '" + p.d.Chemin("cles") + "' '" LAMELIX_CLES "/defaut.cle'");
    ASSERT_EQ(r2.statut, 0) << r2.erreurs;
    const nlohmann::json d2 = Donnees(Lis(p.d.Chemin("page.html")));
    EXPECT_EQ(d2["pages"]["bolets.cle"], "cles/bolets.html");
    EXPECT_FALSE(d2["cles"].contains("bolets.cle"));
    const nlohmann::json bolets = Donnees(Lis(p.d.Chemin("cles/bolets.html")));
    EXPECT_EQ(bolets["premiere"], "bolets.cle");
    EXPECT_EQ(bolets["pages"]["defaut.cle"], "../page.html");
    unsetenv("LAMELIX_MOTEUR_WEB");
}

TEST(Publie, UnTexteNeFermeJamaisLElementDeDonnees) {
    ContenuPublication c;
    c.octets["</script><script>alert(1)</script>.cle"] = "</script>";
    c.images["a</script>.png"] = "data:image/png;base64,";
    OptionsPublication o;
    o.langue = "PAGE;\r\n#1;</script><img src=x onerror=alert(1)>\r\n";
    const std::string element = ElementDonnees(c, "</script><script>alert(1)</script>.cle", o, {});
    EXPECT_EQ(element.find("</"), element.size() - std::string("</script>").size());
    const nlohmann::json d = Donnees(element);
    EXPECT_EQ(d["langue"], o.langue);
    EXPECT_TRUE(d["images"].contains("a</script>.png"));
}

TEST(Publie, MoteurOuLangueAbsentsArretentAvecLeStatut2) {
    Publication p;
    const struct {
        std::string moteur, arguments, message;
    } cas[] = {
        {p.d.Chemin("absent.js"), "", "bash scripts/construit-web.sh"},
        {p.moteur, "--langue uk", "Lamelix_uk.lng"},
    };
    for (const auto &c : cas) {
        setenv("LAMELIX_MOTEUR_WEB", c.moteur.c_str(), 1);
        const auto r = p.publie(c.arguments + " '" LAMELIX_CLES "/defaut.cle'");
        EXPECT_EQ(r.statut, 2) << c.arguments;
        EXPECT_NE(r.erreurs.find(c.message), std::string::npos) << r.erreurs;
        EXPECT_EQ(std::count(r.erreurs.begin(), r.erreurs.end(), '\n'), 1) << r.erreurs;
        EXPECT_FALSE(std::filesystem::exists(p.d.Chemin("page.html")));
    }
    unsetenv("LAMELIX_MOTEUR_WEB");
}

} // namespace
} // namespace lamelix
