#include "app/storage.hpp"

namespace skirmcast {

namespace {

template <typename T>
bool acquire(T*& block, std::size_t count, AllocateFn allocate) {
    block = static_cast<T*>(allocate(count, sizeof(T)));
    return block != nullptr;
}

template <typename T>
void releaseOne(T*& block, ReleaseFn release) {
    if (block != nullptr) {
        release(block);
        block = nullptr;
    }
}

}  // namespace

bool acquireStorage(WorkingStorage& storage, AllocateFn allocate, ReleaseFn release) {
    // Acquiring zeroed memory clears it in the same step: the kernel hands
    // out zero pages, so nothing is written twice and untouched rows of the
    // large tallies never become resident.
    bool ok = acquire(storage.patternText, WorkingStorage::kPatternTextBytes, allocate) &&
              acquire(storage.patternSlots, WorkingStorage::kPatternSlots, allocate) &&
              acquire(storage.pairCounts, WorkingStorage::kPairCounts, allocate) &&
              acquire(storage.normalTally, WorkingStorage::kNormalTallyEntries, allocate) &&
              acquire(storage.fixedTally, WorkingStorage::kFixedTallyEntries, allocate);
    if (!ok) {
        releaseStorage(storage, release);
    }
    return ok;
}

void releaseStorage(WorkingStorage& storage, ReleaseFn release) {
    releaseOne(storage.patternText, release);
    releaseOne(storage.patternSlots, release);
    releaseOne(storage.pairCounts, release);
    releaseOne(storage.normalTally, release);
    releaseOne(storage.fixedTally, release);
}

}  // namespace skirmcast
