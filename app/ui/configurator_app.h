#pragma once
// The application object: start-up, the single-instance guard, the page
// objects and the wizard, then the end of the run.

#include <QApplication>
#include <memory>

class Wizard;

class CConfiguratorApp : public QApplication {
    Q_OBJECT
public:
    CConfiguratorApp(int& argc, char** argv);
    ~CConfiguratorApp() override;

    // What InitInstance gives when --quit-after found no page on screen.
    static constexpr int kNoPageAtQuitTime = -2;

    // Runs start-up and the whole wizard: 0 when the wizard ended, -1 when
    // another instance was already running (or start-up was refused),
    // kNoPageAtQuitTime as above.
    int InitInstance();

    // Every event first goes to the splash window, which may swallow it.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    // --log FILE: the "Registros" viewer alone until its window closes.
    // --log FILE: the viewer alone; quitAfterMs as --quit-after (-1: never).
    int RunLogViewerAlone(const QString& path, int quitAfterMs);

    std::unique_ptr<Wizard> wizard_;
};
