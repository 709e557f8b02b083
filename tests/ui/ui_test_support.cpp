#include "tests/ui/ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <map>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/globals.h"
#include "app/parameter_table.h"
#include "app/ui/demo_mode.h"
#include "app/ui/page_dialog.h"
#include "app/ui/ui_globals.h"
#include "controls/image_button.h"
#include "pages/config_page.h"
#include "monitor/monitor_dialog.h"
#include "comm/ecu_worker.h"
#include "comm/hex_text.h"
#include "data/diagnostic_dump.h"
#include "data/port_setting.h"
#include "sim/forwarding_device.h"

bool WaitUntil(const std::function<bool()>& pred, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!pred()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

namespace {
// Runs `job` on the worker and waits for its end.
bool RunOnWorker(const std::function<int(EcuSession&)>& job) {
    bool done = false;
    Worker().Post(job, [&done](int) { done = true; });
    return WaitUntil([&] { return done; });
}
}  // namespace

void WaitForWorker() {
    EXPECT_TRUE(RunOnWorker([](EcuSession&) { return 0; }));
}

void ClickButton(CPageDialog* page, const QString& tooltip) {
    static const std::map<QString, int> kFrameIds = {
        {QStringLiteral("Retornar"), 1186}, {QStringLiteral("Próximo"), 1193}, {QStringLiteral("Carregar Arquivo"), 1192},
        {QStringLiteral("Gravar Arquivo"), 1189}, {QStringLiteral("Inicia Monitoramento"), 1190}, {QStringLiteral("Sair"), 1187}};
    if (auto* config = dynamic_cast<CConfigPage*>(page)) {
        const auto id = kFrameIds.find(tooltip);
        if (id != kFrameIds.end()) {
            if (CImageButton* button = config->Button(id->second)) {
                EXPECT_TRUE(button->isEnabled()) << tooltip.toStdString();
                button->click();
                return;
            }
        }
    }
    for (auto* button : page->findChildren<CImageButton*>()) {
        if (button->toolTip() == tooltip) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << tooltip.toStdString();
}

bool PageBusy(CPageDialog* page) {
    if (auto* config = dynamic_cast<CConfigPage*>(page)) return config->IsBusy();
    if (auto* monitor = dynamic_cast<CMonitorDialog*>(page)) return monitor->IsBusy();
    return false;
}

int ShowPage(CPageDialog* page, const std::function<void()>& act) {
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !PageBusy(page); }));
        act();
        // A page refuses to end while it exchanges with the ECU (Enter writes
        // the focused field): let the exchange finish first.
        if (!WaitUntil([&] { return !page->isVisible(); }, 100) &&
            WaitUntil([&] { return !page->isVisible() || !PageBusy(page); }, 20000) && page->isVisible())
            static_cast<QDialog*>(page)->done(kStays);
    });
    timer.start(0);
    QTimer watchdog;
    EndPageLeftOpen(page, watchdog);
    return page->DoModal();
}

void LeaveMonitorWhenShown() {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->inherits("CMonitorDialog")) return;
        for (auto* button : modal->findChildren<QPushButton*>()) {
            if (button->toolTip() == QStringLiteral("Retornar") && button->isEnabled()) {
                button->click();
                poll->deleteLater();
                return;
            }
        }
    });
    poll->start(50);
}

void UiTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    ResetGlobals();
    g_Clock.Use(&clock_);
    CreatePageFont();
    SetSettingsFilePath(dir_.filePath(QStringLiteral("ZANO.INI")).toStdString());
    SetDumpFolder(dir_.path().toStdString());
    SetMessageBoxResponder([this](const MessageRequest& request) {
        messages_.push_back(request);
        return request.buttons == BoxButtons::YesNo ? nextAnswer_ : kAnswerOk;
    });
    SetFileDialogResponder([this](const FileDialogRequest&) { return nextFile_; });
    SetCompareDialogResponder([this](CCompareDialog& dialog) {
        comparisons_.push_back({dialog.Kind(), dialog.windowTitle(), dialog.TableText(), dialog.Differences()});
        if (onCompare_) onCompare_(dialog);
        return nextCompareAnswer_;
    });
}

void UiTest::TearDown() {
    // Let the worker finish and close the port on its own thread.
    Worker().Post([](EcuSession& session) { return static_cast<int>(session.port.ClosePort()); }, nullptr);
    DestroyWorker();
    g_Clock.Use(nullptr);
    SetDemoMode(false);
    g_SerialPort.SetDeviceFactory(nullptr);
    SetMessageBoxResponder(nullptr);
    SetFileDialogResponder(nullptr);
    SetCompareDialogResponder(nullptr);
    SetSettingsFilePath(std::string());
    SetDumpFolder(std::string());
}

SimulatedEcuDevice& UiTest::UseSimulatedEcu(int modelIndex, EcuOptions options) {
    ModelIndex = modelIndex;
    FillParameterTable(modelIndex);
    const EcuVariant variant = modelIndex == 1 ? EcuVariant::Q5100
                               : modelIndex == 2 ? EcuVariant::Q5100Plus
                                                 : EcuVariant::Q7100;
    ecu_ = std::make_shared<SimulatedEcuDevice>(g_Clock, variant, options);
    auto shared = ecu_;
    g_SerialPort.SetDeviceFactory([shared](const std::string&) { return MakeForwardingDevice(shared); });
    return *ecu_;
}

void UiTest::ConnectSimulatedEcu(int modelIndex, EcuOptions options) {
    SimulatedEcuDevice& ecu = UseSimulatedEcu(modelIndex, options);
    SyncSessionFromGlobals();
    ASSERT_TRUE(RunOnWorker([](EcuSession& session) {
        session.port.ClosePort();  // a link to an earlier ECU goes
        OpenEcuLink(session);
        return 0;
    }));
    g_EquipmentStore.Zeradora();
    for (const auto& [reg, value] : ecu.Registers())
        g_EquipmentStore.Add(IntToHexText(reg).c_str(), IntToHexText(value).c_str());
}

void UiTest::OpenLinkWithSnapshot() {
    SyncSessionFromGlobals();
    ASSERT_TRUE(RunOnWorker([](EcuSession& session) {
        OpenEcuLink(session);
        return ReadMonitorSnapshot(session, session.equipmentStore);
    }));
}

int UiTest::RunActive(CPageDialog* page, const std::function<void()>& driver) {
    return RunPage(page, [page, driver] {
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page));
        driver();
    });
}

int UiTest::FramesOfKind(FrameKind kind) const {
    const auto& frames = ecu_->ReceivedFrames();
    return static_cast<int>(std::count_if(frames.begin(), frames.end(), [kind](const ReceivedFrame& r) { return r.frame.kind == kind; }));
}

void UiTest::UseRealClock() { g_Clock.Use(nullptr); }

void EndPageLeftOpen(CPageDialog* page, QTimer& watchdog) {
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, page, [page] {
        ADD_FAILURE() << "the page was still open after a minute";
        static_cast<QDialog*>(page)->done(-1);
    });
    watchdog.start(60000);
}

int UiTest::RunPage(CPageDialog* page, const std::function<void()>& driver) {
    // Dies with this call, so a page that ended during its start never runs
    // the driver later. A driver that stopped on a failed assertion leaves
    // the page open: end it.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, page, [page, &driver] {
        driver();
        if (::testing::Test::HasFailure()) static_cast<QDialog*>(page)->done(-1);
    });
    timer.start(0);
    QTimer watchdog;
    EndPageLeftOpen(page, watchdog);
    const int result = page->DoModal();
    page->DestroyPageWindow();
    return result;
}

void UiTest::SaveScreenshot(QWidget* widget, const QString& name) {
    // Only on request, so the test run does not rewrite committed pictures.
    if (qEnvironmentVariableIsEmpty("ZANO_SAVE_SCREENSHOTS")) return;
    const QString path = QStringLiteral(ZANO_SCREENSHOT_DIR "/") + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    EXPECT_TRUE(widget->grab().save(path)) << path.toStdString();
}
