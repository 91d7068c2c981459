#include "pricebook/notebooklock.h"

#include <QFileInfo>
#include <QLockFile>

using namespace Qt::StringLiterals;

NotebookLock::NotebookLock() = default;
NotebookLock::~NotebookLock() = default;

QString NotebookLock::lockPathOf(const QString& path) {
    const QFileInfo file(path);
    return file.path() + u"/."_s + file.fileName() + u".lock"_s;
}

bool NotebookLock::take(const QString& path) {
    const QString lockPath = lockPathOf(path);
    if (lock_ && lock_->fileName() == lockPath)
        return true;
    release();
    auto lock = std::make_unique<QLockFile>(lockPath);
    // A notebook stays open for hours: only a lock whose process is gone is stale, never an old one.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        return true;
    }
    return lock->error() != QLockFile::LockFailedError;
}

void NotebookLock::release() {
    lock_.reset();
}
