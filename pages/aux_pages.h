#pragma once
// The auxiliary functions step over the frame: CAuxBasicPage (Q5100) and
// CAuxPage (Q7100, "Q5100 plus"). Their fields and conversions are the page
// models' (aux_page_model.h). On both, Next and Monitor show the monitoring
// screen before the page ends, so it comes between this step and the next.

#include "pages/config_page.h"

class CNumericSpin;

// What both auxiliary pages add to the frame.
class CAuxPageBase : public CConfigPage {
    Q_OBJECT
  public:
    CAuxPageBase(const ConfigPageLook& look, const PageModel* model, FrameRules rules);

  protected:
    // The monitoring screen's result (2 = Exit); tests replace the screen.
    virtual int RunMonitoringDialog() { return RunMonitorDialog(); }
    static constexpr int kMonitorReturned = 1;
    static constexpr int kMonitorExited = 2;

    // Next and Monitor: the monitoring screen, then the page ends with Next,
    // or with Quit when the screen was left with Exit.
    void MonitorThenEnd(bool refreshAfter);
    const char* FileType() const override;
};

class CAuxBasicPage : public CAuxPageBase {
    Q_OBJECT
  public:
    CAuxBasicPage();

  protected:
    void OpenMonitor() override { MonitorThenEnd(true); }
};

class CAuxPage : public CAuxPageBase {
    Q_OBJECT
  public:
    CAuxPage();

    // The overlap-time label, edit, spin and unit are shown only in the
    // "Emulador" relay mode.
    bool OverlapShown() const;

  protected:
    void InitPage() override;
    void OpenMonitor() override { MonitorThenEnd(false); }
    void NextCommand() override { MonitorThenEnd(false); }
    void WriteFocusedField() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowOverlapForRelay();
    void NormaliseDelay();

    CNumericSpin* delaySpin_;
    CNumericSpin* overlapSpin_;
};
