// The catalogues as the program uses them: every text translated in both
// languages with the same placeholders and blanks, compiled into the program,
// installed and removed; the language's code (ZANO.INI keeping it: tests/ui).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>

#include "i18n/language.h"
#include "i18n/ui_text.h"
#include "tests/support/ts_catalogue.h"

namespace {

// %1..%9, printf's conversions and %% as they appear, in order.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%(%|[1-9]|[-+ 0#]*[0-9]*(\\.[0-9]+)?(l|ll|z)?[dixXufgeEcs])"));
    QStringList found;
    for (auto it = kPlaceholder.globalMatch(text); it.hasNext();) found << it.next().captured(0);
    std::sort(found.begin(), found.end());
    return found;
}

QString Leading(const QString& t) { return t.left(t.size() - t.trimmed().size() == 0 ? 0 : t.indexOf(t.trimmed())); }
QString Trailing(const QString& t) { return t.mid(t.indexOf(t.trimmed()) + t.trimmed().size()); }

class Catalogue : public ::testing::TestWithParam<const char*> {};

TEST_P(Catalogue, TranslatesEveryTextKeepingItsPlaceholdersBlanksAndLineCount) {
    QString error;
    const auto messages = ReadCatalogueFile(QStringLiteral(ZANO_I18N_DIR "/zano_%1.ts").arg(QLatin1String(GetParam())), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_GT(messages.size(), 200u) << "the program's texts are in the catalogue";
    for (const CatalogueMessage& m : messages) {
        const std::string where = std::string(GetParam()) + ": \"" + m.id.toStdString() + "\"";
        EXPECT_TRUE(m.finished && !m.translation.isEmpty()) << "untranslated " << where;
        if (m.translation.isEmpty()) continue;
        EXPECT_EQ(Placeholders(m.id), Placeholders(m.translation)) << where;
        EXPECT_EQ(Leading(m.id), Leading(m.translation)) << where;
        EXPECT_EQ(Trailing(m.id), Trailing(m.translation)) << where;
        EXPECT_EQ(m.id.count(QLatin1Char('\n')), m.translation.count(QLatin1Char('\n'))) << where;
    }
}

INSTANTIATE_TEST_SUITE_P(EnglishAndSpanish, Catalogue, ::testing::Values("en", "es"));

TEST(Language, ItsCatalogueIsBuiltInAndPortugueseShowsTheTextsAsWritten) {
    int argc = 1;
    char name[] = "tests_i18n";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    EXPECT_EQ(QStringLiteral("Próximo"), Tr("Próximo"));
    EXPECT_EQ(QStringLiteral("Gravar"), Tr("Gravar@@registro")) << "a second meaning shows the word";
    ASSERT_TRUE(InstallLanguage(UiLanguage::English));
    EXPECT_EQ(QStringLiteral("Write|Record|Next"), Tr("Gravar") + '|' + Tr("Gravar@@registro") + '|' + Tr("Próximo"));
    EXPECT_TRUE(CurrentLanguage() == UiLanguage::English && TrStd("Próximo") == "Next");
    EXPECT_EQ(QStringLiteral("não está em catálogo nenhum"), Tr("não está em catálogo nenhum"));
    ASSERT_TRUE(InstallLanguage(UiLanguage::Spanish));
    EXPECT_EQ(QStringLiteral("Siguiente"), Tr("Próximo")) << "Spanish replaces English";
    ASSERT_TRUE(InstallLanguage(UiLanguage::Portuguese));
    EXPECT_EQ(QStringLiteral("Próximo"), Tr("Próximo"));
}

TEST(Language, CodesOfTheSettingAndOfTheLocale) {
    const std::pair<const char*, UiLanguage> known[] = {
        {"en", UiLanguage::English}, {"en_US.UTF-8", UiLanguage::English}, {"es_AR", UiLanguage::Spanish}, {"pt_BR", UiLanguage::Portuguese}};
    UiLanguage language = UiLanguage::Portuguese;
    for (const auto& [code, expected] : known) EXPECT_TRUE(LanguageFromCode(code, &language) && language == expected) << code;
    for (const char* unknown : {"C", "", "fr_FR"}) EXPECT_FALSE(LanguageFromCode(unknown, &language)) << unknown;
}

}  // namespace
