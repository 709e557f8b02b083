// A sample from the live store in the gauges' units, the recorder's gaps and
// marks, and where the log files go.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>

#include "comm/clock.h"
#include "data/crx4data.h"
#include "log/datalog_reader.h"
#include "log/datalog_recorder.h"
#include "log/log_folder.h"

namespace {

using Regs = std::vector<std::pair<const char*, const char*>>;
const Regs kIdleQ7100 = {{"11", "50"}, {"23", "1A"}, {"24", "17"}, {"28", "52"},
                         {"29", "3"},  {"81", "23"}, {"83", "1"}};

void Fill(CRX4DATA& store, const Regs& regs) {
    for (const auto& [key, hex] : regs) store.Add(key, hex);
}
double Value(CRX4DATA& store, int model, LogChannel c) {
    const auto s = SampleFromLiveStore(store, model, 0);
    return s ? (*s)[c] : -999;
}

TEST(SampleFromLiveStore, ConvertsAsTheGaugesShowAndSaysWhatIsMissing) {
    CRX4DATA store;
    Fill(store, kIdleQ7100);
    const auto s = SampleFromLiveStore(store, 0, 4200);
    ASSERT_TRUE(s && s->tMs == 4200);
    const double want[] = {850, 0.52, 0.46, 80, 1, 3.5};  // 0x52 + 256 * 3; 26 and 23 * 0.02 V; red
    for (int c = 0; c < kLogChannelCount; ++c) EXPECT_DOUBLE_EQ(s->values[c], want[c]) << c;
    // Q5100: a period count with the factors "2B" and "2C"; 120e6 / (0x186A0 * 2).
    Fill(store, {{"28", "A0"}, {"29", "86"}, {"2A", "1"}, {"2B", "1"}, {"2C", "2"}});
    EXPECT_EQ((std::pair{Value(store, 1, LogChannel::Rpm), Value(store, 2, LogChannel::Rpm)}), (std::pair{600.0, 0xA0 + 256.0 * 0x86}));
    Fill(store, {{"28", "0"}, {"29", "0"}, {"2A", "0"}, {"83", "7"}});
    EXPECT_TRUE(std::isnan(Value(store, 1, LogChannel::Rpm))) << "no speed count yet is no reading";
    EXPECT_TRUE(std::isnan(Value(store, 1, LogChannel::ActuatorScale))) << "83 = 7 is no colour";
    CRX4DATA bare;
    Fill(bare, {{"11", "50"}, {"23", "1A"}, {"24", "17"}, {"28", "52"}, {"29", "3"}});
    EXPECT_TRUE(std::isnan(Value(bare, 0, LogChannel::InjectionMs)));
    EXPECT_EQ(Value(bare, 0, LogChannel::ActuatorScale), 0) << "without \"83\" the scale shows green";
    for (const char* needed : {"11", "23", "24", "28", "29"}) {
        CRX4DATA lacking;
        for (const auto& [key, hex] : kIdleQ7100)
            if (std::string(key) != needed) lacking.Add(key, hex);
        EXPECT_FALSE(SampleFromLiveStore(lacking, 0, 0)) << needed;
    }
}

// A loss reported twice (the link watcher and the lost stream) is one gap;
// neither the gap nor the first poll after it (part of a burst) records the
// zeros the store then holds; marks count from 1; nothing is written before
// Start or after Stop.
TEST(DatalogRecorder, OneGapPerLossAndNumberedMarks) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("rec.csv")).toStdString();
    VirtualClock clock;
    clock.Advance(123456);
    DatalogRecorder recorder(clock);
    CRX4DATA store;
    Fill(store, kIdleQ7100);
    recorder.OnLiveValues(store, 0);
    EXPECT_EQ(recorder.Mark(), 0);
    ASSERT_TRUE(recorder.Start(path, {"Q7100", "COM1", "x"}));
    for (int i = 0; i < 5; ++i, clock.Advance(100)) recorder.OnLiveValues(store, 0);
    EXPECT_EQ(recorder.Mark(), 1);
    recorder.OnLinkLost();
    Fill(store, {{"11", "0"}, {"23", "0"}, {"24", "0"}, {"28", "0"}, {"29", "0"}});
    clock.Advance(1200);
    recorder.OnLinkLost();
    Fill(store, {{"28", "52"}, {"29", "3"}});  // the first poll after it: part of a burst
    recorder.OnLiveValues(store, 0);
    Fill(store, kIdleQ7100);
    recorder.OnLiveValues(store, 0);
    recorder.OnLinkLost();
    EXPECT_EQ(recorder.Mark(), 2);
    recorder.Stop();
    recorder.OnLiveValues(store, 0);

    const Datalog log = ReadDatalog(path);
    EXPECT_EQ(log.times, (std::vector<int64_t>{0, 100, 200, 300, 400, 500, 1700, 1700}));
    EXPECT_EQ(log.gaps, (std::vector<int64_t>{500, 1700}));
    for (std::size_t i = 0; i < log.times.size(); ++i) {
        const double rpm = log.Channel(LogChannel::Rpm)[i], tps = log.Channel(LogChannel::TpsVolts)[i];
        EXPECT_TRUE(i == 5 || i == 7 ? std::isnan(rpm) : rpm == 850 && tps == 0.52) << i;
    }
    ASSERT_EQ(log.events.size(), 2u);
    EXPECT_EQ(log.events[0].text + "@" + std::to_string(log.events[0].tMs) + " " + log.events[1].text, "marca 1@500 marca 2");
}

TEST(LogFolder, PlateTimeAndFolder) {
    const std::pair<const char*, const char*> plates[] = {
        {"abc-1d23", "ABC1D23"}, {"", "sem-placa"}, {" / .. ", "sem-placa"}, {"BRA2E19\n", "BRA2E19"},
        {"ÇÃ-9", "9"}, {"abcdefghijklmnopqrstu", "ABCDEFGHIJKLMNOP"}};
    for (const auto& [plate, part] : plates) EXPECT_EQ(PlateForFileName(plate), part) << plate;
    const QDateTime start(QDate(2026, 12, 6), QTime(20, 15, 3));
    EXPECT_EQ(DatalogFileName("abc 1234", start) + " " + IsoWithOffset(QDateTime(start.date(), start.time(), Qt::OffsetFromUTC, -3 * 3600)),
              "ABC1234_2026-12-06_20-15-03.csv 2026-12-06T20:15:03-03:00");

    QTemporaryDir dir;
    qputenv(kLogFolderVariable, dir.filePath(QStringLiteral("logs")).toUtf8());
    const std::string folder = DatalogFolder(), first = NewDatalogPath(folder, "", start);
    EXPECT_EQ(first, dir.filePath("logs").toStdString() + "/sem-placa_2026-12-06_20-15-03.csv");
    QFile(QString::fromStdString(first)).open(QIODevice::WriteOnly);  // the folder was made
    EXPECT_EQ(NewDatalogPath(folder, "", start), folder + "/sem-placa_2026-12-06_20-15-03_2.csv");
    qunsetenv(kLogFolderVariable);
    EXPECT_NE(DatalogFolder().find("/registros"), std::string::npos);
}

}  // namespace
