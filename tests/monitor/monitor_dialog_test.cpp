// The monitoring panel against the simulated ECU, offscreen: live values on
// screen and a calibration on every model, the step fields, closing during a
// calibration; and recording a drive: the file named after the plate, a
// sample per answered poll, a mark from the button and the M key, one gap
// (and no zeros) across an ECU power cycle, the recording ended with the panel.
#include "monitor/monitor_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <cmath>

#include "app/globals.h"
#include "app/ui/ui_globals.h"
#include "controls/font_label.h"
#include "controls/image_button.h"
#include "log/datalog_reader.h"
#include "log/log_folder.h"
#include "tests/monitor/shown_rpm.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr int kReturn = 1186, kCalibrate = 1183, kCalibrating = 1762, kIdle = 1712, kHigh = 1713;

class MonitorDialogTest : public UiTest {
  protected:
    // What the customer page leaves behind: the link open, every register read.
    void Connect(int model, EcuOptions options = {}) {
        UseSimulatedEcu(model, options);
        OpenLinkWithSnapshot();
    }
    // Recordings go to a folder of the test's own.
    void SetUp() override { UiTest::SetUp(), qputenv(kLogFolderVariable, TempPath("registros").toUtf8()); }
    // Made after the link (and before the worker goes), shown again on each call.
    void TearDown() override { dialog_.reset(), qunsetenv(kLogFolderVariable), UiTest::TearDown(); }
    // Shows the panel; `driver` runs once its start-up exchange is over.
    int Run(const std::function<void()>& driver, int timeoutMs = 5000) {
        if (!dialog_) dialog_ = std::make_unique<CMonitorDialog>();
        return RunPage(dialog_.get(), [&] {
            ASSERT_TRUE(WaitUntil([&] { return !dialog_->IsBusy(); }, timeoutMs));
            driver();
        });
    }
    int ShownRpm() const { return ::ShownRpm(*dialog_); }
    std::unique_ptr<CMonitorDialog> dialog_;
};

// In real time a Q5100 calibration alone takes its fixed 3 s and a read-back
// at line speed; a loaded machine needs much longer (the page's own watchdog
// stays at a minute).
constexpr int kRealTimeLimitMs = 45000;

class EveryModel : public MonitorDialogTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryModel, LiveValuesMoveWithTheEngineAndACalibrationCompletes) {
    EcuOptions options;
    options.calibrationMs = 300;
    UseRealClock();
    Connect(GetParam(), options);
    const int result = Run([&] {
        ASSERT_TRUE(WaitUntil([&] { return ShownRpm() > 0; }, kRealTimeLimitMs));
        EXPECT_TRUE(ShownRpm() > 500 && ShownRpm() < 1500) << ShownRpm();
        Ecu().SetRevving(true);
        // Rpm and throttle come in different groups of the stream: each
        // gauge shows its own as it arrives.
        ASSERT_TRUE(WaitUntil([&] {
            return ShownRpm() > 2500 && dialog_->Slots().ShownImage(MonitorSlots::kTpsBar) != 0;
        }, kRealTimeLimitMs));
        EXPECT_NE(dialog_->Slots().ShownImage(MonitorSlots::kArcFirst + 9), 0);
        if (GetParam() == 0) SaveScreenshot(dialog_.get(), QStringLiteral("monitor-revving.png"));
        Ecu().SetRevving(false);

        bool calibratingShown = false;
        dialog_->Button(kCalibrate)->click();
        EXPECT_FALSE(dialog_->Button(kCalibrate)->isEnabled());
        ASSERT_TRUE(WaitUntil([&] { return (calibratingShown |= dialog_->Label(kCalibrating)->isVisible()), !dialog_->IsBusy(); },
                              kRealTimeLimitMs));
        EXPECT_TRUE(calibratingShown && !dialog_->Label(kCalibrating)->isVisible() && g_CalibrationRunning == 0);
        EXPECT_TRUE(dialog_->Button(kCalibrate)->isEnabled() && dialog_->IsPolling());
        dialog_->Button(kReturn)->click();
    }, kRealTimeLimitMs);
    EXPECT_EQ(result, CMonitorDialog::kReturned);
    EXPECT_TRUE(messages_.empty()) << messages_.front().text.toStdString();
    EXPECT_EQ(FramesOfKind(FrameKind::Calibrate), 1);
    dialog_.reset();
    WaitForWorker();
    EXPECT_FALSE(Ecu().Streaming());
}

INSTANTIATE_TEST_SUITE_P(Models, EveryModel, ::testing::Values(0, 1, 2));

TEST_F(MonitorDialogTest, DuringACalibrationEnterWritesNothingAndExitWaitsForItsEnd) {
    EcuOptions options;
    options.calibrationMs = 1500;
    Connect(2, options);
    bool endedBeforeCalibration = false;
    int reads = 0;
    const int result = Run([&] {
        reads = FramesOfKind(FrameKind::ReadAll);
        dialog_->Button(kCalibrate)->click();
        // Running from the click, not only once the lead-in wait is over.
        ASSERT_EQ(g_CalibrationRunning, 1);
        dialog_->StepField(kHigh)->setValue(dialog_->StepField(kHigh)->value() == 1 ? 2 : 1);
        QTest::keyClick(dialog_->StepField(kHigh), Qt::Key_Return);
        nextAnswer_ = kAnswerNo;
        QTest::keyClick(dialog_.get(), Qt::Key_Left, Qt::ControlModifier);
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].title + messages_[0].text, QStringLiteral("Calibração em andamentoA Calibração ainda não "
                                                                         "foi concluída. Deseja realmente retornar à tela anterior?"));
        EXPECT_TRUE(messages_[0].buttons == BoxButtons::YesNo && dialog_->isVisible());
        nextAnswer_ = kAnswerYes;
        QTest::keyClick(dialog_.get(), Qt::Key_Escape);
        ASSERT_EQ(messages_.size(), 2u);
        EXPECT_EQ(messages_[1].text, QStringLiteral("A Calibração ainda não foi concluída. Deseja realmente sair?"));
        endedBeforeCalibration = !dialog_->isVisible();
        EXPECT_EQ(FramesOfKind(FrameKind::ReadAll), reads);
    });
    EXPECT_TRUE(result == CMonitorDialog::kExited && !endedBeforeCalibration && g_CalibrationRunning == 0);
    // The calibration ran to its end: its read-back went out.
    EXPECT_TRUE(FramesOfKind(FrameKind::ReadAll) > reads && FramesOfKind(FrameKind::RegisterWrite) == 0);
}

// Step counts outside 1-240 set up earlier are shown as the ECU holds them;
// Enter writes only the field the user changed, and refuses an empty one.
TEST_F(MonitorDialogTest, StepFieldsShowTheEcuValueAndWriteOnlyWhatWasChanged) {
    Connect(0);
    Ecu().SetRegister(0x3D, 0);
    Ecu().SetRegister(0x3E, 255);
    g_EquipmentStore.Add("3D", "0");
    g_EquipmentStore.Add("3E", "FF");
    Run([&] {
        QSpinBox* idle = dialog_->StepField(kIdle);
        QSpinBox* high = dialog_->StepField(kHigh);
        EXPECT_EQ(idle->text() + high->text(), "0255");
        high->setValue(120);
        high->setFocus();
        QTest::keyClick(high, Qt::Key_Return);
        ASSERT_TRUE(WaitUntil([&] { return !dialog_->IsBusy() && dialog_->IsPolling(); }, 10000));
        EXPECT_EQ((std::pair{Ecu().Registers().at(0x3D), Ecu().Registers().at(0x3E)}), (std::pair<uint8_t, uint8_t>{0, 120}));
        EXPECT_EQ(idle->text() + high->text() + QString::number(FramesOfKind(FrameKind::RegisterWrite)), "01201");
        idle->setFocus();
        idle->clear();
        QTest::keyClick(idle, Qt::Key_Return);
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].text, QStringLiteral("Valor abaixo do limite inferior."));
        EXPECT_TRUE(!dialog_->IsBusy() && FramesOfKind(FrameKind::RegisterWrite) == 1);
        dialog_->Button(kReturn)->click();
    });
}

TEST_F(MonitorDialogTest, ARecordingAcrossAPowerCycleHasOneGapAndNoZeros) {
    UseRealClock();
    ModelIndex = 0;
    g_CustomerData.licencePlate = "abc-1d23";
    EcuOptions options;
    options.faults.powerCycleAfterMs = 2500;
    options.faults.powerOffMs = 2500;
    ConnectSimulatedEcu(0, options);
    CMonitorDialog dialog;
    std::string path;
    RunActive(&dialog, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !dialog.IsBusy(); }, 10000));
        EXPECT_FALSE(dialog.MarkButton()->isEnabled());
        dialog.RecordButton()->click();
        ASSERT_TRUE(dialog.Recorder().Recording()) << dialog.RecordLabel()->text().toStdString();
        path = dialog.Recorder().Path();
        EXPECT_EQ(path.rfind(TempPath("registros/ABC1D23_").toStdString(), 0), 0u) << path;
        ASSERT_TRUE(WaitUntil([&] { return dialog.Recorder().Rows() >= 5; }, 10000));
        dialog.MarkButton()->click();
        SaveScreenshot(&dialog, QStringLiteral("monitor-recording.png"));
        // The ECU goes off: the stream is lost, then it comes back.
        ASSERT_TRUE(WaitUntil([&] { return dialog.Recorder().Gaps() == 1; }, 15000));
        const int64_t rowsAtLoss = dialog.Recorder().Rows();
        ASSERT_TRUE(WaitUntil([&] { return dialog.Recorder().Rows() >= rowsAtLoss + 8; }, 20000));
        QTest::keyClick(&dialog, Qt::Key_M);
        ClickButton(&dialog, "Retornar");
    });
    EXPECT_FALSE(dialog.Recorder().Recording()) << "closing the panel ends the recording";

    const Datalog log = ReadDatalog(path);
    EXPECT_TRUE(log.skippedCount == 0 && log.header.model == "Q7100" && log.header.port.find("COM1") != std::string::npos) << log.message << log.header.port;
    ASSERT_EQ(log.gaps.size(), 1u) << "one loss, one gap";
    const std::vector<double>& rpm = log.Channel(LogChannel::Rpm);
    int before = 0, after = 0;
    for (std::size_t i = 0; i < log.times.size(); ++i) {
        if (log.times[i] == log.gaps.front()) {
            EXPECT_TRUE(std::isnan(rpm[i]));
            continue;
        }
        // The idling engine never reads 0 rpm: a zero is the lost stream's.
        EXPECT_TRUE(rpm[i] > 300 && log.Channel(LogChannel::Steps)[i] > 0) << "row at " << log.times[i];
        (log.times[i] < log.gaps.front() ? before : after) += 1;
    }
    EXPECT_TRUE(before >= 5 && after >= 8) << before << " " << after;
    ASSERT_EQ(log.events.size(), 2u);
    EXPECT_EQ(log.events[0].text + "|" + log.events[1].text, "marca 1|marca 2");
    EXPECT_TRUE(log.events[0].tMs < log.gaps.front() && log.events[1].tMs > log.gaps.front());
}

// The calibration's start and end are events of the recording, with its
// result; the values it reads meanwhile are samples.
TEST_F(MonitorDialogTest, ACalibrationsStartAndItsResultAreEventsOfTheRecordingAndItsReadingsSamples) {
    UseRealClock();  // skipped waits under load outran the result ("sem resposta")
    EcuOptions options;
    options.calibrationMs = 800;
    options.faults.calibration = CalibrationOutcome::Failure;
    ConnectSimulatedEcu(2, options);
    std::string path;
    Run([&] {
        dialog_->RecordButton()->click();
        path = dialog_->Recorder().Path();
        ASSERT_TRUE(WaitUntil([&] { return dialog_->Recorder().Rows() >= 3; }, 10000));
        dialog_->Button(kCalibrate)->click();
        ASSERT_TRUE(WaitUntil([&] { return !dialog_->IsBusy(); }, 30000));
        dialog_->RecordButton()->click();  // stopped by hand
        EXPECT_FALSE(dialog_->Recorder().Recording());
        dialog_->Button(kReturn)->click();
    }, 10000);
    const Datalog log = ReadDatalog(path);
    ASSERT_EQ(log.events.size(), 2u);
    EXPECT_EQ(log.events[0].text + "|" + log.events[1].text, "calibração iniciada|calibração com erro");
    int during = 0;
    for (int64_t t : log.times) during += t > log.events[0].tMs && t < log.events[1].tMs;
    EXPECT_GT(during, 0) << "the calibration's readings were not recorded";
}

}  // namespace
