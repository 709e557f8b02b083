// The customer data page against the simulated ECU (its first read-all and a
// failed read are in the wizard's walks): the customer texts, Return; and Save and
// Load with the files the user meets: incomplete, from the Windows program,
// and a disk that refuses the save. The file format itself is tested in
// tests/data.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "app/globals.h"
#include "app/wizard_flow.h"
#include "comm/hex_text.h"
#include "controls/image_button.h"
#include "data/file_replace.h"
#include "pages/customer_page.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr int kReturn = 1186, kExit = 1187, kSave = 1189, kLoad = 1192, kNext = 1193;

class CustomerPageTest : public UiTest {
protected:
    // Shows the page; `driver` runs once its first exchange is over.
    int Run(const std::function<void()>& driver) {
        return RunPage(&page_, [&] {
            ASSERT_TRUE(WaitUntil([&] { return !page_.IsBusy(); }));
            driver();
        });
    }
    QString Write(const QString& name, const QByteArray& bytes) {
        QFile file(TempPath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Press(int button, const QString& file = QString()) {
        nextFile_ = file;
        page_.Button(button)->click();
    }
    CCustomerPage page_;
};

// After a load the ECU is not read again; Return empties the stores, so the
// next showing reads it.
TEST_F(CustomerPageTest, AfterALoadTheEcuIsNotReadUntilReturnClosesThePortAndEmptiesTheStores) {
    UseSimulatedEcu(2);
    g_FileLoaded = 1;
    g_SourceIsFile = 1;
    g_MonitorStore.Add("11", "5");
    EXPECT_EQ(kResultBack, Run([&] {
                  EXPECT_TRUE(page_.SourceSelector()->isVisible());
                  EXPECT_EQ(0, page_.SourceSelector()->currentIndex());
                  Press(kReturn);
              }));
    EXPECT_EQ(0, FramesOfKind(FrameKind::ReadAll));
    EXPECT_EQ(0, g_FileLoaded + g_SourceIsFile + g_SerialPort.GetPortNumber() + g_SerialPort.PortConnected());
    EXPECT_EQ(0u, g_EquipmentStore.GetQtyUsed() + g_FileStore.GetQtyUsed() + g_MonitorStore.GetQtyUsed());
    EXPECT_EQ(kResultNext, Run([&] { Press(kNext); }));
    EXPECT_EQ(1, FramesOfKind(FrameKind::ReadAll));
    EXPECT_FALSE(page_.SourceSelector()->isVisible());
}

// The field holds its capacity; a line break typed into the remarks is saved
// as "-". What else a save writes is checked on every page in tests/pages.
TEST_F(CustomerPageTest, TypedTextsAreCutToTheFieldsCapacityAndALineBreakIsSavedAsADash) {
    UseSimulatedEcu(1);
    const QString path = TempPath(QStringLiteral("cliente.Q5100"));
    Run([&] {
        page_.Field(0)->setFocus();
        QTest::keyClicks(page_.Field(0), QString(60, QLatin1Char('x')));
        page_.Remarks()->setFocus();
        QTest::keyClicks(page_.Remarks(), QStringLiteral("linha um"));
        QTest::keyClick(page_.Remarks(), Qt::Key_Return);
        QTest::keyClicks(page_.Remarks(), QStringLiteral("linha dois"));
        Press(kSave, path);
        Press(kExit);
    });
    EXPECT_EQ(std::string(49, 'x'), g_CustomerData.customer);
    const QByteArray saved = Read(path);
    EXPECT_TRUE(saved.startsWith("[Q5100]\r\nClientes=" + QByteArray(49, 'x') + "\r\n")) << saved.left(80).constData();
    EXPECT_TRUE(saved.contains("ObservacoesGerais=linha um-linha dois\r\n")) << saved.constData();
}

// A file missing a register or cut short falls back to "Equipamento"; a
// complete one, also from the Windows program, shows its texts and accents.
TEST_F(CustomerPageTest, LoadShowsTheFileTextsAndAnIncompleteFileFallsBackToEquipamento) {
    UseSimulatedEcu(1);
    Run([&] {
        for (const QByteArray& bytes : {QByteArray("[Q5100]\r\nClientes=Outro\r\n[CONFIG_Q5100]\r\n10=1\r\n"),
                                        QByteArray("[Q5100]\r\nClientes=Meio\r\n[CONFIG_Q5100]\r\n10=1\r\n1")}) {
            const QString path = Write(QStringLiteral("ruim.Q5100"), bytes);
            messages_.clear();
            Press(kLoad, path);
            ASSERT_EQ(1u, messages_.size()) << bytes.constData();
            EXPECT_EQ(QStringLiteral("Leitura incompleta"), messages_[0].title);
            EXPECT_EQ(QStringLiteral("Ocorreu um erro na tentativa de Carregar o Arquivo."), messages_[0].text);
            EXPECT_EQ(1, page_.SourceSelector()->currentIndex()) << "back on \"Equipamento\"";
            EXPECT_EQ(0, g_SourceIsFile + g_FileLoaded);
            EXPECT_EQ(bytes, Read(path)) << "a load never changes the file";
        }
        // Windows-1252 bytes: "São João", "Observações"; every register the ECU reported.
        QByteArray legacy = "[Q5100]\r\nClientes=S\xe3o Jo\xe3o\r\nObservacoesGerais=Observa\xe7\xf5" "es\r\n[CONFIG_Q5100]\r\n";
        for (const auto& [reg, value] : Ecu().Registers()) legacy += QByteArray::fromStdString(IntToHexText(reg)) + "=1\r\n";
        messages_.clear();
        Press(kLoad, Write(QStringLiteral("legado.Q5100"), legacy));
        EXPECT_TRUE(messages_.empty());
        EXPECT_EQ(QStringLiteral("São João"), page_.Field(0)->text());
        EXPECT_EQ(0, page_.SourceSelector()->currentIndex());
        Press(kExit);
    });
    EXPECT_EQ("Observações", g_CustomerData.remarks);
    EXPECT_EQ(1, g_FileLoaded);
}

// A replace that fails (each step is tried in tests/data) and a folder that
// is a file refuse the save: the old file stays byte for byte, a new one is
// never created, and the message says which of the two happened.
TEST_F(CustomerPageTest, ASaveThatFailsKeepsTheOldFileOrCreatesNoneAndSaysWhich) {
    UseSimulatedEcu(0);
    const QByteArray old = "[Q7100]\r\nClientes=Antigo\r\n[CONFIG_Q7100]\r\n10=1\r\n";
    const QString existing = Write(QStringLiteral("antigo.Q7100"), old);
    const QString fresh = TempPath(QStringLiteral("novo.Q7100"));
    const QString underAFile = Write(QStringLiteral("arquivo-comum"), "conteudo\n") + QStringLiteral("/novo.Q7100");
    auto expectRefused = [&](const QString& path, const QString& says) {
        messages_.clear();
        Press(kSave, path);
        ASSERT_EQ(2u, messages_.size());
        EXPECT_EQ(path == existing ? QStringLiteral("Arquivo Existente") : QStringLiteral("Gravando..."), messages_[0].title);
        EXPECT_EQ(QStringLiteral("Erro ao gravar"), messages_[1].title);
        EXPECT_TRUE(messages_[1].text.contains(says)) << messages_[1].text.toStdString();
        EXPECT_TRUE(messages_[1].text.contains(QStringLiteral("novo.Q7100")) || path == existing);
    };
    Run([&] {
        expectRefused(underAFile, QStringLiteral("Nenhum arquivo foi criado."));
        EXPECT_TRUE(g_ConfigFilePath.empty()) << "a failed save is not the current file";
        FailFileReplaceAt(ReplaceStep::Rename);
        expectRefused(existing, QStringLiteral("O arquivo anterior não foi alterado."));
        expectRefused(fresh, QStringLiteral("Nenhum arquivo foi criado."));
        EXPECT_EQ(old, Read(existing));
        EXPECT_FALSE(QFile::exists(fresh));
        FailFileReplaceAt(ReplaceStep::None);
        messages_.clear();
        Press(kSave, fresh);
        EXPECT_EQ(1u, messages_.size());
        EXPECT_TRUE(Read(fresh).startsWith("[Q7100]\r\nClientes="));
        Press(kExit);
    });
    FailFileReplaceAt(ReplaceStep::None);
    EXPECT_EQ(fresh.toStdString(), g_ConfigFilePath);
    EXPECT_EQ(QByteArray("conteudo\n"), Read(underAFile.section('/', 0, -2)));
}

}  // namespace
