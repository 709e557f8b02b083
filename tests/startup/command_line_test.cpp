// The program's command line, through the built program: --help and
// --version answer without a display, a bad quit time is refused, unknown
// options are ignored with one warning and the first page still shows.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/start_options.h"

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString out, err;
};

// Without `display` there is none at all: making the application object would abort.
ProgramRun RunProgram(const QStringList& args, bool display = false) {
    QTemporaryDir runtimeDir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), display ? QStringLiteral("offscreen") : QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
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

TEST(CommandLine, HelpAndVersionAnswerWithoutADisplayAndABadQuitTimeIsRefused) {
    const ProgramRun help = RunProgram({QStringLiteral("--help")});
    EXPECT_EQ(0, help.exitCode) << help.err.toStdString();
    EXPECT_EQ(QString::fromStdString(StartUsage()), help.out);
    EXPECT_EQ(0, RunProgram({QStringLiteral("-h"), QStringLiteral("--bogus")}).exitCode);
    const ProgramRun version = RunProgram({QStringLiteral("--version")});
    EXPECT_EQ(0, version.exitCode) << version.err.toStdString();
    EXPECT_EQ(QString::fromStdString(StartVersion() + "\n"), version.out);

    const ProgramRun bad = RunProgram({QStringLiteral("--quit-after"), QStringLiteral("soon")});
    EXPECT_EQ(2, bad.exitCode);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("--quit-after"))) << bad.err.toStdString();
    EXPECT_TRUE(bad.out.isEmpty());
}

TEST(CommandLine, UnknownOptionsAreIgnoredWithOneWarningAndThePageStillShows) {
    // -platform belongs to the toolkit, which takes it out before the
    // program reads its options: it is not warned about.
    const ProgramRun run = RunProgram({QStringLiteral("--bogus"), QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                       QStringLiteral("-nosplash"), QStringLiteral("--no-splash"),
                                       QStringLiteral("--quit-after"), QStringLiteral("300")},
                                      true);
    EXPECT_EQ(0, run.exitCode) << run.err.toStdString();
    EXPECT_EQ(QStringList{QStringLiteral("zano-configurator: ignoring unknown arguments --bogus -nosplash")},
              run.err.split('\n').filter(QRegularExpression(QStringLiteral("^zano-configurator:"))))
        << run.err.toStdString();
}

TEST(CommandLine, TraceOpensItsFileBeforeAnyWindowAndAnUnwritableOneIsRefused) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("gone/trace.txt"));
    const ProgramRun bad = RunProgram({QStringLiteral("--trace"), missing});
    EXPECT_EQ(2, bad.exitCode);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("--trace")) && bad.err.contains(missing)) << bad.err.toStdString();

    const QString file = dir.filePath(QStringLiteral("trace.txt"));
    const ProgramRun run = RunProgram(
        {QStringLiteral("--trace"), file, QStringLiteral("--no-splash"), QStringLiteral("--quit-after"), QStringLiteral("300")},
        true);
    EXPECT_EQ(0, run.exitCode) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QStringLiteral("ignoring"))) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(file));
}

}  // namespace
