// tevano-radio run as a process for one test: started with the test's options, its port path
// read from its first line of output, stopped and waited for at the end of the test.
#pragma once

#include "radiolink/PosixSerialPort.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tevano::testing {

class RadioProcess {
public:
    // With `stderrClosed` the radio starts as `2>&-` starts it.
    explicit RadioProcess(const std::vector<std::string>& options, bool stderrClosed = false) {
        int output[2];
        if (pipe2(output, O_CLOEXEC) != 0) {
            ADD_FAILURE() << "no pipe";
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            dup2(output[1], STDOUT_FILENO);
            if (stderrClosed) {
                close(STDERR_FILENO);
            }
            std::vector<char*> argv;
            argv.push_back(const_cast<char*>(TEVANO_RADIO));
            for (const std::string& option : options) {
                argv.push_back(const_cast<char*>(option.c_str()));
            }
            argv.push_back(nullptr);
            execv(TEVANO_RADIO, argv.data());
            _exit(127);
        }
        close(output[1]);
        output_ = output[0];
        port_ = NextLine();
        EXPECT_EQ(port_.rfind("/dev/pts/", 0), 0u) << "tevano-radio printed '" << port_ << "'";
    }

    ~RadioProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            if (Wait() < 0) {
                kill(pid_, SIGKILL);
                waitpid(pid_, nullptr, 0);
            }
        }
        if (output_ >= 0) {
            close(output_);
        }
    }
    RadioProcess(const RadioProcess&) = delete;
    RadioProcess& operator=(const RadioProcess&) = delete;

    const std::string& Port() const { return port_; }

    // The next line the radio prints (a new port after a hang-up), "" after 10 s of silence.
    std::string NextLine() {
        std::string line;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd entry{output_, POLLIN, 0};
            if (poll(&entry, 1, 100) != 1) {
                continue;
            }
            char c = 0;
            if (read(output_, &c, 1) != 1) {
                break;
            }
            if (c == '\n') {
                return line;
            }
            line += c;
        }
        return line;
    }

    // Waits up to 5 s for the radio to end by itself; its exit status, or -1.
    int Wait() {
        int status = 0;
        const bool ended =
            pid_ > 0 &&
            WaitUntil([this, &status] { return waitpid(pid_, &status, WNOHANG) == pid_; },
                      std::chrono::seconds(5));
        if (!ended) {
            return -1;
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string port_;
};

// tevano-cli started with its stdout and stderr in files, for a test that signals it while it
// runs; -1 when it could not be started.
inline pid_t StartCli(const std::vector<std::string>& arguments, const std::string& outPath,
                      const std::string& errPath) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>(TEVANO_CLI)};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        execv(TEVANO_CLI, argv.data());
        _exit(127);
    }
    return pid;
}

// A port the tool was stopped on is let go of: no exclusive mark, and it opens again.
inline void ExpectPortFree(const std::string& device) {
    const int observer = open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(observer, 0);
    int exclusive = -1;
    ASSERT_EQ(ioctl(observer, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0) << device;
    close(observer);
    PosixSerialPort port;
    EXPECT_TRUE(port.Open(device, kCloneTimeouts)) << device;
}

// The exit status of a started program, or 128 + the signal that ended it.
inline int WaitForExit(pid_t pid) {
    int status = 0;
    if (pid <= 0 || waitpid(pid, &status, 0) != pid) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace tevano::testing
