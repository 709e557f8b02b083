// CRX4DATA's outputs: keyword listing, markup, hexadecimal reading, the dump
// lines and their scrambling.

#include <cctype>
#include <cstring>
#include <string>

#include "data/crx4data.h"

CRX4DATA_RESULT CRX4DATA::GetParam(uint32_t position, char* text) const {
    if (position >= used_) {
        text[0] = '\0';
        return DATA_NOT_FOUND;
    }
    std::memcpy(text, entries_[position].keyword, sizeof entries_[position].keyword);
    return DATA_OK;
}

CRX4DATA_RESULT CRX4DATA::GetValue(uint32_t position, char* text) const {
    return GetParam(position, text);
}

// Each step reserves room for the record closer and the terminator, so the
// text is never cut and never written past the buffer.
CRX4DATA_RESULT CRX4DATA::GetXML(const char* group, char* buffer, uint32_t bufferSize) {
    constexpr uint32_t kMinimumSize = 16;
    constexpr char kCloser[] = "/> ";
    constexpr std::size_t kCloserLength = sizeof kCloser - 1;
    if (bufferSize < kMinimumSize) {
        return DATA_BUFFER_TOO_SMALL;
    }
    StoreLock guard(*this);
    buffer[0] = '\0';
    CKeywordData first = MakeKey(nullptr, group, 0);
    int32_t position = -1;
    CRX4DATA_RESULT found = FindValue(&first, &position, 8);
    if (found != DATA_OK) {
        return found;
    }
    const std::size_t groupLength = std::strlen(first.group);
    std::size_t length = 0;
    bool open = false;
    int32_t record = 0;
    auto append = [&](const void* bytes, std::size_t count) {
        std::memcpy(buffer + length, bytes, count);
        length += count;
    };
    for (uint32_t i = FirstOfRun(static_cast<uint32_t>(position), sizeof first.group);
         i < used_ && std::memcmp(entries_[i].group, first.group, sizeof first.group) == 0; ++i) {
        const CKeywordData& entry = entries_[i];
        const bool newRecord = !open || entry.index != record;
        const std::size_t keywordLength = strnlen(entry.keyword, sizeof entry.keyword);
        std::size_t needed = keywordLength + 2 + entry.size + 2;
        if (newRecord) {
            needed += (open ? kCloserLength : 0) + 1 + groupLength + 1;
        }
        if (length + needed + kCloserLength + 1 > bufferSize) {
            buffer[0] = '\0';
            if (open) {
                std::memcpy(buffer, kCloser, sizeof kCloser);
            }
            return DATA_BUFFER_TOO_SMALL;
        }
        if (newRecord) {
            if (open) {
                append(kCloser, kCloserLength);
            }
            append("<", 1);
            append(first.group, groupLength);
            append(" ", 1);
            open = true;
            record = entry.index;
        }
        append(entry.keyword, keywordLength);
        append("=\"", 2);
        append(entry.value, entry.size);
        append("\" ", 2);
    }
    if (open) {
        append(kCloser, kCloserLength);
    }
    buffer[length] = '\0';
    return DATA_OK;
}

uint64_t CRX4DATA::Hex2Int(char* text) {
    if (text == nullptr) {
        return 0;
    }
    const std::size_t length = std::strlen(text);
    uint64_t result = 0;
    uint64_t weight = 1;
    for (std::size_t i = 0; i < length; ++i) {
        text[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
    }
    for (std::size_t i = length; i > 0; --i) {
        const char c = text[i - 1];
        uint64_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<uint64_t>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<uint64_t>(c - 'A' + 10);
        } else {
            return UINT64_MAX;
        }
        result += digit * weight;
        weight *= 16;
    }
    return result;
}

uint32_t CRX4DATA::Dump(std::FILE* file, int scramble) {
    std::fseek(file, 0, SEEK_END);
    StoreLock guard(*this);
    uint32_t total = 0;
    std::string line;
    for (uint32_t i = 0; i < used_; ++i) {
        const CKeywordData& entry = entries_[i];
        char number[16];
        std::snprintf(number, sizeof number, "%06d=", static_cast<int>(i));
        line = number;
        line.append(entry.group, strnlen(entry.group, sizeof entry.group));
        line += '|';
        line.append(entry.keyword, strnlen(entry.keyword, sizeof entry.keyword));
        line += '|';
        line += std::to_string(entry.index);
        line += '|';
        line.append(reinterpret_cast<const char*>(entry.value), entry.size);
        line += "|\r\n";
        if (scramble != 0) {
            Crypt(reinterpret_cast<unsigned char*>(line.data()),
                  static_cast<uint32_t>(line.size()));
        }
        total += static_cast<uint32_t>(std::fwrite(line.data(), 1, line.size(), file));
    }
    return total;
}

void CRX4DATA::Crypt(unsigned char* bytes, uint32_t length) const {
    if (std::strlen(key_) < 1 || length < 1) {
        return;
    }
    Decrypt(bytes, length);
}

// The counter runs 0..K, so the key's terminating zero is used once per turn;
// with an empty key every byte still mixes in its counter and the length.
void CRX4DATA::Decrypt(unsigned char* bytes, uint32_t length) const {
    const std::size_t keyLength = std::strlen(key_);
    std::size_t j = 0;
    for (uint32_t i = 0; i < length; ++i) {
        if (j > keyLength) {
            j = 0;
        }
        bytes[i] ^= static_cast<unsigned char>(static_cast<unsigned char>(key_[j]) ^ (j & 0xFF) ^
                                               (length & 0xFF));
        ++j;
    }
}
