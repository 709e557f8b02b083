// A full store stops the program with a fatal error in the run's language,
// both as the stop box's title and text and, without a box (the command-line
// tool), on stderr. A translator that marks every text stands for the catalogues.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdio>

#include "data/crx4data.h"
#include "tests/support/marking_translator.h"

namespace {

// Fills a store of three keywords past its capacity in a translated run.
void OverflowTranslated() {
    int argc = 1;
    char name[] = "store_error_language_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const MarkingTranslator translator;
    CRX4DATA store(3);
    store.Add("10", "1");
    store.Add("11", "1");
    std::fprintf(stderr, "two fit\n");
    store.Add("12", "1");
}

TEST(StoreErrorLanguageDeathTest, TheFatalErrorIsShownTranslatedInTheBoxAndOnStderr) {
    EXPECT_EXIT(
        {
            SetFatalErrorHandler([](const char* title, const char* text) {
                std::fprintf(stderr, "box title=%s text=%s\n", title, text);
            });
            OverflowTranslated();
        },
        testing::ExitedWithCode(255),
        "two fit\nbox title=\\[CRX4DATA ERROR\\] text=\\[ERRO NUMERO MAXIMO DE PALAVRAS CHAVES ALCANCADO");
    EXPECT_EXIT(
        {
            SetFatalErrorHandler(nullptr);
            OverflowTranslated();
        },
        testing::ExitedWithCode(255),
        "\\[CRX4DATA ERROR\\]: \\[ERRO NUMERO MAXIMO DE PALAVRAS CHAVES ALCANCADO");
}

}  // namespace
