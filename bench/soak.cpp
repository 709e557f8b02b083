// Soak of the live monitoring: polls every 100 ms against the simulated ECU
// with the engine revving and idling, through the gauge logic. In virtual
// time (default one hour) it checks that memory does not grow; with
// --real-seconds N it runs in real time on the worker thread and reports the
// UI thread's longest stall as well.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "comm/clock.h"
#include "comm/crx4comm.h"
#include "comm/ecu_protocol.h"
#include "comm/ecu_worker.h"
#include "comm/pending_writes.h"
#include "data/crx4data.h"
#include "data/crx4file.h"
#include "monitor/image_slots.h"
#include "monitor/live_gauges.h"
#include "monitor/poll_tick.h"
#include "sim/forwarding_device.h"
#include "sim/sim_device.h"

namespace {

class CountingSlots : public ImageSlots {
public:
    void Show(int, int) override { ++changes; }
    void Hide(int) override { ++changes; }
    void Move(int, SlotPoint) override { ++changes; }
    long changes = 0;
};

long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

struct Rig {
    explicit Rig(Clock& c) : clock(c) {
        ecu = std::make_shared<SimulatedEcuDevice>(clock, EcuVariant::Q7100);
        auto shared = ecu;
        port.SetDeviceFactory([shared](const std::string&) { return MakeForwardingDevice(shared); });
        equipment.Add("3D", "50");
        equipment.Add("3E", "96");
        monitor.Add("3D", "50");
        monitor.Add("3E", "96");
    }
    Clock& clock;
    CRX4COMM port;
    CRX4DATA equipment, file, monitor;
    PendingWrites pending;
    CRX4FILE dump;
    std::shared_ptr<SimulatedEcuDevice> ecu;
    EcuSession session{port, clock, equipment, file, monitor, pending, dump, 0, false, ""};
    CountingSlots slots;
    GaugeUpdateCounts counts;
    LiveGauges gauges{slots, counts, 0};
    PollTick tick{gauges, monitor};
    long answered = 0, failed = 0;

    void Poll() {
        const TickOutcome outcome = tick.OnPoll(PollMonitorAnswer(session, monitor, CheckRule::Tested));
        if (outcome == TickOutcome::Answered) ++answered; else ++failed;
        if (outcome == TickOutcome::StreamLost) StartMonitoring(session);
    }
};

int VirtualSoak(long seconds) {
    VirtualClock clock;
    Rig rig(clock);
    OpenEcuLink(rig.session);
    StartMonitoring(rig.session);
    long startKb = 0;
    for (long tick = 0; tick < seconds * 10; ++tick) {
        clock.Advance(100);
        // The engine revs for a minute out of every five.
        if (tick % 3000 == 0) rig.ecu->SetRevving((tick / 3000) % 5 == 4);
        rig.Poll();
        if (tick == 600) startKb = ResidentKb();  // after the first minute has warmed up
    }
    std::printf("virtual soak: %ld s of polls, %ld answered, %ld failed, %ld slot changes, "
                "resident %ld KiB after 1 min, %ld KiB at the end\n",
                seconds, rig.answered, rig.failed, rig.slots.changes, startKb, ResidentKb());
    return 0;
}

// With `idle` nothing is polled: the same probe then shows how much the
// machine itself delays a thread that has nothing to do.
int RealSoak(int argc, char** argv, long seconds, bool idle) {
    QCoreApplication app(argc, argv);
    RealClock clock;
    Rig rig(clock);
    EcuWorker worker(rig.session);
    worker.Post([](EcuSession& s) { OpenEcuLink(s); StartMonitoring(s); return 0; }, nullptr);
    bool pollRunning = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (pollRunning) return;  // a slow poll is never stacked behind another
        pollRunning = true;
        worker.Post([&](EcuSession&) { rig.Poll(); return 0; }, [&](int) { pollRunning = false; });
    });
    QElapsedTimer sinceTick, total;
    qint64 longestGap = 0;
    long ticks = 0, overFrame = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 gap = sinceTick.restart();
        longestGap = std::max(longestGap, gap);
        ++ticks;
        if (gap > 16) ++overFrame;
    });
    const long startKb = ResidentKb();
    sinceTick.start();
    total.start();
    if (!idle) poll.start(100);
    probe.start(5);
    QTimer::singleShot(static_cast<int>(seconds * 1000), [&] { app.quit(); });
    app.exec();
    poll.stop();
    std::printf("real soak%s: %ld s, %ld answered, %ld failed polls, longest UI-thread gap %lld ms, "
                "%ld of %ld gaps over 16 ms, resident %ld KiB at start, %ld KiB at the end\n",
                idle ? " (idle, no polls)" : "", seconds, rig.answered, rig.failed,
                static_cast<long long>(longestGap), overFrame, ticks, startKb, ResidentKb());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--real-seconds") == 0)
        return RealSoak(argc, argv, std::atol(argv[2]), argc == 4 && std::strcmp(argv[3], "--idle") == 0);
    long seconds = 3600;
    if (argc == 3 && std::strcmp(argv[1], "--virtual-seconds") == 0) seconds = std::atol(argv[2]);
    return VirtualSoak(seconds);
}
