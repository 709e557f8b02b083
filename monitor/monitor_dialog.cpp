#include "monitor/monitor_dialog.h"
#include "data/number_text.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QSpinBox>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/globals.h"
#include "app/parameter_table.h"
#include "app/ui/link_banner.h"
#include "app/ui/link_watcher.h"
#include "app/ui/message_box.h"
#include "app/ui/trace_export.h"
#include "app/ui/ui_globals.h"
#include "comm/ecu_worker.h"
#include "comm/hex_text.h"
#include "controls/font_label.h"
#include "controls/image_button.h"
#include "data/store_text.h"
#include "i18n/ui_text.h"
#include "log/log_folder.h"
#include "monitor/log_playback.h"
#include "monitor/playback_store.h"
#include "monitor/ui_thread_monitor_hooks.h"
#include "resources/gauge_layout.h"

namespace {

// The panel is not one of the wizard's numbered pages.
constexpr int kTemplateId = 0;
constexpr QSize kPanelSize(1024, 768);
constexpr int kBackgroundQ5100 = 275;
constexpr int kBackground = 276;

constexpr int kCalibrateId = 1183;
constexpr int kReturnId = 1186;
constexpr int kExitId = 1187;
constexpr int kIdleStepsId = 1712;
constexpr int kHighStepsId = 1713;
constexpr int kCalibratingId = 1762;
constexpr int kButtonSize = 64;

// The datalog's controls, at the left of the bottom strip.
constexpr int kRecordButtonWidth = 110, kRecordButtonHeight = 40;
constexpr const char* kRecordText = TR_NOOP("Gravar@@registro");
constexpr const char* kMarkText = TR_NOOP("Marcar");

constexpr const char* kReturnQuestion =
    TR_NOOP("A Calibração ainda não foi concluída. Deseja realmente retornar à tela anterior?");
constexpr const char* kExitQuestion =
    TR_NOOP("A Calibração ainda não foi concluída. Deseja realmente sair?");
constexpr const char* kQuestionTitle = TR_NOOP("Calibração em andamento");

// Colours as 0x00BBGGRR.
constexpr unsigned int kBlack = 0;
constexpr unsigned int kScaleLabelColour = 0x4ADFCD;   // RGB (205, 223, 74)
constexpr unsigned int kCalibratingColour = 0x0000CD;  // RGB (205, 0, 0)

struct LabelRow {
    int id;
    const char* text;
};
// Settings plate: "Marcha Lenta" and "Alta Rotação", each with its range.
constexpr LabelRow kSettingLabels[] = {
    {1716, TR_NOOP("Marcha Lenta")},
    {1750, TR_NOOP("1-240 Passos")},
    {1717, TR_NOOP("Alta Rotação")},
    {1751, TR_NOOP("1-240 Passos")}};
// Voltage labels beside the bars: which bar, and whether at its top.
struct ScaleLabel {
    int id;
    const char* text;
    int barSlot;
    bool top;
};
constexpr ScaleLabel kScaleLabels[] = {
    {1755, "0V", MonitorSlots::kTpsBar, false},    {1756, "5V", MonitorSlots::kTpsBar, false},
    {1757, "0V", MonitorSlots::kTpsBar, true},     {1758, "5V", MonitorSlots::kTpsBar, true},
    {1759, "0V", MonitorSlots::kLambdaBar, false}, {1760, "1V", MonitorSlots::kLambdaBar, true},
    {1761, "5V", MonitorSlots::kLambdaBar, true},
};
// The label pairs that the sensor direction and the lambda scale choose.
constexpr int kTpsNormal[2] = {1755, 1758};
constexpr int kTpsInverted[2] = {1756, 1757};
constexpr int kLambdaOneVolt = 1760;
constexpr int kLambdaFiveVolts = 1761;

CFontLabel* MakeLabel(QWidget* parent, int id, const QString& text, const QRect& where) {
    auto* label = new CFontLabel(parent);
    label->setObjectName(QString::number(id));
    label->setText(text);
    label->setGeometry(where);
    return label;
}

// A step field shows whatever byte the ECU holds (0 .. 255), while its
// arrows step within the register's range: a value outside it is shown as it
// is, never clamped behind the user's back.
class StepSpinBox : public QSpinBox {
  public:
    using QSpinBox::QSpinBox;

    void SetStepRange(int low, int high) {
        low_ = low;
        high_ = high;
    }
    void stepBy(int steps) override {
        setValue(std::clamp(value() + steps * singleStep(), low_, high_));
        selectAll();
    }

  protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = StepNone;
        if (value() < high_)
            enabled |= StepUpEnabled;
        if (value() > low_)
            enabled |= StepDownEnabled;
        return enabled;
    }

  private:
    int low_ = 1;
    int high_ = 240;
};

constexpr int kLargestRegisterValue = 255;

QSpinBox* MakeStepField(QWidget* parent, int id, const QRect& where) {
    auto* field = new StepSpinBox(parent);
    field->setObjectName(QString::number(id));
    field->setGeometry(where);
    field->setAlignment(Qt::AlignRight);
    field->setRange(0, kLargestRegisterValue);
    return field;
}

// The arrows' range and step of a step field come from its register's record.
void ApplyRecordRange(QSpinBox* field, const ParameterRecord& record) {
    static_cast<StepSpinBox*>(field)->SetStepRange(NumberText::ToInt(record.Values[0]),
                                                   NumberText::ToInt(record.Values[1]));
    field->setSingleStep(static_cast<int>(record.Step));
    field->setAccelerated(false);
}

void PostStopMonitoring() {
    Worker().Post(
        [](EcuSession& session) {
            StopMonitoring(session, kMonitorWaits.stopSpacing);
            return 0;
        },
        [](int) {});
}

}  // namespace

CMonitorDialog::CMonitorDialog(QWidget* parent) : CMonitorDialog(nullptr, ModelIndex, parent) {}

CMonitorDialog::CMonitorDialog(std::shared_ptr<const Datalog> log, QWidget* parent)
    : CMonitorDialog(log, ModelIndexOfName(log->header.model), parent) {}

CMonitorDialog::CMonitorDialog(std::shared_ptr<const Datalog> playbackOnly, int modelIndex,
                               QWidget* parent)
    : CPageDialog(kTemplateId, parent),
      slots_(this, MonitorSlotPlacements()),
      gauges_(slots_, ProgramGaugeUpdateCounts(), modelIndex),
      tick_(gauges_, g_MonitorStore),
      calibrate_(new CImageButton(this)),
      return_(new CImageButton(this)),
      exit_(new CImageButton(this)),
      idleSteps_(nullptr),
      highSteps_(nullptr),
      calibrating_(nullptr),
      banner_(nullptr),
      recorder_(g_Clock),
      live_(!playbackOnly),
      playbackOnly_(std::move(playbackOnly)) {
    setFixedSize(kPanelSize);
    PlaceControls();
    PlaceRecordControls();
    PlaceLogControls();
    banner_ = new LinkBanner(this);
    OfferTraceExport(this);
    LinkWatcher& watcher = Watcher();
    connect(&watcher, &LinkWatcher::linkLost, this, [this] {
        recorder_.OnLinkLost();
        SetLinkDown(true);
    });
    connect(&watcher, &LinkWatcher::reconnected, this, [this] {
        tick_.ResetFailures();  // the resume has just started the stream
        SetLinkDown(false);
    });
    connect(&watcher, &LinkWatcher::settled, this, [this] { SetLinkDown(false); });
    pollTimer_.setInterval(kPollPeriodMs);
    connect(&pollTimer_, &QTimer::timeout, this, &CMonitorDialog::OnTimer);
    connect(return_, &QPushButton::clicked, this, &CMonitorDialog::OnMonitorReturn);
    connect(exit_, &QPushButton::clicked, this, &CMonitorDialog::OnMonitorExit);
    connect(calibrate_, &QPushButton::clicked, this, &CMonitorDialog::OnCalibrate);
}

CMonitorDialog::~CMonitorDialog() {
    // A job still holding this panel's hooks must end first.
    while (exchangeRunning_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    pollTimer_.stop();
    if (live_)
        PostStopMonitoring();
}

void CMonitorDialog::PlaceControls() {
    const QRect plate = GaugeLayout::MonitorSettingsPanel();
    const int left = plate.left() + 24;
    const int rows[2] = {plate.top() + 36, plate.top() + 126};
    const int fieldIds[2] = {kIdleStepsId, kHighStepsId};
    QSpinBox** fields[2] = {&idleSteps_, &highSteps_};
    for (int i = 0; i < 2; ++i) {
        MakeLabel(this, kSettingLabels[2 * i].id, Tr(kSettingLabels[2 * i].text),
                  QRect(left, rows[i], 240, 22));
        *fields[i] = MakeStepField(this, fieldIds[i], QRect(left, rows[i] + 26, 110, 36));
        (*fields[i])->installEventFilter(this);
        MakeLabel(this, kSettingLabels[2 * i + 1].id, Tr(kSettingLabels[2 * i + 1].text),
                  QRect(left + 122, rows[i] + 34, 130, 22));
    }
    calibrate_->setObjectName(QString::number(kCalibrateId));
    calibrate_->setGeometry(left, plate.top() + 232, plate.width() - 48, kButtonSize);
    calibrate_->setText(Tr("CALIBRAR"));
    calibrating_ = MakeLabel(this, kCalibratingId, Tr("CALIBRANDO ..."),
                             QRect(plate.left(), plate.top() + 306, plate.width(), 40));
    calibrating_->hide();

    const QRect strip = GaugeLayout::MonitorButtonStrip();
    const int top = strip.top() + (strip.height() - kButtonSize) / 2;
    return_->setObjectName(QString::number(kReturnId));
    return_->setGeometry(strip.right() - 2 * (kButtonSize + 16), top, kButtonSize, kButtonSize);
    exit_->setObjectName(QString::number(kExitId));
    exit_->setGeometry(strip.right() - (kButtonSize + 16), top, kButtonSize, kButtonSize);

    // Voltage labels left of their bar, centred on its 0 V and full-scale rows.
    constexpr int kLabelWidth = 30, kLabelHeight = 18;
    constexpr int kZeroRow = 376, kFullRow = 156;
    for (const ScaleLabel& row : kScaleLabels) {
        const QRect bar = SlotRect(MonitorSlotPlacements(), row.barSlot);
        const int y = (row.top ? kFullRow : kZeroRow) - kLabelHeight / 2;
        MakeLabel(this, row.id, QString::fromUtf8(row.text),
                  QRect(bar.left() - kLabelWidth - 2, y, kLabelWidth, kLabelHeight));
    }
    // Until the ECU tells otherwise: sensor 0 V at the bottom, lambda 0 to 1 V.
    for (int id : kTpsInverted) Label(id)->hide();
    Label(kLambdaFiveVolts)->hide();
}

void CMonitorDialog::PlaceRecordControls() {
    const QRect strip = GaugeLayout::MonitorButtonStrip();
    const int top = strip.top() + (strip.height() - kRecordButtonHeight) / 2;
    record_ = new QPushButton(Tr(kRecordText), this);
    record_->setObjectName(QStringLiteral("gravar"));
    record_->setCheckable(true);
    record_->setAutoDefault(false);
    record_->setFocusPolicy(Qt::NoFocus);
    record_->setGeometry(strip.left() + 24, top, kRecordButtonWidth, kRecordButtonHeight);
    mark_ = new QPushButton(Tr(kMarkText), this);
    mark_->setObjectName(QStringLiteral("marcar"));
    mark_->setAutoDefault(false);
    mark_->setFocusPolicy(Qt::NoFocus);
    mark_->setStyleSheet(PanelButtonStyle());
    mark_->setToolTip(QStringLiteral("M"));
    mark_->setGeometry(strip.left() + 24 + kRecordButtonWidth + 12, top, kRecordButtonWidth,
                       kRecordButtonHeight);
    recordLabel_ = new QLabel(this);
    recordLabel_->setObjectName(QStringLiteral("registro"));
    const int labelLeft = mark_->geometry().right() + 16;
    // Up to the Return button, which sits two buttons from the right edge.
    const int labelRight = strip.right() - 2 * (kButtonSize + 16) - 16;
    recordLabel_->setGeometry(labelLeft, top, labelRight - labelLeft, kRecordButtonHeight);
    recordLabel_->setWordWrap(true);
    connect(record_, &QPushButton::toggled, this, &CMonitorDialog::SetRecording);
    connect(mark_, &QPushButton::clicked, this, &CMonitorDialog::MarkMoment);
    ShowRecordState();
}

void CMonitorDialog::SetRecording(bool on) {
    if (on && !recorder_.Recording()) {
        const QDateTime start = QDateTime::currentDateTime();
        const std::string folder = DatalogFolder();
        const std::string path = NewDatalogPath(folder, g_CustomerData.licencePlate, start);
        LogHeader header{ModelName(ModelIndex), Watcher().PortText().toStdString(),
                         IsoWithOffset(start)};
        if (path.empty()) {
            startError_ = Tr("Não foi possível criar a pasta de registros %1.")
                              .arg(QString::fromStdString(folder))
                              .toStdString();
        } else if (!recorder_.Start(path, header)) {
            startError_ = recorder_.Error();
        } else {
            startError_.clear();
        }
    } else if (!on) {
        recorder_.Stop();
    }
    ShowRecordState();
}

void CMonitorDialog::MarkMoment() {
    recorder_.Mark();
    ShowRecordState();
}

void CMonitorDialog::ShowRecordState() {
    const bool recording = recorder_.Recording();
    {
        const QSignalBlocker quiet(record_);
        record_->setChecked(recording);
    }
    mark_->setEnabled(recording);
    // Red while it records, so that a running recording is seen from afar.
    record_->setStyleSheet(recording ? QStringLiteral("QPushButton { background: #C62828; color: white; "
                                                      "border: 1px solid #7F0000; border-radius: 6px;"
                                                      " font-weight: bold; }")
                                     : PanelButtonStyle());
    std::string text;
    std::string error = startError_.empty() ? recorder_.Error() : startError_;
    if (recording) {
        const std::string& path = recorder_.Path();
        text = Tr("Gravando: %1")
                   .arg(QString::fromStdString(path.substr(path.find_last_of("/\\") + 1)))
                   .toStdString();
    } else if (!error.empty()) {
        text = error;
    }
    recordLabel_->setStyleSheet(recording || error.empty() ? QStringLiteral("color: #E0E0E0;")
                                                           : QStringLiteral("color: #FF6060;"));
    recordLabel_->setText(QString::fromStdString(text));
    recordLabel_->setToolTip(QString::fromStdString(recording ? recorder_.Path() : text));
}

void CMonitorDialog::DressLabels() {
    for (const LabelRow& row : kSettingLabels)
        Label(row.id)->SetLabelFont(QStringLiteral("Ms Sans Serif"), 14, kBlack, CFontLabel::kBold);
    for (const ScaleLabel& row : kScaleLabels)
        Label(row.id)->SetLabelFont(QStringLiteral("ARIAL BLACK"), 12, kScaleLabelColour,
                                    CFontLabel::kCentre);
    calibrating_->SetLabelFont(QStringLiteral("ARIAL BLACK"), 25, kCalibratingColour,
                               CFontLabel::kCentre);
}

void CMonitorDialog::OnInitDialog() {
    closeCode_ = 0;
    DressButton(return_, 232, Tr("Retornar"));
    DressButton(exit_, 233, Tr("Sair"));
    calibrate_->SetTextColour(0);
    calibrate_->SetLayoutStyle(5);
    calibrate_->SetImage(273, 0xFFFFFF);
    calibrate_->setToolTip(Tr("Calibrar"));
    calibrate_->setAutoDefault(false);
    DressLabels();
    idleSteps_->setFont(PageFont());
    highSteps_->setFont(PageFont());
    calibrate_->setFont(PageFont());
    ApplyRecordRange(idleSteps_, g_ParameterTable[kPos3D]);
    ApplyRecordRange(highSteps_, g_ParameterTable[kPos3E]);
    // Untouched until the user types: also a field the store cannot fill.
    stepShown_[0] = idleSteps_->cleanText().toStdString();
    stepShown_[1] = highSteps_->cleanText().toStdString();
    RefreshStepFields(g_EquipmentStore);
    if (!live_) {
        InitPlaybackOnly();
        return;
    }

    pollTimer_.start();
    SyncSessionFromGlobals();
    SetMonitorButtonsEnabled(false);
    RunExchange(
        [](EcuSession& session, MonitorHooks&) {
            // Without the snapshot every gauge would stay blank: the link
            // watcher takes it as a lost link and reads it again once the
            // ECU answers.
            if (ReadMonitorSnapshot(session, session.monitorStore) != 0)
                session.port.Health().ReportLost();
            StartMonitoring(session);
            return PollMonitorAnswer(session, session.monitorStore, CheckRule::Tested);
        },
        [this](int pollResult) {
            if (pollResult == kPollOk) {
                gauges_.UpdateLiveDisplay(g_MonitorStore);
                AddLiveSampleToStrip();
            }
            SetMonitorButtonsEnabled(true);
            ShowTpsScaleLabels();
            ShowLambdaScaleLabels();
        });

    FollowLink();
    gauges_.DrawStartImages();
    SetBackgroundMode(kTile);
    SetBackgroundBitmap(ModelIndex == 1 ? kBackgroundQ5100 : kBackground);
}

void CMonitorDialog::RunExchange(Exchange exchange, std::function<void(int)> finished) {
    exchangeRunning_ = true;
    setCursor(Qt::BusyCursor);
    EcuWorker& worker = Worker();
    auto hooks = std::make_shared<UiThreadMonitorHooks>(worker, *this);
    QPointer<CMonitorDialog> self(this);
    worker.Post([exchange, hooks](EcuSession& session) { return exchange(session, *hooks); },
                [self, finished](int result) {
                    if (!self)
                        return;
                    self->exchangeRunning_ = false;
                    self->unsetCursor();
                    finished(result);
                    self->CloseIfAsked();
                });
}

void CMonitorDialog::OnTimer() {
    // A tick while the previous poll (or an exchange) still runs is skipped;
    // a playback asks the ECU nothing.
    if (pollRunning_ || exchangeRunning_ || playback_)
        return;
    pollRunning_ = true;
    QPointer<CMonitorDialog> self(this);
    Worker().Post(
        [](EcuSession& session) {
            return PollMonitorAnswer(session, session.monitorStore, CheckRule::Tested);
        },
        [self](int result) {
            if (self)
                self->OnPollAnswer(result);
        });
}

void CMonitorDialog::OnPollAnswer(int pollResult) {
    pollRunning_ = false;
    // An exchange posted behind this poll owns the panel now.
    if (exchangeRunning_ || closeCode_ != 0) {
        CloseIfAsked();
        return;
    }
    // A poll that was on its way when a playback started: the gauges show
    // the recorded row now, and the live answer is neither drawn nor recorded.
    if (playback_)
        return;
    const TickOutcome outcome = tick_.OnPoll(pollResult);
    // Only a poll that brought values is a sample; a lost stream is a gap,
    // not the zeros the gauges fall back to.
    if (outcome == TickOutcome::Answered && pollResult == kPollOk)
        recorder_.OnLiveValues(g_MonitorStore, ModelIndex);
    else if (outcome == TickOutcome::StreamLost)
        recorder_.OnLinkLost();
    recorder_.OnTick();
    if (!recorder_.Error().empty() && record_->isChecked())
        ShowRecordState();
    switch (outcome) {
        case TickOutcome::FailureCounted:
            break;
        case TickOutcome::StreamLost:
            SetMonitorButtonsEnabled(true);
            // While the link is down the watcher's resume starts the stream
            // once the snapshot is read again; a start posted now would run
            // right behind it and send a second start frame.
            if (linkDown_)
                break;
            Worker().Post(
                [](EcuSession& session) {
                    StartMonitoring(session);
                    return 0;
                },
                [](int) {});
            break;
        case TickOutcome::Answered:
            SetMonitorButtonsEnabled(true);
            AddLiveSampleToStrip();
            break;
    }
}

int CMonitorDialog::RefreshStepFields(CRX4DATA& store) {
    const char* registers[2] = {"3D", "3E"};
    QSpinBox* fields[2] = {idleSteps_, highSteps_};
    for (int i = 0; i < 2; ++i) {
        std::string value;
        if (!StoreValueText(store, registers[i], &value))
            return 1;
        fields[i]->setValue(static_cast<int>(HexTextToInt(value.c_str())));
        stepShown_[i] = fields[i]->cleanText().toStdString();
    }
    return 0;
}

void CMonitorDialog::ShowTpsScaleLabels(CRX4DATA& store) {
    std::string direction;
    if (!StoreValueText(store, "10", &direction))
        return;
    const bool normal = direction == "1";
    for (int id : kTpsNormal) Label(id)->setVisible(normal);
    for (int id : kTpsInverted) Label(id)->setVisible(!normal);
}

void CMonitorDialog::ShowLambdaScaleLabels(CRX4DATA& store) {
    std::string scale;
    if (!StoreValueText(store, "13", &scale))
        return;
    const bool oneVolt = scale == "1";
    Label(kLambdaOneVolt)->setVisible(oneVolt);
    Label(kLambdaFiveVolts)->setVisible(!oneVolt);
    gauges_.SetLambdaFullScale(oneVolt ? 1 : 5);
}

void CMonitorDialog::SetMonitorButtonsEnabled(bool enabled) {
    for (CImageButton* button : {return_, exit_, calibrate_}) button->setEnabled(enabled);
    if (linkDown_ || playback_)
        calibrate_->setEnabled(false);
}

void CMonitorDialog::FollowLink() {
    linkDown_ = Watcher().LinkDown();
    QPointer<CMonitorDialog> self(this);
    Watcher().SetResumer(
        this,
        [](EcuSession& session) {
            if (ReadMonitorSnapshot(session, session.monitorStore) != 0)
                return 1;
            StartMonitoring(session);
            return 0;
        },
        [self] {
            if (!self || self->playback_)
                return;
            self->gauges_.UpdateLiveDisplay(g_MonitorStore);
            self->ShowTpsScaleLabels();
            self->ShowLambdaScaleLabels();
        });
}

void CMonitorDialog::SetLinkDown(bool down) {
    linkDown_ = down;
    if (!exchangeRunning_)
        calibrate_->setEnabled(!down && return_->isEnabled() && !playback_);
}

void CMonitorDialog::QueueWritesForKey(const char*, PendingWrites& pending) {
    const auto [idle, high] = StepFieldTexts();
    QueueStepWrites(idle, high, g_EquipmentStore, pending);
}

void CMonitorDialog::ShowMessage(const char* text, const char* title, MessageIcon icon) {
    // The procedures pass the texts as written; they are looked up here.
    ShowMessageBox(this, Tr(text), Tr(title), ToBoxIcon(icon));
}

void CMonitorDialog::SetCalibrating(bool calibrating) {
    g_CalibrationRunning = calibrating ? 1 : 0;
    calibrating_->setVisible(calibrating);
}

void CMonitorDialog::ShowLiveValues(CRX4DATA& store) {
    // The calibration reads the stream itself: its values are samples too.
    if (gauges_.UpdateLiveDisplay(store) == 0)
        recorder_.OnLiveValues(store, ModelIndex);
}

bool CMonitorDialog::PreTranslateKey(QKeyEvent* event) {
    if (playback_ && PlaybackKey(event))
        return true;
    if (event->type() == QEvent::KeyPress) {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter) {
            // Enter writes the steps and never ends the panel.
            if (g_CalibrationRunning == 0)
                WriteSteps();
            return true;
        }
        const bool ctrl = CtrlHeld(event);
        if (event->key() == Qt::Key_M && !ctrl && recorder_.Recording()) {
            MarkMoment();
            return true;
        }
        if (ctrl && event->key() == Qt::Key_Left) {
            OnMonitorReturn();
            return true;
        }
    }
    return CPageDialog::PreTranslateKey(event);
}

bool CMonitorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == idleSteps_)
            g_FocusedKey = "3D";
        else if (watched == highSteps_)
            g_FocusedKey = "3E";
    }
    return CPageDialog::eventFilter(watched, event);
}

std::pair<StepFieldText, StepFieldText> CMonitorDialog::StepFieldTexts() const {
    return {{idleSteps_->cleanText().toStdString(), stepShown_[0]},
            {highSteps_->cleanText().toStdString(), stepShown_[1]}};
}

void CMonitorDialog::WriteSteps() {
    if (exchangeRunning_ || linkDown_ || playback_)
        return;
    const auto [idle, high] = StepFieldTexts();
    const StepFieldCheck check = CheckStepFields(idle, high);
    if (check != StepFieldCheck::Ok) {
        // The same words as the pages' limit checks; nothing is written.
        const bool below = check == StepFieldCheck::BelowRange;
        ShowMessageBox(this,
                       below ? Tr("Valor abaixo do limite inferior.")
                             : Tr("Valor acima do limite superior."),
                       below ? Tr("Atenção - Valor mínimo assumido")
                             : Tr("Atenção - Valor máximo assumido"),
                       BoxIcon::None);
        return;
    }
    pollTimer_.stop();
    RunExchange(
        [](EcuSession& session, MonitorHooks& hooks) { return WriteStepSettings(session, hooks); },
        [this](int result) {
            if (result == kReadFailedResult)
                done(kReadBackFailed);
            else
                pollTimer_.start();
        });
}

void CMonitorDialog::OnCalibrate() {
    if (exchangeRunning_ || linkDown_ || playback_)
        return;
    SetMonitorButtonsEnabled(false);
    pollTimer_.stop();
    // Running from the click: Return, Exit or Ctrl+Left during the lead-in
    // before the calibrate frame must ask first, as they do later.
    g_CalibrationRunning = 1;
    recorder_.OnEvent(kCalibrationStartEvent);
    RunExchange(
        [](EcuSession& session, MonitorHooks& hooks) {
            return static_cast<int>(RunCalibrationCommand(session, hooks));
        },
        [this](int end) {
            recorder_.OnEvent(CalibrationEndEvent(static_cast<CalibrationEnd>(end)));
            g_CalibrationRunning = 0;
            SetMonitorButtonsEnabled(true);
            pollTimer_.start();
        });
}

void CMonitorDialog::OnMonitorReturn() {
    Close(kReturned, kReturnQuestion, true);
}

// Without a calibration Exit ends at once; the destruction stops the stream.
void CMonitorDialog::OnMonitorExit() {
    Close(kExited, kExitQuestion, false);
}

void CMonitorDialog::Close(int code, const char* question, bool stopStream) {
    if (g_CalibrationRunning != 0) {
        if (ShowMessageBox(this, Tr(question), Tr(kQuestionTitle),
                           BoxIcon::Question, BoxButtons::YesNo) != kAnswerYes)
            return;
        stopStream = true;
    }
    pollTimer_.stop();
    if (stopStream && live_)
        PostStopMonitoring();
    done(code);
}

void CMonitorDialog::done(int code) {
    pollTimer_.stop();
    closeCode_ = code;
    CloseIfAsked();
}

void CMonitorDialog::CloseIfAsked() {
    // The calibration loop runs to its end (or time-out) before the panel goes.
    if (closeCode_ == 0 || exchangeRunning_ || pollRunning_)
        return;
    const int code = closeCode_;
    closeCode_ = 0;
    pollTimer_.stop();
    SetRecording(false);
    CPageDialog::done(code);
}

CImageButton* CMonitorDialog::Button(int id) const {
    return findChild<CImageButton*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

QSpinBox* CMonitorDialog::StepField(int id) const {
    return findChild<QSpinBox*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

CFontLabel* CMonitorDialog::Label(int id) const {
    return findChild<CFontLabel*>(QString::number(id), Qt::FindDirectChildrenOnly);
}
