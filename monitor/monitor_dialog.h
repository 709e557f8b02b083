#pragma once
// The live monitoring and calibration panel: gauges fed by the ECU's live
// stream (polled every 100 ms), the idle and high-speed step settings written
// with Enter, and the gas-flow calibration. Every exchange runs on the worker
// with the panel's commands disabled. A page opens it with
//
//   CMonitorDialog dialog;
//   const int result = dialog.DoModal();  // 1 Return, 2 Exit, 3 read-back failed
//
// It also plays a datalog through the same gauges (monitor_dialog_playback.cpp):
// CMonitorDialog(log) is a panel that only plays and never talks to the ECU;
// StartPlayback on a live panel stops its polling until the playback ends.

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "app/globals.h"
#include "app/ui/page_dialog.h"
#include "log/datalog_recorder.h"
#include "monitor/live_gauges.h"
#include "monitor/monitor_procedures.h"
#include "monitor/poll_tick.h"
#include "monitor/slot_labels.h"

class CFontLabel;
class CImageButton;
class LinkBanner;
class QLabel;
class LogPlayback;
class PlaybackBar;
class QPushButton;
class QSpinBox;
class StripChart;
struct Datalog;

// The look of the panel's own buttons (recording, strip chart, logs): dark,
// as the gauges around them.
QString PanelButtonStyle();

class CMonitorDialog : public CPageDialog, public MonitorHooks {
    Q_OBJECT
  public:
    enum Result { kReturned = 1, kExited = 2, kReadBackFailed = 3 };
    static constexpr int kPollPeriodMs = 100;

    explicit CMonitorDialog(QWidget* parent = nullptr);
    // A panel that plays `log` and nothing else: no poll, no start or stop
    // frame, no step write, no calibration. Its gauges follow the log's model.
    explicit CMonitorDialog(std::shared_ptr<const Datalog> log, QWidget* parent = nullptr);
    // Sends the stop command once more, whatever ended the panel.
    ~CMonitorDialog() override;

    // MonitorHooks, on the UI thread.
    int RefreshFromStore(CRX4DATA& store) override { return RefreshStepFields(store); }
    void SetCommandsEnabled(bool enabled) override { SetMonitorButtonsEnabled(enabled); }
    void QueueWritesForKey(const char* key, PendingWrites& pending) override;
    void ShowMessage(const char* text, const char* title, MessageIcon icon) override;
    void SetCalibrating(bool calibrating) override;
    void ShowLiveValues(CRX4DATA& store) override;

    // "3D" and "3E" of the store in the step fields, in decimal: 0, or 1 when
    // one is missing.
    int RefreshStepFields(CRX4DATA& store);
    // The voltage labels by the sensor direction "10" and the lambda scale "13".
    void ShowTpsScaleLabels() { ShowTpsScaleLabels(g_MonitorStore); }
    void ShowLambdaScaleLabels() { ShowLambdaScaleLabels(g_MonitorStore); }
    // The same from another store (a playback's).
    void ShowTpsScaleLabels(CRX4DATA& store);
    void ShowLambdaScaleLabels(CRX4DATA& store);
    // Return, Exit and "CALIBRAR" together.
    void SetMonitorButtonsEnabled(bool enabled);

    // An exchange (start-up, step write, calibration) is on the worker.
    bool IsBusy() const { return exchangeRunning_; }
    bool IsPolling() const { return pollTimer_.isActive(); }
    int FailedPolls() const { return tick_.FailedPolls(); }
    CImageButton* Button(int id) const;
    QSpinBox* StepField(int id) const;
    CFontLabel* Label(int id) const;
    const SlotLabels& Slots() const { return slots_; }
    LinkBanner* Banner() const { return banner_; }

    // The datalog: "Gravar" starts and stops it, "Marcar" (or M) marks the
    // moment; the file name shows beside them while it records.
    QPushButton* RecordButton() const { return record_; }
    QPushButton* MarkButton() const { return mark_; }
    QLabel* RecordLabel() const { return recordLabel_; }
    const DatalogRecorder& Recorder() const { return recorder_; }
    void SetRecording(bool on);
    void MarkMoment();
    // Playback: the gauges show the log's rows through the same store and
    // LiveGauges path as the live values, starting paused at its first row.
    void StartPlayback(std::shared_ptr<const Datalog> log);
    // Back to the live values (a playback-only panel closes instead).
    void StopPlayback();
    bool IsPlaying() const { return static_cast<bool>(playback_); }
    bool IsLive() const { return live_; }
    LogPlayback* Playback() const { return playback_.get(); }
    void SetPlaybackSpeed(int speed);
    void StepPlayback(int direction);
    // The store the playback fills, as the live store would be.
    CRX4DATA& PlaybackStore() { return *playbackStore_; }
    PlaybackBar* PlaybackControls() const { return playbackBar_; }
    // The 60 s strip chart and its "Gráfico" toggle; "Registros" opens the viewer.
    StripChart* Strip() const { return strip_; }
    QPushButton* StripToggle() const { return stripToggle_; }
    QPushButton* LogsButton() const { return logs_; }
    // The viewer over this panel; its "Reproduzir no painel" plays here.
    void OpenLogViewerHere(const QString& path = {});

  protected:
    void OnInitDialog() override;
    bool PreTranslateKey(QKeyEvent* event) override;
    void ReturnCommand() override { OnMonitorReturn(); }
    // Escape asks like Exit while a calibration runs.
    void reject() override { OnMonitorExit(); }
    // While an exchange runs the panel only notes the result: it closes when
    // the exchange has ended.
    void done(int code) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private Q_SLOTS:
    void OnTimer();
    void OnMonitorReturn();
    void OnMonitorExit();
    void OnCalibrate();

  private:
    CMonitorDialog(std::shared_ptr<const Datalog> playbackOnly, int modelIndex, QWidget* parent);
    using Exchange = std::function<int(EcuSession&, MonitorHooks&)>;
    void RunExchange(Exchange exchange, std::function<void(int)> finished);
    void OnPollAnswer(int pollResult);
    void WriteSteps();
    // What the step fields hold now, beside what the panel showed there.
    std::pair<StepFieldText, StepFieldText> StepFieldTexts() const;
    void Close(int code, const char* question, bool stopStream);
    void CloseIfAsked();
    void PlaceControls();
    void DressLabels();
    // The link watcher's side: while the link is down the panel keeps
    // polling (nothing arrives) but writes and calibrates nothing; once the
    // ECU answers the snapshot again, the stream is started once more.
    void FollowLink();
    void SetLinkDown(bool down);
    void PlaceRecordControls();
    // The button and the label after the recorder started, stopped or failed.
    void ShowRecordState();
    // monitor_dialog_playback.cpp
    void PlaceLogControls();
    void InitPlaybackOnly();
    void OnPlaybackTimer();
    void ShowPlaybackRow();
    bool PlaybackKey(QKeyEvent* event);
    void AddLiveSampleToStrip();

    SlotLabels slots_;
    LiveGauges gauges_;
    PollTick tick_;
    QTimer pollTimer_;
    CImageButton* calibrate_;
    CImageButton* return_;
    CImageButton* exit_;
    QSpinBox* idleSteps_;
    QSpinBox* highSteps_;
    std::string stepShown_[2];  // the ECU's idle and high steps as last shown
    CFontLabel* calibrating_;
    LinkBanner* banner_;
    DatalogRecorder recorder_;
    QPushButton* record_ = nullptr;
    QPushButton* mark_ = nullptr;
    QLabel* recordLabel_ = nullptr;
    std::string startError_;  // why the last "Gravar" could not start
    bool linkDown_ = false;
    bool exchangeRunning_ = false;
    bool pollRunning_ = false;
    int closeCode_ = 0;

    bool live_ = true;  // false: a playback-only panel
    std::shared_ptr<const Datalog> playbackOnly_;
    std::unique_ptr<LogPlayback> playback_;
    std::unique_ptr<CRX4DATA> playbackStore_;
    PlaybackBar* playbackBar_ = nullptr;
    QTimer playbackTimer_;
    QElapsedTimer playbackClock_;
    StripChart* strip_ = nullptr;
    QPushButton* stripToggle_ = nullptr;
    QPushButton* logs_ = nullptr;
    QElapsedTimer liveClock_;  // the strip chart's time of the live samples
};

class LogViewer;
// The program's way to open the "Registros" viewer (SetLogViewerOpener): over
// a monitoring panel its playback goes to that panel; elsewhere to a panel
// that only plays.
LogViewer* OpenLogViewerFor(QWidget* parent, const QString& path);
