#pragma once
// What a window shows in words: every visible label, button, group title,
// list entry, header, tooltip and window title, each with whether it fits
// the room it has; and the English and Spanish catalogues as the test reads
// them from the repository.

#include <QMap>
#include <QString>
#include <QWidget>
#include <vector>

struct ShownText {
    QString where;  // class and object name of the widget
    QString text;
    bool clipped = false;
};

std::vector<ShownText> ShownTexts(QWidget* window);

// id (the Portuguese text) -> translation, from i18n/zano_<code>.ts.
QMap<QString, QString> ReadCatalogue(const QString& code);
