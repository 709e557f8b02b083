#pragma once
// The three ECU variants, numbered as the configurator's ModelIndex numbers
// them. The variant fixes the line speed and the frame layout.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

enum class EcuVariant { Q7100 = 0, Q5100 = 1, Q5100Plus = 2 };

// Q5100 talks at 9600 baud, the others at 38400 (8 data bits, no parity, one stop bit).
uint32_t LineBaudRate(EcuVariant variant);

// Q5100 frames are two bytes (cmd xx, or rr vv); the others prefix a 00 byte.
size_t FrameLength(EcuVariant variant);

// "q7100", "q5100", "q5100plus" (as the command line spells them).
std::optional<EcuVariant> VariantFromName(const std::string& name);
std::string VariantName(EcuVariant variant);
