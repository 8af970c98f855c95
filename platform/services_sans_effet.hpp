#pragma once

#include "platform/services.hpp"

namespace lamelix {

// Services that show, open and send nothing and answer Yes: for work nobody watches (a check
// compiled aside, a measure).
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

} // namespace lamelix
