#pragma once
// A store entry as text for the protocol tests; "<none>" when absent.

#include <string>

#include "data/store_text.h"

inline std::string StoredText(CRX4DATA& store, const char* key) {
    std::string value = "<none>";
    StoreValueText(store, key, &value);
    return value;
}
