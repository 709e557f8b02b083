// What the protocol makes of the simulated ECU's timing and faults, in virtual
// time: answers just inside and just outside a wait, a flood, a pulled cable. (Silence,
// a missing register, a leading zero and garbage: the transcript and grammar
// tests, byte for byte; the faults themselves: tests/sim.)

#include "comm/ecu_frames.h"
#include "comm/hex_text.h"
#include "sim/forwarding_device.h"
#include "sim/register_image.h"
#include "sim/sim_device.h"
#include "tests/comm/protocol_fixture.h"
#include "tests/comm/protocol_store_text.h"

namespace {

class SimFaultTest : public EcuLinkTest {
  protected:
    void Start(EcuOptions options) {
        ecu = std::make_shared<SimulatedEcuDevice>(virtualClock, EcuVariant::Q7100, options);
        port.SetDeviceFactory([this](const std::string&) { return MakeForwardingDevice(ecu); });
        OpenEcuLink(session);
        hooks.requiredRegisters.clear();  // the page needs every register the ECU has
        for (const auto& [reg, value] : FactoryRegisterImage(EcuVariant::Q7100))
            hooks.requiredRegisters.push_back(IntToHexText(reg));
    }
    int ReadAll(EcuCaller caller) {
        equipmentStore.Zeradora();
        return ReadRegisters(session, "FULL", equipmentStore, TimingFor(caller), hooks);
    }

    std::shared_ptr<SimulatedEcuDevice> ecu;
};

// How long after the read-all frame the whole answer has arrived, with no
// fault: the line time of the answer plus the ECU's own delay.
int64_t ReadAllCompleteMs() {
    VirtualClock clock;
    SimulatedEcuDevice probe(clock, EcuVariant::Q7100);
    LineSettings line;
    line.baudRate = 38400;
    probe.Open(), probe.SetLineSettings(line);
    const EcuFrame frame = ReadAllCommand(0);
    probe.Write(frame.Bytes, frame.Size, 5000);
    size_t received = 0;
    uint8_t buffer[4096];
    while (received < FactoryRegisterImage(EcuVariant::Q7100).size() * 4 && clock.NowMs() < 5000) {
        clock.Advance(1);
        received += static_cast<size_t>(probe.Read(buffer, sizeof buffer));
    }
    return clock.NowMs();
}

}  // namespace

TEST_F(SimFaultTest, AnAnswerCompleteAtTheEndOfTheWaitIsReadOneMillisecondLaterIsNot) {
    const int64_t complete = ReadAllCompleteMs();
    ASSERT_LT(complete, 400) << "the whole answer fits in the customer page's wait";
    EcuOptions options;
    options.faults.extraDelayMs = static_cast<int>(400 - complete);
    Start(options);
    EXPECT_EQ(ReadAll(EcuCaller::CustomerPage), 0);

    options.faults.extraDelayMs += 1;
    Start(options);
    EXPECT_EQ(ReadAll(EcuCaller::CustomerPage), 1) << "the last group is still on the line";
    EXPECT_GT(equipmentStore.GetQtyUsed(), 0u);

    // The aux page's retry picks up what its first wait missed.
    options.faults.extraDelayMs = 420;
    Start(options);
    const int64_t before = clock.NowMs();
    EXPECT_EQ(ReadAll(EcuCaller::AuxPage), 0);
    EXPECT_EQ(clock.NowMs() - before, 400 + 100) << "first wait, one failed call, one retry wait";
}

TEST_F(SimFaultTest, AFloodThatFillsTheReadBufferFailsTheReadAndStoresNothing) {
    EcuOptions options;
    options.faults.hugeAnswer = true;
    Start(options);
    EXPECT_EQ(ReadAll(EcuCaller::CustomerPage), 1);
    EXPECT_EQ(equipmentStore.GetQtyUsed(), 0u);
}

TEST_F(SimFaultTest, APulledCableMidPassEndsThePassAndKeepsWhatWasNotConfirmed) {
    EcuOptions options;
    options.faults.linkDropAfterFrames = 5;  // the read-all, the first write and its confirm frames
    Start(options);
    ASSERT_EQ(ReadAll(EcuCaller::AuxPage), 0);
    hooks.writes = {{"21", "A"}, {"20", "1"}, {"26", "3"}};
    const int64_t before = clock.NowMs();
    EXPECT_EQ(WritePendingRegisters(session, "FULL", TimingFor(EcuCaller::AuxPage), hooks),
              kLinkLostResult);
    EXPECT_EQ(pending.Count, 0u);
    EXPECT_LT(clock.NowMs() - before, 10000) << "the pass stops instead of retrying reads";
    for (const std::string& line : Recorded())
        EXPECT_EQ(line.find("MESSAGE"), std::string::npos) << "a lost link is no read failure";
    const WritePassReport& report = pending.LastPass;
    ASSERT_TRUE(report.interrupted);
    EXPECT_EQ(report.row, &TimingFor(EcuCaller::AuxPage));
    // The last queued goes first: "26" was answered and confirmed before the
    // ECU went silent; "20" and "21" went out unanswered, and the read-back's
    // first try was the third due answer missing.
    ASSERT_EQ(report.confirmed.size(), 1u);
    EXPECT_STREQ(report.confirmed[0].Register, "26");
    ASSERT_EQ(report.notConfirmed.size(), 2u);
    EXPECT_STREQ(report.notConfirmed[0].Register, "20");
    EXPECT_STREQ(report.notConfirmed[1].Register, "21");
    EXPECT_TRUE(port.Health().Lost());
}
