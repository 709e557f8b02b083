// The COMn map: names to numbers, the default numbering, override links and
// the port list with its open status.

#include "comm/port_names.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "comm/qt_serial_device.h"
#include "tests/comm/pty_test_support.h"

namespace {

namespace fs = std::filesystem;

const PortInfo* FindPort(const std::vector<PortInfo>& ports, int number) {
    const auto found = std::find_if(ports.begin(), ports.end(),
                                    [number](const PortInfo& p) { return p.number == number; });
    return found == ports.end() ? nullptr : &*found;
}

std::vector<PortInfo> ListPortsOnQtThread(bool probe) {
    std::vector<PortInfo> ports;
    RunOnQtThread([&] { ports = ListPorts(probe); });
    return ports;
}

TEST(PortNumberFromName, TakesOnlyComFollowedByDigits) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"COM12", 12}, {"COM1", 1},    {"COM0", 0},          {"COM", 0},   {"", 0},
        {"com3", 0},   {"COM3x", 0},   {"XCOM3", 0},         {"COM-3", 0}, {"COM+3", 0},
        {"COM 3", 0},  {"garbage", 0}, {"COM1234567890", 0}, {"COM012", 0}};
    for (const auto& [name, number] : cases) EXPECT_EQ(PortNumberFromName(name), number) << name;
}

TEST(DefaultNumbering, GivesEachKindOfDeviceItsOwnRange) {
    const std::vector<std::pair<int, std::string>> cases = {
        {1, "ttyS0"},     {20, "ttyS19"}, {21, "ttyUSB0"}, {40, "ttyUSB19"}, {41, "ttyACM0"},
        {60, "ttyACM19"}, {0, ""},        {61, ""},        {-1, ""}};
    for (const auto& [number, name] : cases) {
        EXPECT_EQ(DefaultDeviceName(number), name) << number;
        if (!name.empty()) {
            EXPECT_EQ(DefaultPortNumber(name), number) << name;
        }
    }
}

TEST(DefaultNumbering, IgnoresOtherDeviceNames) {
    for (const char* name : {"ttyS20", "ttyUSB20", "ttyS", "ttyUSBx", "ttyAMA0", "tty0", "ttyS-1",
                             "pts/0", "ttyACM007x", "ttyS01"}) {
        EXPECT_EQ(DefaultPortNumber(name), 0) << name;
    }
}

TEST(PortsDirectory, ComesFromTheEnvironment) {
    TemporaryPortsDir ports;
    EXPECT_EQ(PortsDirectory(), ports.Path());

    const std::string oldXdg = getenv("XDG_CONFIG_HOME") ? getenv("XDG_CONFIG_HOME") : "";
    const std::string oldHome = getenv("HOME") ? getenv("HOME") : "";
    unsetenv("ZANO_PORTS_DIR");
    setenv("XDG_CONFIG_HOME", "/config", 1);
    EXPECT_EQ(PortsDirectory(), "/config/zano/ports");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/user", 1);
    EXPECT_EQ(PortsDirectory(), "/home/user/.config/zano/ports");

    setenv("HOME", oldHome.c_str(), 1);
    if (!oldXdg.empty())
        setenv("XDG_CONFIG_HOME", oldXdg.c_str(), 1);
    setenv("ZANO_PORTS_DIR", ports.Path().c_str(), 1);
}

class PortMapTest : public ::testing::Test {
  protected:
    TemporaryPortsDir ports_;
};

TEST_F(PortMapTest, AnOverrideLinkWinsOverTheDefaultDevice) {
    // COM1 is /dev/ttyS0 by default, whether or not that exists here.
    ASSERT_TRUE(RegisterPortLink(1, "/dev/pts/99"));
    EXPECT_EQ(ResolvePortDevice(1), "/dev/pts/99");
    EXPECT_TRUE(fs::is_symlink(ports_.Path() + "/COM1"));
}

TEST_F(PortMapTest, RegisteringAgainReplacesTheLink) {
    ASSERT_TRUE(RegisterPortLink(4, "/dev/pts/1"));
    ASSERT_TRUE(RegisterPortLink(4, "/dev/pts/2"));
    EXPECT_EQ(ResolvePortDevice(4), "/dev/pts/2");
    EXPECT_EQ(std::distance(fs::directory_iterator(ports_.Path()), fs::directory_iterator()), 1);
}

TEST_F(PortMapTest, ARelativeLinkIsTakenFromTheFolder) {
    fs::create_symlink("elsewhere/device", ports_.Path() + "/COM8");
    EXPECT_EQ(ResolvePortDevice(8), ports_.Path() + "/elsewhere/device");
}

TEST_F(PortMapTest, WithoutAnOverrideTheDefaultDeviceIsUsedWhenItExists) {
    for (const int number : {1, 21, 41}) {
        const std::string path = "/dev/" + DefaultDeviceName(number);
        EXPECT_EQ(ResolvePortDevice(number), fs::exists(path) ? path : "") << number;
    }
    EXPECT_EQ(ResolvePortDevice(0), "");
    EXPECT_EQ(ResolvePortDevice(61), "");
}

TEST_F(PortMapTest, UnregisteringGivesTheNumberBackToTheDefault) {
    ASSERT_TRUE(RegisterPortLink(60, "/dev/pts/5"));
    ASSERT_TRUE(UnregisterPortLink(60));
    const std::string fallback = fs::exists("/dev/ttyACM19") ? "/dev/ttyACM19" : "";
    EXPECT_EQ(ResolvePortDevice(60), fallback);
    EXPECT_TRUE(UnregisterPortLink(60));
    EXPECT_FALSE(RegisterPortLink(0, "/dev/pts/5"));
}

TEST_F(PortMapTest, ListPortsShowsOverridesWithTheirDeviceAndState) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    ASSERT_TRUE(RegisterPortLink(1, pty.SlavePath()));
    ASSERT_TRUE(RegisterPortLink(70, "/dev/zano-no-such-device"));

    const std::vector<PortInfo> ports = ListPortsOnQtThread(false);
    ASSERT_TRUE(
        std::is_sorted(ports.begin(), ports.end(),
                       [](const PortInfo& a, const PortInfo& b) { return a.number < b.number; }));
    EXPECT_EQ(
        std::count_if(ports.begin(), ports.end(), [](const PortInfo& p) { return p.number == 1; }),
        1);
    const PortInfo* com1 = FindPort(ports, 1);
    ASSERT_NE(com1, nullptr);
    EXPECT_EQ(com1->comName, "COM1");
    EXPECT_EQ(com1->devicePath, pty.SlavePath());
    EXPECT_EQ(com1->description, "pseudo-terminal, override link");
    EXPECT_EQ(com1->status, OpenError::None);
    const PortInfo* com70 = FindPort(ports, 70);
    ASSERT_NE(com70, nullptr);
    EXPECT_EQ(com70->status, OpenError::NotFound);
    EXPECT_EQ(com70->statusText, "não encontrada");
}

TEST_F(PortMapTest, ProbingReportsAPortThatIsInUseAsBusy) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    ASSERT_TRUE(RegisterPortLink(2, pty.SlavePath()));
    ASSERT_TRUE(RegisterPortLink(3, pty.SlavePath()));
    std::vector<PortInfo> ports;
    RunOnQtThread([&] {
        QtSerialDevice holder(pty.SlavePath());
        ASSERT_TRUE(holder.Open());
        ports = ListPorts(true);
    });
    for (const int number : {2, 3}) {
        const PortInfo* port = FindPort(ports, number);
        ASSERT_NE(port, nullptr);
        EXPECT_EQ(port->status, OpenError::Busy);
        EXPECT_EQ(port->statusText, "ocupada: outro programa está usando a porta");
    }
    ports = ListPortsOnQtThread(true);
    const PortInfo* free = FindPort(ports, 2);
    ASSERT_NE(free, nullptr);
    EXPECT_EQ(free->status, OpenError::None);
}

TEST_F(PortMapTest, ProbingReportsADeviceTheUserMayNotOpen) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root may open any device";
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    ASSERT_EQ(chmod(pty.SlavePath().c_str(), 0), 0);
    ASSERT_TRUE(RegisterPortLink(9, pty.SlavePath()));
    const std::vector<PortInfo> ports = ListPortsOnQtThread(true);
    const PortInfo* port = FindPort(ports, 9);
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(port->status, OpenError::NoPermission);
    EXPECT_EQ(port->statusText, "sem permissão: adicione o usuário ao grupo dialout");
}

}  // namespace
