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

class CPortPage : public CChoicePage {
    Q_OBJECT
public:
    // openPort runs SetPortNumber and OpenPort on the thread that owns the port.
    explicit CPortPage(std::function<void(int)> openPort);

    // "COM7 ..." gives 7; a text of three characters or fewer gives 0.
    static int PortNumberFromText(const QString& text);

protected:
    void OnInitDialog() override;

private Q_SLOTS:
    void OnPortNext();

private:
    std::function<void(int)> openPort_;
};
