// The pages of every model against the simulated ECU, driven as the user drives
// them: Save/Load and their dialogs, "Arquivo", decimals on a C or Brazilian
// desktop, what each page adds (monitoring screen, live view, the actuator step)
// and the frame itself (keys, checks, writes, the page disabled meanwhile).
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <optional>

#include "app/globals.h"
#include "app/ui/ui_globals.h"
#include "app/wizard_flow.h"
#include "controls/image_button.h"
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
#include "tests/support/marking_translator.h"
#include "tests/ui/ui_test_support.h"

namespace {

// The frame's buttons.
enum FrameButton { kReturn = 1186, kNext = 1193, kLoad = 1192, kSave = 1189, kMonitor = 1190, kExit = 1187, kWrite = 1182 };

class PageTest : public UiTest {
  protected:
    static void Choose(QComboBox* list, int index) { list->setCurrentIndex(index), Q_EMIT list->activated(index); }
    static void Type(QWidget* field, const QString& text) { field->setFocus(), QTest::keyClicks(field, text); }
    // Typed over the selected text, as a user does.
    static void Retype(QLineEdit* f, const QString& keys) { f->setFocus(), f->selectAll(), QTest::keyClicks(f, keys); }
    static void PressEnterIn(QWidget* field) { field->setFocus(), QTest::keyClick(field, Qt::Key_Return); }
    static bool Idle(const CConfigPage& page) { return !page.IsBusy() && page.Initialised(); }
    static QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteFile(const QString& name, const QByteArray& content) {
        QFile file(TempPath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
};

enum class Kind { Vehicle, VehicleBasic, Aux, Lambda, Actuator };
struct PageCase { Kind kind; int model; };  // model: 0 Q7100, 1 Q5100, 2 "Q5100 plus"

std::unique_ptr<CConfigPage> NewPage(const PageCase& c) {
    const bool basic = c.model == 1;
    switch (c.kind) {
        case Kind::Vehicle: return std::make_unique<CVehiclePage>();
        case Kind::VehicleBasic: return std::make_unique<CVehicleBasicPage>();
        case Kind::Aux: return basic ? std::unique_ptr<CConfigPage>(new CAuxBasicPage) : std::make_unique<CAuxPage>();
        case Kind::Lambda: return basic ? std::unique_ptr<CConfigPage>(new CLambdaBasicPage) : std::make_unique<CLambdaPage>();
        default: return std::make_unique<CActuatorPage>();
    }
}

QString Shown(const CConfigPage& page, int control) {
    QLineEdit* edit = page.NumericField(control);
    return edit ? edit->text() : page.ListField(control)->currentText();
}
void Show(const CConfigPage& page, int control, const QString& text) {
    if (QLineEdit* edit = page.NumericField(control)) return edit->setText(text);
    page.ListField(control)->setCurrentIndex(page.ListField(control)->findText(text));
}

// A field each kind of page loads: its register, the simulated ECU's value and
// the file's, and what the field shows for each (1002: "Número de Cilindros").
const struct LoadedField {
    int control;
    const char *reg, *ecuValue, *ecuText, *fileValue, *fileText;
} kLoaded[] = {{1002, "2C", "4", "4", "8", "8"}, {1002, "2C", "4", "4", "8", "8"},
               {kAuxCutOffOpening, "21", "14", "20", "A", "10"}, {kLambdaOnTime, "1E", "24", "0.36", "32", "0.50"},
               {kActuatorLowDefault, "3D", "50", "80", "F0", "240"}};

class PageFileTest : public PageTest, public ::testing::WithParamInterface<PageCase> {
  protected:
    // The page shown with the fields filled, `steps`, then Return. The
    // actuator step ends as soon as it starts, with its fields filled in the
    // dialog font, Next off and no word to the ECU: it is driven after that.
    void Drive(CConfigPage& page, const std::function<void()>& steps) {
        if (GetParam().kind == Kind::Actuator) {
            ASSERT_EQ(RunPage(&page, [] { ADD_FAILURE() << "the page ran"; }), kResultBack);
            SaveScreenshot(&page, "actuator-page.png");
            EXPECT_NE(page.NumericField(kActuatorLowDefault)->font(), PageFont());
            EXPECT_FALSE(page.Button(kNext)->isEnabled());
            EXPECT_TRUE(Ecu().ReceivedFrames().empty());
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
    const LoadedField field = kLoaded[static_cast<int>(c.kind)];
    const bool basicRules = c.kind == Kind::VehicleBasic || c.kind == Kind::Actuator || c.model == 1;
    ConnectSimulatedEcu(c.model);
    const QString type = c.model == 1 ? "Q5100" : "Q7100";
    const QString path = TempPath("frota." + type);
    std::vector<FileDialogRequest> dialogs;
    SetFileDialogResponder([&](const FileDialogRequest& request) { return dialogs.push_back(request), path; });
    g_ConfigFilePath = "C:/Frota/anterior." + type.toStdString();
    const QByteArray ecuLine = QByteArray("\n") + field.reg + "=" + field.ecuValue + "\r";
    const QByteArray fileLine = QByteArray("\n") + field.reg + "=" + field.fileValue + "\r";
    const auto page = NewPage(c);
    Drive(*page, [&] {
        EXPECT_EQ(Shown(*page, field.control), field.ecuText);
        if (c.model == 1 && (c.kind == Kind::VehicleBasic || c.kind == Kind::Aux))
            SaveScreenshot(page.get(), c.kind == Kind::Aux ? "aux-basic-page.png" : "vehicle-basic-page.png");
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
        EXPECT_EQ(messages_[1].title + messages_[1].text,
                  "Arquivo ExistentePrecione \"Yes\" para sobrescreve-lo ou \"No\" para "
                  "cancelar a gravação");
        EXPECT_EQ(ReadFile(path), text);
        page->Button(kLoad)->click();
        EXPECT_EQ(Shown(*page, field.control), field.fileText);
        EXPECT_TRUE(page->SourceSelector()->isVisibleTo(page.get()));
        EXPECT_EQ(std::make_tuple(page->SourceSelector()->currentIndex(), g_SourceIsFile), std::make_tuple(0, 1));
        // The selector shows either store without a write; the full lambda
        // page applies the type anew, which starts "Especifico" at 0.00.
        for (int source : {1, 0}) {
            Choose(page->SourceSelector(), source);
            ASSERT_TRUE(WaitUntil([&] { return !page->IsBusy(); }));
            EXPECT_EQ(Shown(*page, field.control), source ? field.ecuText
                      : c.kind == Kind::Lambda && c.model != 1 ? "0.00" : field.fileText);
        }

        // With "Arquivo" the write button sends nothing and saves nothing; the
        // full pages show the file again, the basic ones do nothing at all.
        Show(*page, field.control, field.ecuText);
        page->Button(c.kind == Kind::Actuator ? 1188 : kWrite)->click();
        EXPECT_FALSE(page->IsBusy());
        EXPECT_EQ(Shown(*page, field.control), basicRules ? field.ecuText : field.fileText);
        EXPECT_EQ(ReadFile(path), text);
    });
    EXPECT_EQ(FramesOfKind(FrameKind::RegisterWrite), 0);
    const QString filter = QStringLiteral("Arquivos Padrão Zano (*.%1)|*.%1|").arg(type);
    ASSERT_EQ(dialogs.size(), 3u);
    // Then each starts where the save went; the open dialog has no extension.
    const std::tuple<bool, QString, QString, QString> asked[] = {
        {true, filter, type, "C:/Frota/anterior." + type}, {true, filter, type, path}, {false, filter, QString(), path}};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(std::tie(dialogs[i].save, dialogs[i].filter, dialogs[i].defaultExtension, dialogs[i].initialPath), asked[i]);
}

std::string CaseName(const PageCase& c) {
    static const char* const kKinds[] = {"Vehicle", "VehicleBasic", "Aux", "Lambda", "Actuator"};
    static const char* const kModels[] = {"Q7100", "Q5100", "Q5100plus"};
    return std::string(kKinds[static_cast<int>(c.kind)]) + kModels[c.model];
}

using K = Kind;
INSTANTIATE_TEST_SUITE_P(
    Pages, PageFileTest,
    ::testing::ValuesIn(std::vector<PageCase>{{K::Vehicle, 0}, {K::VehicleBasic, 1},
        {K::VehicleBasic, 2}, {K::Aux, 0}, {K::Aux, 1}, {K::Aux, 2}, {K::Lambda, 0},
        {K::Lambda, 1}, {K::Lambda, 2}, {K::Actuator, 0}, {K::Actuator, 1}, {K::Actuator, 2}}),
    [](const auto& p) { return CaseName(p.param); });

// A decimal typed into a page, with the point or a Brazilian keypad's comma:
// Enter sends it to the ECU and Save writes the ECU's value to the file.
class PageDecimalTest : public PageTest,
                        public ::testing::WithParamInterface<std::tuple<PageCase, bool>> {};

TEST_P(PageDecimalTest, ATypedDecimalReachesTheEcuAndTheFileOnAnyDesktop) {
    const auto [c, brazilian] = GetParam();
    std::optional<BrazilianLocale> locale;
    ASSERT_TRUE(!brazilian || locale.emplace().Active());
    const bool aux = c.kind == Kind::Aux;
    const int control = aux ? int{kAuxCutOffDelay} : int{kLambdaOnTime};
    // Made before the model fills the parameter table, as at start: the
    // spin takes its range and step when shown.
    const auto page = NewPage(c);
    ConnectSimulatedEcu(c.model);
    nextFile_ = TempPath("carro.Q7100");
    QLineEdit* field = page->NumericField(control);
    RunActive(page.get(), [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(*page); }));
        if (!aux)
            Choose(page->ListField(kLambdaSignalType), kSignalSpecific);
        ASSERT_TRUE(WaitUntil([&] { return Idle(*page) && field->isEnabled(); }, 10000));
        Retype(field, brazilian ? (aux ? "1,5" : "1,05") : (aux ? "1.5" : "1.05"));
        EXPECT_EQ(field->text(), aux ? "1.5" : "1.05");
        PressEnterIn(field);
        ASSERT_TRUE(WaitUntil([&] { return Idle(*page); }, 15000));
        EXPECT_EQ(Ecu().Registers().at(aux ? 0x70 : 0x1E), aux ? 0x4B : 0x69);
        EXPECT_EQ(field->text(), aux ? "1.50" : "1.05");  // read back
        page->Button(kSave)->click();
        QTest::keyClick(field, Qt::Key_Up);
        EXPECT_EQ(field->text(), aux ? "1.52" : "1.06");
        EXPECT_TRUE(ReadFile(nextFile_).contains(aux ? "\n70=4B\r" : "\n1E=69\r"));
        page->Button(kReturn)->click();
    });
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageDecimalTest,
    ::testing::Combine(::testing::ValuesIn(std::vector<PageCase>{{K::Aux, 0}, {K::Aux, 2},
                           {K::Lambda, 0}, {K::Lambda, 1}, {K::Lambda, 2}}), ::testing::Bool()),
    [](const auto& p) { return CaseName(std::get<0>(p.param)) + (std::get<1>(p.param) ? "pt_BR" : "C"); });

// The monitoring screen as the user leaves it.
template <class Page>
class ScriptedMonitorPage : public Page {
  public:
    int monitorResult = 1, monitorRuns = 0;
    int RunMonitoringDialog() override { return ++monitorRuns, monitorResult; }
};

TEST_F(PageTest, TheAuxPageShowsTheOverlapInEmulatorModeAndPassesThroughTheMonitor) {
    UseRealClock();
    ConnectSimulatedEcu(0);
    ScriptedMonitorPage<CAuxPage> page;
    const int result = RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
        EXPECT_EQ(page.NumericField(kAuxCutOffRpm)->text(), "4500");
        SaveScreenshot(&page, "aux-page.png");
        for (int relay : {1, 0, 1}) {  // "Emulador" in the ECU
            page.ListField(kAuxRelay)->setCurrentIndex(relay);
            EXPECT_EQ(page.OverlapShown(), relay == 1);
        }
        page.Button(kNext)->click();
    });
    EXPECT_EQ(std::make_pair(result, page.monitorRuns), std::make_pair(int{kResultNext}, 1));
}

// The full lambda page: after Enter the live view runs in any type, the arc
// marker in "Real" only; "Real" writes its group and injection time while
// streaming, and streams again after the monitoring screen; leaving stops the
// stream.
TEST_F(PageTest, TheLambdaPageStreamsTheLiveViewAroundItsWrites) {
    UseRealClock();
    ConnectSimulatedEcu(0);
    Ecu().SetRevving(true);
    ScriptedMonitorPage<CLambdaPage> page;
    const auto lit = [&](int slot) {
        const int image = page.Slots().ShownImage(slot);
        return image >= GaugeImages::kLargeDigitZero && image < GaugeImages::kLargeDigitZero + 10;
    };
    const int result = RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
        EXPECT_EQ(page.NumericField(kLambdaOnTime)->text(), "0.36");
        EXPECT_FALSE(page.NumericField(kLambdaOnTime)->isEnabled() || page.LiveViewActive());
        SaveScreenshot(&page, "lambda-page.png");
        PressEnterIn(page.ListField(kLambdaSignalType));
        ASSERT_TRUE(WaitUntil(
            [&] { return Idle(page) && page.LiveViewActive() && lit(LambdaSlots::kRpmDigits[1]); },
            15000));
        EXPECT_FALSE(page.NumericField(kLambdaOnTime)->isEnabled()) << "disabled by the type, it stays so";
        EXPECT_EQ(page.Slots().ShownImage(LambdaSlots::kArcMarker), 0);

        Choose(page.ListField(kLambdaSignalType), kSignalReal);
        ASSERT_TRUE(WaitUntil([&] { return page.LiveViewActive() && !page.IsBusy(); }, 5000));
        EXPECT_EQ(g_LiveViewRunning, 1);
        EXPECT_FALSE(page.NumericField(kLambdaOnTime)->isVisible() ||
                     page.NumericField(kLambdaInjection)->isVisible());  // "Automático"
        ASSERT_TRUE(WaitUntil([&] { return lit(LambdaSlots::kInjectionDigits[1]); }));
        EXPECT_NE(page.Slots().ShownImage(LambdaSlots::kArcMarker), 0);
        Choose(page.ListField(kLambdaMode), kModeManual);
        page.NumericField(kLambdaInjection)->setText("12.5");
        SaveScreenshot(&page, "lambda-real.png");
        page.Button(kWrite)->click();
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy() && page.LiveViewActive(); }, 20000));
        const auto& regs = Ecu().Registers();
        EXPECT_EQ(std::make_tuple(regs.at(0x79), regs.at(0x78), regs.at(0x60)),
                  std::make_tuple(0x7D, 0x02, 0x00));
        EXPECT_TRUE(Ecu().Streaming());

        // The refill restarts the stream, then the type is applied after a
        // pause: the second exchange waits for the first.
        page.Button(kMonitor)->click();
        ASSERT_TRUE(WaitUntil([&] { return Idle(page) && page.LiveViewActive(); }, 15000));
        EXPECT_EQ(std::make_pair(page.monitorRuns, page.SelectedSignalType()), std::make_pair(1, int{kSignalReal}));
        EXPECT_TRUE(Ecu().Streaming());
        page.Button(kNext)->click();
    });
    EXPECT_EQ(std::make_tuple(result, Ecu().Streaming(), g_LiveViewRunning), std::make_tuple(int{kResultNext}, false, 0));
}

// --- The frame ---------------------------------------------------------------

enum VehicleControl { kCylinders = 1002, kSpeed = 1124, kReturnTime = 1231, kTps = 1003 };

class VehiclePageTest : public PageTest {
  protected:
    CVehiclePage page_;
};

// The key filter swallows letters and signs (Escape and Enter: the page base
// test); what passes meets the limit checks and the list guard, which under a
// catalogue puts back the default as the list's option in the run's language.
TEST_F(VehiclePageTest, KeysPassTheFilterThenTheChecks) {
    using T = MarkingTranslator;
    const T translator;
    ConnectSimulatedEcu(0);
    EXPECT_EQ(kResultQuit, RunActive(&page_, [&] {
        QLineEdit *speed = page_.NumericField(kSpeed), *time = page_.NumericField(kReturnTime);
        SaveScreenshot(&page_, "vehicle-page.png");
        Type(page_.ListField(kTps), "a-,");  // a key that passed would bring the guard
        speed->setFocus();
        speed->end(false);
        QTest::keyClick(speed, Qt::Key_Backspace);
        Retype(time, "x7");
        EXPECT_EQ(speed->text() + "|" + time->text(), "120|7");
        // A field holds no more than the nine characters its check reads, so
        // what passed the check is what is written.
        Retype(speed, "0000000050001");
        EXPECT_EQ(speed->text(), "000000005");
        PendingWrites pending;
        page_.QueueWritesForKey("75_76", pending);
        ASSERT_EQ(pending.Count, 2u);
        EXPECT_EQ(std::string(pending.Entries[0].Value) + pending.Entries[1].Value, "50");
        EXPECT_TRUE(messages_.empty());
        Retype(speed, "5001");
        EXPECT_EQ(speed->text(), "5000");
        time->setFocus();
        time->clear();
        EXPECT_EQ(time->text(), "1");
        Type(page_.ListField(1011), "1");
        EXPECT_EQ(page_.ListField(1011)->currentIndex(), 0);
        EXPECT_EQ(page_.ListField(1011)->currentText(), T::Marked("Desativado"));
        page_.Button(kExit)->click();
    }));
    // The texts are the checks' own (page_models_test.cpp).
    ASSERT_EQ(messages_.size(), 3u);
    EXPECT_EQ(messages_[0].title + messages_[1].title + messages_[2].title,
              T::Marked("Atenção - Valor limite assumido") + T::Marked("Atenção - Valor limite assumido") +
                  T::Marked("Atenção"));
    EXPECT_TRUE(Ecu().ReceivedFrames().empty());
}

// Enter writes the focused field to the ECU, reads it back and once more
// into the file store. An ECU set up for 10 or 12 cylinders: the list offers
// 2 to 8, but shows the ECU's value and writes it back unless one is picked.
TEST_F(VehiclePageTest, EnterWritesTheFocusedFieldAndTenCylindersAreKept) {
    ConnectSimulatedEcu(0);
    g_EquipmentStore.Add("2C", "A");
    RunActive(&page_, [&] {
        EXPECT_EQ(page_.ListField(kCylinders)->currentText(), "10");
        PendingWrites pending;
        page_.QueueWritesForKey("FULL", pending);
        EXPECT_TRUE(pending.Count == 1 && std::string(pending.Entries[0].Value) == "A");
        page_.ListField(kCylinders)->setCurrentIndex(3);  // 6 cylinders
        // Nothing can be changed during the exchange; afterwards all is as
        // it was, the Next a page may turn off itself included.
        page_.Button(kNext)->setEnabled(false);
        page_.NumericField(kReturnTime)->setText("50");  // typed, not entered: not written, no box
        PressEnterIn(page_.ListField(kCylinders));
        const auto enabled = [&] {
            return std::make_tuple(page_.Button(kLoad)->isEnabled(), page_.ListField(kTps)->isEnabled(),
                                   page_.NumericField(kSpeed)->isEnabled(),
                                   page_.SourceSelector()->isEnabled(), page_.Button(kNext)->isEnabled());
        };
        EXPECT_EQ(enabled(), std::make_tuple(false, false, false, false, false));
        ASSERT_TRUE(WaitUntil([&] { return !page_.IsBusy(); }, 10000));
        EXPECT_EQ(enabled(), std::make_tuple(true, true, true, true, false));
        EXPECT_EQ(page_.ListField(kCylinders)->currentText(), "6");
        page_.Button(kExit)->click();
    });
    EXPECT_EQ(Ecu().Registers().at(0x2C), 0x06);
    EXPECT_EQ(std::make_pair(FramesOfKind(FrameKind::RegisterWrite), FramesOfKind(FrameKind::Confirm)),
              std::make_pair(1, 3));
    std::string fileValue;  // the extra read after Enter
    EXPECT_TRUE(StoreValueText(g_FileStore, "2C", &fileValue) && fileValue == "6");
    EXPECT_TRUE(messages_.empty() && comparisons_.empty());
}

}  // namespace
