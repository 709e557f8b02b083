// One tick of the live poll: failures counted, the stream taken as lost on
// the twelfth failure in a row, and what a poll lets through to the gauges.

#include "monitor/poll_tick.h"

#include "comm/ecu_protocol.h"
#include "monitor/live_gauges.h"
#include "slot_recorder.h"
#include "tests/comm/protocol_fixture.h"
#include "tests/comm/protocol_store_text.h"

namespace {

class PollTickTest : public ::testing::Test {
  protected:
    PollTickTest() {
        Fill(store, {{"11", "50"},
                     {"23", "20"},
                     {"24", "10"},
                     {"28", "52"},
                     {"29", "3"},
                     {"3D", "32"},
                     {"3E", "64"},
                     {"10", "1"}});
        gauges.DrawStartImages();
    }
    SlotRecorder slots;
    GaugeUpdateCounts counts;
    CRX4DATA store;
    LiveGauges gauges{slots, counts, 0};
    PollTick tick{gauges, store};
};

TEST_F(PollTickTest, ElevenFailuresOnlyCountAndTheTwelfthZeroesTheValuesAndRestarts) {
    for (int i = 1; i <= 11; ++i) {
        ASSERT_EQ(tick.OnPoll(kPollFailed), TickOutcome::FailureCounted) << i;
        EXPECT_EQ(tick.FailedPolls(), i);
    }
    EXPECT_TRUE(tick.NoAnswer());
    EXPECT_EQ(StoredText(store, "28"), "52");

    EXPECT_EQ(tick.OnPoll(kPollFailed), TickOutcome::StreamLost);
    for (const char* reg : {"11", "23", "24", "28", "29"}) EXPECT_EQ(StoredText(store, reg), "0");
    EXPECT_EQ(StoredText(store, "3D"), "32");
    EXPECT_EQ(tick.FailedPolls(), 0);
    // Standstill on screen: closed actuator, no bars, no step scale.
    EXPECT_EQ(slots.Image(1474), 347);
    EXPECT_EQ(slots.LargeDigits({1505, 1495, 1485, 1475}), "0000");
    EXPECT_FALSE(slots.Shown(MonitorSlots::kTpsBar));
    EXPECT_FALSE(slots.Shown(MonitorSlots::kScaleGreen));

    // No limit on restarts: the count starts again.
    EXPECT_EQ(tick.OnPoll(kPollFailed), TickOutcome::FailureCounted);
    EXPECT_EQ(tick.FailedPolls(), 1);
}

TEST_F(PollTickTest, AnEmptyOrGoodAnswerClearsTheCountAndShowsTheScale) {
    tick.OnPoll(kPollFailed);
    EXPECT_EQ(tick.OnPoll(kPollEmpty), TickOutcome::Answered);
    EXPECT_EQ(tick.FailedPolls(), 0);
    EXPECT_FALSE(tick.NoAnswer());
    EXPECT_TRUE(slots.Shown(MonitorSlots::kScaleGreen));
    EXPECT_EQ(tick.OnPoll(kPollOk), TickOutcome::Answered);
    EXPECT_EQ(slots.LargeDigits({1505, 1495, 1485, 1475}), " 850");
}

TEST_F(PollTickTest, AGoodAnswerWhoseRedrawMissesARegisterCountsAsAFailure) {
    CRX4DATA partial;
    Fill(partial, {{"11", "50"}, {"3D", "1"}, {"3E", "1"}});
    PollTick partialTick(gauges, partial);
    EXPECT_EQ(partialTick.OnPoll(kPollOk), TickOutcome::FailureCounted);
    EXPECT_EQ(partialTick.FailedPolls(), 1);
    EXPECT_TRUE(partialTick.NoAnswer());
}

class PolledAnswerTest : public EcuLinkTest {};

TEST_F(PolledAnswerTest, OnlyPairsWhoseCheckIsTheirWholeSumReachTheGauges) {
    SlotRecorder slots;
    GaugeUpdateCounts counts;
    LiveGauges gauges(slots, counts, 0);
    PollTick tick(gauges, monitorStore);
    Fill(monitorStore, {{"11", "0"},
                        {"23", "0"},
                        {"24", "0"},
                        {"28", "0"},
                        {"29", "0"},
                        {"3D", "1"},
                        {"3E", "1"},
                        {"10", "1"}});
    Connect(0);
    // 0x23 + 0x80 = 0xA3 is stored; 0x24 + 0xE0 = 0x104 is not 0x04, nor
    // is a check of 0xA4 for 0xA3.
    Answer(
        {0xB0, 0x23, 0x80, 0xA3, 0xC0, 0xB0, 0x24, 0xE0, 0x04, 0xC0, 0xB0, 0x11, 0x80, 0xA4, 0xC0});
    ASSERT_EQ(tick.OnPoll(PollMonitorAnswer(session, monitorStore, CheckRule::Tested)),
              TickOutcome::Answered);
    EXPECT_EQ(slots.SmallDigits(MonitorSlots::kTpsDigits), "256");
    EXPECT_EQ(slots.SmallDigits(MonitorSlots::kLambdaDigits), "000");
    EXPECT_EQ(slots.SmallDigits(MonitorSlots::kStepDigits), "000");
}

}  // namespace
