// The program as a user runs it, through its real serial path: QSerialPort on
// the worker thread, the real clock, the simulator program on a
// pseudo-terminal registered as COM5. Each model: read, save, then a fresh
// run that loads the file.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "app/globals.h"
#include "app/ui/page_dialog.h"
#include "app/ui/start_pages.h"
#include "app/ui/ui_globals.h"
#include "app/ui/wizard.h"
#include "comm/crx4comm.h"
#include "comm/ecu_worker.h"
#include "comm/hex_text.h"
#include "controls/image_button.h"
#include "data/port_setting.h"
#include "pages/config_page.h"
#include "pages/customer_page.h"
#include "tests/e2e/simulator_process.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr int kComNumber = 5;
const char* const kModelNames[] = {"q7100", "q5100", "q5100plus"};

void Click(CPageDialog* page, const QString& tooltip) { ClickButton(page, tooltip); }

bool WaitIdle(CPageDialog* page) {
    auto* config = dynamic_cast<CConfigPage*>(page);
    return !config || WaitUntil([config] { return !config->IsBusy(); }, 20000);
}

class EndToEndTest : public UiTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(ports_.isValid());
        qputenv("ZANO_PORTS_DIR", ports_.path().toUtf8());
        g_SerialPort.SetDeviceFactory(MakeSystemSerialDevice);
    }
    void TearDown() override {
        UiTest::TearDown();
        qunsetenv("ZANO_PORTS_DIR");
    }

    // A new run of the program: the port closed on its thread, the worker
    // gone, the globals as at start, the port remembered in ZANO.INI.
    void FreshRun(int model) {
        Worker().Post([](EcuSession& session) { return static_cast<int>(session.port.ClosePort()); }, nullptr);
        DestroyWorker();
        ResetGlobals();
        g_SerialPort.SetDeviceFactory(MakeSystemSerialDevice);
        int port = kComNumber;
        PortSetting(model == 1 ? "Q5100" : "Q7100", &port, "SET");
    }

    // Runs the wizard; `onCustomer` acts on the customer page once it has
    // read, then every later page goes on with Next until the aux step is
    // reached the second time, where the run ends with Exit.
    std::vector<int> Walk(int model, const std::function<void(CCustomerPage*)>& onCustomer) {
        Wizard wizard([](int) {});
        std::vector<int> shown;
        int auxVisits = 0;
        wizard.SetPageObserver([&](WizardStep step, CPageDialog* page) {
            shown.push_back(page->TemplateId());
            QTimer::singleShot(0, page, [&, step, page] {
                ASSERT_TRUE(WaitIdle(page));
                switch (step) {
                    case WizardStep::Language: Click(page, QStringLiteral("Português")); break;
                    case WizardStep::Model:
                        static_cast<CModelPage*>(page)->List()->setCurrentIndex(model);
                        Click(page, QStringLiteral("Próximo"));
                        break;
                    case WizardStep::Customer:
                        onCustomer(static_cast<CCustomerPage*>(page));
                        break;
                    case WizardStep::Aux:
                        if (++auxVisits == 1) LeaveMonitorWhenShown();
                        Click(page, auxVisits == 1 ? QStringLiteral("Próximo") : QStringLiteral("Sair"));
                        break;
                    // The actuator page ends itself during its start.
                case WizardStep::Actuator: break;
                default: Click(page, QStringLiteral("Próximo")); break;
                }
            });
        });
        wizard.RunWizard();
        return shown;
    }

    QTemporaryDir ports_;
};

TEST_P(EndToEndTest, ReadSaveAndLoadInAFreshRunThroughAPseudoTerminal) {
    const int model = GetParam();
    SimulatorProcess sim(ports_.path(), kComNumber, QString::fromLatin1(kModelNames[model]), TempPath("sim.log"));
    ASSERT_TRUE(sim.Started()) << "the simulator did not print its terminal";
    FreshRun(model);
    const QString file = TempPath(model == 1 ? "oficina.Q5100" : "oficina.Q7100");
    nextFile_ = file;

    Walk(model, [&](CCustomerPage* page) {
        page->Field(0)->setText(QStringLiteral("Oficina Ponta Grossa"));
        Q_EMIT page->Field(0)->editingFinished();
        Click(page, QStringLiteral("Gravar Arquivo"));
        Click(page, QStringLiteral("Próximo"));
    });
    EXPECT_EQ(kComNumber, g_SerialPort.GetPortNumber());
    EXPECT_GT(g_EquipmentStore.GetQtyUsed(), 20u);
    ASSERT_TRUE(QFile::exists(file));

    FreshRun(model);
    QString loadedName;
    Walk(model, [&](CCustomerPage* page) {
        nextFile_ = file;
        Click(page, QStringLiteral("Carregar Arquivo"));
        loadedName = page->Field(0)->text();
        EXPECT_EQ(0, page->SourceSelector()->currentIndex()) << "the loaded file is the source";
        Click(page, QStringLiteral("Sair"));
    });
    EXPECT_EQ(QStringLiteral("Oficina Ponta Grossa"), loadedName);

    // The file holds exactly what the ECU reported.
    sim.Stop();
    const auto image = sim.RegisterImage();
    ASSERT_FALSE(image.empty());
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(saved.readAll());
    const QString section = text.mid(text.indexOf(model == 1 ? "[CONFIG_Q5100]" : "[CONFIG_Q7100]"));
    int registers = 0;
    for (const QString& line : section.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1)) {
        const QStringList pair = line.split('=');
        ASSERT_EQ(2, pair.size()) << line.toStdString();
        const auto it = image.find(pair[0].rightJustified(2, '0').toStdString());
        ASSERT_NE(image.end(), it) << "register " << pair[0].toStdString() << " is not the ECU's";
        EXPECT_EQ(HexTextToInt(it->second.c_str()), HexTextToInt(pair[1].toStdString().c_str())) << pair[0].toStdString();
        ++registers;
    }
    EXPECT_EQ(static_cast<int>(image.size()), registers);
    // One read per run on the customer page, and the monitoring screen's snapshot.
    EXPECT_EQ(3, sim.FramesOfKind(QStringLiteral("read-all")));
}

INSTANTIATE_TEST_SUITE_P(Models, EndToEndTest, ::testing::Values(0, 1, 2));

}  // namespace
