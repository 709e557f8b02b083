// The program's command line, through the built program: --help and
// --version answer without a display, a bad quit time is refused, unknown
// options are ignored with one warning and the first page still shows.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/start_options.h"

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun RunProgram(const QStringList& args, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZANO_CONFIGURATOR_PATH), args);
    ProgramRun run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "the program did not end: " << args.join(' ').toStdString();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// No display at all: making the application object would abort.
QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

TEST(CommandLine, HelpAndVersionAnswerWithoutADisplayAndEndWithZero) {
    const ProgramRun help = RunProgram({QStringLiteral("--help")}, WithoutDisplay());
    EXPECT_EQ(0, help.exitCode) << help.err.toStdString();
    EXPECT_EQ(QString::fromStdString(StartUsage()), help.out);
    EXPECT_EQ(
        0,
        RunProgram({QStringLiteral("-h"), QStringLiteral("--bogus")}, WithoutDisplay()).exitCode);

    const ProgramRun version = RunProgram({QStringLiteral("--version")}, WithoutDisplay());
    EXPECT_EQ(0, version.exitCode) << version.err.toStdString();
    EXPECT_EQ(QString::fromStdString(StartVersion() + "\n"), version.out);
}

TEST(CommandLine, ABadQuitTimeIsRefusedBeforeAnythingShows) {
    const ProgramRun run =
        RunProgram({QStringLiteral("--quit-after"), QStringLiteral("soon")}, WithoutDisplay());
    EXPECT_EQ(2, run.exitCode);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--quit-after"))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(CommandLine, UnknownOptionsAreIgnoredWithOneWarningAndThePageStillShows) {
    QTemporaryDir runtimeDir;
    ASSERT_TRUE(runtimeDir.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // -platform belongs to the toolkit, which takes it out before the
    // program reads its options: it is not warned about.
    const ProgramRun run = RunProgram(
        {QStringLiteral("--bogus"), QStringLiteral("-platform"), QStringLiteral("offscreen"),
         QStringLiteral("-nosplash"), QStringLiteral("--no-splash"), QStringLiteral("--quit-after"),
         QStringLiteral("300")},
        env);
    EXPECT_EQ(0, run.exitCode) << run.err.toStdString();
    const QStringList ours =
        run.err.split('\n').filter(QRegularExpression(QStringLiteral("^zano-configurator:")));
    EXPECT_EQ(QStringList{QStringLiteral(
                  "zano-configurator: ignoring unknown arguments --bogus -nosplash")},
              ours)
        << run.err.toStdString();
}

}  // namespace
