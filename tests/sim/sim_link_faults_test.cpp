// Link faults of the simulated ECU: the adapter pulled and plugged back in,
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

#include "tests/sim/words.h"
#include "sim/sim_arguments.h"
#include "sim/sim_device.h"

namespace {

constexpr uint8_t kStart = 0x08;

LineSettings EcuLine(EcuVariant variant) {
    LineSettings settings;
    settings.baudRate = LineBaudRate(variant);
    return settings;
}

int64_t Write(SimulatedEcuDevice& device, std::vector<uint8_t> frame) {
    return device.Write(frame.data(), frame.size(), 5000);
}

// What Read gives at atMs: the bytes, or nothing when it fails.
std::optional<std::vector<uint8_t>> ReadAt(VirtualClock& clock, SimulatedEcuDevice& device,
                                           int64_t atMs) {
    clock.Advance(atMs - clock.NowMs());
    std::vector<uint8_t> bytes(20000);
    const int64_t n = device.Read(bytes.data(), bytes.size());
    if (n < 0)
        return std::nullopt;
    bytes.resize(static_cast<size_t>(n));
    return bytes;
}

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

// Pulled 1000 ms after the first open (at 50 ms), back 500 ms later.
TEST(SimLinkFaultsTest, VanishKillsTheHandleAndHidesThePortForExactlyItsWindow) {
    VirtualClock clock;
    clock.Advance(50);
    SimulatedEcuDevice device(clock, EcuVariant::Q7100, Vanishing(1000, 500));
    // Opened before the vanish and left alone until after it.
    SimulatedEcuDevice idle(clock, EcuVariant::Q7100, Vanishing(1000, 500));
    ASSERT_TRUE(device.Open());
    ASSERT_TRUE(idle.Open());
    ASSERT_TRUE(device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    ASSERT_EQ(Write(device, {0x00, kStart, 0x00}), 3);
    EXPECT_GT(BytesAt(clock, device, 1049), 0u);  // the stream flows until the last moment
    EXPECT_TRUE(device.IsOpen());
    EXPECT_FALSE(device.Vanished());

    clock.Advance(1);  // 1050: pulled
    EXPECT_TRUE(device.Vanished());
    EXPECT_FALSE(device.IsOpen());
    uint8_t buffer[64];
    EXPECT_EQ(device.Read(buffer, sizeof buffer), -1);
    EXPECT_EQ(Write(device, {0x00, 0x04, 0x2B}), -1);
    EXPECT_EQ(device.DiscardReceived(), -1);
    EXPECT_FALSE(device.ErrorText().empty());
    for (int64_t at : {1050, 1549}) {
        clock.Advance(at - clock.NowMs());
        EXPECT_FALSE(device.Open()) << at;
        EXPECT_EQ(device.LastOpenError(), OpenError::NotFound) << at;
        EXPECT_FALSE(device.IsOpen()) << at;
    }

    clock.Advance(1);  // 1550: plugged back in
    EXPECT_FALSE(device.Vanished());
    EXPECT_FALSE(idle.IsOpen()) << "a handle from before the vanish stays dead";
    EXPECT_EQ(idle.Read(buffer, sizeof buffer), -1);
    ASSERT_TRUE(device.Open());
    EXPECT_EQ(device.LastOpenError(), OpenError::None);
    ASSERT_TRUE(device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
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
    ASSERT_TRUE(device.Open());
    ASSERT_TRUE(device.SetLineSettings(EcuLine(EcuVariant::Q7100)));
    const RegisterImage factory = device.Registers();
    ASSERT_EQ(Write(device, {0x00, 0x3D, 0x60}), 3);
    ASSERT_EQ(Write(device, {0x00, 0x05, 0x18}), 3);  // committed
    ASSERT_EQ(Write(device, {0x00, 0x3E, 0x99}), 3);  // pending when the power goes
    clock.Advance(10);
    ASSERT_EQ(Write(device, {0x00, kStart, 0x00}), 3);
    EXPECT_GT(BytesAt(clock, device, 994), 0u);
    // A read-all at 995 ms starts 2 ms later, 0.26 ms a byte: only its first
    // bytes are out when the power goes at 1000 ms.
    ASSERT_EQ(Write(device, {0x00, 0x04, 0x00}), 3);
    const size_t beforeOff = BytesAt(clock, device, 999);
    const size_t afterOff = BytesAt(clock, device, 1500);
    EXPECT_GT(beforeOff + afterOff, 0u);
    EXPECT_LT(beforeOff + afterOff, 16u) << "the answer is cut off where the power went";

    EXPECT_TRUE(device.PoweredOff());
    EXPECT_TRUE(device.IsOpen()) << "the port itself stays";
    const size_t framesBefore = device.ReceivedFrames().size();
    EXPECT_EQ(Write(device, {0x00, 0x3D, 0x70}), 3);
    EXPECT_EQ(Write(device, {0x00, 0x05, 0x18}), 3);
    EXPECT_EQ(Write(device, {0x00, kStart, 0x00}), 3);
    EXPECT_EQ(Write(device, {0x00, 0x04, 0x2B}), 3);
    EXPECT_EQ(BytesAt(clock, device, 2999), 0u) << "no acknowledgement, answer or stream";
    EXPECT_EQ(device.ReceivedFrames().size(), framesBefore) << "frames while off are lost";

    clock.Advance(1);  // 3000: powered again
    EXPECT_FALSE(device.PoweredOff());
    EXPECT_FALSE(device.Streaming());
    EXPECT_EQ(device.Registers().at(0x3D), 0x60);
    ASSERT_EQ(Write(device, {0x00, 0x05, 0x18}), 3);  // nothing pending survived
    EXPECT_EQ(device.Registers(), [&] {
        RegisterImage expected = factory;
        expected[0x3D] = 0x60;
        return expected;
    }());
    EXPECT_EQ(BytesAt(clock, device, 3500), 0u) << "the stream needs a new start frame";
    ASSERT_EQ(Write(device, {0x00, 0x04, 0x3D}), 3);
    EXPECT_EQ(ReadAt(clock, device, 3600), (std::vector<uint8_t>{0xB0, 0x3D, 0x60, 0xC0}));
    ASSERT_EQ(Write(device, {0x00, kStart, 0x00}), 3);
    EXPECT_TRUE(device.Streaming());
    EXPECT_EQ(BytesAt(clock, device, 4000), 4u * 40);  // four bursts of eight groups
}

TEST(SimLinkFaultsTest, FaultOptionsOfTheProgramComeInPairs) {
    std::string error;
    const auto args = ParseSimArguments(
        Words("--vanish-after 800 --vanish-for 1200 --power-cycle-after 5000 "
              "--power-off-for 700 --device-folder /tmp/dev --usb 2 --come-back-as 5"),
        &error);
    ASSERT_TRUE(args.has_value()) << error;
    EXPECT_EQ(args->ecu.faults.vanishAfterMs, 800);
    EXPECT_EQ(args->ecu.faults.vanishForMs, 1200);
    EXPECT_EQ(args->ecu.faults.powerCycleAfterMs, 5000);
    EXPECT_EQ(args->ecu.faults.powerOffMs, 700);
    EXPECT_EQ(args->deviceFolder, "/tmp/dev");
    EXPECT_EQ(args->usbNumber, 2);
    EXPECT_EQ(args->comeBackAsUsb, 5);
    for (const char* bad :
         {"--vanish-after 800", "--vanish-for 800", "--power-cycle-after 10",
          "--power-off-for 10", "--usb 1", "--device-folder /tmp/dev",
          "--device-folder /tmp/dev --usb 20", "--come-back-as 1",
          "--vanish-after -1 --vanish-for 10"}) {
        EXPECT_FALSE(ParseSimArguments(Words(bad), &error).has_value()) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}


#ifdef ZANO_ECU_SIM_PATH
// The simulator program with its stdout on a pipe.
class SimProgram {
  public:
    SimProgram(const std::string& portsDir, const std::vector<std::string>& args) {
        int out[2];
        if (::pipe(out) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            ::setenv("ZANO_PORTS_DIR", portsDir.c_str(), 1);
            std::vector<char*> argv{const_cast<char*>(ZANO_ECU_SIM_PATH)};
            for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        stdout_ = out[0];
    }
    ~SimProgram() {
        Stop();
        if (stdout_ >= 0)
            ::close(stdout_);
    }
    // The next line on stdout, or "" when none comes within timeoutMs.
    std::string NextLine(int timeoutMs) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (buffered_.find('\n') == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                until - std::chrono::steady_clock::now());
            pollfd pfd{stdout_, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&pfd, 1, static_cast<int>(left.count())) <= 0)
                return "";
            char chunk[256];
            const ssize_t n = ::read(stdout_, chunk, sizeof chunk);
            if (n <= 0)
                return "";
            buffered_.append(chunk, static_cast<size_t>(n));
        }
        const size_t end = buffered_.find('\n');
        const std::string line = buffered_.substr(0, end);
        buffered_.erase(0, end + 1);
        return line;
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
    std::string buffered_;
};

namespace fs = std::filesystem;

std::string LinkText(const fs::path& link) {
    std::error_code ec;
    const fs::path target = fs::read_symlink(link, ec);
    return ec ? std::string() : target.string();
}

bool Gone(const fs::path& link) {
    std::error_code ec;
    return !fs::exists(fs::symlink_status(link, ec));
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
    const std::string first = sim.NextLine(5000);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(LinkText(dev / "ttyUSB0"), first);
    EXPECT_EQ(LinkText(byId), "../../ttyUSB0");
    EXPECT_EQ(fs::canonical(byId), fs::canonical(first));
    EXPECT_EQ(LinkText(ports / "COM5"), first);

    const int oldPort = OpenRaw(byId.string());
    ASSERT_GE(oldPort, 0);
    EXPECT_EQ(ExchangeOn(oldPort), "\xB0\x2B\x02\xC0");
    pollfd pfd{oldPort, POLLIN, 0};
    ASSERT_GT(::poll(&pfd, 1, 5000), 0);
    EXPECT_NE(pfd.revents & POLLHUP, 0) << "the open port sees a hang-up";
    EXPECT_TRUE(Eventually([&] { return Gone(dev / "ttyUSB0"); }));
    EXPECT_TRUE(Gone(byId));
    EXPECT_TRUE(Gone(ports / "COM5"));

    const std::string second = sim.NextLine(3000);
    ASSERT_FALSE(second.empty());
    EXPECT_NE(second, first);  // the old terminal is still held open here
    EXPECT_EQ(LinkText(dev / "ttyUSB3"), second);
    EXPECT_TRUE(Gone(dev / "ttyUSB0"));
    EXPECT_EQ(LinkText(byId), "../../ttyUSB3");
    EXPECT_EQ(fs::canonical(byId), fs::canonical(second));
    EXPECT_EQ(LinkText(ports / "COM5"), second);
    const int newPort = OpenRaw(byId.string());
    ASSERT_GE(newPort, 0);
    EXPECT_EQ(ExchangeOn(newPort), "\xB0\x2B\x02\xC0");
    ::close(oldPort);
    ::close(newPort);

    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_TRUE(Gone(dev / "ttyUSB3"));
    EXPECT_TRUE(Gone(byId));
    EXPECT_TRUE(Gone(ports / "COM5"));
    fs::remove_all(root);
}
#endif

}  // namespace
