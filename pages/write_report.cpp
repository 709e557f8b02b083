#include "pages/write_report.h"

#include <algorithm>

#include "app/parameter_table.h"
#include "data/crx4data.h"
#include "pages/page_model.h"
#include "pages/config_compare.h"
#include "pages/page_models.h"

namespace {

const FieldDef* FieldOfRegister(const PageModel& model, const std::string& reg) {
    for (const FieldDef& field : model.Fields()) {
        const std::vector<std::string> registers = model.RegistersOf(field);
        if (std::find(registers.begin(), registers.end(), reg) != registers.end())
            return &field;
    }
    return nullptr;
}

std::string Line(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += "  • " + line + "\n";
    return text;
}

}  // namespace

std::vector<std::string> DescribeEntries(const PageModel* model,
                                         const std::vector<PendingWrite>& entries,
                                         CRX4DATA& reference) {
    std::vector<std::string> lines;
    std::vector<const FieldDef*> described;
    for (const PendingWrite& entry : entries) {
        const FieldDef* field = model ? FieldOfRegister(*model, entry.Register) : nullptr;
        if (!field) {
            lines.push_back(RegisterCaption(entry.Register) + " = " + entry.Value);
            continue;
        }
        if (std::find(described.begin(), described.end(), field) != described.end())
            continue;
        described.push_back(field);
        // The field as it shows the ECU's values with this pass's entries in.
        CRX4DATA shown;
        shown = reference;
        for (const PendingWrite& other : entries) {
            if (FieldOfRegister(*model, other.Register) == field)
                shown.Add(other.Register, other.Value);
        }
        std::string line = model->Caption(*field) + ": " + ShownFieldText(*model, *field, shown);
        if (field->unitLabel[0] != '\0')
            line += " (" + TrStd(field->unitLabel) + ")";
        lines.push_back(line);
    }
    return lines;
}

std::string InterruptedPassText(const PageModel* model, const WritePassReport& report,
                                CRX4DATA& reference) {
    std::string text = TrStd("A conexão com a ECU caiu durante a gravação.\n\n");
    text += TrStd("Gravados e confirmados pela ECU:\n");
    text += report.confirmed.empty() ? TrStd("  (nenhum)\n")
                                     : Line(DescribeEntries(model, report.confirmed, reference));
    text += TrStd("\nNão gravados:\n");
    text += Line(DescribeEntries(model, report.notConfirmed, reference));
    text += TrStd("\nOs valores não gravados ficam guardados: quando a conexão voltar, use "
                  "\"Reenviar\" para gravá-los.");
    return text;
}
