// "Sauver renum": the key file rewritten with the numbering of the last renumbering, after a
// backup, and only when the file is still the one that was renumbered.

#include "platform/fichiers.hpp"
#include "platform/piege.hpp"
#include "platform/services.hpp"
#include "tools/lignes_fichier.hpp"
#include "tools/outils.hpp"

#include <filesystem>
#include <functional>

namespace lamelix {

namespace {

// The working copy goes beside the key, or into the system's temporary folder when the key's
// folder takes no new file.
std::string CheminCopieDeTravail(const std::string &cle) {
    std::string dossier = DossierDe(cle);
    if (!DossierInscriptible(dossier)) dossier = std::filesystem::temp_directory_path().string();
    return JointChemin(dossier, "$$tmpCle");
}

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
    std::string nom = NomFichier(chemin);
    const std::size_t point = nom.find('.');
    nom = point == std::string::npos ? nom + ".BAK" : nom.substr(0, point + 1) + "BAK";
    const std::string dossier = chemin.substr(0, chemin.size() - NomFichier(chemin).size());
    return dossier + nom;
}

bool SauverBak(Outils &o) {
    Lamelix &f = o.Principale;
    const auto octets = LireOctets(o.FichierCourant);
    if (!octets) {
        f.Systeme.Message(f.Msg(MsgFichierIllisible) + o.FichierCourant);
        return false;
    }
    return EcritOuSignale(f, NomSauvegarde(o.FichierCourant), *octets, "sauvegarde") &&
           EcritOuSignale(f, CheminCopieDeTravail(o.FichierCourant), *octets, "copie de travail");
}

void Enregistrer(Outils &o) {
    Lamelix &f = o.Principale;
    // The file is rewritten: Return alone must not do it.
    if (f.Systeme.QuestionRisquee("le fichier " + o.FichierCourant + " va être modifié ") !=
        ReponseOui)
        return;
    // The tables belong to the content that was renumbered: another key, an edited file or a
    // renumbering that met a secondary key would have its lines overwritten with wrong numbers.
    const auto actuel = LireOctets(o.FichierCourant);
    if (!o.Renumerote || o.CleSecondaire || !actuel ||
        !(EmpreinteDe(o.FichierCourant, *actuel) == *o.Renumerote)) {
        f.Systeme.Message(f.Msg(MsgSauverRenumRefuse));
        return;
    }
    if (!SauverBak(o)) return;
    const std::string copie = CheminCopieDeTravail(o.FichierCourant);
    const auto ecrit = SousPiege([&] {
        const std::string texte = TexteRenumerote(o, LitFichierOutils(copie));
        if (!EcritOuSignale(f, o.FichierCourant, texte, "clé renumérotée")) return;
        // The numbering now stands in the file: the tables no longer describe it.
        o.Renumerote.reset();
        o.Command1[OutSauverRenum].SetEnabled(false);
        f.Systeme.Message(f.Msg(MsgCleRenumeroteeDans) + "\n" + o.FichierCourant + "\n" +
                          f.Msg(MsgCopieOriginale) + "\n" + NomSauvegarde(o.FichierCourant));
    });
    if (ecrit) f.Systeme.Message(f.Msg(MsgFichierIllisible) + copie);
    std::error_code ec;
    std::filesystem::remove(copie, ec);
}

} // namespace lamelix
