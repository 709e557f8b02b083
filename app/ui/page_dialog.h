#pragma once
// Base of every wizard page and of the monitoring screen: a frameless modal
// dialog painted over a numbered background image, the shared Return, Next
// and Exit handlers, tooltips and the Ctrl+arrow shortcuts.

#include <QDialog>
#include <QPixmap>

class CImageButton;
class QLabel;

class CPageDialog : public QDialog {
    Q_OBJECT
public:
    enum BackgroundModeValue { kTile = 0, kCentre = 1, kStretch = 2 };

    explicit CPageDialog(int templateId, QWidget* parent = nullptr);
    ~CPageDialog() override;

    int TemplateId() const { return templateId_; }

    // Shows the page modally and gives its result code (1 to 4).
    int DoModal();
    // Ends the page's window; the object keeps its members for the next showing.
    void DestroyPageWindow();

    void SetBackgroundMode(int mode);
    int BackgroundMode() const { return backgroundMode_; }
    // Callers ignore failure: without a bitmap the default background shows.
    bool SetBackgroundBitmap(int resourceId);
    void ReleaseBackground();
    bool HasBackground() const { return !backgroundBitmap_.isNull(); }
    // The resource number of the background shown, 0 for none.
    int BackgroundId() const { return HasBackground() ? backgroundId_ : 0; }

    // Where each copy of the bitmap goes for a client area, in the current mode.
    static QList<QRect> BackgroundPlacements(int mode, QSize client, QSize bitmap);

    // The badge that says the simulator is in use. Each showing of the page
    // shows or hides it for the current mode and puts it where it covers
    // none of the page's own widgets.
    QLabel* DemoBadge() const { return demoBadge_; }
    void UpdateDemoBadge();
    // Where a badge goes: the first corner (bottom-right, bottom-left,
    // top-right, top-left) clear of every obstacle, else the first clear
    // place scanning up from the bottom-right, else the bottom-right corner.
    static QRect DemoBadgePlace(QSize page, QSize badge, const QList<QRect>& obstacles);
    // A child widget with this property set only groups other widgets.
    static constexpr const char* kContainerProperty = "pageContainer";
    // The widgets that take room on the page: its children, and the
    // children of its containers instead of the containers.
    static QList<QWidget*> PageWidgets(QWidget* page);

    // Whether Ctrl is held, from the event itself: a flag kept from Ctrl's
    // own press and release sticks when Ctrl is let go in another window.
    static bool CtrlHeld(const QKeyEvent* event);

public Q_SLOTS:
    void OnReturn();
    void OnNext();
    void OnExit();

protected:
    // The page's own start: called each time the page is shown.
    virtual void OnInitDialog() {}
    // Enter never ends a page by itself; the language page overrides this.
    virtual void OnOK() {}
    // Pages with the Ctrl+Right / Ctrl+Left shortcuts return true; the
    // shortcuts run the page's own Next and Return handlers.
    virtual bool HasCtrlShortcuts() const { return false; }
    virtual void NextCommand() { OnNext(); }
    virtual void ReturnCommand() { OnReturn(); }
    // Every key of the page's window passes here before the focused control
    // sees it; true when the key was consumed.
    virtual bool PreTranslateKey(QKeyEvent* event);
    // Pages whose key filter swallows Escape return false.
    virtual bool EscapeEndsPage() const { return true; }

    // The standard dress of a command button: colour 200, image centred, no
    // caption, white transparent.
    static void DressButton(CImageButton* button, int imageId, const QString& tooltip);

    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void accept() override;
    void reject() override;
    void done(int code) override;

private:
    bool inModalLoop_ = false;
    int pendingResult_ = 0;
    int templateId_;
    QPixmap backgroundBitmap_;
    int backgroundId_ = 0;
    int backgroundMode_ = kTile;
    QLabel* demoBadge_;
};
