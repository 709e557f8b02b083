#pragma once
// What the simulated ECU received and what it holds, as text for --log:
//   RX <ms> <kind> <bytes in hex>
//   REG <register> <value>

#include <ostream>

#include "sim/ecu_model.h"

void WriteSimLog(std::ostream& out, const EcuModel& model);
