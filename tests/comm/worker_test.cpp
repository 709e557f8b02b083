// The worker runs exchanges with real waits while the UI thread keeps
// handling events; hooks and results reach the UI thread.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <memory>

#include "comm/clock.h"
#include "comm/crx4comm.h"
#include "comm/ecu_worker.h"
#include "comm/pending_writes.h"
#include "tests/support/scripted_device.h"
#include "data/crx4data.h"
#include "data/crx4file.h"

namespace {

// Remembers on which thread each hook ran and how far the UI timer had
// ticked when the pass asked for the writes.
class ThreadCheckingHooks : public PageHooks {
  public:
    explicit ThreadCheckingHooks(const int& ticks, std::shared_ptr<DeviceScript> script)
        : ticks_(ticks), script_(std::move(script)) {}

    int RefreshFromStore(CRX4DATA& /*store*/) override {
        Note();
        return 0;
    }
    void SetCommandsEnabled(bool /*enabled*/) override { Note(); }
    void QueueWritesForKey(const char* /*key*/, PendingWrites& pending) override {
        Note();
        ticksAtQueue = ticks_;
        pending.Append("21", "A");
    }
    // Stays open for a while as a message box would; the worker must not
    // send anything meanwhile.
    void ShowMessage(const char* /*text*/, const char* /*title*/, MessageIcon /*icon*/) override {
        Note();
        const size_t before = script_->Written().size();
        QEventLoop box;
        QTimer::singleShot(50, &box, &QEventLoop::quit);
        box.exec();
        framesSentWhileMessageOpen = script_->Written().size() - before;
        ++messages;
    }

    bool allOnUiThread = true;
    int calls = 0;
    int ticksAtQueue = -1;
    int messages = 0;
    size_t framesSentWhileMessageOpen = 0;

  private:
    void Note() {
        ++calls;
        if (QThread::currentThread() != QCoreApplication::instance()->thread()) {
            allOnUiThread = false;
        }
    }

    const int& ticks_;
    std::shared_ptr<DeviceScript> script_;
};

// Real waits, kept short: 240 ms for one entry and its read-back.
TimingProfile ShortAuxProfile() {
    TimingProfile profile = TimingFor(EcuCaller::AuxPage);
    profile.readLeadMs = 30;
    profile.firstWaitMs = 30;
    profile.retryWaitMs = 30;
    profile.answerWaitMs = 30;
    profile.afterAnswerWaitMs = 30;
    profile.confirmSpacingMs = 30;
    profile.entryTrailingMs = 30;
    return profile;
}

class EcuWorkerTest : public ::testing::Test {
  protected:
    EcuWorkerTest() : app_(argc_, argv_) {
        port.SetDeviceFactory(
            [this](const std::string&) { return std::make_unique<ScriptedDevice>(script); });
        port.SetPortNumber(1);
        port.OpenPort();
        QObject::connect(&uiTimer, &QTimer::timeout, [this] { ++ticks; });
        uiTimer.start(10);
    }

    // Runs the job on the worker and the UI event loop until its result.
    int RunJob(EcuWorker& worker, EcuWorker::Job job) {
        int result = -1;
        QEventLoop loop;
        worker.Post(std::move(job), [&](int r) {
            result = r;
            resultOnUiThread = QThread::currentThread() == app_.thread();
            loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        return result;
    }

    int argc_ = 1;
    char arg0_[11] = "tests_comm";
    char* argv_[2] = {arg0_, nullptr};
    QCoreApplication app_;

    std::shared_ptr<DeviceScript> script = std::make_shared<DeviceScript>();
    RealClock clock;
    CRX4COMM port;
    CRX4DATA equipmentStore;
    CRX4DATA fileStore;
    CRX4DATA monitorStore;
    PendingWrites pending;
    CRX4FILE dumpFile;
    EcuSession session{port,     clock, equipmentStore, fileStore, monitorStore, pending,
                       dumpFile, 0,     false,          ""};
    QTimer uiTimer;
    int ticks = 0;
    bool resultOnUiThread = false;
};

}  // namespace

TEST_F(EcuWorkerTest, UiThreadKeepsTickingWhileAWritePassWaitsOnTheWorker) {
    ThreadCheckingHooks page(ticks, script);
    EcuWorker worker(session);
    UiThreadHooks hooks(worker, page);
    const TimingProfile profile = ShortAuxProfile();
    script->QueueAnswer({0xB0, 0x21, 0x0A, 0xC0});
    script->QueueAnswer({0xB0, 0x21, 0x0A, 0xC0});

    QElapsedTimer elapsed;
    elapsed.start();
    const int result = RunJob(
        worker, [&](EcuSession& s) { return WritePendingRegisters(s, "21", profile, hooks); });

    EXPECT_EQ(result, 0);
    EXPECT_TRUE(resultOnUiThread);
    EXPECT_GE(elapsed.elapsed(), 240);
    // The timer went on firing between the queueing and the result.
    ASSERT_GE(page.ticksAtQueue, 0);
    EXPECT_GE(ticks - page.ticksAtQueue, 8);
    EXPECT_TRUE(page.allOnUiThread);
    EXPECT_GE(page.calls, 5);
    EXPECT_EQ(script->Written().size(), 5u);  // write, three confirms, read
}

TEST_F(EcuWorkerTest, MessageAskedMidSequenceHoldsTheNextFrameUntilClosed) {
    ThreadCheckingHooks page(ticks, script);
    EcuWorker worker(session);
    UiThreadHooks hooks(worker, page);

    RunJob(worker, [&](EcuSession& s) {
        hooks.ShowMessage("Calibração", "", MessageIcon::Exclamation);
        StartMonitoring(s);
        return 0;
    });
    EXPECT_EQ(page.messages, 1);
    EXPECT_EQ(page.framesSentWhileMessageOpen, 0u);
    EXPECT_EQ(script->Written().size(), 1u);
}
