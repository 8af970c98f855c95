#pragma once

#include "app/fenetres_application.hpp"
#include "consult/lamelix.hpp"
#include "search/documentation.hpp"
#include "search/form1.hpp"
#include "search/liens_web.hpp"
#include "search/plan_cle.hpp"
#include "search/recherche_mot_cle.hpp"
#include "search/traduction.hpp"
#include "tools/outils.hpp"

#include <memory>

namespace lamelix {

// The program put together, as the window, the command line and the tests run it: the
// program-wide state, the main window, the windows and panels above it, and the one
// implementation of the main window's calls into them. Each part lives on the heap at a fixed
// address: the windows hold references to each other.
class Application {
  public:
    explicit Application(Services &services);
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    Programme &Prog() { return *prog_; }
    Lamelix &Principale() { return *principale_; }
    Form1 &Biblio() { return *form1_; }
    RechercheDocumentation &Documentation() { return *documentation_; }
    BarreWeb &Barre() { return *barre_; }
    RechercheMotCle &MotsCles() { return *motsCles_; }
    Traduction &Traducteur() { return *traduction_; }
    PlanCle &Plan() { return *plan_; }
    Outils &Outil() { return *outils_; }

  private:
    std::unique_ptr<Programme> prog_;
    std::unique_ptr<FenetresApplication> annexes_;
    std::unique_ptr<Lamelix> principale_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<RechercheDocumentation> documentation_;
    std::unique_ptr<BarreWeb> barre_;
    std::unique_ptr<RechercheMotCle> motsCles_;
    std::unique_ptr<Traduction> traduction_;
    std::unique_ptr<PlanCle> plan_;
    std::unique_ptr<Outils> outils_;
};

} // namespace lamelix
