#include "app/ui/splash_wnd.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>

#include "resources/image_registry.h"

namespace {
constexpr int kSplashImage = 180;
constexpr int kSplashMs = 1000;
bool splashAllowed = false;
CSplashWnd* currentSplash = nullptr;
}  // namespace

void CSplashWnd::SetSplashAllowed(bool allowed) { splashAllowed = allowed; }
CSplashWnd* CSplashWnd::CurrentSplash() { return currentSplash; }

CSplashWnd::CSplashWnd(QWidget* parent, const QPixmap& bitmap)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), splashBitmap_(bitmap) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(bitmap.size());
    setCursor(Qt::ArrowCursor);
    // Centre on the owner when there is one, else on the screen.
    const QRect area = parent ? parent->frameGeometry() : QGuiApplication::primaryScreen()->geometry();
    move(area.center() - rect().center());
    startTimer(kSplashMs);
}

void CSplashWnd::ShowSplash(QWidget* parent) {
    if (!splashAllowed || currentSplash) return;
    const QPixmap bitmap = ResourceImage(kSplashImage);
    if (bitmap.isNull()) return;
    currentSplash = new CSplashWnd(parent, bitmap);
    currentSplash->show();
    currentSplash->repaint();
}

void CSplashWnd::HideSplash() {
    if (!currentSplash) return;
    CSplashWnd* splash = currentSplash;
    currentSplash = nullptr;
    splash->close();
    if (QWidget* active = QApplication::activeWindow()) active->update();
}

bool CSplashWnd::FilterAppMessage(QEvent* event) {
    // Events of the worker's objects pass through the application on the
    // worker's thread; the splash and its pointer belong to the UI thread.
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) return false;
    if (!currentSplash) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress:
            HideSplash();
            return true;
        default: return false;
    }
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, splashBitmap_);
}

void CSplashWnd::timerEvent(QTimerEvent*) { HideSplash(); }
