// The numeric spin bound to its buddy field: steps at the limits, number
// text per locale, arrow keys and their acceleration.
#include "controls/numeric_spin.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

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
    void PressKey(Qt::Key key, bool repeat = false) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), repeat);
        QCoreApplication::sendEvent(&buddy, &press);
    }
    QWidget page;
    QLineEdit buddy{&page};
    CNumericSpin spin{&page};
};

// 2.55 / 0.01 is 254.99999999999997: still 255 steps, and the last lands on 2.55.
TEST_F(NumericSpinTest, StepsStopAtTheLimitsAndLandOnThemDespiteRoundingNoise) {
    EXPECT_EQ(spin.IntRange(), 255);
    const struct { const char* from; int clicks; const char* to; } kSteps[] = {
        {"2.55", 1, "2.55"}, {"0", -1, "0"}, {"2.5", 10, "2.55"}, {"2.54", 1, "2.55"}, {"1.00", -1, "0.99"}};
    for (const auto& step : kSteps) {
        buddy.setText(step.from);
        spin.OnDeltaPos(step.clicks);
        EXPECT_EQ(Text(), step.to) << step.from << " " << step.clicks;
    }
}

// A Brazilian desktop steps and writes with a point too. Without a buddy
// there is nothing to write, and nothing crashes.
TEST_F(NumericSpinTest, TheBuddyTextIsTheValueAndArrowKeysStepItOnAnyDesktop) {
    buddy.setText("1.25 s");
    EXPECT_DOUBLE_EQ(spin.GetValue(), 1.25);
    CNumericSpin unbound;
    unbound.SetValue(1.0);
    EXPECT_EQ(unbound.GetValue(), 0.0);

    BrazilianLocale brazil;
    ASSERT_TRUE(brazil.Active());
    buddy.setText("2.53");
    PressKey(Qt::Key_Down);
    EXPECT_EQ(Text(), "2.52");
    spin.SetTrimZeros(false);
    spin.SetValue(2.5);
    EXPECT_TRUE(Text() == "2.50" && spin.GetValue() == 2.5) << Text().toStdString();
}

// Holding an arrow used to step one click per repeat: 0.00 to 2.55 took
// about 25 s. After a short hold the repeats count more clicks (clicks
// after ms held, for a range of steps); the first repeats step one each.
TEST_F(NumericSpinTest, AHeldArrowSpeedsUpWithTheSizeOfTheRange) {
    std::vector<int> clicks;
    for (auto [ms, range] : {std::pair{0, 255}, {499, 255}, {500, 255}, {1500, 255}, {600, 5000}, {2000, 5000}, {2000, 0}})
        clicks.push_back(CNumericSpin::AcceleratedClicks(ms, range));
    EXPECT_EQ(clicks, (std::vector<int>{1, 1, 5, 12, 50, 250, 10}));
    buddy.setText("0.00");
    PressKey(Qt::Key_Up);
    PressKey(Qt::Key_Up, true);
    EXPECT_EQ(Text(), "0.02");
}

}  // namespace
