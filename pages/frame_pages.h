#pragma once
// The configuration pages whose fields arrive later: each shows its frame
// (heading, background, buttons, key conventions) and ends as the wizard
// expects, so the whole page sequence runs from the start.

#include "pages/config_page.h"

// What differs between the frame-only pages, as data.
struct FramePageTraits {
    ConfigPageLook look;
    bool ctrlShortcuts;
    bool keyFilter;  // a key filter swallows Escape
};

class CFramePage : public CConfigPage {
    Q_OBJECT
  public:
    explicit CFramePage(const FramePageTraits& traits);
};
