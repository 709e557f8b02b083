// The actuator page: the wizard passes through it at once, and its write
// pass still reaches the ECU when the page is driven directly.
#include "pages/actuator_page.h"

#include <QLineEdit>

#include "app/globals.h"
#include "app/ui/ui_globals.h"
#include "app/wizard_flow.h"
#include "comm/ecu_worker.h"
#include "comm/hex_text.h"
#include "controls/image_button.h"
#include "pages/actuator_page_model.h"
#include "tests/ui/ui_test_support.h"

namespace {

class DrivenActuatorPage : public CActuatorPage {
  public:
    using CActuatorPage::WriteFocusedField;
};

class ActuatorPageTest : public UiTest {};

TEST_F(ActuatorPageTest, EnteringTheStepReturnsAtOnceWithTheFieldsFilled) {
    ConnectSimulatedEcu(1);
    CActuatorPage page;
    bool driverRan = false;
    EXPECT_EQ(RunPage(&page, [&] { driverRan = true; }), kResultBack);
    EXPECT_FALSE(driverRan);
    SaveScreenshot(&page, "actuator-page.png");
    EXPECT_EQ(page.NumericField(kActuatorLowDefault)->text(), "80");
    EXPECT_EQ(page.NumericField(kActuatorHighDefault)->text(), "150");
    EXPECT_FALSE(page.Button(1193)->isEnabled());
    EXPECT_TRUE(Ecu().ReceivedFrames().empty());
}

TEST_F(ActuatorPageTest, EnterWritesTheFocusedStepAndReadsItBack) {
    ConnectSimulatedEcu(0);
    DrivenActuatorPage page;
    ASSERT_EQ(page.FillFromStore(g_EquipmentStore), 0);
    page.NumericField(kActuatorHighMax)->setText("25");
    g_FocusedKey = "42";
    page.WriteFocusedField();
    EXPECT_TRUE(page.IsBusy());
    ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy(); }, 10000));
    EXPECT_EQ(Ecu().Registers().at(0x42), 0x19);
    EXPECT_EQ(Ecu().Registers().at(0x41), 0x0A);  // the other fields untouched
    EXPECT_EQ(FramesOfKind(FrameKind::RegisterWrite), 1);
}

}  // namespace
