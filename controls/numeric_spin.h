#pragma once
// Up-down control that edits a real number held as text in its buddy edit:
// limits, a step per click and decimals. The
// buddy's text is the value; the control's integer position (0 .. IntRange)
// only mirrors it roughly. Clicks and the Up / Down keys in the buddy step
// the value; only SetValue writes the buddy text.

#include <QElapsedTimer>
#include <QWidget>
#include <string>

class QLineEdit;
class QToolButton;

class CNumericSpin : public QWidget {
    Q_OBJECT

  public:
    explicit CNumericSpin(QWidget* parent = nullptr);

    // Binds the edit whose text is the value and applies the stored range
    // again (the configuration outlives the page's windows).
    void SetBuddy(QLineEdit* buddy);

    // IntRange becomes |(max - min) / delta| cut to a whole number, at most
    // 32767; a delta of 0 stores the three values and changes nothing else.
    void SetRangeAndDelta(double min, double max, double delta);
    void SetDecimals(int decimals) { Decimals = decimals; }
    void SetTrimZeros(bool on) { TrimZeros = on; }

    void SetValue(double value);
    // The leading number of the buddy's text; 0.0 without one or without a buddy.
    double GetValue() const;
    void SetPosFromValue(double value);
    std::string FormatValue(double value) const;

    // One step of `delta` clicks (negative downwards): what a click or an
    // arrow key does. The value stops at the limits.
    void OnDeltaPos(int delta);

    double MinValue() const { return Min; }
    double MaxValue() const { return Max; }
    int IntRange() const { return Range; }
    int Pos() const { return Position; }

    // How many clicks one auto-repeat of a held arrow counts after `heldMs`
    // of holding, for a range of `rangeSteps` clicks: one at first, then
    // faster, as desktop spin boxes do, so a whole range takes seconds.
    static int AcceleratedClicks(qint64 heldMs, int rangeSteps);

    // Trailing zeros and then trailing decimal symbols of the mantissa go;
    // an exponent part is kept. Text without the symbol is left alone.
    static std::string TrimNumberText(const std::string& text, char decimalSymbol);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    double Min = 0.0;
    double Max = 100.0;
    double Delta = 1.0;
    int Range = 100;
    int Decimals = -1;
    bool TrimZeros = true;
    char Symbol;
    int Position = 0;
    QLineEdit* Buddy_ = nullptr;
    QToolButton* Up;
    QToolButton* Down;
    QElapsedTimer Held;  // since the arrow (button or key) went down
};
