#pragma once

#include <stdexcept>
#include <unistd.h>

// Permission bits do not stop root; for a while, the test acts as an ordinary user.
class AsOrdinaryUser {
public:
    AsOrdinaryUser()
        : m_wasRoot(geteuid() == 0)
    {
        if (m_wasRoot && seteuid(65534) != 0)
            throw std::runtime_error("cannot give up root for the test");
    }
    ~AsOrdinaryUser()
    {
        if (m_wasRoot)
            (void)seteuid(0);
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
    bool m_wasRoot;
};
