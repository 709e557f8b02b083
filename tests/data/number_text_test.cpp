// Numbers as text: read and written with a point whatever the desktop's
// locale, read as far as the number goes.
#include "data/number_text.h"

#include <gtest/gtest.h>

#include "tests/brazilian_locale.h"

TEST(NumberText, ReadsAndWritesAPointEvenOnABrazilianDesktop) {
    BrazilianLocale brazil;
    ASSERT_TRUE(brazil.Active());
    EXPECT_EQ(NumberText::Format("%1.2f", 2.5) + NumberText::Format("%0.02f", 0.14) + NumberText::Format("%g", 0.36),
              "2.500.140.36");
    std::size_t used = 99;
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("  +1.5e1 s", &used), 15.0);
    EXPECT_EQ(used, 8u);
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("2,5", &used), 2.0) << "a comma ends the number";
    EXPECT_EQ(used, 1u);
    for (const auto& [text, value] : {std::pair{"-0.25", -0.25}, {".5", 0.5}, {"3.", 3.0}, {"1e", 1.0}, {"1e-400", 0.0}})
        EXPECT_DOUBLE_EQ(NumberText::ToDouble(text), value) << text;
    for (const char* none : {"", " ", ".", "-", "abc", "inf", "nan", ",5"})
        EXPECT_TRUE(NumberText::ToDouble(none, &used) == 0.0 && used == 0u) << none;
    EXPECT_GT(NumberText::ToDouble("1e400"), 1e300);
}
