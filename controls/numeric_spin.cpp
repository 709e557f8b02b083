#include "controls/numeric_spin.h"
#include "data/number_text.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kMaxIntRange = 32767;
constexpr double kMinTolerance = 1e-9;

std::string Printf(const char* format, double value) {
    return NumberText::Format(format, value);
}

void TrimTrailing(std::string& text, char c) {
    while (!text.empty() && text.back() == c) text.pop_back();
}

}  // namespace

CNumericSpin::CNumericSpin(QWidget* parent)
    : QWidget(parent),
      Symbol('.'),
      Up(new QToolButton(this)),
      Down(new QToolButton(this)) {
    Up->setArrowType(Qt::UpArrow);
    Down->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {Up, Down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::pressed, this, [this] { Held.start(); });
        connect(button, &QToolButton::clicked, this, [this, button] {
            const int clicks = button->isDown() ? AcceleratedClicks(Held.elapsed(), Range) : 1;
            OnDeltaPos(button == Up ? clicks : -clicks);
        });
    }
    resize(20, 32);
}

void CNumericSpin::SetBuddy(QLineEdit* buddy) {
    if (Buddy_)
        Buddy_->removeEventFilter(this);
    Buddy_ = buddy;
    if (Buddy_)
        Buddy_->installEventFilter(this);
    SetRangeAndDelta(Min, Max, Delta);
}

void CNumericSpin::SetRangeAndDelta(double min, double max, double delta) {
    Min = min;
    Max = max;
    Delta = delta;
    if (delta == 0)
        return;
    // 2.55 / 0.01 is 254.99999999999997 in binary: a quotient that far
    // below a whole number counts as that number.
    const double quotient = std::fabs((max - min) / delta);
    const double positions = quotient + std::max(quotient * 1e-9, kMinTolerance);
    Range = positions > kMaxIntRange ? kMaxIntRange : static_cast<int>(positions);
    SetPosFromValue(GetValue());
}

void CNumericSpin::SetValue(double value) {
    if (!Buddy_)
        return;
    Buddy_->setText(QString::fromStdString(FormatValue(value)));
}

double CNumericSpin::GetValue() const {
    if (!Buddy_)
        return 0.0;
    return NumberText::ToDouble(Buddy_->text().toStdString());
}

void CNumericSpin::SetPosFromValue(double value) {
    if (Max == Min)
        return;
    if (value < Min)
        Position = 0;
    else if (value > Max)
        Position = Range;
    else
        Position = static_cast<int>((value - Min) / (Max - Min) * Range + 0.5);
}

std::string CNumericSpin::FormatValue(double value) const {
    if (Decimals == -1)
        return Printf("%g", value);
    const bool exponent = Printf("%g", value).find('e') != std::string::npos;
    char built[16];
    std::snprintf(built, sizeof built, exponent ? "%%.%de" : "%%.%df", Decimals);
    std::string text = Printf(built, value);
    return TrimZeros ? TrimNumberText(text, Symbol) : text;
}

int CNumericSpin::AcceleratedClicks(qint64 heldMs, int rangeSteps) {
    constexpr qint64 kFirstSpeedUpMs = 500;
    constexpr qint64 kSecondSpeedUpMs = 1500;
    if (heldMs < kFirstSpeedUpMs)
        return 1;
    // A hundredth, then a twentieth of the range per repeat (at least 5 and
    // 10 clicks): 0.00 to 2.55 in about 3 s, 0 to 5000 rpm in about 4 s.
    if (heldMs < kSecondSpeedUpMs)
        return std::max(5, rangeSteps / 100);
    return std::max(10, rangeSteps / 20);
}

std::string CNumericSpin::TrimNumberText(const std::string& text, char decimalSymbol) {
    if (text.find(decimalSymbol) == std::string::npos)
        return text;
    const std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    const std::string exponent = e == std::string::npos ? std::string() : text.substr(e);
    TrimTrailing(mantissa, '0');
    TrimTrailing(mantissa, decimalSymbol);
    return mantissa + exponent;
}

void CNumericSpin::OnDeltaPos(int delta) {
    SetValue(std::min(std::max(GetValue() + delta * Delta, Min), Max));
    // The native position follows its own rule: one position per click.
    Position = std::clamp(Position + delta, 0, Range);
}

bool CNumericSpin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Buddy_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            if (!keyEvent->isAutoRepeat() || !Held.isValid())
                Held.start();
            const int clicks =
                keyEvent->isAutoRepeat() ? AcceleratedClicks(Held.elapsed(), Range) : 1;
            OnDeltaPos(key == Qt::Key_Up ? clicks : -clicks);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CNumericSpin::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    Up->setGeometry(0, 0, width(), half);
    Down->setGeometry(0, half, width(), height() - half);
}
