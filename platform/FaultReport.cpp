#include "platform/FaultReport.h"

#include <cerrno>
#include <cstdio>

namespace fw::platform {

void FaultReport::tell(const std::string& whatFailed, const std::string& why)
{
    std::string line = whatFailed + ": " + why;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (line == m_lastTold)
        return;
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, line.c_str());
    std::fflush(stderr);
    m_lastTold = std::move(line);
}

void FaultReport::gone()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lastTold.clear();
}

} // namespace fw::platform
