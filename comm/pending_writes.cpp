#include "comm/pending_writes.h"

#include <cstdio>
#include <cstring>

namespace {
void FillWithZeros(char (&text)[256]) {
    std::memset(text, '0', sizeof(text) - 1);
    text[sizeof(text) - 1] = '\0';
}
}  // namespace

void PendingWrites::Clear() {
    Count = 0;
    for (PendingWrite& entry : Entries) {
        FillWithZeros(entry.Register);
        FillWithZeros(entry.Value);
    }
}

bool PendingWrites::Append(const char* registerText, const char* valueText) {
    if (Count >= kCapacity)
        return false;
    PendingWrite& entry = Entries[Count];
    std::snprintf(entry.Register, sizeof(entry.Register), "%s", registerText);
    std::snprintf(entry.Value, sizeof(entry.Value), "%s", valueText);
    ++Count;
    return true;
}
