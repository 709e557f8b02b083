#pragma once
// A session over a scripted ECU in virtual time. Frames, waits, reads and the
// page's hook calls all land in one transcript, so a test states the whole
// exchange in the order it must happen.

#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "comm/clock.h"
#include "comm/crx4comm.h"
#include "comm/ecu_protocol.h"
#include "comm/pending_writes.h"
#include "data/crx4data.h"
#include "data/crx4file.h"
#include "data/diagnostic_dump.h"
#include "data/store_text.h"
#include "tests/support/recording_device.h"
#include "tests/support/scripted_device.h"

// Writes "QUEUE key", "COMMANDS on/off", "REFRESH" and "MESSAGE text" lines.
class RecordingHooks : public PageHooks {
    std::shared_ptr<Transcript> t_;

  public:
    explicit RecordingHooks(std::shared_ptr<Transcript> transcript) : t_(std::move(transcript)) {}

    std::vector<std::string> requiredRegisters;  // the refresh fails (1) without one of these
    std::vector<std::pair<std::string, std::string>> writes;  // what the page queues

    int RefreshFromStore(CRX4DATA& store) override {
        t_->Add("REFRESH");
        std::string value;
        return std::all_of(requiredRegisters.begin(), requiredRegisters.end(),
                           [&](auto& reg) { return StoreValueText(store, reg.c_str(), &value); }) ? 0 : 1;
    }
    void SetCommandsEnabled(bool on) override { t_->Add(on ? "COMMANDS on" : "COMMANDS off"); }
    void QueueWritesForKey(const char* key, PendingWrites& pending) override {
        t_->Add(std::string("QUEUE ") + key);
        for (const auto& [reg, value] : writes) pending.Append(reg.c_str(), value.c_str());
    }
    void ShowMessage(const char* text, const char* title, MessageIcon) override {
        t_->Add(std::string("MESSAGE ") + text + (title[0] ? " / " : "") + title);
    }
};

// Points ZANO_PORTS_DIR at a fresh folder for the life of the object.
struct TemporaryPortsDir {
    QTemporaryDir dir;
    const std::string old = getenv("ZANO_PORTS_DIR") ? getenv("ZANO_PORTS_DIR") : "";
    TemporaryPortsDir() { setenv("ZANO_PORTS_DIR", Path().c_str(), 1); }
    ~TemporaryPortsDir() { old.empty() ? unsetenv("ZANO_PORTS_DIR") : setenv("ZANO_PORTS_DIR", old.c_str(), 1); }
    std::string Path() const { return dir.path().toStdString(); }
    bool Link(int number, const std::string& target) const {  // an override of COMn
        return symlink(target.c_str(), (Path() + "/COM" + std::to_string(number)).c_str()) == 0;
    }
};


using Lines = std::vector<std::string>;

class EcuLinkTest : public ::testing::Test {
  protected:
    EcuLinkTest() {
        SetDumpFolder(dumpDir.path().toStdString());
        port.SetDeviceFactory([this](const std::string& name) {
            openedNames.push_back(name);
            return std::make_unique<RecordingDevice>(std::make_unique<ScriptedDevice>(script), transcript);
        });
    }
    ~EcuLinkTest() override { SetDumpFolder(""); }

    // An open port on COM1 for the model, with an empty transcript.
    void Connect(int modelIndex) {
        session.modelIndex = modelIndex;
        port.SetPortNumber(1), port.OpenPort(), transcript->Clear();
    }
    void Answer(std::vector<uint8_t> bytes) { script->QueueAnswer(std::move(bytes)); }
    void NoAnswer() { script->QueueAnswer({}); }
    Lines Recorded() const { return transcript->Lines(); }
    std::string TempPath(const char* name) const { return QDir(dumpDir.path()).filePath(name).toStdString(); }
    // One WritePort: all of the frame is written, or none.
    CRX4COMM_RESULT SendFrame(const std::vector<uint8_t>& frame) {
        uint32_t written = 99;
        const CRX4COMM_RESULT result = port.WritePort(frame.data(), frame.size(), &written);
        EXPECT_EQ(written, result == COMM_OK ? frame.size() : 0u);
        return result;
    }
    // The text of one ReadPort into a buffer of `size`, or "<failed>".
    std::string ReadText(uint32_t size) {
        std::vector<char> buffer(size, '#');
        uint32_t length = 12345;
        if (port.ReadPort(buffer.data(), size, &length) != COMM_OK)
            return "<failed>";
        EXPECT_EQ(length, std::strlen(buffer.data()));
        return buffer.data();
    }

    std::shared_ptr<Transcript> transcript = std::make_shared<Transcript>();
    std::shared_ptr<DeviceScript> script = std::make_shared<DeviceScript>();
    std::vector<std::string> openedNames;
    QTemporaryDir dumpDir;
    VirtualClock virtualClock;
    RecordingClock clock{virtualClock, transcript};
    CRX4COMM port;
    CRX4DATA equipmentStore, fileStore, monitorStore;
    PendingWrites pending;
    CRX4FILE dumpFile;
    EcuSession session{port,     clock, equipmentStore, fileStore, monitorStore, pending,
                       dumpFile, 0,     false,          ""};
    RecordingHooks hooks{transcript};
};
