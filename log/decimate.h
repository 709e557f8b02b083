#pragma once
// Min/max decimation for drawing a long channel into a few pixel columns:
// each column keeps the lowest and the highest sample that falls into it,
// so no peak is ever hidden, and a NaN sample (a gap, a missing value)
// marks its column as a break of the line.

#include <cstdint>
#include <vector>

struct DecimatedColumn {
    double min = 0;
    double max = 0;
    int count = 0;       // samples with a value in the column; 0: nothing to draw
    bool gap = false;    // a NaN sample falls into the column: the line breaks here
};

// Column i covers [t0 + i*(t1-t0)/columns, t0 + (i+1)*(t1-t0)/columns); a
// sample at t1 belongs to the last one. Samples outside [t0, t1] are left
// out; times must be ascending (as ReadDatalog gives them). Empty when
// columns < 1 or t1 <= t0.
std::vector<DecimatedColumn> Decimate(const std::vector<int64_t>& times,
                                      const std::vector<double>& values, int64_t t0, int64_t t1,
                                      int columns);
