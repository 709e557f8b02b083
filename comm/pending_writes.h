#pragma once
// The queue of register writes of the next write pass: (register text,
// value text) pairs appended at the position given by the count. A pass
// takes its entries from the end or from the start (the caller's timing row
// says which) and sets the count back to 0.

#include <cstdint>
#include <vector>

struct PendingWrite {
    char Register[256];
    char Value[256];
};

// What became of the entries of the last write pass that the link cut:
// confirmed (the ECU answered the write and its confirm frames went out
// while the link was up) and not confirmed (not sent, or sent without an
// answer before the link went), each in the order they were sent.
struct TimingProfile;

struct WritePassReport {
    bool interrupted = false;
    const TimingProfile* row = nullptr;  // the caller's timing row, to resend with
    std::vector<PendingWrite> confirmed;
    std::vector<PendingWrite> notConfirmed;
};

struct PendingWrites {
    static constexpr uint32_t kCapacity = 100;

    PendingWrite Entries[kCapacity];
    uint32_t Count = 0;
    // Left by the last pass the link cut; Clear leaves it alone.
    WritePassReport LastPass;

    PendingWrites() { Clear(); }

    // Count 0 and every text filled with '0' characters (kept terminated).
    void Clear();
    // Appends one pair (texts cut to 255 characters); false when the queue
    // is full, and then nothing changes.
    bool Append(const char* registerText, const char* valueText);
};
