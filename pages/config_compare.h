#pragma once
// Two sets of register values side by side, as the installer knows them:
// by field caption and unit, each value as its field shows it. Used before
// a write (ECU against what is about to go), after a Load (ECU against the
// file) and by the command-line tool (file, ECU or both).

#include <string>
#include <vector>

#include "comm/pending_writes.h"
#include "pages/page_model.h"

class CRX4DATA;

struct FieldDifference {
    const PageModel* page = nullptr;  // nullptr: a register that no page writes
    const FieldDef* field = nullptr;
    std::string caption;  // "RPM de Cut Off", or "registro 78"
    std::string unit;     // the field's unit label ("s", "1-100 Min"), may be ""
    std::string leftText;  // as the field shows it; kMissingValueText when absent
    std::string rightText;
};
constexpr const char* kMissingValueText = TR_NOOP("(ausente)");  // Tr where shown

// The fields of the model's pages, in wizard order and screen order, whose
// registers hold other values on the two sides (a register missing on one
// side counts as different), then the differing registers of no field by
// register. Values are compared as numbers: "05" and "5" are equal.
std::vector<FieldDifference> CompareStores(int modelIndex, CRX4DATA& left, CRX4DATA& right);

// The table as tab-separated text with a heading line: "Campo", "Unidade",
// then the two column titles; one line per difference.
std::string DifferencesText(const std::vector<FieldDifference>& differences,
                            const std::string& leftTitle, const std::string& rightTitle);

// The values of `store` that a page would not accept: a register that is
// not a byte of hexadecimal, a list value past its options, a number outside
// its field's limits. One line per field, naming it; empty when all pass.
std::vector<std::string> RefusedValues(int modelIndex, CRX4DATA& store);

// The registers whose value in `target` differs from `ecu`, grouped by the
// page that writes them (wizard order) and in that page's queue order. The
// differing registers no page writes go to `unwritable`.
struct PageWrites {
    const PageModel* page = nullptr;
    std::vector<PendingWrite> entries;
};
std::vector<PageWrites> PlanWrites(int modelIndex, CRX4DATA& target, CRX4DATA& ecu,
                                   std::vector<std::string>* unwritable);

// A register that no field shows, as the tables name it: "registro 7F".
std::string RegisterCaption(const std::string& reg);

// Every register either store holds, ascending.
std::vector<std::string> RegistersOfStores(CRX4DATA& left, CRX4DATA& right);
