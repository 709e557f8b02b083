// The start-up routine of the application object itself (InitInstance): the
// refusal of a second instance and the splash key filter, which acts on the
// UI thread only; and the program's command line, through the built program.
#include "tests/startup/startup_test.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <atomic>

#include "app/globals.h"
#include "app/start_options.h"
#include "app/ui/configurator_app.h"
#include "app/ui/message_box.h"
#include "app/ui/single_instance.h"
#include "app/ui/splash_wnd.h"
#include "app/ui/start_pages.h"

namespace {

// Counts the key presses it receives, on whatever thread it lives.
struct KeyCounter : QObject {
    std::atomic<int> keys{0};
    bool event(QEvent* event) override { return event->type() == QEvent::KeyPress ? (++keys, true) : QObject::event(event); }
};

class StartUpTest : public ::testing::Test, public QObject {
  protected:
    void SetUp() override {
        // The single-instance lock lives in the runtime folder: a private
        // one keeps a real copy of the program out of the test's way.
        ASSERT_TRUE(runtimeDir_.isValid());
        qputenv("XDG_RUNTIME_DIR", runtimeDir_.path().toLocal8Bit());
        ResetGlobals();
        Answer(false);
        qApp->installEventFilter(this);
    }
    void TearDown() override { qApp->removeEventFilter(this), SetMessageBoxResponder({}); }
    // Message boxes are recorded; with `wait` each waits for the user (the quit time).
    void Answer(bool wait) {
        SetMessageBoxResponder([this, wait](const MessageRequest& request) {
            messages_.push_back(request);
            if (wait) QDialog().exec();
            return static_cast<int>(kAnswerOk);
        });
    }
    // Names the class of every page window that is shown.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->inherits("CPageDialog")) shown_.push_back(watched->metaObject()->className());
        return false;
    }
    // Runs InitInstance; `whileRunning` is called every 10 ms inside it.
    int RunInitInstance(const std::function<void()>& whileRunning = {}) {
        QTimer poll;
        if (whileRunning) QObject::connect(&poll, &QTimer::timeout, whileRunning), poll.start(10);
        QElapsedTimer elapsed;
        elapsed.start();
        const int result = static_cast<CConfiguratorApp*>(qApp)->InitInstance();
        elapsedMs_ = elapsed.elapsed();
        return result;
    }

    QTemporaryDir runtimeDir_;
    std::vector<std::string> shown_;
    std::vector<MessageRequest> messages_;
    qint64 elapsedMs_ = 0;
};

TEST_F(StartUpTest, ASecondInstanceIsToldSoAndEndsWithoutShowingAPage) {
    SingleInstanceGuard first(QStringLiteral("Zano_aplication.lock"));
    ASSERT_TRUE(first.Acquired());
    Answer(true);  // the box waits for the user like the real one; the quit time closes it
    EXPECT_EQ(-1, RunInitInstance());
    EXPECT_GE(elapsedMs_, kStartUpQuitAfterMs);
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ(QStringLiteral(" Já existe um aplicativo aberto "), messages_[0].text);
    EXPECT_TRUE(messages_[0].title == qApp->applicationName() && messages_[0].icon == BoxIcon::None &&
                messages_[0].buttons == BoxButtons::Ok && shown_.empty());
}

// The language page under its splash, the run ending at the quit time. A key
// sent to a worker's object reaches it and leaves the splash (a filter that
// touched the splash from the worker would wait on the UI thread forever);
// Enter, which would end the language page, only hides the splash.
TEST_F(StartUpTest, TheSplashSwallowsTheFirstKeyOnTheUiThreadAndNoneOnOthersAndTheRunEndsAtTheQuitTime) {
    QThread workerThread;
    KeyCounter workerObject;
    workerObject.moveToThread(&workerThread);
    workerThread.start();
    bool tested = false, splashAfterWorkerKey = false, consumed = false, splashAfterPageKey = true;
    const int result = RunInitInstance([&] {
        auto* page = qobject_cast<CLanguagePage*>(QApplication::activeModalWidget());
        if (tested || !page || !CSplashWnd::CurrentSplash()) return;
        tested = true;
        std::atomic<bool> delivered{false};
        QMetaObject::invokeMethod(&workerObject, [&] {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
                QCoreApplication::sendEvent(&workerObject, &press);
                delivered = true;
            }, Qt::QueuedConnection);
        QDeadlineTimer deadline(3000);
        while (!delivered && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_TRUE(delivered);
        splashAfterWorkerKey = CSplashWnd::CurrentSplash() != nullptr;
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        consumed = QApplication::sendEvent(page, &enter);
        splashAfterPageKey = CSplashWnd::CurrentSplash() != nullptr;
    });
    workerThread.quit();
    workerThread.wait();
    EXPECT_EQ(0, result);
    ASSERT_TRUE(tested) << "the splash never showed over the language page";
    EXPECT_EQ(1, workerObject.keys.load());
    EXPECT_TRUE(splashAfterWorkerKey && consumed && !splashAfterPageKey);
    EXPECT_EQ(std::vector<std::string>{"CLanguagePage"}, shown_) << "Enter never reached the page";
    EXPECT_TRUE(elapsedMs_ >= kStartUpQuitAfterMs && elapsedMs_ < kStartUpQuitAfterMs + 5000) << elapsedMs_;
    EXPECT_TRUE(messages_.empty());
}

// The built program's exit code, output and errors. Without `display` there
// is none at all: making the application object would abort.
std::tuple<int, QString, QString> RunProgram(const QStringList& args, bool display = false) {
    QTemporaryDir runtimeDir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", display ? "offscreen" : "xcb");
    env.insert("XDG_RUNTIME_DIR", runtimeDir.path());
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(ZANO_CONFIGURATOR_PATH, args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "the program did not end: " << args.join(' ').toStdString();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}
// -platform belongs to the toolkit, which takes it out before the program
// reads its options: it is not warned about. --log shows the viewer alone:
// the wizard's quit timer does not run too.
TEST(CommandLine, AnswersWithoutADisplayRefusesBadValuesAndWarnsOnceOfUnknownOptions) {
    using Run = std::tuple<int, QString, QString>;
    EXPECT_EQ(Run(0, QString::fromStdString(StartUsage()), QString()), RunProgram({"--help"}));
    EXPECT_EQ(Run(0, QString::fromStdString(StartVersion() + "\n"), QString()), RunProgram({"--version"}));
    QTemporaryDir dir;
    const QString missing = dir.filePath("gone/trace.txt"), trace = dir.filePath("trace.txt");
    for (const auto& [args, named] : {std::pair{QStringList{"--quit-after", "soon"}, QString("--quit-after")},
                                      std::pair{QStringList{"--trace", missing}, missing}}) {
        const auto [code, out, err] = RunProgram(args);
        EXPECT_TRUE(code == 2 && err.contains(named) && out.isEmpty()) << code << err.toStdString();
    }
    QFile log(dir.filePath("drive.csv"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("# Zano datalog 1\n# modelo: Q7100\ntempo_ms,rpm,tps_V,lambda_V,passos,atuador,injecao_ms,evento\n"
              "ms,rpm,V,V,passos,,ms,\n0,850,0.50,0.45,80,0,3.5,\n100,860,0.52,0.47,81,0,3.5,\n");
    log.close();
    const auto [code, out, err] = RunProgram({"--quit-after", "300", "--trace", trace, "--log", log.fileName(), "--bogus",
                                              "-platform", "offscreen", "-nosplash", "--no-splash"}, true);
    EXPECT_EQ(0, code) << err.toStdString();
    EXPECT_EQ(QStringList{"zano-configurator: ignoring unknown arguments --bogus -nosplash"},
              err.split('\n').filter(QRegularExpression("^zano-configurator:"))) << err.toStdString();
    EXPECT_FALSE(err.contains("on screen")) << "the wizard's quit timer ran too";
    EXPECT_TRUE(QFile::exists(trace));
}

}  // namespace
