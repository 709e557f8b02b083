#pragma once
// The actuator step: default, least and most motor steps of the stepper
// actuator for low and for high engine speed, six registers shown in
// decimal without scaling (the frame's default conversions). The same page
// serves every model.

#include "pages/page_model.h"

enum ActuatorControl {
    kActuatorLowDefault = 1214,
    kActuatorLowMin = 1215,
    kActuatorLowMax = 1216,
    kActuatorHighDefault = 1208,
    kActuatorHighMin = 1210,
    kActuatorHighMax = 1212,
};

class ActuatorPageModel : public PageModel {
  public:
    ActuatorPageModel();
    const std::vector<FieldDef>& Fields() const override { return fields_; }
    PageProtocol Protocol() const override {
        return {EcuCaller::ActuatorPage, EcuCaller::ActuatorPage, EcuCaller::ActuatorPage};
    }
    // Fill and write go "3D", "45", "41", "3E", "46", "42": the screen order.
    std::vector<int> WriteOrder() const override { return FillOrder(); }
    // "Default (Baixa Rotação)": both columns have the same three labels.
    std::string Caption(const FieldDef& field) const override;
    // The headings of the two columns, untranslated (Tr where shown).
    static const char* ColumnHeading(int column) {
        return column == 0 ? TR_NOOP("Baixa Rotação") : TR_NOOP("Alta Rotação");
    }

  private:
    std::vector<FieldDef> fields_;
};

const ActuatorPageModel& ActuatorModel();
