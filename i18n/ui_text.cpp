#include "i18n/ui_text.h"

#include <QtGlobal>

QString Tr(const char* text) {
    if (text == nullptr || *text == '\0') return QString();
    return qtTrId(text);
}

std::string TrStd(const char* text) { return Tr(text).toStdString(); }
