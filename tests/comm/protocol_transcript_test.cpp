// Every caller's exchanges as exact transcripts in virtual time, all built
// from one table of what each caller must do: its waits, read calls and
// retries, backlog handling, dump, write order and confirm policy, and what
// it takes from the file while "Arquivo" is shown.

#include <QFile>
#include <algorithm>
#include <deque>
#include <iterator>
#include <set>

#include "comm/comm_trace.h"
#include "data/port_setting.h"
#include "protocol_fixture.h"
#include "protocol_store_text.h"

namespace {

enum Dump { kNoDump, kDumpAlways, kDumpQ5100 };

struct Row {
    EcuCaller caller;
    const char* name;
    int lead, first, retry, calls;  // read: lead-in, first wait, wait between calls, calls per try
    bool discard;                   // the backlog is thrown away before the read command
    Dump dump;
    bool refresh;                   // the page shows what was read
    std::set<std::string> file;     // a "FULL" read from "Arquivo"; empty: always the ECU
    bool writes, writesDespiteFile;  // runs write passes; they reach the ECU despite "Arquivo"
    bool queueOrder;                // entries go in queue order, not last queued first
    int entryLead, answerWait, afterAnswer;
    bool confirmAlways;             // confirm frames even when the ECU did not answer
    int spacing, trailing;          // after each confirm frame, after each entry
};

using C = EcuCaller;
using Bytes = std::vector<uint8_t>;
const std::set<std::string> kVehicle = {"7F", "80", "75", "76", "74", "10", "12", "13", "2B", "2C"};
const std::set<std::string> kSteps = {"3D", "3E", "41", "42", "45", "46"};
// clang-format off
const Row kRows[] = {
    // caller, name, lead, first, retry, calls, discard, dump, refresh, file registers,
    // writes, despite file, queue order, entry lead, answer wait, after answer, confirm always, spacing, trailing
    {C::CustomerPage, "Customer", 0, 400, 0, 1, false, kDumpAlways, true, {}, false, false, false, 0, 0, 0, false, 0, 0},
    {C::VehiclePage, "Vehicle", 500, 400, 0, 1, false, kDumpAlways, true, kVehicle, true, false, true, 0, 400, 400, false, 400, 0},
    {C::VehiclePageField, "VehicleField", 500, 400, 0, 1, false, kDumpAlways, true, kVehicle, true, false, false, 0, 400, 0, false, 400, 0},
    {C::VehicleBasicPage, "VehicleBasic", 500, 500, 400, 3, false, kDumpQ5100, true, {"10", "12", "13", "2B", "2C"}, true, false, false, 1600, 400, 400, false, 800, 600},
    {C::ActuatorPage, "Actuator", 500, 500, 400, 3, false, kDumpQ5100, true, kSteps, true, false, false, 0, 400, 400, false, 400, 500},
    {C::LambdaPage, "Lambda", 500, 500, 0, 3, false, kNoDump, true, {"60", "78", "1E", "1F", "79", "7A", "7B", "7C"}, true, false, false, 0, 400, 400, false, 400, 0},
    {C::LambdaBasicPage, "LambdaBasic", 500, 500, 400, 3, false, kNoDump, true, {"60", "78", "1E", "1F"}, true, false, false, 0, 400, 400, false, 400, 0},
    {C::AuxPage, "Aux", 500, 400, 100, 3, false, kNoDump, true, {"20", "21", "26", "27", "15", "16"}, true, false, false, 0, 100, 100, false, 100, 500},
    {C::AuxBasicPage, "AuxBasic", 500, 500, 400, 3, false, kDumpAlways, true, {"20", "21", "25", "26", "27", "15", "16"}, true, false, false, 0, 400, 0, true, 400, 500},
    {C::MonitorSnapshot, "MonitorSnapshot", 0, 400, 400, 3, false, kNoDump, false, {}, false, false, false, 0, 0, 0, false, 0, 0},
    {C::MonitorStepWrite, "MonitorStepWrite", 500, 500, 400, 3, true, kDumpQ5100, true, kSteps, true, true, false, 0, 400, 400, false, 400, 500},
    {C::MonitorCalibrationReadBack, "CalibrationReadBack", 0, 500, 400, 3, true, kDumpQ5100, true, kSteps, false, false, false, 0, 0, 0, false, 0, 0},
};
// clang-format on

const char* const kReadAll[] = {"TX 00 04 00", "TX 09 00", "TX 00 06 00"};

void Wait(Lines& lines, int ms) { ms > 0 ? lines.push_back("WAIT " + std::to_string(ms)) : void(); }

// ReadRegistersWithRetry as the row demands, when the ReadPort calls find an
// answer (rx) or nothing as `answered` says, call after call.
Lines ExpectedRead(const Row& r, const std::string& tx, std::deque<bool> answered,
                   const std::string& rx) {
    Lines lines{"COMMANDS off"};
    Wait(lines, r.lead);
    bool ok = false;
    for (int attempt = 0; attempt < 3 && !ok; ++attempt) {
        if (r.discard)
            lines.push_back("DISCARD 0");
        lines.push_back(tx);
        Wait(lines, r.first);
        for (int call = 1; !ok; ++call) {
            ok = !answered.empty() && answered.front();
            if (!answered.empty())
                answered.pop_front();
            lines.push_back(ok ? rx : "RX -");
            if (ok || call == r.calls)
                break;
            Wait(lines, r.retry);
        }
    }
    if (!ok || r.refresh)
        lines.push_back(ok ? "REFRESH" : "MESSAGE Erro na leitura dos parâmetros !!!");
    lines.push_back("COMMANDS on");
    return lines;
}

// A configuration file with `text` in the fixture's folder, the source "Arquivo".
void WriteConfig(EcuSession& session, const QTemporaryDir& dir, const QByteArray& text) {
    session.configFilePath = QDir(dir.path()).filePath("cliente.Q7100").toStdString();
    QFile file(QString::fromStdString(session.configFilePath));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    session.sourceIsFile = true;
}

class CallerTest : public EcuLinkTest, public ::testing::WithParamInterface<Row> {};
class WritingCallerTest : public CallerTest {};
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

}  // namespace

TEST_P(CallerTest, ReadRetriesWithTheCallersWaitsOnEveryModelAndDumpsWhereAsked) {
    const Row& r = GetParam();
    for (int model : {0, 1, 2}) {
        Connect(model);
        std::deque<bool> answered(r.calls + 1, false);  // the first try fails, and one more call
        for (size_t i = 0; i < answered.size(); ++i) NoAnswer();
        answered.push_back(true);
        Answer({0xB0, 0x2B, 0x04, 0xC0});
        EXPECT_EQ(ReadRegistersWithRetry(session, "FULL", TimingFor(r.caller), hooks), 0);
        EXPECT_EQ(Recorded(), ExpectedRead(r, kReadAll[model], answered, "RX B0|2B|4|C0|"));
        EXPECT_EQ(StoredText(equipmentStore, "2B"), "4");
        const bool dump = r.dump == kDumpAlways || (r.dump == kDumpQ5100 && model == 1);
        const QString name = model == 1 ? "novoQ5100.txt" : "novoQ7100.txt";
        EXPECT_EQ(QFile::remove(QDir(dumpDir.path()).filePath(name)), dump) << model;
    }
    // Nothing comes at all: three tries, one message, the page's failure.
    Connect(0);
    EXPECT_EQ(ReadRegistersWithRetry(session, "FULL", TimingFor(r.caller), hooks),
              kReadFailedResult);
    EXPECT_EQ(Recorded(), ExpectedRead(r, kReadAll[0], {}, ""));
}

TEST_P(WritingCallerTest, WritePassSendsEntriesWithTheCallersWaitsConfirmsAndReadsBack) {
    const Row& r = GetParam();
    Connect(0);
    hooks.writes = {{"21", "A"}, {"20", "0"}};
    NoAnswer();  // the entry sent first; the second and the read-back are answered
    Answer({0xB0, 0x21, 0x0A, 0xC0}), Answer({0xB0, 0x21, 0x0A, 0xC0});
    EXPECT_EQ(WritePendingRegisters(session, "21", TimingFor(r.caller), hooks), 0);

    Lines expected{"QUEUE 21", "COMMANDS off"};
    const char* entries[] = {r.queueOrder ? "TX 00 21 0A" : "TX 00 20 00",
                             r.queueOrder ? "TX 00 20 00" : "TX 00 21 0A"};
    for (int i = 0; i < 2; ++i) {
        Wait(expected, r.entryLead);
        expected.push_back(entries[i]);
        Wait(expected, r.answerWait);
        expected.push_back(i == 0 ? "RX -" : "RX B0|21|A|C0|");
        Wait(expected, r.afterAnswer);
        for (int confirm = 0; confirm < 3 && (i == 1 || r.confirmAlways); ++confirm) {
            expected.push_back("TX 00 05 18");
            Wait(expected, r.spacing);
        }
        Wait(expected, r.trailing);
    }
    const Lines readBack = ExpectedRead(r, "TX 00 04 21", {true}, "RX B0|21|A|C0|");
    expected.insert(expected.end(), readBack.begin(), readBack.end());
    expected.push_back("COMMANDS on");
    EXPECT_EQ(Recorded(), expected);
    EXPECT_EQ(pending.Count, 0u);
}

TEST_P(CallerTest, WithArquivoShownReadsTakeTheCallersRegistersFromTheFileAndWritesStop) {
    const Row& r = GetParam();
    std::set<std::string> all = {"99"};  // a register no page takes
    for (const Row& row : kRows) all.insert(row.file.begin(), row.file.end());
    QByteArray text;
    for (const auto& [section, value] : {std::pair{"[CONFIG_Q7100]\r\n", "=7\r\n"}, {"[CONFIG_Q5100]\r\n", "=5\r\n"}}) {
        text += section;
        for (const std::string& reg : all) text += reg.c_str() + QByteArray(value);
    }
    WriteConfig(session, dumpDir, text);

    for (int model : {0, 1, 2}) {
        fileStore.Zeradora();
        Connect(model);
        if (r.file.empty())  // the ECU, whatever the source
            Answer({0xB0, 0x2B, 0x04, 0xC0});
        EXPECT_EQ(ReadRegistersWithRetry(session, "FULL", TimingFor(r.caller), hooks), 0);
        Lines expected{"COMMANDS off"};
        Wait(expected, r.lead);
        expected.insert(expected.end(), {"REFRESH", "COMMANDS on"});
        EXPECT_EQ(Recorded(), r.file.empty() ? ExpectedRead(r, kReadAll[model], {true}, "RX B0|2B|4|C0|") : expected);
        EXPECT_EQ(fileStore.GetQtyUsed(), r.file.size());
        for (const std::string& reg : r.file)
            EXPECT_EQ(StoredText(fileStore, reg.c_str()), model == 1 ? "5" : "7") << reg;
    }
    if (!r.writes)
        return;
    Connect(0);
    hooks.writes = {{"3D", "14"}};
    EXPECT_EQ(WritePendingRegisters(session, "3D", TimingFor(r.caller), hooks), 0);
    // Where it writes despite the file, it goes to the ECU and is read back from the file.
    EXPECT_EQ(script->Written(), std::vector<Bytes>(r.writesDespiteFile, Bytes{0x00, 0x3D, 0x14}));
    EXPECT_EQ(r.writesDespiteFile ? StoredText(fileStore, "3D") : std::to_string(Recorded().size()),
              r.writesDespiteFile ? "7" : "0");
}

INSTANTIATE_TEST_SUITE_P(EveryCaller, CallerTest, ::testing::ValuesIn(kRows),
                         [](const auto& row) { return std::string(row.param.name); });
std::vector<Row> WritingRows() {
    std::vector<Row> rows;
    std::copy_if(std::begin(kRows), std::end(kRows), std::back_inserter(rows), [](const Row& r) { return r.writes; });
    return rows;
}
INSTANTIATE_TEST_SUITE_P(EveryWritingCaller, WritingCallerTest, ::testing::ValuesIn(WritingRows()),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(EcuLinkTest, GroupKeysReadAllBackAndWritesGoHighByteFirst) {
    Connect(2);
    for (const char* group : {"15_16", "26_27", "60_78", "75_76"}) {
        hooks.writes = {{"60", "1"}, {"78", "0"}};
        const size_t before = script->Written().size();
        WritePendingRegisters(session, group, TimingFor(EcuCaller::LambdaPage), hooks);
        EXPECT_EQ(script->Written()[before], (Bytes{0x00, 0x78, 0x00})) << group;
        EXPECT_EQ(script->Written().back(), (Bytes{0x00, 0x06, 0x00})) << group;
    }
}

// What a read of one register or all of them stores, and when the page fails it.
TEST_F(EcuLinkTest, ShortAndPartialAnswersAndRegistersThePageLacks) {
    Connect(1);  // an answer that starts with a zero byte stores nothing but is an answer
    Answer({0x00, 0xB0, 0x1E, 0x24, 0xC0});
    EXPECT_EQ(ReadRegisters(session, "1E", equipmentStore, TimingFor(C::VehicleBasicPage), hooks), 0);
    EXPECT_EQ(Recorded(), (Lines{"TX 09 1E", "WAIT 500", "RX 0|B0|1E|24|C0|", "REFRESH"}));
    EXPECT_EQ(equipmentStore.GetQtyUsed(), 0u);
    hooks.requiredRegisters = {"1E", "1F"};  // an answer without one of the page's registers fails
    Answer({0xB0, 0x1E, 0x24, 0xC0});
    EXPECT_EQ(ReadRegisters(session, "FULL", equipmentStore, TimingFor(C::CustomerPage), hooks), 1);
    EXPECT_EQ(StoredText(equipmentStore, "1E"), "24");
    // The vehicle page shows the equipment store whatever store it reads into.
    equipmentStore.Add("2C", "4");
    hooks.requiredRegisters = {"2C"};
    Answer({0xB0, 0x10, 0x01, 0xC0});
    EXPECT_EQ(ReadRegisters(session, "10", fileStore, TimingFor(C::VehiclePage), hooks), 0);
    EXPECT_EQ(StoredText(fileStore, "10") + StoredText(equipmentStore, "10"), "1<none>");
    hooks.requiredRegisters = {"10"};
    Answer({0xB0, 0x10, 0x01, 0xC0});
    EXPECT_EQ(ReadRegisters(session, "10", fileStore, TimingFor(C::VehiclePage), hooks), 1);
    // From "Arquivo": a register the file lacks fails without a refresh.
    hooks.requiredRegisters.clear();
    WriteConfig(session, dumpDir, "[CONFIG_Q7100]\r\n21=A\r\n");
    Connect(0);
    EXPECT_EQ(ReadRegisters(session, "16", fileStore, TimingFor(C::AuxPage), hooks), 1);
    EXPECT_TRUE(Recorded().empty());
    EXPECT_EQ(ReadRegisters(session, "21", fileStore, TimingFor(C::AuxPage), hooks), 0);
    EXPECT_EQ(StoredText(fileStore, "21") + Recorded().at(0), "AREFRESH");
}

TEST_F(EcuLinkTest, LiveStreamStartsOnceStopsThriceAndIsPolled) {
    Connect(1);
    StartMonitoring(session);
    StopMonitoring(session, 50);
    EXPECT_EQ(Recorded(), (Lines{"TX 08 00", "TX 07 00", "WAIT 50", "TX 07 00", "WAIT 50", "TX 07 00", "WAIT 50"}));
    // The snapshot: read-all with the MonitorSnapshot row, nothing shown.
    Connect(0);
    NoAnswer(), Answer({0xB0, 0x10, 0x01, 0xC0});
    EXPECT_EQ(ReadMonitorSnapshot(session, monitorStore), 0);
    EXPECT_EQ(Recorded(), (Lines{"TX 00 04 00", "WAIT 400", "RX -", "WAIT 400", "RX B0|10|1|C0|"}));
    EXPECT_EQ(StoredText(monitorStore, "10") + std::to_string(ReadMonitorSnapshot(session, monitorStore)), "11");
    // Polls: nothing, an answer starting with zero, checked groups.
    NoAnswer(), Answer({0x00, 0xB0}), Answer({0xB0, 0x23, 0x80, 0xA3, 0xC0, 0xB0, 0x72, 0x01, 0x00, 0xC0});
    MonitorAnswer answer;
    EXPECT_EQ((std::vector<int>{PollMonitorAnswer(session, monitorStore, CheckRule::Tested),
                                PollMonitorAnswer(session, monitorStore, CheckRule::Tested),
                                PollMonitorAnswer(session, monitorStore, CheckRule::Tested, &answer)}),
              (std::vector<int>{kPollFailed, kPollEmpty, kPollOk}));
    EXPECT_TRUE(StoredText(monitorStore, "23") + StoredText(monitorStore, "72") == "80<none>" && answer.CalibrationEnded);
}

// The trace names the model and the port before the port's first opening.
TEST_F(EcuLinkTest, OpenEcuLinkTakesThePortFromSettingsSetsTheModelsLineAndTracesTheLink) {
    TemporaryPortsDir ports;
    ASSERT_TRUE(ports.Link(3, "/dev/ttyUSB0"));
    SetSettingsFilePath(TempPath("ZANO.INI"));
    int com = 3;
    PortSetting("Q7100", &com, "SET");
    pending.Append("21", "A");
    CommTrace trace{&virtualClock};
    port.SetTrace(&trace);
    OpenEcuLink(session);
    port.SetTrace(nullptr);
    EXPECT_EQ(pending.Count, 0u);
    const Lines traced = trace.Lines();
    EXPECT_EQ(Lines(traced.begin(), traced.begin() + std::min<size_t>(traced.size(), 3)),
              (Lines{"Q7100 - COM3 (/dev/ttyUSB0)", "      0 ms LINK Q7100 - COM3 (/dev/ttyUSB0)", "      0 ms OPEN COM3"}));
    EXPECT_EQ(std::string(TraceModelName(1)) + "|" + TraceModelName(2), "Q5100|Q5100 plus");
    EXPECT_EQ(openedNames, (std::vector<std::string>{"COM3", "COM3"}));  // Q7100 opens again
    const LineSettings line = script->Settings();
    EXPECT_EQ((std::vector<uint32_t>{line.baudRate, line.dataBits, line.parity, line.stopBits}),
              (std::vector<uint32_t>{38400, 8, 0, 0}));
    EXPECT_TRUE(SendFrame({0x00, 0x04, 0x00}) == COMM_OK && script->WriteLimits() == std::vector<int>{5000});
    // The Q5100 has no port in the settings: COM1, opened once, 9600 baud.
    port.SetPortNumber(0), session.modelIndex = 1, openedNames.clear();
    OpenEcuLink(session);
    SetSettingsFilePath("");
    EXPECT_EQ(openedNames, (std::vector<std::string>{"COM1"}));
    EXPECT_EQ(script->Settings().baudRate, 9600u);
}
