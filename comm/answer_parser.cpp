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

// The two answer grammars share their shape: "B0", then `count` tokens taken
// as they come, then a token that must be "C0" for the group to count.
// Whatever that token is, the search for the next "B0" starts after it.
template <typename OnGroup>
void ForEachGroup(const char* text, size_t count, OnGroup onGroup) {
    std::vector<std::string> group;
    bool inGroup = false;
    for (const std::string& token : SplitTokens(text)) {
        if (!inGroup) {
            inGroup = IsToken(token, "B0");
            group.clear();
        } else if (group.size() < count) {
            group.push_back(token);
        } else {
            if (IsToken(token, "C0"))
                onGroup(group);
            inGroup = false;
        }
    }
}

}  // namespace

void ParseAnswer(const char* text, CRX4DATA& store) {
    // B0, register, value, C0.
    ForEachGroup(text, 2, [&](const std::vector<std::string>& group) {
        store.Add(group[0].c_str(), group[1].c_str());
    });
}

MonitorAnswer ParseMonitorAnswer(const char* text, CRX4DATA& store, CheckRule rule) {
    // B0, register, value, check, C0; the check is the plain sum, never
    // reduced modulo 256.
    MonitorAnswer answer;
    ForEachGroup(text, 3, [&](const std::vector<std::string>& group) {
        const std::string& reg = group[0];
        const std::string& value = group[1];
        const uint64_t sum = uint64_t{HexTextToInt(reg.c_str())} + HexTextToInt(value.c_str());
        if (rule == CheckRule::Ignored || sum == HexTextToInt(group[2].c_str()))
            store.Add(reg.c_str(), value.c_str());
        if (reg == "72") {
            answer.CalibrationEnded = true;
            answer.CalibrationValue = value;
        }
    });
    return answer;
}
