#include "controls/image_button_layout.h"

#include <algorithm>

namespace {

// Distance of the image and the caption from the button edges; the focus
// frame keeps 4.
constexpr int kMargin = 6;
constexpr int kFocusMargin = 4;

}  // namespace

ImageButtonLayout ComputeImageButtonLayout(int style, QSize client, QSize image) {
    const int cw = client.width();
    const int ch = client.height();
    const int w = image.width();
    const int h = image.height();
    ImageButtonLayout layout;
    EdgeRect& img = layout.ImageRect;
    img = {kMargin, kMargin, kMargin + w, kMargin + h};

    if (style & kImageButtonImageRight) {
        img.Left = cw - w - kMargin;
        img.Right = img.Left + w;
    }
    if (style & kImageButtonCentreVertical) {
        const int d = ch - h;
        // Centring never brings the image closer than 4 to the edge.
        if (d > 0) {
            img.Top = std::max(d / 2, kFocusMargin);
            img.Bottom = img.Top + h;
        }
    } else if (style & kImageButtonImageBottom) {
        img.Top = std::max(ch - h - kMargin, kMargin);
        img.Bottom = img.Top + h;
    }
    if (style & kImageButtonCentreHorizontal) {
        const int d = cw - w;
        if (d > 0) {
            img.Left = std::max(d / 2, kFocusMargin);
            img.Right = img.Left + w;
        }
    }
    if (!(style & kImageButtonCaption))
        return layout;

    EdgeRect& text = layout.TextRect;
    EdgeRect& focus = layout.FocusRect;
    if (style & kImageButtonCentreVertical) {
        text.Top = kMargin;
        text.Bottom = ch - kMargin;
        focus.Top = kFocusMargin;
        focus.Bottom = ch - kFocusMargin;
    } else if (style & kImageButtonImageBottom) {
        text.Top = kMargin;
        text.Bottom = img.Top - kMargin;
        focus.Top = kFocusMargin;
        focus.Bottom = img.Top - kFocusMargin;
    } else {
        text.Top = img.Bottom + kMargin;
        text.Bottom = ch - kMargin;
        focus.Top = img.Bottom + kFocusMargin;
        focus.Bottom = ch - kFocusMargin;
    }
    if ((style & kImageButtonCentreVertical) && (style & kImageButtonImageRight)) {
        text.Left = kMargin;
        text.Right = img.Left - kMargin;
        focus.Left = kFocusMargin;
        focus.Right = img.Left - kFocusMargin;
    } else if (style & kImageButtonCentreVertical) {
        text.Left = img.Right + kMargin;
        text.Right = cw - kMargin;
        focus.Left = img.Right + kFocusMargin;
        focus.Right = cw - kFocusMargin;
    } else {
        text.Left = kMargin;
        text.Right = cw - kMargin;
        focus.Left = kFocusMargin;
        focus.Right = cw - kFocusMargin;
    }
    return layout;
}
