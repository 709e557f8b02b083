// The catalogues as the program uses them: every text translated in both
// languages with the same placeholders and blanks, compiled into the program,
// installed and removed; the language's code, and ZANO.INI remembering it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "data/language_setting.h"
#include "data/port_setting.h"
#include "data/private_profile.h"
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
    EXPECT_EQ(QStringLiteral("Write"), Tr("Gravar"));
    EXPECT_EQ(QStringLiteral("Record"), Tr("Gravar@@registro"));
    EXPECT_EQ(UiLanguage::English, CurrentLanguage());
    EXPECT_EQ(QStringLiteral("Next"), Tr("Próximo"));
    EXPECT_EQ("Next", TrStd("Próximo"));
    EXPECT_EQ(QStringLiteral("não está em catálogo nenhum"), Tr("não está em catálogo nenhum"));
    ASSERT_TRUE(InstallLanguage(UiLanguage::Spanish));
    EXPECT_EQ(QStringLiteral("Siguiente"), Tr("Próximo")) << "Spanish replaces English";
    ASSERT_TRUE(InstallLanguage(UiLanguage::Portuguese));
    EXPECT_EQ(QStringLiteral("Próximo"), Tr("Próximo"));
}

TEST(Language, CodesOfTheSettingAndOfTheLocale) {
    const struct {
        const char* code;
        bool known;
        UiLanguage language;
    } cases[] = {{"en", true, UiLanguage::English},    {"en_US.UTF-8", true, UiLanguage::English},
                 {"es_AR", true, UiLanguage::Spanish}, {"pt_BR", true, UiLanguage::Portuguese},
                 {"C", false, UiLanguage::Portuguese}, {"", false, UiLanguage::Portuguese},
                 {"fr_FR", false, UiLanguage::Portuguese}};
    for (const auto& c : cases) {
        UiLanguage language = UiLanguage::Portuguese;
        EXPECT_EQ(c.known, LanguageFromCode(c.code, &language)) << c.code;
        EXPECT_EQ(c.language, language) << c.code;
    }
    // The environment's (ZANO_LANG over the locale) is the command-line tool's: tests/cli.
}

TEST(Language, ZanoIniRemembersTheChoiceBesideThePorts) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("ZANO.INI")).toStdString();
    SetSettingsFilePath(path);
    EXPECT_EQ("", SavedLanguageCode()) << "no file yet";
    int port = 4;
    PortSetting("Q7100", &port, "SET");
    SaveLanguageCode("es");
    SaveLanguageCode("en");
    EXPECT_EQ("en", SavedLanguageCode());
    PrivateProfile profile;
    ASSERT_TRUE(profile.Load(path.c_str()));
    std::string value;
    EXPECT_TRUE(profile.Value("GERAL", "IDIOMA", &value));
    EXPECT_EQ("en", value);
    EXPECT_TRUE(profile.Value("CONFIG_Q7100", "COM", &value));
    EXPECT_EQ("4", value) << "the port stays";
    SetSettingsFilePath(std::string());
}

}  // namespace
