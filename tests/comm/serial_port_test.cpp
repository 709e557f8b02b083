// The serial port layer: the COMn map and its port list, QtSerialDevice on a
// pseudo-terminal whose master side the test plays, and CRX4COMM over scripted
// devices (naming, open/close, line, time-outs, ReadPort's text).

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QThread>
#include <filesystem>
#include <thread>

#include "comm/crx4comm.h"
#include "comm/port_names.h"
#include "comm/qt_serial_device.h"
#include "tests/comm/protocol_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Steady = std::chrono::steady_clock;

struct PtyPair {
    int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    std::string slave = master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0 ? ptsname(master) : "";
    ~PtyPair() { CloseMaster(); }
    bool Write(const Bytes& b) { return write(master, b.data(), b.size()) == ssize_t(b.size()); }
    void CloseMaster() { master >= 0 && close(master), master = -1; }  // a pulled cable
};

// QSerialPort's notifiers need a thread of Qt's own, as in the program's worker.
void RunOnQtThread(const std::function<void()>& body) {
    std::unique_ptr<QThread> thread(QThread::create(body));
    thread->start(), thread->wait();
}

long long MsSince(Steady::time_point t) { return std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - t).count(); }

// `count` bytes from the device within 2 s, in reads of at most `size` bytes; stops at a failed read.
Bytes ReadFor(SerialDevice* device, size_t count, size_t size = 4096) {
    Bytes bytes;
    uint8_t chunk[4096];
    for (const auto start = Steady::now(); bytes.size() < count && MsSince(start) < 2000;) {
        const int64_t n = device->Read(chunk, size);
        if (n < 0 || n > static_cast<int64_t>(size))
            break;
        bytes.insert(bytes.end(), chunk, chunk + n);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return bytes;
}

Bytes Pattern(size_t count) {  // fits the terminal's own buffer: all there at once
    Bytes bytes(count);
    for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(i % 251);
    return bytes;
}

}  // namespace

TEST(PortNames, ComNumbersAndTheDefaultDeviceOfEachRange) {
    EXPECT_EQ(std::make_pair(PortNumberFromName("COM12"), PortNumberFromName("COM1")), std::make_pair(12, 1));
    for (const char* name : {"COM0", "COM", "", "com3", "COM3x", "XCOM3", "COM-3", "COM+3", "COM 3", "COM1234567890", "COM012"})
        EXPECT_EQ(PortNumberFromName(name), 0) << name;
    for (const auto& [number, name] : std::vector<std::pair<int, std::string>>{
             {1, "ttyS0"}, {20, "ttyS19"}, {21, "ttyUSB0"}, {40, "ttyUSB19"}, {41, "ttyACM0"},
             {60, "ttyACM19"}, {0, ""}, {61, ""}, {-1, ""}}) {
        EXPECT_EQ(DefaultDeviceName(number), name) << number;
        EXPECT_EQ(DefaultPortNumber(name), name.empty() ? 0 : number) << name;
    }
    for (const char* name : {"ttyS20", "ttyUSB20", "ttyS", "ttyUSBx", "ttyAMA0", "tty0", "ttyS-1", "pts/0", "ttyACM007x", "ttyS01"})
        EXPECT_EQ(DefaultPortNumber(name), 0) << name;
}

TEST(PortNames, ThePortsFolderComesFromTheEnvironmentAndAnOverrideLinkWins) {
    const std::string home = getenv("HOME") ? getenv("HOME") : "";
    {
        TemporaryPortsDir ports;
        EXPECT_EQ(PortsDirectory(), ports.Path());
        ASSERT_TRUE(ports.Link(1, "/dev/pts/99") && ports.Link(8, "elsewhere/device"));
        EXPECT_EQ(ResolvePortDevice(1), "/dev/pts/99");
        EXPECT_EQ(ResolvePortDevice(8), ports.Path() + "/elsewhere/device");  // relative to it
        const std::string usb = "/dev/" + DefaultDeviceName(21);  // the default device, when it exists
        EXPECT_EQ(ResolvePortDevice(21), std::filesystem::exists(usb) ? usb : "");
        EXPECT_EQ(ResolvePortDevice(0) + ResolvePortDevice(61), "");
    }
    unsetenv("ZANO_PORTS_DIR");
    setenv("XDG_CONFIG_HOME", "/config", 1);
    EXPECT_EQ(PortsDirectory(), "/config/zano/ports");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/user", 1);
    EXPECT_EQ(PortsDirectory(), "/home/user/.config/zano/ports");
    setenv("HOME", home.c_str(), 1);
}

// COM2 links to the terminal COM1 holds: busy through a link, free once closed.
TEST(PortNames, TheListShowsOverridesWithTheirDeviceAndProbedState) {
    TemporaryPortsDir ports;
    PtyPair pty, locked;
    ASSERT_TRUE(ports.Link(1, pty.slave) && ports.Link(2, pty.slave));
    ASSERT_TRUE(ports.Link(70, "/dev/zano-no-such-device") && ports.Link(9, locked.slave));
    ASSERT_EQ(chmod(locked.slave.c_str(), 0), 0);
    std::vector<PortInfo> list, probed, free;
    RunOnQtThread([&] {
        list = ListPorts(false);
        QtSerialDevice holder(pty.slave);
        ASSERT_TRUE(holder.Open());
        probed = ListPorts(true);
        holder.Close();
        free = ListPorts(true);
    });
    auto find = [](const std::vector<PortInfo>& in, int number) {
        auto it = std::find_if(in.begin(), in.end(), [&](auto& p) { return p.number == number; });
        return it == in.end() ? PortInfo{} : *it;
    };
    ASSERT_TRUE(std::is_sorted(list.begin(), list.end(), [](auto& a, auto& b) { return a.number < b.number; }));
    EXPECT_EQ(std::count_if(list.begin(), list.end(), [](auto& p) { return p.number == 1; }), 1);
    const PortInfo com1 = find(list, 1);
    EXPECT_EQ(std::tie(com1.comName, com1.devicePath, com1.description, com1.number, com1.status),
              std::make_tuple("COM1", pty.slave, "pseudo-terminal, override link", 1, OpenError::None));
    EXPECT_EQ(find(list, 70).statusText, "não encontrada");
    EXPECT_EQ(find(probed, 2).statusText, "ocupada: outro programa está usando a porta");
    EXPECT_EQ(std::make_pair(find(free, 2).number, find(free, 2).status), std::make_pair(2, OpenError::None));
    EXPECT_EQ(find(free, 9).statusText, geteuid() == 0 ? find(free, 9).statusText  // root opens any device
                                                       : "sem permissão: adicione o usuário ao grupo dialout");
}

TEST(QtSerialDeviceTest, OpensAt9600EightNoneOneReadsWithoutBlockingAndWrites) {
    PtyPair pty;
    ASSERT_FALSE(pty.slave.empty());
    RunOnQtThread([&] {
        QtSerialDevice missing("/dev/zano-no-such-device");
        EXPECT_TRUE(!missing.Open() && missing.LastOpenError() == OpenError::NotFound);
        EXPECT_NE(missing.ErrorText().find("/dev/zano-no-such-device"), std::string::npos);
        QtSerialDevice device(pty.slave);
        LineSettings settings;
        ASSERT_TRUE(device.Open() && device.GetLineSettings(&settings));
        EXPECT_EQ((std::vector<uint32_t>{settings.baudRate, settings.dataBits, settings.parity, settings.stopBits}),
                  (std::vector<uint32_t>{9600, 8, 0, 0}));
        uint8_t buffer[4];
        const auto start = Steady::now();
        EXPECT_EQ(device.Read(buffer, sizeof buffer), 0);
        EXPECT_LT(MsSince(start), 50);
        // Ten bytes through reads of four: what does not fit stays for the next.
        ASSERT_TRUE(pty.Write(Pattern(10)));
        EXPECT_EQ(ReadFor(&device, 10, 4), Pattern(10));
        EXPECT_EQ(device.Write(Bytes{0x00, 0x04, 0x00}.data(), 3, 5000), 3);
    });
    uint8_t sent[4] = {};
    EXPECT_TRUE(read(pty.master, sent, 4) == 3 && sent[1] == 0x04);
}

// A write nobody drains ends at its time limit; a hang-up fails every call.
TEST(QtSerialDeviceTest, ABoundedBufferKeepsTheNewestBytesDiscardDropsThemAHangUpFails) {
    PtyPair pty;
    RunOnQtThread([&] {
        QtSerialDevice device(pty.slave);
        device.SetReceiveBufferSize(1000);
        ASSERT_TRUE(device.Open());
        const Bytes sent = Pattern(3000);
        ASSERT_TRUE(pty.Write(sent));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        Bytes buffer(10000);
        ASSERT_EQ(device.Read(buffer.data(), buffer.size()), 1000);
        EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 1000), Bytes(sent.end() - 1000, sent.end()));
        ASSERT_TRUE(pty.Write(Pattern(2500)));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        EXPECT_EQ(device.DiscardReceived(), 2500);
        EXPECT_EQ(device.Read(buffer.data(), buffer.size()), 0);
        ASSERT_TRUE(pty.Write({0xB0, 0x20, 0x01, 0xC0}));
        EXPECT_EQ(ReadFor(&device, 4), (Bytes{0xB0, 0x20, 0x01, 0xC0})) << "what comes after a discard is read";

        const Bytes flood(1 << 20, 0x55);
        const auto start = Steady::now();
        const int64_t written = device.Write(flood.data(), flood.size(), 200);
        EXPECT_TRUE(written >= 0 && written < static_cast<int64_t>(flood.size())) << written;
        EXPECT_TRUE(MsSince(start) >= 150 && MsSince(start) < 2000 && device.IsOpen()) << MsSince(start);

        pty.CloseMaster();
        int64_t result = 0;
        for (const auto hangUp = Steady::now(); result == 0 && MsSince(hangUp) < 2000;)
            result = device.Read(buffer.data(), 16);
        EXPECT_EQ(std::make_tuple(result, device.IsOpen(), device.Write(buffer.data(), 1, 100), device.DiscardReceived()),
                  std::make_tuple(int64_t{-1}, false, int64_t{-1}, int64_t{-1}));
        EXPECT_NE(device.ErrorText().find("disconnected"), std::string::npos);
    });
}

struct Crx4CommTest : EcuLinkTest {  // the fixture's recorded, scripted port on COM1
    Crx4CommTest() { port.SetPortNumber(1); }
};

TEST_F(Crx4CommTest, ReadPortGivesTheBytesAsAnswerTextAndFailsWhenTheBufferIsFull) {
    EXPECT_EQ(ReadText(100), "<failed>");  // closed
    ASSERT_EQ(port.OpenPort(), COMM_OK);
    // No leading zeros; nothing came; the buffer's size came (maybe cut); a
    // first zero byte ends the text; the text and its terminator just fit, or
    // not; four bytes taken, and the rest stays for the next read.
    const std::pair<Bytes, uint32_t> reads[] = {
        {{0xB0, 0x20, 0x01, 0xC0}, 10000}, {{0xB0, 0x00, 0x05}, 10000}, {{}, 10000}, {{1, 2, 3, 4}, 4},
        {{1, 2, 3}, 8}, {{0x00, 0xB0, 0x10}, 10000}, {{0xB0, 0xB0, 0xB0}, 10}, {{0xB0, 0xB0, 0xB0}, 9},
        {{1, 2, 3, 4, 5, 6, 7}, 4}, {{}, 100}};
    Lines texts;
    for (const auto& [bytes, size] : reads) script->QueueAnswer(bytes), texts.push_back(ReadText(size));
    EXPECT_EQ(texts, (Lines{"B0|20|1|C0|", "B0|0|5|", "<failed>", "<failed>", "1|2|3|", "", "B0|B0|B0|",
                            "<failed>", "<failed>", "5|6|7|"}));
}

// The port's name is "COM" and its number cut to seven characters.
TEST_F(Crx4CommTest, OpenNamesThePortRaisesTheModemLinesAndFailsWithoutADevice) {
    EXPECT_TRUE(port.SetPortNumber(3) == COMM_OK && port.GetPortNumber() == 3);
    EXPECT_EQ(port.OpenPort(), COMM_OK);
    EXPECT_TRUE(port.PortConnected() == 1 && script->Dtr() && script->Rts());
    port.SetPortNumber(-1234567);
    EXPECT_EQ(port.OpenPort(), COMM_OK);  // an open port is closed first
    EXPECT_TRUE(port.ClosePort() == COMM_OK && port.ClosePort() == COMM_OK);
    EXPECT_EQ(openedNames, (Lines{"COM3", "COM-123"}));
    EXPECT_EQ(Recorded(), (Lines{"OPEN", "CLOSE", "OPEN", "CLOSE"}));

    script->FailOpen(OpenError::NoPermission);
    EXPECT_TRUE(port.OpenPort() == COMM_OPEN_FAILED && port.PortConnected() == 0);
    port.SetDeviceFactory([](const std::string&) { return SerialDevicePtr(); });
    EXPECT_TRUE(port.OpenPort() == COMM_OPEN_FAILED && port.PortConnected() == 0);

    TemporaryPortsDir ports;  // the system's own devices
    ASSERT_TRUE(ports.Link(5, "/dev/zano-no-such-device"));
    CRX4COMM systemPort;
    EXPECT_EQ((systemPort.SetPortNumber(5), systemPort.OpenPort()), COMM_OPEN_FAILED);
}

TEST_F(Crx4CommTest, LineSettingsAndWritesNeedAnOpenPortAndTheSpeedSurvivesAReopen) {
    EXPECT_TRUE(port.SetPortBaudRate(38400) == COMM_GET_FAILED && SendFrame({0x09, 0x00}) == COMM_WRITE_FAILED);
    ASSERT_EQ(port.OpenPort(), COMM_OK);
    EXPECT_EQ(port.SetPortBaudRate(38400) | port.SetPortDtaBit(7) | port.SetPortParity(2) | port.SetPortStopBit(2), COMM_OK);
    const LineSettings line = script->Settings();
    EXPECT_EQ((std::vector<uint32_t>{line.baudRate, line.dataBits, line.parity, line.stopBits}),
              (std::vector<uint32_t>{38400, 7, 2, 2}));
    EXPECT_EQ(SendFrame({0x00, 0x04, 0x00}), COMM_OK);
    EXPECT_EQ((port.SetCommunicationTimeouts(0xFFFFFFFF, 0, 0, 10, 100), SendFrame({0x00, 0x04, 0x2B})), COMM_OK);
    EXPECT_EQ(script->WriteLimits(), (std::vector<int>{5000, 130}));  // 100 + 10 per byte
    EXPECT_EQ(script->Written(), (std::vector<Bytes>{{0x00, 0x04, 0x00}, {0x00, 0x04, 0x2B}}));
    script->FailWrites(true);
    EXPECT_EQ(SendFrame({0x09, 0x00}), COMM_WRITE_FAILED);
    // The ECU link sets 38400 baud and then reopens the port; a Windows
    // driver keeps the speed over the reopen, and so must this port.
    ASSERT_EQ(port.OpenPort(), COMM_OK);
    EXPECT_EQ(script->Settings().baudRate, 38400u);
    ASSERT_EQ((port.SetPortNumber(2), port.OpenPort()), COMM_OK);
    EXPECT_EQ(script->Settings().baudRate, 9600u) << "another port starts at its own speed";
}
