// The program as a user runs it, through its own serial path (the system
// port factory, QSerialPort on the worker thread, the real clock) against the
// simulator program on a pseudo-terminal registered as COM5: the wizard reads
// the ECU and one field is written with Enter.
#include <QComboBox>
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

// The real clock: the simulator program answers in real time.
class EndToEndTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        g_Clock.Use(nullptr);
    }
};

TEST_F(EndToEndTest, TheBasicVehiclePageWritesTheSimulatorOverItsTerminal) {
    QTemporaryDir ports;
    qputenv("ZANO_PORTS_DIR", ports.path().toUtf8());
    SimulatorProcess sim(ports.path(), 5, "q5100", TempPath("sim.log"));
    ASSERT_TRUE(sim.Started()) << "the simulator did not print its terminal";
    // A fresh run of the program that remembers COM5.
    Worker().Post([](EcuSession& s) { return static_cast<int>(s.port.ClosePort()); }, nullptr);
    DestroyWorker();
    ResetGlobals();
    g_SerialPort.SetDeviceFactory(MakeSystemSerialDevice);
    int com = 5;
    PortSetting("Q5100", &com, "SET");

    Wizard wizard([](PortChoice) {});
    std::vector<WizardStep> steps;
    wizard.SetPageObserver([&](WizardStep step, CPageDialog* page) {
        steps.push_back(step);
        QTimer::singleShot(0, page, [step, page] {
            auto* config = dynamic_cast<CConfigPage*>(page);
            ASSERT_TRUE(!config || WaitUntil([config] { return !config->IsBusy(); }, 20000));
            switch (step) {
                case WizardStep::Language: ClickButton(page, "Português"); break;
                case WizardStep::Model:
                    static_cast<CModelPage*>(page)->List()->setCurrentIndex(1);
                    ClickButton(page, "Próximo");
                    break;
                case WizardStep::Customer: ClickButton(page, "Próximo"); break;
                default: {
                    QComboBox* cylinders = config->ListField(1002);  // "2C"
                    cylinders->setCurrentIndex(3);                   // six
                    cylinders->window()->activateWindow();
                    cylinders->setFocus();
                    ASSERT_TRUE(WaitUntil([cylinders] { return cylinders->hasFocus(); }, 2000));
                    QTest::keyClick(cylinders, Qt::Key_Return);
                    ASSERT_TRUE(WaitUntil([config] { return !config->IsBusy(); }, 30000));
                    ClickButton(page, "Sair");
                }
            }
        });
    });
    wizard.RunWizard();
    EXPECT_EQ(steps, (std::vector<WizardStep>{WizardStep::Language, WizardStep::Model,
                                              WizardStep::Customer, WizardStep::Vehicle}));
    EXPECT_EQ(g_SerialPort.GetPortNumber(), 5);
    EXPECT_TRUE(messages_.empty()) << messages_.front().text.toStdString();
    sim.Stop();
    qunsetenv("ZANO_PORTS_DIR");
    const auto image = sim.RegisterImage();
    ASSERT_EQ(image.count("2C"), 1u) << sim.LogText();
    EXPECT_EQ(HexTextToInt(image.at("2C").c_str()), 6u) << "the ECU holds the value entered";
    EXPECT_EQ(sim.FramesOfKind("confirm"), 3);
}

}  // namespace
