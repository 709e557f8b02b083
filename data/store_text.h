#pragma once
// Store values as text, for code that reads register values ("FF") or other
// text values out of a CRX4DATA.

#include <string>

#include "data/crx4data.h"

// An entry's keyword and its value bytes as texts.
std::string EntryKeyword(const CKeywordData& entry);
std::string EntryValue(const CKeywordData& entry);

// The value bytes of plain keyword `key` (cut to 3 characters, as the store
// keeps it); false, with `out` left alone, when the keyword is absent.
bool StoreValueText(CRX4DATA& store, const char* key, std::string* out);
