// Reading registers: the read frames of each model, the caller's waits and
// retries, the diagnostic dump and the retrying read's failure message.

#include <QFile>
#include <algorithm>

#include "data/port_setting.h"
#include "protocol_fixture.h"
#include "protocol_store_text.h"

namespace {

struct ReadFrameCase {
    int modelIndex;
    const char* key;
    const char* frame;
};

class ReadFrameTest : public EcuLinkTest, public ::testing::WithParamInterface<ReadFrameCase> {};

}  // namespace

TEST_P(ReadFrameTest, SendsTheModelsReadCommandAndStoresTheAnswer) {
    const ReadFrameCase& c = GetParam();
    Connect(c.modelIndex);
    Answer({0xB0, 0x2B, 0x04, 0xC0});

    EXPECT_EQ(
        ReadRegisters(session, c.key, equipmentStore, TimingFor(EcuCaller::CustomerPage), hooks),
        0);
    EXPECT_EQ(Recorded(), (Lines{c.frame, "WAIT 400", "RX B0|2B|4|C0|", "REFRESH"}));
    EXPECT_EQ(StoredText(equipmentStore, "2B"), "4");
}

INSTANTIATE_TEST_SUITE_P(AllModels, ReadFrameTest,
                         ::testing::Values(ReadFrameCase{0, "FULL", "TX 00 04 00"},
                                           ReadFrameCase{1, "FULL", "TX 09 00"},
                                           ReadFrameCase{2, "FULL", "TX 00 06 00"},
                                           ReadFrameCase{0, "2B", "TX 00 04 2B"},
                                           ReadFrameCase{1, "2B", "TX 09 2B"},
                                           ReadFrameCase{2, "2B", "TX 00 06 2B"}));

TEST_F(EcuLinkTest, FailedReadPortCallsAreRetriedAfterTheRetryWait) {
    Connect(1);
    NoAnswer();
    NoAnswer();
    Answer({0xB0, 0x20, 0x01, 0xC0});

    EXPECT_EQ(
        ReadRegisters(session, "20", equipmentStore, TimingFor(EcuCaller::AuxBasicPage), hooks), 0);
    EXPECT_EQ(Recorded(), (Lines{"TX 09 20", "WAIT 500", "RX -", "WAIT 400", "RX -", "WAIT 400",
                                 "RX B0|20|1|C0|", "REFRESH"}));
}

TEST_F(EcuLinkTest, ReadFailsAfterTheLastCallWithoutFurtherWait) {
    Connect(0);
    EXPECT_EQ(ReadRegisters(session, "FULL", equipmentStore, TimingFor(EcuCaller::AuxPage), hooks),
              1);
    EXPECT_EQ(Recorded(),
              (Lines{"TX 00 04 00", "WAIT 400", "RX -", "WAIT 100", "RX -", "WAIT 100", "RX -"}));
}

TEST_F(EcuLinkTest, AnswerMissingAPageRegisterFailsTheRead) {
    Connect(1);
    hooks.requiredRegisters = {"1E", "1F"};
    Answer({0xB0, 0x1E, 0x24, 0xC0});
    EXPECT_EQ(
        ReadRegisters(session, "FULL", equipmentStore, TimingFor(EcuCaller::CustomerPage), hooks),
        1);
}

TEST_F(EcuLinkTest, AnswerStartingWithZeroByteStoresNothingButCountsAsAnswer) {
    Connect(1);
    Answer({0x00, 0xB0, 0x1E, 0x24, 0xC0});
    EXPECT_EQ(ReadRegisters(session, "FULL", equipmentStore, TimingFor(EcuCaller::VehicleBasicPage),
                            hooks),
              0);
    EXPECT_EQ(equipmentStore.GetQtyUsed(), 0u);
    EXPECT_EQ(Recorded(), (Lines{"TX 09 00", "WAIT 500", "RX 0|B0|1E|24|C0|", "REFRESH"}));
}

TEST_F(EcuLinkTest, VehiclePageRefreshesFromEquipmentStoreWhateverStoreItReads) {
    Connect(0);
    equipmentStore.Add("2C", "4");
    hooks.requiredRegisters = {"2C"};
    Answer({0xB0, 0x10, 0x01, 0xC0});
    EXPECT_EQ(ReadRegisters(session, "10", fileStore, TimingFor(EcuCaller::VehiclePage), hooks), 0);
    EXPECT_EQ(StoredText(fileStore, "10"), "1");
    EXPECT_EQ(StoredText(equipmentStore, "10"), "<none>");
}

TEST_F(EcuLinkTest, DumpIsWrittenOnlyWhereTheCallersRowAsks) {
    const QString q5100Dump = QDir(dumpDir.path()).filePath("novoQ5100.txt");
    const QString q7100Dump = QDir(dumpDir.path()).filePath("novoQ7100.txt");

    Connect(0);
    Answer({0xB0, 0x3D, 0x0A, 0xC0});
    ReadRegisters(session, "FULL", equipmentStore, TimingFor(EcuCaller::ActuatorPage), hooks);
    EXPECT_FALSE(QFile::exists(q7100Dump));  // actuator page: Q5100 only

    Connect(1);
    Answer({0xB0, 0x3D, 0x0A, 0xC0});
    ReadRegisters(session, "FULL", equipmentStore, TimingFor(EcuCaller::ActuatorPage), hooks);
    QFile dump(q5100Dump);
    ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
    EXPECT_EQ(dump.readAll(), QByteArray("000000=|3D|-1|A|\r\n"));
}

TEST_F(EcuLinkTest, ThreeFailedReadsShowTheMessageOnceAndGiveReadFailed) {
    Connect(0);
    EXPECT_EQ(ReadRegistersWithRetry(session, "FULL", TimingFor(EcuCaller::VehiclePage), hooks),
              kReadFailedResult);
    EXPECT_EQ(Recorded(),
              (Lines{"COMMANDS off", "WAIT 500", "TX 00 04 00", "WAIT 400", "RX -", "TX 00 04 00",
                     "WAIT 400", "RX -", "TX 00 04 00", "WAIT 400", "RX -",
                     "MESSAGE Erro na leitura dos parâmetros !!!", "COMMANDS on"}));
}

TEST_F(EcuLinkTest, OpenEcuLinkTakesThePortFromSettingsAndSetsTheModelsLine) {
    SetSettingsFilePath(QDir(dumpDir.path()).filePath("ZANO.INI").toStdString());
    int com = 3;
    PortSetting("Q7100", &com, "SET");

    session.modelIndex = 0;
    pending.Append("21", "A");
    OpenEcuLink(session);
    SetSettingsFilePath("");

    EXPECT_EQ(pending.Count, 0u);
    EXPECT_EQ(openedNames, (std::vector<std::string>{"COM3", "COM3"}));
    EXPECT_EQ(port.GetPortBaudRate(), 38400u);
    EXPECT_EQ(port.GetPortDtaBit(), 8);
    EXPECT_EQ(port.GetPortParity(), 0);
    EXPECT_EQ(port.GetPortStopBit(), 0);
    EXPECT_EQ(port.Timeouts().readInterval, 0xFFFFFFFFu);
    EXPECT_EQ(port.Timeouts().writeTotalConstant, 5000u);
}

TEST_F(EcuLinkTest, OpenEcuLinkOnQ5100FallsBackToPort1AndOpensOnce) {
    SetSettingsFilePath(QDir(dumpDir.path()).filePath("ZANO.INI").toStdString());
    session.modelIndex = 1;
    OpenEcuLink(session);
    SetSettingsFilePath("");

    EXPECT_EQ(openedNames, (std::vector<std::string>{"COM1"}));
    EXPECT_EQ(port.GetPortBaudRate(), 9600u);
}
