// Start-up cost: from the process's start to the language page on screen,
// and the peak memory by then. Runs the program's own start (application,
// page font, the eleven page objects) and shows the first page.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "app/globals.h"
#include "app/parameter_table.h"
#include "app/ui/page_dialog.h"
#include "app/ui/splash_wnd.h"
#include "app/ui/ui_globals.h"
#include "app/ui/wizard.h"
#include "app/wizard_flow.h"

namespace {
long PeakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}
}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    ClearParameterTable();
    CreatePageFont();
    CSplashWnd::SetSplashAllowed(false);
    Wizard wizard([](PortChoice) {});
    CPageDialog* language = wizard.Page(PageId::Language);
    qint64 shownMs = -1;
    QTimer::singleShot(0, language, [&] {
        // The first event after the page's window is shown and painted.
        language->repaint();
        shownMs = sinceStart.elapsed();
        language->OnExit();
    });
    language->DoModal();
    std::printf("start-up to the language page: %lld ms, peak resident memory %ld KiB\n",
                static_cast<long long>(shownMs), PeakResidentKb());
    return 0;
}
