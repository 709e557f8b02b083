// CRX4DATA, the keyword store: order, replacement and merging. Its dump lines
// are checked through the diagnostic dump file, lookups in a store of a few
// dozen registers by the page model tests.

#include "data/crx4data.h"

#include <gtest/gtest.h>

#include <QString>
#include <atomic>
#include <thread>

#include "data/store_text.h"

namespace {

using Texts = std::vector<std::string>;

Texts Keywords(const CRX4DATA& store) {
    Texts keywords;
    char text[4];
    for (uint32_t i = 0; store.GetParam(i, text) == DATA_OK; ++i) keywords.emplace_back(text);
    return keywords;
}

std::string ValueOf(CRX4DATA& store, const std::string& keyword) {
    std::string text;
    return StoreValueText(store, keyword.c_str(), &text) ? text : "<absent>";
}

}  // namespace

TEST(KeywordStore, AddReplacesCutsKeywordsRejectsEmptyInputAndMerges) {
    CRX4DATA store;
    for (const char* keyword : {"20", "10", "30", "15_16"}) EXPECT_EQ(store.Add(keyword, "1"), DATA_OK);
    EXPECT_EQ(store.Add("20", "ABC"), DATA_REPLACED);
    EXPECT_EQ(store.Add("15_99", "F4"), DATA_REPLACED);
    EXPECT_EQ(Keywords(store), (Texts{"10", "15_", "20", "30"}));
    EXPECT_EQ(ValueOf(store, "20") + ValueOf(store, "15_"), "ABCF4");
    EXPECT_EQ((std::vector<int>{store.Add("", "1"), store.Add(nullptr, "1"), store.Add("40", nullptr), store.Add("40", "")}),
              (std::vector<int>{DATA_NO_KEYWORD, DATA_NO_KEYWORD, DATA_NO_VALUE, DATA_NO_VALUE}));
    EXPECT_EQ(store.GetQtyUsed(), 4u);

    // Assignment merges: the target keeps its own entries.
    CRX4DATA target;
    target.Add("05", "x"), target.Add("20", "y");
    target = store;
    target = target;
    EXPECT_EQ(Keywords(target), (Texts{"05", "10", "15_", "20", "30"}));
    EXPECT_EQ(ValueOf(target, "20") + ValueOf(target, "05"), "ABCx");

    store.Zeradora();
    EXPECT_EQ(ValueOf(store, "10"), "<absent>");
    for (const char* keyword : {"12", "05", "99", "07"}) store.Add(keyword, keyword);
    EXPECT_EQ(Keywords(store), (Texts{"05", "07", "12", "99"}));
}

// One store written by the ECU worker while the UI thread reads and merges it.
TEST(KeywordStoreThreads, WorkerWritesWhileTheUiThreadReadsAndMerges) {
    Texts keywords;  // "1", "8", "F", ... distinct, up to three characters
    for (int i = 0; i < 60; ++i) keywords.push_back(QString::number(i * 7 + 1, 16).toUpper().toStdString());
    const std::string values[] = {"A", std::string(40, 'B')};
    for (int round = 0; round < 100; ++round) {
        CRX4DATA equipment, file;
        std::atomic<bool> done{false};
        std::thread worker([&] {
            for (int pass = 0; pass < 20; ++pass)
                for (const std::string& key : keywords)
                    equipment.Add(key.c_str(), (values[pass % 2] + key).c_str());
            done = true;
        });
        // A fault is noted, not asserted: the worker must be joined first.
        std::string fault;
        std::vector<bool> seen(keywords.size(), false);
        while (!done && fault.empty()) {
            for (std::size_t i = 0; i < keywords.size(); ++i) {
                const std::string value = ValueOf(equipment, keywords[i]);
                if (value == "<absent>" ? bool(seen[i])
                                        : value != values[0] + keywords[i] && value != values[1] + keywords[i])
                    fault = keywords[i] + " read as " + value;
                seen[i] = value != "<absent>";
            }
            if ((file = equipment).GetQtyUsed() > keywords.size()) fault += " the merge doubled entries";
        }
        worker.join();
        ASSERT_EQ(fault, "") << "round " << round;
        file = equipment;
        ASSERT_EQ(file.GetQtyUsed(), keywords.size());
        for (const std::string& key : keywords) ASSERT_EQ(ValueOf(file, key), values[1] + key);
    }
}
