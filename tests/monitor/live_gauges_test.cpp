// The monitoring panel's gauges over recorded image slots: speed digits and
// arc, voltage digits and bars, actuator digits, marker, picture and scale,
// the five-update counters and which slots each update touches.

#include "monitor/live_gauges.h"

#include <gtest/gtest.h>

#include "data/crx4data.h"
#include "slot_recorder.h"

namespace {

const std::vector<int> kRpm(std::begin(MonitorSlots::kRpmDigits),
                            std::end(MonitorSlots::kRpmDigits));

class LiveGaugesTest : public ::testing::Test {
  protected:
    explicit LiveGaugesTest(int model = 0) : gauges(slots, counts, model) {
        gauges.DrawStartImages();
        slots.calls.clear();
    }
    // A complete live store of a Q7100 at idle.
    void FillIdle() {
        Fill(store, {{"11", "50"},
                     {"23", "20"},
                     {"24", "10"},
                     {"28", "52"},
                     {"29", "3"},
                     {"3D", "32"},
                     {"3E", "64"},
                     {"10", "1"}});
    }
    int ArcWalkDirection() const {
        // +1 when the arc calls go up the segments, -1 down, 0 none or mixed.
        int previous = -1, direction = 0;
        for (const std::string& call : slots.calls) {
            const int slot = std::stoi(call.substr(call.find(' ') + 1));
            if (slot < MonitorSlots::kArcFirst || slot >= MonitorSlots::kArcFirst + 28)
                continue;
            if (previous >= 0) {
                const int step = slot > previous ? 1 : -1;
                if (direction != 0 && step != direction)
                    return 0;
                direction = step;
            }
            previous = slot;
        }
        return direction;
    }

    SlotRecorder slots;
    GaugeUpdateCounts counts;
    CRX4DATA store;
    LiveGauges gauges;
};

TEST_F(LiveGaugesTest, TheDialogOpensWithZeroSpeedSeparatorsAndTheOpenActuator) {
    SlotRecorder fresh;
    LiveGauges opened(fresh, counts, 0);
    opened.DrawStartImages();
    EXPECT_EQ(fresh.LargeDigits(kRpm), "0000");
    EXPECT_TRUE(fresh.Shown(MonitorSlots::kTpsSeparator));
    EXPECT_TRUE(fresh.Shown(MonitorSlots::kLambdaSeparator));
    EXPECT_EQ(fresh.Image(1443), 316);
    EXPECT_EQ(fresh.LitSegments(MonitorSlots::kArcFirst), 0);
}

TEST_F(LiveGaugesTest, SpeedTextsFillFourDigitsAndLightOneSegmentPer250Rpm) {
    gauges.ShowRpm("850");
    EXPECT_EQ(slots.LargeDigits(kRpm), " 850");
    EXPECT_EQ(slots.LitSegments(MonitorSlots::kArcFirst), 4);  // 850 * 0.004 = 3.4
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(slots.Shown(MonitorSlots::kArcFirst + i)) << i;
    EXPECT_EQ(ArcWalkDirection(), 1);

    slots.calls.clear();
    gauges.ShowRpm("7000");
    EXPECT_EQ(slots.LargeDigits(kRpm), "7000");
    EXPECT_EQ(slots.LitSegments(MonitorSlots::kArcFirst), 28);
    EXPECT_EQ(ArcWalkDirection(), 1);
    gauges.ShowRpm("7250");
    EXPECT_EQ(slots.LitSegments(MonitorSlots::kArcFirst), 28);

    slots.calls.clear();
    gauges.ShowRpm("0");
    EXPECT_EQ(slots.LargeDigits(kRpm), "0000");
    EXPECT_EQ(slots.LitSegments(MonitorSlots::kArcFirst), 0);
    EXPECT_EQ(ArcWalkDirection(), -1);

    gauges.ShowRpm("1");
    EXPECT_EQ(slots.LitSegments(MonitorSlots::kArcFirst), 1);
    gauges.ShowRpm("12345");  // not a form of its own
    EXPECT_EQ(slots.LargeDigits(kRpm), "0000");
}

TEST_F(LiveGaugesTest, AnUnchangedSpeedTouchesNoSlotAndAChangeOnlyTheDigitsThatDiffer) {
    gauges.ShowRpm("850");
    slots.calls.clear();
    gauges.ShowRpm("850");
    EXPECT_TRUE(slots.calls.empty());
    gauges.ShowRpm("855");
    // One digit image replaced; the arc still lights 4 segments, none touched.
    EXPECT_EQ(slots.calls, (std::vector<std::string>{"SHOW 1475 354"}));
}

TEST_F(LiveGaugesTest, AFiveCharacterSpeedKeepsThePreviousReading) {
    FillIdle();  // 0x352 = 850 rpm
    ASSERT_EQ(gauges.UpdateLiveDisplay(store), 0);
    EXPECT_EQ(slots.LargeDigits(kRpm), " 850");
    Fill(store, {{"28", "10"}, {"29", "27"}});  // 0x2710 = 10000 rpm
    ASSERT_EQ(gauges.UpdateLiveDisplay(store), 0);
    EXPECT_EQ(slots.LargeDigits(kRpm), " 850");
    EXPECT_EQ(slots.LitSegments(MonitorSlots::kArcFirst), 4);
}

class Q5100GaugesTest : public LiveGaugesTest {
  protected:
    Q5100GaugesTest() : LiveGaugesTest(1) {}
};

TEST_F(Q5100GaugesTest, SpeedComesFromTheThreeByteCountAndTheTwoFactors) {
    FillIdle();
    // N = 0x007530 = 30000; rpm = 120000000 * 2 / (30000 * 4) = 2000.
    Fill(store, {{"28", "30"}, {"29", "75"}, {"2A", "0"}, {"2B", "2"}, {"2C", "4"}});
    ASSERT_EQ(gauges.UpdateLiveDisplay(store), 0);
    EXPECT_EQ(slots.LargeDigits(kRpm), "2000");

    // No count yet: the quotient does not fit, the reading stays.
    Fill(store, {{"28", "0"}, {"29", "0"}});
    ASSERT_EQ(gauges.UpdateLiveDisplay(store), 0);
    EXPECT_EQ(slots.LargeDigits(kRpm), "2000");

    store.Add("2B", "0");  // 0 / (0 + 1e-17) = 0 rpm
    ASSERT_EQ(gauges.UpdateLiveDisplay(store), 0);
    EXPECT_EQ(slots.LargeDigits(kRpm), "0000");

    CRX4DATA withoutThirdByte;
    Fill(withoutThirdByte, {{"11", "0"},
                            {"3D", "1"},
                            {"3E", "1"},
                            {"28", "1"},
                            {"29", "1"},
                            {"2B", "1"},
                            {"2C", "1"},
                            {"23", "0"},
                            {"24", "0"}});
    EXPECT_EQ(gauges.UpdateLiveDisplay(withoutThirdByte), 1);
}

TEST_F(LiveGaugesTest, ThrottleVoltageShowsItsDigitsAndMovesTheBarTop) {
    store.Add("10", "1");
    gauges.ShowTpsVoltage("5.10", store);  // "23" = 0xFF
    EXPECT_EQ(slots.SmallDigits(MonitorSlots::kTpsDigits), "510");
    EXPECT_TRUE(slots.Shown(MonitorSlots::kTpsBar));
    EXPECT_EQ(slots.Top(MonitorSlots::kTpsBar), 150);
    gauges.ShowTpsVoltage("5.00", store);
    EXPECT_EQ(slots.Top(MonitorSlots::kTpsBar), 154);

    // The inverted sensor reads 5 V at rest: 5.10 is below its zero.
    store.Add("10", "2");
    gauges.ShowTpsVoltage("5.10", store);
    EXPECT_FALSE(slots.Shown(MonitorSlots::kTpsBar));
    gauges.ShowTpsVoltage("1.00", store);  // 4.00 V on the inverted scale
    EXPECT_EQ(slots.Top(MonitorSlots::kTpsBar), 199);

    // Without "10" only the digits follow.
    CRX4DATA noDirection;
    gauges.ShowTpsVoltage("2.34", noDirection);
    EXPECT_EQ(slots.SmallDigits(MonitorSlots::kTpsDigits), "234");
    EXPECT_EQ(slots.Top(MonitorSlots::kTpsBar), 199);
}

TEST_F(LiveGaugesTest, LambdaBarStopsAtOneVoltOfItsScale) {
    gauges.SetLambdaFullScale(1);
    gauges.ShowLambdaVoltage("1.00");
    EXPECT_EQ(slots.Top(MonitorSlots::kLambdaBar), 155);
    gauges.SetLambdaFullScale(5);
    gauges.ShowLambdaVoltage("2.00");  // "24" = 0x64
    EXPECT_EQ(slots.SmallDigits(MonitorSlots::kLambdaDigits), "200");
    EXPECT_EQ(slots.Top(MonitorSlots::kLambdaBar), 331);  // 1.0 V on the 5 V scale
    gauges.ShowLambdaVoltage("0.00");
    EXPECT_FALSE(slots.Shown(MonitorSlots::kLambdaBar));
}

TEST_F(LiveGaugesTest, ActuatorEndsPickTheirPicturesAndMarkerRows) {
    store.Add("3D", "20");
    store.Add("3E", "40");
    ASSERT_EQ(gauges.ShowActuatorPosition(0, store), 0);
    EXPECT_EQ(slots.Image(1474), 347);
    EXPECT_FALSE(slots.Shown(1443));
    EXPECT_EQ(slots.Top(MonitorSlots::kMarker), 379);
    EXPECT_EQ(slots.SmallDigits(MonitorSlots::kStepDigits), "000");

    ASSERT_EQ(gauges.ShowActuatorPosition(240, store), 0);
    EXPECT_EQ(slots.Image(1443), 316);
    EXPECT_FALSE(slots.Shown(1474));
    EXPECT_EQ(slots.Top(MonitorSlots::kMarker), 151);

    ASSERT_EQ(gauges.ShowActuatorPosition(255, store), 0);
    EXPECT_EQ(slots.SmallDigits(MonitorSlots::kStepDigits), "255");
    EXPECT_EQ(slots.Image(1443), 316);
    EXPECT_EQ(slots.Top(MonitorSlots::kMarker), 151);

    ASSERT_EQ(gauges.ShowActuatorPosition(5, store), 0);
    EXPECT_EQ(slots.SmallDigits(MonitorSlots::kStepDigits), "005");

    CRX4DATA withoutSteps;
    slots.calls.clear();
    EXPECT_EQ(gauges.ShowActuatorPosition(100, withoutSteps), 1);
    EXPECT_TRUE(slots.calls.empty());
}

TEST_F(LiveGaugesTest, AnUnchangedPositionIsRedrawnOnlyDuringTheFirstFiveUpdates) {
    FillIdle();
    const std::string markerMove = "MOVE " + std::to_string(MonitorSlots::kMarker);
    auto markerMoves = [&] {
        int moves = 0;
        for (const std::string& call : slots.calls) moves += call.rfind(markerMove, 0) == 0;
        return moves;
    };
    for (int i = 0; i < 7; ++i) ASSERT_EQ(gauges.UpdateLiveDisplay(store), 0);
    EXPECT_EQ(markerMoves(), 5);
    EXPECT_EQ(counts.actuator, 5);

    // Settled: the same readings touch nothing at all.
    slots.calls.clear();
    ASSERT_EQ(gauges.UpdateLiveDisplay(store), 0);
    EXPECT_TRUE(slots.calls.empty());

    store.Add("11", "51");
    ASSERT_EQ(gauges.UpdateLiveDisplay(store), 0);
    EXPECT_EQ(markerMoves(), 1);

    // The counts belong to the program: a new panel starts settled.
    SlotRecorder other;
    LiveGauges reopened(other, counts, 0);
    ASSERT_EQ(reopened.UpdateLiveDisplay(store), 0);
    ASSERT_EQ(reopened.UpdateLiveDisplay(store), 0);
    int moves = 0;
    for (const std::string& call : other.calls) moves += call.rfind(markerMove, 0) == 0;
    EXPECT_EQ(moves, 1);
}

TEST_F(LiveGaugesTest, AMissingRegisterEndsTheUpdateWithTheGaugesBeforeItDrawn) {
    Fill(store, {{"11", "50"}, {"3D", "1"}, {"3E", "1"}, {"28", "52"}, {"29", "3"}});
    EXPECT_EQ(gauges.UpdateLiveDisplay(store), 1);  // no "23"
    EXPECT_EQ(slots.LargeDigits(kRpm), " 850");
    EXPECT_EQ(slots.SmallDigits(MonitorSlots::kStepDigits), "080");

    CRX4DATA noPosition;
    EXPECT_EQ(gauges.UpdateLiveDisplay(noPosition), 1);
}

TEST_F(LiveGaugesTest, StandstillZeroesBothVoltagesBeforeTheirReadings) {
    FillIdle();
    Fill(store, {{"11", "0"}, {"28", "0"}, {"29", "0"}});
    ASSERT_EQ(gauges.UpdateLiveDisplay(store), 0);
    // The readings follow the zero draw: the bars end at their own values.
    EXPECT_EQ(slots.SmallDigits(MonitorSlots::kTpsDigits), "064");
    EXPECT_TRUE(slots.Shown(MonitorSlots::kTpsBar));
    EXPECT_EQ(counts.lambdaBar, 1);  // the zero draw hides the bar without counting
}

TEST_F(LiveGaugesTest, StepScaleColourFollows83AndDisappearsWhileTheStreamIsSilent) {
    Fill(store, {{"3D", "1"}, {"3E", "1"}});
    gauges.ShowActuatorScale(store, false);  // no "83": green
    EXPECT_TRUE(slots.Shown(MonitorSlots::kScaleGreen));
    EXPECT_FALSE(slots.Shown(MonitorSlots::kScaleRed));
    store.Add("83", "1");
    gauges.ShowActuatorScale(store, false);
    EXPECT_FALSE(slots.Shown(MonitorSlots::kScaleGreen));
    EXPECT_TRUE(slots.Shown(MonitorSlots::kScaleRed));
    gauges.ShowActuatorScale(store, true);
    EXPECT_FALSE(slots.Shown(MonitorSlots::kScaleRed));
    store.Add("83", "7");  // unknown colour: nothing changes
    slots.calls.clear();
    gauges.ShowActuatorScale(store, false);
    EXPECT_TRUE(slots.calls.empty());
}

}  // namespace
