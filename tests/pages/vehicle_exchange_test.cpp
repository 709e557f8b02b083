// The vehicle pages' exchanges in virtual time: what the write button and
// Enter send, in which order, with which waits, and what is read back.
#include <QFile>

#include "app/parameter_table.h"
#include "pages/page_exchanges.h"
#include "pages/vehicle_page_model.h"
#include "tests/comm/protocol_fixture.h"
#include "tests/comm/protocol_store_text.h"

namespace {

// The page's side of the exchange: the model queues what the fields show.
class ModelHooks : public RecordingHooks {
  public:
    ModelHooks(std::shared_ptr<Transcript> transcript, const PageModel& model, CRX4DATA& reference)
        : RecordingHooks(std::move(transcript)), model_(model), reference_(reference) {}

    FieldValues values;

    void QueueWritesForKey(const char* key, PendingWrites& pending) override {
        RecordingHooks::QueueWritesForKey(key, pending);
        model_.QueueWrites(key, values, reference_, pending);
    }

  private:
    const PageModel& model_;
    CRX4DATA& reference_;
};

const std::vector<uint8_t> kAcknowledge{0x06};

class VehicleExchangeTest : public EcuLinkTest {
  protected:
    void Start(int modelIndex, const PageModel& model) {
        FillParameterTable(modelIndex);
        for (const auto& [reg, value] :
             std::vector<std::pair<const char*, const char*>>{{"7F", "1"},
                                                              {"80", "A"},
                                                              {"75", "88"},
                                                              {"76", "13"},
                                                              {"74", "1"},
                                                              {"10", "1"},
                                                              {"12", "7"},
                                                              {"13", "1"},
                                                              {"2B", "9"},
                                                              {"2C", "8"}})
            equipmentStore.Add(reg, value);
        pageHooks = std::make_unique<ModelHooks>(transcript, model, equipmentStore);
        ASSERT_EQ(0, model.FillFromStore(equipmentStore, pageHooks->values));
        Connect(modelIndex);
    }
    void TearDown() override { ClearParameterTable(); }

    std::unique_ptr<ModelHooks> pageHooks;
};

TEST_F(VehicleExchangeTest, WriteAllSendsInQueueOrderAndConfirmsOnlyAnsweredWrites) {
    Start(0, VehicleModel());
    pageHooks->values[1124].text = "4096";
    Answer(kAcknowledge);  // "75"
    NoAnswer();            // "76": no confirm frames
    Answer(kAcknowledge);  // "2C"
    Answer({0xB0, 0x75, 0x00, 0xC0, 0xB0, 0x76, 0x10, 0xC0});

    EXPECT_EQ(0, WriteAllFields(session, VehicleModel(), *pageHooks));
    EXPECT_EQ(Recorded(), (Lines{"QUEUE FULL",
                                 "COMMANDS off",
                                 "TX 00 75 00",
                                 "WAIT 400",
                                 "RX 6|",
                                 "WAIT 400",
                                 "TX 00 05 18",
                                 "WAIT 400",
                                 "TX 00 05 18",
                                 "WAIT 400",
                                 "TX 00 05 18",
                                 "WAIT 400",
                                 "TX 00 76 10",
                                 "WAIT 400",
                                 "RX -",
                                 "WAIT 400",
                                 "TX 00 2C 08",
                                 "WAIT 400",
                                 "RX 6|",
                                 "WAIT 400",
                                 "TX 00 05 18",
                                 "WAIT 400",
                                 "TX 00 05 18",
                                 "WAIT 400",
                                 "TX 00 05 18",
                                 "WAIT 400",
                                 "COMMANDS off",
                                 "WAIT 500",
                                 "TX 00 04 00",
                                 "WAIT 400",
                                 "RX B0|75|0|C0|B0|76|10|C0|",
                                 "REFRESH",
                                 "COMMANDS on",
                                 "COMMANDS on"}));
    EXPECT_EQ("0", StoredText(equipmentStore, "75"));
    EXPECT_EQ(0u, pending.Count);
}

TEST_F(VehicleExchangeTest, AnUnchangedPageSendsOnlyTheCylindersThenReadsEverything) {
    Start(0, VehicleModel());
    Answer(kAcknowledge);
    Answer({0xB0, 0x2C, 0x08, 0xC0});

    EXPECT_EQ(0, WriteAllFields(session, VehicleModel(), *pageHooks));
    const Lines lines = Recorded();
    ASSERT_EQ(20u, lines.size());
    EXPECT_EQ("TX 00 2C 08", lines[2]);
    EXPECT_EQ(
        (Lines{"COMMANDS off", "WAIT 500", "TX 00 04 00", "WAIT 400", "RX B0|2C|8|C0|", "REFRESH"}),
        Lines(lines.begin() + 12, lines.begin() + 18));
}

TEST_F(VehicleExchangeTest, EnterOnTheSpeedSendsBothBytesLastFirstThenReadsItIntoTheFileStore) {
    Start(0, VehicleModel());
    Answer(kAcknowledge);  // "76"
    Answer(kAcknowledge);  // "75"
    Answer({0xB0, 0x75, 0x88, 0xC0, 0xB0, 0x76, 0x13, 0xC0});
    Answer({0xB0, 0x75, 0x88, 0xC0});

    EXPECT_EQ(0, WriteOneField(session, VehicleModel(), "75_76", *pageHooks));
    EXPECT_EQ(Recorded(), (Lines{"QUEUE 75_76",
                                 "COMMANDS off",
                                 "TX 00 76 13",
                                 "WAIT 400",
                                 "RX 6|",
                                 "TX 00 05 18",
                                 "WAIT 400",
                                 "TX 00 05 18",
                                 "WAIT 400",
                                 "TX 00 05 18",
                                 "WAIT 400",
                                 "TX 00 75 88",
                                 "WAIT 400",
                                 "RX 6|",
                                 "TX 00 05 18",
                                 "WAIT 400",
                                 "TX 00 05 18",
                                 "WAIT 400",
                                 "TX 00 05 18",
                                 "WAIT 400",
                                 "COMMANDS off",
                                 "WAIT 500",
                                 "TX 00 04 00",
                                 "WAIT 400",
                                 "RX B0|75|88|C0|B0|76|13|C0|",
                                 "REFRESH",
                                 "COMMANDS on",
                                 "COMMANDS on",
                                 "TX 00 04 75",
                                 "WAIT 400",
                                 "RX B0|75|88|C0|",
                                 "REFRESH"}));
    EXPECT_EQ("88", StoredText(fileStore, "75"));
    // The dump of that last read is the file store's, which holds "75" only.
    QFile dump(QString::fromStdString(DumpFilePath(0)));
    ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
    const QByteArray text = dump.readAll();
    EXPECT_TRUE(text.contains("|75|")) << text.constData();
    EXPECT_FALSE(text.contains("|2C|")) << text.constData();
}

TEST_F(VehicleExchangeTest, EnterOnOneRegisterReadsBackThatRegister) {
    Start(0, VehicleModel());
    pageHooks->values[1231].text = "20";
    NoAnswer();
    Answer({0xB0, 0x80, 0x14, 0xC0});
    Answer({0xB0, 0x80, 0x14, 0xC0});

    EXPECT_EQ(0, WriteOneField(session, VehicleModel(), "80", *pageHooks));
    EXPECT_EQ(Recorded(), (Lines{"QUEUE 80", "COMMANDS off", "TX 00 80 14", "WAIT 400", "RX -",
                                 "COMMANDS off", "WAIT 500", "TX 00 04 80", "WAIT 400",
                                 "RX B0|80|14|C0|", "REFRESH", "COMMANDS on", "COMMANDS on",
                                 "TX 00 04 80", "WAIT 400", "RX B0|80|14|C0|", "REFRESH"}));
}

TEST_F(VehicleExchangeTest, TheBasicPageWaits1600BeforeEachEntryAndRetriesItsRead) {
    Start(1, VehicleBasicModel());
    pageHooks->values[1001].index = 2;  // "2B" = 2
    pageHooks->values[1002].index = 3;  // "2C" = 6
    Answer(kAcknowledge);               // "2C", sent first
    NoAnswer();                         // "2B"
    NoAnswer();                         // the read-back's first call
    Answer({0xB0, 0x2B, 0x02, 0xC0, 0xB0, 0x2C, 0x06, 0xC0});

    EXPECT_EQ(0, WriteAllFields(session, VehicleBasicModel(), *pageHooks));
    EXPECT_EQ(Recorded(), (Lines{"QUEUE FULL", "COMMANDS off", "WAIT 1600",
                                 "TX 2C 06",   "WAIT 400",     "RX 6|",
                                 "WAIT 400",   "TX 05 18",     "WAIT 800",
                                 "TX 05 18",   "WAIT 800",     "TX 05 18",
                                 "WAIT 800",   "WAIT 600",     "WAIT 1600",
                                 "TX 2B 02",   "WAIT 400",     "RX -",
                                 "WAIT 400",   "WAIT 600",     "COMMANDS off",
                                 "WAIT 500",   "TX 09 00",     "WAIT 500",
                                 "RX -",       "WAIT 400",     "RX B0|2B|2|C0|B0|2C|6|C0|",
                                 "REFRESH",    "COMMANDS on",  "COMMANDS on"}));
}

}  // namespace
