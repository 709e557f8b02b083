// zano-ecu-sim as a program: a real pseudo-terminal, real time, plain termios
// on the client side, the COM name in the ports folder and the log at exit.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "sim/register_image.h"
#include "tests/sim/ecu_bytes.h"

namespace {

std::string SimulatorPath() {
    if (const char* path = std::getenv("ZANO_ECU_SIM"))
        return path;
    return ZANO_ECU_SIM_PATH;
}

class SimulatorProcess {
  public:
    SimulatorProcess(const std::string& portsDir, std::vector<std::string> args) {
        int out[2];
        if (pipe(out) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            setenv("ZANO_PORTS_DIR", portsDir.c_str(), 1);
            const std::string program = SimulatorPath();
            std::vector<char*> argv{const_cast<char*>(program.c_str())};
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
        close(out[1]);
        stdout_ = out[0];
    }
    ~SimulatorProcess() {
        if (pid_ > 0 && !stopped_)
            Stop();
        if (stdout_ >= 0)
            close(stdout_);
    }

    // The first line the program prints, within two seconds.
    std::string FirstLine() {
        std::string line;
        char c;
        pollfd pfd{stdout_, POLLIN, 0};
        while (poll(&pfd, 1, 2000) > 0 && read(stdout_, &c, 1) == 1 && c != '\n') line += c;
        return line;
    }

    int Stop() {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        stopped_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // The exit code once the program has ended by itself, or nothing when it
    // still runs after timeoutMs.
    std::optional<int> WaitForExit(int timeoutMs) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        do {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                stopped_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } while (std::chrono::steady_clock::now() < until);
        return std::nullopt;
    }

  private:
    pid_t pid_ = -1;
    int stdout_ = -1;
    bool stopped_ = false;
};

int OpenRaw(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios tio{};
    if (fd < 0 || tcgetattr(fd, &tio) != 0)
        return -1;
    cfmakeraw(&tio);
    cfsetspeed(&tio, B38400);
    tcsetattr(fd, TCSANOW, &tio);
    return fd;
}

// Everything that arrives within waitMs.
std::vector<uint8_t> ReadFor(int fd, int waitMs) {
    std::vector<uint8_t> bytes;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (std::chrono::steady_clock::now() < until) {
        uint8_t buffer[1024];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0)
            bytes.insert(bytes.end(), buffer, buffer + n);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return bytes;
}

TEST(PtyEndToEndTest, ProgramServesTheEcuOnItsPseudoTerminalAndItsComName) {
    char dirTemplate[] = "/tmp/zano-sim-test-XXXXXX";
    ASSERT_NE(mkdtemp(dirTemplate), nullptr);
    const std::string dir = dirTemplate;
    const std::string log = dir + "/sim.log";
    {
        SimulatorProcess sim(dir + "/ports", {"--model", "q7100", "--com", "3", "--log", log});
        const std::string slave = sim.FirstLine();
        ASSERT_EQ(slave.rfind("/dev/", 0), 0u) << slave;
        EXPECT_EQ(std::filesystem::read_symlink(dir + "/ports/COM3"), slave);

        const int fd = OpenRaw(dir + "/ports/COM3");
        ASSERT_GE(fd, 0);
        const uint8_t readAll[] = {0x00, 0x04, 0x00};
        ASSERT_EQ(write(fd, readAll, sizeof readAll), 3);
        EXPECT_EQ(AnswerGroups(ReadFor(fd, 400)), FactoryRegisterImage(EcuVariant::Q7100));
        const uint8_t start[] = {0x00, 0x08, 0x00};
        ASSERT_EQ(write(fd, start, sizeof start), 3);
        EXPECT_GE(LiveGroups(ReadFor(fd, 350)).size(), 16u);
        close(fd);

        EXPECT_EQ(sim.Stop(), 0);
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir + "/ports/COM3")));
    }
    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("read-all 00 04 00\n"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("start 00 08 00\n"), std::string::npos);
    EXPECT_NE(text.str().find("REG 3D 50\n"), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST(PtyEndToEndTest, WithAQuitTimeTheProgramEndsByItselfAndTakesItsComNameAway) {
    char dirTemplate[] = "/tmp/zano-sim-test-XXXXXX";
    ASSERT_NE(mkdtemp(dirTemplate), nullptr);
    const std::string dir = dirTemplate;
    {
        const auto start = std::chrono::steady_clock::now();
        SimulatorProcess sim(dir + "/ports", {"--com", "5", "--quit-after", "400"});
        const std::string slave = sim.FirstLine();
        ASSERT_EQ(slave.rfind("/dev/", 0), 0u) << slave;
        EXPECT_EQ(std::filesystem::read_symlink(dir + "/ports/COM5"), slave);
        EXPECT_EQ(sim.WaitForExit(5000), std::optional<int>(0));
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(400));
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir + "/ports/COM5")));
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
