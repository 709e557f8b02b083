// The vehicle pages on the frame, against the simulated ECU: the source
// states, the keys, the checks as the user meets them, load and save, and
// the write passes that reach the ECU.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "app/globals.h"
#include "app/ui/ui_globals.h"
#include "app/wizard_flow.h"
#include "comm/ecu_worker.h"
#include "comm/hex_text.h"
#include "controls/image_button.h"
#include "data/store_text.h"
#include "pages/vehicle_pages.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr int kWrite = 1182;
constexpr int kLoad = 1192;
constexpr int kSave = 1189;

class VehiclePageTest : public UiTest {
  protected:
    // The link open and the equipment store holding what the ECU holds, as
    // the customer page leaves them.
    QString WriteFile(const QString& name, const QByteArray& content) {
        const QString path = TempPath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Every register of the ECU, with the given ones replaced.
    QByteArray FileOfEcuWith(const std::map<std::string, std::string>& changes) {
        QByteArray text = "[Q7100]\r\nClientes=Frota\r\n[CONFIG_Q7100]\r\n";
        for (const auto& [reg, value] : Ecu().Registers()) {
            const std::string key = IntToHexText(reg);
            const auto changed = changes.find(key);
            text += QByteArray::fromStdString(
                key + "=" + (changed != changes.end() ? changed->second : IntToHexText(value)) +
                "\r\n");
        }
        return text;
    }
    // Focus goes to a control only in the active window.
    void Type(QWidget* field, const QString& text) {
        field->setFocus();
        QTest::keyClicks(field, text);
    }
    std::size_t Frames() { return Ecu().ReceivedFrames().size(); }

    CVehiclePage page_;
    CVehicleBasicPage basic_;
};

TEST_F(VehiclePageTest, FirstShowingHidesTheSelectorAndShowsTheEcuValues) {
    ConnectSimulatedEcu(0);
    EXPECT_EQ(kResultNext, RunActive(&page_, [&] {
                  EXPECT_FALSE(page_.SourceSelector()->isVisible());
                  EXPECT_TRUE(page_.Initialised());
                  EXPECT_EQ(QStringLiteral("1200"), page_.NumericField(1124)->text());
                  EXPECT_EQ(QStringLiteral("5"), page_.NumericField(1231)->text());
                  EXPECT_EQ(QStringLiteral("4"), page_.ListField(1002)->currentText());
                  EXPECT_EQ(QStringLiteral("Desativado"), page_.ListField(1011)->currentText());
                  SaveScreenshot(&page_, QStringLiteral("vehicle-page.png"));
                  page_.Button(1193)->click();
              }));
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(0u, Frames());
}

TEST_F(VehiclePageTest, AfterALoadTheWriteButtonAndEnterOnlyShowTheFile) {
    ConnectSimulatedEcu(0);
    nextFile_ = WriteFile(QStringLiteral("frota.Q7100"),
                          FileOfEcuWith({{"2C", "8"}, {"75", "88"}, {"76", "13"}}));
    RunActive(&page_, [&] {
        page_.Button(kLoad)->click();
        EXPECT_TRUE(page_.SourceSelector()->isVisible());
        EXPECT_EQ(0, page_.SourceSelector()->currentIndex());
        EXPECT_EQ(1, g_FileLoaded);
        EXPECT_EQ("Frota", g_CustomerData.customer);
        EXPECT_EQ(QStringLiteral("8"), page_.ListField(1002)->currentText());
        EXPECT_EQ(QStringLiteral("5000"), page_.NumericField(1124)->text());

        page_.ListField(1002)->setCurrentIndex(0);
        page_.Button(kWrite)->click();
        EXPECT_EQ(QStringLiteral("8"), page_.ListField(1002)->currentText())
            << "refilled from the file";
        page_.ListField(1002)->setFocus();
        EXPECT_EQ("2C", g_FocusedKey);
        QTest::keyClick(page_.ListField(1002), Qt::Key_Return);
        EXPECT_FALSE(page_.IsBusy());

        // Switching the source shows the other store, without a word to the ECU.
        page_.SourceSelector()->setCurrentIndex(1);
        Q_EMIT page_.SourceSelector()->activated(1);
        EXPECT_EQ(0, g_SourceIsFile);
        EXPECT_EQ(QStringLiteral("4"), page_.ListField(1002)->currentText());
        EXPECT_EQ(QStringLiteral("1200"), page_.NumericField(1124)->text());
        page_.SourceSelector()->setCurrentIndex(0);
        Q_EMIT page_.SourceSelector()->activated(0);
        EXPECT_EQ(1, g_SourceIsFile);
        EXPECT_EQ(QStringLiteral("8"), page_.ListField(1002)->currentText());
        page_.Button(1187)->click();
    });
    EXPECT_EQ(0u, Frames());
    EXPECT_TRUE(messages_.empty());
}

TEST_F(VehiclePageTest, AFileMissingARegisterLoadsSilentlyHereAndIsRefusedOnTheBasicPage) {
    ConnectSimulatedEcu(0);
    // Read in register order: "10" comes first, "12" is missing.
    nextFile_ = WriteFile(QStringLiteral("parcial.Q7100"),
                          "[Q7100]\r\nClientes=Parcial\r\n[CONFIG_Q7100]\r\n10=2\r\n");
    RunActive(&page_, [&] {
        page_.Button(kLoad)->click();
        EXPECT_EQ(0, page_.SourceSelector()->currentIndex());
        EXPECT_EQ(QStringLiteral("5-0"), page_.ListField(1003)->currentText())
            << "the file's value";
        EXPECT_EQ(QStringLiteral("4"), page_.ListField(1002)->currentText())
            << "the ECU's value, copied";
        page_.Button(1187)->click();
    });
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(1, g_FileLoaded);
    EXPECT_EQ("Parcial", g_CustomerData.customer);
}

TEST_F(VehiclePageTest, TheBasicPageReportsAnIncompleteLoadAndKeepsTheEcuSource) {
    ConnectSimulatedEcu(1);
    nextFile_ = WriteFile(QStringLiteral("parcial.Q5100"),
                          "[Q5100]\r\nClientes=Parcial\r\n[CONFIG_Q5100]\r\n10=2\r\n");
    RunActive(&basic_, [&] {
        basic_.Button(kLoad)->click();
        EXPECT_FALSE(basic_.SourceSelector()->isVisible());
        EXPECT_EQ(1, basic_.SourceSelector()->currentIndex());
        basic_.Button(1187)->click();
    });
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ(QStringLiteral("Ocorreu um erro na tentativa de Carregar o Arquivo."),
              messages_[0].text);
    EXPECT_EQ(QStringLiteral("Leitura incompleta"), messages_[0].title);
    EXPECT_EQ(0, g_SourceIsFile);
    EXPECT_EQ(0, g_FileLoaded);
    EXPECT_TRUE(g_CustomerData.customer.empty());
}

TEST_F(VehiclePageTest, SaveWritesTheEcuValuesAndNoToOverwriteLeavesTheFileAlone) {
    ConnectSimulatedEcu(0);
    nextFile_ = TempPath(QStringLiteral("novo.Q7100"));
    RunActive(&page_, [&] {
        page_.ListField(1002)->setCurrentIndex(4);  // never sent
        page_.Button(kSave)->click();
        EXPECT_TRUE(page_.SourceSelector()->isVisible());
        EXPECT_EQ(0, page_.SourceSelector()->currentIndex());
        page_.Button(1187)->click();
    });
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ(QStringLiteral("Gravando..."), messages_[0].title);
    EXPECT_EQ(QStringLiteral("O arquivo vai receber os valores de configuração do Equipamento."),
              messages_[0].text);
    EXPECT_TRUE(ReadFile(nextFile_).contains("\r\n2C=4\r\n")) << ReadFile(nextFile_).constData();
    EXPECT_EQ(0, g_FileLoaded);

    const QByteArray before = ReadFile(nextFile_);
    g_EquipmentStore.Add("2C", "6");
    nextAnswer_ = kAnswerNo;
    RunActive(&page_, [&] {
        page_.Button(kSave)->click();
        page_.Button(1187)->click();
    });
    ASSERT_EQ(2u, messages_.size());
    EXPECT_EQ(QStringLiteral("Arquivo Existente"), messages_[1].title);
    EXPECT_EQ(
        QStringLiteral("Precione \"Yes\" para sobrescreve-lo ou \"No\" para cancelar a gravação"),
        messages_[1].text);
    EXPECT_EQ(before, ReadFile(nextFile_));
    EXPECT_EQ("4", [] {
        std::string value;
        StoreValueText(g_FileStore, "2C", &value);
        return value;
    }());
}

TEST_F(VehiclePageTest, TheKeyFilterSwallowsLettersSignsAndEscape) {
    ConnectSimulatedEcu(0);
    EXPECT_EQ(kResultQuit, RunActive(&page_, [&] {
                  // Enter before any field had the focus sends nothing.
                  QTest::keyClick(&page_, Qt::Key_Return);
                  EXPECT_FALSE(page_.IsBusy());
                  // Into a list's edit part, a key that passed would bring the guard.
                  Type(page_.ListField(1003), QStringLiteral("a-,"));
                  QTest::keyClick(page_.ListField(1003), Qt::Key_Escape);
                  EXPECT_TRUE(messages_.empty());
                  EXPECT_TRUE(page_.isVisible());
                  EXPECT_EQ(QStringLiteral("0-5"), page_.ListField(1003)->currentText());
                  QLineEdit* time = page_.NumericField(1231);
                  time->setFocus();
                  time->selectAll();
                  QTest::keyClicks(time, QStringLiteral("x7"));
                  EXPECT_EQ(QStringLiteral("7"), time->text());
                  QLineEdit* speed = page_.NumericField(1124);
                  speed->setFocus();
                  speed->end(false);
                  QTest::keyClick(speed, Qt::Key_Backspace);
                  EXPECT_EQ(QStringLiteral("120"), speed->text());
                  page_.Button(1187)->click();
              }));
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(0u, Frames());
    EXPECT_EQ(kResultNext,
              RunActive(&page_, [&] { QTest::keyClick(&page_, Qt::Key_Right, Qt::ControlModifier); }));
    EXPECT_EQ(kResultBack,
              RunActive(&page_, [&] { QTest::keyClick(&page_, Qt::Key_Left, Qt::ControlModifier); }));
}

TEST_F(VehiclePageTest, TypedValuesMeetTheLimitChecksAndTheListGuard) {
    ConnectSimulatedEcu(0);
    RunActive(&page_, [&] {
        QLineEdit* speed = page_.NumericField(1124);
        speed->setFocus();
        speed->selectAll();
        QTest::keyClicks(speed, QStringLiteral("5001"));
        EXPECT_EQ(QStringLiteral("5000"), speed->text());
        EXPECT_EQ("75_76", g_FocusedKey);
        // The spin stays within 0 to 5000, 50 at a time.
        page_.SpinButton(1124, true)->click();
        EXPECT_EQ(QStringLiteral("5000"), speed->text());
        page_.SpinButton(1124, false)->click();
        EXPECT_EQ(QStringLiteral("4950"), speed->text());

        speed->clear();  // the lower limit is 0: no message
        QLineEdit* time = page_.NumericField(1231);
        time->setFocus();
        time->clear();
        EXPECT_EQ(QStringLiteral("1"), time->text());

        Type(page_.ListField(1011), QStringLiteral("1"));
        EXPECT_EQ(QStringLiteral("Desativado"), page_.ListField(1011)->currentText());
        Type(page_.ListField(1003), QStringLiteral("."));
        EXPECT_EQ(QStringLiteral("0-5"), page_.ListField(1003)->currentText());
        page_.Button(1187)->click();
    });
    ASSERT_EQ(4u, messages_.size());
    EXPECT_EQ(QStringLiteral("Valor acima do limite superior."), messages_[0].text);
    EXPECT_EQ(QStringLiteral("Atenção - Valor limite assumido"), messages_[0].title);
    EXPECT_EQ(QStringLiteral("Valor abaixo do limite inferior."), messages_[1].text);
    EXPECT_EQ(QStringLiteral("Atenção - Valor limite assumido"), messages_[1].title);
    EXPECT_EQ(QStringLiteral("Atenção"), messages_[2].title);
    EXPECT_EQ(QStringLiteral("Por favor, não altere diretamente este valor.\nUse um dos valores "
                             "predefinidos na lista "
                             "apresentada.\nFoi assumido um dos valores validos.\n"),
              messages_[2].text);
    EXPECT_EQ(QStringLiteral("Atenção"), messages_[3].title);
}

TEST_F(VehiclePageTest, TheBasicPageRestoresListTextSilentlyAndEscapeQuits) {
    ConnectSimulatedEcu(1);
    EXPECT_EQ(kResultQuit, RunActive(&basic_, [&] {
                  SaveScreenshot(&basic_, QStringLiteral("vehicle-basic-page.png"));
                  EXPECT_FALSE(basic_.SourceSelector()->isVisible());
                  EXPECT_TRUE(basic_.Button(kWrite)->toolTip().isEmpty());
                  Type(basic_.ListField(1002), QStringLiteral("x"));
                  EXPECT_EQ(QStringLiteral("4"), basic_.ListField(1002)->currentText());
                  QTest::keyClick(basic_.ListField(1002), Qt::Key_Escape);
              }));
    EXPECT_TRUE(messages_.empty());
    // No Ctrl shortcuts on this page.
    EXPECT_EQ(kResultQuit, RunActive(&basic_, [&] {
                  QTest::keyClick(&basic_, Qt::Key_Right, Qt::ControlModifier);
                  EXPECT_TRUE(basic_.isVisible());
                  basic_.Button(1187)->click();
              }));
}

TEST_F(VehiclePageTest, TheBasicPageWriteButtonDoesNothingWithArquivoSelected) {
    ConnectSimulatedEcu(1);
    g_FileLoaded = 1;
    g_SourceIsFile = 1;
    g_FileStore = g_EquipmentStore;
    RunActive(&basic_, [&] {
        EXPECT_TRUE(basic_.SourceSelector()->isVisible());
        basic_.ListField(1002)->setCurrentIndex(0);
        basic_.Button(kWrite)->click();
        EXPECT_EQ(QStringLiteral("2"), basic_.ListField(1002)->currentText());
        basic_.Button(1187)->click();
    });
    EXPECT_EQ(0u, Frames());
}

TEST_F(VehiclePageTest, EnterWritesTheFocusedFieldToTheEcuAndReadsItBack) {
    ConnectSimulatedEcu(0);
    RunActive(&page_, [&] {
        page_.ListField(1002)->setCurrentIndex(3);  // 6 cylinders
        page_.ListField(1002)->setFocus();
        QTest::keyClick(page_.ListField(1002), Qt::Key_Return);
        EXPECT_TRUE(page_.IsBusy());
        EXPECT_FALSE(page_.Button(kWrite)->isEnabled());
        EXPECT_FALSE(page_.Button(kLoad)->isEnabled());
        ASSERT_TRUE(WaitUntil([&] { return !page_.IsBusy(); }, 10000));
        EXPECT_TRUE(page_.Button(kWrite)->isEnabled());
        EXPECT_EQ(QStringLiteral("6"), page_.ListField(1002)->currentText());
        page_.Button(1187)->click();
    });
    EXPECT_EQ(0x06, Ecu().Registers().at(0x2C));
    EXPECT_EQ(1, FramesOfKind(FrameKind::RegisterWrite));
    EXPECT_EQ(3, FramesOfKind(FrameKind::Confirm));
    std::string fileValue;
    EXPECT_TRUE(StoreValueText(g_FileStore, "2C", &fileValue)) << "the extra read after Enter";
    EXPECT_EQ("6", fileValue);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(VehiclePageTest, ASilentEcuEndsTheWritePassWithOneMessageAndReadFailed) {
    // The store holds what the ECU held when it still answered.
    EcuOptions silent;
    silent.faults.noAnswer = true;
    ConnectSimulatedEcu(0, silent);
    EXPECT_EQ(kResultReadFailed, RunActive(&page_, [&] { page_.Button(kWrite)->click(); }));
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ(QStringLiteral("Erro na leitura dos parâmetros !!!"), messages_[0].text);
    EXPECT_EQ(3, FramesOfKind(FrameKind::ReadAll));
    EXPECT_EQ(0, FramesOfKind(FrameKind::Confirm)) << "no answer, no confirm frames";
}

}  // namespace
