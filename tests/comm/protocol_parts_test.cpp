// The parts the exchanges are made of: frames per model, the answer grammar
// and the queueing of changed field values.

#include <gtest/gtest.h>

#include "app/parameter_table.h"
#include "comm/answer_parser.h"
#include "comm/crx4comm.h"
#include "comm/ecu_frames.h"
#include "comm/ecu_protocol.h"
#include "comm/pending_writes.h"
#include "data/crx4data.h"
#include "protocol_store_text.h"

TEST(EcuFrames, EveryCommandOfEveryModel) {
    // read all, read 2B, write 21=0A, confirm, start, stop, calibrate
    const char* const expected[] = {"0|4|0|0|4|2B|0|21|A|0|5|18|0|8|0|0|7|0|0|61|0|",
                                    "9|0|9|2B|21|A|5|18|8|0|7|0|61|0|",
                                    "0|6|0|0|6|2B|0|21|A|0|5|18|0|8|0|0|7|0|0|61|0|"};
    for (int m = 0; m < 3; ++m) {
        std::string text;
        for (const EcuFrame& frame : {ReadCommandForKey(m, "FULL"), ReadCommandForKey(m, "2B"), RegisterWriteFrame(m, 0x21, 0x0A),
                                      ConfirmFrame(m), MonitorStartCommand(m), MonitorStopCommand(m), CalibrateCommand(m)})
            text += AnswerText(frame.Bytes, frame.Size);
        EXPECT_EQ(text, expected[m]) << m;
    }
}

TEST(ParseAnswer, StoresCompleteGroupsInAnyCaseAndSkipsEverythingElse) {
    CRX4DATA store;
    store.Add("12", "1");
    // Garbage before the first B0 and between groups, a group closed by A0, lower
    // case, a cut group.
    ParseAnswer("7|20|B0|10|5|A0|B0|12|FF|C0|7|20|55|C0|FF|b0|2b|4|c0|B0|30|", store);
    ParseAnswer("", store);
    EXPECT_EQ(store.GetQtyUsed(), 2u);
    EXPECT_EQ(StoredText(store, "10") + StoredText(store, "12") + StoredText(store, "2b"), "<none>FF4");
}

// B0, register, value, check, C0: the check is the plain sum, never reduced
// modulo 256 (a reduced sum lets garbage through); the rule may ignore it;
// register 72 ends the calibration with its value.
TEST(ParseMonitorAnswer, KeepsGroupsWhosePlainSumChecksAndSeesTheCalibrationEnd) {
    CRX4DATA store;
    // 90 + 80 = 110 kept; 91 + 80 = 111, given as its low byte 11: dropped.
    const MonitorAnswer live =
        ParseMonitorAnswer("B0|90|80|110|C0|B0|91|80|11|C0|B0|23|80|A3|C0|", store, CheckRule::Tested);
    EXPECT_EQ(StoredText(store, "90") + StoredText(store, "91") + StoredText(store, "23"), "80<none>80");
    EXPECT_FALSE(live.CalibrationEnded);
    ParseMonitorAnswer("B0|91|80|11|C0|", store, CheckRule::Ignored);
    EXPECT_EQ(StoredText(store, "91"), "80");
    const MonitorAnswer done = ParseMonitorAnswer("B0|72|1|73|C0|", store, CheckRule::Tested);
    EXPECT_TRUE(done.CalibrationEnded && done.CalibrationValue == "1");
}

TEST(QueueRegisterWrite, ModesListsStepsRoundingAndUnchangedValues) {
    FillParameterTable(0);
    const struct {
        ParameterPosition position;
        const char *typed, *queued;  // queued nullptr: nothing queued
        int mode;
    } cases[] = {
        {kPos13, "1", "2", 1},      // mode 1: index + first code ("01", "02")
        {kPos2C, "3", "6", 2},      // list: the code at the index (2, 4, 5, 6, 8)
        {kPos2C, "5", nullptr, 2},  // one past the last option
        {kPos2C, "1", nullptr, 2},  // "4" already
        {kPos1E, "1.15", "73", 2},  // 115 counts of 0.01 s, not 114
        {kPos70, "1.52", "4C", 2},  // 76 counts of 0.02 s
        {kPos21, "99.6", "64", 2},  // step 1 rounds up
        {kPos26, "12", "C", 2},     // no step: the number itself
        {kPos20, "0", "0", 1},      // zero is a value like any other
        {kPos3D, "10", nullptr, 2},  // not in the store
    };
    CRX4DATA store;
    for (const auto& [reg, value] : {std::pair{"13", "1"}, {"1E", "1"}, {"20", "1"}, {"21", "1"}, {"26", "1"}, {"2C", "4"}, {"70", "4B"}})
        store.Add(reg, value);
    for (const auto& c : cases) {
        PendingWrites pending;
        QueueRegisterWrite(g_ParameterTable[c.position], c.typed, c.mode, store, pending);
        const std::string address = g_ParameterTable[c.position].Address;
        EXPECT_EQ(pending.Count ? pending.Entries[0].Register + std::string("=") + pending.Entries[0].Value : "",
                  c.queued ? address + "=" + c.queued : "") << address << " " << c.typed;
        EXPECT_LE(pending.Count, 1u);
    }
}
