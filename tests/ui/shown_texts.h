#pragma once
// What a window shows in words: every visible label, button, group title,
// list entry, header, tooltip and window title, each with whether it fits
// the room it has.

#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "i18n/language.h"

struct ShownText {
    QString where;  // class and object name of the widget
    QString text;
    bool clipped = false;
};

std::vector<ShownText> ShownTexts(QWidget* window);

// Walks whatever `walk` shows (given the language and its code) in
// Portuguese, then in English and Spanish: nothing cut off in any of them,
// and in the other two no text that is a catalogue id (i18n/zano_<code>.ts),
// nor the same words the Portuguese walk showed.
void ExpectTranslatedAndFitting(const std::string& what,
                                const std::function<std::vector<ShownText>(UiLanguage, const char* code)>& walk);
