#pragma once
// The ECU's transmit line: a byte becomes readable only once its ten bits
// (start, eight data, stop) have gone over the wire, one byte after another.
// Times are those of the Clock the caller reads, so virtual time sees exactly
// what a real port would have delivered.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

class LineQueue {
  public:
    explicit LineQueue(uint32_t baudRate);

    // The ECU starts sending at startMs, or when the line is free if later.
    void Send(const std::vector<uint8_t>& bytes, int64_t startMs);
    // Bytes that are all readable at atMs at once, like a receive buffer that
    // overflowed while nobody read it.
    void SendAtOnce(const std::vector<uint8_t>& bytes, int64_t atMs);

    // Copies at most maxCount bytes that are complete at nowMs.
    size_t Take(uint8_t* out, size_t maxCount, int64_t nowMs);
    // Drops the oldest bytes complete at nowMs until at most `keep` of them
    // are left; gives how many were dropped. Bytes still on the wire stay.
    size_t DropReady(int64_t nowMs, size_t keep);
    // When the next byte is complete (rounded up to a whole ms), if any is queued.
    std::optional<int64_t> NextReadyMs() const;
    // When the last byte queued so far is complete (whole ms, rounded down).
    int64_t LineFreeMs() const { return lineFreeUs_ / 1000; }
    void Clear();
    // The sender stops at atMs: bytes not complete by then never arrive.
    void CutAfter(int64_t atMs);

  private:
    struct TimedByte {
        uint8_t value;
        int64_t readyUs;
    };

    uint32_t baudRate_;
    std::deque<TimedByte> bytes_;
    int64_t lineFreeUs_ = 0;
};
