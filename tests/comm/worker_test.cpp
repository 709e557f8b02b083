// The worker runs exchanges with real waits while the UI thread keeps
// handling events; hooks and results reach the UI thread, and a message box
// asked for mid-sequence holds the next frame until it is closed.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include "comm/ecu_worker.h"
#include "tests/comm/protocol_fixture.h"

namespace {

bool OnUiThread() { return QThread::currentThread() == QCoreApplication::instance()->thread(); }

// Notes where each hook ran, how far the UI timer had ticked when the pass
// queued its writes, and what was sent while its message box was open.
struct ThreadCheckingHooks : PageHooks {
    ThreadCheckingHooks(const int& t, DeviceScript& s) : ticks(t), script(s) {}
    int RefreshFromStore(CRX4DATA&) override { return Note(), 0; }
    void SetCommandsEnabled(bool) override { Note(); }
    void QueueWritesForKey(const char*, PendingWrites& pending) override {
        Note(), ticksAtQueue = ticks, pending.Append("21", "A");
    }
    void ShowMessage(const char*, const char*, MessageIcon) override {
        Note();
        const size_t before = script.Written().size();
        QEventLoop box;  // stays open for a while, as a message box would
        QTimer::singleShot(50, &box, &QEventLoop::quit);
        box.exec(), framesSentWhileOpen = script.Written().size() - before;
    }
    void Note() { calls += 1, allOnUiThread = allOnUiThread && OnUiThread(); }

    const int& ticks;
    DeviceScript& script;
    bool allOnUiThread = true;
    int calls = 0, ticksAtQueue = -1;
    size_t framesSentWhileOpen = 99;
};

TEST(EcuWorkerTest, TheUiThreadKeepsTickingWhileAPassWaitsOnTheWorker) {
    int argc = 1;
    char* argv[] = {const_cast<char*>("tests_comm"), nullptr};
    QCoreApplication app(argc, argv);
    auto script = std::make_shared<DeviceScript>();
    RealClock clock;
    CRX4COMM port;
    port.SetDeviceFactory([script](const std::string&) { return std::make_unique<ScriptedDevice>(script); });
    port.OpenPort();
    CRX4DATA equipment, file, monitor;
    PendingWrites pending;
    CRX4FILE dump;
    EcuSession session{port, clock, equipment, file, monitor, pending, dump, 0, false, ""};
    int ticks = 0;
    QTimer uiTimer;
    QObject::connect(&uiTimer, &QTimer::timeout, [&ticks] { ++ticks; }), uiTimer.start(10);
    ThreadCheckingHooks page(ticks, *script);
    EcuWorker worker(session);
    UiThreadHooks hooks(worker, page);
    auto run = [&](EcuWorker::Job job) {
        int result = -1;
        QEventLoop loop;
        worker.Post(std::move(job), [&](int r) { result = OnUiThread() ? r : -2, loop.quit(); });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        return loop.exec(), result;
    };

    // Real waits, kept short: 7 waits of 30 ms for one entry and its read-back.
    TimingProfile profile = TimingFor(EcuCaller::AuxPage);
    for (int* ms : {&profile.readLeadMs, &profile.firstWaitMs, &profile.retryWaitMs, &profile.answerWaitMs,
                    &profile.afterAnswerWaitMs, &profile.confirmSpacingMs, &profile.entryTrailingMs})
        *ms = 30;
    for (int i = 0; i < 2; ++i) script->QueueAnswer({0xB0, 0x21, 0x0A, 0xC0});
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(run([&](EcuSession& s) { return WritePendingRegisters(s, "21", profile, hooks); }), 0);
    EXPECT_GE(elapsed.elapsed(), 240);
    ASSERT_GE(page.ticksAtQueue, 0);
    EXPECT_GE(ticks - page.ticksAtQueue, 8) << "the timer fired between the queueing and the result";
    EXPECT_TRUE(page.allOnUiThread && page.calls >= 5) << page.calls;
    EXPECT_EQ(script->Written().size(), 5u);  // write, three confirms, read

    EXPECT_EQ(run([&](EcuSession& s) {
        hooks.ShowMessage("Calibração", "", MessageIcon::Exclamation);
        return StartMonitoring(s), 7;
    }), 7);
    EXPECT_TRUE(page.framesSentWhileOpen == 0u && script->Written().size() == 6u) << page.framesSentWhileOpen;
}

}  // namespace
