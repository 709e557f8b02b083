#include "pages/actuator_page_model.h"

#include "app/parameter_table.h"

ActuatorPageModel::ActuatorPageModel()
    : fields_{
          {kActuatorLowDefault, "Default", "1 - 240 passo(s)", FieldKind::Numeric, "3D", kPos3D, 0},
          {kActuatorLowMin, "Passos Mín", "1 -   40 passo(s)", FieldKind::Numeric, "45", kPos45, 0},
          {kActuatorLowMax, "Passos Máx", "1 -   40 passo(s)", FieldKind::Numeric, "41", kPos41, 0},
          {kActuatorHighDefault, "Default", "1 - 240 passo(s)", FieldKind::Numeric, "3E", kPos3E,
           1},
          {kActuatorHighMin, "Passos Mín", "1 -   40 passo(s)", FieldKind::Numeric, "46", kPos46,
           1},
          {kActuatorHighMax, "Passos Máx", "1 -   40 passo(s)", FieldKind::Numeric, "42", kPos42,
           1},
      } {}

std::string ActuatorPageModel::Caption(const FieldDef& field) const {
    return std::string(field.label) + " (" + ColumnHeading(field.column) + ")";
}

const ActuatorPageModel& ActuatorModel() {
    static const ActuatorPageModel model;
    return model;
}
