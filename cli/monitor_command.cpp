// zano-cli monitor: the live stream as the monitoring panel starts, polls,
// checks and stops it, one line of values per poll.
#include <chrono>
#include <iostream>
#include <thread>

#include "app/parameter_table.h"
#include "cli/cli_commands.h"
#include "cli/cli_text.h"
#include "cli/ecu_connection.h"
#include "comm/answer_parser.h"
#include "log/datalog_recorder.h"
#include "log/log_folder.h"
#include "monitor/live_values.h"
#include "monitor/monitor_procedures.h"
#include "monitor/poll_tick.h"

namespace {

constexpr int kPollPeriodMs = 100;

std::string Counts(CRX4DATA& store, const char* reg) {
    uint32_t value = 0;
    return LiveRegisterNumber(store, reg, &value) ? std::to_string(value) : std::string();
}

std::string Volts(CRX4DATA& store, const char* reg) {
    uint32_t value = 0;
    return LiveRegisterNumber(store, reg, &value) ? LiveVoltageText(value) : std::string();
}

std::string Injection(CRX4DATA& store) {
    uint32_t value = 0;
    return LiveRegisterNumber(store, "81", &value) ? LiveInjectionText(value) : std::string();
}

std::string Rpm(CRX4DATA& store, int modelIndex) {
    int rpm = 0;
    std::string text;
    return LiveRpmText(store, modelIndex, &rpm, &text) ? text : std::string();
}

}  // namespace

int RunMonitor(const CliArguments& args) {
    const int model = args.modelIndex >= 0 ? args.modelIndex : args.simulatorModel;
    FillParameterTable(model);
    EcuConnection ecu(model, args.portNumber, args.simulatorModel);
    std::string why;
    if (!ecu.Open(&why)) {
        Complain(why);
        return kExitLink;
    }
    EcuSession& session = ecu.Session();
    // The panel's snapshot first: the steps and settings the gauges need.
    if (ReadMonitorSnapshot(session, session.monitorStore) != 0) {
        Complain(ecu.NoAnswerText());
        return kExitLink;
    }
    // --record: the same datalog as the panel's "Gravar", on the tool's clock.
    RealClock clock;
    DatalogRecorder recorder(clock);
    if (!args.recordFile.empty() &&
        !recorder.Start(args.recordFile, {ModelName(model), ecu.PortText(),
                                          IsoWithOffset(QDateTime::currentDateTime())})) {
        Complain(recorder.Error());
        return kExitFile;
    }
    InstallStopHandler();
    StartMonitoring(session);
    if (args.csv)
        std::cout << "ms,rpm,tps_v,lambda_v,passos,injecao_ms\n" << std::flush;
    const auto start = std::chrono::steady_clock::now();
    const auto end = start + std::chrono::seconds(args.seconds);
    auto next = start;
    int failedPolls = 0;
    while (!StopFlag().load() && (args.seconds < 0 || std::chrono::steady_clock::now() < end)) {
        next += std::chrono::milliseconds(kPollPeriodMs);
        std::this_thread::sleep_until(next);
        const int result = PollMonitorAnswer(session, session.monitorStore, CheckRule::Tested);
        recorder.OnTick();
        if (result != kPollOk) {
            // As the panel: after this many silent polls the stream is started again.
            if (++failedPolls > PollTick::kFailuresCounted) {
                failedPolls = 0;
                recorder.OnLinkLost();
                StartMonitoring(session);
            }
            continue;
        }
        failedPolls = 0;
        CRX4DATA& live = session.monitorStore;
        recorder.OnLiveValues(live, model);
        const long ms = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
        const std::string values[] = {Rpm(live, model), Volts(live, "23"), Volts(live, "24"), Counts(live, "11"),
                                      Injection(live)};
        if (args.csv) {
            std::cout << ms;
            for (const std::string& value : values) std::cout << ',' << value;
        } else {
            std::cout << Fill(Tr("%1 ms  rpm %2  TPS %3 V  lambda %4 V  passos %5  injeção %6 ms"),
                              static_cast<long long>(ms), values[0], values[1], values[2], values[3], values[4]);
        }
        std::cout << '\n' << std::flush;
    }
    StopMonitoring(session, kMonitorWaits.stopSpacing);
    if (recorder.Recording()) {
        recorder.Stop();
        Complain(Fill(Tr("%1 linhas gravadas em %2"), static_cast<long long>(recorder.Rows()), args.recordFile));
    } else if (!args.recordFile.empty()) {
        // The writer stopped by itself (the disk): the rows before it are kept.
        Complain(recorder.Error());
        return kExitFile;
    }
    // Ctrl+C is the ordinary end of a stream without --seconds.
    return kExitOk;
}
