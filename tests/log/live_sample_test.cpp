// A sample from the live store, in the gauges' units, and where the log
// files go.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cmath>

#include "comm/clock.h"
#include "data/crx4data.h"
#include "log/datalog.h"
#include "log/datalog_reader.h"
#include "log/datalog_recorder.h"
#include "log/log_folder.h"

namespace {

struct Reg {
    const char* key;
    const char* hex;
};

void Fill(CRX4DATA& store, std::initializer_list<Reg> regs) {
    for (const Reg& r : regs) store.Add(r.key, r.hex);
}

const std::initializer_list<Reg> kIdleQ7100 = {{"11", "50"}, {"23", "1A"}, {"24", "17"},
                                                {"28", "52"}, {"29", "3"},  {"81", "23"},
                                                {"83", "1"}};

TEST(SampleFromLiveStore, ConvertsAsTheGaugesShow) {
    CRX4DATA store;
    Fill(store, kIdleQ7100);
    const auto s = SampleFromLiveStore(store, 0, 4200);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->tMs, 4200);
    EXPECT_FALSE(s->gap);
    EXPECT_EQ((*s)[LogChannel::Rpm], 850);  // 0x52 + 256 * 3
    EXPECT_DOUBLE_EQ((*s)[LogChannel::TpsVolts], 0.52);
    EXPECT_DOUBLE_EQ((*s)[LogChannel::LambdaVolts], 0.46);
    EXPECT_EQ((*s)[LogChannel::Steps], 80);
    EXPECT_EQ((*s)[LogChannel::ActuatorScale], 1);  // red
    EXPECT_DOUBLE_EQ((*s)[LogChannel::InjectionMs], 3.5);

    // Q5100: a period count with the factors "2B" and "2C".
    CRX4DATA q5100;
    Fill(q5100, kIdleQ7100);
    Fill(q5100, {{"28", "A0"}, {"29", "86"}, {"2A", "1"}, {"2B", "1"}, {"2C", "2"}});
    const auto q = SampleFromLiveStore(q5100, 1, 0);
    ASSERT_TRUE(q);
    EXPECT_EQ((*q)[LogChannel::Rpm], 600);  // 120e6 / (0x186A0 * 2)
    // Read as a Q7100 the same store gives the low two bytes.
    EXPECT_EQ((*SampleFromLiveStore(q5100, 2, 0))[LogChannel::Rpm], 0xA0 + 256 * 0x86);
}

TEST(SampleFromLiveStore, WhatTheStoreLacks) {
    for (const char* needed : {"11", "23", "24", "28", "29"}) {
        CRX4DATA store;
        for (const Reg& r : kIdleQ7100)
            if (std::string(r.key) != needed) store.Add(r.key, r.hex);
        EXPECT_FALSE(SampleFromLiveStore(store, 0, 0)) << needed;
    }
    CRX4DATA store;
    Fill(store, {{"11", "50"}, {"23", "1A"}, {"24", "17"}, {"28", "0"}, {"29", "0"}, {"2A", "0"},
                 {"2B", "1"}, {"2C", "2"}});
    const auto s = SampleFromLiveStore(store, 1, 0);
    ASSERT_TRUE(s);
    EXPECT_TRUE(std::isnan((*s)[LogChannel::Rpm])) << "no speed count yet is no reading";
    EXPECT_TRUE(std::isnan((*s)[LogChannel::InjectionMs]));
    EXPECT_EQ((*s)[LogChannel::ActuatorScale], 0) << "without \"83\" the scale shows green";
    store.Add("83", "7");
    EXPECT_TRUE(std::isnan((*SampleFromLiveStore(store, 1, 0))[LogChannel::ActuatorScale]));
}

// The recorder over a virtual clock: a loss reported twice (the link
// watcher and the lost stream) is one gap; the gap carries no values even
// though the store then holds the zeros the gauges show; marks count.
TEST(DatalogRecorder, OneGapPerLossAndNumberedMarks) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("rec.csv")).toStdString();
    VirtualClock clock;
    clock.Advance(123456);
    DatalogRecorder recorder(clock);
    CRX4DATA store;
    Fill(store, kIdleQ7100);
    recorder.OnLiveValues(store, 0);  // not recording yet
    EXPECT_EQ(recorder.Mark(), 0);
    ASSERT_TRUE(recorder.Start(path, {"Q7100", "COM1", "x"}));
    for (int i = 0; i < 5; ++i) {
        recorder.OnLiveValues(store, 0);
        clock.Advance(100);
    }
    EXPECT_EQ(recorder.Mark(), 1);
    recorder.OnLinkLost();
    Fill(store, {{"11", "0"}, {"23", "0"}, {"24", "0"}, {"28", "0"}, {"29", "0"}});
    clock.Advance(1200);
    recorder.OnLinkLost();
    recorder.OnTick();
    Fill(store, kIdleQ7100);
    recorder.OnLiveValues(store, 0);
    recorder.OnLinkLost();
    EXPECT_EQ(recorder.Mark(), 2);
    recorder.Stop();
    recorder.OnLiveValues(store, 0);

    const Datalog log = ReadDatalog(path);
    EXPECT_EQ(log.skippedCount, 0);
    EXPECT_EQ(log.times, (std::vector<int64_t>{0, 100, 200, 300, 400, 500, 1700, 1700}));
    EXPECT_EQ(log.gaps, (std::vector<int64_t>{500, 1700}));
    for (std::size_t i = 0; i < log.times.size(); ++i) {
        const double rpm = log.Channel(LogChannel::Rpm)[i];
        const bool gap = i == 5 || i == 7;
        EXPECT_EQ(std::isnan(rpm), gap) << i;
        if (!gap) {
            EXPECT_EQ(rpm, 850) << i;
        }
    }
    ASSERT_EQ(log.events.size(), 2u);
    EXPECT_EQ(log.events[0].text, "marca 1");
    EXPECT_EQ(log.events[0].tMs, 500);
    EXPECT_EQ(log.events[1].text, "marca 2");
}

TEST(LogFolder, PlateTimeAndFolder) {
    const struct {
        const char* plate;
        const char* part;
    } plates[] = {{"abc-1d23", "ABC1D23"}, {"", "sem-placa"}, {" / .. ", "sem-placa"},
                  {"BRA2E19\n", "BRA2E19"}, {"ÇÃ-9", "9"}, {"abcdefghijklmnopqrstu", "ABCDEFGHIJKLMNOP"}};
    for (const auto& p : plates) EXPECT_EQ(PlateForFileName(p.plate), p.part) << p.plate;

    const QDateTime start(QDate(2026, 12, 6), QTime(20, 15, 3));
    EXPECT_EQ(DatalogFileName("abc 1234", start), "ABC1234_2026-12-06_20-15-03.csv");

    QTemporaryDir dir;
    qputenv(kLogFolderVariable, dir.filePath(QStringLiteral("logs")).toUtf8());
    const std::string folder = DatalogFolder();
    EXPECT_EQ(folder, dir.filePath(QStringLiteral("logs")).toStdString());
    const std::string first = NewDatalogPath(folder, "", start);
    EXPECT_EQ(first, folder + "/sem-placa_2026-12-06_20-15-03.csv");
    EXPECT_TRUE(QDir(QString::fromStdString(folder)).exists());
    QFile(QString::fromStdString(first)).open(QIODevice::WriteOnly);
    EXPECT_EQ(NewDatalogPath(folder, "", start), folder + "/sem-placa_2026-12-06_20-15-03_2.csv");
    qunsetenv(kLogFolderVariable);
    EXPECT_NE(DatalogFolder().find("/registros"), std::string::npos);

    const QDateTime withOffset(QDate(2026, 12, 6), QTime(20, 15, 3), Qt::OffsetFromUTC, -3 * 3600);
    EXPECT_EQ(IsoWithOffset(withOffset), "2026-12-06T20:15:03-03:00");
}

}  // namespace
