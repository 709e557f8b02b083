// Every page of every model, with the messages its file commands raise, seen
// in English and in Spanish: no text may stay in Portuguese and none may be
// cut off. Portuguese is walked first, so a text that never went through the
// catalogue shows up as the same words in both walks.
#include <QSet>
#include <QTest>

#include "app/globals.h"
#include "app/ui/start_pages.h"
#include "comm/hex_text.h"
#include "controls/image_button.h"
#include "log/datalog_reader.h"
#include "monitor/log_viewer.h"
#include "pages/compare_dialog.h"
#include "i18n/language.h"
#include "i18n/ui_text.h"
#include "monitor/monitor_dialog.h"
#include "pages/actuator_page.h"
#include "pages/aux_pages.h"
#include "pages/config_page.h"
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

struct WalkedPage {
    const char* name;
    PagePtr (*make)();
};

const WalkedPage kPages[] = {
    {"language-page", Make<CLanguagePage>},     {"model-page", Make<CModelPage>},
    {"port-page", MakePortPage},                {"customer-page", Make<CCustomerPage>},
    {"vehicle-page", Make<CVehiclePage>},       {"vehicle-basic-page", Make<CVehicleBasicPage>},
    {"lambda-page", Make<CLambdaPage>},         {"lambda-basic-page", Make<CLambdaBasicPage>},
    {"aux-page", Make<CAuxPage>},               {"aux-basic-page", Make<CAuxBasicPage>},
    {"actuator-page", Make<CActuatorPage>},     {"monitor", Make<CMonitorDialog>},
};

// Words that are the same in every language: the languages' own names, a
// model's name, a unit.
const QSet<QString> kSameEverywhere = {QStringLiteral("Português"), QStringLiteral("English"),
                                       QStringLiteral("Español"), QStringLiteral("Q5100 plus"),
                                       QStringLiteral("rpm")};

// Only words can be left untranslated: "Q7100", "RPM", "12.5 V" cannot, nor
// a serial device as the system describes it.
bool HasWords(const QString& text) {
    if (text.contains(QLatin1String("/dev/"))) return false;
    int run = 0;
    for (QChar c : text) {
        run = c.isLower() ? run + 1 : 0;
        if (run >= 3) return true;
    }
    return false;
}

const char* kFileIds[] = {"1192", "1189"};  // load, save

class DialogWalk : public UiTest {
protected:
    void TearDown() override {
        InstallLanguage(UiLanguage::Portuguese);
        UiTest::TearDown();
    }
};

class LanguageWalk : public UiTest, public ::testing::WithParamInterface<WalkedPage> {
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
            for (const char* id : kFileIds) {
                CImageButton* button = config ? config->Button(QString::fromLatin1(id).toInt()) : nullptr;
                if (!button || !button->isEnabled()) continue;
                nextFile_ = id == kFileIds[0] ? TempPath(QStringLiteral("nao-existe.ini"))
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

// Walks whatever `walk` shows in Portuguese, then in English and Spanish:
// nothing cut off in any of them, and in the other two no text that is a
// catalogue id, nor the same words the Portuguese walk showed.
void ExpectTranslatedAndFitting(const std::string& what,
                                const std::function<std::vector<ShownText>(UiLanguage, const char* code)>& walk) {
    QSet<QString> portuguese;
    for (const ShownText& shown : walk(UiLanguage::Portuguese, "pt_BR")) {
        portuguese.insert(shown.text);
        EXPECT_FALSE(shown.clipped) << "cut off: pt_BR " << what << ", " << shown.where.toStdString() << ": \""
                                    << shown.text.toStdString() << "\"";
    }
    const std::pair<UiLanguage, const char*> languages[] = {{UiLanguage::English, "en"}, {UiLanguage::Spanish, "es"}};
    for (const auto& [language, code] : languages) {
        const QMap<QString, QString> catalogue = ReadCatalogue(QString::fromLatin1(code));
        ASSERT_FALSE(catalogue.isEmpty()) << code;
        for (const ShownText& shown : walk(language, code)) {
            const std::string context =
                std::string(code) + " " + what + ", " + shown.where.toStdString() + ": \"" + shown.text.toStdString() + "\"";
            const bool sameInCatalogue = catalogue.value(shown.text) == shown.text;
            EXPECT_FALSE(catalogue.contains(shown.text) && !sameInCatalogue) << "left in Portuguese: " << context;
            EXPECT_FALSE(portuguese.contains(shown.text) && HasWords(shown.text) && !sameInCatalogue &&
                         !kSameEverywhere.contains(shown.text))
                << "never translated: " << context;
            EXPECT_FALSE(shown.clipped) << "cut off: " << context;
        }
    }
}

TEST_P(LanguageWalk, EveryTextIsTranslatedAndFits) {
    const QString name = QString::fromLatin1(GetParam().name);
    for (int model = 0; model < 3; ++model) {
        // One screenshot per page and language: the Q5100's for the basic pages.
        const bool screenshot = model == (name.contains(QLatin1String("basic")) ? 1 : 0);
        ExpectTranslatedAndFitting("model " + std::to_string(model), [&](UiLanguage language, const char* code) {
            const bool save = screenshot && language != UiLanguage::Portuguese;
            return Walk(language, model, save ? QStringLiteral("%1/%2.png").arg(QLatin1String(code), name) : QString());
        });
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPage, LanguageWalk, ::testing::ValuesIn(kPages),
                         [](const ::testing::TestParamInfo<WalkedPage>& page) {
                             std::string name = page.param.name;
                             for (char& c : name) if (c == '-') c = '_';
                             return name;
                         });

// The comparison boxes (before a write that changes several registers, and
// after a Load) and the log viewer with a recorded drive.
TEST_F(DialogWalk, ComparisonBoxesAndTheLogViewerAreTranslatedAndFit) {
    auto log = std::make_shared<Datalog>();
    log->header.model = "Q7100";
    for (int i = 0; i < 50; ++i) {
        log->times.push_back(i * 100);
        const double row[kLogChannelCount] = {850.0 + i, 0.5, 0.45, 80, 1, 3.5};
        for (int c = 0; c < kLogChannelCount; ++c) log->values[c].push_back(row[c]);
    }
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
