#include "pages/lambda_page_model.h"
#include "data/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/parameter_table.h"
#include "comm/clock.h"
#include "comm/crx4comm.h"
#include "comm/ecu_frames.h"
#include "comm/hex_text.h"
#include "data/store_text.h"

namespace {

constexpr double kTimeStep = 0.01;
constexpr double kInjectionStep = 0.1;
// The time spins reach 2.55 although 255 x 0.01 lands a hair below it.
constexpr double kTimeRangeSlack = 0.001;
constexpr long kMaxRegisterValue = 255;
constexpr int kRealAutomatic = 1;
constexpr int kRealManual = 2;
constexpr int kSetupAnswerWaitMs = 300;
constexpr int kSetupStopSpacingMs = 5;
constexpr int kLiveViewReadWaitMs = 100;
constexpr int kSettleAfterStopMs = 800;
constexpr int kSettleBeforeTypeMs = 500;
constexpr uint32_t kAnswerBufferSize = 10000;

bool ReadOnce(EcuSession& session, std::vector<char>& text) {
    text.assign(kAnswerBufferSize, '\0');
    uint32_t length = 0;
    return session.port.ReadPort(text.data(), kAnswerBufferSize, &length) == COMM_OK;
}

void Send(EcuSession& session, const EcuFrame& frame) {
    uint32_t written = 0;
    session.port.WritePort(frame.Bytes, frame.Size, &written);
}

bool RegisterText(CRX4DATA& store, const char* reg, std::string* text) {
    return StoreValueText(store, reg, text);
}

const FieldValue& ValueOf(const FieldValues& values, int controlId) {
    static const FieldValue kEmpty;
    const auto found = values.find(controlId);
    return found == values.end() ? kEmpty : found->second;
}

// A number typed in display units as a register value: rounded, 0 .. 255.
long RegisterCount(const std::string& text, double unitsPerCount) {
    const long count = std::lround(NumberText::ToDouble(text) / unitsPerCount);
    return count < 0 ? 0 : (count > kMaxRegisterValue ? kMaxRegisterValue : count);
}

SpinRange TimeRange(int recordPos, double slack) {
    const ParameterRecord& record = g_ParameterTable[recordPos];
    return {NumberText::ToDouble(record.Values[0]) * record.Step,
            NumberText::ToDouble(record.Values[1]) * record.Step + slack, kTimeStep, 2};
}

std::vector<FieldDef> TimeAndTypeFields() {
    return {
        {kLambdaSignalType, TR_NOOP("Tipo de Sinal Simulado"), "", FieldKind::List, "60_78", kPos60, 0},
        {kLambdaOnTime, TR_NOOP("Tempo ON"), "s", FieldKind::Numeric, "1E", kPos1E, 1},
        {kLambdaOffTime, TR_NOOP("Tempo Off"), "s", FieldKind::Numeric, "1F", kPos1F, 1},
    };
}

std::vector<FieldDef> FullFields() {
    std::vector<FieldDef> fields = TimeAndTypeFields();
    fields.insert(fields.begin() + 1,
                  {kLambdaMode, TR_NOOP("Modo de Funcionamento"), "", FieldKind::List, "78", -1, 0});
    fields.push_back({kLambdaInjection, TR_NOOP("Tempo Injeção Padrão"), "ms", FieldKind::Numeric, "79",
                      kPos79, 0, LimitCheck::AuxScaled});
    return fields;
}

// "Padrão" when both times are the standard ones, else "Especifico".
int SquareWaveType(const FieldValues& values) {
    const bool standard = ValueOf(values, kLambdaOnTime).text == kStandardTimeText &&
                          ValueOf(values, kLambdaOffTime).text == kStandardTimeText;
    return standard ? kSignalStandard : kSignalSpecific;
}

}  // namespace

void LambdaPageModelBase::QueueTime(int controlId, const char* reg, const FieldValues& values,
                                    CRX4DATA& reference, PendingWrites& pending) const {
    QueueIfChanged(reg,
                   static_cast<unsigned>(RegisterCount(ValueOf(values, controlId).text, kTimeStep)),
                   reference, pending);
}

void LambdaPageModelBase::QueueAllFields(const FieldValues& values, CRX4DATA& reference,
                                         PendingWrites& pending) const {
    QueueTime(kLambdaOnTime, "1E", values, reference, pending);
    QueueTime(kLambdaOffTime, "1F", values, reference, pending);
    QueueInjection(values, reference, pending);
    QueueSignalGroup(values, pending);
}

void LambdaPageModelBase::QueueFieldForKey(const std::string& key, const FieldValues& values,
                                           CRX4DATA& reference, PendingWrites& pending) const {
    if (key == "1E") {
        QueueTime(kLambdaOnTime, "1E", values, reference, pending);
    } else if (key == "1F") {
        QueueTime(kLambdaOffTime, "1F", values, reference, pending);
    } else if (key == "79") {
        QueueInjection(values, reference, pending);
    } else if (key == "60_78") {
        // The group goes first; the times ride along when they changed.
        QueueSignalGroup(values, pending);
        QueueTime(kLambdaOnTime, "1E", values, reference, pending);
        QueueTime(kLambdaOffTime, "1F", values, reference, pending);
        QueueInjection(values, reference, pending);
    }
}

std::string LambdaPageModelBase::EnterKeyFor(const std::string& focusedKey) const {
    if (focusedKey == "78" && HasRealSignal())
        return "60_78";
    if (focusedKey == "78")
        return "";
    for (const std::string& key : WritableKeys())
        if (key == focusedKey)
            return key;
    return "";
}

LambdaBasicPageModel::LambdaBasicPageModel()
    : LambdaPageModelBase(TimeAndTypeFields(), EcuCaller::LambdaBasicPage) {}

std::vector<std::string> LambdaBasicPageModel::Options(int controlId) const {
    if (controlId == kLambdaSignalType)
        return {TrStd("Padrão"), TrStd("Específico"), TrStd("Aberto")};
    return PageModel::Options(controlId);
}

SpinRange LambdaBasicPageModel::Range(int controlId) const {
    if (controlId == kLambdaOnTime)
        return TimeRange(kPos1E, 0.0);
    if (controlId == kLambdaOffTime)
        return TimeRange(kPos1F, 0.0);
    return PageModel::Range(controlId);
}

int LambdaBasicPageModel::FillFromStore(CRX4DATA& store, FieldValues& values) const {
    const std::pair<const char*, int> times[] = {{"1E", kLambdaOnTime}, {"1F", kLambdaOffTime}};
    for (const auto& [reg, control] : times) {
        std::string text;
        if (!RegisterText(store, reg, &text))
            return 1;
        values[control].text = NumberText::Format(
            "%1.2f", HexTextToInt(text.c_str()) * g_ParameterTable[kPos1E].Step);
    }
    std::string signal;
    if (!RegisterText(store, "60", &signal))
        return 1;
    values[kLambdaSignalType].index =
        NumberText::ToInt(signal) == 1 ? kSignalOpen : SquareWaveType(values);
    return 0;
}

void LambdaBasicPageModel::QueueSignalGroup(const FieldValues& values,
                                            PendingWrites& pending) const {
    pending.Append("60", ValueOf(values, kLambdaSignalType).index == kSignalOpen ? "01" : "00");
}

LambdaPageModel::LambdaPageModel() : LambdaPageModelBase(FullFields(), EcuCaller::LambdaPage) {}

std::vector<std::string> LambdaPageModel::Options(int controlId) const {
    if (controlId == kLambdaSignalType)
        return {TrStd("Padrão"), TrStd("Especifico"), TrStd("Aberto"), TrStd("Real")};
    if (controlId == kLambdaMode)
        return {TrStd("Automático"), TrStd("Manual")};
    return PageModel::Options(controlId);
}

SpinRange LambdaPageModel::Range(int controlId) const {
    if (controlId == kLambdaOnTime)
        return TimeRange(kPos1E, kTimeRangeSlack);
    if (controlId == kLambdaOffTime)
        return TimeRange(kPos1F, kTimeRangeSlack);
    if (controlId == kLambdaInjection) {
        // The record's counts as they stand: the change check keeps 0 .. 25.5.
        const ParameterRecord& record = g_ParameterTable[kPos79];
        return {NumberText::ToDouble(record.Values[0]), NumberText::ToDouble(record.Values[1]), kInjectionStep, 1};
    }
    return PageModel::Range(controlId);
}

int LambdaPageModel::FillFromStore(CRX4DATA& store, FieldValues& values) const {
    const std::pair<const char*, int> times[] = {{"1E", kLambdaOnTime}, {"1F", kLambdaOffTime}};
    for (const auto& [reg, control] : times) {
        std::string text;
        if (!RegisterText(store, reg, &text))
            return 1;
        const uint32_t count = HexTextToInt(text.c_str());
        char shown[32];
        std::snprintf(shown, sizeof shown, "%u.%02u", count / 100, count % 100);
        values[control].text = shown;
    }
    std::string real, injection, signal;
    if (!RegisterText(store, "78", &real))
        return 1;
    const int realMode = NumberText::ToInt(real);
    if (realMode == kRealAutomatic || realMode == kRealManual) {
        values[kLambdaSignalType].index = kSignalReal;
        values[kLambdaMode].index = realMode == kRealAutomatic ? kModeAutomatic : kModeManual;
    } else {
        if (!RegisterText(store, "60", &signal))
            return 1;
        values[kLambdaSignalType].index =
            NumberText::ToInt(signal) == 1 ? kSignalOpen : SquareWaveType(values);
    }
    if (!RegisterText(store, "79", &injection))
        return 1;
    values[kLambdaInjection].text =
        NumberText::Format("%2.1f", HexTextToInt(injection.c_str()) * g_ParameterTable[kPos79].Step);
    // The speed-band registers have no field, but a store without them is
    // not a complete read of this page.
    for (const char* reg : {"7A", "7B", "7C"})
        if (!RegisterText(store, reg, &signal))
            return 1;
    return 0;
}

void LambdaPageModel::QueueSignalGroup(const FieldValues& values, PendingWrites& pending) const {
    switch (ValueOf(values, kLambdaSignalType).index) {
        case kSignalOpen:
            pending.Append("60", "01");
            pending.Append("78", "00");
            break;
        case kSignalReal:
            pending.Append("78", ValueOf(values, kLambdaMode).index == kModeManual ? "02" : "01");
            pending.Append("60", "00");
            break;
        default:
            pending.Append("60", "00");
            pending.Append("78", "00");
            break;
    }
}

void LambdaPageModel::QueueInjection(const FieldValues& values, CRX4DATA& reference,
                                     PendingWrites& pending) const {
    QueueIfChanged("79",
                   static_cast<unsigned>(
                       RegisterCount(ValueOf(values, kLambdaInjection).text, kInjectionStep)),
                   reference, pending);
}

void LambdaSetupExchange(EcuSession& session) {
    std::vector<char> text;
    StartMonitoring(session);
    session.clock.WaitMs(kSetupAnswerWaitMs);
    const bool answered = ReadOnce(session, text);
    StopMonitoring(session, kSetupStopSpacingMs);
    // Live values: the monitor store's, never the ECU's settings ("81" is
    // both a setting and the live injection time, and Save writes the former).
    if (answered)
        ParseMonitorAnswer(text.data(), session.monitorStore, CheckRule::Ignored);

    Send(session, ReadCommandForKey(session.modelIndex, "79"));
    session.clock.WaitMs(kSetupAnswerWaitMs);
    ReadOnce(session, text);
    StopMonitoring(session, kSetupStopSpacingMs);
}

int LambdaLiveViewPoll(EcuSession& session) {
    session.clock.WaitMs(kLiveViewReadWaitMs);
    return PollMonitorAnswer(session, session.monitorStore, CheckRule::Ignored);
}

void LambdaSignalChangePause(EcuSession& session) {
    StopMonitoring(session, kLambdaStopSpacingMs);
    session.clock.WaitMs(kSettleAfterStopMs);
    session.clock.WaitMs(kSettleBeforeTypeMs);
}

const LambdaPageModel& LambdaModel() {
    static const LambdaPageModel model;
    return model;
}

const LambdaBasicPageModel& LambdaBasicModel() {
    static const LambdaBasicPageModel model;
    return model;
}
