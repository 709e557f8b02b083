// The protocol through the real QSerialPort path: a worker thread, the real
// clock, and the simulator program on a pseudo-terminal as COM6. Each model
// reads all registers and writes one.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "comm/clock.h"
#include "comm/crx4comm.h"
#include "comm/ecu_protocol.h"
#include "comm/ecu_worker.h"
#include "comm/hex_text.h"
#include "comm/pending_writes.h"
#include "data/crx4data.h"
#include "data/crx4file.h"
#include "data/diagnostic_dump.h"
#include "data/store_text.h"
#include "tests/e2e/simulator_process.h"
#include "tests/ui/ui_test_support.h"

namespace {

class NoPage : public PageHooks {
public:
    int RefreshFromStore(CRX4DATA& store) override {
        std::string value;
        return StoreValueText(store, "1E", &value) && StoreValueText(store, "1F", &value) ? 0 : 1;
    }
    void SetCommandsEnabled(bool) override {}
    void QueueWritesForKey(const char*, PendingWrites& pending) override { pending.Append("21", "2A"); }
    void ShowMessage(const char* text, const char*, MessageIcon) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

class SerialLinkTest : public ::testing::TestWithParam<int> {};

TEST_P(SerialLinkTest, ReadsEveryRegisterAndWritesOneThroughAPseudoTerminal) {
    const int model = GetParam();
    const char* names[] = {"q7100", "q5100", "q5100plus"};
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SimulatorProcess sim(dir.filePath("ports"), 6, QString::fromLatin1(names[model]), dir.filePath("sim.log"));
    ASSERT_TRUE(sim.Started());
    qputenv("ZANO_PORTS_DIR", dir.filePath("ports").toUtf8());
    SetDumpFolder(dir.path().toStdString());

    RealClock clock;
    CRX4COMM port;
    CRX4DATA equipment, file, monitor;
    PendingWrites pending;
    CRX4FILE dump;
    EcuSession session{port, clock, equipment, file, monitor, pending, dump, model, false, ""};
    NoPage page;
    int readResult = -1, writeResult = -1;
    {
        EcuWorker worker(session);
        worker.Post(
            [&](EcuSession& s) {
                s.port.SetPortNumber(6);
                s.port.OpenPort();
                OpenEcuLink(s);
                readResult = ReadRegisters(s, "FULL", s.equipmentStore, TimingFor(EcuCaller::CustomerPage), page);
                writeResult = WritePendingRegisters(s, "21", TimingFor(EcuCaller::AuxPage), page);
                s.port.ClosePort();
                return 0;
            },
            nullptr);
        ASSERT_TRUE(WaitUntil([&] { return writeResult != -1; }, 30000));
    }
    qunsetenv("ZANO_PORTS_DIR");
    SetDumpFolder("");

    EXPECT_EQ(0, readResult);
    EXPECT_EQ(0, writeResult);
    EXPECT_TRUE(page.messages.empty());
    std::string value;
    ASSERT_TRUE(StoreValueText(equipment, "21", &value));
    EXPECT_EQ("2A", value) << "the read-back shows the written value";
    sim.Stop();
    const auto image = sim.RegisterImage();
    ASSERT_NE(image.end(), image.find("21"));
    EXPECT_EQ(0x2Au, HexTextToInt(image.at("21").c_str())) << "the ECU holds it";
    EXPECT_EQ(image.size(), equipment.GetQtyUsed());
}

INSTANTIATE_TEST_SUITE_P(Models, SerialLinkTest, ::testing::Values(0, 1, 2));

}  // namespace
