// The actuator page's six step fields over the frame's default conversions.

#include "pages/actuator_page_model.h"

#include <gtest/gtest.h>

#include "app/parameter_table.h"
#include "comm/pending_writes.h"
#include "data/crx4data.h"

namespace {

TEST(ActuatorModelTest, ShowsStepsInDecimalAndWritesOnlyWhatChanged) {
    FillParameterTable(0);
    CRX4DATA store;
    for (const auto& [reg, value] : {std::pair{"3D", "F0"},
                                     {"45", "A"},
                                     {"41", "14"},
                                     {"3E", "50"},
                                     {"46", "5"},
                                     {"42", "1E"}})
        store.Add(reg, value);
    ActuatorPageModel model;
    FieldValues values;
    ASSERT_EQ(model.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kActuatorLowDefault].text, "240");
    EXPECT_EQ(values[kActuatorLowMin].text, "10");
    EXPECT_EQ(values[kActuatorHighMax].text, "30");

    PendingWrites pending;
    model.QueueAllFields(values, store, pending);
    EXPECT_EQ(pending.Count, 0u);

    values[kActuatorHighMax].text = "25";
    model.QueueFieldForKey("42", values, store, pending);
    ASSERT_EQ(pending.Count, 1u);
    EXPECT_STREQ(pending.Entries[0].Register, "42");
    EXPECT_STREQ(pending.Entries[0].Value, "19");
    EXPECT_TRUE(model.IsWritableKey("3E"));
    EXPECT_FALSE(model.IsWritableKey("79"));
}

TEST(ActuatorModelTest, FillStopsAtTheFirstMissingRegister) {
    FillParameterTable(1);
    CRX4DATA store;
    store.Add("3D", "F0");
    ActuatorPageModel model;
    FieldValues values;
    values[kActuatorLowMax].text = "old";
    EXPECT_EQ(model.FillFromStore(store, values), 1);
    EXPECT_EQ(values[kActuatorLowDefault].text, "240");
    EXPECT_EQ(values[kActuatorLowMax].text, "old");
}

}  // namespace
