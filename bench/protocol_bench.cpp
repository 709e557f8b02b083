// What the protocol costs beyond its fixed waits: the waits run on a virtual
// clock (they take no time), so the measured time is the program's own work
// per exchange against the simulated ECU.
#include <benchmark/benchmark.h>

#include <memory>

#include "comm/clock.h"
#include "comm/crx4comm.h"
#include "comm/ecu_protocol.h"
#include "comm/pending_writes.h"
#include "data/crx4data.h"
#include "data/crx4file.h"
#include "data/diagnostic_dump.h"
#include "sim/forwarding_device.h"
#include "sim/sim_device.h"

namespace {

class QuietHooks : public PageHooks {
public:
    int RefreshFromStore(CRX4DATA&) override { return 0; }
    void SetCommandsEnabled(bool) override {}
    void QueueWritesForKey(const char*, PendingWrites& pending) override {
        pending.Append("21", value_ ? "A" : "B");
        value_ = !value_;
    }
    void ShowMessage(const char*, const char*, MessageIcon) override {}

private:
    bool value_ = false;
};

struct Link {
    VirtualClock clock;
    CRX4COMM port;
    CRX4DATA equipment, file, monitor;
    PendingWrites pending;
    CRX4FILE dump;
    std::shared_ptr<SimulatedEcuDevice> ecu = std::make_shared<SimulatedEcuDevice>(clock, EcuVariant::Q7100);
    EcuSession session{port, clock, equipment, file, monitor, pending, dump, 0, false, std::string()};
    QuietHooks hooks;

    Link() {
        SetDumpFolder("/tmp");
        auto shared = ecu;
        port.SetDeviceFactory([shared](const std::string&) { return MakeForwardingDevice(shared); });
        // As the port page leaves it: a number chosen and the port open.
        port.SetPortNumber(1);
        port.OpenPort();
        OpenEcuLink(session);
    }
};

void BM_ReadAllBeyondWaits(benchmark::State& state) {
    Link link;
    const TimingProfile& row = TimingFor(EcuCaller::AuxPage);
    for (auto _ : state) benchmark::DoNotOptimize(ReadRegisters(link.session, "FULL", link.equipment, row, link.hooks));
    state.counters["virtual_ms"] = static_cast<double>(link.clock.NowMs()) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ReadAllBeyondWaits);

void BM_WritePassOneEntryBeyondWaits(benchmark::State& state) {
    Link link;
    ReadRegisters(link.session, "FULL", link.equipment, TimingFor(EcuCaller::AuxPage), link.hooks);
    const TimingProfile& row = TimingFor(EcuCaller::AuxPage);
    for (auto _ : state) benchmark::DoNotOptimize(WritePendingRegisters(link.session, "21", row, link.hooks));
    state.counters["virtual_ms"] = static_cast<double>(link.clock.NowMs()) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_WritePassOneEntryBeyondWaits);

void BM_MonitorPoll(benchmark::State& state) {
    Link link;
    StartMonitoring(link.session);
    for (auto _ : state) {
        link.clock.Advance(100);
        benchmark::DoNotOptimize(PollMonitorAnswer(link.session, link.monitor, CheckRule::Tested));
    }
}
BENCHMARK(BM_MonitorPoll);

}  // namespace

BENCHMARK_MAIN();
