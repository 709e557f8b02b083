#include "monitor/strip_chart.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <cmath>

#include "monitor/log_display_text.h"

namespace {

constexpr double kMsPerSecond = 1000.0;
constexpr double kRpmTop = 8000;  // the arc's full scale
constexpr double kVoltsTop = 5;
const QColor kColours[StripChart::kChannelCount] = {QColor(0x7c, 0xe0, 0x3c), QColor(0xf0, 0xc0, 0x30),
                                                    QColor(0x40, 0xb0, 0xff)};

QValueAxis* MakeAxis(QChart* chart, Qt::Alignment where, double top, const char* format) {
    auto* axis = new QValueAxis(chart);
    axis->setRange(0, top);
    axis->setLabelFormat(QString::fromUtf8(format));
    QFont font = axis->labelsFont();
    font.setPointSize(7);
    axis->setLabelsFont(font);
    axis->setLabelsColor(QColor(0xc8, 0xd0, 0xd8));
    axis->setGridLineColor(QColor(0x40, 0x48, 0x58));
    axis->setTickCount(5);
    chart->addAxis(axis, where);
    return axis;
}

}  // namespace

StripChart::StripChart(QWidget* parent) : QChartView(parent) {
    auto* chart = new QChart();
    chart->setBackgroundBrush(QColor(0x1a, 0x1f, 0x28));
    chart->setBackgroundRoundness(4);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->setLabelColor(QColor(0xe0, 0xe6, 0xee));
    QFont legendFont = chart->legend()->font();
    legendFont.setPointSize(8);
    chart->legend()->setFont(legendFont);
    time_ = MakeAxis(chart, Qt::AlignBottom, kWindowMs / kMsPerSecond, "%.0f s");
    time_->setTickCount(7);
    QValueAxis* rpm = MakeAxis(chart, Qt::AlignLeft, kRpmTop, "%.0f");
    QValueAxis* volts = MakeAxis(chart, Qt::AlignRight, kVoltsTop, "%.0f V");
    for (int i = 0; i < kChannelCount; ++i) {
        series_[i] = new QLineSeries(chart);
        series_[i]->setName(ChannelCaption(static_cast<int>(kChannels[i])));
        series_[i]->setPen(QPen(kColours[i], 2));
        chart->addSeries(series_[i]);
        series_[i]->attachAxis(time_);
        series_[i]->attachAxis(i == 0 ? rpm : volts);
    }
    setChart(chart);
    setRenderHint(QPainter::Antialiasing, true);
    setStyleSheet(QStringLiteral("background: transparent"));
    setFocusPolicy(Qt::NoFocus);
}

void StripChart::Append(const LogSample& sample) {
    const double t = static_cast<double>(sample.tMs);
    if (t < lastMs_)
        Clear();
    lastMs_ = t;
    const double seconds = t / kMsPerSecond;
    const double oldest = seconds - kWindowMs / kMsPerSecond;
    for (int i = 0; i < kChannelCount; ++i) {
        QLineSeries* series = series_[i];
        const double value = sample[kChannels[i]];
        if (!sample.gap && !std::isnan(value))
            series->append(seconds, value);
        int old = 0;
        while (old < series->count() && series->at(old).x() < oldest) ++old;
        if (old > 0)
            series->removePoints(0, old);
    }
    time_->setRange(std::max(0.0, oldest), std::max(seconds, kWindowMs / kMsPerSecond));
}

void StripChart::Clear() {
    for (QLineSeries* series : series_) series->clear();
    lastMs_ = -1;
}

QList<QPointF> StripChart::Points(int index) const {
    return series_[index]->points();
}
