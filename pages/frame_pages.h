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

protected:
    bool HasCtrlShortcuts() const override { return traits_.ctrlShortcuts; }
    bool EscapeEndsPage() const override { return !traits_.keyFilter; }

private:
    FramePageTraits traits_;
};

class CVehiclePage : public CFramePage { public: CVehiclePage(); };
class CVehicleBasicPage : public CFramePage { public: CVehicleBasicPage(); };
class CLambdaPage : public CFramePage { public: CLambdaPage(); };
class CLambdaBasicPage : public CFramePage { public: CLambdaBasicPage(); };
class CAuxPage : public CFramePage { public: CAuxPage(); };
class CAuxBasicPage : public CFramePage { public: CAuxBasicPage(); };

// Ends itself with Back as soon as its start is complete, so the wizard
// returns from the actuator step to the aux step at once.
class CActuatorPage : public CFramePage {
public:
    CActuatorPage();

protected:
    void InitPage() override;
};
