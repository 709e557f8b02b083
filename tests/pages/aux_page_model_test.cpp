// The auxiliary pages' conversions: the Q5100's cut-off period, the group
// keys, the seconds fields, the order of a full write.

#include "pages/aux_page_model.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/parameter_table.h"
#include "comm/pending_writes.h"
#include "data/crx4data.h"
#include "tests/brazilian_locale.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs Queued(const PendingWrites& pending) {
    Pairs pairs;
    for (uint32_t i = 0; i < pending.Count; ++i)
        pairs.emplace_back(pending.Entries[i].Register, pending.Entries[i].Value);
    return pairs;
}

class AuxModelTest : public ::testing::Test {
  protected:
    void UseModel(int modelIndex,
                  std::initializer_list<std::pair<const char*, const char*>> registers) {
        FillParameterTable(modelIndex);
        for (const auto& [reg, value] : registers) store.Add(reg, value);
    }

    CRX4DATA store;
    PendingWrites pending;
    FieldValues values;
};

// The ECU's values of a Q5100 with a 3000 rpm cut-off (2 x 120e6 / (4 x 20000)).
constexpr std::initializer_list<std::pair<const char*, const char*>> kBasicEcu = {
    {"20", "1"}, {"21", "A"}, {"25", "0"},  {"26", "4E"}, {"27", "20"},
    {"2B", "2"}, {"2C", "4"}, {"15", "58"}, {"16", "2"}};

TEST_F(AuxModelTest, BasicPageTurnsTheCutOffSpeedIntoA24BitPeriodAndBack) {
    UseModel(1, kBasicEcu);
    AuxBasicPageModel model;
    ASSERT_EQ(model.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kAuxCutOffRpm].text, "3000");
    EXPECT_EQ(values[kAuxHeatingBasic].text, "600");
    EXPECT_EQ(values[kAuxCutOffOpening].text, "10");
    EXPECT_EQ(values[kAuxCutOff].index, 1);

    model.QueueFieldForKey("26_27", values, store, pending);
    EXPECT_EQ(Queued(pending), (Pairs{{"27", "20"}, {"26", "4E"}, {"25", "0"}}));

    pending.Clear();
    values[kAuxCutOffRpm].text = "6000";  // above the limit: the period of 5000
    model.QueueFieldForKey("26_27", values, store, pending);
    EXPECT_EQ(Queued(pending), (Pairs{{"27", "E0"}, {"26", "2E"}, {"25", "0"}}));  // 12000
}

TEST_F(AuxModelTest, BasicPageSpeedIsZeroAndUnwrittenWhereTheFormulaDividesByZero) {
    EXPECT_EQ(CutOffRpmFromPeriod(20000, 2, 0), 0u);
    EXPECT_EQ(CutOffRpmFromPeriod(0, 2, 4), 0u);
    EXPECT_EQ(CutOffRpmFromPeriod(20000, 0, 4), 0u);  // tachometer input
    EXPECT_EQ(CutOffPeriodFromRpm(0, 2, 4), 0u);
    EXPECT_EQ(CutOffPeriodFromRpm(3000, 0, 4), 0u);
    EXPECT_EQ(CutOffPeriodFromRpm(3000, 2, 0), 0u);
    // 8 cylinders-factor, 2 pulses, 1 rpm: 480 million does not fit 24 bits.
    EXPECT_EQ(CutOffPeriodFromRpm(1, 8, 2), kMaxCutOffPeriod);

    UseModel(1, kBasicEcu);
    store.Add("2C", "0");
    AuxBasicPageModel model;
    ASSERT_EQ(model.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kAuxCutOffRpm].text, "0");
    values[kAuxCutOffRpm].text = "3000";
    model.QueueFieldForKey("26_27", values, store, pending);
    values[kAuxCutOffRpm].text = "0";
    store.Add("2C", "4");
    model.QueueFieldForKey("26_27", values, store, pending);
    EXPECT_EQ(pending.Count, 0u);
}

TEST_F(AuxModelTest, BasicPageNeedsBothSpeedFactorsToShowOrWriteTheSpeed) {
    UseModel(1, {{"20", "0"},
                 {"21", "5"},
                 {"25", "0"},
                 {"26", "4E"},
                 {"27", "20"},
                 {"2C", "4"},
                 {"15", "1"},
                 {"16", "0"}});
    AuxBasicPageModel model;
    values[kAuxCutOffRpm].text = "old";
    values[kAuxHeatingBasic].text = "old";
    EXPECT_EQ(model.FillFromStore(store, values), 1);
    EXPECT_EQ(values[kAuxCutOffOpening].text, "5");  // before the speed: filled
    EXPECT_EQ(values[kAuxCutOffRpm].text, "old");    // stopped here
    EXPECT_EQ(values[kAuxHeatingBasic].text, "old");

    values[kAuxCutOffRpm].text = "3000";
    model.QueueFieldForKey("26_27", values, store, pending);
    EXPECT_EQ(pending.Count, 0u);
}

TEST_F(AuxModelTest, BasicPageClampsTheOpeningAndWritesAllInItsOrder) {
    UseModel(1, kBasicEcu);
    AuxBasicPageModel model;
    ASSERT_EQ(model.FillFromStore(store, values), 0);
    values[kAuxCutOffOpening].text = "150";
    model.QueueFieldForKey("21", values, store, pending);
    EXPECT_EQ(Queued(pending), (Pairs{{"21", "64"}}));

    pending.Clear();
    values[kAuxCutOffOpening].text = "0";
    values[kAuxCutOff].index = 0;
    model.QueueAllFields(values, store, pending);
    // "20", "26_27", "21", "15_16"; the groups go whether changed or not.
    EXPECT_EQ(Queued(pending), (Pairs{{"20", "0"},
                                      {"27", "20"},
                                      {"26", "4E"},
                                      {"25", "0"},
                                      {"21", "1"},
                                      {"15", "58"},
                                      {"16", "2"}}));
}

constexpr std::initializer_list<std::pair<const char*, const char*>> kFullEcu = {
    {"20", "1"},  {"21", "A"}, {"82", "1"},  {"26", "B"}, {"27", "B8"},
    {"15", "58"}, {"16", "2"}, {"70", "4B"}, {"77", "FA"}};

TEST_F(AuxModelTest, FullPageShowsSecondsAndWritesThemAsSteps) {
    UseModel(0, kFullEcu);
    AuxPageModel model;
    ASSERT_EQ(model.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kAuxCutOffRpm].text, "3000");
    EXPECT_EQ(values[kAuxCutOffDelay].text, "1.50");
    EXPECT_EQ(values[kAuxOverlap].text, "2.50");
    EXPECT_EQ(values[kAuxHeating].text, "600");
    EXPECT_EQ(values[kAuxRelay].index, 1);

    values[kAuxCutOffDelay].text = "1.52";
    values[kAuxOverlap].text = "0.07";
    model.QueueFieldForKey("70", values, store, pending);
    model.QueueFieldForKey("77", values, store, pending);
    EXPECT_EQ(Queued(pending), (Pairs{{"70", "4C"}, {"77", "7"}}));

    pending.Clear();
    store.Add("70", "0");
    values[kAuxCutOffDelay].text = "1.50";
    model.QueueFieldForKey("70", values, store, pending);
    EXPECT_EQ(Queued(pending), (Pairs{{"70", "4B"}}));
}

TEST_F(AuxModelTest, OnABrazilianDesktopTheSecondsKeepTheirPoint) {
    BrazilianLocale brazil;
    ASSERT_TRUE(brazil.Active());
    UseModel(0, kFullEcu);
    AuxPageModel model;
    ASSERT_EQ(model.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kAuxCutOffDelay].text, "1.50");
    EXPECT_EQ(values[kAuxOverlap].text, "2.50");
    store.Add("70", "0");
    model.QueueFieldForKey("70", values, store, pending);
    model.QueueFieldForKey("77", values, store, pending);  // unchanged: nothing
    EXPECT_EQ(Queued(pending), (Pairs{{"70", "4B"}}));
    EXPECT_EQ(NormaliseCutOffDelay("1.5"), "1.50");
}

TEST_F(AuxModelTest, FullPageSplitsTheSpeedIntoTwoBytesAndWritesAllInItsOrder) {
    UseModel(0, kFullEcu);
    AuxPageModel model;
    ASSERT_EQ(model.FillFromStore(store, values), 0);
    model.QueueFieldForKey("26_27", values, store, pending);
    EXPECT_EQ(Queued(pending), (Pairs{{"26", "B"}, {"27", "B8"}}));

    // Unchanged lists and seconds queue nothing; "Ativado" over "1" neither.
    pending.Clear();
    values[kAuxRelay].index = 0;
    model.QueueAllFields(values, store, pending);
    EXPECT_EQ(Queued(pending),
              (Pairs{{"82", "0"}, {"26", "B"}, {"27", "B8"}, {"15", "58"}, {"16", "2"}}));
}

TEST_F(AuxModelTest, FullPageRangesOfTheSecondsSpinsAreInSeconds) {
    FillParameterTable(0);
    AuxPageModel model;
    const SpinRange delay = model.Range(kAuxCutOffDelay);
    EXPECT_EQ(delay.decimals, 2);
    EXPECT_NEAR(delay.max, 5.0, 1e-6);
    EXPECT_NEAR(delay.step, 0.02, 1e-6);
    EXPECT_NEAR(model.Range(kAuxOverlap).max, 2.5, 1e-6);
    EXPECT_EQ(model.Range(kAuxHeating).max, 600);
    EXPECT_EQ(model.Range(kAuxCutOffRpm).max, 5000);
}

TEST(AuxDelayTextTest, NormalisesTheDelayAsTheEcuExpectsIt) {
    EXPECT_EQ(NormaliseCutOffDelay("-1"), "0.00");
    EXPECT_EQ(NormaliseCutOffDelay("7"), "5.1");
    EXPECT_EQ(NormaliseCutOffDelay("5.1"), "5.10");
    EXPECT_EQ(NormaliseCutOffDelay("1.5"), "1.50");
    EXPECT_EQ(NormaliseCutOffDelay(""), "0.00");
}

TEST(AuxRelayTest, OverlapTimeBelongsToTheEmulatorMode) {
    EXPECT_FALSE(AuxPageModel::OverlapVisible(0));
    EXPECT_TRUE(AuxPageModel::OverlapVisible(1));
}

}  // namespace
