// When the ECU link counts as lost, how it is opened again, and which
// adapter a port number follows across a re-plug; then what the protocol
// makes of the simulated ECU's timing and faults, in virtual time: answers
// just inside and just outside a wait, a flood, a pulled cable. (Silence, a
// missing register, a leading zero and garbage: the transcript and grammar
// tests, byte for byte; the faults themselves: tests/sim.)
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>

#include "comm/adapter_identity.h"
#include "comm/ecu_frames.h"
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


class SimFaultTest : public EcuLinkTest {
  protected:
    void Start(EcuOptions options) {
        ecu = std::make_shared<SimulatedEcuDevice>(virtualClock, EcuVariant::Q7100, options);
        port.SetDeviceFactory([this](const std::string&) { return MakeForwardingDevice(ecu); });
        OpenEcuLink(session);
        hooks.requiredRegisters.clear();  // the page needs every register the ECU has
        for (const auto& [reg, value] : FactoryRegisterImage(EcuVariant::Q7100))
            hooks.requiredRegisters.push_back(IntToHexText(reg));
    }
    int ReadAll(EcuCaller caller) {
        equipmentStore.Zeradora();
        return ReadRegisters(session, "FULL", equipmentStore, TimingFor(caller), hooks);
    }

    std::shared_ptr<SimulatedEcuDevice> ecu;
};

// How long after the read-all frame the whole answer has arrived, with no
// fault: the line time of the answer plus the ECU's own delay.
int64_t ReadAllCompleteMs() {
    VirtualClock clock;
    SimulatedEcuDevice probe(clock, EcuVariant::Q7100);
    LineSettings line;
    line.baudRate = 38400;
    probe.Open(), probe.SetLineSettings(line);
    const EcuFrame frame = ReadAllCommand(0);
    probe.Write(frame.Bytes, frame.Size, 5000);
    size_t received = 0;
    uint8_t buffer[4096];
    while (received < FactoryRegisterImage(EcuVariant::Q7100).size() * 4 && clock.NowMs() < 5000) {
        clock.Advance(1);
        received += static_cast<size_t>(probe.Read(buffer, sizeof buffer));
    }
    return clock.NowMs();
}

TEST_F(SimFaultTest, AnAnswerCompleteAtTheEndOfTheWaitIsReadOneMillisecondLaterIsNot) {
    const int64_t complete = ReadAllCompleteMs();
    ASSERT_LT(complete, 400) << "the whole answer fits in the customer page's wait";
    EcuOptions options;
    options.faults.extraDelayMs = static_cast<int>(400 - complete);
    Start(options);
    EXPECT_EQ(ReadAll(EcuCaller::CustomerPage), 0);

    options.faults.extraDelayMs += 1;
    Start(options);
    EXPECT_EQ(ReadAll(EcuCaller::CustomerPage), 1) << "the last group is still on the line";
    EXPECT_GT(equipmentStore.GetQtyUsed(), 0u);

    // The aux page's retry picks up what its first wait missed.
    options.faults.extraDelayMs = 420;
    Start(options);
    const int64_t before = clock.NowMs();
    EXPECT_EQ(ReadAll(EcuCaller::AuxPage), 0);
    EXPECT_EQ(clock.NowMs() - before, 400 + 100) << "first wait, one failed call, one retry wait";
}

TEST_F(SimFaultTest, AFloodThatFillsTheReadBufferFailsTheReadAndStoresNothing) {
    EcuOptions options;
    options.faults.hugeAnswer = true;
    Start(options);
    EXPECT_EQ(ReadAll(EcuCaller::CustomerPage), 1);
    EXPECT_EQ(equipmentStore.GetQtyUsed(), 0u);
}

TEST_F(SimFaultTest, APulledCableMidPassEndsThePassAndKeepsWhatWasNotConfirmed) {
    EcuOptions options;
    options.faults.linkDropAfterFrames = 5;  // the read-all, the first write and its confirm frames
    Start(options);
    ASSERT_EQ(ReadAll(EcuCaller::AuxPage), 0);
    hooks.writes = {{"21", "A"}, {"20", "1"}, {"26", "3"}};
    const int64_t before = clock.NowMs();
    EXPECT_EQ(WritePendingRegisters(session, "FULL", TimingFor(EcuCaller::AuxPage), hooks),
              kLinkLostResult);
    EXPECT_EQ(pending.Count, 0u);
    EXPECT_LT(clock.NowMs() - before, 10000) << "the pass stops instead of retrying reads";
    for (const std::string& line : Recorded())
        EXPECT_EQ(line.find("MESSAGE"), std::string::npos) << "a lost link is no read failure";
    const WritePassReport& report = pending.LastPass;
    ASSERT_TRUE(report.interrupted);
    EXPECT_EQ(report.row, &TimingFor(EcuCaller::AuxPage));
    // The last queued goes first: "26" was answered and confirmed before the
    // ECU went silent; "20" and "21" went out unanswered, and the read-back's
    // first try was the third due answer missing.
    ASSERT_EQ(report.confirmed.size(), 1u);
    EXPECT_STREQ(report.confirmed[0].Register, "26");
    ASSERT_EQ(report.notConfirmed.size(), 2u);
    EXPECT_STREQ(report.notConfirmed[0].Register, "20");
    EXPECT_STREQ(report.notConfirmed[1].Register, "21");
    EXPECT_TRUE(port.Health().Lost());
}

}  // namespace
