// Register value texts and the queueing of changed field values.

#include <gtest/gtest.h>

#include <cstring>

#include "app/parameter_table.h"
#include "comm/ecu_protocol.h"
#include "comm/hex_text.h"
#include "comm/pending_writes.h"
#include "data/crx4data.h"

TEST(HexText, ConvertsBothWaysWithoutLeadingZeros) {
    EXPECT_EQ(IntToHexText(0), "0");
    EXPECT_EQ(IntToHexText(0x0A), "A");
    EXPECT_EQ(IntToHexText(0x4E20), "4E20");
    EXPECT_EQ(HexTextToInt("2C"), 0x2Cu);
    EXPECT_EQ(HexTextToInt("ff"), 0xFFu);
    EXPECT_EQ(HexTextToInt(""), 0u);
    EXPECT_EQ(HexTextToInt("15_16"), 0x15u);
}

TEST(PendingWrites, ClearFillsEntriesWithZerosAndFullQueueRefusesMore) {
    PendingWrites pending;
    for (uint32_t i = 0; i < PendingWrites::kCapacity; ++i) ASSERT_TRUE(pending.Append("21", "A"));
    EXPECT_FALSE(pending.Append("20", "1"));
    EXPECT_EQ(pending.Count, PendingWrites::kCapacity);

    pending.Clear();
    EXPECT_EQ(pending.Count, 0u);
    EXPECT_EQ(std::strspn(pending.Entries[0].Register, "0"), 255u);
    EXPECT_EQ(std::strspn(pending.Entries[99].Value, "0"), 255u);
}

class QueueRegisterWriteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FillParameterTable(0);
        store_.Add("20", "0");
        store_.Add("2C", "4");
        store_.Add("13", "1");
        store_.Add("70", "4B");
        store_.Add("21", "5");
    }

    const ParameterRecord& Record(ParameterPosition position) { return g_ParameterTable[position]; }

    CRX4DATA store_;
    PendingWrites pending_;
};

TEST_F(QueueRegisterWriteTest, ModeOneAddsFirstOptionCodeToIndex) {
    QueueRegisterWrite(Record(kPos13), "1", 1, store_, pending_);  // codes "01", "02"
    ASSERT_EQ(pending_.Count, 1u);
    EXPECT_STREQ(pending_.Entries[0].Register, "13");
    EXPECT_STREQ(pending_.Entries[0].Value, "2");
}

TEST_F(QueueRegisterWriteTest, ListFieldTakesOptionCodeAtIndex) {
    QueueRegisterWrite(Record(kPos2C), "3", 2, store_, pending_);  // codes 2, 4, 5, 6, 8
    ASSERT_EQ(pending_.Count, 1u);
    EXPECT_STREQ(pending_.Entries[0].Value, "6");

    QueueRegisterWrite(Record(kPos2C), "7", 2, store_, pending_);  // no such option
    EXPECT_EQ(pending_.Count, 1u);
}

TEST_F(QueueRegisterWriteTest, NumericFieldIsDividedByStepAndRounded) {
    QueueRegisterWrite(Record(kPos70), "1.52", 2, store_, pending_);  // 76.0 counts of 0.02 s
    QueueRegisterWrite(Record(kPos21), "99.6", 2, store_, pending_);  // step 1: rounds up
    ASSERT_EQ(pending_.Count, 2u);
    EXPECT_STREQ(pending_.Entries[0].Value, "4C");
    EXPECT_STREQ(pending_.Entries[1].Value, "64");
}

TEST_F(QueueRegisterWriteTest, NumericFieldWithoutStepTakesTheNumber) {
    store_.Add("26", "3");
    QueueRegisterWrite(Record(kPos26), "12", 2, store_, pending_);
    ASSERT_EQ(pending_.Count, 1u);
    EXPECT_STREQ(pending_.Entries[0].Register, "26");
    EXPECT_STREQ(pending_.Entries[0].Value, "C");
}

TEST_F(QueueRegisterWriteTest, UnchangedValueOrAbsentRegisterQueuesNothing) {
    QueueRegisterWrite(Record(kPos70), "1.50", 2, store_, pending_);  // "4B" already
    QueueRegisterWrite(Record(kPos2C), "1", 2, store_, pending_);     // "4" already
    QueueRegisterWrite(Record(kPos3D), "10", 2, store_, pending_);    // not in the store
    EXPECT_EQ(pending_.Count, 0u);
}

TEST_F(QueueRegisterWriteTest, ZeroIsQueuedAsZeroText) {
    store_.Add("20", "1");
    QueueRegisterWrite(Record(kPos20), "0", 1, store_, pending_);
    ASSERT_EQ(pending_.Count, 1u);
    EXPECT_STREQ(pending_.Entries[0].Value, "0");
}
