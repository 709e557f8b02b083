#pragma once
// The language of the run: the one remembered in ZANO.INI at start, then the
// one picked on the language page.

#include "i18n/language.h"

// Installs the remembered language; Portuguese when none or an unknown one.
void ApplySavedLanguage();
// Installs the language for the rest of the run and remembers it.
void ChooseLanguage(UiLanguage language);
