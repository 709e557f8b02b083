#include "i18n/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>
#include <memory>

namespace {
UiLanguage current = UiLanguage::Portuguese;

// Ours, then the toolkit's own (the file dialog's and the standard
// buttons' words), when the system has that one.
std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
std::unique_ptr<QTranslator>& InstalledToolkit() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void RemoveInstalled() {
    for (auto* installed : {&Installed(), &InstalledToolkit()}) {
        if (*installed) {
            QCoreApplication::removeTranslator(installed->get());
            installed->reset();
        }
    }
}

void InstallToolkitTexts(UiLanguage language) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("qtbase_%1").arg(QLatin1String(LanguageCode(language))),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator.get()))
        InstalledToolkit() = std::move(translator);
}
}  // namespace

const char* LanguageCode(UiLanguage language) {
    switch (language) {
        case UiLanguage::English: return "en";
        case UiLanguage::Spanish: return "es";
        case UiLanguage::Portuguese: break;
    }
    return "pt_BR";
}

bool LanguageFromCode(const std::string& code, UiLanguage* language) {
    const std::string lang = code.substr(0, 2);
    if (lang == "en") *language = UiLanguage::English;
    else if (lang == "es") *language = UiLanguage::Spanish;
    else if (lang == "pt") *language = UiLanguage::Portuguese;
    else return false;
    return true;
}

bool InstallLanguage(UiLanguage language) {
    RemoveInstalled();
    current = UiLanguage::Portuguese;
    if (language == UiLanguage::Portuguese) return true;
    auto translator = std::make_unique<QTranslator>();
    const QString file = QStringLiteral(":/i18n/zano_%1.qm").arg(QLatin1String(LanguageCode(language)));
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator.get())) return false;
    Installed() = std::move(translator);
    current = language;
    if (language != UiLanguage::English) InstallToolkitTexts(language);
    return true;
}

UiLanguage CurrentLanguage() { return current; }

UiLanguage EnvironmentLanguage() {
    // LANGUAGE may list several ("es:en"); the first decides.
    for (const char* name : {"ZANO_LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0') continue;
        UiLanguage language = UiLanguage::Portuguese;
        return LanguageFromCode(value, &language) ? language : UiLanguage::Portuguese;
    }
    return UiLanguage::Portuguese;
}
