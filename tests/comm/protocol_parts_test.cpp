// The parts the exchanges are made of: frames per model, the two answer
// grammars with the live check, register value texts and the queueing of
// changed field values.

#include <gtest/gtest.h>

#include <cstring>

#include "app/parameter_table.h"
#include "comm/answer_parser.h"
#include "comm/crx4comm.h"
#include "comm/ecu_frames.h"
#include "comm/ecu_protocol.h"
#include "comm/hex_text.h"
#include "comm/pending_writes.h"
#include "data/crx4data.h"
#include "protocol_store_text.h"


TEST(EcuFrames, EveryCommandOfEveryModel) {
    auto hex = [](const EcuFrame& frame) { return AnswerText(frame.Bytes, frame.Size); };
    // read all, read 2B, write 21=0A, confirm, start, stop, calibrate
    const std::vector<std::vector<std::string>> expected = {
        {"0|4|0|", "0|4|2B|", "0|21|A|", "0|5|18|", "0|8|0|", "0|7|0|", "0|61|0|"},
        {"9|0|", "9|2B|", "21|A|", "5|18|", "8|0|", "7|0|", "61|0|"},
        {"0|6|0|", "0|6|2B|", "0|21|A|", "0|5|18|", "0|8|0|", "0|7|0|", "0|61|0|"}};
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ((std::vector<std::string>{hex(ReadCommandForKey(m, "FULL")),
                                            hex(ReadCommandForKey(m, "2B")),
                                            hex(RegisterWriteFrame(m, 0x21, 0x0A)),
                                            hex(ConfirmFrame(m)), hex(MonitorStartCommand(m)),
                                            hex(MonitorStopCommand(m)), hex(CalibrateCommand(m))}),
                  expected[m])
            << m;
    }
}

TEST(ParseAnswer, StoresCompleteGroupsInAnyCaseAndSkipsEverythingElse) {
    CRX4DATA store;
    store.Add("12", "1");
    // Garbage before the first B0, a group closed by A0, lower case, a cut group.
    ParseAnswer("7|20|B0|10|5|A0|B0|12|FF|C0|b0|2b|4|c0|B0|30|", store);
    EXPECT_EQ(store.GetQtyUsed(), 2u);
    EXPECT_EQ(StoredText(store, "10"), "<none>");
    EXPECT_EQ(StoredText(store, "12"), "FF");
    EXPECT_EQ(StoredText(store, "2b"), "4");
    ParseAnswer("", store);
    EXPECT_EQ(store.GetQtyUsed(), 2u);
}

TEST(ParseMonitorAnswer, StoresAGroupOnlyWhenItsCheckIsThePlainSum) {
    CRX4DATA store;
    // 23+80 = A3; A4 is wrong; 90+80 = 110 is not reduced to 10; A0 is no C0.
    ParseMonitorAnswer("B0|23|80|A3|C0|B0|24|80|A5|C0|B0|90|80|10|C0|b0|91|80|111|c0|B0|28|1|29|A0|",
                       store, CheckRule::Tested);
    EXPECT_EQ(StoredText(store, "23"), "80");
    EXPECT_EQ(StoredText(store, "91"), "80");
    EXPECT_EQ(store.GetQtyUsed(), 2u);

    CRX4DATA unchecked;
    ParseMonitorAnswer("B0|28|10|0|C0|B0|29|3|0|A0|", unchecked, CheckRule::Ignored);
    EXPECT_EQ(StoredText(unchecked, "28"), "10");
    EXPECT_EQ(unchecked.GetQtyUsed(), 1u);
}

TEST(ParseMonitorAnswer, Register72EndsTheCalibrationEvenWithAWrongCheck) {
    CRX4DATA store;
    const MonitorAnswer failed = ParseMonitorAnswer("B0|73|2|75|C0|B0|72|2|0|C0|", store,
                                                    CheckRule::Tested);
    EXPECT_TRUE(failed.CalibrationEnded);
    EXPECT_EQ(failed.CalibrationValue, "2");
    EXPECT_EQ(StoredText(store, "72"), "<none>");

    const MonitorAnswer done = ParseMonitorAnswer("B0|72|1|73|C0|", store, CheckRule::Tested);
    EXPECT_TRUE(done.CalibrationEnded && done.CalibrationValue == "1");
    EXPECT_EQ(StoredText(store, "72"), "1");
    EXPECT_FALSE(ParseMonitorAnswer("B0|73|1|74|C0|B0|72|1|73|A0|", store, CheckRule::Tested)
                     .CalibrationEnded);
}

TEST(HexText, ConvertsBothWaysWithoutLeadingZeros) {
    EXPECT_EQ(IntToHexText(0), "0");
    EXPECT_EQ(IntToHexText(0x4E20), "4E20");
    EXPECT_EQ(HexTextToInt("ff"), 0xFFu);
    EXPECT_EQ(HexTextToInt(""), 0u);
    EXPECT_EQ(HexTextToInt("15_16"), 0x15u);
}

TEST(PendingWrites, AFullQueueRefusesMoreAndClearEmptiesIt) {
    PendingWrites pending;
    for (uint32_t i = 0; i < PendingWrites::kCapacity; ++i) ASSERT_TRUE(pending.Append("21", "A"));
    EXPECT_FALSE(pending.Append("20", "1"));
    pending.Clear();
    EXPECT_EQ(pending.Count, 0u);
    EXPECT_EQ(std::strspn(pending.Entries[99].Value, "0"), 255u);
}

struct QueueCase {
    ParameterPosition position;
    const char* typed;
    int mode;
    const char* queued;  // nullptr: nothing queued
};

TEST(QueueRegisterWrite, ModesListsStepsRoundingAndUnchangedValues) {
    FillParameterTable(0);
    const QueueCase cases[] = {
        {kPos13, "1", 1, "2"},      // mode 1: index + first code ("01", "02")
        {kPos2C, "3", 2, "6"},      // list: the code at the index (2, 4, 5, 6, 8)
        {kPos2C, "5", 2, nullptr},  // one past the last option
        {kPos2C, "-1", 2, nullptr},
        {kPos2C, "1", 2, nullptr},  // "4" already
        {kPos1E, "1.15", 2, "73"},  // 115 counts of 0.01 s, not 114
        {kPos70, "1.52", 2, "4C"},  // 76 counts of 0.02 s
        {kPos70, "1.50", 2, nullptr},  // "4B" already
        {kPos21, "99.6", 2, "64"},  // step 1 rounds up
        {kPos26, "12", 2, "C"},     // no step: the number itself
        {kPos20, "0", 1, "0"},      // zero is a value like any other
        {kPos3D, "10", 2, nullptr},  // not in the store
    };
    for (const QueueCase& c : cases) {
        CRX4DATA store;
        for (const char* reg : {"13", "1E", "20", "21", "26"}) store.Add(reg, "1");
        store.Add("2C", "4");
        store.Add("70", "4B");
        PendingWrites pending;
        QueueRegisterWrite(g_ParameterTable[c.position], c.typed, c.mode, store, pending);
        const std::string label = g_ParameterTable[c.position].Address + std::string(" ") + c.typed;
        ASSERT_EQ(pending.Count, c.queued ? 1u : 0u) << label;
        if (c.queued) {
            EXPECT_STREQ(pending.Entries[0].Register, g_ParameterTable[c.position].Address);
            EXPECT_STREQ(pending.Entries[0].Value, c.queued) << label;
        }
    }
}
