#pragma once
// "Registros": a recorded datalog on screen. One plot per chosen channel,
// stacked on one shared time axis; the wheel zooms at the mouse, a drag pans,
// a click puts the cursor (every channel's value at that instant), and +, -,
// the arrows and Home do the same from the keyboard. The marks are listed:
// a click shows that moment. Each plot draws its channel decimated to its
// pixel columns (lowest and highest value of each), so no peak is hidden and
// a redraw costs the same however long the log is; gaps break the line.
// A file is read on a thread of its own while the window says it is busy;
// what the reader left out is told in a message.

#include <QDialog>
#include <QList>
#include <QPointF>
#include <QTimer>
#include <memory>
#include <vector>

#include "i18n/ui_text.h"
#include "monitor/log_plot_data.h"
#include "monitor/log_time_axis.h"

class LogPlotView;
class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

constexpr const char* kLogViewerTitle = TR_NOOP("Registros");

class LogViewer : public QDialog {
    Q_OBJECT
  public:
    explicit LogViewer(QWidget* parent = nullptr);
    ~LogViewer() override;

    // Reads the file on its own thread; the window shows that it is busy.
    void OpenFile(const QString& path);
    // Asks for a file ("Abrir ...") and opens it.
    void ChooseFile();
    // Shows a log already read (the reader's message too, when it has one).
    void ShowLog(std::shared_ptr<const Datalog> log, const QString& name);
    bool IsLoading() const { return static_cast<bool>(job_); }
    bool HasLog() const { return static_cast<bool>(data_); }

    const LogTimeAxis& Axis() const { return axis_; }
    void SetWindow(double startMs, double endMs);
    void ZoomAt(double anchorMs, double factor);
    void Pan(double deltaMs);
    double CursorMs() const { return cursorMs_; }
    void SetCursorMs(double tMs);
    // One line per channel shown: "Rotação: 850 rpm"; "—" where there is
    // no value (a gap).
    QString CursorText() const;

    // The widgets, for the tests.
    QListWidget* MarkList() const { return marks_; }
    QCheckBox* ChannelBox(int channel) const { return boxes_[channel]; }
    LogPlotView* Plot(int channel) const { return plots_[channel]; }
    QPushButton* PlayButton() const { return play_; }
    QLabel* BusyLabel() const { return busy_; }
    // Every point the channel's plot holds now, run after run.
    QList<QPointF> PlottedPoints(int channel) const;
    int PlottedRuns(int channel) const;
    // Paints every shown plot now rather than at the next paint event (the
    // benchmark times a zoom or a pan up to the pixels).
    void RepaintPlots();

  Q_SIGNALS:
    // "Reproduzir no painel": play the log through the monitoring gauges.
    void playbackRequested(std::shared_ptr<const Datalog> log);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct LoadJob;
    void PollJob();
    void Loaded(std::shared_ptr<const LogPlotData> plotData);
    void TellWhatWasSkipped(const Datalog& log);
    void FillMarks();
    void LayOutPlots();
    void Redraw();
    void ShowCursor();
    void ShowWindowText();
    double KeyAnchor() const;

    std::shared_ptr<LoadJob> job_;
    QTimer jobTimer_;
    QString name_;
    std::shared_ptr<const LogPlotData> data_;
    LogTimeAxis axis_;
    double cursorMs_ = 0;

    QLabel* file_;
    QLabel* busy_;
    QProgressBar* progress_;
    QPushButton* open_;
    QPushButton* play_;
    QCheckBox* boxes_[kLogChannelCount];
    LogPlotView* plots_[kLogChannelCount];
    QVBoxLayout* plotColumn_;
    QLabel* cursorText_;
    QLabel* windowText_;
    QListWidget* marks_;
};

// Opens the viewer as a window of its own over `parent`; with a path, reads
// that file at once.
LogViewer* OpenLogViewer(QWidget* parent, const QString& path = {});
