#pragma once
// The three small pages that open the wizard: language, model and serial port.

#include <functional>

#include "app/ui/page_dialog.h"

class CFontLabel;
class CImageButton;
class QComboBox;

// Small pages share their size, title label and background.
class CSmallPage : public CPageDialog {
    Q_OBJECT
public:
    CSmallPage(int templateId, const QString& title);

protected:
    void DressSmallPage();
    CFontLabel* title_;
};

class CLanguagePage : public CSmallPage {
    Q_OBJECT
public:
    CLanguagePage();

protected:
    void OnInitDialog() override;
    // The language page keeps the standard OK action: Enter ends it with Next.
    void OnOK() override { OnNext(); }
    void showEvent(QShowEvent* event) override;

private:
    CImageButton* portuguese_;
    CImageButton* english_;
    CImageButton* spanish_;
    CFontLabel* captions_[3];
};

// Row of Return, Next and Exit shared by the model and port pages.
class CChoicePage : public CSmallPage {
    Q_OBJECT
public:
    CChoicePage(int templateId, const QString& title);
    QComboBox* List() const { return list_; }

protected:
    void DressChoicePage();
    QComboBox* list_;
    CImageButton* return_;
    CImageButton* next_;
    CImageButton* exit_;
};

class CModelPage : public CChoicePage {
    Q_OBJECT
public:
    CModelPage();

protected:
    void OnInitDialog() override;
    bool HasCtrlShortcuts() const override { return true; }
    void NextCommand() override { OnModelNext(); }

private Q_SLOTS:
    void OnModelNext();
};

// What Next on the port page hands over: a COM number, or the built-in
// simulator (number 0: the link then takes the port remembered for the model).
struct PortChoice {
    int number = 0;
    bool simulator = false;
};

// The port page's action in the program: on the worker, which owns the
// port, point it at the chosen device, set its number and open it.
void OpenChosenPort(PortChoice choice);

class CPortPage : public CChoicePage {
    Q_OBJECT
public:
    // openPort points the port at the chosen device, sets its number and
    // opens it, on the thread that owns the port.
    explicit CPortPage(std::function<void(PortChoice)> openPort);

    // "COM7 ..." gives 7; a text of three characters or fewer gives 0.
    static int PortNumberFromText(const QString& text);

    // Looks for the system's ports again (each showing and the refresh
    // button), so an adapter plugged in after the start is offered. The
    // simulator's entry comes last and is preselected only while it is in
    // use; `keep` stays selected (or typed) when the user had chosen it.
    void FillPortList(const QString& keep = QString());

protected:
    void OnInitDialog() override;

private Q_SLOTS:
    void OnPortNext();

private:
    std::function<void(PortChoice)> openPort_;
    CImageButton* refresh_;
};
