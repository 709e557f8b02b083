// The lambda pages' conversions: which signal type a store means, the times
// and the injection time as register counts, the signal-type group's order.

#include "pages/lambda_page_model.h"

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

class LambdaModelTest : public ::testing::Test {
  protected:
    LambdaModelTest() {
        FillParameterTable(0);
        for (const auto& [reg, value] : {std::pair{"1E", "24"},
                                         {"1F", "24"},
                                         {"60", "0"},
                                         {"78", "0"},
                                         {"79", "7D"},
                                         {"7A", "1"},
                                         {"7B", "1"},
                                         {"7C", "1"}})
            store.Add(reg, value);
    }

    CRX4DATA store;
    PendingWrites pending;
    FieldValues values;
    LambdaPageModel full;
    LambdaBasicPageModel basic;
};

TEST_F(LambdaModelTest, StoreDecidesTheSignalTypeAndTheMode) {
    ASSERT_EQ(full.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kLambdaSignalType].index, kSignalStandard);
    EXPECT_EQ(values[kLambdaOnTime].text, "0.36");
    EXPECT_EQ(values[kLambdaInjection].text, "12.5");

    store.Add("1E", "32");
    ASSERT_EQ(full.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kLambdaSignalType].index, kSignalSpecific);
    EXPECT_EQ(values[kLambdaOnTime].text, "0.50");

    store.Add("60", "1");
    ASSERT_EQ(full.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kLambdaSignalType].index, kSignalOpen);

    store.Add("78", "2");
    ASSERT_EQ(full.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kLambdaSignalType].index, kSignalReal);
    EXPECT_EQ(values[kLambdaMode].index, kModeManual);
    store.Add("78", "1");
    ASSERT_EQ(full.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kLambdaMode].index, kModeAutomatic);
}

TEST_F(LambdaModelTest, FullPageNeedsTheSpeedBandRegistersAndBasicPageShowsItsOwnWay) {
    CRX4DATA withoutBands;
    for (const char* reg : {"1E", "1F", "60", "78", "79", "7A", "7B"})
        withoutBands.Add(reg, reg[0] == '7' ? "7D" : "24");
    EXPECT_EQ(full.FillFromStore(withoutBands, values), 1);
    EXPECT_EQ(values[kLambdaInjection].text, "12.5");  // shown before the check

    FillParameterTable(1);
    store.Add("1E", "FF");
    ASSERT_EQ(basic.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kLambdaOnTime].text, "2.55");
    EXPECT_EQ(values[kLambdaSignalType].index, kSignalSpecific);
    EXPECT_EQ(basic.Options(kLambdaSignalType),
              (std::vector<std::string>{"Padrão", "Específico", "Aberto"}));
    EXPECT_EQ(full.Options(kLambdaSignalType),
              (std::vector<std::string>{"Padrão", "Especifico", "Aberto", "Real"}));
}

TEST_F(LambdaModelTest, TimesAndInjectionBecomeCountsCappedAt255) {
    values[kLambdaOnTime].text = "2.5";
    values[kLambdaOffTime].text = "2.55";
    values[kLambdaInjection].text = "30.0";
    full.QueueFieldForKey("1E", values, store, pending);
    full.QueueFieldForKey("1F", values, store, pending);
    full.QueueFieldForKey("79", values, store, pending);
    EXPECT_EQ(Queued(pending), (Pairs{{"1E", "FA"}, {"1F", "FF"}, {"79", "FF"}}));

    pending.Clear();
    values[kLambdaOnTime].text = "0.36";  // as stored: nothing
    values[kLambdaOffTime].text = "9";
    values[kLambdaInjection].text = "12.5";
    full.QueueFieldForKey("1E", values, store, pending);
    full.QueueFieldForKey("1F", values, store, pending);
    full.QueueFieldForKey("79", values, store, pending);
    EXPECT_EQ(Queued(pending), (Pairs{{"1F", "FF"}}));
}

// A Brazilian desktop's locale writes "2,50": the fields and the ECU's
// counts must not follow it.
TEST_F(LambdaModelTest, OnABrazilianDesktopTheTypedDecimalsReachTheEcu) {
    BrazilianLocale brazil;
    ASSERT_TRUE(brazil.Active());
    ASSERT_EQ(full.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kLambdaInjection].text, "12.5");
    EXPECT_EQ(values[kLambdaSignalType].index, kSignalStandard);
    // Unchanged standard times send nothing, not 0.
    full.QueueAllFields(values, store, pending);
    EXPECT_EQ(Queued(pending), (Pairs{{"60", "00"}, {"78", "00"}}));

    pending.Clear();
    values[kLambdaOnTime].text = "2.5";
    values[kLambdaInjection].text = "1.5";
    full.QueueFieldForKey("1E", values, store, pending);
    full.QueueFieldForKey("79", values, store, pending);
    EXPECT_EQ(Queued(pending), (Pairs{{"1E", "FA"}, {"79", "F"}}));

    FillParameterTable(1);
    ASSERT_EQ(basic.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kLambdaOnTime].text, "0.36");
    EXPECT_EQ(values[kLambdaSignalType].index, kSignalStandard);
}

TEST_F(LambdaModelTest, SignalGroupQueuesInTheOrderThePassReverses) {
    ASSERT_EQ(full.FillFromStore(store, values), 0);
    values[kLambdaSignalType].index = kSignalOpen;
    full.QueueFieldForKey("60_78", values, store, pending);
    EXPECT_EQ(Queued(pending), (Pairs{{"60", "01"}, {"78", "00"}}));

    pending.Clear();
    values[kLambdaSignalType].index = kSignalReal;
    values[kLambdaMode].index = kModeManual;
    values[kLambdaOnTime].text = "1.00";  // a changed time rides along
    full.QueueFieldForKey("60_78", values, store, pending);
    EXPECT_EQ(Queued(pending), (Pairs{{"78", "02"}, {"60", "00"}, {"1E", "64"}}));

    pending.Clear();
    values[kLambdaMode].index = -1;
    values[kLambdaInjection].text = "1.0";
    full.QueueAllFields(values, store, pending);
    EXPECT_EQ(Queued(pending), (Pairs{{"1E", "64"}, {"79", "A"}, {"78", "01"}, {"60", "00"}}));
}

TEST_F(LambdaModelTest, BasicPageNeverWritesTheRealSignalRegister) {
    ASSERT_EQ(basic.FillFromStore(store, values), 0);
    for (int type : {kSignalStandard, kSignalSpecific, kSignalOpen}) {
        values[kLambdaSignalType].index = type;
        basic.QueueAllFields(values, store, pending);
        basic.QueueFieldForKey("60_78", values, store, pending);
    }
    basic.QueueFieldForKey("78", values, store, pending);
    EXPECT_EQ(
        Queued(pending),
        (Pairs{
            {"60", "00"}, {"60", "00"}, {"60", "00"}, {"60", "00"}, {"60", "01"}, {"60", "01"}}));
}

TEST_F(LambdaModelTest, EnterWritesTheFocusedKeyOrTheGroup) {
    EXPECT_EQ(full.EnterKeyFor("78"), "60_78");
    EXPECT_EQ(full.EnterKeyFor("7B"), "7B");
    EXPECT_EQ(full.EnterKeyFor(""), "");
    EXPECT_EQ(basic.EnterKeyFor("78"), "");
    EXPECT_EQ(basic.EnterKeyFor("79"), "");
    EXPECT_EQ(LambdaPageModelBase::ReadBackKey("60_78"), "FULL");
    EXPECT_EQ(LambdaPageModelBase::ReadBackKey("1E"), "1E");
}

TEST_F(LambdaModelTest, TimeSpinsReachTheirLimitOnTheFullPageOnly) {
    const SpinRange fullRange = full.Range(kLambdaOnTime);
    EXPECT_NEAR(fullRange.max, 2.551, 1e-6);
    EXPECT_EQ(fullRange.decimals, 2);
    EXPECT_NEAR(basic.Range(kLambdaOffTime).max, 2.55, 1e-6);
    const SpinRange injection = full.Range(kLambdaInjection);
    EXPECT_EQ(injection.max, 255);
    EXPECT_NEAR(injection.step, 0.1, 1e-9);
}

}  // namespace
