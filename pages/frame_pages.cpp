#include "pages/frame_pages.h"

namespace {
FrameRules RulesOf(const FramePageTraits& traits) {
    FrameRules rules;
    rules.ctrlShortcuts = traits.ctrlShortcuts;
    rules.keyFilter = traits.keyFilter;
    return rules;
}
}  // namespace

CFramePage::CFramePage(const FramePageTraits& traits)
    : CConfigPage(traits.look, nullptr, RulesOf(traits)) {}
