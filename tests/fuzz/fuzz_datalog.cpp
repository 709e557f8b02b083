// A datalog as any file may hold it: read whole and in 5-byte pieces, the
// same log comes out, its columns in step and in time order.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "log/datalog_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    DatalogLimits limits{50, 64, 100, 1 << 20};
    std::istringstream whole(text), pieces(text);
    const Datalog a = ReadDatalog(whole, limits);
    limits.chunkBytes = 5;
    const Datalog b = ReadDatalog(pieces, limits);
    bool same = a.times == b.times && a.gaps == b.gaps && a.skippedCount == b.skippedCount &&
                a.message == b.message && a.events.size() == b.events.size() && a.times.size() <= 50;
    for (std::size_t i = 0; i < a.times.size(); ++i)
        for (int c = 0; c < kLogChannelCount; ++c)
            same = same && a.values[c].size() == a.times.size() && (i == 0 || a.times[i] >= a.times[i - 1]) &&
                   (a.values[c][i] == b.values[c][i] || (std::isnan(a.values[c][i]) && std::isnan(b.values[c][i])));
    if (!same) std::abort();
    return 0;
}
