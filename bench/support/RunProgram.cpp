#include "bench/support/RunProgram.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {

std::optional<std::string> runProgram(std::vector<std::string> arguments, std::string* output)
{
    int pipeEnds[2];
    if (arguments.empty() || pipe2(pipeEnds, O_CLOEXEC) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    std::string text;
    char buffer[4096];
    ssize_t got;
    while (!failed && (got = ::read(pipeEnds[0], buffer, sizeof buffer)) != 0) {
        if (got > 0)
            text.append(buffer, static_cast<size_t>(got));
        else if (errno != EINTR)
            break;
    }
    ::close(pipeEnds[0]);
    if (output)
        *output = text;
    int status = -1;
    if (failed || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return text;
}

} // namespace bench
