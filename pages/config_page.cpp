#include "pages/config_page.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>

#include "app/globals.h"
#include "app/ui/message_box.h"
#include "app/ui/ui_globals.h"
#include "comm/ecu_worker.h"
#include "controls/font_label.h"
#include "controls/image_button.h"

namespace {
constexpr QSize kPageSize(800, 580);
constexpr int kButtonSize = 64;
constexpr int kButtonGap = 12;
constexpr int kRowTop = kPageSize.height() - kButtonSize - 16;

struct FrameButton {
    int id;
    int image;
    const char* tooltip;
};
// The row at the bottom left, in this order.
constexpr FrameButton kRow[] = {
    {1186, 232, "Retornar"},         {1193, 229, "Próximo"},
    {1192, 234, "Carregar Arquivo"}, {1189, 230, "Gravar Arquivo"},
    {1190, 270, "Inicia Monitoramento"}, {1187, 233, "Sair"},
};
constexpr int kWriteImage = 228;
constexpr const char* kWriteTooltip = "Grava Todos os Valores desta Tela no Equipamento ou Arquivo";

BoxIcon ToBoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return BoxIcon::Information;
        case MessageIcon::Exclamation: return BoxIcon::Exclamation;
        case MessageIcon::Stop: return BoxIcon::Stop;
        case MessageIcon::None: break;
    }
    return BoxIcon::None;
}
}  // namespace

CConfigPage::CConfigPage(const ConfigPageLook& look)
    : CPageDialog(look.templateId),
      heading_(new CFontLabel(this)),
      selector_(new QComboBox(this)),
      look_(look),
      busyText_(new QLabel(this)),
      busyBar_(new QProgressBar(this)) {
    setFixedSize(kPageSize);
    setToolTip(QStringLiteral("Tela de Dados"));
    heading_->setText(QString::fromUtf8(look.heading));
    heading_->setGeometry(30, 12, kPageSize.width() - 200, 32);

    CImageButton** slots[] = {&return_, &next_, &load_, &save_, &monitor_, &exit_};
    for (int i = 0; i < 6; ++i) {
        *slots[i] = new CImageButton(this);
        (*slots[i])->setObjectName(QString::number(kRow[i].id));
        (*slots[i])->setGeometry(20 + i * (kButtonSize + kButtonGap), kRowTop, kButtonSize, kButtonSize);
    }
    if (look.hasWriteButton) {
        write_ = new CImageButton(this);
        write_->setObjectName(QString::number(look.writeButtonId));
        write_->setGeometry(20, kRowTop - kButtonSize - 12, kButtonSize, kButtonSize);
        connect(write_, &QPushButton::clicked, this, [this] { WriteAll(); });
    }
    selector_->addItems({QStringLiteral("Arquivo"), QStringLiteral("Equipamento")});
    selector_->setGeometry(20 + kButtonSize + kButtonGap, kRowTop - 44, 160, 30);
    selector_->hide();
    connect(selector_, qOverload<int>(&QComboBox::activated), this, [this](int index) { OnSelectSource(index); });

    busyText_->setGeometry(kPageSize.width() - 300, kRowTop + 8, 280, 20);
    busyText_->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    busyBar_->setGeometry(kPageSize.width() - 300, kRowTop + 32, 280, 14);
    busyBar_->setRange(0, 0);
    busyText_->hide();
    busyBar_->hide();

    connect(return_, &QPushButton::clicked, this, &CPageDialog::OnReturn);
    connect(next_, &QPushButton::clicked, this, &CPageDialog::OnNext);
    connect(exit_, &QPushButton::clicked, this, &CPageDialog::OnExit);
    connect(load_, &QPushButton::clicked, this, [this] { LoadFile(); });
    connect(save_, &QPushButton::clicked, this, [this] { SaveFile(); });
    connect(monitor_, &QPushButton::clicked, this, [this] { OpenMonitor(); });
}

CImageButton* CConfigPage::Button(int id) const {
    return findChild<CImageButton*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

void CConfigPage::OnInitDialog() {
    heading_->SetLabelFont(QStringLiteral("Ms Sans Serif"), 20, 0, 1);
    CImageButton* row[] = {return_, next_, load_, save_, monitor_, exit_};
    for (int i = 0; i < 6; ++i) DressButton(row[i], kRow[i].image, QString::fromUtf8(kRow[i].tooltip));
    if (write_) DressButton(write_, kWriteImage, QString::fromUtf8(kWriteTooltip));
    SetBackgroundMode(kTile);
    SetBackgroundBitmap(ModelIndex == 1 ? look_.backgroundQ5100 : look_.backgroundOther);
    selector_->hide();
    SetBusy(false, QString());
    InitPage();
}

void CConfigPage::done(int code) {
    if (busy_) return;
    CPageDialog::done(code);
}

void CConfigPage::SetCommandsEnabled(bool enabled) {
    load_->setEnabled(enabled);
    save_->setEnabled(enabled);
    if (write_) write_->setEnabled(enabled);
}

void CConfigPage::ShowMessage(const char* text, const char* title, MessageIcon icon) {
    ShowMessageBox(this, QString::fromUtf8(text), QString::fromUtf8(title), ToBoxIcon(icon));
}

void CConfigPage::ShowSourceSelector(bool selectFile) {
    selector_->show();
    selector_->setCurrentIndex(selectFile ? 0 : 1);
    g_SourceIsFile = selectFile ? 1 : 0;
}

void CConfigPage::OnSelectSource(int index) {
    g_SourceIsFile = index == 0 ? 1 : 0;
    FillFromStore(g_SourceIsFile ? g_FileStore : g_EquipmentStore);
}

void CConfigPage::SetBusy(bool busy, const QString& what) {
    busy_ = busy;
    busyText_->setText(what);
    busyText_->setVisible(busy);
    busyBar_->setVisible(busy);
    // Leaving the page in the middle of an exchange would lose its order.
    for (CImageButton* b : {return_, next_, monitor_, exit_}) b->setEnabled(!busy);
    SetCommandsEnabled(!busy);
    setCursor(busy ? Qt::BusyCursor : Qt::ArrowCursor);
}

void CConfigPage::RunEcuJob(const QString& what, std::function<int(EcuSession&, PageHooks&)> job,
                            std::function<void(int)> done) {
    SetBusy(true, what);
    SyncSessionFromGlobals();
    EcuWorker& worker = Worker();
    auto hooks = std::make_shared<UiThreadHooks>(worker, *this);
    worker.Post([job, hooks](EcuSession& session) { return job(session, *hooks); },
                [this, done, hooks](int result) {
                    SetBusy(false, QString());
                    if (done) done(result);
                });
}

void CConfigPage::OpenMonitor() {
    // The monitoring screen arrives with its own issue; until then the
    // button stays without action.
}
