// One run of the program, from the argument vector to the exit status, with
// its streams and memory supplied by the caller: main() hands in the real
// ones, tests and fuzz targets their own.
#pragma once

#include "app/input.hpp"
#include "app/storage.hpp"
#include "text/writer.hpp"

namespace skirmcast {

struct RunEnvironment {
    ByteSource& input;
    ByteSink& output;
    ByteSink& error;
    LineEnds lineEnds = LineEnds::kLf;
    AllocateFn allocate = nullptr;  // nullptr: std::calloc
    ReleaseFn release = nullptr;    // nullptr: std::free
};

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;

int runProgram(int argc, const char* const* argv, RunEnvironment& environment);

void writeHelp(Writer& out, std::string_view invocationName);

}  // namespace skirmcast
