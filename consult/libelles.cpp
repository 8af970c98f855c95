#include "consult/libelles.hpp"

namespace lamelix {

namespace {

struct Element {
    int Numero; // its item number in a language file's LIBELLES section
    std::string LibellesFenetre::*Texte;
    const char *Francais;
};

using L = LibellesFenetre;

// Numbers are never reused: a language file keeps naming the same texts.
const Element Elements[] = {
    {0, &L::TitreEspece, "Espèce"},
    {1, &L::EspeceNonAtteinte, "pas encore atteinte"},
    {2, &L::TitrePropositions, "Propositions"},
    {3, &L::TitreChemin, "Chemin suivi"},
    {4, &L::TitreSections, "Sections"},
    {5, &L::TitreNoms, "Noms"},
    {6, &L::TitreComparaison, "Comparaison"},
    {10, &L::BulleList1,
     "Double-cliquez sur la proposition qui convient au spécimen ; clic droit pour l'agrandir"},
    {11, &L::BulleList2,
     "Cliquez sur un nom pour voir le chemin qui y mène ; clic droit pour l'agrandir"},
    {12, &L::BulleList3, "Double-cliquez pour rouvrir une clé ; Maj+clic pour la retirer"},
    {13, &L::BulleRetour, "Revenir au choix précédent (Alt+Gauche)"},
    {14, &L::BulleRAZ, "Recommencer au début de la clé"},
    {15, &L::BulleImage, "Voir l'image attachée à la proposition sélectionnée"},
    {16, &L::BulleLabel1, "Nombre de lignes de la liste"},
    {20, &L::BulleListe, "Toutes les espèces de la clé"},
    {21, &L::BulleSuiv, "Les espèces encore possibles depuis les propositions"},
    {22, &L::BulleSection, "Les titres de sections de la clé"},
    {23, &L::BulleCopieListe, "Copier la liste dans le presse-papiers"},
    {24, &L::BulleLM1, "Mémoriser le chemin actuel (premier)"},
    {25, &L::BulleLM2, "Mémoriser le chemin actuel (second)"},
    {26, &L::BulleCompare, "Comparer les deux chemins mémorisés"},
    {27, &L::BulleReprise, "Relancer la dernière recherche"},
    {30, &L::CheminVide, "Les propositions choisies s'inscrivent ici, une par étape."},
    {31, &L::SectionsVides, "Aucune section sur ce chemin."},
    {32, &L::AucuneProposition, "Aucune proposition à afficher."},
    {33, &L::OuvrezUneCle, "Ouvrez une clé par %1 ▸ %2"},
    {34, &L::EspeceAtteinte, "Espèce atteinte."},
    {35, &L::RetourOuRAZ, "« %1 » revient au choix précédent, « %2 » recommence la clé."},
    {36, &L::ListeVide, "Liste vide."},
    {37, &L::MontreLaListe, "« %1 » montre toutes les espèces de la clé."},
    {38, &L::ActionInterrompue, "Action interrompue"},
    {39, &L::ActionInterrompueCar, "Action interrompue : %1"},
    {40, &L::InviteCommentaire, "Lieu, date, remarques sur le spécimen..."},
    {41, &L::ExplicationExport,
     "L'espèce atteinte, le chemin suivi et ce commentaire seront enregistrés dans un fichier "
     "texte."},
    {42, &L::Commentaire, "commentaire"},
    {43, &L::Dossiers, "Dossiers (double-clic pour ouvrir)"},
    {44, &L::Fichiers, "Fichiers"},
    {45, &L::DossierCourant, "Dossier : %1"},
    {46, &L::FichierParDefaut, "Fichier par défaut : %1"},
    {47, &L::AideCles, "aide clés"},
    {48, &L::FermerAccueil, "fermer"},
    {49, &L::RechercheDoc, "Recherche de documentation"},
    {50, &L::DossierRacine, "Dossier racine : %1"},
    {51, &L::Aucun, "(aucun)"},
    {52, &L::ImageIntrouvable, "Image illisible : %1"},
    {53, &L::Apropos, "Consultation et mise au point de clés d'identification."},
    {54, &L::AvisApropos,
     "Une clé ne remplace pas l'avis d'un spécialiste : ne consommez jamais une espèce sur la "
     "seule foi d'une clé."},
    {55, &L::Fermer, "Fermer"},
    {60, &L::TitreAide, "Aide de Lamelix"},
    {61, &L::Precedent, "Précédent"},
    {62, &L::Sommaire, "Sommaire"},
    {63, &L::AideIntrouvable, "Aide introuvable"},
    {64, &L::PageAbsente, "La page d'aide %1 n'est pas installée."},
    {65, &L::TitreOuvrir, "Ouvrir"},
    {66, &L::TitreEnregistrer, "Enregistrer"},
    {67, &L::TousFichiers, "Fichiers"},
    {68, &L::SansReponse, "pas de réponse après %1 s"},
};

} // namespace

void LibellesFenetre::Defauts() {
    for (const Element &e : Elements)
        this->*e.Texte = e.Francais;
    Change();
}

const std::string *LibellesFenetre::Lit(int numero) const {
    for (const Element &e : Elements)
        if (e.Numero == numero) return &(this->*e.Texte);
    return nullptr;
}

bool LibellesFenetre::Fixe(int numero, std::string texte) {
    for (const Element &e : Elements) {
        if (e.Numero != numero) continue;
        this->*e.Texte = std::move(texte);
        Change();
        return true;
    }
    return false;
}

} // namespace lamelix
