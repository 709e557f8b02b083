#pragma once
// Every wait of the ECU protocol goes through a Clock, so that the same
// procedures run against the real port with real sleeps and in tests in
// virtual time (the simulated ECU then delivers its bytes at line speed
// relative to the virtual "now").

#include <cstdint>
#include <mutex>

class Clock {
public:
    virtual ~Clock() = default;
    // Blocks the calling (worker) thread for ms milliseconds.
    virtual void WaitMs(int ms) = 0;
    // Monotonic milliseconds since an arbitrary origin.
    virtual int64_t NowMs() const = 0;
};

// Steady clock; WaitMs sleeps the calling thread.
class RealClock : public Clock {
public:
    RealClock();
    void WaitMs(int ms) override;
    int64_t NowMs() const override;

private:
    int64_t originNs_;
};

// Time advances only through WaitMs (or Advance); nothing sleeps.
class VirtualClock : public Clock {
public:
    void WaitMs(int ms) override { Advance(ms); }
    int64_t NowMs() const override;
    void Advance(int64_t ms);

private:
    mutable std::mutex mutex_;
    int64_t nowMs_ = 0;
};
