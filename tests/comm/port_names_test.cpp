// The COMn map: names to numbers, the default numbering, override links and
// the port list with its open status.

#include "comm/port_names.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "comm/qt_serial_device.h"
#include "tests/comm/pty_test_support.h"

namespace {

namespace fs = std::filesystem;

TEST(PortNames, ComNumbersAndTheDefaultDeviceOfEachRange) {
    for (const auto& [name, number] : std::vector<std::pair<std::string, int>>{
             {"COM12", 12}, {"COM1", 1}, {"COM0", 0}, {"COM", 0}, {"", 0}, {"com3", 0},
             {"COM3x", 0}, {"XCOM3", 0}, {"COM-3", 0}, {"COM+3", 0}, {"COM 3", 0},
             {"COM1234567890", 0}, {"COM012", 0}})
        EXPECT_EQ(PortNumberFromName(name), number) << name;
    for (const auto& [number, name] : std::vector<std::pair<int, std::string>>{
             {1, "ttyS0"}, {20, "ttyS19"}, {21, "ttyUSB0"}, {40, "ttyUSB19"}, {41, "ttyACM0"},
             {60, "ttyACM19"}, {0, ""}, {61, ""}, {-1, ""}}) {
        EXPECT_EQ(DefaultDeviceName(number), name) << number;
        if (!name.empty()) {
            EXPECT_EQ(DefaultPortNumber(name), number) << name;
        }
    }
    for (const char* name : {"ttyS20", "ttyUSB20", "ttyS", "ttyUSBx", "ttyAMA0", "tty0", "ttyS-1",
                             "pts/0", "ttyACM007x", "ttyS01"})
        EXPECT_EQ(DefaultPortNumber(name), 0) << name;
}

TEST(PortNames, ThePortsFolderComesFromTheEnvironment) {
    const std::string home = getenv("HOME") ? getenv("HOME") : "";
    {
        TemporaryPortsDir ports;
        EXPECT_EQ(PortsDirectory(), ports.Path());
    }
    unsetenv("ZANO_PORTS_DIR");
    setenv("XDG_CONFIG_HOME", "/config", 1);
    EXPECT_EQ(PortsDirectory(), "/config/zano/ports");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/user", 1);
    EXPECT_EQ(PortsDirectory(), "/home/user/.config/zano/ports");
    setenv("HOME", home.c_str(), 1);
}

TEST(PortNames, AnOverrideLinkWinsOverTheDefaultDevice) {
    TemporaryPortsDir ports;
    ASSERT_TRUE(ports.Link(1, "/dev/pts/99"));
    EXPECT_EQ(ResolvePortDevice(1), "/dev/pts/99");
    ASSERT_TRUE(ports.Link(8, "elsewhere/device"));  // relative to the folder
    EXPECT_EQ(ResolvePortDevice(8), ports.Path() + "/elsewhere/device");
    for (const int number : {21, 41, 60}) {  // the default device, when it exists
        const std::string path = "/dev/" + DefaultDeviceName(number);
        EXPECT_EQ(ResolvePortDevice(number), fs::exists(path) ? path : "") << number;
    }
    EXPECT_EQ(ResolvePortDevice(0), "");
    EXPECT_EQ(ResolvePortDevice(61), "");
}

const PortInfo* FindPort(const std::vector<PortInfo>& ports, int number) {
    for (const PortInfo& port : ports)
        if (port.number == number)
            return &port;
    return nullptr;
}

TEST(PortNames, TheListShowsOverridesWithTheirDeviceAndProbedState) {
    TemporaryPortsDir ports;
    PtyPair pty, locked;
    ASSERT_TRUE(ports.Link(1, pty.slave) && ports.Link(2, pty.slave));
    ASSERT_TRUE(ports.Link(70, "/dev/zano-no-such-device"));
    ASSERT_EQ(chmod(locked.slave.c_str(), 0), 0);
    ASSERT_TRUE(ports.Link(9, locked.slave));
    std::vector<PortInfo> list, probed, free;
    RunOnQtThread([&] {
        list = ListPorts(false);
        QtSerialDevice holder(pty.slave);
        ASSERT_TRUE(holder.Open());
        probed = ListPorts(true);
        holder.Close();
        free = ListPorts(true);
    });
    ASSERT_TRUE(std::is_sorted(list.begin(), list.end(), [](const PortInfo& a, const PortInfo& b) {
        return a.number < b.number;
    }));
    ASSERT_TRUE(FindPort(list, 1) && FindPort(list, 70) && FindPort(probed, 2) && FindPort(free, 9));
    EXPECT_EQ(std::count_if(list.begin(), list.end(), [](auto& p) { return p.number == 1; }), 1);
    EXPECT_EQ(FindPort(list, 1)->comName, "COM1");
    EXPECT_EQ(FindPort(list, 1)->devicePath, pty.slave);
    EXPECT_EQ(FindPort(list, 1)->description, "pseudo-terminal, override link");
    EXPECT_EQ(FindPort(list, 1)->status, OpenError::None);
    EXPECT_EQ(FindPort(list, 70)->statusText, "não encontrada");
    EXPECT_EQ(FindPort(probed, 2)->statusText, "ocupada: outro programa está usando a porta");
    EXPECT_EQ(FindPort(free, 2)->status, OpenError::None);
    if (geteuid() != 0) {  // root may open any device
        EXPECT_EQ(FindPort(free, 9)->statusText,
                  "sem permissão: adicione o usuário ao grupo dialout");
    }
}

}  // namespace
