#include "app/ui/page_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPainter>

#include "app/ui/demo_mode.h"
#include "app/ui/ui_globals.h"
#include "app/wizard_flow.h"
#include "controls/image_button.h"
#include "resources/image_registry.h"

CPageDialog::CPageDialog(int templateId, QWidget* parent) : QDialog(parent), templateId_(templateId) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
}

CPageDialog::~CPageDialog() { ReleaseBackground(); }

int CPageDialog::DoModal() {
    pendingResult_ = 0;
    OnInitDialog();
    // A page may end itself during its start (before its modal loop runs).
    if (pendingResult_ != 0) return pendingResult_;
    inModalLoop_ = true;
    // Keys of every control of the page pass through the page first.
    qApp->installEventFilter(this);
    const int code = exec();
    qApp->removeEventFilter(this);
    inModalLoop_ = false;
    return code;
}

void CPageDialog::done(int code) {
    if (!inModalLoop_) {
        pendingResult_ = code;
        return;
    }
    QDialog::done(code);
}

void CPageDialog::DestroyPageWindow() {
    hide();
    ReleaseBackground();
}

void CPageDialog::SetBackgroundMode(int mode) {
    if (mode == kTile || mode == kCentre || mode == kStretch) backgroundMode_ = mode;
}

bool CPageDialog::SetBackgroundBitmap(int resourceId) {
    backgroundBitmap_ = ResourceImage(resourceId);
    update();
    return !backgroundBitmap_.isNull();
}

void CPageDialog::ReleaseBackground() { backgroundBitmap_ = QPixmap(); }

QList<QRect> CPageDialog::BackgroundPlacements(int mode, QSize client, QSize bitmap) {
    QList<QRect> placements;
    const int w = bitmap.width(), h = bitmap.height();
    if (w <= 0 || h <= 0) return placements;
    switch (mode) {
        case kTile:
            for (int y = 0; y < client.height(); y += h)
                for (int x = 0; x < client.width(); x += w) placements.append(QRect(x, y, w, h));
            break;
        case kCentre: {
            const int x = w < client.width() ? (client.width() - w) / 2 : 0;
            const int y = h < client.height() ? (client.height() - h) / 2 : 0;
            placements.append(QRect(x, y, w, h));
            break;
        }
        case kStretch: placements.append(QRect(QPoint(0, 0), client)); break;
        default: break;
    }
    return placements;
}

void CPageDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    if (!backgroundBitmap_.isNull()) {
        for (const QRect& place : BackgroundPlacements(backgroundMode_, size(), backgroundBitmap_.size()))
            painter.drawPixmap(place, backgroundBitmap_);
    }
    if (DemoModeActive()) {
        // Nobody must mistake the simulator's values for a real car's.
        const QString badge = QStringLiteral(" SIMULADOR DE ECU (demonstração) ");
        QFont font = painter.font();
        font.setPixelSize(11);
        font.setBold(true);
        painter.setFont(font);
        const QRect box = painter.fontMetrics().boundingRect(badge).adjusted(-4, -2, 4, 2);
        const QRect place(width() - box.width() - 6, height() - box.height() - 6, box.width(), box.height());
        painter.fillRect(place, QColor(200, 120, 0));
        painter.setPen(Qt::white);
        painter.drawText(place, Qt::AlignCenter, badge);
    }
}

void CPageDialog::OnReturn() { done(kResultBack); }
void CPageDialog::OnNext() { done(kResultNext); }
void CPageDialog::OnExit() { done(kResultQuit); }

// The cancel action ends the page with Quit.
void CPageDialog::reject() { done(kResultQuit); }
void CPageDialog::accept() { OnOK(); }

bool CPageDialog::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) return PreTranslateKey(static_cast<QKeyEvent*>(e));
    }
    return QDialog::eventFilter(watched, e);
}

bool CPageDialog::CtrlHeld(const QKeyEvent* e) {
    if (e->key() == Qt::Key_Control) return e->type() == QEvent::KeyPress;
    return e->modifiers().testFlag(Qt::ControlModifier);
}

bool CPageDialog::PreTranslateKey(QKeyEvent* e) {
    // The shared flag follows every key event, for whoever reads it.
    const bool ctrl = CtrlHeld(e);
    CtrlKeyDown = ctrl ? 1 : 0;
    if (e->key() == Qt::Key_Control || e->type() != QEvent::KeyPress) return false;
    if (HasCtrlShortcuts() && ctrl && e->key() == Qt::Key_Right) {
        NextCommand();
        return true;
    }
    if (HasCtrlShortcuts() && ctrl && e->key() == Qt::Key_Left) {
        ReturnCommand();
        return true;
    }
    if (e->key() == Qt::Key_Escape) {
        if (EscapeEndsPage()) reject();
        return true;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // A multi-line field takes Enter as a line break.
        if (qobject_cast<QPlainTextEdit*>(QApplication::focusWidget())) return false;
        OnOK();
        return true;
    }
    return false;
}

void CPageDialog::DressButton(CImageButton* button, int imageId, const QString& tooltip) {
    button->SetTextColour(200);
    button->SetLayoutStyle(20);
    button->SetImage(imageId, 0xFFFFFF);
    button->setToolTip(tooltip);
    button->setAutoDefault(false);
    button->setDefault(false);
}
