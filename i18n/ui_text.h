#pragma once
// Every text the user sees is written here in Brazilian Portuguese, and that
// text is also its key in the English and Spanish catalogues (i18n/*.ts).
// Tr looks the text up in the language chosen on the language page and gives
// it back unchanged when no catalogue is installed (Portuguese) or the
// catalogue lacks it. A text kept in a table is marked with TR_NOOP where it
// is written and looked up with Tr where it is shown.
//
// A text with values in it is looked up before the values go in: the
// catalogues keep the placeholders ("%1", "%d") as they are.
//
// One Portuguese word meaning two things ("Gravar": write to the ECU, or
// record a log) gets a second id: the word, "@@", and what it means
// ("Gravar@@registro"). Without a translation the word shows as written.

#include <QString>
#include <string>

#define TR_NOOP(text) text

QString Tr(const char* text);
std::string TrStd(const char* text);
inline QString Tr(const std::string& text) { return Tr(text.c_str()); }
inline QString Tr(const QString& text) { return Tr(text.toUtf8().constData()); }
inline std::string TrStd(const std::string& text) { return TrStd(text.c_str()); }
