#pragma once
// The frame every configuration page shares: heading, the row of command
// buttons (Return, Next, Load, Save, Monitor, Exit), the write button and the
// source selector above it, and a busy line shown while the worker talks to
// the ECU. Pages add their fields on top.

#include <functional>

#include "app/ui/page_dialog.h"
#include "comm/ecu_protocol.h"

class CFontLabel;
class CImageButton;
class QComboBox;
class QLabel;
class QProgressBar;

struct ConfigPageLook {
    int templateId;
    const char* heading;
    int backgroundQ5100;  // background when ModelIndex is 1
    int backgroundOther;
    bool hasWriteButton;
    int writeButtonId;  // 1182, or 1188 on the actuator page
};

class CConfigPage : public CPageDialog, public PageHooks {
    Q_OBJECT
public:
    explicit CConfigPage(const ConfigPageLook& look);

    // PageHooks: the page's side of an exchange (run on the UI thread).
    int RefreshFromStore(CRX4DATA& store) override { return FillFromStore(store); }
    void SetCommandsEnabled(bool enabled) override;
    void QueueWritesForKey(const char*, PendingWrites&) override {}
    void ShowMessage(const char* text, const char* title, MessageIcon icon) override;

    virtual int FillFromStore(CRX4DATA&) { return 0; }

    // Makes the selector visible and puts it on "Arquivo" (1) or
    // "Equipamento" (0), setting the source flag to match.
    void ShowSourceSelector(bool selectFile);
    bool IsBusy() const { return busy_; }

    QComboBox* SourceSelector() const { return selector_; }
    CImageButton* Button(int id) const;

protected:
    // Runs an exchange on the worker: commands disabled and the busy line
    // shown until done(result) runs back on the UI thread.
    void RunEcuJob(const QString& what, std::function<int(EcuSession&, PageHooks&)> job,
                   std::function<void(int)> done);

    void OnInitDialog() override;
    // A page in the middle of an exchange cannot end: the frames would be cut.
    void done(int code) override;
    // The page's own start after the frame is dressed.
    virtual void InitPage() {}
    virtual void OnSelectSource(int index);
    virtual void LoadFile() {}
    virtual void SaveFile() {}
    virtual void WriteAll() {}
    void OpenMonitor();

    CFontLabel* heading_;
    QComboBox* selector_;

private:
    void SetBusy(bool busy, const QString& what);

    ConfigPageLook look_;
    CImageButton* return_;
    CImageButton* next_;
    CImageButton* load_;
    CImageButton* save_;
    CImageButton* monitor_;
    CImageButton* exit_;
    CImageButton* write_ = nullptr;
    QLabel* busyText_;
    QProgressBar* busyBar_;
    bool busy_ = false;
};
