#include "app/fenetres_application.hpp"

#include "app/application.hpp"

namespace lamelix {

void FenetresApplication::Form1_Texte(const std::string &texte) {
    app_.Biblio().Text1.SetText(texte);
}
void FenetresApplication::Form1_Titre(const std::string &titre) {
    app_.Biblio().Moi.SetCaption(titre);
}
void FenetresApplication::Form1_Montre() {
    Form1_MontreTexte(app_.Biblio());
}
void FenetresApplication::Form1_Cache() {
    app_.Biblio().Moi.SetVisible(false);
}

void FenetresApplication::MotCle_Click() {
    lamelix::MotCle_Click(app_.MotsCles());
}
void FenetresApplication::MoCle_Click(int index) {
    lamelix::MoCle_Click(app_.MotsCles(), index);
}
void FenetresApplication::RepriseRecherche() {
    lamelix::RepriseRecherche(app_.MotsCles());
}
bool FenetresApplication::RechercheDansHistorique() {
    return app_.MotsCles().Option3[DansHistorique].Value;
}

void FenetresApplication::Xshell(const std::string &lien) {
    lamelix::Xshell(app_.Principale(), lien);
}
void FenetresApplication::Text2_Change() {
    lamelix::Text2_Change(app_.Barre());
}

void FenetresApplication::traduirebtn_Click(int index) {
    lamelix::traduirebtn_Click(app_.Traducteur(), index);
}

void FenetresApplication::MontreOutils() {
    lamelix::MontreOutils(app_.Outil());
}
void FenetresApplication::FermeOutils() {
    lamelix::FermeOutils(app_.Outil());
}
bool FenetresApplication::OutilsVisible() {
    return app_.Outil().Moi.Visible;
}
void FenetresApplication::MnSOut_Click(int index) {
    lamelix::MnSOut_Click(app_.Principale(), index);
}

} // namespace lamelix
