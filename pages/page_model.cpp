#include "pages/page_model.h"

#include <cstdlib>

#include "app/parameter_table.h"

std::vector<std::string> PageModel::Options(int controlId) const {
    const FieldDef* field = FindField(controlId);
    if (!field || field->recordPos < 0) return {};
    return BuildRecordList(g_ParameterTable[field->recordPos]);
}

SpinRange PageModel::Range(int controlId) const {
    SpinRange range;
    const FieldDef* field = FindField(controlId);
    if (!field || field->recordPos < 0) return range;
    const ParameterRecord& record = g_ParameterTable[field->recordPos];
    range.min = std::atof(record.Values[0]);
    range.max = std::atof(record.Values[1]);
    range.step = static_cast<int>(record.Step);
    return range;
}

const FieldDef* PageModel::FindField(int controlId) const {
    for (const FieldDef& field : Fields())
        if (field.controlId == controlId) return &field;
    return nullptr;
}

const FieldDef* PageModel::FindFieldByKey(const std::string& key) const {
    for (const FieldDef& field : Fields())
        if (key == field.focusKey) return &field;
    return nullptr;
}
