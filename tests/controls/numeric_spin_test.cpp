#include "controls/numeric_spin.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <chrono>
#include <thread>
#include <QWidget>

#include "tests/brazilian_locale.h"

namespace {

// A spin bound to its buddy as pages set them up: 0.00 .. 2.55 by 0.01.
class NumericSpinTest : public ::testing::Test {
  protected:
    NumericSpinTest() {
        spin.SetBuddy(&buddy);
        spin.SetDecimals(2);
        spin.SetRangeAndDelta(0.0, 2.55, 0.01);
    }
    QString Text() const { return buddy.text(); }
    void PressKey(Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&buddy, &press);
    }

    QWidget page;
    QLineEdit buddy{&page};
    CNumericSpin spin{&page};
};

TEST_F(NumericSpinTest, IntRangeIsTheNumberOfStepsCappedAt32767) {
    EXPECT_EQ(spin.IntRange(), 255);
    spin.SetRangeAndDelta(0.0, 1e6, 1.0);
    EXPECT_EQ(spin.IntRange(), 32767);
    spin.SetRangeAndDelta(0.0, 25.5, 0.1);
    EXPECT_EQ(spin.IntRange(), 255);
}

TEST_F(NumericSpinTest, ZeroDeltaStoresTheLimitsButKeepsRangeAndPosition) {
    spin.SetValueAndPos(1.0);
    const int position = spin.Pos();
    spin.SetRangeAndDelta(5.0, 10.0, 0.0);
    EXPECT_EQ(spin.MinValue(), 5.0);
    EXPECT_EQ(spin.MaxValue(), 10.0);
    EXPECT_EQ(spin.IntRange(), 255);
    EXPECT_EQ(spin.Pos(), position);
}

TEST_F(NumericSpinTest, PositionMirrorsTheValueAndRangeFollowsTheText) {
    spin.SetValueAndPos(1.275);
    EXPECT_EQ(spin.Pos(), 128);  // 127.5 + 0.5 cut
    spin.SetValueAndPos(-1.0);
    EXPECT_EQ(spin.Pos(), 0);
    spin.SetValueAndPos(9.0);
    EXPECT_EQ(spin.Pos(), 255);
    // SetValue alone leaves the position; a new range re-reads the text.
    spin.SetValue(0.0);
    EXPECT_EQ(spin.Pos(), 255);
    spin.SetRangeAndDelta(0.0, 2.55, 0.01);
    EXPECT_EQ(spin.Pos(), 0);
}

TEST_F(NumericSpinTest, ClicksStopAtTheLimitsWithoutWrap) {
    spin.SetValue(2.55);
    spin.OnDeltaPos(1);
    EXPECT_EQ(Text(), "2.55");
    spin.SetValue(0.0);
    spin.OnDeltaPos(-1);
    EXPECT_EQ(Text(), "0");
    spin.SetValue(2.5);
    spin.OnDeltaPos(10);  // an accelerated step overshoots: the limit is taken
    EXPECT_EQ(Text(), "2.55");
}

TEST_F(NumericSpinTest, ClicksWrapAroundWithTheWrapStyle) {
    spin.SetWrap(true);
    spin.SetValue(2.55);
    spin.OnDeltaPos(1);
    EXPECT_EQ(Text(), "0");
    spin.OnDeltaPos(-1);
    EXPECT_EQ(Text(), "2.55");
}

TEST_F(NumericSpinTest, RoundingNoiseAtTheLimitIsWithinTheTolerance) {
    // 2.54 + 0.01 is 2.5500000000000003: with the wrap style a plain
    // comparison would send the value to 0.
    spin.SetWrap(true);
    spin.SetValue(2.54);
    spin.OnDeltaPos(1);
    EXPECT_EQ(Text(), "2.55");
    spin.SetDecimals(-1);
    buddy.setText("2.5400000001");
    spin.OnDeltaPos(1);
    EXPECT_EQ(Text(), "2.55");
    buddy.setText("2.5401");
    spin.OnDeltaPos(1);
    EXPECT_EQ(Text(), "0");
}

TEST_F(NumericSpinTest, FormatsWithDecimalsTrimmingAndTheFormatString) {
    EXPECT_EQ(spin.FormatValue(2.5), "2.5");
    EXPECT_EQ(spin.FormatValue(3.0), "3");
    EXPECT_EQ(spin.FormatValue(0.01), "0.01");
    EXPECT_EQ(spin.FormatValue(1.2e20), "1.2e+20");
    spin.SetTrimZeros(false);
    EXPECT_EQ(spin.FormatValue(2.5), "2.50");
    EXPECT_EQ(spin.FormatValue(1.2e20), "1.20e+20");
    spin.SetDecimals(-1);
    EXPECT_EQ(spin.FormatValue(0.36), "0.36");
    spin.SetFormatString("%2.1f");
    spin.SetValue(12.25);
    EXPECT_EQ(Text(), "12.2");
    spin.SetFormatString(nullptr);
    spin.SetValue(12.25);
    EXPECT_EQ(Text(), "12.25");
}

TEST(NumericSpinTrimTest, TrimsWithTheLocaleDecimalSymbol) {
    EXPECT_EQ(CNumericSpin::TrimNumberText("2,50", ','), "2,5");
    EXPECT_EQ(CNumericSpin::TrimNumberText("3,00", ','), "3");
    // A point is no decimal symbol in such a locale: nothing to trim.
    EXPECT_EQ(CNumericSpin::TrimNumberText("2.50", ','), "2.50");
    EXPECT_EQ(CNumericSpin::TrimNumberText("100", '.'), "100");
    EXPECT_EQ(CNumericSpin::TrimNumberText("1.500e+07", '.'), "1.5e+07");
}

TEST_F(NumericSpinTest, TheBuddyTextIsTheValue) {
    buddy.setText("");
    EXPECT_EQ(spin.GetValue(), 0.0);
    buddy.setText("1.25 s");
    EXPECT_DOUBLE_EQ(spin.GetValue(), 1.25);
    CNumericSpin unbound;
    EXPECT_EQ(unbound.GetValue(), 0.0);
    unbound.SetValue(1.0);  // no buddy, nothing to write: must not crash
}

TEST_F(NumericSpinTest, ArrowKeysInTheBuddyStepTheValue) {
    buddy.setText("1.00");
    PressKey(Qt::Key_Up);
    EXPECT_EQ(Text(), "1.01");
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Down);
    EXPECT_EQ(Text(), "0.99");
}

TEST_F(NumericSpinTest, ABrazilianDesktopStepsAndWritesWithAPoint) {
    BrazilianLocale brazil;
    ASSERT_TRUE(brazil.Active());
    EXPECT_EQ(spin.DecimalSymbol(), '.');
    buddy.setText("2.53");
    PressKey(Qt::Key_Up);
    EXPECT_EQ(Text(), "2.54");
    spin.OnDeltaPos(1);
    EXPECT_EQ(Text(), "2.55");
    spin.SetTrimZeros(false);
    spin.SetValue(2.5);
    EXPECT_EQ(Text(), "2.50");
    EXPECT_DOUBLE_EQ(spin.GetValue(), 2.5);
}

// Holding an arrow used to step one click per repeat: 0.00 to 2.55 took
// about 25 s. After a short hold the repeats count more clicks.
TEST(NumericSpinAccelerationTest, AHeldArrowSpeedsUpWithTheSizeOfTheRange) {
    EXPECT_EQ(CNumericSpin::AcceleratedClicks(0, 255), 1);
    EXPECT_EQ(CNumericSpin::AcceleratedClicks(499, 255), 1);
    EXPECT_EQ(CNumericSpin::AcceleratedClicks(500, 255), 5);
    EXPECT_EQ(CNumericSpin::AcceleratedClicks(1500, 255), 12);
    EXPECT_EQ(CNumericSpin::AcceleratedClicks(600, 5000), 50);
    EXPECT_EQ(CNumericSpin::AcceleratedClicks(2000, 5000), 250);
    EXPECT_EQ(CNumericSpin::AcceleratedClicks(2000, 0), 10);
}

TEST_F(NumericSpinTest, AHeldArrowKeyRepeatsFasterAfterAShortHold) {
    buddy.setText("0.00");
    const auto send = [&](bool repeat) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), repeat);
        QCoreApplication::sendEvent(&buddy, &press);
    };
    send(false);
    send(true);
    EXPECT_EQ(Text(), "0.02");
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    send(true);
    const double held = spin.GetValue();
    EXPECT_GE(held, 0.07 - 1e-9);  // five clicks at least, more on a slow machine
    send(false);  // a new press starts slow again
    EXPECT_NEAR(spin.GetValue(), held + 0.01, 1e-9);
}

TEST_F(NumericSpinTest, RebindingAppliesTheStoredRangeAgain) {
    QLineEdit other(&page);
    other.setText("2.55");
    spin.SetBuddy(&other);
    EXPECT_EQ(spin.Pos(), 255);
    spin.OnDeltaPos(-1);
    EXPECT_EQ(other.text(), "2.54");
    EXPECT_EQ(Text(), "");
}

}  // namespace
