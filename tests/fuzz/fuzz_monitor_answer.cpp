// The live stream: bytes as the line delivers them, parsed as five-token
// groups with and without the check test.
#include <cstdint>
#include <cstdlib>

#include "comm/answer_parser.h"
#include "comm/crx4comm.h"
#include "comm/hex_text.h"
#include "data/crx4data.h"
#include "data/store_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CRX4DATA checked, unchecked;
    const std::string text = AnswerText(data, size);
    const MonitorAnswer answer = ParseMonitorAnswer(text.c_str(), checked, CheckRule::Tested);
    ParseMonitorAnswer(text.c_str(), unchecked, CheckRule::Ignored);
    // A value that passed the check was also stored without it.
    if (checked.GetQtyUsed() > unchecked.GetQtyUsed()) std::abort();
    if (answer.CalibrationEnded && answer.CalibrationValue.empty()) std::abort();
    return 0;
}
