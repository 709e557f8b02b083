// The program as a user runs it, through its real serial path: QSerialPort on
// the worker thread, the real clock, the simulator program on a
// pseudo-terminal registered as COM5. Each model: the first read, one write
// on every configuration page, a step write and a calibration on the
// monitoring screen, a save; then a fresh run that loads the file.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <set>

#include "app/globals.h"
#include "app/ui/page_dialog.h"
#include "app/ui/start_pages.h"
#include "app/ui/ui_globals.h"
#include "app/ui/wizard.h"
#include "comm/crx4comm.h"
#include "comm/ecu_worker.h"
#include "comm/hex_text.h"
#include "tests/support/recording_device.h"
#include "controls/image_button.h"
#include "data/port_setting.h"
#include "pages/config_page.h"
#include "monitor/monitor_dialog.h"
#include "pages/customer_page.h"
#include "pages/lambda_page_model.h"
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
        UseRecordedSystemPorts();
    }
    // The real serial path, with what the program did on it kept for a
    // failure's report.
    void UseRecordedSystemPorts() {
        g_SerialPort.SetDeviceFactory([transcript = transcript_](const std::string& name) -> SerialDevicePtr {
            SerialDevicePtr device = MakeSystemSerialDevice(name);
            if (!device) return nullptr;
            return std::make_unique<RecordingDevice>(std::move(device), transcript);
        });
    }
    // What the program did from the first line equal to `from`, `count` lines.
    std::string TranscriptFrom(const std::string& from, size_t count) const {
        const std::vector<std::string> lines = transcript_->Lines();
        auto it = std::find(lines.begin(), lines.end(), from);
        std::string text;
        for (size_t n = 0; it != lines.end() && n < count; ++it, ++n) text += *it + "\n";
        return text;
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
        UseRecordedSystemPorts();
        int port = kComNumber;
        PortSetting(model == 1 ? "Q5100" : "Q7100", &port, "SET");
    }

    // Runs the wizard; `onCustomer` acts on the customer page once it has
    // read, then every later page goes on with Next until the aux step is
    // reached the second time, where the run ends with Exit.
    std::vector<int> Walk(int model, const std::function<void(CCustomerPage*)>& onCustomer,
                          const std::function<void(WizardStep, CConfigPage*, int visit)>& onPage = nullptr) {
        Wizard wizard([](PortChoice) {});
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
                        ++auxVisits;
                        if (onPage) onPage(step, static_cast<CConfigPage*>(page), auxVisits);
                        if (auxVisits == 1 && !onPage) LeaveMonitorWhenShown();
                        Click(page, auxVisits == 1 ? QStringLiteral("Próximo") : QStringLiteral("Sair"));
                        break;
                    // The actuator page ends itself during its start.
                    case WizardStep::Actuator: break;
                    default:
                        if (onPage) onPage(step, static_cast<CConfigPage*>(page), 1);
                        Click(page, QStringLiteral("Próximo"));
                        break;
                }
            });
        });
        wizard.RunWizard();
        return shown;
    }

    QTemporaryDir ports_;
    std::shared_ptr<Transcript> transcript_ = std::make_shared<Transcript>();
};

// Types a value into a field and writes it with Enter, as the user does.
void WriteWithEnter(QWidget* field) {
    // Focus reaches a field only in the active window, as with a mouse click.
    field->window()->activateWindow();
    field->setFocus();
    ASSERT_TRUE(WaitUntil([field] { return field->hasFocus(); }, 2000));
    QTest::keyClick(field, Qt::Key_Return);
}

// Keys as the installer types them, over the field's text; a comma is what
// a Brazilian numeric pad sends for the decimal point.
void TypeOver(QWidget* field, const QString& keys) {
    field->window()->activateWindow();
    field->setFocus();
    ASSERT_TRUE(WaitUntil([field] { return field->hasFocus(); }, 2000));
    static_cast<QLineEdit*>(field)->selectAll();
    QTest::keyClicks(field, keys);
}

bool WaitPageIdle(CConfigPage* page) {
    return WaitUntil([page] { return !page->IsBusy(); }, 30000);
}

// On the monitoring screen: idle steps 90 written with Enter, then a
// calibration, then Return.
void UseMonitorWhenShown(bool* done) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, done] {
        auto* dialog = qobject_cast<CMonitorDialog*>(QApplication::activeModalWidget());
        // Act only once the screen has finished its start and is monitoring.
        if (!dialog || dialog->IsBusy() || !dialog->IsPolling()) return;
        poll->deleteLater();
        dialog->StepField(1712)->setValue(90);
        dialog->StepField(1712)->setFocus();
        QTest::keyClick(dialog->StepField(1712), Qt::Key_Return);
        ASSERT_TRUE(WaitUntil([dialog] { return !dialog->IsBusy(); }, 30000));
        EXPECT_EQ(90, dialog->StepField(1712)->value()) << "the read-back shows the written steps";
        ASSERT_TRUE(WaitUntil([dialog] { return dialog->IsPolling() && dialog->Button(1183)->isEnabled(); }, 10000));
        dialog->Button(1183)->click();
        EXPECT_TRUE(dialog->IsBusy()) << "the calibration runs on the worker";
        ASSERT_TRUE(WaitUntil([dialog] { return !dialog->IsBusy(); }, 100000)) << "the calibration ends";
        *done = true;
        dialog->Button(1186)->click();
    });
    poll->start(50);
}

TEST_P(EndToEndTest, EveryPageWritesTheEcuHoldsItAndTheSavedFileLoadsInAFreshRun) {
    const int model = GetParam();
    SimulatorProcess sim(ports_.path(), kComNumber, QString::fromLatin1(kModelNames[model]), TempPath("sim.log"),
                         {QStringLiteral("--calibration-ms"), QStringLiteral("1000")});
    ASSERT_TRUE(sim.Started()) << "the simulator did not print its terminal";
    FreshRun(model);
    const QString file = TempPath(model == 1 ? "oficina.Q5100" : "oficina.Q7100");
    nextFile_ = file;
    bool monitorUsed = false;

    Walk(
        model,
        [&](CCustomerPage* page) {
            page->Field(0)->setText(QStringLiteral("Oficina Ponta Grossa"));
            Q_EMIT page->Field(0)->editingFinished();
            Click(page, QStringLiteral("Próximo"));
        },
        [&](WizardStep step, CConfigPage* page, int visit) {
            switch (step) {
                case WizardStep::Vehicle:
                    if (model == 0) {
                        page->NumericField(1231)->setText(QStringLiteral("7"));  // return time, "80"
                        WriteWithEnter(page->NumericField(1231));
                    } else {
                        page->ListField(1002)->setCurrentIndex(3);  // six cylinders, "2C"
                        WriteWithEnter(page->ListField(1002));
                    }
                    break;
                case WizardStep::Lambda:
                    // "Especifico" with a typed ON time: the write button
                    // sends the times and the signal group.
                    page->ListField(kLambdaSignalType)->setCurrentIndex(kSignalSpecific);
                    Q_EMIT page->ListField(kLambdaSignalType)->activated(kSignalSpecific);
                    ASSERT_TRUE(WaitPageIdle(page));
                    TypeOver(page->NumericField(kLambdaOnTime), QStringLiteral("1,25"));
                    EXPECT_EQ(page->NumericField(kLambdaOnTime)->text(), QStringLiteral("1.25"));
                    page->Button(1182)->click();
                    break;
                case WizardStep::Aux:
                    if (visit == 1) {
                        page->NumericField(1128)->setText(QStringLiteral("30"));  // cut-off opening, "21"
                        WriteWithEnter(page->NumericField(1128));
                        ASSERT_TRUE(WaitPageIdle(page));
                        if (model != 1) {
                            TypeOver(page->NumericField(1125), QStringLiteral("1,5"));  // cut-off delay, "70"
                            WriteWithEnter(page->NumericField(1125));
                            ASSERT_TRUE(WaitPageIdle(page));
                        }
                        UseMonitorWhenShown(&monitorUsed);
                    } else {
                        // Everything written: the file gets what the ECU now holds.
                        Click(page, QStringLiteral("Gravar Arquivo"));
                    }
                    break;
                default: break;
            }
            ASSERT_TRUE(WaitPageIdle(page));
        });
    EXPECT_TRUE(monitorUsed);
    EXPECT_EQ(kComNumber, g_SerialPort.GetPortNumber());
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

    sim.Stop();
    const auto image = sim.RegisterImage();
    ASSERT_FALSE(image.empty());
    auto ecuValue = [&](const char* reg) {
        const auto it = image.find(reg);
        return it == image.end() ? -1 : static_cast<int>(HexTextToInt(it->second.c_str()));
    };
    // The ECU holds exactly the values entered.
    if (model == 0) {
        EXPECT_EQ(7, ecuValue("80"));
    } else {
        EXPECT_EQ(6, ecuValue("2C"));
    }
    EXPECT_EQ(0, ecuValue("60")) << "signal \"Especifico\"";
    EXPECT_EQ(125, ecuValue("1E")) << "ON time 1.25 s";
    if (model != 1) {
        EXPECT_EQ(75, ecuValue("70")) << "cut-off delay 1.50 s";
    }
    EXPECT_EQ(30, ecuValue("21"));
    EXPECT_EQ(90, ecuValue("3D"));
    EXPECT_EQ(1, sim.FramesOfKind(QStringLiteral("calibrate")));
    for (const MessageRequest& message : messages_)
        EXPECT_FALSE(message.text.startsWith(QStringLiteral("TEMPO ESGOTADO")))
            << "the calibration ends on the ECU's answer\n" << sim.LogText() << TranscriptFrom("TX 00 3D 5A", 300);

    // The file holds exactly what the ECU reported after the writes, but for
    // the live values, which move between the read and the end of the run.
    // "81" is both a setting and the live injection time: the file has the
    // setting.
    const std::set<std::string> live = {"11", "23", "24", "28", "29", "2A", "83"};
    int expectedRegisters = 0;
    for (const auto& entry : image) expectedRegisters += live.count(entry.first) ? 0 : 1;
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(saved.readAll());
    const QString section = text.mid(text.indexOf(model == 1 ? "[CONFIG_Q5100]" : "[CONFIG_Q7100]"));
    int registers = 0;
    for (const QString& line : section.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1)) {
        const QStringList pair = line.split('=');
        ASSERT_EQ(2, pair.size()) << line.toStdString();
        const std::string reg = pair[0].rightJustified(2, '0').toStdString();
        if (live.count(reg)) continue;
        EXPECT_EQ(ecuValue(reg.c_str()), static_cast<int>(HexTextToInt(pair[1].toStdString().c_str()))) << reg;
        ++registers;
    }
    EXPECT_EQ(expectedRegisters, registers);
}

INSTANTIATE_TEST_SUITE_P(Models, EndToEndTest, ::testing::Values(0, 1, 2));

}  // namespace
