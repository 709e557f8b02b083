// The protocol through the real serial path: a worker thread, the real clock,
// QSerialPort, and the simulator program on a pseudo-terminal registered as
// COM6. Each model reads all registers and writes one.
#include <QElapsedTimer>
#include <QFileInfo>

#include "comm/ecu_worker.h"
#include "comm/hex_text.h"
#include "tests/comm/protocol_fixture.h"
#include "tests/e2e/simulator_process.h"
#include "tests/ui/ui_test_support.h"

namespace {

class SerialLinkTest : public ::testing::TestWithParam<int> {};

TEST_P(SerialLinkTest, ReadsEveryRegisterAndWritesOneThroughAPseudoTerminal) {
    const int model = GetParam();
    const char* names[] = {"q7100", "q5100", "q5100plus"};
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString link = dir.filePath("ports/COM6");
    SimulatorProcess sim(dir.filePath("ports"), 6, names[model], dir.filePath("sim.log"));
    ASSERT_TRUE(sim.Started());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), sim.DevicePath());
    qputenv("ZANO_PORTS_DIR", dir.filePath("ports").toUtf8());
    SetDumpFolder(dir.path().toStdString());

    RealClock clock;
    CRX4COMM port;
    CRX4DATA equipment, file, monitor;
    PendingWrites pending;
    CRX4FILE dump;
    EcuSession session{port, clock, equipment, file, monitor, pending, dump, model, false, ""};
    RecordingHooks page(std::make_shared<Transcript>());
    page.requiredRegisters = {"1E", "1F"};
    page.writes = {{"21", "2A"}};
    int readResult = -1, writeResult = -1;
    {
        EcuWorker worker(session);
        worker.Post(
            [&](EcuSession& s) {
                s.port.SetPortNumber(6);
                s.port.OpenPort();
                OpenEcuLink(s);
                readResult = ReadRegisters(s, "FULL", s.equipmentStore,
                                           TimingFor(EcuCaller::CustomerPage), page);
                writeResult = WritePendingRegisters(s, "21", TimingFor(EcuCaller::AuxPage), page);
                s.port.ClosePort();
                return 0;
            },
            nullptr);
        ASSERT_TRUE(WaitUntil([&] { return writeResult != -1; }, 30000));
    }
    qunsetenv("ZANO_PORTS_DIR");
    SetDumpFolder("");

    EXPECT_EQ(readResult, 0);
    EXPECT_EQ(writeResult, 0);
    std::string value;
    ASSERT_TRUE(StoreValueText(equipment, "21", &value));
    EXPECT_EQ(value, "2A") << "the read-back shows the written value";
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_FALSE(QFileInfo(link).isSymLink()) << "the COM name goes with the program";
    const auto image = sim.RegisterImage();
    ASSERT_EQ(image.count("21"), 1u) << sim.LogText();
    EXPECT_EQ(HexTextToInt(image.at("21").c_str()), 0x2Au) << "the ECU holds it";
    EXPECT_EQ(image.size(), equipment.GetQtyUsed());
    EXPECT_EQ(sim.FramesOfKind("read-all"), 1);
}

INSTANTIATE_TEST_SUITE_P(Models, SerialLinkTest, ::testing::Values(0, 1, 2));

TEST(SimulatorProgramTest, WithAQuitTimeItEndsByItselfAndTakesItsComNameAway) {
    QTemporaryDir dir;
    QElapsedTimer elapsed;
    elapsed.start();
    SimulatorProcess sim(dir.filePath("ports"), 5, "q7100", dir.filePath("sim.log"),
                         {"--quit-after", "400"});
    ASSERT_TRUE(sim.Started());
    EXPECT_TRUE(QFileInfo(dir.filePath("ports/COM5")).isSymLink());
    EXPECT_EQ(sim.Stop(5000), 0);
    EXPECT_GE(elapsed.elapsed(), 400);
    EXPECT_LT(elapsed.elapsed(), 4000) << "it ended before it was told to";
    EXPECT_FALSE(QFileInfo(dir.filePath("ports/COM5")).isSymLink());
    EXPECT_NE(sim.LogText().find("REG 3D 50\n"), std::string::npos);
}

}  // namespace
