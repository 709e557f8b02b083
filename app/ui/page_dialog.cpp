#include "app/ui/page_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPainter>

#include "app/ui/demo_mode.h"
#include "app/ui/ui_globals.h"
#include "app/wizard_flow.h"
#include "controls/image_button.h"
#include "i18n/ui_text.h"
#include "resources/image_registry.h"

namespace {
constexpr int kBadgeMargin = 4;

QString DemoBadgeText() { return Tr("SIMULADOR DE ECU (demonstração)"); }
}  // namespace

CPageDialog::CPageDialog(int templateId, QWidget* parent)
    : QDialog(parent), templateId_(templateId), demoBadge_(new QLabel(this)) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    // One line: it fits under the command buttons of every page, the small
    // start-up pages included.
    demoBadge_->setObjectName(QStringLiteral("demoBadge"));
    demoBadge_->setText(DemoBadgeText());
    demoBadge_->setAlignment(Qt::AlignCenter);
    demoBadge_->setStyleSheet(QStringLiteral(
        "QLabel { background: rgb(200, 90, 0); color: white; font-weight: bold; font-size: 12px;"
        " border: 1px solid rgb(120, 50, 0); padding: 2px 8px; }"));
    demoBadge_->setAttribute(Qt::WA_TransparentForMouseEvents);
    demoBadge_->hide();
}

CPageDialog::~CPageDialog() { ReleaseBackground(); }

int CPageDialog::DoModal() {
    pendingResult_ = 0;
    OnInitDialog();
    UpdateDemoBadge();
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
    backgroundId_ = resourceId;
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
}

QList<QWidget*> CPageDialog::PageWidgets(QWidget* page) {
    QList<QWidget*> widgets;
    for (QWidget* child : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        // A container only groups its children (the fields' input area):
        // they are what takes room on the page, not its whole-page frame.
        if (child->property(kContainerProperty).toBool())
            widgets.append(PageWidgets(child));
        else
            widgets.append(child);
    }
    return widgets;
}

void CPageDialog::UpdateDemoBadge() {
    if (!DemoModeActive()) {
        demoBadge_->hide();
        return;
    }
    // In the run's language of this showing, before its size is taken.
    demoBadge_->setText(DemoBadgeText());
    // Every widget of the page counts, the hidden ones too: a busy line or
    // a source selector that shows later must not end up under the badge.
    QList<QRect> obstacles;
    for (QWidget* child : PageWidgets(this))
        if (child != demoBadge_)
            obstacles.append(
                child->geometry().translated(child->parentWidget()->mapTo(this, QPoint())));
    demoBadge_->ensurePolished();
    demoBadge_->setGeometry(DemoBadgePlace(size(), demoBadge_->sizeHint(), obstacles));
    demoBadge_->raise();
    demoBadge_->show();
}

QRect CPageDialog::DemoBadgePlace(QSize page, QSize badge, const QList<QRect>& obstacles) {
    auto clear = [&](const QRect& place) {
        for (const QRect& obstacle : obstacles)
            if (obstacle.intersects(place)) return false;
        return true;
    };
    const int left = kBadgeMargin, top = kBadgeMargin;
    const int right = page.width() - badge.width() - kBadgeMargin;
    const int bottom = page.height() - badge.height() - kBadgeMargin;
    const QRect corners[] = {QRect(QPoint(right, bottom), badge), QRect(QPoint(left, bottom), badge),
                             QRect(QPoint(right, top), badge), QRect(QPoint(left, top), badge)};
    for (const QRect& corner : corners)
        if (clear(corner)) return corner;
    constexpr int kStep = 2;
    for (int y = bottom; y >= top; y -= kStep)
        for (int x = right; x >= left; x -= kStep)
            if (clear(QRect(QPoint(x, y), badge))) return QRect(QPoint(x, y), badge);
    return corners[0];
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
