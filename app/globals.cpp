#include "app/globals.h"

#include "app/parameter_table.h"

// Construction order matters: the port is closed by its destructor after the
// stores are gone, as the program ends in reverse order.
int ModelIndex = 1;
CRX4COMM g_SerialPort;
CRX4DATA g_EquipmentStore;
CRX4DATA g_FileStore;
CRX4DATA g_MonitorStore;
CRX4FILE g_DumpFile;

PendingWrites g_PendingWrites;
unsigned char g_SourceIsFile = 0;
unsigned char g_FileLoaded = 0;
std::string g_ConfigFilePath;
std::string g_FocusedKey;
unsigned char CtrlKeyDown = 0;
unsigned char g_CalibrationRunning = 0;
unsigned char g_LiveViewRunning = 0;
CustomerData g_CustomerData;

SwitchableClock g_Clock;

EcuSession& GlobalSession() {
    static EcuSession session{g_SerialPort,    g_Clock,    g_EquipmentStore, g_FileStore,
                              g_MonitorStore,  g_PendingWrites, g_DumpFile,   1, false, std::string()};
    return session;
}

void SyncSessionFromGlobals() {
    EcuSession& session = GlobalSession();
    session.modelIndex = ModelIndex;
    session.sourceIsFile = g_SourceIsFile != 0;
    session.configFilePath = g_ConfigFilePath.substr(0, kConfigFilePathCapacity);
}

const char* ModelFileType() { return ModelIndex == 1 ? "Q5100" : "Q7100"; }

void ResetGlobals() {
    ModelIndex = 1;
    g_SerialPort.ClosePort();
    g_SerialPort.SetPortNumber(0);
    g_EquipmentStore.Zeradora();
    g_FileStore.Zeradora();
    g_MonitorStore.Zeradora();
    g_DumpFile.RX4CloseFile();
    g_PendingWrites.Clear();
    g_SourceIsFile = 0;
    g_FileLoaded = 0;
    g_ConfigFilePath.clear();
    g_FocusedKey.clear();
    CtrlKeyDown = 0;
    g_CalibrationRunning = 0;
    g_LiveViewRunning = 0;
    g_CustomerData = CustomerData{};
    ClearParameterTable();
    SyncSessionFromGlobals();
}
