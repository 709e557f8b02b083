// What a text costs to show in the run's language: a page looks up some 30
// to 60 texts when it is built, the monitoring panel a few per second.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "i18n/language.h"
#include "i18n/ui_text.h"

namespace {

void LookUp(benchmark::State& state, UiLanguage language, const char* text) {
    int argc = 1;
    char name[] = "text_lookup_bench";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    if (!InstallLanguage(language)) state.SkipWithError("the catalogue did not load");
    for (auto _ : state) benchmark::DoNotOptimize(Tr(text));
    InstallLanguage(UiLanguage::Portuguese);
}

// Portuguese: no catalogue, the text comes back as written.
void BM_PortugueseText(benchmark::State& state) { LookUp(state, UiLanguage::Portuguese, "Número de Cilindros"); }
// English: found among the catalogue's 255 texts.
void BM_EnglishText(benchmark::State& state) { LookUp(state, UiLanguage::English, "Número de Cilindros"); }
// Spanish, a text the catalogue lacks (a value, a file name): shown as is.
void BM_SpanishMissingText(benchmark::State& state) { LookUp(state, UiLanguage::Spanish, "ABC1D23.CSV"); }
void BM_InstallCatalogue(benchmark::State& state) {
    int argc = 1;
    char name[] = "text_lookup_bench";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    for (auto _ : state) benchmark::DoNotOptimize(InstallLanguage(UiLanguage::Spanish));
    InstallLanguage(UiLanguage::Portuguese);
}

BENCHMARK(BM_PortugueseText);
BENCHMARK(BM_EnglishText);
BENCHMARK(BM_SpanishMissingText);
BENCHMARK(BM_InstallCatalogue);

}  // namespace

BENCHMARK_MAIN();
