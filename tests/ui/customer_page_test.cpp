// The customer data page against the simulated ECU: Return, Load with the
// files the user meets (incomplete, from the Windows program), and a refused
// Save (the file format and each step of the replace are in tests/data).
#include <QComboBox>
#include <QFile>
#include <QLineEdit>

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
                  EXPECT_TRUE(page_.SourceSelector()->isVisible() && page_.SourceSelector()->currentIndex() == 0);
                  Press(kReturn);
              }));
    EXPECT_EQ(0, FramesOfKind(FrameKind::ReadAll));
    EXPECT_EQ(0, g_FileLoaded + g_SourceIsFile + g_SerialPort.GetPortNumber() + g_SerialPort.PortConnected());
    EXPECT_EQ(0u, g_EquipmentStore.GetQtyUsed() + g_FileStore.GetQtyUsed() + g_MonitorStore.GetQtyUsed());
    EXPECT_EQ(kResultNext, Run([&] { Press(kNext); }));
    EXPECT_EQ(1, FramesOfKind(FrameKind::ReadAll));
    EXPECT_FALSE(page_.SourceSelector()->isVisible());
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
            EXPECT_TRUE(page_.SourceSelector()->currentIndex() == 1 && g_SourceIsFile + g_FileLoaded == 0) << "back on \"Equipamento\"";
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

// A replace that fails and a folder that is a file refuse the save: the old
// file stays byte for byte, no new one appears, and the message says which.
TEST_F(CustomerPageTest, ASaveThatFailsKeepsTheOldFileOrCreatesNoneAndSaysWhich) {
    UseSimulatedEcu(0);
    const QByteArray old = "[Q7100]\r\nClientes=Antigo\r\n[CONFIG_Q7100]\r\n10=1\r\n";
    const QString existing = Write(QStringLiteral("antigo.Q7100"), old);
    const QString fresh = TempPath(QStringLiteral("novo.Q7100"));
    const QString underAFile = Write(QStringLiteral("arquivo-comum"), "conteudo\n") + QStringLiteral("/novo.Q7100");
    const auto refused = [&](const QString& path, const QString& says) {
        messages_.clear();
        Press(kSave, path);
        ASSERT_EQ(2u, messages_.size());
        EXPECT_EQ(QStringLiteral("Erro ao gravar"), messages_[1].title);
        EXPECT_TRUE(messages_[1].text.contains(says)) << messages_[1].text.toStdString();
    };
    Run([&] {
        refused(underAFile, QStringLiteral("Nenhum arquivo foi criado."));
        EXPECT_TRUE(g_ConfigFilePath.empty()) << "a failed save is not the current file";
        FailFileReplaceAt(ReplaceStep::Rename);
        refused(existing, QStringLiteral("O arquivo anterior não foi alterado."));
        refused(fresh, QStringLiteral("Nenhum arquivo foi criado."));
        FailFileReplaceAt(ReplaceStep::None);
        EXPECT_TRUE(old == Read(existing) && !QFile::exists(fresh));
        Press(kExit);
    });
}

}  // namespace
