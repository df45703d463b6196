// The run's working storage: every buffer it needs, acquired before anything
// else happens and released on every way out.
#pragma once

#include <cstddef>
#include <cstdint>

namespace skirmcast {

// Acquires count * size bytes, all zero, or returns nullptr. Tests put their
// own in place to make a given acquisition fail.
using AllocateFn = void* (*)(std::size_t count, std::size_t size);
using ReleaseFn = void (*)(void* block);

struct WorkingStorage {
    static constexpr std::size_t kPatternTextBytes = 65537;
    static constexpr std::size_t kPatternSlots = 65536;
    static constexpr std::size_t kPairCounts = 65536;
    static constexpr std::size_t kNormalTallyEntries = 65536 * 4;
    static constexpr std::size_t kFixedTallyEntries = 65536 * 2;

    char* patternText = nullptr;
    std::int32_t* patternSlots = nullptr;
    std::int32_t* pairCounts = nullptr;
    std::int32_t* normalTally = nullptr;
    std::int32_t* fixedTally = nullptr;
};

// All five buffers, zeroed, or none: on failure whatever was acquired is
// released again and false returned.
bool acquireStorage(WorkingStorage& storage, AllocateFn allocate, ReleaseFn release);
void releaseStorage(WorkingStorage& storage, ReleaseFn release);

}  // namespace skirmcast
