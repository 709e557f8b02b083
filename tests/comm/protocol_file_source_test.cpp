// With "Arquivo" selected reads come from the configuration file and page
// writes do not reach the ECU; the monitor's step write still does.

#include <QFile>

#include "protocol_fixture.h"
#include "protocol_store_text.h"

namespace {

class FileSourceTest : public EcuLinkTest {
  protected:
    void SetUp() override {
        session.configFilePath = QDir(dumpDir.path()).filePath("cliente.Q7100").toStdString();
        QFile file(QString::fromStdString(session.configFilePath));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "[Q7100]\r\nClientes=Oficina\r\n"
            "[CONFIG_Q7100]\r\n15=58\r\n20=1\r\n21=A\r\n26=B\r\n27=B8\r\n3D=14\r\n"
            "[CONFIG_Q5100]\r\n20=0\r\n21=5\r\n");
        file.close();
        session.sourceIsFile = true;
    }
};

}  // namespace

TEST_F(FileSourceTest, PageWriteDoesNothingOnTheLink) {
    Connect(0);
    hooks.writes = {{"21", "B"}};
    EXPECT_EQ(WritePendingRegisters(session, "FULL", TimingFor(EcuCaller::AuxPage), hooks), 0);
    EXPECT_TRUE(Recorded().empty());
    EXPECT_TRUE(script->Written().empty());
}

TEST_F(FileSourceTest, FullReadTakesThePagesRegistersTheFileHas) {
    Connect(0);
    EXPECT_EQ(ReadRegisters(session, "FULL", fileStore, TimingFor(EcuCaller::AuxPage), hooks), 0);
    EXPECT_EQ(Recorded(), (Lines{"REFRESH"}));
    EXPECT_EQ(StoredText(fileStore, "20"), "1");
    EXPECT_EQ(StoredText(fileStore, "27"), "B8");
    EXPECT_EQ(StoredText(fileStore, "16"), "<none>");  // not in the file
    EXPECT_EQ(StoredText(fileStore, "3D"), "<none>");  // not on the page
}

TEST_F(FileSourceTest, Q5100ReadsItsOwnSection) {
    Connect(1);
    ReadRegisters(session, "FULL", fileStore, TimingFor(EcuCaller::AuxBasicPage), hooks);
    EXPECT_EQ(StoredText(fileStore, "20"), "0");
    EXPECT_EQ(StoredText(fileStore, "21"), "5");
    EXPECT_EQ(StoredText(fileStore, "27"), "<none>");
}

TEST_F(FileSourceTest, SingleRegisterMissingFromTheFileFailsWithoutRefresh) {
    Connect(0);
    EXPECT_EQ(ReadRegisters(session, "16", fileStore, TimingFor(EcuCaller::AuxPage), hooks), 1);
    EXPECT_TRUE(Recorded().empty());

    EXPECT_EQ(ReadRegisters(session, "21", fileStore, TimingFor(EcuCaller::AuxPage), hooks), 0);
    EXPECT_EQ(StoredText(fileStore, "21"), "A");
    EXPECT_EQ(Recorded(), (Lines{"REFRESH"}));
}

TEST_F(FileSourceTest, CustomerPageReadsTheEcuWhateverTheSource) {
    Connect(0);
    Answer({0xB0, 0x1E, 0x24, 0xC0});
    ReadRegistersWithRetry(session, "FULL", TimingFor(EcuCaller::CustomerPage), hooks);
    EXPECT_EQ(StoredText(equipmentStore, "1E"), "24");
    EXPECT_EQ(Recorded(), (Lines{"COMMANDS off", "TX 00 04 00", "WAIT 400", "RX B0|1E|24|C0|",
                                 "REFRESH", "COMMANDS on"}));
}

TEST_F(FileSourceTest, MonitorStepWriteReachesTheEcuAndReadsBackFromTheFile) {
    Connect(0);
    hooks.writes = {{"3D", "14"}};
    Answer({0xB0, 0x3D, 0x14, 0xC0});
    WritePendingRegisters(session, "3D", TimingFor(EcuCaller::MonitorStepWrite), hooks);
    EXPECT_EQ(
        Recorded(),
        (Lines{"QUEUE 3D", "COMMANDS off", "TX 00 3D 14", "WAIT 400", "RX B0|3D|14|C0|", "WAIT 400",
               "TX 00 05 18", "WAIT 400", "TX 00 05 18", "WAIT 400", "TX 00 05 18", "WAIT 400",
               "WAIT 500", "COMMANDS off", "WAIT 500", "REFRESH", "COMMANDS on", "COMMANDS on"}));
    EXPECT_EQ(StoredText(fileStore, "3D"), "14");
}
