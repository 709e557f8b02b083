// Costs of the keyword store at the program's default size: a 500-entry store
// holding 499 register-like keywords (the most it holds in normal use).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "data/crx4data.h"

namespace {

constexpr int kEntries = 499;

std::vector<std::string> ShuffledKeywords() {
    std::vector<std::string> keywords;
    for (int i = 0; i < kEntries; ++i) {
        char text[8];
        std::snprintf(text, sizeof text, "%X", i * 7 + 1);
        keywords.emplace_back(text);
    }
    std::shuffle(keywords.begin(), keywords.end(), std::mt19937(42));
    return keywords;
}

void Fill(CRX4DATA& store, const std::vector<std::string>& keywords) {
    for (const std::string& keyword : keywords) {
        store.Add(keyword.c_str(), "FF");
    }
}

// Fills an empty store in random order: every Add past the third inserts
// into the sorted array, moving its tail.
void BM_AddInsertIntoSorted(benchmark::State& state) {
    const std::vector<std::string> keywords = ShuffledKeywords();
    CRX4DATA store;
    for (auto _ : state) {
        state.PauseTiming();
        store.Zeradora();
        state.ResumeTiming();
        Fill(store, keywords);
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_AddInsertIntoSorted);

// Replaces values in the full store, as every read from the ECU does.
void BM_AddReplaceInFullStore(benchmark::State& state) {
    const std::vector<std::string> keywords = ShuffledKeywords();
    CRX4DATA store;
    Fill(store, keywords);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.Add(keywords[next].c_str(), "1A"));
        next = (next + 1) % keywords.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AddReplaceInFullStore);

void BM_GetFromFullStore(benchmark::State& state) {
    const std::vector<std::string> keywords = ShuffledKeywords();
    CRX4DATA store;
    Fill(store, keywords);
    std::size_t next = 0;
    uint16_t size = 0;
    unsigned char* value = nullptr;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.Get(keywords[next].c_str(), &size, &value));
        next = (next + 1) % keywords.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetFromFullStore);

void BM_DumpFullStore(benchmark::State& state) {
    CRX4DATA store;
    Fill(store, ShuffledKeywords());
    std::FILE* sink = std::fopen("/dev/null", "wb");
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.Dump(sink, static_cast<int>(state.range(0))));
    }
    std::fclose(sink);
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_DumpFullStore)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
