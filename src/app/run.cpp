#include "app/run.hpp"

#include <cstdlib>
#include <string_view>

#include "app/command_line.hpp"
#include "model/encounter_pattern.hpp"
#include "predict/prediction.hpp"
#include "text/messages.hpp"

namespace skirmcast {

namespace {

void* defaultAllocate(std::size_t count, std::size_t size) {
    return std::calloc(count, size);
}

void defaultRelease(void* block) {
    std::free(block);
}

// The report is only as good as its last byte: a report that could not be
// written is a failed run, not a successful one.
int finish(Writer& out, Writer& err, std::string_view name, int status) {
    if (!out.flush()) {
        err.put(name);
        err.put(text::kWriteFailedSuffix);
        status = kExitFailure;
    }
    err.flush();
    return status;
}

}  // namespace

void writeHelp(Writer& out, std::string_view invocationName) {
    out.put(text::kHelpBanner);
    out.put(invocationName);
    out.put(text::kUsageSuffix);
    out.put(text::kHelpOptions);
}

int runProgram(int argc, const char* const* argv, RunEnvironment& environment) {
    AllocateFn allocate = environment.allocate != nullptr ? environment.allocate : defaultAllocate;
    ReleaseFn release = environment.release != nullptr ? environment.release : defaultRelease;
    // A process may be started with no arguments at all; it still has a name
    // to put in front of its diagnostics, if an empty one.
    const std::string_view name = argc > 0 && argv[0] != nullptr ? argv[0] : "";

    Writer out(environment.output, environment.lineEnds);
    Writer err(environment.error, environment.lineEnds);

    WorkingStorage storage;
    if (!acquireStorage(storage, allocate, release)) {
        err.put(name);
        err.put(text::kOutOfMemorySuffix);
        return finish(out, err, name, kExitFailure);
    }

    Settings settings;
    scanCommandLine(argc, argv, settings, storage.patternText);

    int status = kExitSuccess;
    if (settings.showHelp) {
        writeHelp(out, name);
    } else {
        if (storage.patternText[0] == '\0') {
            readPatternLine(environment.input, storage.patternText);
        }
        const std::string_view text = storage.patternText;
        PatternError error;
        const auto pattern = parsePattern(text, storage.patternSlots, error);
        if (!pattern) {
            writePatternDiagnostic(err, name, text, error);
            status = kExitFailure;
        } else {
            writePatternEcho(out, *pattern);
            writePrediction(out, settings, *pattern,
                            PredictionBuffers{storage.pairCounts, storage.normalTally, storage.fixedTally});
        }
    }

    releaseStorage(storage, release);
    return finish(out, err, name, status);
}

}  // namespace skirmcast
