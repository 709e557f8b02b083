#include "controls/legacy_font.h"

#include <QFontMetricsF>
#include <cmath>

namespace {

constexpr int kDefaultCellHeight = 13;
constexpr int kHeavyWeight = 900;

}  // namespace

QString SubstituteFaceName(const QString& face) {
    const QString key = face.trimmed().toLower();
    // MS Sans Serif is a bitmap face that is not installed here; DejaVu Sans,
    // the usual fallback, runs about 15 % wider and pushes label text out of
    // its box, while Liberation Sans keeps close to the original widths.
    if (key == QLatin1String("ms sans serif") || key == QLatin1String("arial") ||
        key == QLatin1String("arial black")) {
        return QStringLiteral("Liberation Sans");
    }
    return face;
}

QFont MakeLegacyFont(const QString& face, int height, int weight) {
    QFont font(SubstituteFaceName(face));
    const bool heavyFace =
        face.trimmed().compare(QLatin1String("arial black"), Qt::CaseInsensitive) == 0;
    font.setWeight(static_cast<QFont::Weight>(heavyFace ? kHeavyWeight : weight));
    if (height < 0) {
        font.setPixelSize(-height);
        return font;
    }
    const int cell = height == 0 ? kDefaultCellHeight : height;
    // Scale the em so that ascent + descent of the chosen face fill the cell.
    font.setPixelSize(cell);
    const QFontMetricsF metrics(font);
    const double used = metrics.ascent() + metrics.descent();
    if (used > 0)
        font.setPixelSize(qMax(1, static_cast<int>(std::lround(cell * cell / used))));
    return font;
}
