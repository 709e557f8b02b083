// Configuration files that are not what they should be, through the
// customer page as the user meets them: truncated, binary, huge, from the
// Windows program with accents, and a disk that refuses the save. The page
// says what happened, stays usable, and no file is changed by a load.
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>

#include "app/globals.h"
#include "controls/image_button.h"
#include "data/file_replace.h"
#include "pages/customer_page.h"
#include "tests/ui/ui_test_support.h"

namespace {

class FileFaultsTest : public UiTest {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = TempPath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Loads `path` on the customer page and gives the messages it showed.
    void Load(const QString& path) {
        nextFile_ = path;
        page_.Button(1192)->click();
    }
    int Run(const std::function<void()>& driver) {
        return RunPage(&page_, [&] {
            ASSERT_TRUE(WaitUntil([&] { return !page_.IsBusy(); }));
            driver();
            page_.Button(1187)->click();
        });
    }
    CCustomerPage page_;
};

TEST_F(FileFaultsTest, TruncatedBinaryAndHugeFilesGiveLeituraIncompletaAndStayUnchanged) {
    UseSimulatedEcu(0);
    QByteArray binary(4096, '\0');
    for (char& c : binary) c = static_cast<char>(QRandomGenerator::global()->bounded(256));
    QByteArray huge = "[Q7100]\r\nClientes=Grande\r\n[CONFIG_Q7100]\r\n";
    while (huge.size() < 8 * 1024 * 1024) huge += "; linha de comentario que nao acaba nunca\r\n";
    const QList<QPair<QString, QByteArray>> files = {
        {QStringLiteral("cortado.Q7100"), QByteArray("[Q7100]\r\nClientes=Meio\r\n[CONFIG_Q7100]\r\n10=1\r\n1")},
        {QStringLiteral("binario.Q7100"), binary},
        {QStringLiteral("enorme.Q7100"), huge},
    };
    qint64 slowestMs = 0;
    Run([&] {
        for (const auto& [name, bytes] : files) {
            const QString path = Write(name, bytes);
            messages_.clear();
            QElapsedTimer timer;
            timer.start();
            Load(path);
            slowestMs = std::max(slowestMs, timer.elapsed());
            ASSERT_EQ(1u, messages_.size()) << name.toStdString();
            EXPECT_EQ(QStringLiteral("Leitura incompleta"), messages_[0].title);
            EXPECT_EQ(1, page_.SourceSelector()->currentIndex()) << "back on \"Equipamento\"";
            EXPECT_EQ(bytes, Read(path)) << "a load never changes the file";
        }
    });
    EXPECT_EQ(0, g_FileLoaded);
    // Even 8 MB are read quickly enough not to be felt as a hang.
    EXPECT_LT(slowestMs, 5000);
}

TEST_F(FileFaultsTest, AFileFromTheWindowsProgramShowsItsAccents) {
    UseSimulatedEcu(1);
    // Windows-1252 bytes: "São João", "Observações".
    QByteArray legacy = "[Q5100]\r\nClientes=S\xe3o Jo\xe3o\r\nObservacoesGerais=Observa\xe7\xf5" "es\r\n[CONFIG_Q5100]\r\n";
    Run([&] {
        // Every register the ECU reported, so the load is complete.
        for (uint32_t i = 0; i < g_EquipmentStore.GetQtyUsed(); ++i) {
            char key[4];
            g_EquipmentStore.GetParam(i, key);
            legacy += QByteArray(key) + "=1\r\n";
        }
        Load(Write(QStringLiteral("legado.Q5100"), legacy));
        EXPECT_TRUE(messages_.empty());
        EXPECT_EQ(QStringLiteral("São João"), page_.Field(0)->text());
    });
    EXPECT_EQ("Observações", g_CustomerData.remarks);
    EXPECT_EQ(1, g_FileLoaded);
}

TEST_F(FileFaultsTest, ADiskThatRefusesTheSaveIsReportedAndLeavesNoFile) {
    UseSimulatedEcu(0);
    // A folder that is a file: nothing can be created below it, even as root.
    const QString notAFolder = Write(QStringLiteral("arquivo-comum"), "conteudo\n");
    const QString path = notAFolder + QStringLiteral("/novo.Q7100");
    Run([&] {
        nextFile_ = path;
        page_.Button(1189)->click();
    });
    ASSERT_EQ(2u, messages_.size());
    EXPECT_EQ(QStringLiteral("Gravando..."), messages_[0].title);
    EXPECT_EQ(QStringLiteral("Erro ao gravar"), messages_[1].title);
    EXPECT_TRUE(messages_[1].text.contains(QStringLiteral("novo.Q7100")));
    EXPECT_TRUE(messages_[1].text.contains(QStringLiteral("Nenhum arquivo foi criado.")));
    EXPECT_EQ(QByteArray("conteudo\n"), Read(notAFolder));
    EXPECT_TRUE(g_ConfigFilePath.empty()) << "a failed save is not the current file";
}

// Each step of the replace fails in turn (full disk, I/O error, refused
// rename): the old file stays byte for byte, a new one is never created,
// not even empty, and the message says which of the two happened.
TEST_F(FileFaultsTest, ASaveThatFailsAtAnyStepKeepsTheOldFileOrCreatesNone) {
    UseSimulatedEcu(0);
    const QByteArray old = "[Q7100]\r\nClientes=Antigo\r\n[CONFIG_Q7100]\r\n10=1\r\n";
    const QString existing = Write(QStringLiteral("antigo.Q7100"), old);
    const QString fresh = TempPath(QStringLiteral("novo.Q7100"));
    Run([&] {
        for (ReplaceStep step : {ReplaceStep::Create, ReplaceStep::Write, ReplaceStep::Flush,
                                 ReplaceStep::Sync, ReplaceStep::Rename}) {
            SCOPED_TRACE(static_cast<int>(step));
            FailFileReplaceAt(step);
            for (const QString& path : {existing, fresh}) {
                messages_.clear();
                nextFile_ = path;
                page_.Button(1189)->click();
                ASSERT_EQ(2u, messages_.size());
                EXPECT_EQ(QStringLiteral("Erro ao gravar"), messages_[1].title);
                EXPECT_TRUE(messages_[1].text.contains(path == existing
                                                           ? QStringLiteral("O arquivo anterior não foi alterado.")
                                                           : QStringLiteral("Nenhum arquivo foi criado.")));
            }
            EXPECT_EQ(old, Read(existing));
            EXPECT_FALSE(QFile::exists(fresh));
        }
        FailFileReplaceAt(ReplaceStep::None);
        messages_.clear();
        nextFile_ = fresh;
        page_.Button(1189)->click();
        ASSERT_EQ(1u, messages_.size());
        EXPECT_TRUE(Read(fresh).startsWith("[Q7100]\r\nClientes="));
    });
    FailFileReplaceAt(ReplaceStep::None);
    EXPECT_EQ(fresh.toStdString(), g_ConfigFilePath);
}

}  // namespace
