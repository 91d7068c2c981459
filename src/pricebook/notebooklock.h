// Marks the open notebook as held by this copy of the program, with a lock file beside it
// (".<name>.lock"), so that another copy opening the same notebook can say so. A copy that
// crashed leaves its lock behind; the next copy sees that its process is gone and takes it over.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

class NotebookLock {
  public:
    NotebookLock();
    ~NotebookLock();

    // Gives up the lock held so far and takes the one of `path`. False when another running copy
    // holds it; a folder where no lock file can be made counts as held by nobody.
    bool take(const QString& path);
    void release();

    static QString lockPathOf(const QString& path);

  private:
    std::unique_ptr<QLockFile> lock_;
};
