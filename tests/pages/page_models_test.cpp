// Every page's fields against the registers they stand for: what a field
// shows for the ECU's values and what Enter writes back, which writes a
// page's write button queues and in which order, where a fill stops. All of
// it also on a Brazilian desktop, whose C runtime writes "1,50".
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/parameter_table.h"
#include "pages/actuator_page_model.h"
#include "pages/aux_page_model.h"
#include "pages/lambda_page_model.h"
#include "pages/vehicle_page_model.h"
#include "tests/brazilian_locale.h"

namespace {

using Regs = std::vector<std::pair<std::string, std::string>>;

// The pages, as flags: a row may hold for several.
enum Page {
    kVehicle = 1, kVehicleBasic = 2, kAux = 4, kAuxBasic = 8,
    kLambda = 16, kLambdaBasic = 32, kActuator = 64,
    kVehicles = kVehicle | kVehicleBasic, kAuxes = kAux | kAuxBasic, kLambdas = kLambda | kLambdaBasic,
};

const PageModel& ModelOf(int page) {
    static const AuxPageModel aux;
    static const AuxBasicPageModel auxBasic;
    static const LambdaPageModel lambda;
    static const LambdaBasicPageModel lambdaBasic;
    static const ActuatorPageModel actuator;
    switch (page) {
        case kVehicle: return VehicleModel();
        case kVehicleBasic: return VehicleBasicModel();
        case kAux: return aux;
        case kAuxBasic: return auxBasic;
        case kLambda: return lambda;
        case kLambdaBasic: return lambdaBasic;
        default: return actuator;
    }
}

// The model each page serves first: the Q7100 (0) or the Q5100 (1).
int ModelIndexOf(int page) { return page & (kVehicleBasic | kAuxBasic | kLambdaBasic) ? 1 : 0; }

// The simulated ECU's factory values, with the Q5100's cut-off period of
// 4500 rpm in 25..27 (the other pages read 26 and 27 as 13333 rpm).
const Regs kEcu = {{"10", "1"},  {"12", "5"},  {"13", "1"},  {"15", "3C"}, {"16", "0"},
                   {"1E", "24"}, {"1F", "24"}, {"20", "1"},  {"21", "14"}, {"25", "0"},
                   {"26", "34"}, {"27", "15"}, {"2B", "2"},  {"2C", "4"},  {"3D", "50"},
                   {"3E", "96"}, {"41", "A"},  {"42", "14"}, {"45", "2"},  {"46", "5"},
                   {"60", "0"},  {"70", "19"}, {"74", "1"},  {"75", "B0"}, {"76", "4"},
                   {"77", "32"}, {"78", "0"},  {"79", "23"}, {"7A", "16"}, {"7B", "1A"},
                   {"7C", "1E"}, {"7F", "0"},  {"80", "5"},  {"82", "1"}};

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

// What a field shows: a list its option's text, an edit its text.
std::string Shown(const PageModel& model, const FieldDef& field, const FieldValue& value) {
    if (field.kind == FieldKind::Numeric) return value.text;
    const std::vector<std::string> options = model.Options(field.controlId);
    return value.index >= 0 && value.index < static_cast<int>(options.size()) ? options[value.index]
                                                                            : "?";
}

int OptionIndex(const PageModel& model, int controlId, const std::string& text) {
    const std::vector<std::string> options = model.Options(controlId);
    for (size_t i = 0; i < options.size(); ++i)
        if (options[i] == text) return static_cast<int>(i);
    return -1;
}

struct Conversion {
    int pages;
    const char* key;      // the field's focus key
    const char* caption;  // its label
    const char* shown;    // what it shows, and what the user types or picks
    Regs ecu;             // the registers, in the order Enter queues them
};

const Conversion kConversions[] = {
    {kVehicles, "2C", "Número de Cilindros", "8", {{"2C", "8"}}},
    {kVehicles, "2B", "Número de Bobinas", "Tacômetro", {{"2B", "9"}}},
    {kVehicles, "2B", "Número de Bobinas", "3", {{"2B", "3"}}},
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
    {kLambda, "1F", "Tempo Off", "2.55", {{"1F", "FF"}}},
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
    {kLambda, "60_78", "Tipo de Sinal Simulado", "Padrão", {{"60", "00"}, {"78", "00"}}},
    {kActuator, "3D", "Default", "240", {{"3D", "F0"}}},
    {kActuator, "45", "Passos Mín", "1", {{"45", "1"}}},
    {kActuator, "42", "Passos Máx", "40", {{"42", "28"}}},
};

// Per page: what the write button queues for an unchanged page, and for a
// page whose every register differs in the ECU (the page's write order).
struct WriteOrder {
    int page;
    Regs unchanged;
    Regs all;
};

const WriteOrder kWriteOrders[] = {
    {kVehicle, {{"2C", "4"}},
     {{"75", "B0"}, {"76", "4"}, {"74", "1"}, {"7F", "0"}, {"80", "5"},
      {"2B", "2"}, {"2C", "4"}, {"10", "1"}, {"12", "5"}, {"13", "1"}}},
    {kVehicleBasic, {{"2C", "4"}},
     {{"2B", "2"}, {"2C", "4"}, {"10", "1"}, {"12", "5"}, {"13", "1"}}},
    {kAux, {{"26", "34"}, {"27", "15"}, {"15", "3C"}, {"16", "0"}},
     {{"20", "1"}, {"82", "1"}, {"26", "34"}, {"27", "15"}, {"21", "14"},
      {"15", "3C"}, {"16", "0"}, {"70", "19"}, {"77", "32"}}},
    {kAuxBasic, {{"27", "15"}, {"26", "34"}, {"25", "0"}, {"15", "3C"}, {"16", "0"}},
     {{"20", "1"}, {"27", "15"}, {"26", "34"}, {"25", "0"}, {"21", "14"}, {"15", "3C"}, {"16", "0"}}},
    {kLambda, {{"60", "00"}, {"78", "00"}},
     {{"1E", "24"}, {"1F", "24"}, {"79", "23"}, {"60", "00"}, {"78", "00"}}},
    {kLambdaBasic, {{"60", "00"}}, {{"1E", "24"}, {"1F", "24"}, {"60", "00"}}},
    {kActuator, {},
     {{"3D", "50"}, {"45", "2"}, {"41", "A"}, {"3E", "96"}, {"46", "5"}, {"42", "14"}}},
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
    void SetUp() override {
        if (GetParam()) {
            ASSERT_TRUE(brazil_.emplace().Active());
        }
    }
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
                EXPECT_EQ(Shown(model, *field, values[field->controlId]), row.shown);

                FieldValue& typed = values[field->controlId];
                typed = {};
                if (field->kind == FieldKind::List)
                    typed.index = OptionIndex(model, field->controlId, row.shown);
                else
                    typed.text = row.shown;
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
    for (const WriteOrder& row : kWriteOrders) {
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
    const struct {
        int page;
        const char* missing;
        const char* filledKey;
        const char* keptKey;
    } kCases[] = {
        {kVehicle, "76", "80", "75_76"},   {kVehicle, "74", "75_76", "10"},
        {kVehicleBasic, "2B", "13", "2C"}, {kAux, "82", "21", "26_27"},
        {kAuxBasic, "2C", "21", "26_27"},  {kAuxBasic, "16", "26_27", "15_16"},
        {kLambda, "7C", "79", ""},         {kLambdaBasic, "60", "1F", "60_78"},
        {kActuator, "41", "45", "3E"},
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(testing::Message() << "page " << row.page << " without " << row.missing);
        FillParameterTable(ModelIndexOf(row.page));
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
    const auto write = [&](const Regs& ecu, const char* key, int control, const char* text) {
        CRX4DATA reference;
        Load(reference, ecu);
        FieldValues values;
        values[control].text = text;
        PendingWrites pending;
        model.QueueFieldForKey(key, values, reference, pending);
        return Queued(pending);
    };
    // Above 5000 rpm the period of 5000 goes; the opening stays in 1..100.
    EXPECT_EQ(write({}, "26_27", kAuxCutOffRpm, "6000"), (Regs{{"27", "E0"}, {"26", "2E"}, {"25", "0"}}));
    EXPECT_EQ(write({}, "21", kAuxCutOffOpening, "150"), (Regs{{"21", "64"}}));
    EXPECT_EQ(write({}, "21", kAuxCutOffOpening, "0"), (Regs{{"21", "1"}}));
    // No speed, a tachometer input ("2B" 0) or no pulses: nothing to divide by.
    EXPECT_EQ(write({}, "26_27", kAuxCutOffRpm, "0"), Regs{});
    EXPECT_EQ(write({{"2B", "0"}}, "26_27", kAuxCutOffRpm, "3000"), Regs{});
    EXPECT_EQ(write({{"2C", "0"}}, "26_27", kAuxCutOffRpm, "3000"), Regs{});
    EXPECT_EQ(CutOffRpmFromPeriod(0, 2, 4), 0u);
    EXPECT_EQ(CutOffRpmFromPeriod(20000, 2, 0), 0u);
    // 1 rpm with 8 coils over 2 pulses: 480 million does not fit 24 bits.
    EXPECT_EQ(CutOffPeriodFromRpm(1, 8, 2), kMaxCutOffPeriod);
    CRX4DATA store;
    Load(store, {{"2B", "0"}});
    FieldValues values;
    ASSERT_EQ(model.FillFromStore(store, values), 0);
    EXPECT_EQ(values[kAuxCutOffRpm].text, "0");
}

TEST_P(PageModelTest, SpinsStepInDisplayUnitsAndTheDelayIsNormalised) {
    const struct {
        int page;
        int control;
        SpinRange range;
    } kRanges[] = {
        {kVehicle, 1124, {0, 5000, 50, 0}},
        {kVehicle, 1231, {1, 100, 1, 0}},
        {kAux, kAuxCutOffDelay, {0, 5.0, 0.02, 2}},
        {kAux, kAuxOverlap, {0, 2.5, 0.01, 2}},
        {kAux, kAuxHeating, {0, 600, 1, 0}},
        // The full page's time spins reach 2.55 although 255 x 0.01 falls short.
        {kLambda, kLambdaOnTime, {0, 2.551, 0.01, 2}},
        {kLambdaBasic, kLambdaOffTime, {0, 2.55, 0.01, 2}},
        {kLambda, kLambdaInjection, {0, 255, 0.1, 1}},
    };
    for (const auto& row : kRanges) {
        SCOPED_TRACE(testing::Message() << "page " << row.page << " control " << row.control);
        FillParameterTable(ModelIndexOf(row.page));
        const SpinRange range = ModelOf(row.page).Range(row.control);
        EXPECT_NEAR(range.min, row.range.min, 1e-6);
        EXPECT_NEAR(range.max, row.range.max, 1e-6);
        EXPECT_NEAR(range.step, row.range.step, 1e-6);
        EXPECT_EQ(range.decimals, row.range.decimals);
    }
    for (const auto& [typed, normalised] : std::vector<std::pair<const char*, const char*>>{
             {"-1", "0.00"}, {"", "0.00"}, {"1.5", "1.50"}, {"5.1", "5.10"}, {"7", "5.1"}})
        EXPECT_EQ(NormaliseCutOffDelay(typed), normalised) << typed;
}

INSTANTIATE_TEST_SUITE_P(Locales, PageModelTest, ::testing::Values(false, true),
                         [](const auto& p) { return p.param ? "pt_BR" : "C"; });

}  // namespace
