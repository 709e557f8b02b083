#include "app/ui/trace_export.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QWidget>
#include <string>

#include "app/ui/log_viewer_command.h"
#include "app/ui/message_box.h"
#include "comm/comm_trace.h"

void ExportTraceCommand(QWidget* parent) {
    const QString suggested =
        QDir::home().filePath(QStringLiteral("zano-comunicacao-%1.txt")
                                  .arg(QDateTime::currentDateTime().toString(
                                      QStringLiteral("yyyyMMdd-HHmmss"))));
    const QString path = RunFileDialog(
        parent, {true, Tr("Registro de comunicação (*.txt)|*.txt|"),
                 QStringLiteral("txt"), suggested});
    if (path.isEmpty())
        return;
    std::string error;
    if (!ExportTrace(path.toStdString(), &error)) {
        ShowMessageBox(parent,
                       Tr("Não foi possível gravar o registro de comunicação.\n\n%1")
                           .arg(QString::fromStdString(error)),
                       Tr(kExportTraceCommand), BoxIcon::Exclamation);
        return;
    }
    ShowMessageBox(parent, Tr("Registro de comunicação gravado em\n%1").arg(path),
                   Tr(kExportTraceCommand), BoxIcon::Information);
}

void OfferTraceExport(QWidget* page) {
    auto* action = new QAction(Tr(kExportTraceCommand), page);
    action->setObjectName(QStringLiteral("exportTrace"));
    QObject::connect(action, &QAction::triggered, page, [page] { ExportTraceCommand(page); });
    page->addAction(action);
    page->setContextMenuPolicy(Qt::ActionsContextMenu);
    // The same menu opens the recorded datalogs.
    OfferLogViewer(page);
}
