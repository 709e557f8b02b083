#include "app/ui/ui_globals.h"

#include <memory>

#include "comm/ecu_worker.h"

namespace {
QFont pageFont;
std::unique_ptr<EcuWorker> worker;
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

void DestroyWorker() { worker.reset(); }
