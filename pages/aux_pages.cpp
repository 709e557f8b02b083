#include "pages/aux_pages.h"
#include "i18n/ui_text.h"
#include "data/number_text.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <cstdlib>

#include "app/globals.h"
#include "app/wizard_flow.h"
#include "comm/ecu_protocol.h"
#include "comm/timing_profiles.h"
#include "controls/font_label.h"
#include "controls/image_button.h"
#include "controls/numeric_spin.h"
#include "data/store_text.h"
#include "pages/aux_page_model.h"

namespace {

// template, heading, background Q5100 / other, write button (id)
const ConfigPageLook kAuxLook{110, TR_NOOP("Funções Auxiliares"), 249, 249, true, 1182};
const ConfigPageLook kAuxBasicLook{116, TR_NOOP("Funções Auxiliares"), 250, 250, true, 1182};


// Q5100: the key filter without Ctrl shortcuts; the write button does
// nothing while "Arquivo" is selected.
FrameRules BasicRules() {
    FrameRules rules;
    rules.ctrlShortcuts = false;
    rules.writeRefillsFromFile = false;
    return rules;
}

// Other models: every key reaches the fields.
FrameRules FullRules() {
    FrameRules rules;
    rules.keyFilter = false;
    return rules;
}

// Answers the worker's "82" read without showing the monitor store's values
// in the fields: that store holds live values, not this page's settings.
class StoreOnlyHooks : public PageHooks {
  public:
    int RefreshFromStore(CRX4DATA&) override { return 0; }
    void SetCommandsEnabled(bool) override {}
    void QueueWritesForKey(const char*, PendingWrites&) override {}
    void ShowMessage(const char*, const char*, MessageIcon) override {}
};

}  // namespace

CAuxPageBase::CAuxPageBase(const ConfigPageLook& look, const PageModel* model, FrameRules rules)
    : CConfigPage(look, model, rules) {
    // Next shows the monitoring screen first: the frame's handler is replaced.
    CImageButton* next = Button(1193);
    disconnect(next, &QPushButton::clicked, nullptr, nullptr);
    connect(next, &QPushButton::clicked, this, [this] { MonitorThenEnd(false); });
}

const char* CAuxPageBase::FileType() const {
    return static_cast<const AuxPageModelBase*>(Model())->FileType();
}

void CAuxPageBase::MonitorThenEnd(bool refreshAfter) {
    if (IsBusy())
        return;
    if (RunMonitoringDialog() == kMonitorExited) {
        OnExit();
        return;
    }
    if (refreshAfter)
        FillFromStore(g_SourceIsFile ? g_FileStore : g_EquipmentStore);
    done(kResultNext);
}

CAuxBasicPage::CAuxBasicPage() : CAuxPageBase(kAuxBasicLook, &AuxBasicModel(), BasicRules()) {}

CAuxPage::CAuxPage()
    : CAuxPageBase(kAuxLook, &AuxModel(), FullRules()),
      delaySpin_(AttachNumericSpin(kAuxCutOffDelay, false)),
      overlapSpin_(AttachNumericSpin(kAuxOverlap, false)) {
    connect(ListField(kAuxRelay), qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { ShowOverlapForRelay(); });
    NumericField(kAuxCutOffDelay)->installEventFilter(this);
}

void CAuxPage::InitPage() {
    // The relay mode is read from the ECU on its own before the fields show
    // the store; the read's values stay in the monitor store.
    RunEcuJob(
        Tr("Lendo o equipamento..."),
        [](EcuSession& session, PageHooks&) {
            StoreOnlyHooks quiet;
            return ReadRegisters(session, "82", session.monitorStore, TimingFor(EcuCaller::AuxPage),
                                 quiet);
        },
        [this](int) {
            CConfigPage::InitPage();
            // Fields the store could not fill keep the relay mode read.
            std::string relay;
            QComboBox* list = ListField(kAuxRelay);
            if (list->currentIndex() < 0 && StoreValueText(g_MonitorStore, "82", &relay))
                list->setCurrentIndex(NumberText::ToInt(relay));
            ShowOverlapForRelay();
        });
}

bool CAuxPage::OverlapShown() const {
    return NumericField(kAuxOverlap)->isVisibleTo(this);
}

void CAuxPage::ShowOverlapForRelay() {
    const bool shown = AuxPageModel::OverlapVisible(ListField(kAuxRelay)->currentIndex());
    QLineEdit* edit = NumericField(kAuxOverlap);
    for (QWidget* label : {FieldCaption(kAuxOverlap), FieldUnit(kAuxOverlap)})
        if (label) label->setVisible(shown);
    edit->setVisible(shown);
    overlapSpin_->setVisible(shown);
}

void CAuxPage::NormaliseDelay() {
    QLineEdit* edit = NumericField(kAuxCutOffDelay);
    const QString text = QString::fromStdString(NormaliseCutOffDelay(edit->text().toStdString()));
    if (text != edit->text())
        edit->setText(text);
    delaySpin_->SetPosFromValue(delaySpin_->GetValue());
}

void CAuxPage::WriteFocusedField() {
    NormaliseDelay();
    CAuxPageBase::WriteFocusedField();
}

bool CAuxPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == NumericField(kAuxCutOffDelay) && event->type() == QEvent::FocusOut)
        NormaliseDelay();
    return CAuxPageBase::eventFilter(watched, event);
}
