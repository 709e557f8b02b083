// The auxiliary pages against the simulated ECU: the relay mode's overlap
// field, a field written with Enter that the ECU then holds, and the
// monitoring screen between this step and the next.
#include "pages/aux_pages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app/globals.h"
#include "app/ui/ui_globals.h"
#include "app/wizard_flow.h"
#include "comm/ecu_worker.h"
#include "comm/hex_text.h"
#include "controls/image_button.h"
#include "pages/aux_page_model.h"
#include "tests/ui/ui_test_support.h"

namespace {

// The monitoring screen as the user leaves it.
template <class Page>
class ScriptedMonitorPage : public Page {
  public:
    int monitorResult = 1;
    int monitorRuns = 0;

  protected:
    int RunMonitoringDialog() override {
        ++monitorRuns;
        return monitorResult;
    }
};

class AuxPagesTest : public UiTest {
  protected:
    static void PressEnterIn(QWidget* field) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    }
};

TEST_F(AuxPagesTest, RelayModeShowsTheOverlapAndEnterWritesTheDelay) {
    ConnectSimulatedEcu(0);
    ScriptedMonitorPage<CAuxPage> page;
    const int result = RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy() && page.Initialised(); }));
        EXPECT_EQ(page.NumericField(kAuxCutOffDelay)->text(), "0.50");
        EXPECT_EQ(page.NumericField(kAuxCutOffRpm)->text(), "4500");
        EXPECT_TRUE(page.OverlapShown());  // "Emulador" in the ECU
        page.ListField(kAuxRelay)->setCurrentIndex(0);
        EXPECT_FALSE(page.OverlapShown());
        page.ListField(kAuxRelay)->setCurrentIndex(1);
        EXPECT_TRUE(page.OverlapShown());
        SaveScreenshot(&page, "aux-page.png");

        page.NumericField(kAuxCutOffDelay)->setText("1.5");
        PressEnterIn(page.NumericField(kAuxCutOffDelay));
        EXPECT_EQ(page.NumericField(kAuxCutOffDelay)->text(), "1.50");  // normalised first
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy(); }, 10000));
        EXPECT_EQ(Ecu().Registers().at(0x70), 0x4B);
        EXPECT_EQ(page.NumericField(kAuxCutOffDelay)->text(), "1.50");  // read back
        page.Button(1193)->click();
    });
    EXPECT_EQ(result, kResultNext);
    EXPECT_EQ(page.monitorRuns, 1);
}

TEST_F(AuxPagesTest, BasicPageWritesTheHeatingTimeAsTwoBytesAndExitFromTheMonitorQuits) {
    ConnectSimulatedEcu(1);
    ScriptedMonitorPage<CAuxBasicPage> page;
    page.monitorResult = 2;
    const int result = RunActive(&page, [&] {
        EXPECT_EQ(page.NumericField(kAuxCutOffRpm)->text(), "4500");
        EXPECT_EQ(page.NumericField(kAuxHeatingBasic)->text(), "60");
        SaveScreenshot(&page, "aux-basic-page.png");
        page.NumericField(kAuxHeatingBasic)->setText("600");
        PressEnterIn(page.NumericField(kAuxHeatingBasic));
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy(); }, 15000));
        EXPECT_EQ(Ecu().Registers().at(0x15), 0x58);
        EXPECT_EQ(Ecu().Registers().at(0x16), 0x02);
        EXPECT_EQ(page.NumericField(kAuxHeatingBasic)->text(), "600");
        page.Button(1190)->click();
    });
    EXPECT_EQ(result, kResultQuit);
    EXPECT_EQ(page.monitorRuns, 1);
}

}  // namespace
