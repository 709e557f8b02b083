#pragma once
// Shared fixture of the widget tests: globals reset, message boxes and file
// dialogs answered by the test, the program's clock skipping every wait
// (the simulated ECU answers at once), the serial port pointed at a
// simulated ECU that outlives the port's opens, and a way to drive a modal page.

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "app/ui/message_box.h"
#include "comm/clock.h"
#include "sim/sim_device.h"

class CPageDialog;

// Real time that jumps over every wait: an exchange with the simulated ECU
// costs no waiting, and its live stream still flows between the polls.
class SkippingClock : public Clock {
public:
    void WaitMs(int ms) override { skipped_.Advance(ms); }
    int64_t NowMs() const override { return real_.NowMs() + skipped_.NowMs(); }

private:
    RealClock real_;
    VirtualClock skipped_;
};

// Spins the event loop until pred() holds or timeoutMs passes.
bool WaitUntil(const std::function<bool()>& pred, int timeoutMs = 5000);
// Waits until the worker has run every job posted before.
void WaitForWorker();

// Presses a page's button named by its tooltip; on the configuration pages
// by its identifier, as some of them show no tooltips.
void ClickButton(CPageDialog* page, const QString& tooltip);

// A page still open a minute after it was shown is ended with a failure,
// so a stuck test fails at once instead of at CTest's time-out.
void EndPageLeftOpen(CPageDialog* page, QTimer& watchdog);

// Leaves the monitoring screen with its Return button as soon as it is shown
// and its button is enabled (the aux pages pass through it on Next).
void LeaveMonitorWhenShown();

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh simulated ECU of the model behind every COM name.
    SimulatedEcuDevice& UseSimulatedEcu(int modelIndex, EcuOptions options = {});
    // Real waits, for the tests that stream live values: the stream's polls
    // come from a real-time timer, and under load skipped waits outrun them
    // (a calibration then times out). Call before the ECU is connected.
    void UseRealClock();
    SimulatedEcuDevice& Ecu() { return *ecu_; }
    // As the customer page leaves things: a simulated ECU of the model, the
    // link open on the worker and the equipment store holding its registers.
    void ConnectSimulatedEcu(int modelIndex, EcuOptions options = {});
    int FramesOfKind(FrameKind kind) const;

    // Runs page->DoModal(); `driver` runs inside the page's modal loop.
    int RunPage(CPageDialog* page, const std::function<void()>& driver);
    // The same, with the page the active window first, as the user's is:
    // focus and keys reach its fields only then.
    int RunActive(CPageDialog* page, const std::function<void()>& driver);

    QString TempPath(const QString& name) const { return dir_.filePath(name); }
    void SaveScreenshot(QWidget* widget, const QString& name);

    std::vector<MessageRequest> messages_;
    int nextAnswer_ = kAnswerYes;
    QString nextFile_;
    SkippingClock clock_;

private:
    QTemporaryDir dir_;
    std::shared_ptr<SimulatedEcuDevice> ecu_;
};
