#include "app/parameter_table.h"

#include "data/number_text.h"
#include "i18n/ui_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

ParameterRecord g_ParameterTable[kParameterCount];

namespace {

// The ECU firmware keeps its steps as floats; the pages compute with the
// widened values, so 0.1 is 0.10000000149011612 and not 0.1.
constexpr double kStepTenth = static_cast<double>(0.1f);
constexpr double kStepFiftieth = static_cast<double>(0.02f);
constexpr double kStepHundredth = static_cast<double>(0.01f);

struct RecordContent {
    const char* address;
    double optionCount;
    std::initializer_list<const char*> values;
    double step;
    std::initializer_list<const char*> labels;
    const char* defaultText;
};

// One row per position, in table order. The option labels stay as written
// (the pages look them up in the run's language where they show them).
const RecordContent kContents[kParameterCount] = {
    {"7F", 2, {"0", "1"}, 0, {TR_NOOP("Desativado"), TR_NOOP("Ativado")}, TR_NOOP("Desativado")},
    {"7C", -1, {"4001", "7500"}, 50, {"%0.0f"}, "4001"},
    {"7B", -1, {"2001", "4000"}, 50, {"%0.0f"}, "2001"},
    {"7A", -1, {"1001", "2000"}, 50, {"%0.0f"}, "1001"},
    {"79", -1, {"0", "255"}, kStepTenth, {"%0.01f"}, "1.0"},
    {"82", 2, {"0", "1"}, 0,
     {TR_NOOP("Reset de Memória"), TR_NOOP("Emulador")}, TR_NOOP("Emulador")},
    {"81", -1, {"1", "25"}, kStepTenth, {"%0.0f"}, "1.0"},
    {"80", -1, {"1", "100"}, 1, {"%0.0f"}, "1.00"},
    {"77", -1, {"0", "250"}, kStepHundredth, {"%0.02f"}, "0"},
    {"76", -1, {"0", "0"}, 0, {"%0.0f"}, "0"},
    {"75", -1, {"0", "5000"}, 50, {"%0.0f"}, "0"},
    {"74", 2, {"0", "1"}, 0,
     {TR_NOOP("Descendente"), TR_NOOP("Ascendente")}, TR_NOOP("Ascendente")},
    {"70", -1, {"0", "250"}, kStepFiftieth, {"%0.02f"}, "0.00"},
    {"60", 4, {"0", "1", "2", "3"}, 0,
     {TR_NOOP("Padrão"), TR_NOOP("Especifico"), TR_NOOP("Aberto"), TR_NOOP("Real")},
     TR_NOOP("Padrão")},
    {"46", -1, {"1", "40"}, 1, {"%0.0f"}, "1"},
    {"45", -1, {"1", "40"}, 1, {"%0.0f"}, "1"},
    {"42", -1, {"1", "40"}, 1, {"%0.0f"}, "1"},
    {"41", -1, {"1", "40"}, 1, {"%0.0f"}, "1"},
    {"3E", -1, {"1", "240"}, 1, {"%0.0f"}, "1"},
    {"3D", -1, {"1", "240"}, 1, {"%0.0f"}, "1"},
    {"2C", 5, {"2", "4", "5", "6", "8"}, 0, {"2", "4", "5", "6", "8"}, "2"},
    {"2B", 9, {"0", "1", "2", "3", "4", "5", "6", "7", "8"}, 0,
     {TR_NOOP("Tacômetro"), "1", "2", "3", "4", "5", "6", "7", "8"}, "2"},
    {"27", -1, {"0", "5000"}, 1, {"%0.0f rpm"}, "0"},
    {"26", -1, {"0", "0"}, 0, {"%0.0f"}, "0"},
    {"21", -1, {"1", "100"}, 1, {"%0.0f"}, "1"},
    {"20", 2, {"0", "1"}, 0, {TR_NOOP("Desativado"), TR_NOOP("Ativado")}, TR_NOOP("Desativado")},
    {"1F", -1, {"0", "255"}, kStepHundredth, {"%0.0f"}, "0.00"},
    {"1E", -1, {"0", "255"}, kStepHundredth, {"%0.0f"}, "0.00"},
    {"16", -1, {"0", "0"}, 0, {"%0.0f"}, "0"},
    {"15", -1, {"0", "600"}, 1, {"%0.0f"}, "0"},
    {"13", 2, {"01", "02"}, 0, {"0-1", "0-5"}, "0-1"},
    {"12", -1, {"0", "7"}, kStepFiftieth, {"%02.02f"}, "00.00"},
    {"10", 2, {"01", "02"}, 0, {"0-5", "5-0"}, "0-5"},
};

// Positions 0 to 4 exist only on Q7100 and "Q5100 plus".
constexpr int kFirstCommonPosition = 5;
constexpr int kModelQ5100 = 1;

void CopyText(char* destination, size_t capacity, const char* text) {
    std::snprintf(destination, capacity, "%s", text);
}

}  // namespace

void FillParameterTable(int modelIndex) {
    for (int pos = 0; pos < kParameterCount; ++pos) {
        ParameterRecord& record = g_ParameterTable[pos];
        const RecordContent& content = kContents[pos];
        if (modelIndex != kModelQ5100 || pos >= kFirstCommonPosition) {
            CopyText(record.Address, sizeof record.Address, content.address);
        }
        record.OptionCount = content.optionCount;
        int i = 0;
        for (const char* value : content.values) CopyText(record.Values[i++], sizeof record.Values[0], value);
        if (content.step != 0) record.Step = content.step;
        i = 0;
        for (const char* label : content.labels) CopyText(record.Labels[i++], sizeof record.Labels[0], label);
        CopyText(record.DefaultText, sizeof record.DefaultText, content.defaultText);
    }
}

void ClearParameterTable() { std::memset(g_ParameterTable, 0, sizeof g_ParameterTable); }

std::string FormatRecordValue(const char* format, double value) {
    return NumberText::Format(format, value);
}

std::vector<std::string> BuildRecordList(const ParameterRecord& record) {
    std::vector<std::string> entries;
    if (record.OptionCount == -1) {
        const double min = NumberText::ToDouble(record.Values[0]);
        const double range = NumberText::ToDouble(record.Values[1]) - min;
        for (int i = 0; i <= range; ++i) {
            entries.push_back(FormatRecordValue(record.Labels[0], (i + min) * record.Step));
        }
        return entries;
    }
    for (int i = 0; i < record.OptionCount && i < 10; ++i) entries.emplace_back(record.Labels[i]);
    return entries;
}
