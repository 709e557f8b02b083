#include "pages/frame_pages.h"

#include "app/wizard_flow.h"

namespace {
// template, heading, background Q5100 / other, write button (id), Ctrl keys, key filter
const FramePageTraits kVehicle{{104, "Configurações do Veículo", 246, 247, true, 1182}, true, true};
const FramePageTraits kVehicleBasic{{258, "Configuração do Veículo", 250, 251, true, 1182}, false, false};
const FramePageTraits kLambda{{108, "Simulação da Sonda Lâmbda", 248, 249, true, 1182}, true, true};
const FramePageTraits kLambdaBasic{{117, "Simulação da Sonda Lâmbda", 250, 250, true, 1182}, false, true};
const FramePageTraits kAux{{110, "Funções Auxiliares", 249, 249, true, 1182}, true, false};
const FramePageTraits kAuxBasic{{116, "Funções Auxiliares", 250, 250, true, 1182}, false, true};
const FramePageTraits kActuator{{107, "Configurações do Atuador", 248, 249, true, 1188}, true, true};
}  // namespace

CFramePage::CFramePage(const FramePageTraits& traits) : CConfigPage(traits.look), traits_(traits) {}

CVehiclePage::CVehiclePage() : CFramePage(kVehicle) {}
CVehicleBasicPage::CVehicleBasicPage() : CFramePage(kVehicleBasic) {}
CLambdaPage::CLambdaPage() : CFramePage(kLambda) {}
CLambdaBasicPage::CLambdaBasicPage() : CFramePage(kLambdaBasic) {}
CAuxPage::CAuxPage() : CFramePage(kAux) {}
CAuxBasicPage::CAuxBasicPage() : CFramePage(kAuxBasic) {}
CActuatorPage::CActuatorPage() : CFramePage(kActuator) {}

void CActuatorPage::InitPage() { done(kResultBack); }
