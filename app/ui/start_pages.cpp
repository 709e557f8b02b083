#include "app/ui/start_pages.h"

#include <QComboBox>
#include <QLineEdit>

#include "app/globals.h"
#include "app/parameter_table.h"
#include "app/ui/demo_mode.h"
#include "app/ui/splash_wnd.h"
#include "app/ui/ui_globals.h"
#include "app/ui/ui_language.h"
#include "comm/ecu_worker.h"
#include "comm/port_names.h"
#include "controls/font_label.h"
#include "controls/image_button.h"
#include "i18n/ui_text.h"

namespace {
constexpr int kSmallBackground = 269;
constexpr QSize kSmallPageSize(487, 190);
constexpr int kNextImage = 229, kReturnImage = 232, kExitImage = 233, kRefreshImage = 281;
constexpr int kRefreshSize = 36;
constexpr int kLanguageImages[3] = {260, 262, 261};
}  // namespace

CSmallPage::CSmallPage(int templateId, const QString& title)
    : CPageDialog(templateId), title_(new CFontLabel(this)) {
    setFixedSize(kSmallPageSize);
    title_->setText(title);
    title_->setGeometry(10, 10, kSmallPageSize.width() - 20, 30);
}

void CSmallPage::DressSmallPage() {
    title_->SetLabelFont("Ms Sans Serif", 20, 0, 1);
    title_->SetLabelStyle(32);
    SetBackgroundMode(kTile);
    SetBackgroundBitmap(kSmallBackground);
}

CLanguagePage::CLanguagePage() : CSmallPage(181, Tr("Selecione o Idioma")) {
    const char* captions[3] = {"Português", "English", "Español"};
    CImageButton** buttons[3] = {&portuguese_, &english_, &spanish_};
    for (int i = 0; i < 3; ++i) {
        *buttons[i] = new CImageButton(this);
        (*buttons[i])->setGeometry(70 + i * 130, 50, 84, 84);
        captions_[i] = new CFontLabel(this);
        captions_[i]->setText(QString::fromUtf8(captions[i]));
        captions_[i]->setGeometry(50 + i * 130, 140, 124, 24);
    }
    // Each button installs its language for the whole run, remembers it
    // for the next start and goes on to the model page.
    const UiLanguage languages[3] = {UiLanguage::Portuguese, UiLanguage::English, UiLanguage::Spanish};
    for (int i = 0; i < 3; ++i) {
        connect(*buttons[i], &QPushButton::clicked, this, [this, language = languages[i]] {
            ChooseLanguage(language);
            OnNext();
        });
    }
    setToolTip(Tr("Seleção de Idioma"));
}

void CLanguagePage::OnInitDialog() {
    DressSmallPage();
    // Captions centred under their buttons, at a size that can be read.
    for (auto* caption : captions_) caption->SetLabelFont(QStringLiteral("Ms Sans Serif"), 14, 0, 32);
    const char* tips[3] = {"Português", "English", "Español"};
    CImageButton* buttons[3] = {portuguese_, english_, spanish_};
    for (int i = 0; i < 3; ++i) DressButton(buttons[i], kLanguageImages[i], QString::fromUtf8(tips[i]));
}

void CLanguagePage::showEvent(QShowEvent* event) {
    CSmallPage::showEvent(event);
    CSplashWnd::ShowSplash(this);
}

CChoicePage::CChoicePage(int templateId, const QString& title)
    : CSmallPage(templateId, title),
      list_(new QComboBox(this)),
      return_(new CImageButton(this)),
      next_(new CImageButton(this)),
      exit_(new CImageButton(this)) {
    list_->setEditable(true);
    list_->setGeometry(60, 60, kSmallPageSize.width() - 120, 30);
    // The strip under the buttons is kept free for the demonstration badge.
    return_->setGeometry(120, 100, 64, 64);
    next_->setGeometry(212, 100, 64, 64);
    exit_->setGeometry(304, 100, 64, 64);
    connect(return_, &QPushButton::clicked, this, &CPageDialog::OnReturn);
    connect(exit_, &QPushButton::clicked, this, &CPageDialog::OnExit);
    setToolTip(Tr("Tela de Dados"));
}

void CChoicePage::DressChoicePage() {
    DressSmallPage();
    DressButton(return_, kReturnImage, Tr("Retornar"));
    DressButton(next_, kNextImage, Tr("Próximo"));
    DressButton(exit_, kExitImage, Tr("Sair"));
}

CModelPage::CModelPage() : CChoicePage(145, Tr("Modelo do Equipamento")) {
    connect(next_, &QPushButton::clicked, this, &CModelPage::OnModelNext);
}

void CModelPage::OnInitDialog() {
    DressChoicePage();
    list_->clear();
    list_->addItems({QStringLiteral("Q7100"), QStringLiteral("Q5100"), QStringLiteral("Q5100 plus")});
    list_->setCurrentIndex(1);
    ModelIndex = 1;
}

void CModelPage::OnModelNext() {
    // A typed text that is none of the entries selects nothing: -1 takes
    // the Q7100 paths, as every model other than 1 and 2 does.
    ModelIndex = list_->findText(list_->currentText(), Qt::MatchExactly);
    FillParameterTable(ModelIndex);
    OnNext();
}

void OpenChosenPort(PortChoice choice) {
    Worker().Post(
        [choice](EcuSession& session) {
            SelectPortBackend(session.port, choice.simulator);
            session.port.SetPortNumber(choice.number);
            session.port.OpenPort();
            return 0;
        },
        nullptr);
}

CPortPage::CPortPage(std::function<void(PortChoice)> openPort)
    : CChoicePage(144, Tr("Define Porta COM")),
      openPort_(std::move(openPort)),
      refresh_(new CImageButton(this)) {
    // The refresh button sits at the list's right end.
    const QRect list = list_->geometry();
    list_->setGeometry(list.adjusted(0, 0, -(kRefreshSize + 8), 0));
    refresh_->setGeometry(list.right() + 1 - kRefreshSize, list.center().y() - kRefreshSize / 2, kRefreshSize,
                          kRefreshSize);
    connect(next_, &QPushButton::clicked, this, &CPortPage::OnPortNext);
    connect(refresh_, &QPushButton::clicked, this, [this] { FillPortList(list_->currentText()); });
}

void CPortPage::OnInitDialog() {
    DressChoicePage();
    DressButton(refresh_, kRefreshImage, Tr("Procurar portas de novo"));
    FillPortList();
}

void CPortPage::FillPortList(const QString& keep) {
    list_->clear();
    for (const PortInfo& port : ListPorts(true)) {
        QString entry = QString::fromStdString(port.comName + "  " + port.devicePath);
        if (!port.description.empty()) entry += QString::fromStdString("  " + port.description);
        if (port.status != OpenError::None) entry += QString::fromStdString("  (" + port.statusText + ")");
        list_->addItem(entry);
    }
    const int realPorts = list_->count();
    list_->addItem(SimulatorPortEntry());
    // The simulator is never picked for the user: with no port found, the
    // list shows no choice until the user makes one.
    const int selected = !keep.isEmpty()     ? list_->findText(keep, Qt::MatchExactly)
                         : DemoModeActive() ? realPorts
                         : realPorts > 0    ? 0
                                            : -1;
    list_->setCurrentIndex(selected);
    // A name the user typed stays as typed.
    if (selected < 0) list_->setEditText(keep);
}

int CPortPage::PortNumberFromText(const QString& text) {
    const QString cut = text.left(49);
    if (cut.size() <= 3) return 0;
    int number = 0;
    for (QChar c : cut.mid(3)) {
        if (!c.isDigit()) break;
        number = number * 10 + c.digitValue();
    }
    return number;
}

void CPortPage::OnPortNext() {
    OnNext();
    PortChoice choice;
    choice.simulator = list_->currentText() == SimulatorPortEntry();
    choice.number = choice.simulator ? 0 : PortNumberFromText(list_->currentText());
    // Recorded here so that the next page shows the badge at once; the port
    // itself follows on its own thread before the next page's exchanges.
    SetDemoMode(choice.simulator);
    // The open's result is not shown here: the customer page's reading
    // reports a port that does not answer.
    if (openPort_) openPort_(choice);
}
