// Costs of the datalog: recording one sample (conversion from the live
// store, the row, the once-a-second flush), resident memory over an 8-hour
// recording in virtual time, reading an 8-hour log, decimating it to the
// columns of a window.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "comm/clock.h"
#include "data/crx4data.h"
#include "log/datalog_reader.h"
#include "log/datalog_recorder.h"
#include "log/decimate.h"

namespace {

constexpr int kSamplesPerSecond = 10;
constexpr int64_t kEightHours = 8LL * 3600 * kSamplesPerSecond;  // 288,000 samples

long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// An engine that moves: every register changes from one sample to the next.
void Drive(CRX4DATA& store, int64_t i) {
    char text[8];
    const auto hex = [&](const char* reg, int64_t v) {
        std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(v));
        store.Add(reg, text);
    };
    const int64_t rpm = 800 + (i * 37) % 5200;
    hex("28", rpm % 256);
    hex("29", rpm / 256);
    hex("11", (i * 7) % 241);
    hex("23", (i * 3) % 250);
    hex("24", (i * 11) % 50);
    hex("81", (i * 5) % 200);
    hex("83", (i / 50) % 2);
}

std::string EightHourLog(const QTemporaryDir& dir) {
    const std::string path = dir.filePath(QStringLiteral("8h.csv")).toStdString();
    VirtualClock clock;
    DatalogRecorder recorder(clock);
    recorder.Start(path, {"Q7100", "COM1", "2026-12-06T08:00:00-03:00"});
    CRX4DATA store;
    for (int64_t i = 0; i < kEightHours; ++i) {
        Drive(store, i);
        recorder.OnLiveValues(store, 0);
        if (i % 3000 == 1500) recorder.Mark();
        clock.Advance(1000 / kSamplesPerSecond);
    }
    recorder.Stop();
    return path;
}

// One answered poll while recording: sample, row, flush when due.
void BM_RecordSample(benchmark::State& state) {
    QTemporaryDir dir;
    VirtualClock clock;
    DatalogRecorder recorder(clock);
    recorder.Start(dir.filePath(QStringLiteral("r.csv")).toStdString(), {"Q7100", "COM1", "x"});
    CRX4DATA store;
    Drive(store, 1);
    int64_t i = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        recorder.OnLiveValues(store, 0);
        recorder.OnTick();
        clock.Advance(1000 / kSamplesPerSecond);
        ++i;
    }
    const double ns =
        std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    state.SetItemsProcessed(i);
    // Share of one core spent recording at 10 samples a second.
    state.counters["core_pct_at_10_per_s"] = i > 0 ? ns / i * kSamplesPerSecond / 1e9 * 100 : 0;
}
BENCHMARK(BM_RecordSample);

// 288,000 samples in virtual time, the store changing each time: resident
// memory after the first ten minutes and at the end.
void BM_EightHourRecordingMemory(benchmark::State& state) {
    for (auto _ : state) {
        QTemporaryDir dir;
        VirtualClock clock;
        DatalogRecorder recorder(clock);
        recorder.Start(dir.filePath(QStringLiteral("m.csv")).toStdString(), {"Q7100", "COM1", "x"});
        CRX4DATA store;
        long afterTenMinutes = 0, peak = 0;
        for (int64_t i = 0; i < kEightHours; ++i) {
            Drive(store, i);
            recorder.OnLiveValues(store, 0);
            recorder.OnTick();
            clock.Advance(1000 / kSamplesPerSecond);
            if (i == 6000) afterTenMinutes = ResidentKb();
            if (i % 6000 == 0) peak = std::max(peak, ResidentKb());
        }
        recorder.Stop();
        state.counters["rss_10min_kB"] = static_cast<double>(afterTenMinutes);
        state.counters["rss_8h_kB"] = static_cast<double>(ResidentKb());
        state.counters["rss_peak_kB"] = static_cast<double>(peak);
        state.counters["rows"] = static_cast<double>(recorder.Rows());
    }
}
BENCHMARK(BM_EightHourRecordingMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ReadEightHourLog(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = EightHourLog(dir);
    std::size_t samples = 0;
    for (auto _ : state) {
        const Datalog log = ReadDatalog(path);
        samples = log.SampleCount();
        benchmark::DoNotOptimize(log.times.data());
    }
    state.counters["samples"] = static_cast<double>(samples);
}
BENCHMARK(BM_ReadEightHourLog)->Unit(benchmark::kMillisecond);

void BM_DecimateEightHourLog(benchmark::State& state) {
    QTemporaryDir dir;
    const Datalog log = ReadDatalog(EightHourLog(dir));
    const std::vector<double>& rpm = log.Channel(LogChannel::Rpm);
    for (auto _ : state) {
        const auto columns =
            Decimate(log.times, rpm, log.times.front(), log.times.back(), static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(columns.data());
    }
    state.counters["samples"] = static_cast<double>(log.SampleCount());
}
BENCHMARK(BM_DecimateEightHourLog)->Arg(1000)->Unit(benchmark::kMillisecond);

// A file of some 300 MB (a week of recording left running): the reader
// stops at its cap and says so; time and resident memory of that read.
void BM_ReadThreeHundredMegabytes(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("big.csv")).toStdString();
    {
        std::ofstream out(path, std::ios::binary);
        out << "# Zano datalog 1\ntempo_ms,rpm,tps_V,lambda_V,passos,atuador,injecao_ms,evento\n";
        std::string block;
        char row[96];
        for (int64_t i = 0; static_cast<int64_t>(out.tellp()) < 300LL * 1024 * 1024; ++i) {
            std::snprintf(row, sizeof row, "%lld,%d,%d.%02d,0.%02d,%d,0,%d.%d,\n",
                          static_cast<long long>(i * 100), 800 + static_cast<int>(i % 5000),
                          static_cast<int>(i % 5), static_cast<int>(i % 100),
                          static_cast<int>(i % 100), static_cast<int>(i % 241),
                          static_cast<int>(i % 20), static_cast<int>(i % 10));
            block += row;
            if (block.size() > (1 << 20)) {
                out << block;
                block.clear();
            }
        }
        out << block;
    }
    for (auto _ : state) {
        const Datalog log = ReadDatalog(path);
        state.counters["samples"] = static_cast<double>(log.SampleCount());
        state.counters["capped"] = log.capped ? 1 : 0;
        state.counters["rss_after_kB"] = static_cast<double>(ResidentKb());
    }
}
BENCHMARK(BM_ReadThreeHundredMegabytes)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
