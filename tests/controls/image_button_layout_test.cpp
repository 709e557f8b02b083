// Placement of image, caption and focus frame in an image button, for each
// layout style the pages use and the edges of the rules.
#include "controls/image_button_layout.h"

#include <gtest/gtest.h>

#include <ostream>

std::ostream& operator<<(std::ostream& out, const EdgeRect& r) {
    return out << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

namespace {

struct LayoutCase {
    const char* name;
    int style;
    QSize client, image;
    EdgeRect imageRect, textRect, focusRect;
};

// Style 20 is the pages' buttons (centred, never closer than 4 to the edge),
// 37 the default (caption right of the image), 5 the calibration button.
const LayoutCase kCases[] = {
    {"CentredImageKeepsFourFromTheEdgeOfATightButton", 20, {36, 36}, {32, 32}, {4, 4, 36, 36}, {}, {}},
    {"CentredImageSitsInTheMiddleOfALargeButton", 20, {48, 48}, {32, 32}, {8, 8, 40, 40}, {}, {}},
    {"CentredImageRoundsTheOddRemainderDown", 20, {64, 45}, {32, 32}, {16, 6, 48, 38}, {}, {}},
    {"ImageLargerThanTheButtonStaysAtSix", 20, {30, 30}, {32, 32}, {6, 6, 38, 38}, {}, {}},
    {"DefaultPutsTheCaptionRightOfTheImage", 37, {120, 40}, {32, 32}, {6, 4, 38, 36}, {44, 6, 114, 34}, {42, 4, 116, 36}},
    {"CaptionBesideImageWithoutFocusBit", 5, {160, 50}, {32, 32}, {6, 9, 38, 41}, {44, 6, 154, 44}, {42, 4, 156, 46}},
    {"ImageRightPutsTheCaptionLeftOfIt", 7, {120, 40}, {32, 32}, {82, 4, 114, 36}, {6, 6, 76, 34}, {4, 4, 78, 36}},
    {"ImageAtTheBottomPutsTheCaptionAbove", 9, {80, 70}, {32, 32}, {6, 32, 38, 64}, {6, 6, 74, 26}, {4, 4, 76, 28}},
    {"ImageAtTheBottomNeverRisesAboveSix", 9, {80, 30}, {32, 32}, {6, 6, 38, 38}, {6, 6, 74, 0}, {4, 4, 76, 2}},
    {"WithoutPlacementBitsTheCaptionGoesBelowTheImage", 1, {80, 70}, {32, 32}, {6, 6, 38, 38}, {6, 44, 74, 64}, {4, 42, 76, 66}},
    {"ImageRightAloneMovesOnlyTheImage", 2, {80, 70}, {32, 32}, {42, 6, 74, 38}, {}, {}},
    {"HorizontalCentringWithCaptionBelow", 17, {80, 70}, {32, 32}, {24, 6, 56, 38}, {6, 44, 74, 64}, {4, 42, 76, 66}},
};

class ImageButtonLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ImageButtonLayoutTest, PlacesImageCaptionAndFocusFrame) {
    const LayoutCase& c = GetParam();
    const ImageButtonLayout layout = ComputeImageButtonLayout(c.style, c.client, c.image);
    EXPECT_EQ(c.imageRect, layout.ImageRect);
    EXPECT_EQ(c.textRect, layout.TextRect);
    EXPECT_EQ(c.focusRect, layout.FocusRect);
}

INSTANTIATE_TEST_SUITE_P(Styles, ImageButtonLayoutTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<LayoutCase>& row) { return row.param.name; });

TEST(EdgeRectTest, RightAndBottomLieOutsideTheRectangle) {
    EXPECT_EQ(QRect(4, 4, 32, 32), (EdgeRect{4, 4, 36, 36}).ToQRect());
    EXPECT_TRUE(EdgeRect().IsEmpty());
    EXPECT_TRUE((EdgeRect{6, 6, 74, 0}).IsEmpty());
}

}  // namespace
