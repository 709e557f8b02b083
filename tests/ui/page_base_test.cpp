// The page base over every page: per model its background, the demonstration
// badge, the keys that end or keep it, its texts in English and Spanish.
#include <QLabel>
#include <QTest>

#include "app/ui/demo_mode.h"
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

// In demo mode the badge is inside the page and over none of its widgets.
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

class EveryPage : public UiTest, public ::testing::WithParamInterface<PageRow> {
protected:
    void TearDown() override {
        InstallLanguage(UiLanguage::Portuguese);
        UiTest::TearDown();
    }
};

TEST_P(EveryPage, ShowsEachModelsBackgroundAndBadgeThenEachKeyEndsOrKeepsIt) {
    const PageRow& row = GetParam();
    SetDemoMode(true);
    for (int model = 0; model < 3; ++model) {
        ConnectSimulatedEcu(model);
        auto page = row.make();
        int shown = -1;
        auto look = [&] {
            shown = page->BackgroundId();
            ExpectBadgeClear(page.get(), row.page);
            if (model == 0) SaveScreenshot(page.get(), QStringLiteral("demo-%1.png").arg(row.page));
        };
        ShowPage(page.get(), look);
        if (shown < 0) page->UpdateDemoBadge(), look();  // the page ended during its start
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

// Every page of every model, with the messages of a Load of a missing file
// and of a Save where nothing can be written, in English and in Spanish: no
// text may stay in Portuguese and none may be cut off (shown_texts.h).
TEST_P(EveryPage, EveryTextIsTranslatedAndFits) {
    const QString name = QString::fromLatin1(GetParam().page);
    for (int model = 0; model < 3; ++model) {
        ExpectTranslatedAndFitting("model " + std::to_string(model), [&](UiLanguage language, const char* code) {
            InstallLanguage(language);
            ConnectSimulatedEcu(model);
            messages_.clear();
            PagePtr page = GetParam().make();
            std::vector<ShownText> texts;
            auto look = [&] {
                texts = ShownTexts(page.get());
                // One screenshot per page and language: the Q5100's for the basic pages.
                if (model == (name.contains(QLatin1String("basic")) ? 1 : 0) && language != UiLanguage::Portuguese)
                    SaveScreenshot(page.get(), QStringLiteral("%1/%2.png").arg(QLatin1String(code), name));
            };
            ShowPage(page.get(), [&] {
                look();
                auto* config = dynamic_cast<CConfigPage*>(page.get());
                for (const int id : {1192, 1189}) {  // Load, Save
                    CImageButton* button = config ? config->Button(id) : nullptr;
                    if (!button || !button->isEnabled()) continue;
                    nextFile_ = id == 1192 ? TempPath(QStringLiteral("nao-existe.ini")) : QStringLiteral("/proc/nenhuma/pasta.ini");
                    button->click();
                    ASSERT_TRUE(WaitUntil([&] { return !PageBusy(page.get()); }, 20000));
                }
            });
            if (texts.empty()) look();  // the page ended during its start
            page->DestroyPageWindow();
            for (const MessageRequest& message : messages_)
                texts.insert(texts.end(), {{QStringLiteral("message"), message.text}, {QStringLiteral("message title"), message.title}});
            return texts;
        });
    }
}

std::string PageName(const ::testing::TestParamInfo<PageRow>& row) {
    std::string name = row.param.page;
    name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
    return name;
}
INSTANTIATE_TEST_SUITE_P(Pages, EveryPage, ::testing::ValuesIn(kPages), PageName);

}  // namespace
