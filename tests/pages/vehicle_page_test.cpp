// The frame as the user meets it, mostly on the vehicle pages: the keys,
// the checks, the write passes that reach the ECU, the page disabled during
// an exchange, values past the offered options.
#include <QToolButton>

#include "app/globals.h"
#include "app/ui/ui_globals.h"
#include "app/wizard_flow.h"
#include "controls/numeric_spin.h"
#include "data/store_text.h"
#include "pages/aux_page_model.h"
#include "pages/aux_pages.h"
#include "pages/customer_page.h"
#include "pages/lambda_page_model.h"
#include "pages/lambda_pages.h"
#include "pages/vehicle_pages.h"
#include "tests/pages/page_test_support.h"

namespace {

constexpr int kCylinders = 1002;
constexpr int kSpeed = 1124;
constexpr int kReturnTime = 1231;
constexpr int kTps = 1003;

std::string FileValue(const char* reg) {
    std::string value;
    StoreValueText(g_FileStore, reg, &value);
    return value;
}

class VehiclePageTest : public PageTest {
  protected:
    CVehiclePage page_;
    CVehicleBasicPage basic_;
};

// The key filter swallows letters, signs and Escape; what passes meets the
// limit checks and the list guard; Ctrl and the arrows move between steps.
TEST_F(VehiclePageTest, KeysPassTheFilterThenTheChecks) {
    ConnectSimulatedEcu(0);
    EXPECT_EQ(kResultQuit, RunActive(&page_, [&] {
                  QTest::keyClick(&page_, Qt::Key_Return);  // no field had the focus
                  EXPECT_FALSE(page_.IsBusy());
                  // Into a list's edit part, a key that passed would bring the guard.
                  Type(page_.ListField(kTps), "a-,");
                  QTest::keyClick(page_.ListField(kTps), Qt::Key_Escape);
                  EXPECT_TRUE(page_.isVisible());
                  EXPECT_EQ(page_.ListField(kTps)->currentText(), "0-5");
                  QLineEdit* speed = page_.NumericField(kSpeed);
                  QLineEdit* time = page_.NumericField(kReturnTime);
                  speed->setFocus();
                  speed->end(false);
                  QTest::keyClick(speed, Qt::Key_Backspace);
                  EXPECT_EQ(speed->text(), "120");
                  Retype(time, "x7");
                  EXPECT_EQ(time->text(), "7");
                  // A field holds no more than the nine characters its check
                  // reads, so what passed the check is what is written.
                  Retype(speed, "0000000050001");
                  EXPECT_EQ(speed->text(), "000000005");
                  PendingWrites pending;
                  page_.QueueWritesForKey("75_76", pending);
                  ASSERT_EQ(pending.Count, 2u);
                  EXPECT_STREQ(pending.Entries[0].Value, "5");
                  EXPECT_STREQ(pending.Entries[1].Value, "0");
                  EXPECT_TRUE(messages_.empty());

                  Retype(speed, "5001");
                  EXPECT_EQ(speed->text(), "5000");
                  // The spin stays within 0 to 5000, 50 at a time.
                  page_.SpinButton(kSpeed, true)->click();
                  EXPECT_EQ(speed->text(), "5000");
                  page_.SpinButton(kSpeed, false)->click();
                  EXPECT_EQ(speed->text(), "4950");
                  speed->clear();  // the lower limit is 0: no message
                  time->setFocus();
                  time->clear();
                  EXPECT_EQ(time->text(), "1");
                  Type(page_.ListField(1011), "1");
                  EXPECT_EQ(page_.ListField(1011)->currentText(), "Desativado");
                  Type(page_.ListField(kTps), ".");
                  EXPECT_EQ(page_.ListField(kTps)->currentText(), "0-5");
                  page_.Button(kExit)->click();
              }));
    // The texts are the checks' own (input_checks_test.cpp).
    ASSERT_EQ(messages_.size(), 4u);
    for (int i : {0, 1}) EXPECT_EQ(messages_[i].title, "Atenção - Valor limite assumido");
    for (int i : {2, 3}) EXPECT_EQ(messages_[i].title, "Atenção");
    EXPECT_TRUE(Ecu().ReceivedFrames().empty());
    EXPECT_EQ(kResultNext,
              RunActive(&page_, [&] { QTest::keyClick(&page_, Qt::Key_Right, Qt::ControlModifier); }));
    EXPECT_EQ(kResultBack,
              RunActive(&page_, [&] { QTest::keyClick(&page_, Qt::Key_Left, Qt::ControlModifier); }));
}

TEST_F(VehiclePageTest, TheBasicPageRestoresListTextSilentlyAndEscapeQuits) {
    ConnectSimulatedEcu(1);
    EXPECT_EQ(kResultQuit, RunActive(&basic_, [&] {
                  SaveScreenshot(&basic_, "vehicle-basic-page.png");
                  EXPECT_FALSE(basic_.SourceSelector()->isVisible());
                  EXPECT_TRUE(basic_.Button(kWrite)->toolTip().isEmpty());
                  Type(basic_.ListField(kCylinders), "x");
                  EXPECT_EQ(basic_.ListField(kCylinders)->currentText(), "4");
                  QTest::keyClick(basic_.ListField(kCylinders), Qt::Key_Escape);
              }));
    EXPECT_TRUE(messages_.empty());
    // No Ctrl shortcuts on this page.
    EXPECT_EQ(kResultQuit, RunActive(&basic_, [&] {
                  QTest::keyClick(&basic_, Qt::Key_Right, Qt::ControlModifier);
                  EXPECT_TRUE(basic_.isVisible());
                  basic_.Button(kExit)->click();
              }));
}

TEST_F(VehiclePageTest, EnterWritesTheFocusedFieldToTheEcuAndReadsItIntoTheFileStore) {
    ConnectSimulatedEcu(0);
    RunActive(&page_, [&] {
        SaveScreenshot(&page_, "vehicle-page.png");
        page_.ListField(kCylinders)->setCurrentIndex(3);  // 6 cylinders
        PressEnterIn(page_.ListField(kCylinders));
        EXPECT_TRUE(page_.IsBusy());
        EXPECT_FALSE(page_.Button(kWrite)->isEnabled());
        EXPECT_FALSE(page_.Button(kLoad)->isEnabled());
        ASSERT_TRUE(WaitUntil([&] { return !page_.IsBusy(); }, 10000));
        EXPECT_TRUE(page_.Button(kWrite)->isEnabled());
        EXPECT_EQ(page_.ListField(kCylinders)->currentText(), "6");
        page_.Button(kExit)->click();
    });
    EXPECT_EQ(Ecu().Registers().at(0x2C), 0x06);
    EXPECT_EQ(FramesOfKind(FrameKind::RegisterWrite), 1);
    EXPECT_EQ(FramesOfKind(FrameKind::Confirm), 3);
    EXPECT_EQ(FileValue("2C"), "6");  // the extra read after Enter
    EXPECT_TRUE(messages_.empty());
}

TEST_F(VehiclePageTest, ASilentEcuEndsTheWritePassWithOneMessageAndReadFailed) {
    EcuOptions silent;
    silent.faults.noAnswer = true;
    ConnectSimulatedEcu(0, silent);  // the store holds what the ECU held
    EXPECT_EQ(kResultReadFailed, RunActive(&page_, [&] { page_.Button(kWrite)->click(); }));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Erro na leitura dos parâmetros !!!");
    EXPECT_EQ(FramesOfKind(FrameKind::ReadAll), 3);
    EXPECT_EQ(FramesOfKind(FrameKind::Confirm), 0) << "no answer, no confirm frames";
}

// An ECU set up for 10 or 12 cylinders: the list offers 2 to 8, but shows the
// ECU's value and writes it back unless the user picks another.
TEST_F(VehiclePageTest, TenCylindersAreShownAndKept) {
    ConnectSimulatedEcu(0);
    g_EquipmentStore.Add("2C", "A");
    RunActive(&page_, [&] {
        EXPECT_EQ(page_.ListField(kCylinders)->currentText(), "10");
        PendingWrites pending;
        page_.QueueWritesForKey("FULL", pending);
        page_.ListField(kCylinders)->setCurrentIndex(4);  // "8"
        page_.QueueWritesForKey("2C", pending);
        ASSERT_EQ(pending.Count, 2u);
        EXPECT_STREQ(pending.Entries[0].Value, "A");
        EXPECT_STREQ(pending.Entries[1].Value, "8");
        page_.Button(kReturn)->click();
    });
}

// While the page talks to the ECU nothing on it can be changed; afterwards
// every input and button is back as it was, those the page disabled itself
// (a time of "Padrão", the Next it turned off) included.
TEST_F(PageTest, ThePageIsDisabledDuringAnExchangeAndRestoredAfter) {
    ConnectSimulatedEcu(1);
    CLambdaBasicPage page;
    RunActive(&page, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(page); }));
        SaveScreenshot(&page, "lambda-basic-page.png");
        EXPECT_FALSE(page.NumericField(kLambdaOnTime)->isEnabled());  // "Padrão"
        page.Button(kNext)->setEnabled(false);
        page.Button(kWrite)->click();
        ASSERT_TRUE(page.IsBusy());
        EXPECT_FALSE(page.ListField(kLambdaSignalType)->isEnabled());
        EXPECT_FALSE(page.SourceSelector()->isEnabled());
        EXPECT_FALSE(page.Button(kReturn)->isEnabled());
        QTest::keyClick(page.ListField(kLambdaSignalType), Qt::Key_Down);
        EXPECT_EQ(page.SelectedSignalType(), kSignalStandard);
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy(); }, 15000));
        EXPECT_TRUE(page.ListField(kLambdaSignalType)->isEnabled());
        EXPECT_FALSE(page.NumericField(kLambdaOnTime)->isEnabled());
        EXPECT_FALSE(page.Button(kNext)->isEnabled());
        EXPECT_TRUE(page.Button(kReturn)->isEnabled());
        page.Button(kReturn)->click();
    });
}

// The program constructs every page at start, long before the model page
// fills the parameter table: the spins must take their range when shown.
// After a save without a load the source is "Arquivo": the next page shows
// the selector on it, so the write button does not do nothing unseen.
TEST_F(PageTest, SpinsTakeTheirRangeWhenShownAndASaveSelectsTheFileOnTheNextPage) {
    CLambdaPage lambda;
    CAuxPage aux;
    ConnectSimulatedEcu(0);
    nextFile_ = TempPath("carro.Q7100");
    RunActive(&lambda, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(lambda); }));
        Choose(lambda.ListField(kLambdaSignalType), kSignalSpecific);
        ASSERT_TRUE(WaitUntil([&] { return Idle(lambda); }, 10000));
        Retype(lambda.NumericField(kLambdaOnTime), "1.00");
        QTest::keyClick(lambda.NumericField(kLambdaOnTime), Qt::Key_Up);
        EXPECT_EQ(lambda.NumericField(kLambdaOnTime)->text(), "1.01");
        EXPECT_NEAR(lambda.NumericSpin(kLambdaOnTime)->MaxValue(), 2.551, 1e-6);
        lambda.Button(kSave)->click();
        lambda.Button(kReturn)->click();
    });
    ASSERT_EQ(g_FileLoaded, 0);
    RunActive(&aux, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Idle(aux); }));
        EXPECT_TRUE(aux.SourceSelector()->isVisible());
        EXPECT_EQ(aux.SourceSelector()->currentIndex(), 0);
        Retype(aux.NumericField(kAuxCutOffDelay), "0.50");
        QTest::keyClick(aux.NumericField(kAuxCutOffDelay), Qt::Key_Up);
        EXPECT_EQ(aux.NumericField(kAuxCutOffDelay)->text(), "0.52");
        aux.Button(kReturn)->click();
    });
}

// Customer texts are not numbers: a comma stays a comma there.
TEST_F(PageTest, CustomerTextsKeepTheirCommas) {
    CCustomerPage customer;
    RunActive(&customer, [&] {
        ASSERT_TRUE(WaitUntil([&] { return !customer.IsBusy(); }));
        Type(customer.Field(0), "Silva, J.");
        EXPECT_EQ(customer.Field(0)->text(), "Silva, J.");
        customer.Button(kExit)->click();
    });
}

}  // namespace
