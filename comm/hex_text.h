#pragma once
// Register values travel through the program as upper-case hexadecimal text
// without leading zeros ("5", "2C", "FF"); these turn such text into numbers
// and back.

#include <cstdint>
#include <string>

// Reads the text as hexadecimal ("%x" style: leading digits only); an empty or
// missing text gives 0.
uint32_t HexTextToInt(const char* text);

// Upper-case hexadecimal, most significant digit first; 0 gives "0".
std::string IntToHexText(uint32_t value);
