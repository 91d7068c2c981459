#include "app/instanceslot.h"

#include <QLockFile>

using namespace Qt::StringLiterals;

namespace {

// More copies than this share the last position.
constexpr int MaxSlots = 10;

} // namespace

InstanceSlot::InstanceSlot() = default;
InstanceSlot::~InstanceSlot() = default;

int InstanceSlot::take(const QString& folder) {
    lock_.reset();
    for (int slot = 0; slot < MaxSlots; ++slot) {
        auto lock = std::make_unique<QLockFile>(folder + u"/.pricotta-window-%1.lock"_s.arg(slot));
        lock->setStaleLockTime(0); // a copy stays open for days: only a dead process's lock is stale
        if (lock->tryLock(0)) {
            lock_ = std::move(lock);
            return slot;
        }
        if (lock->error() != QLockFile::LockFailedError)
            return 0;
    }
    return MaxSlots - 1;
}
