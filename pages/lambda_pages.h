#pragma once
// The lambda simulation step over the frame: CLambdaBasicPage (Q5100) and
// CLambdaPage (Q7100, "Q5100 plus"). Fields and conversions are the page
// models' (lambda_page_model.h). The full page's "Real" signal type shows a
// live view of engine speed and injection time: the ECU streams while it is
// shown, and the page reads the stream every 200 ms on the worker.

#include <QTimer>
#include <memory>

#include "pages/config_page.h"

class CFontLabel;
class CNumericSpin;
class LambdaPageGauges;
class SlotLabels;

// What both lambda pages share: the ON / OFF time fields on numeric spins
// and the three square-wave signal types.
class CLambdaPageBase : public CConfigPage {
    Q_OBJECT
  public:
    CLambdaPageBase(const ConfigPageLook& look, const PageModel* model, FrameRules rules,
                    const char* rangeText);

    int SelectedSignalType() const;
    // Puts the page into the state of the selected signal type; with
    // resetTimes the times of "Especifico" and "Aberto" start at 0.00.
    virtual void ApplySignalType(bool resetTimes);

  protected:
    // The field's edit, spin, caption and unit together.
    void ShowField(int controlId, bool shown, bool enabled);
    void ShowTimes(bool shown, bool enabled, bool rangeShown);
    void SetTimes(const char* text);

    CNumericSpin* onSpin_;
    CNumericSpin* offSpin_;

  private:
    CFontLabel* onRange_;
    CFontLabel* offRange_;
};

class CLambdaBasicPage : public CLambdaPageBase {
    Q_OBJECT
  public:
    CLambdaBasicPage();
    int FillFromStore(CRX4DATA& store) override;

  protected:
    void InitPage() override;
};

class CLambdaPage : public CLambdaPageBase {
    Q_OBJECT
  public:
    CLambdaPage();
    ~CLambdaPage() override;

    int FillFromStore(CRX4DATA& store) override;
    void ApplySignalType(bool resetTimes) override;
    bool LiveViewActive() const { return liveTimer_.isActive(); }
    const SlotLabels& Slots() const { return *slots_; }

  protected:
    void InitPage() override;
    void SelectSource(int index) override;
    void WriteAll() override;
    void WriteFocusedField() override;
    void OpenMonitor() override;
    void NextCommand() override { LeaveWith(kNext); }
    void ReturnCommand() override { LeaveWith(kBack); }
    void done(int code) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The monitoring screen's result (2 = Exit); tests replace the screen.
    virtual int RunMonitoringDialog() { return RunMonitorDialog(); }
    // A live view the lost link stopped streams again.
    void AfterReconnect() override;

  private:
    static constexpr int kNext = 1;
    static constexpr int kQuit = 2;
    static constexpr int kBack = 4;

    void ApplyMode();
    void ChangeSignalType();
    void StopLiveView();
    void StartLiveView();
    void PollLiveView();
    void DrawLiveView();
    void LeaveWith(int code);
    // A stream command without the busy line when an exchange already runs.
    void RunStreamJob(std::function<int(EcuSession&)> job, std::function<void(int)> done);

    std::unique_ptr<SlotLabels> slots_;
    std::unique_ptr<LambdaPageGauges> gauges_;
    CNumericSpin* injectionSpin_;
    QTimer liveTimer_;  // timer 2
    bool liveBackground_ = false;
    bool pollPending_ = false;
};
