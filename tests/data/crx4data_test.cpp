// CRX4DATA as a keyword/value table: order, inserts, replacement, lookups,
// capacity, emptying, cloning and merging.

#include "data/crx4data.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "data/store_text.h"

namespace {

std::vector<std::string> Keywords(const CRX4DATA& store) {
    std::vector<std::string> keywords;
    char text[4];
    for (uint32_t i = 0; store.GetParam(i, text) == DATA_OK; ++i) {
        keywords.emplace_back(text);
    }
    return keywords;
}

std::string ValueOf(CRX4DATA& store, const char* keyword) {
    std::string text;
    return StoreValueText(store, keyword, &text) ? text : "<absent>";
}

std::string Hex(int number) {
    char text[8];
    std::snprintf(text, sizeof text, "%X", number);
    return text;
}

void ExpectHoldsInOrder(CRX4DATA& store, std::vector<std::string> inserted) {
    std::sort(inserted.begin(), inserted.end());
    EXPECT_EQ(Keywords(store), inserted);
    for (const std::string& keyword : inserted) {
        EXPECT_EQ(ValueOf(store, keyword.c_str()), "v" + keyword);
    }
}

}  // namespace

TEST(KeywordStore, ThirdEntrySortsTheArrayAndLaterOnesAreInsertedInPlace) {
    CRX4DATA store;
    store.Add("2B", "4");
    store.Add("10", "5");
    EXPECT_THAT(Keywords(store), testing::ElementsAre("2B", "10"));
    store.Add("1E", "3C");
    EXPECT_THAT(Keywords(store), testing::ElementsAre("10", "1E", "2B"));
    store.Add("12", "FF");
    EXPECT_THAT(Keywords(store), testing::ElementsAre("10", "12", "1E", "2B"));
    store.Add("7F", "0");
    store.Add("0", "1");
    EXPECT_THAT(Keywords(store), testing::ElementsAre("0", "10", "12", "1E", "2B", "7F"));
}

TEST(KeywordStore, DescendingInsertsEndInAscendingOrder) {
    CRX4DATA store;
    std::vector<std::string> inserted;
    for (int i = 255; i >= 0; --i) {
        inserted.push_back(Hex(i));
        store.Add(inserted.back().c_str(), ("v" + inserted.back()).c_str());
    }
    ExpectHoldsInOrder(store, inserted);
}

TEST(KeywordStore, RandomInsertsMatchASortedReferenceAfterEveryStep) {
    std::vector<std::string> keywords;
    for (int i = 0; i < 499; ++i) {
        keywords.push_back(Hex(i * 7 + 1));
    }
    std::shuffle(keywords.begin(), keywords.end(), std::mt19937(1234));
    CRX4DATA store;
    std::vector<std::string> reference;
    for (const std::string& keyword : keywords) {
        store.Add(keyword.c_str(), ("v" + keyword).c_str());
        reference.push_back(keyword);
        if (reference.size() >= 3) {
            std::vector<std::string> sorted = reference;
            std::sort(sorted.begin(), sorted.end());
            ASSERT_EQ(Keywords(store), sorted) << "after adding " << keyword;
        }
    }
    ExpectHoldsInOrder(store, reference);
    EXPECT_EQ(store.GetQtyUsed(), 499u);
}

TEST(KeywordStore, AddingAnExistingKeywordReplacesItsValue) {
    CRX4DATA store;
    EXPECT_EQ(store.Add("20", "1"), DATA_OK);
    EXPECT_EQ(store.Add("20", "1"), DATA_REPLACED);
    EXPECT_EQ(store.GetQtyUsed(), 1u);
    EXPECT_EQ(ValueOf(store, "20"), "1");
    store.Add("10", "5");
    store.Add("30", "6");
    EXPECT_EQ(store.Add("20", "ABC"), DATA_REPLACED);
    EXPECT_EQ(store.GetQtyUsed(), 3u);
    EXPECT_EQ(ValueOf(store, "20"), "ABC");
}

TEST(KeywordStore, KeywordsAreCutToThreeCharacters) {
    CRX4DATA store;
    store.Add("15_16", "F4");
    EXPECT_THAT(Keywords(store), testing::ElementsAre("15_"));
    EXPECT_EQ(ValueOf(store, "15_"), "F4");
    EXPECT_EQ(store.Add("15_99", "1"), DATA_REPLACED);
}

TEST(KeywordStore, AddRejectsMissingKeywordIndexOrValue) {
    CRX4DATA store;
    const unsigned char byte = 1;
    EXPECT_EQ(store.Add("", "1"), DATA_NO_KEYWORD);
    EXPECT_EQ(store.Add(nullptr, "1"), DATA_NO_KEYWORD);
    EXPECT_EQ(store.Add("10", "ENG", -1, "1"), DATA_NO_INDEX);
    EXPECT_EQ(store.Add("10", nullptr), DATA_NO_VALUE);
    EXPECT_EQ(store.Add("10", 0, &byte), DATA_NO_VALUE);
    EXPECT_EQ(store.GetQtyUsed(), 0u);
}

TEST(KeywordStore, GetGivesTheStoredBytesOrFourOrSeven) {
    CRX4DATA store;
    uint16_t size = 0;
    unsigned char* value = nullptr;
    EXPECT_EQ(store.Get("10", &size, &value), DATA_NOT_FOUND);
    const unsigned char bytes[] = {0x00, 0xFF, 0x41};
    store.Add("10", 3, bytes);
    store.Add("2B", "4");
    store.Add("7F", "0");
    ASSERT_EQ(store.Get("10", &size, &value), DATA_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(value), size), std::string("\0\xFF"
                                                                             "A",
                                                                             3));
    EXPECT_EQ(store.Get("11", &size, &value), DATA_NOT_FOUND);
    EXPECT_EQ(store.Get("80", &size, &value), DATA_NOT_FOUND);
    EXPECT_EQ(store.Get("", &size, &value), DATA_NO_KEYWORD);
}

TEST(KeywordStore, EntriesUpToCapacityMinusOneFit) {
    CRX4DATA store(3);
    EXPECT_EQ(store.Add("10", "1"), DATA_OK);
    EXPECT_EQ(store.Add("11", "1"), DATA_OK);
    EXPECT_EQ(store.GetMaxKeywords(), 3u);
    EXPECT_EQ(store.GetQtyUsed(), 2u);
}

TEST(KeywordStoreDeathTest, ReachingTheCapacityStopsTheProgramWithErrorTwo) {
    EXPECT_EXIT(
        {
            CRX4DATA store(3);
            store.Add("10", "1");
            store.Add("11", "1");
            store.Add("12", "1");
        },
        testing::ExitedWithCode(255),
        "CRX4DATA ERROR: ERRO NUMERO MAXIMO DE PALAVRAS CHAVES ALCANCADO. REVEJA O TEMPLATE");
}

TEST(KeywordStoreDeathTest, AnInstalledHandlerReceivesTitleAndText) {
    EXPECT_EXIT(
        {
            SetFatalErrorHandler([](const char* title, const char* text) {
                std::fprintf(stderr, "box [%s] [%s]\n", title, text);
            });
            CRX4DATA::ShowErro(4);
        },
        testing::ExitedWithCode(255),
        "box \\[CRX4DATA ERROR\\] \\[ERRO ALOCANDO MEMORIA PARA ARMAZENAR VALOR DE PALAVRA CHAVE "
        "DURANTE OPERACAO DE CLONAGEM\\]");
}

TEST(KeywordStore, ZeradoraEmptiesASortedStoreThatThenAcceptsNewEntries) {
    CRX4DATA store(20);
    for (const char* keyword : {"10", "12", "1E", "2B"}) {
        store.Add(keyword, "1");
    }
    store.Zeradora();
    EXPECT_EQ(store.GetQtyUsed(), 0u);
    EXPECT_EQ(ValueOf(store, "12"), "<absent>");
    EXPECT_EQ(store.Add("12", "7"), DATA_OK);
    EXPECT_EQ(store.Add("05", "8"), DATA_OK);
    EXPECT_EQ(store.Add("99", "9"), DATA_OK);
    EXPECT_THAT(Keywords(store), testing::ElementsAre("05", "12", "99"));
    EXPECT_EQ(std::string(store.Key()).size(), 205u);
}

TEST(KeywordStore, CloneIsIndependentOfItsSource) {
    CRX4DATA source(50);
    for (const char* keyword : {"2B", "10", "1E", "7F"}) {
        source.Add(keyword, keyword);
    }
    source.SetSortStatus(false);
    CRX4DATA clone;
    EXPECT_EQ(clone.CloneData(source), DATA_OK);
    source.Add("10", "changed");
    source.Zeradora();
    EXPECT_EQ(clone.GetMaxKeywords(), 50u);
    EXPECT_FALSE(clone.GetSortStatus());
    EXPECT_THAT(Keywords(clone), testing::ElementsAre("10", "1E", "2B", "7F"));
    EXPECT_EQ(ValueOf(clone, "10"), "10");
    EXPECT_EQ(ValueOf(clone, "7F"), "7F");
}

TEST(KeywordStore, AssignmentMergesTheSourceIntoTheTarget) {
    CRX4DATA target;
    target.Add("10", "1");
    target.Add("20", "2");
    CRX4DATA source;
    source.Add("20", "X");
    source.Add("30", "3");
    source.Add("A", "ENG", 0, "9");
    target = source;
    EXPECT_THAT(Keywords(target), testing::ElementsAre("10", "20", "30", "A"));
    EXPECT_EQ(ValueOf(target, "10"), "1");
    EXPECT_EQ(ValueOf(target, "20"), "X");
    EXPECT_EQ(ValueOf(target, "A"), "9");
    EXPECT_EQ(source.GetQtyUsed(), 3u);
    target = target;
    EXPECT_EQ(target.GetQtyUsed(), 4u);
}

TEST(KeywordStore, SortingCanBeSwitchedOffAndBackOn) {
    CRX4DATA store;
    store.SetSortStatus(false);
    for (const char* keyword : {"7F", "10", "2B", "1E"}) {
        store.Add(keyword, keyword);
    }
    EXPECT_THAT(Keywords(store), testing::ElementsAre("7F", "10", "2B", "1E"));
    EXPECT_EQ(ValueOf(store, "2B"), "2B");
    store.SetSortStatus(true);
    EXPECT_THAT(Keywords(store), testing::ElementsAre("10", "1E", "2B", "7F"));
}
