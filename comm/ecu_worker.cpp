#include "comm/ecu_worker.h"

#include <utility>

EcuWorker::EcuWorker(EcuSession& session)
    : session_(session), workerContext_(std::make_unique<QObject>()) {
    thread_.setObjectName(QStringLiteral("EcuWorker"));
    workerContext_->moveToThread(&thread_);
    thread_.start();
}

EcuWorker::~EcuWorker() {
    // quit() is queued behind the posted jobs, so they all run first.
    QMetaObject::invokeMethod(
        workerContext_.get(), [this] { thread_.quit(); }, Qt::QueuedConnection);
    thread_.wait();
    // The thread has ended: nothing can deliver to its context any more.
    workerContext_.reset();
}

void EcuWorker::Post(Job job, Done done) {
    ++queued_;
    QMetaObject::invokeMethod(
        workerContext_.get(),
        [this, job = std::move(job), done = std::move(done)] {
            const int result = job(session_);
            --queued_;
            // Jobs nobody waits for (closing the port at the end) have no done.
            if (!done) return;
            QMetaObject::invokeMethod(
                &uiContext_, [done, result] { done(result); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void EcuWorker::RunOnUiThread(const std::function<void()>& fn) {
    if (QThread::currentThread() == uiContext_.thread()) {
        fn();
        return;
    }
    QMetaObject::invokeMethod(&uiContext_, fn, Qt::BlockingQueuedConnection);
}

int UiThreadHooks::RefreshFromStore(CRX4DATA& store) {
    int result = 0;
    worker_.RunOnUiThread([&] { result = page_.RefreshFromStore(store); });
    return result;
}

void UiThreadHooks::SetCommandsEnabled(bool enabled) {
    worker_.RunOnUiThread([&] { page_.SetCommandsEnabled(enabled); });
}

void UiThreadHooks::QueueWritesForKey(const char* key, PendingWrites& pending) {
    worker_.RunOnUiThread([&] { page_.QueueWritesForKey(key, pending); });
}

void UiThreadHooks::ShowMessage(const char* text, const char* title, MessageIcon icon) {
    worker_.RunOnUiThread([&] { page_.ShowMessage(text, title, icon); });
}
