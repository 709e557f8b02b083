// The simulated ECU behind the SerialDevice interface, in virtual time: bytes
// arrive at the line speed of the variant, only at the ECU's line settings;
// then its link faults: the adapter pulled and plugged back in, the ECU
// losing power while the engine cranks. (A dropped link: tests/comm and the
// end-to-end tests, through the program.)

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "sim/sim_device.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr uint8_t kStart = 0x08;

LineSettings EcuLine(EcuVariant variant) {
    LineSettings settings;
    settings.baudRate = LineBaudRate(variant);
    return settings;
}

int64_t Write(SimulatedEcuDevice& device, Bytes frame) { return device.Write(frame.data(), frame.size(), 5000); }

// Writes each frame whole; false at the first that does not go.
bool WriteAll(SimulatedEcuDevice& device, const std::vector<Bytes>& frames) {
    for (const Bytes& frame : frames)
        if (Write(device, frame) != static_cast<int64_t>(frame.size())) return false;
    return true;
}

// What Read gives at atMs: the bytes, or nothing when it fails.
std::optional<Bytes> ReadAt(VirtualClock& clock, SimulatedEcuDevice& device, int64_t atMs) {
    clock.Advance(atMs - clock.NowMs());
    Bytes bytes(200000);
    const int64_t n = device.Read(bytes.data(), bytes.size());
    if (n < 0) return std::nullopt;
    bytes.resize(static_cast<size_t>(n));
    return bytes;
}

// How many bytes Read gives at atMs; -1 when it fails.
int64_t CountAt(VirtualClock& clock, SimulatedEcuDevice& device, int64_t atMs) {
    const auto bytes = ReadAt(clock, device, atMs);
    return bytes ? static_cast<int64_t>(bytes->size()) : -1;
}

TEST(SimDeviceTest, BytesArriveAtLineSpeedOnlyAtTheEcusLineSettings) {
    VirtualClock clock;
    SimulatedEcuDevice device(clock, EcuVariant::Q5100);
    EXPECT_EQ(Write(device, {0x09, 0x00}), -1);  // closed
    EXPECT_EQ(CountAt(clock, device, 10), -1);
    ASSERT_TRUE(device.Open() && device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    ASSERT_EQ(Write(device, {0x09, 0x00}), 2);
    EXPECT_EQ(CountAt(clock, device, 1000), 0);
    EXPECT_TRUE(device.ReceivedFrames().empty());

    ASSERT_TRUE(device.SetLineSettings(EcuLine(EcuVariant::Q5100)));
    ASSERT_EQ(Write(device, {0x08, 0x00}), 2);
    // 40 bytes sent from 1002 ms on, 1.04 ms a byte: 17 by 1020 ms, all by 1044 ms.
    EXPECT_EQ((std::vector<int64_t>{CountAt(clock, device, 1020), CountAt(clock, device, 1043),
                                    CountAt(clock, device, 1044), CountAt(clock, device, 1101)}),
              (std::vector<int64_t>{17, 22, 1, 0}));

    ASSERT_TRUE(WriteAll(device, {{0x07, 0x00}, {0x09, 0x2B}}));
    device.Close();  // what came meanwhile is gone on the next open
    EXPECT_FALSE(device.IsOpen());
    ASSERT_TRUE(device.Open());
    EXPECT_EQ(CountAt(clock, device, 1500), 0);
}

// Pulled 1000 ms after the first open (at 50 ms), back 500 ms later.
TEST(SimLinkFaultsTest, VanishKillsTheHandleAndHidesThePortForExactlyItsWindow) {
    VirtualClock clock;
    clock.Advance(50);
    EcuOptions options;
    options.faults.vanishAfterMs = 1000;
    options.faults.vanishForMs = 500;
    SimulatedEcuDevice device(clock, EcuVariant::Q7100, options);
    SimulatedEcuDevice idle(clock, EcuVariant::Q7100, options);  // opened before the vanish, left alone
    ASSERT_TRUE(device.Open() && idle.Open() && device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    ASSERT_TRUE(WriteAll(device, {{0x00, kStart, 0x00}}));
    EXPECT_GT(CountAt(clock, device, 1049), 0);  // the stream flows until the last moment
    EXPECT_FALSE(device.Vanished());

    clock.Advance(1);  // 1050: pulled
    EXPECT_TRUE(device.Vanished());
    EXPECT_EQ(std::make_tuple(device.IsOpen(), CountAt(clock, device, 1050), Write(device, {0x00, 0x04, 0x2B}),
                              device.DiscardReceived(), device.ErrorText().empty()),
              std::make_tuple(false, int64_t{-1}, int64_t{-1}, int64_t{-1}, false));
    for (int64_t at : {1050, 1549}) {
        clock.Advance(at - clock.NowMs());
        EXPECT_FALSE(device.Open() || device.IsOpen()) << at;
        EXPECT_EQ(device.LastOpenError(), OpenError::NotFound) << at;
    }

    clock.Advance(1);  // 1550: plugged back in
    EXPECT_FALSE(device.Vanished());
    EXPECT_FALSE(idle.IsOpen() || ReadAt(clock, idle, 1550)) << "a handle from before the vanish stays dead";
    ASSERT_TRUE(device.Open() && device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    EXPECT_EQ(device.LastOpenError(), OpenError::None);
    EXPECT_EQ(CountAt(clock, device, 1550), 0) << "what the ECU sent while away is lost";
    // The ECU kept running behind the adapter: its stream goes on, and the
    // fault does not come back.
    EXPECT_GT(CountAt(clock, device, 1700), 0);
    EXPECT_GT(CountAt(clock, device, 60000), 0);
}

// Power lost 1000 ms after the first open (at 0), back 2000 ms later.
TEST(SimLinkFaultsTest, PowerCycleSilencesTheEcuKeepsItsRegistersAndStopsItsStream) {
    VirtualClock clock;
    EcuOptions options;
    options.faults.powerCycleAfterMs = 1000;
    options.faults.powerOffMs = 2000;
    SimulatedEcuDevice device(clock, EcuVariant::Q7100, options);
    ASSERT_TRUE(device.Open() && device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    RegisterImage expected = device.Registers();
    expected[0x3D] = 0x60;
    // 3D committed, 3E pending when the power goes.
    ASSERT_TRUE(WriteAll(device, {{0x00, 0x3D, 0x60}, {0x00, 0x05, 0x18}, {0x00, 0x3E, 0x99}}));
    clock.Advance(10);
    ASSERT_TRUE(WriteAll(device, {{0x00, kStart, 0x00}}));
    EXPECT_GT(CountAt(clock, device, 994), 0);
    // A read-all at 995 ms starts 2 ms later, 0.26 ms a byte: only its first
    // bytes are out when the power goes at 1000 ms.
    ASSERT_TRUE(WriteAll(device, {{0x00, 0x04, 0x00}}));
    const int64_t cut = CountAt(clock, device, 999) + CountAt(clock, device, 1500);
    EXPECT_TRUE(cut > 0 && cut < 16) << cut << ": the answer is cut off where the power went";

    EXPECT_TRUE(device.PoweredOff() && device.IsOpen()) << "the port itself stays";
    const size_t framesBefore = device.ReceivedFrames().size();
    EXPECT_TRUE(WriteAll(device, {{0x00, 0x3D, 0x70}, {0x00, 0x05, 0x18}, {0x00, kStart, 0x00}, {0x00, 0x04, 0x2B}}));
    EXPECT_EQ(CountAt(clock, device, 2999), 0) << "no acknowledgement, answer or stream";
    EXPECT_EQ(device.ReceivedFrames().size(), framesBefore) << "frames while off are lost";

    clock.Advance(1);  // 3000: powered again
    EXPECT_FALSE(device.PoweredOff() || device.Streaming());
    ASSERT_TRUE(WriteAll(device, {{0x00, 0x05, 0x18}}));  // nothing pending survived
    EXPECT_EQ(device.Registers(), expected);
    EXPECT_EQ(CountAt(clock, device, 3500), 0) << "the stream needs a new start frame";
    ASSERT_TRUE(WriteAll(device, {{0x00, 0x04, 0x3D}}));
    EXPECT_EQ(ReadAt(clock, device, 3600), (Bytes{0xB0, 0x3D, 0x60, 0xC0}));
    ASSERT_TRUE(WriteAll(device, {{0x00, kStart, 0x00}}));
    EXPECT_EQ(CountAt(clock, device, 4000), 4 * 40);  // four bursts of eight groups
}

}  // namespace
