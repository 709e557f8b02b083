// Text typed into a page's fields: the duration conversion of the auxiliary
// pages and the limit checks every numeric field runs. First byte picks the
// model and the record, the rest is the text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/parameter_table.h"
#include "pages/input_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int model = data[0] % 3;
    const int position = (data[0] / 3) % kParameterCount;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const int seconds = TextToSeconds(text);
    if (seconds < 0 || seconds > 175) std::abort();
    // What the field shows for a duration converts back to the same duration.
    if (TextToSeconds(SecondsToText(seconds)) != seconds) std::abort();

    static bool filled[3] = {};
    static ParameterRecord tables[3][kParameterCount];
    if (!filled[model]) {
        FillParameterTable(model);
        std::copy(g_ParameterTable, g_ParameterTable + kParameterCount, tables[model]);
        filled[model] = true;
    }
    const ParameterRecord& record = tables[model][position];
    if (record.OptionCount >= 0) return 0;  // lists only take one of their options
    for (LimitCheck form : {LimitCheck::Vehicle, LimitCheck::AuxUnscaled, LimitCheck::AuxScaled}) {
        const CheckOutcome outcome = CheckLimitsOnChange(text, record, form);
        // A message always comes with a replacement text, and a kept text is the typed one.
        if (!outcome.message && outcome.text != text && outcome.text != "0") std::abort();
    }
    ClampOnFocusLoss(text, record);
    return 0;
}
