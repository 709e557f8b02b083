// A lost ECU link on a page and on the monitoring screen, with the
// in-process simulator pulling its adapter or losing power: the banner, the
// commands, what the pass reports and keeps, the way back.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPushButton>

#include "app/globals.h"
#include "app/ui/link_banner.h"
#include "app/ui/link_watcher.h"
#include "app/ui/trace_export.h"
#include "app/ui/ui_globals.h"
#include "comm/hex_text.h"
#include "controls/image_button.h"
#include "monitor/monitor_dialog.h"
#include "pages/vehicle_pages.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr int kWriteButton = 1182, kSaveButton = 1189, kMonitorButton = 1190;

bool Shows(LinkBanner* banner, const char* text) {
    return banner->isVisible() && banner->Text().contains(QString::fromUtf8(text));
}

int WritesOf(const SimulatedEcuDevice& ecu, uint8_t reg) {
    int count = 0;
    for (const ReceivedFrame& received : ecu.ReceivedFrames())
        count += received.frame.kind == FrameKind::RegisterWrite && received.frame.reg == reg;
    return count;
}

class LinkRecoveryTest : public UiTest {};

// The basic vehicle page's slow pass (5.4 s an entry): the adapter goes
// after the first entry's confirm frames and before the second's write.
TEST_F(LinkRecoveryTest, APassCutByAPulledAdapterIsReportedKeptAndResentOnlyOnRequest) {
    ModelIndex = 1;
    EcuOptions options;
    options.faults.vanishAfterMs = 6000;
    options.faults.vanishForMs = 1500;
    ConnectSimulatedEcu(1, options);
    CVehicleBasicPage page;
    const RegisterImage before = Ecu().Registers();
    const uint8_t changed[] = {0x2C, 0x2B, 0x13};
    RunPage(&page, [&] {
        for (int id : {1002, 1001, 1005}) {
            QComboBox* list = page.ListField(id);
            list->setCurrentIndex(list->currentIndex() == 1 ? 2 : 1);
        }
        page.Button(kWriteButton)->click();
        ASSERT_TRUE(WaitUntil([&] { return Shows(page.Banner(), LinkBanner::kLostText); }, 15000));
        EXPECT_TRUE(page.Banner()->Text().contains(QStringLiteral("COM1")));
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy(); }, 15000));
        // The page stays readable and savable; nothing can go to the ECU.
        EXPECT_FALSE(page.Button(kWriteButton)->isEnabled());
        EXPECT_FALSE(page.Button(kMonitorButton)->isEnabled());
        EXPECT_TRUE(page.Button(kSaveButton)->isEnabled());
        ASSERT_EQ(page.UnsentWrites().size(), 2u);
        ASSERT_TRUE(WaitUntil([&] { return Shows(page.Banner(), LinkBanner::kReconnectedText); }, 15000));
        EXPECT_TRUE(page.Button(kWriteButton)->isEnabled());

        // Reconnecting wrote nothing; the report named the fields.
        const RegisterImage after = Ecu().Registers();
        int written = 0;
        for (uint8_t reg : changed) {
            written += after.at(reg) != before.at(reg);
            EXPECT_EQ(WritesOf(Ecu(), reg), after.at(reg) != before.at(reg) ? 1 : 0);
        }
        EXPECT_EQ(written, 1) << "one entry was confirmed before the adapter went";
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].title, QString::fromUtf8("Gravação interrompida"));
        EXPECT_TRUE(messages_[0].text.contains(QString::fromUtf8("Número de Cilindros")));
        EXPECT_TRUE(messages_[0].text.contains(QString::fromUtf8("Não gravados")));

        QPushButton* resend = page.Banner()->NoteButton(0);
        ASSERT_TRUE(resend->isVisible());
        EXPECT_EQ(resend->text(), QStringLiteral("Reenviar"));
        resend->click();
        ASSERT_TRUE(WaitUntil([&] { return !page.IsBusy() && page.UnsentWrites().empty(); }, 30000));
        ClickButton(&page, "Sair");
    });
    // Every value went once: the confirmed one was not sent again.
    const RegisterImage done = Ecu().Registers();
    for (uint8_t reg : changed) {
        EXPECT_NE(done.at(reg), before.at(reg)) << IntToHexText(reg);
        EXPECT_EQ(WritesOf(Ecu(), reg), 1) << IntToHexText(reg);
    }
}

// Open the monitoring screen on an ECU without power: the snapshot fails,
// the banner comes up, and once the ECU is back the snapshot is read and
// the stream started with one start frame.
TEST_F(LinkRecoveryTest, AMonitorWhoseSnapshotFailedReadsItAgainOnceTheEcuIsBack) {
    UseRealClock();
    ModelIndex = 1;
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
        ASSERT_TRUE(WaitUntil([&] { return Ecu().Streaming(); }, 3000));
        ASSERT_TRUE(WaitUntil([&] { return dialog.FailedPolls() == 0; }, 3000));
        EXPECT_TRUE(WaitUntil([&] { return !dialog.Banner()->isVisible(); }, 6000));
        ClickButton(&dialog, "Retornar");
    });
}

// Support asks for what went over the link: the page's context menu saves
// the trace, model and port first; a file that cannot be written is said.
TEST_F(LinkRecoveryTest, ThePageExportsTheCommunicationTraceForSupport) {
    ModelIndex = 1;
    ConnectSimulatedEcu(1);
    CVehicleBasicPage page;
    QAction* command = page.findChild<QAction*>(QStringLiteral("exportTrace"));
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->text(), QString::fromUtf8(kExportTraceCommand));
    FileDialogRequest asked{};
    SetFileDialogResponder([&](const FileDialogRequest& request) {
        asked = request;
        return nextFile_;
    });
    nextFile_ = TempPath(QStringLiteral("trace.txt"));
    command->trigger();
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.defaultExtension, QStringLiteral("txt"));
    QFile file(nextFile_);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("Q5100 - COM1"))) << text.left(200).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("OPEN COM1"))) << text.left(400).toStdString();

    nextFile_ = TempPath(QStringLiteral("missing/trace.txt"));
    command->trigger();
    ASSERT_FALSE(messages_.empty());
    EXPECT_TRUE(messages_.back().text.contains(QString::fromUtf8("Não foi possível gravar")));
    EXPECT_FALSE(QFile::exists(nextFile_));
}

}  // namespace
