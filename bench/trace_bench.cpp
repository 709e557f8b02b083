// What the communication trace costs: one traced frame, one live-stream
// answer (a monitoring poll against the simulated ECU with the trace on and
// off), a frame with the live file (--trace) open, and an export of a full
// ring. The ring is filled before timing, so the figures are those of a
// program that has been tracing for a while (every line replaces an old one).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "comm/clock.h"
#include "comm/comm_trace.h"
#include "comm/crx4comm.h"
#include "comm/ecu_protocol.h"
#include "comm/pending_writes.h"
#include "data/crx4data.h"
#include "data/crx4file.h"
#include "data/diagnostic_dump.h"
#include "sim/forwarding_device.h"
#include "sim/sim_device.h"

namespace {

const uint8_t kFrame[] = {0xB0, 0x20, 0x01, 0xC0};

void FillRing(CommTrace& trace) {
    for (size_t i = 0; i < CommTrace::kCapacity; ++i) trace.Sent(kFrame, sizeof kFrame, 4);
}

// The program's trace runs on the real clock.
void BM_TraceOneFrame(benchmark::State& state) {
    RealClock clock;
    CommTrace trace(&clock);
    FillRing(trace);
    for (auto _ : state) trace.Sent(kFrame, sizeof kFrame, 4);
}
BENCHMARK(BM_TraceOneFrame);

void BM_TraceOneFrameWithLiveFile(benchmark::State& state) {
    QTemporaryDir dir;
    RealClock clock;
    CommTrace trace(&clock);
    trace.OpenLiveFile(QDir(dir.path()).filePath("live.txt").toStdString(), nullptr);
    FillRing(trace);
    for (auto _ : state) trace.Sent(kFrame, sizeof kFrame, 4);
}
BENCHMARK(BM_TraceOneFrameWithLiveFile);

// A live-stream answer as the monitor reads it: the program's own work per
// poll, arg 1 with the trace on, 0 without. The difference is the trace's.
void BM_MonitorPollTraced(benchmark::State& state) {
    VirtualClock clock;
    CommTrace trace(&clock);
    CRX4COMM port;
    CRX4DATA equipment, file, monitor;
    PendingWrites pending;
    CRX4FILE dump;
    auto ecu = std::make_shared<SimulatedEcuDevice>(clock, EcuVariant::Q7100);
    EcuSession session{port, clock, equipment, file, monitor, pending, dump, 0, false, std::string()};
    SetDumpFolder("/tmp");
    port.SetTrace(state.range(0) ? &trace : nullptr);
    port.SetDeviceFactory([ecu](const std::string&) { return MakeForwardingDevice(ecu); });
    port.SetPortNumber(1);
    port.OpenPort();
    OpenEcuLink(session);
    StartMonitoring(session);
    FillRing(trace);
    const uint64_t droppedBefore = trace.DroppedLines();
    for (auto _ : state) {
        clock.Advance(100);
        benchmark::DoNotOptimize(PollMonitorAnswer(session, monitor, CheckRule::Tested));
    }
    port.SetTrace(nullptr);
    // How many lines a poll adds (the ring is full: each one drops one), and
    // the last of them.
    state.counters["lines_per_poll"] = benchmark::Counter(
        static_cast<double>(trace.DroppedLines() - droppedBefore), benchmark::Counter::kAvgIterations);
    const std::vector<std::string> lines = trace.KeptLines();
    if (state.range(0))
        state.SetLabel(std::to_string(lines.back().size()) + " chars: " + lines.back().substr(0, 40));
}
BENCHMARK(BM_MonitorPollTraced)->Arg(0)->Arg(1);

void BM_ExportFullRing(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("trace.txt").toStdString();
    CommTrace trace;
    trace.Start("Q5100", "COM3 (/dev/ttyUSB0)");
    FillRing(trace);
    for (auto _ : state) benchmark::DoNotOptimize(trace.Export(path, nullptr));
}
BENCHMARK(BM_ExportFullRing)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
