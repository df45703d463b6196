// The program under test as a child process: the Linux build, or another
// build run through a wrapper.
//
// SKIRMCAST_EXE names another build to run (the Windows one, say), and
// SKIRMCAST_WRAPPER a program to run it with (Wine); SKIRMCAST_CRLF=1 expects
// the CR LF line ends of that platform's text mode. Under a wrapper the
// program sees its own path as the platform gives it: Wine hands a Windows
// program the drive-letter form of the absolute path ("Z:\\..."), unless
// SKIRMCAST_NAME says otherwise.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "process.hpp"
#include "sjis.hpp"

namespace skirmcast::testing {

struct Program {
    std::string path = SKIRMCAST_EXE;
    std::string wrapper;
    bool crlf = false;

    Program() {
        if (const char* exe = std::getenv("SKIRMCAST_EXE"); exe != nullptr && *exe != '\0') {
            path = exe;
        }
        if (const char* wrap = std::getenv("SKIRMCAST_WRAPPER"); wrap != nullptr && *wrap != '\0') {
            wrapper = wrap;
        }
        const char* crlfFlag = std::getenv("SKIRMCAST_CRLF");
        crlf = crlfFlag != nullptr && std::string(crlfFlag) == "1";
    }

    // The name the program sees as argv[0] and so writes in its messages.
    std::string name() const {
        if (wrapper.empty()) {
            return "skirmcast";
        }
        if (const char* given = std::getenv("SKIRMCAST_NAME"); given != nullptr && *given != '\0') {
            return given;
        }
        std::string windows = "Z:" + absolutePath();
        for (char& c : windows) {
            if (c == '/') {
                c = '\\';
            }
        }
        return windows;
    }

    std::string absolutePath() const {
        char* resolved = realpath(path.c_str(), nullptr);
        std::string result = resolved != nullptr ? resolved : path;
        std::free(resolved);
        return result;
    }

    ProcessResult run(const std::vector<std::string>& args, const std::string& input = "") const {
        ProcessOptions options;
        options.input = input;
        return run(args, options);
    }

    ProcessResult run(const std::vector<std::string>& args, const ProcessOptions& options) const {
        std::vector<std::string> argv;
        if (wrapper.empty()) {
            argv.push_back(name());
        } else {
            argv.push_back(wrapper);
            argv.push_back(absolutePath());
        }
        argv.insert(argv.end(), args.begin(), args.end());
        const std::string& file = wrapper.empty() ? path : wrapper;
        return runProcess(file, argv, options);
    }

    // UTF-8 text with "\n" line ends, as this platform's program writes it.
    std::string bytes(const std::string& utf8) const { return lineEnds(toSjis(utf8)); }

    // Bytes with "\n" line ends, as this platform's program writes them.
    std::string lineEnds(const std::string& lf) const {
        if (!crlf) {
            return lf;
        }
        std::string out;
        for (char c : lf) {
            if (c == '\n') {
                out += '\r';
            }
            out += c;
        }
        return out;
    }
};

inline const Program& program() {
    static const Program p;
    return p;
}

}  // namespace skirmcast::testing
