#pragma once
// The waits, retry counts, write order and confirm policy of every caller of
// the ECU protocol, as one table. The procedures in ecu_protocol.h are the
// same for every page; only these rows differ.

#include <vector>

enum class EcuCaller {
    CustomerPage,
    VehiclePage,       // Q7100: write of all fields, read-back, Enter's extra read
    VehiclePageField,  // Q7100: Enter in one field
    VehicleBasicPage,  // Q5100 and "Q5100 plus"
    ActuatorPage,
    LambdaPage,        // Q7100 and "Q5100 plus"
    LambdaBasicPage,   // Q5100
    AuxPage,           // Q7100 and "Q5100 plus"
    AuxBasicPage,      // Q5100
    MonitorSnapshot,   // read-all into the monitor store when the dialog opens
    MonitorStepWrite,  // idle / high-speed steps written with Enter, and their read-back
    MonitorCalibrationReadBack,
};

// When a read from the ECU leaves the diagnostic dump of the store it read.
enum class DumpRule { Never, Always, OnlyQ5100 };

// What becomes of bytes received before the read command is sent.
enum class Backlog {
    Keep,     // read with the answer, as they came
    Discard,  // thrown away unread: a live stream that piled up while the
              // monitor did not read it would crowd out the answer
};

// Which store the page's fields are refreshed from after a read.
enum class RefreshRule {
    ReadStore,       // the store the answer went into
    EquipmentStore,  // always the ECU's values (the Q7100 vehicle page)
    None,            // nothing shown: the read only fills the store
};

// Where reads go while the source selector shows "Arquivo".
enum class ReadSource {
    SelectedSource,  // the configuration file, registers as listed in the row
    EcuOnly,
};

enum class WriteOrder { LastQueuedFirst, QueueOrder };

enum class ConfirmPolicy { Always, OnlyAfterAnswer };

struct TimingProfile {
    // Reading. The retrying read waits readLeadMs, then tries ReadRegisters
    // up to three times; each try (after dealing with the backlog, which
    // takes no time) sends the read command, waits firstWaitMs and calls
    // ReadPort up to readCalls times, retryWaitMs between calls.
    int readLeadMs;
    int firstWaitMs;
    int retryWaitMs;
    int readCalls;
    Backlog backlog;
    DumpRule dump;
    RefreshRule refresh;
    ReadSource source;
    std::vector<const char*> fileRegisters;  // what a "FULL" read takes from the file

    // Writing. Per entry: entryLeadMs, write frame, answerWaitMs, one
    // ReadPort, afterAnswerWaitMs, three confirm frames each followed by
    // confirmSpacingMs (per confirm policy), entryTrailingMs.
    bool writeFollowsSource;  // false: writes even while "Arquivo" is shown
    WriteOrder order;
    int entryLeadMs;
    int answerWaitMs;
    int afterAnswerWaitMs;
    ConfirmPolicy confirm;
    int confirmSpacingMs;
    int entryTrailingMs;
};

const TimingProfile& TimingFor(EcuCaller caller);
