#include "app/ui/ui_globals.h"

#include <QCoreApplication>
#include <QPointer>
#include <memory>

#include "app/ui/link_watcher.h"
#include "comm/ecu_worker.h"

namespace {
QFont pageFont;
std::unique_ptr<EcuWorker> worker;
QPointer<LinkWatcher> watcher;
}  // namespace

QFont& PageFont() { return pageFont; }

void CreatePageFont() {
    pageFont = QFont(QStringLiteral("Arial"));
    pageFont.setPixelSize(18);
    pageFont.setWeight(QFont::Bold);
    pageFont.setStyleHint(QFont::SansSerif);
}

EcuWorker& Worker() {
    if (!worker) CreateWorker();
    return *worker;
}

void CreateWorker() {
    if (!worker) worker = std::make_unique<EcuWorker>(GlobalSession());
}

LinkWatcher& Watcher() {
    if (!watcher)
        watcher = new LinkWatcher([] { return worker.get(); }, g_SerialPort.Health(),
                                  QCoreApplication::instance());
    return *watcher;
}

// Results of the watcher's jobs die with the worker: it starts afresh.
void DestroyWorker() {
    worker.reset();
    if (watcher) watcher->Reset();
}
