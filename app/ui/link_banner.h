#pragma once
// The strip across the top of a page that says the ECU link was lost and is
// being recovered, then "Reconectado". Non-modal: the page stays readable
// behind it. A page may add one line of its own below (the writes a lost
// link left unsent) with up to two buttons.

#include <QFrame>
#include <functional>

#include "i18n/ui_text.h"

class QLabel;
class QPushButton;

class LinkBanner : public QFrame {
    Q_OBJECT
  public:
    // Shown in the run's language (looked up when shown).
    static constexpr const char* kLostText = TR_NOOP("Conexão com a ECU perdida — reconectando…");
    static constexpr const char* kReconnectedText = TR_NOOP("Reconectado");

    // Follows the program's link watcher from now on.
    explicit LinkBanner(QWidget* page);

    QString Text() const;
    // The page's own line; an empty text removes it.
    void SetNote(const QString& text, const QString& firstButton = {},
                 std::function<void()> first = {}, const QString& secondButton = {},
                 std::function<void()> second = {});
    QPushButton* NoteButton(int index) const;

  private:
    void ShowLost(const QString& portText);
    void ShowReconnected();
    void Settle();
    void Layout();

    QLabel* link_;
    QLabel* note_;
    QPushButton* buttons_[2];
    std::function<void()> actions_[2];
    bool linkShown_ = false;
};
