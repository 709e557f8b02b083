// CRX4DATA, the keyword store: order, replacement, capacity, merging, the
// dump lines, and one store shared by the ECU worker and the UI thread.

#include "data/crx4data.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "data/store_text.h"

namespace {

std::vector<std::string> Keywords(const CRX4DATA& store) {
    std::vector<std::string> keywords;
    char text[4];
    for (uint32_t i = 0; store.GetParam(i, text) == DATA_OK; ++i) keywords.emplace_back(text);
    return keywords;
}

std::string ValueOf(CRX4DATA& store, const std::string& keyword) {
    std::string text;
    return StoreValueText(store, keyword.c_str(), &text) ? text : "<absent>";
}

std::vector<std::string> HexKeywords(int count) {
    std::vector<std::string> keywords;
    char text[8];
    for (int i = 0; i < count; ++i) {
        std::snprintf(text, sizeof text, "%X", i * 7 + 1);
        keywords.emplace_back(text);
    }
    return keywords;
}

std::string FileText(std::FILE* file) {
    std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    return text;
}

}  // namespace

TEST(KeywordStore, RandomInsertsStayInKeyOrderAndFindable) {
    std::vector<std::string> keywords = HexKeywords(499);
    std::shuffle(keywords.begin(), keywords.end(), std::mt19937(1234));
    CRX4DATA store;
    std::vector<std::string> reference;
    for (const std::string& keyword : keywords) {
        ASSERT_EQ(store.Add(keyword.c_str(), ("v" + keyword).c_str()), DATA_OK);
        reference.insert(std::upper_bound(reference.begin(), reference.end(), keyword), keyword);
        if (reference.size() >= 3) {
            ASSERT_EQ(Keywords(store), reference) << "after " << keyword;
        }
    }
    for (const std::string& keyword : keywords) EXPECT_EQ(ValueOf(store, keyword), "v" + keyword);
    EXPECT_EQ(ValueOf(store, "2"), "<absent>");
    EXPECT_EQ(ValueOf(store, "FFF"), "<absent>");
}

TEST(KeywordStore, AddReplacesCutsKeywordsAndRejectsEmptyInput) {
    CRX4DATA store;
    EXPECT_EQ(store.Add("20", "1"), DATA_OK);
    store.Add("10", "5");
    store.Add("30", "6");
    EXPECT_EQ(store.Add("20", "ABC"), DATA_REPLACED);
    EXPECT_EQ(ValueOf(store, "20"), "ABC");
    EXPECT_EQ(store.Add("15_16", "F4"), DATA_OK);
    EXPECT_EQ(store.Add("15_99", "1"), DATA_REPLACED);
    EXPECT_THAT(Keywords(store), testing::ElementsAre("10", "15_", "20", "30"));
    EXPECT_EQ(store.Add("", "1"), DATA_NO_KEYWORD);
    EXPECT_EQ(store.Add(nullptr, "1"), DATA_NO_KEYWORD);
    EXPECT_EQ(store.Add("40", nullptr), DATA_NO_VALUE);
    EXPECT_EQ(store.Add("40", ""), DATA_NO_VALUE);
    uint16_t size = 0;
    unsigned char* value = nullptr;
    EXPECT_EQ(store.Get("", &size, &value), DATA_NO_KEYWORD);
    EXPECT_EQ(store.GetQtyUsed(), 4u);

    store.Zeradora();
    EXPECT_EQ(store.GetQtyUsed(), 0u);
    EXPECT_EQ(ValueOf(store, "10"), "<absent>");
    for (const char* keyword : {"12", "05", "99", "07"}) store.Add(keyword, keyword);
    EXPECT_THAT(Keywords(store), testing::ElementsAre("05", "07", "12", "99"));
}

TEST(KeywordStoreDeathTest, ReachingTheCapacityStopsTheProgramThroughTheHandler) {
    EXPECT_EXIT(
        {
            SetFatalErrorHandler([](const char* title, const char* text) {
                std::fprintf(stderr, "box [%s] [%s]\n", title, text);
            });
            CRX4DATA store(3);
            store.Add("10", "1");
            store.Add("11", "1");
            std::fprintf(stderr, "two fit\n");
            store.Add("12", "1");
        },
        testing::ExitedWithCode(255),
        "two fit\nbox \\[CRX4DATA ERROR\\] \\[ERRO NUMERO MAXIMO DE PALAVRAS CHAVES ALCANCADO");
}

TEST(KeywordStore, AssignmentMergesTheSourceIntoTheTarget) {
    CRX4DATA target;
    target.Add("10", "1");
    target.Add("20", "2");
    CRX4DATA source;
    source.Add("20", "X");
    source.Add("30", "3");
    target = source;
    EXPECT_THAT(Keywords(target), testing::ElementsAre("10", "20", "30"));
    EXPECT_EQ(ValueOf(target, "10"), "1");
    EXPECT_EQ(ValueOf(target, "20"), "X");
    EXPECT_EQ(source.GetQtyUsed(), 2u);
    target = target;
    EXPECT_EQ(target.GetQtyUsed(), 3u);
}

TEST(KeywordStore, DumpAppendsOneLinePerEntryPlainOrScrambled) {
    CRX4DATA store;
    for (const auto& [key, value] : {std::pair{"2B", "4"}, {"10", "5"}, {"1E", "3C"}, {"12", "FF"}})
        store.Add(key, value);
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    std::fputs("kept\r\n", file);
    std::rewind(file);
    const std::string lines[] = {"000000=|10|-1|5|\r\n", "000001=|12|-1|FF|\r\n",
                                 "000002=|1E|-1|3C|\r\n", "000003=|2B|-1|4|\r\n"};
    const std::string plain = lines[0] + lines[1] + lines[2] + lines[3];
    EXPECT_EQ(store.Dump(file, 0), plain.size());
    EXPECT_EQ(FileText(file), "kept\r\n" + plain);
    // Scrambled, each line on its own: scrambling it again restores it.
    ASSERT_EQ(store.Dump(file, 1), plain.size());
    std::string scrambled = FileText(file).substr(6 + plain.size());
    EXPECT_NE(scrambled.substr(0, lines[0].size()), lines[0]);
    for (const std::string& line : lines) {
        std::string bytes = scrambled.substr(0, line.size());
        scrambled.erase(0, line.size());
        store.Crypt(reinterpret_cast<unsigned char*>(bytes.data()), static_cast<uint32_t>(bytes.size()));
        EXPECT_EQ(bytes, line);
    }
    std::fclose(file);
}

// The ECU worker adds register values, then replaces them over and over
// (short and long values, so a freed one is soon reused), while the UI thread
// reads them and merges the store into the file store, as the pages do.
TEST(KeywordStoreThreads, WorkerWritesWhileTheUiThreadReadsAndMerges) {
    const std::vector<std::string> keywords = HexKeywords(60);
    const std::string values[] = {"A", std::string(40, 'B')};
    for (int round = 0; round < 100; ++round) {
        CRX4DATA equipment;
        CRX4DATA file;
        std::atomic<bool> done{false};
        std::thread worker([&] {
            for (int pass = 0; pass < 20; ++pass)
                for (const std::string& keyword : keywords) equipment.Add(keyword.c_str(), (values[pass % 2] + keyword).c_str());
            done = true;
        });
        // Checked here, not asserted: the worker must be joined first.
        std::vector<bool> seen(keywords.size(), false);
        std::string fault;
        while (!done && fault.empty()) {
            for (std::size_t i = 0; i < keywords.size() && fault.empty(); ++i) {
                const std::string value = ValueOf(equipment, keywords[i]);
                if (value == "<absent>" && seen[i])
                    fault = keywords[i] + " vanished";
                else if (value != "<absent>" && value != values[0] + keywords[i] && value != values[1] + keywords[i])
                    fault = keywords[i] + " read as " + value;
                seen[i] = seen[i] || value != "<absent>";
            }
            file = equipment;
            if (file.GetQtyUsed() > keywords.size()) fault = "the merge doubled entries";
        }
        worker.join();
        ASSERT_EQ(fault, "") << "round " << round;
        file = equipment;
        ASSERT_EQ(file.GetQtyUsed(), keywords.size());
        for (const std::string& keyword : keywords) ASSERT_EQ(ValueOf(file, keyword), values[1] + keyword);
    }
}
