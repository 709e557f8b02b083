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

std::vector<uint8_t> ReadAll(SimulatedEcuDevice& device) {
    std::vector<uint8_t> bytes(200000);
    const int64_t n = device.Read(bytes.data(), bytes.size());
    bytes.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return bytes;
}

class SimDeviceTest : public ::testing::Test {
  protected:
    int64_t ReadAt(int64_t atMs) {
        clock_.Advance(atMs - clock_.NowMs());
        uint8_t buffer[10000];
        return device_.Read(buffer, sizeof buffer);
    }

    VirtualClock clock_;
    SimulatedEcuDevice device_{clock_, EcuVariant::Q5100};
};

TEST_F(SimDeviceTest, BytesArriveAtLineSpeedOnlyAtTheEcusLineSettings) {
    EXPECT_EQ(Write(device_, {0x09, 0x00}), -1);  // closed
    EXPECT_EQ(ReadAt(10), -1);
    ASSERT_TRUE(device_.Open());
    ASSERT_TRUE(device_.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    ASSERT_EQ(Write(device_, {0x09, 0x00}), 2);
    EXPECT_EQ(ReadAt(1000), 0);
    EXPECT_TRUE(device_.ReceivedFrames().empty());

    ASSERT_TRUE(device_.SetLineSettings(EcuLine(EcuVariant::Q5100)));
    ASSERT_EQ(Write(device_, {0x08, 0x00}), 2);
    // 40 bytes sent from 1002 ms on, 1.04 ms a byte: 17 by 1020 ms, all by 1044 ms.
    EXPECT_EQ(ReadAt(1020), 17);
    EXPECT_EQ(ReadAt(1043), 22);
    EXPECT_EQ(ReadAt(1044), 1);
    EXPECT_EQ(ReadAt(1101), 0);

    ASSERT_EQ(Write(device_, {0x07, 0x00}), 2);
    ASSERT_EQ(Write(device_, {0x09, 0x2B}), 2);
    device_.Close();  // what came meanwhile is gone on the next open
    EXPECT_FALSE(device_.IsOpen());
    ASSERT_TRUE(device_.Open());
    EXPECT_EQ(ReadAt(1500), 0);
}

TEST(SimDeviceLinkTest, VanishedLinkFailsWritesAndReadsUntilReconnected) {
    VirtualClock clock;
    EcuOptions options;
    options.faults.linkDropAfterFrames = 1;
    SimulatedEcuDevice device(clock, EcuVariant::Q7100, options);
    ASSERT_TRUE(device.Open());
    ASSERT_TRUE(device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    EXPECT_EQ(Write(device, {0x00, 0x04, 0x2B}), 3);
    clock.Advance(100);
    uint8_t buffer[100];
    EXPECT_EQ(device.Read(buffer, sizeof buffer), -1);
    EXPECT_EQ(Write(device, {0x00, 0x04, 0x2B}), -1);
    EXPECT_FALSE(device.ErrorText().empty());
    device.Reconnect();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Write(device, {0x00, 0x04, 0x2B}), 3);
    clock.Advance(100);
    EXPECT_EQ(device.Read(buffer, sizeof buffer), 12) << "the fault happens once";
}

// A live stream nobody reads, at full line rate, bounded or purged, beside an
// unbounded twin that reads everything: "the newest bytes" and "what had
// arrived" are checked against what really came over the line.
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

    VirtualClock clock_;
    std::unique_ptr<SimulatedEcuDevice> bounded_, twin_;
};

TEST_F(SimDeviceBacklogTest, ABoundedBufferKeepsTheNewestWholeGroups) {
    bounded_->SetReceiveBufferSize(1000);
    clock_.Advance(60000);
    const std::vector<uint8_t> all = ReadAll(*twin_);
    // 9600 baud carries 960 bytes a second, every group whole and checked.
    EXPECT_TRUE(all.size() >= 57550u && all.size() <= 57600u) << all.size();
    for (size_t i = 0; i + 5 <= all.size(); i += 5) {
        ASSERT_EQ(all[i], 0xB0) << i;
        ASSERT_EQ(all[i + 4], 0xC0) << i;
        ASSERT_EQ(static_cast<uint8_t>(all[i + 1] + all[i + 2]), all[i + 3]) << i;
    }
    EXPECT_EQ(ReadAll(*bounded_), std::vector<uint8_t>(all.end() - 1000, all.end()));
    clock_.Advance(300);  // what comes next is read as it comes, bound or not
    EXPECT_EQ(ReadAll(*bounded_), ReadAll(*twin_));
}

TEST_F(SimDeviceBacklogTest, DiscardDropsWhatArrivedAndLeavesWhatIsStillOnTheWire) {
    clock_.Advance(3010);  // in the middle of a 41.7 ms burst
    const int64_t discarded = bounded_->DiscardReceived();
    EXPECT_EQ(discarded, static_cast<int64_t>(ReadAll(*twin_).size()));
    EXPECT_GT(discarded, 2800);
    EXPECT_TRUE(ReadAll(*bounded_).empty());
    clock_.Advance(20);
    const std::vector<uint8_t> rest = ReadAll(*bounded_);
    EXPECT_FALSE(rest.empty());
    EXPECT_EQ(rest, ReadAll(*twin_));
    bounded_->Close();
    EXPECT_EQ(bounded_->DiscardReceived(), -1);
}

}  // namespace
