// The lambda page's live view over recorded image slots: speed digits with
// lit blanks, the arc that follows only the "Real" signal, injection time,
// and hiding everything.

#include "monitor/lambda_page_gauges.h"

#include <gtest/gtest.h>

#include "slot_recorder.h"

namespace {

const std::vector<int> kRpm(std::begin(LambdaSlots::kRpmDigits), std::end(LambdaSlots::kRpmDigits));
const std::vector<int> kInjection(std::begin(LambdaSlots::kInjectionDigits),
                                  std::end(LambdaSlots::kInjectionDigits));

class LambdaPageGaugesTest : public ::testing::Test {
  protected:
    LambdaPageGaugesTest() : gauges(slots) { gauges.DrawStartImages(); }
    SlotRecorder slots;
    CRX4DATA store;
    LambdaPageGauges gauges;
};

TEST_F(LambdaPageGaugesTest, DigitsStartUnlitAndABlankLightsAsZero) {
    EXPECT_EQ(slots.Image(1482), GaugeImages::kUnlitLargeDigit);
    EXPECT_EQ(slots.Image(1488), GaugeImages::kUnlitLargeDigit);
    Fill(store, {{"28", "52"}, {"29", "3"}});  // 850, on every model without "2A"
    ASSERT_EQ(gauges.ShowLambdaPageRpm(store, true), 0);
    EXPECT_EQ(slots.LargeDigits(kRpm), "0850");
    EXPECT_EQ(slots.LitSegments(LambdaSlots::kArcFirst), 4);
}

TEST_F(LambdaPageGaugesTest, TheArcFollowsOnlyTheRealSignalButTheSpeedIsRemembered) {
    Fill(store, {{"28", "D0"}, {"29", "7"}});  // 2000 rpm
    ASSERT_EQ(gauges.ShowLambdaPageRpm(store, false), 0);
    EXPECT_EQ(slots.LitSegments(LambdaSlots::kArcFirst), 0);
    // Same speed with the arc on: nothing changed since the remembered value.
    ASSERT_EQ(gauges.ShowLambdaPageRpm(store, true), 0);
    EXPECT_EQ(slots.LitSegments(LambdaSlots::kArcFirst), 0);
    store.Add("29", "8");  // 2256 rpm: 10 segments, three with their own images
    ASSERT_EQ(gauges.ShowLambdaPageRpm(store, true), 0);
    EXPECT_EQ(slots.LitSegments(LambdaSlots::kArcFirst), 10);
    EXPECT_EQ(slots.Image(LambdaSlots::kArcFirst + 5), 412);
    EXPECT_EQ(slots.Image(LambdaSlots::kArcFirst + 8), 413);
    EXPECT_EQ(slots.Image(LambdaSlots::kArcFirst + 4), 383);

    CRX4DATA empty;
    EXPECT_EQ(gauges.ShowLambdaPageRpm(empty, true), 1);
}

TEST_F(LambdaPageGaugesTest, InjectionTimeShowsTensUnitsAndTenths) {
    store.Add("81", "0");
    ASSERT_EQ(gauges.ShowLambdaPageInjection(store), 0);
    EXPECT_EQ(slots.LargeDigits(kInjection), "000");
    store.Add("81", "37");  // 5.5 ms
    ASSERT_EQ(gauges.ShowLambdaPageInjection(store), 0);
    EXPECT_EQ(slots.LargeDigits(kInjection), "055");
    store.Add("81", "FF");  // 25.5 ms
    ASSERT_EQ(gauges.ShowLambdaPageInjection(store), 0);
    EXPECT_EQ(slots.LargeDigits(kInjection), "255");
    CRX4DATA empty;
    EXPECT_EQ(gauges.ShowLambdaPageInjection(empty), 1);
}

TEST_F(LambdaPageGaugesTest, HiddenGaugesAreDrawnAgainByTheSameReadings) {
    Fill(store, {{"28", "52"}, {"29", "3"}, {"81", "37"}});
    gauges.ShowLambdaPageRpm(store, true);
    gauges.ShowLambdaPageInjection(store);
    slots.Show(LambdaSlots::kArcMarker, GaugeImages::kLambdaArcMarker);

    gauges.HideLambdaPageGauges();
    EXPECT_EQ(slots.LargeDigits(kRpm), "    ");
    EXPECT_EQ(slots.LargeDigits(kInjection), "   ");
    EXPECT_EQ(slots.LitSegments(LambdaSlots::kArcFirst), 0);
    EXPECT_FALSE(slots.Shown(LambdaSlots::kArcMarker));

    gauges.ShowLambdaPageRpm(store, true);
    gauges.ShowLambdaPageInjection(store);
    EXPECT_EQ(slots.LargeDigits(kRpm), "0850");
    EXPECT_EQ(slots.LargeDigits(kInjection), "055");
    EXPECT_EQ(slots.LitSegments(LambdaSlots::kArcFirst), 4);
}

}  // namespace
