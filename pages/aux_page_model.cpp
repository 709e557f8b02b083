#include "pages/aux_page_model.h"
#include "data/number_text.h"

#include <cstdio>
#include <cstdlib>

#include "app/parameter_table.h"
#include "comm/ecu_protocol.h"
#include "comm/hex_text.h"
#include "data/store_text.h"

namespace {

constexpr double kPeriodNumerator = 120000000.0;
constexpr int kMaxCutOffRpm = 5000;
constexpr int kMinOpening = 1;
constexpr int kMaxOpening = 100;
constexpr double kMaxDelaySeconds = 5.1;

const char* const kHeatingLabel = TR_NOOP("Tempo de Aquecimento da Sonda Lâmbda");

const ParameterRecord& Record(int pos) {
    return g_ParameterTable[pos];
}

std::string Whole(double value) {
    return std::to_string(static_cast<int>(value));
}

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

const FieldValue& ValueOf(const FieldValues& values, int controlId) {
    static const FieldValue kEmpty;
    const auto found = values.find(controlId);
    return found == values.end() ? kEmpty : found->second;
}

// Shows an option of a list record: the register value minus the first code.
bool FillList(CRX4DATA& store, int pos, int controlId, FieldValues& values) {
    uint32_t v = 0;
    if (!PageModel::RegisterValue(store, Record(pos).Address, &v))
        return false;
    values[controlId].index = static_cast<int>(v) - NumberText::ToInt(Record(pos).Values[0]);
    return true;
}

void QueueList(const FieldValues& values, int controlId, int pos, CRX4DATA& reference,
               PendingWrites& pending) {
    const int index = ValueOf(values, controlId).index;
    if (index < 0)
        return;
    QueueRegisterWrite(Record(pos), std::to_string(index).c_str(), 1, reference, pending);
}

// Register value times the record's step, as the seconds fields show it.
bool FillSeconds(CRX4DATA& store, int pos, int controlId, FieldValues& values) {
    uint32_t v = 0;
    if (!PageModel::RegisterValue(store, Record(pos).Address, &v))
        return false;
    values[controlId].text = NumberText::Format("%1.2f", v * Record(pos).Step);
    return true;
}

bool FillTwoBytes(CRX4DATA& store, const char* low, const char* high, double scale, int controlId,
                  FieldValues& values) {
    uint32_t lo = 0, hi = 0;
    if (!PageModel::RegisterValue(store, low, &lo) || !PageModel::RegisterValue(store, high, &hi))
        return false;
    values[controlId].text = Whole((lo + 256.0 * hi) * scale);
    return true;
}

std::vector<FieldDef> BasicFields() {
    return {
        {kAuxCutOff, TR_NOOP("Cut Off"), "", FieldKind::List, "20", kPos20, 0},
        {kAuxCutOffRpm, TR_NOOP("RPM de Cut Off"), "RPM", FieldKind::Numeric, "26_27", kPos27, 0},
        {kAuxCutOffOpening, TR_NOOP("Abertura de Cut Off"), TR_NOOP("Passos"), FieldKind::Numeric, "21", kPos21, 0},
        {kAuxHeatingBasic, kHeatingLabel, "s", FieldKind::Numeric, "15_16", kPos15, 1},
    };
}

std::vector<FieldDef> FullFields() {
    return {
        {kAuxCutOff, TR_NOOP("Cut Off"), "", FieldKind::List, "20", kPos20, 0},
        {kAuxCutOffRpm, TR_NOOP("RPM de Cut Off"), "rpm", FieldKind::Numeric, "26_27", kPos27, 0,
         LimitCheck::AuxUnscaled},
        {kAuxCutOffOpening, TR_NOOP("Abertura de Cut Off"), TR_NOOP("Passo(s)"), FieldKind::Numeric, "21", kPos21, 0,
         LimitCheck::AuxUnscaled},
        {kAuxCutOffDelay, TR_NOOP("Delay de Cut Off"), "s", FieldKind::Numeric, "70", kPos70, 0,
         LimitCheck::AuxScaled},
        {kAuxHeating, kHeatingLabel, "s", FieldKind::Numeric, "15_16", kPos15, 1,
         LimitCheck::AuxUnscaled},
        {kAuxRelay, TR_NOOP("Relé Auxiliar"), "", FieldKind::List, "82", kPos82, 1},
        {kAuxOverlap, TR_NOOP("Tempo de sobreposição"), "s", FieldKind::Numeric, "77", kPos77, 1,
         LimitCheck::AuxScaled},
    };
}

}  // namespace

uint32_t CutOffRpmFromPeriod(uint32_t period, uint32_t factor2B, uint32_t factor2C) {
    if (period == 0 || factor2C == 0)
        return 0;
    return static_cast<uint32_t>(kPeriodNumerator * factor2B /
                                 (static_cast<double>(factor2C) * period));
}

uint32_t CutOffPeriodFromRpm(uint32_t rpm, uint32_t factor2B, uint32_t factor2C) {
    if (rpm == 0 || factor2B == 0 || factor2C == 0)
        return 0;
    const double period = kPeriodNumerator * factor2B / (static_cast<double>(rpm) * factor2C);
    return period > kMaxCutOffPeriod ? kMaxCutOffPeriod : static_cast<uint32_t>(period);
}

std::string NormaliseCutOffDelay(const std::string& text) {
    const double seconds = NumberText::ToDouble(text);
    if (seconds < 0)
        return "0.00";
    if (seconds > kMaxDelaySeconds)
        return "5.1";
    return NumberText::Format("%1.2f", seconds);
}

std::vector<int> AuxPageModelBase::WriteOrder() const {
    std::vector<int> order;
    for (const std::string& key : FullWriteOrder()) order.push_back(FindFieldByKey(key)->controlId);
    return order;
}

int AuxPageModelBase::HeatingControl() const {
    return FindFieldByKey("15_16")->controlId;
}

std::string AuxPageModelBase::CutOffOpeningText(const FieldValues& values) const {
    return ValueOf(values, kAuxCutOffOpening).text;
}

void AuxPageModelBase::QueueFieldForKey(const std::string& key, const FieldValues& values,
                                        CRX4DATA& reference, PendingWrites& pending) const {
    if (key == "20") {
        QueueList(values, kAuxCutOff, kPos20, reference, pending);
    } else if (key == "82" && FindField(kAuxRelay)) {
        QueueList(values, kAuxRelay, kPos82, reference, pending);
    } else if (key == "21") {
        QueueRegisterWrite(Record(kPos21), CutOffOpeningText(values).c_str(), 2, reference,
                           pending);
    } else if (key == "70" && FindField(kAuxCutOffDelay)) {
        QueueRegisterWrite(Record(kPos70), ValueOf(values, kAuxCutOffDelay).text.c_str(), 2,
                           reference, pending);
    } else if (key == "77" && FindField(kAuxOverlap)) {
        QueueRegisterWrite(Record(kPos77), ValueOf(values, kAuxOverlap).text.c_str(), 2, reference,
                           pending);
    } else if (key == "15_16") {
        // A group spans two registers: both bytes go, unlike single fields.
        const uint32_t seconds =
            static_cast<uint32_t>(NumberText::ToInt(ValueOf(values, HeatingControl()).text));
        pending.Append("15", Hex(seconds & 0xFF).c_str());
        pending.Append("16", Hex((seconds >> 8) & 0xFF).c_str());
    } else if (key == "26_27") {
        QueueCutOffRpm(values, reference, pending);
    }
}

void AuxPageModelBase::QueueAllFields(const FieldValues& values, CRX4DATA& reference,
                                      PendingWrites& pending) const {
    for (const std::string& key : FullWriteOrder())
        QueueFieldForKey(key, values, reference, pending);
}

AuxBasicPageModel::AuxBasicPageModel() : AuxPageModelBase(BasicFields(), EcuCaller::AuxBasicPage) {}

int AuxBasicPageModel::FillFromStore(CRX4DATA& store, FieldValues& values) const {
    if (!FillList(store, kPos20, kAuxCutOff, values))
        return 1;
    uint32_t opening = 0;
    if (!RegisterValue(store, "21", &opening))
        return 1;
    values[kAuxCutOffOpening].text = Whole(opening * Record(kPos21).Step);

    uint32_t low = 0, middle = 0, high = 0, factor2B = 0, factor2C = 0;
    if (!RegisterValue(store, "27", &low) || !RegisterValue(store, "26", &middle) ||
        !RegisterValue(store, "25", &high) || !RegisterValue(store, "2B", &factor2B) ||
        !RegisterValue(store, "2C", &factor2C))
        return 1;
    const uint32_t period = low + 256 * middle + 65536 * high;
    double rpm = CutOffRpmFromPeriod(period, factor2B, factor2C);
    if (Record(kPos27).Step != 0)
        rpm *= Record(kPos27).Step;
    values[kAuxCutOffRpm].text = Whole(rpm);

    return FillTwoBytes(store, "15", "16", Record(kPos15).Step, kAuxHeatingBasic, values) ? 0 : 1;
}

void AuxBasicPageModel::QueueCutOffRpm(const FieldValues& values, CRX4DATA& reference,
                                       PendingWrites& pending) const {
    int rpm = NumberText::ToInt(ValueOf(values, kAuxCutOffRpm).text);
    if (rpm > kMaxCutOffRpm)
        rpm = kMaxCutOffRpm;
    uint32_t factor2B = 0, factor2C = 0;
    if (rpm <= 0 || !RegisterValue(reference, "2B", &factor2B) ||
        !RegisterValue(reference, "2C", &factor2C))
        return;
    const uint32_t period = CutOffPeriodFromRpm(static_cast<uint32_t>(rpm), factor2B, factor2C);
    if (period == 0)
        return;
    pending.Append("27", Hex(period & 0xFF).c_str());
    pending.Append("26", Hex((period >> 8) & 0xFF).c_str());
    pending.Append("25", Hex((period >> 16) & 0xFF).c_str());
}

std::string AuxBasicPageModel::CutOffOpeningText(const FieldValues& values) const {
    const std::string& text = ValueOf(values, kAuxCutOffOpening).text;
    const double opening = NumberText::ToDouble(text);
    if (opening > kMaxOpening)
        return std::to_string(kMaxOpening);
    if (opening < kMinOpening)
        return std::to_string(kMinOpening);
    return text;
}

std::vector<std::string> AuxBasicPageModel::RegistersOf(const FieldDef& field) const {
    if (field.controlId == kAuxCutOffRpm)
        return {"27", "26", "25"};
    return PageModel::RegistersOf(field);
}

AuxPageModel::AuxPageModel() : AuxPageModelBase(FullFields(), EcuCaller::AuxPage) {}

SpinRange AuxPageModel::Range(int controlId) const {
    if (controlId != kAuxCutOffDelay && controlId != kAuxOverlap)
        return PageModel::Range(controlId);
    // Seconds with two decimals: the register range times the step.
    const ParameterRecord& record = Record(FindField(controlId)->recordPos);
    return {NumberText::ToDouble(record.Values[0]) * record.Step, NumberText::ToDouble(record.Values[1]) * record.Step,
            record.Step, 2};
}

int AuxPageModel::FillFromStore(CRX4DATA& store, FieldValues& values) const {
    if (!FillList(store, kPos20, kAuxCutOff, values))
        return 1;
    uint32_t opening = 0;
    if (!RegisterValue(store, "21", &opening))
        return 1;
    values[kAuxCutOffOpening].text = Whole(opening * Record(kPos21).Step);
    if (!FillList(store, kPos82, kAuxRelay, values))
        return 1;
    if (!FillTwoBytes(store, "27", "26", Record(kPos27).Step, kAuxCutOffRpm, values))
        return 1;
    if (!FillTwoBytes(store, "15", "16", Record(kPos15).Step, kAuxHeating, values))
        return 1;
    if (!FillSeconds(store, kPos70, kAuxCutOffDelay, values))
        return 1;
    return FillSeconds(store, kPos77, kAuxOverlap, values) ? 0 : 1;
}

void AuxPageModel::QueueCutOffRpm(const FieldValues& values, CRX4DATA&,
                                  PendingWrites& pending) const {
    const uint32_t rpm =
        static_cast<uint32_t>(NumberText::ToInt(ValueOf(values, kAuxCutOffRpm).text));
    pending.Append("26", Hex((rpm >> 8) & 0xFF).c_str());
    pending.Append("27", Hex(rpm & 0xFF).c_str());
}

const AuxPageModel& AuxModel() {
    static const AuxPageModel model;
    return model;
}

const AuxBasicPageModel& AuxBasicModel() {
    static const AuxBasicPageModel model;
    return model;
}
