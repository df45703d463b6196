// skirmcast: finds where the battle random sequence stands from the enemy
// formations of the battles just fought, and forecasts the next ones.
#include <cstdio>

#include "app/run.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The program applies the text-mode rules itself (CR LF in and out, 0x1A
    // ends input), so that every build reads and writes the same way.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    constexpr skirmcast::LineEnds kLineEnds = skirmcast::LineEnds::kCrLf;
#else
    constexpr skirmcast::LineEnds kLineEnds = skirmcast::LineEnds::kLf;
#endif
    // The writers buffer; a second buffer in stdio would only copy.
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    skirmcast::FileSource input(stdin);
    skirmcast::FileSink output(stdout);
    skirmcast::FileSink error(stderr);
    skirmcast::RunEnvironment environment{input, output, error, kLineEnds};
    return skirmcast::runProgram(argc, argv, environment);
}
