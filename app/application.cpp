#include "app/application.hpp"

namespace lamelix {

Application::Application(Services &services)
    : prog_(std::make_unique<Programme>()), annexes_(std::make_unique<FenetresApplication>(*this)),
      principale_(std::make_unique<Lamelix>(*prog_, services, *annexes_)),
      form1_(std::make_unique<Form1>(*principale_)),
      documentation_(std::make_unique<RechercheDocumentation>(*principale_)),
      barre_(std::make_unique<BarreWeb>(*principale_, *form1_, *documentation_)),
      motsCles_(std::make_unique<RechercheMotCle>(*principale_)),
      traduction_(std::make_unique<Traduction>(*principale_)),
      plan_(std::make_unique<PlanCle>(*principale_)),
      outils_(std::make_unique<Outils>(*principale_)) {}

} // namespace lamelix
