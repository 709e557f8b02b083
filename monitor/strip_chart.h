#pragma once
// The monitoring screen's strip chart: the last 60 s of the engine speed, the
// throttle and the lambda voltages, beside the gauges. Fed one sample per
// answered poll (or per row of a playback).

#include <QChartView>
#include <QList>
#include <QPointF>

#include "log/datalog.h"

class QLineSeries;
class QValueAxis;

class StripChart : public QChartView {
  public:
    static constexpr double kWindowMs = 60000;
    // The channels drawn, in legend order.
    static constexpr LogChannel kChannels[] = {LogChannel::Rpm, LogChannel::TpsVolts,
                                               LogChannel::LambdaVolts};
    static constexpr int kChannelCount = 3;

    explicit StripChart(QWidget* parent = nullptr);

    // A sample at its time; what is older than 60 s before it drops out. A
    // sample earlier than the last one (a playback stepped back) starts the
    // chart again.
    void Append(const LogSample& sample);
    void Clear();
    // The points of one of kChannels (by its index there): (s, value).
    QList<QPointF> Points(int index) const;

  private:
    QLineSeries* series_[kChannelCount];
    QValueAxis* time_;
    double lastMs_ = -1;
};
