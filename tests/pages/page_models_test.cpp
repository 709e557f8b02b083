// Every page's fields against the registers they stand for: what a field
// shows for the ECU's values and what Enter writes back, which writes a
// page's write button queues and in which order, where a fill stops; the
// checks on typed values. All of it also on a Brazilian desktop, whose C
// runtime writes "1,50".
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "app/parameter_table.h"
#include "pages/actuator_page_model.h"
#include "pages/aux_page_model.h"
#include "pages/input_checks.h"
#include "pages/lambda_page_model.h"
#include "pages/vehicle_page_model.h"
#include "tests/brazilian_locale.h"

namespace {

using Regs = std::vector<std::pair<std::string, std::string>>;

// The pages, as flags: a row may hold for several.
enum Page {
    kVehicle = 1, kVehicleBasic = 2, kAux = 4, kAuxBasic = 8, kLambda = 16, kLambdaBasic = 32, kActuator = 64,
    kVehicles = kVehicle | kVehicleBasic, kAuxes = kAux | kAuxBasic,
};

const PageModel& ModelOf(int page) {
    static const PageModel* const kModels[] = {&VehicleModel(), &VehicleBasicModel(), &AuxModel(),
                                               &AuxBasicModel(), &LambdaModel(), &LambdaBasicModel(),
                                               &ActuatorModel()};
    return *kModels[__builtin_ctz(static_cast<unsigned>(page))];
}

// The simulated ECU's factory values, with the Q5100's cut-off period of
// 4500 rpm in 25..27 (the other pages read 26 and 27 as 13333 rpm).
const Regs kEcu = {
    {"10", "1"},  {"12", "5"},  {"13", "1"},  {"15", "3C"}, {"16", "0"},  {"1E", "24"}, {"1F", "24"},
    {"20", "1"},  {"21", "14"}, {"25", "0"},  {"26", "34"}, {"27", "15"}, {"2B", "2"},  {"2C", "4"},
    {"3D", "50"}, {"3E", "96"}, {"41", "A"},  {"42", "14"}, {"45", "2"},  {"46", "5"},  {"60", "0"},
    {"70", "19"}, {"74", "1"},  {"75", "B0"}, {"76", "4"},  {"77", "32"}, {"78", "0"},  {"79", "23"},
    {"7A", "16"}, {"7B", "1A"}, {"7C", "1E"}, {"7F", "0"},  {"80", "5"},  {"82", "1"}};

// The ECU's values with `changes` over them; `differ` gives each changed
// register another value instead.
void Load(CRX4DATA& store, const Regs& changes, bool differ = false) {
    for (const auto& [reg, value] : kEcu) store.Add(reg.c_str(), value.c_str());
    for (const auto& [reg, value] : changes)
        store.Add(reg.c_str(), !differ ? value.c_str() : value == "FE" ? "FD" : "FE");
}

Regs Queued(const PendingWrites& pending) {
    Regs regs;
    for (uint32_t i = 0; i < pending.Count; ++i)
        regs.emplace_back(pending.Entries[i].Register, pending.Entries[i].Value);
    return regs;
}

// Pages, the field's focus key, its label, what it shows (and what the user
// types or picks), the registers in the order Enter queues them.
const struct Conversion {
    int pages;
    const char *key, *caption, *shown;
    Regs ecu;
} kConversions[] = {
    {kVehicles, "2C", "Número de Cilindros", "8", {{"2C", "8"}}},
    {kVehicles, "2B", "Número de Bobinas", "Tacômetro", {{"2B", "9"}}},
    {kVehicles, "13", "Tipo de Sonda Lâmbda", "0-5", {{"13", "2"}}},
    {kVehicles, "10", "Tipo de TPS", "5-0", {{"10", "2"}}},
    {kVehicles, "12", "Histerese do TPS", "0.14", {{"12", "7"}}},
    {kVehicle, "7F", "Retorno Automático (Combustível Líquido)", "Ativado", {{"7F", "1"}}},
    {kVehicle, "80", "Tempo de Retorno", "100", {{"80", "64"}}},
    {kVehicle, "75_76", "RPM de Comutação", "5000", {{"75", "88"}, {"76", "13"}}},
    {kVehicle, "74", "Tipo de Comutação", "Descendente", {{"74", "0"}}},
    {kAuxes, "20", "Cut Off", "Desativado", {{"20", "0"}}},
    {kAuxes, "21", "Abertura de Cut Off", "10", {{"21", "A"}}},
    {kAuxes, "15_16", "Tempo de Aquecimento da Sonda Lâmbda", "600", {{"15", "58"}, {"16", "2"}}},
    // The Q5100's speed: 2 coils x 120000000 / (4 cylinders x 3000 rpm).
    {kAuxBasic, "26_27", "RPM de Cut Off", "3000", {{"27", "20"}, {"26", "4E"}, {"25", "0"}}},
    {kAux, "26_27", "RPM de Cut Off", "3000", {{"26", "B"}, {"27", "B8"}}},
    {kAux, "70", "Delay de Cut Off", "1.50", {{"70", "4B"}}},
    {kAux, "77", "Tempo de sobreposição", "2.50", {{"77", "FA"}}},
    {kAux, "82", "Relé Auxiliar", "Reset de Memória", {{"82", "0"}}},
    {kLambda, "1E", "Tempo ON", "1.05", {{"1E", "69"}}},
    {kLambda, "1F", "Tempo Off", "2.55", {{"1F", "FF"}}},  // 254.99999 counts: rounded, not cut
    {kLambdaBasic, "1E", "Tempo ON", "2.50", {{"1E", "FA"}}},
    {kLambda, "79", "Tempo Injeção Padrão", "12.5", {{"79", "7D"}}},
    // The signal type goes as a group; a time that changed rides along.
    {kLambda, "60_78", "Tipo de Sinal Simulado", "Aberto", {{"60", "01"}, {"78", "00"}}},
    {kLambda, "60_78", "Tipo de Sinal Simulado", "Especifico",
     {{"60", "00"}, {"78", "00"}, {"1E", "32"}}},
    {kLambdaBasic, "60_78", "Tipo de Sinal Simulado", "Aberto", {{"60", "01"}}},
    {kLambdaBasic, "60_78", "Tipo de Sinal Simulado", "Específico", {{"60", "00"}, {"1E", "32"}}},
    // "Real": Enter in the mode list writes the group, the mode first.
    {kLambda, "78", "Modo de Funcionamento", "Manual", {{"78", "02"}, {"60", "00"}}},
    {kLambda, "60_78", "Tipo de Sinal Simulado", "Real", {{"78", "01"}, {"60", "00"}}},
    {kActuator, "3D", "Default", "240", {{"3D", "F0"}}},
    {kActuator, "45", "Passos Mín", "1", {{"45", "1"}}},
};

// Per page: what the write button queues for an unchanged page, and for a
// page whose every register differs in the ECU (the page's write order); a
// register whose absence stops a fill, a field filled before it, one after.
const struct PageFacts {
    int page;
    Regs unchanged, all;
    const char *missing, *filledKey, *keptKey;
} kPages[] = {
    {kVehicle, {{"2C", "4"}},
     {{"75", "B0"}, {"76", "4"}, {"74", "1"}, {"7F", "0"}, {"80", "5"},
      {"2B", "2"}, {"2C", "4"}, {"10", "1"}, {"12", "5"}, {"13", "1"}}, "76", "80", "75_76"},
    {kVehicleBasic, {{"2C", "4"}},
     {{"2B", "2"}, {"2C", "4"}, {"10", "1"}, {"12", "5"}, {"13", "1"}}, "2B", "13", "2C"},
    {kAux, {{"26", "34"}, {"27", "15"}, {"15", "3C"}, {"16", "0"}},
     {{"20", "1"}, {"82", "1"}, {"26", "34"}, {"27", "15"}, {"21", "14"},
      {"15", "3C"}, {"16", "0"}, {"70", "19"}, {"77", "32"}}, "82", "21", "26_27"},
    {kAuxBasic, {{"27", "15"}, {"26", "34"}, {"25", "0"}, {"15", "3C"}, {"16", "0"}},
     {{"20", "1"}, {"27", "15"}, {"26", "34"}, {"25", "0"}, {"21", "14"}, {"15", "3C"}, {"16", "0"}},
     "2C", "21", "26_27"},
    {kLambda, {{"60", "00"}, {"78", "00"}},
     {{"1E", "24"}, {"1F", "24"}, {"79", "23"}, {"60", "00"}, {"78", "00"}}, "7C", "79", ""},
    {kLambdaBasic, {{"60", "00"}}, {{"1E", "24"}, {"1F", "24"}, {"60", "00"}}, "60", "1F", "60_78"},
    {kActuator, {},
     {{"3D", "50"}, {"45", "2"}, {"41", "A"}, {"3E", "96"}, {"46", "5"}, {"42", "14"}}, "41", "45", "3E"},
};

// The models each page serves: Q7100 (0), Q5100 (1), "Q5100 plus" (2).
std::vector<int> ModelsOf(int page) {
    if (page == kActuator) return {0, 1, 2};
    if (page == kVehicle) return {0};
    if (page == kVehicleBasic) return {1, 2};
    return page & (kAuxBasic | kLambdaBasic) ? std::vector<int>{1} : std::vector<int>{0, 2};
}

class PageModelTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override { ASSERT_TRUE(!GetParam() || brazil_.emplace().Active()); }
    void TearDown() override { ClearParameterTable(); }
    std::optional<BrazilianLocale> brazil_;
};

TEST_P(PageModelTest, EachFieldShowsItsRegistersAndEnterWritesThemBack) {
    for (const Conversion& row : kConversions) {
        for (int page = kVehicle; page <= kActuator; page <<= 1) {
            if (!(row.pages & page)) continue;
            for (int modelIndex : ModelsOf(page)) {
                SCOPED_TRACE(testing::Message() << "page " << page << " model " << modelIndex
                                                << ": " << row.caption << " " << row.shown);
                FillParameterTable(modelIndex);
                const PageModel& model = ModelOf(page);
                const FieldDef* field = model.FindFieldByKey(row.key);
                ASSERT_NE(field, nullptr);
                EXPECT_STREQ(field->label, row.caption);
                CRX4DATA store, reference;
                Load(store, row.ecu);
                Load(reference, row.ecu, true);
                FieldValues values;
                ASSERT_EQ(model.FillFromStore(store, values), 0);
                // A list shows and takes an option, an edit a text.
                FieldValue& value = values[field->controlId];
                const std::vector<std::string> options = model.Options(field->controlId);
                const bool list = field->kind == FieldKind::List;
                ASSERT_TRUE(!list || value.index >= 0);
                EXPECT_EQ(list ? options.at(static_cast<size_t>(value.index)) : value.text, row.shown);
                const auto picked = std::find(options.begin(), options.end(), row.shown) - options.begin();
                value = list ? FieldValue{static_cast<int>(picked), ""} : FieldValue{-1, row.shown};
                const auto* lambda = dynamic_cast<const LambdaPageModelBase*>(&model);
                const std::string key = lambda ? lambda->EnterKeyFor(row.key) : row.key;
                EXPECT_TRUE(model.IsWritableKey(key));
                PendingWrites pending;
                model.QueueFieldForKey(key, values, reference, pending);
                EXPECT_EQ(Queued(pending), row.ecu);
            }
        }
    }
}

TEST_P(PageModelTest, TheWriteButtonQueuesThePageInItsOrderAndTheGroupsAlways) {
    for (const PageFacts& row : kPages) {
        for (int modelIndex : ModelsOf(row.page)) {
            SCOPED_TRACE(testing::Message() << "page " << row.page << " model " << modelIndex);
            FillParameterTable(modelIndex);
            const PageModel& model = ModelOf(row.page);
            CRX4DATA store, reference;
            Load(store, {});
            Load(reference, row.all, true);
            FieldValues values;
            ASSERT_EQ(model.FillFromStore(store, values), 0);
            PendingWrites pending;
            model.QueueWrites("FULL", values, store, pending);
            EXPECT_EQ(Queued(pending), row.unchanged);
            pending.Clear();
            model.QueueWrites("FULL", values, reference, pending);
            EXPECT_EQ(Queued(pending), row.all);
        }
    }
}

// A store without one of the page's registers: the fields before it in the
// page's fill order take the store's values, those after it keep theirs.
TEST_P(PageModelTest, AFillStopsAtTheFirstMissingRegister) {
    for (const PageFacts& row : kPages) {
        SCOPED_TRACE(testing::Message() << "page " << row.page << " without " << row.missing);
        FillParameterTable(ModelsOf(row.page).front());
        const PageModel& model = ModelOf(row.page);
        CRX4DATA store;
        for (const auto& [reg, value] : kEcu)
            if (reg != row.missing) store.Add(reg.c_str(), value.c_str());
        FieldValues values;
        for (const FieldDef& field : model.Fields()) values[field.controlId] = {-7, "old"};
        EXPECT_EQ(model.FillFromStore(store, values), 1);
        const auto untouched = [&](const char* key) {
            const FieldValue& value = values[model.FindFieldByKey(key)->controlId];
            return value.index == -7 && value.text == "old";
        };
        EXPECT_FALSE(untouched(row.filledKey));
        EXPECT_TRUE(row.keptKey[0] == 0 || untouched(row.keptKey));
    }
}

TEST_P(PageModelTest, TheQ5100CutOffSpeedStaysWithinWhatItsPeriodCanSay) {
    FillParameterTable(1);
    const PageModel& model = ModelOf(kAuxBasic);
    const auto write = [&](const Regs& ecu, int control, const char* text) {
        CRX4DATA reference;
        Load(reference, ecu);
        FieldValues values;
        values[control].text = text;
        PendingWrites pending;
        model.QueueFieldForKey(model.FindField(control)->focusKey, values, reference, pending);
        return Queued(pending);
    };
    // Above 5000 rpm the period of 5000 goes; 1 rpm over 8 coils and 2 pulses
    // would take 480 million, more than 24 bits hold.
    EXPECT_EQ(write({}, kAuxCutOffRpm, "6000"), (Regs{{"27", "E0"}, {"26", "2E"}, {"25", "0"}}));
    EXPECT_EQ(write({{"2B", "8"}, {"2C", "2"}}, kAuxCutOffRpm, "1"),
              (Regs{{"27", "FF"}, {"26", "FF"}, {"25", "FF"}}));
    // No speed, a tachometer input ("2B" 0), no pulses, no period: nothing to
    // divide by, so nothing is written and the speed shows 0.
    for (const Regs& ecu : {Regs{}, Regs{{"2B", "0"}}, Regs{{"2C", "0"}}})
        EXPECT_EQ(write(ecu, kAuxCutOffRpm, ecu.empty() ? "0" : "3000"), Regs{});
    for (const Regs& ecu : {Regs{{"2C", "0"}}, Regs{{"25", "0"}, {"26", "0"}, {"27", "0"}}}) {
        CRX4DATA store;
        FieldValues values;
        Load(store, ecu);
        EXPECT_TRUE(model.FillFromStore(store, values) == 0 && values[kAuxCutOffRpm].text == "0");
    }
}

// The checks on typed values over the records of the parameter table: the
// text a field takes and the message it shows.
constexpr const char* kAbove = "Valor acima do limite superior.";
constexpr const char* kBelow = "Valor abaixo do limite inferior.";
constexpr const char* kLimit = "Atenção - Valor limite assumido";
constexpr const char* kMinimum = "Atenção - Valor mínimo assumido";
constexpr const char* kMaximum = "Atenção - Valor máximo assumido";

TEST_P(PageModelTest, TypedValuesAreHeldToTheRecordsLimitsAndOptionsWithTheirMessages) {
    const struct {
        LimitCheck form;
        int pos;
        const char *typed, *shown, *text, *title;  // the message's text and title, or none
    } kCases[] = {
        {LimitCheck::Vehicle, kPos75, "5001", "5000", kAbove, kLimit},
        {LimitCheck::Vehicle, kPos80, "", "1", kBelow, kLimit},  // empty reads as 0
        {LimitCheck::Vehicle, kPos75, "", "", nullptr, nullptr},  // 0 is allowed
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
    for (const auto& row : kCases) {
        const CheckOutcome out = CheckLimitsOnChange(row.typed, g_ParameterTable[row.pos], row.form);
        EXPECT_EQ(out.text + "|" + (out.message ? out.message->text + "|" + out.message->title : "-"),
                  row.shown + std::string("|") + (row.text ? row.text + std::string("|") + row.title : "-"))
            << row.pos << " \"" << row.typed << "\"";
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
}


INSTANTIATE_TEST_SUITE_P(Locales, PageModelTest, ::testing::Values(false, true),
                         [](const auto& p) { return p.param ? "pt_BR" : "C"; });

}  // namespace
