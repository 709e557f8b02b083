#pragma once
// A command line split at blanks, as the shell hands it to the simulator.
#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}
