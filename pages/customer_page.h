#pragma once
// Customer and installation data: the first page after the model. It opens
// the ECU link, reads every register once, remembers the port and edits the
// nine customer texts that every configuration file carries.

#include "pages/config_page.h"

class QLineEdit;
class QPlainTextEdit;

class CCustomerPage : public CConfigPage {
    Q_OBJECT
public:
    CCustomerPage();

    // A read-all succeeds only when the ECU reported "1E" and "1F".
    int FillFromStore(CRX4DATA& store) override;

    QLineEdit* Field(int index) const { return fields_[index]; }
    QPlainTextEdit* Remarks() const { return remarks_; }

protected:
    void InitPage() override;
    bool HasCtrlShortcuts() const override { return true; }
    void ReturnCommand() override { OnCustomerReturn(); }
    void SelectSource(int index) override;
    void LoadFile() override;
    void SaveFile() override;

private Q_SLOTS:
    void OnCustomerReturn();

private:
    void ShowCustomerTexts();
    void CopyFieldsToGlobals();
    void FinishStart();

    QLineEdit* fields_[8];
    QPlainTextEdit* remarks_;
};
