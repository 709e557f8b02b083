#pragma once
// ZANO.INI also remembers the language chosen on the language page, for the
// next start: section "GERAL", key "IDIOMA", value "pt_BR", "en" or "es".

#include <string>

// The remembered code; empty when none was saved or the file cannot be read.
std::string SavedLanguageCode();
// Writes the code, creating the file when missing. A file that cannot be
// written only means the choice is not remembered.
void SaveLanguageCode(const char* code);
