// CRX4DATA's text helpers: scrambling, hexadecimal reading and the dump lines.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "data/crx4data.h"

namespace {

std::string Scrambled(const CRX4DATA& store, std::string bytes, bool crypt) {
    auto* data = reinterpret_cast<unsigned char*>(bytes.data());
    if (crypt) {
        store.Crypt(data, static_cast<uint32_t>(bytes.size()));
    } else {
        store.Decrypt(data, static_cast<uint32_t>(bytes.size()));
    }
    return bytes;
}

std::string FileText(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char chunk[256];
    std::size_t read = 0;
    while ((read = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        text.append(chunk, read);
    }
    return text;
}

}  // namespace

TEST(KeywordStoreText, FixedKeyHas205PrintableCharacters) {
    CRX4DATA store;
    const std::string key = store.Key();
    EXPECT_EQ(key.size(), 205u);
    for (char c : key) {
        EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << static_cast<int>(c);
    }
    EXPECT_EQ(std::string(CRX4DATA(10).Key()), "");
}

TEST(KeywordStoreText, DecryptRestoresWhatCryptScrambled) {
    CRX4DATA store;
    const std::string line = "000003=|2B|-1|4|\r\n";
    const std::string scrambled = Scrambled(store, line, true);
    EXPECT_NE(scrambled, line);
    EXPECT_EQ(Scrambled(store, scrambled, false), line);
    const std::string longText(700, 'x');
    EXPECT_EQ(Scrambled(store, Scrambled(store, longText, true), false), longText);
}

TEST(KeywordStoreText, KeyCounterWrapsAfterTheKeysTerminator) {
    CRX4DATA store;
    const std::string zeros(300, '\0');
    const std::string scrambled = Scrambled(store, zeros, true);
    const unsigned lengthByte = 300 & 0xFF;
    EXPECT_EQ(static_cast<unsigned char>(scrambled[0]),
              static_cast<unsigned char>(store.Key()[0]) ^ lengthByte);
    EXPECT_EQ(static_cast<unsigned char>(scrambled[205]), 205 ^ lengthByte);
    EXPECT_EQ(static_cast<unsigned char>(scrambled[206]),
              static_cast<unsigned char>(store.Key()[0]) ^ lengthByte);
}

TEST(KeywordStoreText, EmptyKeyLeavesCryptInertButNotDecrypt) {
    CRX4DATA store(10);
    EXPECT_EQ(Scrambled(store, "ABC", true), "ABC");
    EXPECT_EQ(Scrambled(store, "ABC", false), std::string({'A' ^ 3, 'B' ^ 3, 'C' ^ 3}));
}

TEST(KeywordStoreText, Hex2IntReadsHexadecimalTextAndUpperCasesIt) {
    char lower[] = "1f";
    EXPECT_EQ(CRX4DATA::Hex2Int(lower), 31u);
    EXPECT_STREQ(lower, "1F");
    char reg[] = "2B";
    EXPECT_EQ(CRX4DATA::Hex2Int(reg), 0x2Bu);
    char wide[] = "FFFFFFFFFFFFFFFE";
    EXPECT_EQ(CRX4DATA::Hex2Int(wide), 0xFFFFFFFFFFFFFFFEull);
    char empty[] = "";
    EXPECT_EQ(CRX4DATA::Hex2Int(empty), 0u);
    char bad[] = "1G";
    EXPECT_EQ(CRX4DATA::Hex2Int(bad), UINT64_MAX);
    char blank[] = " 1";
    EXPECT_EQ(CRX4DATA::Hex2Int(blank), UINT64_MAX);
}

TEST(KeywordStoreText, DumpAppendsOneLinePerEntryInArrayOrder) {
    CRX4DATA store;
    store.Add("2B", "4");
    store.Add("10", "5");
    store.Add("1E", "3C");
    store.Add("12", "FF");
    store.Add("A", "ENG", 2, "x");
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    std::fputs("kept\r\n", file);
    std::rewind(file);
    const std::string expected =
        "000000=|10|-1|5|\r\n"
        "000001=|12|-1|FF|\r\n"
        "000002=|1E|-1|3C|\r\n"
        "000003=|2B|-1|4|\r\n"
        "000004=ENG|A|2|x|\r\n";
    EXPECT_EQ(store.Dump(file, 0), expected.size());
    EXPECT_EQ(FileText(file), "kept\r\n" + expected);
    std::fclose(file);
}

TEST(KeywordStoreText, ScrambledDumpLinesDecryptToThePlainLines) {
    CRX4DATA store;
    store.Add("10", "5");
    store.Add("7F", "0");
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    const std::string first = "000000=|10|-1|5|\r\n";
    const std::string second = "000001=|7F|-1|0|\r\n";
    ASSERT_EQ(store.Dump(file, 1), first.size() + second.size());
    const std::string text = FileText(file);
    EXPECT_EQ(Scrambled(store, text.substr(0, first.size()), false), first);
    EXPECT_EQ(Scrambled(store, text.substr(first.size()), false), second);
    std::fclose(file);
}

TEST(KeywordStoreText, DumpOfAnEmptyStoreWritesNothing) {
    CRX4DATA store;
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(store.Dump(file, 0), 0u);
    EXPECT_EQ(FileText(file), "");
    std::fclose(file);
}
