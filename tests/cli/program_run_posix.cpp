#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>

#include "program_run.h"

extern char** environ;

namespace qx::test {
namespace {

std::vector<std::string> changedEnvironment(const std::vector<EnvironmentSetting>& settings) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        bool replaced = false;
        for (const EnvironmentSetting& setting : settings) replaced = replaced || setting.name == name;
        if (!replaced) entries.push_back(text);
    }
    for (const EnvironmentSetting& setting : settings) {
        if (setting.value) entries.push_back(setting.name + "=" + *setting.value);
    }
    return entries;
}

struct Pipe {
    int read = -1;
    int write = -1;
    Pipe() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
        read = fds[0];
        write = fds[1];
    }
};

void writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // the program stopped reading
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<EnvironmentSetting>& environment, const std::string& input) {
    std::vector<std::string> argumentTexts{program};
    argumentTexts.insert(argumentTexts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : argumentTexts) argv.push_back(text.data());
    argv.push_back(nullptr);
    std::vector<std::string> environmentTexts = changedEnvironment(environment);
    std::vector<char*> envp;
    for (std::string& text : environmentTexts) envp.push_back(text.data());
    envp.push_back(nullptr);

    Pipe in, out, err;
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (child == 0) {
        ::dup2(in.read, STDIN_FILENO);
        ::dup2(out.write, STDOUT_FILENO);
        ::dup2(err.write, STDERR_FILENO);
        ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(in.read);
    ::close(out.write);
    ::close(err.write);
    // The inputs are small, far below what a pipe holds, so writing first cannot block; a program
    // that exits without reading must not take the test down with SIGPIPE.
    ::signal(SIGPIPE, SIG_IGN);
    writeAll(in.write, input);
    ::close(in.write);

    ProgramRun run;
    pollfd fds[2] = {{out.read, POLLIN, 0}, {err.read, POLLIN, 0}};
    std::string* sinks[2] = {&run.out, &run.err};
    int open = 2;
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

std::string cliProgram() { return QX_INI_PROGRAM; }

}  // namespace qx::test
