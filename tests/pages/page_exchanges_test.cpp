// The full lambda page's exchanges on the line in virtual time: the set-up
// snapshot, the live-view poll and the pause before a new signal type. (The
// write passes of every page: tests/comm's transcript table.)
#include "pages/lambda_page_model.h"
#include "pages/page_exchanges.h"
#include "tests/comm/protocol_fixture.h"
#include "tests/comm/protocol_store_text.h"

namespace {

using PageExchangeTest = EcuLinkTest;

TEST_F(PageExchangeTest, TheLambdaSetUpTakesAStreamSnapshotThenReadsTheInjectionTimeAlone) {
    Connect(2);
    // A stream group with a wrong check is taken all the same.
    Answer({0xB0, 0x1E, 0x32, 0x00, 0xC0});
    Answer({0xB0, 0x79, 0x7D, 0xC0});

    LambdaSetupExchange(session);
    EXPECT_EQ(Recorded(), (Lines{"TX 00 08 00", "WAIT 300", "RX B0|1E|32|0|C0|", "TX 00 07 00",
                                 "WAIT 5", "TX 00 07 00", "WAIT 5", "TX 00 07 00", "WAIT 5",
                                 "TX 00 06 79", "WAIT 300", "RX B0|79|7D|C0|", "TX 00 07 00",
                                 "WAIT 5", "TX 00 07 00", "WAIT 5", "TX 00 07 00", "WAIT 5"}));
    // The snapshot is live values: the monitor store's, never the ECU's
    // settings. The answer to the one-register read is not used.
    EXPECT_EQ(StoredText(monitorStore, "1E"), "32");
    std::string value;
    EXPECT_FALSE(StoreValueText(equipmentStore, "1E", &value));
    EXPECT_FALSE(StoreValueText(equipmentStore, "79", &value));
    EXPECT_FALSE(StoreValueText(monitorStore, "79", &value));
}

TEST_F(PageExchangeTest, TheLiveViewWaitsThenStoresTheStreamAndATypeChangePausesIt) {
    Connect(0);
    Answer({0xB0, 0x28, 0x52, 0x99, 0xC0, 0xB0, 0x81, 0x7D, 0x00, 0xC0});
    EXPECT_EQ(LambdaLiveViewPoll(session), kPollOk);
    LambdaSignalChangePause(session);
    EXPECT_EQ(Recorded(),
              (Lines{"WAIT 100", "RX B0|28|52|99|C0|B0|81|7D|0|C0|", "TX 00 07 00", "WAIT 10",
                     "TX 00 07 00", "WAIT 10", "TX 00 07 00", "WAIT 10", "WAIT 800", "WAIT 500"}));
    EXPECT_EQ(StoredText(monitorStore, "81"), "7D");
}

}  // namespace
