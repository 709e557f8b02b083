#pragma once
// What the monitoring screen shows while it plays a datalog: the
// "REPRODUÇÃO" banner across its top, where the playback stands, and its
// controls (pause, 1x, 4x, leave). Nothing here talks to the ECU.

#include <QFrame>
#include <functional>

#include "i18n/ui_text.h"

class QLabel;
class QPushButton;

class PlaybackBar : public QFrame {
  public:
    static constexpr const char* kBannerText = TR_NOOP("REPRODUÇÃO");

    struct Handlers {
        std::function<void(int speed)> speed;  // 0 pauses, 1, 4
        std::function<void()> leave;
    };
    PlaybackBar(QWidget* parent, Handlers handlers);

    // "00:01:23.4 / 08:00:00.0  (1x)" and which speed button is down.
    void ShowPosition(double positionMs, double lastMs, int speed);
    QString PositionText() const;
    QPushButton* SpeedButton(int speed) const;
    QPushButton* LeaveButton() const { return leave_; }

  private:
    Handlers handlers_;
    QLabel* banner_;
    QLabel* position_;
    QPushButton* pause_;
    QPushButton* normal_;
    QPushButton* fast_;
    QPushButton* leave_;
};
