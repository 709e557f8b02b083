#pragma once
// Fonts asked for the way the pages ask for them: a face name from the
// Windows world, a cell height in pixels and a weight of 400 (normal),
// 700 (bold) or 900 (heavy).

#include <QFont>
#include <QString>

// The installed face that stands in for a legacy one: "MS Sans Serif" and
// "Arial" become Liberation Sans (Arial's metrics); "Arial Black" becomes
// Liberation Sans at its heaviest. Other names are kept. Case is ignored.
QString SubstituteFaceName(const QString& face);

// A positive height is the character cell (ascent + descent), as the pages
// give it; a negative one is the em size; 0 asks for the default 13-pixel cell.
QFont MakeLegacyFont(const QString& face, int height, int weight);
