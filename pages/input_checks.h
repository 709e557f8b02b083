#pragma once
// The checks the configuration pages run on what the user types, and the
// duration conversions of the auxiliary pages. Pure functions over a field's
// text and its ParameterRecord: they give the text the field must take and
// the message to show, and the page shows it (owned by the page, except the
// list guard's, which has no owner).

#include <optional>
#include <string>

#include "pages/page_model.h"

struct ParameterRecord;

// The checks read this many characters of a field, so a numeric field holds
// no more: what the check passed is all that can be written.
constexpr int kCheckedTextLength = 9;

struct CheckMessage {
    std::string text;
    std::string title;
};

struct CheckOutcome {
    std::string text;  // what the field shows afterwards (unchanged when within limits)
    std::optional<CheckMessage> message;
};

// Text typed into the edit part of a list field: the "Atenção" message and
// the record's default text.
CheckOutcome GuardListField(const ParameterRecord& record);

// A numeric field's text changed (typed, set by the program or the spin).
// LimitCheck::None leaves everything alone.
CheckOutcome CheckLimitsOnChange(const std::string& text, const ParameterRecord& record,
                                 LimitCheck form);

// A numeric field lost the focus: back within the range, silently.
std::string ClampOnFocusLoss(const std::string& text, const ParameterRecord& record);

// Seconds as minutes "." two-digit seconds ("1.15" for 75), at most "2.55".
std::string SecondsToText(int seconds);
// Minutes "." seconds back to seconds, as the digits are written ("1.5" is
// 65, "0.75" is 75); at most 175.
int TextToSeconds(const std::string& text);
