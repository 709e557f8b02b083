// CRX4DATA's outputs: keyword listing, the dump lines and their scrambling.

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

// The counter runs 0..K, so the key's terminating zero is used once per turn;
// every byte also mixes in its counter and the length.
void CRX4DATA::Crypt(unsigned char* bytes, uint32_t length) const {
    const std::size_t keyLength = std::strlen(key_);
    if (keyLength < 1) {
        return;
    }
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
