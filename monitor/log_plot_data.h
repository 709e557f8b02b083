#pragma once
// A datalog as the viewer draws it: each channel's range, the marks, and the
// line of a channel over a time window decimated to the plot's pixel columns
// (Decimate: the lowest and highest value of each column, so no peak is
// hidden however far the view is zoomed out). Plain logic.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "log/datalog_reader.h"

struct PlotPoint {
    double tMs;
    double value;
};
// Points joined by a line; a gap (the link was lost, no value) ends a run.
using PlotRun = std::vector<PlotPoint>;

// One line of the marks list: a user mark, a calibration event, or a gap.
struct LogMark {
    int64_t tMs;
    std::string text;
};

class LogPlotData {
  public:
    // More runs than this in one window are joined across their narrowest
    // breaks: a plot shows only so many, and the widest breaks stay.
    static constexpr std::size_t kMaxRuns = 64;

    explicit LogPlotData(std::shared_ptr<const Datalog> log);

    const Datalog& Log() const { return *log_; }
    std::shared_ptr<const Datalog> Shared() const { return log_; }
    bool Empty() const { return log_->times.empty(); }
    double FirstMs() const;
    double LastMs() const;
    // The smallest and largest value of a channel (0 and 1 when it has none).
    double Low(int channel) const { return low_[channel]; }
    double High(int channel) const { return high_[channel]; }
    // Events and gaps ("sem conexão"), in time order.
    const std::vector<LogMark>& Marks() const { return marks_; }

    // The line of `channel` over [startMs, endMs] in `columns` pixel columns:
    // each column's lowest and highest value at its middle, plus the row
    // before and the row after the window, so the line runs to the edges.
    std::vector<PlotRun> Runs(int channel, double startMs, double endMs, int columns) const;

    // The value shown at tMs: that of the last row at or before it; none in
    // a gap, before the first row or where the ECU gave no value.
    std::optional<double> ValueAt(int channel, double tMs) const;

  private:
    // Rows in one block of the coarse copy; a window with at least
    // kCoarseUse blocks per pixel column is drawn from that copy.
    static constexpr std::size_t kBlockRows = 32;
    static constexpr double kCoarseUse = 4;
    // Each channel's lowest and highest row of every block at their own
    // times (and its gaps), in time order: every peak of the log is in it,
    // at a 16th of the rows.
    struct Coarse {
        std::vector<int64_t> times;
        std::vector<double> values;
    };
    void BuildCoarse(int channel);

    std::shared_ptr<const Datalog> log_;
    Coarse coarse_[kLogChannelCount];
    double low_[kLogChannelCount] = {};
    double high_[kLogChannelCount] = {};
    std::vector<LogMark> marks_;
};
