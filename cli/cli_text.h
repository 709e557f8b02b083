#pragma once
// The tool's messages with values in them: the template is looked up first
// ("... %1 ... %2"), then every value goes in at once, so a value that
// holds "%1" (a file name) is never taken for a placeholder.

#include <QString>
#include <string>

#include "i18n/ui_text.h"

inline QString CliArg(const std::string& text) { return QString::fromStdString(text); }
inline QString CliArg(const char* text) { return QString::fromUtf8(text); }
inline QString CliArg(long long number) { return QString::number(number); }

template <typename... Values>
std::string Fill(const QString& text, const Values&... values) {
    return text.arg(CliArg(values)...).toStdString();
}
