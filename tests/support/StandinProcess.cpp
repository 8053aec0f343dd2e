#include "tests/support/StandinProcess.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

std::string standinPath()
{
    return IDE_STANDIN;
}

StandinProcess::StandinProcess(std::vector<std::string> arguments)
{
    int outputPipe[2];
    int errorPipe[2];
    if (pipe2(outputPipe, O_CLOEXEC) != 0 || pipe2(errorPipe, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outputPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errorPipe[1], STDERR_FILENO);
    std::string program = standinPath();
    std::vector<char*> argv { program.data() };
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    if (posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(outputPipe[1]);
    close(errorPipe[1]);
    m_outputReader = std::thread([this, fd = outputPipe[0]] { collect(fd, m_output, m_outputClosed); });
    m_errorReader = std::thread([this, fd = errorPipe[0]] { collect(fd, m_errors, m_errorsClosed); });
}

StandinProcess::~StandinProcess()
{
    if (m_pid > 0 && !m_ended && stop(SIGKILL) < 0)
        waitpid(m_pid, nullptr, 0);
    if (m_outputReader.joinable())
        m_outputReader.join();
    if (m_errorReader.joinable())
        m_errorReader.join();
}

void StandinProcess::collect(int fd, std::string& into, bool& closed)
{
    char buffer[65536];
    for (;;) {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        std::lock_guard lock(m_mutex);
        if (got <= 0) {
            closed = true;
            m_changed.notify_all();
            break;
        }
        into.append(buffer, static_cast<size_t>(got));
        m_changed.notify_all();
    }
    close(fd);
}

bool StandinProcess::waitUntilListening(std::chrono::milliseconds timeout)
{
    return waitForErrors("listening on", timeout);
}

bool StandinProcess::waitForErrors(const std::string& text, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] {
        return m_errors.find(text) != std::string::npos || m_errorsClosed;
    }) && m_errors.find(text) != std::string::npos;
}

int StandinProcess::wait(std::chrono::milliseconds timeout)
{
    if (m_pid <= 0)
        return -1;
    if (m_ended)
        return m_status;
    int status;
    if (!waitUntil(
            [&] { return waitpid(m_pid, &status, WNOHANG) == m_pid; }, timeout, std::chrono::milliseconds(5)))
        return -1;
    m_ended = true;
    m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    // The pipes close once the process is gone; wait for the last of its output.
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_outputClosed && m_errorsClosed; });
    return m_status;
}

int StandinProcess::stop(int signal)
{
    if (m_pid > 0 && !m_ended)
        kill(m_pid, signal);
    return wait();
}

std::string StandinProcess::output()
{
    std::lock_guard lock(m_mutex);
    return m_output;
}

std::string StandinProcess::errors()
{
    std::lock_guard lock(m_mutex);
    return m_errors;
}

long StandinProcess::memoryKiB(const std::string& field) const
{
    std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.compare(0, field.size() + 1, field + ":") == 0)
            return std::atol(line.c_str() + field.size() + 1);
    }
    return -1;
}

int runStandin(std::vector<std::string> arguments, std::string* output)
{
    StandinProcess process(std::move(arguments));
    int status = process.wait();
    if (output)
        *output = process.output();
    return status;
}
