// Saving a configuration file: the exact bytes written over files of every
// shape met in the field (written by the Windows program, edited by hand,
// cut short), and a save that fails at any step of replacing the file, which
// must leave the old file byte for byte (or no file when there was none).

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "data/config_file.h"
#include "data/file_replace.h"
#include "tests/data/file_bytes.h"

namespace {

class ConfigurationFileBytes : public testing::Test {
  protected:
    // Saves over `before` (nothing: a new file) and gives the file's bytes.
    std::string SaveOver(const char* before, const char* fileType = "Q5100") {
        const std::string path = dir_.filePath("carro.cfg").toStdString();
        if (before != nullptr)
            WriteFileBytes(path, before);
        EXPECT_TRUE(WriteConfigurationFile(path.c_str(), fileType, fileType, Customer(), store_));
        return ReadFileBytes(path);
    }

    static CustomerData Customer() {
        CustomerData customer;
        customer.customer = "Oficina São Jorge";
        customer.installationDate = "05/03/2024";
        customer.vehicleMake = " Fiat ";
        customer.licencePlate = "ABC1D23";
        customer.mixerModel = "M-2 \xE2\x82\xAC";  // the euro sign exists in Windows-1252
        customer.remarks = "linha 1\r\nlinha 2\n";
        return customer;
    }

    void SetUp() override {
        for (const auto& [reg, value] :
             {std::pair{"10", "5"}, {"12", "FF"}, {"2B", "4"}, {"7F", "0"}})
            store_.Add(reg, value);
    }

    QTemporaryDir dir_;
    CRX4DATA store_;
};

TEST_F(ConfigurationFileBytes, ANewFileHoldsTheCustomerSectionThenTheRegisters) {
    EXPECT_EQ(SaveOver(nullptr, "Q7100"),
              "[Q7100]\r\n"
              "Clientes=Oficina S\xE3o Jorge\r\n"
              "DataInstalacao=05/03/2024\r\n"
              "Marca=Fiat\r\n"
              "Modelo=\r\n"
              "AnoFabricacao=\r\n"
              "Placa=ABC1D23\r\n"
              "ModeloRedutor=\r\n"
              "ModeloMisturador=M-2 \x80\r\n"
              "ObservacoesGerais=linha 1--linha 2-\r\n"
              "[CONFIG_Q7100]\r\n"
              "10=5\r\n"
              "12=FF\r\n"
              "2B=4\r\n"
              "7F=0\r\n");
    // An empty file (what a failed create used to leave) gives the same.
    EXPECT_EQ(SaveOver("", "Q7100"), SaveOver(nullptr, "Q7100"));
}

TEST_F(ConfigurationFileBytes, AFileOfTheWindowsProgramKeepsItsLinesAndOrder) {
    // Registers first, names in other cases, comments, blank lines, a key the
    // program does not know and one register the store does not hold.
    const char* before =
        "; Zano\r\n"
        "[config_q5100]\r\n"
        "2b=1\r\n"
        "10 = 9\r\n"
        "\r\n"
        "99=7\r\n"
        "[q5100]\r\n"
        "CLIENTES=Antigo\r\n"
        "Extra=mantido\r\n"
        "Placa=XYZ0000\r\n"
        "\r\n"
        "[Outra]\r\n"
        "Clientes=nao e esta\r\n";
    EXPECT_EQ(SaveOver(before),
              "; Zano\r\n"
              "[config_q5100]\r\n"
              "2B=4\r\n"
              "10=5\r\n"
              "\r\n"
              "99=7\r\n"
              "12=FF\r\n"
              "7F=0\r\n"
              "[q5100]\r\n"
              "Clientes=Oficina S\xE3o Jorge\r\n"
              "Extra=mantido\r\n"
              "Placa=ABC1D23\r\n"
              "DataInstalacao=05/03/2024\r\n"
              "Marca=Fiat\r\n"
              "Modelo=\r\n"
              "AnoFabricacao=\r\n"
              "ModeloRedutor=\r\n"
              "ModeloMisturador=M-2 \x80\r\n"
              "ObservacoesGerais=linha 1--linha 2-\r\n"
              "\r\n"
              "[Outra]\r\n"
              "Clientes=nao e esta\r\n");
}

TEST_F(ConfigurationFileBytes, LineFeedOnlyAndCutShortFilesAreCompletedInPlace) {
    // LF line ends stay LF; the unterminated last line gets a CR LF before
    // the section that follows it.
    EXPECT_EQ(SaveOver("[Q5100]\nClientes=x\nPlaca=y"),
              "[Q5100]\n"
              "Clientes=Oficina S\xE3o Jorge\n"
              "Placa=ABC1D23\r\n"
              "DataInstalacao=05/03/2024\r\n"
              "Marca=Fiat\r\n"
              "Modelo=\r\n"
              "AnoFabricacao=\r\n"
              "ModeloRedutor=\r\n"
              "ModeloMisturador=M-2 \x80\r\n"
              "ObservacoesGerais=linha 1--linha 2-\r\n"
              "[CONFIG_Q5100]\r\n"
              "10=5\r\n"
              "12=FF\r\n"
              "2B=4\r\n"
              "7F=0\r\n");
    // A file holding only a comment without a line end.
    EXPECT_EQ(SaveOver("; nada").substr(0, 17), "; nada\r\n[Q5100]\r\n");
}

TEST_F(ConfigurationFileBytes, AnotherModelsFileGainsTheSectionsOfThisOne) {
    EXPECT_EQ(SaveOver("[Q7100]\r\nClientes=Outro\r\n[CONFIG_Q7100]\r\n10=1\r\n"),
              "[Q7100]\r\n"
              "Clientes=Outro\r\n"
              "[CONFIG_Q7100]\r\n"
              "10=1\r\n"
              "[Q5100]\r\n"
              "Clientes=Oficina S\xE3o Jorge\r\n"
              "DataInstalacao=05/03/2024\r\n"
              "Marca=Fiat\r\n"
              "Modelo=\r\n"
              "AnoFabricacao=\r\n"
              "Placa=ABC1D23\r\n"
              "ModeloRedutor=\r\n"
              "ModeloMisturador=M-2 \x80\r\n"
              "ObservacoesGerais=linha 1--linha 2-\r\n"
              "[CONFIG_Q5100]\r\n"
              "10=5\r\n"
              "12=FF\r\n"
              "2B=4\r\n"
              "7F=0\r\n");
}

class ConfigurationFileFailedSave : public ConfigurationFileBytes {
  protected:
    void TearDown() override { FailFileReplaceAt(ReplaceStep::None); }

    std::string Path() const { return dir_.filePath("carro.cfg").toStdString(); }
    QStringList FolderEntries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    bool Save() {
        return WriteConfigurationFile(Path().c_str(), "Q5100", "Q5100", Customer(), store_);
    }

    static constexpr ReplaceStep kSteps[] = {ReplaceStep::Create, ReplaceStep::Write,
                                             ReplaceStep::Flush, ReplaceStep::Sync,
                                             ReplaceStep::Rename};
};

TEST_F(ConfigurationFileFailedSave, AFailureAtAnyStepOfAnyReplaceLeavesTheOldFile) {
    const std::string old =
        "; da oficina\r\n[CONFIG_Q5100]\r\n10=1\r\n[Q5100]\r\nClientes=Antigo\r\n";
    WriteFileBytes(Path(), old);
    ASSERT_TRUE(Save());
    const std::string saved = ReadFileBytes(Path());
    for (ReplaceStep step : kSteps) {
        // The first, second and third replace of the save fail in turn: a
        // save that replaced the file more than once would leave half of
        // its new content behind.
        for (int replacesBefore = 0; replacesBefore < 3; ++replacesBefore) {
            SCOPED_TRACE(testing::Message() << "step " << static_cast<int>(step) << " after "
                                            << replacesBefore << " replaces");
            WriteFileBytes(Path(), old);
            FailFileReplaceAt(step, replacesBefore);
            const bool ok = Save();
            FailFileReplaceAt(ReplaceStep::None);
            EXPECT_EQ(ReadFileBytes(Path()), ok ? saved : old);
            EXPECT_EQ(ok, replacesBefore > 0) << "one save, one replace";
            EXPECT_EQ(FolderEntries(), QStringList{"carro.cfg"}) << "no temporary file is left";
        }
    }
}

TEST_F(ConfigurationFileFailedSave, ANewFileThatCannotBeWrittenIsNotCreated) {
    for (ReplaceStep step : kSteps) {
        SCOPED_TRACE(static_cast<int>(step));
        FailFileReplaceAt(step);
        EXPECT_FALSE(Save());
        EXPECT_TRUE(FolderEntries().isEmpty());
    }
    FailFileReplaceAt(ReplaceStep::None);
    // A folder that is a file: the system itself refuses the temporary file.
    WriteFileBytes(Path(), "conteudo\n");
    const std::string below = Path() + "/novo.Q5100";
    EXPECT_FALSE(WriteConfigurationFile(below.c_str(), "Q5100", "Q5100", Customer(), store_));
    EXPECT_EQ(ReadFileBytes(Path()), "conteudo\n");
}

}  // namespace
