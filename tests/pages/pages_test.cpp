// The pages of every model against the simulated ECU: Save and Load with
// their file dialogs, the write button while "Arquivo" is selected, a
// decimal typed on a C or a Brazilian desktop, and what each page adds to
// the frame (the aux pages' monitoring screen, the lambda page's live view,
// the actuator step passed through).
#include <memory>
#include <optional>

#include "app/globals.h"
#include "app/ui/ui_globals.h"
#include "app/wizard_flow.h"
#include "data/store_text.h"
#include "monitor/gauge_slots.h"
#include "monitor/slot_labels.h"
#include "pages/actuator_page.h"
#include "pages/actuator_page_model.h"
#include "pages/aux_page_model.h"
#include "pages/aux_pages.h"
#include "pages/lambda_page_model.h"
#include "pages/lambda_pages.h"
#include "pages/vehicle_pages.h"
#include "tests/brazilian_locale.h"
#include "tests/pages/page_test_support.h"

namespace {

enum class Kind { Vehicle, VehicleBasic, Aux, Lambda, Actuator };
const char* const kModelNames[] = {"Q7100", "Q5100", "Q5100plus"};

struct PageCase {
    Kind kind;
    int model;  // 0 Q7100, 1 Q5100, 2 "Q5100 plus"
};

CConfigPage* NewPage(const PageCase& c) {
    const bool basic = c.model == 1;
    switch (c.kind) {
        case Kind::Vehicle: return new CVehiclePage;
        case Kind::VehicleBasic: return new CVehicleBasicPage;
        case Kind::Aux: return basic ? static_cast<CConfigPage*>(new CAuxBasicPage) : new CAuxPage;
        case Kind::Lambda:
            return basic ? static_cast<CConfigPage*>(new CLambdaBasicPage) : new CLambdaPage;
        default: return new CActuatorPage;
    }
}

QWidget* Widget(const CConfigPage& page, int control) {
    if (QLineEdit* edit = page.NumericField(control)) return edit;
    return page.ListField(control);
}

QString Shown(const CConfigPage& page, int control) {
    if (QLineEdit* edit = page.NumericField(control)) return edit->text();
    return page.ListField(control)->currentText();
}

void Show(const CConfigPage& page, int control, const QString& text) {
    if (QLineEdit* edit = page.NumericField(control)) return edit->setText(text);
    page.ListField(control)->setCurrentIndex(page.ListField(control)->findText(text));
}

// A field each page loads: its register, the simulated ECU's value and the
// file's, and what the field shows for each.
struct LoadedField {
    int control;
    const char *reg, *ecuValue, *ecuText, *fileValue, *fileText;
};

LoadedField LoadedFieldOf(Kind kind) {
    switch (kind) {
        case Kind::Aux: return {kAuxCutOffOpening, "21", "14", "20", "A", "10"};
        case Kind::Lambda: return {kLambdaOnTime, "1E", "24", "0.36", "32", "0.50"};
        case Kind::Actuator: return {kActuatorLowDefault, "3D", "50", "80", "F0", "240"};
        default: return {1002, "2C", "4", "4", "8", "8"};  // "Número de Cilindros"
    }
}

class PageFileTest : public PageTest, public ::testing::WithParamInterface<PageCase> {
  protected:
    // The page shown with the fields filled, `steps`, then Return. The
    // actuator page ends as soon as it starts: it is driven unshown.
    void Drive(CConfigPage& page, const std::function<void()>& steps) {
        if (GetParam().kind == Kind::Actuator) {
            ASSERT_EQ(page.FillFromStore(g_EquipmentStore), 0);
            return steps();
        }
        RunActive(&page, [&] {
            ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
            steps();
            page.Button(kReturn)->click();
        });
    }
};

TEST_P(PageFileTest, SaveWritesTheEcuValuesLoadShowsTheFileAndWriteTouchesNeither) {
    const PageCase c = GetParam();
    const LoadedField field = LoadedFieldOf(c.kind);
    const bool basicRules = c.kind == Kind::VehicleBasic || c.kind == Kind::Actuator || c.model == 1;
    ConnectSimulatedEcu(c.model);
    const QString type = c.model == 1 ? "Q5100" : "Q7100";
    const QString path = TempPath("frota." + type);
    std::vector<FileDialogRequest> dialogs;
    SetFileDialogResponder([&](const FileDialogRequest& request) {
        dialogs.push_back(request);
        return path;
    });
    g_ConfigFilePath = "C:/Frota/anterior." + type.toStdString();
    const QByteArray ecuLine = QByteArray("\n") + field.reg + "=" + field.ecuValue + "\r";
    const QByteArray fileLine = QByteArray("\n") + field.reg + "=" + field.fileValue + "\r";
    const std::unique_ptr<CConfigPage> page(NewPage(c));
    Drive(*page, [&] {
        EXPECT_EQ(Shown(*page, field.control), field.ecuText);
        page->Button(kSave)->click();
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].title, "Gravando...");
        // The basic vehicle page leaves the selector alone after a save.
        EXPECT_EQ(page->SourceSelector()->isVisibleTo(page.get()), c.kind != Kind::VehicleBasic);
        QByteArray text = ReadFile(path);
        EXPECT_TRUE(text.startsWith(("[" + type + "]\r\nClientes=").toLatin1())) << text.data();
        EXPECT_TRUE(text.contains(("\n[CONFIG_" + type + "]\r\n").toLatin1()));
        ASSERT_TRUE(text.contains(ecuLine)) << text.data();

        // The file then says otherwise; a save answered No leaves it so.
        WriteFile("frota." + type, text.replace(ecuLine, fileLine));
        nextAnswer_ = kAnswerNo;
        page->Button(kSave)->click();
        ASSERT_EQ(messages_.size(), 2u);
        EXPECT_EQ(messages_[1].title, "Arquivo Existente");
        EXPECT_EQ(messages_[1].text,
                  "Precione \"Yes\" para sobrescreve-lo ou \"No\" para cancelar a gravação");
        EXPECT_EQ(ReadFile(path), text);
        page->Button(kLoad)->click();
        EXPECT_EQ(Shown(*page, field.control), field.fileText);
        EXPECT_TRUE(page->SourceSelector()->isVisibleTo(page.get()));
        EXPECT_EQ(page->SourceSelector()->currentIndex(), 0);
        EXPECT_EQ(g_SourceIsFile, 1);
        if (c.kind != Kind::Actuator) {  // Enter with "Arquivo" sends nothing
            PressEnterIn(Widget(*page, field.control));
            EXPECT_FALSE(page->IsBusy());
        }
        // The selector shows either store without a word to the ECU (the full
        // lambda page also resets its times: see below).
        if (c.kind != Kind::Lambda || c.model == 1) {
            Choose(page->SourceSelector(), 1);
            EXPECT_EQ(Shown(*page, field.control), field.ecuText);
            Choose(page->SourceSelector(), 0);
            EXPECT_EQ(Shown(*page, field.control), field.fileText);
        }

        // With "Arquivo" the write button sends nothing and saves nothing; the
        // full pages show the file again, the basic ones do nothing at all.
        Show(*page, field.control, field.ecuText);
        page->Button(c.kind == Kind::Actuator ? 1188 : kWrite)->click();
        EXPECT_FALSE(page->IsBusy());
        EXPECT_EQ(Shown(*page, field.control), basicRules ? field.ecuText : field.fileText);
        EXPECT_EQ(ReadFile(path), text);

        // A file missing a register ("12" after "10"): the basic vehicle page
        // says so and goes back to "Equipamento"; the others take it, with the
        // ECU's values where the file has none.
        const bool refused = c.kind == Kind::VehicleBasic;
        WriteFile("frota." + type, ("[" + type + "]\r\nClientes=Parcial\r\n[CONFIG_" + type +
                                    "]\r\n10=2\r\n").toLatin1());
        page->Button(kLoad)->click();
        ASSERT_EQ(messages_.size(), refused ? 3u : 2u);
        if (refused) {
            EXPECT_EQ(messages_[2].text, "Ocorreu um erro na tentativa de Carregar o Arquivo.");
            EXPECT_EQ(messages_[2].title, "Leitura incompleta");
        } else {
            EXPECT_EQ(Shown(*page, field.control), field.ecuText);
        }
        EXPECT_EQ(g_CustomerData.customer, refused ? "" : "Parcial");
        EXPECT_EQ(page->SourceSelector()->isVisibleTo(page.get()), !refused);
        EXPECT_EQ(g_SourceIsFile, refused ? 0 : 1);
    });
    EXPECT_EQ(FramesOfKind(FrameKind::RegisterWrite), 0);
    const QString filter = QStringLiteral("Arquivos Padrão Zano (*.%1)|*.%1|").arg(type);
    const auto asked = [](const FileDialogRequest& r) {
        return std::make_tuple(r.save, r.filter, r.defaultExtension, r.initialPath);
    };
    ASSERT_EQ(dialogs.size(), 4u);
    EXPECT_EQ(asked(dialogs[0]), std::make_tuple(true, filter, type, "C:/Frota/anterior." + type));
    // Then each starts where the save went; the open dialog has no extension.
    EXPECT_EQ(asked(dialogs[1]), std::make_tuple(true, filter, type, path));
    EXPECT_EQ(asked(dialogs[2]), std::make_tuple(false, filter, QString(), path));
}

std::string CaseName(const PageCase& c) {
    static const char* const kKinds[] = {"Vehicle", "VehicleBasic", "Aux", "Lambda", "Actuator"};
    return std::string(kKinds[static_cast<int>(c.kind)]) + kModelNames[c.model];
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageFileTest,
    ::testing::Values(PageCase{Kind::Vehicle, 0}, PageCase{Kind::VehicleBasic, 1},
                      PageCase{Kind::VehicleBasic, 2}, PageCase{Kind::Aux, 0},
                      PageCase{Kind::Aux, 1}, PageCase{Kind::Aux, 2}, PageCase{Kind::Lambda, 0},
                      PageCase{Kind::Lambda, 1}, PageCase{Kind::Lambda, 2},
                      PageCase{Kind::Actuator, 0}, PageCase{Kind::Actuator, 1},
                      PageCase{Kind::Actuator, 2}),
    [](const auto& p) { return CaseName(p.param); });

// A decimal typed into a page, with the point or a Brazilian keypad's comma:
// Enter sends it to the ECU and Save writes the ECU's value to the file.
class PageDecimalTest : public PageTest,
                        public ::testing::WithParamInterface<std::tuple<PageCase, bool>> {};

TEST_P(PageDecimalTest, ATypedDecimalReachesTheEcuAndTheFileOnAnyDesktop) {
    const auto [c, brazilian] = GetParam();
    std::optional<BrazilianLocale> locale;
    if (brazilian) {
        ASSERT_TRUE(locale.emplace().Active());
    }
    const bool aux = c.kind == Kind::Aux;
    const int control = aux ? int{kAuxCutOffDelay} : int{kLambdaOnTime};
    ConnectSimulatedEcu(c.model);
    nextFile_ = TempPath("carro.Q7100");
    const std::unique_ptr<CConfigPage> page(NewPage(c));
    QLineEdit* field = page->NumericField(control);
    RunActive(page.get(), [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(*page); }));
        if (!aux) {
            Choose(page->ListField(kLambdaSignalType), kSignalSpecific);
            ASSERT_TRUE(WaitUntil([&] { return Idle(*page) && field->isEnabled(); }, 10000));
        }
        Retype(field, brazilian ? (aux ? "1,5" : "1,05") : (aux ? "1.5" : "1.05"));
        EXPECT_EQ(field->text(), aux ? "1.5" : "1.05");
        PressEnterIn(field);
        ASSERT_TRUE(WaitUntil([&] { return Idle(*page); }, 15000));
        EXPECT_EQ(Ecu().Registers().at(aux ? 0x70 : 0x1E), aux ? 0x4B : 0x69);
        EXPECT_EQ(field->text(), aux ? "1.50" : "1.05");  // read back
        page->Button(kSave)->click();
        EXPECT_TRUE(ReadFile(nextFile_).contains(aux ? "\n70=4B\r" : "\n1E=69\r"));
        page->Button(kReturn)->click();
    });
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageDecimalTest,
    ::testing::Combine(::testing::Values(PageCase{Kind::Aux, 0}, PageCase{Kind::Aux, 2},
                                         PageCase{Kind::Lambda, 0}, PageCase{Kind::Lambda, 1},
                                         PageCase{Kind::Lambda, 2}),
                       ::testing::Bool()),
    [](const auto& p) {
        return CaseName(std::get<0>(p.param)) + (std::get<1>(p.param) ? "pt_BR" : "C");
    });

// The monitoring screen as the user leaves it.
template <class Page>
class ScriptedMonitorPage : public Page {
  public:
    int monitorResult = 1;
    int monitorRuns = 0;

  protected:
    int RunMonitoringDialog() override { return ++monitorRuns, monitorResult; }
};

TEST_F(PageTest, TheAuxPagesShowTheOverlapInEmulatorModeAndPassThroughTheMonitor) {
    ConnectSimulatedEcu(0);
    ScriptedMonitorPage<CAuxPage> page;
    EXPECT_EQ(RunActive(&page,
                        [&] {
                            ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
                            EXPECT_EQ(page.NumericField(kAuxCutOffRpm)->text(), "4500");
                            SaveScreenshot(&page, "aux-page.png");
                            for (int relay : {1, 0, 1}) {  // "Emulador" in the ECU
                                page.ListField(kAuxRelay)->setCurrentIndex(relay);
                                EXPECT_EQ(page.OverlapShown(), relay == 1);
                            }
                            page.Button(kNext)->click();
                        }),
              kResultNext);
    EXPECT_EQ(page.monitorRuns, 1);

    // Exit on the monitoring screen ends the step with Quit.
    ConnectSimulatedEcu(1);
    ScriptedMonitorPage<CAuxBasicPage> basic;
    basic.monitorResult = 2;
    EXPECT_EQ(RunActive(&basic,
                        [&] {
                            EXPECT_EQ(basic.NumericField(kAuxCutOffRpm)->text(), "4500");
                            EXPECT_EQ(basic.NumericField(kAuxHeatingBasic)->text(), "60");
                            SaveScreenshot(&basic, "aux-basic-page.png");
                            basic.Button(kMonitor)->click();
                        }),
              kResultQuit);
    EXPECT_EQ(basic.monitorRuns, 1);
}

TEST_F(PageTest, TheActuatorStepReturnsAtOnceWithTheFieldsFilledInTheDialogFont) {
    ConnectSimulatedEcu(1);
    CActuatorPage page;
    EXPECT_EQ(RunPage(&page, [&] { ADD_FAILURE() << "the page ran"; }), kResultBack);
    SaveScreenshot(&page, "actuator-page.png");
    EXPECT_EQ(page.NumericField(kActuatorLowDefault)->text(), "80");
    EXPECT_EQ(page.NumericField(kActuatorHighDefault)->text(), "150");
    EXPECT_NE(page.NumericField(kActuatorLowDefault)->font(), PageFont());
    EXPECT_FALSE(page.Button(kNext)->isEnabled());
    EXPECT_TRUE(Ecu().ReceivedFrames().empty());
}

// The full lambda page: the set-up's snapshot stays out of the ECU's
// settings ("81" is also the live injection time); the fixed lists take no
// typing; after Enter the live view runs in any type, the arc marker in
// "Real" only; "Real" writes its group and injection time while streaming,
// and streams again after the monitoring screen; leaving stops the stream.
TEST_F(PageTest, TheLambdaPageStreamsTheLiveViewAroundItsWrites) {
    ConnectSimulatedEcu(0);
    Ecu().SetRevving(true);
    std::string setting, value;
    ASSERT_TRUE(StoreValueText(g_EquipmentStore, "81", &setting));
    ScriptedMonitorPage<CLambdaPage> page;
    const auto lit = [&](int slot) {
        const int image = page.Slots().ShownImage(slot);
        return image >= GaugeImages::kLargeDigitZero && image < GaugeImages::kLargeDigitZero + 10;
    };
    const int result = RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
        ASSERT_TRUE(StoreValueText(g_EquipmentStore, "81", &value));
        EXPECT_EQ(value, setting);
        EXPECT_TRUE(StoreValueText(g_MonitorStore, "28", &value));
        EXPECT_EQ(page.NumericField(kLambdaOnTime)->text(), "0.36");
        EXPECT_FALSE(page.NumericField(kLambdaOnTime)->isEnabled());
        EXPECT_FALSE(page.LiveViewActive());
        for (int id : {kLambdaSignalType, kLambdaMode}) EXPECT_FALSE(page.ListField(id)->isEditable());
        Type(page.ListField(kLambdaSignalType), "7");
        EXPECT_EQ(page.SelectedSignalType(), kSignalStandard);
        SaveScreenshot(&page, "lambda-page.png");
        PressEnterIn(page.ListField(kLambdaSignalType));
        ASSERT_TRUE(WaitUntil(
            [&] { return Idle(page) && page.LiveViewActive() && lit(LambdaSlots::kRpmDigits[1]); },
            15000));
        EXPECT_EQ(page.Slots().ShownImage(LambdaSlots::kArcMarker), 0);

        Choose(page.ListField(kLambdaSignalType), kSignalReal);
        ASSERT_TRUE(WaitUntil([&] { return page.LiveViewActive() && !page.IsBusy(); }, 5000));
        EXPECT_EQ(g_LiveViewRunning, 1);
        EXPECT_FALSE(page.NumericField(kLambdaOnTime)->isVisible());
        EXPECT_FALSE(page.NumericField(kLambdaInjection)->isVisible());  // "Automático"
        ASSERT_TRUE(WaitUntil([&] { return lit(LambdaSlots::kInjectionDigits[1]); }));
        EXPECT_NE(page.Slots().ShownImage(LambdaSlots::kArcMarker), 0);
        Choose(page.ListField(kLambdaMode), kModeManual);
        page.NumericField(kLambdaInjection)->setText("12.5");
        SaveScreenshot(&page, "lambda-real.png");
        page.Button(kWrite)->click();
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy() && page.LiveViewActive(); }, 20000));
        EXPECT_EQ(Ecu().Registers().at(0x79), 0x7D);
        EXPECT_EQ(Ecu().Registers().at(0x78), 0x02);
        EXPECT_EQ(Ecu().Registers().at(0x60), 0x00);
        EXPECT_TRUE(Ecu().Streaming());

        // The refill restarts the stream, then the type is applied after a
        // pause: the second exchange waits for the first.
        page.Button(kMonitor)->click();
        ASSERT_TRUE(WaitUntil([&] { return Idle(page) && page.LiveViewActive(); }, 15000));
        EXPECT_EQ(page.monitorRuns, 1);
        EXPECT_EQ(page.SelectedSignalType(), kSignalReal);
        EXPECT_TRUE(Ecu().Streaming());
        page.Button(kNext)->click();
    });
    EXPECT_EQ(result, kResultNext);
    EXPECT_FALSE(Ecu().Streaming());
    EXPECT_EQ(g_LiveViewRunning, 0);
}

TEST_F(PageTest, SwitchingTheSourceResetsTheSpecificTimes) {
    ConnectSimulatedEcu(2);
    g_EquipmentStore.Add("1E", "32");  // "Especifico": 0.50 / 0.36
    g_FileLoaded = 1;
    g_FileStore = g_EquipmentStore;
    CLambdaPage page;
    RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
        EXPECT_EQ(page.SelectedSignalType(), kSignalSpecific);
        EXPECT_EQ(page.NumericField(kLambdaOnTime)->text(), "0.50");
        Choose(page.SourceSelector(), 0);
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy(); }));
        EXPECT_EQ(page.NumericField(kLambdaOnTime)->text(), "0.00");
        EXPECT_EQ(page.NumericField(kLambdaOffTime)->text(), "0.00");
        page.Button(kReturn)->click();
    });
}

}  // namespace
