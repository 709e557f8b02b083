// The pages' exchanges on the line in virtual time, with what the page
// models queue: the vehicle page's extra read after Enter, the Q5100 aux
// page's slow pass and its dump, and the full lambda page's set-up
// snapshot, live-view poll and pause before a new signal type.
#include <QFile>

#include "app/parameter_table.h"
#include "pages/aux_page_model.h"
#include "pages/lambda_page_model.h"
#include "pages/page_exchanges.h"
#include "pages/vehicle_page_model.h"
#include "tests/comm/protocol_fixture.h"
#include "tests/comm/protocol_store_text.h"

namespace {

// The page's side of a pass: the model queues from the fields' values.
class ModelHooks : public RecordingHooks {
  public:
    ModelHooks(std::shared_ptr<Transcript> transcript, const PageModel& model, CRX4DATA& reference)
        : RecordingHooks(std::move(transcript)), model_(model), reference_(reference) {}
    void QueueWritesForKey(const char* key, PendingWrites& pending) override {
        RecordingHooks::QueueWritesForKey(key, pending);
        model_.QueueWrites(key, values, reference_, pending);
    }
    FieldValues values;

  private:
    const PageModel& model_;
    CRX4DATA& reference_;
};

class PageExchangeTest : public EcuLinkTest {
  protected:
    // The ECU store as read, the page showing it, the line open.
    ModelHooks& Start(int modelIndex, const PageModel& model) {
        FillParameterTable(modelIndex);
        for (const auto& [reg, value] : std::vector<std::pair<const char*, const char*>>{
                 {"7F", "1"}, {"80", "A"}, {"75", "88"}, {"76", "13"}, {"74", "1"}, {"10", "1"},
                 {"12", "7"}, {"13", "1"}, {"2B", "2"}, {"2C", "4"}, {"70", "0"}, {"77", "0"}})
            equipmentStore.Add(reg, value);
        page = std::make_unique<ModelHooks>(transcript, model, equipmentStore);
        model.FillFromStore(equipmentStore, page->values);
        Connect(modelIndex);
        return *page;
    }
    void TearDown() override { ClearParameterTable(); }
    std::unique_ptr<ModelHooks> page;
};

// After Enter the vehicle page reads the field's key once more, into the
// file store, whose dump then holds that register alone.
TEST_F(PageExchangeTest, EnterOnTheVehiclePageReadsTheKeyAgainIntoTheFileStore) {
    Start(0, VehicleModel());
    Answer({0x06});  // "76"
    Answer({0x06});  // "75"
    Answer({0xB0, 0x75, 0x88, 0xC0, 0xB0, 0x76, 0x13, 0xC0});
    Answer({0xB0, 0x75, 0x88, 0xC0});

    EXPECT_EQ(WriteOneField(session, VehicleModel(), "75_76", *page), 0);
    const Lines lines = Recorded();
    ASSERT_GE(lines.size(), 12u);
    EXPECT_EQ(Lines(lines.end() - 12, lines.end()),
              (Lines{"COMMANDS off", "WAIT 500", "TX 00 04 00", "WAIT 400",
                     "RX B0|75|88|C0|B0|76|13|C0|", "REFRESH", "COMMANDS on", "COMMANDS on",
                     "TX 00 04 75", "WAIT 400", "RX B0|75|88|C0|", "REFRESH"}));
    EXPECT_EQ(StoredText(fileStore, "75"), "88");
    QFile dump(QString::fromStdString(DumpFilePath(0)));
    ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
    const QByteArray text = dump.readAll();
    EXPECT_TRUE(text.contains("|75|")) << text.constData();
    EXPECT_FALSE(text.contains("|2C|")) << text.constData();
}

TEST_F(PageExchangeTest, TheBasicAuxPageSendsThePeriodHighByteFirstConfirmsAlwaysAndDumps) {
    AuxBasicPageModel model;
    ModelHooks& ui = Start(1, model);
    ui.values[kAuxCutOffRpm].text = "3000";
    NoAnswer();
    NoAnswer();
    NoAnswer();
    Answer({0xB0, 0x25, 0x00, 0xC0, 0xB0, 0x26, 0x4E, 0xC0, 0xB0, 0x27, 0x20, 0xC0});

    EXPECT_EQ(WriteOneField(session, model, "26_27", ui), 0);
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
