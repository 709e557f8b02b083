#include "app/ui/message_box.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {
std::function<int(const MessageRequest&)> messageResponder;
std::function<QString(const FileDialogRequest&)> fileResponder;

QMessageBox::Icon ToQtIcon(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Information: return QMessageBox::Information;
        case BoxIcon::Question: return QMessageBox::Question;
        case BoxIcon::Exclamation: return QMessageBox::Warning;
        case BoxIcon::Stop: return QMessageBox::Critical;
        case BoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// "Name (*.ext)|*.ext|" becomes Qt's "Name (*.ext)".
QString ToQtFilter(const QString& filter) { return filter.section('|', 0, 0); }
}  // namespace

BoxIcon ToBoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return BoxIcon::Information;
        case MessageIcon::Exclamation: return BoxIcon::Exclamation;
        case MessageIcon::Stop: return BoxIcon::Stop;
        case MessageIcon::None: break;
    }
    return BoxIcon::None;
}

void SetMessageBoxResponder(std::function<int(const MessageRequest&)> responder) {
    messageResponder = std::move(responder);
}

void SetFileDialogResponder(std::function<QString(const FileDialogRequest&)> responder) {
    fileResponder = std::move(responder);
}

int ShowMessageBox(QWidget* parent, const QString& text, const QString& title, BoxIcon icon,
                   BoxButtons buttons) {
    if (messageResponder) return messageResponder({text, title, icon, buttons});
    // A box without a title shows the program's name, as the platform does.
    const QString shownTitle = title.isEmpty() ? QCoreApplication::applicationName() : title;
    QMessageBox box(ToQtIcon(icon), shownTitle, text,
                    buttons == BoxButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    parent);
    const int answer = box.exec();
    if (buttons == BoxButtons::Ok) return kAnswerOk;
    return answer == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

QString RunFileDialog(QWidget* parent, const FileDialogRequest& request) {
    if (fileResponder) return fileResponder(request);
    QFileDialog dialog(parent);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(ToQtFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    // The overwrite question is the program's own ("Arquivo Existente").
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.initialPath.isEmpty()) dialog.selectFile(request.initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}
