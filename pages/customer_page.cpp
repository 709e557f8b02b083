#include "pages/customer_page.h"
#include "i18n/ui_text.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/globals.h"
#include "app/ui/demo_mode.h"
#include "app/ui/ui_globals.h"
#include "app/wizard_flow.h"
#include "comm/ecu_worker.h"
#include "controls/font_label.h"
#include "controls/image_button.h"
#include "data/port_setting.h"
#include "data/store_text.h"
#include "pages/file_commands.h"

namespace {

constexpr ConfigPageLook kLook{182, TR_NOOP("Dados da Empresa"), 248, 249, false, 0};
constexpr int kReadAttempts = 3;
constexpr int kReturnWaitMs = 1000;
constexpr const char* kReadError = TR_NOOP("Erro na leitura dos parâmetros !!!");  // Tr where shown

// Screen order of the eight one-line fields: label and the customer text.
struct CustomerRow {
    const char* label;
    std::string CustomerData::*text;
    int capacity;
};
const CustomerRow kRows[8] = {
    {TR_NOOP("Cliente"), &CustomerData::customer, 49},
    {TR_NOOP("Data de Instalação"), &CustomerData::installationDate, 29},
    {TR_NOOP("Marca"), &CustomerData::vehicleMake, 29},
    {TR_NOOP("Modelo"), &CustomerData::vehicleModel, 29},
    {TR_NOOP("Ano de Fabricação"), &CustomerData::manufactureYear, 29},
    {TR_NOOP("Placa"), &CustomerData::licencePlate, 29},
    {TR_NOOP("Modelo do Misturador"), &CustomerData::mixerModel, 29},
    {TR_NOOP("Modelo do Redutor"), &CustomerData::reducerModel, 29},
};
constexpr int kRemarksCapacity = 298;

CFontLabel* MakeLabel(QWidget* parent, const char* text, const QRect& where) {
    auto* label = new CFontLabel(parent);
    label->setText(Tr(text));
    label->setGeometry(where);
    return label;
}

// Every key reaches the customer texts.
FrameRules CustomerRules() {
    FrameRules rules;
    rules.keyFilter = false;
    return rules;
}

}  // namespace

CCustomerPage::CCustomerPage() : CConfigPage(kLook, nullptr, CustomerRules()), remarks_(new QPlainTextEdit(InputArea())) {
    for (int i = 0; i < 8; ++i) {
        const int column = i % 2, row = i / 2;
        const int x = 30 + column * 380, y = 70 + row * 70;
        MakeLabel(this, kRows[i].label, QRect(x, y, 350, 20))->setObjectName(QStringLiteral("label"));
        fields_[i] = new QLineEdit(InputArea());
        fields_[i]->setGeometry(x, y + 22, 350, 32);
        fields_[i]->setMaxLength(kRows[i].capacity);
        connect(fields_[i], &QLineEdit::editingFinished, this, &CCustomerPage::CopyFieldsToGlobals);
    }
    MakeLabel(this, TR_NOOP("Observações Gerais"), QRect(30, 350, 350, 20))->setObjectName(QStringLiteral("label"));
    remarks_->setGeometry(30, 372, 730, 60);
    connect(remarks_, &QPlainTextEdit::textChanged, this, [this] {
        // The remarks keep at most their capacity, whatever is pasted.
        const QString text = remarks_->toPlainText();
        if (text.size() > kRemarksCapacity) {
            remarks_->setPlainText(text.left(kRemarksCapacity));
            remarks_->moveCursor(QTextCursor::End);
        }
        CopyFieldsToGlobals();
    });
    // Return closes the port before the page ends: handled here, not by the frame.
    auto* back = Button(1186);
    disconnect(back, &QPushButton::clicked, nullptr, nullptr);
    connect(back, &QPushButton::clicked, this, &CCustomerPage::OnCustomerReturn);
}

void CCustomerPage::CopyFieldsToGlobals() {
    for (int i = 0; i < 8; ++i)
        g_CustomerData.*kRows[i].text = fields_[i]->text().left(kRows[i].capacity).toStdString();
    g_CustomerData.remarks = remarks_->toPlainText().left(kRemarksCapacity).toStdString();
}

void CCustomerPage::ShowCustomerTexts() {
    for (int i = 0; i < 8; ++i) {
        fields_[i]->setText(QString::fromStdString(g_CustomerData.*kRows[i].text).left(kRows[i].capacity));
    }
    remarks_->setPlainText(QString::fromStdString(g_CustomerData.remarks).left(kRemarksCapacity));
}

int CCustomerPage::FillFromStore(CRX4DATA& store) {
    std::string value;
    return StoreValueText(store, "1E", &value) && StoreValueText(store, "1F", &value) ? 0 : 1;
}

void CCustomerPage::InitPage() {
    for (auto* label : findChildren<CFontLabel*>(QStringLiteral("label")))
        label->SetLabelFont(QStringLiteral("Ms Sans Serif"), 14, 0, 1);
    for (auto* field : fields_) field->setFont(PageFont());
    remarks_->setFont(PageFont());
    ShowCustomerTexts();

    const bool readEcu = g_FileLoaded == 0;
    if (!readEcu) ShowSourceSelector(g_SourceIsFile == 1);
    RunEcuJob(readEcu ? Tr("Lendo o equipamento...") : Tr("Abrindo a porta serial..."),
              [readEcu](EcuSession& session, PageHooks& hooks) {
                  OpenEcuLink(session);
                  if (!readEcu) return 0;
                  const TimingProfile& row = TimingFor(EcuCaller::CustomerPage);
                  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
                      if (ReadRegisters(session, "FULL", session.equipmentStore, row, hooks) == 0) return 0;
                  }
                  hooks.ShowMessage(kReadError, "", MessageIcon::None);
                  return static_cast<int>(kResultReadFailed);
              },
              [this](int result) {
                  if (result == kResultReadFailed) {
                      done(kResultReadFailed);
                      return;
                  }
                  FinishStart();
              });
}

void CCustomerPage::FinishStart() {
    // The simulator answers under any number: only a real link proves a port.
    if (DemoModeActive()) return;
    int port = g_SerialPort.GetPortNumber();
    PortSetting(ModelFileType(), &port, "SET");
}

void CCustomerPage::SelectSource(int index) {
    // No register is shown here: only the flag follows the selector.
    g_SourceIsFile = index == 0 ? 1 : 0;
}

void CCustomerPage::LoadFile() {
    CopyFieldsToGlobals();
    switch (LoadConfigFile(this, ModelFileType())) {
        case LoadOutcome::Loaded:
            ShowCustomerTexts();
            ShowSourceSelector(true);
            break;
        case LoadOutcome::Incomplete: ShowSourceSelector(false); break;
        case LoadOutcome::Cancelled: break;
    }
}

void CCustomerPage::SaveFile() {
    CopyFieldsToGlobals();
    SaveConfigFile(this, ModelFileType());
}

void CCustomerPage::OnCustomerReturn() {
    RunEcuJob(Tr("Fechando a porta serial..."),
              [](EcuSession& session, PageHooks&) {
                  session.port.ClosePort();
                  session.port.SetPortNumber(0);
                  session.clock.WaitMs(kReturnWaitMs);
                  return 0;
              },
              [this](int) {
                  done(kResultBack);
                  g_EquipmentStore.Zeradora();
                  g_FileStore.Zeradora();
                  g_MonitorStore.Zeradora();
                  // With the stores empty no file is loaded any more: the next
                  // customer page reads the ECU again instead of showing nothing.
                  g_FileLoaded = 0;
                  g_SourceIsFile = 0;
              });
}
