#pragma once
// Shared fixture of the widget tests: globals reset, message boxes and file
// dialogs answered by the test, waits skipped, the serial port pointed at a
// simulated ECU that outlives the port's opens, and modal pages driven.

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "app/ui/message_box.h"
#include "comm/clock.h"
#include "pages/compare_dialog.h"
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

// Presses a page's button by its tooltip (on the configuration pages by its
// identifier: some show no tooltips).
void ClickButton(CPageDialog* page, const QString& tooltip);
// Whether the page is in an exchange with the ECU.
bool PageBusy(CPageDialog* page);
// Shows the page; once its first exchange is over, `act` runs. A page still
// open shortly after, and done with any exchange `act` started, is ended
// with kStays. The window is left for the caller to destroy.
constexpr int kStays = 9;
int ShowPage(CPageDialog* page, const std::function<void()>& act);
// A page still open a minute after it was shown is ended with a failure.
void EndPageLeftOpen(CPageDialog* page, QTimer& watchdog);
// Leaves the monitoring screen (the aux pages pass through it on Next) with
// its Return button as soon as that is enabled.
void LeaveMonitorWhenShown();

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh simulated ECU of the model behind every COM name.
    SimulatedEcuDevice& UseSimulatedEcu(int modelIndex, EcuOptions options = {});
    // Real waits, for the tests that stream live values: under load skipped
    // waits outrun the real-time polls. Call before the ECU is connected.
    void UseRealClock();
    SimulatedEcuDevice& Ecu() { return *ecu_; }
    // As the customer page leaves things: a simulated ECU of the model, the
    // link open on the worker and the equipment store holding its registers.
    void ConnectSimulatedEcu(int modelIndex, EcuOptions options = {});
    // On the port as set up: the link opened and the monitor's read-all
    // into the equipment store, as the customer page leaves them.
    void OpenLinkWithSnapshot();
    int FramesOfKind(FrameKind kind) const;

    // Runs page->DoModal(); `driver` runs inside the page's modal loop.
    int RunPage(CPageDialog* page, const std::function<void()>& driver);
    // The same with the page the active window, so focus and keys reach it.
    int RunActive(CPageDialog* page, const std::function<void()>& driver);

    QString TempPath(const QString& name) const { return dir_.filePath(name); }
    void SaveScreenshot(QWidget* widget, const QString& name);

    std::vector<MessageRequest> messages_;
    // The comparison boxes shown, answered with nextCompareAnswer_ after onCompare_ saw the box.
    struct ShownComparison {
        CCompareDialog::Purpose purpose;
        QString title, text;  // text: the table as "Copiar" gives it
        std::vector<FieldDifference> differences;
    };
    std::vector<ShownComparison> comparisons_;
    int nextCompareAnswer_ = 1;  // QDialog::Accepted: "Gravar"
    std::function<void(CCompareDialog&)> onCompare_;
    int nextAnswer_ = kAnswerYes;
    QString nextFile_;
    SkippingClock clock_;

private:
    QTemporaryDir dir_;
    std::shared_ptr<SimulatedEcuDevice> ecu_;
};
