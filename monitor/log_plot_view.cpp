#include "monitor/log_plot_view.h"

#include <QChart>
#include <QLineSeries>
#include <QMouseEvent>
#include <QValueAxis>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kMsPerSecond = 1000.0;
constexpr double kWheelStep = 120.0;
constexpr double kZoomPerWheelStep = 0.8;
constexpr int kDragThreshold = 3;  // pixels before a press is a drag
const QColor kLineColour(0x1f, 0x5f, 0xbf);
const QColor kCursorColour(0xd0, 0x20, 0x20);
const QColor kMarkColour(0xe0, 0x90, 0x10);
const QColor kGridColour(0xb8, 0xb8, 0xb8);

}  // namespace

QString LogTimeText(double ms) {
    const auto tenths = static_cast<long long>(std::llround(std::max(0.0, ms) / 100.0));
    const long long seconds = tenths / 10;
    return QStringLiteral("%1:%2:%3.%4")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

LogPlotView::LogPlotView(int channel, Handlers handlers, QWidget* parent)
    : QChartView(parent), channel_(channel), handlers_(std::move(handlers)) {
    auto* chart = new QChart();
    chart->legend()->hide();
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->setBackgroundRoundness(0);
    chart->setAnimationOptions(QChart::NoAnimation);
    x_ = new QValueAxis(chart);
    x_->setLabelsVisible(false);
    x_->setTickCount(kTimeTicks + 1);
    y_ = new QValueAxis(chart);
    y_->setTickCount(3);
    // The value labels are drawn with the time labels (drawForeground), at
    // the channel's decimals: the chart's own would be laid out by it.
    y_->setLabelsVisible(false);
    // So is the grid, over the plot area this view sets.
    for (QValueAxis* axis : {x_, y_}) {
        axis->setGridLineVisible(false);
        axis->setLineVisible(false);
    }
    chart->addAxis(x_, Qt::AlignBottom);
    chart->addAxis(y_, Qt::AlignLeft);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing, false);
    setMinimumHeight(80);
    setFocusPolicy(Qt::NoFocus);
    setDragMode(QGraphicsView::NoDrag);
    setRubberBand(QChartView::NoRubberBand);
}

void LogPlotView::SetCaption(const QString& caption) {
    caption_ = caption;
    viewport()->update();
}

void LogPlotView::SetValueRange(double low, double high) {
    if (high <= low) {
        low -= 1;
        high += 1;
    }
    const double pad = (high - low) * 0.08;
    y_->setTickCount(3);
    y_->setRange(low - pad, high + pad);
    y_->applyNiceNumbers();
}

void LogPlotView::SetWindow(double startMs, double endMs) {
    startMs_ = startMs;
    endMs_ = endMs;
    x_->setRange(startMs / kMsPerSecond, endMs / kMsPerSecond);
    viewport()->update();
}

void LogPlotView::SetRuns(const std::vector<PlotRun>& runs) {
    while (series_.size() < runs.size()) {
        auto* series = new QLineSeries(chart());
        series->setPen(QPen(kLineColour, 1));
        chart()->addSeries(series);
        series->attachAxis(x_);
        series->attachAxis(y_);
        series_.push_back(series);
    }
    for (std::size_t i = 0; i < series_.size(); ++i) {
        QList<QPointF> points;
        if (i < runs.size()) {
            points.reserve(static_cast<qsizetype>(runs[i].size()));
            for (const PlotPoint& p : runs[i]) points.append({p.tMs / kMsPerSecond, p.value});
        }
        if (!points.isEmpty() || series_[i]->count() > 0)
            series_[i]->replace(points);
    }
    runsShown_ = static_cast<int>(runs.size());
}

void LogPlotView::SetCursorMs(double tMs) {
    cursorMs_ = tMs;
    viewport()->update();
}

void LogPlotView::SetTimeLabels(bool shown) {
    if (timeLabels_ == shown)
        return;
    timeLabels_ = shown;
    if (isVisible())
        PlaceArea();
}

int LogPlotView::Columns() const {
    return std::max(1, static_cast<int>(chart()->plotArea().width()));
}

QList<QPointF> LogPlotView::Points() const {
    QList<QPointF> points;
    for (int i = 0; i < runsShown_; ++i) points += series_[static_cast<std::size_t>(i)]->points();
    return points;
}

int LogPlotView::RunsShown() const {
    return runsShown_;
}

void LogPlotView::PlaceArea() {
    const int bottom = kBottom + (timeLabels_ ? kTimeRow : 0);
    chart()->setPlotArea(QRectF(kLeft, kTop, std::max(1, viewport()->width() - kLeft - kRight),
                                std::max(10, viewport()->height() - kTop - bottom)));
    viewport()->update();
}

void LogPlotView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    PlaceArea();
}

double LogPlotView::XOfTime(double tMs) const {
    const QRectF area = chart()->plotArea();
    return area.left() + (tMs - startMs_) / (endMs_ - startMs_) * area.width();
}

int LogPlotView::ViewportXOf(double tMs) const {
    return mapFromScene(QPointF(XOfTime(tMs), 0)).x();
}

double LogPlotView::TimeAtX(double x) const {
    // x in the viewport: the scene may sit a frame's width away.
    const double sceneX = mapToScene(QPoint(static_cast<int>(std::lround(x)), 0)).x();
    const QRectF area = chart()->plotArea();
    return startMs_ + (sceneX - area.left()) / std::max(1.0, area.width()) * (endMs_ - startMs_);
}

void LogPlotView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / kWheelStep;
    if (steps != 0 && handlers_.zoomAt)
        handlers_.zoomAt(TimeAtX(event->position().x()), std::pow(kZoomPerWheelStep, steps));
    event->accept();
}

void LogPlotView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QChartView::mousePressEvent(event);
    dragging_ = true;
    moved_ = false;
    pressX_ = lastX_ = event->position().x();
    event->accept();
}

void LogPlotView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_)
        return;
    const double x = event->position().x();
    moved_ = moved_ || std::abs(x - pressX_) > kDragThreshold;
    if (moved_ && handlers_.pan) {
        handlers_.pan(-(x - lastX_) / std::max(1.0, chart()->plotArea().width()) * (endMs_ - startMs_));
        lastX_ = x;
    }
    event->accept();
}

void LogPlotView::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_)
        return QChartView::mouseReleaseEvent(event);
    dragging_ = false;
    if (!moved_ && handlers_.cursor)
        handlers_.cursor(TimeAtX(event->position().x()));
    event->accept();
}

void LogPlotView::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    const QRectF area = chart()->plotArea();
    painter->save();
    auto line = [&](double tMs, const QColor& colour, Qt::PenStyle style) {
        if (tMs < startMs_ || tMs > endMs_)
            return;
        const double x = XOfTime(tMs);
        painter->setPen(QPen(colour, 1, style));
        painter->drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    };
    painter->setPen(QPen(kGridColour, 1, Qt::DotLine));
    for (int i = 0; i <= kTimeTicks; ++i) {
        const double x = area.left() + area.width() * i / kTimeTicks;
        painter->drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
    for (int i = 0; i < 3; ++i) {
        const double y = area.bottom() - area.height() * i / 2;
        painter->drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    if (marks_)
        for (const LogMark& mark : *marks_) line(static_cast<double>(mark.tMs), kMarkColour, Qt::DashLine);
    line(cursorMs_, kCursorColour, Qt::SolidLine);
    QFont captionFont = painter->font();
    captionFont.setPointSize(9);
    captionFont.setBold(true);
    painter->setFont(captionFont);
    painter->setPen(Qt::black);
    painter->drawText(QRectF(area.left(), 0, area.width(), kTop), Qt::AlignLeft | Qt::AlignVCenter, caption_);
    painter->setPen(Qt::black);
    QFont font = painter->font();
    font.setPointSize(8);
    font.setBold(false);
    painter->setFont(font);
    const QFontMetrics metrics(font);
    const int decimals = ChannelInfo(channel_).decimals;
    for (int i = 0; i < 3; ++i) {
        const double value = y_->min() + (y_->max() - y_->min()) * i / 2;
        const double y = area.bottom() - area.height() * i / 2;
        painter->drawText(QRectF(0, y - metrics.height() / 2.0, area.left() - 6, metrics.height()),
                          Qt::AlignRight | Qt::AlignVCenter, QString::number(value, 'f', decimals));
    }
    if (timeLabels_) {
        for (int i = 0; i <= kTimeTicks; ++i) {
            const double t = startMs_ + (endMs_ - startMs_) * i / kTimeTicks;
            const QString text = LogTimeText(t);
            const int w = metrics.horizontalAdvance(text);
            double x = XOfTime(t) - w / 2.0;
            x = std::clamp(x, 2.0, width() - w - 2.0);
            painter->drawText(QPointF(x, area.bottom() + 4 + metrics.ascent()), text);
        }
    }
    painter->restore();
}
