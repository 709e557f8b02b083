#pragma once
// Vehicle step: engine settings and, on the Q7100, fuel switching. The
// fields and their conversions are the page models' (vehicle_page_model.h);
// the pages are the frame with the rules of each.

#include "pages/config_page.h"

// Q7100: nine fields, the frame's own rules.
class CVehiclePage : public CConfigPage {
    Q_OBJECT
  public:
    CVehiclePage();
};

// Q5100 and "Q5100 plus": the five engine fields, no key filter, no Ctrl
// shortcuts, no tooltips; list fields put back their text without a message;
// the write button does nothing while "Arquivo" is selected; an incomplete
// load is reported; a save leaves the selector alone.
class CVehicleBasicPage : public CConfigPage {
    Q_OBJECT
  public:
    CVehicleBasicPage();
};
