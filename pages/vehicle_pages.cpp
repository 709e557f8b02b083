#include "pages/vehicle_pages.h"
#include "i18n/ui_text.h"

#include "pages/vehicle_page_model.h"

namespace {

// template, heading, background Q5100 / other, write button (id), second heading
const ConfigPageLook kVehicleLook{104,  TR_NOOP("Configurações do Veículo"),  246, 247, true,
                                  1182, TR_NOOP("Configurações de Comutação")};
const ConfigPageLook kVehicleBasicLook{258, TR_NOOP("Configuração do Veículo"), 250, 251, true, 1182};

FrameRules BasicRules() {
    FrameRules rules;
    rules.ctrlShortcuts = false;
    rules.keyFilter = false;
    rules.tooltips = false;
    rules.startSource = StartSource::SourceFlag;
    rules.listGuard = ListGuard::RestoreFocusText;
    rules.writeRefillsFromFile = false;
    rules.reportIncompleteLoad = true;
    rules.saveSelectsFile = false;
    return rules;
}

}  // namespace

CVehiclePage::CVehiclePage() : CConfigPage(kVehicleLook, &VehicleModel()) {}
CVehicleBasicPage::CVehicleBasicPage()
    : CConfigPage(kVehicleBasicLook, &VehicleBasicModel(), BasicRules()) {}
