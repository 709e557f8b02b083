#include "app/ui/single_instance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstanceGuard::SingleInstanceGuard(const QString& lockName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(QDir(folder).filePath(lockName));
    // A lock whose owner process is gone is taken over at once.
    lock_->setStaleLockTime(0);
    acquired_ = lock_->tryLock(0);
}
