// The auxiliary pages' write passes on the line, with what the page models
// queue: the Q5100's slow pass with confirm frames in every case and its
// dump, the other models' short pass that confirms only after an answer.

#include <QFile>

#include "app/parameter_table.h"
#include "pages/aux_page_model.h"
#include "pages/page_exchanges.h"
#include "tests/comm/protocol_fixture.h"

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

class AuxTranscriptTest : public EcuLinkTest {
  protected:
    void Store(std::initializer_list<std::pair<const char*, const char*>> registers) {
        for (const auto& [reg, value] : registers) equipmentStore.Add(reg, value);
    }
};

TEST_F(AuxTranscriptTest, BasicPageSendsThePeriodHighByteFirstConfirmsAlwaysAndDumps) {
    FillParameterTable(1);
    Connect(1);
    Store({{"2B", "2"}, {"2C", "4"}});
    AuxBasicPageModel model;
    ModelHooks page(transcript, model, equipmentStore);
    page.values[kAuxCutOffRpm].text = "3000";
    NoAnswer();
    NoAnswer();
    NoAnswer();
    Answer({0xB0, 0x25, 0x00, 0xC0, 0xB0, 0x26, 0x4E, 0xC0, 0xB0, 0x27, 0x20, 0xC0});

    EXPECT_EQ(WriteOneField(session, model, "26_27", page), 0);
    Lines expected{"QUEUE 26_27", "COMMANDS off"};
    for (const char* frame : {"TX 25 00", "TX 26 4E", "TX 27 20"}) {
        const Lines entry{frame,      "WAIT 400", "RX -",     "TX 05 18", "WAIT 400",
                          "TX 05 18", "WAIT 400", "TX 05 18", "WAIT 400", "WAIT 500"};
        expected.insert(expected.end(), entry.begin(), entry.end());
    }
    const Lines readBack{"COMMANDS off",
                         "WAIT 500",
                         "TX 09 00",
                         "WAIT 500",
                         "RX B0|25|0|C0|B0|26|4E|C0|B0|27|20|C0|",
                         "REFRESH",
                         "COMMANDS on",
                         "COMMANDS on"};
    expected.insert(expected.end(), readBack.begin(), readBack.end());
    EXPECT_EQ(Recorded(), expected);
    EXPECT_TRUE(QFile::exists(dumpDir.filePath("novoQ5100.txt")));
}

TEST_F(AuxTranscriptTest, FullPageSendsTheDelayWithShortWaitsAndConfirmsOnlyAfterAnAnswer) {
    FillParameterTable(0);
    Connect(0);
    Store({{"70", "0"}, {"77", "0"}});
    AuxPageModel model;
    ModelHooks page(transcript, model, equipmentStore);
    page.values[kAuxCutOffDelay].text = "1.50";
    page.values[kAuxOverlap].text = "0.10";
    Answer({0xB0, 0x70, 0x4B, 0xC0});  // "70", queued last, goes first
    NoAnswer();                        // "77": no confirm frames
    Answer({0xB0, 0x70, 0x4B, 0xC0});  // read-back

    // Enter on "70" while "77" waits in the queue from before.
    model.QueueWrites("77", page.values, equipmentStore, pending);
    EXPECT_EQ(WriteOneField(session, model, "70", page), 0);
    EXPECT_EQ(Recorded(), (Lines{"QUEUE 70",        "COMMANDS off", "TX 00 70 4B",     "WAIT 100",
                                 "RX B0|70|4B|C0|", "WAIT 100",     "TX 00 05 18",     "WAIT 100",
                                 "TX 00 05 18",     "WAIT 100",     "TX 00 05 18",     "WAIT 100",
                                 "WAIT 500",        "TX 00 77 0A",  "WAIT 100",        "RX -",
                                 "WAIT 100",        "WAIT 500",     "COMMANDS off",    "WAIT 500",
                                 "TX 00 04 70",     "WAIT 400",     "RX B0|70|4B|C0|", "REFRESH",
                                 "COMMANDS on",     "COMMANDS on"}));
    EXPECT_FALSE(QFile::exists(dumpDir.filePath("novoQ7100.txt")));
}

}  // namespace
