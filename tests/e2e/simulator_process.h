#pragma once
// The simulator program on a pseudo-terminal, registered as a COM name in a
// ports folder of the test's own. Its log holds "RX <time> <kind>" for each
// frame and, once it ends, "REG <register> <value>" for its register image.

#include <QFile>
#include <QProcess>
#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

class SimulatorProcess {
  public:
    // model: "q7100", "q5100" or "q5100plus".
    SimulatorProcess(const QString& portsDir, int comNumber, const QString& model,
                     const QString& logPath, const QStringList& extra = {})
        : logPath_(logPath) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ZANO_PORTS_DIR", portsDir);
        process_.setProcessEnvironment(env);
        process_.start(ZANO_ECU_SIM_PATH,
                       QStringList{"--model", model, "--com", QString::number(comNumber), "--log", logPath} + extra);
        // The first line is the terminal's path, printed once the link exists.
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
            devicePath_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
    ~SimulatorProcess() { Stop(); }
    bool Started() const { return !devicePath_.isEmpty(); }
    QString DevicePath() const { return devicePath_; }
    // After a pulled adapter the program prints the new terminal's path: the
    // newest path printed so far (reads what has arrived, never waits).
    QString LatestDevicePath() {
        while (process_.canReadLine())
            if (const QString line = QString::fromUtf8(process_.readLine()).trimmed(); !line.isEmpty())
                devicePath_ = line;
        return devicePath_;
    }
    // Ends the program, or waits up to waitMs for it to end by itself: its exit code.
    int Stop(int waitMs = 0) {
        if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(waitMs)) {
            process_.terminate();
            if (!process_.waitForFinished(5000)) process_.kill();
        }
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }
    std::map<std::string, std::string> RegisterImage() const {
        std::map<std::string, std::string> image;
        for (const QStringList& line : LogLines("REG")) image[line[1].toStdString()] = line[2].toStdString();
        return image;
    }
    int FramesOfKind(const QString& kind) const { return static_cast<int>(FrameTimes(kind).size()); }
    // When each frame of a kind came, in ms from the simulator's start.
    std::vector<long> FrameTimes(const QString& kind) const {
        std::vector<long> times;
        for (const QStringList& line : LogLines("RX")) if (line[2] == kind) times.push_back(line[1].toLong());
        return times;
    }
    // (register, value) of each write frame received, in hex, in order.
    std::vector<std::pair<std::string, std::string>> Writes() const {
        std::vector<std::pair<std::string, std::string>> writes;
        for (const QStringList& line : LogLines("RX"))
            if (line[2] == "write" && line.size() >= 5)
                writes.emplace_back(line[line.size() - 2].toStdString(), line.back().toStdString());
        return writes;
    }
    std::string LogText() const {
        QFile log(logPath_);
        return log.open(QIODevice::ReadOnly) ? log.readAll().toStdString() : std::string();
    }

  private:
    std::vector<QStringList> LogLines(const QString& first) const {  // of 3 words or more
        std::vector<QStringList> lines;
        for (const QString& text : QString::fromStdString(LogText()).split('\n'))
            if (const QStringList line = text.split(' '); line.size() >= 3 && line[0] == first) lines.push_back(line);
        return lines;
    }
    QProcess process_;
    QString devicePath_, logPath_;
};
