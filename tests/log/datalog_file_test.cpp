// The datalog file: what the writer puts down is what the reader gives back,
// in any desktop locale; rows reach the disk within a second of the clock;
// a file that cannot be made is said.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "comm/clock.h"
#include "log/datalog_reader.h"
#include "log/datalog_writer.h"
#include "tests/brazilian_locale.h"


namespace {

const double kNaN = std::nan("");
const LogHeader kHeader{"Q5100 plus", "COM21 (/dev/ttyUSB0)", "2026-12-06T20:15:03-03:00"};

LogSample Row(int64_t t, std::vector<double> v, std::string event = {}, bool gap = false) {
    LogSample s{t, gap, {}, std::move(event)};
    std::copy(v.begin(), v.end(), s.values);
    return s;
}
const std::vector<double> kIdle = {900, 1, 0.5, 80, 0, 3};

class LogFile : public ::testing::Test {
  protected:
    std::string Path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)).toStdString(); }
    QTemporaryDir dir_;
    VirtualClock clock_;
};
class RoundTrip : public LogFile, public ::testing::WithParamInterface<bool> {};

// Volts in 0.02 steps, injection in 0.1 ms, large rpm, missing values, an
// event on a sample, a gap over whatever the store held, marks with a comma.
TEST_P(RoundTrip, WhatIsWrittenIsReadBackExactly) {
    BrazilianLocale brazil;
    ASSERT_TRUE(GetParam() ? brazil.Active() : std::setlocale(LC_ALL, "C") != nullptr);
    const std::vector<LogSample> rows = {
        Row(0, {850, 0.52, 0.46, 80, 0, 3.5}), Row(100, {2500, 4.98, 0.02, 240, 1, 12.7}, "calibração iniciada"),
        Row(200, {65535, 0, 5.1, 0, kNaN, kNaN}), Row(2300, {1, 1, 1, 1, 1, 1}, "", true),
        Row(5100, {1200, 0.6, 0.88, 82, 0, 0.1}), Row(5100, {1210, 1.62, 0.9, 83, 0, 25.5})};
    DatalogWriter writer(clock_);
    ASSERT_TRUE(writer.Open(Path("r.csv"), kHeader)) << writer.Error();
    for (const LogSample& row : rows) ASSERT_TRUE(writer.Append(row));
    ASSERT_TRUE(writer.AppendEvent(5200, "marca 1, perto do fim"));
    writer.Close();

    const Datalog log = ReadDatalog(Path("r.csv"));
    EXPECT_EQ(std::to_string(log.skippedCount) + log.header.model + "|" + log.header.port + "|" + log.header.startIso,
              "0" + kHeader.model + "|" + kHeader.port + "|" + kHeader.startIso);
    ASSERT_EQ(log.SampleCount(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(log.times[i], rows[i].tMs);
        for (int c = 0; c < kLogChannelCount; ++c) {
            const double want = rows[i].gap ? kNaN : rows[i].values[c], got = log.values[c][i];
            EXPECT_TRUE(std::isnan(want) ? std::isnan(got) : got == want) << i << ChannelInfo(c).column << got;
        }
    }
    EXPECT_EQ(log.gaps, std::vector<int64_t>{2300});
    ASSERT_EQ(log.events.size(), 2u);
    EXPECT_EQ(log.events[0].text + "|" + log.events[1].text, "calibração iniciada|marca 1  perto do fim");
    QFile file(QString::fromStdString(Path("r.csv")));
    const std::string text = file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "";
    EXPECT_NE(text.find("\n0,850,0.52,0.46,80,0,3.5,\n"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Locales, RoundTrip, ::testing::Values(false, true),
                         [](const auto& param) { return param.param ? "Brazilian" : "C"; });

// A crash loses at most the last second: the rows are on disk once a second
// of the clock has passed, whether a row or only a poll tick comes; a gap or
// a mark at once.
TEST_F(LogFile, RowsReachTheDiskWithinOneSecond) {
    clock_.Advance(50000);
    DatalogWriter writer(clock_);
    ASSERT_TRUE(writer.Open(Path("f.csv"), kHeader));
    EXPECT_EQ(ReadDatalog(Path("f.csv")).header.model, kHeader.model) << "the header goes out at once";
    for (int i = 0; i < 9; ++i, clock_.Advance(100)) writer.Append(Row(i * 100, kIdle));
    clock_.Advance(100);
    ASSERT_TRUE(writer.FlushIfDue());  // a tick without a row
    EXPECT_EQ(ReadDatalog(Path("f.csv")).SampleCount(), 9u);
    writer.Append(Row(1000, kIdle));
    clock_.Advance(1000);
    writer.Append(Row(2000, kIdle));
    EXPECT_EQ(ReadDatalog(Path("f.csv")).SampleCount(), 11u);
    writer.Append(Row(2050, {}, "", true));
    writer.AppendEvent(2060, "marca 1");
    const Datalog log = ReadDatalog(Path("f.csv"));
    EXPECT_EQ(log.gaps.size() + log.events.size(), 2u);
}

TEST_F(LogFile, AFileThatCannotBeMadeRefusesTheRecordingWithAMessage) {
    DatalogWriter writer(clock_);
    EXPECT_FALSE(writer.Open(Path("no/such/x.csv"), kHeader));
    EXPECT_EQ(writer.Error().rfind("Não foi possível criar o registro ", 0), 0u) << writer.Error();
    EXPECT_FALSE(writer.Append(Row(0, kIdle)) || writer.AppendEvent(0, "marca 1"));
}

}  // namespace
