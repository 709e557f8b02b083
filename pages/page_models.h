#pragma once
// The configuration pages of a model as logic only: which page models the
// wizard shows for it, in wizard order, and which registers each field
// stands for. The command-line tool and the compare view walk these instead
// of the windows.

#include <string>
#include <vector>

#include "pages/page_model.h"

// Vehicle, lambda, auxiliary functions and actuator, as the wizard shows
// them for the model (0 Q7100, 1 Q5100, 2 "Q5100 plus").
std::vector<const PageModel*> ConfigPageModels(int modelIndex);

// The page and field that write `reg` on this model; {nullptr, nullptr} for
// a register that no page writes.
struct FieldOwner {
    const PageModel* page = nullptr;
    const FieldDef* field = nullptr;
};
FieldOwner OwnerOfRegister(int modelIndex, const std::string& reg);

// What the field shows for the store's values: the option text of a list
// (or its value-only option), the text of a numeric field; "" when one of the
// page's registers before it is missing from the store.
std::string ShownFieldText(const PageModel& page, const FieldDef& field, CRX4DATA& store);
