#pragma once
// Actuator step: the stepper actuator's step settings (actuator_page_model.h)
// over the frame. The page ends itself with Back as soon as its start is
// complete, so the wizard returns from the actuator step to the aux step at
// once. It keeps its own Ctrl flag for the Ctrl+arrow shortcuts.

#include "pages/config_page.h"

class CFontLabel;

class CActuatorPage : public CConfigPage {
    Q_OBJECT
  public:
    CActuatorPage();

    bool CtrlDown() const { return ctrlDown_; }

  protected:
    void InitPage() override;
    bool PreTranslateKey(QKeyEvent* event) override;

  private:
    CFontLabel* lowHeading_;
    CFontLabel* highHeading_;
    bool ctrlDown_ = false;
};
