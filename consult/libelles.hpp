#pragma once

#include "platform/controles.hpp"

#include <string>
#include <vector>

namespace lamelix {

// The texts of the main window, its panels and its dialogs that belong to no control of their
// own: box titles, tooltips, what an empty box says, the labels of the task panels, and the
// captions of the tools window. French until an interface language file replaces them, item by
// item (sections LIBELLES, OUTILS, THEME and SUIVI, each numbered on its own). A "%1" in a text is
// where the skin puts what it names (a path, a caption).
struct LibellesFenetre : Controle {
    LibellesFenetre() { Defauts(); }

    // The main window.
    std::string TitreEspece, EspeceNonAtteinte, TitrePropositions, TitreChemin, TitreSections,
        TitreNoms, TitreComparaison;
    std::string BulleList1, BulleList2, BulleList3, BulleRetour, BulleRAZ, BulleImage, BulleLabel1;
    std::string BulleListe, BulleSuiv, BulleSection, BulleCopieListe, BulleLM1, BulleLM2,
        BulleCompare, BulleReprise;
    std::string CheminVide, SectionsVides;
    std::string AucuneProposition, OuvrezUneCle, EspeceAtteinte, RetourOuRAZ, ListeVide,
        MontreLaListe, RienTrouve, OuvrirUneAutreCle;
    std::string ActionInterrompue, ActionInterrompueCar;
    // The task panels.
    std::string InviteCommentaire, ExplicationExport, Commentaire;
    std::string Dossiers, Fichiers, DossierCourant, FichierParDefaut;
    std::string AideCles, FermerAccueil;
    std::string RechercheDoc, DossierRacine, Aucun;
    std::string ImageIntrouvable;
    std::string Apropos, AvisApropos;
    std::string Fermer;
    // The look-ups of the species reached, the documentation set-up and the bibliography words.
    std::string BulleImages, BulleBase, BulleDoc, BulleBiblio, BulleTraduire, BulleInventaire,
        BulleWeb, BulleRegistre, BulleWebPdf, BulleStop;
    std::string FichiersCherches, MotsDuNom, PremiersMots, BulleLongueurMot, BulleExtension;
    std::string MotAChercher;
    // The captions of the buttons and boxes of the search windows, by their built-in French
    // caption (see Legende).
    std::string LegendeImages, LegendeBase, LegendeDoc, LegendeBiblio, LegendeTraduire,
        LegendeRegistre, LegendeStop, LegendeTous, LegendeNomFichier, LegendeFiltre,
        LegendeChercher;
    // The keyword panel: its button, captions, the hints of its word boxes.
    std::string LegendeMotCle, LegendeChercherMot, LegendeValider, LegendeAnnuler, LegendeOu,
        LegendeEt, LegendeDescript, LegendeListe, LegendeSections, LegendeHistoriq, LegendeCasse,
        LegendeAccents;
    std::string InviteMot1, InviteMot2, BulleMotCle, BulleValider, BulleAnnuler;
    // The translation panel.
    std::string LegendeTraduction, LegendeLangueSource, LegendeLangueResultat, LegendeDescriptions,
        LegendeHistorique, LegendeTraduireBouton, LegendeCopier, InviteSource, OuvrirPage,
        TitrePage, PagesHtml, TexteSource, TexteTraduit;
    // The key map and the steps of the path.
    std::string TitrePlan, MenuPlan, EntitePlan, ClePrincipale, CleSecondaire, NotePlan,
        InviteFiltrePlan, BullePlan, BulleChemin, PlanVide;
    // The help window and the system dialogs.
    std::string TitreAide, Precedent, Sommaire, AideIntrouvable, PageAbsente;
    std::string TitreOuvrir, TitreEnregistrer, TousFichiers, SansReponse;
    // The key authors' tools window (section OUTILS): its buttons and number boxes, whose models
    // hold the French captions (see Legende), and the actions of its report boxes.
    std::string OutilCharger, OutilSauverRenum, OutilQuitter, OutilTestNumerotation, OutilAnalyse,
        OutilRecharger, OutilEditer, OutilVoirCompil, OutilCoherence, OutilListeNotes,
        OutilListeComplements, OutilVerifLiens, OutilSuite, OutilListeLiens, OutilNumDepart,
        OutilIncrement;
    std::string OutilCopier, OutilEnregistrer, OutilExporter, OutilImprimable, OutilPageWeb;
    // The exchange with other key systems (section IMPORT): "Fichier > Importer...", the export
    // formats of the tools window, and the frame that names a fault as KeyBase names it.
    std::string MenuImporter, TitreImporter, FiltreImporter, EchecImport, CleImporteeDans,
        TermeKeyBase, ExportTableau, ExportKeyBase, ExportLpxk;
    // What long work says on a status line while it runs and when it ends (section THEME).
    std::string TravailEnCours, TravailTermine, TravailInterrompu, DocumentationTrouvee,
        DocumentationArretee, DocumentationInterrompue;
    // The key loaded again once its file changed on disk, and why the path was given up
    // (section SUIVI; "%1" is the step, "%2" its entity).
    std::string SuiviRechargee, SuiviCheminGarde, SuiviCheminRepris, SuiviEntiteDisparue,
        SuiviLigneDisparue, SuiviAutreDestination;

    // The built-in French texts, every one.
    void Defauts();
    // The numbered sections of a language file these texts come from.
    enum class Section { Fenetre, Outils, Import, Theme, Suivi };
    // The text of that item number, nullptr when there is no such item.
    const std::string *Lit(int numero, Section section = Section::Fenetre) const;
    // Replaces the text of that item number; false when there is no such item.
    bool Fixe(int numero, std::string texte, Section section = Section::Fenetre);
    // A caption that a window model gives in French, in the interface language: the text of the
    // item whose built-in French text it is, else the caption itself.
    const std::string &Legende(const std::string &francais) const;
};

struct Lamelix;

// A caption that an interface language file may change: its section, its item number (-1 in a
// single section) and its text now.
struct CaptionDeLangue {
    std::string Section;
    int Numero = -1;
    std::string Texte;
};
// Every such caption of the main window, its menus and its panels (consult/langue.cpp).
std::vector<CaptionDeLangue> CaptionsDeLangue(Lamelix &f);

} // namespace lamelix
