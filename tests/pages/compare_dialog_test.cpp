// The write button asks before a pass that changes more than one register,
// and "Comparar com a ECU" shows the ECU against a loaded file: real pages
// against the simulated ECU, the box answered by the test. Holds what reaches
// the ECU (nothing on "Cancelar", today's pass on "Gravar"), what the box
// lists in display units, when it must not ask, and what "Copiar" copies.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <memory>
#include <map>

#include "app/globals.h"
#include "app/ui/ui_globals.h"
#include "comm/ecu_worker.h"
#include "controls/font_label.h"
#include "controls/image_button.h"
#include "comm/hex_text.h"
#include "pages/aux_page_model.h"
#include "pages/aux_pages.h"
#include "pages/compare_dialog.h"
#include "pages/lambda_page_model.h"
#include "pages/lambda_pages.h"
#include "pages/page_exchanges.h"
#include "pages/page_models.h"
#include "pages/vehicle_pages.h"
#include "pages/write_preview.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr int kReturn = 1186, kLoad = 1192, kSave = 1189, kWrite = 1182;
// Q7100 vehicle page.
constexpr int kCoils = 1001, kCylinders = 1002, kLambdaProbe = 1005, kReturnTime = 1231;

QString Shown(const CConfigPage& page, int control) {
    QLineEdit* edit = page.NumericField(control);
    return edit ? edit->text() : page.ListField(control)->currentText();
}

// A list takes another option; a numeric field the text.
void Change(const CConfigPage& page, int control, const QString& text) {
    if (QLineEdit* edit = page.NumericField(control)) return edit->setText(text);
    QComboBox* list = page.ListField(control);
    list->setCurrentIndex(list->currentIndex() == 1 ? 2 : 1);
}

// The frames of a write pass that matter to the ECU: the lambda page stops
// its stream around the pass, which the other pages never start.
std::vector<std::tuple<FrameKind, int, int>> PassFrames(const std::vector<ReceivedFrame>& frames, std::size_t from) {
    std::vector<std::tuple<FrameKind, int, int>> pass;
    for (std::size_t i = from; i < frames.size(); ++i) {
        const Frame& f = frames[i].frame;
        if (f.kind != FrameKind::MonitorStart && f.kind != FrameKind::MonitorStop)
            pass.emplace_back(f.kind, f.reg, f.value);
    }
    return pass;
}

class CompareTest : public UiTest {
  protected:
    static bool Idle(const CConfigPage& page) { return !page.IsBusy() && page.Initialised(); }
    void RunShown(CConfigPage& page, const std::function<void()>& steps) {
        RunActive(&page, [&] {
            ASSERT_TRUE(WaitUntil([&] { return Idle(page); }, 15000));
            steps();
            page.Button(kReturn)->click();
        });
    }
};

// --- Before a write ------------------------------------------------------------

struct WriteCase {
    const char* name;
    CConfigPage* (*make)();
    int model;
    int step;  // the page's place in ConfigPageModels: 0 vehicle, 1 lambda, 2 aux
    int fields[2];  // 0: none
    const char* texts[2];  // numeric fields' new text
};
template <class Page> CConfigPage* Make() { return new Page; }

// Each page with a write button, including the lambda page's own write; pages
// that queue unchanged registers on every pass (cylinders on the vehicle
// page, the heating bytes on the aux pages, the lambda signal group) ask only
// for what really changes. One field stored in two bytes changes two registers.
const WriteCase kWriteCases[] = {
    {"VehicleQ7100", Make<CVehiclePage>, 0, 0, {kReturnTime, kCoils}, {"45", ""}},
    {"VehicleBasicQ5100", Make<CVehicleBasicPage>, 1, 0, {kCylinders, kLambdaProbe}, {"", ""}},
    {"AuxQ7100", Make<CAuxPage>, 0, 2, {kAuxCutOffOpening, kAuxCutOffDelay}, {"30", "1.50"}},
    {"AuxBasicHeatingQ5100", Make<CAuxBasicPage>, 1, 2, {kAuxHeatingBasic, 0}, {"400", ""}},
    {"LambdaQ5100plus", Make<CLambdaPage>, 2, 1, {kLambdaOnTime, kLambdaOffTime}, {"0.50", "0.70"}},
    {"LambdaBasicQ5100", Make<CLambdaBasicPage>, 1, 1, {kLambdaOnTime, kLambdaOffTime}, {"0.50", "0.70"}},
};

class WriteConfirmTest : public CompareTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteConfirmTest, CancelSendsNothingAndKeepsTheFieldsGravarSendsTodaysPass) {
    const WriteCase c = GetParam();
    ConnectSimulatedEcu(c.model);
    const RegisterImage before = Ecu().Registers();
    const std::unique_ptr<CConfigPage> page(c.make());
    RunShown(*page, [&] {
        const std::size_t n = c.fields[1] ? 2 : 1;
        const auto edit = [&] { for (std::size_t i = 0; i < n; ++i) Change(*page, c.fields[i], QString::fromUtf8(c.texts[i])); };
        std::vector<QString> shownBefore, typed;
        for (std::size_t i = 0; i < n; ++i) shownBefore.push_back(Shown(*page, c.fields[i]));
        edit();
        std::map<std::string, std::pair<std::string, std::string>> expected;  // caption: ECU, new value
        for (std::size_t i = 0; i < n; ++i) {
            typed.push_back(Shown(*page, c.fields[i]));
            expected[page->FieldCaption(c.fields[i])->text().toStdString()] = {shownBefore[i].toStdString(), typed[i].toStdString()};
        }

        // Today's pass: the page's write job run directly, as the button ran
        // it before it asked. Then the ECU and the page as they were, and the
        // same edit again.
        std::size_t mark = Ecu().ReceivedFrames().size();
        SyncSessionFromGlobals();
        auto hooks = std::make_shared<UiThreadHooks>(Worker(), *page);
        bool done = false;
        const PageModel& model = *ConfigPageModels(c.model)[c.step];
        Worker().Post([&model, hooks](EcuSession& s) { return WriteAllFields(s, model, *hooks); },
                      [&done](int) { done = true; });
        ASSERT_TRUE(WaitUntil([&] { return done; }, 30000));
        const std::vector<std::tuple<FrameKind, int, int>> todays = PassFrames(Ecu().ReceivedFrames(), mark);
        const RegisterImage written = Ecu().Registers();
        ASSERT_NE(written, before) << "the edit changes the ECU";
        for (const auto& [reg, value] : before) {
            Ecu().SetRegister(reg, value);
            g_EquipmentStore.Add(IntToHexText(reg).c_str(), IntToHexText(value).c_str());
        }
        page->FillFromStore(g_EquipmentStore);
        for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(Shown(*page, c.fields[i]), shownBefore[i]);
        edit();
        mark = Ecu().ReceivedFrames().size();

        nextCompareAnswer_ = QDialog::Rejected;
        onCompare_ = [&](CCompareDialog& dialog) {
            if (c.make != Make<CVehiclePage>) return;
            dialog.show();
            SaveScreenshot(&dialog, "compare-before-write.png");
        };
        page->Button(kWrite)->click();
        ASSERT_EQ(comparisons_.size(), 1u);
        EXPECT_EQ(comparisons_[0].purpose, CCompareDialog::Purpose::ConfirmWrite);
        EXPECT_EQ(comparisons_[0].title, QString::fromUtf8(kConfirmWriteTitle));
        // The box lists the changed fields, the ECU's value and the new one
        // as the fields show them.
        std::map<std::string, std::pair<std::string, std::string>> listed;
        for (const FieldDifference& row : comparisons_[0].differences) listed[row.caption] = {row.leftText, row.rightText};
        EXPECT_EQ(listed, expected) << comparisons_[0].text.toStdString();
        // Cancelled: not a frame, the fields as typed.
        EXPECT_FALSE(page->IsBusy());
        WaitForWorker();
        EXPECT_EQ(Ecu().ReceivedFrames().size(), mark);
        EXPECT_EQ(Ecu().Registers(), before);
        for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(Shown(*page, c.fields[i]), typed[i]);

        nextCompareAnswer_ = QDialog::Accepted;
        page->Button(kWrite)->click();
        EXPECT_EQ(comparisons_.size(), 2u);
        ASSERT_TRUE(WaitUntil([&] { return Idle(*page); }, 30000));
        EXPECT_EQ(PassFrames(Ecu().ReceivedFrames(), mark), todays);
        EXPECT_EQ(Ecu().Registers(), written);
        // Read back, the fields show what the box called the new values.
        for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(Shown(*page, c.fields[i]), typed[i]);
        EXPECT_TRUE(messages_.empty()) << messages_[0].title.toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(Pages, WriteConfirmTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& p) { return std::string(p.param.name); });

// One register changed, or Enter in a field: the pass goes without a box.
TEST_F(CompareTest, OneChangedRegisterOrEnterNeverAsks) {
    ConnectSimulatedEcu(0);
    CVehiclePage page;
    RunShown(page, [&] {
        // The write button with one changed field (cylinders go on every
        // pass, unchanged: they do not count).
        page.NumericField(kReturnTime)->setText("45");
        page.Button(kWrite)->click();
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }, 30000));
        EXPECT_EQ(Ecu().Registers().at(0x80), 45);

        // Enter writes its field alone, whatever else was typed.
        const int coils = Ecu().Registers().at(0x2B);
        Change(page, kCoils, "");
        page.NumericField(kReturnTime)->setFocus();
        page.NumericField(kReturnTime)->setText("50");
        QTest::keyClick(page.NumericField(kReturnTime), Qt::Key_Return);
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }, 30000));
        EXPECT_EQ(Ecu().Registers().at(0x80), 50);
        EXPECT_EQ(Ecu().Registers().at(0x2B), coils);
    });
    EXPECT_TRUE(comparisons_.empty()) << comparisons_[0].text.toStdString();
}

// --- "Comparar com a ECU" ------------------------------------------------------

TEST_F(CompareTest, AfterALoadTheFileIsComparedWithTheEcuAndTheTableCopies) {
    ConnectSimulatedEcu(0);
    nextFile_ = TempPath("frota.Q7100");
    CVehiclePage page;
    RunShown(page, [&] {
        auto* compare = page.findChild<QAction*>(QStringLiteral("compareWithEcu"));
        ASSERT_NE(compare, nullptr);
        // No file loaded in this run: off, and triggering it shows nothing.
        EXPECT_FALSE(compare->isEnabled());
        compare->trigger();
        EXPECT_TRUE(comparisons_.empty());
        // A save is not a load.
        page.Button(kSave)->click();
        EXPECT_FALSE(compare->isEnabled());

        // The file then says 8 cylinders, 3 coils, a heating of 316 s (the
        // aux page's field, two registers) and an idle of 100 steps.
        QFile file(nextFile_);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QString text = QString::fromLatin1(file.readAll());
        const QString returnTime = Shown(page, kReturnTime);
        for (const QString change : {"2C=8", "2B=3", "16=1", "3D=64"})
            text.replace(QRegularExpression("\n" + change.section('=', 0, 0) + "=[^\r]*"), "\n" + change);
        file.resize(0), file.write(text.toLatin1()), file.close();
        page.Button(kLoad)->click();
        EXPECT_TRUE(compare->isEnabled());
        const QString expected = QString::fromUtf8(
            "Campo\tUnidade\tECU\tArquivo\n"
            "Número de Cilindros\t\t4\t8\n"
            "Número de Bobinas\t\t2\t3\n"
            "Tempo de Aquecimento da Sonda Lâmbda\ts\t60\t316\n"
            "Default (Baixa Rotação)\t1 - 240 passo(s)\t80\t100\n");
        onCompare_ = [&](CCompareDialog& dialog) {
            dialog.show();
            SaveScreenshot(&dialog, "compare-dialog.png");
            EXPECT_EQ(dialog.AcceptButton(), nullptr);
            EXPECT_EQ(dialog.CloseButton()->text(), "Fechar");
            QTableWidget* table = dialog.Table();
            ASSERT_EQ(table->rowCount(), 4);
            EXPECT_EQ(table->horizontalHeaderItem(3)->text(), "Arquivo");
            EXPECT_EQ(table->item(0, 3)->text(), "8");
            EXPECT_TRUE(table->item(0, 3)->flags() & Qt::ItemIsSelectable);
            EXPECT_FALSE(table->item(0, 3)->flags() & Qt::ItemIsEditable);
            QApplication::clipboard()->clear();
            dialog.CopyButton()->click();
            EXPECT_EQ(QApplication::clipboard()->text(), expected);
            // Ctrl+C in the table copies the table, not the current cell.
            QApplication::clipboard()->clear();
            table->setCurrentCell(1, 2);
            QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
            EXPECT_EQ(QApplication::clipboard()->text(), expected);
        };
        compare->trigger();
        ASSERT_EQ(comparisons_.size(), 1u);
        EXPECT_EQ(comparisons_[0].purpose, CCompareDialog::Purpose::View);
        EXPECT_EQ(comparisons_[0].title, QString::fromUtf8(kCompareCommand));
        EXPECT_EQ(comparisons_[0].text, expected);
        EXPECT_EQ(Shown(page, kReturnTime), returnTime);
        // Off while the page talks to the ECU, as Load and Save.
        page.SourceSelector()->setCurrentIndex(1), Q_EMIT page.SourceSelector()->activated(1);  // Enter writes
        page.NumericField(kReturnTime)->setFocus();
        QTest::keyClick(page.NumericField(kReturnTime), Qt::Key_Return);
        EXPECT_TRUE(page.IsBusy() && !compare->isEnabled());
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }, 30000));
        EXPECT_TRUE(compare->isEnabled());

        // A file equal to the ECU.
        page.Button(kSave)->click();
        page.Button(kLoad)->click();
        onCompare_ = [&](CCompareDialog& dialog) {
            auto* none = dialog.findChild<QLabel*>(QStringLiteral("noDifference"));
            EXPECT_TRUE(none && none->isVisibleTo(&dialog) && none->text() == QString::fromUtf8(kNoDifferenceText) &&
                        !dialog.Table()->isVisibleTo(&dialog));
        };
        compare->trigger();
        ASSERT_EQ(comparisons_.size(), 2u);
        EXPECT_TRUE(comparisons_[1].differences.empty());
    });
    EXPECT_EQ(FramesOfKind(FrameKind::RegisterWrite), 0);
}

// --- What a pass changes ---------------------------------------------------------

TEST(WritePreviewTest, OnlyValuesOtherThanTheEcusCountOncePerRegister) {
    CRX4DATA ecu;
    ecu.Add("2C", "4");
    ecu.Add("80", "2D");
    const std::pair<std::vector<std::pair<const char*, const char*>>, int> cases[] = {
        {{{"2C", "4"}, {"80", "2D"}}, 0},  // repeats of the ECU's values
        {{{"2C", "04"}}, 0},               // the same number
        {{{"80", "32"}, {"2C", "4"}, {"80", "33"}}, 1},  // one register twice
        {{{"80", "32"}, {"80", "2D"}}, 0},  // put back by its last entry
        {{{"75", "0"}}, 1},  // the ECU's values lack it
    };
    for (const auto& [entries, changed] : cases) {
        PendingWrites queued;
        for (const auto& [reg, value] : entries) queued.Append(reg, value);
        EXPECT_EQ(ChangedRegisterCount(queued, ecu), changed) << ::testing::PrintToString(entries);
    }
}

}  // namespace
