// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// This benchmark binary run again in a child role, for measurements that
// need a fresh process: the child reports on its standard output, one line
// at a time, and is killed once read.

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

class ChildProcess {
  public:
    using Clock = std::chrono::steady_clock;

    // Starts /proc/self/exe with these arguments, its errors thrown away.
    explicit ChildProcess(std::vector<std::string> args) {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        std::string self = "/proc/self/exe";
        std::vector<char*> argv{self.data()};
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        spawned_ = Clock::now();
        if (posix_spawn(&pid_, self.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        if (pid_ > 0) {
            fd_ = fds[0];
        } else {
            close(fds[0]);
        }
    }

    ~ChildProcess() {
        if (fd_ >= 0) {
            close(fd_);
        }
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    Clock::time_point spawned() const { return spawned_; }

    // The child's next line, if it comes before the deadline.
    std::optional<std::string> readLine(Clock::time_point deadline) {
        std::string line;
        char c = 0;
        while (fd_ >= 0) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                    .count();
            pollfd p{fd_, POLLIN, 0};
            if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0) {
                return std::nullopt;
            }
            if (read(fd_, &c, 1) != 1) {
                return std::nullopt;
            }
            if (c == '\n') {
                return line;
            }
            line += c;
        }
        return std::nullopt;
    }

  private:
    pid_t pid_ = -1;
    int fd_ = -1;
    Clock::time_point spawned_;
};

// The child's side: one line to the parent, at once.
inline void reportToParent(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}
