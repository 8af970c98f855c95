// Passes on the numbering fields: syntax, secondary-key headers and calls, one global numbering.

#include "key/compilation_interne.hpp"
#include "key/decoupage.hpp"
#include "platform/erreur.hpp"
#include "platform/nombres.hpp"
#include "platform/services.hpp"
#include "platform/texte.hpp"
#include "settings/messages.hpp"

namespace lamelix {

namespace {

const std::string FinLigne = "\r\n";

std::string ligneTexte(Compilation &c, long i) {
    return TexteNombre(c.ligne(i).LigneTexte);
}

// First secondary-key row with that number; the last row when none has it.
int16_t RechercheCS(Compilation &c, int16_t numero) {
    for (int16_t k = 0; k <= c.NbCS; ++k)
        if (c.TabCS(k).Numero == numero) return k;
    return c.NbCS;
}

} // namespace

void PasseNumerotation(Compilation &c, int16_t &echec) {
    const Messages &m = c.env.Textes;
    for (long i = 1; i <= c.nbLignes(); ++i) {
        c.ligneCourante = i;
        LigneCle &l = c.ligne(i);
        Numerotation num = DecoupeNumerotation(l.Complements);
        if (num.Erreur) {
            const TextesTraduits &t = m.Compilateur();
            c.env.Boites.Message(t.Traduit(" syntaxe incorrecte ligne ") + ligneTexte(c, i) +
                                 FinLigne + t.Traduit("chercher : ") + "\\" + l.Description +
                                 " \\" + t.Traduit(" et  ") + "\\" + l.Complements + " \\  " +
                                 FinLigne + m[MsgDansPressePapier]);
            echec = 1;
            c.env.Presse.PressePapierVide();
            c.env.Presse.PressePapierTexte("\\ " + l.Description + " \\  et  \\ " + l.Complements +
                                           " \\ ");
            throw ArretCompilation{};
        }
        if (QueDesBlancs(num.E)) continue;
        if (num.E == num.S) {
            if (!EstNumerique(num.E)) throw ErreurExecution("E et S identiques et non numériques");
            if (Valeur(num.E) > 0 && c.env.Boites.Question(m[MsgErreurEEgalS] + ligneTexte(c, i) +
                                                           m[MsgContinuerAnalyse]) != ReponseOui)
                throw ArretCompilation{};
        }
        c.TabES(i) = {num.E, num.S};
        l.Suite = Majuscules(SansBlancs(num.X)) == "N" ? std::string("N") : num.X;
    }
}

void PasseClesSecondaires(Compilation &c, int16_t &echec) {
    const Messages &m = c.env.Textes;
    int16_t maxS = 0;
    long maxLigne = 0;
    for (long i = 1; i <= c.nbLignes(); ++i) {
        c.ligneCourante = i;
        PaireES &es = c.TabES(i);
        double s = Valeur(es.S);
        if (s > maxS) {
            maxS = VersEntier16(s);
            maxLigne = i;
        }
        if (EstNumerique(es.E)) continue;
        std::string e = SansBlancs(es.E);
        if (!TesteCS(e, c.dernierCS)) {
            LigneCle &l = c.ligne(i);
            c.env.Boites.Message(m[MsgErreur96] + ligneTexte(c, i) + ":" + l.Description +
                                 FinLigne +
                                 m.Compilateur().Traduit("(enregistré dans le presse papier)"));
            echec = 1;
            c.env.Presse.PressePapierVide();
            c.env.Presse.PressePapierTexte("ligne " + ligneTexte(c, i) + ":" + l.Description);
            throw ArretCompilation{};
        }
        const int16_t numero = c.dernierCS;
        if (numero <= 0) continue;
        if (maxS > 0 && Valeur(c.TabES(i - 1).E) < maxS)
            c.env.Boites.Message(m[MsgErreurDestinationCleSecondaire] + std::to_string(numero - 1) +
                                 "," + m[MsgLigne] + ligneTexte(c, maxLigne));
        maxS = 0;
        es.E = TexteNombre(-numero);
        c.NbCS = Ajoute16(c.NbCS, 1);
        c.TabCS(c.NbCS).Numero = numero;
    }
}

void PasseAppelsCS(Compilation &c) {
    const Messages &m = c.env.Textes;
    for (long i = 1; i <= c.nbLignes(); ++i) {
        c.ligneCourante = i;
        PaireES &es = c.TabES(i);
        if (EstNumerique(es.S)) continue;
        const int16_t avant = c.dernierCS;
        // CS-n names no secondary key: taken as a call, its negation would make the line call
        // entity n of the main key, often its own.
        if (!TesteCS(es.S, c.dernierCS) || c.dernierCS < 0) {
            c.dernierCS = avant;
            // The faulty proposition calls the last secondary key named so far (0: none).
            c.env.Boites.Message(m[MsgErreur20CleSecondaire] + std::to_string(c.dernierCS) +
                                 m[MsgLigne] + ligneTexte(c, i) + ":" + c.ligne(i).Description);
        }
        es.S = TexteNombre(-c.dernierCS);
    }
}

void PasseRenumerotation(Compilation &c) {
    CleCompilee &cle = c.env.Cle;
    cle.EntiteMaxCourante = 0;
    double decalage = 0;
    bool enAttente = false;
    int16_t k = 0;
    for (long i = 1; i <= c.nbLignes(); ++i) {
        c.ligneCourante = i;
        PaireES &es = c.TabES(i);
        double e = Valeur(es.E);
        if (e < 0) {
            enAttente = true;
            k = RechercheCS(c, VersEntier16(-e));
            decalage = cle.EntiteMaxCourante;
        } else {
            e += decalage;
            es.E = TexteNombre(e);
            double s = Valeur(es.S);
            if (s > 0) es.S = TexteNombre(s + decalage);
            if (enAttente) {
                c.TabCS(k).EntiteDebut = VersEntier16(e);
                enAttente = false;
            }
        }
        int16_t entier = VersEntier16(e);
        if (entier > cle.EntiteMaxCourante) cle.EntiteMaxCourante = entier;
    }
    cle.EntiteMax = cle.EntiteMaxCourante;
}

void PasseResolutionAppels(Compilation &c) {
    for (long i = 1; i <= c.nbLignes(); ++i) {
        c.ligneCourante = i;
        PaireES &es = c.TabES(i);
        double s = Valeur(es.S);
        if (s < 0) {
            int16_t k = RechercheCS(c, VersEntier16(-s));
            es.S = TexteNombre(c.TabCS(k).EntiteDebut);
        }
    }
}

} // namespace lamelix
