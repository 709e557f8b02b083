// The checks on typed values over the records of the parameter table: the
// text a field takes and the message it shows, on a C and a Brazilian desktop.
#include "pages/input_checks.h"

#include <gtest/gtest.h>

#include <optional>

#include "app/parameter_table.h"
#include "tests/brazilian_locale.h"

namespace {

constexpr const char* kAbove = "Valor acima do limite superior.";
constexpr const char* kBelow = "Valor abaixo do limite inferior.";
constexpr const char* kLimit = "Atenção - Valor limite assumido";
constexpr const char* kMinimum = "Atenção - Valor mínimo assumido";
constexpr const char* kMaximum = "Atenção - Valor máximo assumido";

TEST(InputChecks, TypedValuesAreHeldToTheRecordsLimitsAndOptionsWithTheirMessages) {
    const struct {
        LimitCheck form;
        int pos;
        const char *typed, *shown, *text, *title;  // the message's text and title, or none
    } kCases[] = {
        {LimitCheck::Vehicle, kPos75, "5001", "5000", kAbove, kLimit},
        {LimitCheck::Vehicle, kPos80, "", "1", kBelow, kLimit},  // empty reads as 0
        {LimitCheck::Vehicle, kPos75, "", "", nullptr, nullptr},  // 0 is allowed
        {LimitCheck::Vehicle, kPos80, "100", "100", nullptr, nullptr},
        // Only nine characters count: "0000000050001" is read as 5.
        {LimitCheck::Vehicle, kPos75, "0000000050001", "0000000050001", nullptr, nullptr},
        {LimitCheck::AuxUnscaled, kPos27, "", "0", kBelow, kMinimum},  // empty is -1
        {LimitCheck::AuxUnscaled, kPos27, "0", "0", nullptr, nullptr},
        {LimitCheck::AuxUnscaled, kPos15, "601", "600", kAbove, kMaximum},
        // "70": 0 to 250 steps of 0.02 s, compared and shown in seconds.
        {LimitCheck::AuxScaled, kPos70, "5.00", "5.00", nullptr, nullptr},
        {LimitCheck::AuxScaled, kPos70, "5.01", "5.00", kAbove, kMaximum},
        {LimitCheck::AuxScaled, kPos70, "", "0.00", kBelow, kMinimum},
        {LimitCheck::AuxScaled, kPos79, "26", "25.5", kAbove, kMaximum},
        {LimitCheck::AuxScaled, kPos77, "2.6", "2.50", kAbove, kMaximum},
        {LimitCheck::None, kPos77, "9", "9", nullptr, nullptr},
    };
    FillParameterTable(0);
    for (bool brazilian : {false, true}) {
        std::optional<BrazilianLocale> locale;
        ASSERT_TRUE(!brazilian || locale.emplace().Active());
        for (const auto& row : kCases) {
            const CheckOutcome out = CheckLimitsOnChange(row.typed, g_ParameterTable[row.pos], row.form);
            EXPECT_EQ(out.text + "|" + (out.message ? out.message->text + "|" + out.message->title : "-"),
                      row.shown + std::string("|") + (row.text ? row.text + std::string("|") + row.title : "-"))
                << row.pos << " \"" << row.typed << "\" " << brazilian;
        }
    }
    for (const auto& [typed, pos, kept] : {std::tuple{"9999", kPos75, "5000"}, {"0", kPos80, "1"},
                                           {"-3", kPos75, "0"}, {"2500", kPos75, "2500"}})
        EXPECT_EQ(ClampOnFocusLoss(typed, g_ParameterTable[pos]), kept) << typed;
    // Text typed into a list: the three-line message and the default text.
    const CheckOutcome guard = GuardListField(g_ParameterTable[kPos7F]);
    ASSERT_TRUE(guard.message);
    EXPECT_EQ(guard.text + "|" + guard.message->title + "|" + guard.message->text,
              "Desativado|Atenção|Por favor, não altere diretamente este valor.\n"
              "Use um dos valores predefinidos na lista apresentada.\nFoi assumido um dos valores validos.\n");
    EXPECT_EQ(GuardListField(g_ParameterTable[kPos10]).text + GuardListField(g_ParameterTable[kPos12]).text, "0-500.00");
    ClearParameterTable();
}

}  // namespace
