#include "data/store_text.h"

#include <cstring>

std::string EntryKeyword(const CKeywordData& entry) {
    return std::string(entry.keyword, strnlen(entry.keyword, sizeof entry.keyword));
}

std::string EntryValue(const CKeywordData& entry) {
    return std::string(reinterpret_cast<const char*>(entry.value), entry.size);
}

bool StoreValueText(CRX4DATA& store, const char* key, std::string* out) {
    uint16_t size = 0;
    unsigned char* value = nullptr;
    // The lock keeps the bytes alive until they are copied.
    StoreLock guard(store);
    const bool found = store.Get(key, &size, &value) == DATA_OK;
    if (found) {
        out->assign(reinterpret_cast<const char*>(value), size);
    }
    return found;
}
