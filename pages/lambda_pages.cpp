#include "pages/lambda_pages.h"
#include "i18n/ui_text.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <cstdlib>

#include "app/globals.h"
#include "app/ui/ui_globals.h"
#include "app/wizard_flow.h"
#include "comm/ecu_worker.h"
#include "controls/font_label.h"
#include "controls/image_button.h"
#include "controls/numeric_spin.h"
#include "monitor/gauge_slots.h"
#include "monitor/lambda_page_gauges.h"
#include "monitor/slot_labels.h"
#include "pages/lambda_page_model.h"
#include "pages/page_exchanges.h"

namespace {

// template, heading, background Q5100 / other, write button (id)
const ConfigPageLook kLambdaLook{108, TR_NOOP("Simulação da Sonda Lâmbda"), 248, 249, true, 1182};
const ConfigPageLook kLambdaBasicLook{117, TR_NOOP("Simulação da Sonda Lâmbda"), 250, 250, true, 1182};
constexpr int kPageBackground = 249;
constexpr int kLiveViewBackground = 314;
constexpr double kMaxTimeSeconds = 2.55;


// Neither page guards its lists: they are fixed lists, typing picks nothing.
FrameRules BasicRules() {
    FrameRules rules;
    rules.ctrlShortcuts = false;
    rules.writeRefillsFromFile = false;
    rules.editableLists = false;
    return rules;
}

FrameRules FullRules() {
    FrameRules rules;
    rules.editableLists = false;
    return rules;
}

}  // namespace

CLambdaPageBase::CLambdaPageBase(const ConfigPageLook& look, const PageModel* model,
                                 FrameRules rules, const char* rangeText)
    : CConfigPage(look, model, rules) {
    onSpin_ = AttachNumericSpin(kLambdaOnTime, false);
    offSpin_ = AttachNumericSpin(kLambdaOffTime, false);
    // The range labels stand where the "s" labels are; one of them shows.
    CFontLabel** ranges[] = {&onRange_, &offRange_};
    const int edits[] = {kLambdaOnTime, kLambdaOffTime};
    for (int i = 0; i < 2; ++i) {
        *ranges[i] = new CFontLabel(this);
        (*ranges[i])->setText(QString::fromUtf8(rangeText));
        const QRect unit = FieldUnit(edits[i])->geometry();
        (*ranges[i])->setGeometry(unit.x(), unit.y(), 140, unit.height());
        (*ranges[i])->SetLabelFont(QStringLiteral("Ms Sans Serif"), 14, 0, 1);
        (*ranges[i])->hide();
    }
    connect(ListField(kLambdaSignalType), qOverload<int>(&QComboBox::activated), this, [this] {
        // The full page pauses the stream first; the basic page applies at once.
        ApplySignalType(true);
    });
}

int CLambdaPageBase::SelectedSignalType() const {
    return ListField(kLambdaSignalType)->currentIndex();
}

void CLambdaPageBase::ShowField(int controlId, bool shown, bool enabled) {
    QLineEdit* edit = NumericField(controlId);
    QWidget* list = ListField(controlId);
    QWidget* value = edit ? static_cast<QWidget*>(edit) : list;
    std::vector<QWidget*> parts = {value};
    for (QWidget* label : {FieldCaption(controlId), FieldUnit(controlId)})
        if (label) parts.push_back(label);
    if (edit)
        parts.push_back(NumericSpin(controlId));
    for (QWidget* part : parts) {
        part->setVisible(shown);
        part->setEnabled(enabled);
    }
}

void CLambdaPageBase::ShowTimes(bool shown, bool enabled, bool rangeShown) {
    ShowField(kLambdaOnTime, shown, enabled);
    ShowField(kLambdaOffTime, shown, enabled);
    for (int id : {kLambdaOnTime, kLambdaOffTime})
        FieldUnit(id)->setVisible(shown && !rangeShown);
    onRange_->setVisible(rangeShown);
    offRange_->setVisible(rangeShown);
}

void CLambdaPageBase::SetTimes(const char* text) {
    NumericField(kLambdaOnTime)->setText(QString::fromUtf8(text));
    NumericField(kLambdaOffTime)->setText(QString::fromUtf8(text));
}

void CLambdaPageBase::ApplySignalType(bool resetTimes) {
    switch (SelectedSignalType()) {
        case kSignalStandard:
            ShowTimes(true, false, false);
            SetTimes(kStandardTimeText);
            break;
        case kSignalSpecific:
            ShowTimes(true, true, true);
            if (resetTimes)
                SetTimes("0.00");
            break;
        case kSignalOpen:
            ShowTimes(false, false, false);
            if (resetTimes)
                SetTimes("0.00");
            break;
        default:
            break;
    }
}

CLambdaBasicPage::CLambdaBasicPage()
    : CLambdaPageBase(kLambdaBasicLook, &LambdaBasicModel(), BasicRules(), "0 - 2.55 s") {
    onSpin_->SetTrimZeros(true);
}

void CLambdaBasicPage::InitPage() {
    CConfigPage::InitPage();
    ApplySignalType(false);
}

int CLambdaBasicPage::FillFromStore(CRX4DATA& store) {
    const int result = CConfigPage::FillFromStore(store);
    // The fields of the signal type the store names.
    ApplySignalType(false);
    return result;
}

CLambdaPage::CLambdaPage()
    : CLambdaPageBase(kLambdaLook, &LambdaModel(), FullRules(), "0 - 2,55 s"),
      slots_(std::make_unique<SlotLabels>(this, LambdaSlotPlacements())),
      gauges_(std::make_unique<LambdaPageGauges>(*slots_)),
      injectionSpin_(AttachNumericSpin(kLambdaInjection, false)) {
    liveTimer_.setInterval(kLambdaLiveViewPeriodMs);
    connect(&liveTimer_, &QTimer::timeout, this, &CLambdaPage::PollLiveView);
    // A change of type pauses the stream before the new type applies.
    disconnect(ListField(kLambdaSignalType), qOverload<int>(&QComboBox::activated), this, nullptr);
    connect(ListField(kLambdaSignalType), qOverload<int>(&QComboBox::activated), this,
            [this] { ChangeSignalType(); });
    connect(ListField(kLambdaMode), qOverload<int>(&QComboBox::activated), this,
            [this] { ApplyMode(); });
    for (int id : {1186, 1193, 1187})
        disconnect(Button(id), &QPushButton::clicked, nullptr, nullptr);
    connect(Button(1186), &QPushButton::clicked, this, [this] { LeaveWith(kBack); });
    connect(Button(1193), &QPushButton::clicked, this, [this] { LeaveWith(kNext); });
    connect(Button(1187), &QPushButton::clicked, this, [this] { LeaveWith(kQuit); });
    for (int id : {kLambdaOnTime, kLambdaOffTime}) NumericField(id)->installEventFilter(this);
}

CLambdaPage::~CLambdaPage() = default;

void CLambdaPage::InitPage() {
    liveBackground_ = false;
    RunEcuJob(
        Tr("Lendo o equipamento..."),
        [](EcuSession& session, PageHooks&) {
            LambdaSetupExchange(session);
            return 0;
        },
        [this](int) {
            CConfigPage::InitPage();
            SetBackgroundBitmap(ModelIndex == 1 ? 248 : kPageBackground);
            ApplySignalType(false);
            gauges_->HideLambdaPageGauges();
            ApplyMode();
        });
}

int CLambdaPage::FillFromStore(CRX4DATA& store) {
    const int result = CConfigPage::FillFromStore(store);
    if (SelectedSignalType() == kSignalReal) {
        ApplySignalType(false);
        ApplyMode();
    } else {
        SetBackgroundBitmap(kPageBackground);
        liveBackground_ = false;
        gauges_->HideLambdaPageGauges();
        // The fields of the type the store names, without touching the stream.
        CLambdaPageBase::ApplySignalType(false);
    }
    return result;
}

void CLambdaPage::ApplySignalType(bool resetTimes) {
    if (liveBackground_) {
        SetBackgroundBitmap(kPageBackground);
        liveBackground_ = false;
    }
    g_LiveViewRunning = 0;
    if (SelectedSignalType() != kSignalReal) {
        StopLiveView();
        ShowField(kLambdaMode, false, false);
        ShowField(kLambdaInjection, false, false);
        CLambdaPageBase::ApplySignalType(resetTimes);
        return;
    }
    ShowTimes(false, false, false);
    ShowField(kLambdaMode, true, true);
    ShowField(kLambdaInjection, false, false);
    SetBackgroundBitmap(kLiveViewBackground);
    liveBackground_ = true;
    StartLiveView();
}

void CLambdaPage::ApplyMode() {
    const bool manual = SelectedSignalType() == kSignalReal &&
                        ListField(kLambdaMode)->currentIndex() == kModeManual;
    ShowField(kLambdaInjection, manual, manual);
}

void CLambdaPage::StopLiveView() {
    liveTimer_.stop();
    RunStreamJob(
        [](EcuSession& session) {
            StopMonitoring(session, kLambdaStopSpacingMs);
            return 0;
        },
        nullptr);
    gauges_->HideLambdaPageGauges();
}

void CLambdaPage::AfterReconnect() {
    CLambdaPageBase::AfterReconnect();
    if (g_LiveViewRunning)
        RunStreamJob(
            [](EcuSession& session) {
                StartMonitoring(session);
                return 0;
            },
            nullptr);
}

void CLambdaPage::StartLiveView() {
    RunStreamJob(
        [](EcuSession& session) {
            StartMonitoring(session);
            return 0;
        },
        nullptr);
    // The remembered state goes: every digit is drawn afresh, unlit until
    // its reading arrives.
    gauges_->HideLambdaPageGauges();
    gauges_->DrawStartImages();
    DrawLiveView();
    g_LiveViewRunning = 1;
    liveTimer_.start();
}

void CLambdaPage::DrawLiveView() {
    setUpdatesEnabled(false);
    // A reading not streamed yet leaves its digits as they are.
    gauges_->ShowLambdaPageRpm(g_MonitorStore, SelectedSignalType() == kSignalReal);
    gauges_->ShowLambdaPageInjection(g_MonitorStore);
    // The arc marker belongs to the "Real" view only; the timer also runs
    // after Enter or the monitoring screen in the other types.
    if (SelectedSignalType() == kSignalReal)
        slots_->Show(LambdaSlots::kArcMarker, GaugeImages::kLambdaArcMarker);
    setUpdatesEnabled(true);
}

void CLambdaPage::PollLiveView() {
    // A tick while an exchange or the last poll runs would only queue behind it.
    if (IsBusy() || pollPending_)
        return;
    pollPending_ = true;
    SyncSessionFromGlobals();
    Worker().Post([](EcuSession& session) { return LambdaLiveViewPoll(session); },
                  [this](int) {
                      pollPending_ = false;
                      if (liveTimer_.isActive())
                          DrawLiveView();
                  });
}

void CLambdaPage::RunStreamJob(std::function<int(EcuSession&)> job, std::function<void(int)> done) {
    if (IsBusy()) {
        Worker().Post(std::move(job), std::move(done));
        return;
    }
    RunEcuJob(
        Tr("Aguarde..."),
        [job](EcuSession& session, PageHooks&) { return job(session); }, std::move(done));
}

void CLambdaPage::ChangeSignalType() {
    liveTimer_.stop();
    RunEcuJob(
        Tr("Aguarde..."),
        [](EcuSession& session, PageHooks&) {
            LambdaSignalChangePause(session);
            return 0;
        },
        [this](int) {
            ListField(kLambdaMode)->setCurrentIndex(kModeAutomatic);
            ApplySignalType(true);
        });
}

void CLambdaPage::SelectSource(int index) {
    CConfigPage::SelectSource(index);
    ChangeSignalType();
}

void CLambdaPage::WriteAll() {
    if (IsBusy())
        return;
    if (g_SourceIsFile) {
        CConfigPage::WriteAll();
        return;
    }
    // The live poll pauses while the box asks, as it does for the pass; a
    // cancelled write resumes it.
    const bool live = liveTimer_.isActive();
    liveTimer_.stop();
    if (!ConfirmWriteAll() || IsBusy() || LinkDown()) {
        if (live)
            liveTimer_.start();
        return;
    }
    const PageModel& model = *Model();
    RunEcuJob(
        Tr("Gravando no equipamento..."),
        [&model](EcuSession& session, PageHooks& hooks) {
            StopMonitoring(session, kLambdaStopSpacingMs);
            const int result = WriteAllFields(session, model, hooks);
            if (g_LiveViewRunning)
                StartMonitoring(session);
            return result;
        },
        [this](int result) {
            if (result == kReadFailedResult) {
                done(kResultReadFailed);
            } else if (g_LiveViewRunning) {
                liveTimer_.start();
            }
        });
}

void CLambdaPage::WriteFocusedField() {
    if (IsBusy())
        return;
    liveTimer_.stop();
    const std::string key = static_cast<const LambdaPageModel*>(Model())->EnterKeyFor(g_FocusedKey);
    if (g_SourceIsFile || key.empty()) {
        liveTimer_.start();
        return;
    }
    const PageModel& model = *Model();
    RunEcuJob(
        Tr("Gravando no equipamento..."),
        [&model, key](EcuSession& session, PageHooks& hooks) {
            return WriteOneField(session, model, key, hooks);
        },
        [this](int result) {
            if (result == kReadFailedResult) {
                done(kResultReadFailed);
                return;
            }
            liveTimer_.start();
        });
}

void CLambdaPage::OpenMonitor() {
    if (IsBusy())
        return;
    liveTimer_.stop();
    RunEcuJob(
        Tr("Aguarde..."),
        [](EcuSession& session, PageHooks&) {
            StopMonitoring(session, kLambdaStopSpacingMs);
            return 0;
        },
        [this](int) {
            const int result = RunMonitoringDialog();
            RunEcuJob(
                Tr("Aguarde..."),
                [](EcuSession& session, PageHooks&) {
                    StopMonitoring(session, kLambdaStopSpacingMs);
                    return 0;
                },
                [this, result](int) {
                    if (result == kQuit) {
                        LeaveWith(kQuit);
                        return;
                    }
                    FillFromStore(g_SourceIsFile ? g_FileStore : g_EquipmentStore);
                    liveTimer_.stop();
                    RunEcuJob(
                        Tr("Aguarde..."),
                        [](EcuSession& session, PageHooks&) {
                            LambdaSignalChangePause(session);
                            return 0;
                        },
                        [this](int) {
                            ListField(kLambdaMode)->setCurrentIndex(kModeAutomatic);
                            ApplySignalType(true);
                            liveTimer_.stop();
                            RunStreamJob(
                                [](EcuSession& session) {
                                    session.clock.WaitMs(kLambdaAfterMonitorWaitMs);
                                    StartMonitoring(session);
                                    return 0;
                                },
                                [this](int) { liveTimer_.start(); });
                        });
                });
        });
}

void CLambdaPage::LeaveWith(int code) {
    if (IsBusy())
        return;
    liveTimer_.stop();
    RunEcuJob(
        Tr("Aguarde..."),
        [](EcuSession& session, PageHooks&) {
            StopMonitoring(session, kLambdaStopSpacingMs);
            return 0;
        },
        [this, code](int) {
            g_LiveViewRunning = 0;
            done(code);
        });
}

void CLambdaPage::done(int code) {
    if (!IsBusy())
        liveTimer_.stop();
    CLambdaPageBase::done(code);
}

bool CLambdaPage::eventFilter(QObject* watched, QEvent* event) {
    // A time outside 0 .. 2.55 is put back silently when the field is left.
    if (event->type() == QEvent::FocusOut) {
        for (int id : {kLambdaOnTime, kLambdaOffTime}) {
            QLineEdit* edit = NumericField(id);
            if (watched != edit)
                continue;
            const double seconds = edit->text().toDouble();
            if (seconds < 0)
                edit->setText(QStringLiteral("0.00"));
            if (seconds > kMaxTimeSeconds)
                edit->setText(QStringLiteral("2.55"));
        }
    }
    return CLambdaPageBase::eventFilter(watched, event);
}
