// "Test numérotation": a new numbering of the key's entities from a start number and an
// increment, reported line by line, kept in the two numbering tables for "Sauver renum".

#include "platform/erreur.hpp"
#include "platform/nombres.hpp"
#include "platform/services.hpp"
#include "platform/texte.hpp"
#include "tools/lignes_fichier.hpp"
#include "tools/outils.hpp"

#include <functional>
#include <string_view>
#include <vector>

namespace lamelix {

namespace {

int16_t NombreDe(const TextBox &boite) {
    return VersEntier16(Valeur(boite.Text));
}

} // namespace

void CleSuite(const Outils &o, int16_t S, long &resultat) {
    const auto trouvee = o.PremiereLigne.find(S);
    resultat = trouvee == o.PremiereLigne.end() ? -1 : trouvee->second;
}

void renum(Outils &o) {
    const std::string &fin = o.FinLigne();
    TextBox &rapport = o.Text10[0];
    TextBox &correspondances = o.Text10[1];
    o.Renumerote.reset();
    long n = 0;
    try {
        const int16_t depart = NombreDe(o.Text1[0]);
        const int16_t increment = NombreDe(o.Text1[1]);
        if (o.FichierCourant.empty()) return;
        // A start or a step below 1 would give entity 0 or numbers going down: the rewritten key
        // would hold nothing but its backup. Refused before anything is computed.
        if (depart < 1 || increment < 1) {
            const std::string refus = o.Dit(
                "numérotation refusée : le numéro de départ et l'incrément valent au moins 1");
            rapport.SetText(refus + fin);
            o.Principale.Systeme.Message(refus);
            return;
        }
        const std::string octets = LitFichierOutils(o.FichierCourant);
        // Only the rows the last numbering may have filled are cleared; the last row on its own.
        for (auto *table : {&o.Ancienne, &o.Nouvelle}) {
            for (RangNumerotation &rang : table->CasesEcrites(1))
                rang = {};
            (*table)(MaxLignesCle) = {};
            table->Oublie();
        }
        o.PremiereLigne.clear();
        o.CleSecondaire = false;
        rapport.SetText(o.Msg(MsgCompteRenduNumerotation) + fin + o.FichierCourant + fin);

        ParcourtLignesNumerotees(
            LignesSansRetour(octets), o.Principale.Systeme,
            [&](long k, const std::string &ligne) {
                n = k;
                const std::string tete = TeteDeLigne(ligne);
                RangNumerotation &rang = o.Ancienne(k);
                if (tete.find("CS") != std::string::npos) {
                    o.CleSecondaire = true;
                    rapport.Append(fin + o.Dit(" CS non traitée, ligne ") + std::to_string(k) +
                                   " (" + tete + ")");
                    return;
                }
                const std::vector<std::string> parties = Decoupe(tete, ',');
                if (parties.size() < 2) throw ErreurExecution("tête sans virgule : " + tete);
                rang.E = VersEntier16(Valeur(parties[0]));
                rang.S = VersEntier16(Valeur(parties[1]));
                if (parties.size() >= 3 && parties[2].find('N') != std::string::npos) rang.Note = 1;
                if (rang.E < o.Ancienne(k - 1).E)
                    rapport.Append(fin + o.Dit(" la ligne ") + std::to_string(k) + " (" + tete +
                                   ")" + o.Dit(" est mal rangée"));
            },
            [](const std::string &) {});
        o.Cle().EntiteMax = VersEntier16(static_cast<double>(n));
        // Rows after the last read stay empty: an entity 0 is never searched.
        for (long k = 1; k <= n; ++k)
            o.PremiereLigne.emplace(o.Ancienne(k).E, k);

        // The last number, in a long: a numbering past the last entity a key may have is shown
        // but cannot be saved (the key would no longer compile).
        long dernier = depart;
        for (long k = 2; k <= n; ++k)
            if (o.Ancienne(k).E != o.Ancienne(k - 1).E) dernier += increment;
        if (n >= 1) o.Nouvelle(1).E = depart;
        for (long k = 2; k <= n; ++k)
            o.Nouvelle(k).E = o.Ancienne(k).E == o.Ancienne(k - 1).E
                                  ? o.Nouvelle(k - 1).E
                                  : Ajoute16(o.Nouvelle(k - 1).E, increment);
        for (long k = 1; k <= n; ++k) {
            const RangNumerotation &ancien = o.Ancienne(k);
            RangNumerotation &nouveau = o.Nouvelle(k);
            nouveau.Note = ancien.Note;
            if (ancien.S != 0) {
                long j = -1;
                CleSuite(o, ancien.S, j);
                if (j >= 0) {
                    nouveau.S = o.Nouvelle(j).E;
                } else {
                    nouveau.S = 9999;
                    rapport.Append(fin + o.Dit("Sortie ligne ") + std::to_string(k) +
                                   " (: " + std::to_string(ancien.E) + "," +
                                   std::to_string(ancien.S) + "$" + o.Dit(") non trouvée"));
                }
            } else {
                nouveau.S = 0;
            }
            const std::string avant = std::to_string(ancien.E) + "," + std::to_string(ancien.S);
            if (ancien.Note == 0)
                correspondances.Append(fin + avant + "$  => " + std::to_string(nouveau.E) + "," +
                                       std::to_string(nouveau.S));
            else
                correspondances.Append(fin + avant + "N$  => " +
                                       std::to_string(o.Nouvelle(k - 1).E) + "," +
                                       std::to_string(o.Nouvelle(k - 1).S) + ",N");
        }
        o.Label2.SetCaption(std::to_string(n) + o.Msg(MsgLignesAnalysees));
        rapport.Append(fin + o.Dit("nb entités : ") + std::to_string(n));
        if (o.CleSecondaire) {
            rapport.Append(fin +
                           o.Dit("Les clés secondaires ne sont pas traitées  : ne pas sauver !"));
            o.Command1[OutSauverRenum].SetEnabled(false);
        }
        const bool tropLoin = dernier > MaxEntites;
        const std::string refus = o.Dit("numérotation refusée : elle irait jusqu'à ") +
                                  std::to_string(dernier) + o.Dit(", une clé compte au plus ") +
                                  std::to_string(MaxEntites) + o.Dit(" entités");
        if (tropLoin) rapport.Append(fin + refus);
        rapport.Append(fin + o.Dit(" ---- fin du compte rendu ---------"));
        correspondances.Append(fin + fin + o.Dit("nb entités : ") + std::to_string(n));
        if (tropLoin) {
            o.Principale.Systeme.Message(refus);
            return;
        }
        o.Renumerote = EmpreinteDe(o.FichierCourant, octets);
    } catch (const ErreurExecution &) {
        rapport.Append(fin);
        o.Principale.Systeme.Message(o.Msg(MsgErreurCritiqueIndexation));
        rapport.Append(fin + o.Msg(MsgErreurCritiqueIndexation) + fin);
        correspondances.Append(fin + o.Msg(MsgErreurCritiqueIndexation) + fin);
        o.Renumerote.reset();
    }
}

} // namespace lamelix
