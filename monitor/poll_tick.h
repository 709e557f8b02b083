#pragma once
// What one tick of the 100 ms live poll does with the poll's answer: redraw,
// count failed polls, and after twelve failures in a row take the stream as
// lost (values to zero, start command again).

class CRX4DATA;
class LiveGauges;

enum class TickOutcome {
    FailureCounted,  // nothing usable; the failure was counted
    StreamLost,      // values zeroed: the start command must go out again
    Answered,
};

class PollTick {
  public:
    // The tick after this many counted failures takes the stream as lost.
    static constexpr int kFailuresCounted = 11;

    PollTick(LiveGauges& gauges, CRX4DATA& liveStore) : gauges_(gauges), store_(liveStore) {}

    // pollResult is PollMonitorAnswer's (kPollOk, kPollFailed, kPollEmpty). An
    // answer whose redraw misses a register counts as a failure.
    TickOutcome OnPoll(int pollResult);

    bool NoAnswer() const { return noAnswer_; }
    int FailedPolls() const { return failedPolls_; }
    // A stream started anew (the link is back): its silence so far counts
    // from now.
    void ResetFailures() { failedPolls_ = 0; }

  private:
    LiveGauges& gauges_;
    CRX4DATA& store_;
    int failedPolls_ = 0;
    bool noAnswer_ = false;
};
