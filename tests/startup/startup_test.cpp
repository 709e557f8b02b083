// The start-up routine of the application object itself (InitInstance): the
// refusal of a second instance, a run ended by its quit time, and the splash
// key filter, which acts on the UI thread only.
#include "tests/startup/startup_test.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/ui/configurator_app.h"
#include "app/ui/message_box.h"
#include "app/ui/single_instance.h"
#include "app/ui/splash_wnd.h"
#include "app/ui/start_pages.h"

namespace {

// Names the class of every page window that is shown.
class ShownPages : public QObject {
  public:
    std::vector<std::string> names;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->inherits("CPageDialog"))
            names.push_back(watched->metaObject()->className());
        return false;
    }
};

// Counts the key presses it receives, on whatever thread it lives.
class KeyCounter : public QObject {
  public:
    std::atomic<int> keys{0};

  protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::event(event);
        ++keys;
        return true;
    }
};

class StartUpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The single-instance lock lives in the runtime folder: a private
        // one keeps a real copy of the program out of the test's way.
        ASSERT_TRUE(runtimeDir_.isValid());
        qputenv("XDG_RUNTIME_DIR", runtimeDir_.path().toLocal8Bit());
        ResetGlobals();
        SetMessageBoxResponder([this](const MessageRequest& request) {
            messages_.push_back(request);
            return static_cast<int>(kAnswerOk);
        });
        qApp->installEventFilter(&shown_);
    }
    void TearDown() override {
        qApp->removeEventFilter(&shown_);
        SetMessageBoxResponder({});
    }

    // Runs InitInstance; `whileRunning` is called every 10 ms inside it.
    int RunInitInstance(const std::function<void()>& whileRunning = {}) {
        QTimer poll;
        if (whileRunning) {
            QObject::connect(&poll, &QTimer::timeout, whileRunning);
            poll.start(10);
        }
        elapsed_.start();
        const int result = static_cast<CConfiguratorApp*>(qApp)->InitInstance();
        elapsedMs_ = elapsed_.elapsed();
        return result;
    }

    static CLanguagePage* LanguagePageOnTop() {
        return qobject_cast<CLanguagePage*>(QApplication::activeModalWidget());
    }

    QTemporaryDir runtimeDir_;
    ShownPages shown_;
    std::vector<MessageRequest> messages_;
    QElapsedTimer elapsed_;
    qint64 elapsedMs_ = 0;
};

TEST_F(StartUpTest, ASecondInstanceIsToldSoAndEndsWithoutShowingAPage) {
    SingleInstanceGuard first(QStringLiteral("Zano_aplication.lock"));
    ASSERT_TRUE(first.Acquired());
    // The box waits for the user like the real one; the quit time closes it.
    SetMessageBoxResponder([this](const MessageRequest& request) {
        messages_.push_back(request);
        QDialog box;
        box.setModal(true);
        box.exec();
        return static_cast<int>(kAnswerOk);
    });
    EXPECT_EQ(-1, RunInitInstance());
    EXPECT_GE(elapsedMs_, kStartUpQuitAfterMs);
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ(QStringLiteral(" Já existe um aplicativo aberto "), messages_[0].text);
    EXPECT_EQ(qApp->applicationName(), messages_[0].title);
    EXPECT_EQ(BoxIcon::None, messages_[0].icon);
    EXPECT_EQ(BoxButtons::Ok, messages_[0].buttons);
    EXPECT_TRUE(shown_.names.empty());
}

TEST_F(StartUpTest, TheLanguagePageShowsAndTheRunEndsByItselfAtTheQuitTime) {
    bool languagePageSeen = false;
    EXPECT_EQ(0, RunInitInstance([&] { languagePageSeen |= LanguagePageOnTop() != nullptr; }));
    EXPECT_TRUE(languagePageSeen);
    EXPECT_EQ(std::vector<std::string>{"CLanguagePage"}, shown_.names);
    EXPECT_GE(elapsedMs_, kStartUpQuitAfterMs);
    EXPECT_LT(elapsedMs_, kStartUpQuitAfterMs + 5000);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(StartUpTest, ABoxOverThePageAtTheQuitTimeCountsAsNoPageAndIsClosed) {
    bool boxClosed = false;
    bool boxOpened = false;
    const int result = RunInitInstance([&] {
        if (boxOpened || !LanguagePageOnTop())
            return;
        boxOpened = true;
        QDialog box;
        box.setModal(true);
        box.exec();
        boxClosed = true;
    });
    EXPECT_EQ(CConfiguratorApp::kNoPageAtQuitTime, result);
    EXPECT_TRUE(boxClosed);
    EXPECT_EQ(std::vector<std::string>{"CLanguagePage"}, shown_.names)
        << "the run ends after the page";
}

TEST_F(StartUpTest, TheSplashSwallowsTheFirstKeyOnTheUiThreadAndNoneOnOthers) {
    QThread workerThread;
    KeyCounter workerObject;
    workerObject.moveToThread(&workerThread);
    workerThread.start();

    bool tested = false;
    bool splashAfterWorkerKey = false;
    bool consumed = false;
    bool splashAfterPageKey = true;
    const int result = RunInitInstance([&] {
        CLanguagePage* page = LanguagePageOnTop();
        if (tested || !page || !CSplashWnd::CurrentSplash())
            return;
        tested = true;
        // An event of a worker's object goes through the application on
        // the worker's thread: it reaches its object, the splash stays.
        // The UI thread keeps serving events meanwhile: a filter that did
        // touch the splash from the worker would otherwise wait on it forever.
        std::atomic<bool> delivered{false};
        QMetaObject::invokeMethod(
            &workerObject,
            [&workerObject, &delivered] {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
                QCoreApplication::sendEvent(&workerObject, &press);
                delivered = true;
            },
            Qt::QueuedConnection);
        QElapsedTimer waited;
        waited.start();
        while (!delivered && waited.elapsed() < 3000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_TRUE(delivered);
        splashAfterWorkerKey = CSplashWnd::CurrentSplash() != nullptr;
        // Enter would end the language page; with the splash up it only
        // hides the splash.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        consumed = QApplication::sendEvent(page, &enter);
        splashAfterPageKey = CSplashWnd::CurrentSplash() != nullptr;
    });
    workerThread.quit();
    workerThread.wait();

    EXPECT_EQ(0, result);
    ASSERT_TRUE(tested) << "the splash never showed over the language page";
    EXPECT_EQ(1, workerObject.keys.load());
    EXPECT_TRUE(splashAfterWorkerKey);
    EXPECT_TRUE(consumed);
    EXPECT_FALSE(splashAfterPageKey);
    EXPECT_EQ(std::vector<std::string>{"CLanguagePage"}, shown_.names)
        << "Enter never reached the page";
}

}  // namespace
