#pragma once
// The queue of register writes of the next write pass: (register text,
// value text) pairs appended at the position given by the count. A pass
// takes its entries from the end or from the start (the caller's timing row
// says which) and sets the count back to 0.

#include <cstdint>

struct PendingWrite {
    char Register[256];
    char Value[256];
};

struct PendingWrites {
    static constexpr uint32_t kCapacity = 100;

    PendingWrite Entries[kCapacity];
    uint32_t Count = 0;

    PendingWrites() { Clear(); }

    // Count 0 and every text filled with '0' characters (kept terminated).
    void Clear();
    // Appends one pair (texts cut to 255 characters); false when the queue
    // is full, and then nothing changes.
    bool Append(const char* registerText, const char* valueText);
};
