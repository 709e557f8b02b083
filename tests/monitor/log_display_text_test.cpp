// A datalog keeps its own words (captions, units, "marca 3", "sem conexão",
// the calibration events) and the viewer and the strip chart show them in the
// program's language (the viewer's widgets are walked in every language in
// tests/ui). A translator that brackets every text it is asked for shows
// which shown texts were looked up, and by which id: an event the program
// writes but the viewer's table spells otherwise would stay in Portuguese.
#include "monitor/log_display_text.h"

#include <QChart>
#include <QLineSeries>
#include <gtest/gtest.h>
#include <string>

#include "log/datalog_recorder.h"
#include "monitor/monitor_procedures.h"
#include "monitor/strip_chart.h"
#include "tests/support/marking_translator.h"

namespace {

std::string Bracketed(const char* text) { return MarkingTranslator::MarkedStd(text); }
std::string U8(const QString& text) { return text.toStdString(); }

// Every fixed event text the program writes into a datalog's event column.
std::vector<const char*> WrittenEvents() {
    std::vector<const char*> events = {kGapEvent, kCalibrationStartEvent};
    for (CalibrationEnd end : {CalibrationEnd::Done, CalibrationEnd::Failed, CalibrationEnd::FixedWait,
                               CalibrationEnd::TimedOut})
        events.push_back(CalibrationEndEvent(end));
    return events;
}

// With a translator that brackets what it is asked for, each shown text is
// the looked-up source text, which is what the program writes.
TEST(LogDisplayText, EventsChannelsAndStripChartShowTheLogsOwnWordsAndOnlyWordUnitsTranslated) {
    EXPECT_EQ(std::string(CalibrationEndEvent(CalibrationEnd::Done)) + "|" + CalibrationEndEvent(CalibrationEnd::Failed),
              "calibração concluída|calibração com erro");
    const MarkingTranslator translator;
    for (const char* event : WrittenEvents()) EXPECT_EQ(U8(LogEventText(event)), Bracketed(event));
    EXPECT_EQ(U8(LogEventText("marca 12")), "[marca 12]");  // the number goes into the sentence
    // A text the program does not write (a file edited by hand) is shown as the file has it.
    for (const char* other : {"marca", "marca ", "marca x", "marcas 2", "nota: troca de filtro"})
        EXPECT_EQ(U8(LogEventText(other)), other);
    for (int c = 0; c < kLogChannelCount; ++c) {
        EXPECT_EQ(U8(ChannelCaption(c)), Bracketed(ChannelInfo(c).caption)) << c;
        const char* unit = ChannelInfo(c).unit;
        EXPECT_EQ(U8(ChannelUnit(c)), c == static_cast<int>(LogChannel::Steps) ? Bracketed(unit) : std::string(unit)) << c;
    }
    // The strip chart's series carry the looked-up names, never the file's.
    StripChart strip;
    const QList<QAbstractSeries*> series = strip.chart()->series();
    ASSERT_EQ(series.size(), StripChart::kChannelCount);
    for (int i = 0; i < StripChart::kChannelCount; ++i)
        EXPECT_EQ(U8(series[i]->name()), Bracketed(ChannelInfo(StripChart::kChannels[i]).caption)) << i;
}

}  // namespace
