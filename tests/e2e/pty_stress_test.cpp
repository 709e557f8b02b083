// A pseudo-terminal sends a known sequence at 38400 baud while every core spins; the worker reads
// it through CRX4COMM as the program does, in short jobs, so the port's notifier runs in the
// worker's event loop between reads. Every byte must arrive, once and in order.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <sstream>
#include <thread>

#include "comm/ecu_worker.h"
#include "comm/qt_serial_device.h"
#include "tests/comm/protocol_fixture.h"
#include "tests/ui/ui_test_support.h"

using namespace std::chrono;

TEST(PtyStressTest, EveryByteSentAtLineRateArrivesInOrderWhileTheMachineIsBusy) {
    constexpr size_t kBytes = 11520, kChunk = 16;  // 3 s at 3840 bytes a second
    std::vector<uint8_t> sent(kBytes), got;
    for (size_t i = 0; i < kBytes; ++i) sent[i] = static_cast<uint8_t>(1 + i % 255);  // no 0x00
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_TRUE(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
    const std::string slave = ptsname(master);
    CRX4COMM port;
    port.SetDeviceFactory([&](const std::string&) { return std::make_unique<QtSerialDevice>(slave); });
    RealClock clock;  // and what else a session holds, unused here:
    CRX4DATA equipment, file, monitor; PendingWrites pending; CRX4FILE dump;
    EcuSession session{port, clock, equipment, file, monitor, pending, dump, 0, false, ""};
    int reads = 0, openResult = -1;
    size_t arrived = 0;
    std::atomic<bool> stop{false};
    std::vector<std::thread> threads;
    auto start = steady_clock::now();
    {
        EcuWorker worker(session);
        // The terminal is raw once the port is open: only then may the bytes come.
        worker.Post([](EcuSession& s) { return s.port.OpenPort(); }, [&](int r) { openResult = r; });
        ASSERT_TRUE(WaitUntil([&] { return openResult != -1; }) && openResult == COMM_OK);
        for (unsigned i = 0; i < std::max(2u, std::thread::hardware_concurrency()); ++i)
            threads.emplace_back([&] { while (!stop.load(std::memory_order_relaxed)) {} });
        start = steady_clock::now();
        threads.emplace_back([&] {
            for (size_t at = 0; at < kBytes && !stop;) {
                std::this_thread::sleep_until(start + microseconds(at * 1000000 / 3840));
                at += std::max<ssize_t>(0, write(master, &sent[at], std::min(kChunk, kBytes - at)));
            }
        });
        std::string text(CRX4COMM::kInputQueueSize, '\0');
        std::function<void(int)> next = [&](int gotSoFar) {
            arrived = static_cast<size_t>(gotSoFar);
            if (arrived >= kBytes || steady_clock::now() - start > seconds(15)) return;
            worker.Post([&](EcuSession& s) {
                for (int read = 0; read < 4; ++read, ++reads, s.clock.WaitMs(5)) {
                    uint32_t length = 0;
                    if (s.port.ReadPort(text.data(), CRX4COMM::kInputQueueSize, &length) != COMM_OK) continue;
                    std::istringstream answer(text.substr(0, length));
                    for (std::string hex; std::getline(answer, hex, '|');)
                        got.push_back(static_cast<uint8_t>(std::stoul(hex, nullptr, 16)));
                }
                return static_cast<int>(got.size());
            }, next);
        };
        next(0);
        WaitUntil([&] { return arrived >= kBytes || steady_clock::now() - start > seconds(16); }, 20000);
        worker.Post([](EcuSession& s) { return s.port.ClosePort(); }, nullptr);
    }
    stop = true;
    for (std::thread& t : threads) t.join();
    close(master);
    std::printf("%zu bytes sent, %zu received in %d reads, %lld ms\n", kBytes, got.size(), reads,
                static_cast<long long>(duration_cast<milliseconds>(steady_clock::now() - start).count()));
    EXPECT_EQ(got.size(), kBytes) << "bytes lost or doubled";
    EXPECT_TRUE(got == sent) << "bytes changed or out of order";
}
