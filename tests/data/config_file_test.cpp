// Configuration files: the store's register-section reads and writes and the
// whole-file Save and Load with the customer texts.

#include "data/config_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "data/private_profile.h"
#include "data/store_text.h"
#include "tests/data/file_bytes.h"

namespace {

class ConfigurationFile : public testing::Test {
  protected:
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

    static std::string ValueOf(CRX4DATA& store, const char* keyword) {
        std::string text;
        return StoreValueText(store, keyword, &text) ? text : "<absent>";
    }

    static CustomerData Customer() {
        CustomerData customer;
        customer.customer = "Oficina São Jorge";
        customer.installationDate = "05/03/2024";
        customer.vehicleMake = "Fiat";
        customer.vehicleModel = "Uno";
        customer.manufactureYear = "2010";
        customer.licencePlate = "ABC1D23";
        customer.reducerModel = "R-90";
        customer.mixerModel = "M-2";
        customer.remarks = "linha 1\r\nlinha 2\nfim";
        return customer;
    }

    QTemporaryDir dir_;
};

}  // namespace

TEST_F(ConfigurationFile, SaveWritesTheCustomerSectionThenTheRegisters) {
    const std::string path = Path("carro.Q5100");
    CRX4DATA fileStore;
    fileStore.Add("10", "5");
    fileStore.Add("2B", "4");
    ASSERT_TRUE(WriteConfigurationFile(path.c_str(), "Q5100", "Q5100", Customer(), fileStore));
    EXPECT_EQ(ReadFileBytes(path),
              "[Q5100]\r\n"
              "Clientes=Oficina S\xE3o Jorge\r\n"
              "DataInstalacao=05/03/2024\r\n"
              "Marca=Fiat\r\n"
              "Modelo=Uno\r\n"
              "AnoFabricacao=2010\r\n"
              "Placa=ABC1D23\r\n"
              "ModeloRedutor=R-90\r\n"
              "ModeloMisturador=M-2\r\n"
              "ObservacoesGerais=linha 1--linha 2-fim\r\n"
              "[CONFIG_Q5100]\r\n"
              "10=5\r\n"
              "2B=4\r\n");
}

TEST_F(ConfigurationFile, SaveThenLoadRestoresRegistersAndCustomer) {
    const std::string path = Path("carro.Q7100");
    CRX4DATA saved;
    saved.Add("10", "5");
    saved.Add("2B", "4");
    saved.Add("7F", "FF");
    ASSERT_TRUE(WriteConfigurationFile(path.c_str(), "Q7100", "Q7100", Customer(), saved));

    CRX4DATA loaded;
    loaded.Add("10", "0");
    loaded.Add("2B", "0");
    CustomerData customer;
    ASSERT_EQ(ReadConfigurationFile(path.c_str(), "Q7100", loaded, &customer), 0);
    EXPECT_EQ(ValueOf(loaded, "10"), "5");
    EXPECT_EQ(ValueOf(loaded, "2B"), "4");
    EXPECT_EQ(ValueOf(loaded, "7F"), "<absent>");
    EXPECT_EQ(customer.customer, "Oficina São Jorge");
    EXPECT_EQ(customer.mixerModel, "M-2");
    EXPECT_EQ(customer.remarks, "linha 1--linha 2-fim");
}

TEST_F(ConfigurationFile, SavingOverAFileKeepsItsOtherLines) {
    const std::string path = Path("carro.Q5100");
    WriteFileBytes(path, "; feito na oficina\r\n[CONFIG_Q5100]\r\n10=1\r\n99=7\r\n");
    CRX4DATA fileStore;
    fileStore.Add("10", "5");
    ASSERT_TRUE(WriteConfigurationFile(path.c_str(), "Q5100", "Q5100", CustomerData(), fileStore));
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes.rfind("; feito na oficina\r\n[CONFIG_Q5100]\r\n10=5\r\n99=7\r\n[Q5100]\r\n", 0),
              0u);
    EXPECT_NE(bytes.find("Clientes=\r\n"), std::string::npos);
}

TEST_F(ConfigurationFile, LoadStopsAtTheFirstMissingRegister) {
    const std::string path = Path("carro.Q5100");
    WriteFileBytes(path, "[Q5100]\r\nClientes=Novo\r\n[CONFIG_Q5100]\r\n10=5\r\n2B=4\r\n");
    CRX4DATA fileStore;
    for (const char* keyword : {"10", "12", "2B"}) {
        fileStore.Add(keyword, "0");
    }
    CustomerData customer;
    customer.customer = "Antigo";
    EXPECT_EQ(ReadConfigurationFile(path.c_str(), "Q5100", fileStore, &customer), -2);
    EXPECT_EQ(ValueOf(fileStore, "10"), "5");
    EXPECT_EQ(ValueOf(fileStore, "2B"), "0");
    EXPECT_EQ(customer.customer, "Antigo");
    EXPECT_EQ(ReadConfigurationFile(Path("nenhum.Q5100").c_str(), "Q5100", fileStore, &customer),
              -1);
}

TEST_F(ConfigurationFile, CustomerTextsAreCutToTheirCapacity) {
    const std::string path = Path("carro.Q5100");
    const std::string longName(60, 'N');
    const std::string longPlate = std::string(28, 'P') + "ção";
    const std::string longRemarks(400, 'r');
    WriteFileBytes(path, "[Q5100]\r\nClientes=" + longName + "\r\nPlaca=" + std::string(28, 'P') +
                             "\xE7\xE3o\r\nObservacoesGerais=" + longRemarks +
                             "\r\n[CONFIG_Q5100]\r\n");
    CRX4DATA fileStore;
    CustomerData customer;
    customer.vehicleMake = "antes";
    ASSERT_EQ(ReadConfigurationFile(path.c_str(), "Q5100", fileStore, &customer), 0);
    EXPECT_EQ(customer.customer, std::string(49, 'N'));
    EXPECT_EQ(customer.licencePlate, std::string(28, 'P') + "ç");
    EXPECT_EQ(customer.remarks, std::string(298, 'r'));
    EXPECT_EQ(customer.vehicleMake, "");

    CustomerData tooLong;
    tooLong.customer = longName;
    ASSERT_TRUE(WriteConfigurationFile(path.c_str(), "Q5100", "Q5100", tooLong, fileStore));
    char out[100];
    GetPrivateProfileText("Q5100", "Clientes", "", out, sizeof out, path.c_str());
    EXPECT_EQ(std::string(out), std::string(49, 'N'));
}

TEST_F(ConfigurationFile, SingleKeyReadAddsTheValueToTheStore) {
    const std::string path = Path("carro.Q5100");
    CRX4DATA store;
    std::string text = "old";
    EXPECT_EQ(store.ReadConfigINI(path.c_str(), "CONFIG_Q5100", "10", &text), -1);
    WriteFileBytes(path, "[CONFIG_Q5100]\r\n10=5\r\n12=\r\n");
    EXPECT_EQ(store.ReadConfigINI(path.c_str(), "CONFIG_Q5100", "10", &text), 0);
    EXPECT_EQ(text, "5");
    EXPECT_EQ(ValueOf(store, "10"), "5");
    EXPECT_EQ(store.ReadConfigINI(path.c_str(), "CONFIG_Q5100", "12", &text), -2);
    EXPECT_EQ(store.ReadConfigINI(path.c_str(), "CONFIG_Q5100", "2B", &text), -2);
    EXPECT_EQ(store.ReadConfigINI(path.c_str(), "Q5100", "10", &text), 0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(store.GetQtyUsed(), 1u);
}

TEST_F(ConfigurationFile, SingleKeyWriteNeedsAnExistingFileAndAKnownModel) {
    const std::string path = Path("carro.Q7100");
    CRX4DATA store;
    EXPECT_EQ(store.WriteConfigINI(path.c_str(), "Q7100", "10", "5"), -1);
    WriteFileBytes(path, "");
    EXPECT_EQ(store.WriteConfigINI(path.c_str(), "Q9999", "10", "5"), 0);
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(store.WriteConfigINI(path.c_str(), "Q7100", "10", "5"), 0);
    EXPECT_EQ(ReadFileBytes(path), "[CONFIG_Q7100]\r\n10=5\r\n");
    EXPECT_EQ(ValueOf(store, "10"), "5");
}

TEST_F(ConfigurationFile, RegisterSectionOfAnUnknownModelIsNotWritten) {
    const std::string path = Path("carro.Q9999");
    CRX4DATA store;
    store.Add("10", "5");
    EXPECT_EQ(store.WriteConfigINI(path.c_str(), "Q9999"), 0);
    EXPECT_FALSE(FileExists(path.c_str()));
}
