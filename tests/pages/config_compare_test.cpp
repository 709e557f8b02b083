// The side-by-side view of two sets of register values (ECU, file): which file
// values a page would refuse, and the Q5100's three-byte cut-off period as one
// field, written as the bytes that differ. How differences read and which registers a write from a file sends,
// per model: tests/cli (diff, write) and the compare dialog's test.
#include <gtest/gtest.h>

#include "app/parameter_table.h"
#include "comm/hex_text.h"
#include "data/crx4data.h"
#include "pages/config_compare.h"
#include "sim/register_image.h"

namespace {

class ConfigCompare : public ::testing::Test {
  protected:
    void Fill(int model) {
        FillParameterTable(model);
        for (const auto& [reg, value] : FactoryRegisterImage(static_cast<EcuVariant>(model))) {
            ecu_.Add(IntToHexText(reg).c_str(), IntToHexText(value).c_str());
            file_.Add(IntToHexText(reg).c_str(), IntToHexText(value).c_str());
        }
    }
    void TearDown() override { ClearParameterTable(); }

    CRX4DATA ecu_;
    CRX4DATA file_;
};
class ConfigCompareTest : public ConfigCompare, public ::testing::WithParamInterface<int> {
    void SetUp() override { Fill(GetParam()); }
};

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

// On the Q5100 the cut-off speed is an ignition period over three bytes: a
// change of speed changes the bytes that differ, and the field reads as rpm.
TEST_F(ConfigCompare, TheQ5100CutOffPeriodIsOneField) {
    Fill(1);
    file_.Add("27", "10");  // 0x003410
    file_.Add("25", "1");   // 0x013410: a much lower speed
    file_.Add("80", "05");  // the ECU's 5: leading zeros are the same number
    const std::vector<FieldDifference> differences = CompareStores(1, ecu_, file_);
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0].caption + "|" + differences[0].leftText, "RPM de Cut Off|4500");
    std::vector<std::string> unwritable;
    const std::vector<PageWrites> plan = PlanWrites(1, file_, ecu_, &unwritable);
    EXPECT_TRUE(unwritable.empty());
    ASSERT_EQ(plan.size(), 1u);
    ASSERT_EQ(plan[0].entries.size(), 2u);
    EXPECT_EQ(std::string(plan[0].entries[0].Register) + plan[0].entries[1].Register, "2725");
}

INSTANTIATE_TEST_SUITE_P(Models, ConfigCompareTest, ::testing::Values(0, 1, 2));

}  // namespace
