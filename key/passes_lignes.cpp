// Passes on the key lines once numbered: text fields, entity index, predecessors, continuation
// links and the integer fields.

#include "key/compilation_interne.hpp"
#include "key/decoupage.hpp"
#include "key/requetes_cle.hpp"
#include "platform/erreur.hpp"
#include "platform/nombres.hpp"
#include "platform/services.hpp"
#include "platform/texte.hpp"
#include "settings/messages.hpp"

#include <unordered_map>

namespace lamelix {

void PasseChampsTexte(Compilation &c) {
    const TextesTraduits &t = c.env.Textes.Compilateur();
    CleCompilee &cle = c.env.Cle;
    for (long i = 1; i <= c.nbLignes(); ++i) {
        c.ligneCourante = i;
        LigneCle &l = c.ligne(i);
        std::string reste = std::move(l.Description);
        std::string description = DecoupeChamp(reste, "$");
        std::string nom, complements;
        if (!reste.empty()) nom = DecoupeChamp(reste, "$");
        if (!reste.empty()) complements = DecoupeChamp(reste, "$");
        std::size_t car19 = description.find('\x13');
        if (car19 != std::string::npos)
            c.env.Boites.Message(t.Traduit("Attention ; ne pas utiliser le caractère ") +
                                 std::string(1, '\x13') + t.Traduit(" dans  ligne ") + description +
                                 " / " + std::to_string(i));
        l.Description = std::move(description);
        l.NomEspece = std::move(nom);
        l.Complements = std::move(complements);
        if (!l.Complements.empty()) {
            std::size_t guillemet = l.Complements.find('"');
            if (guillemet == std::string::npos) throw ErreurExecution("complément sans guillemet");
            if (Majuscules(SansBlancs(l.Complements.substr(0, guillemet))) == "S")
                cle.TitreSection(i) = Remplace(l.Complements.substr(guillemet + 1), "\"", "");
        }
        l.Prec = 0;
    }
}

void PasseIndexEntites(Compilation &c) {
    for (long i = c.nbLignes(); i >= 1; --i) {
        c.ligneCourante = i;
        if (PorteMarqueNote(c.ligne(i))) continue;
        int16_t e = VersEntier16(Valeur(c.TabES(i).E));
        if (e > 0) c.env.Cle.IndexEntite(e) = static_cast<int16_t>(i);
    }
}

void PassePredecesseurs(Compilation &c) {
    // Each entity value gets the last line that calls it: one pass over the callers, one over
    // the lines, instead of comparing every caller with every line.
    std::unordered_map<double, long> dernierAppelant;
    const long n = c.nbLignes();
    for (long i = 0; i <= n; ++i) {
        c.ligneCourante = i;
        double s = Valeur(c.TabES(i).S);
        if (s > 0 && c.ligne(i).Suite.empty()) dernierAppelant[s] = i;
    }
    if (dernierAppelant.empty()) return;
    for (long k = 1; k <= n; ++k) {
        c.ligneCourante = k;
        auto trouve = dernierAppelant.find(Valeur(c.TabES(k).E));
        if (trouve != dernierAppelant.end()) c.ligne(k).Prec = static_cast<float>(trouve->second);
    }
}

void PasseContinuations(Compilation &c) {
    for (long i = 1; i <= c.nbLignes(); ++i) {
        c.ligneCourante = i;
        if (PorteMarqueNote(c.ligne(i))) c.ligne(i - 1).Suite = std::to_string(i);
    }
}

void PasseEntiers(Compilation &c) {
    for (long i = 1; i <= c.nbLignes(); ++i) {
        c.ligneCourante = i;
        LigneCle &l = c.ligne(i);
        l.E = VersEntier16(Valeur(c.TabES(i).E));
        l.S = VersEntier16(Valeur(c.TabES(i).S));
        if (l.E == c.ligne(1).E) l.Prec = c.ligne(1).E;
    }
}

} // namespace lamelix
