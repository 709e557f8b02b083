// Playing a datalog through the monitoring panel's gauges, offscreen: the
// gauges show the recorded values, the ECU hears nothing while it plays, and
// a live panel goes back to polling afterwards. Also the strip chart of the
// live values and the store round trip the playback relies on.
#include <QAction>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/ui/log_viewer_command.h"
#include "controls/image_button.h"
#include "data/crx4data.h"
#include "tests/comm/protocol_store_text.h"
#include "monitor/log_playback.h"
#include "monitor/log_viewer.h"
#include "monitor/monitor_dialog.h"
#include "tests/monitor/shown_rpm.h"
#include "monitor/playback_bar.h"
#include "monitor/playback_store.h"
#include "monitor/strip_chart.h"
#include "tests/monitor/log_samples.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr int kReturn = 1186, kCalibrate = 1183, kIdle = 1712;

// Every value the ECU can send comes back unchanged through the store:
// the playback shows exactly what was recorded, on every model.
TEST(PlaybackStore, PutSampleInStoreIsTheInverseOfSampleFromLiveStore) {
    for (int model = 0; model < 3; ++model) {
        CRX4DATA store;
        for (int i = 0; i <= 10000; ++i) {
            LogSample row{i, false, {double(i), 0.02 * (i % 256), 0.02 * ((i * 7) % 256), double(i % 241), double(i % 2), 0.1 * (i % 256)}, {}};
            PutSampleInStore(row, model, store);
            const auto back = SampleFromLiveStore(store, model, i);
            ASSERT_TRUE(back.has_value());
            for (int c = 0; c < kLogChannelCount; ++c)
                ASSERT_DOUBLE_EQ(back->values[c], row.values[c]) << "model " << model << " channel " << c << " row " << i;
        }
    }
}

class PlaybackTest : public UiTest, public ::testing::WithParamInterface<int> {
  protected:
    void TearDown() override { dialog_.reset(), UiTest::TearDown(); }
    int ShownRpm() const { return ::ShownRpm(*dialog_); }
    int Sent() { return static_cast<int>(Ecu().ReceivedFrames().size()); }
    static std::shared_ptr<Datalog> Drive(int model) {
        auto log = std::make_shared<Datalog>();
        log->header.model = ModelName(model);
        // 777 rpm: not a speed the idling simulator shows, so a live reading
        // drawn over the playback is seen.
        AddRow(*log, 0, 777, 0.52, 0.46, 80, 0, 3.5);
        AddRow(*log, 100, 2754, 1.86, 0.12, 129, 1, 4.1);
        AddGap(*log, 200);
        AddRow(*log, 1500, 3120, 2.4, 0.78, 140, 0, 5.0);
        for (int i = 1; i <= 20; ++i) AddRow(*log, 1500 + 100 * i, 1000 + i, 0.6, 0.44, 90, 0, 3.0);
        return log;
    }
    std::unique_ptr<CMonitorDialog> dialog_;
};

// A panel opened to play a log (no ECU needed) shows each row on the gauges
// through the store, steps with the arrows, plays at 4x to the end, writes
// and calibrates nothing, and never puts a byte on the line.
TEST_P(PlaybackTest, APlaybackPanelShowsTheRecordedValuesAndSendsNothing) {
    ConnectSimulatedEcu(GetParam());
    const int sent = Sent();
    auto log = Drive(GetParam());
    dialog_ = std::make_unique<CMonitorDialog>(log);
    const int result = RunPage(dialog_.get(), [&] {
        ASSERT_TRUE(dialog_->IsPlaying() && dialog_->PlaybackControls()->isVisible());
        EXPECT_EQ(ShownRpm(), 777);
        QTest::keyClick(dialog_.get(), Qt::Key_Right);
        EXPECT_TRUE(ShownRpm() == 2754 && dialog_->Slots().ShownImage(MonitorSlots::kScaleRed) == GaugeImages::kScaleRed);
        QTest::keyClick(dialog_.get(), Qt::Key_Right);  // the gap: as when the stream is lost
        for (const char* reg : {"11", "23", "24", "28", "29"}) EXPECT_EQ(StoredText(dialog_->PlaybackStore(), reg), "0") << reg;
        EXPECT_TRUE(GetParam() == 1 || ShownRpm() == 0);  // the Q5100's speed keeps its third byte, as live
        EXPECT_EQ(dialog_->Slots().ShownImage(MonitorSlots::kScaleRed), 0);
        QTest::keyClick(dialog_.get(), Qt::Key_Right);
        EXPECT_EQ(ShownRpm(), 3120);

        // Enter, the calibration and the step fields do nothing.
        QTest::keyClick(dialog_->StepField(kIdle), Qt::Key_Return);
        EXPECT_FALSE(dialog_->Button(kCalibrate)->isEnabled() || dialog_->StepField(kIdle)->isEnabled());

        dialog_->PlaybackControls()->SpeedButton(4)->click();
        EXPECT_EQ(dialog_->Playback()->Speed(), 4);
        ASSERT_TRUE(WaitUntil([&] { return dialog_->Playback()->AtEnd(); }, 10000));
        EXPECT_EQ(ShownRpm(), 1020);
        EXPECT_TRUE(dialog_->Playback()->Speed() == LogPlayback::kPaused && dialog_->PlaybackControls()->SpeedButton(0)->isChecked());
        if (GetParam() == 0) {
            dialog_->Playback()->Seek(100);
            dialog_->StepPlayback(0);
            SaveScreenshot(dialog_.get(), QStringLiteral("monitor-playback.png"));
        }
        dialog_->Button(kReturn)->click();
    });
    dialog_.reset();
    WaitForWorker();
    EXPECT_TRUE(result == CMonitorDialog::kReturned && Sent() == sent && messages_.empty());
}

INSTANTIATE_TEST_SUITE_P(Models, PlaybackTest, ::testing::Values(0, 1));

// "Abrir registros..." in the live panel's context menu opens the viewer
// over it; "Reproduzir no painel" plays in that same panel (a second panel
// would leave this one polling underneath) and closes the viewer.
TEST_F(PlaybackTest, TheContextMenuOpensTheViewerWhosePlaybackGoesToThisPanel) {
    ConnectSimulatedEcu(0);
    SetLogViewerOpener([](QWidget* parent, const QString& path) { OpenLogViewerFor(parent, path); });
    QFile file(nextFile_ = TempPath("drive.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# Zano datalog 1\n# modelo: Q7100\n"
               "tempo_ms,rpm,tps_V,lambda_V,passos,atuador,injecao_ms,evento\n"
               "0,1777,0.52,0.45,80,0,3.5,\n100,1800,0.52,0.47,80,0,3.5,\n");
    file.close();
    dialog_ = std::make_unique<CMonitorDialog>();
    RunPage(dialog_.get(), [&] {
        ASSERT_TRUE(WaitUntil([&] { return !dialog_->IsBusy(); }));
        QAction* command = dialog_->findChild<QAction*>(QStringLiteral("openLogs"));
        ASSERT_TRUE(command && command->text() == QStringLiteral("Abrir registros..."));
        command->trigger();
        auto* viewer = dialog_->findChild<LogViewer*>();
        ASSERT_NE(viewer, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return viewer->HasLog() && !viewer->IsLoading(); }));
        QPointer<LogViewer> watched(viewer);
        viewer->PlayButton()->click();
        EXPECT_TRUE(dialog_->IsPlaying() && !dialog_->IsPolling());
        EXPECT_EQ(ShownRpm(), 1777);
        EXPECT_TRUE(WaitUntil([&] { return watched.isNull(); }));
        // Nothing is sent while it plays; leaving it shows the live values again.
        WaitForWorker();
        const int sent = Sent();
        QTest::keyClick(dialog_.get(), Qt::Key_Right);
        QTest::keyClick(dialog_->StepField(kIdle), Qt::Key_Return);
        EXPECT_TRUE(ShownRpm() == 1800 && Sent() == sent) << ShownRpm();
        dialog_->PlaybackControls()->LeaveButton()->click();
        EXPECT_TRUE(!dialog_->IsPlaying() && dialog_->IsPolling());
        EXPECT_TRUE(WaitUntil([&] { return ShownRpm() != 1800; }, 5000));
        dialog_->Button(kReturn)->click();
    });
    SetLogViewerOpener(nullptr);
}

// The strip chart fits below the gauges without covering any of the panel's
// own widgets and follows the live rpm.
TEST_F(PlaybackTest, TheStripChartCoversNoWidgetOfThePanelAndFollowsTheLiveSpeed) {
    ConnectSimulatedEcu(0);
    CMonitorDialog dialog;
    RunPage(&dialog, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !dialog.IsBusy(); }));
        dialog.StripToggle()->click();
        ASSERT_TRUE(dialog.Strip()->isVisible());
        for (QWidget* other : CPageDialog::PageWidgets(&dialog)) {
            if (other == dialog.Strip() || !other->isVisible() || other->parentWidget() != &dialog)
                continue;
            EXPECT_FALSE(other->geometry().intersects(dialog.Strip()->geometry())) << other->objectName().toStdString();
        }
        ASSERT_TRUE(WaitUntil([&] { return dialog.Strip()->Points(0).size() >= 3 && ::ShownRpm(dialog) > 0; }, 10000));
        EXPECT_EQ(dialog.Strip()->Points(0).back().y(), ::ShownRpm(dialog));
        SaveScreenshot(&dialog, QStringLiteral("monitor-strip-chart.png"));
        dialog.StripToggle()->click();
        EXPECT_FALSE(dialog.Strip()->isVisible());
        dialog.Button(kReturn)->click();
    });
}

}  // namespace
