// The gauges of the monitoring panel over recorded image slots: speed digits and arc, voltage digits and bars, actuator
// digits, marker, picture and scale, which slots each update touches, and
// one tick of the live poll.
#include <gtest/gtest.h>

#include <map>

#include "monitor/gauge_slots.h"
#include "monitor/live_gauges.h"
#include "monitor/poll_tick.h"
#include "tests/comm/protocol_fixture.h"
#include "tests/comm/protocol_store_text.h"

namespace {

namespace M = MonitorSlots;
using Strings = std::vector<std::string>;

// Image slots that keep their state: the image shown in each and its top.
class SlotRecorder : public ImageSlots {
  public:
    void Show(int slot, int id) override { image[slot] = id; }
    void Hide(int slot) override { image[slot] = 0; }
    void Move(int slot, SlotPoint at) override { top[slot] = at.y; }
    int Image(int slot) const { return image.count(slot) ? image.at(slot) : 0; }
    bool Shown(int slot) const { return Image(slot) != 0; }
    int Top(int slot) const { return top.count(slot) ? top.at(slot) : -1; }
    // The digit of each shown large-digit slot, a blank for a hidden one.
    std::string LargeDigits(const int (&slots)[4]) const {
        std::string text;
        for (int slot : slots) text += Shown(slot) ? char('0' + Image(slot) - GaugeImages::kLargeDigitZero) : ' ';
        return text;
    }
    // Per position the digit whose slot is shown ('?' none, '*' several).
    std::string SmallDigits(const int (&firstSlots)[3]) const {
        std::string text;
        for (int first : firstSlots) {
            char c = '?';
            for (int d = 0; d < 10; ++d)
                if (Shown(first + d)) c = c == '?' ? char('0' + d) : '*';
            text += c;
        }
        return text;
    }
    int LitSegments(int first) const { int lit = 0; for (int i = 0; i < 28; ++i) lit += Shown(first + i); return lit; }
    std::map<int, int> image, top;
};

void Fill(CRX4DATA& store, const std::vector<std::pair<const char*, const char*>>& values) {
    for (const auto& [reg, value] : values) store.Add(reg, value);
}
// A complete live store of a Q7100 at idle: 850 rpm, 0.64 V, 0.32 V, 50/100 steps.
void FillIdle(CRX4DATA& store) {
    Fill(store, {{"11", "50"}, {"23", "20"}, {"24", "10"}, {"28", "52"}, {"29", "3"}, {"3D", "32"}, {"3E", "64"}, {"10", "1"}});
}

class LiveGaugesTest : public ::testing::Test {
  protected:
    LiveGaugesTest() {
        gauges.DrawStartImages();
        EXPECT_EQ(slots.LargeDigits(M::kRpmDigits) + std::to_string(slots.LitSegments(M::kArcFirst)), "00000");
        EXPECT_TRUE(slots.Shown(M::kTpsSeparator) && slots.Shown(M::kLambdaSeparator) && slots.Image(1443) == 316);
    }
    SlotRecorder slots;
    GaugeUpdateCounts counts;
    CRX4DATA store;
    LiveGauges gauges{slots, counts, 0};
};

// One segment per 250 rpm (-1: not looked at); a speed of five digits shows as zero.
TEST_F(LiveGaugesTest, SpeedTextsFillFourDigitsAndLightOneSegmentPer250Rpm) {
    const struct { const char* text; const char* digits; int segments; } kSpeeds[] = {
        {"850", " 850", 4}, {"7000", "7000", 28}, {"7250", "7250", 28}, {"0", "0000", 0}, {"1", "0000", 1}, {"12345", "0000", -1}};
    for (const auto& speed : kSpeeds) {
        gauges.ShowRpm(speed.text);
        const int lit = speed.segments < 0 ? -1 : slots.LitSegments(M::kArcFirst);
        EXPECT_EQ(slots.LargeDigits(M::kRpmDigits) + " " + std::to_string(lit),
                  speed.digits + std::string(" ") + std::to_string(speed.segments)) << speed.text;
    }
}

// Standstill zeroes both voltages before their readings: the bars end at
// their own values. An update ends at the first missing register.
TEST_F(LiveGaugesTest, TheStoreGivesSpeedAndVoltsAndAFiveDigitSpeedOrAMissingRegisterKeepsWhatWasDrawn) {
    Fill(store, {{"11", "0"}, {"23", "20"}, {"24", "10"}, {"28", "0"}, {"29", "0"}, {"3D", "32"}, {"3E", "64"}, {"10", "1"}});
    ASSERT_EQ(gauges.UpdateLiveDisplay(store), 0);
    EXPECT_EQ(slots.SmallDigits(M::kTpsDigits) + slots.SmallDigits(M::kLambdaDigits), "064032");  // x 0.02 V
    EXPECT_TRUE(slots.Shown(M::kTpsBar));
    EXPECT_EQ(counts.lambdaBar, 1);  // the zero draw hides the bar without counting
    FillIdle(store);
    ASSERT_EQ(gauges.UpdateLiveDisplay(store), 0);
    EXPECT_EQ(slots.LargeDigits(M::kRpmDigits), " 850");  // 0x352 = 850
    Fill(store, {{"28", "10"}, {"29", "27"}});          // 0x2710 = 10000 rpm
    ASSERT_EQ(gauges.UpdateLiveDisplay(store), 0);
    EXPECT_EQ(slots.LargeDigits(M::kRpmDigits) + std::to_string(slots.LitSegments(M::kArcFirst)), " 8504");

    CRX4DATA partial, empty;
    Fill(partial, {{"11", "50"}, {"3D", "1"}, {"3E", "1"}, {"28", "62"}, {"29", "3"}});
    EXPECT_EQ(gauges.UpdateLiveDisplay(partial), 1);  // no "23"
    EXPECT_EQ(slots.LargeDigits(M::kRpmDigits) + slots.SmallDigits(M::kStepDigits), " 866080");
    EXPECT_EQ(gauges.UpdateLiveDisplay(empty), 1);
}

// Digits and bar top ("-" hidden) after each reading. The inverted sensor
// (10 = 2) reads 5 V at rest: 5.10 is below its zero, 1.00 is 4 V; without
// "10" only the digits follow. The lambda bar spans its full scale.
TEST_F(LiveGaugesTest, VoltageBarsFollowTheSensorDirectionAndTheLambdaScale) {
    CRX4DATA noDirection;
    Strings seen;
    auto shown = [&](const int (&digits)[3], int bar) {
        seen.push_back(slots.SmallDigits(digits) + " " + (slots.Shown(bar) ? std::to_string(slots.Top(bar)) : "-"));
    };
    for (auto [direction, volts] : {std::pair{"1", "5.10"}, {"1", "5.00"}, {"2", "5.10"}, {"2", "1.00"}, {"", "2.34"}}) {
        if (*direction) store.Add("10", direction);
        gauges.ShowTpsVoltage(volts, *direction ? store : noDirection);
        shown(M::kTpsDigits, M::kTpsBar);
    }
    for (auto [scale, volts] : {std::pair{1, "1.00"}, {5, "2.00"}, {5, "0.00"}}) {
        gauges.SetLambdaFullScale(scale);
        gauges.ShowLambdaVoltage(volts);
        shown(M::kLambdaDigits, M::kLambdaBar);
    }
    EXPECT_EQ(seen, (Strings{"510 150", "500 154", "510 -", "100 199", "234 199", "100 155", "200 331", "000 -"}));
}

// Position, open and closed pictures, marker row (0: not looked at); the
// scale is green, red with 83 = 1, gone while the stream is silent.
TEST_F(LiveGaugesTest, ActuatorEndsPickTheirPicturesMarkerRowsAndScaleColour) {
    Fill(store, {{"3D", "20"}, {"3E", "40"}});
    const struct { int position; int open, closed, marker; const char* digits; } kPositions[] = {
        {0, 0, 347, 379, "000"}, {240, 316, 0, 151, "240"}, {255, 316, 0, 151, "255"}, {5, 0, 0, 0, "005"}};
    for (const auto& p : kPositions) {
        ASSERT_EQ(gauges.ShowActuatorPosition(p.position, store), 0);
        EXPECT_EQ(slots.SmallDigits(M::kStepDigits), p.digits);
        if (p.marker == 0) continue;
        EXPECT_EQ((std::vector<int>{slots.Image(1443), slots.Image(1474), slots.Top(M::kMarker)}),
                      (std::vector<int>{p.open, p.closed, p.marker})) << p.position;
    }
    std::string scale;
    for (auto [colour, silent] : {std::pair{"", false}, {"1", false}, {"1", true}}) {
        if (*colour) store.Add("83", colour);
        gauges.ShowActuatorScale(store, silent);
        scale += std::to_string(slots.Shown(M::kScaleGreen)) + std::to_string(slots.Shown(M::kScaleRed));
    }
    EXPECT_EQ(scale, "100100");
}

class PollTickTest : public LiveGaugesTest {
  protected:
    PollTickTest() { FillIdle(store); }
    PollTick tick{gauges, store};
};

// After a restart the counting begins again, without a limit on restarts.
TEST_F(PollTickTest, ElevenFailuresOnlyCountAndTheTwelfthZeroesTheValuesAndRestarts) {
    for (int i = 1; i <= 11; ++i) {
        ASSERT_EQ(tick.OnPoll(kPollFailed), TickOutcome::FailureCounted) << i;
        EXPECT_EQ(tick.FailedPolls(), i);
    }
    EXPECT_TRUE(tick.NoAnswer() && StoredText(store, "28") == "52");
    EXPECT_EQ(tick.OnPoll(kPollFailed), TickOutcome::StreamLost);
    for (const char* reg : {"11", "23", "24", "28", "29"}) EXPECT_EQ(StoredText(store, reg), "0");
    EXPECT_TRUE(StoredText(store, "3D") == "32" && tick.FailedPolls() == 0);
    // Standstill on screen: closed actuator, no bars, no step scale.
    EXPECT_EQ(slots.Image(1474), 347);
    EXPECT_EQ(slots.LargeDigits(M::kRpmDigits), "0000");
    EXPECT_FALSE(slots.Shown(M::kTpsBar) || slots.Shown(M::kScaleGreen));
    EXPECT_TRUE(tick.OnPoll(kPollFailed) == TickOutcome::FailureCounted && tick.FailedPolls() == 1);
}

TEST_F(PollTickTest, AnEmptyOrGoodAnswerClearsTheCountAndAnIncompleteRedrawCountsAsAFailure) {
    tick.OnPoll(kPollFailed);
    EXPECT_EQ(tick.OnPoll(kPollEmpty), TickOutcome::Answered);
    EXPECT_TRUE(tick.FailedPolls() == 0 && !tick.NoAnswer() && slots.Shown(M::kScaleGreen));
    EXPECT_EQ(tick.OnPoll(kPollOk), TickOutcome::Answered);
    EXPECT_EQ(slots.LargeDigits(M::kRpmDigits), " 850");
    CRX4DATA partial;
    Fill(partial, {{"11", "50"}, {"3D", "1"}, {"3E", "1"}});
    PollTick partialTick(gauges, partial);
    EXPECT_TRUE(partialTick.OnPoll(kPollOk) == TickOutcome::FailureCounted && partialTick.NoAnswer());
}

}  // namespace
