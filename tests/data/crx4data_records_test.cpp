// CRX4DATA entries grouped into numbered records: record lookups, keyword
// lists and the markup output with its buffer limits.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data/crx4data.h"

namespace {

class KeywordStoreRecords : public testing::Test {
  protected:
    void SetUp() override {
        store_.Add("10", "5");
        store_.Add("B", "ENG", 1, "3");
        store_.Add("A", "ENG", 0, "1");
        store_.Add("B", "ENG", 0, "2");
        store_.Add("A", "ENG", 1, "4");
        store_.Add("C", "ENG", 2, "5");
        store_.Add("A", "TX", 0, "9");
    }

    std::string Text(const uint16_t size, const unsigned char* value) {
        return std::string(reinterpret_cast<const char*>(value), size);
    }

    CRX4DATA store_;
    uint16_t size_ = 0;
    unsigned char* value_ = nullptr;
};

constexpr char kEngineXml[] = "<ENG A=\"1\" B=\"2\" /> <ENG A=\"4\" B=\"3\" /> <ENG C=\"5\" /> ";

}  // namespace

TEST_F(KeywordStoreRecords, KeywordInGroupIsFoundInItsRecordOrWithoutIndexInRecordZero) {
    ASSERT_EQ(store_.Get("B", "ENG", 1, &size_, &value_), DATA_OK);
    EXPECT_EQ(Text(size_, value_), "3");
    EXPECT_EQ(store_.Get("C", "ENG", 1, &size_, &value_), DATA_NOT_FOUND);
    ASSERT_EQ(store_.Get("A", "ENG", &size_, &value_), DATA_FOUND_FIRST);
    EXPECT_EQ(Text(size_, value_), "1");
    EXPECT_EQ(store_.Get("C", "ENG", &size_, &value_), DATA_NOT_FOUND);
}

TEST_F(KeywordStoreRecords, GroupCountsItsRecordsAndARecordItsKeywords) {
    uint32_t count = 99;
    EXPECT_EQ(store_.Get("ENG", &count), DATA_OK);
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(store_.Get("TX", &count), DATA_OK);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(store_.Get("RX", &count), DATA_NOT_FOUND);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(store_.Get("ENG", 1, &count), DATA_OK);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(store_.Get("ENG", 7, &count), DATA_NOT_FOUND);
}

TEST_F(KeywordStoreRecords, RecordKeywordsAreListedInThreeColumnsWhenTheBufferHoldsThem) {
    uint32_t count = 0;
    char buffer[16];
    ASSERT_EQ(store_.Get("ENG", 0, &count, buffer, 7), DATA_OK);
    EXPECT_EQ(count, 2u);
    EXPECT_STREQ(buffer, "  A  B");
    std::strcpy(buffer, "old");
    EXPECT_EQ(store_.Get("ENG", 0, &count, buffer, 6), DATA_BUFFER_TOO_SMALL);
    EXPECT_STREQ(buffer, "");
}

TEST_F(KeywordStoreRecords, PlainKeywordWithAnIndexIsFoundByIndexAndKeyword) {
    store_.Add("K", "", 5, "x");
    ASSERT_EQ(store_.Get("K", "", 5, &size_, &value_), DATA_OK);
    EXPECT_EQ(Text(size_, value_), "x");
    EXPECT_EQ(store_.Get("K", "", 4, &size_, &value_), DATA_NOT_FOUND);
    EXPECT_EQ(store_.Get("", "", 5, &size_, &value_), DATA_NO_KEYWORD);
}

TEST_F(KeywordStoreRecords, XmlHasOneElementPerRecord) {
    char buffer[128];
    ASSERT_EQ(store_.GetXML("ENG", buffer, sizeof buffer), DATA_OK);
    EXPECT_STREQ(buffer, kEngineXml);
    ASSERT_EQ(store_.GetXML("TX", buffer, sizeof buffer), DATA_OK);
    EXPECT_STREQ(buffer, "<TX A=\"9\" /> ");
    EXPECT_EQ(store_.GetXML("ZZ", buffer, sizeof buffer), DATA_NOT_FOUND);
    EXPECT_STREQ(buffer, "");
}

TEST_F(KeywordStoreRecords, XmlNeedsABufferThatHoldsTheWholeText) {
    char buffer[128];
    std::strcpy(buffer, "untouched");
    EXPECT_EQ(store_.GetXML("ENG", buffer, 15), DATA_BUFFER_TOO_SMALL);
    EXPECT_STREQ(buffer, "untouched");

    const uint32_t exact = sizeof kEngineXml;
    EXPECT_EQ(store_.GetXML("ENG", buffer, exact), DATA_OK);
    EXPECT_STREQ(buffer, kEngineXml);
    // One byte short: the last record does not fit, the open one is closed.
    EXPECT_EQ(store_.GetXML("ENG", buffer, exact - 1), DATA_BUFFER_TOO_SMALL);
    EXPECT_STREQ(buffer, "/> ");

    store_.Add("LNG", "LOG", 0, "0123456789");
    EXPECT_EQ(store_.GetXML("LOG", buffer, 16), DATA_BUFFER_TOO_SMALL);
    EXPECT_STREQ(buffer, "");
}
