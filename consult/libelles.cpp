#include "consult/libelles.hpp"

#include <span>

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
    {56, &L::RienTrouve, "Aucune ligne ne contient le mot cherché."},
    {57, &L::OuvrirUneAutreCle, "Ouvrir une autre clé ?"},
    {70, &L::BulleImages, "Des images de l'espèce sur le web"},
    {71, &L::BulleBase, "La fiche de l'espèce dans la base de données"},
    {72, &L::BulleDoc, "Les fichiers du dossier de documentation qui nomment l'espèce"},
    {73, &L::BulleBiblio, "La bibliographie d'un mot du nom"},
    {74, &L::BulleTraduire, "Afficher ou cacher la traduction"},
    {75, &L::BulleInventaire, "L'inventaire national des espèces"},
    {76, &L::BulleWeb, "Les descriptions de l'espèce sur le site"},
    {77, &L::BulleRegistre, "L'espèce dans le registre des noms"},
    {78, &L::BulleWebPdf, "Des documents PDF sur l'espèce"},
    {79, &L::BulleStop, "Arrêter la recherche de documentation"},
    {80, &L::FichiersCherches, "Fichiers cherchés"},
    {81, &L::MotsDuNom, "Mots-clés tirés du nom"},
    {82, &L::PremiersMots, "Mots du nom pris en compte"},
    {83, &L::BulleLongueurMot, "Longueur gardée de chaque mot"},
    {84, &L::BulleExtension, "L'extension cherchée, sans le point"},
    {85, &L::MotAChercher, "Mot à chercher dans la bibliographie"},
    {86, &L::LegendeChercher, "Chercher"},
    {90, &L::LegendeImages, "Images"},
    {91, &L::LegendeBase, "Base"},
    {92, &L::LegendeDoc, "Doc"},
    {93, &L::LegendeBiblio, "Biblio"},
    {94, &L::LegendeTraduire, "Traduire"},
    {95, &L::LegendeRegistre, "Registre"},
    {96, &L::LegendeStop, "stop recherche"},
    {97, &L::LegendeTous, "Tous"},
    {98, &L::LegendeNomFichier, "extrait nom fichier"},
    {99, &L::LegendeFiltre, "Filtre N caractères"},
    {100, &L::LegendeMotCle, "MotClé"},
    {101, &L::LegendeChercherMot, "&Chercher"},
    {102, &L::LegendeValider, "&Valider"},
    {103, &L::LegendeAnnuler, "&Annuler"},
    {104, &L::LegendeOu, "&Ou"},
    {105, &L::LegendeEt, "&Et"},
    {106, &L::LegendeDescript, "&Descript."},
    {107, &L::LegendeListe, "&Liste"},
    {108, &L::LegendeSections, "&Sections"},
    {109, &L::LegendeHistoriq, "&Historiq."},
    {110, &L::LegendeCasse, "Ignore M/m"},
    {111, &L::LegendeAccents, "Ignore accents"},
    {112, &L::InviteMot1, "mot cherché"},
    {113, &L::InviteMot2, "second mot (facultatif)"},
    {114, &L::BulleMotCle, "Chercher un mot dans la clé (Ctrl+F)"},
    {115, &L::BulleValider, "Reprendre la consultation au résultat choisi"},
    {116, &L::BulleAnnuler, "Revenir là où l'on était (Échap)"},
    {120, &L::LegendeTraduction, "Traduction"},
    {121, &L::LegendeLangueSource, "Langue source"},
    {122, &L::LegendeLangueResultat, "Langue resultat"},
    {123, &L::LegendeDescriptions, "Descriptions"},
    {124, &L::LegendeHistorique, "Historique"},
    {125, &L::LegendeTraduireBouton, "&Traduire"},
    {126, &L::LegendeCopier, "Copier"},
    {127, &L::InviteSource, "Taper,Glisser ou Ouvrir un fichier texte à traduire"},
    {128, &L::OuvrirPage, "Ouvrir une page de traduction…"},
    {129, &L::TitrePage, "Page de traduction"},
    {130, &L::PagesHtml, "Pages HTML"},
    {131, &L::TexteSource, "Texte d'origine"},
    {132, &L::TexteTraduit, "Texte traduit"},
    {140, &L::TitrePlan, "Plan de la clé"},
    {141, &L::MenuPlan, "&Plan de la clé"},
    {142, &L::EntitePlan, "Entité %1"},
    {143, &L::ClePrincipale, "Clé principale"},
    {144, &L::CleSecondaire, "Clé secondaire %1"},
    {145, &L::NotePlan, "Note :"},
    {146, &L::InviteFiltrePlan, "filtrer : un mot des lignes"},
    {147, &L::BullePlan, "Double-cliquez sur une proposition pour y reprendre la consultation"},
    {148, &L::BulleChemin,
     "Double-cliquez sur une étape pour revenir à ce point du chemin, comme autant de « <== »"},
    {149, &L::PlanVide, "Aucune ligne ne contient ce mot"},
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

// Section OUTILS, numbered on its own.
const Element ElementsOutils[] = {
    {0, &L::OutilCharger, "Charger"},
    {1, &L::OutilSauverRenum, "Sauver renum"},
    {2, &L::OutilQuitter, "Quitter"},
    {3, &L::OutilTestNumerotation, "Test numérotation"},
    {4, &L::OutilAnalyse, "Analyse/Tests"},
    {5, &L::OutilRecharger, "Re-charger"},
    {6, &L::OutilEditer, "Editer"},
    {7, &L::OutilVoirCompil, "voir compil"},
    {8, &L::OutilCoherence, "test cohérence"},
    {9, &L::OutilListeNotes, "liste notes"},
    {10, &L::OutilListeComplements, "liste Complt"},
    {11, &L::OutilVerifLiens, "Verif Liens"},
    {12, &L::OutilSuite, "Suite >>"},
    {13, &L::OutilListeLiens, "Liste liens"},
    {14, &L::OutilNumDepart, "Num. départ"},
    {15, &L::OutilIncrement, "Incrément"},
    {16, &L::OutilCopier, "Copier"},
    {17, &L::OutilEnregistrer, "Enregistrer..."},
    {18, &L::OutilExporter, "Exporter"},
    {19, &L::OutilImprimable, "Imprimable..."},
    {20, &L::OutilPageWeb, "Page web..."},
};

// Section IMPORT, numbered on its own.
const Element ElementsImport[] = {
    {0, &L::MenuImporter, "&Importer..."},
    {1, &L::TitreImporter, "Importer une clé : tableau, LPXK ou projet KeyBase"},
    {2, &L::FiltreImporter, "Tableaux, LPXK et projets"},
    {3, &L::EchecImport, "Le fichier %1 n'a pas été importé :"},
    {4, &L::CleImporteeDans, "Clé importée dans %1"},
    {5, &L::TermeKeyBase, "KeyBase : %1"},
    {6, &L::ExportTableau, "Tableau CSV..."},
    {7, &L::ExportKeyBase, "Tableau KeyBase..."},
    {8, &L::ExportLpxk, "Clé LPXK (Lucid)..."},
};

// Section THEME, numbered on its own. "%1" is the work (a button's caption), "%2" what it gave.
const Element ElementsTheme[] = {
    {0, &L::TravailEnCours, "%1 : en cours…"},
    {1, &L::TravailTermine, "%1 : terminé, %2 lignes"},
    {2, &L::TravailInterrompu, "%1 : interrompu, %2"},
    {3, &L::DocumentationTrouvee, "Recherche de la documentation terminée : %1 fichiers trouvés"},
    {4, &L::DocumentationArretee, "Recherche de la documentation arrêtée : %1 fichiers trouvés"},
    {5, &L::DocumentationInterrompue, "Recherche de la documentation interrompue : %1"},
};

// Section SUIVI, numbered on its own. "%1" is the reason, or the step; "%2" the step's entity.
const Element ElementsSuivi[] = {
    {0, &L::SuiviRechargee, "Clé modifiée sur le disque : rechargée"},
    {1, &L::SuiviCheminGarde, "Clé modifiée sur le disque : rechargée, parcours gardé"},
    {2, &L::SuiviCheminRepris, "Clé modifiée sur le disque, parcours repris au début : %1"},
    {3, &L::SuiviEntiteDisparue, "entité %2 disparue (étape %1)"},
    {4, &L::SuiviLigneDisparue, "proposition de l'étape %1 disparue de l'entité %2"},
    {5, &L::SuiviAutreDestination, "l'étape %1 (entité %2) mène ailleurs"},
};

std::span<const Element> elementsDe(LibellesFenetre::Section section) {
    if (section == LibellesFenetre::Section::Outils) return ElementsOutils;
    if (section == LibellesFenetre::Section::Import) return ElementsImport;
    if (section == LibellesFenetre::Section::Theme) return ElementsTheme;
    if (section == LibellesFenetre::Section::Suivi) return ElementsSuivi;
    return Elements;
}

constexpr LibellesFenetre::Section Sections[] = {
    LibellesFenetre::Section::Fenetre, LibellesFenetre::Section::Outils,
    LibellesFenetre::Section::Import, LibellesFenetre::Section::Theme,
    LibellesFenetre::Section::Suivi};

} // namespace

const std::string &LibellesFenetre::Legende(const std::string &francais) const {
    for (const auto section : Sections)
        for (const Element &e : elementsDe(section))
            if (francais == e.Francais) return this->*e.Texte;
    return francais;
}

void LibellesFenetre::Defauts() {
    for (const auto section : Sections)
        for (const Element &e : elementsDe(section))
            this->*e.Texte = e.Francais;
    Change();
}

const std::string *LibellesFenetre::Lit(int numero, Section section) const {
    for (const Element &e : elementsDe(section))
        if (e.Numero == numero) return &(this->*e.Texte);
    return nullptr;
}

bool LibellesFenetre::Fixe(int numero, std::string texte, Section section) {
    for (const Element &e : elementsDe(section)) {
        if (e.Numero != numero) continue;
        this->*e.Texte = std::move(texte);
        Change();
        return true;
    }
    return false;
}

} // namespace lamelix
