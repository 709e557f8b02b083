// zano-cli's own time: each command run as a process against the built-in
// simulator, its wall time set against the fixed waits the timing table
// prescribes for what it does. What is left is the tool's own time (start,
// file, conversions, exit), plus whatever the machine's load adds.
//   cli_timing PATH_TO_ZANO_CLI [RUNS]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "comm/timing_profiles.h"
#include "data/private_profile.h"

namespace {

struct Run {
    double wallMs;
    double cpuMs;
    int status;
};

Run RunTool(const std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (const std::string& w : words) argv.push_back(const_cast<char*>(w.c_str()));
    argv.push_back(nullptr);
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    const auto start = std::chrono::steady_clock::now();
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    const double cpu = ms(after.ru_utime) + ms(after.ru_stime) - ms(before.ru_utime) - ms(before.ru_stime);
    return {wall, cpu, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// One entry of a write pass and the pass's read-back, as the row waits.
int EntryWaitMs(const TimingProfile& row) {
    return row.entryLeadMs + row.answerWaitMs + row.afterAnswerWaitMs + 3 * row.confirmSpacingMs +
           row.entryTrailingMs;
}
int ReadWaitMs(const TimingProfile& row) { return row.readLeadMs + row.firstWaitMs; }

void Report(const char* name, int fixedMs, std::vector<Run> runs) {
    std::vector<double> over, cpu;
    for (const Run& r : runs) {
        if (r.status != 0) {
            std::printf("%s: exit %d\n", name, r.status);
            return;
        }
        over.push_back(r.wallMs - fixedMs);
        cpu.push_back(r.cpuMs);
    }
    std::sort(over.begin(), over.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-34s fixed waits %5d ms; beyond them: median %5.1f ms, max %5.1f ms; "
                "CPU median %5.1f ms (%zu runs)\n",
                name, fixedMs, over[over.size() / 2], over.back(), cpu[cpu.size() / 2], runs.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: cli_timing PATH_TO_ZANO_CLI [RUNS]\n");
        return 2;
    }
    const std::string tool = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    const TimingProfile& customer = TimingFor(EcuCaller::CustomerPage);
    const TimingProfile& actuator = TimingFor(EcuCaller::ActuatorPage);

    std::vector<Run> reads;
    for (int i = 0; i < runs; ++i) reads.push_back(RunTool({tool, "read", "--simulator", "q7100"}));
    Report("read (q7100)", ReadWaitMs(customer), reads);

    // A file that differs from the simulator's in the two default steps:
    // the read-all, two actuator entries and the actuator's read-back.
    char folder[] = "/tmp/zano-cli-timing-XXXXXX";
    if (!mkdtemp(folder)) return 1;
    const std::string file = std::string(folder) + "/b.Q7100";
    if (RunTool({tool, "read", "--simulator", "q7100", "-o", file}).status != 0) return 1;
    PrivateProfile profile;
    profile.Load(file.c_str());
    profile.SetValue("CONFIG_Q7100", "3D", "64");
    profile.SetValue("CONFIG_Q7100", "3E", "A0");
    if (!profile.Save(file.c_str())) return 1;
    std::vector<Run> writes;
    for (int i = 0; i < runs; ++i)
        writes.push_back(RunTool({tool, "write", file, "--simulator", "q7100", "--yes"}));
    Report("write of 2 registers (q7100)",
           ReadWaitMs(customer) + 2 * EntryWaitMs(actuator) + ReadWaitMs(actuator), writes);
    std::remove(file.c_str());
    rmdir(folder);
    return 0;
}
