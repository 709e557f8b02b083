// Configuration files (*.Q5100, *.Q7100): the exact bytes a save writes over
// a file of the Windows program, Save and Load per model, capacities, the
// single-register read, and saves that fail at any step of replacing the file.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "data/config_file.h"
#include "data/file_replace.h"
#include "data/store_text.h"
#include "tests/data/file_bytes.h"

namespace {

class ConfigurationFile : public testing::Test {
  protected:
    void SetUp() override {
        for (const auto& [reg, value] : {std::pair{"10", "5"}, {"12", "FF"}, {"2B", "4"}, {"7F", "0"}}) store_.Add(reg, value);
    }
    void TearDown() override { FailFileReplaceAt(ReplaceStep::None); }

    bool Save(const char* type = "Q5100") {
        return WriteConfigurationFile(path_.c_str(), type, type, customer_, store_);
    }
    static std::string ValueOf(CRX4DATA& store, const char* keyword) {
        std::string text;
        return StoreValueText(store, keyword, &text) ? text : "<absent>";
    }
    QStringList Entries() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir_;
    std::string path_ = dir_.filePath("carro.cfg").toStdString();
    CRX4DATA store_;
    CustomerData customer_{"Oficina São Jorge", "05/03/2024", " Fiat ", "", "", "ABC1D23", "", "M-2 €",
                           "linha 1\r\nlinha 2\nfim"};
};

}  // namespace

TEST_F(ConfigurationFile, SavingKeepsTheLinesOfAFileOfTheWindowsProgram) {
    // Registers first, names in other cases, comments, blank lines, a key the
    // program does not know and one register the store does not hold.
    WriteFileBytes(path_, "; Zano\r\n[config_q5100]\r\n2b=1\r\n10 = 9\r\n\r\n99=7\r\n[q5100]\r\n"
                          "CLIENTES=Antigo\r\nExtra=mantido\r\nPlaca=XYZ0000\r\n\r\n[Outra]\r\nClientes=x\r\n");
    ASSERT_TRUE(Save());
    EXPECT_EQ(ReadFileBytes(path_),
              "; Zano\r\n[config_q5100]\r\n2B=4\r\n10=5\r\n\r\n99=7\r\n12=FF\r\n7F=0\r\n[q5100]\r\n"
              "Clientes=Oficina S\xE3o Jorge\r\nExtra=mantido\r\nPlaca=ABC1D23\r\n"
              "DataInstalacao=05/03/2024\r\nMarca=Fiat\r\nModelo=\r\nAnoFabricacao=\r\n"
              "ModeloRedutor=\r\nModeloMisturador=M-2 \x80\r\nObservacoesGerais=linha 1--linha 2-fim\r\n"
              "\r\n[Outra]\r\nClientes=x\r\n");
}

TEST_F(ConfigurationFile, EachModelSavesAndLoadsItsOwnSections) {
    WriteFileBytes(path_, "[Q7100]\r\nClientes=Outro\r\n[CONFIG_Q7100]\r\n10=1\r\n");
    ASSERT_TRUE(Save("Q5100"));
    // The customer keys as every earlier version wrote them, in their order.
    EXPECT_EQ(ReadFileBytes(path_),
              "[Q7100]\r\nClientes=Outro\r\n[CONFIG_Q7100]\r\n10=1\r\n[Q5100]\r\n"
              "Clientes=Oficina S\xE3o Jorge\r\nDataInstalacao=05/03/2024\r\nMarca=Fiat\r\nModelo=\r\n"
              "AnoFabricacao=\r\nPlaca=ABC1D23\r\nModeloRedutor=\r\nModeloMisturador=M-2 \x80\r\n"
              "ObservacoesGerais=linha 1--linha 2-fim\r\n[CONFIG_Q5100]\r\n10=5\r\n12=FF\r\n2B=4\r\n7F=0\r\n");
    for (const auto& [model, reg, customerTexts] :
         {std::tuple{"Q5100", "5", "Oficina São Jorge|M-2 €|linha 1--linha 2-fim"},
          {"Q7100", "1", "Outro||"}}) {
        CRX4DATA loaded;
        CustomerData customer;
        loaded.Add("10", "0");
        ASSERT_EQ(ReadConfigurationFile(path_.c_str(), model, loaded, &customer), 0) << model;
        EXPECT_EQ(ValueOf(loaded, "10") + ValueOf(loaded, "2B"), reg + std::string("<absent>"))
            << "only the registers the store holds are read";
        EXPECT_EQ(customer.customer + "|" + customer.mixerModel + "|" + customer.remarks, customerTexts);
    }
}

TEST_F(ConfigurationFile, ReadsStopAtAMissingOrEmptyRegister) {
    WriteFileBytes(path_, "[Q5100]\r\nClientes=Novo\r\n[CONFIG_Q5100]\r\n10=6\r\n12=\r\n7F=1\r\n");
    CustomerData customer;
    customer.customer = "Antigo";
    EXPECT_EQ(ReadConfigurationFile(path_.c_str(), "Q5100", store_, &customer), -2);
    EXPECT_EQ(ValueOf(store_, "10") + ValueOf(store_, "7F") + customer.customer, "60Antigo");
    EXPECT_EQ(ReadConfigurationFile((path_ + "x").c_str(), "Q5100", store_, &customer), -1);
    // One register, as the pages read it when the file is their source.
    CRX4DATA store;
    std::string text;
    EXPECT_EQ(store.ReadConfigINI(path_.c_str(), "CONFIG_Q5100", "7F", &text), 0);
    EXPECT_EQ(text + ValueOf(store, "7F"), "11");
    for (const char* reg : {"12", "2B"}) EXPECT_EQ(store.ReadConfigINI(path_.c_str(), "CONFIG_Q5100", reg, &text), -2) << reg;
    EXPECT_EQ(store.GetQtyUsed(), 1u);
}

TEST_F(ConfigurationFile, CustomerTextsAreCutToTheirCapacityBothWays) {
    WriteFileBytes(path_, "[Q5100]\r\nClientes=" + std::string(60, 'N') + "\r\nPlaca=" +
                              std::string(28, 'P') + "\xE7\xE3o\r\nObservacoesGerais=" +
                              std::string(400, 'r') + "\r\n[CONFIG_Q5100]\r\n");
    CRX4DATA empty;
    CustomerData customer;
    customer.vehicleMake = "antes";
    ASSERT_EQ(ReadConfigurationFile(path_.c_str(), "Q5100", empty, &customer), 0);
    EXPECT_EQ(std::tie(customer.customer, customer.licencePlate, customer.remarks, customer.vehicleMake),
              std::make_tuple(std::string(49, 'N'), std::string(28, 'P') + "ç", std::string(298, 'r'), ""));
    customer_.customer = std::string(60, 'N');
    ASSERT_TRUE(Save());
    EXPECT_NE(ReadFileBytes(path_).find("Clientes=" + std::string(49, 'N') + "\r\n"), std::string::npos);
}

TEST_F(ConfigurationFile, AFailureAtAnyStepOfTheReplaceLeavesTheOldFileOrNone) {
    const std::string old = "; da oficina\r\n[CONFIG_Q5100]\r\n10=1\r\n[Q5100]\r\nClientes=Antigo\r\n";
    WriteFileBytes(path_, old);
    ASSERT_TRUE(Save());
    const std::string saved = ReadFileBytes(path_);
    using R = ReplaceStep;
    for (ReplaceStep step : {R::Create, R::Write, R::Flush, R::Sync, R::Rename}) {
        // The first or second replace fails: a save that replaced the file
        // twice would leave half of its new content behind.
        for (int replacesBefore = 0; replacesBefore < 2; ++replacesBefore) {
            WriteFileBytes(path_, old);
            FailFileReplaceAt(step, replacesBefore);
            const bool ok = Save();
            EXPECT_EQ(ok, replacesBefore > 0) << "one save, one replace";
            EXPECT_EQ(ReadFileBytes(path_), ok ? saved : old) << static_cast<int>(step);
            EXPECT_EQ(Entries(), QStringList{"carro.cfg"}) << "no temporary file is left";
        }
        QFile::remove(QString::fromStdString(path_));
        FailFileReplaceAt(step);
        EXPECT_FALSE(Save());
        EXPECT_TRUE(Entries().isEmpty()) << "a new file that cannot be written is not created";
    }
}
