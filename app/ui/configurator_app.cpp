#include "app/ui/configurator_app.h"

#include <QDialog>
#include <QStringDecoder>
#include <QThread>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/parameter_table.h"
#include "app/start_options.h"
#include "app/ui/demo_mode.h"
#include "app/ui/log_viewer_command.h"
#include "app/ui/message_box.h"
#include "app/ui/page_dialog.h"
#include "app/ui/single_instance.h"
#include "app/ui/splash_wnd.h"
#include "app/ui/start_pages.h"
#include "app/ui/ui_globals.h"
#include "app/ui/ui_language.h"
#include "app/ui/wizard.h"
#include "comm/ecu_worker.h"
#include "data/crx4data.h"
#include "i18n/ui_text.h"
#include "monitor/log_viewer.h"
#include "monitor/monitor_dialog.h"

namespace {
// --quit-after: when the time comes, the run counts as good only if a page
// is what the user would be looking at (no box over it, not between pages).
// Then whatever is on screen is closed, top first, every 50 ms until the
// program is on its way out: a box is cancelled (also one of start-up's own,
// before the wizard exists), a page ends as by its Exit button (a page busy
// with the ECU refuses until its exchange is over) and no page follows it.
class QuitTimer {
public:
    QuitTimer(const std::unique_ptr<Wizard>& wizard, int afterMs) : wizard_(wizard) {
        if (afterMs < 0) return;
        afterMs_ = afterMs;
        // A coarse timer may fire up to 5 % early: "after MS" means after.
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(afterMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }
    // True when the time came and no page was on screen; also when the run
    // ended before its time.
    bool Failed() const { return afterMs_ >= 0 && !pageOnScreen_; }
    void Cancel() { timer_.stop(); }

private:
    void Tick() {
        CPageDialog* page = wizard_ ? wizard_->CurrentPage() : nullptr;
        QWidget* top = QApplication::activeModalWidget();
        // A start-up question still open (no serial port: use the
        // simulator?) is answered No, and the first page gets a moment to
        // show; a run that ends instead still fails below.
        if (!stopping_ && !page && top && questionsAnswered_ < kMaxQuestions) {
            if (auto* dialog = qobject_cast<QDialog*>(top)) {
                ++questionsAnswered_;
                timer_.setInterval(50);
                dialog->reject();
                return;
            }
        }
        if (!stopping_) {
            stopping_ = true;
            pageOnScreen_ = page && page->isVisible() && top == page;
            if (!pageOnScreen_)
                std::fprintf(stderr, "zano-configurator: no page on screen after %d ms\n",
                             afterMs_);
            timer_.setInterval(50);
        }
        if (wizard_) wizard_->Stop();
        if (top && top != page) {
            if (auto* dialog = qobject_cast<QDialog*>(top)) {
                dialog->reject();
            } else {
                top->close();
            }
        } else if (page) {
            page->OnExit();
        }
    }

    const std::unique_ptr<Wizard>& wizard_;
    QTimer timer_;
    int afterMs_ = -1;
    bool stopping_ = false;
    bool pageOnScreen_ = false;
    static constexpr int kMaxQuestions = 3;
    int questionsAnswered_ = 0;
};
}  // namespace

CConfiguratorApp::CConfiguratorApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("zano-configurator"));
    setApplicationDisplayName(QStringLiteral("Zano Configurador"));
    g_ConfigFilePath.clear();
}

CConfiguratorApp::~CConfiguratorApp() = default;

bool CConfiguratorApp::notify(QObject* receiver, QEvent* event) {
    if (CSplashWnd::FilterAppMessage(event)) return true;
    return QApplication::notify(receiver, event);
}

int CConfiguratorApp::InitInstance() {
    // The toolkit has already taken its own options out of arguments().
    // --help, --version and mistakes were answered before the application
    // object existed (main), as they need no display.
    std::vector<std::string> args;
    for (const QString& arg : arguments().mid(1)) args.push_back(arg.toStdString());
    const StartOptions options = ParseStartOptions(args);
    if (const std::string warning = IgnoredArgumentsWarning(options); !warning.empty())
        std::fprintf(stderr, "%s\n", warning.c_str());
    CSplashWnd::SetSplashAllowed(options.splash);
    // The log viewer alone (--log) keeps its own time.
    QuitTimer quitTimer(wizard_, options.logFile.empty() ? options.quitAfterMs : -1);

    // The store's fatal errors end the program after a stop box.
    // A store can fail on the worker thread too: the box always shows on
    // the UI thread, and the failing thread waits for it.
    SetFatalErrorHandler([this](const char* title, const char* text) {
        const QString shownText = QString::fromUtf8(text), shownTitle = QString::fromUtf8(title);
        auto show = [&] { ShowMessageBox(nullptr, shownText, shownTitle, BoxIcon::Stop); };
        if (QThread::currentThread() == thread()) {
            show();
        } else {
            QMetaObject::invokeMethod(this, show, Qt::BlockingQueuedConnection);
        }
    });
    // Configuration files are Windows-1252 text: without the converter no
    // file could be read or written correctly, so say so now.
    if (!QStringDecoder("windows-1252").isValid()) {
        ShowMessageBox(nullptr,
                       Tr("Conversor de texto Windows-1252 indisponível: "
                          "os arquivos não podem ser lidos."),
                       applicationName(), BoxIcon::Stop);
        return -1;
    }

    ApplySavedLanguage();
    ClearParameterTable();
    CreatePageFont();
    CtrlKeyDown = 0;
    SetLogViewerOpener([](QWidget* parent, const QString& path) { OpenLogViewerFor(parent, path); });
    if (!options.logFile.empty())
        return RunLogViewerAlone(QString::fromStdString(options.logFile), options.quitAfterMs);
    wizard_ = std::make_unique<Wizard>(OpenChosenPort);

    SingleInstanceGuard guard(QStringLiteral("Zano_aplication.lock"));
    if (!guard.Acquired()) {
        ShowMessageBox(nullptr, Tr(" Já existe um aplicativo aberto "), applicationName(),
                       BoxIcon::None);
        wizard_.reset();
        return -1;
    }

    SetDemoMode(ShouldStartInDemoMode(options.demo, options.noDemo));
    SelectPortBackend(g_SerialPort, DemoModeActive());
    CreateWorker();
    wizard_->RunWizard();
    const bool quitTimeFailed = quitTimer.Failed();
    quitTimer.Cancel();
    wizard_.reset();
    // The port belongs to the worker's thread: close it there before it ends.
    Worker().Post([](EcuSession& session) { return static_cast<int>(session.port.ClosePort()); }, nullptr);
    DestroyWorker();
    return quitTimeFailed ? kNoPageAtQuitTime : 0;
}

int CConfiguratorApp::RunLogViewerAlone(const QString& path, int quitAfterMs) {
    // A log is looked at without the wizard, the port or the single-instance
    // lock (beside a running configurator, say); a playback panel still
    // expects the worker and the link watcher, though it talks to no ECU.
    CreateWorker();
    QPointer<LogViewer> viewer = OpenLogViewerFor(nullptr, path);
    QObject::connect(viewer, &QObject::destroyed, this, &QCoreApplication::quit);
    // --quit-after: good when the viewer is what the user looks at then;
    // everything on screen is closed and the program ends.
    bool viewerOnScreen = quitAfterMs < 0;
    QTimer quitTimer;
    quitTimer.setSingleShot(true);
    quitTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&quitTimer, &QTimer::timeout, this, [&] {
        viewerOnScreen = viewer && viewer->isVisible();
        if (!viewerOnScreen)
            std::fprintf(stderr, "zano-configurator: no log viewer on screen after %d ms\n", quitAfterMs);
        if (QWidget* box = activeModalWidget())
            box->close();
        closeAllWindows();
        quit();
    });
    if (quitAfterMs >= 0)
        quitTimer.start(quitAfterMs);
    exec();
    DestroyWorker();
    return viewerOnScreen ? 0 : kNoPageAtQuitTime;
}
