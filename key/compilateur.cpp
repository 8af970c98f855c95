#include "key/compilateur.hpp"

#include "key/compilation_interne.hpp"
#include "key/requetes_cle.hpp"
#include "platform/controles.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/nombres.hpp"
#include "platform/services.hpp"
#include "settings/messages.hpp"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

namespace lamelix {

namespace {

Brouillon &brouillonDuFil(std::unique_ptr<Brouillon> &propre) {
    thread_local std::unique_ptr<Brouillon> brouillon = std::make_unique<Brouillon>();
    if (!brouillon->EnUsage) return *brouillon;
    propre = std::make_unique<Brouillon>();
    return *propre;
}

} // namespace

// Starts from empty scratch tables: the records the last compilation may have filled are cleared.
Compilation::Compilation(EnvironnementCompilation e)
    : env(e), brouillon(brouillonDuFil(propre)), TabES(brouillon.TabES), TabCS(brouillon.TabCS) {
    brouillon.EnUsage = true;
    for (PaireES &paire : TabES.CasesEcrites(0))
        paire = PaireES{};
    TabES(MaxLignesCle) = PaireES{};
    TabES.Oublie();
    for (LigneCS &cs : TabCS.CasesEcrites(0))
        cs = LigneCS{};
    TabCS(MaxClesSecondaires) = LigneCS{};
    TabCS.Oublie();
}

Compilation::~Compilation() {
    brouillon.EnUsage = false;
}

namespace {

void demarre(Compilation &c) {
    CleCompilee &cle = c.env.Cle;
    cle.CodageTxt.clear();
    cle.CommentaireCle.clear();
    cle.TitreCle.clear();
    cle.TitreFenetre.clear();
    cle.NbLignesTexte = 0;
    cle.EntiteMax = 0;
    cle.NbLignesM1 = 0;
    if (c.env.Lgs.ListCount() > 0) c.env.Lgs.Selectionne(0);
    // Above the records written since the last reset, every record but the first and the last
    // already has entity and successor 0.
    for (LigneCle &l : cle.TabLignes.CasesEcrites(0)) {
        l.E = 0;
        l.S = 0;
    }
    for (const long i : {0, MaxLignesCle}) {
        cle.TabLignes(i).E = 0;
        cle.TabLignes(i).S = 0;
    }
}

// The error 100 report: the physical line and the index of the key line being processed.
std::string messageErreur100(Compilation &c) {
    float ligneTexte = c.ligneTexteErreur;
    if (ligneTexte < 0) {
        long i = c.ligneCourante;
        ligneTexte = (i >= 0 && i <= MaxLignesCle) ? c.ligne(i).LigneTexte : 0.0f;
    }
    return " erreur 100/ligne" + TexteNombre(ligneTexte) + "//maxcle" + "4000" + ", Tcs" + "800" +
           ", Idlg " + std::to_string(c.ligneCourante);
}

void compile(Compilation &c, std::string_view octets, int16_t &echec) {
    PasseLecture(c, octets);
    PasseNumerotation(c, echec);
    PasseClesSecondaires(c, echec);
    PasseAppelsCS(c);
    PasseRenumerotation(c);
    PasseResolutionAppels(c);
    PasseChampsTexte(c);
    PasseIndexEntites(c);
    PassePredecesseurs(c);
    PasseContinuations(c);
    PasseEntiers(c);
    MarqueOrphelines(c.env.Cle);
}

// Runs the compilation under its one error trap. Every stop sets echec: a half-compiled key must
// never pass for a loaded one.
void compileSousPiege(Compilation &c, const std::string *chemin, std::string_view octets,
                      int16_t &echec) {
    try {
        demarre(c);
        if (chemin) {
            auto contenu = LireOctets(*chemin);
            if (!contenu)
                throw ErreurExecution(c.env.Textes.Compilateur().Traduit("fichier illisible : ") +
                                      *chemin);
            compile(c, *contenu, echec);
        } else {
            compile(c, octets, echec);
        }
    } catch (const ArretCompilation &) {
        echec = 1;
    } catch (const ErreurExecution &) {
        echec = 1;
        c.env.Boites.Message(messageErreur100(c));
    } catch (const std::bad_alloc &) {
        echec = 1;
        c.env.Boites.Message(messageErreur100(c));
    }
}

} // namespace

void Precompile(const std::string &chemin, int16_t &echec, EnvironnementCompilation env) {
    auto c = std::make_unique<Compilation>(env);
    compileSousPiege(*c, &chemin, {}, echec);
}

void PrecompileOctets(std::string_view octets, int16_t &echec, EnvironnementCompilation env) {
    auto c = std::make_unique<Compilation>(env);
    compileSousPiege(*c, nullptr, octets, echec);
}

void MarqueOrphelines(CleCompilee &cle) {
    // One pass to note which entities are called, one to mark the lines: linear, not quadratic.
    std::vector<bool> appelee(65536, false);
    const long n = NombreLignesCle(cle);
    for (int j = 1; j <= n; ++j)
        appelee[static_cast<std::size_t>(cle.TabLignes(j).S + 32768)] = true;
    for (int i = 1; i <= n; ++i) {
        LigneCle &l = cle.TabLignes(i);
        l.Orpheline = l.E > 1 && !appelee[static_cast<std::size_t>(l.E + 32768)];
    }
}

} // namespace lamelix
