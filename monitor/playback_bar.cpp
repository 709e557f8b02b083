#include "monitor/playback_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "i18n/ui_text.h"
#include "monitor/log_plot_view.h"

namespace {

QPushButton* MakeButton(QWidget* parent, const QString& text, bool checkable) {
    auto* button = new QPushButton(text, parent);
    button->setCheckable(checkable);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumHeight(34);
    return button;
}

}  // namespace

PlaybackBar::PlaybackBar(QWidget* parent, Handlers handlers)
    : QFrame(parent), handlers_(std::move(handlers)) {
    setObjectName(QStringLiteral("playbackBar"));
    setStyleSheet(QStringLiteral(
        "#playbackBar { background: #b01818; border-radius: 6px; }"
        "QLabel { color: white; }"
        "QPushButton { background: #f4f4f4; color: black; border: 1px solid #600;"
        " border-radius: 4px; padding: 2px 10px; font-weight: bold; }"
        "QPushButton:checked { background: #ffd54a; }"));
    banner_ = new QLabel(Tr(kBannerText), this);
    QFont big = banner_->font();
    big.setPointSize(20);
    big.setBold(true);
    banner_->setFont(big);
    position_ = new QLabel(this);
    QFont mono = position_->font();
    mono.setPointSize(12);
    mono.setBold(true);
    position_->setFont(mono);
    pause_ = MakeButton(this, Tr("Pausa"), true);
    normal_ = MakeButton(this, QStringLiteral("1x"), true);
    fast_ = MakeButton(this, QStringLiteral("4x"), true);
    leave_ = MakeButton(this, Tr("Encerrar"), false);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 4, 8, 4);
    row->addWidget(banner_);
    row->addSpacing(16);
    row->addWidget(position_, 1);
    for (QPushButton* button : {pause_, normal_, fast_, leave_}) row->addWidget(button);
    connect(pause_, &QPushButton::clicked, this, [this] { handlers_.speed(0); });
    connect(normal_, &QPushButton::clicked, this, [this] { handlers_.speed(1); });
    connect(fast_, &QPushButton::clicked, this, [this] { handlers_.speed(4); });
    connect(leave_, &QPushButton::clicked, this, [this] { handlers_.leave(); });
}

void PlaybackBar::ShowPosition(double positionMs, double lastMs, int speed) {
    position_->setText(LogTimeText(positionMs) + QStringLiteral(" / ") + LogTimeText(lastMs));
    pause_->setChecked(speed == 0);
    normal_->setChecked(speed == 1);
    fast_->setChecked(speed == 4);
}

QString PlaybackBar::PositionText() const {
    return position_->text();
}

QPushButton* PlaybackBar::SpeedButton(int speed) const {
    return speed == 0 ? pause_ : speed == 1 ? normal_ : fast_;
}
