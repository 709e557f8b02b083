#pragma once
// The program's language: Brazilian Portuguese (the texts as written), English
// or Spanish (a compiled catalogue built into the program). Changing it
// affects every text looked up from then on (i18n/ui_text.h).

#include <string>

enum class UiLanguage { Portuguese, English, Spanish };

// "pt_BR", "en", "es": the code ZANO.INI keeps.
const char* LanguageCode(UiLanguage language);
// The language of a code ("en", "en_US.UTF-8", "es_AR", "pt_BR"...); false for
// an empty or unknown code.
bool LanguageFromCode(const std::string& code, UiLanguage* language);
// Installs the language's catalogue in place of the one before (Portuguese
// removes it). False when the catalogue cannot be loaded; the language is
// then Portuguese.
bool InstallLanguage(UiLanguage language);
UiLanguage CurrentLanguage();
// The language of the user's environment for programs without a language
// page (zano-cli): ZANO_LANG, else LANGUAGE, LC_ALL, LC_MESSAGES, LANG as the
// C library reads them; Portuguese when none names English or Spanish.
UiLanguage EnvironmentLanguage();
