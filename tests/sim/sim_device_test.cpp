// The simulated ECU behind the SerialDevice interface, in virtual time: bytes
// arrive at the line speed of the variant, only at the ECU's line settings.

#include "sim/sim_device.h"

#include <gtest/gtest.h>

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
