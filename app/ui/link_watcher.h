#pragma once
// Notices a lost ECU link and gets it back. While a port is open it looks,
// four times a second, at the link's health (link_health.h: a device that
// failed, due answers missing) and at the device file; between exchanges it
// also asks the port itself on the worker. Once lost, it reopens the same
// adapter every second (adapter_identity.h) and asks the screen on top to
// find out whether the ECU answers (its read-back, or the monitor's
// snapshot); when it does, the screen resumes (fields read back, stream
// started again) and the banners say "Reconectado".
//
// One watcher for the program, on the UI thread; it posts its jobs to the
// worker like any exchange, only while no other job waits there.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

#include "comm/ecu_protocol.h"

class EcuWorker;
class LinkHealth;

class LinkWatcher : public QObject {
    Q_OBJECT
  public:
    enum class State { Watching, Lost, Reconnected };
    static constexpr int kCheckPeriodMs = 250;
    static constexpr int kReconnectPeriodMs = 1000;
    static constexpr int kReconnectedShownMs = 3000;

    // Run on the worker after the port reopened: 0 when the ECU answered.
    using Probe = std::function<int(EcuSession&)>;

    // worker gives the program's worker, or null while there is none (the
    // watcher then only waits).
    LinkWatcher(std::function<EcuWorker*()> worker, LinkHealth& health,
                QObject* parent = nullptr);

    // The screen on top says how to find out whether the ECU is back, and
    // what to do on the UI thread once it is. The last screen to ask wins;
    // a screen that goes away takes its probe with it (the owner).
    void SetResumer(QObject* owner, Probe probe, std::function<void()> resumed);

    State state() const { return state_; }
    bool LinkDown() const { return state_ == State::Lost; }
    // "COM21 (/dev/ttyUSB0)", the port the link is on.
    QString PortText() const;

    // One check now (the timer's work), for tests that drive time themselves.
    void CheckNow();
    // Back to watching, forgetting the screen's probe (a new worker).
    void Reset();

  Q_SIGNALS:
    void linkLost(const QString& portText);
    void reconnected();
    // Back to watching after the "Reconectado" notice, or the port closed.
    void settled();

  private:
    void EnterLost();
    void TryReconnect();

    std::function<EcuWorker*()> worker_;
    LinkHealth& health_;
    QTimer checkTimer_;
    QTimer reconnectTimer_;
    QTimer settleTimer_;
    State state_ = State::Watching;
    uint64_t lossesSeen_ = 0;
    bool checkPosted_ = false;
    bool reconnectPosted_ = false;
    QPointer<QObject> owner_;
    Probe probe_;
    std::function<void()> resumed_;
};

// The program's watcher, made when first asked for and owned by the
// application object (ui_globals.cpp).
LinkWatcher& Watcher();
