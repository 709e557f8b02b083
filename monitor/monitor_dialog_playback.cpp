// The monitoring panel's datalog side: the strip chart of the last 60 s, the
// "Registros" viewer, and the playback of a log through the same gauges.
#include <QKeyEvent>
#include <QPushButton>
#include <QSpinBox>
#include <cmath>

#include "app/globals.h"
#include "app/ui/link_watcher.h"
#include "data/crx4data.h"
#include "i18n/ui_text.h"
#include "log/datalog_reader.h"
#include "monitor/log_playback.h"
#include "monitor/log_viewer.h"
#include "monitor/monitor_dialog.h"
#include "monitor/playback_bar.h"
#include "monitor/playback_store.h"
#include "monitor/strip_chart.h"

namespace {

// Below the gauges and the settings plate, above the button strip (whose
// left part holds "Gravar" and "Marcar"): nothing of the panel's own is
// there. Its two buttons stand at the right end of that band.
const QRect kStripArea(14, 500, 858, 182);
const QRect kToggleArea(884, 506, 118, 44);
constexpr int kToggleGap = 10;
// Across the top bar, left of the brand.
const QRect kPlaybackArea(12, 6, 860, 54);
constexpr int kPlaybackTickMs = 50;
// Registers the live stream zeroes when it is lost: a gap row shows them so.
constexpr const char* kGapRegisters[] = {"11", "23", "24", "28", "29"};


}  // namespace

QString PanelButtonStyle() {
    return QStringLiteral(
        "QPushButton { background: #2a3240; color: #e0e6ee; border: 1px solid #56627a;"
        " border-radius: 6px; font-weight: bold; }"
        "QPushButton:checked { background: #3d6fb8; color: white; }"
        "QPushButton:disabled { color: #7a8494; }");
}

void CMonitorDialog::PlaceLogControls() {
    strip_ = new StripChart(this);
    strip_->setGeometry(kStripArea);
    strip_->hide();
    stripToggle_ = new QPushButton(Tr("Gráfico"), this);
    stripToggle_->setObjectName(QStringLiteral("stripToggle"));
    stripToggle_->setCheckable(true);
    stripToggle_->setGeometry(kToggleArea);
    stripToggle_->setFocusPolicy(Qt::NoFocus);
    stripToggle_->setStyleSheet(PanelButtonStyle());
    stripToggle_->setToolTip(Tr("Últimos 60 s ao lado dos mostradores"));
    connect(stripToggle_, &QPushButton::toggled, strip_, &QWidget::setVisible);
    logs_ = new QPushButton(Tr(kLogViewerTitle), this);
    logs_->setObjectName(QStringLiteral("logViewer"));
    logs_->setGeometry(kToggleArea.translated(0, kToggleArea.height() + kToggleGap));
    logs_->setFocusPolicy(Qt::NoFocus);
    logs_->setStyleSheet(PanelButtonStyle());
    connect(logs_, &QPushButton::clicked, this, [this] { OpenLogViewerHere(); });

    playbackStore_ = std::make_unique<CRX4DATA>();
    playbackBar_ = new PlaybackBar(this, {[this](int speed) { SetPlaybackSpeed(speed); },
                                          [this] { StopPlayback(); }});
    playbackBar_->setGeometry(kPlaybackArea);
    playbackBar_->hide();
    playbackTimer_.setInterval(kPlaybackTickMs);
    connect(&playbackTimer_, &QTimer::timeout, this, &CMonitorDialog::OnPlaybackTimer);
    liveClock_.start();
}

void CMonitorDialog::OpenLogViewerHere(const QString& path) {
    LogViewer* viewer = OpenLogViewer(this, path);
    connect(viewer, &LogViewer::playbackRequested, this,
            [this, viewer](std::shared_ptr<const Datalog> log) {
                viewer->close();
                StartPlayback(std::move(log));
            });
    if (path.isEmpty())
        viewer->ChooseFile();
}

LogViewer* OpenLogViewerFor(QWidget* parent, const QString& path) {
    if (auto* panel = qobject_cast<CMonitorDialog*>(parent)) {
        panel->OpenLogViewerHere(path);
        return nullptr;
    }
    LogViewer* viewer = OpenLogViewer(parent, path);
    QObject::connect(viewer, &LogViewer::playbackRequested, viewer,
                     [viewer](std::shared_ptr<const Datalog> log) {
                         CMonitorDialog panel(std::move(log), viewer);
                         panel.DoModal();
                     });
    if (path.isEmpty())
        viewer->ChooseFile();
    return viewer;
}

void CMonitorDialog::InitPlaybackOnly() {
    SetMonitorButtonsEnabled(true);
    gauges_.DrawStartImages();
    SetBackgroundMode(kTile);
    SetBackgroundBitmap(ModelIndexOfName(playbackOnly_->header.model) == 1 ? 275 : 276);
    StartPlayback(playbackOnly_);
}

void CMonitorDialog::AddLiveSampleToStrip() {
    if (playback_)
        return;
    if (const auto sample = SampleFromLiveStore(g_MonitorStore, ModelIndex, liveClock_.elapsed()))
        strip_->Append(*sample);
}

void CMonitorDialog::StartPlayback(std::shared_ptr<const Datalog> log) {
    if (!log || exchangeRunning_ || g_CalibrationRunning != 0)
        return;
    pollTimer_.stop();
    playback_ = std::make_unique<LogPlayback>(log);
    // Until the playback ends the link watcher's resume sends nothing: the
    // live panel starts the stream again once its polls find it silent.
    if (live_)
        Watcher().SetResumer(this, [](EcuSession&) { return 0; }, [] {});
    bool lambdaFiveVolts = false;
    for (double volts : log->Channel(LogChannel::LambdaVolts)) lambdaFiveVolts |= volts > 1.0;
    PreparePlaybackStore(*playbackStore_, g_EquipmentStore, lambdaFiveVolts);
    ShowTpsScaleLabels(*playbackStore_);
    ShowLambdaScaleLabels(*playbackStore_);
    SetMonitorButtonsEnabled(true);
    idleSteps_->setEnabled(false);
    highSteps_->setEnabled(false);
    // A recording holds the live stream only: it ends where the playback starts.
    record_->setChecked(false);
    record_->setEnabled(false);
    mark_->setEnabled(false);
    logs_->setEnabled(false);
    strip_->Clear();
    playbackBar_->show();
    playbackBar_->raise();
    ShowPlaybackRow();
    playbackClock_.start();
    playbackTimer_.start();
}

void CMonitorDialog::StopPlayback() {
    if (!playback_)
        return;
    playbackTimer_.stop();
    playback_.reset();
    playbackBar_->hide();
    if (!live_) {
        OnMonitorExit();
        return;
    }
    idleSteps_->setEnabled(true);
    highSteps_->setEnabled(true);
    record_->setEnabled(true);
    ShowRecordState();
    logs_->setEnabled(true);
    strip_->Clear();
    SetMonitorButtonsEnabled(true);
    ShowTpsScaleLabels(g_MonitorStore);
    ShowLambdaScaleLabels(g_MonitorStore);
    gauges_.UpdateLiveDisplay(g_MonitorStore);
    FollowLink();
    pollTimer_.start();
}

void CMonitorDialog::SetPlaybackSpeed(int speed) {
    if (!playback_)
        return;
    if (speed != LogPlayback::kPaused && playback_->AtEnd())
        playback_->Seek(playback_->FirstMs());
    playback_->SetSpeed(speed);
    playbackClock_.restart();
    ShowPlaybackRow();
}

void CMonitorDialog::StepPlayback(int direction) {
    if (!playback_)
        return;
    playback_->SetSpeed(LogPlayback::kPaused);
    playback_->Step(direction);
    ShowPlaybackRow();
}

void CMonitorDialog::OnPlaybackTimer() {
    if (!playback_)
        return;
    const qint64 elapsed = playbackClock_.restart();
    const int speedBefore = playback_->Speed();
    if (playback_->Advance(elapsed) || playback_->Speed() != speedBefore)
        ShowPlaybackRow();
}

void CMonitorDialog::ShowPlaybackRow() {
    const LogSample row = playback_->Shown();
    CRX4DATA& store = *playbackStore_;
    if (playback_->HasRows()) {
        if (row.gap)
            for (const char* reg : kGapRegisters) store.Add(reg, "0");
        PutSampleInStore(row, gauges_.Model(), store);
        gauges_.UpdateLiveDisplay(store);
        gauges_.ShowActuatorScale(store, row.gap);
        strip_->Append(row);
    }
    playbackBar_->ShowPosition(static_cast<double>(playback_->PositionMs()),
                               static_cast<double>(playback_->LastMs()), playback_->Speed());
}

bool CMonitorDialog::PlaybackKey(QKeyEvent* event) {
    if (event->type() != QEvent::KeyPress || CtrlHeld(event))
        return false;
    switch (event->key()) {
        case Qt::Key_Right:
            StepPlayback(+1);
            return true;
        case Qt::Key_Left:
            StepPlayback(-1);
            return true;
        case Qt::Key_Space:
            SetPlaybackSpeed(playback_->Speed() == LogPlayback::kPaused ? 1 : LogPlayback::kPaused);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;  // nothing is written during a playback
        default:
            return false;
    }
}
