// The longest stall of the UI thread while the worker runs a real write pass
// of 5 registers, then a calibration that the ECU ends after 2 s (real
// clock, in-process simulated ECU): a 1 ms timer on the UI thread notes the
// largest gap between its ticks. Also prints how long the pass took beyond
// the sum of its fixed waits.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "bench/five_register_pass.h"
#include "comm/clock.h"
#include "comm/crx4comm.h"
#include "comm/ecu_protocol.h"
#include "comm/ecu_worker.h"
#include "comm/pending_writes.h"
#include "data/crx4data.h"
#include "data/crx4file.h"
#include "data/diagnostic_dump.h"
#include "monitor/monitor_procedures.h"
#include "sim/forwarding_device.h"
#include "sim/sim_device.h"

namespace {

// Sums the waits the protocol asks for, so the pass's own time shows.
class CountingClock : public Clock {
public:
    void WaitMs(int ms) override {
        waitedMs_ += ms;
        real_.WaitMs(ms);
    }
    int64_t NowMs() const override { return real_.NowMs(); }
    int64_t WaitedMs() const { return waitedMs_; }

private:
    RealClock real_;
    int64_t waitedMs_ = 0;
};

// The calibration's redraws hop to the UI thread as the monitoring screen's do.
class MonitorSide : public MonitorHooks {
public:
    explicit MonitorSide(EcuWorker& worker) : worker_(worker) {}
    int RefreshFromStore(CRX4DATA&) override { return 0; }
    void SetCommandsEnabled(bool) override {}
    void QueueWritesForKey(const char*, PendingWrites&) override {}
    void ShowMessage(const char*, const char*, MessageIcon) override {}
    void SetCalibrating(bool) override { worker_.RunOnUiThread([] {}); }
    void ShowLiveValues(CRX4DATA&) override { worker_.RunOnUiThread([] {}); }

private:
    EcuWorker& worker_;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SetDumpFolder("/tmp");
    CountingClock clock;
    CRX4COMM port;
    CRX4DATA equipment, file, monitor;
    PendingWrites pending;
    CRX4FILE dump;
    EcuOptions options;
    options.calibrationMs = 2000;
    auto ecu = std::make_shared<SimulatedEcuDevice>(clock, EcuVariant::Q7100, options);
    port.SetDeviceFactory([ecu](const std::string&) { return MakeForwardingDevice(ecu); });
    EcuSession session{port, clock, equipment, file, monitor, pending, dump, 0, false, std::string()};
    EcuWorker worker(session);
    FiveRegisterPage page;
    auto hooks = std::make_shared<UiThreadHooks>(worker, page);
    MonitorSide monitorSide(worker);

    QElapsedTimer sinceTick;
    qint64 longestGapMs = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, sinceTick.restart());
    });

    QElapsedTimer passTime;
    worker.Post(
        [&](EcuSession& s) {
            OpenEcuLink(s);
            return ReadRegisters(s, "FULL", s.equipmentStore, TimingFor(EcuCaller::AuxPage), *hooks);
        },
        [&](int) {
            const int64_t waitedBefore = clock.WaitedMs();
            sinceTick.start();
            ticker.start(1);
            passTime.start();
            worker.Post([&](EcuSession& s) { return WritePendingRegisters(s, "FULL", TimingFor(EcuCaller::AuxPage), *hooks); },
                        [&, waitedBefore](int result) {
                            const qint64 total = passTime.elapsed();
                            const int64_t waits = clock.WaitedMs() - waitedBefore;
                            std::printf("write pass of 5 entries: result %d, %lld ms in all, %lld ms of fixed waits, "
                                        "%lld ms beyond them\n",
                                        result, static_cast<long long>(total), static_cast<long long>(waits),
                                        static_cast<long long>(total - waits));
                            std::printf("longest UI-thread gap between 1 ms ticks: %lld ms\n",
                                        static_cast<long long>(longestGapMs));
                            longestGapMs = 0;
                            passTime.restart();
                            worker.Post([&](EcuSession& s) { return static_cast<int>(RunCalibrationCommand(s, monitorSide)); },
                                        [&](int end) {
                                            std::printf("calibration: end %d after %lld ms, longest UI-thread gap: %lld ms\n",
                                                        end, static_cast<long long>(passTime.elapsed()),
                                                        static_cast<long long>(longestGapMs));
                                            app.quit();
                                        });
                        });
        });
    return app.exec();
}
