#include "pages/vehicle_pages.h"

namespace {
// template, heading, background Q5100 / other, write button (id), Ctrl keys, key filter
const FramePageTraits kVehiclePage{{104, "Configurações do Veículo", 246, 247, true, 1182}, true, true};
const FramePageTraits kVehicleBasicPage{{258, "Configuração do Veículo", 250, 251, true, 1182}, false, false};
}  // namespace

CVehiclePage::CVehiclePage() : CFramePage(kVehiclePage) {}
CVehicleBasicPage::CVehicleBasicPage() : CFramePage(kVehicleBasicPage) {}
