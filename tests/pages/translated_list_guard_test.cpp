// A list field with a catalogue installed: the guard puts back the record's
// default, and the list must show it as the option it names (selected, in
// the run's language), not as a Portuguese text the list does not hold.
#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QTest>
#include <QTranslator>

#include "controls/font_label.h"
#include "controls/image_button.h"
#include "pages/vehicle_pages.h"
#include "tests/ui/ui_test_support.h"

namespace {

// A catalogue of a few texts, looked up by their Portuguese id as qtTrId does.
class SmallCatalogue : public QTranslator {
  public:
    explicit SmallCatalogue(QHash<QString, QString> texts) : texts_(std::move(texts)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* sourceText, const char*, int) const override {
        return texts_.value(QString::fromUtf8(sourceText));
    }

  private:
    QHash<QString, QString> texts_;
};

constexpr int kReturnEnabled = 1011;  // "Retorno Automático": Desativado / Ativado, default Desativado
constexpr int kExitButton = 1187;

class TranslatedListGuardTest : public UiTest {
  protected:
    void TearDown() override {
        QCoreApplication::removeTranslator(&catalogue_);
        UiTest::TearDown();
    }
    SmallCatalogue catalogue_{{{"Desativado", "Off"},
                               {"Ativado", "On"},
                               {"Atenção", "Attention"},
                               {"Tempo de Retorno", "Return Time"}}};
};

TEST_F(TranslatedListGuardTest, TheDefaultShowsAsItsOptionInTheRunsLanguage) {
    ASSERT_TRUE(QCoreApplication::installTranslator(&catalogue_));
    ConnectSimulatedEcu(0);
    CVehiclePage page;
    RunActive(&page, [&] {
        QComboBox* list = page.ListField(kReturnEnabled);
        list->setFocus();
        QTest::keyClicks(list, "1");
        // The default is the list's first option, whatever language the
        // options are written in.
        EXPECT_EQ(list->currentIndex(), 0);
        EXPECT_EQ(list->currentText(), list->itemText(0));
        EXPECT_EQ(page.FieldCaption(1231)->text(), "Return Time");
        page.Button(kExitButton)->click();
    });
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].title, "Attention");
}

}  // namespace
