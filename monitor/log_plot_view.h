#pragma once
// One plot of the log viewer: a channel over the shared time window, drawn
// with Qt Charts. Its plot area starts at a fixed left edge, so every plot
// of the stack puts a given instant in the same pixel column; the cursor and
// the marks are drawn over it as vertical lines. Wheel, drag and click go
// back to the viewer as times.

#include <QChartView>
#include <functional>
#include <vector>

#include "monitor/log_plot_data.h"

class QLineSeries;
class QValueAxis;

// "01:02:03.4" from the log's start.
QString LogTimeText(double ms);

class LogPlotView : public QChartView {
  public:
    static constexpr int kLeft = 70;      // room for the value labels
    static constexpr int kRight = 12;
    static constexpr int kTop = 22;       // the channel's caption
    static constexpr int kBottom = 6;
    static constexpr int kTimeRow = 20;   // the time labels under the last plot
    static constexpr int kTimeTicks = 6;

    struct Handlers {
        std::function<void(double anchorMs, double factor)> zoomAt;
        std::function<void(double deltaMs)> pan;
        std::function<void(double tMs)> cursor;
    };

    LogPlotView(int channel, Handlers handlers, QWidget* parent = nullptr);

    int Channel() const { return channel_; }
    void SetCaption(const QString& caption);
    void SetValueRange(double low, double high);
    void SetWindow(double startMs, double endMs);
    void SetRuns(const std::vector<PlotRun>& runs);
    void SetCursorMs(double tMs);
    void SetMarks(const std::vector<LogMark>* marks) { marks_ = marks; }
    // The last plot of the stack shows the time labels.
    void SetTimeLabels(bool shown);
    // Pixel columns of the plot area: the decimation's column count.
    int Columns() const;

    QList<QPointF> Points() const;
    int RunsShown() const;
    // Between an instant and its pixel column in the viewport (the mouse's
    // coordinates).
    double TimeAtX(double x) const;
    int ViewportXOf(double tMs) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

  private:
    void PlaceArea();
    double XOfTime(double tMs) const;

    int channel_;
    Handlers handlers_;
    QString caption_;
    QValueAxis* x_;
    QValueAxis* y_;
    std::vector<QLineSeries*> series_;
    int runsShown_ = 0;
    double startMs_ = 0;
    double endMs_ = 1;
    double cursorMs_ = -1;
    const std::vector<LogMark>* marks_ = nullptr;
    bool timeLabels_ = false;
    double pressX_ = 0;
    double lastX_ = 0;
    bool dragging_ = false;
    bool moved_ = false;
};
