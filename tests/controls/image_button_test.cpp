// The image button: where each layout style puts image, caption and focus
// frame; and as painted: pressed offset and frame, disabled look, a missing image.
#include "controls/image_button.h"

#include <gtest/gtest.h>

#include <QImage>

#include "controls/image_button_layout.h"

namespace {

// Style 20 is the pages' buttons (centred, never closer than 4 to the edge),
// 37 the default (caption right of the image).
TEST(ImageButtonLayoutTest, EachStylePlacesImageCaptionAndFocusFrame) {
    const struct { int style; QSize client; QRect image, text, focus; } kCases[] = {
        {20, {36, 36}, {4, 4, 32, 32}, {}, {}},  // a tight button keeps four from the edge
        {20, {30, 30}, {6, 6, 32, 32}, {}, {}},   // an image larger than the button stays at six
        {37, {120, 40}, {6, 4, 32, 32}, {44, 6, 70, 28}, {42, 4, 74, 32}},
        {7, {120, 40}, {82, 4, 32, 32}, {6, 6, 70, 28}, {4, 4, 74, 32}},  // image right, caption left
        {9, {80, 30}, {6, 6, 32, 32}, {6, 6, 68, -6}, {4, 4, 72, -2}},    // image bottom, caption above: never above six
        {1, {80, 70}, {6, 6, 32, 32}, {6, 44, 68, 20}, {4, 42, 72, 24}},  // caption below
        {17, {80, 70}, {24, 6, 32, 32}, {6, 44, 68, 20}, {4, 42, 72, 24}},
    };
    for (const auto& c : kCases) {
        const ImageButtonLayout layout = ComputeImageButtonLayout(c.style, c.client, {32, 32});
        EXPECT_EQ((std::vector<QRect>{c.image, c.text, c.focus}), (std::vector<QRect>{layout.ImageRect.ToQRect(),
                  layout.TextRect.ToQRect(), layout.FocusRect.ToQRect()})) << c.style << " " << c.client.width();
    }
}

constexpr int kNext = 229;
constexpr QRgb kWhite = 0xFFFFFF;

QImage Grab(CImageButton& button) { return button.grab().toImage().convertToFormat(QImage::Format_RGB32); }
QRect ImageRect(CImageButton& button) { return button.CurrentLayout().ImageRect.ToQRect(); }

// A button as the pages dress theirs: image centred.
void Dress(CImageButton& button, QSize size, int image) {
    button.resize(size);
    button.SetLayoutStyle(20);
    ASSERT_TRUE(button.SetImage(image, kWhite));
}

// How many pixels of `region` satisfy `test`.
int Count(const QImage& image, const QRect& region, const std::function<bool(QRgb)>& test) {
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) n += test(image.pixel(x, y));
    return n;
}

TEST(ImageButtonTest, PressedDrawsTheImageOnePixelRightAndDownInAFlatBlackFrameAndDisabledInGrey) {
    CImageButton button;
    Dress(button, {48, 48}, kNext);
    const QImage normal = Grab(button);
    button.setDown(true);
    const QImage pressed = Grab(button);
    const QRect image = ImageRect(button);
    EXPECT_EQ(QRect(8, 8, 32, 32), image);
    int moved = 0, same = 0;
    for (int y = image.top(); y <= image.bottom(); ++y)
        for (int x = image.left(); x <= image.right(); ++x) {
            moved += normal.pixel(x, y) == pressed.pixel(x + 1, y + 1);
            same += normal.pixel(x, y) == pressed.pixel(x, y);
        }
    EXPECT_EQ(32 * 32, moved);
    EXPECT_LT(same, 32 * 32);
    // Raised: light top-left and dark bottom-right edges. Pressed: a black
    // outline and a flat face inside it. The arrow's white corners show the face.
    EXPECT_NE(normal.pixel(1, 1), normal.pixel(46, 46));
    EXPECT_TRUE(pressed.pixel(0, 0) == qRgb(0, 0, 0) && pressed.pixel(47, 47) == qRgb(0, 0, 0));
    EXPECT_EQ(pressed.pixel(1, 1), pressed.pixel(46, 46));
    EXPECT_TRUE(normal.pixel(24, 4) == normal.pixel(9, 9) && normal.pixel(9, 9) != qRgb(255, 255, 255));

    button.setDown(false);
    button.setEnabled(false);
    const QImage disabled = Grab(button);
    EXPECT_NE(normal.copy(image), disabled.copy(image));
    EXPECT_EQ(0, Count(disabled, image, [](QRgb c) { return QColor(c).hsvSaturation() > 40; })) << "no colour";
    const QRgb face = disabled.pixel(2, 24);
    EXPECT_GT(Count(disabled, image, [&](QRgb c) { return c != face; }), 100) << "still visible";
    EXPECT_FALSE(button.SetImage(9999, kWhite) || button.IsImageLoaded());
}

}  // namespace
