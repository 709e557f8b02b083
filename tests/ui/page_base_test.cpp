// The page base over every page: per model its background, the demonstration
// badge, the keys that end or keep it, its texts in English and Spanish;
// background placement and the splash.
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "app/globals.h"
#include "app/ui/demo_mode.h"
#include "app/ui/splash_wnd.h"
#include "app/ui/start_pages.h"
#include "app/wizard_flow.h"
#include "controls/image_button.h"
#include "i18n/language.h"
#include "monitor/monitor_dialog.h"
#include "pages/actuator_page.h"
#include "pages/aux_pages.h"
#include "pages/customer_page.h"
#include "pages/lambda_pages.h"
#include "pages/vehicle_pages.h"
#include "tests/ui/shown_texts.h"
#include "tests/ui/ui_test_support.h"

namespace {

using PageBaseTest = UiTest;

using PagePtr = std::unique_ptr<CPageDialog>;
template <class Page>
PagePtr Make() { return std::make_unique<Page>(); }
PagePtr MakePortPage() { return std::make_unique<CPortPage>([](PortChoice) {}); }

constexpr int N = kResultNext, Q = kResultQuit, B = kResultBack, S = kStays;
constexpr int kMonitorExit = CMonitorDialog::kExited, kMonitorReturn = CMonitorDialog::kReturned;

struct PageRow {
    const char* page;
    PagePtr (*make)();
    int background[3];  // Q7100, Q5100, "Q5100 plus"
    int keyModel;       // the model the keys are pressed on; -1: none
    int keys[5];        // the result of Return, Ctrl+Right, Right, Escape, Ctrl+Left
};

// Enter ends only the language page (the monitor writes its steps); the
// pages with a key filter swallow Escape; Ctrl+arrows run Next and Return
// where the page has the shortcuts; a plain arrow ends nothing.
const PageRow kPages[] = {
    {"language-page", Make<CLanguagePage>, {269, 269, 269}, 0, {N, S, S, Q, S}},
    {"model-page", Make<CModelPage>, {269, 269, 269}, 0, {S, N, S, Q, B}},
    {"port-page", MakePortPage, {269, 269, 269}, 0, {S, S, S, Q, S}},
    {"customer-page", Make<CCustomerPage>, {249, 248, 249}, 0, {S, N, S, Q, B}},
    {"vehicle-page", Make<CVehiclePage>, {247, 246, 247}, 0, {S, N, S, S, B}},
    {"vehicle-basic-page", Make<CVehicleBasicPage>, {251, 250, 251}, 1, {S, S, S, Q, S}},
    {"lambda-page", Make<CLambdaPage>, {249, 248, 249}, 0, {S, N, S, S, B}},
    {"lambda-basic-page", Make<CLambdaBasicPage>, {250, 250, 250}, 1, {S, S, S, S, S}},
    {"aux-page", Make<CAuxPage>, {249, 249, 249}, 0, {S, N, S, Q, B}},
    {"aux-basic-page", Make<CAuxBasicPage>, {250, 250, 250}, 1, {S, S, S, S, S}},
    {"actuator-page", Make<CActuatorPage>, {249, 248, 249}, -1, {}},
    {"monitor", Make<CMonitorDialog>, {276, 275, 276}, 0, {S, S, S, kMonitorExit, kMonitorReturn}},
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

class EveryPage : public UiTest, public ::testing::WithParamInterface<PageRow> {};

TEST_P(EveryPage, ShowsEachModelsBackgroundAndBadgeThenEachKeyEndsOrKeepsIt) {
    const PageRow& row = GetParam();
    SetDemoMode(true);
    for (int model = 0; model < 3; ++model) {
        ConnectSimulatedEcu(model);
        auto page = row.make();
        int shown = -1;
        ShowPage(page.get(), [&] {
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
        EXPECT_EQ(row.background[model], shown) << "model " << model;
        EXPECT_FALSE(page->HasBackground()) << "released with the window";
    }
    SetDemoMode(false);
    if (row.keyModel < 0) return WaitForWorker();
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Right, Qt::ControlModifier}, {Qt::Key_Right, Qt::NoModifier},
        {Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_Left, Qt::ControlModifier}};
    ConnectSimulatedEcu(row.keyModel);
    auto page = row.make();
    for (int k = 0; k < 5; ++k) {
        const int result = ShowPage(page.get(), [&] {
            EXPECT_TRUE(page->DemoBadge()->isHidden());
            if (std::string(row.page) == "aux-page" && k == 1) LeaveMonitorWhenShown();  // Next passes through it
            QTest::keyClick(page.get(), keys[k].first, keys[k].second);
        });
        page->DestroyPageWindow();
        EXPECT_EQ(row.keys[k], result) << "key " << k;
    }
    WaitForWorker();
}

std::string PageName(const ::testing::TestParamInfo<PageRow>& row) {
    std::string name = row.param.page;
    name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
    return name;
}

INSTANTIATE_TEST_SUITE_P(Pages, EveryPage, ::testing::ValuesIn(kPages), PageName);

constexpr int kLoadId = 1192, kSaveId = 1189;

// Every page of every model, with the messages its file commands raise, in
// English and in Spanish: no text may stay in Portuguese and none may be cut
// off (shown_texts.h).
class LanguageWalk : public UiTest, public ::testing::WithParamInterface<PageRow> {
protected:
    void TearDown() override {
        InstallLanguage(UiLanguage::Portuguese);
        UiTest::TearDown();
    }

    // Shows the page of `model` in `language` and gives back what it shows,
    // then the messages of loading a file that is not there and of saving
    // where nothing can be written (on the pages with those commands).
    std::vector<ShownText> Walk(UiLanguage language, int model, const QString& screenshot) {
        InstallLanguage(language);
        ConnectSimulatedEcu(model);
        messages_.clear();
        PagePtr page = GetParam().make();
        std::vector<ShownText> texts;
        auto look = [&] {
            texts = ShownTexts(page.get());
            if (!screenshot.isEmpty()) SaveScreenshot(page.get(), screenshot);
        };
        ShowPage(page.get(), [&] {
            look();
            auto* config = dynamic_cast<CConfigPage*>(page.get());
            for (const int id : {kLoadId, kSaveId}) {
                CImageButton* button = config ? config->Button(id) : nullptr;
                if (!button || !button->isEnabled()) continue;
                nextFile_ = id == kLoadId ? TempPath(QStringLiteral("nao-existe.ini"))
                                          : QStringLiteral("/proc/nenhuma/pasta.ini");
                button->click();
                ASSERT_TRUE(WaitUntil([&] { return !PageBusy(page.get()); }, 20000));
            }
        });
        if (texts.empty()) look();  // the page ended during its start
        page->DestroyPageWindow();
        for (const MessageRequest& message : messages_) {
            texts.push_back({QStringLiteral("message"), message.text});
            texts.push_back({QStringLiteral("message title"), message.title});
        }
        return texts;
    }
};

TEST_P(LanguageWalk, EveryTextIsTranslatedAndFits) {
    const QString name = QString::fromLatin1(GetParam().page);
    for (int model = 0; model < 3; ++model) {
        // One screenshot per page and language: the Q5100's for the basic pages.
        const bool screenshot = model == (name.contains(QLatin1String("basic")) ? 1 : 0);
        ExpectTranslatedAndFitting("model " + std::to_string(model), [&](UiLanguage language, const char* code) {
            const bool save = screenshot && language != UiLanguage::Portuguese;
            return Walk(language, model, save ? QStringLiteral("%1/%2.png").arg(QLatin1String(code), name) : QString());
        });
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, LanguageWalk, ::testing::ValuesIn(kPages), PageName);

// The actuator page ends itself during its start; its Ctrl flag follows
// each key event, not a remembered press. On the others a Ctrl let go in
// another window sends no release, and the plain arrows still end nothing.
TEST_F(PageBaseTest, TheCtrlFlagFollowsEachKeyEventSoACtrlReleasedElsewhereLeavesThePlainArrowsAlone) {
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
    ConnectSimulatedEcu(0);
    for (PagePtr (*make)() : {Make<CModelPage>, Make<CMonitorDialog>}) {
        auto page = make();
        EXPECT_EQ(kStays, ShowPage(page.get(), [&] {
                      QTest::keyPress(page.get(), Qt::Key_Control, Qt::ControlModifier);
                      EXPECT_EQ(1, CtrlKeyDown);
                      QTest::keyClick(page.get(), Qt::Key_Right);
                      QTest::keyClick(page.get(), Qt::Key_Left);
                      EXPECT_EQ(0, CtrlKeyDown) << "the shared flag follows the last key event";
                  })) << page->metaObject()->className();
        page->DestroyPageWindow();
    }
    WaitForWorker();
}

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

}  // namespace
