#include "data/file_replace.h"

#include <unistd.h>

#include <QSaveFile>
#include <mutex>

namespace {

struct InjectedFailure {
    std::mutex mutex;
    ReplaceStep step = ReplaceStep::None;
    int replacesBefore = 0;
};

InjectedFailure& Injected() {
    static InjectedFailure failure;
    return failure;
}

// The step at which this replace is made to fail, if any.
ReplaceStep TakeInjectedStep() {
    InjectedFailure& failure = Injected();
    std::lock_guard<std::mutex> lock(failure.mutex);
    if (failure.step == ReplaceStep::None)
        return ReplaceStep::None;
    if (failure.replacesBefore > 0) {
        --failure.replacesBefore;
        return ReplaceStep::None;
    }
    return failure.step;
}

}  // namespace

bool ReplaceFileContent(const QString& path, const QByteArray& bytes) {
    const ReplaceStep failing = TakeInjectedStep();
    // QSaveFile writes a temporary file in the target's folder (with the
    // target's permissions) and renames it over the target on commit; until
    // then the target is not touched, and cancelWriting drops the temporary.
    QSaveFile file(path);
    if (failing == ReplaceStep::Create || !file.open(QIODevice::WriteOnly))
        return false;
    const auto cancel = [&file] {
        file.cancelWriting();
        return false;
    };
    if (failing == ReplaceStep::Write || file.write(bytes) != bytes.size())
        return cancel();
    if (failing == ReplaceStep::Flush || !file.flush())
        return cancel();
    // The bytes are on the disk before the name points at them, so a power
    // cut after the rename cannot leave an empty file.
    if (failing == ReplaceStep::Sync || ::fsync(file.handle()) != 0)
        return cancel();
    // A refused rename ends like a cancelled write: commit drops the
    // temporary file and leaves the target alone.
    if (failing == ReplaceStep::Rename)
        return cancel();
    return file.commit();
}

void FailFileReplaceAt(ReplaceStep step, int replacesBefore) {
    InjectedFailure& failure = Injected();
    std::lock_guard<std::mutex> lock(failure.mutex);
    failure.step = step;
    failure.replacesBefore = replacesBefore;
}
