#include "pages/actuator_page.h"

#include "app/wizard_flow.h"

namespace {
// template, heading, background Q5100 / other, write button (id), Ctrl keys, key filter
const FramePageTraits kActuator{{107, "Configurações do Atuador", 248, 249, true, 1188}, true, true};
}  // namespace

CActuatorPage::CActuatorPage() : CFramePage(kActuator) {}

void CActuatorPage::InitPage() { done(kResultBack); }
