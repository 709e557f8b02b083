// The write pass: write frames of each model, the callers' waits, confirm
// policies and order, and the read-back that follows.

#include <algorithm>

#include "protocol_fixture.h"
#include "protocol_store_text.h"

TEST_F(EcuLinkTest, Q5100WriteSendsTwoByteFramesAndConfirmsAlwaysOnAuxBasicPage) {
    Connect(1);
    hooks.writes = {{"21", "A"}};
    NoAnswer();  // the write frame's answer: confirm frames follow anyway
    Answer({0xB0, 0x21, 0x0A, 0xC0});

    EXPECT_EQ(WritePendingRegisters(session, "21", TimingFor(EcuCaller::AuxBasicPage), hooks), 0);
    EXPECT_EQ(Recorded(),
              (Lines{"QUEUE 21", "COMMANDS off",   "TX 21 0A",     "WAIT 400",    "RX -",
                     "TX 05 18", "WAIT 400",       "TX 05 18",     "WAIT 400",    "TX 05 18",
                     "WAIT 400", "WAIT 500",       "COMMANDS off", "WAIT 500",    "TX 09 21",
                     "WAIT 500", "RX B0|21|A|C0|", "REFRESH",      "COMMANDS on", "COMMANDS on"}));
    EXPECT_EQ(pending.Count, 0u);
}

TEST_F(EcuLinkTest, Q7100WriteConfirmsOnlyAfterAnAnswerOnAuxPage) {
    Connect(0);
    hooks.writes = {{"21", "A"}, {"20", "1"}};
    NoAnswer();                        // "20", sent first: no confirm frames
    Answer({0xB0, 0x21, 0x0A, 0xC0});  // "21"
    Answer({0xB0, 0x21, 0x0A, 0xC0});  // read-back

    EXPECT_EQ(WritePendingRegisters(session, "21", TimingFor(EcuCaller::AuxPage), hooks), 0);
    EXPECT_EQ(Recorded(), (Lines{"QUEUE 21",    "COMMANDS off",   "TX 00 20 01",    "WAIT 100",
                                 "RX -",        "WAIT 100",       "WAIT 500",       "TX 00 21 0A",
                                 "WAIT 100",    "RX B0|21|A|C0|", "WAIT 100",       "TX 00 05 18",
                                 "WAIT 100",    "TX 00 05 18",    "WAIT 100",       "TX 00 05 18",
                                 "WAIT 100",    "WAIT 500",       "COMMANDS off",   "WAIT 500",
                                 "TX 00 04 21", "WAIT 400",       "RX B0|21|A|C0|", "REFRESH",
                                 "COMMANDS on", "COMMANDS on"}));
}

TEST_F(EcuLinkTest, BasicVehiclePageWaits1600BeforeEachEntryAndSpacesConfirmsBy800) {
    Connect(1);
    hooks.writes = {{"2C", "6"}};
    Answer({0xB0, 0x2C, 0x06, 0xC0});
    Answer({0xB0, 0x2C, 0x06, 0xC0});

    EXPECT_EQ(WritePendingRegisters(session, "2C", TimingFor(EcuCaller::VehicleBasicPage), hooks),
              0);
    const Lines lines = Recorded();
    const Lines pass(lines.begin() + 2, lines.begin() + 14);
    EXPECT_EQ(pass,
              (Lines{"WAIT 1600", "TX 2C 06", "WAIT 400", "RX B0|2C|6|C0|", "WAIT 400", "TX 05 18",
                     "WAIT 800", "TX 05 18", "WAIT 800", "TX 05 18", "WAIT 800", "WAIT 600"}));
    EXPECT_EQ(lines[16], "TX 09 2C");
}

TEST_F(EcuLinkTest, FullLambdaPageSendsLastQueuedFirstAndReadsAllAfterGroupKey) {
    Connect(0);
    hooks.writes = {{"60", "01"}, {"78", "00"}};  // "Aberto"
    Answer({0xB0, 0x78, 0x00, 0xC0});
    Answer({0xB0, 0x60, 0x01, 0xC0});
    Answer({0xB0, 0x60, 0x01, 0xC0, 0xB0, 0x78, 0x00, 0xC0});

    WritePendingRegisters(session, "60_78", TimingFor(EcuCaller::LambdaPage), hooks);
    const std::vector<std::vector<uint8_t>> written = script->Written();
    ASSERT_EQ(written.size(), 9u);
    EXPECT_EQ(written[0], (std::vector<uint8_t>{0x00, 0x78, 0x00}));
    EXPECT_EQ(written[4], (std::vector<uint8_t>{0x00, 0x60, 0x01}));
    EXPECT_EQ(written[8], (std::vector<uint8_t>{0x00, 0x04, 0x00}));
}

TEST_F(EcuLinkTest, VehiclePageWritesAllFieldsInQueueOrderWithoutTrailingWait) {
    Connect(0);
    hooks.writes = {{"75", "88"}, {"2C", "6"}};
    NoAnswer();
    NoAnswer();
    Answer({0xB0, 0x2C, 0x06, 0xC0});

    WritePendingRegisters(session, "FULL", TimingFor(EcuCaller::VehiclePage), hooks);
    EXPECT_EQ(Recorded(), (Lines{"QUEUE FULL", "COMMANDS off", "TX 00 75 88", "WAIT 400", "RX -",
                                 "WAIT 400", "TX 00 2C 06", "WAIT 400", "RX -", "WAIT 400",
                                 "COMMANDS off", "WAIT 500", "TX 00 04 00", "WAIT 400",
                                 "RX B0|2C|6|C0|", "REFRESH", "COMMANDS on", "COMMANDS on"}));
}

TEST_F(EcuLinkTest, NothingQueuedStillReadsBack) {
    Connect(2);
    Answer({0xB0, 0x3D, 0x0A, 0xC0});
    WritePendingRegisters(session, "FULL", TimingFor(EcuCaller::ActuatorPage), hooks);
    EXPECT_EQ(Recorded(),
              (Lines{"QUEUE FULL", "COMMANDS off", "COMMANDS off", "WAIT 500", "TX 00 06 00",
                     "WAIT 500", "RX B0|3D|A|C0|", "REFRESH", "COMMANDS on", "COMMANDS on"}));
}

TEST_F(EcuLinkTest, ValueZeroIsSentAsByteZero) {
    Connect(1);
    hooks.writes = {{"20", "0"}};
    WritePendingRegisters(session, "20", TimingFor(EcuCaller::AuxBasicPage), hooks);
    EXPECT_EQ(script->Written().front(), (std::vector<uint8_t>{0x20, 0x00}));
}

TEST_F(EcuLinkTest, FailedReadBackOfAWritePassGivesReadFailed) {
    Connect(1);
    hooks.writes = {{"3D", "14"}};
    EXPECT_EQ(WritePendingRegisters(session, "3D", TimingFor(EcuCaller::ActuatorPage), hooks),
              kReadFailedResult);
    const Lines lines = Recorded();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "MESSAGE Erro na leitura dos parâmetros !!!"),
              1);
}
