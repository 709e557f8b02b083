// The page base and the start-up pages: backgrounds, keys, model and port
// choice, the splash, the single-instance guard.
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

#include "app/globals.h"
#include "app/parameter_table.h"
#include "app/ui/single_instance.h"
#include "app/ui/splash_wnd.h"
#include "app/ui/start_pages.h"
#include "app/wizard_flow.h"
#include "controls/image_button.h"
#include "pages/actuator_page.h"
#include "pages/aux_pages.h"
#include "pages/lambda_pages.h"
#include "pages/vehicle_pages.h"
#include "tests/ui/ui_test_support.h"

namespace {

using PageBaseTest = UiTest;

TEST(BackgroundPlacement, TilesFromTheTopLeftCentresSmallAndPinsLargeBitmaps) {
    const auto tiles = CPageDialog::BackgroundPlacements(0, QSize(800, 580), QSize(487, 190));
    ASSERT_EQ(2 * 4, tiles.size());
    EXPECT_EQ(QRect(487, 570, 487, 190), tiles.last());
    EXPECT_EQ(QRect(156, 195, 487, 190), CPageDialog::BackgroundPlacements(1, QSize(800, 580), QSize(487, 190))[0]);
    EXPECT_EQ(QRect(0, 0, 1024, 768), CPageDialog::BackgroundPlacements(1, QSize(800, 580), QSize(1024, 768))[0]);
    EXPECT_EQ(QRect(0, 0, 800, 580), CPageDialog::BackgroundPlacements(2, QSize(800, 580), QSize(10, 10))[0]);
}

TEST_F(PageBaseTest, AnUnknownModeIsIgnoredAndAMissingBitmapLeavesTheDefaultBackground) {
    CModelPage page;
    page.SetBackgroundMode(2);
    page.SetBackgroundMode(3);
    EXPECT_EQ(2, page.BackgroundMode());
    EXPECT_FALSE(page.SetBackgroundBitmap(9999));
    EXPECT_FALSE(page.HasBackground());
    EXPECT_FALSE(page.grab().isNull());
}

TEST_F(PageBaseTest, TheLanguagePageEndsWithEnterAndIgnoresEnglishAndSpanish) {
    CLanguagePage page;
    EXPECT_EQ(kResultNext, RunPage(&page, [&] {
                  SaveScreenshot(&page, QStringLiteral("language-page.png"));
                  for (auto* button : page.findChildren<CImageButton*>()) {
                      if (button->toolTip() != QStringLiteral("Português")) button->click();
                  }
                  EXPECT_TRUE(page.isVisible());
                  QTest::keyClick(&page, Qt::Key_Return);
              }));
    EXPECT_EQ(kResultQuit, RunPage(&page, [&] { QTest::keyClick(&page, Qt::Key_Escape); }));
}

TEST_F(PageBaseTest, TheModelPageStoresTheChoiceAndFillsTheTable) {
    CModelPage page;
    EXPECT_EQ(kResultNext, RunPage(&page, [&] {
                  EXPECT_EQ(1, ModelIndex);
                  EXPECT_EQ(1, page.List()->currentIndex());
                  SaveScreenshot(&page, QStringLiteral("model-page.png"));
                  page.List()->setCurrentIndex(2);
                  QTest::keyClick(&page, Qt::Key_Right, Qt::ControlModifier);
              }));
    EXPECT_EQ(2, ModelIndex);
    EXPECT_STREQ("7C", g_ParameterTable[kPos7C].Address);

    // Return leaves ModelIndex at 1 and the table as it was.
    EXPECT_EQ(kResultBack, RunPage(&page, [&] {
                  page.List()->setCurrentIndex(0);
                  QTest::keyClick(&page, Qt::Key_Left, Qt::ControlModifier);
              }));
    EXPECT_EQ(1, ModelIndex);
    EXPECT_STREQ("7C", g_ParameterTable[kPos7C].Address);
}

// Ctrl let go in another window sends no release to the page: the state of
// Ctrl must come from each key event, not from a remembered press.
TEST_F(PageBaseTest, ACtrlReleasedInAnotherWindowLeavesThePlainArrowsAlone) {
    CModelPage page;
    EXPECT_EQ(kResultBack, RunPage(&page, [&] {
                  QTest::keyPress(&page, Qt::Key_Control, Qt::ControlModifier);
                  EXPECT_EQ(1, CtrlKeyDown);
                  QTest::keyClick(&page, Qt::Key_Right);
                  QTest::keyClick(&page, Qt::Key_Left);
                  EXPECT_TRUE(page.isVisible()) << "a plain arrow ended the page";
                  EXPECT_EQ(0, CtrlKeyDown) << "the shared flag follows the last key event";
                  QTest::keyClick(&page, Qt::Key_Left, Qt::ControlModifier);
              }));

    // The actuator page keeps a flag of its own.
    struct ActuatorKeys : CActuatorPage {
        bool Key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers) {
            QKeyEvent event(type, key, modifiers);
            return PreTranslateKey(&event);
        }
    } actuator;
    actuator.Key(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(actuator.CtrlDown());
    actuator.Key(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    EXPECT_FALSE(actuator.CtrlDown());
}

TEST(PortPage, TheNumberAfterComIsThePortNumber) {
    EXPECT_EQ(12, CPortPage::PortNumberFromText(QStringLiteral("COM12")));
    EXPECT_EQ(21, CPortPage::PortNumberFromText(QStringLiteral("COM21  /dev/ttyUSB0  (ocupada)")));
    EXPECT_EQ(0, CPortPage::PortNumberFromText(QStringLiteral("COM")));
    EXPECT_EQ(0, CPortPage::PortNumberFromText(QString()));
}

TEST_F(PageBaseTest, NextOnThePortPageOpensTheTypedPort) {
    int opened = -1;
    CPortPage page([&](PortChoice choice) { opened = choice.number; });
    EXPECT_EQ(kResultNext, RunPage(&page, [&] {
                  page.List()->setEditText(QStringLiteral("COM12"));
                  page.findChildren<CImageButton*>()[1]->click();
              }));
    EXPECT_EQ(12, opened);
}

TEST_F(PageBaseTest, PagesWithAKeyFilterSwallowEscapeAndEnterEndsNoConfigurationPage) {
    CVehiclePage filtered;
    CVehicleBasicPage plain;
    EXPECT_EQ(kResultQuit, RunPage(&filtered, [&] {
                  QTest::keyClick(&filtered, Qt::Key_Escape);
                  QTest::keyClick(&filtered, Qt::Key_Return);
                  EXPECT_TRUE(filtered.isVisible());
                  filtered.Button(1187)->click();
              }));
    EXPECT_EQ(kResultQuit, RunPage(&plain, [&] { QTest::keyClick(&plain, Qt::Key_Escape); }));
    // The basic vehicle page has no Ctrl shortcuts.
    EXPECT_EQ(kResultBack, RunPage(&plain, [&] {
                  QTest::keyClick(&plain, Qt::Key_Right, Qt::ControlModifier);
                  EXPECT_TRUE(plain.isVisible());
                  plain.Button(1186)->click();
              }));
}

TEST_F(PageBaseTest, TheActuatorPageEndsItselfWithBackAtOnce) {
    CActuatorPage page;
    bool driverRan = false;
    EXPECT_EQ(kResultBack, RunPage(&page, [&] { driverRan = true; }));
    EXPECT_FALSE(driverRan);
}

TEST_F(PageBaseTest, AKeyWhileTheSplashShowsHidesItAndIsConsumed) {
    CSplashWnd::SetSplashAllowed(true);
    CLanguagePage page;
    const int result = RunPage(&page, [&] {
        ASSERT_NE(nullptr, CSplashWnd::CurrentSplash());
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        EXPECT_FALSE(CSplashWnd::FilterAppMessage(&move));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        EXPECT_TRUE(CSplashWnd::FilterAppMessage(&press));
        EXPECT_EQ(nullptr, CSplashWnd::CurrentSplash());
        EXPECT_FALSE(CSplashWnd::FilterAppMessage(&press)) << "later keys reach the page";
        page.OnExit();
    });
    CSplashWnd::SetSplashAllowed(false);
    EXPECT_EQ(kResultQuit, result);
}

TEST_F(PageBaseTest, TheSplashHidesItselfAfterASecond) {
    CSplashWnd::SetSplashAllowed(true);
    CLanguagePage page;
    RunPage(&page, [&] {
        EXPECT_NE(nullptr, CSplashWnd::CurrentSplash());
        EXPECT_TRUE(WaitUntil([] { return CSplashWnd::CurrentSplash() == nullptr; }, 3000));
        page.OnExit();
    });
    CSplashWnd::SetSplashAllowed(false);
}

TEST(SingleInstance, ASecondGuardIsRefusedUntilTheFirstIsGone) {
    auto first = std::make_unique<SingleInstanceGuard>(QStringLiteral("zano-test-instance.lock"));
    ASSERT_TRUE(first->Acquired());
    EXPECT_FALSE(SingleInstanceGuard(QStringLiteral("zano-test-instance.lock")).Acquired());
    first.reset();
    EXPECT_TRUE(SingleInstanceGuard(QStringLiteral("zano-test-instance.lock")).Acquired());
}

}  // namespace
