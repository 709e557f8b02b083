#pragma once
// The frames the program sends to the ECU. Q5100 (model 1) uses two-byte
// frames; Q7100 (model 0) and "Q5100 plus" (model 2) put a 00 in front. The
// models differ otherwise only in the read command byte.

#include <cstdint>

struct EcuFrame {
    uint8_t Bytes[3];
    uint32_t Size;
};

// Read all registers: 09 00 / 00 04 00 / 00 06 00.
EcuFrame ReadAllCommand(int modelIndex);
// Read one register: 09 rr / 00 04 rr / 00 06 rr.
EcuFrame ReadOneCommand(int modelIndex, uint8_t registerAddress);
// "FULL" gives the read-all form; any other key is read as hexadecimal (a
// group key "75_76" therefore reads register 75).
EcuFrame ReadCommandForKey(int modelIndex, const char* key);
// rr vv / 00 rr vv.
EcuFrame RegisterWriteFrame(int modelIndex, uint8_t registerAddress, uint8_t value);
// 05 18 / 00 05 18: commits the written register.
EcuFrame ConfirmFrame(int modelIndex);
// 08 00 / 00 08 00: the ECU then streams its live values.
EcuFrame MonitorStartCommand(int modelIndex);
// 07 00 / 00 07 00.
EcuFrame MonitorStopCommand(int modelIndex);
// 61 00 / 00 61 00: starts the gas-flow calibration.
EcuFrame CalibrateCommand(int modelIndex);
