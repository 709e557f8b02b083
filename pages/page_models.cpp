#include "pages/page_models.h"

#include <algorithm>

#include "app/wizard_flow.h"
#include "pages/actuator_page_model.h"
#include "pages/aux_page_model.h"
#include "pages/lambda_page_model.h"
#include "pages/vehicle_page_model.h"

namespace {

const PageModel* ModelOfPage(PageId page) {
    switch (page) {
        case PageId::Vehicle: return &VehicleModel();
        case PageId::VehicleBasic: return &VehicleBasicModel();
        case PageId::Lambda: return &LambdaModel();
        case PageId::LambdaBasic: return &LambdaBasicModel();
        case PageId::Aux: return &AuxModel();
        case PageId::AuxBasic: return &AuxBasicModel();
        case PageId::Actuator: return &ActuatorModel();
        default: return nullptr;
    }
}

}  // namespace

std::vector<const PageModel*> ConfigPageModels(int modelIndex) {
    std::vector<const PageModel*> pages;
    for (WizardStep step : {WizardStep::Vehicle, WizardStep::Lambda, WizardStep::Aux, WizardStep::Actuator})
        pages.push_back(ModelOfPage(PageForStep(step, modelIndex)));
    return pages;
}

FieldOwner OwnerOfRegister(int modelIndex, const std::string& reg) {
    for (const PageModel* page : ConfigPageModels(modelIndex)) {
        for (const FieldDef& field : page->Fields()) {
            const std::vector<std::string> registers = page->RegistersOf(field);
            if (std::find(registers.begin(), registers.end(), reg) != registers.end())
                return {page, &field};
        }
    }
    return {};
}

std::string ShownFieldText(const PageModel& page, const FieldDef& field, CRX4DATA& store) {
    FieldValues values;
    page.FillFromStore(store, values);
    const auto found = values.find(field.controlId);
    if (found == values.end())
        return std::string();
    const FieldValue& value = found->second;
    if (field.kind == FieldKind::Numeric)
        return value.text;
    const std::vector<std::string> options = page.Options(field.controlId);
    if (value.index >= 0 && value.index < static_cast<int>(options.size()))
        return options[static_cast<std::size_t>(value.index)];
    return page.ValueOnlyOption(field.controlId, value.index);
}
