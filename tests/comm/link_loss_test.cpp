// When the ECU link counts as lost and how it is opened again, in virtual
// time. (A re-plugged adapter and a cable pulled mid-pass: tests/e2e, on the
// simulator program.)
#include "tests/comm/protocol_fixture.h"
#include "tests/comm/protocol_store_text.h"

namespace {

const std::vector<uint8_t> kOneRegister = {0xB0, 0x20, 0x01, 0xC0};

class LinkLossTest : public EcuLinkTest {
  protected:
    int ReadBack() { return ReadRegistersWithRetry(session, "FULL", TimingFor(EcuCaller::AuxPage), hooks); }
    bool Messaged() const {
        const Lines lines = Recorded();
        return std::any_of(lines.begin(), lines.end(), [](auto& l) { return l.rfind("MESSAGE", 0) == 0; });
    }
};

// An ECU that never answered is the wrong port or an ECU switched off: the
// pages say "Erro na leitura" as always. One that answered and then stays
// silent for three due answers is a lost link: no message, the page stays.
TEST_F(LinkLossTest, SilenceIsALostLinkOnlyAfterTheEcuHasAnswered) {
    Connect(1);
    EXPECT_EQ(ReadBack(), kReadFailedResult);
    EXPECT_TRUE(Messaged() && !port.Health().Lost());

    Connect(1);
    Answer(kOneRegister);
    ASSERT_EQ(ReadBack(), 0);
    EXPECT_EQ(ReadBack(), kLinkLostResult);
    EXPECT_TRUE(!Messaged() && port.Health().Lost() && port.Health().Losses() == 1u);
}

TEST_F(LinkLossTest, AMissedAnswerCountsOnlyWhereOneIsDue) {
    Connect(1);
    Answer(kOneRegister);
    ASSERT_EQ(ReadBack(), 0);
    // Two due answers missed, then one comes, then one missed: not lost.
    for (const bool answered : {false, false, true, false}) {
        answered ? Answer(kOneRegister) : NoAnswer();
        ASSERT_EQ(ReadRegisters(session, "FULL", equipmentStore, TimingFor(EcuCaller::AuxPage), hooks), answered ? 0 : 1);
    }
    EXPECT_FALSE(port.Health().Lost());
    // A write the row confirms whatever came expects no answer.
    hooks.writes = {{"20", "1"}, {"21", "2"}, {"26", "3"}};
    for (int i = 0; i < 3; ++i) NoAnswer();
    Answer(kOneRegister);  // the read-back
    EXPECT_EQ(WritePendingRegisters(session, "FULL", TimingFor(EcuCaller::AuxBasicPage), hooks), 0);
    EXPECT_FALSE(port.Health().Lost());
}

// Reopening after a loss keeps the queue and the pass's report (a fresh
// open empties the queue); only an answer ends the loss.
TEST_F(LinkLossTest, ReopeningKeepsTheQueueAndOnlyAnAnswerEndsTheLoss) {
    Connect(0);
    Answer(kOneRegister);
    ASSERT_EQ(ReadBack(), 0);
    port.Health().DeviceFailed(), pending.Append("20", "1");
    ASSERT_TRUE(ReopenEcuLink(session));
    EXPECT_TRUE(pending.Count == 1u && openedNames.back() == "COM1");
    EXPECT_TRUE(port.Health().Lost()) << "the port is open, the ECU has not answered";
    EXPECT_TRUE(ProbeEcu(session, TimingFor(EcuCaller::CustomerPage)) == 1 && port.Health().Lost());
    Answer(kOneRegister);
    EXPECT_TRUE(ProbeEcu(session, TimingFor(EcuCaller::CustomerPage)) == 0 && !port.Health().Lost());
    // The Q7100's line: 38400 baud, the port opened again for it.
    EXPECT_EQ(script->Settings().baudRate, 38400u);
    EXPECT_FALSE((port.ClosePort(), port.Health().PortOpen()));
}

}  // namespace
