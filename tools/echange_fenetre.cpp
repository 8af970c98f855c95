// "Fichier > Importer..." and the tools window's export formats.

#include "tools/echange_fenetre.hpp"

#include "platform/fichiers.hpp"
#include "platform/services.hpp"
#include "platform/texte.hpp"
#include "tools/echange_lpxk.hpp"
#include "tools/echange_tableau.hpp"
#include "tools/import_keybase.hpp"
#include "tools/outils.hpp"
#include "tools/raccords_keybase.hpp"

#include <optional>

namespace lamelix {

namespace {

// The errors shown in the message: a file that is no key at all stops being listed there.
constexpr std::size_t ErreursMontrees = 20;

std::string SansExtension(const std::string &nom) {
    const auto point = nom.rfind('.');
    return point == std::string::npos || point == 0 ? nom : nom.substr(0, point);
}

void DitEchec(Lamelix &f, const std::string &chemin, const std::vector<std::string> &raisons) {
    std::string texte = Remplace(f.Libelles.EchecImport, "%1", NomFichier(chemin));
    for (std::size_t k = 0; k < raisons.size() && k < ErreursMontrees; ++k)
        texte += "\n" + raisons[k];
    if (raisons.size() > ErreursMontrees) texte += "\n...";
    f.Systeme.Message(texte, f.Libelles.TitreImporter);
}

// A table read as importe-tableau reads it (its own three columns or a KeyBase table): refused
// only when no key can come out of it; the key's faults are named by the key's checks once open.
CleImportee CleDuTableauImporte(TableauImporte t) {
    return {std::move(t.Octets), t.Utf8, std::move(t.Refus)};
}

void ImporteCle(Lamelix &f, const std::string &chemin, const CleImportee &importee) {
    if (!importee.Erreurs.empty()) {
        std::vector<std::string> raisons;
        for (const ErreurTableau &e : importee.Erreurs)
            raisons.push_back(std::to_string(e.Ligne) + " : " + e.Message);
        DitEchec(f, chemin, raisons);
        return;
    }
    const auto cle = f.Systeme.DialogueEnregistrer(
        "Clé (*.cle)|*.cle", SansExtension(NomFichier(chemin)) + ".cle", DossierDe(chemin));
    if (!cle || cle->empty()) return;
    if (EcritOuSignale(f, *cle, importee.Octets, "clé importée")) ChargeCle(f, *cle);
}

void ImporteProjet(Lamelix &f, const std::string &chemin, const std::string &projet) {
    const auto dossier = f.Systeme.DialogueEnregistrer(
        f.Libelles.TousFichiers + "|*", SansExtension(NomFichier(projet)), DossierDe(projet));
    if (!dossier || dossier->empty()) return;
    const ProjetImporte importe = ImporteProjetKeyBase(projet, *dossier);
    if (importe.PremiereCle.empty()) {
        DitEchec(f, chemin, importe.Erreurs);
        return;
    }
    ChargeCle(f, importe.PremiereCle);
}

} // namespace

GenreImport GenreAImporter(const std::string &chemin, std::string_view octets) {
    if (octets.rfind("PK\x03\x04", 0) == 0 || NomFichier(chemin) == "keys.tsv")
        return GenreImport::Projet;
    return EstLpxk(octets) ? GenreImport::Lpxk : GenreImport::Tableau;
}

void ImporteFichier(Lamelix &f) {
    const auto chemin = f.Systeme.DialogueOuvrir(f.Libelles.FiltreImporter +
                                                     "|*.csv;*.tsv;*.txt;*.lpxk;*.xml;*.zip|" +
                                                     f.Libelles.TousFichiers + "|*.*",
                                                 f.RepData);
    if (chemin && !chemin->empty()) ImporteFichierChoisi(f, *chemin);
}

void ImporteFichierChoisi(Lamelix &f, const std::string &chemin) {
    const auto octets = LireOctets(chemin);
    if (!octets) {
        DitEchec(f, chemin, {SansBlancs(f.Msg(MsgNonTrouve))});
        return;
    }
    switch (GenreAImporter(chemin, *octets)) {
    case GenreImport::Projet:
        // A project is its .zip, or the folder of its keys.tsv.
        ImporteProjet(f, chemin, NomFichier(chemin) == "keys.tsv" ? DossierDe(chemin) : chemin);
        break;
    case GenreImport::Lpxk:
        ImporteCle(f, chemin, CleDuLpxk(*octets));
        break;
    case GenreImport::Tableau:
        ImporteCle(f, chemin, CleDuTableauImporte(ImporteTableau(*octets)));
        break;
    }
}

void ExporteEchange(Outils &o, FormatEchange format) {
    Lamelix &f = o.Principale;
    const CleCompilee &cle = o.Cle();
    if (cle.FichierCle.empty() || cle.NbLignesM1 < 0) return;
    std::string texte;
    std::string filtre, extension;
    switch (format) {
    case FormatEchange::Tableau:
        texte = TableauDeLaCle(cle);
        filtre = "CSV (*.csv)|*.csv", extension = ".csv";
        break;
    case FormatEchange::KeyBase:
        texte = TableauKeyBaseDeLaCle(cle);
        filtre = "KeyBase (*.tsv)|*.tsv", extension = ".tsv";
        break;
    case FormatEchange::Lpxk:
        texte = LpxkDeLaCle(cle);
        filtre = "LPXK (*.lpxk)|*.lpxk", extension = ".lpxk";
        break;
    }
    const auto chemin = f.Systeme.DialogueEnregistrer(
        filtre, SansExtension(NomFichier(cle.FichierCle)) + extension, DossierDe(cle.FichierCle));
    if (!chemin || chemin->empty()) return;
    EcritOuSignale(f, *chemin, texte, "export");
}

} // namespace lamelix
