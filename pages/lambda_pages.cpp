#include "pages/lambda_pages.h"

namespace {
// template, heading, background Q5100 / other, write button (id), Ctrl keys, key filter
const FramePageTraits kLambdaPage{{108, "Simulação da Sonda Lâmbda", 248, 249, true, 1182}, true, true};
const FramePageTraits kLambdaBasicPage{{117, "Simulação da Sonda Lâmbda", 250, 250, true, 1182}, false, true};
}  // namespace

CLambdaPage::CLambdaPage() : CFramePage(kLambdaPage) {}
CLambdaBasicPage::CLambdaBasicPage() : CFramePage(kLambdaBasicPage) {}
