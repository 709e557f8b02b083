#include "app/ui/configurator_app.h"

#include <QCommandLineParser>
#include <QStringDecoder>
#include <QThread>

#include "app/globals.h"
#include "app/parameter_table.h"
#include "app/ui/demo_mode.h"
#include "app/ui/message_box.h"
#include "app/ui/single_instance.h"
#include "app/ui/splash_wnd.h"
#include "app/ui/start_pages.h"
#include "app/ui/ui_globals.h"
#include "app/ui/wizard.h"
#include "comm/ecu_worker.h"
#include "data/crx4data.h"

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
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configurador e monitor da central de GNV."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("no-splash"), QStringLiteral("Do not show the start-up picture.")});
    parser.addOption({QStringLiteral("demo"), QStringLiteral("Talk to the built-in ECU simulator.")});
    parser.addOption({QStringLiteral("no-demo"), QStringLiteral("Do not offer the built-in simulator when no serial port exists.")});
    parser.process(*this);
    CSplashWnd::SetSplashAllowed(!parser.isSet(QStringLiteral("no-splash")));

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
        ShowMessageBox(nullptr, QStringLiteral("Conversor de texto Windows-1252 indisponível: os arquivos não podem ser lidos."),
                       applicationName(), BoxIcon::Stop);
        return -1;
    }

    ClearParameterTable();
    CreatePageFont();
    CtrlKeyDown = 0;
    wizard_ = std::make_unique<Wizard>(OpenChosenPort);

    SingleInstanceGuard guard(QStringLiteral("Zano_aplication.lock"));
    if (!guard.Acquired()) {
        ShowMessageBox(nullptr, QStringLiteral(" Já existe um aplicativo aberto "), applicationName(), BoxIcon::None);
        wizard_.reset();
        return -1;
    }

    SetDemoMode(ShouldStartInDemoMode(parser.isSet(QStringLiteral("demo")), parser.isSet(QStringLiteral("no-demo"))));
    SelectPortBackend(g_SerialPort, DemoModeActive());
    CreateWorker();
    wizard_->RunWizard();
    wizard_.reset();
    // The port belongs to the worker's thread: close it there before it ends.
    Worker().Post([](EcuSession& session) { return static_cast<int>(session.port.ClosePort()); }, nullptr);
    DestroyWorker();
    return 0;
}
