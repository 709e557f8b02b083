#include "app/ui/link_banner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/link_watcher.h"
#include "app/ui/ui_globals.h"

namespace {
constexpr int kWidth = 640;
const char* const kLostStyle = "background: #b3261e; color: white;";
const char* const kBackStyle = "background: #1e7b34; color: white;";
const char* const kNoteStyle = "background: #fff4ce; color: black;";
}  // namespace

LinkBanner::LinkBanner(QWidget* page)
    : QFrame(page), link_(new QLabel(this)), note_(new QLabel(this)), buttons_{} {
    setObjectName(QStringLiteral("linkBanner"));
    setFrameShape(QFrame::Box);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(15);
    link_->setFont(bold);
    link_->setAlignment(Qt::AlignCenter);
    link_->setMargin(6);
    column->addWidget(link_);
    auto* noteRow = new QWidget(this);
    noteRow->setObjectName(QStringLiteral("noteRow"));
    noteRow->setStyleSheet(QString::fromLatin1(kNoteStyle));
    auto* row = new QHBoxLayout(noteRow);
    row->setContentsMargins(8, 4, 8, 4);
    note_->setWordWrap(true);
    row->addWidget(note_, 1);
    for (int i = 0; i < 2; ++i) {
        buttons_[i] = new QPushButton(noteRow);
        buttons_[i]->setAutoDefault(false);
        buttons_[i]->setFocusPolicy(Qt::NoFocus);
        row->addWidget(buttons_[i]);
        connect(buttons_[i], &QPushButton::clicked, this, [this, i] {
            if (actions_[i])
                actions_[i]();
        });
    }
    column->addWidget(noteRow);
    link_->hide();
    noteRow->hide();
    hide();

    LinkWatcher& watcher = Watcher();
    connect(&watcher, &LinkWatcher::linkLost, this, &LinkBanner::ShowLost);
    connect(&watcher, &LinkWatcher::reconnected, this, &LinkBanner::ShowReconnected);
    connect(&watcher, &LinkWatcher::settled, this, &LinkBanner::Settle);
    if (watcher.LinkDown())
        ShowLost(watcher.PortText());
}

QString LinkBanner::Text() const {
    QString text = link_->isVisibleTo(this) ? link_->text() : QString();
    if (!note_->text().isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + note_->text();
    return text;
}

void LinkBanner::SetNote(const QString& text, const QString& firstButton,
                         std::function<void()> first, const QString& secondButton,
                         std::function<void()> second) {
    note_->setText(text);
    const QString captions[2] = {firstButton, secondButton};
    actions_[0] = std::move(first);
    actions_[1] = std::move(second);
    for (int i = 0; i < 2; ++i) {
        buttons_[i]->setText(captions[i]);
        buttons_[i]->setVisible(!captions[i].isEmpty());
    }
    note_->parentWidget()->setVisible(!text.isEmpty());
    Layout();
}

QPushButton* LinkBanner::NoteButton(int index) const {
    return buttons_[index];
}

void LinkBanner::ShowLost(const QString& portText) {
    link_->setStyleSheet(QString::fromLatin1(kLostStyle));
    link_->setText(Tr(kLostText) + QStringLiteral("  ") + portText);
    linkShown_ = true;
    Layout();
}

void LinkBanner::ShowReconnected() {
    link_->setStyleSheet(QString::fromLatin1(kBackStyle));
    link_->setText(Tr(kReconnectedText));
    linkShown_ = true;
    Layout();
}

void LinkBanner::Settle() {
    linkShown_ = false;
    Layout();
}

// Centred at the top of the page, above every other widget.
void LinkBanner::Layout() {
    link_->setVisible(linkShown_);
    const bool any = linkShown_ || !note_->text().isEmpty();
    setVisible(any);
    if (!any)
        return;
    const int width = qMin(kWidth, parentWidget()->width());
    resize(width, heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height());
    adjustSize();
    resize(width, height());
    move((parentWidget()->width() - width) / 2, 0);
    raise();
}
