// The simulated ECU's registers and how it answers reads, writes and confirms
// on each variant.

#include "sim/ecu_model.h"

#include <gtest/gtest.h>

#include "tests/sim/ecu_bytes.h"

namespace {

class ReadAllTest : public ::testing::TestWithParam<EcuVariant> {};

TEST_P(ReadAllTest, AnswerCarriesEveryRegisterOfTheVariantAsGroups) {
    const std::vector<uint8_t> frames[] = {{0x00, 0x04, 0x00}, {0x09, 0x00}, {0x00, 0x06, 0x00}};
    EcuModel ecu(GetParam());
    Send(ecu, frames[static_cast<int>(GetParam())], 0);
    const std::vector<uint8_t> answer = Arrived(ecu, 1000);
    EXPECT_EQ(answer.size(), ecu.Registers().size() * 4);
    EXPECT_EQ(AnswerGroups(answer), ecu.Registers());
    for (uint8_t reg : {0x10, 0x12, 0x13, 0x15, 0x16, 0x1E, 0x1F, 0x20, 0x21, 0x26, 0x27, 0x2B,
                        0x2C, 0x3D, 0x3E, 0x41, 0x42, 0x45, 0x46, 0x60, 0x70, 0x74, 0x75, 0x76,
                        0x77, 0x78, 0x80, 0x82})
        EXPECT_EQ(ecu.Registers().count(reg), 1u) << std::hex << int(reg);
    const bool q5100 = GetParam() == EcuVariant::Q5100;
    for (uint8_t reg : {0x79, 0x7A, 0x7B, 0x7C, 0x7F})
        EXPECT_EQ(ecu.Registers().count(reg), q5100 ? 0u : 1u) << std::hex << int(reg);
    EXPECT_EQ(ecu.Registers().count(0x25), q5100 ? 1u : 0u);  // its cut-off speed as a period
}

INSTANTIATE_TEST_SUITE_P(AllVariants, ReadAllTest,
                         ::testing::Values(EcuVariant::Q7100, EcuVariant::Q5100,
                                           EcuVariant::Q5100Plus));

TEST(EcuModelTest, ReadOneAnswersWithThatRegisterOnlyInTheVariantsFrame) {
    const std::vector<uint8_t> group = {0xB0, 0x2B, 0x02, 0xC0};
    EcuModel q7100(EcuVariant::Q7100), plus(EcuVariant::Q5100Plus), q5100(EcuVariant::Q5100);
    Send(q7100, {0x00, 0x04, 0x2B}, 0);
    EXPECT_EQ(Arrived(q7100, 100), group);
    Send(plus, {0x00, 0x04, 0x2B}, 0);  // the Q7100 read command means nothing here
    EXPECT_TRUE(Arrived(plus, 100).empty());
    Send(plus, {0x00, 0x06, 0x2B}, 200);
    EXPECT_EQ(Arrived(plus, 300), group);
    Send(q5100, {0x09, 0x2B}, 0);
    EXPECT_EQ(Arrived(q5100, 100), group);
    Send(q5100, {0x09, 0x7F}, 200);  // a register the Q5100 lacks
    EXPECT_TRUE(Arrived(q5100, 300).empty());
    const RegisterImage before = q5100.Registers();
    Send(q5100, {0x7F, 0x01}, 400);
    Send(q5100, {0x05, 0x18}, 500);
    EXPECT_EQ(q5100.Registers(), before);
}

TEST(EcuModelTest, WriteIsAcknowledgedButHeldUntilTheConfirmFrame) {
    EcuModel ecu(EcuVariant::Q7100);
    Send(ecu, {0x00, 0x21, 0x0A}, 0);
    EXPECT_EQ(Arrived(ecu, 100), std::vector<uint8_t>{EcuModel::kAcknowledge});
    EXPECT_EQ(ecu.PendingWrites(), (RegisterImage{{0x21, 0x0A}}));
    Send(ecu, {0x00, 0x04, 0x21}, 100);
    EXPECT_EQ(AnswerGroups(Arrived(ecu, 200)), (RegisterImage{{0x21, 0x14}}));
    for (int i = 0; i < 3; ++i) Send(ecu, {0x00, 0x05, 0x18}, 200 + 100 * i);
    EXPECT_EQ(ecu.Registers().at(0x21), 0x0A);
    EXPECT_TRUE(ecu.PendingWrites().empty());
    EXPECT_TRUE(Arrived(ecu, 1000).empty());  // confirms are not answered
}

TEST(EcuModelTest, Q5100FramesSplitOverWritesAreJoinedUnlessAGapCutsThem) {
    EcuModel ecu(EcuVariant::Q5100);
    Send(ecu, {0x21}, 0);
    Send(ecu, {0x0A, 0x05}, 1);
    Send(ecu, {0x18, 0x09}, 2);
    Send(ecu, {0x21}, 3);
    EXPECT_EQ(ecu.Registers().at(0x21), 0x0A);
    EXPECT_EQ(AnswerGroups(Arrived(ecu, 500)), (RegisterImage{{0x21, 0x0A}}));
    ASSERT_EQ(ecu.ReceivedFrames().size(), 3u);
    EXPECT_EQ(ecu.ReceivedFrames()[0].frame.kind, FrameKind::RegisterWrite);
    EXPECT_EQ(ecu.ReceivedFrames()[1].frame.kind, FrameKind::Confirm);
    EXPECT_EQ(ecu.ReceivedFrames()[2].frame.kind, FrameKind::ReadOne);

    Send(ecu, {0x21}, 1000);  // a stale half frame is dropped
    Send(ecu, {0x09, 0x2B}, 1001 + FrameDecoder::kFrameGapMs);
    EXPECT_EQ(AnswerGroups(Arrived(ecu, 2000)), (RegisterImage{{0x2B, 0x02}}));
}

}  // namespace
