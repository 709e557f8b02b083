#pragma once
// Static text that paints itself in a font of its own: face, cell height,
// colour, bold/italic/underline/strike-out, alignment and word wrap.

#include <QColor>
#include <QLabel>
#include <QString>

class CFontLabel : public QLabel {
    Q_OBJECT

  public:
    // Style bits of SetLabelStyle.
    enum : unsigned char {
        kBold = 1,
        kItalic = 2,
        kUnderline = 4,
        kStrikeOut = 8,
        kAntialiased = 16,
        kCentre = 32,
        kRight = 128,
    };

    explicit CFontLabel(QWidget* parent = nullptr);

    // Switches on the flags of bits 1 to 16 (never off), then aligns: centre
    // with 32, else right with 128, else left.
    void SetLabelStyle(unsigned char style);
    // colorref is 0x00BBGGRR; height is the character cell in pixels.
    void SetLabelFont(const QString& faceName, int height, unsigned int colorref,
                      unsigned char style);

    bool IsBold() const { return Bold; }
    bool IsItalic() const { return Italic; }
    bool IsUnderline() const { return Underline; }
    Qt::Alignment Alignment() const;
    QColor TextColour() const { return Colour; }
    // The text painted: the label's text as it was at the first paint.
    const QString& LabelText() const { return Text; }
    // The font the label paints with.
    QFont LabelFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    enum class HorizontalAlignment { Left, Centre, Right };

    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    bool Antialiased = false;
    HorizontalAlignment Align = HorizontalAlignment::Left;
    QString Face = QStringLiteral("MS Sans Serif");
    QString Text;
    QColor Colour = Qt::black;
    int Height = 8;
};
