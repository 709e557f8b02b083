// The monitoring panel against the simulated ECU, offscreen: live values on
// screen, a step write reaching the ECU, a calibration on every model, the
// result codes, closing during a calibration and the lost stream.

#include "monitor/monitor_dialog.h"

#include <QSpinBox>
#include <QTest>

#include "app/globals.h"
#include "app/ui/ui_globals.h"
#include "comm/ecu_worker.h"
#include "controls/font_label.h"
#include "controls/image_button.h"
#include "data/store_text.h"
#include "tests/ui/ui_test_support.h"

namespace {

class MonitorDialogTest : public UiTest {
  protected:
    // What the customer page leaves behind: the link open, every register read.
    void Connect(int model, EcuOptions options = {}) {
        UseSimulatedEcu(model, options);
        SyncSessionFromGlobals();
        bool opened = false;
        Worker().Post(
            [](EcuSession& session) {
                OpenEcuLink(session);
                return ReadMonitorSnapshot(session, session.equipmentStore);
            },
            [&](int) { opened = true; });
        ASSERT_TRUE(WaitUntil([&] { return opened; }));
    }
    static int ShownRpm(const CMonitorDialog& dialog) {
        int rpm = 0;
        for (int slot : MonitorSlots::kRpmDigits) {
            const int image = dialog.Slots().ShownImage(slot);
            rpm = rpm * 10 + (image ? image - GaugeImages::kLargeDigitZero : 0);
        }
        return rpm;
    }
    static int LitSegments(const CMonitorDialog& dialog) {
        int lit = 0;
        for (int i = 0; i < 28; ++i)
            lit += dialog.Slots().ShownImage(MonitorSlots::kArcFirst + i) != 0;
        return lit;
    }
    bool Calibrating(CMonitorDialog& dialog) { return dialog.Label(1762)->isVisible(); }
    // The stop frames that went out by the time the worker is idle again.
    int StopFramesWhenIdle() {
        WaitForWorker();
        return FramesOfKind(FrameKind::MonitorStop);
    }
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

TEST_P(EveryModel, LiveValuesMoveAStepWriteReachesTheEcuAndACalibrationCompletes) {
    EcuOptions options;
    options.calibrationMs = 300;
    UseRealClock();
    Connect(GetParam(), options);
    auto dialog = std::make_unique<CMonitorDialog>();
    const int result = RunPage(dialog.get(), [&] {
        ASSERT_TRUE(WaitUntil([&] { return !dialog->IsBusy() && ShownRpm(*dialog) > 0; }, kRealTimeLimitMs));
        EXPECT_TRUE(dialog->Button(1186)->isEnabled());
        const int idle = ShownRpm(*dialog);
        EXPECT_GT(idle, 500);
        EXPECT_LT(idle, 1500);

        Ecu().SetRevving(true);
        ASSERT_TRUE(WaitUntil([&] { return ShownRpm(*dialog) > 2500; }, kRealTimeLimitMs));
        EXPECT_GE(LitSegments(*dialog), 10);
        EXPECT_NE(dialog->Slots().ShownImage(MonitorSlots::kTpsBar), 0);
        if (GetParam() == 0)
            SaveScreenshot(dialog.get(), QStringLiteral("monitor-revving.png"));
        Ecu().SetRevving(false);

        QSpinBox* idleSteps = dialog->StepField(1712);
        const int steps = idleSteps->value() == 240 ? 200 : idleSteps->value() + 1;
        idleSteps->setFocus();
        idleSteps->setValue(steps);
        QTest::keyClick(idleSteps, Qt::Key_Return);
        EXPECT_EQ(g_FocusedKey, "3D");
        ASSERT_TRUE(WaitUntil([&] { return !dialog->IsBusy(); }, kRealTimeLimitMs));
        EXPECT_EQ(Ecu().Registers().at(0x3D), steps);
        EXPECT_EQ(idleSteps->value(), steps);
        EXPECT_TRUE(dialog->IsPolling());

        ShowSeen calibratingShown;
        dialog->Label(1762)->installEventFilter(&calibratingShown);
        dialog->Button(1183)->click();
        EXPECT_FALSE(dialog->Button(1183)->isEnabled());
        ASSERT_TRUE(WaitUntil([&] { return !dialog->IsBusy(); }, kRealTimeLimitMs));
        EXPECT_TRUE(calibratingShown.seen);
        EXPECT_FALSE(Calibrating(*dialog));
        EXPECT_EQ(g_CalibrationRunning, 0);
        EXPECT_TRUE(dialog->Button(1183)->isEnabled());
        EXPECT_TRUE(dialog->IsPolling());
        dialog->Button(1186)->click();
    });
    EXPECT_EQ(result, CMonitorDialog::kReturned);
    EXPECT_TRUE(messages_.empty()) << messages_.front().text.toStdString();
    EXPECT_EQ(FramesOfKind(FrameKind::Calibrate), 1);
    dialog.reset();
    StopFramesWhenIdle();
    EXPECT_FALSE(Ecu().Streaming());
}

INSTANTIATE_TEST_SUITE_P(Models, EveryModel, ::testing::Values(0, 1, 2));

TEST_F(MonitorDialogTest, ReturnGivesOneExitGivesTwoAndClosingStopsTheStreamAgain) {
    Connect(0);
    {
        CMonitorDialog dialog;
        const int result = RunPage(&dialog, [&] {
            ASSERT_TRUE(WaitUntil([&] { return !dialog.IsBusy(); }));
            dialog.Button(1186)->click();
        });
        EXPECT_EQ(result, CMonitorDialog::kReturned);
        EXPECT_EQ(StopFramesWhenIdle(), 3);
    }
    EXPECT_EQ(StopFramesWhenIdle(), 6);
    {
        CMonitorDialog dialog;
        const int result = RunPage(&dialog, [&] {
            ASSERT_TRUE(WaitUntil([&] { return !dialog.IsBusy(); }));
            dialog.Button(1187)->click();
        });
        EXPECT_EQ(result, CMonitorDialog::kExited);
        EXPECT_EQ(StopFramesWhenIdle(), 6);  // Exit leaves the stop to the destruction
    }
    EXPECT_EQ(StopFramesWhenIdle(), 9);
    EXPECT_EQ(FramesOfKind(FrameKind::MonitorStart), 2);
}

TEST_F(MonitorDialogTest, DuringACalibrationEnterWritesNothingAndExitWaitsForItsEnd) {
    EcuOptions options;
    options.calibrationMs = 1500;
    Connect(2, options);
    CMonitorDialog dialog;
    bool endedBeforeCalibration = false;
    int reads = 0;
    const int result = RunPage(&dialog, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !dialog.IsBusy(); }));
        reads = FramesOfKind(FrameKind::ReadAll);
        dialog.Button(1183)->click();
        // Running from the click, not only once the lead-in wait is over.
        ASSERT_EQ(g_CalibrationRunning, 1);
        dialog.StepField(1713)->setValue(dialog.StepField(1713)->value() == 1 ? 2 : 1);
        QTest::keyClick(dialog.StepField(1713), Qt::Key_Return);

        nextAnswer_ = kAnswerNo;
        QTest::keyClick(&dialog, Qt::Key_Left, Qt::ControlModifier);
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].text, QStringLiteral("A Calibração ainda não foi concluída. "
                                                    "Deseja realmente retornar à tela anterior?"));
        EXPECT_EQ(messages_[0].title, QStringLiteral("Calibração em andamento"));
        EXPECT_EQ(messages_[0].buttons, BoxButtons::YesNo);
        EXPECT_TRUE(dialog.isVisible());

        nextAnswer_ = kAnswerYes;
        QTest::keyClick(&dialog, Qt::Key_Escape);
        ASSERT_EQ(messages_.size(), 2u);
        EXPECT_EQ(messages_[1].text,
                  QStringLiteral("A Calibração ainda não foi concluída. Deseja realmente sair?"));
        endedBeforeCalibration = !dialog.isVisible();
        EXPECT_EQ(FramesOfKind(FrameKind::RegisterWrite), 0);
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
    CMonitorDialog dialog;
    RunPage(&dialog, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !dialog.IsBusy(); }));
        QSpinBox* idle = dialog.StepField(1712);
        QSpinBox* high = dialog.StepField(1713);
        EXPECT_EQ(idle->text(), "0");
        EXPECT_EQ(high->text(), "255");
        QTest::keyClick(high, Qt::Key_Down);  // the arrows stay within the range
        EXPECT_EQ(high->value(), 240);
        high->setValue(120);
        high->setFocus();
        QTest::keyClick(high, Qt::Key_Return);
        ASSERT_TRUE(WaitUntil([&] { return !dialog.IsBusy() && dialog.IsPolling(); }, 10000));
        EXPECT_EQ(Ecu().Registers().at(0x3E), 120);
        EXPECT_EQ(Ecu().Registers().at(0x3D), 0);
        EXPECT_EQ(FramesOfKind(FrameKind::RegisterWrite), 1);
        EXPECT_EQ(idle->text(), "0");

        idle->setFocus();
        idle->clear();
        QTest::keyClick(idle, Qt::Key_Return);
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].text, QStringLiteral("Valor abaixo do limite inferior."));
        EXPECT_FALSE(dialog.IsBusy());
        EXPECT_EQ(FramesOfKind(FrameKind::RegisterWrite), 1);
        dialog.Button(1186)->click();
    });
}

TEST_F(MonitorDialogTest, AReadBackMissingAStepEndsThePanelWithThree) {
    EcuOptions options;
    options.faults.missingRegister = 0x3E;
    Connect(1, options);
    CMonitorDialog dialog;
    const int result = RunPage(&dialog, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !dialog.IsBusy(); }));
        QTest::keyClick(dialog.StepField(1712), Qt::Key_Enter);
    });
    EXPECT_EQ(result, CMonitorDialog::kReadBackFailed);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, QStringLiteral("Erro na leitura dos parâmetros !!!"));
}

TEST_F(MonitorDialogTest, ASilentStreamDropsTheValuesAndIsStartedAgain) {
    Connect(0);
    CMonitorDialog dialog;
    RunPage(&dialog, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !dialog.IsBusy() && ShownRpm(dialog) > 0; }));
        // The cable is pulled: every poll fails from now on.
        Worker().Post(
            [](EcuSession& session) {
                StopMonitoring(session, 10);
                return 0;
            },
            [](int) {});
        ASSERT_TRUE(WaitUntil([&] { return FramesOfKind(FrameKind::MonitorStart) >= 2; }, 5000));
        // The restarted stream brings the readings back.
        EXPECT_TRUE(WaitUntil([&] { return ShownRpm(dialog) > 0; }, 3000));
        dialog.Button(1187)->click();
    });
}

}  // namespace
