// The pages' exchanges on the line in virtual time: the Q5100 aux page's
// slow pass with what its model queues, and the full lambda page's set-up
// snapshot, live-view poll and pause before a new signal type.
#include <QFile>

#include "app/parameter_table.h"
#include "pages/aux_page_model.h"
#include "pages/lambda_page_model.h"
#include "pages/page_exchanges.h"
#include "tests/comm/protocol_fixture.h"
#include "tests/comm/protocol_store_text.h"

namespace {

using PageExchangeTest = EcuLinkTest;

TEST_F(PageExchangeTest, TheBasicAuxPageSendsThePeriodHighByteFirstConfirmsAlwaysAndDumps) {
    FillParameterTable(1);
    Connect(1);
    // What the page queues for 3000 rpm with 2 coils and 4 cylinders.
    CRX4DATA ecu;
    ecu.Add("2B", "2");
    ecu.Add("2C", "4");
    FieldValues values;
    values[kAuxCutOffRpm].text = "3000";
    AuxBasicPageModel model;
    PendingWrites queued;
    model.QueueWrites("26_27", values, ecu, queued);
    for (uint32_t i = 0; i < queued.Count; ++i)
        hooks.writes.emplace_back(queued.Entries[i].Register, queued.Entries[i].Value);
    NoAnswer();
    NoAnswer();
    NoAnswer();
    Answer({0xB0, 0x25, 0x00, 0xC0, 0xB0, 0x26, 0x4E, 0xC0, 0xB0, 0x27, 0x20, 0xC0});

    EXPECT_EQ(WriteOneField(session, model, "26_27", hooks), 0);
    ClearParameterTable();
    Lines expected{"QUEUE 26_27", "COMMANDS off"};
    for (const char* frame : {"TX 25 00", "TX 26 4E", "TX 27 20"})
        expected.insert(expected.end(), {frame, "WAIT 400", "RX -", "TX 05 18", "WAIT 400", "TX 05 18",
                                         "WAIT 400", "TX 05 18", "WAIT 400", "WAIT 500"});
    expected.insert(expected.end(),
                    {"COMMANDS off", "WAIT 500", "TX 09 00", "WAIT 500",
                     "RX B0|25|0|C0|B0|26|4E|C0|B0|27|20|C0|", "REFRESH", "COMMANDS on",
                     "COMMANDS on"});
    EXPECT_EQ(Recorded(), expected);
    EXPECT_TRUE(QFile::exists(dumpDir.filePath("novoQ5100.txt")));
}

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
