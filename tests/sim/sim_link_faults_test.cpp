// Link faults of the simulated ECU: the adapter pulled and plugged back in,
// the ECU losing power while the engine cranks, the adapter coming back
// under another ttyUSB number. In-process in virtual time, then the
// simulator program through a real pseudo-terminal.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sim/sim_device.h"

namespace {

constexpr uint8_t kStart = 0x08;

LineSettings EcuLine(EcuVariant variant) {
    LineSettings settings;
    settings.baudRate = LineBaudRate(variant);
    return settings;
}

int64_t Write(SimulatedEcuDevice& device, std::vector<uint8_t> frame) {
    return device.Write(frame.data(), frame.size(), 5000);
}

// What Read gives at atMs: the bytes, or nothing when it fails.
std::optional<std::vector<uint8_t>> ReadAt(VirtualClock& clock, SimulatedEcuDevice& device,
                                           int64_t atMs) {
    clock.Advance(atMs - clock.NowMs());
    std::vector<uint8_t> bytes(20000);
    const int64_t n = device.Read(bytes.data(), bytes.size());
    if (n < 0)
        return std::nullopt;
    bytes.resize(static_cast<size_t>(n));
    return bytes;
}

size_t BytesAt(VirtualClock& clock, SimulatedEcuDevice& device, int64_t atMs) {
    const auto bytes = ReadAt(clock, device, atMs);
    EXPECT_TRUE(bytes.has_value()) << "read failed at " << atMs;
    return bytes ? bytes->size() : 0;
}

EcuOptions Vanishing(int afterMs, int forMs) {
    EcuOptions options;
    options.faults.vanishAfterMs = afterMs;
    options.faults.vanishForMs = forMs;
    return options;
}

// Pulled 1000 ms after the first open (at 50 ms), back 500 ms later.
TEST(SimLinkFaultsTest, VanishKillsTheHandleAndHidesThePortForExactlyItsWindow) {
    VirtualClock clock;
    clock.Advance(50);
    SimulatedEcuDevice device(clock, EcuVariant::Q7100, Vanishing(1000, 500));
    // Opened before the vanish and left alone until after it.
    SimulatedEcuDevice idle(clock, EcuVariant::Q7100, Vanishing(1000, 500));
    ASSERT_TRUE(device.Open());
    ASSERT_TRUE(idle.Open());
    ASSERT_TRUE(device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    ASSERT_EQ(Write(device, {0x00, kStart, 0x00}), 3);
    EXPECT_GT(BytesAt(clock, device, 1049), 0u);  // the stream flows until the last moment
    EXPECT_TRUE(device.IsOpen());
    EXPECT_FALSE(device.Vanished());

    clock.Advance(1);  // 1050: pulled
    EXPECT_TRUE(device.Vanished());
    EXPECT_FALSE(device.IsOpen());
    uint8_t buffer[64];
    EXPECT_EQ(device.Read(buffer, sizeof buffer), -1);
    EXPECT_EQ(Write(device, {0x00, 0x04, 0x2B}), -1);
    EXPECT_EQ(device.DiscardReceived(), -1);
    EXPECT_FALSE(device.ErrorText().empty());
    for (int64_t at : {1050, 1549}) {
        clock.Advance(at - clock.NowMs());
        EXPECT_FALSE(device.Open()) << at;
        EXPECT_EQ(device.LastOpenError(), OpenError::NotFound) << at;
        EXPECT_FALSE(device.IsOpen()) << at;
    }

    clock.Advance(1);  // 1550: plugged back in
    EXPECT_FALSE(device.Vanished());
    EXPECT_FALSE(idle.IsOpen()) << "a handle from before the vanish stays dead";
    EXPECT_EQ(idle.Read(buffer, sizeof buffer), -1);
    ASSERT_TRUE(device.Open());
    EXPECT_EQ(device.LastOpenError(), OpenError::None);
    ASSERT_TRUE(device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    EXPECT_EQ(BytesAt(clock, device, 1550), 0u) << "what the ECU sent while away is lost";
    // The ECU kept running behind the adapter: its stream goes on, and the
    // fault does not come back.
    EXPECT_TRUE(device.Streaming());
    EXPECT_GT(BytesAt(clock, device, 1700), 0u);
    EXPECT_GT(BytesAt(clock, device, 60000), 0u);
    EXPECT_TRUE(device.IsOpen());
}

// Power lost 1000 ms after the first open (at 0), back 2000 ms later.
TEST(SimLinkFaultsTest, PowerCycleSilencesTheEcuKeepsItsRegistersAndStopsItsStream) {
    VirtualClock clock;
    EcuOptions options;
    options.faults.powerCycleAfterMs = 1000;
    options.faults.powerOffMs = 2000;
    SimulatedEcuDevice device(clock, EcuVariant::Q7100, options);
    ASSERT_TRUE(device.Open());
    ASSERT_TRUE(device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    const RegisterImage factory = device.Registers();
    ASSERT_EQ(Write(device, {0x00, 0x3D, 0x60}), 3);
    ASSERT_EQ(Write(device, {0x00, 0x05, 0x18}), 3);  // committed
    ASSERT_EQ(Write(device, {0x00, 0x3E, 0x99}), 3);  // pending when the power goes
    clock.Advance(10);
    ASSERT_EQ(Write(device, {0x00, kStart, 0x00}), 3);
    EXPECT_GT(BytesAt(clock, device, 994), 0u);
    // A read-all at 995 ms starts 2 ms later, 0.26 ms a byte: only its first
    // bytes are out when the power goes at 1000 ms.
    ASSERT_EQ(Write(device, {0x00, 0x04, 0x00}), 3);
    const size_t beforeOff = BytesAt(clock, device, 999);
    const size_t afterOff = BytesAt(clock, device, 1500);
    EXPECT_GT(beforeOff + afterOff, 0u);
    EXPECT_LT(beforeOff + afterOff, 16u) << "the answer is cut off where the power went";

    EXPECT_TRUE(device.PoweredOff());
    EXPECT_TRUE(device.IsOpen()) << "the port itself stays";
    const size_t framesBefore = device.ReceivedFrames().size();
    EXPECT_EQ(Write(device, {0x00, 0x3D, 0x70}), 3);
    EXPECT_EQ(Write(device, {0x00, 0x05, 0x18}), 3);
    EXPECT_EQ(Write(device, {0x00, kStart, 0x00}), 3);
    EXPECT_EQ(Write(device, {0x00, 0x04, 0x2B}), 3);
    EXPECT_EQ(BytesAt(clock, device, 2999), 0u) << "no acknowledgement, answer or stream";
    EXPECT_EQ(device.ReceivedFrames().size(), framesBefore) << "frames while off are lost";

    clock.Advance(1);  // 3000: powered again
    EXPECT_FALSE(device.PoweredOff());
    EXPECT_FALSE(device.Streaming());
    EXPECT_EQ(device.Registers().at(0x3D), 0x60);
    ASSERT_EQ(Write(device, {0x00, 0x05, 0x18}), 3);  // nothing pending survived
    EXPECT_EQ(device.Registers(), [&] {
        RegisterImage expected = factory;
        expected[0x3D] = 0x60;
        return expected;
    }());
    EXPECT_EQ(BytesAt(clock, device, 3500), 0u) << "the stream needs a new start frame";
    ASSERT_EQ(Write(device, {0x00, 0x04, 0x3D}), 3);
    EXPECT_EQ(ReadAt(clock, device, 3600), (std::vector<uint8_t>{0xB0, 0x3D, 0x60, 0xC0}));
    ASSERT_EQ(Write(device, {0x00, kStart, 0x00}), 3);
    EXPECT_TRUE(device.Streaming());
    EXPECT_EQ(BytesAt(clock, device, 4000), 4u * 40);  // four bursts of eight groups
}

}  // namespace
