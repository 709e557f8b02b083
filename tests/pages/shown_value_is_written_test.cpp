// What the user sees on a page is what the ECU gets: pages built before the
// parameter table exists (as the program builds them), the comma of a
// Brazilian numeric pad, fields longer than their check, fixed lists, the
// page disabled while it talks to the ECU, values outside the offered
// options, and the source selector after a save.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app/globals.h"
#include "app/wizard_flow.h"
#include "controls/image_button.h"
#include "controls/numeric_spin.h"
#include "data/store_text.h"
#include "pages/aux_page_model.h"
#include "app/ui/ui_globals.h"
#include "monitor/gauge_slots.h"
#include "monitor/slot_labels.h"
#include "pages/actuator_page.h"
#include "pages/aux_pages.h"
#include "pages/customer_page.h"
#include "pages/lambda_page_model.h"
#include "pages/lambda_pages.h"
#include "pages/vehicle_pages.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr int kWrite = 1182;
constexpr int kCylinders = 1002;
constexpr int kSwitchingSpeed = 1124;

class ShownValueTest : public UiTest {
  protected:
    static void Choose(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }
    // Typed over the selected text, as a user does (emptying an aux field
    // first would bring its minimum and a message).
    static void Retype(QLineEdit* field, const QString& keys) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, keys);
    }
    static void PressEnterIn(QWidget* field) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    }
    static bool Idle(const CConfigPage& page) { return !page.IsBusy() && page.Initialised(); }
};

// The program constructs every page at start, long before the model page
// fills the parameter table: the spins must take their range when shown.
TEST_F(ShownValueTest, SpinsBuiltBeforeTheParameterTableStepWithinTheirRecord) {
    CLambdaPage lambda;
    CAuxPage aux;
    ConnectSimulatedEcu(0);

    RunActive(&lambda, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(lambda); }));
        Choose(lambda.ListField(kLambdaSignalType), kSignalSpecific);
        ASSERT_TRUE(WaitUntil([&] { return Idle(lambda); }, 10000));
        QLineEdit* on = lambda.NumericField(kLambdaOnTime);
        Retype(on, QStringLiteral("1.00"));
        QTest::keyClick(on, Qt::Key_Up);
        EXPECT_EQ(on->text(), "1.01");
        EXPECT_NEAR(lambda.NumericSpin(kLambdaOnTime)->MaxValue(), 2.551, 1e-6);
        PressEnterIn(on);
        ASSERT_TRUE(WaitUntil([&] { return Idle(lambda) && !on->text().isEmpty(); }, 10000));
        EXPECT_EQ(Ecu().Registers().at(0x1E), 101);
        lambda.Button(1193)->click();
    });

    RunActive(&aux, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(aux); }));
        QLineEdit* delay = aux.NumericField(kAuxCutOffDelay);
        Retype(delay, QStringLiteral("0.50"));
        QTest::keyClick(delay, Qt::Key_Up);
        EXPECT_EQ(delay->text(), "0.52");
        aux.Button(1186)->click();
    });
}

// A Brazilian numeric pad types a comma for the decimal point.
TEST_F(ShownValueTest, TheCommaKeyEntersTheDecimalPointWhereTheFieldHasDecimals) {
    ConnectSimulatedEcu(0);
    CAuxPage aux;
    RunActive(&aux, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(aux); }));
        QLineEdit* delay = aux.NumericField(kAuxCutOffDelay);
        Retype(delay, QStringLiteral("1,5"));
        EXPECT_EQ(delay->text(), "1.5");
        delay->selectAll();
        QTest::keyClick(delay, Qt::Key_1);
        QTest::keyClick(delay, Qt::Key_Comma, Qt::KeypadModifier);
        QTest::keyClick(delay, Qt::Key_5);
        EXPECT_EQ(delay->text(), "1.5");
        PressEnterIn(delay);
        ASSERT_TRUE(WaitUntil([&] { return Idle(aux); }, 10000));
        EXPECT_EQ(Ecu().Registers().at(0x70), 75);
        aux.Button(1186)->click();
    });

    // Customer texts are not numbers: the comma stays a comma there.
    CCustomerPage customer;
    RunActive(&customer, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !customer.IsBusy(); }));
        customer.Field(0)->setFocus();
        QTest::keyClicks(customer.Field(0), QStringLiteral("Silva, J."));
        EXPECT_EQ(customer.Field(0)->text(), "Silva, J.");
        customer.Button(1187)->click();
    });
}

// The limit check reads nine characters: a field holds no more, so a value
// that passed the check is the value written.
TEST_F(ShownValueTest, AFieldHoldsNoMoreThanItsCheckReads) {
    ConnectSimulatedEcu(0);
    CVehiclePage page;
    RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
        QLineEdit* speed = page.NumericField(kSwitchingSpeed);
        Retype(speed, QStringLiteral("0000000050001"));
        EXPECT_EQ(speed->text(), "000000005");
        PressEnterIn(speed);
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }, 15000));
        EXPECT_EQ(Ecu().Registers().at(0x75), 5);
        EXPECT_EQ(Ecu().Registers().at(0x76), 0);
        page.Button(1186)->click();
    });
}

// The lambda pages have no list guard: their lists take no typing.
TEST_F(ShownValueTest, LambdaListsAreFixedLists) {
    ConnectSimulatedEcu(0);
    CLambdaPage page;
    RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
        for (int id : {kLambdaSignalType, kLambdaMode})
            EXPECT_FALSE(page.ListField(id)->isEditable()) << id;
        page.ListField(kLambdaSignalType)->setFocus();
        QTest::keyClick(page.ListField(kLambdaSignalType), Qt::Key_7);
        EXPECT_EQ(page.SelectedSignalType(), kSignalStandard);
        EXPECT_TRUE(messages_.empty());
        page.Button(1186)->click();
    });
}

// While the page talks to the ECU nothing on it can be changed; afterwards
// every input is back as it was, a field the signal type disabled included.
TEST_F(ShownValueTest, ThePageIsDisabledDuringAnExchangeAndRestoredAfter) {
    ConnectSimulatedEcu(1);
    CLambdaBasicPage page;
    RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
        EXPECT_FALSE(page.NumericField(kLambdaOnTime)->isEnabled());  // "Padrão"
        page.Button(kWrite)->click();
        ASSERT_TRUE(page.IsBusy());
        EXPECT_FALSE(page.ListField(kLambdaSignalType)->isEnabled());
        EXPECT_FALSE(page.SourceSelector()->isEnabled());
        QTest::keyClick(page.ListField(kLambdaSignalType), Qt::Key_Down);
        EXPECT_EQ(page.SelectedSignalType(), kSignalStandard);
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy(); }, 15000));
        EXPECT_TRUE(page.ListField(kLambdaSignalType)->isEnabled());
        EXPECT_FALSE(page.NumericField(kLambdaOnTime)->isEnabled());
        page.Button(1193)->click();
    });
}

// An ECU set up for 10 or 12 cylinders: the list offers 2 to 8, but shows the
// ECU's value and writes it back unless the user picks another.
TEST_F(ShownValueTest, TenCylindersAreShownAndKept) {
    ConnectSimulatedEcu(0);
    Ecu().SetRegister(0x2C, 10);
    g_EquipmentStore.Add("2C", "A");
    CVehiclePage page;
    RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
        EXPECT_EQ(page.ListField(kCylinders)->currentText(), "10");
        page.Button(kWrite)->click();
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }, 15000));
        EXPECT_EQ(Ecu().Registers().at(0x2C), 10);
        EXPECT_EQ(page.ListField(kCylinders)->currentText(), "10");
        page.ListField(kCylinders)->setCurrentIndex(4);  // "8"
        page.Button(kWrite)->click();
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }, 15000));
        EXPECT_EQ(Ecu().Registers().at(0x2C), 8);
        page.Button(1186)->click();
    });
}

// After a save without a load the source is "Arquivo": the next page shows
// the selector on it, so the write button does not do nothing unseen.
TEST_F(ShownValueTest, AfterASaveTheNextPageShowsTheFileSource) {
    ConnectSimulatedEcu(0);
    nextFile_ = TempPath(QStringLiteral("carro.Q7100"));
    CVehiclePage vehicle;
    RunActive(&vehicle, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(vehicle); }));
        vehicle.Button(1189)->click();
        vehicle.Button(1186)->click();
    });
    ASSERT_EQ(g_SourceIsFile, 1);
    ASSERT_EQ(g_FileLoaded, 0);
    CAuxPage aux;
    RunActive(&aux, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(aux); }));
        EXPECT_TRUE(aux.SourceSelector()->isVisible());
        EXPECT_EQ(aux.SourceSelector()->currentIndex(), 0);
        aux.Button(1186)->click();
    });
}

// The full lambda page's set-up snapshot carries live values: they belong
// to the monitor store, or the live injection time would become setting
// "81" and the next save would write it into the file.
TEST_F(ShownValueTest, TheLambdaSetUpKeepsLiveValuesOutOfTheEcuSettings) {
    ConnectSimulatedEcu(0);
    Ecu().SetRevving(true);
    std::string setting;
    ASSERT_TRUE(StoreValueText(g_EquipmentStore, "81", &setting));
    CLambdaPage page;
    RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
        page.Button(1186)->click();
    });
    std::string after, live;
    ASSERT_TRUE(StoreValueText(g_EquipmentStore, "81", &after));
    EXPECT_EQ(after, setting);
    EXPECT_TRUE(StoreValueText(g_MonitorStore, "28", &live));
}

// The live view's timer also runs after Enter in the other signal types;
// the arc marker belongs to "Real" alone.
TEST_F(ShownValueTest, TheArcMarkerShowsOnlyWithTheRealSignal) {
    ConnectSimulatedEcu(0);
    CLambdaPage page;
    RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
        PressEnterIn(page.ListField(kLambdaSignalType));
        ASSERT_TRUE(WaitUntil([&] { return Idle(page) && page.LiveViewActive(); }, 15000));
        QTest::qWait(500);  // two ticks of the live view
        EXPECT_EQ(page.Slots().ShownImage(LambdaSlots::kArcMarker), 0);
        page.Button(1186)->click();
    });
}

// A button the page disabled itself is not enabled by the end of an
// exchange; the actuator page keeps the dialog font on its fields.
TEST_F(ShownValueTest, AnExchangeGivesEachButtonBackItsOwnState) {
    ConnectSimulatedEcu(0);
    CVehiclePage page;
    RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
        page.Button(1193)->setEnabled(false);
        page.Button(kWrite)->click();
        ASSERT_TRUE(page.IsBusy());
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }, 15000));
        EXPECT_FALSE(page.Button(1193)->isEnabled());
        EXPECT_TRUE(page.Button(1186)->isEnabled());
        page.Button(1186)->click();
    });

    CActuatorPage actuator;
    EXPECT_EQ(RunPage(&actuator, [] {}), kResultBack);
    EXPECT_NE(actuator.NumericField(1214)->font(), PageFont());
}

// After the monitoring screen the "Real" page refills (which restarts the
// stream), then re-applies the type after a pause: the second exchange waits
// for the first instead of being lost, and the live view runs again.
class LambdaPageLeavingTheMonitor : public CLambdaPage {
  protected:
    int RunMonitoringDialog() override { return 1; }
};

TEST_F(ShownValueTest, TheRealLiveViewRunsAgainAfterTheMonitoringScreen) {
    ConnectSimulatedEcu(0);
    Ecu().SetRegister(0x78, 1);
    g_EquipmentStore.Add("78", "1");
    LambdaPageLeavingTheMonitor page;
    RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(page) && page.LiveViewActive(); }, 10000));
        page.Button(1190)->click();
        ASSERT_TRUE(WaitUntil([&] { return Idle(page) && page.LiveViewActive(); }, 15000));
        EXPECT_EQ(page.SelectedSignalType(), kSignalReal);
        EXPECT_TRUE(Ecu().Streaming());
        EXPECT_EQ(g_LiveViewRunning, 1);
        page.Button(1186)->click();
    });
    EXPECT_FALSE(Ecu().Streaming());
}

}  // namespace
