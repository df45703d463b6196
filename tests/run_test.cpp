// Whole runs in-process: what reaches the streams and the exit status when
// memory or the output fails.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/run.hpp"
#include "text/messages.hpp"

namespace skirmcast {
namespace {

// An allocator that fails its n-th call and counts what is still held.
struct AllocationLog {
    int calls = 0;
    int failAt = 0;  // 0: never
    int held = 0;
};
AllocationLog log;

void* countingAllocate(std::size_t count, std::size_t size) {
    if (++log.calls == log.failAt) {
        return nullptr;
    }
    void* block = std::calloc(count, size);
    if (block != nullptr) {
        ++log.held;
    }
    return block;
}

void countingRelease(void* block) {
    --log.held;
    std::free(block);
}

class FailingSink final : public ByteSink {
public:
    bool write(const char*, std::size_t) override { return false; }
};

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(std::vector<const char*> args, std::string_view input = "", ByteSink* output = nullptr) {
    args.insert(args.begin(), "prog");
    MemorySource source(input);
    StringSink out;
    StringSink err;
    RunEnvironment environment{source, output != nullptr ? *output : out, err};
    environment.allocate = countingAllocate;
    environment.release = countingRelease;
    const int status = runProgram(static_cast<int>(args.size()), args.data(), environment);
    return {status, out.bytes, err.bytes};
}

TEST(Run, EachAcquisitionFailingGivesTheDiagnosticAndReleasesTheRest) {
    const std::string diagnostic = "prog" + std::string(text::kOutOfMemorySuffix);
    for (const auto& args : std::vector<std::vector<const char*>>{{"-h"}, {"AB"}, {"AAX"}}) {
        for (int failAt = 1; failAt <= 5; ++failAt) {
            log = AllocationLog{0, failAt, 0};
            const Outcome o = run(args);
            EXPECT_EQ(o.status, 1) << args[0] << " " << failAt;
            EXPECT_EQ(o.out, "") << args[0] << " " << failAt;
            EXPECT_EQ(o.err, diagnostic) << args[0] << " " << failAt;
            EXPECT_EQ(log.calls, failAt);
            EXPECT_EQ(log.held, 0) << args[0] << " " << failAt;
        }
    }
}

TEST(Run, EveryWayOutReleasesTheStorage) {
    for (const auto& args : std::vector<std::vector<const char*>>{{"-h"}, {"-a", "-b", "65536", "AB"}, {"A["}}) {
        log = AllocationLog{};
        run(args);
        EXPECT_EQ(log.calls, 5) << args[0];
        EXPECT_EQ(log.held, 0) << args[0];
    }
}

TEST(Run, UnwritableOutputIsAFailedRun) {
    FailingSink failing;
    log = AllocationLog{};
    const Outcome o = run({"-m", "65536", "-a0"}, "", &failing);
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "prog" + std::string(text::kWriteFailedSuffix));
    EXPECT_EQ(log.held, 0);
}

TEST(Run, NoArgumentVectorAtAll) {
    // A process may be started with argc 0; its diagnostics then carry an
    // empty name instead of reading past the vector.
    MemorySource source("X\n");
    StringSink out;
    StringSink err;
    RunEnvironment environment{source, out, err};
    const char* const argv[] = {nullptr};
    EXPECT_EQ(runProgram(0, argv, environment), 1);
    EXPECT_EQ(err.bytes, std::string(text::kInvalidPatternSuffix) + "X\n^\n");
}

}  // namespace
}  // namespace skirmcast
