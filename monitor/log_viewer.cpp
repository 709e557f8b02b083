#include "monitor/log_viewer.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <mutex>
#include <thread>

#include "app/ui/message_box.h"
#include "i18n/ui_text.h"
#include "monitor/log_display_text.h"
#include "monitor/log_plot_view.h"

namespace {

constexpr double kZoomStep = 0.5;      // + halves the window, - doubles it
constexpr double kPanShare = 0.1;      // an arrow moves a tenth of the window
constexpr int kJobPollMs = 20;
constexpr int kListedSkips = 5;        // lines named in the message
// Shown at first: the channels the gauges show.
constexpr bool kShownAtFirst[kLogChannelCount] = {true, true, true, true, false, false};

QString ChannelLabel(int channel) {
    const QString caption = ChannelCaption(channel);
    const QString unit = ChannelUnit(channel);
    return unit.isEmpty() ? caption : caption + QStringLiteral(" (") + unit + ')';
}

}  // namespace

// The reading thread's side: the result waits here until the window's timer
// takes it, so a window closed meanwhile leaves the thread nothing to touch.
struct LogViewer::LoadJob {
    std::mutex lock;
    bool done = false;
    std::shared_ptr<const LogPlotData> plotData;
};

LogViewer::LogViewer(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr(kLogViewerTitle));
    setWindowFlag(Qt::Window);
    resize(1100, 760);

    auto* top = new QHBoxLayout;
    open_ = new QPushButton(Tr("Abrir..."), this);
    file_ = new QLabel(this);
    busy_ = new QLabel(Tr("Lendo o registro..."), this);
    busy_->hide();
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 0);
    progress_->setMaximumWidth(160);
    progress_->hide();
    play_ = new QPushButton(Tr("Reproduzir no painel"), this);
    play_->setEnabled(false);
    top->addWidget(open_);
    top->addWidget(file_, 1);
    top->addWidget(busy_);
    top->addWidget(progress_);
    top->addWidget(play_);

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(new QLabel(Tr("Canais:"), this));
    for (int c = 0; c < kLogChannelCount; ++c) {
        boxes_[c] = new QCheckBox(ChannelCaption(c), this);
        boxes_[c]->setChecked(kShownAtFirst[c]);
        boxes->addWidget(boxes_[c]);
        connect(boxes_[c], &QCheckBox::toggled, this, [this] { LayOutPlots(); });
    }
    boxes->addStretch(1);

    cursorText_ = new QLabel(this);
    cursorText_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    plotColumn_ = new QVBoxLayout;
    plotColumn_->setSpacing(0);
    LogPlotView::Handlers handlers{[this](double t, double f) { ZoomAt(t, f); },
                                   [this](double d) { Pan(d); },
                                   [this](double t) { SetCursorMs(t); }};
    for (int c = 0; c < kLogChannelCount; ++c) {
        plots_[c] = new LogPlotView(c, handlers, this);
        plots_[c]->SetCaption(ChannelLabel(c));
        plotColumn_->addWidget(plots_[c], 1);
    }
    windowText_ = new QLabel(this);

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(Tr("Marcas"), this));
    marks_ = new QListWidget(this);
    marks_->setMaximumWidth(230);
    side->addWidget(marks_, 1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(plotColumn_, 1);
    middle->addLayout(side);

    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addLayout(boxes);
    page->addWidget(cursorText_);
    page->addLayout(middle, 1);
    page->addWidget(windowText_);

    connect(open_, &QPushButton::clicked, this, &LogViewer::ChooseFile);
    connect(play_, &QPushButton::clicked, this, [this] {
        if (data_)
            Q_EMIT playbackRequested(data_->Shared());
    });
    connect(marks_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const double t = item->data(Qt::UserRole).toDouble();
        axis_.CentreOn(t);
        SetCursorMs(t);
        Redraw();
    });
    jobTimer_.setInterval(kJobPollMs);
    connect(&jobTimer_, &QTimer::timeout, this, &LogViewer::PollJob);
    LayOutPlots();
}

LogViewer::~LogViewer() = default;

void LogViewer::ChooseFile() {
    const QString path = RunFileDialog(
        this, {false, Tr("Registros (*.csv)|*.csv|Todos os arquivos (*.*)|*.*|"),
               QString(), QString()});
    if (!path.isEmpty())
        OpenFile(path);
}

void LogViewer::OpenFile(const QString& path) {
    if (job_)
        return;
    name_ = QFileInfo(path).fileName();
    file_->setText(name_);
    busy_->show();
    progress_->show();
    open_->setEnabled(false);
    play_->setEnabled(false);
    setCursor(Qt::BusyCursor);
    auto job = std::make_shared<LoadJob>();
    job_ = job;
    std::thread([job, file = path.toStdString()] {
        auto plotData = std::make_shared<const LogPlotData>(std::make_shared<const Datalog>(ReadDatalog(file)));
        const std::lock_guard<std::mutex> hold(job->lock);
        job->plotData = std::move(plotData);
        job->done = true;
    }).detach();
    jobTimer_.start();
}

void LogViewer::PollJob() {
    std::shared_ptr<const LogPlotData> plotData;
    {
        const std::lock_guard<std::mutex> hold(job_->lock);
        if (!job_->done)
            return;
        plotData = job_->plotData;
    }
    jobTimer_.stop();
    job_.reset();
    busy_->hide();
    progress_->hide();
    open_->setEnabled(true);
    unsetCursor();
    Loaded(plotData);
}

void LogViewer::ShowLog(std::shared_ptr<const Datalog> log, const QString& name) {
    name_ = name;
    file_->setText(name);
    Loaded(std::make_shared<const LogPlotData>(std::move(log)));
}

void LogViewer::Loaded(std::shared_ptr<const LogPlotData> plotData) {
    data_ = std::move(plotData);
    axis_ = LogTimeAxis(data_->FirstMs(), data_->LastMs());
    cursorMs_ = data_->FirstMs();
    for (int c = 0; c < kLogChannelCount; ++c) {
        plots_[c]->SetValueRange(data_->Low(c), data_->High(c));
        plots_[c]->SetMarks(&data_->Marks());
    }
    play_->setEnabled(!data_->Empty());
    FillMarks();
    Redraw();
    TellWhatWasSkipped(data_->Log());
}

void LogViewer::TellWhatWasSkipped(const Datalog& log) {
    if (log.message.empty() && log.skippedCount == 0)
        return;
    QString text = QString::fromStdString(log.message);
    const int listed = std::min<int>(kListedSkips, static_cast<int>(log.skipped.size()));
    for (int i = 0; i < listed; ++i)
        text += Tr("\nLinha %1: %2")
                    .arg(log.skipped[static_cast<std::size_t>(i)].line)
                    .arg(QString::fromStdString(log.skipped[static_cast<std::size_t>(i)].reason));
    if (log.skippedCount > listed)
        text += Tr("\n(e mais %1 linhas)").arg(log.skippedCount - listed);
    ShowMessageBox(this, text.trimmed(), Tr(kLogViewerTitle),
                   log.times.empty() ? BoxIcon::Exclamation : BoxIcon::Information);
}

void LogViewer::FillMarks() {
    marks_->clear();
    for (const LogMark& mark : data_->Marks()) {
        auto* item = new QListWidgetItem(LogTimeText(static_cast<double>(mark.tMs)) +
                                         QStringLiteral("  ") + LogEventText(mark.text));
        item->setData(Qt::UserRole, static_cast<double>(mark.tMs));
        marks_->addItem(item);
    }
}

void LogViewer::LayOutPlots() {
    int last = -1;
    for (int c = 0; c < kLogChannelCount; ++c) {
        plots_[c]->setVisible(boxes_[c]->isChecked());
        if (boxes_[c]->isChecked())
            last = c;
    }
    for (int c = 0; c < kLogChannelCount; ++c) plots_[c]->SetTimeLabels(c == last);
    Redraw();
}

void LogViewer::Redraw() {
    if (!data_)
        return;
    for (LogPlotView* plot : plots_) {
        plot->SetWindow(axis_.Start(), axis_.End());
        if (plot->isVisibleTo(this))
            plot->SetRuns(data_->Runs(plot->Channel(), axis_.Start(), axis_.End(), plot->Columns()));
        plot->SetCursorMs(cursorMs_);
    }
    ShowCursor();
    ShowWindowText();
}

void LogViewer::RepaintPlots() {
    for (LogPlotView* plot : plots_)
        if (plot->isVisible())
            plot->viewport()->repaint();
}

void LogViewer::SetWindow(double startMs, double endMs) {
    axis_.SetWindow(startMs, endMs);
    Redraw();
}

void LogViewer::ZoomAt(double anchorMs, double factor) {
    axis_.ZoomAt(anchorMs, factor);
    Redraw();
}

void LogViewer::Pan(double deltaMs) {
    axis_.Pan(deltaMs);
    Redraw();
}

void LogViewer::SetCursorMs(double tMs) {
    cursorMs_ = tMs;
    for (LogPlotView* plot : plots_) plot->SetCursorMs(tMs);
    ShowCursor();
}

QString LogViewer::CursorText() const {
    QStringList parts;
    for (int c = 0; c < kLogChannelCount; ++c) {
        if (!boxes_[c]->isChecked())
            continue;
        const LogChannelInfo& info = ChannelInfo(c);
        const std::optional<double> value = data_ ? data_->ValueAt(c, cursorMs_) : std::nullopt;
        QString shown = value ? QString::number(*value, 'f', info.decimals) : QString::fromUtf8("—");
        if (value && *info.unit)
            shown += ' ' + ChannelUnit(c);
        parts << ChannelCaption(c) + QStringLiteral(": ") + shown;
    }
    return parts.join(QStringLiteral("   "));
}

void LogViewer::ShowCursor() {
    cursorText_->setText(Tr("Cursor %1   ").arg(LogTimeText(cursorMs_)) + CursorText());
}

void LogViewer::ShowWindowText() {
    windowText_->setText(Tr("%1 a %2   (%3 amostras)")
                             .arg(LogTimeText(axis_.Start()), LogTimeText(axis_.End()))
                             .arg(data_ ? static_cast<qulonglong>(data_->Log().times.size()) : 0));
}

QList<QPointF> LogViewer::PlottedPoints(int channel) const {
    return plots_[channel]->Points();
}

int LogViewer::PlottedRuns(int channel) const {
    return plots_[channel]->RunsShown();
}

double LogViewer::KeyAnchor() const {
    return axis_.Contains(cursorMs_) ? cursorMs_ : (axis_.Start() + axis_.End()) / 2;
}

void LogViewer::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            ZoomAt(KeyAnchor(), kZoomStep);
            return;
        case Qt::Key_Minus:
            ZoomAt(KeyAnchor(), 1 / kZoomStep);
            return;
        case Qt::Key_Left:
            Pan(-axis_.Span() * kPanShare);
            return;
        case Qt::Key_Right:
            Pan(axis_.Span() * kPanShare);
            return;
        case Qt::Key_Home:
            axis_.Home();
            Redraw();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

LogViewer* OpenLogViewer(QWidget* parent, const QString& path) {
    auto* viewer = new LogViewer(parent);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->show();
    if (!path.isEmpty())
        viewer->OpenFile(path);
    return viewer;
}
