#include "pages/aux_pages.h"

namespace {
// template, heading, background Q5100 / other, write button (id), Ctrl keys, key filter
const FramePageTraits kAuxPage{{110, "Funções Auxiliares", 249, 249, true, 1182}, true, false};
const FramePageTraits kAuxBasicPage{{116, "Funções Auxiliares", 250, 250, true, 1182}, false, true};
}  // namespace

CAuxPage::CAuxPage() : CFramePage(kAuxPage) {}
CAuxBasicPage::CAuxBasicPage() : CFramePage(kAuxBasicPage) {}
