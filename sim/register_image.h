#pragma once
// The parameter registers an ECU of each variant holds when it leaves the
// factory: address -> value byte.

#include <cstdint>
#include <map>

#include "sim/ecu_variant.h"

using RegisterImage = std::map<uint8_t, uint8_t>;

RegisterImage FactoryRegisterImage(EcuVariant variant);
