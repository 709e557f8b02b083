#pragma once
// Actuator step: the stepper actuator's step settings. The page ends itself
// with Back as soon as its start is complete, so the wizard returns from the
// actuator step to the aux step at once.

#include "pages/frame_pages.h"

class CActuatorPage : public CFramePage {
    Q_OBJECT
public:
    CActuatorPage();

protected:
    void InitPage() override;
};
