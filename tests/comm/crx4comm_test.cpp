// CRX4COMM over scripted devices: port naming, open/close, line settings,
// time-outs, writes, the answer text of ReadPort and the bounded receive queue.

#include "comm/crx4comm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "comm/port_names.h"
#include "sim/forwarding_device.h"
#include "sim/sim_device.h"
#include "tests/comm/pty_test_support.h"
#include "tests/support/recording_device.h"
#include "tests/support/scripted_device.h"

namespace {

using Frames = std::vector<std::vector<uint8_t>>;

class Crx4CommTest : public ::testing::Test {
  protected:
    Crx4CommTest() {
        port_.SetDeviceFactory([this](const std::string& name) {
            names_.push_back(name);
            return std::make_unique<RecordingDevice>(std::make_unique<ScriptedDevice>(script_),
                                                     transcript_);
        });
        port_.SetPortNumber(1);
    }
    // The text of one ReadPort with a buffer of `size`, or "<failed>".
    std::string Read(uint32_t size) {
        std::vector<char> buffer(size, '#');
        uint32_t length = 12345;
        if (port_.ReadPort(buffer.data(), size, &length) != COMM_OK)
            return "<failed>";
        EXPECT_EQ(length, std::strlen(buffer.data()));
        return buffer.data();
    }
    CRX4COMM_RESULT Write(std::vector<uint8_t> frame) {
        uint32_t written = 99;
        const CRX4COMM_RESULT result = port_.WritePort(frame.data(), frame.size(), &written);
        EXPECT_EQ(written, result == COMM_OK ? frame.size() : 0u);
        return result;
    }

    std::vector<std::string> names_;  // of the devices opened
    std::shared_ptr<DeviceScript> script_ = std::make_shared<DeviceScript>();
    std::shared_ptr<Transcript> transcript_ = std::make_shared<Transcript>();
    CRX4COMM port_;
};

}  // namespace

TEST_F(Crx4CommTest, PortNumberNamesThePortCutToSevenCharacters) {
    EXPECT_EQ(port_.SetPortNumber(3), COMM_OK);
    EXPECT_EQ(port_.GetPortNumber(), 3);
    port_.OpenPort();
    port_.SetPortNumber(-1234567);
    port_.OpenPort();
    EXPECT_EQ(names_, (std::vector<std::string>{"COM3", "COM-123"}));
}

TEST_F(Crx4CommTest, ReadPortGivesTheBytesAsAnswerTextAndFailsWhenTheBufferIsFull) {
    EXPECT_EQ(Read(100), "<failed>");  // closed
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    const struct {
        std::vector<uint8_t> bytes;
        uint32_t buffer;
        std::string text;
    } cases[] = {
        {{0xB0, 0x20, 0x01, 0xC0}, 10000, "B0|20|1|C0|"},  // no leading zeros
        {{0xB0, 0x00, 0x05}, 10000, "B0|0|5|"},
        {{}, 10000, "<failed>"},                // nothing came
        {{1, 2, 3, 4}, 4, "<failed>"},          // the buffer's size came: maybe cut
        {{1, 2, 3}, 8, "1|2|3|"},
        {{0x00, 0xB0, 0x10}, 10000, ""},        // a first zero byte ends the text
        {{0xB0, 0xB0, 0xB0}, 10, "B0|B0|B0|"},  // the text and its terminator just fit
        {{0xB0, 0xB0, 0xB0}, 9, "<failed>"},
        {{1, 2, 3, 4, 5, 6, 7}, 4, "<failed>"},  // takes four bytes ...
        {{}, 100, "5|6|7|"},                      // ... and the rest stays for the next read
    };
    for (const auto& c : cases) {
        script_->QueueAnswer(c.bytes);
        EXPECT_EQ(Read(c.buffer), c.text) << c.text;
    }
}

TEST_F(Crx4CommTest, OpenRaisesTheModemLinesAndFailsWithoutADevice) {
    EXPECT_EQ(port_.OpenPort(), COMM_OK);
    EXPECT_EQ(port_.PortConnected(), 1);
    EXPECT_TRUE(script_->Dtr() && script_->Rts());
    EXPECT_EQ(port_.OpenPort(), COMM_OK);  // an open port is closed first
    EXPECT_EQ(port_.ClosePort(), COMM_OK);
    EXPECT_EQ(port_.ClosePort(), COMM_OK);
    EXPECT_EQ(transcript_->Lines(), (std::vector<std::string>{"OPEN", "CLOSE", "OPEN", "CLOSE"}));

    script_->FailOpen(OpenError::NoPermission);
    EXPECT_EQ(port_.OpenPort(), COMM_OPEN_FAILED);
    EXPECT_EQ(port_.PortConnected(), 0);
    script_->FailOpen(OpenError::None);
    EXPECT_EQ(port_.OpenPort(), COMM_OK);
    port_.SetDeviceFactory([](const std::string&) { return SerialDevicePtr(); });
    EXPECT_EQ(port_.OpenPort(), COMM_OPEN_FAILED);
    EXPECT_EQ(port_.PortConnected(), 0);

    TemporaryPortsDir ports;  // the system's own devices
    ASSERT_TRUE(ports.Link(5, "/dev/zano-no-such-device"));
    CRX4COMM systemPort;
    systemPort.SetPortNumber(5);
    EXPECT_EQ(systemPort.OpenPort(), COMM_OPEN_FAILED);
}

TEST_F(Crx4CommTest, LineSettingsNeedAnOpenPortAndSurviveAReopen) {
    EXPECT_EQ(port_.SetPortBaudRate(38400), COMM_GET_FAILED);
    EXPECT_EQ(port_.SetPortDtaBit(8), COMM_GET_FAILED);
    EXPECT_EQ(port_.SetPortParity(0), COMM_GET_FAILED);
    EXPECT_EQ(port_.SetPortStopBit(0), COMM_GET_FAILED);
    EXPECT_EQ(port_.SetCommunicationTimeouts(0xFFFFFFFF, 0, 0, 0, 5000), COMM_GET_FAILED);

    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    EXPECT_EQ(port_.SetPortBaudRate(38400), COMM_OK);
    EXPECT_EQ(port_.SetPortDtaBit(7), COMM_OK);
    EXPECT_EQ(port_.SetPortParity(2), COMM_OK);
    EXPECT_EQ(port_.SetPortStopBit(2), COMM_OK);
    const LineSettings line = script_->Settings();
    EXPECT_EQ((std::vector<uint32_t>{line.baudRate, line.dataBits, line.parity, line.stopBits}),
              (std::vector<uint32_t>{38400, 7, 2, 2}));
    // The ECU link sets 38400 baud and then reopens the port; a Windows
    // driver keeps the speed over the reopen, and so must this port.
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    EXPECT_EQ(script_->Settings().baudRate, 38400u);
    port_.SetPortNumber(2);
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    EXPECT_EQ(script_->Settings().baudRate, 9600u);

    EXPECT_EQ(port_.SetCommunicationTimeouts(0xFFFFFFFF, 1, 2, 3, 5000), COMM_OK);
    const CommTimeouts& t = port_.Timeouts();
    EXPECT_EQ((std::vector<uint32_t>{t.readInterval, t.readTotalMultiplier, t.readTotalConstant,
                                     t.writeTotalMultiplier, t.writeTotalConstant}),
              (std::vector<uint32_t>{0xFFFFFFFF, 1, 2, 3, 5000}));
}

// Remembers the time limit of each write.
class TimeLimitSpy : public ScriptedDevice {
  public:
    TimeLimitSpy(std::shared_ptr<DeviceScript> script, std::vector<int>* limits)
        : ScriptedDevice(std::move(script)), limits_(limits) {}
    int64_t Write(const uint8_t* data, size_t count, int timeoutMs) override {
        limits_->push_back(timeoutMs);
        return ScriptedDevice::Write(data, count, timeoutMs);
    }

  private:
    std::vector<int>* limits_;
};

TEST_F(Crx4CommTest, WritesSendTheFrameWithinTheWriteTimeouts) {
    EXPECT_EQ(Write({0x09, 0x00}), COMM_WRITE_FAILED);  // closed
    std::vector<int> limits;
    port_.SetDeviceFactory([this, &limits](const std::string&) {
        return std::make_unique<TimeLimitSpy>(script_, &limits);
    });
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    EXPECT_EQ(Write({0x00, 0x04, 0x00}), COMM_OK);
    port_.SetCommunicationTimeouts(0xFFFFFFFF, 0, 0, 10, 100);
    EXPECT_EQ(Write({0x00, 0x04, 0x2B}), COMM_OK);
    EXPECT_EQ(limits, (std::vector<int>{5000, 130}));  // 100 + 10 per byte
    EXPECT_EQ(script_->Written(), (Frames{{0x00, 0x04, 0x00}, {0x00, 0x04, 0x2B}}));
    script_->FailWrites(true);
    EXPECT_EQ(Write({0x09, 0x00}), COMM_WRITE_FAILED);
}

// A Q7100 streaming at full line rate (3840 bytes a second) that nobody reads.
TEST(Crx4CommReceiveQueueTest, KeepsTheNewest10000BytesAndDiscardKeepsOnlyWhatComesAfter) {
    VirtualClock clock;
    EcuOptions options;
    options.faults.streamAtLineRate = true;
    auto ecu = std::make_shared<SimulatedEcuDevice>(clock, EcuVariant::Q7100, options);
    CRX4COMM port;
    port.SetDeviceFactory([ecu](const std::string&) { return MakeForwardingDevice(ecu); });
    port.SetPortNumber(1);
    ASSERT_EQ(port.OpenPort(), COMM_OK);
    ASSERT_EQ(port.SetPortBaudRate(38400), COMM_OK);
    const unsigned char start[] = {0x00, 0x08, 0x00};
    uint32_t written = 0;
    ASSERT_EQ(port.WritePort(start, 3, &written), COMM_OK);
    auto bytes = [&port](uint32_t size) {  // of one read; -1 when it failed
        std::vector<char> buffer(size);
        uint32_t length = 0;
        if (port.ReadPort(buffer.data(), size, &length) != COMM_OK)
            return -1;
        return static_cast<int>(std::count(buffer.data(), buffer.data() + length, '|'));
    };
    clock.Advance(60000);  // 230000 bytes came
    EXPECT_EQ(bytes(40000), static_cast<int>(CRX4COMM::kInputQueueSize));
    clock.Advance(100);
    EXPECT_LE(bytes(40000), 400);
    clock.Advance(60000);
    EXPECT_EQ(bytes(10000), -1) << "a full queue in a buffer of its size: the answer may be cut";

    clock.Advance(2000);
    EXPECT_EQ(port.DiscardReceived(), COMM_OK);
    EXPECT_EQ(bytes(10000), -1) << "nothing is left to read";
    clock.Advance(50);
    const int fresh = bytes(10000);
    EXPECT_GT(fresh, 150);
    EXPECT_LE(fresh, 240);
}
