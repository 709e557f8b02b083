// The image button as painted: pressed offset and frame, disabled look,
// image replacement, a missing image, caption and re-layout on resize.
#include "controls/image_button.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

constexpr int kNext = 229;
constexpr int kReturn = 232;
constexpr QRgb kWhite = 0xFFFFFF;

QImage Grab(CImageButton& button) {
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A button as the pages dress theirs: red caption colour, image centred.
void Dress(CImageButton& button, QSize size, int image) {
    button.resize(size);
    button.SetTextColour(200);
    button.SetLayoutStyle(20);
    ASSERT_TRUE(button.SetImage(image, kWhite));
}

bool RegionsEqual(const QImage& a, const QImage& b, const QRect& region) {
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
        }
    }
    return true;
}

TEST(ImageButtonTest, PressedButtonDrawsTheImageOnePixelRightAndDownWithoutRaisedFrame) {
    CImageButton button;
    Dress(button, {48, 48}, kNext);
    const QImage normal = Grab(button);
    button.setDown(true);
    const QImage pressed = Grab(button);

    const QRect image = button.CurrentLayout().ImageRect.ToQRect();
    EXPECT_EQ(QRect(8, 8, 32, 32), image);
    EXPECT_FALSE(RegionsEqual(normal, pressed, image));
    for (int y = image.top(); y <= image.bottom(); ++y) {
        for (int x = image.left(); x <= image.right(); ++x) {
            ASSERT_EQ(normal.pixel(x, y), pressed.pixel(x + 1, y + 1)) << x << "," << y;
        }
    }
    // Raised: light top-left and dark bottom-right edges. Pressed: a black
    // outline and a flat face inside it.
    EXPECT_NE(normal.pixel(1, 1), normal.pixel(46, 46));
    EXPECT_EQ(qRgb(0, 0, 0), pressed.pixel(0, 0));
    EXPECT_EQ(qRgb(0, 0, 0), pressed.pixel(47, 47));
    EXPECT_EQ(pressed.pixel(1, 1), pressed.pixel(46, 46));
}

TEST(ImageButtonTest, DisabledButtonShowsAGreyEmbossedImage) {
    CImageButton button;
    Dress(button, {48, 48}, kNext);
    const QImage enabled = Grab(button);
    button.setEnabled(false);
    const QImage disabled = Grab(button);

    const QRect image = button.CurrentLayout().ImageRect.ToQRect();
    EXPECT_FALSE(RegionsEqual(enabled, disabled, image));
    int colourful = 0;
    int marked = 0;
    for (int y = image.top(); y <= image.bottom(); ++y) {
        for (int x = image.left(); x <= image.right(); ++x) {
            const QColor shown(disabled.pixel(x, y));
            if (shown.hsvSaturation() > 40)
                ++colourful;
            if (disabled.pixel(x, y) != disabled.pixel(2, 24))
                ++marked;
        }
    }
    EXPECT_EQ(0, colourful) << "the disabled arrow must not keep its colour";
    EXPECT_GT(marked, 100) << "the disabled arrow must still be visible";
}

TEST(ImageButtonTest, SettingAnotherImageReplacesTheFirstCompletely) {
    CImageButton next;
    Dress(next, {48, 48}, kNext);
    const QImage nextOnly = Grab(next);

    CImageButton button;
    Dress(button, {48, 48}, kReturn);
    const QImage returnOnly = Grab(button);
    ASSERT_TRUE(button.SetImage(kNext, kWhite));
    EXPECT_EQ(nextOnly, Grab(button));
    EXPECT_NE(returnOnly, nextOnly);

    // A wider image is laid out anew: the 64 x 44 badge in an 84 x 84 button.
    ASSERT_TRUE(button.SetImage(260, kWhite));
    button.show();
    button.resize(84, 84);
    EXPECT_EQ(QRect(10, 20, 64, 44), button.CurrentLayout().ImageRect.ToQRect());
}

TEST(ImageButtonTest, UnknownImageLeavesAPlainButtonThatStillPaints) {
    CImageButton plain;
    plain.resize(48, 48);
    const QImage empty = Grab(plain);

    CImageButton button;
    Dress(button, {48, 48}, kNext);
    EXPECT_FALSE(button.SetImage(9999, kWhite));
    EXPECT_FALSE(button.IsImageLoaded());
    const QImage shown = Grab(button);
    EXPECT_EQ(empty, shown);
    EXPECT_NE(shown.pixel(0, 0), shown.pixel(24, 24)) << "the frame is still drawn";
    EXPECT_NE(shown.pixel(47, 47), shown.pixel(24, 24)) << "the frame is still drawn";
}

TEST(ImageButtonTest, TransparentColourShowsTheButtonFace) {
    CImageButton button;
    Dress(button, {48, 48}, kNext);
    const QImage shown = Grab(button);
    // The arrow's picture is white in its corners; the face shows there.
    EXPECT_EQ(shown.pixel(24, 4), shown.pixel(9, 9));
    EXPECT_NE(qRgb(255, 255, 255), shown.pixel(9, 9));
}

TEST(ImageButtonTest, CaptionShowsOnlyWithTheCaptionStyleAndInTheTextColour) {
    CImageButton silent;
    Dress(silent, {160, 48}, kNext);
    const QImage withoutText = Grab(silent);
    silent.setText(QStringLiteral("CALIBRAR"));
    EXPECT_EQ(withoutText, Grab(silent)) << "style 20 draws no caption";

    CImageButton captioned;
    captioned.resize(160, 48);
    captioned.setText(QStringLiteral("CALIBRAR"));
    captioned.SetTextColour(200);
    captioned.SetLayoutStyle(5);
    ASSERT_TRUE(captioned.SetImage(273, kWhite));
    const QImage shown = Grab(captioned);
    const QRect text = captioned.CurrentLayout().TextRect.ToQRect();
    int red = 0;
    for (int y = text.top(); y <= text.bottom(); ++y) {
        for (int x = text.left(); x <= text.right(); ++x) {
            const QColor c(shown.pixel(x, y));
            if (c.red() > 150 && c.green() < 80 && c.blue() < 80)
                ++red;
        }
    }
    EXPECT_GT(red, 20) << "colour 200 is red 200, green 0, blue 0";
}

TEST(ImageButtonTest, ResizeLaysOutAgainWithTheStyleSetMeanwhile) {
    CImageButton button;
    Dress(button, {36, 36}, kNext);
    button.show();
    EXPECT_EQ(QRect(4, 4, 32, 32), button.CurrentLayout().ImageRect.ToQRect());
    button.SetLayoutStyle(0);
    EXPECT_EQ(QRect(4, 4, 32, 32), button.CurrentLayout().ImageRect.ToQRect());
    button.resize(48, 48);
    EXPECT_EQ(QRect(6, 6, 32, 32), button.CurrentLayout().ImageRect.ToQRect());
    button.SetLayoutStyle(20);
    button.resize(48, 49);
    EXPECT_EQ(QRect(8, 8, 32, 32), button.CurrentLayout().ImageRect.ToQRect());
}

}  // namespace
