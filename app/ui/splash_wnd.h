#pragma once
// The start-up splash: a borderless picture over the language page that goes
// away after a second or at the first key or mouse press, which it swallows.

#include <QPixmap>
#include <QWidget>

class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static void SetSplashAllowed(bool allowed);
    static void ShowSplash(QWidget* parent);
    static void HideSplash();
    static CSplashWnd* CurrentSplash();
    // Called for every event of the application before normal handling;
    // true when the event was consumed. Events on other threads than the
    // UI thread are never consumed.
    static bool FilterAppMessage(QEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    explicit CSplashWnd(QWidget* parent, const QPixmap& bitmap);
    QPixmap splashBitmap_;
};
