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
    const QRgb back = image.pixel(0, 0);
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != back)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

TEST(FontLabelTest, StyleFlagsOnlyAccumulateWhileAlignmentFollowsTheLastCall) {
    CFontLabel label;
    EXPECT_EQ(Qt::AlignLeft, label.Alignment());
    label.SetLabelStyle(1 | 4);
    label.SetLabelStyle(32);
    EXPECT_TRUE(label.IsBold());
    EXPECT_TRUE(label.IsUnderline());
    EXPECT_FALSE(label.IsItalic());
    EXPECT_EQ(Qt::AlignHCenter, label.Alignment());
    label.SetLabelStyle(0);
    EXPECT_TRUE(label.IsBold());
    EXPECT_EQ(Qt::AlignLeft, label.Alignment());
    label.SetLabelStyle(128);
    EXPECT_EQ(Qt::AlignRight, label.Alignment());
    label.SetLabelStyle(160);
    EXPECT_EQ(Qt::AlignHCenter, label.Alignment());
}

TEST(FontLabelTest, TitleFontIsAHeavyLiberationSansFillingItsCell) {
    CFontLabel label;
    label.SetLabelFont(QStringLiteral("Ms Sans Serif"), 20, 0x00FF0000, 1);
    label.SetLabelStyle(32);
    const QFont font = label.LabelFont();
    EXPECT_EQ(QFont::Black, font.weight());
    EXPECT_EQ(QStringLiteral("Liberation Sans"), QFontInfo(font).family())
        << "fonts-liberation installed?";
    const QFontMetrics metrics(font);
    EXPECT_NEAR(20, metrics.ascent() + metrics.descent(), 1);
    EXPECT_EQ(QColor(0, 0, 255), label.TextColour()) << "0x00BBGGRR";

    label.SetLabelFont(QStringLiteral("Arial"), 14, 0, 0);
    EXPECT_EQ(QFont::Black, label.LabelFont().weight()) << "bold stays on";
    CFontLabel plain;
    plain.SetLabelFont(QStringLiteral("Arial"), 14, 0, 0);
    EXPECT_EQ(QFont::Normal, plain.LabelFont().weight());
}

TEST(FontLabelTest, ArialBlackIsHeavyWithoutTheBoldFlag) {
    const QFont font = MakeLegacyFont(QStringLiteral("ARIAL BLACK"), 12, 400);
    EXPECT_EQ(QFont::Black, font.weight());
    EXPECT_EQ(QStringLiteral("Liberation Sans"), QFontInfo(font).family());
    EXPECT_EQ(QStringLiteral("Courier New"), SubstituteFaceName(QStringLiteral("Courier New")));
    EXPECT_EQ(25, MakeLegacyFont(QStringLiteral("Arial"), -25, 400).pixelSize())
        << "negative: em size";
}

TEST(FontLabelTest, TextIsPaintedLeftCentredOrRight) {
    CFontLabel label;
    label.resize(300, 30);
    label.setText(QStringLiteral("Marcha"));
    label.SetLabelFont(QStringLiteral("Ms Sans Serif"), 14, 0, 0);
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
}

TEST(FontLabelTest, AmpersandIsShownAsItIs) {
    CFontLabel withAmpersand;
    withAmpersand.resize(200, 30);
    withAmpersand.SetLabelFont(QStringLiteral("Ms Sans Serif"), 20, 0, 0);
    withAmpersand.setText(QStringLiteral("A&B"));
    CFontLabel without;
    without.resize(200, 30);
    without.SetLabelFont(QStringLiteral("Ms Sans Serif"), 20, 0, 0);
    without.setText(QStringLiteral("AB"));

    const QFontMetrics metrics(withAmpersand.LabelFont());
    const int ampersand = metrics.horizontalAdvance(QLatin1Char('&'));
    EXPECT_NEAR(InkBox(without).width() + ampersand, InkBox(withAmpersand).width(), 2);
}

TEST(FontLabelTest, TextIsTakenAtTheFirstPaintAndKept) {
    CFontLabel label;
    label.resize(200, 30);
    label.SetLabelFont(QStringLiteral("Ms Sans Serif"), 14, 0, 0);
    label.setText(QStringLiteral("Primeiro"));
    EXPECT_TRUE(label.LabelText().isEmpty());
    const QImage first = label.grab().toImage();
    EXPECT_EQ(QStringLiteral("Primeiro"), label.LabelText());
    label.setText(QStringLiteral("Segundo texto"));
    EXPECT_EQ(first, label.grab().toImage());
    EXPECT_EQ(QStringLiteral("Primeiro"), label.LabelText());
}

TEST(FontLabelTest, LongTextWrapsAtWords) {
    CFontLabel label;
    label.resize(90, 80);
    label.SetLabelFont(QStringLiteral("Ms Sans Serif"), 14, 0, 1);
    label.setText(QStringLiteral("Tempo Injeção Padrão"));
    const QFontMetrics metrics(label.LabelFont());
    ASSERT_GT(metrics.horizontalAdvance(label.text()), 90);
    const QRect ink = InkBox(label);
    EXPECT_LT(ink.right(), 90);
    EXPECT_GT(ink.height(), metrics.height()) << "more than one line";
}

}  // namespace
