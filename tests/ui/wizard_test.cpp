// The whole wizard against the simulated ECU of each model, the language
// chosen, and demo mode: the simulator only by the user's choice, and the
// port list that finds an adapter plugged in later.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTimer>

#include "app/globals.h"
#include "app/ui/demo_mode.h"
#include "app/ui/start_pages.h"
#include "app/ui/wizard.h"
#include "app/ui/ui_language.h"
#include "comm/port_names.h"
#include "controls/font_label.h"
#include "data/language_setting.h"
#include "i18n/ui_text.h"
#include "data/port_setting.h"
#include "tests/support/marking_translator.h"
#include "tests/ui/ui_test_support.h"

namespace {

class WizardTest : public UiTest {
protected:
    // Runs the wizard with language_ and `model` chosen on the model page, which
    // offers the Q5100 first; `drive` acts on every other page once its first
    // exchange is over. Gives the pages shown.
    std::vector<int> Walk(Wizard& wizard, int model, const std::function<void(WizardStep, CPageDialog*)>& drive) {
        std::vector<int> shown;
        wizard.SetPageObserver([&](WizardStep step, CPageDialog* page) {
            shown.push_back(page->TemplateId());
            QTimer::singleShot(0, page, [&, step, page] {
                ASSERT_TRUE(WaitUntil([page] { return !PageBusy(page); }, 15000));
                if (step != WizardStep::Language && step != WizardStep::Model) return drive(step, page);
                titles_.push_back(page->findChildren<CFontLabel*>().value(0)->text());
                if (language_ == QStringLiteral("Português"))
                    SaveScreenshot(page, QLatin1String(step == WizardStep::Model ? "model-page.png" : "language-page.png"));
                if (step == WizardStep::Language) return ClickButton(page, Tr(language_.toUtf8().constData()));
                EXPECT_EQ(1, static_cast<CModelPage*>(page)->List()->currentIndex());
                static_cast<CModelPage*>(page)->List()->setCurrentIndex(model);
                ClickButton(page, Tr("Próximo"));
            });
        });
        wizard.RunWizard();
        return shown;
    }

    QString language_ = QStringLiteral("Português");
    std::vector<QString> titles_;  // of the language and model pages, as shown
};

// English or Spanish on the language page: the pages after it are built in
// that language and ZANO.INI keeps it, so the next start opens in it;
// Português there brings the written texts back, remembered too.
TEST_F(WizardTest, TheLanguageChosenHoldsForTheRunAndTheNextStart) {
    // The titles of the language and model pages of one run, `button` pressed.
    auto run = [&](const char* button) {
        titles_.clear();
        language_ = QString::fromUtf8(button);
        Wizard wizard([](PortChoice) {});
        Walk(wizard, 0, [](WizardStep step, CPageDialog* page) {
            if (step == WizardStep::Customer) ClickButton(page, Tr("Sair"));
        });
        return titles_;
    };
    const QString languageTitle = QStringLiteral("Selecione o Idioma"), modelTitle = QStringLiteral("Modelo do Equipamento");
    for (const char* code : {"en", "es"}) {
        UseSimulatedEcu(0);
        InstallLanguage(UiLanguage::Portuguese);
        const std::vector<QString> chosen = run(code == std::string("en") ? "English" : "Español");
        EXPECT_EQ(code, SavedLanguageCode());
        EXPECT_EQ((std::vector<QString>{languageTitle, Tr("Modelo do Equipamento")}), chosen);
        ASSERT_NE(modelTitle, Tr("Modelo do Equipamento")) << code;

        // The next start: the language page already speaks it.
        InstallLanguage(UiLanguage::Portuguese);
        ApplySavedLanguage();
        const QString spoken = Tr("Selecione o Idioma");
        EXPECT_NE(languageTitle, spoken) << code;
        EXPECT_EQ((std::vector<QString>{spoken, modelTitle}), run("Português"));
        EXPECT_EQ("pt_BR", SavedLanguageCode());
        int port = 0;
        EXPECT_TRUE(PortSetting("Q7100", &port, "GET") == 0 && port == 1) << "saving the language kept the port";
    }
}

class WizardWalkTest : public WizardTest, public ::testing::WithParamInterface<int> {};

// Next on the aux page passes through the monitoring screen; the second
// visit comes from the actuator step, which ends itself during its start.
TEST_P(WizardWalkTest, EveryStepShowsTheModelsPageAndTheActuatorReturnsToAux) {
    const int model = GetParam();
    UseSimulatedEcu(model);
    Wizard wizard([](PortChoice) {});
    int auxVisits = 0;
    const std::vector<int> shown = Walk(wizard, model, [&](WizardStep step, CPageDialog* page) {
        if (step == WizardStep::Customer && model == 0) SaveScreenshot(page, QStringLiteral("customer-page.png"));
        if (step == WizardStep::Actuator) return;
        if (step == WizardStep::Aux && ++auxVisits == 1) LeaveMonitorWhenShown();
        ClickButton(page, auxVisits == 2 ? QStringLiteral("Sair") : QStringLiteral("Próximo"));
    });
    const std::vector<std::vector<int>> expected = {
        {181, 145, 182, 104, 108, 110, 107, 110},  // Q7100
        {181, 145, 182, 258, 117, 116, 107, 116},  // Q5100
        {181, 145, 182, 258, 108, 110, 107, 110},  // "Q5100 plus"
    };
    EXPECT_EQ(expected[model], shown);
    EXPECT_EQ(model, ModelIndex);
    // The customer page's read and the monitoring screen's snapshot. No port
    // was chosen and ZANO.INI was empty: port 1, now remembered.
    EXPECT_EQ(2, FramesOfKind(FrameKind::ReadAll));
    int port = 0;
    EXPECT_TRUE(PortSetting(model == 1 ? "Q5100" : "Q7100", &port, "GET") == 0 && port == 1);
}

INSTANTIATE_TEST_SUITE_P(Models, WizardWalkTest, ::testing::Values(0, 1, 2));

// A machine without serial devices: empty folders stand for /dev and for
// the override links. PlugIn adds a device as the kernel would.
class NoSerialDevice : public WizardTest {
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

// --demo needs no question; --no-demo never asks and never uses it; with a
// device present nothing is asked: the real port is used.
TEST_F(NoSerialDevice, NoDeviceAtStartMeansAQuestionAndTheSimulatorOnlyOnYes) {
    nextAnswer_ = kAnswerNo;
    EXPECT_FALSE(ShouldStartInDemoMode(false, false)) << "the simulator was chosen for the user";
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ(BoxButtons::YesNo, messages_[0].buttons);
    EXPECT_TRUE(messages_[0].text.startsWith(QStringLiteral("Nenhuma porta serial encontrada")));
    nextAnswer_ = kAnswerYes;
    EXPECT_TRUE(ShouldStartInDemoMode(false, false));
    messages_.clear();
    EXPECT_TRUE(ShouldStartInDemoMode(true, false) && !ShouldStartInDemoMode(false, true));
    PlugIn(QStringLiteral("ttyUSB0"));
    EXPECT_FALSE(ShouldStartInDemoMode(false, false));
    EXPECT_TRUE(messages_.empty());
}

// Nothing found: the simulator is offered but not chosen for the user; a
// name the user typed survives a refresh; the next showing finds an adapter
// plugged in meanwhile. While the simulator is in use it is the preselected
// entry; a real port chosen then turns it off again. All of it in another
// language, where the simulator's entry is known by its translated text.
TEST_F(NoSerialDevice, ThePortPageLooksAgainOnEachShowingAndOnRequestAndOffersTheSimulatorLast) {
    const MarkingTranslator translator;
    PortChoice chosen{-1, false};
    CPortPage page([&](PortChoice choice) { chosen = choice; });
    QComboBox* list = page.List();
    EXPECT_EQ(kResultBack, RunPage(&page, [&] {
                  ASSERT_EQ(1, list->count());
                  EXPECT_EQ(MarkingTranslator::Marked("Simulador de ECU (demonstração)"), list->itemText(0));
                  EXPECT_TRUE(list->currentText().isEmpty());
                  PlugIn(QStringLiteral("ttyUSB0"));
                  ClickButton(&page, Tr("Procurar portas de novo"));
                  ASSERT_EQ(2, list->count());
                  EXPECT_TRUE(list->itemText(0).startsWith(QStringLiteral("COM21  ") + devDir_ + QStringLiteral("/ttyUSB0")));
                  EXPECT_EQ(0, list->currentIndex());
                  list->setEditText(QStringLiteral("COM12"));
                  ClickButton(&page, Tr("Procurar portas de novo"));
                  EXPECT_EQ(QStringLiteral("COM12"), list->currentText());
                  ClickButton(&page, Tr("Retornar"));
              }));
    PlugIn(QStringLiteral("ttyACM0"));
    EXPECT_EQ(kResultNext, RunPage(&page, [&] {
                  ASSERT_EQ(3, list->count());
                  EXPECT_TRUE(list->itemText(1).startsWith(QStringLiteral("COM41  ")));
                  EXPECT_EQ(0, list->currentIndex());
                  list->setCurrentIndex(2);
                  ClickButton(&page, Tr("Próximo"));
              }));
    EXPECT_TRUE(chosen.simulator && chosen.number == 0 && DemoModeActive());
    EXPECT_EQ(kResultNext, RunPage(&page, [&] {
                  EXPECT_EQ(2, list->currentIndex());
                  list->setCurrentIndex(0);
                  ClickButton(&page, Tr("Próximo"));
              }));
    EXPECT_TRUE(!chosen.simulator && chosen.number == 21 && !DemoModeActive());
    EXPECT_EQ(MarkingTranslator::MarkedStd("ocupada: outro programa está usando a porta"), OpenErrorText(OpenError::Busy));
}

// The whole way with no adapter: the first read goes to the system's ports
// and fails by itself, the port page offers the simulator, and only once it
// is chosen does the ECU answer. The simulator's number is not remembered.
TEST_F(NoSerialDevice, AFailedReadOffersTheSimulatorAndOnlyThatChoiceReachesIt) {
    SelectPortBackend(g_SerialPort, false);
    Wizard wizard(OpenChosenPort);
    int customerVisits = 0;
    bool badgeOnSecondRead = false;
    const std::vector<int> shown = Walk(wizard, 0, [&](WizardStep step, CPageDialog* page) {
        if (step == WizardStep::Port) {
            QComboBox* list = static_cast<CPortPage*>(page)->List();
            list->setCurrentIndex(list->findText(SimulatorPortEntry()));
            return ClickButton(page, QStringLiteral("Próximo"));
        }
        if (step == WizardStep::Customer && ++customerVisits == 1) return;
        badgeOnSecondRead = page->DemoBadge()->isVisible();
        ClickButton(page, QStringLiteral("Sair"));
    });
    EXPECT_EQ((std::vector<int>{181, 145, 182, 144, 182}), shown);
    ASSERT_GE(messages_.size(), 1u);
    EXPECT_EQ(QStringLiteral("Erro na leitura dos parâmetros !!!"), messages_[0].text);
    EXPECT_EQ(1u, messages_.size()) << "the second read, from the simulator, failed";
    EXPECT_TRUE(badgeOnSecondRead && g_EquipmentStore.GetQtyUsed() > 20u);
    int port = 0;
    EXPECT_NE(0, PortSetting("Q7100", &port, "GET"));
}

}  // namespace
