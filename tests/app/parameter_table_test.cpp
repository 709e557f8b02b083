// The parameter table: every record of every model, and the drop-down lists
// the pages build from a record.
#include "app/parameter_table.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/brazilian_locale.h"

namespace {

// In table order: address; option count (-1: a range); Values[0..n) joined
// by '|' (the range, or the option codes); the step as the ECU keeps it, a
// float; the drop-down list's size, first and last entries (entry i stands
// for raw value min + i, times the step); the default text.
const struct Row {
    const char* address; double optionCount; const char* values; double step;
    std::size_t listSize; const char *firstEntry, *lastEntry, *defaultText;
} kRows[kParameterCount] = {
    {"7F", 2, "0|1", 0, 2, "Desativado", "Ativado", "Desativado"},
    {"7C", -1, "4001|7500", 50, 3500, "200050", "375000", "4001"},
    {"7B", -1, "2001|4000", 50, 2000, "100050", "200000", "2001"},
    {"7A", -1, "1001|2000", 50, 1000, "50050", "100000", "1001"},
    {"79", -1, "0|255", 0.1f, 256, "0.0", "25.5", "1.0"},
    {"82", 2, "0|1", 0, 2, "Reset de Memória", "Emulador", "Emulador"},
    {"81", -1, "1|25", 0.1f, 25, "0", "3", "1.0"},
    {"80", -1, "1|100", 1, 100, "1", "100", "1.00"},
    {"77", -1, "0|250", 0.01f, 251, "0.00", "2.50", "0"},
    {"76", -1, "0|0", 0, 1, "0", "0", "0"},
    {"75", -1, "0|5000", 50, 5001, "0", "250000", "0"},
    {"74", 2, "0|1", 0, 2, "Descendente", "Ascendente", "Ascendente"},
    {"70", -1, "0|250", 0.02f, 251, "0.00", "5.00", "0.00"},
    {"60", 4, "0|1|2|3", 0, 4, "Padrão", "Real", "Padrão"},
    {"46", -1, "1|40", 1, 40, "1", "40", "1"},
    {"45", -1, "1|40", 1, 40, "1", "40", "1"},
    {"42", -1, "1|40", 1, 40, "1", "40", "1"},
    {"41", -1, "1|40", 1, 40, "1", "40", "1"},
    {"3E", -1, "1|240", 1, 240, "1", "240", "1"},
    {"3D", -1, "1|240", 1, 240, "1", "240", "1"},
    {"2C", 5, "2|4|5|6|8", 0, 5, "2", "8", "2"},
    {"2B", 9, "0|1|2|3|4|5|6|7|8", 0, 9, "Tacômetro", "8", "2"},
    {"27", -1, "0|5000", 1, 5001, "0 rpm", "5000 rpm", "0"},
    {"26", -1, "0|0", 0, 1, "0", "0", "0"},
    {"21", -1, "1|100", 1, 100, "1", "100", "1"},
    {"20", 2, "0|1", 0, 2, "Desativado", "Ativado", "Desativado"},
    {"1F", -1, "0|255", 0.01f, 256, "0", "3", "0.00"},
    {"1E", -1, "0|255", 0.01f, 256, "0", "3", "0.00"},
    {"16", -1, "0|0", 0, 1, "0", "0", "0"},
    {"15", -1, "0|600", 1, 601, "0", "600", "0"},
    {"13", 2, "01|02", 0, 2, "0-1", "0-5", "0-1"},
    {"12", -1, "0|7", 0.02f, 8, "0.00", "0.14", "00.00"},
    {"10", 2, "01|02", 0, 2, "0-5", "5-0", "0-5"},
};

class ParameterTableRows : public testing::TestWithParam<int> {};  // 0 Q7100, 1 Q5100, 2 "Q5100 plus"

TEST_P(ParameterTableRows, EveryRecordHoldsItsRowAndListsItsEntries) {
    // The lists read the same on a Brazilian desktop, whose printf writes "0,14".
    BrazilianLocale brazil;
    ASSERT_TRUE(brazil.Active());
    ClearParameterTable();
    FillParameterTable(GetParam());
    for (int pos = 0; pos < kParameterCount; ++pos) {
        const Row& row = kRows[pos];
        const ParameterRecord& record = g_ParameterTable[pos];
        SCOPED_TRACE(row.address);
        // The Q5100 has none of the first five registers.
        EXPECT_STREQ(record.Address, GetParam() == 1 && pos < 5 ? "" : row.address);
        std::string values = record.Values[0];
        for (int i = 1; i < (row.optionCount < 0 ? 2 : row.optionCount); ++i) values += std::string("|") + record.Values[i];
        EXPECT_EQ(std::make_tuple(double{record.OptionCount}, values, double{record.Step}, std::string(record.DefaultText)),
                  std::make_tuple(row.optionCount, row.values, row.step, row.defaultText));
        const std::vector<std::string> list = BuildRecordList(record);
        ASSERT_EQ(list.size(), row.listSize);
        EXPECT_EQ(list.front() + "|" + list.back(), row.firstEntry + std::string("|") + row.lastEntry);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryModel, ParameterTableRows, testing::Values(0, 1, 2));

TEST(ParameterTable, Q5100AfterAnotherModelKeepsTheEarlierAddresses) {
    FillParameterTable(2);
    FillParameterTable(1);
    EXPECT_STREQ(g_ParameterTable[kPos79].Address, "79");
}

}  // namespace
