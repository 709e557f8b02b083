// The customer data page against the simulated ECU: the first read-all, the
// failed read, the port remembered, the customer texts, Save, Load, Return.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "app/globals.h"
#include "app/wizard_flow.h"
#include "controls/image_button.h"
#include "data/port_setting.h"
#include "data/store_text.h"
#include "pages/customer_page.h"
#include "tests/ui/ui_test_support.h"

namespace {

class CustomerPageTest : public UiTest {
protected:
    int StartAndThen(const std::function<void()>& driver) {
        return RunPage(&page_, [&] {
            ASSERT_TRUE(WaitUntil([&] { return !page_.IsBusy(); }));
            driver();
        });
    }
    QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    CCustomerPage page_;
};

TEST_F(CustomerPageTest, ReadsEveryRegisterThenRemembersThePortOfTheModel) {
    UseSimulatedEcu(0);
    const int result = StartAndThen([&] {
        SaveScreenshot(&page_, QStringLiteral("customer-page.png"));
        page_.Button(1193)->click();
    });
    EXPECT_EQ(kResultNext, result);
    std::string on, off;
    EXPECT_TRUE(StoreValueText(g_EquipmentStore, "1E", &on));
    EXPECT_TRUE(StoreValueText(g_EquipmentStore, "1F", &off));
    EXPECT_EQ(1, FramesOfKind(FrameKind::ReadAll));
    EXPECT_TRUE(messages_.empty());
    // No port was chosen and ZANO.INI was empty: port 1, now remembered.
    int port = 0;
    EXPECT_EQ(0, PortSetting("Q7100", &port, "GET"));
    EXPECT_EQ(1, port);
    EXPECT_FALSE(page_.SourceSelector()->isVisible());
}

TEST_F(CustomerPageTest, AnAnswerWithout1FFailsThreeTimesThenShowsOneMessage) {
    EcuOptions options;
    options.faults.missingRegister = 0x1F;
    UseSimulatedEcu(1, options);
    const int result = RunPage(&page_, [] {});
    EXPECT_EQ(kResultReadFailed, result);
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ(QStringLiteral("Erro na leitura dos parâmetros !!!"), messages_[0].text);
    EXPECT_TRUE(messages_[0].title.isEmpty());
    EXPECT_EQ(3, FramesOfKind(FrameKind::ReadAll));
}

TEST_F(CustomerPageTest, AfterALoadTheEcuIsNotReadAndTheSelectorShowsArquivo) {
    UseSimulatedEcu(0);
    g_FileLoaded = 1;
    g_SourceIsFile = 1;
    StartAndThen([&] {
        EXPECT_TRUE(page_.SourceSelector()->isVisible());
        EXPECT_EQ(0, page_.SourceSelector()->currentIndex());
        page_.Button(1187)->click();
    });
    EXPECT_EQ(0, FramesOfKind(FrameKind::ReadAll));
}

TEST_F(CustomerPageTest, ALongNameIsCutToItsCapacityInTheGlobalAndTheSavedFile) {
    UseSimulatedEcu(1);
    nextFile_ = TempPath(QStringLiteral("cliente.Q5100"));
    StartAndThen([&] {
        QLineEdit* name = page_.Field(0);
        name->setFocus();
        QTest::keyClicks(name, QString(60, QLatin1Char('x')));
        page_.Remarks()->setFocus();
        QTest::keyClicks(page_.Remarks(), QStringLiteral("linha um"));
        QTest::keyClick(page_.Remarks(), Qt::Key_Return);
        QTest::keyClicks(page_.Remarks(), QStringLiteral("linha dois"));
        page_.Button(1189)->click();
        page_.Button(1187)->click();
    });
    EXPECT_EQ(std::string(49, 'x'), g_CustomerData.customer);
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ(QStringLiteral("Gravando..."), messages_[0].title);
    EXPECT_EQ(QStringLiteral("O arquivo vai receber os valores de configuração do Equipamento."), messages_[0].text);
    const QByteArray saved = ReadFile(nextFile_);
    EXPECT_TRUE(saved.startsWith("[Q5100]\r\nClientes=" + QByteArray(49, 'x') + "\r\n")) << saved.left(80).constData();
    EXPECT_TRUE(saved.contains("[CONFIG_Q5100]\r\n"));
    EXPECT_TRUE(saved.contains("\r\n1E=")) << "the ECU's values go into the file";
    // The line break typed into the remarks became "-".
    EXPECT_TRUE(saved.contains("ObservacoesGerais=linha um-linha dois\r\n")) << saved.constData();
}

TEST_F(CustomerPageTest, NoToTheOverwriteQuestionLeavesTheFileByteForByte) {
    UseSimulatedEcu(0);
    nextFile_ = TempPath(QStringLiteral("existente.Q7100"));
    const QByteArray before = "; notas do instalador\r\n[Q7100]\r\nClientes=Antigo\r\n";
    {
        QFile file(nextFile_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    nextAnswer_ = kAnswerNo;
    StartAndThen([&] {
        page_.Button(1189)->click();
        page_.Button(1187)->click();
    });
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ(QStringLiteral("Arquivo Existente"), messages_[0].title);
    EXPECT_EQ(before, ReadFile(nextFile_));
    EXPECT_EQ(0u, g_FileStore.GetQtyUsed());
}

TEST_F(CustomerPageTest, LoadShowsTheFileTextsAndAMissingRegisterFallsBackToEquipamento) {
    UseSimulatedEcu(0);
    const QString good = TempPath(QStringLiteral("bom.Q7100"));
    const QString partial = TempPath(QStringLiteral("parcial.Q7100"));
    StartAndThen([&] {
        // A file saved from this ECU holds every register.
        nextFile_ = good;
        page_.Field(0)->setText(QStringLiteral("Oficina São João"));
        Q_EMIT page_.Field(0)->editingFinished();
        page_.Button(1189)->click();
        {
            QFile file(partial);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("[Q7100]\r\nClientes=Outro\r\n[CONFIG_Q7100]\r\n10=1\r\n");
        }
        page_.Field(0)->clear();
        Q_EMIT page_.Field(0)->editingFinished();

        nextFile_ = good;
        page_.Button(1192)->click();
        EXPECT_EQ(QStringLiteral("Oficina São João"), page_.Field(0)->text());
        EXPECT_EQ(0, page_.SourceSelector()->currentIndex());
        EXPECT_EQ(1, g_FileLoaded);

        nextFile_ = partial;
        page_.Button(1192)->click();
        EXPECT_EQ(1, page_.SourceSelector()->currentIndex());
        EXPECT_EQ(0, g_SourceIsFile);
        page_.Button(1187)->click();
    });
    ASSERT_EQ(2u, messages_.size());
    EXPECT_EQ(QStringLiteral("Leitura incompleta"), messages_[1].title);
    EXPECT_EQ(QStringLiteral("Ocorreu um erro na tentativa de Carregar o Arquivo."), messages_[1].text);
}

TEST_F(CustomerPageTest, ReturnClosesThePortForgetsItsNumberAndEmptiesTheStores) {
    UseSimulatedEcu(2);
    g_MonitorStore.Add("11", "5");
    const int result = StartAndThen([&] { page_.Button(1186)->click(); });
    EXPECT_EQ(kResultBack, result);
    EXPECT_EQ(0, g_SerialPort.GetPortNumber());
    EXPECT_EQ(0, g_SerialPort.PortConnected());
    EXPECT_EQ(0u, g_EquipmentStore.GetQtyUsed());
    EXPECT_EQ(0u, g_FileStore.GetQtyUsed());
    EXPECT_EQ(0u, g_MonitorStore.GetQtyUsed());
}

// With the stores emptied no file is loaded any more: a file loaded before
// Return does not keep the next customer page from reading the ECU.
TEST_F(CustomerPageTest, AfterALoadReturnMakesTheNextShowingReadTheEcu) {
    UseSimulatedEcu(0);
    g_FileLoaded = 1;
    g_SourceIsFile = 1;
    EXPECT_EQ(kResultBack, StartAndThen([&] { page_.Button(1186)->click(); }));
    EXPECT_EQ(0, g_FileLoaded);
    EXPECT_EQ(0, g_SourceIsFile);
    EXPECT_EQ(kResultNext, StartAndThen([&] { page_.Button(1193)->click(); }));
    EXPECT_EQ(1, FramesOfKind(FrameKind::ReadAll));
    EXPECT_FALSE(page_.SourceSelector()->isVisible());
}

TEST_F(CustomerPageTest, CtrlRightEndsLikeNextAndEscapeQuits) {
    UseSimulatedEcu(0);
    EXPECT_EQ(kResultNext, StartAndThen([&] { QTest::keyClick(&page_, Qt::Key_Right, Qt::ControlModifier); }));
    EXPECT_EQ(kResultQuit, StartAndThen([&] { QTest::keyClick(&page_, Qt::Key_Escape); }));
    // Enter alone never ends the page.
    EXPECT_EQ(kResultQuit, StartAndThen([&] {
        QTest::keyClick(&page_, Qt::Key_Return);
        EXPECT_TRUE(page_.isVisible());
        page_.Button(1187)->click();
    }));
}

}  // namespace
