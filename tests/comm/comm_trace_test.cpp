// The communication trace: the exact lines the port object writes for an
// exchange (virtual time), the bounded ring, the export (content, and a
// failure that leaves the old file) and the live file that has every line
// while the port is still open. The LINK line: with the ECU link's opening.

#include "comm/comm_trace.h"

#include <gtest/gtest.h>

#include "data/file_replace.h"
#include "tests/comm/protocol_fixture.h"
#include "tests/data/file_bytes.h"

namespace {

// The fixture's port on COM3 with a trace of its own, which ends before it.
class CommTraceTest : public EcuLinkTest {
  protected:
    CommTraceTest() { port.SetTrace(&trace), port.SetPortNumber(3); }
    ~CommTraceTest() override { port.SetTrace(nullptr); }
    bool Write(const std::vector<uint8_t>& bytes) { return SendFrame(bytes) == COMM_OK; }
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
    // A port without a trace writes nothing; the program's ports trace by default.
    port.SetTrace(nullptr);
    EXPECT_EQ(port.OpenPort(), COMM_OPEN_FAILED);
    EXPECT_EQ(CRX4COMM().Trace(), &ProgramTrace());

    EXPECT_EQ(trace.KeptLines(),
              (Lines{"      0 ms OPEN COM3", "      0 ms LINE 38400 8N1", "     12 ms -> B0 20 01 C0",
                     "    412 ms <- B0 10 0A C0", "    412 ms <- (nothing)", "    412 ms DISCARD 0",
                     "1234979 ms -> 00 04 00 FAILED", "1234979 ms CLOSE", "1234979 ms -> 01 FAILED",
                     "      0 ms OPEN COM3", "      0 ms LINE 38400 8N1", "      0 ms CLOSE",
                     "      0 ms OPEN COM3 FAILED (scripted open failure)"}));
    EXPECT_EQ(trace.DroppedLines(), 0u);
}

TEST_F(CommTraceTest, TheRingKeepsExactlyTheLastLinesAndTheExportSaysHowManyWereDropped) {
    trace.Start("Q5100 plus", "COM3 (/dev/ttyUSB0)");  // its LINK line is the first of the ring
    for (size_t i = 1; i < CommTrace::kCapacity; ++i) trace.Note("n" + std::to_string(i));
    EXPECT_TRUE(trace.Lines().size() == CommTrace::kCapacity + 1 && trace.DroppedLines() == 0);
    for (size_t i = CommTrace::kCapacity; i < CommTrace::kCapacity + 7; ++i)
        trace.Note("n" + std::to_string(i));
    const Lines lines = trace.Lines();
    ASSERT_EQ(lines.size(), CommTrace::kCapacity + 2);
    // The header outlives its line.
    EXPECT_EQ(lines[0] + "|" + lines[1], "Q5100 plus - COM3 (/dev/ttyUSB0)|(7 older lines dropped)");
    ASSERT_EQ(Lines(lines.begin() + 2, lines.end()), trace.KeptLines());
    for (size_t i = 2; i < lines.size(); ++i)
        ASSERT_EQ(lines[i], "      0 ms n" + std::to_string(i + 5)) << i;
    trace.Clear();
    EXPECT_EQ(trace.Lines(), (Lines{"(no ECU link opened)"}));
}

// The export holds every line; one that fails leaves the old file whole and
// no other. The live file has each line as it happens, until it is closed.
TEST_F(CommTraceTest, TheExportAndTheLiveFileHoldEveryLineAndAFailureLeavesTheOldFile) {
    const std::string live = TempPath("live.txt"), path = TempPath("trace.txt");
    std::string error = "untouched";
    ASSERT_TRUE(trace.OpenLiveFile(live, &error)) << error;
    trace.Start("Q5100", "COM3");
    ASSERT_EQ(port.OpenPort(), COMM_OK);
    virtualClock.Advance(7);
    Write({0xB0, 0xFF});
    script->QueueAnswer({0xB0, 0x20, 0x01, 0xC0});
    Read();
    const std::string expected = "      0 ms LINK Q5100 - COM3\n      0 ms OPEN COM3\n"
                                 "      7 ms -> B0 FF\n      7 ms <- B0 20 01 C0\n";
    EXPECT_EQ(ReadFileBytes(live), expected) << "the port is still open";
    ASSERT_TRUE(trace.Export(path, &error));
    EXPECT_EQ(error, "untouched");
    EXPECT_EQ(ReadFileBytes(path), "Q5100 - COM3\n" + expected);
    trace.CloseLiveFile();

    Write({0x02});
    FailFileReplaceAt(ReplaceStep::Write);  // the disk takes no more
    EXPECT_FALSE(trace.Export(path, &error));
    FailFileReplaceAt(ReplaceStep::None);
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(ReadFileBytes(path), "Q5100 - COM3\n" + expected);
    EXPECT_EQ(ReadFileBytes(live), expected) << "closed: no more lines";
    EXPECT_EQ(QDir(dumpDir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{"live.txt", "trace.txt"}));
    // A folder that is not there: false, and nothing is created.
    error.clear();
    EXPECT_FALSE(ExportTrace(TempPath("gone") + "/trace.txt", &error) || error.empty());
    EXPECT_FALSE(trace.OpenLiveFile(TempPath("gone") + "/live.txt", &error) || error.empty());
    EXPECT_FALSE(QDir(QString::fromStdString(TempPath("gone"))).exists());
}

}  // namespace
