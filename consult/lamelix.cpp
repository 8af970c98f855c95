#include "consult/lamelix.hpp"

#include "search/langues_source.hpp"

namespace lamelix {

Lamelix::Lamelix(Programme &programme, Services &services) : Prog(programme), Systeme(services) {
    RemplitLanguesSource(lgs);
    Caption.SetCaption(NomProgrammeVersion());

    bouton[0].SetCaption("<==");
    bouton[1].SetCaption("RAZ");
    Command4[Cmd4Suiv].SetCaption("suiv.");
    Command4[Cmd4CopieListe].SetCaption(" copie   liste");
    Command4[Cmd4Section].SetCaption("Section");
    Command4[Cmd4Liste].SetCaption("Liste");
    Command4[Cmd4Compare].SetCaption("Compare");
    Command4[Cmd4LM1].SetCaption("LM1");
    Command4[Cmd4LM2].SetCaption("LM2");
    Command4[Cmd4Reprise].SetCaption("Reprise");
    Command4[Cmd4Reprise].SetVisible(false); // shown once a keyword search has run

    chk_Fnote.Caption = "Afficher les notes";
    Check_saut_ligne.Caption = "sauts de ligne";
    check_Option[0].Caption = "Afficher les sections";
    Check_Compare.Caption = "Comparer";
    Check4.Caption = "Automatique";
    Mnuprefx[0].Caption = "&Préfixe";
    MnOutil[30].Caption = "Ignore_S_Nulle";
    FicExtr[1].Caption = "message d'alerte ";
    FicExtr[2].Caption = "recherche manuelle";
    FicExtr[1].Checked = true;

    // Start-up state: notes shown, every other display option off.
    chk_Fnote.Value = 1;
    AfficheNotes = true;

    for (Frame *cache : {&Frame5, &Frame6, &Frame11, &Frame14, &Picture2, &FraFlash, &Form1})
        cache->Visible = false;
    Text4.Visible = false;
    zoomDesc.Visible = false;
    zoomlist.Visible = false;
}

} // namespace lamelix
