// The program as a user runs it, through its own serial path (the system
// port factory, QSerialPort on the worker thread, the real clock) against the
// simulator program on a pseudo-terminal registered as COM5: the wizard reads
// the ECU of each model and one field is written with Enter.
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include "app/globals.h"
#include "app/ui/page_dialog.h"
#include "app/ui/start_pages.h"
#include "app/ui/ui_globals.h"
#include "app/ui/wizard.h"
#include "comm/crx4comm.h"
#include "comm/ecu_worker.h"
#include "comm/hex_text.h"
#include "data/port_setting.h"
#include "pages/config_page.h"
#include "tests/e2e/simulator_process.h"
#include "tests/ui/ui_test_support.h"

namespace {

class EndToEndTest : public UiTest, public ::testing::WithParamInterface<int> {};

TEST_P(EndToEndTest, TheVehiclePageWritesTheSimulatorOverItsTerminal) {
    const int model = GetParam();
    g_Clock.Use(nullptr);  // the real clock: the simulator program answers in real time
    QTemporaryDir ports;
    qputenv("ZANO_PORTS_DIR", ports.path().toUtf8());
    SimulatorProcess sim(ports.path(), 5, QStringList{"q7100", "q5100", "q5100plus"}[model],
                         TempPath("sim.log"));
    ASSERT_TRUE(sim.Started()) << "the simulator did not print its terminal";
    // A fresh run of the program that remembers COM5 (the Q5100 plus under the Q7100's name).
    Worker().Post([](EcuSession& s) { return static_cast<int>(s.port.ClosePort()); }, nullptr);
    DestroyWorker();
    ResetGlobals();
    g_SerialPort.SetDeviceFactory(MakeSystemSerialDevice);
    int com = 5;
    PortSetting(model == 1 ? "Q5100" : "Q7100", &com, "SET");

    Wizard wizard([](PortChoice) {});
    std::vector<WizardStep> steps;
    wizard.SetPageObserver([&](WizardStep step, CPageDialog* page) {
        steps.push_back(step);
        QTimer::singleShot(0, page, [step, page, model] {
            auto* config = dynamic_cast<CConfigPage*>(page);
            ASSERT_TRUE(!config || WaitUntil([config] { return !config->IsBusy(); }, 20000));
            if (step == WizardStep::Model)
                static_cast<CModelPage*>(page)->List()->setCurrentIndex(model);
            if (step != WizardStep::Vehicle)
                return ClickButton(page, step == WizardStep::Language ? "Português" : "Próximo");
            QComboBox* cylinders = config->ListField(1002);  // "2C"
            cylinders->setCurrentIndex(3);                   // six
            cylinders->window()->activateWindow();
            cylinders->setFocus();
            ASSERT_TRUE(WaitUntil([cylinders] { return cylinders->hasFocus(); }, 2000));
            QTest::keyClick(cylinders, Qt::Key_Return);
            ASSERT_TRUE(WaitUntil([config] { return !config->IsBusy(); }, 30000));
            ClickButton(page, "Sair");
        });
    });
    wizard.RunWizard();
    EXPECT_EQ(steps, (std::vector<WizardStep>{WizardStep::Language, WizardStep::Model,
                                              WizardStep::Customer, WizardStep::Vehicle}));
    EXPECT_EQ(g_SerialPort.GetPortNumber(), 5);
    EXPECT_TRUE(messages_.empty()) << messages_.front().text.toStdString();
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_FALSE(QFileInfo(ports.path() + "/COM5").isSymLink()) << "the COM name goes with it";
    qunsetenv("ZANO_PORTS_DIR");
    const auto image = sim.RegisterImage();
    ASSERT_EQ(image.count("2C"), 1u) << sim.LogText();
    EXPECT_EQ(HexTextToInt(image.at("2C").c_str()), 6u) << "the ECU holds the value entered";
    EXPECT_EQ(image.size(), g_EquipmentStore.GetQtyUsed()) << "every register was read";
    EXPECT_EQ(sim.FramesOfKind("confirm"), 3);
}

INSTANTIATE_TEST_SUITE_P(Models, EndToEndTest, ::testing::Values(0, 1, 2));

TEST(SimulatorProgramTest, WithAQuitTimeItEndsByItselfAndTakesItsComNameAway) {
    QTemporaryDir dir;
    QElapsedTimer elapsed;
    elapsed.start();
    SimulatorProcess sim(dir.filePath("ports"), 5, "q7100", dir.filePath("sim.log"),
                         {"--quit-after", "400"});
    ASSERT_TRUE(sim.Started());
    EXPECT_TRUE(QFileInfo(dir.filePath("ports/COM5")).isSymLink());
    EXPECT_EQ(sim.Stop(5000), 0);
    EXPECT_TRUE(elapsed.elapsed() >= 400 && elapsed.elapsed() < 4000) << elapsed.elapsed();
    EXPECT_FALSE(QFileInfo(dir.filePath("ports/COM5")).isSymLink());
    EXPECT_NE(sim.LogText().find("REG 3D 50\n"), std::string::npos);
}

}  // namespace
