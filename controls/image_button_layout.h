#pragma once
// Where an image button puts its image, caption and focus frame. Kept apart
// from the widget so the placement rules can be checked on their own.

#include <QRect>
#include <QSize>

// Bits of the layout style.
enum ImageButtonStyle : int {
    kImageButtonCaption = 1,         // the caption is laid out and drawn
    kImageButtonImageRight = 2,      // image at the right edge instead of the left
    kImageButtonCentreVertical = 4,  // image centred vertically, caption beside it
    kImageButtonImageBottom = 8,     // (without 4) image at the bottom, caption above
    kImageButtonCentreHorizontal = 16,
    kImageButtonFocusRect = 32,  // focus frame at FocusRect, else the button inset by 3
};

// Rectangle given by its edges; right and bottom lie just outside it, so
// (6, 6, 38, 38) holds a 32 x 32 image. All zero is the empty rectangle.
struct EdgeRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    bool operator==(const EdgeRect& other) const {
        return Left == other.Left && Top == other.Top && Right == other.Right &&
               Bottom == other.Bottom;
    }
};

struct ImageButtonLayout {
    EdgeRect ImageRect;
    EdgeRect TextRect;
    EdgeRect FocusRect;
};

ImageButtonLayout ComputeImageButtonLayout(int style, QSize client, QSize image);
