// The parameter table: per-model addresses, record contents, and the lists
// that the pages build from a record.
#include "app/parameter_table.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/brazilian_locale.h"

namespace {

class ParameterTableTest : public ::testing::Test {
protected:
    void SetUp() override { ClearParameterTable(); }
};

TEST_F(ParameterTableTest, AddressesDescendExceptTheThreeAfter79) {
    FillParameterTable(0);
    const char* expected[kParameterCount] = {"7F", "7C", "7B", "7A", "79", "82", "81", "80", "77",
                                             "76", "75", "74", "70", "60", "46", "45", "42", "41",
                                             "3E", "3D", "2C", "2B", "27", "26", "21", "20", "1F",
                                             "1E", "16", "15", "13", "12", "10"};
    for (int i = 0; i < kParameterCount; ++i) EXPECT_STREQ(expected[i], g_ParameterTable[i].Address) << i;
}

TEST_F(ParameterTableTest, Q5100LeavesTheFirstFiveAddressesEmptyButFillsTheRest) {
    FillParameterTable(1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_STREQ("", g_ParameterTable[i].Address) << i;
        EXPECT_STRNE("", g_ParameterTable[i].DefaultText) << i;
    }
    EXPECT_EQ(-1, g_ParameterTable[kPos79].OptionCount);
    EXPECT_STREQ("255", g_ParameterTable[kPos79].Values[1]);
    EXPECT_STREQ("82", g_ParameterTable[kPos82].Address);
}

TEST_F(ParameterTableTest, Q5100AfterAnotherModelKeepsTheEarlierAddresses) {
    FillParameterTable(2);
    FillParameterTable(1);
    EXPECT_STREQ("7F", g_ParameterTable[kPos7F].Address);
    EXPECT_STREQ("79", g_ParameterTable[kPos79].Address);
}

TEST_F(ParameterTableTest, FractionalStepsAreTheSinglePrecisionValuesWidened) {
    FillParameterTable(0);
    EXPECT_EQ(0.10000000149011612, g_ParameterTable[kPos79].Step);
    EXPECT_EQ(0.019999999552965164, g_ParameterTable[kPos12].Step);
    EXPECT_EQ(0.009999999776482582, g_ParameterTable[kPos1E].Step);
    EXPECT_EQ(50.0, g_ParameterTable[kPos75].Step);
    EXPECT_EQ(0.0, g_ParameterTable[kPos2B].Step);
    EXPECT_EQ(0.0, g_ParameterTable[kPos76].Step);
}

TEST_F(ParameterTableTest, OptionRecordsCarryTheirCodesAndTexts) {
    FillParameterTable(0);
    const ParameterRecord& coils = g_ParameterTable[kPos2B];
    EXPECT_EQ(9, coils.OptionCount);
    EXPECT_STREQ("Tacômetro", coils.Labels[0]);
    EXPECT_STREQ("8", coils.Values[8]);
    EXPECT_STREQ("", coils.Values[9]);
    EXPECT_STREQ("01", g_ParameterTable[kPos13].Values[0]);
    EXPECT_STREQ("Padrão", g_ParameterTable[kPos60].DefaultText);
}

TEST_F(ParameterTableTest, ListsOfRangeRecordsFormatEachRawValue) {
    // The lists read the same on a Brazilian desktop, whose printf writes "0,14".
    BrazilianLocale brazil;
    ASSERT_TRUE(brazil.Active());
    FillParameterTable(0);
    EXPECT_EQ((std::vector<std::string>{"0.00", "0.02", "0.04", "0.06", "0.08", "0.10", "0.12", "0.14"}),
              BuildRecordList(g_ParameterTable[kPos12]));
    EXPECT_EQ(std::vector<std::string>{"0"}, BuildRecordList(g_ParameterTable[kPos76]));
    EXPECT_EQ(std::vector<std::string>{"0"}, BuildRecordList(g_ParameterTable[kPos26]));
    EXPECT_EQ(std::vector<std::string>{"0"}, BuildRecordList(g_ParameterTable[kPos16]));
    const auto cutOff = BuildRecordList(g_ParameterTable[kPos27]);
    ASSERT_EQ(5001u, cutOff.size());
    EXPECT_EQ("5000 rpm", cutOff.back());
}

TEST_F(ParameterTableTest, ListsOfOptionRecordsAreTheLabels) {
    FillParameterTable(1);
    EXPECT_EQ((std::vector<std::string>{"2", "4", "5", "6", "8"}), BuildRecordList(g_ParameterTable[kPos2C]));
    EXPECT_EQ((std::vector<std::string>{"Desativado", "Ativado"}), BuildRecordList(g_ParameterTable[kPos20]));
}

TEST_F(ParameterTableTest, ANegativeRangeGivesAnEmptyList) {
    ParameterRecord record{};
    record.OptionCount = -1;
    std::strcpy(record.Values[0], "10");
    std::strcpy(record.Values[1], "9");
    std::strcpy(record.Labels[0], "%0.0f");
    record.Step = 1;
    EXPECT_TRUE(BuildRecordList(record).empty());
}

}  // namespace
