#include "controls/font_label.h"

#include <QPainter>

#include "controls/colorref.h"
#include "controls/legacy_font.h"

namespace {

constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 900;

}  // namespace

CFontLabel::CFontLabel(QWidget* parent) : QLabel(parent) {}

void CFontLabel::SetLabelStyle(unsigned char style) {
    // Flags only accumulate: pages add centring to a title already made bold.
    if (style & kBold)
        Bold = true;
    if (style & kItalic)
        Italic = true;
    if (style & kUnderline)
        Underline = true;
    if (style & kStrikeOut)
        StrikeOut = true;
    if (style & kAntialiased)
        Antialiased = true;
    if (style & kCentre) {
        Align = HorizontalAlignment::Centre;
    } else if (style & kRight) {
        Align = HorizontalAlignment::Right;
    } else {
        Align = HorizontalAlignment::Left;
    }
    update();
}

void CFontLabel::SetLabelFont(const QString& faceName, int height, unsigned int colorref,
                              unsigned char style) {
    Face = faceName;
    Height = height;
    Colour = ColourFromColorref(colorref);
    SetLabelStyle(style);
}

Qt::Alignment CFontLabel::Alignment() const {
    switch (Align) {
        case HorizontalAlignment::Centre:
            return Qt::AlignHCenter;
        case HorizontalAlignment::Right:
            return Qt::AlignRight;
        case HorizontalAlignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

QFont CFontLabel::LabelFont() const {
    QFont font = MakeLegacyFont(Face, Height, Bold ? kBoldWeight : kNormalWeight);
    font.setItalic(Italic);
    font.setUnderline(Underline);
    font.setStrikeOut(StrikeOut);
    font.setStyleStrategy(Antialiased ? QFont::PreferAntialias : QFont::PreferDefault);
    return font;
}

void CFontLabel::paintEvent(QPaintEvent*) {
    // The text is taken once; later changes of the label's text do not show.
    if (Text.isEmpty())
        Text = text();
    QPainter painter(this);
    painter.setFont(LabelFont());
    painter.setPen(Colour);
    // Plain drawText shows an ampersand as it is (no mnemonic processing).
    painter.drawText(rect(), static_cast<int>(Alignment() | Qt::AlignTop | Qt::TextWordWrap), Text);
}
