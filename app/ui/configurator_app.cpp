#include "app/ui/configurator_app.h"

#include <QCommandLineParser>

#include "app/globals.h"
#include "app/parameter_table.h"
#include "app/ui/demo_mode.h"
#include "app/ui/message_box.h"
#include "app/ui/single_instance.h"
#include "app/ui/splash_wnd.h"
#include "app/ui/ui_globals.h"
#include "app/ui/wizard.h"
#include "comm/ecu_worker.h"

namespace {
// The port belongs to the worker's thread: open it there.
void OpenPortOnWorker(int number) {
    Worker().Post(
        [number](EcuSession& session) {
            session.port.SetPortNumber(number);
            session.port.OpenPort();
            return 0;
        },
        nullptr);
}
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
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configurador e monitor da central de GNV."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("no-splash"), QStringLiteral("Do not show the start-up picture.")});
    parser.addOption({QStringLiteral("demo"), QStringLiteral("Talk to the built-in ECU simulator.")});
    parser.addOption({QStringLiteral("no-demo"), QStringLiteral("Never fall back to the built-in simulator.")});
    parser.process(*this);
    CSplashWnd::SetSplashAllowed(!parser.isSet(QStringLiteral("no-splash")));

    ClearParameterTable();
    CreatePageFont();
    CtrlKeyDown = 0;
    wizard_ = std::make_unique<Wizard>(OpenPortOnWorker);

    SingleInstanceGuard guard(QStringLiteral("Zano_aplication.lock"));
    if (!guard.Acquired()) {
        ShowMessageBox(nullptr, QStringLiteral(" Já existe um aplicativo aberto "), applicationName(), BoxIcon::None);
        wizard_.reset();
        return -1;
    }

    SetDemoMode(ShouldStartInDemoMode(parser.isSet(QStringLiteral("demo")), parser.isSet(QStringLiteral("no-demo"))));
    CreateWorker();
    wizard_->RunWizard();
    wizard_.reset();
    // The port belongs to the worker's thread: close it there before it ends.
    Worker().Post([](EcuSession& session) { return static_cast<int>(session.port.ClosePort()); }, nullptr);
    DestroyWorker();
    return 0;
}
