#pragma once
// What the page tests share: a page driven as the user drives it, against
// the simulated ECU, with the files it loads and saves.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "controls/image_button.h"
#include "pages/config_page.h"
#include "tests/ui/ui_test_support.h"

// The frame's buttons.
enum FrameButton {
    kReturn = 1186, kNext = 1193, kLoad = 1192, kSave = 1189,
    kMonitor = 1190, kExit = 1187, kWrite = 1182,
};

class PageTest : public UiTest {
  protected:
    static void Choose(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }
    // Typed over the selected text, as a user does.
    static void Retype(QLineEdit* field, const QString& keys) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, keys);
    }
    static void Type(QWidget* field, const QString& text) {
        field->setFocus();
        QTest::keyClicks(field, text);
    }
    static void PressEnterIn(QWidget* field) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    }
    static bool Idle(const CConfigPage& page) { return !page.IsBusy() && page.Initialised(); }
    static QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString WriteFile(const QString& name, const QByteArray& content) {
        const QString path = TempPath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
};
