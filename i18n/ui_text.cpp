#include "i18n/ui_text.h"

#include <QtGlobal>

namespace {
constexpr char kMeaningMark[] = "@@";
}

QString Tr(const char* text) {
    if (text == nullptr || *text == '\0') return QString();
    const QString found = qtTrId(text);
    const qsizetype mark = found.indexOf(QLatin1String(kMeaningMark));
    // Untranslated: qtTrId gives the id back, meaning and all.
    return mark < 0 ? found : found.left(mark);
}

std::string TrStd(const char* text) { return Tr(text).toStdString(); }
