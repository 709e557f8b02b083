#include "pages/actuator_page.h"
#include "i18n/ui_text.h"

#include <QKeyEvent>

#include "app/wizard_flow.h"
#include "controls/font_label.h"
#include "controls/image_button.h"
#include "pages/actuator_page_model.h"

namespace {

// template, heading, background Q5100 / other, write button (id)
const ConfigPageLook kActuatorLook{107, TR_NOOP("Configurações do Atuador"), 248, 249, true, 1188};


// The page's own Ctrl flag stands in for the frame's shortcuts; only the
// headings get a font of their own; with "Arquivo" the write button does
// nothing, and the monitoring screen leaves the fields as they are.
FrameRules ActuatorRules() {
    FrameRules rules;
    rules.ctrlShortcuts = false;
    rules.writeRefillsFromFile = false;
    rules.refillAfterMonitor = false;
    rules.fieldFonts = false;
    return rules;
}

CFontLabel* ColumnHeading(QWidget* page, const char* text, int x) {
    auto* heading = new CFontLabel(page);
    heading->setText(Tr(text));
    heading->setGeometry(x, 40, 360, 22);
    return heading;
}

}  // namespace

CActuatorPage::CActuatorPage()
    : CConfigPage(kActuatorLook, &ActuatorModel(), ActuatorRules()),
      lowHeading_(ColumnHeading(this, ActuatorPageModel::ColumnHeading(0), 30)),
      highHeading_(ColumnHeading(this, ActuatorPageModel::ColumnHeading(1), 420)) {}

void CActuatorPage::InitPage() {
    ctrlDown_ = false;
    lowHeading_->SetLabelFont(QStringLiteral("Ms Sans Serif"), 20, 0, 1);
    highHeading_->SetLabelFont(QStringLiteral("Ms Sans Serif"), 20, 0, 1);
    Button(1193)->setEnabled(false);
    CConfigPage::InitPage();
    // The step is passed through: the wizard goes back to the aux step.
    done(kResultBack);
}

bool CActuatorPage::PreTranslateKey(QKeyEvent* event) {
    ctrlDown_ = CtrlHeld(event);
    if (event->type() == QEvent::KeyPress && ctrlDown_) {
        if (event->key() == Qt::Key_Right)
            OnNext();
        if (event->key() == Qt::Key_Left)
            OnReturn();
    }
    return CConfigPage::PreTranslateKey(event);
}
