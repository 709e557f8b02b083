// A list field with a catalogue installed: the guard puts back the record's
// default, and the list must show it as the option it names (selected, in
// the run's language), not as a Portuguese text the list does not hold.
#include <QComboBox>
#include <QTest>

#include "controls/font_label.h"
#include "controls/image_button.h"
#include "pages/vehicle_pages.h"
#include "tests/support/marking_translator.h"
#include "tests/ui/ui_test_support.h"

namespace {

constexpr int kReturnEnabled = 1011;  // "Retorno Automático": Desativado / Ativado, default Desativado
constexpr int kExitButton = 1187;

using TranslatedListGuardTest = UiTest;

TEST_F(TranslatedListGuardTest, TheDefaultShowsAsItsOptionInTheRunsLanguage) {
    const MarkingTranslator translator;
    ConnectSimulatedEcu(0);
    CVehiclePage page;
    RunActive(&page, [&] {
        QComboBox* list = page.ListField(kReturnEnabled);
        list->setFocus();
        QTest::keyClicks(list, "1");
        // The default is the list's first option, whatever language the
        // options are written in.
        EXPECT_EQ(list->currentIndex(), 0);
        EXPECT_EQ(list->currentText(), MarkingTranslator::Marked("Desativado"));
        EXPECT_EQ(page.FieldCaption(1231)->text(), MarkingTranslator::Marked("Tempo de Retorno"));
        page.Button(kExitButton)->click();
    });
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].title, MarkingTranslator::Marked("Atenção"));
}

}  // namespace
