// Runs the real program as a child process: exact bytes in, exact bytes and
// status out.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace skirmcast::testing {

struct ProcessResult {
    std::string out;
    std::string err;
    int status = -1;   // exit status, or -1 if killed by a signal
    int signal = 0;
};

struct ProcessOptions {
    std::string input;              // standard input's bytes
    bool closeStdin = false;        // no standard input at all
    std::string stdoutPath;         // a file as standard output instead of a pipe
    bool closeStdoutEarly = false;  // nobody reads standard output
};

// argv[0] is passed as given; `program` is the file run. SIGPIPE is at its
// default in the child, whatever the test runner does with it.
inline ProcessResult runProcess(const std::string& program, const std::vector<std::string>& argv,
                                const ProcessOptions& options = {}) {
    const std::string& input = options.input;
    const bool closeStdin = options.closeStdin;
    const std::string& stdoutPath = options.stdoutPath;
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (closeStdin) {
        posix_spawn_file_actions_addclose(&actions, 0);
    } else {
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    }
    if (stdoutPath.empty()) {
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
        posix_spawn_file_actions_addclose(&actions, fd);
    }
    std::vector<char*> args;
    for (const auto& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    int rc = posix_spawn(&pid, program.c_str(), &actions, &attributes, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (rc != 0) {
        throw std::runtime_error("cannot start " + program);
    }

    // Feed and drain at once, so that neither side blocks on a full pipe.
    ProcessResult result;
    std::size_t fed = 0;
    int inFd = in[1];
    if (closeStdin || input.empty()) {
        close(inFd);
        inFd = -1;
    }
    signal(SIGPIPE, SIG_IGN);
    bool outOpen = true, errOpen = true;
    if (options.closeStdoutEarly) {
        close(out[0]);
        outOpen = false;
    }
    while (outOpen || errOpen || inFd >= 0) {
        pollfd fds[3];
        int n = 0;
        if (outOpen) fds[n++] = {out[0], POLLIN, 0};
        if (errOpen) fds[n++] = {err[0], POLLIN, 0};
        if (inFd >= 0) fds[n++] = {inFd, POLLOUT, 0};
        if (poll(fds, static_cast<nfds_t>(n), -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < n; ++i) {
            if (fds[i].revents == 0) continue;
            if (fds[i].fd == inFd) {
                ssize_t w = write(inFd, input.data() + fed, input.size() - fed);
                if (w > 0) fed += static_cast<std::size_t>(w);
                if (w <= 0 || fed == input.size()) {
                    close(inFd);
                    inFd = -1;
                }
                continue;
            }
            char buffer[65536];
            ssize_t r = read(fds[i].fd, buffer, sizeof buffer);
            std::string& target = fds[i].fd == out[0] ? result.out : result.err;
            if (r > 0) {
                target.append(buffer, static_cast<std::size_t>(r));
            } else {
                (fds[i].fd == out[0] ? outOpen : errOpen) = false;
            }
        }
    }
    if (!options.closeStdoutEarly) {
        close(out[0]);
    }
    close(err[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) {
        result.status = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    return result;
}

}  // namespace skirmcast::testing
