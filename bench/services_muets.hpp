#pragma once

#include "consult/fenetres_annexes.hpp"
#include "platform/services.hpp"

namespace lamelix::banc {

// Services that show, open and send nothing and answer Yes, for measuring.
class ServicesMuets : public Services {
  public:
    void Message(const std::string &, const std::string &) override {}
    int Question(const std::string &, const std::string &) override { return ReponseOui; }
    std::optional<std::string> Saisie(const std::string &, const std::string &,
                                      const std::string &) override {
        return std::nullopt;
    }
    std::optional<std::string> DialogueOuvrir(const std::string &, const std::string &) override {
        return std::nullopt;
    }
    std::optional<std::string> DialogueEnregistrer(const std::string &, const std::string &,
                                                   const std::string &) override {
        return std::nullopt;
    }
    void Bip() override {}
    void Sablier(bool) override {}

    void PressePapierVide() override {}
    void PressePapierTexte(const std::string &) override {}
    std::string PressePapierLire() override { return {}; }

    bool ShellEx(const std::string &, const std::string &) override { return false; }
    long LanceProgramme(const std::string &, const std::vector<std::string> &) override {
        return 0;
    }
    bool TermineProgramme(long) override { return false; }
    void Aide(const std::string &) override {}

    bool ConnexionInternet() override { return false; }
    ReponseHttp Requete(const RequeteHttp &) override { return {}; }

    void Patiente() override {}
    double Chrono() override { return 0; }
};

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
