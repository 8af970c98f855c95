#pragma once

#include "platform/services.hpp"

namespace lamelix::banc {

// Dialogs that show nothing and answer Yes, for measuring.
class ServicesMuets : public Services {
  public:
    void Message(const std::string &, const std::string &) override {}
    int Question(const std::string &, const std::string &) override { return ReponseOui; }
    void PressePapierVide() override {}
    void PressePapierTexte(const std::string &) override {}
    std::string PressePapierLire() override { return {}; }
};

} // namespace lamelix::banc
