// The communication trace: the exact lines the port object writes for an
// exchange (virtual time), the LINK line of the ECU link, the bounded ring,
// the export (content, and a failure that leaves the old file) and the live
// file that has every line while the port is still open.

#include "comm/comm_trace.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <thread>

#include "comm/crx4comm.h"
#include "comm/ecu_protocol.h"
#include "data/file_replace.h"
#include "data/port_setting.h"
#include "tests/comm/protocol_fixture.h"
#include "tests/data/file_bytes.h"
#include "tests/support/scripted_device.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The fixture's port on COM3 with a trace of its own, which ends before it.
class CommTraceTest : public EcuLinkTest {
  protected:
    CommTraceTest() { port.SetTrace(&trace), port.SetPortNumber(3); }
    ~CommTraceTest() override { port.SetTrace(nullptr); }
    bool Write(const Bytes& bytes) { return SendFrame(bytes) == COMM_OK; }
    bool Read() { return ReadText(64) != "<failed>"; }

    CommTrace trace{&virtualClock};
};

TEST_F(CommTraceTest, AnExchangeGivesOneLinePerEventTimedFromThePortsOpening) {
    virtualClock.Advance(5000);  // times count from the opening, not from the clock's origin
    ASSERT_EQ(port.OpenPort(), COMM_OK);
    ASSERT_EQ(port.SetPortBaudRate(38400), COMM_OK);
    virtualClock.Advance(12);
    EXPECT_TRUE(Write({0xB0, 0x20, 0x01, 0xC0}));
    virtualClock.Advance(400);
    script->QueueAnswer({0xB0, 0x10, 0x0A, 0xC0});
    EXPECT_TRUE(Read());
    EXPECT_FALSE(Read());  // nothing arrived
    EXPECT_EQ(port.DiscardReceived(), COMM_OK);
    script->FailWrites(true);
    virtualClock.Advance(1234567);
    EXPECT_FALSE(Write({0x00, 0x04, 0x00}));
    port.ClosePort();
    EXPECT_FALSE(Write({0x01}));  // the port is closed: the frame never went
    virtualClock.Advance(88);
    ASSERT_EQ(port.OpenPort(), COMM_OK);  // the line settings come back with the port
    port.ClosePort();
    script->FailOpen(OpenError::Busy);
    EXPECT_EQ(port.OpenPort(), COMM_OPEN_FAILED);

    EXPECT_EQ(trace.KeptLines(), (std::vector<std::string>{
                                     "      0 ms OPEN COM3",
                                     "      0 ms LINE 38400 8N1",
                                     "     12 ms -> B0 20 01 C0",
                                     "    412 ms <- B0 10 0A C0",
                                     "    412 ms <- (nothing)",
                                     "    412 ms DISCARD 0",
                                     "1234979 ms -> 00 04 00 FAILED",
                                     "1234979 ms CLOSE",
                                     "1234979 ms -> 01 FAILED",
                                     "      0 ms OPEN COM3",
                                     "      0 ms LINE 38400 8N1",
                                     "      0 ms CLOSE",
                                     "      0 ms OPEN COM3 FAILED (scripted open failure)",
                                 }));
    EXPECT_EQ(trace.DroppedLines(), 0u);
}

TEST_F(CommTraceTest, APortWithoutATraceWritesNothingAndTheProgramsPortTracesByDefault) {
    EXPECT_EQ(CRX4COMM().Trace(), &ProgramTrace());
    port.SetTrace(nullptr);
    ASSERT_EQ(port.OpenPort(), COMM_OK);
    EXPECT_TRUE(Write({0xB0}));
    EXPECT_TRUE(trace.KeptLines().empty());
}

TEST_F(CommTraceTest, TheRingKeepsExactlyTheLastLinesAndTheExportSaysHowManyWereDropped) {
    trace.Start("Q5100 plus", "COM3 (/dev/ttyUSB0)");
    for (size_t i = 1; i < CommTrace::kCapacity; ++i) trace.Note("n" + std::to_string(i));
    std::vector<std::string> lines = trace.Lines();
    ASSERT_EQ(lines.size(), CommTrace::kCapacity + 1);  // header, then every line
    EXPECT_EQ(lines[0] + "|" + lines[1] + "|" + std::to_string(trace.DroppedLines()),
              "Q5100 plus - COM3 (/dev/ttyUSB0)|      0 ms LINK Q5100 plus - COM3 (/dev/ttyUSB0)|0");

    for (size_t i = CommTrace::kCapacity; i < CommTrace::kCapacity + 7; ++i)
        trace.Note("n" + std::to_string(i));
    EXPECT_EQ(trace.DroppedLines(), 7u);
    lines = trace.Lines();
    ASSERT_EQ(lines.size(), CommTrace::kCapacity + 2);
    EXPECT_EQ(lines[0], "Q5100 plus - COM3 (/dev/ttyUSB0)");  // the header outlives its line
    EXPECT_EQ(lines[1], "(7 older lines dropped)");
    const std::vector<std::string> kept = trace.KeptLines();
    ASSERT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end()), kept);
    for (size_t i = 0; i < kept.size(); ++i)
        ASSERT_EQ(kept[i], "      0 ms n" + std::to_string(i + 7)) << i;

    trace.Clear();
    EXPECT_EQ(trace.Lines(), (std::vector<std::string>{"(no ECU link opened)"}));
}

TEST(CommTrace, AnExportWhileTheWorkerTracesSeesAnUnbrokenRunOfLines) {
    VirtualClock clock;
    CommTrace trace(&clock);
    constexpr int kLines = 3 * static_cast<int>(CommTrace::kCapacity);
    std::thread worker([&] {
        for (int i = 0; i < kLines; ++i) trace.Note(std::to_string(i));
    });
    std::string broken;  // the first snapshot that was not one run
    for (bool done = false; !done;) {
        const std::vector<std::string> kept = trace.KeptLines();
        done = !kept.empty() && kept.back() == "      0 ms " + std::to_string(kLines - 1);
        for (size_t i = 1; i < kept.size() && broken.empty(); ++i) {
            if (std::stoi(kept[i].substr(11)) != std::stoi(kept[i - 1].substr(11)) + 1)
                broken = kept[i - 1] + " then " + kept[i];
        }
    }
    worker.join();
    EXPECT_EQ(broken, "");
    EXPECT_EQ(trace.DroppedLines(), static_cast<uint64_t>(kLines) - CommTrace::kCapacity);
}

TEST_F(CommTraceTest, OpeningTheEcuLinkNamesTheModelAndThePortBeforeItsFirstOpen) {
    TemporaryPortsDir ports;
    ASSERT_TRUE(ports.Link(3, "/dev/ttyUSB0"));
    SetSettingsFilePath(TempPath("ZANO.INI"));
    int com = 3;
    PortSetting("Q7100", &com, "SET");
    OpenEcuLink(session);
    SetSettingsFilePath("");

    const std::vector<std::string> lines = trace.Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3),
              (Lines{"Q7100 - COM3 (/dev/ttyUSB0)", "      0 ms LINK Q7100 - COM3 (/dev/ttyUSB0)",
                     "      0 ms OPEN COM3"}));
    EXPECT_EQ(std::string(TraceModelName(1)) + "|" + TraceModelName(2), "Q5100|Q5100 plus");
}

TEST_F(CommTraceTest, TheExportWritesEveryLineAndAFailedOneLeavesTheOldFileAndNoOther) {
    trace.Start("Q5100", "COM3");
    ASSERT_EQ(port.OpenPort(), COMM_OK);
    virtualClock.Advance(7);
    Write({0xB0, 0xFF});
    const std::string path = TempPath("trace.txt");
    std::string error = "untouched";
    ASSERT_TRUE(trace.Export(path, &error));
    EXPECT_EQ(error, "untouched");
    const std::string exported = ReadFileBytes(path);
    EXPECT_EQ(exported,
              "Q5100 - COM3\n"
              "      0 ms LINK Q5100 - COM3\n"
              "      0 ms OPEN COM3\n"
              "      7 ms -> B0 FF\n");

    // Nothing more can be written to the disk: the old export stays whole.
    Write({0x01});
    FailFileReplaceAt(ReplaceStep::Write);
    EXPECT_FALSE(trace.Export(path, &error));
    FailFileReplaceAt(ReplaceStep::None);
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(ReadFileBytes(path), exported);
    EXPECT_EQ(QDir(dumpDir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("trace.txt")});

    // A folder that is not there: false, and nothing is created.
    const std::string missing = TempPath("gone") + "/trace.txt";
    error.clear();
    EXPECT_FALSE(ExportTrace(missing, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(QDir(QString::fromStdString(TempPath("gone"))).exists());
}

TEST_F(CommTraceTest, TheLiveFileHasEveryLineWhileThePortIsStillOpen) {
    const std::string path = TempPath("live.txt");
    std::string error;
    ASSERT_TRUE(trace.OpenLiveFile(path, &error)) << error;
    ASSERT_EQ(port.OpenPort(), COMM_OK);
    virtualClock.Advance(3);
    Write({0xB0, 0x20, 0x01, 0xC0});
    script->QueueAnswer({0xB0, 0x20, 0x01, 0xC0});
    Read();
    ASSERT_TRUE(port.PortConnected());
    EXPECT_EQ(ReadFileBytes(path), "      0 ms OPEN COM3\n"
                                   "      3 ms -> B0 20 01 C0\n"
                                   "      3 ms <- B0 20 01 C0\n");
    trace.CloseLiveFile();
    Write({0x02});
    EXPECT_EQ(trace.KeptLines().size(), 4u);
    EXPECT_EQ(ReadFileBytes(path).find("-> 02"), std::string::npos);  // closed: no more lines

    CommTrace other;
    EXPECT_FALSE(other.OpenLiveFile(TempPath("gone") + "/live.txt", &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
