#include "monitor/log_playback.h"

#include <algorithm>

LogPlayback::LogPlayback(std::shared_ptr<const Datalog> log) : log_(std::move(log)) {
    Seek(FirstMs());
}

void LogPlayback::Seek(int64_t tMs) {
    positionMs_ = std::clamp(tMs, FirstMs(), LastMs());
    const auto& times = log_->times;
    const auto after = std::upper_bound(times.begin(), times.end(), positionMs_);
    shown_ = after == times.begin() ? 0 : static_cast<std::size_t>(after - times.begin()) - 1;
}

bool LogPlayback::Advance(int64_t elapsedMs) {
    if (speed_ == kPaused || elapsedMs <= 0 || !HasRows())
        return false;
    const std::size_t before = shown_;
    Seek(positionMs_ + elapsedMs * speed_);
    if (AtEnd())
        speed_ = kPaused;
    return shown_ != before;
}

bool LogPlayback::Step(int direction) {
    const std::size_t count = log_->times.size();
    if (direction > 0 ? shown_ + 1 >= count : shown_ == 0)
        return false;
    shown_ = direction > 0 ? shown_ + 1 : shown_ - 1;
    positionMs_ = log_->times[shown_];
    return true;
}

LogSample LogPlayback::Shown() const {
    LogSample row;
    if (!HasRows())
        return row;
    row.tMs = log_->times[shown_];
    for (int c = 0; c < kLogChannelCount; ++c) row.values[c] = log_->values[c][shown_];
    row.gap = std::binary_search(log_->gaps.begin(), log_->gaps.end(), row.tMs);
    return row;
}
