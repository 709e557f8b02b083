// The boxes and windows that are not pages, seen in the three languages as
// the pages are (page_base_test.cpp): nothing left in Portuguese, nothing cut off.
#include <QTest>

#include "comm/hex_text.h"
#include "monitor/log_viewer.h"
#include "pages/compare_dialog.h"
#include "tests/monitor/log_samples.h"
#include "tests/ui/shown_texts.h"
#include "tests/ui/ui_test_support.h"

namespace {

class DialogWalk : public UiTest {
protected:
    void TearDown() override {
        InstallLanguage(UiLanguage::Portuguese);
        UiTest::TearDown();
    }
};

// The comparison boxes (before a write that changes several registers, and
// after a Load) and the log viewer with a recorded drive.
TEST_F(DialogWalk, ComparisonBoxesAndTheLogViewerAreTranslatedAndFit) {
    auto log = IdleLog(50);
    log->events.push_back({1200, "marca 1"});
    log->events.push_back({2400, "calibração iniciada"});
    for (int model = 0; model < 3; ++model) {
        SimulatedEcuDevice& ecu = UseSimulatedEcu(model);
        CRX4DATA inEcu, inFile;
        int changed = 0;
        for (const auto& [reg, value] : ecu.Registers()) {
            inEcu.Add(IntToHexText(reg).c_str(), IntToHexText(value).c_str());
            inFile.Add(IntToHexText(reg).c_str(), IntToHexText(changed++ < 3 ? (value + 1) % 256 : value).c_str());
        }
        ExpectTranslatedAndFitting("model " + std::to_string(model), [&](UiLanguage language, const char* code) {
            InstallLanguage(language);
            std::vector<ShownText> texts;
            nextCompareAnswer_ = QDialog::Rejected;
            onCompare_ = [&](CCompareDialog& dialog) {
                dialog.show();
                EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
                for (const ShownText& shown : ShownTexts(&dialog)) texts.push_back(shown);
                if (model == 0 && language != UiLanguage::Portuguese)
                    SaveScreenshot(&dialog, QStringLiteral("%1/compare-%2.png")
                                                .arg(QLatin1String(code), QLatin1String(dialog.AcceptButton() ? "before-write" : "dialog")));
                dialog.hide();
            };
            EXPECT_FALSE(ConfirmWriteDialog(nullptr, model, inEcu, inFile));
            ShowFileComparison(nullptr, model, inEcu, inFile, TempPath(QStringLiteral("carro.ini")));
            EXPECT_EQ(2u, comparisons_.size());
            comparisons_.clear();
            LogViewer viewer;
            viewer.resize(1100, 760);
            viewer.ShowLog(log, QStringLiteral("ABC1D23.CSV"));
            viewer.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&viewer));
            for (const ShownText& shown : ShownTexts(&viewer)) texts.push_back(shown);
            if (model == 0 && language != UiLanguage::Portuguese)
                SaveScreenshot(&viewer, QStringLiteral("%1/log-viewer.png").arg(QLatin1String(code)));
            return texts;
        });
    }
}

}  // namespace
