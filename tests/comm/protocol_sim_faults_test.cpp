// What the protocol makes of each fault of the simulated ECU, in virtual
// time: answers just inside and just outside a wait, silence, a missing
// register, a leading zero byte, garbage, a flood, a link that vanishes.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "comm/clock.h"
#include "comm/crx4comm.h"
#include "comm/ecu_frames.h"
#include "comm/ecu_protocol.h"
#include "comm/pending_writes.h"
#include "data/crx4data.h"
#include "data/crx4file.h"
#include "data/diagnostic_dump.h"
#include "data/store_text.h"
#include "sim/forwarding_device.h"
#include "sim/register_image.h"
#include "sim/sim_device.h"
#include "tests/comm/protocol_fixture.h"

namespace {

class SimFaultTest : public ::testing::Test {
protected:
    void Start(EcuOptions options, EcuVariant variant = EcuVariant::Q7100) {
        SetDumpFolder(dumpDir.path().toStdString());
        ecu = std::make_shared<SimulatedEcuDevice>(clock, variant, options);
        auto shared = ecu;
        port.SetDeviceFactory([shared](const std::string&) { return MakeForwardingDevice(shared); });
        session.modelIndex = static_cast<int>(variant);
        OpenEcuLink(session);
        // The page needs every register the ECU has.
        for (const auto& [reg, value] : FactoryRegisterImage(variant)) {
            char text[4];
            std::snprintf(text, sizeof text, "%X", reg);
            hooks.requiredRegisters.emplace_back(text);
        }
    }
    ~SimFaultTest() override { SetDumpFolder(""); }

    // How long after the read-all frame the whole answer has arrived, with
    // no fault: the line time of the answer plus the ECU's own delay.
    static int64_t ReadAllCompleteMs(EcuVariant variant) {
        VirtualClock probeClock;
        SimulatedEcuDevice probe(probeClock, variant);
        probe.Open();
        LineSettings line;
        line.baudRate = variant == EcuVariant::Q5100 ? 9600 : 38400;
        probe.SetLineSettings(line);
        const EcuFrame frame = ReadAllCommand(static_cast<int>(variant));
        probe.Write(frame.Bytes, frame.Size, 5000);
        const size_t expected = FactoryRegisterImage(variant).size() * 4;
        size_t received = 0;
        uint8_t buffer[4096];
        while (received < expected && probeClock.NowMs() < 5000) {
            probeClock.Advance(1);
            received += static_cast<size_t>(probe.Read(buffer, sizeof buffer));
        }
        return probeClock.NowMs();
    }

    int ReadAll(EcuCaller caller) {
        return ReadRegisters(session, "FULL", equipment, TimingFor(caller), hooks);
    }

    QTemporaryDir dumpDir;
    VirtualClock clock;
    CRX4COMM port;
    CRX4DATA equipment, file, monitor;
    PendingWrites pending;
    CRX4FILE dump;
    EcuSession session{port, clock, equipment, file, monitor, pending, dump, 0, false, ""};
    std::shared_ptr<Transcript> transcript = std::make_shared<Transcript>();
    RecordingHooks hooks{transcript};
    std::shared_ptr<SimulatedEcuDevice> ecu;
};

TEST_F(SimFaultTest, AnAnswerCompleteExactlyAtTheEndOfTheWaitIsReadOneMillisecondLaterIsNot) {
    const int64_t complete = ReadAllCompleteMs(EcuVariant::Q7100);
    ASSERT_LT(complete, 400) << "the whole answer fits in the customer page's wait";
    const int firstWait = TimingFor(EcuCaller::CustomerPage).firstWaitMs;

    EcuOptions inside;
    inside.faults.extraDelayMs = static_cast<int>(firstWait - complete);
    Start(inside);
    EXPECT_EQ(0, ReadAll(EcuCaller::CustomerPage));

    equipment.Zeradora();
    EcuOptions outside;
    outside.faults.extraDelayMs = static_cast<int>(firstWait - complete) + 1;
    Start(outside);
    // The last group is still on the line: the page misses a register.
    EXPECT_EQ(1, ReadAll(EcuCaller::CustomerPage));
    EXPECT_GT(equipment.GetQtyUsed(), 0u);
}

TEST_F(SimFaultTest, AnAnswerAfterTheFirstWaitIsPickedUpByTheRetryOfTheAuxPage) {
    EcuOptions late;
    late.faults.extraDelayMs = 420;  // beyond the 400 ms first wait, inside 400 + 100
    Start(late);
    const int64_t before = clock.NowMs();
    EXPECT_EQ(0, ReadAll(EcuCaller::AuxPage));
    EXPECT_EQ(400 + 100, clock.NowMs() - before) << "first wait, one failed call, one retry wait";
}

TEST_F(SimFaultTest, SilenceFailsEveryCallAndThreeFailedReadsEndThePage) {
    EcuOptions silent;
    silent.faults.noAnswer = true;
    Start(silent);
    EXPECT_EQ(1, ReadAll(EcuCaller::AuxBasicPage));
    EXPECT_EQ(kReadFailedResult, ReadRegistersWithRetry(session, "FULL", TimingFor(EcuCaller::AuxPage), hooks));
    int messages = 0;
    for (const std::string& line : transcript->Lines())
        if (line == "MESSAGE Erro na leitura dos parâmetros !!!") ++messages;
    EXPECT_EQ(1, messages);
}

TEST_F(SimFaultTest, AMissingRegisterFailsThePageButKeepsTheOthers) {
    EcuOptions missing;
    missing.faults.missingRegister = 0x1F;
    Start(missing);
    EXPECT_EQ(1, ReadAll(EcuCaller::CustomerPage));
    std::string value;
    EXPECT_FALSE(StoreValueText(equipment, "1F", &value));
    EXPECT_TRUE(StoreValueText(equipment, "1E", &value));
}

TEST_F(SimFaultTest, AnAnswerStartingWithZeroIsEmptyAndTheRefreshReportsIt) {
    EcuOptions zero;
    zero.faults.leadingZero = true;
    Start(zero);
    EXPECT_EQ(1, ReadAll(EcuCaller::CustomerPage));
    EXPECT_EQ(0u, equipment.GetQtyUsed());
}

TEST_F(SimFaultTest, GarbageBetweenGroupsIsSkipped) {
    EcuOptions garbage;
    garbage.faults.garbageBetweenGroups = true;
    Start(garbage);
    EXPECT_EQ(0, ReadAll(EcuCaller::CustomerPage));
    EXPECT_EQ(FactoryRegisterImage(EcuVariant::Q7100).size(), equipment.GetQtyUsed());
}

TEST_F(SimFaultTest, AFloodThatFillsTheBufferIsAFailedRead) {
    EcuOptions flood;
    flood.faults.hugeAnswer = true;
    Start(flood);
    EXPECT_EQ(1, ReadAll(EcuCaller::CustomerPage));
    EXPECT_EQ(0u, equipment.GetQtyUsed());
}

TEST_F(SimFaultTest, ALinkThatVanishesMidPassEndsInAFailedReadBackNotAHang) {
    EcuOptions drop;
    drop.faults.linkDropAfterFrames = 2;  // the read-all and the first write
    Start(drop);
    ASSERT_EQ(0, ReadAll(EcuCaller::AuxPage));
    hooks.writes = {{"21", "A"}, {"20", "1"}};
    const int64_t before = clock.NowMs();
    EXPECT_EQ(kReadFailedResult, WritePendingRegisters(session, "FULL", TimingFor(EcuCaller::AuxPage), hooks));
    EXPECT_EQ(0u, pending.Count);
    // Bounded: two entries and three failed reads, nothing waits for ever.
    EXPECT_LT(clock.NowMs() - before, 10000);
    std::string value;
    ASSERT_TRUE(StoreValueText(equipment, "21", &value));
    EXPECT_NE("A", value) << "the store shows what was last read, not what was sent";
}

}  // namespace
