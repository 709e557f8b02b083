// ECU answers: any bytes the line delivers, turned into answer text as the
// port does, then parsed as B0/register/value/C0 groups.
#include <cstdint>
#include <cstdlib>

#include "comm/answer_parser.h"
#include "comm/crx4comm.h"
#include "data/crx4data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CRX4DATA store;
    const std::string text = AnswerText(data, size);
    ParseAnswer(text.c_str(), store);
    // One byte of register text gives at most 256 distinct registers: the
    // store must never come near its capacity.
    if (store.GetQtyUsed() > 256) std::abort();
    return 0;
}
