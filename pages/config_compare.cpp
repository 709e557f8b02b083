#include "pages/config_compare.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "app/parameter_table.h"
#include "comm/hex_text.h"
#include "data/crx4data.h"
#include "data/number_text.h"
#include "data/store_text.h"
#include "pages/input_checks.h"
#include "pages/page_models.h"

namespace {

// A translated template with its %1, %2 ... replaced in one pass. The values
// are put in as bytes: a file's text need not be UTF-8.
std::string FillIn(const std::string& text, const std::vector<std::string>& values) {
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && n < values.size()) {
            filled += values[n];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

bool IsHexByte(const std::string& text) {
    if (text.empty() || text.size() > 8)
        return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return HexTextToInt(text.c_str()) <= 0xFF;
}

// Absent and present differ; two present values differ as numbers.
bool SameValue(CRX4DATA& left, CRX4DATA& right, const std::string& reg) {
    unsigned a = 0, b = 0;
    const bool inLeft = PageModel::RegisterValue(left, reg.c_str(), &a);
    const bool inRight = PageModel::RegisterValue(right, reg.c_str(), &b);
    return inLeft == inRight && a == b;
}

bool HasAll(CRX4DATA& store, const std::vector<std::string>& registers) {
    std::string value;
    for (const std::string& reg : registers)
        if (!StoreValueText(store, reg.c_str(), &value))
            return false;
    return true;
}

std::string FieldText(const PageModel& page, const FieldDef& field, CRX4DATA& store) {
    if (!HasAll(store, page.RegistersOf(field)))
        return TrStd(kMissingValueText);
    return ShownFieldText(page, field, store);
}

std::string RegisterText(CRX4DATA& store, const std::string& reg) {
    std::string value;
    return StoreValueText(store, reg.c_str(), &value) ? value : TrStd(kMissingValueText);
}

// A list value is the page's when the page writes the same value back: a
// list shows an unknown code as one of its options and would write that.
bool ListKeepsValue(const PageModel& page, const FieldDef& field, const FieldValues& values,
                    CRX4DATA& store) {
    if (field.focusKey[0] == '\0')
        return true;
    // A reference that differs from every register, so that all are queued.
    CRX4DATA reference;
    reference = store;
    for (const std::string& reg : page.RegistersOf(field))
        reference.Add(reg.c_str(), "100");
    PendingWrites queued;
    page.QueueFieldForKey(field.focusKey, values, reference, queued);
    for (uint32_t i = 0; i < queued.Count; ++i) {
        unsigned held = 0;
        if (PageModel::RegisterValue(store, queued.Entries[i].Register, &held) &&
            held != HexTextToInt(queued.Entries[i].Value))
            return false;
    }
    return true;
}

// The field's value when it falls outside what the page lets the user set,
// as the page would say it; "" when it is acceptable.
std::string RefusalOf(const PageModel& page, const FieldDef& field, const FieldValues& values,
                      CRX4DATA& store) {
    const FieldValue& value = values.at(field.controlId);
    if (field.kind == FieldKind::List)
        return ListKeepsValue(page, field, values, store) ? std::string()
                                                          : TrStd("valor fora da lista de opções");
    if (field.recordPos < 0)
        return std::string();
    const CheckOutcome outcome =
        CheckLimitsOnChange(value.text, PageModel::RecordOf(field), field.check);
    if (outcome.message)
        return value.text + ": " + outcome.message->text;
    if (field.check != LimitCheck::None)
        return std::string();
    const SpinRange range = page.Range(field.controlId);
    const double number = NumberText::ToDouble(value.text);
    if (range.max > range.min && (number < range.min || number > range.max))
        return FillIn(TrStd("%1: fora dos limites %2 - %3"),
                      {value.text, NumberText::Format("%g", range.min),
                       NumberText::Format("%g", range.max)});
    return std::string();
}

}  // namespace

std::string RegisterCaption(const std::string& reg) {
    return FillIn(TrStd("registro %1"), {reg});
}

std::vector<std::string> RegistersOfStores(CRX4DATA& left, CRX4DATA& right) {
    std::set<std::string> registers;
    char keyword[8];
    for (CRX4DATA* store : {&left, &right}) {
        StoreLock lock(*store);
        for (uint32_t i = 0; i < store->GetQtyUsed(); ++i)
            if (store->GetParam(i, keyword) == DATA_OK)
                registers.insert(keyword);
    }
    return {registers.begin(), registers.end()};
}

std::vector<FieldDifference> CompareStores(int modelIndex, CRX4DATA& left, CRX4DATA& right) {
    std::vector<FieldDifference> differences;
    std::set<std::string> covered;
    for (const PageModel* page : ConfigPageModels(modelIndex)) {
        for (const FieldDef& field : page->Fields()) {
            bool differs = false;
            for (const std::string& reg : page->RegistersOf(field)) {
                // A register two pages show is compared on the first.
                if (!covered.insert(reg).second)
                    continue;
                differs = differs || !SameValue(left, right, reg);
            }
            if (differs)
                differences.push_back({page, &field, page->Caption(field), TrStd(field.unitLabel),
                                       FieldText(*page, field, left), FieldText(*page, field, right)});
        }
    }
    for (const std::string& reg : RegistersOfStores(left, right)) {
        if (covered.count(reg) || SameValue(left, right, reg))
            continue;
        differences.push_back({nullptr, nullptr, RegisterCaption(reg), "", RegisterText(left, reg),
                               RegisterText(right, reg)});
    }
    return differences;
}

std::string DifferencesText(const std::vector<FieldDifference>& differences,
                            const std::string& leftTitle, const std::string& rightTitle) {
    std::string text =
        TrStd("Campo") + "\t" + TrStd("Unidade") + "\t" + leftTitle + "\t" + rightTitle + "\n";
    for (const FieldDifference& difference : differences)
        text += difference.caption + "\t" + difference.unit + "\t" + difference.leftText + "\t" +
                difference.rightText + "\n";
    return text;
}

std::vector<std::string> RefusedValues(int modelIndex, CRX4DATA& store) {
    std::vector<std::string> refused;
    std::set<std::string> checked;
    for (const std::string& reg : RegistersOfStores(store, store)) {
        std::string value;
        StoreValueText(store, reg.c_str(), &value);
        if (!IsHexByte(value)) {
            const FieldOwner owner = OwnerOfRegister(modelIndex, reg);
            const std::string name =
                owner.field ? "\"" + owner.page->Caption(*owner.field) + "\"" : RegisterCaption(reg);
            refused.push_back(
                FillIn(TrStd("%1: registro %2 = \"%3\" não é um valor de 00 a FF"), {name, reg, value}));
            checked.insert(reg);
        }
    }
    for (const PageModel* page : ConfigPageModels(modelIndex)) {
        FieldValues values;
        page->FillFromStore(store, values);
        for (const FieldDef& field : page->Fields()) {
            const std::vector<std::string> registers = page->RegistersOf(field);
            const bool byteRefused = std::any_of(registers.begin(), registers.end(),
                                                 [&](const std::string& r) { return checked.count(r) > 0; });
            const auto value = values.find(field.controlId);
            if (byteRefused || !HasAll(store, registers) || value == values.end())
                continue;
            const std::string why = RefusalOf(*page, field, values, store);
            if (!why.empty())
                refused.push_back("\"" + page->Caption(field) + "\": " + why);
        }
    }
    return refused;
}

std::vector<PageWrites> PlanWrites(int modelIndex, CRX4DATA& target, CRX4DATA& ecu,
                                   std::vector<std::string>* unwritable) {
    std::vector<PageWrites> plan;
    std::set<std::string> covered;
    for (const PageModel* page : ConfigPageModels(modelIndex)) {
        PageWrites writes{page, {}};
        for (int id : page->WriteOrder()) {
            const FieldDef* field = page->FindField(id);
            if (!field)
                continue;
            for (const std::string& reg : page->RegistersOf(*field)) {
                std::string value;
                if (!covered.insert(reg).second || SameValue(target, ecu, reg) ||
                    !StoreValueText(target, reg.c_str(), &value))
                    continue;
                PendingWrite entry{};
                std::snprintf(entry.Register, sizeof entry.Register, "%s", reg.c_str());
                const std::string hex = IntToHexText(HexTextToInt(value.c_str()));
                std::snprintf(entry.Value, sizeof entry.Value, "%s", hex.c_str());
                writes.entries.push_back(entry);
            }
        }
        if (!writes.entries.empty())
            plan.push_back(writes);
    }
    if (unwritable) {
        unwritable->clear();
        for (const std::string& reg : RegistersOfStores(target, target))
            if (!covered.count(reg) && !SameValue(target, ecu, reg))
                unwritable->push_back(reg);
    }
    return plan;
}
