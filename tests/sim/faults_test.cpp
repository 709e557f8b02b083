// Each fault the simulated ECU can be told to show, seen from the line.

#include <gtest/gtest.h>

#include "sim/ecu_model.h"
#include "tests/sim/ecu_bytes.h"

namespace {

const std::vector<uint8_t> kReadAll = {0x00, 0x04, 0x00};
const std::vector<uint8_t> kStart = {0x00, 0x08, 0x00};

EcuModel WithFaults(const FaultOptions& faults) {
    EcuOptions options;
    options.faults = faults;
    return EcuModel(EcuVariant::Q7100, options);
}

TEST(FaultsTest, SilentEcuAnswersNothingAndStreamsNothing) {
    FaultOptions faults;
    faults.noAnswer = true;
    EcuModel ecu = WithFaults(faults);
    Send(ecu, kReadAll, 0);
    Send(ecu, {0x00, 0x21, 0x0A}, 100);
    Send(ecu, kStart, 200);
    EXPECT_TRUE(Arrived(ecu, 5000).empty());
    EXPECT_EQ(ecu.ReceivedFrames().size(), 3u);  // it still hears everything
}

TEST(FaultsTest, LateAnswerIsMissingAtTheUsualWaitAndThereLater) {
    FaultOptions faults;
    faults.extraDelayMs = 500;
    EcuModel ecu = WithFaults(faults);
    Send(ecu, kReadAll, 0);
    EXPECT_TRUE(Arrived(ecu, 400).empty());
    EXPECT_EQ(AnswerGroups(Arrived(ecu, 1000)), ecu.Registers());
}

TEST(FaultsTest, MissingRegisterIsLeftOutOfReadAnswers) {
    FaultOptions faults;
    faults.missingRegister = 0x1E;
    EcuModel ecu = WithFaults(faults);
    Send(ecu, kReadAll, 0);
    RegisterImage expected = ecu.Registers();
    expected.erase(0x1E);
    EXPECT_EQ(AnswerGroups(Arrived(ecu, 500)), expected);
    Send(ecu, {0x00, 0x04, 0x1E}, 500);
    EXPECT_TRUE(Arrived(ecu, 1000).empty());
}

TEST(FaultsTest, BadCheckSpoilsOnlyThatRegistersLiveGroups) {
    FaultOptions faults;
    faults.badCheckRegister = 0x24;
    EcuModel ecu = WithFaults(faults);
    Send(ecu, kStart, 0);
    int spoiled = 0;
    for (const LiveGroup& g : LiveGroups(Arrived(ecu, 1000))) {
        const bool checkMatches = g.check == g.reg + g.value;
        EXPECT_EQ(checkMatches, g.reg != 0x24) << std::hex << int(g.reg);
        spoiled += checkMatches ? 0 : 1;
    }
    EXPECT_EQ(spoiled, 10);
}

TEST(FaultsTest, LeadingZeroPrecedesOtherwiseIntactAnswer) {
    FaultOptions faults;
    faults.leadingZero = true;
    EcuModel ecu = WithFaults(faults);
    Send(ecu, kReadAll, 0);
    const std::vector<uint8_t> answer = Arrived(ecu, 500);
    ASSERT_FALSE(answer.empty());
    EXPECT_EQ(answer[0], 0x00);
    EXPECT_EQ(AnswerGroups(answer), ecu.Registers());
}

TEST(FaultsTest, GarbageBetweenGroupsLeavesTheGroupsReadable) {
    FaultOptions faults;
    faults.garbageBetweenGroups = true;
    EcuModel ecu = WithFaults(faults);
    Send(ecu, kReadAll, 0);
    const std::vector<uint8_t> answer = Arrived(ecu, 1000);
    EXPECT_GT(answer.size(), ecu.Registers().size() * 4);
    EXPECT_EQ(AnswerGroups(answer), ecu.Registers());

    Send(ecu, kStart, 1000);
    const std::vector<uint8_t> stream = Arrived(ecu, 1100);
    const std::vector<LiveGroup> groups = LiveGroups(stream);
    EXPECT_EQ(groups.size(), EcuModel::LiveRegisters().size());
    EXPECT_GT(stream.size(), groups.size() * 5);
}

TEST(FaultsTest, HugeAnswerFillsA10000ByteBufferAtOnce) {
    FaultOptions faults;
    faults.hugeAnswer = true;
    EcuModel ecu = WithFaults(faults);
    Send(ecu, kReadAll, 0);
    EXPECT_TRUE(Arrived(ecu, 1).empty());
    const std::vector<uint8_t> answer = Arrived(ecu, 3);
    EXPECT_GE(answer.size(), 10000u);
    EXPECT_EQ(AnswerGroups(answer), ecu.Registers());
}

TEST(FaultsTest, LinkVanishesAfterTheGivenFramesUntilReconnected) {
    FaultOptions faults;
    faults.linkDropAfterFrames = 2;
    EcuModel ecu = WithFaults(faults);
    Send(ecu, {0x00, 0x21, 0x0A}, 0);
    EXPECT_TRUE(ecu.LinkUp());
    Send(ecu, {0x00, 0x05, 0x18}, 100);
    EXPECT_FALSE(ecu.LinkUp());
    Send(ecu, kReadAll, 200);
    EXPECT_TRUE(Arrived(ecu, 1000).empty());
    EXPECT_EQ(ecu.ReceivedFrames().size(), 2u);

    ecu.Reconnect();
    for (int i = 0; i < 5; ++i) Send(ecu, kReadAll, 1000 + 200 * i);
    EXPECT_TRUE(ecu.LinkUp());  // the fault happens once
    EXPECT_EQ(AnswerGroups(Arrived(ecu, 3000)).at(0x21), 0x0A);
}

}  // namespace
