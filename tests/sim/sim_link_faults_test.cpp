// Link faults of the simulated ECU: a dropped link, the adapter pulled and plugged back in,
// the ECU losing power while the engine cranks, the adapter coming back
// under another ttyUSB number. In-process in virtual time, then the
// simulator program through a real pseudo-terminal.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/sim/sim_test_support.h"

namespace {

constexpr uint8_t kStart = 0x08;

size_t BytesAt(VirtualClock& clock, SimulatedEcuDevice& device, int64_t atMs) {
    const auto bytes = ReadAt(clock, device, atMs);
    EXPECT_TRUE(bytes.has_value()) << "read failed at " << atMs;
    return bytes ? bytes->size() : 0;
}

EcuOptions Vanishing(int afterMs, int forMs) {
    EcuOptions options;
    options.faults.vanishAfterMs = afterMs;
    options.faults.vanishForMs = forMs;
    return options;
}

TEST(SimLinkFaultsTest, ADroppedLinkFailsWritesAndReadsOnceUntilReconnected) {
    VirtualClock clock;
    EcuOptions options;
    options.faults.linkDropAfterFrames = 1;
    SimulatedEcuDevice device(clock, EcuVariant::Q7100, options);
    ASSERT_TRUE(device.Open() && device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    EXPECT_TRUE(WriteAll(device, {{0x00, 0x04, 0x2B}}));
    EXPECT_FALSE(ReadAt(clock, device, 100));
    EXPECT_EQ(Write(device, {0x00, 0x04, 0x2B}), -1);
    EXPECT_FALSE(device.ErrorText().empty());
    device.Reconnect();
    EXPECT_TRUE(WriteAll(device, {{0x00, 0x04, 0x2B}, {0x00, 0x04, 0x2B}, {0x00, 0x04, 0x2B}}));
    EXPECT_EQ(ReadAt(clock, device, 200).value_or(std::vector<uint8_t>{}).size(), 12u)
        << "the fault happens once";
}

// Pulled 1000 ms after the first open (at 50 ms), back 500 ms later.
TEST(SimLinkFaultsTest, VanishKillsTheHandleAndHidesThePortForExactlyItsWindow) {
    VirtualClock clock;
    clock.Advance(50);
    SimulatedEcuDevice device(clock, EcuVariant::Q7100, Vanishing(1000, 500));
    // Opened before the vanish and left alone until after it.
    SimulatedEcuDevice idle(clock, EcuVariant::Q7100, Vanishing(1000, 500));
    ASSERT_TRUE(device.Open() && idle.Open() && device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    ASSERT_TRUE(WriteAll(device, {{0x00, kStart, 0x00}}));
    EXPECT_GT(BytesAt(clock, device, 1049), 0u);  // the stream flows until the last moment
    EXPECT_TRUE(device.IsOpen());
    EXPECT_FALSE(device.Vanished());

    clock.Advance(1);  // 1050: pulled
    EXPECT_TRUE(device.Vanished());
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(std::make_tuple(ReadAt(clock, device, 1050).has_value(), Write(device, {0x00, 0x04, 0x2B}),
                              device.DiscardReceived(), device.ErrorText().empty()),
              std::make_tuple(false, int64_t{-1}, int64_t{-1}, false));
    for (int64_t at : {1050, 1549}) {
        clock.Advance(at - clock.NowMs());
        EXPECT_FALSE(device.Open()) << at;
        EXPECT_EQ(device.LastOpenError(), OpenError::NotFound) << at;
        EXPECT_FALSE(device.IsOpen()) << at;
    }

    clock.Advance(1);  // 1550: plugged back in
    EXPECT_FALSE(device.Vanished());
    EXPECT_FALSE(idle.IsOpen() || ReadAt(clock, idle, 1550)) << "a handle from before the vanish stays dead";
    ASSERT_TRUE(device.Open() && device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    EXPECT_EQ(device.LastOpenError(), OpenError::None);
    EXPECT_EQ(BytesAt(clock, device, 1550), 0u) << "what the ECU sent while away is lost";
    // The ECU kept running behind the adapter: its stream goes on, and the
    // fault does not come back.
    EXPECT_TRUE(device.Streaming());
    EXPECT_GT(BytesAt(clock, device, 1700), 0u);
    EXPECT_GT(BytesAt(clock, device, 60000), 0u);
    EXPECT_TRUE(device.IsOpen());
}

// Power lost 1000 ms after the first open (at 0), back 2000 ms later.
TEST(SimLinkFaultsTest, PowerCycleSilencesTheEcuKeepsItsRegistersAndStopsItsStream) {
    VirtualClock clock;
    EcuOptions options;
    options.faults.powerCycleAfterMs = 1000;
    options.faults.powerOffMs = 2000;
    SimulatedEcuDevice device(clock, EcuVariant::Q7100, options);
    ASSERT_TRUE(device.Open() && device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    const RegisterImage factory = device.Registers();
    // 3D committed, 3E pending when the power goes.
    ASSERT_TRUE(WriteAll(device, {{0x00, 0x3D, 0x60}, {0x00, 0x05, 0x18}, {0x00, 0x3E, 0x99}}));
    clock.Advance(10);
    ASSERT_TRUE(WriteAll(device, {{0x00, kStart, 0x00}}));
    EXPECT_GT(BytesAt(clock, device, 994), 0u);
    // A read-all at 995 ms starts 2 ms later, 0.26 ms a byte: only its first
    // bytes are out when the power goes at 1000 ms.
    ASSERT_TRUE(WriteAll(device, {{0x00, 0x04, 0x00}}));
    const size_t beforeOff = BytesAt(clock, device, 999);
    const size_t afterOff = BytesAt(clock, device, 1500);
    EXPECT_GT(beforeOff + afterOff, 0u);
    EXPECT_LT(beforeOff + afterOff, 16u) << "the answer is cut off where the power went";

    EXPECT_TRUE(device.PoweredOff());
    EXPECT_TRUE(device.IsOpen()) << "the port itself stays";
    const size_t framesBefore = device.ReceivedFrames().size();
    EXPECT_TRUE(WriteAll(device, {{0x00, 0x3D, 0x70}, {0x00, 0x05, 0x18}, {0x00, kStart, 0x00},
                                  {0x00, 0x04, 0x2B}}));
    EXPECT_EQ(BytesAt(clock, device, 2999), 0u) << "no acknowledgement, answer or stream";
    EXPECT_EQ(device.ReceivedFrames().size(), framesBefore) << "frames while off are lost";

    clock.Advance(1);  // 3000: powered again
    EXPECT_FALSE(device.PoweredOff());
    EXPECT_FALSE(device.Streaming());
    ASSERT_TRUE(WriteAll(device, {{0x00, 0x05, 0x18}}));  // nothing pending survived
    RegisterImage expected = factory;
    expected[0x3D] = 0x60;
    EXPECT_EQ(device.Registers(), expected);
    EXPECT_EQ(BytesAt(clock, device, 3500), 0u) << "the stream needs a new start frame";
    ASSERT_TRUE(WriteAll(device, {{0x00, 0x04, 0x3D}}));
    EXPECT_EQ(ReadAt(clock, device, 3600), (std::vector<uint8_t>{0xB0, 0x3D, 0x60, 0xC0}));
    ASSERT_TRUE(WriteAll(device, {{0x00, kStart, 0x00}}));
    EXPECT_TRUE(device.Streaming());
    EXPECT_EQ(BytesAt(clock, device, 4000), 4u * 40);  // four bursts of eight groups
}

#ifdef ZANO_ECU_SIM_PATH
// The simulator program with its stdout on a pipe.
class SimProgram {
  public:
    SimProgram(const std::string& portsDir, std::vector<std::string> args) {
        int out[2];
        if (::pipe(out) != 0)
            return;
        if ((pid_ = ::fork()) == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::setenv("ZANO_PORTS_DIR", portsDir.c_str(), 1);
            args.insert(args.begin(), ZANO_ECU_SIM_PATH);
            std::vector<char*> argv;
            for (std::string& arg : args) argv.push_back(arg.data());
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        stdout_ = out[0];
    }
    ~SimProgram() { Stop(), ::close(stdout_); }
    // The next line on stdout, or "" when a byte of it takes over timeoutMs.
    std::string NextLine(int timeoutMs) {
        std::string line;
        for (char c = 0;; line += c) {
            pollfd pfd{stdout_, POLLIN, 0};
            if (::poll(&pfd, 1, timeoutMs) <= 0 || ::read(stdout_, &c, 1) != 1)
                return "";
            if (c == '\n')
                return line;
        }
    }
    // SIGTERM, then the exit code (-1 if it did not end normally).
    int Stop() {
        if (pid_ <= 0)
            return -1;
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    int stdout_ = -1;
};

namespace fs = std::filesystem;

std::string LinkText(const fs::path& link) {  // "" for none
    std::error_code ec;
    const fs::path target = fs::read_symlink(link, ec);
    return ec ? std::string() : target.string();
}

// Waits up to 2 s for a condition the program brings about on its own time.
template <typename Condition>
bool Eventually(Condition condition) {
    for (int i = 0; i < 200 && !condition(); ++i) ::usleep(10000);
    return condition();
}

// Sends a read of register 2B and gives what comes back within a second.
std::string ExchangeOn(int fd) {
    const uint8_t frame[] = {0x00, 0x04, 0x2B};
    if (::write(fd, frame, sizeof frame) != static_cast<ssize_t>(sizeof frame))
        return "write failed";
    std::string answer;
    for (int i = 0; i < 100 && answer.size() < 4; ++i) {
        pollfd pfd{fd, POLLIN, 0};
        if (::poll(&pfd, 1, 10) > 0) {
            char chunk[64];
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n > 0)
                answer.append(chunk, static_cast<size_t>(n));
        }
    }
    return answer;
}

int OpenRaw(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios tio{};
    if (fd >= 0 && ::tcgetattr(fd, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(fd, TCSANOW, &tio);
    }
    return fd;
}

// The adapter is pulled 2 s after the start and is back 700 ms later as
// ttyUSB3 instead of ttyUSB0: the program's port hangs up, every name of
// the old terminal goes, and the by-id name finds the new one.
TEST(SimProgramLinkFaultsTest, PulledTerminalComesBackUnderAnotherUsbNumber) {
    const fs::path root = fs::temp_directory_path() / ("zano-sim-links-" + std::to_string(getpid()));
    fs::remove_all(root);
    const fs::path ports = root / "ports", dev = root / "dev";
    const fs::path byId = dev / "serial/by-id/usb-Zano_Simulated_ECU_0001-if00-port0";
    SimProgram sim(ports.string(),
                   {"--model", "q7100", "--com", "5", "--device-folder", dev.string(), "--usb",
                    "0", "--come-back-as", "3", "--vanish-after", "2000", "--vanish-for", "700"});
    // Where ttyUSB0, ttyUSB3, the by-id name and COM5 point.
    const auto links = [&] {
        return std::vector<std::string>{LinkText(dev / "ttyUSB0"), LinkText(dev / "ttyUSB3"),
                                        LinkText(byId), LinkText(ports / "COM5")};
    };
    const std::string first = sim.NextLine(5000);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(links(), (std::vector<std::string>{first, "", "../../ttyUSB0", first}));

    const int oldPort = OpenRaw(byId.string());
    ASSERT_GE(oldPort, 0);
    EXPECT_EQ(ExchangeOn(oldPort), "\xB0\x2B\x02\xC0");
    pollfd pfd{oldPort, POLLIN, 0};
    ASSERT_GT(::poll(&pfd, 1, 5000), 0);
    EXPECT_NE(pfd.revents & POLLHUP, 0) << "the open port sees a hang-up";
    EXPECT_TRUE(Eventually([&] { return links() == std::vector<std::string>(4, ""); }));

    const std::string second = sim.NextLine(3000);
    ASSERT_FALSE(second.empty());
    EXPECT_NE(second, first);  // the old terminal is still held open here
    EXPECT_EQ(links(), (std::vector<std::string>{"", second, "../../ttyUSB3", second}));
    const int newPort = OpenRaw(byId.string());
    ASSERT_GE(newPort, 0);
    EXPECT_EQ(ExchangeOn(newPort), "\xB0\x2B\x02\xC0");
    ::close(oldPort);
    ::close(newPort);

    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_EQ(links(), std::vector<std::string>(4, ""));
    fs::remove_all(root);
}
#endif

}  // namespace
