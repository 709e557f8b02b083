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
                   QStringList{"--model", model, "--com", QString::number(comNumber), "--log",
                               logPath} + extra);
    // The first line is the terminal's path, printed once the link exists.
    if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
        devicePath_ = QString::fromUtf8(process_.readLine()).trimmed();
}

int SimulatorProcess::Stop(int waitMs) {
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(waitMs)) {
        process_.terminate();
        if (!process_.waitForFinished(5000))
            process_.kill();
    }
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

std::map<std::string, std::string> SimulatorProcess::RegisterImage() const {
    std::map<std::string, std::string> image;
    for (const QString& line : QString::fromStdString(LogText()).split('\n')) {
        const QStringList parts = line.split(' ');
        if (parts.size() == 3 && parts[0] == "REG")
            image[parts[1].toStdString()] = parts[2].toStdString();
    }
    return image;
}

int SimulatorProcess::FramesOfKind(const QString& kind) const {
    int count = 0;
    for (const QString& line : QString::fromStdString(LogText()).split('\n')) {
        const QStringList parts = line.split(' ');
        count += parts.size() >= 3 && parts[0] == "RX" && parts[2] == kind;
    }
    return count;
}

std::string SimulatorProcess::LogText() const {
    QFile log(logPath_);
    return log.open(QIODevice::ReadOnly) ? log.readAll().toStdString() : std::string();
}
