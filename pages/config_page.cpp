#include "pages/config_page.h"
#include "data/number_text.h"

#include "monitor/monitor_dialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "app/globals.h"
#include "i18n/ui_text.h"
#include "app/parameter_table.h"
#include "app/ui/link_banner.h"
#include "app/ui/link_watcher.h"
#include "app/ui/message_box.h"
#include "app/ui/trace_export.h"
#include "app/ui/ui_globals.h"
#include "app/wizard_flow.h"
#include "comm/ecu_worker.h"
#include "controls/font_label.h"
#include "controls/image_button.h"
#include "controls/numeric_spin.h"
#include "pages/compare_dialog.h"
#include "pages/file_commands.h"
#include "pages/input_checks.h"
#include "pages/page_exchanges.h"
#include "pages/write_preview.h"
#include "pages/write_report.h"

namespace {
constexpr QSize kPageSize(800, 580);
constexpr int kButtonSize = 64;
constexpr int kButtonGap = 12;
constexpr int kRowTop = kPageSize.height() - kButtonSize - 16;

// The fields: two columns under the heading(s), one row per field (label
// above, value below, unit to its right), clear of the write button.
constexpr int kColumnX[2] = {30, 420};
constexpr int kHeadingTop = 12;
constexpr int kFieldsTop = 62;
constexpr int kRowHeight = 70;
constexpr int kLabelHeight = 22;
constexpr int kValueHeight = 32;
constexpr int kListWidth = 230;
constexpr int kEditWidth = 130;
constexpr int kSpinWidth = 22;
constexpr int kUnitWidth = 110;
constexpr int kColumnWidth = 360;

struct FrameButton {
    int id;
    int image;
    const char* tooltip;
};
// The row at the bottom left, in this order.
constexpr FrameButton kRow[] = {
    {1186, 232, TR_NOOP("Retornar")},
    {1193, 229, TR_NOOP("Próximo")},
    {1192, 234, TR_NOOP("Carregar Arquivo")},
    {1189, 230, TR_NOOP("Gravar Arquivo")},
    {1190, 270, TR_NOOP("Inicia Monitoramento")},
    {1187, 233, TR_NOOP("Sair")},
};
constexpr int kWriteImage = 228;
constexpr const char* kWriteTooltip =
    TR_NOOP("Grava Todos os Valores desta Tela no Equipamento ou Arquivo");
constexpr const char* kPageTooltip = TR_NOOP("Tela de Dados");

// The keys a page with the key filter lets through; numeric-keypad digits
// and its decimal point arrive as the same keys.
bool PassesKeyFilter(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return true;
    switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Period:
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Shift:
        case Qt::Key_Control:
            return true;
        default:
            return false;
    }
}

CFontLabel* MakeLabel(QWidget* parent, const char* text, const QRect& where) {
    auto* label = new CFontLabel(parent);
    label->setObjectName(QStringLiteral("label"));
    label->setText(Tr(text));
    label->setGeometry(where);
    return label;
}

// A list field shows a text that may not be one of its options (a guard's
// default text): the index then names no option.
void ShowListText(QComboBox* list, const QString& text) {
    list->setCurrentIndex(list->findText(text));
    list->setEditText(text);
}

// The record's default text as the list shows it: the default names one of
// the record's options by its untranslated label, and the list holds that
// option in the run's language at the same place.
QString ListDefaultText(const QComboBox* list, const ParameterRecord& record,
                        const std::string& text) {
    const int options = std::min({static_cast<int>(record.OptionCount), 10, list->count()});
    for (int i = 0; i < options; ++i)
        if (text == record.Labels[i])
            return list->itemText(i);
    return QString::fromStdString(text);
}

}  // namespace

CConfigPage::CConfigPage(const ConfigPageLook& look, const PageModel* model, FrameRules rules)
    : CPageDialog(look.templateId),
      heading_(new CFontLabel(this)),
      inputs_(new QWidget(this)),
      selector_(new QComboBox(inputs_)),
      look_(look),
      model_(model),
      rules_(rules),
      busyText_(new QLabel(this)),
      busyBar_(new QProgressBar(this)),
      banner_(nullptr) {
    setFixedSize(kPageSize);
    // Under the buttons, so it never takes their clicks; its children are the
    // fields, which sit where no button is.
    inputs_->setGeometry(rect());
    inputs_->lower();
    inputs_->setProperty(kContainerProperty, true);
    heading_->setText(Tr(look.heading));
    if (look.secondHeading) {
        heading_->setGeometry(kColumnX[0], kHeadingTop, kColumnWidth, 32);
        secondHeading_ = new CFontLabel(this);
        secondHeading_->setText(Tr(look.secondHeading));
        secondHeading_->setGeometry(kColumnX[1], kHeadingTop, kColumnWidth, 32);
    } else {
        heading_->setGeometry(kColumnX[0], kHeadingTop, kPageSize.width() - 200, 32);
    }

    CImageButton** slots[] = {&return_, &next_, &load_, &save_, &monitor_, &exit_};
    for (int i = 0; i < 6; ++i) {
        *slots[i] = new CImageButton(this);
        (*slots[i])->setObjectName(QString::number(kRow[i].id));
        (*slots[i])->setGeometry(20 + i * (kButtonSize + kButtonGap), kRowTop, kButtonSize,
                                 kButtonSize);
    }
    if (look.hasWriteButton) {
        write_ = new CImageButton(this);
        write_->setObjectName(QString::number(look.writeButtonId));
        write_->setGeometry(20, kRowTop - kButtonSize - 12, kButtonSize, kButtonSize);
        connect(write_, &QPushButton::clicked, this, [this] { WriteAll(); });
    }
    selector_->addItems({Tr("Arquivo"), Tr("Equipamento")});
    selector_->setGeometry(20 + kButtonSize + kButtonGap, kRowTop - 44, 160, 30);
    selector_->hide();
    connect(selector_, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { SelectSource(index); });

    busyText_->setGeometry(kPageSize.width() - 300, kRowTop + 8, 280, 20);
    busyText_->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    busyBar_->setGeometry(kPageSize.width() - 300, kRowTop + 32, 280, 14);
    busyBar_->setRange(0, 0);
    busyText_->hide();
    busyBar_->hide();

    connect(return_, &QPushButton::clicked, this, &CPageDialog::OnReturn);
    connect(next_, &QPushButton::clicked, this, &CPageDialog::OnNext);
    connect(exit_, &QPushButton::clicked, this, &CPageDialog::OnExit);
    connect(load_, &QPushButton::clicked, this, [this] {
        LoadFile();
        UpdateCompareCommand();
    });
    connect(save_, &QPushButton::clicked, this, [this] { SaveFile(); });
    connect(monitor_, &QPushButton::clicked, this, [this] { OpenMonitor(); });

    banner_ = new LinkBanner(this);
    OfferTraceExport(this);
    compare_ = new QAction(Tr(kCompareCommand), this);
    compare_->setObjectName(QStringLiteral("compareWithEcu"));
    connect(compare_, &QAction::triggered, this, [this] { CompareWithEcu(); });
    addAction(compare_);
    LinkWatcher& watcher = Watcher();
    connect(&watcher, &LinkWatcher::linkLost, this, [this] { SetLinkDown(true); });
    connect(&watcher, &LinkWatcher::reconnected, this, [this] { SetLinkDown(false); });
    connect(&watcher, &LinkWatcher::settled, this, [this] { SetLinkDown(false); });

    if (model_)
        BuildFields();
}

void CConfigPage::BuildFields() {
    int rows[2] = {0, 0};
    for (const FieldDef& def : model_->Fields()) {
        FieldWidgets& field = fields_[def.controlId];
        field.def = &def;
        const int x = kColumnX[def.column];
        const int y = kFieldsTop + rows[def.column]++ * kRowHeight;
        field.label = MakeLabel(inputs_, def.label, QRect(x, y, kColumnWidth, kLabelHeight));
        const QString name = QString::number(def.controlId);
        const int valueY = y + kLabelHeight;
        int valueRight = x;
        if (def.kind == FieldKind::List) {
            field.list = new QComboBox(inputs_);
            field.list->setObjectName(name);
            field.list->setGeometry(x, valueY, kListWidth, kValueHeight);
            valueRight = x + kListWidth;
            if (rules_.editableLists) {
                field.list->setEditable(true);
                field.list->setInsertPolicy(QComboBox::NoInsert);
                field.list->setCompleter(nullptr);
                connect(field.list->lineEdit(), &QLineEdit::textEdited, this,
                        [this, &field] { OnListEdited(field); });
            }
        } else {
            field.edit = new QLineEdit(inputs_);
            field.edit->setObjectName(name);
            field.edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), field.edit));
            field.edit->setGeometry(x, valueY, kEditWidth, kValueHeight);
            field.edit->setMaxLength(kCheckedTextLength);
            connect(field.edit, &QLineEdit::textChanged, this,
                    [this, &field] { OnNumericChanged(field); });
            // The up-down buttons sit against the edit, as one control.
            field.up = new QToolButton(inputs_);
            field.down = new QToolButton(inputs_);
            field.up->setObjectName(QStringLiteral("up") + name);
            field.down->setObjectName(QStringLiteral("down") + name);
            field.up->setArrowType(Qt::UpArrow);
            field.down->setArrowType(Qt::DownArrow);
            field.up->setFocusPolicy(Qt::NoFocus);
            field.down->setFocusPolicy(Qt::NoFocus);
            field.up->setAutoRepeat(true);
            field.down->setAutoRepeat(true);
            field.up->setGeometry(x + kEditWidth, valueY, kSpinWidth, kValueHeight / 2);
            field.down->setGeometry(x + kEditWidth, valueY + kValueHeight / 2, kSpinWidth,
                                    kValueHeight / 2);
            for (QToolButton* arrow : {field.up, field.down}) {
                connect(arrow, &QToolButton::pressed, this, [this] { arrowHeld_.start(); });
                connect(arrow, &QToolButton::clicked, this, [this, &field, arrow] {
                    Spin(field, arrow == field.up ? 1 : -1, arrow->isDown());
                });
            }
            valueRight = x + kEditWidth + kSpinWidth;
        }
        if (def.unitLabel[0] != '\0')
            field.unit = MakeLabel(inputs_, def.unitLabel,
                                   QRect(valueRight + 8, valueY + 8, kUnitWidth, kLabelHeight));
    }
    connect(qApp, &QApplication::focusChanged, this, &CConfigPage::OnFocusChanged);
}

CImageButton* CConfigPage::Button(int id) const {
    return findChild<CImageButton*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

QComboBox* CConfigPage::ListField(int controlId) const {
    const auto found = fields_.find(controlId);
    return found == fields_.end() ? nullptr : found->second.list;
}

QLineEdit* CConfigPage::NumericField(int controlId) const {
    const auto found = fields_.find(controlId);
    return found == fields_.end() ? nullptr : found->second.edit;
}

CFontLabel* CConfigPage::FieldCaption(int controlId) const {
    const auto found = fields_.find(controlId);
    return found == fields_.end() ? nullptr : found->second.label;
}

CFontLabel* CConfigPage::FieldUnit(int controlId) const {
    const auto found = fields_.find(controlId);
    return found == fields_.end() ? nullptr : found->second.unit;
}

QToolButton* CConfigPage::SpinButton(int controlId, bool up) const {
    const auto found = fields_.find(controlId);
    if (found == fields_.end())
        return nullptr;
    return up ? found->second.up : found->second.down;
}

void CConfigPage::OnInitDialog() {
    initialised_ = false;
    heading_->SetLabelFont(QStringLiteral("Ms Sans Serif"), 20, 0, 1);
    if (secondHeading_)
        secondHeading_->SetLabelFont(QStringLiteral("Ms Sans Serif"), 20, 0, 1);
    for (auto& [id, field] : fields_) {
        if (!rules_.fieldFonts)
            break;
        field.label->SetLabelFont(QStringLiteral("Ms Sans Serif"), 14, 0, 1);
        if (field.unit)
            field.unit->SetLabelFont(QStringLiteral("Ms Sans Serif"), 14, 0, 1);
        if (field.list)
            field.list->setFont(PageFont());
        if (field.edit)
            field.edit->setFont(PageFont());
    }
    CImageButton* row[] = {return_, next_, load_, save_, monitor_, exit_};
    for (int i = 0; i < 6; ++i)
        DressButton(row[i], kRow[i].image, Tr(kRow[i].tooltip));
    if (write_)
        DressButton(write_, kWriteImage, Tr(kWriteTooltip));
    setToolTip(Tr(kPageTooltip));
    if (!rules_.tooltips) {
        for (CImageButton* button : findChildren<CImageButton*>()) button->setToolTip(QString());
        setToolTip(QString());
    }
    SetBackgroundMode(kTile);
    SetBackgroundBitmap(ModelIndex == 1 ? look_.backgroundQ5100 : look_.backgroundOther);
    selector_->hide();
    SetBusy(false, QString());
    linkDown_ = Watcher().LinkDown();
    ApplyLinkState();
    RegisterLinkResumer();
    ShowUnsentNote();
    UpdateCompareCommand();
    InitPage();
}

void CConfigPage::InitPage() {
    FillOptionLists();
    if (rules_.startSource == StartSource::FileLoaded) {
        // After a save without a load the source is "Arquivo" too: the
        // selector shows it, or the write button would silently do nothing.
        if (g_FileLoaded || g_SourceIsFile) {
            FillFromStore(g_SourceIsFile ? g_FileStore : g_EquipmentStore);
            ShowSourceSelector(g_SourceIsFile == 1);
        } else {
            FillFromStore(g_EquipmentStore);
        }
    } else {
        FillFromStore(g_FileLoaded && g_SourceIsFile ? g_FileStore : g_EquipmentStore);
        if (g_SourceIsFile) {
            ShowSourceSelector(true);
        } else {
            selector_->setCurrentIndex(1);
            g_SourceIsFile = 0;
        }
    }
    initialised_ = true;
}

void CConfigPage::FillOptionLists() {
    for (auto& [id, field] : fields_) {
        if (field.list) {
            field.list->clear();
            for (const std::string& option : model_->Options(id))
                field.list->addItem(QString::fromStdString(option));
        }
        if (field.spin) {
            const SpinRange range = model_->Range(id);
            field.spin->SetDecimals(range.decimals);
            field.spin->SetRangeAndDelta(range.min, range.max, range.step);
        }
    }
}

CNumericSpin* CConfigPage::AttachNumericSpin(int controlId, bool trimZeros) {
    FieldWidgets& field = fields_.at(controlId);
    auto* spin = new CNumericSpin(inputs_);
    spin->setObjectName(QStringLiteral("spin") + QString::number(controlId));
    spin->setGeometry(field.up->geometry().united(field.down->geometry()));
    field.up->hide();
    field.down->hide();
    field.edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*[.]?[0-9]*")), field.edit));
    spin->SetTrimZeros(trimZeros);
    spin->SetBuddy(field.edit);
    field.spin = spin;
    return spin;
}

CNumericSpin* CConfigPage::NumericSpin(int controlId) const {
    const auto found = fields_.find(controlId);
    return found == fields_.end() ? nullptr : found->second.spin;
}

int CConfigPage::FillFromStore(CRX4DATA& store) {
    if (!model_)
        return 0;
    FieldValues values = CurrentValues();
    const int result = model_->FillFromStore(store, values);
    ShowValues(values);
    if (result == 0)
        initialised_ = true;
    return result;
}

FieldValues CConfigPage::CurrentValues() const {
    FieldValues values;
    for (const auto& [id, field] : fields_) {
        FieldValue& value = values[id];
        if (field.list) {
            value.index = field.list->currentIndex();
            value.text = field.list->currentText().toStdString();
        } else {
            value.text = field.edit->text().toStdString();
        }
    }
    return values;
}

void CConfigPage::ShowValues(const FieldValues& values) {
    for (auto& [id, field] : fields_) {
        const auto value = values.find(id);
        if (value == values.end())
            continue;
        if (field.list) {
            const int index = value->second.index;
            // A value past the offered options that the ECU may still hold
            // grows the list up to it, so it is shown and written back.
            while (index >= field.list->count()) {
                const std::string extra = model_->ValueOnlyOption(id, field.list->count());
                if (extra.empty())
                    break;
                field.list->addItem(QString::fromStdString(extra));
            }
            const bool known = index >= 0 && index < field.list->count();
            // A value outside the options shows an empty field.
            ShowListText(field.list, known ? field.list->itemText(index) : QString());
        } else {
            field.edit->setText(QString::fromStdString(value->second.text));
        }
    }
}

void CConfigPage::done(int code) {
    if (busy_)
        return;
    CPageDialog::done(code);
}

void CConfigPage::SetCommandsEnabled(bool enabled) {
    // A read-back inside a longer exchange enables nothing before its end.
    enabled = enabled && !busy_;
    load_->setEnabled(enabled);
    save_->setEnabled(enabled);
    compare_->setEnabled(enabled && g_FileLoaded != 0);
    if (write_)
        write_->setEnabled(enabled && !linkDown_);
}

void CConfigPage::QueueWritesForKey(const char* key, PendingWrites& pending) {
    if (model_)
        model_->QueueWrites(key, CurrentValues(), g_EquipmentStore, pending);
}

void CConfigPage::ShowMessage(const char* text, const char* title, MessageIcon icon) {
    // The exchanges pass their texts untranslated; they are looked up here.
    ShowMessageBox(this, Tr(text), Tr(title), ToBoxIcon(icon));
}

void CConfigPage::ShowSourceSelector(bool selectFile) {
    selector_->show();
    selector_->setCurrentIndex(selectFile ? 0 : 1);
    g_SourceIsFile = selectFile ? 1 : 0;
}

void CConfigPage::SelectSource(int index) {
    g_SourceIsFile = index == 0 ? 1 : 0;
    FillFromStore(g_SourceIsFile ? g_FileStore : g_EquipmentStore);
}

void CConfigPage::WriteAll() {
    if (busy_ || linkDown_)
        return;
    if (g_SourceIsFile) {
        // Nothing goes to the ECU or a file: saving is the save button's work.
        if (rules_.writeRefillsFromFile)
            FillFromStore(g_FileStore);
        return;
    }
    if (!model_)
        return;
    // The box is modal, so the fields stay as they are while it is up; the
    // link may still go meanwhile, and then nothing is sent.
    if (!ConfirmWriteAll() || busy_ || linkDown_)
        return;
    const PageModel& model = *model_;
    RunEcuJob(
        Tr("Gravando no equipamento..."),
        [&model](EcuSession& session, PageHooks& hooks) {
            return WriteAllFields(session, model, hooks);
        },
        [this](int result) { EndAfterExchange(result); });
}

bool CConfigPage::ConfirmWriteAll() {
    if (!model_)
        return true;
    // The same queue the pass asks for through QueueWritesForKey("FULL").
    auto queued = std::make_unique<PendingWrites>();
    QueueWritesForKey("FULL", *queued);
    if (ChangedRegisterCount(*queued, g_EquipmentStore) <= 1)
        return true;
    CRX4DATA after;
    after = g_EquipmentStore;
    ApplyQueuedWrites(*queued, after);
    return ConfirmWriteDialog(this, ModelIndex, g_EquipmentStore, after);
}

void CConfigPage::UpdateCompareCommand() {
    // As Load and Save: off while an exchange may be refilling the stores.
    compare_->setEnabled(!busy_ && g_FileLoaded != 0);
}

void CConfigPage::CompareWithEcu() {
    UpdateCompareCommand();
    if (!compare_->isEnabled())
        return;
    ShowFileComparison(this, ModelIndex, g_EquipmentStore, g_FileStore,
                       QString::fromStdString(g_ConfigFilePath));
}

void CConfigPage::WriteFocusedField() {
    // Keys pressed during an exchange would only queue behind it.
    if (!model_ || busy_ || linkDown_ || g_SourceIsFile || !model_->IsWritableKey(g_FocusedKey))
        return;
    const PageModel& model = *model_;
    const std::string key = g_FocusedKey;
    RunEcuJob(
        Tr("Gravando no equipamento..."),
        [&model, key](EcuSession& session, PageHooks& hooks) {
            return WriteOneField(session, model, key, hooks);
        },
        [this](int result) { EndAfterExchange(result); });
}

void CConfigPage::EndAfterExchange(int result) {
    if (result == kReadFailedResult)
        done(kResultReadFailed);
}

void CConfigPage::RegisterLinkResumer() {
    const EcuCaller row = model_ ? model_->Protocol().read : EcuCaller::CustomerPage;
    Watcher().SetResumer(
        this, [row](EcuSession& session) { return ProbeEcu(session, TimingFor(row)); },
        [this] { AfterReconnect(); });
}

void CConfigPage::AfterReconnect() {
    if (model_ && !g_SourceIsFile)
        FillFromStore(g_EquipmentStore);
}

void CConfigPage::SetLinkDown(bool down) {
    linkDown_ = down;
    if (!busy_)
        ApplyLinkState();
    ShowUnsentNote();
}

void CConfigPage::ApplyLinkState() {
    if (write_)
        write_->setEnabled(!linkDown_ && !busy_);
    if (!busy_)
        monitor_->setEnabled(!linkDown_);
}

void CConfigPage::TakeInterruptedPass() {
    WritePassReport report = std::move(g_PendingWrites.LastPass);
    g_PendingWrites.LastPass = WritePassReport();
    if (!report.interrupted)
        return;
    unsent_ = report.notConfirmed;
    unsentRow_ = report.row;
    ShowUnsentNote();
    ShowMessageBox(this,
                   QString::fromStdString(InterruptedPassText(model_, report, g_EquipmentStore)),
                   Tr(kInterruptedPassTitle), BoxIcon::Exclamation);
}

void CConfigPage::ShowUnsentNote() {
    if (unsent_.empty()) {
        banner_->SetNote(QString());
        return;
    }
    const QString count = Tr("%1 valor(es) não gravado(s) na ECU.").arg(unsent_.size());
    if (linkDown_) {
        banner_->SetNote(count + Tr(" Guardados até a conexão voltar."));
        return;
    }
    banner_->SetNote(count, Tr("Reenviar"), [this] { ResendUnsent(); },
                     Tr("Descartar"), [this] { DiscardUnsent(); });
}

void CConfigPage::ResendUnsent() {
    if (busy_ || linkDown_ || unsent_.empty() || !unsentRow_)
        return;
    if (g_SourceIsFile && unsentRow_->writeFollowsSource) {
        ShowMessageBox(this, Tr("Selecione \"Equipamento\" para reenviar."),
                       Tr(kInterruptedPassTitle), BoxIcon::Exclamation);
        return;
    }
    const std::vector<PendingWrite> rest = unsent_;
    const TimingProfile& row = *unsentRow_;
    RunEcuJob(
        Tr("Gravando no equipamento..."),
        [rest, &row](EcuSession& session, PageHooks& hooks) {
            return ResendWrites(session, rest, row, hooks);
        },
        [this](int result) {
            if (result != kLinkLostResult) {
                unsent_.clear();
                unsentRow_ = nullptr;
                ShowUnsentNote();
            }
            EndAfterExchange(result);
        });
}

void CConfigPage::DiscardUnsent() {
    unsent_.clear();
    unsentRow_ = nullptr;
    ShowUnsentNote();
}

const char* CConfigPage::FileType() const {
    return ModelFileType();
}

void CConfigPage::LoadFile() {
    if (busy_)
        return;
    if (rules_.reportIncompleteLoad) {
        switch (LoadConfigFile(this, FileType())) {
            case LoadOutcome::Loaded:
                ShowSourceSelector(true);
                FillFromStore(g_FileStore);
                break;
            case LoadOutcome::Incomplete:
                selector_->setCurrentIndex(1);
                selector_->hide();
                break;
            case LoadOutcome::Cancelled:
                break;
        }
        return;
    }
    // A file that lacks registers still counts as loaded: the fields show what
    // the file store then holds (the ECU's values where the file had none).
    const QString type = QString::fromLatin1(FileType());
    FileDialogRequest request;
    request.save = false;
    request.filter = Tr("Arquivos Padrão Zano (*.%1)|*.%1|").arg(type);
    request.initialPath = QString::fromStdString(g_ConfigFilePath);
    const QString path = RunFileDialog(this, request);
    g_FileStore = g_EquipmentStore;
    if (path.isEmpty())
        return;
    const std::string pathText = path.toStdString();
    CustomerData customer = g_CustomerData;
    if (ReadConfigurationFile(pathText.c_str(), FileType(), g_FileStore, &customer) < 0) {
        // The customer texts are read all the same: with no register to look
        // up, only they come from the file.
        CRX4DATA noRegisters;
        ReadConfigurationFile(pathText.c_str(), FileType(), noRegisters, &customer);
    }
    g_CustomerData = customer;
    g_ConfigFilePath = pathText.substr(0, kConfigFilePathCapacity);
    ShowSourceSelector(true);
    g_FileLoaded = 1;
    FillFromStore(g_FileStore);
}

void CConfigPage::SaveFile() {
    if (busy_)
        return;
    if (SaveConfigFile(this, FileType()) && rules_.saveSelectsFile)
        ShowSourceSelector(true);
}

bool CConfigPage::PreTranslateKey(QKeyEvent* event) {
    // A Brazilian keyboard's numeric pad types a comma: in a field with
    // decimals it enters the point the ECU's numbers use, so "2,5" never
    // becomes 25. In a whole-number field it is refused like the point.
    if (event->type() == QEvent::KeyPress &&
        (event->key() == Qt::Key_Comma || event->text() == QStringLiteral(","))) {
        if (FieldWidgets* field = FieldOf(focusWidget()); field && field->edit) {
            if (field->spin)
                field->edit->insert(QStringLiteral("."));
            return true;
        }
    }
    if (model_ && event->type() == QEvent::KeyPress &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        WriteFocusedField();
        return CPageDialog::PreTranslateKey(event);
    }
    if (rules_.keyFilter && event->type() == QEvent::KeyPress && !PassesKeyFilter(event->key()))
        return true;
    return CPageDialog::PreTranslateKey(event);
}

CConfigPage::FieldWidgets* CConfigPage::FieldOf(QWidget* widget) {
    if (!widget)
        return nullptr;
    for (auto& [id, field] : fields_) {
        if (widget == field.edit ||
            (field.list && (widget == field.list || widget == field.list->lineEdit())))
            return &field;
    }
    return nullptr;
}

void CConfigPage::OnFocusChanged(QWidget* old, QWidget* now) {
    FieldWidgets* left = FieldOf(old);
    if (left && left != FieldOf(now) && left->edit && left->def->clampOnFocusLoss &&
        left->def->recordPos >= 0) {
        const std::string text = left->edit->text().toStdString();
        const std::string clamped = ClampOnFocusLoss(text, PageModel::RecordOf(*left->def));
        if (clamped != text)
            left->edit->setText(QString::fromStdString(clamped));
    }
    FieldWidgets* entered = FieldOf(now);
    if (!entered)
        return;
    g_FocusedKey = std::string(entered->def->focusKey).substr(0, kFocusedKeyCapacity);
    if (entered->list)
        focusText_ = entered->list->currentText();
}

void CConfigPage::OnListEdited(FieldWidgets& field) {
    if (!initialised_ || field.def->recordPos < 0)
        return;
    if (rules_.listGuard == ListGuard::RestoreFocusText) {
        ShowListText(field.list, focusText_);
        return;
    }
    const ParameterRecord& record = PageModel::RecordOf(*field.def);
    const CheckOutcome outcome = GuardListField(record);
    ShowMessageBox(nullptr, QString::fromStdString(outcome.message->text),
                   QString::fromStdString(outcome.message->title), BoxIcon::None);
    ShowListText(field.list, ListDefaultText(field.list, record, outcome.text));
}

void CConfigPage::OnNumericChanged(FieldWidgets& field) {
    if (field.def->recordPos < 0)
        return;
    const std::string text = field.edit->text().toStdString();
    const CheckOutcome outcome =
        CheckLimitsOnChange(text, PageModel::RecordOf(*field.def), field.def->check);
    if (outcome.message)
        ShowMessageBox(this, QString::fromStdString(outcome.message->text),
                       QString::fromStdString(outcome.message->title), BoxIcon::None);
    // The new text raises another change; it lies within the limits.
    if (outcome.text != text)
        field.edit->setText(QString::fromStdString(outcome.text));
}

void CConfigPage::Spin(FieldWidgets& field, int direction, bool held) {
    const SpinRange range = model_->Range(field.def->controlId);
    const int rangeSteps =
        range.step > 0 ? static_cast<int>((range.max - range.min) / range.step) : 0;
    const int clicks = held ? CNumericSpin::AcceleratedClicks(arrowHeld_.elapsed(), rangeSteps) : 1;
    const double value = NumberText::ToDouble(field.edit->text().toStdString()) +
                         direction * clicks * range.step;
    field.edit->setText(
        QString::number(std::clamp(value, range.min, range.max), 'f', range.decimals));
}

void CConfigPage::SetBusy(bool busy, const QString& what) {
    busy_ = busy;
    busyText_->setText(what);
    busyText_->setVisible(busy);
    busyBar_->setVisible(busy);
    // Leaving the page in the middle of an exchange would lose its order.
    // Each button gets back the state it had (the actuator page's Next stays
    // disabled).
    for (CImageButton* b : {return_, next_, monitor_, exit_}) {
        if (busy) {
            enabledBeforeBusy_[b] = b->isEnabled();
            b->setEnabled(false);
        } else {
            const auto before = enabledBeforeBusy_.find(b);
            b->setEnabled(before == enabledBeforeBusy_.end() || before->second);
        }
    }
    if (!busy)
        enabledBeforeBusy_.clear();
    SetCommandsEnabled(!busy);
    // Every input too: text typed during a pass would be overwritten by its
    // read-back, and a list or selector changed would start a second job.
    // Disabling the parent keeps each child's own state (a field the signal
    // type disabled stays disabled afterwards).
    if (busy) {
        focusBeforeBusy_ = focusWidget();
        inputs_->setEnabled(false);
    } else {
        inputs_->setEnabled(true);
        if (focusBeforeBusy_ && focusBeforeBusy_->isEnabled() && focusBeforeBusy_->isVisible())
            focusBeforeBusy_->setFocus();
        else if (!focusWidget())
            FocusFirstInput();
        focusBeforeBusy_ = nullptr;
    }
    if (!busy)
        ApplyLinkState();
    setCursor(busy ? Qt::BusyCursor : Qt::ArrowCursor);
}

void CConfigPage::FocusFirstInput() {
    // As when a page shows: the first field that takes the focus, in the
    // order the page built them.
    for (QWidget* input : inputs_->findChildren<QWidget*>()) {
        if ((input->focusPolicy() & Qt::TabFocus) && input->isEnabled() && input->isVisible() &&
            !input->parentWidget()->inherits("QComboBox")) {
            input->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void CConfigPage::RunEcuJob(const QString& what, std::function<int(EcuSession&, PageHooks&)> job,
                            std::function<void(int)> done) {
    // One exchange at a time, the page disabled until it ends. A job the
    // page chains while one runs (a refill that restarts the live view,
    // then a type change) waits for it and starts after its end; the user
    // cannot start one, every input being disabled.
    if (busy_) {
        chained_.push_back({what, std::move(job), std::move(done)});
        return;
    }
    SetBusy(true, what);
    SyncSessionFromGlobals();
    EcuWorker& worker = Worker();
    auto hooks = std::make_shared<UiThreadHooks>(worker, *this);
    worker.Post([job, hooks](EcuSession& session) { return job(session, *hooks); },
                [this, done, hooks](int result) {
                    SetBusy(false, QString());
                    if (result == kLinkLostResult)
                        TakeInterruptedPass();
                    if (done)
                        done(result);
                    if (!chained_.empty()) {
                        ChainedJob next = std::move(chained_.front());
                        chained_.pop_front();
                        RunEcuJob(next.what, std::move(next.job), std::move(next.done));
                    }
                });
}

int CConfigPage::RunMonitorDialog() {
    CMonitorDialog dialog;
    const int result = dialog.DoModal();
    dialog.DestroyPageWindow();
    // The link is this page's to recover again.
    RegisterLinkResumer();
    return result;
}

void CConfigPage::OpenMonitor() {
    if (busy_ || linkDown_)
        return;
    if (RunMonitorDialog() == kResultQuit) OnExit();
    if (rules_.refillAfterMonitor)
        FillFromStore(g_SourceIsFile ? g_FileStore : g_EquipmentStore);
}

CConfigPage::~CConfigPage() { disconnect(qApp, &QApplication::focusChanged, this, nullptr); }
