#pragma once

#include "tests/support/Patience.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

// The ide-standin that this build made.
std::string standinPath();

// One run of ide-standin with its standard output and error collected as they come, so that a large
// output never stalls it.
class StandinProcess {
public:
    explicit StandinProcess(std::vector<std::string> arguments);
    ~StandinProcess();
    StandinProcess(const StandinProcess&) = delete;
    StandinProcess& operator=(const StandinProcess&) = delete;

    // Waits until a server says that it listens; false when it ends or stays silent instead.
    bool waitUntilListening(std::chrono::milliseconds timeout = patience);
    // Waits until its standard error holds `text`; false when it ends or stays silent instead.
    bool waitForErrors(const std::string& text, std::chrono::milliseconds timeout = patience);
    // Waits for the end; the exit status, or -1 when it did not end in time or died of a signal.
    int wait(std::chrono::milliseconds timeout = patience);
    // Sends `signal`, then waits as wait() does.
    int stop(int signal = 15);

    std::string output();
    std::string errors();
    // A figure of the running process's memory in KiB, from /proc ("VmRSS", "VmHWM"); -1 when it
    // cannot be read.
    long memoryKiB(const std::string& field) const;

private:
    void collect(int fd, std::string& into, bool& closed);

    pid_t m_pid = -1;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::string m_output;
    std::string m_errors;
    bool m_outputClosed = false;
    bool m_errorsClosed = false;
    std::thread m_outputReader;
    std::thread m_errorReader;
    int m_status = -1;
    bool m_ended = false;
};

// Runs ide-standin to its end; the exit status, and its standard output in `output` when given.
int runStandin(std::vector<std::string> arguments, std::string* output = nullptr);
