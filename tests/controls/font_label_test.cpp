// The font label: style flags and alignment, the fonts that stand in for the
// legacy faces, and what gets painted (alignment, wrap, cached text).
#include "controls/font_label.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>

#include "controls/legacy_font.h"

namespace {

// Bounding box of the pixels that differ from the top-left corner.
QRect InkBox(CFontLabel& label) {
    const QImage image = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0)) box |= QRect(x, y, 1, 1);
    return box;
}

void Dress(CFontLabel& label, QSize size, const QString& text, int style = 0) {
    label.resize(size);
    label.SetLabelFont(QStringLiteral("Ms Sans Serif"), 14, 0, style);
    label.setText(text);
}

// Style flags only accumulate while the alignment follows the last call.
TEST(FontLabelTest, TheLegacyFacesAreHeavyLiberationSansFillingTheirCellsAndStyleFlagsAccumulate) {
    CFontLabel label;
    EXPECT_EQ(Qt::AlignLeft, label.Alignment());
    label.SetLabelStyle(1 | 4);
    for (const auto& [style, alignment] : {std::pair{32, Qt::AlignHCenter}, {0, Qt::AlignLeft},
                                           {128, Qt::AlignRight}, {160, Qt::AlignHCenter}}) {
        label.SetLabelStyle(style);
        EXPECT_EQ(alignment, label.Alignment()) << style;
    }
    EXPECT_TRUE(label.IsBold() && label.IsUnderline() && !label.IsItalic());

    label.SetLabelFont(QStringLiteral("Ms Sans Serif"), 20, 0x00FF0000, 1);
    const QFont font = label.LabelFont();
    EXPECT_EQ(QFont::Black, font.weight());
    EXPECT_EQ(QStringLiteral("Liberation Sans"), QFontInfo(font).family()) << "fonts-liberation installed?";
    const QFontMetrics metrics(font);
    EXPECT_NEAR(20, metrics.ascent() + metrics.descent(), 1);
    EXPECT_EQ(QColor(0, 0, 255), label.TextColour()) << "0x00BBGGRR";
    label.SetLabelFont(QStringLiteral("Arial"), 14, 0, 0);
    EXPECT_EQ(QFont::Black, label.LabelFont().weight()) << "bold stays on";
    const QFont arialBlack = MakeLegacyFont(QStringLiteral("ARIAL BLACK"), 12, 400);
    EXPECT_EQ(QFont::Black, arialBlack.weight()) << "heavy without the bold flag";
    EXPECT_EQ(QStringLiteral("Liberation Sans"), QFontInfo(arialBlack).family());
    EXPECT_EQ(25, MakeLegacyFont(QStringLiteral("Arial"), -25, 400).pixelSize()) << "negative: em size";
}

// The text is taken at the first paint and kept; long text wraps at words.
TEST(FontLabelTest, TextIsPaintedFromTheTopLeftCentredOrRightAndWrapped) {
    CFontLabel label;
    Dress(label, {300, 30}, QStringLiteral("Marcha"));
    EXPECT_TRUE(label.LabelText().isEmpty());
    EXPECT_EQ(QFont::Normal, label.LabelFont().weight()) << "no bold flag";
    const QImage first = label.grab().toImage();
    const QRect left = InkBox(label);
    label.SetLabelStyle(128);
    const QRect right = InkBox(label);
    label.SetLabelStyle(32);
    const QRect centre = InkBox(label);
    ASSERT_FALSE(left.isEmpty());
    EXPECT_TRUE(left.left() < 4 && right.right() > 295 && left.width() == right.width()) << left.left() << " " << right.right();
    EXPECT_NEAR(150, centre.center().x(), 3);
    EXPECT_LT(left.top(), 6) << "text starts at the top";
    label.SetLabelStyle(0);
    label.setText(QStringLiteral("Segundo texto"));
    EXPECT_EQ(first, label.grab().toImage());
    EXPECT_EQ(QStringLiteral("Marcha"), label.LabelText());

    CFontLabel narrow;
    Dress(narrow, {90, 80}, QStringLiteral("Tempo Injeção Padrão"), 1);
    const QFontMetrics metrics(narrow.LabelFont());
    ASSERT_GT(metrics.horizontalAdvance(narrow.text()), 90);
    EXPECT_LT(InkBox(narrow).right(), 90);
    EXPECT_GT(InkBox(narrow).height(), metrics.height()) << "long text wraps at words";
}

}  // namespace
