// The vehicle pages' conversions between register values and fields, and the
// writes each page queues.
#include "pages/vehicle_page_model.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/parameter_table.h"
#include "data/store_text.h"

namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

class VehicleModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FillParameterTable(0);
        // A Q7100 as the customer page read it: 5000 rpm, 8 cylinders ...
        for (const auto& [reg, value] : Writes{{"7F", "1"},
                                               {"80", "A"},
                                               {"75", "88"},
                                               {"76", "13"},
                                               {"74", "1"},
                                               {"10", "1"},
                                               {"12", "7"},
                                               {"13", "1"},
                                               {"2B", "9"},
                                               {"2C", "8"}})
            store_.Add(reg.c_str(), value.c_str());
    }
    void TearDown() override { ClearParameterTable(); }

    FieldValues Filled(const PageModel& model) {
        FieldValues values;
        EXPECT_EQ(0, model.FillFromStore(store_, values));
        return values;
    }
    Writes Queued() const {
        Writes writes;
        for (uint32_t i = 0; i < pending_.Count; ++i)
            writes.emplace_back(pending_.Entries[i].Register, pending_.Entries[i].Value);
        return writes;
    }

    const VehiclePageModel& model_ = VehicleModel();
    CRX4DATA store_;
    PendingWrites pending_;
};

TEST_F(VehicleModelTest, StoreValuesBecomeWhatTheFieldsShow) {
    FieldValues values = Filled(model_);
    EXPECT_EQ("5000", values[1124].text);
    EXPECT_EQ("10", values[1231].text);
    EXPECT_EQ(1, values[1011].index);
    EXPECT_EQ(0, values[1001].index) << "9 is the tachometer";
    EXPECT_EQ(4, values[1002].index) << "8 cylinders";
    EXPECT_EQ(0, values[1003].index) << "TPS 0-5 is 1";
    EXPECT_EQ("0.14", model_.Options(1004)[static_cast<size_t>(values[1004].index)]);

    store_.Add("75", "0");
    store_.Add("76", "0");
    store_.Add("2B", "0");
    store_.Add("2C", "7");
    store_.Add("10", "2");
    store_.Add("13", "2");
    values = Filled(model_);
    EXPECT_EQ("0", values[1124].text);
    EXPECT_EQ(0, values[1001].index) << "0 shows as the tachometer too";
    EXPECT_EQ(0, values[1002].index) << "a count outside the table shows 2";
    EXPECT_EQ("5-0", model_.Options(1003)[static_cast<size_t>(values[1003].index)]);
    EXPECT_EQ("0-5", model_.Options(1005)[static_cast<size_t>(values[1005].index)]);
}

TEST_F(VehicleModelTest, OptionListsAndSpinRangesComeFromTheRecords) {
    EXPECT_EQ((std::vector<std::string>{"2", "4", "5", "6", "8"}), model_.Options(1002));
    EXPECT_EQ((std::vector<std::string>{"Tacômetro", "1", "2", "3", "4", "5", "6", "7", "8"}),
              model_.Options(1001));
    EXPECT_EQ(8u, model_.Options(1004).size());
    EXPECT_EQ("0.06", model_.Options(1004)[3]);
    const SpinRange speed = model_.Range(1124);
    EXPECT_EQ(0, speed.min);
    EXPECT_EQ(5000, speed.max);
    EXPECT_EQ(50, speed.step);
    const SpinRange time = model_.Range(1231);
    EXPECT_EQ(1, time.min);
    EXPECT_EQ(100, time.max);
    EXPECT_EQ(1, time.step);
}

TEST_F(VehicleModelTest, AMissingRegisterStopsTheFillAndLeavesTheFieldsAfterIt) {
    CRX4DATA partial;
    partial.Add("7F", "0");
    FieldValues values;
    values[1124].text = "1234";
    values[1002].index = 2;
    EXPECT_EQ(1, model_.FillFromStore(partial, values));
    EXPECT_EQ(0, values[1011].index) << "filled before the gap";
    EXPECT_EQ("1234", values[1124].text);
    EXPECT_EQ(2, values[1002].index);

    // The switching speed needs both of its registers.
    partial.Add("80", "5");
    partial.Add("75", "10");
    EXPECT_EQ(1, model_.FillFromStore(partial, values));
    EXPECT_EQ("1234", values[1124].text);
}

TEST_F(VehicleModelTest, AnUnchangedPageQueuesOnlyTheCylinders) {
    model_.QueueAllFields(Filled(model_), store_, pending_);
    EXPECT_EQ((Writes{{"2C", "8"}}), Queued());
}

TEST_F(VehicleModelTest, ChangedFieldsAreQueuedInTheWriteOrder) {
    FieldValues values = Filled(model_);
    values[1124].text = "4096";  // 0x1000: "75" changes to 0, "76" to 0x10
    values[1043].index = 0;
    values[1011].index = 0;
    values[1231].text = "100";
    values[1001].index = 4;
    values[1002].index = 3;
    values[1003].index = 1;
    values[1004].index = 3;  // 0.06
    values[1005].index = 1;
    model_.QueueAllFields(values, store_, pending_);
    EXPECT_EQ((Writes{{"75", "0"},
                      {"76", "10"},
                      {"74", "0"},
                      {"7F", "0"},
                      {"80", "64"},
                      {"2B", "4"},
                      {"2C", "6"},
                      {"10", "2"},
                      {"12", "3"},
                      {"13", "2"}}),
              Queued());
}

TEST_F(VehicleModelTest, ASpeedWithAnUnchangedHighByteQueuesOnlyTheLowByte) {
    FieldValues values = Filled(model_);
    values[1124].text = "4900";  // 0x1324
    model_.QueueAllFields(values, store_, pending_);
    EXPECT_EQ((Writes{{"75", "24"}, {"2C", "8"}}), Queued());
}

TEST_F(VehicleModelTest, TheTachometerIsWrittenAsNineAndComparedAsSuch) {
    store_.Add("2B", "4");
    FieldValues values = Filled(model_);
    values[1001].index = 0;
    model_.QueueFieldForKey("2B", values, store_, pending_);
    EXPECT_EQ((Writes{{"2B", "9"}}), Queued());

    pending_.Count = 0;
    store_.Add("2B", "9");
    model_.QueueFieldForKey("2B", values, store_, pending_);
    EXPECT_EQ(0u, pending_.Count);
}

TEST_F(VehicleModelTest, EnterOnTheSpeedQueuesBothBytesWithoutComparing) {
    FieldValues values = Filled(model_);
    model_.QueueFieldForKey("75_76", values, store_, pending_);
    EXPECT_EQ((Writes{{"75", "88"}, {"76", "13"}}), Queued());
    pending_.Count = 0;
    // The cylinders go even when the ECU already holds the count.
    store_.Add("2C", "6");
    values[1002].index = 3;
    model_.QueueFieldForKey("2C", values, store_, pending_);
    EXPECT_EQ((Writes{{"2C", "6"}}), Queued());
}

TEST_F(VehicleModelTest, EnterWritesExactlyThePageKeys) {
    for (const char* key : {"10", "12", "13", "2B", "2C", "7F", "74", "75_76", "80"})
        EXPECT_TRUE(model_.IsWritableKey(key)) << key;
    EXPECT_FALSE(model_.IsWritableKey(""));
    EXPECT_FALSE(model_.IsWritableKey("75"));
    EXPECT_FALSE(model_.IsWritableKey("27"));
    const PageModel& basic = VehicleBasicModel();
    for (const char* key : {"10", "12", "13", "2B", "2C"})
        EXPECT_TRUE(basic.IsWritableKey(key)) << key;
    EXPECT_FALSE(basic.IsWritableKey("80"));
    EXPECT_FALSE(basic.IsWritableKey("75_76"));
}

TEST_F(VehicleModelTest, TheBasicPageFillsAndQueuesInItsOwnOrder) {
    const PageModel& basic = VehicleBasicModel();
    FieldValues values = Filled(basic);
    values[1001].index = 2;
    values[1003].index = 1;
    values[1004].index = 0;
    values[1005].index = 1;
    basic.QueueAllFields(values, store_, pending_);
    EXPECT_EQ((Writes{{"2B", "2"}, {"2C", "8"}, {"10", "2"}, {"12", "0"}, {"13", "2"}}), Queued());

    // "10", "12", "13" come before "2B": without "2B" they are filled.
    CRX4DATA partial;
    partial.Add("10", "2");
    partial.Add("12", "1");
    partial.Add("13", "2");
    FieldValues shown;
    shown[1002].index = 3;
    EXPECT_EQ(1, basic.FillFromStore(partial, shown));
    EXPECT_EQ(1, shown[1003].index);
    EXPECT_EQ(1, shown[1004].index);
    EXPECT_EQ(3, shown[1002].index);
}

}  // namespace
