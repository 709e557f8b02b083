// The start-up pages in another language: the texts the program compares
// or keeps beyond a page's construction must follow the run's language.
// A translator that marks every text stands for the catalogues, so that a
// text shown untranslated or compared with the untranslated constant shows.
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QTranslator>

#include "app/ui/demo_mode.h"
#include "app/ui/start_pages.h"
#include "app/wizard_flow.h"
#include "comm/port_names.h"
#include "i18n/ui_text.h"
#include "tests/ui/ui_test_support.h"

namespace {

class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* sourceText, const char*, int) const override {
        return QStringLiteral("<") + QString::fromUtf8(sourceText) + QStringLiteral(">");
    }
    bool isEmpty() const override { return false; }
};

QString Marked(const char* text) {
    return QStringLiteral("<") + QString::fromUtf8(text) + QStringLiteral(">");
}

// A machine without serial devices, in a language other than Portuguese.
class TranslatedStart : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        devDir_ = TempPath(QStringLiteral("dev"));
        const QString portsDir = TempPath(QStringLiteral("ports"));
        ASSERT_TRUE(QDir().mkpath(devDir_) && QDir().mkpath(portsDir));
        SetDeviceFolder(devDir_.toStdString());
        qputenv("ZANO_PORTS_DIR", portsDir.toUtf8());
        SetDemoMode(false);
    }
    void TearDown() override {
        Translate(false);
        SetDeviceFolder(std::string());
        qunsetenv("ZANO_PORTS_DIR");
        SetDemoMode(false);
        UiTest::TearDown();
    }
    void Translate(bool on) {
        if (on)
            ASSERT_TRUE(QCoreApplication::installTranslator(&translator_));
        else
            QCoreApplication::removeTranslator(&translator_);
    }
    MarkingTranslator translator_;
    QString devDir_;
};

// The simulator's entry is shown translated and still chosen as the
// simulator; the next showing preselects it again by that same text.
TEST_F(TranslatedStart, ThePortPageRecognisesItsTranslatedSimulatorEntry) {
    Translate(true);
    PortChoice chosen{-1, false};
    CPortPage page([&](PortChoice choice) { chosen = choice; });
    QComboBox* list = page.List();
    EXPECT_EQ(kResultNext, RunPage(&page, [&] {
                  ASSERT_EQ(1, list->count());
                  EXPECT_EQ(Marked("Simulador de ECU (demonstração)"), list->itemText(0));
                  list->setCurrentIndex(0);
                  ClickButton(&page, Marked("Próximo"));
              }));
    EXPECT_TRUE(chosen.simulator);
    EXPECT_EQ(0, chosen.number);
    EXPECT_TRUE(DemoModeActive());
    EXPECT_EQ(kResultNext, RunPage(&page, [&] {
                  EXPECT_EQ(0, list->currentIndex());
                  ClickButton(&page, Marked("Próximo"));
              }));
    EXPECT_TRUE(chosen.simulator);
    // A port's reason in the list comes in the run's language too.
    EXPECT_EQ(Marked("ocupada: outro programa está usando a porta").toStdString(),
              OpenErrorText(OpenError::Busy));
}

// A page built before the language was chosen shows the simulator's badge
// in the language of the moment it is shown.
TEST_F(TranslatedStart, TheDemoBadgeFollowsTheLanguageOfEachShowing) {
    CModelPage page;
    SetDemoMode(true);
    Translate(true);
    EXPECT_EQ(kResultQuit, RunPage(&page, [&] {
                  EXPECT_TRUE(page.DemoBadge()->isVisible());
                  EXPECT_EQ(Marked("SIMULADOR DE ECU (demonstração)"), page.DemoBadge()->text());
                  ClickButton(&page, Marked("Sair"));
              }));
}

}  // namespace
