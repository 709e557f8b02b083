// The write button asks before a pass that changes more than one register,
// and "Comparar com a ECU" shows the ECU against a loaded file: real pages
// against the simulated ECU, the box answered by the test.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <memory>
#include <map>

#include "app/globals.h"
#include "app/ui/ui_globals.h"
#include "controls/font_label.h"
#include "controls/image_button.h"
#include "pages/aux_page_model.h"
#include "pages/aux_pages.h"
#include "pages/compare_dialog.h"
#include "pages/lambda_page_model.h"
#include "pages/lambda_pages.h"
#include "pages/vehicle_pages.h"
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

struct WriteCase {
    const char* name;
    CConfigPage* (*make)();
    int model;
    int fields[2];  // 0: none
    const char* texts[2];  // numeric fields' new text
};
template <class Page> CConfigPage* Make() { return new Page; }

// Each page with a write button, including the lambda page's own write; pages
// that queue unchanged registers on every pass (cylinders on the vehicle
// page, the heating bytes on the aux pages, the lambda signal group) ask only
// for what really changes. One field stored in two bytes changes two registers.
const WriteCase kWriteCases[] = {
    {"VehicleQ7100", Make<CVehiclePage>, 0, {kReturnTime, kCoils}, {"45", ""}},
    {"VehicleBasicQ5100", Make<CVehicleBasicPage>, 1, {kCylinders, kLambdaProbe}, {"", ""}},
    {"AuxQ7100", Make<CAuxPage>, 0, {kAuxCutOffOpening, kAuxCutOffDelay}, {"30", "1.50"}},
    {"AuxBasicHeatingQ5100", Make<CAuxBasicPage>, 1, {kAuxHeatingBasic, 0}, {"400", ""}},
    {"LambdaQ5100plus", Make<CLambdaPage>, 2, {kLambdaOnTime, kLambdaOffTime}, {"0.50", "0.70"}},
    {"LambdaBasicQ5100", Make<CLambdaBasicPage>, 1, {kLambdaOnTime, kLambdaOffTime}, {"0.50", "0.70"}},
};

class WriteConfirmTest : public CompareTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteConfirmTest, CancelSendsNothingAndKeepsTheFieldsGravarWritesThem) {
    const WriteCase c = GetParam();
    ConnectSimulatedEcu(c.model);
    const RegisterImage before = Ecu().Registers();
    const std::unique_ptr<CConfigPage> page(c.make());
    RunShown(*page, [&] {
        const std::size_t n = c.fields[1] ? 2 : 1;
        std::vector<QString> typed;
        std::map<std::string, std::pair<std::string, std::string>> expected;  // caption: ECU, new value
        for (std::size_t i = 0; i < n; ++i) {
            const QString shownBefore = Shown(*page, c.fields[i]);
            Change(*page, c.fields[i], QString::fromUtf8(c.texts[i]));
            typed.push_back(Shown(*page, c.fields[i]));
            expected[page->FieldCaption(c.fields[i])->text().toStdString()] = {shownBefore.toStdString(), typed[i].toStdString()};
        }
        const std::size_t mark = Ecu().ReceivedFrames().size();
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
        EXPECT_NE(Ecu().Registers(), before);
        // Read back from the ECU, the fields show what the box called the new values.
        for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(Shown(*page, c.fields[i]), typed[i]);
        EXPECT_TRUE(messages_.empty()) << messages_[0].title.toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(Pages, WriteConfirmTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& p) { return std::string(p.param.name); });

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
            EXPECT_FALSE(table->item(0, 3)->flags() & Qt::ItemIsEditable);
            QApplication::clipboard()->clear();
            dialog.CopyButton()->click();
            EXPECT_EQ(QApplication::clipboard()->text(), expected);
        };
        compare->trigger();
        ASSERT_EQ(comparisons_.size(), 1u);
        EXPECT_EQ(comparisons_[0].purpose, CCompareDialog::Purpose::View);
        EXPECT_EQ(comparisons_[0].title, QString::fromUtf8(kCompareCommand));
        EXPECT_EQ(comparisons_[0].text, expected);
        EXPECT_EQ(Shown(page, kReturnTime), returnTime);
    });
    EXPECT_EQ(FramesOfKind(FrameKind::RegisterWrite), 0);
}

}  // namespace
