#include "pages/write_preview.h"

#include <map>
#include <string>

#include "comm/hex_text.h"
#include "data/crx4data.h"
#include "pages/page_model.h"

void ApplyQueuedWrites(const PendingWrites& queued, CRX4DATA& store) {
    for (uint32_t i = 0; i < queued.Count; ++i)
        store.Add(queued.Entries[i].Register, queued.Entries[i].Value);
}

int ChangedRegisterCount(const PendingWrites& queued, CRX4DATA& ecu) {
    std::map<std::string, unsigned> last;  // the value each register ends with
    for (uint32_t i = 0; i < queued.Count; ++i)
        last[queued.Entries[i].Register] = HexTextToInt(queued.Entries[i].Value);
    int changed = 0;
    for (const auto& [reg, value] : last) {
        unsigned held = 0;
        if (!PageModel::RegisterValue(ecu, reg.c_str(), &held) || held != value)
            ++changed;
    }
    return changed;
}
