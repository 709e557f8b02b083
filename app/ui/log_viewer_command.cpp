#include "app/ui/log_viewer_command.h"

#include <QAction>
#include <QWidget>

namespace {
LogViewerOpener& Opener() {
    static LogViewerOpener opener;
    return opener;
}
}  // namespace

void SetLogViewerOpener(LogViewerOpener opener) {
    Opener() = std::move(opener);
}

void OpenLogs(QWidget* parent, const QString& path) {
    if (Opener())
        Opener()(parent, path);
}

void OfferLogViewer(QWidget* page) {
    auto* action = new QAction(Tr(kOpenLogsCommand), page);
    action->setObjectName(QStringLiteral("openLogs"));
    QObject::connect(action, &QAction::triggered, page, [page] { OpenLogs(page); });
    page->addAction(action);
    page->setContextMenuPolicy(Qt::ActionsContextMenu);
}
