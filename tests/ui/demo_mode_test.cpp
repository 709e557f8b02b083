// Demo mode: the simulator only by the user's choice, and the port list that
// finds an adapter plugged in later. The badge is checked with every page in
// page_base_test.cpp.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include "app/globals.h"
#include "app/ui/demo_mode.h"
#include "app/ui/start_pages.h"
#include "app/ui/wizard.h"
#include "pages/config_page.h"
#include "comm/port_names.h"
#include "data/port_setting.h"
#include "tests/ui/ui_test_support.h"

namespace {

// A machine without serial devices: empty folders stand for /dev and for
// the override links. PlugIn adds a device as the kernel would.
class NoSerialDevice : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        devDir_ = TempPath(QStringLiteral("dev"));
        const QString portsDir = TempPath(QStringLiteral("ports"));
        ASSERT_TRUE(QDir().mkpath(devDir_) && QDir().mkpath(portsDir));
        SetDeviceFolder(devDir_.toStdString());
        qputenv("ZANO_PORTS_DIR", portsDir.toUtf8());
        ASSERT_TRUE(ListPorts(false).empty());
    }
    void TearDown() override {
        SetDeviceFolder(std::string());
        qunsetenv("ZANO_PORTS_DIR");
        UiTest::TearDown();
    }
    void PlugIn(const QString& name) {
        QFile device(devDir_ + QLatin1Char('/') + name);
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    }
    QString devDir_;
};

TEST_F(NoSerialDevice, NoDeviceAtStartMeansAQuestionAndTheSimulatorOnlyOnYes) {
    nextAnswer_ = kAnswerNo;
    EXPECT_FALSE(ShouldStartInDemoMode(false, false)) << "the simulator was chosen for the user";
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ(BoxButtons::YesNo, messages_[0].buttons);
    EXPECT_TRUE(messages_[0].text.startsWith(QStringLiteral("Nenhuma porta serial encontrada")));

    nextAnswer_ = kAnswerYes;
    EXPECT_TRUE(ShouldStartInDemoMode(false, false));

    // --demo needs no question; --no-demo never asks and never uses it.
    messages_.clear();
    EXPECT_TRUE(ShouldStartInDemoMode(true, false));
    EXPECT_FALSE(ShouldStartInDemoMode(false, true));
    EXPECT_TRUE(messages_.empty());

    // With a device present nothing is asked: the real port is used.
    PlugIn(QStringLiteral("ttyUSB0"));
    EXPECT_FALSE(ShouldStartInDemoMode(false, false));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(NoSerialDevice, ThePortPageLooksAgainOnEachShowingAndOnRequestAndOffersTheSimulatorLast) {
    PortChoice chosen{-1, false};
    CPortPage page([&](PortChoice choice) { chosen = choice; });
    QComboBox* list = page.List();
    const QString adapter = QStringLiteral("COM21  ") + devDir_ + QStringLiteral("/ttyUSB0");

    EXPECT_EQ(kResultBack, RunPage(&page, [&] {
                  // Nothing found: the simulator is offered but not chosen for the user.
                  ASSERT_EQ(1, list->count());
                  EXPECT_EQ(SimulatorPortEntry(), list->itemText(0));
                  EXPECT_TRUE(list->currentText().isEmpty());

                  PlugIn(QStringLiteral("ttyUSB0"));
                  ClickButton(&page, QStringLiteral("Procurar portas de novo"));
                  ASSERT_EQ(2, list->count());
                  EXPECT_TRUE(list->itemText(0).startsWith(adapter)) << list->itemText(0).toStdString();
                  EXPECT_EQ(0, list->currentIndex());

                  // A name the user typed survives a refresh.
                  list->setEditText(QStringLiteral("COM12"));
                  ClickButton(&page, QStringLiteral("Procurar portas de novo"));
                  EXPECT_EQ(QStringLiteral("COM12"), list->currentText());
                  ClickButton(&page, QStringLiteral("Retornar"));
              }));

    // The next showing finds an adapter plugged in meanwhile.
    PlugIn(QStringLiteral("ttyACM0"));
    EXPECT_EQ(kResultNext, RunPage(&page, [&] {
                  ASSERT_EQ(3, list->count());
                  EXPECT_TRUE(list->itemText(1).startsWith(QStringLiteral("COM41  ")));
                  EXPECT_EQ(0, list->currentIndex());
                  list->setCurrentIndex(2);
                  ClickButton(&page, QStringLiteral("Próximo"));
              }));
    EXPECT_TRUE(chosen.simulator);
    EXPECT_TRUE(DemoModeActive());

    // While the simulator is in use it is the preselected entry; a real port
    // chosen then turns it off again.
    EXPECT_EQ(kResultNext, RunPage(&page, [&] {
                  EXPECT_EQ(SimulatorPortEntry(), list->currentText());
                  list->setCurrentIndex(0);
                  ClickButton(&page, QStringLiteral("Próximo"));
              }));
    EXPECT_FALSE(chosen.simulator);
    EXPECT_EQ(21, chosen.number);
    EXPECT_FALSE(DemoModeActive());
}

// The whole way with no adapter: the first read goes to the system's ports
// and fails, the port page offers the simulator, and only once it is chosen
// does the ECU answer. The simulator's number is not remembered as a port.
TEST_F(NoSerialDevice, AFailedReadOffersTheSimulatorAndOnlyThatChoiceReachesIt) {
    SelectPortBackend(g_SerialPort, false);
    Wizard wizard(OpenChosenPort);
    std::vector<int> shown;
    bool badgeOnSecondRead = false;
    wizard.SetPageObserver([&](WizardStep step, CPageDialog* page) {
        shown.push_back(page->TemplateId());
        QTimer::singleShot(0, page, [&, step, page] {
            switch (step) {
                case WizardStep::Language: ClickButton(page, QStringLiteral("Português")); break;
                case WizardStep::Model:
                    static_cast<CModelPage*>(page)->List()->setCurrentIndex(0);
                    ClickButton(page, QStringLiteral("Próximo"));
                    break;
                case WizardStep::Port: {
                    QComboBox* list = static_cast<CPortPage*>(page)->List();
                    list->setCurrentIndex(list->findText(SimulatorPortEntry()));
                    ClickButton(page, QStringLiteral("Próximo"));
                    break;
                }
                case WizardStep::Customer: {
                    if (shown.size() < 4) break;  // the first read fails by itself
                    auto* config = static_cast<CConfigPage*>(page);
                    ASSERT_TRUE(WaitUntil([config] { return !config->IsBusy(); }, 15000));
                    badgeOnSecondRead = config->DemoBadge()->isVisible();
                    ClickButton(page, QStringLiteral("Sair"));
                    break;
                }
                default: ClickButton(page, QStringLiteral("Sair")); break;
            }
        });
    });
    wizard.RunWizard();
    EXPECT_EQ((std::vector<int>{181, 145, 182, 144, 182}), shown);
    ASSERT_GE(messages_.size(), 1u);
    EXPECT_EQ(QStringLiteral("Erro na leitura dos parâmetros !!!"), messages_[0].text);
    EXPECT_EQ(1u, messages_.size()) << "the second read, from the simulator, failed";
    EXPECT_GT(g_EquipmentStore.GetQtyUsed(), 20u);
    EXPECT_TRUE(badgeOnSecondRead);
    int port = 0;
    EXPECT_NE(0, PortSetting("Q7100", &port, "GET"));
}

}  // namespace
