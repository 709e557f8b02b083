// The lambda pages against the simulated ECU: the full page's set-up, its
// "Real" signal with the live view streaming, a write the ECU then holds,
// and the stream stopped when the page is left; the basic page's times.
#include "pages/lambda_pages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app/globals.h"
#include "app/ui/ui_globals.h"
#include "app/wizard_flow.h"
#include "comm/ecu_worker.h"
#include "comm/hex_text.h"
#include "controls/image_button.h"
#include "monitor/gauge_slots.h"
#include "monitor/slot_labels.h"
#include "pages/lambda_page_model.h"
#include "tests/ui/ui_test_support.h"

namespace {

class LambdaPagesTest : public UiTest {
  protected:
    static void Choose(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }
};

TEST_F(LambdaPagesTest, RealSignalStreamsTheLiveViewAndTheWriteReachesTheEcu) {
    ConnectSimulatedEcu(0);
    Ecu().SetRevving(true);
    CLambdaPage page;
    const int result = RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy() && page.Initialised(); }));
        EXPECT_EQ(page.SelectedSignalType(), kSignalStandard);
        EXPECT_EQ(page.NumericField(kLambdaOnTime)->text(), "0.36");
        EXPECT_FALSE(page.NumericField(kLambdaOnTime)->isEnabled());
        EXPECT_FALSE(page.LiveViewActive());
        SaveScreenshot(&page, "lambda-page.png");

        Choose(page.ListField(kLambdaSignalType), kSignalReal);
        ASSERT_TRUE(WaitUntil([&] { return page.LiveViewActive() && !page.IsBusy(); }, 5000));
        EXPECT_EQ(g_LiveViewRunning, 1);
        EXPECT_FALSE(page.NumericField(kLambdaOnTime)->isVisible());
        EXPECT_FALSE(page.NumericField(kLambdaInjection)->isVisible());  // "Automático"
        // The stream's speed reaches the digits within a few ticks.
        const auto lit = [&](int slot) {
            const int image = page.Slots().ShownImage(slot);
            return image >= GaugeImages::kLargeDigitZero &&
                   image < GaugeImages::kLargeDigitZero + 10;
        };
        ASSERT_TRUE(WaitUntil(
            [&] {
                return lit(LambdaSlots::kRpmDigits[1]) && lit(LambdaSlots::kInjectionDigits[1]);
            },
            5000));

        Choose(page.ListField(kLambdaMode), kModeManual);
        EXPECT_TRUE(page.NumericField(kLambdaInjection)->isVisible());
        page.NumericField(kLambdaInjection)->setText("12.5");
        SaveScreenshot(&page, "lambda-real.png");
        page.Button(1182)->click();
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy() && page.LiveViewActive(); }, 20000));
        EXPECT_EQ(Ecu().Registers().at(0x79), 0x7D);
        EXPECT_EQ(Ecu().Registers().at(0x78), 0x02);
        EXPECT_EQ(Ecu().Registers().at(0x60), 0x00);
        EXPECT_TRUE(Ecu().Streaming());
        page.Button(1193)->click();
    });
    EXPECT_EQ(result, kResultNext);
    EXPECT_FALSE(Ecu().Streaming());
    EXPECT_EQ(g_LiveViewRunning, 0);
}

TEST_F(LambdaPagesTest, SwitchingTheSourceResetsTheSpecificTimes) {
    ConnectSimulatedEcu(2);
    g_EquipmentStore.Add("1E", "32");  // "Especifico": 0.50 / 0.36
    g_FileLoaded = 1;
    g_FileStore = g_EquipmentStore;
    CLambdaPage page;
    RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy() && page.Initialised(); }));
        EXPECT_EQ(page.SelectedSignalType(), kSignalSpecific);
        EXPECT_EQ(page.NumericField(kLambdaOnTime)->text(), "0.50");
        Choose(page.SourceSelector(), 0);
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy(); }));
        EXPECT_EQ(page.NumericField(kLambdaOnTime)->text(), "0.00");
        EXPECT_EQ(page.NumericField(kLambdaOffTime)->text(), "0.00");
        page.Button(1186)->click();
    });
}

TEST_F(LambdaPagesTest, BasicPageWritesTheOnTimeOfASpecificWave) {
    ConnectSimulatedEcu(1);
    CLambdaBasicPage page;
    const int result = RunActive(&page, [&] {
        EXPECT_EQ(page.SelectedSignalType(), kSignalStandard);
        Choose(page.ListField(kLambdaSignalType), kSignalSpecific);
        EXPECT_EQ(page.NumericField(kLambdaOnTime)->text(), "0.00");
        EXPECT_TRUE(page.NumericField(kLambdaOnTime)->isEnabled());
        page.NumericField(kLambdaOnTime)->setText("2.5");
        SaveScreenshot(&page, "lambda-basic-page.png");
        page.NumericField(kLambdaOnTime)->setFocus();
        QTest::keyClick(page.NumericField(kLambdaOnTime), Qt::Key_Return);
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy(); }, 10000));
        EXPECT_EQ(Ecu().Registers().at(0x1E), 0xFA);
        EXPECT_EQ(Ecu().Streaming(), false);
        page.Button(1193)->click();
    });
    EXPECT_EQ(result, kResultNext);
}

}  // namespace
