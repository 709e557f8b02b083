#pragma once
// Push button that shows a numbered image with one colour left out, an
// optional caption, a pressed look, an embossed disabled look and a focus
// frame. Pages use it for every command button.

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPushButton>

#include "controls/image_button_layout.h"

class CImageButton : public QPushButton {
    Q_OBJECT

  public:
    explicit CImageButton(QWidget* parent = nullptr);

    // Loads image id, leaving out the pixels of transparentColour (its alpha
    // is ignored). Replaces any earlier image; false, and no image, when the
    // number is unknown.
    bool SetImage(int id, QRgb transparentColour);
    // Takes effect at the next layout (SetImage or a resize). Always true.
    bool SetLayoutStyle(int style);
    // Caption colour as 0x00BBGGRR.
    void SetTextColour(unsigned int colorref);

    bool IsImageLoaded() const { return ImageLoaded; }
    const ImageButtonLayout& CurrentLayout() const { return Rects; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Layout();
    void DrawImage(QPainter& painter, int offset) const;
    void DrawCaption(QPainter& painter, bool pressed) const;

    QSize ImageSize;
    // The image with its transparent pixels cleared.
    QPixmap MaskedImage;
    // Shape of the image for the embossed disabled look: opaque where the
    // picture is dark enough to show.
    QImage DisabledImage;
    bool ImageLoaded = false;
    int LayoutStyle = kImageButtonCaption | kImageButtonCentreVertical | kImageButtonFocusRect;
    ImageButtonLayout Rects;
    QColor TextColour;
};
