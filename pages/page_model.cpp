#include "pages/page_model.h"
#include "data/number_text.h"

#include <algorithm>
#include <cstdlib>

#include "app/parameter_table.h"
#include "comm/ecu_protocol.h"
#include "comm/hex_text.h"
#include "data/store_text.h"
#include "i18n/ui_text.h"

std::vector<std::string> PageModel::Options(int controlId) const {
    const FieldDef* field = FindField(controlId);
    if (!field || field->recordPos < 0)
        return {};
    // The table keeps its options as written; the list shows them in the
    // run's language, at the same places.
    std::vector<std::string> options = BuildRecordList(RecordOf(*field));
    for (std::string& option : options) option = TrStd(option);
    return options;
}

std::string PageModel::ValueOnlyOption(int, int) const {
    return std::string();
}

SpinRange PageModel::Range(int controlId) const {
    SpinRange range;
    const FieldDef* field = FindField(controlId);
    if (!field || field->recordPos < 0)
        return range;
    const ParameterRecord& record = RecordOf(*field);
    range.min = NumberText::ToDouble(record.Values[0]);
    range.max = NumberText::ToDouble(record.Values[1]);
    range.step = static_cast<int>(record.Step);
    return range;
}

std::vector<std::string> PageModel::RegistersOf(const FieldDef& field) const {
    const std::string key = field.focusKey;
    if (key.empty())
        return field.recordPos < 0 ? std::vector<std::string>{}
                                   : std::vector<std::string>{RecordOf(field).Address};
    std::vector<std::string> registers;
    for (std::size_t start = 0; start <= key.size();) {
        const std::size_t end = std::min(key.find('_', start), key.size());
        registers.push_back(key.substr(start, end - start));
        start = end + 1;
    }
    return registers;
}

std::vector<std::string> PageModel::WritableKeys() const {
    std::vector<std::string> keys;
    for (const FieldDef& field : Fields())
        if (field.focusKey[0] != '\0')
            keys.emplace_back(field.focusKey);
    return keys;
}

std::vector<int> PageModel::FillOrder() const {
    std::vector<int> order;
    for (const FieldDef& field : Fields()) order.push_back(field.controlId);
    return order;
}

int PageModel::FillFromStore(CRX4DATA& store, FieldValues& values) const {
    for (int id : FillOrder()) {
        const FieldDef* field = FindField(id);
        if (field && ShowField(*field, store, values[id]) != 0)
            return 1;
    }
    return 0;
}

void PageModel::QueueAllFields(const FieldValues& values, CRX4DATA& reference,
                               PendingWrites& pending) const {
    for (int id : WriteOrder()) {
        const FieldDef* field = FindField(id);
        const auto value = values.find(id);
        if (field && value != values.end())
            QueueField(*field, value->second, QueueMode::AllFields, reference, pending);
    }
}

void PageModel::QueueFieldForKey(const std::string& key, const FieldValues& values,
                                 CRX4DATA& reference, PendingWrites& pending) const {
    const FieldDef* field = FindFieldByKey(key);
    if (!field)
        return;
    const auto value = values.find(field->controlId);
    if (value != values.end())
        QueueField(*field, value->second, QueueMode::FocusedField, reference, pending);
}

void PageModel::QueueWrites(const std::string& key, const FieldValues& values, CRX4DATA& reference,
                            PendingWrites& pending) const {
    if (key == "FULL")
        QueueAllFields(values, reference, pending);
    else
        QueueFieldForKey(key, values, reference, pending);
}

int PageModel::ShowField(const FieldDef& field, CRX4DATA& store, FieldValue& value) const {
    const ParameterRecord& record = RecordOf(field);
    unsigned registerValue = 0;
    if (!RegisterValue(store, record.Address, &registerValue))
        return 1;
    if (field.kind == FieldKind::List) {
        value.index = static_cast<int>(registerValue) - NumberText::ToInt(record.Values[0]);
    } else {
        value.text = std::to_string(registerValue);
    }
    return 0;
}

void PageModel::QueueField(const FieldDef& field, const FieldValue& value, QueueMode,
                           CRX4DATA& reference, PendingWrites& pending) const {
    const ParameterRecord& record = RecordOf(field);
    if (field.kind == FieldKind::List) {
        // A list without a selection names no value.
        if (value.index < 0)
            return;
        QueueRegisterWrite(record, std::to_string(value.index).c_str(), 1, reference, pending);
    } else {
        QueueRegisterWrite(record, value.text.c_str(), 0, reference, pending);
    }
}

bool PageModel::RegisterValue(CRX4DATA& store, const char* reg, unsigned* value) {
    std::string text;
    if (!StoreValueText(store, reg, &text))
        return false;
    *value = HexTextToInt(text.c_str());
    return true;
}

void PageModel::QueueIfChanged(const char* reg, unsigned value, CRX4DATA& reference,
                               PendingWrites& pending) {
    std::string stored;
    if (!StoreValueText(reference, reg, &stored))
        return;
    const std::string text = IntToHexText(value);
    if (text != stored)
        pending.Append(reg, text.c_str());
}

void PageModel::QueueAlways(const char* reg, unsigned value, PendingWrites& pending) {
    pending.Append(reg, IntToHexText(value).c_str());
}

bool PageModel::IsWritableKey(const std::string& key) const {
    const std::vector<std::string> keys = WritableKeys();
    return !key.empty() && std::find(keys.begin(), keys.end(), key) != keys.end();
}

const FieldDef* PageModel::FindField(int controlId) const {
    for (const FieldDef& field : Fields())
        if (field.controlId == controlId)
            return &field;
    return nullptr;
}

const FieldDef* PageModel::FindFieldByKey(const std::string& key) const {
    for (const FieldDef& field : Fields())
        if (key == field.focusKey)
            return &field;
    return nullptr;
}

const ParameterRecord& PageModel::RecordOf(const FieldDef& field) {
    return g_ParameterTable[field.recordPos];
}
