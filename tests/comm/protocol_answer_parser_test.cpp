// The two answer grammars: four-token read groups and the live stream's
// five-token groups with their check.

#include <gtest/gtest.h>

#include "comm/answer_parser.h"
#include "data/crx4data.h"
#include "protocol_store_text.h"

TEST(ParseAnswer, StoresEveryCompleteGroupAndReplacesKnownRegisters) {
    CRX4DATA store;
    store.Add("12", "1");
    ParseAnswer("B0|10|5|C0|B0|12|FF|C0|", store);
    EXPECT_EQ(store.GetQtyUsed(), 2u);
    EXPECT_EQ(StoredText(store, "10"), "5");
    EXPECT_EQ(StoredText(store, "12"), "FF");
}

TEST(ParseAnswer, GroupNotClosedByC0AddsNothingAndParsingResumesAtNextB0) {
    CRX4DATA store;
    ParseAnswer("B0|10|5|A0|B0|20|1|C0|", store);
    EXPECT_EQ(StoredText(store, "10"), "<none>");
    EXPECT_EQ(StoredText(store, "20"), "1");
}

TEST(ParseAnswer, SkipsTokensBeforeFirstB0AndAcceptsAnyCase) {
    CRX4DATA store;
    ParseAnswer("7|20|B0|20|1|C0|b0|2b|4|c0|", store);
    EXPECT_EQ(store.GetQtyUsed(), 2u);
    EXPECT_EQ(StoredText(store, "20"), "1");
    EXPECT_EQ(StoredText(store, "2b"), "4");
}

TEST(ParseAnswer, EmptyOrTruncatedTextAddsNothing) {
    CRX4DATA store;
    ParseAnswer("", store);
    ParseAnswer("B0|10|5|", store);
    EXPECT_EQ(store.GetQtyUsed(), 0u);
}

TEST(ParseMonitorAnswer, StoresGroupOnlyWhenCheckIsRegisterPlusValue) {
    CRX4DATA store;
    ParseMonitorAnswer("B0|23|80|A3|C0|", store, CheckRule::Tested);
    EXPECT_EQ(StoredText(store, "23"), "80");

    CRX4DATA rejected;
    ParseMonitorAnswer("B0|23|80|A4|C0|", rejected, CheckRule::Tested);
    EXPECT_EQ(rejected.GetQtyUsed(), 0u);
}

TEST(ParseMonitorAnswer, SumAboveFFIsNotReducedModulo256) {
    CRX4DATA store;
    ParseMonitorAnswer("B0|90|80|10|C0|B0|90|80|110|C0|", store, CheckRule::Tested);
    EXPECT_EQ(StoredText(store, "90"), "80");
    EXPECT_EQ(store.GetQtyUsed(), 1u);

    CRX4DATA wrapped;
    ParseMonitorAnswer("B0|90|80|10|C0|", wrapped, CheckRule::Tested);
    EXPECT_EQ(wrapped.GetQtyUsed(), 0u);
}

TEST(ParseMonitorAnswer, IgnoredCheckStoresEveryCompleteGroup) {
    CRX4DATA store;
    ParseMonitorAnswer("B0|28|10|0|C0|B0|29|3|0|A0|", store, CheckRule::Ignored);
    EXPECT_EQ(StoredText(store, "28"), "10");
    EXPECT_EQ(StoredText(store, "29"), "<none>");
}

TEST(ParseMonitorAnswer, ReportsCalibrationEndEvenWithWrongCheck) {
    CRX4DATA store;
    const MonitorAnswer failed = ParseMonitorAnswer("B0|72|2|0|C0|", store, CheckRule::Tested);
    EXPECT_TRUE(failed.CalibrationEnded);
    EXPECT_EQ(failed.CalibrationValue, "2");
    EXPECT_EQ(store.GetQtyUsed(), 0u);

    const MonitorAnswer done =
        ParseMonitorAnswer("B0|11|5|16|C0|B0|72|1|73|C0|", store, CheckRule::Tested);
    EXPECT_TRUE(done.CalibrationEnded);
    EXPECT_EQ(done.CalibrationValue, "1");
    EXPECT_EQ(StoredText(store, "72"), "1");

    const MonitorAnswer open = ParseMonitorAnswer("B0|72|1|73|A0|", store, CheckRule::Tested);
    EXPECT_FALSE(open.CalibrationEnded);
}
