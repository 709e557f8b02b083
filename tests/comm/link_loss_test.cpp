// When the ECU link counts as lost, how it is opened again, and which
// adapter a port number follows across a re-plug.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>

#include "comm/adapter_identity.h"
#include "comm/port_names.h"
#include "tests/comm/protocol_fixture.h"

namespace {

const std::vector<uint8_t> kOneRegister = {0xB0, 0x20, 0x01, 0xC0};

class LinkLossTest : public EcuLinkTest {
  protected:
    int ReadBack() {
        return ReadRegistersWithRetry(session, "FULL", TimingFor(EcuCaller::AuxPage), hooks);
    }
    bool Messaged() const {
        for (const std::string& line : Recorded())
            if (line.rfind("MESSAGE", 0) == 0) return true;
        return false;
    }
};

// An ECU that never answered is the wrong port or an ECU switched off: the
// pages say "Erro na leitura" as always. One that answered and then stays
// silent for three due answers is a lost link: no message, the page stays.
TEST_F(LinkLossTest, SilenceIsALostLinkOnlyAfterTheEcuHasAnswered) {
    Connect(1);
    EXPECT_EQ(ReadBack(), kReadFailedResult);
    EXPECT_TRUE(Messaged());
    EXPECT_FALSE(port.Health().Lost());

    Connect(1);
    Answer(kOneRegister);
    ASSERT_EQ(ReadBack(), 0);
    EXPECT_EQ(ReadBack(), kLinkLostResult);
    EXPECT_FALSE(Messaged());
    EXPECT_TRUE(port.Health().Lost());
    EXPECT_EQ(port.Health().Losses(), 1u);
}

TEST_F(LinkLossTest, AMissedAnswerCountsOnlyWhereOneIsDue) {
    Connect(1);
    Answer(kOneRegister);
    ASSERT_EQ(ReadBack(), 0);
    // Two due answers missed, then one comes: not lost.
    ASSERT_EQ(ReadRegisters(session, "FULL", equipmentStore, TimingFor(EcuCaller::AuxPage), hooks), 1);
    ASSERT_EQ(ReadRegisters(session, "FULL", equipmentStore, TimingFor(EcuCaller::AuxPage), hooks), 1);
    Answer(kOneRegister);
    ASSERT_EQ(ReadRegisters(session, "FULL", equipmentStore, TimingFor(EcuCaller::AuxPage), hooks), 0);
    ASSERT_EQ(ReadRegisters(session, "FULL", equipmentStore, TimingFor(EcuCaller::AuxPage), hooks), 1);
    EXPECT_FALSE(port.Health().Lost());
    // A write the row confirms whatever came expects no answer.
    hooks.writes = {{"20", "1"}, {"21", "2"}, {"26", "3"}};
    NoAnswer();
    NoAnswer();
    NoAnswer();
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
    port.Health().DeviceFailed();
    pending.Append("20", "1");
    transcript->Clear();
    ASSERT_TRUE(ReopenEcuLink(session));
    EXPECT_EQ(pending.Count, 1u);
    EXPECT_EQ(openedNames.back(), "COM1");
    EXPECT_TRUE(port.Health().Lost()) << "the port is open, the ECU has not answered";
    EXPECT_EQ(ProbeEcu(session, TimingFor(EcuCaller::CustomerPage)), 1);
    EXPECT_TRUE(port.Health().Lost());
    Answer(kOneRegister);
    EXPECT_EQ(ProbeEcu(session, TimingFor(EcuCaller::CustomerPage)), 0);
    EXPECT_FALSE(port.Health().Lost());
    // The Q7100's line: 38400 baud, the port opened again for it.
    EXPECT_EQ(script->Settings().baudRate, 38400u);
    port.ClosePort();
    EXPECT_FALSE(port.Health().PortOpen());
}

// A USB adapter that comes back under another ttyUSB number is found by its
// serial/by-id name; another adapter that took its old number is not it.
TEST(AdapterIdentityTest, APortNumberFollowsItsAdapterAcrossARePlug) {
    QTemporaryDir dev;
    const std::string root = dev.path().toStdString();
    namespace fs = std::filesystem;
    fs::create_directories(root + "/serial/by-id");
    const auto touch = [&](const std::string& name) { QFile(QString::fromStdString(root + "/" + name)).open(QIODevice::WriteOnly); };
    const std::string byId = root + "/serial/by-id/usb-Maker_Adapter_A1-if00-port0";
    touch("ttyUSB0");
    fs::create_symlink("../../ttyUSB0", byId);
    SetDeviceFolder(root);

    EXPECT_EQ(ByIdName(root + "/ttyUSB0"), byId);
    EXPECT_EQ(ResolveAdapter(21), root + "/ttyUSB0");
    // Pulled out and back as ttyUSB3.
    fs::remove(root + "/ttyUSB0");
    fs::remove(byId);
    touch("ttyUSB3");
    fs::create_symlink("../../ttyUSB3", byId);
    EXPECT_EQ(ResolveAdapter(21), fs::canonical(root + "/ttyUSB3").string());
    // Pulled out again while a stranger takes ttyUSB0: COM21 waits for its own.
    fs::remove(root + "/ttyUSB3");
    fs::remove(byId);
    touch("ttyUSB0");
    EXPECT_EQ(ResolveAdapter(21), "");
    // A new device folder forgets the adapters.
    SetDeviceFolder(root);
    EXPECT_EQ(ResolveAdapter(21), root + "/ttyUSB0");
    SetDeviceFolder("");
}

}  // namespace
