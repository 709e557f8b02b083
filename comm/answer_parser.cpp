#include "comm/answer_parser.h"

#include <strings.h>

#include <cstring>
#include <vector>

#include "comm/hex_text.h"
#include "data/crx4data.h"

namespace {

// Like strtok on "|": empty tokens are skipped.
std::vector<std::string> SplitTokens(const char* text) {
    std::vector<std::string> tokens;
    if (text == nullptr)
        return tokens;
    std::string token;
    for (const char* p = text;; ++p) {
        if (*p == '|' || *p == '\0') {
            if (!token.empty())
                tokens.push_back(token);
            token.clear();
            if (*p == '\0')
                break;
        } else {
            token.push_back(*p);
        }
    }
    return tokens;
}

bool IsToken(const std::string& token, const char* expected) {
    return strcasecmp(token.c_str(), expected) == 0;
}

}  // namespace

void ParseAnswer(const char* text, CRX4DATA& store) {
    int state = 0;
    std::string reg;
    std::string value;
    for (const std::string& token : SplitTokens(text)) {
        switch (state) {
            case 0:
                if (IsToken(token, "B0"))
                    state = 1;
                break;
            case 1:
                reg = token;
                state = 2;
                break;
            case 2:
                value = token;
                state = 3;
                break;
            default:
                if (IsToken(token, "C0"))
                    store.Add(reg.c_str(), value.c_str());
                state = 0;
                break;
        }
    }
}

MonitorAnswer ParseMonitorAnswer(const char* text, CRX4DATA& store, CheckRule rule) {
    MonitorAnswer answer;
    int state = 0;
    std::string reg;
    std::string value;
    std::string check;
    for (const std::string& token : SplitTokens(text)) {
        switch (state) {
            case 0:
                if (IsToken(token, "B0"))
                    state = 1;
                break;
            case 1:
                reg = token;
                state = 2;
                break;
            case 2:
                value = token;
                state = 3;
                break;
            case 3:
                check = token;
                state = 4;
                break;
            default:
                if (IsToken(token, "C0")) {
                    const uint64_t sum =
                        uint64_t{HexTextToInt(reg.c_str())} + HexTextToInt(value.c_str());
                    if (rule == CheckRule::Ignored || sum == HexTextToInt(check.c_str())) {
                        store.Add(reg.c_str(), value.c_str());
                    }
                    if (reg == "72") {
                        answer.CalibrationEnded = true;
                        answer.CalibrationValue = value;
                    }
                }
                state = 0;
                break;
        }
    }
    return answer;
}
