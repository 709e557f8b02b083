// The live-stream helpers of the monitor: start and stop frames, the
// snapshot read and the poll results.

#include "protocol_fixture.h"
#include "protocol_store_text.h"

TEST_F(EcuLinkTest, StopIsSentThreeTimesWithTheCallersSpacing) {
    Connect(1);
    StartMonitoring(session);
    StopMonitoring(session, 50);
    EXPECT_EQ(Recorded(), (Lines{"TX 08 00", "TX 07 00", "WAIT 50", "TX 07 00", "WAIT 50",
                                 "TX 07 00", "WAIT 50"}));
}

TEST_F(EcuLinkTest, SnapshotReadsAllWithItsOwnWaitsAndShowsNothing) {
    Connect(0);
    NoAnswer();
    Answer({0xB0, 0x10, 0x01, 0xC0});
    EXPECT_EQ(ReadMonitorSnapshot(session, monitorStore), 0);
    EXPECT_EQ(Recorded(), (Lines{"TX 00 04 00", "WAIT 400", "RX -", "WAIT 400", "RX B0|10|1|C0|"}));
    EXPECT_EQ(StoredText(monitorStore, "10"), "1");

    EXPECT_EQ(ReadMonitorSnapshot(session, monitorStore), 1);
}

TEST_F(EcuLinkTest, PollTellsFailedEmptyAndStoredAnswersApart) {
    Connect(0);
    NoAnswer();
    Answer({0x00, 0xB0});
    Answer({0xB0, 0x23, 0x80, 0xA3, 0xC0, 0xB0, 0x72, 0x01, 0x00, 0xC0});

    EXPECT_EQ(PollMonitorAnswer(session, monitorStore, CheckRule::Tested), kPollFailed);
    EXPECT_EQ(PollMonitorAnswer(session, monitorStore, CheckRule::Tested), kPollEmpty);
    MonitorAnswer answer;
    EXPECT_EQ(PollMonitorAnswer(session, monitorStore, CheckRule::Tested, &answer), kPollOk);
    EXPECT_EQ(StoredText(monitorStore, "23"), "80");
    EXPECT_EQ(StoredText(monitorStore, "72"), "<none>");
    EXPECT_TRUE(answer.CalibrationEnded);
}
