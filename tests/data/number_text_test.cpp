// Numbers as text: read and written with a point whatever the desktop's
// locale, read as far as the number goes, never wrapping on long digit runs.
#include "data/number_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/brazilian_locale.h"

namespace {

TEST(NumberTextTest, ABrazilianDesktopChangesNothing) {
    BrazilianLocale brazil;
    ASSERT_TRUE(brazil.Active());
    EXPECT_EQ(NumberText::Format("%1.2f", 2.5), "2.50");
    EXPECT_EQ(NumberText::Format("%2.1f", 12.5), "12.5");
    EXPECT_EQ(NumberText::Format("%0.02f", 0.14), "0.14");
    EXPECT_EQ(NumberText::Format("%g", 0.36), "0.36");
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("0.36"), 0.36);
    // A comma is not our decimal point: the number ends before it.
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("2,5"), 2.0);
}

TEST(NumberTextTest, ReadsTheLeadingNumberAsStrtodDoes) {
    std::size_t used = 99;
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("  +1.5e1 s", &used), 15.0);
    EXPECT_EQ(used, 8u);
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("-0.25"), -0.25);
    EXPECT_DOUBLE_EQ(NumberText::ToDouble(".5"), 0.5);
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("3."), 3.0);
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("1e"), 1.0);
    for (const char* none : {"", " ", ".", "-", "abc", "inf", "nan", ",5"}) {
        EXPECT_DOUBLE_EQ(NumberText::ToDouble(none, &used), 0.0) << none;
        EXPECT_EQ(used, 0u) << none;
    }
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("1e-400"), 0.0);
    EXPECT_GT(NumberText::ToDouble("1e400"), 1e300);
}

TEST(NumberTextTest, WholeNumbersSaturateInsteadOfWrapping) {
    EXPECT_EQ(NumberText::ToInteger(" -42x"), -42);
    EXPECT_EQ(NumberText::ToInteger("0000000050001"), 50001);
    EXPECT_EQ(NumberText::ToInteger("99999999999999999999999"),
              std::numeric_limits<long long>::max());
    EXPECT_EQ(NumberText::ToInt("22552555255"), std::numeric_limits<int>::max());
    EXPECT_EQ(NumberText::ToInt("-22552555255"), std::numeric_limits<int>::min());
    EXPECT_EQ(NumberText::ToInt("2.9"), 2);
    EXPECT_EQ(NumberText::ToLong(""), 0);
}

}  // namespace
