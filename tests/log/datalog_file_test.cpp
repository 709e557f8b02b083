// The datalog file: what the writer puts down is what the reader gives back,
// in any desktop locale; rows reach the disk within a second of the clock;
// a disk that refuses to write stops the recording with a message.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <csignal>
#include <limits>

#include "comm/clock.h"
#include "log/datalog_reader.h"
#include "log/datalog_writer.h"
#include "tests/brazilian_locale.h"

#ifdef __linux__
#include <sys/resource.h>
#endif

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

LogSample Row(int64_t t, double rpm, double tps, double lambda, double steps, double scale,
              double injection, std::string event = {}) {
    LogSample s;
    s.tMs = t;
    const double v[] = {rpm, tps, lambda, steps, scale, injection};
    for (int c = 0; c < kLogChannelCount; ++c) s.values[c] = v[c];
    s.event = std::move(event);
    return s;
}

LogSample Gap(int64_t t) {
    LogSample s;
    s.tMs = t;
    s.gap = true;
    for (double& v : s.values) v = 1234;  // whatever the store held: never written
    return s;
}

const LogHeader kHeader{"Q5100 plus", "COM21 (/dev/ttyUSB0)", "2026-12-06T20:15:03-03:00"};

bool SameValue(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

std::string FileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<unreadable>");
}

class RoundTrip : public ::testing::TestWithParam<bool> {};

// Volts in 0.02 steps, injection in 0.1 ms, large rpm, a missing value, a
// calibration event on a sample, a gap, marks with a comma in them.
TEST_P(RoundTrip, WhatIsWrittenIsReadBackExactly) {
    BrazilianLocale brazil;
    if (GetParam())
        ASSERT_TRUE(brazil.Active());
    else
        std::setlocale(LC_ALL, "C");
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("r.csv")).toStdString();
    const std::vector<LogSample> rows = {
        Row(0, 850, 0.52, 0.46, 80, 0, 3.5),
        Row(100, 2500, 4.98, 0.02, 240, 1, 12.7, "calibração iniciada"),
        Row(200, 65535, 0, 5.1, 0, kNaN, kNaN),
        Gap(2300),
        Row(5100, 1200, 0.6, 0.88, 82, 0, 0.1),
        Row(5100, 1210, 1.62, 0.9, 83, 0, 25.5),
    };
    VirtualClock clock;
    DatalogWriter writer(clock);
    ASSERT_TRUE(writer.Open(path, kHeader)) << writer.Error();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i == 3) {
            ASSERT_TRUE(writer.AppendEvent(2000, "marca 1, antes do corte"));
        }
        ASSERT_TRUE(writer.Append(rows[i]));
    }
    ASSERT_TRUE(writer.AppendEvent(5200, "marca 2"));
    writer.Close();

    const Datalog log = ReadDatalog(path);
    EXPECT_EQ(log.skippedCount, 0) << FileText(QString::fromStdString(path));
    EXPECT_EQ(log.message, "");
    EXPECT_EQ(log.header.model, kHeader.model);
    EXPECT_EQ(log.header.port, kHeader.port);
    EXPECT_EQ(log.header.startIso, kHeader.startIso);
    ASSERT_EQ(log.SampleCount(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(log.times[i], rows[i].tMs);
        for (int c = 0; c < kLogChannelCount; ++c) {
            const double want = rows[i].gap ? kNaN : rows[i].values[c];
            EXPECT_TRUE(SameValue(log.values[c][i], want))
                << "row " << i << " " << ChannelInfo(c).column << ": " << log.values[c][i]
                << " != " << want;
        }
    }
    EXPECT_EQ(log.gaps, std::vector<int64_t>{2300});
    ASSERT_EQ(log.events.size(), 3u);
    EXPECT_EQ(log.events[0].tMs, 100);
    EXPECT_EQ(log.events[0].text, "calibração iniciada");
    EXPECT_EQ(log.events[1].tMs, 2000);
    EXPECT_EQ(log.events[1].text, "marca 1  antes do corte");
    EXPECT_EQ(log.events[2].text, "marca 2");

    // The file itself: a point in every number, the gap without values.
    const std::string text = FileText(QString::fromStdString(path));
    EXPECT_NE(text.find("\n0,850,0.52,0.46,80,0,3.5,\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n2300,,,,,,,sem conexão\n"), std::string::npos) << text;
    EXPECT_EQ(text.rfind("# Zano datalog 1\n", 0), 0u) << text;
}

INSTANTIATE_TEST_SUITE_P(Locales, RoundTrip, ::testing::Values(false, true),
                         [](const auto& param) { return param.param ? "Brazilian" : "C"; });

// A crash loses at most the last second: the rows are on disk once a second
// of the clock has passed, whether a new row or only a poll tick comes.
TEST(DatalogWriter, RowsReachTheDiskWithinOneSecond) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("f.csv")).toStdString();
    VirtualClock clock;
    clock.Advance(50000);
    DatalogWriter writer(clock);
    ASSERT_TRUE(writer.Open(path, kHeader));
    EXPECT_EQ(ReadDatalog(path).header.model, kHeader.model) << "the header goes out at once";
    for (int i = 0; i < 9; ++i) {
        writer.Append(Row(i * 100, 900, 1, 0.5, 80, 0, 3));
        clock.Advance(100);
    }
    // 900 ms after the header: the rows may still be in memory.
    clock.Advance(99);
    ASSERT_TRUE(writer.FlushIfDue());
    const std::size_t before = ReadDatalog(path).SampleCount();
    clock.Advance(1);
    ASSERT_TRUE(writer.FlushIfDue());  // a tick without a new row
    EXPECT_EQ(ReadDatalog(path).SampleCount(), 9u) << before << " on disk before the second";
    writer.Append(Row(1000, 900, 1, 0.5, 80, 0, 3));
    clock.Advance(1000);
    writer.Append(Row(2000, 900, 1, 0.5, 80, 0, 3));  // the row that finds the second passed
    EXPECT_EQ(ReadDatalog(path).SampleCount(), 11u);
    // A gap or a mark goes out at once: the moment of a loss is never lost.
    writer.Append(Gap(2050));
    writer.AppendEvent(2060, "marca 1");
    const Datalog log = ReadDatalog(path);
    EXPECT_EQ(log.gaps.size(), 1u);
    EXPECT_EQ(log.events.size(), 1u);
}

TEST(DatalogWriter, AFolderThatIsNotThereIsSaidAndNothingElseHappens) {
    VirtualClock clock;
    DatalogWriter writer(clock);
    QTemporaryDir dir;
    EXPECT_FALSE(writer.Open(dir.filePath(QStringLiteral("no/such/x.csv")).toStdString(), kHeader));
    EXPECT_EQ(writer.Error().rfind("Não foi possível criar o registro ", 0), 0u) << writer.Error();
    EXPECT_FALSE(writer.IsOpen());
    EXPECT_FALSE(writer.Append(Row(0, 1, 1, 1, 1, 1, 1)));
    EXPECT_FALSE(writer.AppendEvent(0, "marca 1"));
}

#ifdef __linux__
// A disk that fills up in the middle of a drive (a file-size limit plays the
// full disk): the writer stops with the message, later rows are refused, and
// what reached the disk still opens.
TEST(DatalogWriter, ADiskThatStopsTakingRowsStopsTheRecordingWithAMessage) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("full.csv")).toStdString();
    VirtualClock clock;
    DatalogWriter writer(clock);
    ASSERT_TRUE(writer.Open(path, kHeader));
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int accepted = 0;
    for (int i = 0; i < 2000 && writer.Append(Row(i * 100, 900, 1, 0.5, 80, 0, 3)); ++i) {
        ++accepted;
        clock.Advance(100);
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_LT(accepted, 2000);
    EXPECT_FALSE(writer.IsOpen());
    EXPECT_EQ(writer.Error().rfind("Gravação interrompida: não foi possível escrever em ", 0), 0u)
        << writer.Error();
    EXPECT_FALSE(writer.Append(Row(0, 1, 1, 1, 1, 1, 1)));
    writer.Close();
    const Datalog log = ReadDatalog(path);
    EXPECT_GT(log.SampleCount(), 10u);
    EXPECT_LE(log.SampleCount(), static_cast<std::size_t>(accepted));
}
#endif

}  // namespace
