#pragma once
// Datalog of the live stream: the values the monitoring screen receives,
// one row per answered poll, written as CSV while the installer drives and
// read back by the log viewer and the playback. Plain logic, no widgets.
//
// File layout (UTF-8, LF line ends, one header block then rows):
//   # Zano datalog 1
//   # modelo: Q7100
//   # porta: COM21 (/dev/ttyUSB0)
//   # inicio: 2026-12-06T20:15:03-03:00
//   tempo_ms,rpm,tps_V,lambda_V,passos,atuador,injecao_ms,evento
//   ms,rpm,V,V,passos,,ms,
//   0,850,0.52,0.45,80,0,3.5,
//   100,860,0.52,0.47,80,0,3.5,
//   2300,,,,,,,sem conexão          <- a gap: the link was lost
//   4000,,,,,,,marca 1              <- an event row: no values, not a gap
//   5100,1200,0.60,0.41,82,0,3.6,
// Numbers always use a point, whatever the desktop's locale. An empty cell
// in a sample row is a value the ECU did not give (NaN in memory).

#include <cstdint>
#include <optional>
#include <string>

class CRX4DATA;

// The recorded channels, in column order after "tempo_ms".
enum class LogChannel { Rpm, TpsVolts, LambdaVolts, Steps, ActuatorScale, InjectionMs };
constexpr int kLogChannelCount = 6;

struct LogChannelInfo {
    const char* column;   // "rpm", "tps_V" ...
    const char* unit;     // "rpm", "V" ...
    const char* caption;  // shown in the viewer: "Rotação", "TPS" ... (Portuguese: Tr() where shown)
    int decimals;         // digits after the point in the file
};
const LogChannelInfo& ChannelInfo(LogChannel channel);
inline const LogChannelInfo& ChannelInfo(int channel) {
    return ChannelInfo(static_cast<LogChannel>(channel));
}

// The first line of every datalog, and the texts of its fixed rows.
constexpr const char* kDatalogMagic = "# Zano datalog 1";
constexpr const char* kTimeColumn = "tempo_ms";
constexpr const char* kEventColumn = "evento";
constexpr const char* kGapEvent = "sem conexão";

struct LogHeader {
    std::string model;     // "Q7100", "Q5100", "Q5100 plus"
    std::string port;      // "COM21 (/dev/ttyUSB0)"
    std::string startIso;  // ISO 8601 with offset
};

// One row. `gap` rows carry no values (the link was lost at tMs); `event`
// is a user mark ("marca 3"), a calibration event or empty. A value the
// store did not give is NaN.
struct LogSample {
    int64_t tMs = 0;
    bool gap = false;
    double values[kLogChannelCount] = {};
    std::string event;

    double& operator[](LogChannel c) { return values[static_cast<int>(c)]; }
    double operator[](LogChannel c) const { return values[static_cast<int>(c)]; }
};

// The live values of one answered poll, converted as the gauges convert
// them (live_numbers.h): rpm from the speed count and the model's factors,
// 0.02 V per count, steps, "83" scale colour, "81" injection time. nullopt
// when the store lacks a register the gauges need ("11", "23", "24", "28",
// "29"); "81" missing, a "83" other than 0/1, or a Q5100 quotient with no
// speed count yet give NaN in that channel.
std::optional<LogSample> SampleFromLiveStore(CRX4DATA& liveStore, int modelIndex, int64_t tMs);

// The model's name as the header writes it (0 Q7100, 1 Q5100, 2 "Q5100 plus").
std::string ModelName(int modelIndex);
