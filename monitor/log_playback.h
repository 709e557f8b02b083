#pragma once
// Where a playback of a datalog stands: a position in the log's time that
// moves with the real time at 1x or 4x (or stays, paused), and the row
// shown there (the last one at or before the position).

#include <cstddef>
#include <cstdint>
#include <memory>

#include "log/datalog_reader.h"

class LogPlayback {
  public:
    static constexpr int kPaused = 0;

    explicit LogPlayback(std::shared_ptr<const Datalog> log);

    // 0 (paused), 1 or 4.
    void SetSpeed(int multiplier) { speed_ = multiplier; }
    int Speed() const { return speed_; }

    // Moves the position by `elapsedMs` of real time at the current speed;
    // true when the row shown changed. At the log's end the playback pauses.
    bool Advance(int64_t elapsedMs);
    // One row forward (+1) or back (-1); the position goes to it. False at
    // either end.
    bool Step(int direction);
    // The row shown at tMs.
    void Seek(int64_t tMs);

    bool HasRows() const { return !log_->times.empty(); }
    std::size_t ShownIndex() const { return shown_; }
    // The shown row as the writer had it: its values, or a gap.
    LogSample Shown() const;
    int64_t PositionMs() const { return positionMs_; }
    int64_t FirstMs() const { return HasRows() ? log_->times.front() : 0; }
    int64_t LastMs() const { return HasRows() ? log_->times.back() : 0; }
    bool AtEnd() const { return positionMs_ >= LastMs(); }
    const Datalog& Log() const { return *log_; }

  private:
    std::shared_ptr<const Datalog> log_;
    int speed_ = kPaused;
    int64_t positionMs_ = 0;
    std::size_t shown_ = 0;
};
