// The page base over every page: the keys that end or keep each page, the
// background of each page per model, the demonstration badge; and the
// start-up pages' own choices, the splash and the single-instance guard.
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "app/globals.h"
#include "app/parameter_table.h"
#include "app/ui/demo_mode.h"
#include "app/ui/single_instance.h"
#include "app/ui/splash_wnd.h"
#include "app/ui/start_pages.h"
#include "app/wizard_flow.h"
#include "controls/image_button.h"
#include "monitor/monitor_dialog.h"
#include "pages/actuator_page.h"
#include "pages/aux_pages.h"
#include "pages/customer_page.h"
#include "pages/lambda_pages.h"
#include "pages/vehicle_pages.h"
#include "tests/ui/ui_test_support.h"

namespace {

using PageBaseTest = UiTest;

std::unique_ptr<CPageDialog> MakePage(const std::string& name) {
    if (name == "language-page") return std::make_unique<CLanguagePage>();
    if (name == "model-page") return std::make_unique<CModelPage>();
    if (name == "port-page") return std::make_unique<CPortPage>([](PortChoice) {});
    if (name == "customer-page") return std::make_unique<CCustomerPage>();
    if (name == "vehicle-page") return std::make_unique<CVehiclePage>();
    if (name == "vehicle-basic-page") return std::make_unique<CVehicleBasicPage>();
    if (name == "lambda-page") return std::make_unique<CLambdaPage>();
    if (name == "lambda-basic-page") return std::make_unique<CLambdaBasicPage>();
    if (name == "aux-page") return std::make_unique<CAuxPage>();
    if (name == "aux-basic-page") return std::make_unique<CAuxBasicPage>();
    if (name == "actuator-page") return std::make_unique<CActuatorPage>();
    return std::make_unique<CMonitorDialog>();
}

bool Busy(CPageDialog* page) {
    if (auto* config = dynamic_cast<CConfigPage*>(page)) return config->IsBusy();
    if (auto* monitor = dynamic_cast<CMonitorDialog*>(page)) return monitor->IsBusy();
    return false;
}

// What a showing gives when the page is still open after the key.
constexpr int kStays = 9;

// Shows the page; once its first exchange is over, `act` runs. A page still
// open shortly after, and done with any exchange the key started, is ended
// with kStays.
int Show(CPageDialog* page, const std::function<void()>& act) {
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !Busy(page); }));
        act();
        // A page refuses to end while it exchanges with the ECU (Enter writes
        // the focused field): let the exchange finish first.
        if (!WaitUntil([&] { return !page->isVisible(); }, 100) &&
            WaitUntil([&] { return !page->isVisible() || !Busy(page); }, 20000) && page->isVisible())
            static_cast<QDialog*>(page)->done(kStays);
    });
    timer.start(0);
    QTimer watchdog;
    EndPageLeftOpen(page, watchdog);
    return page->DoModal();
}

struct KeyRow {
    const char* page;
    int model;
    int results[5];  // Return, Ctrl+Right, Right, Escape, Ctrl+Left
};
constexpr int N = kResultNext, Q = kResultQuit, B = kResultBack, S = kStays;
constexpr int kMonitorExit = CMonitorDialog::kExited, kMonitorReturn = CMonitorDialog::kReturned;

// Enter ends only the language page (the monitor writes its steps); the
// pages with a key filter swallow Escape; Ctrl+arrows run Next and Return
// where the page has the shortcuts; a plain arrow ends nothing.
const KeyRow kKeys[] = {
    {"language-page", 0, {N, S, S, Q, S}},      {"model-page", 0, {S, N, S, Q, B}},
    {"port-page", 0, {S, S, S, Q, S}},          {"customer-page", 0, {S, N, S, Q, B}},
    {"vehicle-page", 0, {S, N, S, S, B}},       {"vehicle-basic-page", 1, {S, S, S, Q, S}},
    {"lambda-page", 0, {S, N, S, S, B}},        {"lambda-basic-page", 1, {S, S, S, S, S}},
    {"aux-page", 0, {S, N, S, Q, B}},           {"aux-basic-page", 1, {S, S, S, S, S}},
    {"monitor", 0, {S, S, S, kMonitorExit, kMonitorReturn}},
};

class PageKeys : public UiTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(PageKeys, EachKeyEndsOrKeepsThePageAsItsConventionsSay) {
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Right, Qt::ControlModifier}, {Qt::Key_Right, Qt::NoModifier},
        {Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_Left, Qt::ControlModifier}};
    const KeyRow& row = GetParam();
    ConnectSimulatedEcu(row.model);
    auto page = MakePage(row.page);
    for (int k = 0; k < 5; ++k) {
        const int result = Show(page.get(), [&] {
            if (std::string(row.page) == "aux-page" && k == 1) LeaveMonitorWhenShown();  // Next passes through it
            QTest::keyClick(page.get(), keys[k].first, keys[k].second);
        });
        page->DestroyPageWindow();
        EXPECT_EQ(row.results[k], result) << row.page << " key " << k;
    }
    WaitForWorker();
}

INSTANTIATE_TEST_SUITE_P(EveryPage, PageKeys, ::testing::ValuesIn(kKeys), [](const ::testing::TestParamInfo<KeyRow>& row) {
    std::string name = row.param.page;
    name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
    return name;
});

// The actuator page ends itself during its start; its Ctrl flag follows
// each key event, not a remembered press.
TEST_F(PageBaseTest, TheActuatorPageEndsAtOnceAndReadsCtrlFromEachKey) {
    struct ActuatorKeys : CActuatorPage {
        bool Key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers) {
            QKeyEvent event(type, key, modifiers);
            return PreTranslateKey(&event);
        }
    } actuator;
    bool driverRan = false;
    EXPECT_EQ(kResultBack, RunPage(&actuator, [&] { driverRan = true; }));
    EXPECT_FALSE(driverRan);
    actuator.Key(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(actuator.CtrlDown());
    actuator.Key(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    EXPECT_FALSE(actuator.CtrlDown());
}

// Ctrl let go in another window sends no release to the page.
TEST_F(PageBaseTest, ACtrlReleasedInAnotherWindowLeavesThePlainArrowsAlone) {
    ConnectSimulatedEcu(0);
    for (const char* name : {"model-page", "monitor"}) {
        auto page = MakePage(name);
        EXPECT_EQ(kStays, Show(page.get(), [&] {
                      QTest::keyPress(page.get(), Qt::Key_Control, Qt::ControlModifier);
                      EXPECT_EQ(1, CtrlKeyDown);
                      QTest::keyClick(page.get(), Qt::Key_Right);
                      QTest::keyClick(page.get(), Qt::Key_Left);
                      EXPECT_EQ(0, CtrlKeyDown) << "the shared flag follows the last key event";
                  })) << name;
        page->DestroyPageWindow();
    }
    WaitForWorker();
}

struct BackgroundRow {
    const char* page;
    int background[3];  // Q7100, Q5100, "Q5100 plus"
};
const BackgroundRow kBackgrounds[] = {
    {"language-page", {269, 269, 269}},      {"model-page", {269, 269, 269}},
    {"port-page", {269, 269, 269}},          {"customer-page", {249, 248, 249}},
    {"vehicle-page", {247, 246, 247}},       {"vehicle-basic-page", {251, 250, 251}},
    {"lambda-page", {249, 248, 249}},        {"lambda-basic-page", {250, 250, 250}},
    {"aux-page", {249, 249, 249}},           {"aux-basic-page", {250, 250, 250}},
    {"actuator-page", {249, 248, 249}},      {"monitor", {276, 275, 276}},
};

// In demo mode every page shows the badge inside the page and over none of
// its widgets. With ZANO_SAVE_SCREENSHOTS set, the Q7100's pages are saved
// as docs/screenshots/demo-<page>.png to be looked at.
void ExpectBadgeClear(CPageDialog* page, const std::string& name) {
    const QLabel* badge = page->DemoBadge();
    ASSERT_FALSE(badge->isHidden()) << name;
    EXPECT_TRUE(page->rect().contains(badge->geometry())) << name;
    for (QWidget* child : CPageDialog::PageWidgets(page)) {
        if (child == badge || child->isHidden()) continue;
        const QRect where = child->geometry().translated(child->parentWidget()->mapTo(page, QPoint()));
        EXPECT_FALSE(where.intersects(badge->geometry()))
            << name << ": the badge covers " << child->metaObject()->className() << " "
            << child->objectName().toStdString();
    }
}

class EveryModel : public UiTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryModel, EachPageShowsTheBackgroundOfTheModelAndInDemoModeTheBadgeClearOfItsControls) {
    const int model = GetParam();
    ConnectSimulatedEcu(model);
    SetDemoMode(true);
    for (const BackgroundRow& row : kBackgrounds) {
        ModelIndex = model;  // the model page's showing sets it to its first choice
        auto page = MakePage(row.page);
        int shown = -1;
        Show(page.get(), [&] {
            shown = page->BackgroundId();
            ExpectBadgeClear(page.get(), row.page);
            if (model == 0) SaveScreenshot(page.get(), QStringLiteral("demo-%1.png").arg(row.page));
        });
        if (shown < 0) {  // the page ended during its start
            shown = page->BackgroundId();
            page->UpdateDemoBadge();
            ExpectBadgeClear(page.get(), row.page);
        }
        page->DestroyPageWindow();
        EXPECT_EQ(row.background[model], shown) << row.page;
        EXPECT_FALSE(page->HasBackground()) << "released with the window";
    }
    WaitForWorker();
    SetDemoMode(false);
    CModelPage plain;
    Show(&plain, [&] { EXPECT_TRUE(plain.DemoBadge()->isHidden()); });
}

INSTANTIATE_TEST_SUITE_P(Models, EveryModel, ::testing::Values(0, 1, 2));

TEST_F(PageBaseTest, BackgroundsTileFromTheTopLeftCentreSmallAndPinLargeBitmapsAndIgnoreUnknownModes) {
    const auto tiles = CPageDialog::BackgroundPlacements(0, QSize(800, 580), QSize(487, 190));
    ASSERT_EQ(2 * 4, tiles.size());
    EXPECT_EQ(QRect(487, 570, 487, 190), tiles.last());
    EXPECT_EQ(QRect(156, 195, 487, 190), CPageDialog::BackgroundPlacements(1, QSize(800, 580), QSize(487, 190))[0]);
    EXPECT_EQ(QRect(0, 0, 1024, 768), CPageDialog::BackgroundPlacements(1, QSize(800, 580), QSize(1024, 768))[0]);
    EXPECT_EQ(QRect(0, 0, 800, 580), CPageDialog::BackgroundPlacements(2, QSize(800, 580), QSize(10, 10))[0]);
    EXPECT_TRUE(CPageDialog::BackgroundPlacements(3, QSize(800, 580), QSize(10, 10)).isEmpty());
    // An unknown mode is ignored and a missing bitmap leaves the default background.
    CModelPage page;
    page.SetBackgroundMode(2);
    page.SetBackgroundMode(3);
    EXPECT_EQ(2, page.BackgroundMode());
    EXPECT_FALSE(page.SetBackgroundBitmap(9999));
    EXPECT_FALSE(page.HasBackground());
    EXPECT_EQ(0, page.BackgroundId());
}

TEST_F(PageBaseTest, TheLanguagePageOffersOnlyPortuguese) {
    CLanguagePage page;
    EXPECT_EQ(kResultNext, RunPage(&page, [&] {
                  SaveScreenshot(&page, QStringLiteral("language-page.png"));
                  for (auto* button : page.findChildren<CImageButton*>())
                      if (button->toolTip() != QStringLiteral("Português")) button->click();
                  EXPECT_TRUE(page.isVisible());
                  ClickButton(&page, QStringLiteral("Português"));
              }));
}

TEST_F(PageBaseTest, TheModelPageStoresTheChoiceAndFillsTheTable) {
    CModelPage page;
    EXPECT_EQ(kResultNext, RunPage(&page, [&] {
                  EXPECT_EQ(1, page.List()->currentIndex());
                  SaveScreenshot(&page, QStringLiteral("model-page.png"));
                  page.List()->setCurrentIndex(2);
                  ClickButton(&page, QStringLiteral("Próximo"));
              }));
    EXPECT_EQ(2, ModelIndex);
    EXPECT_STREQ("7C", g_ParameterTable[kPos7C].Address);
}

TEST_F(PageBaseTest, NextOnThePortPageOpensTheTypedPortNumber) {
    EXPECT_EQ(21, CPortPage::PortNumberFromText(QStringLiteral("COM21  /dev/ttyUSB0  (ocupada)")));
    EXPECT_EQ(0, CPortPage::PortNumberFromText(QStringLiteral("COM")));
    int opened = -1;
    CPortPage page([&](PortChoice choice) { opened = choice.number; });
    EXPECT_EQ(kResultNext, RunPage(&page, [&] {
                  page.List()->setEditText(QStringLiteral("COM12"));
                  ClickButton(&page, QStringLiteral("Próximo"));
              }));
    EXPECT_EQ(12, opened);
}

TEST_F(PageBaseTest, TheSplashGoesAtTheFirstKeyWhichItSwallowsOrAfterASecond) {
    CSplashWnd::SetSplashAllowed(true);
    CLanguagePage page;
    RunPage(&page, [&] {
        ASSERT_NE(nullptr, CSplashWnd::CurrentSplash());
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        EXPECT_FALSE(CSplashWnd::FilterAppMessage(&move));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        EXPECT_TRUE(CSplashWnd::FilterAppMessage(&press));
        EXPECT_EQ(nullptr, CSplashWnd::CurrentSplash());
        EXPECT_FALSE(CSplashWnd::FilterAppMessage(&press)) << "later keys reach the page";
        page.OnExit();
    });
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
