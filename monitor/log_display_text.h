#pragma once
// How the viewer, the strip chart and the marks list name what a datalog
// holds, in the program's language. The file keeps its own words (column
// names, "sem conexão", "marca 3"): they are turned into the shown text here,
// when shown, and never written back.

#include <QString>
#include <string>

// "Rotação", "TPS" ... of the channel (LogChannel order).
QString ChannelCaption(int channel);
// The channel's unit as shown: "rpm", "V", "ms" as they are, "passos" in the
// program's language; empty for a channel without one.
QString ChannelUnit(int channel);
// An event row's text as shown: "marca N", the gap and the calibration
// events in the program's language; any other text as the file has it.
QString LogEventText(const std::string& event);
