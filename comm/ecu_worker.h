#pragma once
// One worker thread owns every exchange with the ECU, so the UI thread never
// waits for the port. The UI posts a job; the job runs on the worker with the
// session, and its result is handed back on the UI thread. A job that needs
// the user in the middle of a sequence (a message box) asks the UI thread and
// waits for the answer, so the order of the frames stays fixed. While a job
// runs the session is the worker's: the UI changes it only between jobs (its
// commands are disabled meanwhile).

#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

#include "comm/ecu_protocol.h"

class EcuWorker {
  public:
    using Job = std::function<int(EcuSession&)>;
    using Done = std::function<void(int result)>;

    // To be constructed on the UI thread: results and UI calls go there.
    explicit EcuWorker(EcuSession& session);
    // Lets the posted jobs finish, then ends the thread. Must not be called
    // while a job waits in RunOnUiThread (the UI thread would wait for it).
    ~EcuWorker();
    EcuWorker(const EcuWorker&) = delete;
    EcuWorker& operator=(const EcuWorker&) = delete;

    // Returns at once. Jobs run one after the other in the order posted;
    // done(result) is called on the UI thread after its job.
    void Post(Job job, Done done);
    // No job posted and not yet run (results may still be on their way).
    bool Idle() const { return queued_.load() == 0; }

    // Runs fn on the UI thread and returns once it has run; called from the
    // UI thread itself it runs fn at once.
    void RunOnUiThread(const std::function<void()>& fn);

  private:
    EcuSession& session_;
    QThread thread_;
    QObject uiContext_;
    std::unique_ptr<QObject> workerContext_;
    std::atomic<int> queued_{0};
};

// The page's hooks as a job on the worker sees them: every call runs on the
// UI thread, where the page's widgets live, while the job waits.
class UiThreadHooks : public PageHooks {
  public:
    UiThreadHooks(EcuWorker& worker, PageHooks& page) : worker_(worker), page_(page) {}

    int RefreshFromStore(CRX4DATA& store) override;
    void SetCommandsEnabled(bool enabled) override;
    void QueueWritesForKey(const char* key, PendingWrites& pending) override;
    void ShowMessage(const char* text, const char* title, MessageIcon icon) override;

  private:
    EcuWorker& worker_;
    PageHooks& page_;
};
