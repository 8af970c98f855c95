// "Sauver renum": the key file rewritten with the numbering of the last renumbering, after a
// backup, and only when the file is still the one that was renumbered.

#include "platform/fichiers.hpp"
#include "platform/piege.hpp"
#include "platform/services.hpp"
#include "tools/lignes_fichier.hpp"
#include "tools/outils.hpp"

#include <functional>

namespace lamelix {

namespace {

std::string Tete(const RangNumerotation &r) {
    return std::to_string(r.E) + "," + std::to_string(r.S);
}

// The file as it will be written: every numbered line with its new head, the others unchanged,
// every line ended by CR LF.
std::string TexteRenumerote(Outils &o, const std::string &octets) {
    const std::string &fin = o.FinLigne();
    std::string texte;
    ParcourtLignesNumerotees(
        LignesSansRetour(octets), o.Principale.Systeme,
        [&](long k, const std::string &ligne) {
            const std::string reste = ligne.substr(ligne.find('$') + 1);
            if (o.Nouvelle(k).Note == 0)
                texte += Tete(o.Nouvelle(k)) + "$" + reste + fin;
            else
                texte += Tete(o.Nouvelle(k - 1)) + ",N$" + reste + fin;
        },
        [&](const std::string &ligne) { texte += ligne + fin; });
    return texte;
}

} // namespace

EmpreinteFichier EmpreinteDe(const std::string &chemin, std::string_view octets) {
    return {chemin, octets.size(), std::hash<std::string_view>{}(octets)};
}

std::string NomSauvegarde(const std::string &chemin) {
    return chemin + ".BAK";
}

bool SauverBak(Lamelix &f, const std::string &cle, std::string_view octets) {
    // A key that will not be replaced (read-only, not a regular file) gets no backup either.
    if (const auto refus = PourquoiPasReecrivable(cle)) {
        f.Systeme.Message(EnregistrementImpossible(f, "clé") + cle + f.FinLigne + *refus);
        return false;
    }
    // The backup is as private as the key it copies.
    std::string pourquoi;
    if (EcritFichierSur(NomSauvegarde(cle), octets, &pourquoi, ModeFichier(cle))) return true;
    f.Systeme.Message(EnregistrementImpossible(f, "sauvegarde") + NomSauvegarde(cle) + f.FinLigne +
                      pourquoi);
    return false;
}

void Enregistrer(Outils &o) {
    Lamelix &f = o.Principale;
    // The file is rewritten: Return alone must not do it.
    if (f.Systeme.QuestionRisquee(f.Dit("le fichier ") + o.FichierCourant +
                                  f.Dit(" va être modifié ")) != ReponseOui)
        return;
    // The tables belong to the content that was renumbered: another key, an edited file or a
    // renumbering that met a secondary key would have its lines overwritten with wrong numbers.
    // That content, read once, is what is backed up and rewritten: no working copy is needed.
    const auto actuel = LireOctets(o.FichierCourant);
    if (!o.Renumerote || o.CleSecondaire || !actuel ||
        !(EmpreinteDe(o.FichierCourant, *actuel) == *o.Renumerote)) {
        f.Systeme.Message(f.Msg(MsgSauverRenumRefuse));
        return;
    }
    if (!SauverBak(f, o.FichierCourant, *actuel)) return;
    const auto ecrit = SousPiege([&] {
        const std::string texte = TexteRenumerote(o, *actuel);
        if (!EcritOuSignale(f, o.FichierCourant, texte, "clé renumérotée")) return;
        // The numbering now stands in the file: the tables no longer describe it.
        o.Renumerote.reset();
        o.Command1[OutSauverRenum].SetEnabled(false);
        f.Systeme.Message(f.Msg(MsgCleRenumeroteeDans) + "\n" + o.FichierCourant + "\n" +
                          f.Msg(MsgCopieOriginale) + "\n" + NomSauvegarde(o.FichierCourant));
    });
    if (ecrit) f.Systeme.Message(f.Msg(MsgFichierIllisible) + o.FichierCourant);
}

} // namespace lamelix
