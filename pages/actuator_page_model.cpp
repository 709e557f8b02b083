#include "pages/actuator_page_model.h"

#include "app/parameter_table.h"

ActuatorPageModel::ActuatorPageModel()
    : fields_{
          {kActuatorLowDefault, TR_NOOP("Default"), TR_NOOP("1 - 240 passo(s)"), FieldKind::Numeric, "3D", kPos3D, 0},
          {kActuatorLowMin, TR_NOOP("Passos Mín"), TR_NOOP("1 -   40 passo(s)"), FieldKind::Numeric, "45", kPos45, 0},
          {kActuatorLowMax, TR_NOOP("Passos Máx"), TR_NOOP("1 -   40 passo(s)"), FieldKind::Numeric, "41", kPos41, 0},
          {kActuatorHighDefault, TR_NOOP("Default"), TR_NOOP("1 - 240 passo(s)"), FieldKind::Numeric, "3E", kPos3E,
           1},
          {kActuatorHighMin, TR_NOOP("Passos Mín"), TR_NOOP("1 -   40 passo(s)"), FieldKind::Numeric, "46", kPos46,
           1},
          {kActuatorHighMax, TR_NOOP("Passos Máx"), TR_NOOP("1 -   40 passo(s)"), FieldKind::Numeric, "42", kPos42,
           1},
      } {}

std::string ActuatorPageModel::Caption(const FieldDef& field) const {
    return TrStd(field.label) + " (" + TrStd(ColumnHeading(field.column)) + ")";
}

const ActuatorPageModel& ActuatorModel() {
    static const ActuatorPageModel model;
    return model;
}
