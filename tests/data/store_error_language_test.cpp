// A full store stops the program with a fatal error in the run's language,
// both as the stop box's title and text and, without a box (the command-line
// tool), on stderr. A translator that marks every text stands for the catalogues.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <cstdio>

#include "data/crx4data.h"

namespace {

class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* sourceText, const char*, int) const override {
        return QStringLiteral("<") + QString::fromUtf8(sourceText) + QStringLiteral(">");
    }
    bool isEmpty() const override { return false; }
};

// Fills a store of three keywords past its capacity in a translated run.
void OverflowTranslated() {
    int argc = 1;
    char name[] = "store_error_language_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
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
                std::fprintf(stderr, "box [%s] [%s]\n", title, text);
            });
            OverflowTranslated();
        },
        testing::ExitedWithCode(255),
        "two fit\nbox \\[<CRX4DATA ERROR>\\] \\[<ERRO NUMERO MAXIMO DE PALAVRAS CHAVES ALCANCADO");
    EXPECT_EXIT(
        {
            SetFatalErrorHandler(nullptr);
            OverflowTranslated();
        },
        testing::ExitedWithCode(255),
        "<CRX4DATA ERROR>: <ERRO NUMERO MAXIMO DE PALAVRAS CHAVES ALCANCADO");
}

}  // namespace
