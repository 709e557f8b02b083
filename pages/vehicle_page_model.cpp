#include "pages/vehicle_page_model.h"
#include "data/number_text.h"

#include <cstdlib>

#include "app/parameter_table.h"

namespace {

constexpr unsigned kCylinders[] = {2, 4, 5, 6, 8, 10, 12};
constexpr int kCylinderEntries = sizeof kCylinders / sizeof kCylinders[0];
// Register "2B" codes the first option, "Tacômetro", as 9; 0 shows as it too.
constexpr unsigned kTachometerCode = 9;

enum VehicleControl {
    kReturnEnabled = 1011,
    kReturnTime = 1231,
    kSwitchingSpeed = 1124,
    kSwitchingType = 1043,
    kTpsType = 1003,
    kTpsHysteresis = 1004,
    kLambdaProbe = 1005,
    kCoils = 1001,
    kCylindersField = 1002,
};

// Screen order: engine fields on the left, switching fields on the right.
const FieldDef kCylindersDef{
    kCylindersField, TR_NOOP("Número de Cilindros"), "", FieldKind::List, "2C", kPos2C, 0};
const FieldDef kCoilsDef{kCoils, TR_NOOP("Número de Bobinas"), "", FieldKind::List, "2B", kPos2B, 0};
const FieldDef kLambdaDef{
    kLambdaProbe, TR_NOOP("Tipo de Sonda Lâmbda"), "V", FieldKind::List, "13", kPos13, 0};
const FieldDef kTpsTypeDef{kTpsType, TR_NOOP("Tipo de TPS"), "V", FieldKind::List, "10", kPos10, 0};
const FieldDef kHysteresisDef{
    kTpsHysteresis, TR_NOOP("Histerese do TPS"), "V", FieldKind::List, "12", kPos12, 0};

const VehiclePageTable kVehicleTable{
    {kCylindersDef,
     kCoilsDef,
     kLambdaDef,
     kTpsTypeDef,
     kHysteresisDef,
     {kReturnEnabled, TR_NOOP("Retorno Automático (Combustível Líquido)"), "", FieldKind::List, "7F", kPos7F,
      1},
     {kReturnTime, TR_NOOP("Tempo de Retorno"), TR_NOOP("1-100 Min"), FieldKind::Numeric, "80", kPos80, 1,
      LimitCheck::Vehicle},
     {kSwitchingSpeed, TR_NOOP("RPM de Comutação"), TR_NOOP("1-5000 rpm"), FieldKind::Numeric, "75_76", kPos75, 1,
      LimitCheck::Vehicle, true},
     {kSwitchingType, TR_NOOP("Tipo de Comutação"), "", FieldKind::List, "74", kPos74, 1}},
    {kReturnEnabled, kReturnTime, kSwitchingSpeed, kSwitchingType, kTpsType, kTpsHysteresis,
     kLambdaProbe, kCoils, kCylindersField},
    {kSwitchingSpeed, kSwitchingType, kReturnEnabled, kReturnTime, kCoils, kCylindersField,
     kTpsType, kTpsHysteresis, kLambdaProbe},
    {EcuCaller::VehiclePage, EcuCaller::VehiclePage, EcuCaller::VehiclePageField, true},
};

FieldDef InRightColumn(FieldDef field) {
    field.column = 1;
    return field;
}

// Without the switching fields the TPS pair fills the right column.
const VehiclePageTable kVehicleBasicTable{
    {kCylindersDef, kCoilsDef, kLambdaDef, InRightColumn(kTpsTypeDef),
     InRightColumn(kHysteresisDef)},
    {kTpsType, kTpsHysteresis, kLambdaProbe, kCoils, kCylindersField},
    {kCoils, kCylindersField, kTpsType, kTpsHysteresis, kLambdaProbe},
    {EcuCaller::VehicleBasicPage, EcuCaller::VehicleBasicPage, EcuCaller::VehicleBasicPage, false},
};

}  // namespace

unsigned VehiclePageModel::CylindersForIndex(int index) {
    return index >= 0 && index < kCylinderEntries ? kCylinders[index] : kCylinders[0];
}

int VehiclePageModel::IndexForCylinders(unsigned value) {
    for (int i = 0; i < kCylinderEntries; ++i)
        if (kCylinders[i] == value)
            return i;
    return 0;
}

std::string VehiclePageModel::ValueOnlyOption(int controlId, int index) const {
    if (controlId != kCylindersField || index < 0 || index >= kCylinderEntries)
        return std::string();
    return std::to_string(kCylinders[index]);
}

int VehiclePageModel::ShowField(const FieldDef& field, CRX4DATA& store, FieldValue& value) const {
    unsigned registerValue = 0;
    switch (field.controlId) {
        case kSwitchingSpeed: {
            unsigned high = 0;
            if (!RegisterValue(store, "75", &registerValue) || !RegisterValue(store, "76", &high))
                return 1;
            value.text = std::to_string(high * 256 + registerValue);
            return 0;
        }
        case kCoils:
            if (!RegisterValue(store, "2B", &registerValue))
                return 1;
            value.index = registerValue == kTachometerCode ? 0 : static_cast<int>(registerValue);
            return 0;
        case kCylindersField:
            if (!RegisterValue(store, "2C", &registerValue))
                return 1;
            value.index = IndexForCylinders(registerValue);
            return 0;
        default:
            return PageModel::ShowField(field, store, value);
    }
}

void VehiclePageModel::QueueField(const FieldDef& field, const FieldValue& value, QueueMode mode,
                                  CRX4DATA& reference, PendingWrites& pending) const {
    switch (field.controlId) {
        case kSwitchingSpeed: {
            // No scaling: the number of revolutions, low byte in "75".
            const unsigned rpm = static_cast<unsigned>(NumberText::ToInt(value.text));
            if (mode == QueueMode::FocusedField) {
                QueueAlways("75", rpm & 255, pending);
                QueueAlways("76", rpm >> 8, pending);
            } else {
                QueueIfChanged("75", rpm & 255, reference, pending);
                QueueIfChanged("76", rpm >> 8, reference, pending);
            }
            return;
        }
        case kCoils:
            if (value.index < 0)
                return;
            QueueIfChanged("2B",
                           value.index == 0 ? kTachometerCode : static_cast<unsigned>(value.index),
                           reference, pending);
            return;
        case kCylindersField:
            // Queued on every pass, changed or not, so that a write of an
            // unchanged page still reaches the ECU.
            if (value.index >= 0)
                QueueAlways("2C", CylindersForIndex(value.index), pending);
            return;
        default:
            PageModel::QueueField(field, value, mode, reference, pending);
    }
}

const VehiclePageModel& VehicleModel() {
    static const VehiclePageModel model(kVehicleTable);
    return model;
}

const VehiclePageModel& VehicleBasicModel() {
    static const VehiclePageModel model(kVehicleBasicTable);
    return model;
}
