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
    SimulatorProcess(const QString& portsDir, int comNumber, const QString& model,
                     const QString& logPath, const QStringList& extra = {});
    ~SimulatorProcess() { Stop(); }
    bool Started() const { return !devicePath_.isEmpty(); }
    QString DevicePath() const { return devicePath_; }
    // Ends the program (or waits up to waitMs for it to end by itself): its
    // exit code, and its log then holds the frames and the register image.
    int Stop(int waitMs = 0);
    std::map<std::string, std::string> RegisterImage() const;  // REG lines: register -> value
    int FramesOfKind(const QString& kind) const;
    std::string LogText() const;

  private:
    QProcess process_;
    QString devicePath_, logPath_;
};
