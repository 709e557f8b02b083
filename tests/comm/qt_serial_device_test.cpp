// QtSerialDevice against a real pseudo-terminal: the test plays the ECU on
// the master side. Reads must not block, writes must arrive, the open must be
// exclusive and a hang-up must show as a failed read.

#include "comm/qt_serial_device.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/comm/pty_test_support.h"

namespace {

using Bytes = std::vector<uint8_t>;

long long MsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now() - start)
        .count();
}

Bytes Pattern(size_t count) {  // fits the terminal's own buffer: all there at once
    Bytes bytes(count);
    for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(i % 251);
    return bytes;
}

TEST(QtSerialDeviceTest, OpensAt9600EightNoneOneReadsWithoutBlockingAndWrites) {
    PtyPair pty;
    ASSERT_FALSE(pty.slave.empty());
    RunOnQtThread([&] {
        QtSerialDevice missing("/dev/zano-no-such-device");
        EXPECT_FALSE(missing.Open());
        EXPECT_EQ(missing.LastOpenError(), OpenError::NotFound);
        EXPECT_NE(missing.ErrorText().find("/dev/zano-no-such-device"), std::string::npos);

        QtSerialDevice device(pty.slave);
        ASSERT_TRUE(device.Open());
        LineSettings settings;
        ASSERT_TRUE(device.GetLineSettings(&settings));
        EXPECT_EQ((Bytes{static_cast<uint8_t>(settings.baudRate / 100), settings.dataBits,
                         settings.parity, settings.stopBits}),
                  (Bytes{96, 8, 0, 0}));
        EXPECT_TRUE(device.SetControlLines(true, true)) << "a pty has no modem lines: no failure";
        settings.baudRate = 38400;
        ASSERT_TRUE(device.SetLineSettings(settings) && device.GetLineSettings(&settings));
        EXPECT_EQ(settings.baudRate, 38400u);

        uint8_t buffer[4];
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(device.Read(buffer, sizeof buffer), 0);
        EXPECT_LT(MsSince(start), 50);
        // Ten bytes through reads of four: what does not fit stays for the next.
        ASSERT_TRUE(pty.Write(Pattern(10)));
        Bytes received;
        while (received.size() < 10 && MsSince(start) < 2000) {
            const int64_t n = device.Read(buffer, sizeof buffer);
            ASSERT_TRUE(n >= 0 && n <= 4) << n;
            received.insert(received.end(), buffer, buffer + n);
        }
        EXPECT_EQ(received, Pattern(10));
        EXPECT_EQ(device.Write(Bytes{0x00, 0x04, 0x00}.data(), 3, 5000), 3);

        device.Close();
        EXPECT_EQ(device.Read(buffer, sizeof buffer), -1);
        ASSERT_TRUE(device.Open());
        ASSERT_TRUE(pty.Write({0x42}));
        EXPECT_EQ(ReadFor(&device, -1, 1, 2000), Bytes{0x42});
    });
    EXPECT_EQ(ReadFor(nullptr, pty.master, 3, 2000), (Bytes{0x00, 0x04, 0x00}));
}

TEST(QtSerialDeviceTest, ABoundedBufferKeepsTheNewestBytesDiscardDropsThemAHangUpFails) {
    PtyPair pty;
    RunOnQtThread([&] {
        QtSerialDevice device(pty.slave);
        device.SetReceiveBufferSize(1000);
        ASSERT_TRUE(device.Open());
        const Bytes sent = Pattern(3000);
        ASSERT_TRUE(pty.Write(sent));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        Bytes buffer(10000);
        ASSERT_EQ(device.Read(buffer.data(), buffer.size()), 1000);
        buffer.resize(1000);
        EXPECT_EQ(buffer, Bytes(sent.end() - 1000, sent.end()));

        ASSERT_TRUE(pty.Write(Pattern(2500)));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        EXPECT_EQ(device.DiscardReceived(), 2500);
        EXPECT_EQ(device.Read(buffer.data(), buffer.size()), 0);
        ASSERT_TRUE(pty.Write({0xB0, 0x20, 0x01, 0xC0}));
        EXPECT_EQ(ReadFor(&device, -1, 4, 2000), (Bytes{0xB0, 0x20, 0x01, 0xC0}));

        pty.CloseMaster();
        int64_t result = 0;
        const auto start = std::chrono::steady_clock::now();
        while (result == 0 && MsSince(start) < 2000) result = device.Read(buffer.data(), 16);
        EXPECT_EQ(result, -1);
        EXPECT_FALSE(device.IsOpen());
        EXPECT_NE(device.ErrorText().find("disconnected"), std::string::npos);
        EXPECT_EQ(device.Write(buffer.data(), 1, 100), -1);
        EXPECT_EQ(device.DiscardReceived(), -1);
    });
}

TEST(QtSerialDeviceTest, AWriteThatCannotDrainEndsAtItsTimeLimit) {
    PtyPair pty;
    RunOnQtThread([&] {
        QtSerialDevice device(pty.slave);
        ASSERT_TRUE(device.Open());
        const Bytes flood(1 << 20, 0x55);  // nobody reads the master: the buffers fill up
        const auto start = std::chrono::steady_clock::now();
        const int64_t written = device.Write(flood.data(), flood.size(), 200);
        EXPECT_TRUE(written >= 0 && written < static_cast<int64_t>(flood.size())) << written;
        EXPECT_GE(MsSince(start), 150);
        EXPECT_LT(MsSince(start), 2000);
        EXPECT_TRUE(device.IsOpen());
    });
}

TEST(QtSerialDeviceTest, ASecondOpenOfTheSamePortIsBusyEvenThroughALink) {
    PtyPair pty;
    TemporaryPortsDir ports;
    const std::string link = ports.Path() + "/link";
    std::filesystem::create_symlink(pty.slave, link);
    RunOnQtThread([&] {
        QtSerialDevice first(pty.slave);
        ASSERT_TRUE(first.Open());
        for (const std::string& path : {pty.slave, link}) {
            QtSerialDevice second(path);
            EXPECT_FALSE(second.Open()) << path;
            EXPECT_EQ(second.LastOpenError(), OpenError::Busy) << path;
        }
        first.Close();
        QtSerialDevice third(link);
        EXPECT_TRUE(third.Open());
    });
}

}  // namespace
