#pragma once
// Vehicle step: engine settings and, on the Q7100, fuel switching.
// (frame only until the fields arrive)

#include "pages/frame_pages.h"

class CVehiclePage : public CFramePage {
    Q_OBJECT
public:
    CVehiclePage();
};

class CVehicleBasicPage : public CFramePage {
    Q_OBJECT
public:
    CVehicleBasicPage();
};
