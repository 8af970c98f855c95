#pragma once

#include "consult/fenetres_annexes.hpp"

#include <string>
#include <vector>

namespace lamelix::test {

// The windows above the main one, replaced by a record of each call in call order:
// "Form1_Texte: <text>", "MoCle_Click: 1", "Xshell: <link>"... The two questions answer from
// their fields.
class FenetresFactices final : public FenetresAnnexes {
  public:
    std::vector<std::string> Appels;
    bool DansHistorique = false;
    bool OutilsMontres = false;

    void Form1_Texte(const std::string &t) override { note("Form1_Texte: " + t); }
    void Form1_Titre(const std::string &t) override { note("Form1_Titre: " + t); }
    void Form1_Montre() override { note("Form1_Montre"); }
    void Form1_Cache() override { note("Form1_Cache"); }
    void MotCle_Click() override { note("MotCle_Click"); }
    void MoCle_Click(int i) override { note("MoCle_Click: " + std::to_string(i)); }
    void RepriseRecherche() override { note("RepriseRecherche"); }
    bool RechercheDansHistorique() override { return DansHistorique; }
    void Xshell(const std::string &lien) override { note("Xshell: " + lien); }
    void Text2_Change() override { note("Text2_Change"); }
    void traduirebtn_Click(int i) override { note("traduirebtn_Click: " + std::to_string(i)); }
    void MontreOutils() override { note("MontreOutils"); }
    void FermeOutils() override { note("FermeOutils"); }
    bool OutilsVisible() override { return OutilsMontres; }
    void MnSOut_Click(int i) override { note("MnSOut_Click: " + std::to_string(i)); }

  private:
    void note(std::string appel) { Appels.push_back(std::move(appel)); }
};

} // namespace lamelix::test
