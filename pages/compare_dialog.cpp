#include "pages/compare_dialog.h"
#include "i18n/ui_text.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
std::function<int(CCompareDialog&)> responder;

// Rows shown without scrolling; a longer table scrolls.
constexpr int kVisibleRows = 12;
constexpr int kMinimumWidth = 420;
constexpr int kMaximumWidth = 760;
}  // namespace

void SetCompareDialogResponder(std::function<int(CCompareDialog&)> answer) {
    responder = std::move(answer);
}

CCompareDialog::CCompareDialog(QWidget* parent, Purpose purpose, const QString& title,
                               const QString& intro, std::vector<FieldDifference> differences,
                               const std::string& leftTitle, const std::string& rightTitle)
    : QDialog(parent),
      purpose_(purpose),
      differences_(std::move(differences)),
      leftTitle_(leftTitle),
      rightTitle_(rightTitle),
      intro_(new QLabel(intro, this)),
      table_(new QTableWidget(static_cast<int>(differences_.size()), 4, this)),
      copy_(new QPushButton(Tr("Copiar"), this)),
      close_(new QPushButton(this)) {
    setWindowTitle(title);
    setObjectName(QStringLiteral("compareDialog"));
    intro_->setWordWrap(true);

    table_->setHorizontalHeaderLabels({Tr("Campo"), Tr("Unidade"),
                                       QString::fromStdString(leftTitle),
                                       QString::fromStdString(rightTitle)});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setWordWrap(false);
    for (int row = 0; row < static_cast<int>(differences_.size()); ++row) {
        const FieldDifference& d = differences_[static_cast<std::size_t>(row)];
        const std::string cells[] = {d.caption, d.unit, d.leftText, d.rightText};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[column]));
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            if (column >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }

    auto* noDifference = new QLabel(Tr(kNoDifferenceText), this);
    noDifference->setObjectName(QStringLiteral("noDifference"));
    noDifference->setAlignment(Qt::AlignCenter);
    const bool empty = differences_.empty();
    noDifference->setVisible(empty);
    table_->setVisible(!empty);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addStretch(1);
    connect(copy_, &QPushButton::clicked, this, &CCompareDialog::CopyTable);
    copy_->setAutoDefault(false);
    if (purpose == Purpose::ConfirmWrite) {
        accept_ = new QPushButton(Tr("Gravar"), this);
        accept_->setDefault(true);
        connect(accept_, &QPushButton::clicked, this, &QDialog::accept);
        buttons->addWidget(accept_);
        close_->setText(Tr("Cancelar"));
    } else {
        close_->setText(Tr("Fechar"));
        close_->setDefault(true);
    }
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro_);
    layout->addWidget(table_, 1);
    layout->addWidget(noDifference, 1);
    layout->addLayout(buttons);
    FitToTable();
}

void CCompareDialog::FitToTable() {
    table_->resizeColumnsToContents();
    // A little air after each column's longest text.
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < 4; ++column) {
        table_->setColumnWidth(column, table_->columnWidth(column) + 16);
        width += table_->columnWidth(column);
    }
    table_->horizontalHeader()->setStretchLastSection(true);
    const int rows = std::min(std::max(table_->rowCount(), 1), kVisibleRows);
    const int height = 2 * table_->frameWidth() + table_->horizontalHeader()->sizeHint().height() +
                       rows * table_->verticalHeader()->defaultSectionSize();
    table_->setMinimumWidth(std::clamp(width, kMinimumWidth, kMaximumWidth));
    // A short table takes no blank rows; a long one scrolls and may grow.
    if (table_->rowCount() <= kVisibleRows)
        table_->setFixedHeight(height);
    else
        table_->setMinimumHeight(height);
    adjustSize();
}

QString CCompareDialog::TableText() const {
    return QString::fromStdString(DifferencesText(differences_, leftTitle_, rightTitle_));
}

void CCompareDialog::CopyTable() {
    QApplication::clipboard()->setText(TableText());
}

void CCompareDialog::keyPressEvent(QKeyEvent* event) {
    // Ctrl+C anywhere in the box, the table included (it leaves the key to
    // its window): the whole table, as "Copiar".
    if (event->matches(QKeySequence::Copy)) {
        CopyTable();
        return;
    }
    QDialog::keyPressEvent(event);
}

int CCompareDialog::Run() {
    if (responder)
        return responder(*this);
    return exec();
}

bool ConfirmWriteDialog(QWidget* parent, int modelIndex, CRX4DATA& ecu, CRX4DATA& after) {
    CCompareDialog dialog(parent, CCompareDialog::Purpose::ConfirmWrite,
                          Tr(kConfirmWriteTitle),
                          Tr("Estes valores vão ser gravados na ECU. Confira antes de gravar:"),
                          CompareStores(modelIndex, ecu, after), "ECU", TrStd("Novo valor"));
    return dialog.Run() == QDialog::Accepted;
}

void ShowFileComparison(QWidget* parent, int modelIndex, CRX4DATA& ecu, CRX4DATA& file,
                        const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const QString intro =
        name.isEmpty() ? Tr("Diferenças entre a ECU e o arquivo carregado:")
                       : Tr("Diferenças entre a ECU e o arquivo %1:").arg(name);
    CCompareDialog dialog(parent, CCompareDialog::Purpose::View, Tr(kCompareCommand), intro,
                          CompareStores(modelIndex, ecu, file), "ECU", TrStd("Arquivo"));
    dialog.Run();
}
