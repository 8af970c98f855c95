// Loading the key again once its file has changed on disk, and keeping the path taken when the
// new key still leads that way.

#include "consult/rechargement.hpp"

#include "consult/lamelix.hpp"
#include "key/requetes_cle.hpp"
#include "platform/texte.hpp"

#include <algorithm>

namespace lamelix {

namespace {

// The entity's propositions, List1's order: the lines of the entity that are not notes.
std::vector<int16_t> propositions(const CleCompilee &cle, int16_t entite) {
    std::vector<int16_t> lignes;
    if (entite < 1 || entite > MaxEntites || !EntiteDefinie(cle, entite)) return lignes;
    const LignesEntite bornes = LignesDeLEntite(cle, entite, DerniereLigneCle(cle));
    for (long i = bornes.Premiere; i < bornes.Fin(); ++i)
        if (!PorteMarqueNote(cle.TabLignes(i))) lignes.push_back(static_cast<int16_t>(i));
    return lignes;
}

bool meneAuMemeEndroit(const LigneCle &l, const EtapeRelevee &etape) {
    if (l.S != etape.Appelee) return false;
    return !EstTerminale(l) || l.NomEspece == etape.Espece;
}

// The consultation goes on at the end of a path that holds, as after choosing its last line
// (the complements it names are not followed again: the author saved a file, nothing was chosen).
void reprendChemin(Lamelix &f, const std::vector<int16_t> &lignes) {
    Consultation &c = f.Parcours;
    c.RemplaceChemin(lignes);
    c.DerniereLigne = lignes.size() >= 2 ? lignes[lignes.size() - 2] : 0;
    AfficheHist(f, 0, 0);
    const LigneCle &derniere = f.Cle().TabLignes(lignes.back());
    c.EntiteCourante = derniere.S;
    f.Text2.SetText(derniere.NomEspece);
    if (c.EntiteCourante >= 1) {
        AfficheChoix(f, c.EntiteCourante);
        CherchSuiv(f);
    } else {
        c.EspeceAtteinte = true;
        f.Command4[Cmd4Suiv].SetEnabled(false);
        f.List1.Clear();
        f.List2.Clear();
        f.Label3.SetCaption(f.Msg(MsgListeIssuesPossibles));
    }
    AfficheNombreNoms(f);
}

std::string pourquoiRepris(const Lamelix &f, const CheminRetrouve &r) {
    const LibellesFenetre &t = f.Libelles;
    const std::string &modele = r.Pourquoi == Ecart::EntiteDisparue  ? t.SuiviEntiteDisparue
                                : r.Pourquoi == Ecart::LigneDisparue ? t.SuiviLigneDisparue
                                                                     : t.SuiviAutreDestination;
    return Remplace(Remplace(modele, "%1", std::to_string(r.Etape)), "%2",
                    std::to_string(r.Entite));
}

} // namespace

std::vector<EtapeRelevee> ReleveChemin(const Consultation &c, const CleCompilee &cle) {
    std::vector<EtapeRelevee> chemin;
    for (const int16_t ligne : c.Chemin()) {
        EtapeRelevee etape;
        if (ligne >= 1 && ligne <= DerniereLigneCle(cle)) {
            const LigneCle &l = cle.TabLignes(ligne);
            const std::vector<int16_t> offertes = propositions(cle, l.E);
            etape.Entite = l.E;
            etape.Rang = static_cast<int16_t>(std::find(offertes.begin(), offertes.end(), ligne) -
                                              offertes.begin());
            etape.Appelee = l.S;
            if (EstTerminale(l)) etape.Espece = l.NomEspece;
        }
        chemin.push_back(std::move(etape));
    }
    return chemin;
}

CheminRetrouve RetrouveChemin(const std::vector<EtapeRelevee> &chemin, const CleCompilee &cle) {
    CheminRetrouve r;
    for (const EtapeRelevee &etape : chemin) {
        ++r.Etape;
        r.Entite = etape.Entite;
        const std::vector<int16_t> offertes = propositions(cle, etape.Entite);
        if (offertes.empty()) {
            r.Pourquoi = Ecart::EntiteDisparue;
            return r;
        }
        if (etape.Rang < 0 || static_cast<std::size_t>(etape.Rang) >= offertes.size()) {
            r.Pourquoi = Ecart::LigneDisparue;
            return r;
        }
        const int16_t ligne = offertes[static_cast<std::size_t>(etape.Rang)];
        if (!meneAuMemeEndroit(cle.TabLignes(ligne), etape)) {
            r.Pourquoi = Ecart::AutreDestination;
            return r;
        }
        r.Lignes.push_back(ligne);
    }
    r.Etape = 0;
    r.Entite = 0;
    return r;
}

bool RechargeCle(Lamelix &f) {
    const std::vector<EtapeRelevee> avant = ReleveChemin(f.Parcours, f.Cle());
    const uint64_t chargements = f.ChargementsCle;
    const std::string chemin = f.Cle().FichierCle;
    ChargeCle(f, chemin);
    // A file refused before anything changed, or a key that did not compile: the window stays
    // as that load leaves it, saying so.
    if (f.ChargementsCle == chargements || f.Cle().TabLignes(1).E == 0) return false;
    float tout = 1;
    ChargeListe(f, tout);
    const LibellesFenetre &t = f.Libelles;
    if (avant.empty()) {
        f.StatusBar1.SetCaption(t.SuiviRechargee);
        return true;
    }
    const CheminRetrouve retrouve = RetrouveChemin(avant, f.Cle());
    if (retrouve.Garde()) {
        reprendChemin(f, retrouve.Lignes);
        f.StatusBar1.SetCaption(t.SuiviCheminGarde);
    } else {
        f.StatusBar1.SetCaption(Remplace(t.SuiviCheminRepris, "%1", pourquoiRepris(f, retrouve)));
    }
    return true;
}

} // namespace lamelix
