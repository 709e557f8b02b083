// The font label: style flags and alignment, the fonts that stand in for the
// legacy faces, and what gets painted (alignment, ampersand, wrap, cached text).
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

void Dress(CFontLabel& label, QSize size, const QString& text, int height = 14, int style = 0) {
    label.resize(size);
    label.SetLabelFont(QStringLiteral("Ms Sans Serif"), height, 0, style);
    label.setText(text);
}

TEST(FontLabelTest, StyleFlagsOnlyAccumulateWhileAlignmentFollowsTheLastCall) {
    CFontLabel label;
    EXPECT_EQ(Qt::AlignLeft, label.Alignment());
    label.SetLabelStyle(1 | 4);
    label.SetLabelStyle(32);
    EXPECT_TRUE(label.IsBold() && label.IsUnderline() && !label.IsItalic());
    const std::pair<int, Qt::Alignment> kAlignments[] = {
        {32, Qt::AlignHCenter}, {0, Qt::AlignLeft}, {128, Qt::AlignRight}, {160, Qt::AlignHCenter}};
    for (const auto& [style, alignment] : kAlignments) {
        label.SetLabelStyle(style);
        EXPECT_EQ(alignment, label.Alignment()) << style;
    }
    EXPECT_TRUE(label.IsBold());
}

TEST(FontLabelTest, TheLegacyFacesAreHeavyLiberationSansFillingTheirCells) {
    CFontLabel label;
    label.SetLabelFont(QStringLiteral("Ms Sans Serif"), 20, 0x00FF0000, 1);
    const QFont font = label.LabelFont();
    EXPECT_EQ(QFont::Black, font.weight());
    EXPECT_EQ(QStringLiteral("Liberation Sans"), QFontInfo(font).family()) << "fonts-liberation installed?";
    const QFontMetrics metrics(font);
    EXPECT_NEAR(20, metrics.ascent() + metrics.descent(), 1);
    EXPECT_EQ(QColor(0, 0, 255), label.TextColour()) << "0x00BBGGRR";
    label.SetLabelFont(QStringLiteral("Arial"), 14, 0, 0);
    EXPECT_EQ(QFont::Black, label.LabelFont().weight()) << "bold stays on";
    CFontLabel plain;
    plain.SetLabelFont(QStringLiteral("Arial"), 14, 0, 0);
    EXPECT_EQ(QFont::Normal, plain.LabelFont().weight());

    const QFont arialBlack = MakeLegacyFont(QStringLiteral("ARIAL BLACK"), 12, 400);
    EXPECT_EQ(QFont::Black, arialBlack.weight()) << "heavy without the bold flag";
    EXPECT_EQ(QStringLiteral("Liberation Sans"), QFontInfo(arialBlack).family());
    EXPECT_EQ(QStringLiteral("Courier New"), SubstituteFaceName(QStringLiteral("Courier New")));
    EXPECT_EQ(25, MakeLegacyFont(QStringLiteral("Arial"), -25, 400).pixelSize()) << "negative: em size";
}

TEST(FontLabelTest, TextIsPaintedLeftCentredOrRightAndTheAmpersandAsItIs) {
    CFontLabel label;
    Dress(label, {300, 30}, QStringLiteral("Marcha"));
    const QRect left = InkBox(label);
    label.SetLabelStyle(128);
    const QRect right = InkBox(label);
    label.SetLabelStyle(32);
    const QRect centre = InkBox(label);
    ASSERT_FALSE(left.isEmpty());
    EXPECT_LT(left.left(), 4);
    EXPECT_GT(right.right(), 295);
    EXPECT_NEAR(150, centre.center().x(), 3);
    EXPECT_EQ(left.width(), right.width());
    EXPECT_LT(left.top(), 6) << "text starts at the top";

    CFontLabel withAmpersand, without;
    Dress(withAmpersand, {200, 30}, QStringLiteral("A&B"), 20);
    Dress(without, {200, 30}, QStringLiteral("AB"), 20);
    const int ampersand = QFontMetrics(withAmpersand.LabelFont()).horizontalAdvance(QLatin1Char('&'));
    EXPECT_NEAR(InkBox(without).width() + ampersand, InkBox(withAmpersand).width(), 2);
}

TEST(FontLabelTest, TextIsTakenAtTheFirstPaintAndKeptAndLongTextWrapsAtWords) {
    CFontLabel label;
    Dress(label, {200, 30}, QStringLiteral("Primeiro"));
    EXPECT_TRUE(label.LabelText().isEmpty());
    const QImage first = label.grab().toImage();
    label.setText(QStringLiteral("Segundo texto"));
    EXPECT_EQ(first, label.grab().toImage());
    EXPECT_EQ(QStringLiteral("Primeiro"), label.LabelText());

    CFontLabel narrow;
    Dress(narrow, {90, 80}, QStringLiteral("Tempo Injeção Padrão"), 14, 1);
    const QFontMetrics metrics(narrow.LabelFont());
    ASSERT_GT(metrics.horizontalAdvance(narrow.text()), 90);
    const QRect ink = InkBox(narrow);
    EXPECT_LT(ink.right(), 90);
    EXPECT_GT(ink.height(), metrics.height()) << "long text wraps at words";
}

}  // namespace
