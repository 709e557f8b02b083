// The full lambda page on the line: its set-up snapshot, the live view's
// poll, the pause before a new signal type, and the signal-type group sent
// last-queued first.

#include "app/parameter_table.h"
#include "comm/ecu_protocol.h"
#include "data/store_text.h"
#include "pages/lambda_page_model.h"
#include "pages/page_exchanges.h"
#include "tests/comm/protocol_fixture.h"

namespace {

class LambdaTranscriptTest : public EcuLinkTest {};

TEST_F(LambdaTranscriptTest, SetUpTakesAStreamSnapshotThenReadsTheInjectionTimeAlone) {
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
    std::string value;
    ASSERT_TRUE(StoreValueText(monitorStore, "1E", &value));
    EXPECT_EQ(value, "32");
    EXPECT_FALSE(StoreValueText(equipmentStore, "1E", &value));
    EXPECT_FALSE(StoreValueText(equipmentStore, "79", &value));
    EXPECT_FALSE(StoreValueText(monitorStore, "79", &value));
}

TEST_F(LambdaTranscriptTest, LiveViewWaitsThenStoresTheStreamAndATypeChangePausesIt) {
    Connect(0);
    Answer({0xB0, 0x28, 0x52, 0x99, 0xC0, 0xB0, 0x81, 0x7D, 0x00, 0xC0});
    EXPECT_EQ(LambdaLiveViewPoll(session), kPollOk);
    LambdaSignalChangePause(session);
    EXPECT_EQ(Recorded(),
              (Lines{"WAIT 100", "RX B0|28|52|99|C0|B0|81|7D|0|C0|", "TX 00 07 00", "WAIT 10",
                     "TX 00 07 00", "WAIT 10", "TX 00 07 00", "WAIT 10", "WAIT 800", "WAIT 500"}));
    std::string value;
    ASSERT_TRUE(StoreValueText(monitorStore, "81", &value));
    EXPECT_EQ(value, "7D");
}

// The page's queue from the model, as a write pass asks for it.
class GroupHooks : public RecordingHooks {
  public:
    GroupHooks(std::shared_ptr<Transcript> transcript, CRX4DATA& reference)
        : RecordingHooks(std::move(transcript)), reference_(reference) {}
    void QueueWritesForKey(const char* key, PendingWrites& pending) override {
        RecordingHooks::QueueWritesForKey(key, pending);
        model.QueueWrites(key, values, reference_, pending);
    }
    LambdaPageModel model;
    FieldValues values;

  private:
    CRX4DATA& reference_;
};

std::vector<std::vector<uint8_t>> WriteFrames(const std::vector<std::vector<uint8_t>>& written) {
    std::vector<std::vector<uint8_t>> frames;
    for (const auto& frame : written)
        if (frame.size() == 3 && frame[0] == 0 && (frame[1] == 0x60 || frame[1] == 0x78))
            frames.push_back(frame);
    return frames;
}

TEST_F(LambdaTranscriptTest, SignalGroupGoesOutLastQueuedFirstAndReadsAllBack) {
    FillParameterTable(0);
    Connect(0);
    GroupHooks page(transcript, equipmentStore);
    page.values[kLambdaSignalType].index = kSignalOpen;
    WriteOneField(session, page.model, "60_78", page);
    EXPECT_EQ(WriteFrames(script->Written()),
              (std::vector<std::vector<uint8_t>>{{0x00, 0x78, 0x00}, {0x00, 0x60, 0x01}}));
    EXPECT_EQ(script->Written().back(), (std::vector<uint8_t>{0x00, 0x04, 0x00}));

    Connect(0);
    page.values[kLambdaSignalType].index = kSignalReal;
    page.values[kLambdaMode].index = kModeManual;
    const size_t before = script->Written().size();
    WriteOneField(session, page.model, "60_78", page);
    const std::vector<std::vector<uint8_t>> all = script->Written();
    const std::vector<std::vector<uint8_t>> written(all.begin() + static_cast<long>(before),
                                                    all.end());
    EXPECT_EQ(WriteFrames(written),
              (std::vector<std::vector<uint8_t>>{{0x00, 0x60, 0x00}, {0x00, 0x78, 0x02}}));
}

}  // namespace
