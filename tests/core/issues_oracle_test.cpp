// The outcome list shares the common upper parts of the walks from each species. It must give
// exactly what one plain walk per species gives, on sound keys and on faulty ones (loops in the
// predecessor links, continuation lines met on the way).

#include "consult/lamelix.hpp"
#include "key/requetes_cle.hpp"
#include "platform/nombres.hpp"
#include "tests/core/banc_cle.hpp"
#include "tests/fenetres_factices.hpp"

#include <gtest/gtest.h>
#include <random>

namespace lamelix::test {
namespace {

struct Attendu {
    std::vector<std::string> noms;
    std::size_t messages = 0;
};

// One walk per species, in the order of the full list of names, as the outcome list is defined.
Attendu MarchesSimples(Lamelix &f, int16_t cible) {
    const CleCompilee &cle = f.Cle();
    Attendu a;
    float toutes = 1;
    ChargeListe(f, toutes);
    std::vector<int16_t> especes(f.Parcours.NbNoms);
    for (int p = 0; p < f.Parcours.NbNoms; ++p)
        especes[static_cast<std::size_t>(p)] = f.Parcours.MapNoms(p);
    auto ajoute = [&](int16_t l) {
        std::string nom = cle.TabLignes(l).NomEspece;
        nom.erase(0, nom.find_first_not_of(' ') == std::string::npos ? nom.size()
                                                                     : nom.find_first_not_of(' '));
        if (!nom.empty()) a.noms.push_back(nom);
    };
    for (int16_t l : especes) {
        if (cle.TabLignes(l).E == cible) {
            ajoute(l);
            continue;
        }
        bool trouvee = false;
        long c = l;
        for (int pas = 1; cle.TabLignes(c).E >= 2; ++pas) {
            c = VersEntier16(cle.TabLignes(c).Prec);
            if (pas > 4000) {
                ++a.messages;
                return a;
            }
            if (PorteMarqueNote(cle.TabLignes(c))) return a;
            if (cle.TabLignes(c).E == cible && !trouvee) {
                trouvee = true;
                ajoute(l);
            }
        }
    }
    return a;
}

void CompareSurToutesLesEntites(Lamelix &f, ServicesFactices &dialogues, const std::string &cle) {
    for (int16_t e = 1; e <= f.Cle().EntiteMax; ++e) {
        Attendu attendu = MarchesSimples(f, e);
        f.Parcours.EspeceAtteinte = false;
        f.Parcours.EntiteCourante = e;
        f.List2.Clear();
        const std::size_t avant = dialogues.Journal.size();
        CherchSuiv(f);
        std::vector<std::string> obtenu;
        for (const auto &item : f.List2.Items)
            obtenu.push_back(item.Texte);
        ASSERT_EQ(obtenu, attendu.noms) << cle << " entity " << e;
        ASSERT_EQ(dialogues.Journal.size() - avant, attendu.messages) << cle << " entity " << e;
    }
}

TEST(IssuesPossibles, MemesIssuesQueLesMarchesSimples) {
    ServicesFactices dialogues;
    auto programme = std::make_unique<Programme>();
    FenetresFactices fenetres;
    Lamelix f(*programme, dialogues, fenetres);
    std::string cle = LAMELIX_CLES "/defaut.cle";
    ChargeCle(f, cle);
    CompareSurToutesLesEntites(f, dialogues, cle);

    // Random keys with backward calls (loops) and continuation lines.
    DossierTemporaire dossier;
    std::mt19937 alea(20261207);
    for (int essai = 0; essai < 30; ++essai) {
        // Keys that start at entity 2 send the walks to key line 2, which may be a note.
        std::string texte;
        const int premiere = essai % 2 + 1, entites = 30;
        for (int e = premiere; e < premiere + entites; ++e) {
            for (int branche = 0; branche < 2; ++branche) {
                int s = alea() % 3 == 0 ? 0 : premiere + static_cast<int>(alea() % entites);
                if (s == e) s = 0;
                texte += std::to_string(e) + "," + std::to_string(s) + " $d" + std::to_string(e) +
                         " $ esp" + std::to_string(e) + "-" + std::to_string(branche) + "\n";
                if (alea() % 10 == 0 || (e == premiere && branche == 0 && essai % 4 < 2))
                    texte += std::to_string(e) + ",0,N $note\n";
            }
        }
        // The name is appended, not summed as "k" + ...: that sum trips a false -Wrestrict
        // warning of GCC 12 in optimised builds.
        std::string nom = "k";
        nom.append(std::to_string(essai)).append(".cle");
        std::string chemin = dossier.Ecrit(nom, texte);
        ChargeCle(f, chemin);
        ASSERT_GT(f.Cle().EntiteMax, 0) << texte;
        CompareSurToutesLesEntites(f, dialogues, texte);
    }
}

} // namespace
} // namespace lamelix::test
