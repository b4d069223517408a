#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

// Generous: the program polls every 500 ms, a loaded machine may be far slower.
inline constexpr auto kPatience = std::chrono::seconds(20);

// glintctl as a process of its own, with its standard output on a pipe; killed if the test ends
// before it.
class GlintctlProcess {
public:
    explicit GlintctlProcess(std::vector<std::string> args) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            return;
        }
        readEnd = pipeEnds[0];
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        args.insert(args.begin(), GLINTCTL_COMMAND);
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&pid, GLINTCTL_COMMAND, &actions, nullptr, argv.data(), environ) != 0) {
            pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);
    }
    ~GlintctlProcess() {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (readEnd >= 0) {
            close(readEnd);
        }
    }
    GlintctlProcess(const GlintctlProcess&) = delete;
    GlintctlProcess& operator=(const GlintctlProcess&) = delete;

    bool Started() const { return pid > 0; }
    pid_t Pid() const { return pid; }

    // The next whole line, or empty when none came in time.
    std::string NextLine() {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        for (;;) {
            const std::size_t newline = buffered.find('\n');
            if (newline != std::string::npos) {
                std::string line = buffered.substr(0, newline);
                buffered.erase(0, newline + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd waitFor{readEnd, POLLIN, 0};
            if (left.count() <= 0 || poll(&waitFor, 1, static_cast<int>(left.count())) <= 0) {
                return {};
            }
            char chunk[256];
            const ssize_t got = read(readEnd, chunk, sizeof(chunk));
            if (got <= 0) {
                return {};
            }
            buffered.append(chunk, static_cast<std::size_t>(got));
        }
    }

    // The exit code after the signal, or -1 when it did not end in time or by itself.
    int StopWith(int signal) {
        kill(pid, signal);
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() >= deadline) {
                return -1;
            }
            usleep(10000);
        }
        pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid = -1;
    int readEnd = -1;
    std::string buffered;
};
