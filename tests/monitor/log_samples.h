#pragma once
// Datalogs made in memory for the viewer and playback tests.

#include <cmath>
#include <memory>

#include "log/datalog_reader.h"

inline void AddRow(Datalog& log, int64_t tMs, double rpm, double tps, double lambda, double steps,
                   double scale = 0, double injection = 3.5) {
    log.times.push_back(tMs);
    const double values[kLogChannelCount] = {rpm, tps, lambda, steps, scale, injection};
    for (int c = 0; c < kLogChannelCount; ++c) log.values[c].push_back(values[c]);
}

inline void AddGap(Datalog& log, int64_t tMs) {
    log.times.push_back(tMs);
    for (auto& column : log.values) column.push_back(std::nan(""));
    log.gaps.push_back(tMs);
}

// `rows` rows 100 ms apart: an engine near idle, with a little noise.
inline std::shared_ptr<Datalog> IdleLog(int rows, const char* model = "Q7100") {
    auto log = std::make_shared<Datalog>();
    log->header.model = model;
    for (int i = 0; i < rows; ++i)
        AddRow(*log, i * 100, 850 + (i * 7919) % 40, 0.5 + 0.02 * (i % 5), 0.1 + 0.02 * (i % 40),
               80 + i % 3);
    return log;
}
