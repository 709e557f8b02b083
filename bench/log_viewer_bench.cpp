// The log viewer with an 8-hour log (288,000 rows of every channel, 10 a
// second, with marks and a few gaps): opening it (reading on its thread,
// columns, first drawing of the plots) and redrawing a zoom or a pan up to
// the pixels, at the whole log (the most rows per pixel column) and zoomed in.
// Offscreen; the window is 1100 x 760 with the four plots shown at first.
// `log_viewer_bench --huge FILE` opens one file instead and says how long the
// reading took and how long the UI thread was ever held meanwhile.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "comm/clock.h"
#include "app/ui/message_box.h"
#include "log/datalog_writer.h"
#include "monitor/log_viewer.h"

namespace {

constexpr int64_t kRows = 8LL * 3600 * 10;

std::string EightHourLog() {
    static QTemporaryDir dir;
    static std::string path;
    if (!path.empty())
        return path;
    path = dir.filePath(QStringLiteral("8h.csv")).toStdString();
    VirtualClock clock;
    DatalogWriter writer(clock);
    writer.Open(path, {"Q7100", "COM1 (/dev/ttyUSB0)", "2026-12-06T08:00:00-03:00"});
    for (int64_t i = 0; i < kRows; ++i) {
        const int64_t t = i * 100;
        clock.Advance(100);
        if (i % 36000 == 18000) {
            LogSample gap;
            gap.tMs = t;
            gap.gap = true;
            writer.Append(gap);
            continue;
        }
        LogSample row;
        row.tMs = t;
        row[LogChannel::Rpm] = static_cast<double>(800 + (i * 37) % 5200);
        row[LogChannel::TpsVolts] = 0.02 * static_cast<double>((i * 3) % 250);
        row[LogChannel::LambdaVolts] = 0.02 * static_cast<double>((i * 11) % 50);
        row[LogChannel::Steps] = static_cast<double>((i * 7) % 241);
        row[LogChannel::ActuatorScale] = static_cast<double>((i / 50) % 2);
        row[LogChannel::InjectionMs] = 0.1 * static_cast<double>((i * 5) % 200);
        writer.Append(row);
        if (i % 3000 == 1500)
            writer.AppendEvent(t, "marca " + std::to_string(i / 3000 + 1));
    }
    writer.Close();
    return path;
}

std::unique_ptr<LogViewer> ShownViewer() {
    auto viewer = std::make_unique<LogViewer>();
    viewer->resize(1100, 760);
    viewer->show();
    QApplication::processEvents();
    return viewer;
}

void Open(LogViewer& viewer, const std::string& path) {
    viewer.OpenFile(QString::fromStdString(path));
    while (viewer.IsLoading()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    viewer.RepaintPlots();
}

// From the file chosen to the plots painted.
void BM_OpenEightHourLog(benchmark::State& state) {
    const std::string path = EightHourLog();
    for (auto _ : state) {
        auto viewer = ShownViewer();
        Open(*viewer, path);
        benchmark::DoNotOptimize(viewer->PlottedPoints(0).size());
    }
}
BENCHMARK(BM_OpenEightHourLog)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// One wheel step in and out at the whole log (arg 1) or within 1/100 of it
// (arg 100), then the plots painted.
void BM_ZoomRedraw(benchmark::State& state) {
    auto viewer = ShownViewer();
    Open(*viewer, EightHourLog());
    const double span = viewer->Axis().Span() / static_cast<double>(state.range(0));
    viewer->SetWindow(kRows * 50 - span / 2, kRows * 50 + span / 2);
    bool in = true;
    for (auto _ : state) {
        viewer->ZoomAt(kRows * 50, in ? 0.8 : 1.25);
        viewer->RepaintPlots();
        in = !in;
    }
}
BENCHMARK(BM_ZoomRedraw)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

// A drag of a tenth of the window, back and forth, then the plots painted.
void BM_PanRedraw(benchmark::State& state) {
    auto viewer = ShownViewer();
    Open(*viewer, EightHourLog());
    const double span = viewer->Axis().Span() / static_cast<double>(state.range(0));
    viewer->SetWindow(kRows * 50 - span / 2, kRows * 50 + span / 2);
    double step = span / 10;
    for (auto _ : state) {
        viewer->Pan(step);
        viewer->RepaintPlots();
        step = -step;
    }
}
BENCHMARK(BM_PanRedraw)->Arg(2)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

// --huge FILE: opens that file (several hundred MB, say) and prints how long
// the reading took and the longest gap between the ticks of a 10 ms timer
// on the UI thread meanwhile.
int OpenHuge(const QString& path) {
    // The reader's message is printed rather than waiting for a click.
    SetMessageBoxResponder([](const MessageRequest& request) {
        std::printf("message: %s\n", request.text.toUtf8().constData());
        return static_cast<int>(kAnswerOk);
    });
    auto viewer = ShownViewer();
    QElapsedTimer clock, gap;
    qint64 longest = 0;
    QTimer probe;
    probe.setInterval(10);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longest = std::max(longest, gap.restart());
    });
    clock.start();
    gap.start();
    probe.start();
    viewer->OpenFile(path);
    while (viewer->IsLoading()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const qint64 read = clock.elapsed();
    viewer->RepaintPlots();
    std::printf("opened in %lld ms (plots painted at %lld ms), %zu points in the first plot, longest UI-thread gap %lld ms\n",
                static_cast<long long>(read), static_cast<long long>(clock.elapsed()),
                viewer->Axis().Span() > 0 ? static_cast<std::size_t>(viewer->PlottedPoints(0).size()) : 0u,
                static_cast<long long>(longest));
    return 0;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && std::string(argv[1]) == "--huge")
        return OpenHuge(QString::fromLocal8Bit(argv[2]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
