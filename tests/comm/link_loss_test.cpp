// When the ECU link counts as lost, how it is opened again, which adapter a
// port number follows across a re-plug, and a cable pulled mid-pass on the
// simulated ECU, in virtual time.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>

#include "comm/adapter_identity.h"
#include "comm/hex_text.h"
#include "comm/port_names.h"
#include "sim/forwarding_device.h"
#include "sim/register_image.h"
#include "sim/sim_device.h"
#include "tests/comm/protocol_fixture.h"
#include "tests/comm/protocol_store_text.h"

namespace {

const std::vector<uint8_t> kOneRegister = {0xB0, 0x20, 0x01, 0xC0};

class LinkLossTest : public EcuLinkTest {
  protected:
    int ReadBack() {
        return ReadRegistersWithRetry(session, "FULL", TimingFor(EcuCaller::AuxPage), hooks);
    }
    bool Messaged() const {
        const Lines lines = Recorded();
        return std::any_of(lines.begin(), lines.end(), [](auto& l) { return l.rfind("MESSAGE", 0) == 0; });
    }
};

// An ECU that never answered is the wrong port or an ECU switched off: the
// pages say "Erro na leitura" as always. One that answered and then stays
// silent for three due answers is a lost link: no message, the page stays.
TEST_F(LinkLossTest, SilenceIsALostLinkOnlyAfterTheEcuHasAnswered) {
    Connect(1);
    EXPECT_EQ(ReadBack(), kReadFailedResult);
    EXPECT_TRUE(Messaged() && !port.Health().Lost());

    Connect(1);
    Answer(kOneRegister);
    ASSERT_EQ(ReadBack(), 0);
    EXPECT_EQ(ReadBack(), kLinkLostResult);
    EXPECT_TRUE(!Messaged() && port.Health().Lost() && port.Health().Losses() == 1u);
}

TEST_F(LinkLossTest, AMissedAnswerCountsOnlyWhereOneIsDue) {
    Connect(1);
    Answer(kOneRegister);
    ASSERT_EQ(ReadBack(), 0);
    // Two due answers missed, then one comes, then one missed: not lost.
    for (const bool answered : {false, false, true, false}) {
        answered ? Answer(kOneRegister) : NoAnswer();
        ASSERT_EQ(ReadRegisters(session, "FULL", equipmentStore, TimingFor(EcuCaller::AuxPage), hooks), answered ? 0 : 1);
    }
    EXPECT_FALSE(port.Health().Lost());
    // A write the row confirms whatever came expects no answer.
    hooks.writes = {{"20", "1"}, {"21", "2"}, {"26", "3"}};
    for (int i = 0; i < 3; ++i) NoAnswer();
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
    EXPECT_TRUE(ProbeEcu(session, TimingFor(EcuCaller::CustomerPage)) == 1 && port.Health().Lost());
    Answer(kOneRegister);
    EXPECT_TRUE(ProbeEcu(session, TimingFor(EcuCaller::CustomerPage)) == 0 && !port.Health().Lost());
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

// The simulated Q7100 goes silent after the read-all, the first write and its confirm frames.
TEST_F(LinkLossTest, APulledCableMidPassEndsThePassAndKeepsWhatWasNotConfirmed) {
    EcuOptions options;
    options.faults.linkDropAfterFrames = 5;
    auto ecu = std::make_shared<SimulatedEcuDevice>(virtualClock, EcuVariant::Q7100, options);
    port.SetDeviceFactory([ecu](const std::string&) { return MakeForwardingDevice(ecu); });
    OpenEcuLink(session);
    for (const auto& [reg, value] : FactoryRegisterImage(EcuVariant::Q7100))  // the page needs them all
        hooks.requiredRegisters.push_back(IntToHexText(reg));
    ASSERT_EQ(ReadRegisters(session, "FULL", equipmentStore, TimingFor(EcuCaller::AuxPage), hooks), 0);
    hooks.writes = {{"21", "A"}, {"20", "1"}, {"26", "3"}};
    const int64_t before = clock.NowMs();
    EXPECT_EQ(WritePendingRegisters(session, "FULL", TimingFor(EcuCaller::AuxPage), hooks),
              kLinkLostResult);
    EXPECT_EQ(pending.Count, 0u);
    EXPECT_LT(clock.NowMs() - before, 10000) << "the pass stops instead of retrying reads";
    EXPECT_FALSE(Messaged()) << "a lost link is no read failure";
    const WritePassReport& report = pending.LastPass;
    ASSERT_TRUE(report.interrupted && report.row == &TimingFor(EcuCaller::AuxPage));
    // The last queued goes first: "26" was answered and confirmed before the
    // ECU went silent; "20" and "21" went out unanswered, and the read-back's
    // first try was the third due answer missing.
    ASSERT_TRUE(report.confirmed.size() == 1u && report.notConfirmed.size() == 2u);
    EXPECT_EQ(std::string(report.confirmed[0].Register) + report.notConfirmed[0].Register +
                  report.notConfirmed[1].Register, "262021");
    EXPECT_TRUE(port.Health().Lost());
}

}  // namespace
