#include "controls/image_button.h"

#include <qdrawutil.h>

#include <QApplication>
#include <QPainter>
#include <QResizeEvent>

#include "controls/colorref.h"
#include "resources/image_registry.h"

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;
// Pixels lighter than this drop out of the embossed disabled picture, as
// white does: light details stay visible as holes instead of a blot.
constexpr int kEmbossThreshold = 200;

void DrawTinted(QPainter& painter, QPoint at, const QImage& shape, const QColor& colour) {
    QImage tinted(shape.size(), QImage::Format_ARGB32_Premultiplied);
    tinted.fill(colour);
    QPainter tint(&tinted);
    tint.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    tint.drawImage(0, 0, shape);
    tint.end();
    painter.drawImage(at, tinted);
}

// Dotted frame that inverts what is under it, like the platform's focus
// rectangle.
void DrawFocusFrame(QPainter& painter, const QRect& frame) {
    if (frame.isEmpty())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white, 1);
    pen.setDashPattern({1, 1});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.restore();
}

}  // namespace

CImageButton::CImageButton(QWidget* parent)
    : QPushButton(parent), TextColour(palette().color(QPalette::WindowText)) {}

bool CImageButton::SetImage(int id, QRgb transparentColour) {
    if (ImageLoaded) {
        MaskedImage = QPixmap();
        DisabledImage = QImage();
        ImageSize = QSize();
        ImageLoaded = false;
    }
    const QPixmap bitmap = ResourceImage(id);
    if (bitmap.isNull())
        return false;

    const QRgb key = transparentColour & kRgbMask;
    const QImage source = bitmap.toImage().convertToFormat(QImage::Format_RGB32);
    QImage masked(source.size(), QImage::Format_ARGB32);
    QImage shape(source.size(), QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(masked.scanLine(y));
        QRgb* emboss = reinterpret_cast<QRgb*>(shape.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const bool transparent = (in[x] & kRgbMask) == key;
            out[x] = transparent ? 0u : in[x];
            // The disabled copy has the transparent colour turned white.
            const QRgb disabled = transparent ? qRgb(255, 255, 255) : in[x];
            emboss[x] = qGray(disabled) < kEmbossThreshold ? qRgba(0, 0, 0, 255) : 0u;
        }
    }
    MaskedImage = QPixmap::fromImage(masked);
    DisabledImage = shape;
    ImageSize = source.size();
    ImageLoaded = true;
    Layout();
    update();
    return true;
}

bool CImageButton::SetLayoutStyle(int style) {
    LayoutStyle = style;
    return true;
}

void CImageButton::SetTextColour(unsigned int colorref) {
    TextColour = ColourFromColorref(colorref);
    update();
}

void CImageButton::Layout() {
    Rects = ComputeImageButtonLayout(LayoutStyle, size(), ImageSize);
}

void CImageButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    Layout();
    update();
}

void CImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect item = rect();
    const bool focused = hasFocus();
    const bool pressed = isDown();
    painter.fillRect(item, palette().color(QPalette::Button));
    const QRect frame = focused ? item.adjusted(1, 1, -1, -1) : item;
    const QRect inner = frame.adjusted(3, 3, -3, -3);
    const int offset = pressed ? 1 : 0;
    if (!pressed)
        qDrawWinButton(&painter, frame, palette(), false, nullptr);
    if (isEnabled()) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        if (focused)
            painter.drawRect(item.adjusted(0, 0, -1, -1));
        if (pressed)
            painter.drawRect(frame.adjusted(0, 0, -1, -1));
    }
    // Every paint starts from a clean face, so the frame is drawn once; the
    // platform's second drawing on a focus change only undid the first.
    if (focused)
        DrawFocusFrame(painter,
                       LayoutStyle & kImageButtonFocusRect ? Rects.FocusRect.ToQRect() : inner);
    if (ImageLoaded)
        DrawImage(painter, offset);
    DrawCaption(painter, pressed);
}

void CImageButton::DrawImage(QPainter& painter, int offset) const {
    const QPoint at(Rects.ImageRect.Left + offset, Rects.ImageRect.Top + offset);
    if (isEnabled()) {
        painter.drawPixmap(at, MaskedImage);
        return;
    }
    DrawTinted(painter, at + QPoint(1, 1), DisabledImage, palette().color(QPalette::Light));
    DrawTinted(painter, at, DisabledImage, palette().color(QPalette::Dark));
}

void CImageButton::DrawCaption(QPainter& painter, bool pressed) const {
    if (Rects.TextRect.IsEmpty())
        return;
    QRect box = Rects.TextRect.ToQRect();
    if (pressed)
        box.translate(1, 1);
    // The caption uses the font of the window the button sits in, as the
    // pages expect; a font set on the button itself does not count.
    painter.setFont(parentWidget() != nullptr ? parentWidget()->font() : QApplication::font());
    const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (isEnabled()) {
        painter.setPen(TextColour);
        painter.drawText(box, flags, text());
        return;
    }
    painter.setPen(palette().color(QPalette::Base));
    painter.drawText(box.translated(1, 1), flags, text());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(box, flags, text());
}
