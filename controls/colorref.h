#pragma once
// Colours travel through the page code as 0x00BBGGRR numbers (red in the low
// byte), the way the pages were written; the controls turn them into QColor.

#include <QColor>

inline QColor ColourFromColorref(unsigned int colorref) {
    return QColor(static_cast<int>(colorref & 0xFFu), static_cast<int>((colorref >> 8) & 0xFFu),
                  static_cast<int>((colorref >> 16) & 0xFFu));
}
