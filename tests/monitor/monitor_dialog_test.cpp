// The monitoring panel against the simulated ECU, offscreen: live values on
// screen and a calibration on every model, the step fields, the result
// codes, closing during a calibration and the lost stream.
#include "monitor/monitor_dialog.h"
#include "tests/monitor/shown_rpm.h"

#include <QSpinBox>
#include <QTest>

#include "app/globals.h"
#include "app/ui/ui_globals.h"
#include "comm/ecu_worker.h"
#include "controls/font_label.h"
#include "controls/image_button.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr int kReturn = 1186, kExit = 1187, kCalibrate = 1183, kCalibrating = 1762, kIdle = 1712, kHigh = 1713;

class MonitorDialogTest : public UiTest {
  protected:
    // What the customer page leaves behind: the link open, every register read.
    void Connect(int model, EcuOptions options = {}) {
        UseSimulatedEcu(model, options);
        OpenLinkWithSnapshot();
    }
    // Made after the link (and before the worker goes), shown again on each call.
    void TearDown() override {
        dialog_.reset();
        UiTest::TearDown();
    }
    // Shows the panel; `driver` runs once its start-up exchange is over.
    int Run(const std::function<void()>& driver, int timeoutMs = 5000) {
        if (!dialog_) dialog_ = std::make_unique<CMonitorDialog>();
        return RunPage(dialog_.get(), [&] {
            ASSERT_TRUE(WaitUntil([&] { return !dialog_->IsBusy(); }, timeoutMs));
            driver();
        });
    }
    int ShownRpm() const { return ::ShownRpm(*dialog_); }
    // The stop frames that went out by the time the worker is idle again.
    int StopFramesWhenIdle() {
        WaitForWorker();
        return FramesOfKind(FrameKind::MonitorStop);
    }
    std::unique_ptr<CMonitorDialog> dialog_;
};

// Sees whether the widget it watches was ever shown.
struct ShowSeen : QObject {
    bool seen = false;
    bool eventFilter(QObject*, QEvent* event) override {
        seen |= event->type() == QEvent::Show;
        return false;
    }
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
        EXPECT_TRUE(dialog_->Button(kReturn)->isEnabled());
        EXPECT_GT(ShownRpm(), 500);
        EXPECT_LT(ShownRpm(), 1500);
        Ecu().SetRevving(true);
        // Rpm and throttle come in different groups of the stream: each
        // gauge shows its own as it arrives.
        ASSERT_TRUE(WaitUntil([&] {
            return ShownRpm() > 2500 && dialog_->Slots().ShownImage(MonitorSlots::kTpsBar) != 0;
        }, kRealTimeLimitMs));
        EXPECT_NE(dialog_->Slots().ShownImage(MonitorSlots::kArcFirst + 9), 0);
        if (GetParam() == 0) SaveScreenshot(dialog_.get(), QStringLiteral("monitor-revving.png"));
        Ecu().SetRevving(false);

        ShowSeen calibratingShown;
        dialog_->Label(kCalibrating)->installEventFilter(&calibratingShown);
        dialog_->Button(kCalibrate)->click();
        EXPECT_FALSE(dialog_->Button(kCalibrate)->isEnabled());
        ASSERT_TRUE(WaitUntil([&] { return !dialog_->IsBusy(); }, kRealTimeLimitMs));
        EXPECT_TRUE(calibratingShown.seen);
        EXPECT_FALSE(dialog_->Label(kCalibrating)->isVisible());
        EXPECT_EQ(g_CalibrationRunning, 0);
        EXPECT_TRUE(dialog_->Button(kCalibrate)->isEnabled());
        EXPECT_TRUE(dialog_->IsPolling());
        dialog_->Button(kReturn)->click();
    }, kRealTimeLimitMs);
    EXPECT_EQ(result, CMonitorDialog::kReturned);
    EXPECT_TRUE(messages_.empty()) << messages_.front().text.toStdString();
    EXPECT_EQ(FramesOfKind(FrameKind::Calibrate), 1);
    dialog_.reset();
    StopFramesWhenIdle();
    EXPECT_FALSE(Ecu().Streaming());
}

INSTANTIATE_TEST_SUITE_P(Models, EveryModel, ::testing::Values(0, 1, 2));

TEST_F(MonitorDialogTest, ReturnGivesOneExitGivesTwoAndClosingStopsTheStreamAgain) {
    Connect(0);
    EXPECT_EQ(Run([&] { dialog_->Button(kReturn)->click(); }), CMonitorDialog::kReturned);
    EXPECT_EQ(StopFramesWhenIdle(), 3);
    EXPECT_EQ(Run([&] { dialog_->Button(kExit)->click(); }), CMonitorDialog::kExited);
    EXPECT_EQ(StopFramesWhenIdle(), 3);  // Exit leaves the stop to the destruction
    dialog_.reset();
    EXPECT_EQ(StopFramesWhenIdle(), 6);
    EXPECT_EQ(FramesOfKind(FrameKind::MonitorStart), 2);
}

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
        EXPECT_EQ(messages_[0].text, QStringLiteral("A Calibração ainda não foi concluída. "
                                                    "Deseja realmente retornar à tela anterior?"));
        EXPECT_EQ(messages_[0].title, QStringLiteral("Calibração em andamento"));
        EXPECT_EQ(messages_[0].buttons, BoxButtons::YesNo);
        EXPECT_TRUE(dialog_->isVisible());
        nextAnswer_ = kAnswerYes;
        QTest::keyClick(dialog_.get(), Qt::Key_Escape);
        ASSERT_EQ(messages_.size(), 2u);
        EXPECT_EQ(messages_[1].text, QStringLiteral("A Calibração ainda não foi concluída. Deseja realmente sair?"));
        endedBeforeCalibration = !dialog_->isVisible();
        EXPECT_EQ(FramesOfKind(FrameKind::ReadAll), reads);
    });
    EXPECT_EQ(result, CMonitorDialog::kExited);
    EXPECT_FALSE(endedBeforeCalibration);
    EXPECT_EQ(g_CalibrationRunning, 0);
    // The calibration ran to its end: its read-back went out.
    EXPECT_GT(FramesOfKind(FrameKind::ReadAll), reads);
    EXPECT_EQ(FramesOfKind(FrameKind::RegisterWrite), 0);
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
        QTest::keyClick(high, Qt::Key_Down);  // the arrows stay within the range
        EXPECT_EQ(high->value(), 240);
        high->setValue(120);
        high->setFocus();
        QTest::keyClick(high, Qt::Key_Return);
        ASSERT_TRUE(WaitUntil([&] { return !dialog_->IsBusy() && dialog_->IsPolling(); }, 10000));
        EXPECT_EQ(Ecu().Registers().at(0x3E), 120);
        EXPECT_EQ(Ecu().Registers().at(0x3D), 0);
        EXPECT_EQ(FramesOfKind(FrameKind::RegisterWrite), 1);
        EXPECT_EQ(idle->text() + high->text(), "0120");
        idle->setFocus();
        idle->clear();
        QTest::keyClick(idle, Qt::Key_Return);
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].text, QStringLiteral("Valor abaixo do limite inferior."));
        EXPECT_FALSE(dialog_->IsBusy());
        EXPECT_EQ(FramesOfKind(FrameKind::RegisterWrite), 1);
        dialog_->Button(kReturn)->click();
    });
}

TEST_F(MonitorDialogTest, AReadBackMissingAStepEndsThePanelWithThree) {
    EcuOptions options;
    options.faults.missingRegister = 0x3E;
    Connect(1, options);
    EXPECT_EQ(Run([&] { QTest::keyClick(dialog_->StepField(kIdle), Qt::Key_Enter); }), CMonitorDialog::kReadBackFailed);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, QStringLiteral("Erro na leitura dos parâmetros !!!"));
}

// The cable is pulled: every poll fails; the restarted stream brings the readings back.
TEST_F(MonitorDialogTest, ASilentStreamDropsTheValuesAndIsStartedAgain) {
    Connect(0);
    Run([&] {
        ASSERT_TRUE(WaitUntil([&] { return ShownRpm() > 0; }));
        Worker().Post([](EcuSession& session) { return StopMonitoring(session, 10), 0; }, [](int) {});
        ASSERT_TRUE(WaitUntil([&] { return FramesOfKind(FrameKind::MonitorStart) >= 2; }, 5000));
        EXPECT_TRUE(WaitUntil([&] { return ShownRpm() > 0; }, 3000));
        dialog_->Button(kExit)->click();
    });
}

}  // namespace
