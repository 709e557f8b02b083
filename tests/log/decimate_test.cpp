// Drawing a long channel into pixel columns: every spike stays visible and a
// gap stays a break of the line.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

#include "log/decimate.h"

namespace {

// Random traces (a noisy level around 1000, samples about every 100 ms) with
// single-sample spikes far above and below: a column's extremes are its
// highest and lowest spike. Whole traces, a zoomed window, odd column
// counts, more columns than samples.
TEST(Decimate, EverySpikeIsDrawnInItsColumnAndEverySampleCounted) {
    const struct { unsigned seed; std::size_t n; int columns; bool zoom; } cases[] = {{1, 288000, 1000, false}, {2, 100000, 997, true}, {3, 5000, 1920, false}, {4, 700, 3, false}};
    for (const auto& c : cases) {
        std::mt19937 random(c.seed);
        std::vector<int64_t> times;
        std::vector<double> values;
        for (int64_t i = 0, t = 0; i < static_cast<int64_t>(c.n); ++i) {
            times.push_back(t += 90 + static_cast<int64_t>(random() % 21));
            values.push_back(1000 + static_cast<double>(random() % 200));
        }
        const int64_t t0 = c.zoom ? times[c.n / 3] : times.front(), t1 = c.zoom ? times[c.n / 2] : times.back();
        std::map<int64_t, double> highest, lowest;  // by column
        for (int s = 0; s < 60; ++s) {
            std::size_t i = random() % c.n;
            while (values[i] > 2000 || values[i] < 0) i = (i + 1) % c.n;
            values[i] = s % 2 ? 5000.0 + s : -3000.0 - s;
            if (times[i] < t0 || times[i] > t1) continue;
            const int64_t column = std::min<int64_t>((times[i] - t0) * c.columns / (t1 - t0), c.columns - 1);
            auto& extreme = s % 2 ? highest[column] : lowest[column];
            extreme = s % 2 ? std::max(extreme, values[i]) : std::min(extreme, values[i]);
        }
        const auto columns = Decimate(times, values, t0, t1, c.columns);
        ASSERT_EQ(columns.size(), static_cast<std::size_t>(c.columns));
        EXPECT_FALSE(highest.empty() && lowest.empty());
        for (const auto& [column, value] : highest) EXPECT_EQ(columns[column].max, value) << c.seed;
        for (const auto& [column, value] : lowest) EXPECT_EQ(columns[column].min, value) << c.seed;
        int counted = 0, inside = 0;
        for (const auto& column : columns) counted += column.count;
        for (int64_t t : times) inside += t >= t0 && t <= t1;
        EXPECT_EQ(counted, inside) << c.seed;
    }
}

TEST(Decimate, AGapBreaksItsColumnAndSamplesOutsideTheWindowStayOut) {
    std::vector<int64_t> times;
    std::vector<double> values;
    for (int i = 0; i <= 100; ++i) {
        times.push_back(i * 10);
        values.push_back(i == 50 ? std::nan("") : 1.0);
    }
    values[0] = 99;    // before the window
    values[100] = -7;  // exactly at its end: in the last column
    const auto columns = Decimate(times, values, 5, 1000, 10);
    ASSERT_EQ(columns.size(), 10u);
    for (std::size_t c = 0; c < columns.size(); ++c)
        EXPECT_TRUE(columns[c].gap == (c == 4) && columns[c].count > 0) << c;  // t = 500 lies in [403, 502.5)
    EXPECT_EQ(columns[0].max, 1.0) << "the sample before t0 was drawn";
    EXPECT_EQ(columns[9].min, -7.0);
    EXPECT_TRUE(Decimate(times, values, 10, 10, 5).empty() && Decimate(times, values, 0, 1000, 0).empty());
}

}  // namespace
