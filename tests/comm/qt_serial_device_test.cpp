// QtSerialDevice against a real pseudo-terminal: the test plays the ECU on
// the master side. Reads must not block, writes must arrive, the open must be
// exclusive and a hang-up must show as a failed read.

#include "comm/qt_serial_device.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/comm/pty_test_support.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

long long MsSince(SteadyClock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start)
        .count();
}

class QtSerialDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(pty_.Ok()); }

    PtyPair pty_;
};

TEST_F(QtSerialDeviceTest, AMissingDeviceIsNotFound) {
    RunOnQtThread([] {
        QtSerialDevice device("/dev/zano-no-such-device");
        EXPECT_FALSE(device.Open());
        EXPECT_FALSE(device.IsOpen());
        EXPECT_EQ(device.LastOpenError(), OpenError::NotFound);
        EXPECT_NE(device.ErrorText().find("/dev/zano-no-such-device"), std::string::npos);
    });
}

TEST_F(QtSerialDeviceTest, OpensAt9600EightNoneOneWithTheModemLinesRaised) {
    RunOnQtThread([this] {
        QtSerialDevice device(pty_.SlavePath());
        ASSERT_TRUE(device.Open());
        EXPECT_EQ(device.LastOpenError(), OpenError::None);
        LineSettings settings;
        ASSERT_TRUE(device.GetLineSettings(&settings));
        EXPECT_EQ(settings.baudRate, 9600u);
        EXPECT_EQ(settings.dataBits, 8);
        EXPECT_EQ(settings.parity, 0);
        EXPECT_EQ(settings.stopBits, 0);
        // A pty has no modem lines; that must not count as a failure.
        EXPECT_TRUE(device.SetControlLines(true, true));

        settings.baudRate = 38400;
        ASSERT_TRUE(device.SetLineSettings(settings));
        ASSERT_TRUE(device.GetLineSettings(&settings));
        EXPECT_EQ(settings.baudRate, 38400u);
    });
}

TEST_F(QtSerialDeviceTest, ReadGivesNothingAtOnceWhenNothingArrived) {
    RunOnQtThread([this] {
        QtSerialDevice device(pty_.SlavePath());
        ASSERT_TRUE(device.Open());
        uint8_t buffer[16];
        const auto start = SteadyClock::now();
        EXPECT_EQ(device.Read(buffer, sizeof buffer), 0);
        EXPECT_LT(MsSince(start), 50);
        EXPECT_TRUE(device.IsOpen());
    });
}

TEST_F(QtSerialDeviceTest, BytesFromTheLineArriveThroughRead) {
    RunOnQtThread([this] {
        QtSerialDevice device(pty_.SlavePath());
        ASSERT_TRUE(device.Open());
        ASSERT_TRUE(pty_.WriteMaster({0xB0, 0x20, 0x01, 0xC0}));
        EXPECT_EQ(ReadAvailable(device, 4, 2000), (std::vector<uint8_t>{0xB0, 0x20, 0x01, 0xC0}));
    });
}

TEST_F(QtSerialDeviceTest, BytesBeyondTheReadLimitStayForTheNextRead) {
    RunOnQtThread([this] {
        QtSerialDevice device(pty_.SlavePath());
        ASSERT_TRUE(device.Open());
        const std::vector<uint8_t> sent = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        ASSERT_TRUE(pty_.WriteMaster(sent));
        std::vector<uint8_t> received;
        const auto start = SteadyClock::now();
        while (received.size() < sent.size() && MsSince(start) < 2000) {
            uint8_t buffer[4];
            const int64_t n = device.Read(buffer, sizeof buffer);
            ASSERT_GE(n, 0);
            ASSERT_LE(n, 4);
            received.insert(received.end(), buffer, buffer + n);
        }
        EXPECT_EQ(received, sent);
    });
}

// What the driver holds when a read comes; 3000 bytes fit the terminal's own
// buffer, so they are all there at once.
std::vector<uint8_t> Pattern(size_t count) {
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(i % 251);
    return bytes;
}

TEST_F(QtSerialDeviceTest, ABoundedReceiveBufferKeepsTheNewestBytes) {
    RunOnQtThread([this] {
        QtSerialDevice device(pty_.SlavePath());
        device.SetReceiveBufferSize(1000);
        ASSERT_TRUE(device.Open());
        const std::vector<uint8_t> sent = Pattern(3000);
        ASSERT_TRUE(pty_.WriteMaster(sent));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        std::vector<uint8_t> buffer(10000);
        const int64_t n = device.Read(buffer.data(), buffer.size());
        ASSERT_EQ(n, 1000);
        buffer.resize(1000);
        EXPECT_EQ(buffer, std::vector<uint8_t>(sent.end() - 1000, sent.end()));
        ASSERT_TRUE(pty_.WriteMaster({0xB0, 0x20, 0x01, 0xC0}));
        EXPECT_EQ(ReadAvailable(device, 4, 2000), (std::vector<uint8_t>{0xB0, 0x20, 0x01, 0xC0}));
    });
}

TEST_F(QtSerialDeviceTest, DiscardThrowsAwayWhatArrivedAndFailsAfterAHangUp) {
    RunOnQtThread([this] {
        QtSerialDevice device(pty_.SlavePath());
        device.SetReceiveBufferSize(1000);
        ASSERT_TRUE(device.Open());
        ASSERT_TRUE(pty_.WriteMaster(Pattern(2500)));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        EXPECT_EQ(device.DiscardReceived(), 2500);
        uint8_t buffer[16];
        EXPECT_EQ(device.Read(buffer, sizeof buffer), 0);
        pty_.CloseMaster();
        EXPECT_EQ(device.DiscardReceived(), -1);
        EXPECT_FALSE(device.IsOpen());
    });
}

TEST_F(QtSerialDeviceTest, WrittenBytesReachTheLine) {
    RunOnQtThread([this] {
        QtSerialDevice device(pty_.SlavePath());
        ASSERT_TRUE(device.Open());
        const uint8_t frame[] = {0x00, 0x04, 0x00};
        EXPECT_EQ(device.Write(frame, sizeof frame, 5000), 3);
    });
    EXPECT_EQ(pty_.ReadMaster(3, 2000), (std::vector<uint8_t>{0x00, 0x04, 0x00}));
}

TEST_F(QtSerialDeviceTest, AWriteThatCannotDrainEndsAtItsTimeLimit) {
    RunOnQtThread([this] {
        QtSerialDevice device(pty_.SlavePath());
        ASSERT_TRUE(device.Open());
        // Nobody reads the master, so the pty's buffers fill up.
        const std::vector<uint8_t> flood(1 << 20, 0x55);
        const auto start = SteadyClock::now();
        const int64_t written = device.Write(flood.data(), flood.size(), 200);
        const long long elapsed = MsSince(start);
        EXPECT_GE(written, 0);
        EXPECT_LT(written, static_cast<int64_t>(flood.size()));
        EXPECT_GE(elapsed, 150);
        EXPECT_LT(elapsed, 2000);
        EXPECT_TRUE(device.IsOpen());
    });
}

TEST_F(QtSerialDeviceTest, ASecondOpenOfTheSamePortIsBusy) {
    const std::string link =
        std::filesystem::temp_directory_path() / ("zano-link-" + std::to_string(getpid()));
    std::filesystem::remove(link);
    std::filesystem::create_symlink(pty_.SlavePath(), link);
    RunOnQtThread([&] {
        QtSerialDevice first(pty_.SlavePath());
        ASSERT_TRUE(first.Open());
        for (const std::string& path : {pty_.SlavePath(), link}) {
            QtSerialDevice second(path);
            EXPECT_FALSE(second.Open()) << path;
            EXPECT_EQ(second.LastOpenError(), OpenError::Busy) << path;
        }
        first.Close();
        QtSerialDevice third(link);
        EXPECT_TRUE(third.Open());
    });
    std::filesystem::remove(link);
}

TEST_F(QtSerialDeviceTest, AHangUpMakesReadFailAndClosesTheDevice) {
    RunOnQtThread([this] {
        QtSerialDevice device(pty_.SlavePath());
        ASSERT_TRUE(device.Open());
        pty_.CloseMaster();
        uint8_t buffer[16];
        int64_t result = 0;
        const auto start = SteadyClock::now();
        while (result == 0 && MsSince(start) < 2000) result = device.Read(buffer, sizeof buffer);
        EXPECT_EQ(result, -1);
        EXPECT_FALSE(device.IsOpen());
        EXPECT_NE(device.ErrorText().find("disconnected"), std::string::npos);
        EXPECT_EQ(device.Read(buffer, sizeof buffer), -1);
        EXPECT_EQ(device.Write(buffer, 1, 100), -1);
    });
}

TEST_F(QtSerialDeviceTest, ThePortCanBeOpenedAgainAfterClose) {
    RunOnQtThread([this] {
        QtSerialDevice device(pty_.SlavePath());
        ASSERT_TRUE(device.Open());
        device.Close();
        EXPECT_FALSE(device.IsOpen());
        uint8_t buffer[4];
        EXPECT_EQ(device.Read(buffer, sizeof buffer), -1);
        ASSERT_TRUE(device.Open());
        ASSERT_TRUE(pty_.WriteMaster({0x42}));
        EXPECT_EQ(ReadAvailable(device, 1, 2000), std::vector<uint8_t>{0x42});
    });
}

}  // namespace
