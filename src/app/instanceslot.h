// Which of the copies of the program running on the same settings this one is, so that a second
// copy does not open its window exactly over the first, where the user would never see two. Each
// copy holds a lock file in the settings folder for its lifetime; a crashed copy's lock is taken
// over once its process is gone.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

class InstanceSlot {
  public:
    InstanceSlot();
    ~InstanceSlot();

    // Takes the first free slot in `folder` and gives its number: 0 for the only copy running.
    // A folder where no lock can be made counts as holding no other copy.
    int take(const QString& folder);

  private:
    std::unique_ptr<QLockFile> lock_;
};
