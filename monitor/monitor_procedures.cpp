#include "monitor/monitor_procedures.h"

#include <utility>

#include "app/parameter_table.h"
#include "comm/clock.h"
#include "comm/crx4comm.h"
#include "comm/ecu_frames.h"
#include "comm/timing_profiles.h"
#include "data/crx4data.h"
#include "data/number_text.h"
#include "i18n/ui_text.h"

const MonitorWaits kMonitorWaits = {
    10,     // stopSpacing
    500,    // stepWriteLead
    800,    // calibrationLead
    180,    // calibrationFrame
    3000,   // q5100Calibration
    70000,  // calibrationTimeout
    50,     // calibrationReadGap
};

namespace {

constexpr int kConfirmFrames = 3;
constexpr uint32_t kAnswerBufferSize = 10000;
// Passed to the hooks as written; the panel (or the command-line tool) looks
// them up in the program's language when it shows them.
constexpr const char* kCalibrationFailed = TR_NOOP("Erro no processo de calibração");
constexpr const char* kCalibrationTitle = TR_NOOP("Calibração");
constexpr const char* kTimedOut = TR_NOOP(
    "TEMPO ESGOTADO!\n\nErro na calibração.\nNão houve resposta do gerenciador de fluxo de "
    "gás...");
constexpr const char* kErrorTitle = TR_NOOP("Erro");

// How the calibration is wound up: after the ECU's answer (or the fixed
// time), or after the time-out with its message.
struct CalibrationEnding {
    int stopSpacingMs;
    const char* message;  // nullptr: none
    const char* title;
    MessageIcon icon;
    int readLeadMs;
};
constexpr CalibrationEnding kAnsweredEnding{50, nullptr, "", MessageIcon::None, 1000};
constexpr CalibrationEnding kTimedOutEnding{20, kTimedOut, kErrorTitle, MessageIcon::Stop, 200};

void Send(EcuSession& session, const EcuFrame& frame) {
    uint32_t written = 0;
    // Frame failures are not reported: the read-back shows what the ECU holds.
    session.port.WritePort(frame.Bytes, frame.Size, &written);
}

// The answer to the calibrate frame is read and dropped.
void ReadAndDrop(EcuSession& session) {
    std::string text(kAnswerBufferSize, '\0');
    uint32_t length = 0;
    session.port.ReadPort(text.data(), kAnswerBufferSize, &length);
}

// Reads the calibration stream until "72" arrives or the time is up.
CalibrationEnd AwaitCalibrationEnd(EcuSession& session, MonitorHooks& hooks, int64_t startMs) {
    for (;;) {
        if (session.clock.NowMs() - startMs > kMonitorWaits.calibrationTimeout)
            return CalibrationEnd::TimedOut;
        MonitorAnswer answer;
        PollMonitorAnswer(session, session.monitorStore, CheckRule::Tested, &answer);
        session.clock.WaitMs(kMonitorWaits.calibrationReadGap);
        const bool failed = answer.CalibrationEnded && answer.CalibrationValue == "2";
        if (failed)
            hooks.ShowMessage(kCalibrationFailed, kCalibrationTitle, MessageIcon::Exclamation);
        hooks.ShowLiveValues(session.monitorStore);
        if (answer.CalibrationEnded)
            return failed ? CalibrationEnd::Failed : CalibrationEnd::Done;
    }
}

void EndCalibration(EcuSession& session, MonitorHooks& hooks, const CalibrationEnding& ending) {
    StopMonitoring(session, ending.stopSpacingMs);
    if (ending.message != nullptr)
        hooks.ShowMessage(ending.message, ending.title, ending.icon);
    session.clock.WaitMs(ending.readLeadMs);
    // Whatever the read gives, the fields show the store.
    ReadRegisters(session, "FULL", session.equipmentStore,
                  TimingFor(EcuCaller::MonitorCalibrationReadBack), hooks);
    hooks.RefreshFromStore(session.equipmentStore);
    hooks.SetCalibrating(false);
    StartMonitoring(session);
}

}  // namespace

namespace {

StepFieldCheck CheckStepField(const StepFieldText& field, const ParameterRecord& record) {
    if (!field.Changed())
        return StepFieldCheck::Ok;
    std::size_t used = 0;
    const double steps = NumberText::ToDouble(field.typed, &used);
    if (used == 0 || steps < NumberText::ToDouble(record.Values[0]))
        return StepFieldCheck::BelowRange;
    if (steps > NumberText::ToDouble(record.Values[1]))
        return StepFieldCheck::AboveRange;
    return StepFieldCheck::Ok;
}

}  // namespace

StepFieldCheck CheckStepFields(const StepFieldText& idle, const StepFieldText& high) {
    const StepFieldCheck first = CheckStepField(idle, g_ParameterTable[kPos3D]);
    return first != StepFieldCheck::Ok ? first : CheckStepField(high, g_ParameterTable[kPos3E]);
}

void QueueStepWrites(const StepFieldText& idle, const StepFieldText& high,
                     CRX4DATA& equipmentStore, PendingWrites& pending) {
    const std::pair<const StepFieldText*, int> fields[] = {{&idle, kPos3D}, {&high, kPos3E}};
    for (const auto& [field, pos] : fields) {
        // A field left alone keeps what the ECU holds, even outside the range.
        if (!field->Changed() || CheckStepField(*field, g_ParameterTable[pos]) != StepFieldCheck::Ok)
            continue;
        // Mode 2: the number of steps itself.
        QueueRegisterWrite(g_ParameterTable[pos], field->typed.c_str(), 2, equipmentStore, pending);
    }
}

int WriteStepSettings(EcuSession& session, PageHooks& hooks) {
    StopMonitoring(session, kMonitorWaits.stopSpacing);
    session.clock.WaitMs(kMonitorWaits.stepWriteLead);
    const int result =
        WritePendingRegisters(session, "FULL", TimingFor(EcuCaller::MonitorStepWrite), hooks);
    StartMonitoring(session);
    return result;
}

CalibrationEnd RunCalibration(EcuSession& session, MonitorHooks& hooks) {
    hooks.SetCalibrating(true);
    Send(session, CalibrateCommand(session.modelIndex));
    session.clock.WaitMs(kMonitorWaits.calibrationFrame);
    ReadAndDrop(session);
    for (int i = 0; i < kConfirmFrames; ++i) {
        Send(session, ConfirmFrame(session.modelIndex));
        session.clock.WaitMs(kMonitorWaits.calibrationFrame);
    }
    const int64_t startMs = session.clock.NowMs();
    session.clock.WaitMs(kMonitorWaits.calibrationFrame);
    StartMonitoring(session);

    CalibrationEnd end = CalibrationEnd::FixedWait;
    if (session.modelIndex == 1)
        session.clock.WaitMs(kMonitorWaits.q5100Calibration);
    else
        end = AwaitCalibrationEnd(session, hooks, startMs);
    EndCalibration(session, hooks,
                   end == CalibrationEnd::TimedOut ? kTimedOutEnding : kAnsweredEnding);
    return end;
}

CalibrationEnd RunCalibrationCommand(EcuSession& session, MonitorHooks& hooks) {
    StopMonitoring(session, kMonitorWaits.stopSpacing);
    session.clock.WaitMs(kMonitorWaits.calibrationLead);
    const CalibrationEnd end = RunCalibration(session, hooks);
    // The stream has been started at the end already; it is started once more.
    StartMonitoring(session);
    return end;
}

const char* CalibrationEndEvent(CalibrationEnd end) {
    switch (end) {
        case CalibrationEnd::Done:
            return "calibração concluída";
        case CalibrationEnd::Failed:
            return "calibração com erro";
        case CalibrationEnd::FixedWait:
            return "calibração encerrada (tempo fixo)";
        case CalibrationEnd::TimedOut:
            break;
    }
    return "calibração sem resposta";
}
