// Every page of every model, with the messages its file commands raise, seen
// in English and in Spanish: no text may stay in Portuguese and none may be
// cut off. Portuguese is walked first, so a text that never went through the
// catalogue shows up as the same words in both walks.
#include <QSet>

#include "app/globals.h"
#include "app/ui/start_pages.h"
#include "controls/image_button.h"
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

TEST_P(LanguageWalk, EveryTextIsTranslatedAndFits) {
    const struct {
        UiLanguage language;
        const char* code;
    } languages[] = {{UiLanguage::English, "en"}, {UiLanguage::Spanish, "es"}};
    for (int model = 0; model < 3; ++model) {
        QSet<QString> portuguese;
        for (const ShownText& shown : Walk(UiLanguage::Portuguese, model, QString())) {
            portuguese.insert(shown.text);
            EXPECT_FALSE(shown.clipped) << "cut off: pt_BR model " << model << ", " << shown.where.toStdString()
                                        << ": \"" << shown.text.toStdString() << "\"";
        }
        for (const auto& [language, code] : languages) {
            const QMap<QString, QString> catalogue = ReadCatalogue(QString::fromLatin1(code));
            ASSERT_FALSE(catalogue.isEmpty()) << code;
            const QString screenshot = model == 0 || (model == 1 && QString::fromLatin1(GetParam().name).contains(QLatin1String("basic")))
                ? QStringLiteral("%1/%2.png").arg(QLatin1String(code), QLatin1String(GetParam().name)) : QString();
            for (const ShownText& shown : Walk(language, model, screenshot)) {
                const std::string context = std::string(code) + " model " + std::to_string(model) + ", " +
                                            shown.where.toStdString() + ": \"" + shown.text.toStdString() + "\"";
                const bool sameInCatalogue = catalogue.value(shown.text) == shown.text;
                EXPECT_FALSE(catalogue.contains(shown.text) && !sameInCatalogue) << "left in Portuguese: " << context;
                EXPECT_FALSE(portuguese.contains(shown.text) && HasWords(shown.text) && !sameInCatalogue &&
                             !kSameEverywhere.contains(shown.text))
                    << "never translated: " << context;
                EXPECT_FALSE(shown.clipped) << "cut off: " << context;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPage, LanguageWalk, ::testing::ValuesIn(kPages),
                         [](const ::testing::TestParamInfo<WalkedPage>& page) {
                             std::string name = page.param.name;
                             for (char& c : name) if (c == '-') c = '_';
                             return name;
                         });

}  // namespace
