#pragma once
// The program's message boxes and file dialogs go through here, so tests can
// answer them without a window and see exactly what the user would have seen.

#include <QString>
#include <functional>

#include "comm/ecu_protocol.h"

class QWidget;

enum class BoxIcon { None, Information, Question, Exclamation, Stop };
// The box of a message the ECU exchanges raise (page hooks).
BoxIcon ToBoxIcon(MessageIcon icon);

enum class BoxButtons { Ok, YesNo };
enum BoxAnswer { kAnswerOk = 1, kAnswerYes = 6, kAnswerNo = 7 };

struct MessageRequest {
    QString text;
    QString title;
    BoxIcon icon;
    BoxButtons buttons;
};

// Shows a modal box and gives the answer.
int ShowMessageBox(QWidget* parent, const QString& text, const QString& title, BoxIcon icon,
                   BoxButtons buttons = BoxButtons::Ok);

struct FileDialogRequest {
    bool save;
    QString filter;            // "Arquivos Padrão Zano (*.Q7100)|*.Q7100|"
    QString defaultExtension;  // empty for the open dialog
    QString initialPath;
};

// The chosen path, or an empty text when the user cancelled.
QString RunFileDialog(QWidget* parent, const FileDialogRequest& request);

// Tests replace the windows with these; an empty function restores them.
void SetMessageBoxResponder(std::function<int(const MessageRequest&)> responder);
void SetFileDialogResponder(std::function<QString(const FileDialogRequest&)> responder);
