#pragma once
// Reads a datalog back, whatever state the file is in: what is readable is
// returned in columns, and every line left out is reported with its number
// and the reason (a cut-off last line, a foreign header, binary bytes, bad
// numbers). The file is read in pieces, so its size costs only the samples
// kept; beyond kMaxSamples the rest is left unread and the message says so.
// Never throws; an unreadable or empty file gives an empty log and a message.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "log/datalog.h"

struct LogEvent {
    int64_t tMs = 0;
    std::string text;  // "marca 2", a calibration event
};

struct SkippedLine {
    int64_t line = 0;  // 1-based
    std::string reason;
};

struct Datalog {
    LogHeader header;
    // One entry per sample row and per gap row, in time order. A gap row
    // holds NaN in every channel so that a drawn line breaks there; a value
    // the ECU did not give is NaN too.
    std::vector<int64_t> times;
    std::vector<double> values[kLogChannelCount];
    std::vector<int64_t> gaps;  // the times of the gap rows
    std::vector<LogEvent> events;

    // The first kSkippedListed lines left out; skippedCount counts them all.
    std::vector<SkippedLine> skipped;
    int64_t skippedCount = 0;
    bool capped = false;  // stopped at kMaxSamples
    // Empty when every line was read; otherwise one sentence for the user.
    std::string message;

    const std::vector<double>& Channel(LogChannel c) const { return values[static_cast<int>(c)]; }
    std::size_t SampleCount() const { return times.size(); }
};

struct DatalogLimits {
    // 2,000,000 rows: 55 hours at 10 samples a second, about 110 MB in memory.
    int64_t maxSamples = 2000000;
    std::size_t maxLineBytes = 4096;
    std::size_t skippedListed = 100;
    // The pieces the file is read in; a line may span several.
    std::size_t chunkBytes = 1 << 20;
};

Datalog ReadDatalog(const std::string& path, const DatalogLimits& limits = {});
Datalog ReadDatalog(std::istream& in, const DatalogLimits& limits = {});
