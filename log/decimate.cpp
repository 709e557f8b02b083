#include "log/decimate.h"

#include <algorithm>
#include <cmath>

std::vector<DecimatedColumn> Decimate(const std::vector<int64_t>& times,
                                      const std::vector<double>& values, int64_t t0, int64_t t1,
                                      int columns) {
    std::vector<DecimatedColumn> out;
    if (columns < 1 || t1 <= t0)
        return out;
    out.resize(static_cast<std::size_t>(columns));
    const std::size_t n = std::min(times.size(), values.size());
    const auto first = std::lower_bound(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(n), t0);
    const double span = static_cast<double>(t1 - t0);
    for (auto i = static_cast<std::size_t>(first - times.begin()); i < n; ++i) {
        const int64_t t = times[i];
        if (t > t1)
            break;
        int column = static_cast<int>(static_cast<double>(t - t0) * columns / span);
        column = std::min(column, columns - 1);
        DecimatedColumn& c = out[static_cast<std::size_t>(column)];
        const double v = values[i];
        if (std::isnan(v)) {
            c.gap = true;
            continue;
        }
        if (c.count == 0) {
            c.min = c.max = v;
        } else {
            c.min = std::min(c.min, v);
            c.max = std::max(c.max, v);
        }
        ++c.count;
    }
    return out;
}
