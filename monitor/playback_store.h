#pragma once
// A recorded row put back into a store as the live registers would hold it,
// so that the playback draws the gauges through their own path (the store,
// LiveGauges, LiveNumbers) with no second copy of the conversions. This is the
// inverse of SampleFromLiveStore: SampleFromLiveStore(store) gives the row
// back for every value the ECU can send.

#include <string>

class CRX4DATA;
struct LogSample;

// 0 Q7100, 1 Q5100, 2 "Q5100 plus", by the name a datalog's header gives;
// 0 for a name it does not know.
int ModelIndexOfName(const std::string& name);

// Writes "11", "23", "24", "28", "29" (and "2A", "2B", "2C" on the Q5100),
// "81" and "83". A channel without a value (NaN) leaves its registers as
// they were, so the gauge keeps its last reading, as it does live; a Q5100
// speed without a value is written as no speed count at all.
void PutSampleInStore(const LogSample& sample, int modelIndex, CRX4DATA& store);

// The registers a playback needs beside the live ones: the sensor direction
// "10" (normal), the lambda scale "13" (1 V, or 5 V when `lambdaFiveVolts`),
// and the step settings "3D"/"3E" (their presence lets the actuator gauges
// draw; taken from `equipment` when it has them).
void PreparePlaybackStore(CRX4DATA& store, CRX4DATA& equipment, bool lambdaFiveVolts);
