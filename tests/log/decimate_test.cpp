// Drawing a long channel into pixel columns: every spike stays visible and a
// gap stays a break of the line.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <random>

#include "log/decimate.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Spike {
    std::size_t index;
    double value;
};

// Samples every 100 ms with some jitter, a noisy level around 1000, and
// single-sample spikes far above and below it.
struct Trace {
    std::vector<int64_t> times;
    std::vector<double> values;
    std::vector<Spike> spikes;
};

Trace MakeTrace(unsigned seed, std::size_t n, int spikes) {
    std::mt19937 random(seed);
    Trace trace;
    int64_t t = 0;
    for (std::size_t i = 0; i < n; ++i) {
        t += 90 + static_cast<int64_t>(random() % 21);
        trace.times.push_back(t);
        trace.values.push_back(1000 + static_cast<double>(random() % 200));
    }
    std::vector<bool> taken(n, false);
    for (int s = 0; s < spikes; ++s) {
        std::size_t i = random() % n;
        while (taken[i]) i = (i + 1) % n;
        taken[i] = true;
        const double v = (s % 2 == 0) ? 5000.0 + s : -3000.0 - s;
        trace.values[i] = v;
        trace.spikes.push_back({i, v});
    }
    return trace;
}

// Column c holds t0 + c * span / columns <= t < t0 + (c + 1) * span / columns.
int ColumnOf(int64_t t, int64_t t0, int64_t t1, int columns) {
    const int64_t c = (t - t0) * columns / (t1 - t0);
    return static_cast<int>(c < columns ? c : columns - 1);
}

// Whole trace, a zoomed window, odd column counts, more columns than samples.
TEST(Decimate, EverySpikeIsDrawnInItsColumn) {
    const struct {
        unsigned seed;
        std::size_t samples;
        int columns;
        bool zoom;
    } cases[] = {{1, 288000, 1000, false}, {2, 100000, 997, true}, {3, 5000, 1920, false},
                 {4, 700, 3, false}};
    for (const auto& c : cases) {
        const Trace trace = MakeTrace(c.seed, c.samples, 60);
        int64_t t0 = trace.times.front(), t1 = trace.times.back();
        if (c.zoom) {
            t0 = trace.times[c.samples / 3];
            t1 = trace.times[c.samples / 2];
        }
        const auto columns = Decimate(trace.times, trace.values, t0, t1, c.columns);
        ASSERT_EQ(columns.size(), static_cast<std::size_t>(c.columns));
        // The spikes stand far out of the noise: a column's extremes are its
        // highest and lowest spike, where it holds any.
        std::map<int, double> highest, lowest;
        for (const Spike& spike : trace.spikes) {
            const int64_t t = trace.times[spike.index];
            if (t < t0 || t > t1) continue;
            const int column = ColumnOf(t, t0, t1, c.columns);
            if (spike.value > 0)
                highest[column] = std::max(highest.count(column) ? highest[column] : 0.0, spike.value);
            else
                lowest[column] = std::min(lowest.count(column) ? lowest[column] : 0.0, spike.value);
        }
        EXPECT_GT(highest.size() + lowest.size(), 0u);
        for (const auto& [column, value] : highest)
            EXPECT_EQ(columns[static_cast<std::size_t>(column)].max, value) << "seed " << c.seed;
        for (const auto& [column, value] : lowest)
            EXPECT_EQ(columns[static_cast<std::size_t>(column)].min, value) << "seed " << c.seed;
        // Nothing beyond what was sampled, and every sample in the window counted.
        int counted = 0;
        for (const auto& column : columns) {
            counted += column.count;
            if (column.count == 0) continue;
            EXPECT_GE(column.min, -3000 - 60);
            EXPECT_LE(column.max, 5000 + 60);
            EXPECT_LE(column.min, column.max);
        }
        int expected = 0;
        for (int64_t t : trace.times) expected += t >= t0 && t <= t1;
        EXPECT_EQ(counted, expected) << "seed " << c.seed;
    }
}

TEST(Decimate, AGapBreaksItsColumnAndSamplesOutsideTheWindowStayOut) {
    std::vector<int64_t> times;
    std::vector<double> values;
    for (int i = 0; i <= 100; ++i) {
        times.push_back(i * 10);
        values.push_back(i == 50 ? kNaN : 1.0);
    }
    values[0] = 99;    // before the window
    values[100] = -7;  // exactly at its end: belongs to the last column
    const auto columns = Decimate(times, values, 5, 1000, 10);
    ASSERT_EQ(columns.size(), 10u);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        EXPECT_EQ(columns[c].gap, c == 4) << c;  // t = 500 lies in [403, 502.5)
        EXPECT_GT(columns[c].count, 0);
    }
    EXPECT_EQ(columns[0].max, 1.0) << "the sample before t0 was drawn";
    EXPECT_EQ(columns[9].min, -7.0);
    EXPECT_TRUE(Decimate(times, values, 10, 10, 5).empty());
    EXPECT_TRUE(Decimate(times, values, 0, 1000, 0).empty());
    // A window with no samples: every column empty, none a gap.
    for (const auto& column : Decimate(times, values, 2000, 3000, 4))
        EXPECT_TRUE(column.count == 0 && !column.gap);
}

}  // namespace
