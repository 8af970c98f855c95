#pragma once

#include "consult/fenetres_annexes.hpp"

namespace lamelix {

class Application;

// The one implementation of the main window's calls into the windows above it: each call goes
// to the window of the application that answers it.
class FenetresApplication final : public FenetresAnnexes {
  public:
    explicit FenetresApplication(Application &app) : app_(app) {}

    void Form1_Texte(const std::string &texte) override;
    void Form1_Titre(const std::string &titre) override;
    void Form1_Montre() override;
    void Form1_Cache() override;
    void MotCle_Click() override;
    void MoCle_Click(int index) override;
    void RepriseRecherche() override;
    bool RechercheDansHistorique() override;
    void Xshell(const std::string &lien) override;
    void Text2_Change() override;
    void traduirebtn_Click(int index) override;
    void MontreOutils() override;
    void FermeOutils() override;
    bool OutilsVisible() override;
    void MnSOut_Click(int index) override;

  private:
    Application &app_;
};

} // namespace lamelix
