// A datalog keeps its own words (captions, units, "marca 3", "sem conexão",
// the calibration events) and the viewer, the marks list and the strip chart
// show them in the program's language. A translator that brackets every text
// it is asked for shows which shown texts were looked up, and by which id: an
// event the program writes but the viewer's table spells otherwise would
// stay in Portuguese in every language.
#include "monitor/log_display_text.h"

#include <QCheckBox>
#include <QChart>
#include <QCoreApplication>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <gtest/gtest.h>
#include <string>

#include "log/datalog_recorder.h"
#include "monitor/log_viewer.h"
#include "monitor/monitor_procedures.h"
#include "monitor/strip_chart.h"
#include "tests/monitor/log_samples.h"
#include "tests/support/marking_translator.h"

namespace {

std::string Bracketed(const char* text) { return MarkingTranslator::MarkedStd(text); }
std::string U8(const QString& text) {
    return text.toStdString();
}

// Every fixed event text the program writes into a datalog's event column.
std::vector<const char*> WrittenEvents() {
    std::vector<const char*> events = {kGapEvent, kCalibrationStartEvent};
    for (CalibrationEnd end : {CalibrationEnd::Done, CalibrationEnd::Failed, CalibrationEnd::FixedWait,
                               CalibrationEnd::TimedOut})
        events.push_back(CalibrationEndEvent(end));
    return events;
}

TEST(LogDisplayText, EveryEventTheProgramWritesIsShownByItsOwnTextAndOthersAsWritten) {
    for (const char* event : WrittenEvents()) EXPECT_EQ(U8(LogEventText(event)), event);
    EXPECT_EQ(U8(LogEventText("marca 12")), "marca 12");

    const MarkingTranslator translator;
    for (const char* event : WrittenEvents()) EXPECT_EQ(U8(LogEventText(event)), Bracketed(event));
    // The mark's number goes into the looked-up sentence.
    EXPECT_EQ(U8(LogEventText("marca 12")), "[marca 12]");
    // A text the program does not write (a file edited by hand) is shown as
    // the file has it.
    for (const char* other : {"marca", "marca ", "marca x", "marcas 2", "nota: troca de filtro"})
        EXPECT_EQ(U8(LogEventText(other)), other);
}

TEST(LogDisplayText, ChannelsAreNamedByTheLogsOwnCaptionsAndOnlyWordUnitsTranslated) {
    for (int c = 0; c < kLogChannelCount; ++c) {
        EXPECT_EQ(U8(ChannelCaption(c)), ChannelInfo(c).caption) << c;
        EXPECT_EQ(U8(ChannelUnit(c)), ChannelInfo(c).unit) << c;
    }
    const MarkingTranslator translator;
    for (int c = 0; c < kLogChannelCount; ++c) {
        EXPECT_EQ(U8(ChannelCaption(c)), Bracketed(ChannelInfo(c).caption)) << c;
        const char* unit = ChannelInfo(c).unit;
        const bool word = c == static_cast<int>(LogChannel::Steps);
        EXPECT_EQ(U8(ChannelUnit(c)), word ? Bracketed(unit) : std::string(unit)) << c;
    }
}

// The viewer and the strip chart show the looked-up names, never the file's.
TEST(LogDisplayText, ViewerMarksBoxesCursorAndStripChartShowTheShownNames) {
    const MarkingTranslator translator;
    auto log = IdleLog(100);
    log->events.push_back({1000, "marca 1"});
    log->events.push_back({2000, kCalibrationStartEvent});
    LogViewer viewer;
    viewer.ShowLog(log, QStringLiteral("x.csv"));
    QListWidget* marks = viewer.MarkList();
    ASSERT_EQ(marks->count(), 2);
    EXPECT_EQ(U8(marks->item(0)->text()), "00:00:01.0  [marca 1]");
    EXPECT_EQ(U8(marks->item(1)->text()), "00:00:02.0  " + Bracketed(kCalibrationStartEvent));
    const int steps = static_cast<int>(LogChannel::Steps);
    EXPECT_EQ(U8(viewer.ChannelBox(steps)->text()), Bracketed(ChannelInfo(steps).caption));
    const std::string cursor = U8(viewer.CursorText());
    EXPECT_EQ(cursor.rfind(Bracketed(ChannelInfo(0).caption) + ": ", 0), 0u) << cursor;
    EXPECT_NE(cursor.find(" [passos]"), std::string::npos) << cursor;

    StripChart strip;
    const QList<QAbstractSeries*> series = strip.chart()->series();
    ASSERT_EQ(series.size(), StripChart::kChannelCount);
    for (int i = 0; i < StripChart::kChannelCount; ++i)
        EXPECT_EQ(U8(series[i]->name()), Bracketed(ChannelInfo(StripChart::kChannels[i]).caption)) << i;
}

}  // namespace
