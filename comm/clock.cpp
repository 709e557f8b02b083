#include "comm/clock.h"

#include <chrono>
#include <thread>

namespace {
int64_t SteadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

RealClock::RealClock() : originNs_(SteadyNs()) {}

void RealClock::WaitMs(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int64_t RealClock::NowMs() const { return (SteadyNs() - originNs_) / 1000000; }

int64_t VirtualClock::NowMs() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return nowMs_;
}

void VirtualClock::Advance(int64_t ms) {
    if (ms <= 0) return;
    std::lock_guard<std::mutex> lock(mutex_);
    nowMs_ += ms;
}
