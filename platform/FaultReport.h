#pragma once

#include <mutex>
#include <string>

namespace fw::platform {

// A fault of the environment that makes every send or every switch fail, told on standard error in
// one line, "<program>: <what failed>: <why>", the first time it is met. The same line is not told
// again until the fault has gone in between, so that a palette that meets it at every click or every
// front switch does not fill the terminal with it; another line for the same fault is told at once.
class FaultReport {
public:
    void tell(const std::string& whatFailed, const std::string& why);
    // The fault is over: the next time it is met, it is told again.
    void gone();

private:
    std::mutex m_mutex;
    std::string m_lastTold;
};

} // namespace fw::platform
