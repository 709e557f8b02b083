#include "app/ui/link_watcher.h"

#include <utility>

#include "app/globals.h"
#include "comm/ecu_worker.h"
#include "comm/link_health.h"
#include "comm/timing_profiles.h"

LinkWatcher::LinkWatcher(std::function<EcuWorker*()> worker, LinkHealth& health, QObject* parent)
    : QObject(parent), worker_(std::move(worker)), health_(health), lossesSeen_(health.Losses()) {
    checkTimer_.setInterval(kCheckPeriodMs);
    connect(&checkTimer_, &QTimer::timeout, this, &LinkWatcher::CheckNow);
    reconnectTimer_.setInterval(kReconnectPeriodMs);
    connect(&reconnectTimer_, &QTimer::timeout, this, &LinkWatcher::TryReconnect);
    settleTimer_.setSingleShot(true);
    settleTimer_.setInterval(kReconnectedShownMs);
    connect(&settleTimer_, &QTimer::timeout, this, [this] {
        if (state_ == State::Reconnected) {
            state_ = State::Watching;
            Q_EMIT settled();
        }
    });
    checkTimer_.start();
}

void LinkWatcher::Reset() {
    reconnectTimer_.stop();
    settleTimer_.stop();
    state_ = State::Watching;
    lossesSeen_ = health_.Losses();
    checkPosted_ = false;
    reconnectPosted_ = false;
    SetResumer(nullptr, Probe(), {});
}

void LinkWatcher::SetResumer(QObject* owner, Probe probe, std::function<void()> resumed) {
    owner_ = owner;
    probe_ = std::move(probe);
    resumed_ = std::move(resumed);
}

QString LinkWatcher::PortText() const {
    const QString name = QStringLiteral("COM%1").arg(g_SerialPort.GetPortNumber());
    const std::string node = health_.NodePath();
    return node.empty() ? name : QStringLiteral("%1 (%2)").arg(name, QString::fromStdString(node));
}

void LinkWatcher::CheckNow() {
    if (state_ == State::Lost) {
        // The program closed the port meanwhile (the customer page ended):
        // nothing left to recover.
        if (!health_.PortOpen() && !health_.Lost() && !reconnectPosted_) {
            reconnectTimer_.stop();
            state_ = State::Watching;
            Q_EMIT settled();
        }
        return;
    }
    if (health_.PortOpen() && health_.NodeGone())
        health_.DeviceFailed();
    if (health_.Losses() != lossesSeen_ || health_.Lost()) {
        lossesSeen_ = health_.Losses();
        EnterLost();
        return;
    }
    // Between exchanges, a hang-up that left the device file in place.
    EcuWorker* worker = worker_();
    if (worker && health_.PortOpen() && worker->Idle() && !checkPosted_) {
        checkPosted_ = true;
        worker->Post([](EcuSession& session) { return session.port.CheckDevice() ? 0 : 1; },
                     [this](int) { checkPosted_ = false; });
    }
}

void LinkWatcher::EnterLost() {
    state_ = State::Lost;
    settleTimer_.stop();
    reconnectTimer_.start();
    Q_EMIT linkLost(PortText());
}

void LinkWatcher::TryReconnect() {
    // The job the link cut ends first; one attempt at a time.
    EcuWorker* worker = worker_();
    if (!worker || reconnectPosted_ || !worker->Idle())
        return;
    reconnectPosted_ = true;
    Probe probe = owner_ ? probe_ : Probe();
    if (!probe) {
        probe = [](EcuSession& session) {
            return ProbeEcu(session, TimingFor(EcuCaller::CustomerPage));
        };
    }
    SyncSessionFromGlobals();
    worker->Post(
        [probe](EcuSession& session) {
            if (!ReopenEcuLink(session))
                return 1;
            return probe(session);
        },
        [this](int result) {
            reconnectPosted_ = false;
            if (state_ != State::Lost || result != 0 || health_.Lost())
                return;
            reconnectTimer_.stop();
            lossesSeen_ = health_.Losses();
            state_ = State::Reconnected;
            if (owner_ && resumed_)
                resumed_();
            Q_EMIT reconnected();
            settleTimer_.start();
        });
}
