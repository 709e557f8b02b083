#pragma once
// The frame every configuration page shares: heading(s), the row of command
// buttons (Return, Next, Load, Save, Monitor, Exit), the write button and the
// source selector above it, a busy line shown while the worker talks to the
// ECU, and the page's fields, built from its PageModel in two columns.
//
// The frame keeps no register values: it fills the fields from the store of
// the selected source, checks what the user types, queues the fields' writes
// when the worker asks for them and ends the page when a read-back fails.
// How a page departs from the frame's rules is data (FrameRules); what a page
// adds is done through the virtuals below.

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/ui/page_dialog.h"
#include "comm/ecu_protocol.h"
#include "pages/page_model.h"

class CFontLabel;
class CImageButton;
class LinkBanner;
class CNumericSpin;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QToolButton;
class QAction;

struct ConfigPageLook {
    int templateId;
    const char* heading;  // above the fields (the left column when there are two headings)
    int backgroundQ5100;  // background when ModelIndex is 1
    int backgroundOther;
    bool hasWriteButton;
    int writeButtonId;                    // 1182, or 1188 on the actuator page
    const char* secondHeading = nullptr;  // above the right column, when it has its own
};

// Which store a page shows when it starts, and when its selector is visible.
enum class StartSource {
    FileLoaded,  // the file store when a file was loaded and "Arquivo" is selected;
                 // the selector is visible exactly when a file was loaded
    SourceFlag,  // as above, but the selector is visible exactly when "Arquivo" is
                 // selected; otherwise it is hidden and "Equipamento" is selected
};

// What typing into the edit part of a list field does.
enum class ListGuard {
    MessageAndDefault,  // the "Atenção" message, then the record's default text
    RestoreFocusText,   // silently back to the text the field had when it got the focus
};

// The frame's rules; the defaults are those of the Q7100 vehicle page.
struct FrameRules {
    bool ctrlShortcuts = true;  // Ctrl+Right = Next, Ctrl+Left = Return
    // Digits, Backspace, '.', arrows, Delete, Tab, Shift and Ctrl only; every
    // other key (letters, '-', ',', Escape) is swallowed.
    bool keyFilter = true;
    bool tooltips = true;
    StartSource startSource = StartSource::FileLoaded;
    ListGuard listGuard = ListGuard::MessageAndDefault;
    // Lists with an edit part the guard watches (true), or fixed lists that
    // take no typing at all.
    bool editableLists = true;
    // The write button while "Arquivo" is selected: refill from the file
    // store (true) or nothing at all.
    bool writeRefillsFromFile = true;
    // A load whose register section misses a register: "Leitura incompleta"
    // and back to "Equipamento" (true), or taken silently as loaded.
    bool reportIncompleteLoad = false;
    // After a save the selector is shown on "Arquivo".
    bool saveSelectsFile = true;
    // After the monitoring screen the fields show the store of the source again.
    bool refillAfterMonitor = true;
    // Field captions and units in the labels' font, values in the page font;
    // false keeps the plain dialog font for all of them.
    bool fieldFonts = true;
};

class CConfigPage : public CPageDialog, public PageHooks {
    Q_OBJECT
  public:
    // The model is borrowed and must outlive the page; a page without fields
    // (the customer page) passes none.
    CConfigPage(const ConfigPageLook& look, const PageModel* model = nullptr,
                FrameRules rules = {});
    // Stops following the focus before the child widgets go: their
    // destruction moves the focus while this page is half destroyed.
    ~CConfigPage() override;

    // PageHooks: the page's side of an exchange (run on the UI thread).
    int RefreshFromStore(CRX4DATA& store) override { return FillFromStore(store); }
    void SetCommandsEnabled(bool enabled) override;
    void QueueWritesForKey(const char* key, PendingWrites& pending) override;
    void ShowMessage(const char* text, const char* title, MessageIcon icon) override;

    // Shows the store's values in the fields, in the model's order; 1 when a
    // register is missing (the fields after it keep what they show).
    virtual int FillFromStore(CRX4DATA& store);

    // Makes the selector visible and puts it on "Arquivo" (1) or
    // "Equipamento" (0), setting the source flag to match.
    void ShowSourceSelector(bool selectFile);
    bool IsBusy() const { return busy_; }
    // 0 while the page fills its fields, 1 once they hold values.
    bool Initialised() const { return initialised_; }

    QComboBox* SourceSelector() const { return selector_; }
    CImageButton* Button(int id) const;
    // The widgets of a field of the model, by control identifier.
    QComboBox* ListField(int controlId) const;
    QLineEdit* NumericField(int controlId) const;
    QToolButton* SpinButton(int controlId, bool up) const;
    // The numeric spin that replaced a field's whole-number buttons, if any.
    CNumericSpin* NumericSpin(int controlId) const;
    // A field's caption above it and unit label beside it (null when none).
    CFontLabel* FieldCaption(int controlId) const;
    CFontLabel* FieldUnit(int controlId) const;
    // What the fields show now, as the model reads it.
    FieldValues CurrentValues() const;

    // The lost-link strip across the top, and the writes a lost link left
    // unsent (kept until resent or discarded by the user).
    LinkBanner* Banner() const { return banner_; }
    bool LinkDown() const { return linkDown_; }
    const std::vector<PendingWrite>& UnsentWrites() const { return unsent_; }
    void ResendUnsent();
    void DiscardUnsent();

    // "Comparar com a ECU" in the context menu: the ECU against the loaded
    // file; enabled once a file was loaded in this run.
    QAction* CompareCommand() const { return compare_; }
    void CompareWithEcu();

  protected:
    // Runs an exchange on the worker: commands disabled and the busy line
    // shown until done(result) runs back on the UI thread.
    void RunEcuJob(const QString& what, std::function<int(EcuSession&, PageHooks&)> job,
                   std::function<void(int)> done);

    void OnInitDialog() override;
    // A page in the middle of an exchange cannot end: the frames would be cut.
    void done(int code) override;
    bool HasCtrlShortcuts() const override { return rules_.ctrlShortcuts; }
    bool EscapeEndsPage() const override { return !rules_.keyFilter; }
    bool PreTranslateKey(QKeyEvent* event) override;

    // The page's own start after the frame is dressed: by default the option
    // lists, then the fields from the store that the source rules name.
    virtual void InitPage();
    // The option lists, and the range and step of every numeric spin: both
    // come from the parameter table, which the model page fills after the
    // pages are built, so they are taken each time the page is shown.
    virtual void FillOptionLists();
    virtual void SelectSource(int index);
    virtual void WriteAll();
    virtual void WriteFocusedField();
    virtual void LoadFile();
    virtual void SaveFile();
    // Runs the monitoring screen; Exit there ends the page with Quit, then
    // the fields show the store of the current source again.
    virtual void OpenMonitor();
    // The monitoring screen alone: its result (1 Return, 2 Exit, 3 failed
    // read-back).
    int RunMonitorDialog();
    // Tells the link watcher how this page finds out that the ECU is back
    // (its read row's read-all) and what it does then (fields refilled).
    void RegisterLinkResumer();
    // Once the ECU answers again: the fields show its values (unless they
    // show the file). Pages with a live view start their stream again.
    virtual void AfterReconnect();

    // Before the write button's pass: what the page would queue, against
    // the ECU's values. More than one register changed: the fields, the
    // ECU's values and the new ones in a box, and true only when the user
    // chose "Gravar"; one register or none: true without asking.
    bool ConfirmWriteAll();

    // Puts a numeric spin (decimals, a real step) in place of the field's
    // whole-number buttons; its range is applied by FillOptionLists.
    CNumericSpin* AttachNumericSpin(int controlId, bool trimZeros);

    const PageModel* Model() const { return model_; }
    const FrameRules& Rules() const { return rules_; }
    // The file type of the page's configuration files.
    virtual const char* FileType() const;

    // The parent of every input (fields, spins, selector): disabled as one
    // while an exchange runs. Pages put their own inputs here too.
    QWidget* InputArea() const { return inputs_; }

    CFontLabel* heading_;
    CFontLabel* secondHeading_ = nullptr;
    QWidget* inputs_;
    QComboBox* selector_;

  private:
    struct FieldWidgets {
        const FieldDef* def = nullptr;
        CFontLabel* label = nullptr;
        CFontLabel* unit = nullptr;
        QComboBox* list = nullptr;
        QLineEdit* edit = nullptr;
        QToolButton* up = nullptr;
        QToolButton* down = nullptr;
        CNumericSpin* spin = nullptr;
    };

    void BuildFields();
    void ShowValues(const FieldValues& values);
    void SetBusy(bool busy, const QString& what);
    void FocusFirstInput();
    void OnFocusChanged(QWidget* old, QWidget* now);
    void OnListEdited(FieldWidgets& field);
    void OnNumericChanged(FieldWidgets& field);
    // One click of a field's whole-number arrows; a held arrow speeds up.
    void Spin(FieldWidgets& field, int direction, bool held);
    FieldWidgets* FieldOf(QWidget* widget);
    void EndAfterExchange(int result);
    void SetLinkDown(bool down);
    // ECU commands (write button, Monitor, Enter) off while the link is down.
    void ApplyLinkState();
    // A pass the link cut: the message, and its unsent entries kept.
    void TakeInterruptedPass();
    void ShowUnsentNote();
    void UpdateCompareCommand();

    ConfigPageLook look_;
    const PageModel* model_;
    FrameRules rules_;
    std::map<int, FieldWidgets> fields_;  // by control identifier
    QString focusText_;                   // the list field's text when it got the focus
    bool initialised_ = false;
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
    struct ChainedJob {
        QString what;
        std::function<int(EcuSession&, PageHooks&)> job;
        std::function<void(int)> done;
    };
    std::deque<ChainedJob> chained_;  // asked for while an exchange ran
    QElapsedTimer arrowHeld_;
    QPointer<QWidget> focusBeforeBusy_;  // given back the focus when the exchange ends
    std::map<CImageButton*, bool> enabledBeforeBusy_;  // Return, Next, Monitor, Exit
    LinkBanner* banner_;
    bool linkDown_ = false;
    std::vector<PendingWrite> unsent_;  // in the order they are to be sent
    const TimingProfile* unsentRow_ = nullptr;
    QAction* compare_ = nullptr;
};
