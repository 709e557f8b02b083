#include "sim/line_queue.h"

#include <algorithm>

namespace {
constexpr int64_t kBitsPerByte = 10;
constexpr int64_t kUsPerSecond = 1000000;
}  // namespace

LineQueue::LineQueue(uint32_t baudRate) : baudRate_(baudRate) {}

void LineQueue::Send(const std::vector<uint8_t>& bytes, int64_t startMs) {
    const int64_t beginUs = std::max(startMs * 1000, lineFreeUs_);
    for (size_t i = 0; i < bytes.size(); ++i) {
        // Computed from the start of the burst, so rounding does not add up.
        const int64_t bits = static_cast<int64_t>(i + 1) * kBitsPerByte;
        const int64_t readyUs = beginUs + (bits * kUsPerSecond + baudRate_ - 1) / baudRate_;
        bytes_.push_back({bytes[i], readyUs});
        lineFreeUs_ = readyUs;
    }
}

void LineQueue::SendAtOnce(const std::vector<uint8_t>& bytes, int64_t atMs) {
    const int64_t readyUs = std::max(atMs * 1000, lineFreeUs_);
    for (uint8_t b : bytes) bytes_.push_back({b, readyUs});
    lineFreeUs_ = readyUs;
}

size_t LineQueue::Take(uint8_t* out, size_t maxCount, int64_t nowMs) {
    size_t n = 0;
    while (n < maxCount && !bytes_.empty() && bytes_.front().readyUs <= nowMs * 1000) {
        out[n++] = bytes_.front().value;
        bytes_.pop_front();
    }
    return n;
}

size_t LineQueue::DropReady(int64_t nowMs, size_t keep) {
    size_t ready = 0;
    while (ready < bytes_.size() && bytes_[ready].readyUs <= nowMs * 1000) ++ready;
    const size_t dropped = ready > keep ? ready - keep : 0;
    bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(dropped));
    return dropped;
}

std::optional<int64_t> LineQueue::NextReadyMs() const {
    if (bytes_.empty())
        return std::nullopt;
    return (bytes_.front().readyUs + 999) / 1000;
}

void LineQueue::Clear() {
    bytes_.clear();
}

void LineQueue::CutAfter(int64_t atMs) {
    const int64_t cutUs = atMs * 1000;
    while (!bytes_.empty() && bytes_.back().readyUs > cutUs) bytes_.pop_back();
    lineFreeUs_ = std::min(lineFreeUs_, cutUs);
}
