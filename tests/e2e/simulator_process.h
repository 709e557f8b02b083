#pragma once
// The simulator program on a pseudo-terminal, registered as a COM name in a
// ports folder of the test's own.

#include <QProcess>
#include <QString>
#include <map>
#include <string>

class SimulatorProcess {
public:
    // model: "q7100", "q5100" or "q5100plus".
    SimulatorProcess(const QString& portsDir, int comNumber, const QString& model, const QString& logPath,
                     const QStringList& extra = {});
    ~SimulatorProcess();
    bool Started() const { return !devicePath_.isEmpty(); }
    QString DevicePath() const { return devicePath_; }
    // Ends the program; its log then holds the frames and the register image.
    void Stop();
    // REG lines of the log: register -> value text.
    std::map<std::string, std::string> RegisterImage() const;
    int FramesOfKind(const QString& kind) const;
    std::string LogText() const;

private:
    QProcess process_;
    QString devicePath_;
    QString logPath_;
};
