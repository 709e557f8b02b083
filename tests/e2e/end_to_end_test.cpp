// The program through its own serial path (QSerialPort on the worker, the
// real clock) against the simulator program on a pseudo-terminal registered
// as a COM name: the wizard reads and writes the ECU of each model; then a
// lost link: the adapter pulled mid-pass, re-plugged as another ttyUSB
// number, pulled mid-stream. The page states while the link is down are
// held in tests/ui with the in-process simulator; here, what reached the ECU.
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <set>

#include "app/globals.h"
#include "app/parameter_table.h"
#include "app/ui/link_banner.h"
#include "app/ui/start_pages.h"
#include "app/ui/ui_globals.h"
#include "app/ui/wizard.h"
#include "comm/crx4comm.h"
#include "comm/ecu_worker.h"
#include "comm/hex_text.h"
#include "comm/port_names.h"
#include "comm/timing_profiles.h"
#include "controls/image_button.h"
#include "data/port_setting.h"
#include "monitor/gauge_slots.h"
#include "monitor/monitor_dialog.h"
#include "pages/vehicle_pages.h"
#include "tests/e2e/simulator_process.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr int kWriteButton = 1182, kCalibrateButton = 1183;
constexpr int kCylinders = 1002, kCoils = 1001, kLambdaProbe = 1005;

bool Shows(LinkBanner* banner, const char* text) { return banner->isVisible() && banner->Text().contains(text); }

// The equipment store's value of a register; -1 when it holds none.
int StoreValue(const char* reg) {
    uint16_t size = 0;
    unsigned char* value = nullptr;
    if (g_EquipmentStore.Get(reg, &size, &value) != DATA_OK || !value) return -1;
    return static_cast<int>(HexTextToInt(std::string(reinterpret_cast<char*>(value), size).c_str()));
}
int ImageValue(const std::map<std::string, std::string>& image, const char* reg) {
    return image.count(reg) ? static_cast<int>(HexTextToInt(image.at(reg).c_str())) : -1;
}

class ProgramOnPtyTest : public UiTest {
  protected:
    void SetUp() override { UiTest::SetUp(), qputenv("ZANO_PORTS_DIR", ports_.path().toUtf8()); }
    void TearDown() override {
        UiTest::TearDown();
        SetDeviceFolder(std::string());
        qunsetenv("ZANO_PORTS_DIR");
    }
    // The simulator program as COM`com`, in the program's ports folder unless told another.
    std::unique_ptr<SimulatorProcess> Simulator(const char* model, int com, const QStringList& extra = {},
                                                QString portsDir = {}) {
        auto sim = std::make_unique<SimulatorProcess>(portsDir.isEmpty() ? ports_.path() : portsDir, com,
                                                      model, TempPath("sim.log"), extra);
        EXPECT_TRUE(sim->Started()) << "the simulator did not print its terminal";
        return sim;
    }
    // A fresh run of the program that remembers `com` for the model (the
    // Q5100 plus under the Q7100's name), on the system's serial ports.
    void FreshProgram(int modelIndex, int com) {
        g_Clock.Use(nullptr);  // the simulator program answers in real time
        Worker().Post([](EcuSession& s) { return static_cast<int>(s.port.ClosePort()); }, nullptr);
        DestroyWorker();
        ResetGlobals();
        g_SerialPort.SetDeviceFactory(MakeSystemSerialDevice);
        PortSetting(modelIndex == 1 ? "Q5100" : "Q7100", &com, "SET");
    }
    // The same with its port open on the worker and the equipment store read
    // as the customer page reads it (one read-all): whether the ECU answered.
    bool StartProgram(int modelIndex, int com) {
        FreshProgram(modelIndex, com);
        ModelIndex = modelIndex;
        FillParameterTable(modelIndex);
        SyncSessionFromGlobals();
        int result = -1;
        Worker().Post([](EcuSession& session) {
            OpenEcuLink(session);
            return ProbeEcu(session, TimingFor(EcuCaller::CustomerPage));
        }, [&result](int done) { result = done; });
        EXPECT_TRUE(WaitUntil([&] { return result != -1; }, 10000));
        return result == 0 && g_SerialPort.PortConnected();
    }
    QTemporaryDir ports_;
};

class EndToEndTest : public ProgramOnPtyTest, public ::testing::WithParamInterface<int> {};
class LinkFaultsTest : public ProgramOnPtyTest {};

TEST_P(EndToEndTest, TheVehiclePageWritesTheSimulatorOverItsTerminal) {
    const int model = GetParam();
    auto sim = Simulator(std::vector<const char*>{"q7100", "q5100", "q5100plus"}[model], 5);
    ASSERT_TRUE(sim->Started());
    FreshProgram(model, 5);
    Wizard wizard([](PortChoice) {});
    std::vector<WizardStep> steps;
    wizard.SetPageObserver([&](WizardStep step, CPageDialog* page) {
        steps.push_back(step);
        QTimer::singleShot(0, page, [step, page, model] {
            auto* config = dynamic_cast<CConfigPage*>(page);
            ASSERT_TRUE(!config || WaitUntil([config] { return !config->IsBusy(); }, 20000));
            if (step == WizardStep::Model) static_cast<CModelPage*>(page)->List()->setCurrentIndex(model);
            if (step != WizardStep::Vehicle)
                return ClickButton(page, step == WizardStep::Language ? "Português" : "Próximo");
            QComboBox* cylinders = config->ListField(kCylinders);  // "2C"
            cylinders->setCurrentIndex(3);                         // six
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
    EXPECT_EQ(sim->Stop(), 0);
    EXPECT_FALSE(QFileInfo(ports_.path() + "/COM5").isSymLink()) << "the COM name goes with it";
    const auto image = sim->RegisterImage();
    EXPECT_EQ(ImageValue(image, "2C"), 6) << "the ECU holds the value entered\n" << sim->LogText();
    EXPECT_EQ(image.size(), g_EquipmentStore.GetQtyUsed()) << "every register was read";
    EXPECT_EQ(sim->FramesOfKind("confirm"), 3);
}

INSTANTIATE_TEST_SUITE_P(Models, EndToEndTest, ::testing::Values(0, 1, 2));

// What the gauges show: engine speed, throttle and lambda digits.
std::vector<int> ShownGauges(const CMonitorDialog& dialog) {
    std::vector<int> shown;
    for (int slot : MonitorSlots::kRpmDigits) shown.push_back(dialog.Slots().ShownImage(slot));
    for (int slot : MonitorSlots::kTpsDigits) shown.push_back(dialog.Slots().ShownImage(slot));
    for (int slot : MonitorSlots::kLambdaDigits) shown.push_back(dialog.Slots().ShownImage(slot));
    return shown;
}

// Live values arrive: the gauges show something, and change twice.
bool GaugesMove(const CMonitorDialog& dialog, int timeoutMs) {
    std::vector<int> last = ShownGauges(dialog);
    for (int change = 0; change < 2; ++change) {
        if (!WaitUntil([&] { return ShownGauges(dialog) != last; }, timeoutMs)) return false;
        last = ShownGauges(dialog);
    }
    return true;
}

// The Q7100 vehicle page. Frames: the read-all, then per entry a write and
// three confirms; the adapter goes with the second entry's write (the sixth
// frame), whose answer never comes: the first entry is confirmed, the
// second and third are not.
TEST_F(LinkFaultsTest, AnAdapterPulledMidPassKeepsTheRestUntilTheUserResendsIt) {
    auto sim = Simulator("q7100", 5, {"--drop-after", "6", "--reconnect-ms", "2500"});
    ASSERT_TRUE(sim->Started() && StartProgram(0, 5));
    CVehiclePage page;
    std::map<std::string, int> before, entered;
    std::set<std::string> unsent;
    const char* const regs[] = {"2C", "2B", "13"};
    RunPage(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy(); }, 20000));
        for (const char* reg : regs) before[reg] = StoreValue(reg);
        ASSERT_NE(before["2C"], -1) << "the page read the ECU";
        for (int id : {kCylinders, kCoils, kLambdaProbe}) {
            QComboBox* list = page.ListField(id);
            list->setCurrentIndex(list->currentIndex() == 1 ? 2 : 1);
        }
        page.Button(kWriteButton)->click();
        ASSERT_TRUE(WaitUntil([&] { return Shows(page.Banner(), LinkBanner::kLostText); }, 20000));
        EXPECT_TRUE(page.Banner()->Text().contains(QStringLiteral("COM5")));
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy(); }, 20000));
        SaveScreenshot(&page, QStringLiteral("link-lost-page.png"));
        ASSERT_EQ(messages_.size(), 1u);
        ASSERT_EQ(page.UnsentWrites().size(), 2u);
        for (const PendingWrite& entry : page.UnsentWrites()) unsent.insert(entry.Register);
        ASSERT_TRUE(WaitUntil([&] { return Shows(page.Banner(), LinkBanner::kReconnectedText); }, 20000));
        EXPECT_EQ(page.UnsentWrites().size(), 2u) << "kept until the user resends";
        page.Banner()->NoteButton(0)->click();
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy() && page.UnsentWrites().empty(); }, 30000));
        for (const char* reg : regs) entered[reg] = StoreValue(reg);
        ClickButton(&page, "Sair");
    });
    EXPECT_EQ(messages_.size(), 1u) << "the resend reported nothing";
    EXPECT_EQ(sim->Stop(), 0);
    const auto image = sim->RegisterImage();
    const auto writes = sim->Writes();
    ASSERT_EQ(writes.size(), 4u) << sim->LogText();
    // The confirmed entry went once; the cut one (never confirmed, so never
    // acted on) again with the third on "Reenviar"; nothing else.
    std::map<std::string, int> count;
    for (const auto& [reg, value] : writes) ++count[reg];
    EXPECT_TRUE(count.size() == 3 && count[writes[0].first] == 1 && count[writes[1].first] == 2) << sim->LogText();
    EXPECT_EQ(unsent.count(writes[0].first), 0u) << "the confirmed entry is not kept";
    EXPECT_EQ(sim->FramesOfKind("confirm"), 9) << "three for each value, once";
    for (const char* reg : regs) {
        EXPECT_NE(entered[reg], before[reg]) << reg;
        EXPECT_EQ(ImageValue(image, reg), entered[reg]) << reg << ": the ECU holds the value entered";
    }
}

// COM21 is DIR/ttyUSB0 with no override. The page's opening read is the
// first frame and loses its answer: the adapter comes back as ttyUSB3, and
// the program follows it by its serial name and reads the page again.
TEST_F(LinkFaultsTest, AnAdapterBackAsAnotherTtyUsbNumberIsFollowedAndThePageReadAgain) {
    QTemporaryDir dev, simPorts;  // the program's ports folder stays empty: no COM override
    SetDeviceFolder(dev.path().toStdString());
    auto sim = Simulator("q7100", 9, {"--device-folder", dev.path(), "--usb", "0", "--come-back-as", "3",
                                      "--drop-after", "1", "--reconnect-ms", "1500"}, simPorts.path());
    ASSERT_TRUE(sim->Started() && QFileInfo(dev.filePath("ttyUSB0")).isSymLink());
    EXPECT_FALSE(StartProgram(0, 21)) << "the first read-all loses its answer";
    CVehiclePage page;
    QString shownCylinders;
    RunPage(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Shows(page.Banner(), LinkBanner::kLostText); }, 20000));
        EXPECT_TRUE(page.Banner()->Text().contains(QStringLiteral("COM21"))) << page.Banner()->Text().toStdString();
        EXPECT_EQ(StoreValue("2C"), -1) << "nothing was read before the adapter went";
        ASSERT_TRUE(WaitUntil([&] { return Shows(page.Banner(), LinkBanner::kReconnectedText); }, 20000));
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy() && StoreValue("2C") != -1; }, 20000));
        EXPECT_FALSE(QFileInfo::exists(dev.filePath("ttyUSB0")));
        EXPECT_EQ(QFileInfo(dev.filePath("ttyUSB3")).canonicalFilePath(),
                  QFileInfo(sim->LatestDevicePath()).canonicalFilePath());
        EXPECT_TRUE(page.Button(kWriteButton)->isEnabled()) << "the page read again can be written";
        shownCylinders = page.ListField(kCylinders)->currentText();
        ClickButton(&page, "Sair");
    });
    EXPECT_TRUE(messages_.empty()) << messages_.front().text.toStdString();
    EXPECT_EQ(sim->Stop(), 0);
    EXPECT_EQ(shownCylinders, QString::number(ImageValue(sim->RegisterImage(), "2C"))) << "the field shows the ECU's value";
    EXPECT_EQ(sim->FramesOfKind("read-all"), 2) << "the cut read and the read-back";
    EXPECT_TRUE(sim->Writes().empty());
}

// The adapter goes 3 s after the simulator started, while the monitoring
// screen streams, and is back 1.5 s later.
TEST_F(LinkFaultsTest, AStreamCutByAPulledAdapterResumesByItself) {
    auto sim = Simulator("q7100", 5, {"--vanish-after", "3000", "--vanish-for", "1500"});
    ASSERT_TRUE(sim->Started() && StartProgram(0, 5));
    CMonitorDialog dialog;
    RunPage(&dialog, [&] {
        ASSERT_TRUE(GaugesMove(dialog, 5000)) << "the stream runs before the adapter goes";
        ASSERT_TRUE(WaitUntil([&] { return Shows(dialog.Banner(), LinkBanner::kLostText); }, 10000));
        EXPECT_TRUE(dialog.Banner()->Text().contains(QStringLiteral("COM5")));
        SaveScreenshot(&dialog, QStringLiteral("link-lost-monitor.png"));
        EXPECT_FALSE(dialog.Button(kCalibrateButton)->isEnabled()) << "no calibration while the link is down";
        ASSERT_TRUE(WaitUntil([&] { return Shows(dialog.Banner(), LinkBanner::kReconnectedText); }, 20000));
        EXPECT_TRUE(GaugesMove(dialog, 5000)) << "the stream resumed by itself";
        EXPECT_TRUE(WaitUntil([&] { return dialog.Button(kCalibrateButton)->isEnabled(); }, 5000));
        ClickButton(&dialog, "Retornar");
    });
    EXPECT_TRUE(messages_.empty()) << messages_.front().text.toStdString();
    EXPECT_EQ(sim->Stop(), 0);
    // Before the adapter went: the snapshot and the start (again if the
    // stream was slow to come); after it came back: one snapshot, one start.
    auto after = [](std::vector<long> times) {
        times.erase(std::remove_if(times.begin(), times.end(), [](long at) { return at < 3000; }), times.end());
        return times;
    };
    const std::vector<long> reads = after(sim->FrameTimes("read-all")), starts = after(sim->FrameTimes("start"));
    EXPECT_GE(sim->FrameTimes("start").size(), 2u) << sim->LogText();
    ASSERT_EQ(reads.size(), 1u) << sim->LogText();
    ASSERT_EQ(starts.size(), 1u) << "one start frame once the adapter was back\n" << sim->LogText();
    EXPECT_GE(reads[0], 4500);
    EXPECT_LT(reads[0], starts[0]) << "the snapshot before the start";
    EXPECT_TRUE(sim->Writes().empty());
}

}  // namespace
