// CRX4COMM over scripted devices: port naming, open/close, line settings,
// time-outs, writes, the answer text of ReadPort, and the transcript format
// of the recording decorators.

#include "comm/crx4comm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "comm/clock.h"
#include "comm/port_names.h"
#include "comm/recording_device.h"
#include "comm/scripted_device.h"
#include "sim/forwarding_device.h"
#include "sim/sim_device.h"
#include "tests/comm/pty_test_support.h"

namespace {

class Crx4CommTest : public ::testing::Test {
  protected:
    Crx4CommTest() {
        port_.SetDeviceFactory(
            [this](const std::string&) { return std::make_unique<ScriptedDevice>(script_); });
        port_.SetPortNumber(1);
    }

    std::string Read(uint32_t size, CRX4COMM_RESULT* result) {
        std::vector<char> buffer(size, '#');
        uint32_t length = 12345;
        *result = port_.ReadPort(buffer.data(), size, &length);
        if (*result != COMM_OK)
            return "<failed>";
        EXPECT_EQ(length, std::string(buffer.data()).size());
        return std::string(buffer.data());
    }

    std::shared_ptr<DeviceScript> script_ = std::make_shared<DeviceScript>();
    CRX4COMM port_;
};

TEST_F(Crx4CommTest, SetPortNumberNamesThePortComAndTheNumber) {
    EXPECT_EQ(port_.SetPortNumber(3), COMM_OK);
    EXPECT_STREQ(port_.GetPortName(), "COM3");
    EXPECT_EQ(port_.GetPortNumber(), 3);
}

TEST_F(Crx4CommTest, PortNameIsCutToSevenCharacters) {
    port_.SetPortNumber(-1234567);
    EXPECT_STREQ(port_.GetPortName(), "COM-123");
    EXPECT_EQ(port_.GetPortNumber(), -1234567);
}

struct AnswerCase {
    const char* name;
    std::vector<uint8_t> bytes;  // empty: nothing arrived
    uint32_t bufferSize;
    CRX4COMM_RESULT result;
    std::string text;
};

class ReadPortText : public Crx4CommTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(ReadPortText, GivesTheReceivedBytesAsAnswerText) {
    const AnswerCase& c = GetParam();
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    script_->QueueAnswer(c.bytes);
    CRX4COMM_RESULT result;
    const std::string text = Read(c.bufferSize, &result);
    EXPECT_EQ(result, c.result);
    if (c.result == COMM_OK) {
        EXPECT_EQ(text, c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadPortText,
    ::testing::Values(
        AnswerCase{"AGroupIsWrittenWithoutLeadingZeros",
                   {0xB0, 0x20, 0x01, 0xC0},
                   10000,
                   COMM_OK,
                   "B0|20|1|C0|"},
        AnswerCase{
            "ZeroInsideTheAnswerIsWrittenAsZero", {0xB0, 0x00, 0x05}, 10000, COMM_OK, "B0|0|5|"},
        AnswerCase{"NothingReceivedFails", {}, 10000, COMM_READ_FAILED, ""},
        AnswerCase{"ExactlyTheBufferSizeReceivedFails", {1, 2, 3, 4}, 4, COMM_READ_FAILED, ""},
        AnswerCase{"OneByteLessThanTheBufferSucceeds", {1, 2, 3}, 8, COMM_OK, "1|2|3|"},
        AnswerCase{"FirstByteZeroGivesAnEmptyText", {0x00, 0xB0, 0x10}, 10000, COMM_OK, ""},
        AnswerCase{"TextThatJustFitsWithItsTerminatorSucceeds",
                   {0xB0, 0xB0, 0xB0},
                   10,
                   COMM_OK,
                   "B0|B0|B0|"},
        AnswerCase{"TextOneCharacterTooLongFails", {0xB0, 0xB0, 0xB0}, 9, COMM_READ_FAILED, ""}),
    [](const ::testing::TestParamInfo<AnswerCase>& param) { return param.param.name; });

TEST_F(Crx4CommTest, ReadPortGivesTheLengthOfTheText) {
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    script_->QueueAnswer({0xB0, 0x20, 0x01, 0xC0});
    char buffer[10000];
    uint32_t length = 0;
    ASSERT_EQ(port_.ReadPort(buffer, sizeof buffer, &length), COMM_OK);
    EXPECT_EQ(length, 11u);
}

TEST_F(Crx4CommTest, ReadPortTakesAtMostTheBufferSizeFromTheDevice) {
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    script_->QueueAnswer({1, 2, 3, 4, 5, 6, 7});
    CRX4COMM_RESULT result;
    Read(4, &result);
    EXPECT_EQ(result, COMM_READ_FAILED);
    EXPECT_EQ(Read(100, &result), "5|6|7|");
}

TEST_F(Crx4CommTest, ReadPortOnAClosedPortFails) {
    CRX4COMM_RESULT result;
    Read(100, &result);
    EXPECT_EQ(result, COMM_READ_FAILED);
}

TEST_F(Crx4CommTest, OpenPortRaisesDtrAndRts) {
    EXPECT_EQ(port_.OpenPort(), COMM_OK);
    EXPECT_EQ(port_.PortConnected(), 1);
    EXPECT_TRUE(script_->Dtr());
    EXPECT_TRUE(script_->Rts());
    EXPECT_EQ(port_.LastOpenError(), OpenError::None);
}

TEST_F(Crx4CommTest, OpenPortWithoutADeviceFailsAndLeavesTheFlagClear) {
    port_.SetDeviceFactory([](const std::string&) { return SerialDevicePtr(); });
    port_.SetPortNumber(7);
    EXPECT_EQ(port_.OpenPort(), COMM_OPEN_FAILED);
    EXPECT_EQ(port_.PortConnected(), 0);
    EXPECT_EQ(port_.LastOpenError(), OpenError::NotFound);
    EXPECT_EQ(port_.LastOpenErrorText(), "COM7: não encontrada");
}

TEST_F(Crx4CommTest, OpenPortTellsWhyTheDeviceRefused) {
    script_->FailOpen(OpenError::NoPermission);
    EXPECT_EQ(port_.OpenPort(), COMM_OPEN_FAILED);
    EXPECT_EQ(port_.PortConnected(), 0);
    EXPECT_EQ(port_.LastOpenError(), OpenError::NoPermission);
    EXPECT_EQ(port_.LastOpenErrorText(),
              "COM1: sem permissão: adicione o usuário ao grupo dialout");

    script_->FailOpen(OpenError::None);
    EXPECT_EQ(port_.OpenPort(), COMM_OK);
    EXPECT_EQ(port_.LastOpenError(), OpenError::None);
    EXPECT_EQ(port_.LastOpenErrorText(), "");
}

TEST_F(Crx4CommTest, OpenPortOnAMissingSystemDeviceFails) {
    TemporaryPortsDir ports;
    ASSERT_TRUE(RegisterPortLink(5, "/dev/zano-no-such-device"));
    CRX4COMM systemPort;
    systemPort.SetPortNumber(5);
    EXPECT_EQ(systemPort.OpenPort(), COMM_OPEN_FAILED);
    EXPECT_EQ(systemPort.PortConnected(), 0);
    EXPECT_EQ(systemPort.LastOpenError(), OpenError::NotFound);
}

TEST_F(Crx4CommTest, ClosePortOnAClosedPortSucceeds) {
    EXPECT_EQ(port_.ClosePort(), COMM_OK);
    EXPECT_EQ(port_.PortConnected(), 0);
}

TEST_F(Crx4CommTest, OpenPortOnAnOpenPortClosesItFirst) {
    auto transcript = std::make_shared<Transcript>();
    port_.SetDeviceFactory([this, transcript](const std::string&) {
        return std::make_unique<RecordingDevice>(std::make_unique<ScriptedDevice>(script_),
                                                 transcript);
    });
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    ASSERT_EQ(port_.ClosePort(), COMM_OK);
    EXPECT_EQ(transcript->Lines(), (std::vector<std::string>{"OPEN", "CLOSE", "OPEN", "CLOSE"}));
}

TEST_F(Crx4CommTest, LineSettersAndGettersFailBeforeThePortIsOpen) {
    EXPECT_EQ(port_.SetPortBaudRate(38400), COMM_GET_FAILED);
    EXPECT_EQ(port_.SetPortDtaBit(8), COMM_GET_FAILED);
    EXPECT_EQ(port_.SetPortParity(0), COMM_GET_FAILED);
    EXPECT_EQ(port_.SetPortStopBit(0), COMM_GET_FAILED);
    EXPECT_EQ(port_.GetPortBaudRate(), 4u);
    EXPECT_EQ(port_.GetPortDtaBit(), 4);
    EXPECT_EQ(port_.GetPortParity(), 4);
    EXPECT_EQ(port_.GetPortStopBit(), 4);
}

TEST_F(Crx4CommTest, LineSettersChangeOneFieldEach) {
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    EXPECT_EQ(port_.SetPortBaudRate(38400), COMM_OK);
    EXPECT_EQ(port_.SetPortDtaBit(7), COMM_OK);
    EXPECT_EQ(port_.SetPortParity(2), COMM_OK);
    EXPECT_EQ(port_.SetPortStopBit(2), COMM_OK);
    EXPECT_EQ(port_.GetPortBaudRate(), 38400u);
    EXPECT_EQ(port_.GetPortDtaBit(), 7);
    EXPECT_EQ(port_.GetPortParity(), 1);
    EXPECT_EQ(port_.GetPortStopBit(), 2);
    EXPECT_EQ(script_->Settings().parity, 2);
}

// The ECU link sets 38400 baud and then reopens the port; a Windows driver
// keeps the speed over the reopen, and so must this port.
TEST_F(Crx4CommTest, ReopeningThePortKeepsItsLineSettings) {
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    ASSERT_EQ(port_.SetPortBaudRate(38400), COMM_OK);
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    EXPECT_EQ(port_.GetPortBaudRate(), 38400u);

    port_.SetPortNumber(2);
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    EXPECT_EQ(port_.GetPortBaudRate(), 9600u);
}

TEST_F(Crx4CommTest, TimeoutsAreKeptWhileThePortIsOpen) {
    EXPECT_EQ(port_.SetCommunicationTimeouts(0xFFFFFFFF, 0, 0, 0, 5000), COMM_GET_FAILED);
    EXPECT_EQ(port_.GetCommunicationTimeouts(), COMM_GET_FAILED);
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    EXPECT_EQ(port_.SetCommunicationTimeouts(0xFFFFFFFF, 1, 2, 3, 5000), COMM_OK);
    EXPECT_EQ(port_.GetCommunicationTimeouts(), COMM_OK);
    const CommTimeouts& t = port_.Timeouts();
    EXPECT_EQ(t.readInterval, 0xFFFFFFFFu);
    EXPECT_EQ(t.readTotalMultiplier, 1u);
    EXPECT_EQ(t.readTotalConstant, 2u);
    EXPECT_EQ(t.writeTotalMultiplier, 3u);
    EXPECT_EQ(t.writeTotalConstant, 5000u);
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

TEST_F(Crx4CommTest, TheWriteTimeoutsBoundEachWrite) {
    std::vector<int> limits;
    port_.SetDeviceFactory([this, &limits](const std::string&) {
        return std::make_unique<TimeLimitSpy>(script_, &limits);
    });
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    const unsigned char frame[] = {0x00, 0x04, 0x00};
    uint32_t written = 0;
    port_.WritePort(frame, 3, &written);
    port_.SetCommunicationTimeouts(0xFFFFFFFF, 0, 0, 0, 5000);
    port_.WritePort(frame, 3, &written);
    port_.SetCommunicationTimeouts(0xFFFFFFFF, 0, 0, 10, 100);
    port_.WritePort(frame, 3, &written);
    EXPECT_EQ(limits, (std::vector<int>{5000, 5000, 130}));
}

TEST_F(Crx4CommTest, WritePortSendsTheFrameAndCountsIt) {
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    const unsigned char frame[] = {0x00, 0x04, 0x00};
    uint32_t written = 0;
    EXPECT_EQ(port_.WritePort(frame, 3, &written), COMM_OK);
    EXPECT_EQ(written, 3u);
    EXPECT_EQ(script_->Written(), (std::vector<std::vector<uint8_t>>{{0x00, 0x04, 0x00}}));
}

TEST_F(Crx4CommTest, WritePortFailsWhenTheDeviceFailsOrThePortIsClosed) {
    const unsigned char frame[] = {0x09, 0x00};
    uint32_t written = 99;
    EXPECT_EQ(port_.WritePort(frame, 2, &written), COMM_WRITE_FAILED);
    EXPECT_EQ(written, 0u);
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    script_->FailWrites(true);
    EXPECT_EQ(port_.WritePort(frame, 2, &written), COMM_WRITE_FAILED);
    EXPECT_EQ(written, 0u);
}

TEST_F(Crx4CommTest, EventAndDialogCallsNeitherBlockNorFailOnAnOpenPort) {
    EXPECT_EQ(port_.SetEventMonitor(0x1B), COMM_MASK_FAILED);
    EXPECT_EQ(port_.WindowsConfigScreen(), COMM_SET_FAILED);
    ASSERT_EQ(port_.OpenPort(), COMM_OK);
    EXPECT_EQ(port_.SetEventMonitor(0x1B), COMM_OK);
    EXPECT_EQ(port_.WindowsConfigScreen(), COMM_OK);
    EXPECT_EQ(port_.WaitEvent(), 1u);
    EXPECT_EQ(port_.ProcPorta(""), 0u);
}

// A Q7100 streaming at full line rate (3840 bytes a second) that nobody reads.
class Crx4CommReceiveQueueTest : public ::testing::Test {
  protected:
    Crx4CommReceiveQueueTest() {
        EcuOptions options;
        options.faults.streamAtLineRate = true;
        ecu_ = std::make_shared<SimulatedEcuDevice>(clock_, EcuVariant::Q7100, options);
        port_.SetDeviceFactory([this](const std::string&) { return MakeForwardingDevice(ecu_); });
        port_.SetPortNumber(1);
        EXPECT_EQ(port_.OpenPort(), COMM_OK);
        EXPECT_EQ(port_.SetPortBaudRate(38400), COMM_OK);
        const unsigned char start[] = {0x00, 0x08, 0x00};
        uint32_t written = 0;
        EXPECT_EQ(port_.WritePort(start, 3, &written), COMM_OK);
    }
    // The bytes of one ReadPort with a buffer of `size`, or -1 when it failed.
    int ReadBytes(uint32_t size) {
        std::vector<char> buffer(size);
        uint32_t length = 0;
        if (port_.ReadPort(buffer.data(), size, &length) != COMM_OK)
            return -1;
        return static_cast<int>(std::count(buffer.data(), buffer.data() + length, '|'));
    }

    VirtualClock clock_;
    std::shared_ptr<SimulatedEcuDevice> ecu_;
    CRX4COMM port_;
};

TEST_F(Crx4CommReceiveQueueTest, AMinuteOfStreamLeavesOnlyTheNewest10000Bytes) {
    clock_.Advance(60000);
    // 230000 bytes came; a read with room for more finds the queue's worth.
    EXPECT_EQ(ReadBytes(40000), static_cast<int>(CRX4COMM::kInputQueueSize));
    clock_.Advance(100);
    EXPECT_LE(ReadBytes(40000), 400);
    // A full queue in a buffer of its size fails: the answer may be cut.
    clock_.Advance(60000);
    EXPECT_EQ(ReadBytes(10000), -1);
}

TEST_F(Crx4CommReceiveQueueTest, DiscardReceivedLeavesOnlyWhatComesAfterIt) {
    clock_.Advance(2000);
    EXPECT_EQ(port_.DiscardReceived(), COMM_OK);
    EXPECT_EQ(ReadBytes(10000), -1) << "nothing is left to read";
    clock_.Advance(50);
    const int fresh = ReadBytes(10000);
    EXPECT_GT(fresh, 150);
    EXPECT_LE(fresh, 240);
}

TEST(RecordingTranscript, RecordsOneLinePerEventInTheDocumentedFormat) {
    auto transcript = std::make_shared<Transcript>();
    auto script = std::make_shared<DeviceScript>();
    VirtualClock virtualClock;
    RecordingClock clock(virtualClock, transcript);
    CRX4COMM port;
    port.SetDeviceFactory([&](const std::string&) {
        return std::make_unique<RecordingDevice>(std::make_unique<ScriptedDevice>(script),
                                                 transcript);
    });
    port.SetPortNumber(1);
    script->QueueAnswer({0xB0, 0x10, 0x01, 0xC0});
    script->QueueAnswer({});
    script->QueueAnswer({0x00, 0xB0});

    ASSERT_EQ(port.OpenPort(), COMM_OK);
    const unsigned char frame[] = {0x00, 0x04, 0x00};
    uint32_t written = 0;
    port.WritePort(frame, 3, &written);
    clock.WaitMs(400);
    char buffer[10000];
    uint32_t length = 0;
    port.ReadPort(buffer, sizeof buffer, &length);
    port.ReadPort(buffer, sizeof buffer, &length);
    port.ReadPort(buffer, sizeof buffer, &length);
    EXPECT_EQ(port.DiscardReceived(), COMM_OK);
    port.ClosePort();
    EXPECT_EQ(port.DiscardReceived(), COMM_READ_FAILED);

    EXPECT_EQ(transcript->Text(),
              "OPEN\n"
              "TX 00 04 00\n"
              "WAIT 400\n"
              "RX B0|10|1|C0|\n"
              "RX -\n"
              "RX 0|B0|\n"
              "DISCARD 0\n"
              "CLOSE\n");
    EXPECT_EQ(virtualClock.NowMs(), 400);
}

TEST(RecordingTranscript, MarksAFailedOpen) {
    auto transcript = std::make_shared<Transcript>();
    auto script = std::make_shared<DeviceScript>();
    script->FailOpen(OpenError::Busy);
    RecordingDevice device(std::make_unique<ScriptedDevice>(script), transcript);
    EXPECT_FALSE(device.Open());
    EXPECT_EQ(device.LastOpenError(), OpenError::Busy);
    EXPECT_EQ(transcript->Lines(), std::vector<std::string>{"OPEN FAILED"});
    transcript->Clear();
    EXPECT_EQ(transcript->Text(), "");
}

}  // namespace
