// A lost ECU link on a page and on the monitoring screen, with the
// in-process simulator pulling its adapter or losing power. The buttons
// while the link is down and the ECU's writes are in tests/e2e.
#include <QComboBox>
#include <QPushButton>

#include "app/ui/link_banner.h"
#include "controls/image_button.h"
#include "monitor/monitor_dialog.h"
#include "pages/vehicle_pages.h"
#include "tests/ui/ui_test_support.h"

namespace {

bool Shows(LinkBanner* banner, const char* text) {
    return banner->isVisible() && banner->Text().contains(QString::fromUtf8(text));
}

using LinkRecoveryTest = UiTest;

// The basic vehicle page's slow pass (5.4 s an entry): the adapter goes
// after the first entry's confirm frames and before the second's write.
TEST_F(LinkRecoveryTest, APassCutByAPulledAdapterIsReportedKeptAndResentOnlyOnRequest) {
    EcuOptions options;
    options.faults.vanishAfterMs = 6000;
    options.faults.vanishForMs = 1500;
    ConnectSimulatedEcu(1, options);
    CVehicleBasicPage page;
    RunPage(&page, [&] {
        for (int id : {1002, 1001, 1005}) {
            QComboBox* list = page.ListField(id);
            list->setCurrentIndex(list->currentIndex() == 1 ? 2 : 1);
        }
        page.Button(1182)->click();
        ASSERT_TRUE(WaitUntil([&] { return Shows(page.Banner(), LinkBanner::kLostText); }, 15000));
        EXPECT_TRUE(page.Banner()->Text().contains(QStringLiteral("COM1")));
        ASSERT_TRUE(WaitUntil([&] { return Shows(page.Banner(), LinkBanner::kReconnectedText); }, 15000));
        EXPECT_EQ(page.UnsentWrites().size(), 2u) << "kept until the user resends";
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].title, QString::fromUtf8("Gravação interrompida"));
        EXPECT_TRUE(messages_[0].text.contains(QString::fromUtf8("Número de Cilindros")) &&
                    messages_[0].text.contains(QString::fromUtf8("Não gravados")));
        QPushButton* resend = page.Banner()->NoteButton(0);
        EXPECT_EQ(resend->text(), QStringLiteral("Reenviar"));
        resend->click();
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy() && page.UnsentWrites().empty(); }, 30000));
        ClickButton(&page, "Sair");
    });
    EXPECT_EQ(3, FramesOfKind(FrameKind::RegisterWrite)) << "the confirmed entry was not sent again";
}

// Open the monitoring screen on an ECU without power: the snapshot fails,
// the banner comes up, and once the ECU is back the snapshot is read and
// the stream started.
TEST_F(LinkRecoveryTest, AMonitorWhoseSnapshotFailedReadsItAgainOnceTheEcuIsBack) {
    UseRealClock();
    EcuOptions options;
    options.faults.powerCycleAfterMs = 0;
    options.faults.powerOffMs = 2500;
    ConnectSimulatedEcu(1, options);
    CMonitorDialog dialog;
    RunPage(&dialog, [&] {
        ASSERT_TRUE(WaitUntil([&] { return Shows(dialog.Banner(), LinkBanner::kLostText); }, 5000));
        ASSERT_TRUE(WaitUntil([&] { return Shows(dialog.Banner(), LinkBanner::kReconnectedText); }, 10000));
        // Frames sent while the ECU had no power never reached it.
        EXPECT_GE(FramesOfKind(FrameKind::ReadAll), 1) << "the snapshot was read again";
        ASSERT_TRUE(WaitUntil([&] { return Ecu().Streaming() && dialog.FailedPolls() == 0; }, 3000));
        EXPECT_TRUE(WaitUntil([&] { return !dialog.Banner()->isVisible(); }, 6000));
        ClickButton(&dialog, "Retornar");
    });
}

}  // namespace
