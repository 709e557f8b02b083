#pragma once
// Two sets of register values side by side in a modal box, by field caption,
// unit and each value as its field shows it (config_compare.h). The frame of
// the configuration pages shows it before a write that changes more than one
// register, and for "Comparar com a ECU" after a Load. The table can be
// copied as tab-separated text ("Copiar", Ctrl+C).

#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "pages/config_compare.h"

class QLabel;
class QPushButton;
class QTableWidget;

constexpr const char* kCompareCommand = TR_NOOP("Comparar com a ECU");
constexpr const char* kConfirmWriteTitle = TR_NOOP("Confirmar gravação na ECU");
constexpr const char* kNoDifferenceText = TR_NOOP("Nenhuma diferença");

class CCompareDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Purpose {
        ConfirmWrite,  // "Gravar" (accept) and "Cancelar"
        View,          // "Fechar" only
    };

    CCompareDialog(QWidget* parent, Purpose purpose, const QString& title, const QString& intro,
                   std::vector<FieldDifference> differences, const std::string& leftTitle,
                   const std::string& rightTitle);

    Purpose Kind() const { return purpose_; }
    const std::vector<FieldDifference>& Differences() const { return differences_; }
    // The table as DifferencesText gives it: what "Copiar" puts on the clipboard.
    QString TableText() const;
    void CopyTable();

    QLabel* Intro() const { return intro_; }
    QTableWidget* Table() const { return table_; }
    QPushButton* CopyButton() const { return copy_; }
    QPushButton* AcceptButton() const { return accept_; }  // "Gravar"; null when viewing
    QPushButton* CloseButton() const { return close_; }    // "Cancelar" or "Fechar"

    // Shows the box modally (or hands it to the test's responder) and gives
    // QDialog::Accepted or QDialog::Rejected.
    int Run();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FitToTable();

    Purpose purpose_;
    std::vector<FieldDifference> differences_;
    std::string leftTitle_;
    std::string rightTitle_;
    QLabel* intro_;
    QTableWidget* table_;
    QPushButton* copy_;
    QPushButton* accept_ = nullptr;
    QPushButton* close_;
};

// Tests answer the box with this instead of a window: the responder gets the
// built box (it may press its buttons) and gives the answer. An empty
// function restores the window.
void SetCompareDialogResponder(std::function<int(CCompareDialog&)> responder);

// Before a write of the page's fields: `ecu` against `after` (the ECU's
// values with the queued entries applied). True when the user chose "Gravar".
bool ConfirmWriteDialog(QWidget* parent, int modelIndex, CRX4DATA& ecu, CRX4DATA& after);

// "Comparar com a ECU": the ECU's values against the loaded file's.
void ShowFileComparison(QWidget* parent, int modelIndex, CRX4DATA& ecu, CRX4DATA& file,
                        const QString& fileName);
