// The simulated ECU behind the SerialDevice interface, in virtual time: bytes
// arrive at the line speed of the variant, only at the ECU's line settings.

#include "sim/sim_device.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

LineSettings EcuLine(EcuVariant variant) {
    LineSettings settings;
    settings.baudRate = LineBaudRate(variant);
    return settings;
}

int64_t Write(SimulatedEcuDevice& device, std::vector<uint8_t> frame) {
    return device.Write(frame.data(), frame.size(), 5000);
}

class SimDeviceTest : public ::testing::Test {
  protected:
    void OpenAt(const LineSettings& settings) {
        ASSERT_TRUE(device_.Open());
        ASSERT_TRUE(device_.SetLineSettings(settings));
    }
    int64_t ReadAt(int64_t atMs) {
        clock_.Advance(atMs - clock_.NowMs());
        return device_.Read(buffer_, sizeof buffer_);
    }

    VirtualClock clock_;
    SimulatedEcuDevice device_{clock_, EcuVariant::Q5100};
    uint8_t buffer_[10000];
};

TEST_F(SimDeviceTest, FortyByteBurstAt9600BaudTakesAbout42Ms) {
    OpenAt(EcuLine(EcuVariant::Q5100));
    ASSERT_EQ(Write(device_, {0x08, 0x00}), 2);
    // Sent from 2 ms on, 1.04 ms a byte: 17 bytes by 20 ms, all 40 by 44 ms.
    EXPECT_EQ(ReadAt(20), 17);
    EXPECT_EQ(ReadAt(43), 22);
    EXPECT_EQ(ReadAt(44), 1);
    EXPECT_EQ(ReadAt(101), 0);
}

TEST_F(SimDeviceTest, WrongLineSettingsReachNothing) {
    LineSettings fast = EcuLine(EcuVariant::Q7100);
    OpenAt(fast);
    ASSERT_EQ(Write(device_, {0x09, 0x00}), 2);
    EXPECT_EQ(ReadAt(1000), 0);
    EXPECT_TRUE(device_.ReceivedFrames().empty());

    ASSERT_TRUE(device_.SetLineSettings(EcuLine(EcuVariant::Q5100)));
    ASSERT_EQ(Write(device_, {0x09, 0x00}), 2);
    EXPECT_EQ(ReadAt(2000), static_cast<int64_t>(device_.Registers().size() * 4));
}

TEST_F(SimDeviceTest, ClosedPortFailsAndReopeningDropsWhatCameMeanwhile) {
    EXPECT_EQ(Write(device_, {0x09, 0x00}), -1);
    EXPECT_EQ(ReadAt(10), -1);
    OpenAt(EcuLine(EcuVariant::Q5100));
    ASSERT_EQ(Write(device_, {0x09, 0x2B}), 2);
    device_.Close();
    EXPECT_FALSE(device_.IsOpen());
    ASSERT_TRUE(device_.Open());
    EXPECT_EQ(ReadAt(500), 0);
}

TEST(SimDeviceLinkTest, VanishedLinkFailsWritesAndReadsUntilReconnected) {
    VirtualClock clock;
    EcuOptions options;
    options.faults.linkDropAfterFrames = 1;
    SimulatedEcuDevice device(clock, EcuVariant::Q7100, options);
    ASSERT_TRUE(device.Open());
    ASSERT_TRUE(device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    uint8_t buffer[100];

    EXPECT_EQ(Write(device, {0x00, 0x04, 0x2B}), 3);
    clock.Advance(100);
    EXPECT_EQ(device.Read(buffer, sizeof buffer), -1);
    EXPECT_EQ(Write(device, {0x00, 0x04, 0x2B}), -1);
    EXPECT_FALSE(device.ErrorText().empty());

    device.Reconnect();
    EXPECT_EQ(Write(device, {0x00, 0x04, 0x2B}), 3);
    clock.Advance(100);
    EXPECT_EQ(device.Read(buffer, sizeof buffer), 4);
}

}  // namespace

// A live stream nobody reads: at full line rate, with the receive buffer
// bounded or purged. Each case runs beside an unbounded twin that reads
// everything, so "the newest bytes" and "what had arrived" are checked
// against what really came over the line.
class SimDeviceBacklogTest : public ::testing::Test {
  protected:
    SimDeviceBacklogTest() {
        EcuOptions options;
        options.faults.streamAtLineRate = true;
        for (auto* device : {&bounded_, &twin_}) {
            *device = std::make_unique<SimulatedEcuDevice>(clock_, EcuVariant::Q5100, options);
            EXPECT_TRUE((*device)->Open());
            EXPECT_TRUE((*device)->SetLineSettings(EcuLine(EcuVariant::Q5100)));
            EXPECT_EQ(Write(**device, {0x08, 0x00}), 2);  // start the stream
        }
    }
    static std::vector<uint8_t> ReadAll(SimulatedEcuDevice& device) {
        std::vector<uint8_t> bytes(200000);
        const int64_t n = device.Read(bytes.data(), bytes.size());
        bytes.resize(n > 0 ? static_cast<size_t>(n) : 0);
        return bytes;
    }

    VirtualClock clock_;
    std::unique_ptr<SimulatedEcuDevice> bounded_, twin_;
};

TEST_F(SimDeviceBacklogTest, AtLineRateTheStreamFillsTheLineWithWholeGroups) {
    clock_.Advance(10000);
    const std::vector<uint8_t> bytes = ReadAll(*twin_);
    // 9600 baud carries 960 bytes a second; the 100 ms stream carries 400.
    EXPECT_GE(bytes.size(), 9550u);
    EXPECT_LE(bytes.size(), 9600u);
    for (size_t i = 0; i + 5 <= bytes.size(); i += 5) {
        ASSERT_EQ(bytes[i], 0xB0) << i;
        ASSERT_EQ(bytes[i + 4], 0xC0) << i;
        ASSERT_EQ(static_cast<uint8_t>(bytes[i + 1] + bytes[i + 2]), bytes[i + 3]) << i;
    }
}

TEST_F(SimDeviceBacklogTest, ABoundedBufferKeepsTheNewestBytes) {
    bounded_->SetReceiveBufferSize(1000);
    clock_.Advance(60000);
    const std::vector<uint8_t> all = ReadAll(*twin_);
    ASSERT_GT(all.size(), 50000u);
    EXPECT_EQ(ReadAll(*bounded_), std::vector<uint8_t>(all.end() - 1000, all.end()));
    // What comes next is read as it comes, bound or not.
    clock_.Advance(300);
    EXPECT_EQ(ReadAll(*bounded_), ReadAll(*twin_));
}

TEST_F(SimDeviceBacklogTest, DiscardDropsWhatArrivedAndLeavesWhatIsStillOnTheWire) {
    // 3010 ms: in the middle of a 41.7 ms burst.
    clock_.Advance(3010);
    const int64_t discarded = bounded_->DiscardReceived();
    EXPECT_EQ(discarded, static_cast<int64_t>(ReadAll(*twin_).size()));
    EXPECT_GT(discarded, 2800);
    EXPECT_EQ(ReadAll(*bounded_), std::vector<uint8_t>());
    clock_.Advance(20);
    const std::vector<uint8_t> rest = ReadAll(*bounded_);
    EXPECT_FALSE(rest.empty());
    EXPECT_EQ(rest, ReadAll(*twin_));
    bounded_->Close();
    EXPECT_EQ(bounded_->DiscardReceived(), -1);
}
