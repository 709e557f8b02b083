// The monitoring panel's exchanges in virtual time: the step write with
// Enter, the calibration on Q5100 (fixed time) and on the other models (end
// on "72", failure message, time-out), compared frame by frame and wait by
// wait with what the ECU must see.

#include "monitor/monitor_procedures.h"

#include "app/parameter_table.h"
#include "sim/forwarding_device.h"
#include "sim/sim_device.h"
#include "tests/comm/protocol_fixture.h"
#include "tests/comm/protocol_store_text.h"

namespace {

// The panel's side of a procedure, as transcript lines.
class RecordingMonitorHooks : public MonitorHooks {
  public:
    explicit RecordingMonitorHooks(std::shared_ptr<Transcript> transcript) : transcript_(transcript), page(transcript) {}
    int RefreshFromStore(CRX4DATA& store) override { return page.RefreshFromStore(store); }
    void SetCommandsEnabled(bool enabled) override { page.SetCommandsEnabled(enabled); }
    void QueueWritesForKey(const char* key, PendingWrites& pending) override { page.QueueWritesForKey(key, pending); }
    void ShowMessage(const char* text, const char* title, MessageIcon icon) override { page.ShowMessage(text, title, icon); }
    void SetCalibrating(bool on) override { transcript_->Add(on ? "CALIBRATING on" : "CALIBRATING off"); }
    void ShowLiveValues(CRX4DATA&) override { transcript_->Add("LIVE"); }
    std::shared_ptr<Transcript> transcript_;
    RecordingHooks page;
};

class MonitorProceduresTest : public EcuLinkTest {
  protected:
    RecordingMonitorHooks monitorHooks{transcript};
    const std::vector<uint8_t> kSteps{0xB0, 0x3D, 0x20, 0xC0, 0xB0, 0x3E, 0x40, 0xC0};
};

Lines Join(std::initializer_list<Lines> parts) {
    Lines out;
    for (const Lines& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}
Lines Repeat(const Lines& lines, int times) { return times ? Join({lines, Repeat(lines, times - 1)}) : Lines{}; }

TEST_F(MonitorProceduresTest, EnterWithUnchangedStepsStillStopsReadsBackAndRestarts) {
    Connect(0);
    Answer(kSteps);
    EXPECT_EQ(WriteStepSettings(session, monitorHooks), 0);
    EXPECT_EQ(Recorded(),
              Join({Repeat({"TX 00 07 00", "WAIT 10"}, 3),
                    {"WAIT 500", "QUEUE FULL", "COMMANDS off", "COMMANDS off", "WAIT 500",
                     "DISCARD 0", "TX 00 04 00", "WAIT 500", "RX B0|3D|20|C0|B0|3E|40|C0|",
                     "REFRESH", "COMMANDS on", "COMMANDS on", "TX 00 08 00"}}));
}

// The ECU may hold a step count outside 1-240: it is shown as it is, and a
// write of the other field leaves it alone; a field the user emptied or set
// to 0 is refused, never written as 0.
TEST_F(MonitorProceduresTest, StepFieldsWriteOnlyWhatTheUserChangedWithinTheRange) {
    FillParameterTable(0);
    equipmentStore.Add("3D", "0");
    equipmentStore.Add("3E", "FF");
    const StepFieldText idleUntouched{"0", "0"}, highUntouched{"255", "255"};
    EXPECT_EQ(CheckStepFields(idleUntouched, {"120", "255"}), StepFieldCheck::Ok);
    QueueStepWrites(idleUntouched, {"120", "255"}, equipmentStore, pending);
    ASSERT_EQ(pending.Count, 1u);
    EXPECT_EQ(std::string(pending.Entries[0].Register) + "=" + pending.Entries[0].Value, "3E=78");

    pending.Clear();
    for (const char* refused : {"", "0"}) {
        EXPECT_EQ(CheckStepFields({refused, refused}, highUntouched), StepFieldCheck::Ok) << refused;
        EXPECT_EQ(CheckStepFields({refused, "10"}, highUntouched), StepFieldCheck::BelowRange) << refused;
        QueueStepWrites({refused, "10"}, highUntouched, equipmentStore, pending);
    }
    EXPECT_EQ((std::pair{CheckStepFields(idleUntouched, {"240", "255"}), CheckStepFields(idleUntouched, {"241", "255"})}),
              (std::pair{StepFieldCheck::Ok, StepFieldCheck::AboveRange}));
    QueueStepWrites(idleUntouched, {"241", "255"}, equipmentStore, pending);
    EXPECT_EQ(pending.Count, 0u);
    ClearParameterTable();
}

TEST_F(MonitorProceduresTest, OnQ5100TheCalibrationTakesItsFixedTimeWithoutReadingTheStream) {
    Connect(1);
    Answer({0x06});
    Answer(kSteps);
    EXPECT_EQ(RunCalibrationCommand(session, monitorHooks), CalibrationEnd::FixedWait);
    EXPECT_EQ(Recorded(), Join({Repeat({"TX 07 00", "WAIT 10"}, 3),
                                {"WAIT 800", "CALIBRATING on", "TX 61 00", "WAIT 180", "RX 6|"},
                                Repeat({"TX 05 18", "WAIT 180"}, 3),
                                {"WAIT 180", "TX 08 00", "WAIT 3000"},
                                Repeat({"TX 07 00", "WAIT 50"}, 3),
                                {"WAIT 1000", "DISCARD 0", "TX 09 00", "WAIT 500",
                                 "RX B0|3D|20|C0|B0|3E|40|C0|", "REFRESH", "REFRESH",
                                 "CALIBRATING off", "TX 08 00", "TX 08 00"}}));
}

TEST_F(MonitorProceduresTest, A72OfTwoShowsTheFailureBeforeTheEnding) {
    Connect(2);
    NoAnswer();
    Answer({0xB0, 0x72, 0x02, 0x74, 0xC0});
    Answer(kSteps);
    EXPECT_EQ(RunCalibration(session, monitorHooks), CalibrationEnd::Failed);
    const std::string message = "MESSAGE Erro no processo de calibração / Calibração";
    const Lines lines = Recorded();
    const auto at = std::find(lines.begin(), lines.end(), message);
    ASSERT_TRUE(at > lines.begin() && lines.end() - at >= 3);
    EXPECT_EQ(Lines(at - 1, at + 3), (Lines{"WAIT 50", message, "LIVE", "TX 00 07 00"}));
    EXPECT_EQ(StoredText(monitorStore, "72"), "2");
}

// The calibration against the simulated ECU that never ends it, in virtual
// time. The stream that piles up meanwhile is thrown away before the
// read-back: the caller table in tests/comm and the receive queue's tests
// check that.
class SimulatedCalibrationTest : public EcuLinkTest {
  protected:
    void Start(int modelIndex, CalibrationOutcome outcome) {
        EcuOptions options;
        options.faults.calibration = outcome;
        ecu = std::make_shared<SimulatedEcuDevice>(
            virtualClock, modelIndex == 1 ? EcuVariant::Q5100 : EcuVariant::Q7100, options);
        port.SetDeviceFactory([this](const std::string&) {
            return std::make_unique<RecordingDevice>(MakeForwardingDevice(ecu), transcript);
        });
        Connect(modelIndex);
        OpenEcuLink(session);
        transcript->Clear();
    }
    std::shared_ptr<SimulatedEcuDevice> ecu;
    RecordingMonitorHooks hooks{transcript};
};

TEST_F(SimulatedCalibrationTest, NoEndWithin70000MsTimesOut) {
    Start(0, CalibrationOutcome::NoAnswer);
    const int64_t before = virtualClock.NowMs();
    EXPECT_EQ(RunCalibration(session, hooks), CalibrationEnd::TimedOut);
    const int64_t streamed = virtualClock.NowMs() - before;
    EXPECT_TRUE(streamed > 70000 + 4 * 180 && streamed < 70000 + 4 * 180 + 2000) << streamed;
    Lines said;  // what the panel showed
    for (const std::string& line : transcript->Lines())
        if (line.rfind("CALIBRATING", 0) == 0 || line.rfind("MESSAGE", 0) == 0) said.push_back(line);
    EXPECT_EQ(said, (Lines{"CALIBRATING on", "MESSAGE TEMPO ESGOTADO!\n\nErro na calibração.\nNão houve resposta do "
                           "gerenciador de fluxo de gás... / Erro", "CALIBRATING off"}));
    // Stopped 20 ms apart after a time-out, and streaming again at the end.
    std::vector<int64_t> stops;
    for (const ReceivedFrame& received : ecu->ReceivedFrames())
        if (received.frame.kind == FrameKind::MonitorStop) stops.push_back(received.atMs);
    ASSERT_EQ(stops.size(), 3u);
    EXPECT_TRUE(stops[2] - stops[1] == 20 && ecu->Streaming());
}

}  // namespace
