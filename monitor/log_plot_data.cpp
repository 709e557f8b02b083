#include "monitor/log_plot_data.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "log/decimate.h"

namespace {

// Joins runs across the narrowest breaks until at most `limit` are left.
void JoinRuns(std::vector<PlotRun>& runs, std::size_t limit) {
    if (runs.size() <= limit)
        return;
    std::vector<std::pair<double, std::size_t>> breaks;  // width, run before it
    for (std::size_t i = 0; i + 1 < runs.size(); ++i)
        breaks.emplace_back(runs[i + 1].front().tMs - runs[i].back().tMs, i);
    std::stable_sort(breaks.begin(), breaks.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<bool> keep(runs.size(), false);
    for (std::size_t i = 0; i + 1 < limit; ++i) keep[breaks[i].second] = true;
    std::vector<PlotRun> joined(1);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        joined.back().insert(joined.back().end(), runs[i].begin(), runs[i].end());
        if (keep[i])
            joined.emplace_back();
    }
    runs.swap(joined);
}

}  // namespace

LogPlotData::LogPlotData(std::shared_ptr<const Datalog> log) : log_(std::move(log)) {
    for (int c = 0; c < kLogChannelCount; ++c) {
        double low = std::numeric_limits<double>::infinity();
        double high = -low;
        for (double value : log_->values[c]) {
            if (std::isnan(value))
                continue;
            low = std::min(low, value);
            high = std::max(high, value);
        }
        low_[c] = low <= high ? low : 0;
        high_[c] = low <= high ? high : 1;
    }
    for (int c = 0; c < kLogChannelCount; ++c) BuildCoarse(c);
    for (const LogEvent& event : log_->events) marks_.push_back({event.tMs, event.text});
    for (int64_t t : log_->gaps) marks_.push_back({t, kGapEvent});
    std::stable_sort(marks_.begin(), marks_.end(),
                     [](const LogMark& a, const LogMark& b) { return a.tMs < b.tMs; });
}

void LogPlotData::BuildCoarse(int channel) {
    const std::vector<int64_t>& times = log_->times;
    const std::vector<double>& values = log_->values[channel];
    Coarse& coarse = coarse_[channel];
    coarse.times.reserve(times.size() / kBlockRows * 2 + 4);
    coarse.values.reserve(times.size() / kBlockRows * 2 + 4);
    for (std::size_t start = 0; start < times.size(); start += kBlockRows) {
        const std::size_t end = std::min(start + kBlockRows, times.size());
        std::size_t low = end, high = end;
        std::vector<std::size_t> kept;
        for (std::size_t i = start; i < end; ++i) {
            if (std::isnan(values[i])) {
                kept.push_back(i);  // a gap stays where it was
                continue;
            }
            if (low == end || values[i] < values[low])
                low = i;
            if (high == end || values[i] > values[high])
                high = i;
        }
        if (low != end)
            kept.push_back(low);
        if (high != end && high != low)
            kept.push_back(high);
        std::sort(kept.begin(), kept.end());
        for (std::size_t i : kept) {
            coarse.times.push_back(times[i]);
            coarse.values.push_back(values[i]);
        }
    }
}

double LogPlotData::FirstMs() const {
    return Empty() ? 0 : static_cast<double>(log_->times.front());
}

double LogPlotData::LastMs() const {
    return Empty() ? 0 : static_cast<double>(log_->times.back());
}

std::vector<PlotRun> LogPlotData::Runs(int channel, double startMs, double endMs,
                                       int columns) const {
    const std::vector<int64_t>& times = log_->times;
    const std::vector<double>& values = log_->values[channel];
    const auto t0 = static_cast<int64_t>(std::floor(startMs));
    const auto t1 = static_cast<int64_t>(std::ceil(endMs));
    // Far out, the coarse copy gives the same peaks at a fraction of the work.
    const auto rowsShown = std::upper_bound(times.begin(), times.end(), t1) -
                           std::lower_bound(times.begin(), times.end(), t0);
    const bool coarse = columns > 0 && static_cast<double>(rowsShown) / columns >= kCoarseUse * kBlockRows;
    const std::vector<DecimatedColumn> decimated =
        coarse ? Decimate(coarse_[channel].times, coarse_[channel].values, t0, t1, columns)
               : Decimate(times, values, t0, t1, columns);
    if (decimated.empty() || times.empty())
        return {};
    std::vector<PlotRun> runs(1);
    auto breakRun = [&runs] {
        if (!runs.back().empty())
            runs.emplace_back();
    };
    // The row before the window joins the line to the left edge.
    const std::size_t before = static_cast<std::size_t>(
        std::lower_bound(times.begin(), times.end(), t0) - times.begin());
    if (before > 0 && !std::isnan(values[before - 1]))
        runs.back().push_back({static_cast<double>(times[before - 1]), values[before - 1]});
    const double columnMs = static_cast<double>(t1 - t0) / columns;
    for (std::size_t i = 0; i < decimated.size(); ++i) {
        const DecimatedColumn& column = decimated[i];
        const double middle = static_cast<double>(t0) + (static_cast<double>(i) + 0.5) * columnMs;
        if (column.count > 0) {
            runs.back().push_back({middle, column.min});
            if (column.max != column.min)
                runs.back().push_back({middle, column.max});
        }
        if (column.gap)
            breakRun();
    }
    // The row after the window, to the right edge.
    const std::size_t after = static_cast<std::size_t>(
        std::upper_bound(times.begin(), times.end(), t1) - times.begin());
    if (after < times.size() && !std::isnan(values[after]))
        runs.back().push_back({static_cast<double>(times[after]), values[after]});
    if (runs.back().empty())
        runs.pop_back();
    JoinRuns(runs, kMaxRuns);
    return runs;
}

std::optional<double> LogPlotData::ValueAt(int channel, double tMs) const {
    const std::vector<int64_t>& times = log_->times;
    const auto after = std::upper_bound(times.begin(), times.end(), static_cast<int64_t>(std::floor(tMs)));
    if (after == times.begin())
        return std::nullopt;
    const double value = log_->values[channel][static_cast<std::size_t>(after - times.begin()) - 1];
    if (std::isnan(value))
        return std::nullopt;
    return value;
}
