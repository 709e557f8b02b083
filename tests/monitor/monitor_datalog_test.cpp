// Recording a drive on the monitoring panel against the in-process ECU: the
// file named after the plate, a sample per answered poll, a mark from the
// button and the M key, one gap (and no zeros) across an ECU power cycle,
// the recording ended with the panel.
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "app/globals.h"
#include "app/ui/link_banner.h"
#include "controls/image_button.h"
#include "log/datalog_reader.h"
#include "log/log_folder.h"
#include "monitor/monitor_dialog.h"
#include "tests/ui/ui_test_support.h"

namespace {

class MonitorDatalogTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        qputenv(kLogFolderVariable, TempPath(QStringLiteral("registros")).toUtf8());
    }
    void TearDown() override {
        qunsetenv(kLogFolderVariable);
        UiTest::TearDown();
    }
};

TEST_F(MonitorDatalogTest, ARecordingAcrossAPowerCycleHasOneGapAndNoZeros) {
    UseRealClock();
    ModelIndex = 0;
    g_CustomerData.licencePlate = "abc-1d23";
    EcuOptions options;
    options.faults.powerCycleAfterMs = 2500;
    options.faults.powerOffMs = 2500;
    ConnectSimulatedEcu(0, options);
    CMonitorDialog dialog;
    std::string path;
    RunActive(&dialog, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !dialog.IsBusy(); }, 10000));
        QPushButton* record = dialog.RecordButton();
        EXPECT_EQ(record->text(), QStringLiteral("Gravar"));
        EXPECT_EQ(dialog.MarkButton()->text(), QStringLiteral("Marcar"));
        EXPECT_FALSE(dialog.MarkButton()->isEnabled());
        record->click();
        ASSERT_TRUE(dialog.Recorder().Recording()) << dialog.RecordLabel()->text().toStdString();
        path = dialog.Recorder().Path();
        const std::string name = path.substr(path.rfind('/') + 1);
        EXPECT_EQ(name.rfind("ABC1D23_", 0), 0u) << name;
        EXPECT_EQ(QFileInfo(QString::fromStdString(path)).absolutePath(),
                  QFileInfo(TempPath(QStringLiteral("registros/x"))).absolutePath());
        EXPECT_TRUE(dialog.RecordLabel()->text().contains(QString::fromStdString(name)));
        ASSERT_TRUE(WaitUntil([&] { return dialog.Recorder().Rows() >= 5; }, 10000));
        dialog.MarkButton()->click();
        SaveScreenshot(&dialog, QStringLiteral("monitor-recording.png"));
        // The ECU goes off: the stream is lost, then it comes back.
        ASSERT_TRUE(WaitUntil([&] { return dialog.Recorder().Gaps() == 1; }, 15000));
        const int64_t rowsAtLoss = dialog.Recorder().Rows();
        ASSERT_TRUE(WaitUntil([&] { return dialog.Recorder().Rows() >= rowsAtLoss + 8; }, 20000));
        QTest::keyClick(&dialog, Qt::Key_M);
        ClickButton(&dialog, "Retornar");
    });
    EXPECT_FALSE(dialog.Recorder().Recording()) << "closing the panel ends the recording";

    const Datalog log = ReadDatalog(path);
    EXPECT_EQ(log.skippedCount, 0) << log.message;
    EXPECT_EQ(log.header.model, "Q7100");
    EXPECT_TRUE(QString::fromStdString(log.header.port).contains(QStringLiteral("COM1")));
    ASSERT_EQ(log.gaps.size(), 1u) << "one loss, one gap";
    const std::vector<double>& rpm = log.Channel(LogChannel::Rpm);
    int before = 0, after = 0;
    for (std::size_t i = 0; i < log.times.size(); ++i) {
        if (log.times[i] == log.gaps.front()) {
            EXPECT_TRUE(std::isnan(rpm[i]));
            continue;
        }
        // The idling engine never reads 0 rpm: a zero is the lost stream's.
        EXPECT_GT(rpm[i], 300) << "row at " << log.times[i];
        EXPECT_GT(log.Channel(LogChannel::Steps)[i], 0) << "row at " << log.times[i];
        (log.times[i] < log.gaps.front() ? before : after) += 1;
    }
    EXPECT_GE(before, 5);
    EXPECT_GE(after, 8);
    ASSERT_EQ(log.events.size(), 2u);
    EXPECT_EQ(log.events[0].text, "marca 1");
    EXPECT_EQ(log.events[1].text, "marca 2");
    EXPECT_LT(log.events[0].tMs, log.gaps.front());
    EXPECT_GT(log.events[1].tMs, log.gaps.front());
}

// The calibration's start and end are events of the recording, with its
// result; the values it reads meanwhile are samples.
struct CalibrationCase {
    CalibrationOutcome outcome;
    const char* end;
};
class RecordedCalibration : public MonitorDatalogTest,
                            public ::testing::WithParamInterface<CalibrationCase> {};

TEST_P(RecordedCalibration, ItsStartAndItsResultAreEventsAndItsReadingsSamples) {
    {
        const CalibrationCase& c = GetParam();
        EcuOptions options;
        options.calibrationMs = 800;
        options.faults.calibration = c.outcome;
        ConnectSimulatedEcu(2, options);
        CMonitorDialog dialog;
        std::string path;
        RunPage(&dialog, [&] {
            ASSERT_TRUE(WaitUntil([&] { return !dialog.IsBusy(); }, 10000));
            dialog.RecordButton()->click();
            path = dialog.Recorder().Path();
            ASSERT_TRUE(WaitUntil([&] { return dialog.Recorder().Rows() >= 3; }, 10000));
            dialog.Button(1183)->click();  // "CALIBRAR"
            ASSERT_TRUE(WaitUntil([&] { return !dialog.IsBusy(); }, 30000));
            dialog.RecordButton()->click();  // stopped by hand
            EXPECT_FALSE(dialog.Recorder().Recording());
            ClickButton(&dialog, "Retornar");
        });
        const Datalog log = ReadDatalog(path);
        ASSERT_EQ(log.events.size(), 2u) << c.end;
        EXPECT_EQ(log.events[0].text, "calibração iniciada");
        EXPECT_EQ(log.events[1].text, c.end);
        EXPECT_LT(log.events[0].tMs, log.events[1].tMs);
        int during = 0;
        for (int64_t t : log.times) during += t > log.events[0].tMs && t < log.events[1].tMs;
        EXPECT_GT(during, 0) << "the calibration's readings were not recorded";
    }
}

INSTANTIATE_TEST_SUITE_P(Outcomes, RecordedCalibration,
                         ::testing::Values(CalibrationCase{CalibrationOutcome::Success, "calibração concluída"},
                                           CalibrationCase{CalibrationOutcome::Failure, "calibração com erro"}));

// A folder that cannot be made: the panel says so and records nothing.
TEST_F(MonitorDatalogTest, AFolderThatCannotBeMadeIsSaidBesideTheButton) {
    QFile blocker(TempPath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv(kLogFolderVariable, TempPath(QStringLiteral("file/registros")).toUtf8());
    ConnectSimulatedEcu(2);
    CMonitorDialog dialog;
    RunPage(&dialog, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !dialog.IsBusy(); }, 10000));
        dialog.RecordButton()->click();
        EXPECT_FALSE(dialog.Recorder().Recording());
        EXPECT_FALSE(dialog.RecordButton()->isChecked());
        EXPECT_TRUE(dialog.RecordLabel()->text().startsWith(
            QString::fromUtf8("Não foi possível criar a pasta de registros ")))
            << dialog.RecordLabel()->text().toStdString();
        ClickButton(&dialog, "Retornar");
    });
}

}  // namespace
