#include "tests/e2e/simulator_process.h"

#include <QFile>
#include <QTextStream>

SimulatorProcess::SimulatorProcess(const QString& portsDir, int comNumber, const QString& model,
                                   const QString& logPath, const QStringList& extra)
    : logPath_(logPath) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZANO_PORTS_DIR"), portsDir);
    process_.setProcessEnvironment(env);
    process_.start(QStringLiteral(ZANO_ECU_SIM_PATH),
                   QStringList{QStringLiteral("--model"), model, QStringLiteral("--com"), QString::number(comNumber),
                               QStringLiteral("--log"), logPath} +
                       extra);
    // The first line is the terminal's path, printed once the link exists.
    if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000)) {
        devicePath_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
}

SimulatorProcess::~SimulatorProcess() { Stop(); }

void SimulatorProcess::Stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
}

std::map<std::string, std::string> SimulatorProcess::RegisterImage() const {
    std::map<std::string, std::string> image;
    QFile log(logPath_);
    if (!log.open(QIODevice::ReadOnly)) return image;
    QTextStream in(&log);
    while (!in.atEnd()) {
        const QStringList parts = in.readLine().split(' ');
        if (parts.size() == 3 && parts[0] == QStringLiteral("REG")) image[parts[1].toStdString()] = parts[2].toStdString();
    }
    return image;
}

int SimulatorProcess::FramesOfKind(const QString& kind) const {
    QFile log(logPath_);
    if (!log.open(QIODevice::ReadOnly)) return 0;
    int count = 0;
    QTextStream in(&log);
    while (!in.atEnd()) {
        const QStringList parts = in.readLine().split(' ');
        if (parts.size() >= 3 && parts[0] == QStringLiteral("RX") && parts[2] == kind) ++count;
    }
    return count;
}

std::string SimulatorProcess::LogText() const {
    QFile log(logPath_);
    return log.open(QIODevice::ReadOnly) ? log.readAll().toStdString() : std::string();
}
