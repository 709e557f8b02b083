// zano-cli end to end: the built tool against the simulator program on a
// pseudo-terminal registered as a COM name in a ports folder of the test's
// own, as a workshop runs it. Every run of the tool has the Brazilian locale,
// which must not change a value.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTranslator>
#include <csignal>
#include <functional>
#include <set>

#include "comm/crx4comm.h"
#include "data/private_profile.h"
#include "log/datalog_reader.h"
#include "tests/e2e/simulator_process.h"

namespace {

struct CliRun {
    int code = -1;
    std::string out, err;
};

const char* const kModels[] = {"q7100", "q5100", "q5100plus"};

class CliTest : public ::testing::Test {
  protected:
    using Variables = std::vector<std::pair<QString, QString>>;
    void Start(QProcess& process, const QStringList& args, const Variables& variables = {}) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("ZANO_LANG"), env.remove("LANGUAGE");  // they would come before the locale
        env.insert("ZANO_PORTS_DIR", ports_.path()), env.insert("ZANO_DUMP_DIR", dumps_.path());
        env.insert("LANG", "pt_BR.UTF-8"), env.insert("LC_ALL", "pt_BR.UTF-8");
        for (const auto& [name, value] : variables) env.insert(name, value);
        process.setProcessEnvironment(env);
        process.start(ZANO_CLI_PATH, args);
        ASSERT_TRUE(process.waitForStarted(5000));
    }
    CliRun Finish(QProcess& process) const {
        process.closeWriteChannel();
        if (!process.waitForFinished(120000)) process.kill();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
    }
    CliRun Cli(const QStringList& args, const Variables& variables = {}) const {
        QProcess process;
        Start(process, args, variables);
        return Finish(process);
    }
    // SIGINT to a running tool once `ready` holds (up to 20 s); then how it ended.
    CliRun Interrupt(QProcess& process, const std::function<bool()>& ready) const {
        QElapsedTimer waited;
        waited.start();
        while (!ready() && waited.elapsed() < 20000) QThread::msleep(20);
        EXPECT_TRUE(ready());
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        return Finish(process);
    }
    QString Path(const QString& name) const { return files_.filePath(name); }
    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void Put(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    // A copy of `from` with register values edited as the program's Load/Save
    // code edits a file (keys rewritten in place).
    static void Edit(const QString& from, const QString& path, const char* section,
                     const std::vector<std::pair<const char*, const char*>>& values) {
        Put(path, Bytes(from));
        for (const auto& [key, value] : values)
            ASSERT_TRUE(WritePrivateProfileText(section, key, value, path.toStdString().c_str()));
    }
    std::unique_ptr<SimulatorProcess> Simulator(const QString& model, const QStringList& extra = {}) {
        auto sim = std::make_unique<SimulatorProcess>(ports_.path(), 5, model, Path("sim.log"), extra);
        EXPECT_TRUE(sim->Started());
        return sim;
    }

    QTemporaryDir ports_, dumps_, files_;
};

#define EXPECT_RUN(run, expectedCode) \
    EXPECT_EQ((run).code, expectedCode) << "stdout:\n" << (run).out << "stderr:\n" << (run).err

class CliModelTest : public CliTest, public ::testing::WithParamInterface<int> {
  protected:
    QString Model() const { return kModels[GetParam()]; }
    QString FileType() const { return GetParam() == 1 ? "Q5100" : "Q7100"; }
    QStringList OnCom5() const { return {"--model", Model(), "--port", "COM5"}; }
};

// read -o A; B = A with two values (and a customer text) edited; write B;
// read C over a copy of B: C is B byte for byte, and the ECU received writes
// of exactly the two registers. diff sees the two fields before and none after.
TEST_P(CliModelTest, ReadWriteReadRoundTripsAFileAndWritesOnlyItsChanges) {
    auto sim = Simulator(Model());
    const QString a = Path("a.cfg"), b = Path("b.cfg"), c = Path("c.cfg");
    const std::string config = ("CONFIG_" + FileType()).toStdString(), type = FileType().toStdString();
    EXPECT_RUN(Cli(QStringList{"read", "-o", a} + OnCom5()), 0);
    ASSERT_TRUE(Bytes(a).contains("[" + FileType().toUtf8() + "]\r\n")) << Bytes(a).toStdString();
    Edit(a, b, config.c_str(), {{"13", "2"}, {"3D", "64"}});  // a 0-5 V lambda probe, 100 idle steps
    Edit(b, b, type.c_str(), {{"Clientes", "Oficina São João"}});

    const CliRun diff = Cli({"diff", a, b});
    EXPECT_RUN(diff, 1);
    EXPECT_NE(diff.out.find("\nTipo de Sonda Lâmbda\tV\t0-1\t0-5\n"), std::string::npos) << diff.out;
    EXPECT_NE(diff.out.find("\nDefault (Baixa Rotação)\t1 - 240 passo(s)\t80\t100\n"), std::string::npos) << diff.out;
    EXPECT_EQ(std::count(diff.out.begin(), diff.out.end(), '\n'), 3) << "a heading and one line a field";
    EXPECT_RUN(Cli(QStringList{"diff", a, "ecu:COM5", "--model", Model()}), 0);

    EXPECT_RUN(Cli(QStringList{"write", b, "--port", "COM5", "--yes"} +
                   (GetParam() == 2 ? QStringList{"--model", "q5100plus"} : QStringList{})), 0);
    EXPECT_RUN(Cli(QStringList{"diff", "ecu:COM5", b, "--model", Model()}), 0);
    EXPECT_RUN(Cli(QStringList{"diff", "ecu:COM5", a, "--model", Model()}), 1);

    // Without --force an existing file is left alone; with it, Load then Save.
    Edit(b, c, config.c_str(), {{"3D", "1"}});
    const QByteArray edited = Bytes(c);
    EXPECT_RUN(Cli(QStringList{"read", "-o", c} + OnCom5()), 4);
    EXPECT_EQ(Bytes(c), edited);
    EXPECT_RUN(Cli(QStringList{"read", "-o", c, "--force"} + OnCom5()), 0);
    EXPECT_EQ(Bytes(c).toStdString(), Bytes(b).toStdString());

    EXPECT_EQ(sim->Stop(), 0);
    std::set<std::string> written;
    for (const auto& [reg, value] : sim->Writes()) written.insert(reg + "=" + value);
    EXPECT_EQ(written, (std::set<std::string>{"13=02", "3D=64"})) << sim->LogText();
}

// The live stream as CSV, in display units whatever the locale: the panel's
// start frame, its conversions, and its three stop frames at the end; with
// --record, the panel's datalog of the same polls, readable by the viewer.
TEST_P(CliModelTest, MonitorPrintsTheLiveValuesAndStopsTheStream) {
    auto sim = Simulator(Model());
    const QString drive = Path("drive.csv");
    const CliRun run = Cli(QStringList{"monitor", "--seconds", "1", "--csv", "--record", drive} + OnCom5());
    EXPECT_RUN(run, 0);
    const QStringList lines = QString::fromStdString(run.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 5) << run.out;
    EXPECT_EQ(lines[0], "ms,rpm,tps_v,lambda_v,passos,injecao_ms");
    const Datalog log = ReadDatalog(drive.toStdString());
    EXPECT_EQ(log.message + log.header.model, ModelName(GetParam()));
    ASSERT_EQ(log.SampleCount(), static_cast<size_t>(lines.size() - 1));
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList v = lines[i].split(',');
        ASSERT_EQ(v.size(), 6) << lines[i].toStdString();
        EXPECT_NEAR(v[1].toInt(), 850, 60) << lines[i].toStdString();
        EXPECT_NEAR(v[2].toDouble(), 0.50, 0.05) << "throttle counts x 0.02 V";
        EXPECT_EQ(v[2].size(), 4) << "d.dd volts";
        EXPECT_TRUE(v[3].toDouble() >= 0.08 && v[3].toDouble() <= 0.92) << lines[i].toStdString();
        EXPECT_NEAR(v[4].toInt(), 80, 1) << "the idle steps";
        EXPECT_EQ(v[5], "3.5") << "injection counts x 0.1 ms";
        EXPECT_EQ(log.Channel(LogChannel::Rpm)[i - 1], v[1].toDouble()) << i;
        EXPECT_NEAR(log.Channel(LogChannel::LambdaVolts)[i - 1], v[3].toDouble(), 1e-9) << i;
    }
    EXPECT_EQ(sim->Stop(), 0);
    EXPECT_EQ(sim->FramesOfKind("start"), 1);
    EXPECT_EQ(sim->FramesOfKind("stop"), 3);
}

INSTANTIATE_TEST_SUITE_P(Models, CliModelTest, ::testing::Values(0, 1, 2),
                         [](const auto& param) { return std::string(kModels[param.param]); });

// Without --seconds the stream runs until Ctrl+C, which ends it as the panel
// does: three stop frames, after the last value line, and exit code 0.
TEST_F(CliTest, CtrlCEndsTheLiveStreamWithTheStopFrames) {
    const QString trace = Path("monitor.txt");
    QProcess process;
    Start(process, {"monitor", "--simulator", "q7100", "--trace", trace});
    QByteArray out;
    EXPECT_RUN(Interrupt(process, [&] {
        process.waitForReadyRead(200);
        return (out += process.readAllStandardOutput()).count('\n') >= 3;
    }), 0);
    const QByteArray lines = Bytes(trace);
    EXPECT_EQ(lines.count("-> 00 08 00"), 1) << lines.toStdString();
    EXPECT_EQ(lines.count("-> 00 07 00"), 3) << lines.toStdString();
    EXPECT_GT(lines.lastIndexOf("-> 00 07 00"), lines.lastIndexOf("<- B0")) << "stopped after the last poll";
}

// Each bad input gets one line naming the problem and an exit code, and the
// ECU receives no write frame.
TEST_F(CliTest, BadInputIsRefusedWithOneLineAndNothingIsWritten) {
    auto sim = Simulator("q7100");
    const QString good = Path("good.cfg");
    ASSERT_EQ(Cli({"read", "--model", "q7100", "--port", "COM5", "-o", good}).code, 0);
    const QByteArray bytes = Bytes(good);
    const int section = bytes.indexOf("[CONFIG_Q7100]");
    ASSERT_GT(section, 0);
    Put(Path("truncated.cfg"), bytes.left(section + 40));
    Put(Path("binary.cfg"), bytes.left(section) + QByteArray("\0\x01\x02", 3) + bytes.mid(section));
    Put(Path("customer-only.cfg"), bytes.left(section));
    Put(Path("q5100.cfg"), QByteArray(bytes).replace("[Q7100]", "[Q5100]").replace("[CONFIG_Q7100]", "[CONFIG_Q5100]"));
    Edit(good, Path("range.cfg"), "CONFIG_Q7100", {{"3D", "F5"}, {"2B", "4"}});  // 245 idle steps: above 240
    Edit(good, Path("changed.cfg"), "CONFIG_Q7100", {{"2B", "4"}});

    const std::vector<std::tuple<QStringList, int, std::string>> cases = {
        {{"read", "--model", "q7100", "--port", "COM9"}, 3, "COM9: não encontrada"},
        {{"write", Path("missing.cfg"), "--port", "COM5", "--yes"}, 4, "Ocorreu um erro na tentativa de Carregar o Arquivo."},
        {{"write", Path("truncated.cfg"), "--port", "COM5", "--yes"}, 4, "Leitura incompleta: falta o registro"},
        {{"write", Path("binary.cfg"), "--port", "COM5", "--yes"}, 4, "arquivo binário"},
        {{"write", Path("customer-only.cfg"), "--port", "COM5", "--yes"}, 4, "sem a seção de registros"},
        {{"write", Path("q5100.cfg"), "--port", "COM5", "--yes", "--model", "q7100"}, 4,
         "arquivo de outro modelo (Q5100), não de Q7100"},
        {{"write", Path("range.cfg"), "--port", "COM5", "--yes"}, 4, "\"Default (Baixa Rotação)\": 245"},
        {{"diff", good, Path("q5100.cfg")}, 4, "arquivo de outro modelo"},
        {{"write", Path("changed.cfg"), "--port", "COM5"}, 5, "use --yes"},  // no terminal to ask on
        // A Q7100 file read from a "Q5100 plus": frames it does not answer.
        {{"write", good, "--simulator", "q5100plus", "--yes"}, 3, "use --model q5100plus"},
        {{"read"}, 2, "read needs --port COMn or --simulator MODEL"},
        {{"diff", good, "ecu:COM5"}, 0, ""},
    };
    for (const auto& [args, code, says] : cases) {
        const CliRun run = Cli(args);
        EXPECT_RUN(run, code) << args.join(' ').toStdString();
        EXPECT_NE(run.err.find(says), std::string::npos) << args.join(' ').toStdString() << "\n" << run.err;
        if (code != 0 && code != 2) {
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), says[0] == '"' ? 2 : 1) << run.err;
        }
    }

    // A port another program holds: busy, in the port list too.
    CRX4COMM holder;
    qputenv("ZANO_PORTS_DIR", ports_.path().toUtf8());
    holder.SetDeviceFactory(MakeSystemSerialDevice);
    holder.SetPortNumber(5);
    ASSERT_EQ(holder.OpenPort(), COMM_OK);
    const CliRun busy = Cli({"read", "--model", "q7100", "--port", "COM5"});
    EXPECT_RUN(busy, 3);
    EXPECT_NE(busy.err.find("COM5: ocupada"), std::string::npos) << busy.err;
    const CliRun list = Cli({"ports"});
    EXPECT_RUN(list, 0);
    const size_t line = list.out.find("COM5\t" + sim->DevicePath().toStdString() + "\t");
    ASSERT_NE(line, std::string::npos) << list.out;
    EXPECT_NE(list.out.substr(line, list.out.find('\n', line) - line).find("\tocupada"), std::string::npos) << list.out;
    holder.ClosePort();
    qunsetenv("ZANO_PORTS_DIR");

    EXPECT_EQ(sim->Stop(), 0);
    EXPECT_EQ(sim->FramesOfKind("write") + sim->FramesOfKind("confirm"), 0) << sim->LogText();
}

// An ECU set up elsewhere: a register no page writes differs from the file.
// The tool writes what the pages write, names the rest and does not call
// the write done.
TEST_F(CliTest, AWriteThatLeavesARegisterNoPageWritesIsNamedAndNotDone) {
    auto sim = Simulator("q5100", {"--register", "81=30", "--register", "3D=64"});
    const QString file = Path("factory.cfg");
    ASSERT_EQ(Cli({"read", "--model", "q5100", "--port", "COM5", "-o", file}).code, 0);
    Edit(file, file, "CONFIG_Q5100", {{"81", "23"}, {"3D", "50"}});
    const CliRun run = Cli({"write", file, "--port", "COM5", "--yes"});
    EXPECT_RUN(run, 1);
    EXPECT_NE(run.out.find("\nregistro 81\t\t30\t23\n"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("o registro 81 não é gravado por nenhuma página"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Default"), std::string::npos) << "the idle steps were written: " << run.err;
    EXPECT_EQ(sim->Stop(), 0);
    EXPECT_EQ(sim->Writes(), (std::vector<std::pair<std::string, std::string>>{{"3D", "50"}}));
}

// Ctrl+C in the middle of a write: the pass stops between two registers,
// the tool names what was written and what was not, and the ECU holds
// exactly the written ones.
TEST_F(CliTest, CtrlCMidWriteStopsBetweenRegistersAndSaysWhichWereWritten) {
    auto sim = Simulator("q7100");
    const QString a = Path("a.cfg"), b = Path("b.cfg"), trace = Path("trace.txt");
    ASSERT_EQ(Cli({"read", "--model", "q7100", "--port", "COM5", "-o", a}).code, 0);
    const std::map<std::string, std::string> wanted = {{"2B", "04"}, {"2C", "06"}, {"3D", "64"}, {"3E", "A0"}};
    Edit(a, b, "CONFIG_Q7100", {{"2B", "4"}, {"2C", "6"}, {"3D", "64"}, {"3E", "A0"}});

    QProcess process;
    Start(process, {"write", b, "--port", "COM5", "--yes", "--trace", trace});
    // The first write frame on the line: neither a read (00 04) nor a confirm (00 05).
    const CliRun run = Interrupt(process, [&] {
        for (const QByteArray& line : Bytes(trace).split('\n'))
            if (line.contains("-> 00 ") && !line.contains("-> 00 04 ") && !line.contains("-> 00 05 ")) return true;
        return false;
    });
    EXPECT_RUN(run, 5);
    const size_t writtenAt = run.err.find("Gravados:\n"), notAt = run.err.find("Não gravados:\n");
    ASSERT_TRUE(writtenAt != std::string::npos && notAt != std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin() + writtenAt, run.err.begin() + notAt, '\n'), 2) << run.err;
    EXPECT_EQ(std::count(run.err.begin() + notAt, run.err.end(), '\n'), 4) << run.err;

    EXPECT_EQ(sim->Stop(), 0);
    const auto writes = sim->Writes();
    ASSERT_EQ(writes.size(), 1u) << sim->LogText();
    const auto image = sim->RegisterImage();
    int changed = 0;
    for (const auto& [reg, value] : wanted) changed += image.at(reg) == value;
    EXPECT_EQ(changed, 1) << "the ECU holds exactly the register written";
    EXPECT_EQ(image.at(writes[0].first), writes[0].second);
    EXPECT_EQ(sim->FramesOfKind("confirm"), 3);
}

// The messages follow ZANO_LANG, else the locale: the same runs in English
// and in Spanish print the catalogue's texts, values in their places; the
// Portuguese of ZANO_LANG=pt_BR wins over an English locale.
TEST_F(CliTest, MessagesAreInTheLanguageOfZanoLangOrTheLocale) {
    const QString a = Path("a%1.cfg");  // a placeholder in a value stays as it is
    ASSERT_EQ(Cli({"read", "--simulator", "q7100", "-o", a}).code, 0);
    const CliRun portuguese = Cli({"diff", a, a}, {{"ZANO_LANG", "pt_BR"}, {"LC_ALL", "en_US.UTF-8"}});
    EXPECT_EQ(portuguese.code, 0);
    EXPECT_EQ(portuguese.out, "Iguais.\n");

    for (const Variables& variables : {Variables{{"ZANO_LANG", "en"}}, Variables{{"ZANO_LANG", "es"}},
                                       Variables{{"LC_ALL", "es_AR.UTF-8"}}}) {
        const QString language = variables[0].second.left(2);
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(":/i18n/zano_" + language + ".qm"));
        const QString equal = catalogue.translate(nullptr, "Iguais.");
        const QString exists = catalogue.translate(nullptr, "%1: o arquivo já existe (--force para sobrescrever)");
        ASSERT_FALSE(equal.isEmpty() || exists.isEmpty()) << language.toStdString();
        const std::string how = (variables[0].first + "=" + variables[0].second).toStdString();
        const CliRun same = Cli({"diff", a, a}, variables), refused = Cli({"read", "--simulator", "q7100", "-o", a}, variables);
        EXPECT_EQ(std::make_tuple(same.code, same.out), std::make_tuple(0, equal.toStdString() + "\n")) << how;
        EXPECT_EQ(std::make_tuple(refused.code, refused.err),
                  std::make_tuple(4, "zano-cli: " + exists.arg(a).toStdString() + "\n")) << how;
    }
}

}  // namespace
