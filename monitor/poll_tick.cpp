#include "monitor/poll_tick.h"

#include "comm/ecu_protocol.h"
#include "data/crx4data.h"
#include "monitor/live_gauges.h"

namespace {
// The live values that drop to zero when the stream is lost.
constexpr const char* kZeroedRegisters[] = {"11", "23", "24", "28", "29"};
}  // namespace

TickOutcome PollTick::OnPoll(int pollResult) {
    if (pollResult == kPollOk && gauges_.UpdateLiveDisplay(store_) != 0)
        pollResult = kPollFailed;
    if (pollResult != kPollFailed) {
        failedPolls_ = 0;
        noAnswer_ = false;
        gauges_.ShowActuatorScale(store_, noAnswer_);
        return TickOutcome::Answered;
    }
    noAnswer_ = true;
    if (failedPolls_ < kFailuresCounted) {
        ++failedPolls_;
        gauges_.UpdateLiveDisplay(store_);
        return TickOutcome::FailureCounted;
    }
    for (const char* reg : kZeroedRegisters) store_.Add(reg, "0");
    gauges_.UpdateLiveDisplay(store_);
    gauges_.ShowActuatorPosition(0, store_);
    failedPolls_ = 0;
    gauges_.ShowActuatorScale(store_, noAnswer_);
    return TickOutcome::StreamLost;
}
