#pragma once

#include "consult/fenetres_annexes.hpp"
#include "platform/services_sans_effet.hpp"

namespace lamelix::banc {

using lamelix::ServicesMuets;

// No window above the main one: what a measure of the consultation alone needs.
class FenetresMuettes final : public FenetresAnnexes {
  public:
    void Form1_Texte(const std::string &) override {}
    void Form1_Titre(const std::string &) override {}
    void Form1_Montre() override {}
    void Form1_Cache() override {}
    void MotCle_Click() override {}
    void MoCle_Click(int) override {}
    void RepriseRecherche() override {}
    bool RechercheDansHistorique() override { return false; }
    void Xshell(const std::string &) override {}
    void Text2_Change() override {}
    void traduirebtn_Click(int) override {}
    void MontreOutils() override {}
    void FermeOutils() override {}
    bool OutilsVisible() override { return false; }
    void MnSOut_Click(int) override {}
};

} // namespace lamelix::banc
