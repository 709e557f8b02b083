// The side-by-side view of two sets of register values (ECU, file, what a
// write is about to send): which fields differ and how they read, which file
// values a page would refuse, and which registers a write from a file sends
// through which page.
#include <gtest/gtest.h>

#include "app/parameter_table.h"
#include "comm/hex_text.h"
#include "data/crx4data.h"
#include "pages/config_compare.h"
#include "sim/register_image.h"

namespace {

class ConfigCompareTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        FillParameterTable(GetParam());
        for (const auto& [reg, value] : FactoryRegisterImage(static_cast<EcuVariant>(GetParam()))) {
            ecu_.Add(IntToHexText(reg).c_str(), IntToHexText(value).c_str());
            file_.Add(IntToHexText(reg).c_str(), IntToHexText(value).c_str());
        }
    }
    void TearDown() override { ClearParameterTable(); }

    static std::vector<std::string> Captions(const std::vector<FieldDifference>& differences) {
        std::vector<std::string> captions;
        for (const FieldDifference& d : differences) captions.push_back(d.caption);
        return captions;
    }

    CRX4DATA ecu_;
    CRX4DATA file_;
};

TEST_P(ConfigCompareTest, FactoryValuesAreAcceptedAndEqual) {
    EXPECT_EQ(RefusedValues(GetParam(), file_), std::vector<std::string>{});
    EXPECT_TRUE(CompareStores(GetParam(), ecu_, file_).empty());
    // Leading zeros are the same number.
    file_.Add("80", "05");
    EXPECT_TRUE(CompareStores(GetParam(), ecu_, file_).empty());
    std::vector<std::string> unwritable{"x"};
    EXPECT_TRUE(PlanWrites(GetParam(), file_, ecu_, &unwritable).empty());
    EXPECT_TRUE(unwritable.empty());
}

TEST_P(ConfigCompareTest, DifferencesReadAsTheFieldsShowThem) {
    file_.Add("2B", "4");   // four coils instead of two
    file_.Add("3D", "64");  // idle steps 100 instead of 80
    file_.Add("16", "1");   // heating 316 s instead of 60: one field, two registers
    const std::vector<FieldDifference> differences = CompareStores(GetParam(), ecu_, file_);
    ASSERT_EQ(differences.size(), 3u) << DifferencesText(differences, "ECU", "Arquivo");
    // Wizard order: vehicle, aux, actuator.
    EXPECT_EQ(differences[0].caption, "Número de Bobinas");
    EXPECT_EQ(differences[0].leftText, "2");
    EXPECT_EQ(differences[0].rightText, "4");
    EXPECT_EQ(differences[1].leftText, "60");
    EXPECT_EQ(differences[1].rightText, "316");
    EXPECT_EQ(differences[2].caption, "Default (Baixa Rotação)");
    EXPECT_EQ(differences[2].rightText, "100");
    const std::string text = DifferencesText(differences, "ECU", "Arquivo");
    EXPECT_EQ(text.substr(0, text.find('\n')), "Campo\tUnidade\tECU\tArquivo");
    EXPECT_NE(text.find("\nDefault (Baixa Rotação)\t1 - 240 passo(s)\t80\t100\n"), std::string::npos) << text;

    // The write sends exactly the changed registers, page by page.
    std::vector<std::string> unwritable;
    const std::vector<PageWrites> plan = PlanWrites(GetParam(), file_, ecu_, &unwritable);
    std::vector<std::string> sent;
    for (const PageWrites& page : plan)
        for (const PendingWrite& entry : page.entries) sent.push_back(std::string(entry.Register) + "=" + entry.Value);
    EXPECT_EQ(sent, (std::vector<std::string>{"2B=4", "16=1", "3D=64"}));
    EXPECT_EQ(plan.size(), 3u);
    EXPECT_TRUE(unwritable.empty());
}

TEST_P(ConfigCompareTest, MissingAndFieldlessRegistersAreListedByRegister) {
    CRX4DATA partial;
    partial = ecu_;
    file_.Add("99", "1");  // a register no page shows
    const std::vector<FieldDifference> differences = CompareStores(GetParam(), partial, file_);
    ASSERT_EQ(Captions(differences), std::vector<std::string>{"registro 99"});
    EXPECT_EQ(differences[0].leftText, kMissingValueText);
    std::vector<std::string> unwritable;
    EXPECT_TRUE(PlanWrites(GetParam(), file_, partial, &unwritable).empty());
    EXPECT_EQ(unwritable, std::vector<std::string>{"99"});
}

TEST_P(ConfigCompareTest, ValuesAPageWouldRefuseAreNamedByField) {
    file_.Add("21", "78");  // opening 120 steps: the field takes 1-100
    file_.Add("2C", "7");   // seven cylinders: not an option
    file_.Add("3D", "ZZ");  // not a number
    const std::vector<std::string> refused = RefusedValues(GetParam(), file_);
    ASSERT_EQ(refused.size(), 3u) << ::testing::PrintToString(refused);
    EXPECT_NE(refused[0].find("registro 3D"), std::string::npos) << refused[0];
    EXPECT_NE(refused[0].find("\"Default (Baixa Rotação)\""), std::string::npos) << refused[0];
    EXPECT_NE(refused[1].find("\"Número de Cilindros\""), std::string::npos) << refused[1];
    EXPECT_NE(refused[2].find("\"Abertura de Cut Off\": 120"), std::string::npos) << refused[2];
}

INSTANTIATE_TEST_SUITE_P(Models, ConfigCompareTest, ::testing::Values(0, 1, 2));

// On the Q5100 the cut-off speed is an ignition period over three bytes: a
// change of speed changes the bytes that differ, and the field reads as rpm.
TEST(ConfigCompareQ5100Test, CutOffPeriodIsOneField) {
    FillParameterTable(1);
    CRX4DATA ecu, file;
    for (const auto& [reg, value] : FactoryRegisterImage(EcuVariant::Q5100)) {
        ecu.Add(IntToHexText(reg).c_str(), IntToHexText(value).c_str());
        file.Add(IntToHexText(reg).c_str(), IntToHexText(value).c_str());
    }
    file.Add("27", "10");  // 0x003410
    file.Add("25", "1");   // 0x013410: a much lower speed
    const std::vector<FieldDifference> differences = CompareStores(1, ecu, file);
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0].caption, "RPM de Cut Off");
    EXPECT_EQ(differences[0].leftText, "4500");
    std::vector<std::string> unwritable;
    const std::vector<PageWrites> plan = PlanWrites(1, file, ecu, &unwritable);
    ASSERT_EQ(plan.size(), 1u);
    ASSERT_EQ(plan[0].entries.size(), 2u);
    EXPECT_STREQ(plan[0].entries[0].Register, "27");
    EXPECT_STREQ(plan[0].entries[1].Register, "25");
    ClearParameterTable();
}

}  // namespace
