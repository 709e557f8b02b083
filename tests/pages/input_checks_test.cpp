// The checks on typed values and the duration texts, over the records of
// the parameter table.
#include "pages/input_checks.h"

#include <gtest/gtest.h>

#include "app/parameter_table.h"

namespace {

class InputChecks : public ::testing::Test {
  protected:
    void SetUp() override { FillParameterTable(0); }
    void TearDown() override { ClearParameterTable(); }
    const ParameterRecord& Record(int pos) const { return g_ParameterTable[pos]; }
};

constexpr const char* kLimitTitle = "Atenção - Valor limite assumido";

TEST_F(InputChecks, VehicleFormTakesTheExceededLimitWithItsMessage) {
    const CheckOutcome above = CheckLimitsOnChange("5001", Record(kPos75), LimitCheck::Vehicle);
    EXPECT_EQ("5000", above.text);
    ASSERT_TRUE(above.message);
    EXPECT_EQ("Valor acima do limite superior.", above.message->text);
    EXPECT_EQ(kLimitTitle, above.message->title);

    // An empty return time reads as 0, below its lower limit 1.
    const CheckOutcome cleared = CheckLimitsOnChange("", Record(kPos80), LimitCheck::Vehicle);
    EXPECT_EQ("1", cleared.text);
    ASSERT_TRUE(cleared.message);
    EXPECT_EQ("Valor abaixo do limite inferior.", cleared.message->text);
    EXPECT_EQ(kLimitTitle, cleared.message->title);

    // The switching speed may be 0: clearing it says nothing.
    const CheckOutcome speed = CheckLimitsOnChange("", Record(kPos75), LimitCheck::Vehicle);
    EXPECT_EQ("", speed.text);
    EXPECT_FALSE(speed.message);
    EXPECT_EQ("100", CheckLimitsOnChange("100", Record(kPos80), LimitCheck::Vehicle).text);
    // Only nine characters count: "0000000050001" is read as 5.
    const CheckOutcome longText =
        CheckLimitsOnChange("0000000050001", Record(kPos75), LimitCheck::Vehicle);
    EXPECT_EQ("0000000050001", longText.text);
    EXPECT_FALSE(longText.message);
}

TEST_F(InputChecks, AuxFormCountsAnEmptyFieldAsMinusOne) {
    const CheckOutcome empty = CheckLimitsOnChange("", Record(kPos27), LimitCheck::AuxUnscaled);
    EXPECT_EQ("0", empty.text);
    ASSERT_TRUE(empty.message);
    EXPECT_EQ("Valor abaixo do limite inferior.", empty.message->text);
    EXPECT_EQ("Atenção - Valor mínimo assumido", empty.message->title);

    const CheckOutcome above = CheckLimitsOnChange("601", Record(kPos15), LimitCheck::AuxUnscaled);
    EXPECT_EQ("600", above.text);
    ASSERT_TRUE(above.message);
    EXPECT_EQ("Atenção - Valor máximo assumido", above.message->title);
    EXPECT_FALSE(CheckLimitsOnChange("0", Record(kPos27), LimitCheck::AuxUnscaled).message);
}

TEST_F(InputChecks, ScaledAuxFieldsCompareAndShowDisplayUnits) {
    // "70": Step 0.02 over 0 to 250, shown with "%0.02f".
    EXPECT_FALSE(CheckLimitsOnChange("5.00", Record(kPos70), LimitCheck::AuxScaled).message);
    const CheckOutcome above = CheckLimitsOnChange("5.01", Record(kPos70), LimitCheck::AuxScaled);
    EXPECT_EQ("5.00", above.text);
    ASSERT_TRUE(above.message);
    EXPECT_EQ("Valor acima do limite superior.", above.message->text);
    const CheckOutcome empty = CheckLimitsOnChange("", Record(kPos70), LimitCheck::AuxScaled);
    EXPECT_EQ("0.00", empty.text);
    ASSERT_TRUE(empty.message);
    EXPECT_EQ("Valor abaixo do limite inferior.", empty.message->text);
    // "79": Step 0.1 up to 25.5, one decimal.
    EXPECT_EQ("25.5", CheckLimitsOnChange("26", Record(kPos79), LimitCheck::AuxScaled).text);
    EXPECT_EQ("2.50", CheckLimitsOnChange("2.6", Record(kPos77), LimitCheck::AuxScaled).text);
}

TEST_F(InputChecks, FocusLossClampsSilentlyIntoTheRange) {
    EXPECT_EQ("5000", ClampOnFocusLoss("9999", Record(kPos75)));
    EXPECT_EQ("1", ClampOnFocusLoss("0", Record(kPos80)));
    EXPECT_EQ("0", ClampOnFocusLoss("-3", Record(kPos75)));
    EXPECT_EQ("2500", ClampOnFocusLoss("2500", Record(kPos75)));
}

TEST_F(InputChecks, ListGuardGivesTheThreeLineMessageAndTheDefaultText) {
    const CheckOutcome guard = GuardListField(Record(kPos7F));
    EXPECT_EQ("Desativado", guard.text);
    ASSERT_TRUE(guard.message);
    EXPECT_EQ(
        "Por favor, não altere diretamente este valor.\n"
        "Use um dos valores predefinidos na lista apresentada.\n"
        "Foi assumido um dos valores validos.\n",
        guard.message->text);
    EXPECT_EQ("Atenção", guard.message->title);
    EXPECT_EQ("0-5", GuardListField(Record(kPos10)).text);
    EXPECT_EQ("00.00", GuardListField(Record(kPos12)).text);
}

TEST(Durations, SecondsBecomeMinutesPointSecondsUpTo255) {
    EXPECT_EQ("0.00", SecondsToText(0));
    EXPECT_EQ("0.05", SecondsToText(5));
    EXPECT_EQ("1.00", SecondsToText(60));
    EXPECT_EQ("1.15", SecondsToText(75));
    EXPECT_EQ("2.55", SecondsToText(175));
    EXPECT_EQ("2.55", SecondsToText(600));
    EXPECT_EQ("0.00", SecondsToText(-4));
}

TEST(Durations, TextIsReadAsWrittenAndCutAt175) {
    EXPECT_EQ(0, TextToSeconds("0"));
    EXPECT_EQ(0, TextToSeconds("0.005"));
    EXPECT_EQ(60, TextToSeconds("1"));
    EXPECT_EQ(65, TextToSeconds("1.5"));
    EXPECT_EQ(75, TextToSeconds("0.75"));
    EXPECT_EQ(175, TextToSeconds("2.55"));
    EXPECT_EQ(175, TextToSeconds("9.00"));
}

TEST(Durations, OutlandishTextStaysWithinTheRange) {
    // Found by fuzzing: a long number overflowed the minutes-to-seconds product.
    EXPECT_EQ(175, TextToSeconds("22552555255"));
    EXPECT_EQ(175, TextToSeconds("1.99999999999999999999"));
    EXPECT_EQ(0, TextToSeconds("1.-70"));
}

}  // namespace
