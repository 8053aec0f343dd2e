#include "platform/standin/StandinServer.h"

#include "platform/AppleEventMessage.h"
#include "platform/AtomicReplace.h"
#include "platform/EventDirectory.h"
#include "platform/EventSocket.h"
#include "platform/FourCharCode.h"
#include "platform/ProcessManager.h"
#include "platform/WriteWhole.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw::platform {

static constexpr size_t unansweredKept = 16;

// SIGTERM and SIGINT write a byte here; every wait of the server also watches the other end.
static int stopPipe[2] = { -1, -1 };

static void requestStop(int)
{
    int saved = errno;
    [[maybe_unused]] ssize_t ignored = ::write(stopPipe[1], "", 1);
    errno = saved;
}

static bool catchStopSignals()
{
    if (pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action { };
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    return sigaction(SIGTERM, &action, nullptr) == 0 && sigaction(SIGINT, &action, nullptr) == 0;
}

static std::string describe(AppleEventReceiver::ListenError error)
{
    switch (error) {
    case AppleEventReceiver::ListenError::DirectoryMissing:
        return "the folder that is to hold " + eventDirectoryPath() + " is missing";
    case AppleEventReceiver::ListenError::InUse:
        return "another receiver is running on the socket";
    case AppleEventReceiver::ListenError::NotASocket:
        return "something that is not a socket has the socket's name";
    case AppleEventReceiver::ListenError::DirectoryRefused:
    case AppleEventReceiver::ListenError::PathTooLong:
    case AppleEventReceiver::ListenError::None:
    case AppleEventReceiver::ListenError::Failed:
        break;
    }
    return std::strerror(errno);
}

std::chrono::milliseconds StandinServer::clientTimeLimit()
{
    return StandinClientTimeLimitSeam::replacement().value_or(connectionTimeout);
}

StandinServer::StandinServer(Options options)
    : m_options(std::move(options))
{
}

bool StandinServer::prepareOutput()
{
    if (!m_options.outputFile.empty()) {
        m_output.reset(::open(m_options.outputFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
        if (!m_output.valid()) {
            std::fprintf(stderr, "ide-standin: cannot open %s: %s\n", m_options.outputFile.c_str(),
                std::strerror(errno));
            return false;
        }
    }
    if (!m_options.recordDirectory.empty()) {
        struct stat status;
        if (mkdir(m_options.recordDirectory.c_str(), 0700) != 0 && errno != EEXIST) {
            std::fprintf(stderr, "ide-standin: cannot make %s: %s\n", m_options.recordDirectory.c_str(),
                std::strerror(errno));
            return false;
        }
        if (stat(m_options.recordDirectory.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
            std::fprintf(stderr, "ide-standin: %s is not a directory\n", m_options.recordDirectory.c_str());
            return false;
        }
    }
    return true;
}

int StandinServer::run()
{
    // A reader of our standard output that goes away must give a failed write, not kill us.
    std::signal(SIGPIPE, SIG_IGN);
    if (!catchStopSignals() || !prepareOutput())
        return 1;
    AppleEventReceiver::ListenError error;
    std::unique_ptr<AppleEventReceiver> receiver = AppleEventReceiver::listen(m_options.creator, &error);
    if (!receiver) {
        // A refused directory and a path too long have been named in their own one line already.
        if (error != AppleEventReceiver::ListenError::DirectoryRefused
            && error != AppleEventReceiver::ListenError::PathTooLong)
            std::fprintf(stderr, "ide-standin: cannot listen as %s: %s\n",
                creatorName(m_options.creator).c_str(), describe(error).c_str());
        return 1;
    }
    if (m_options.bringToFront && !bringToFront(m_options.creator)) {
        std::fprintf(
            stderr, "ide-standin: cannot bring %s to the front\n", fourCCString(m_options.creator).c_str());
        return 1;
    }
    // Whoever started us may wait for this line before sending.
    std::fprintf(stderr, "ide-standin: listening on %s\n", receiver->socketPath().c_str());
    std::fflush(stderr);
    return serve(*receiver) ? 0 : 1;
}

// Whole milliseconds until `deadline`, rounded up so that the wait never ends just before it; -1 for
// none.
static int pollTimeout(Deadline deadline)
{
    if (deadline == noDeadline)
        return -1;
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::clamp<long long>(left.count(), 0, INT_MAX));
}

// One loop serves every client side by side, each against its own time limit, so that clients that
// say nothing never hold up one that sends.
bool StandinServer::serve(AppleEventReceiver& receiver)
{
    std::vector<pollfd> waits;
    for (;;) {
        const bool accepting
            = m_clients.size() < clientsServed && std::chrono::steady_clock::now() >= m_acceptPausedUntil;
        Deadline next = accepting ? noDeadline : m_acceptPausedUntil;
        // A negative descriptor is skipped by poll, which keeps the clients' places fixed.
        waits.assign({ { stopPipe[0], POLLIN, 0 }, { accepting ? receiver.socket() : -1, POLLIN, 0 } });
        for (const Client& client : m_clients) {
            waits.push_back({ client.connection->socket(), POLLIN, 0 });
            next = std::min(next, client.deadline);
        }
        if (::poll(waits.data(), waits.size(), pollTimeout(next)) < 0) {
            if (errno == EINTR)
                continue;
            std::fprintf(stderr, "ide-standin: cannot wait for clients: %s\n", std::strerror(errno));
            return false;
        }
        if (waits[0].revents)
            return true;
        const Deadline now = std::chrono::steady_clock::now();
        for (size_t i = 0; i < m_clients.size(); ++i) {
            bool done = waits[i + 2].revents && !take(m_clients[i]);
            if (done || now >= m_clients[i].deadline)
                m_clients[i].connection.reset();
        }
        std::erase_if(m_clients, [](const Client& client) { return !client.connection; });
        if (waits[1].revents && !acceptWaiting(receiver))
            return false;
    }
}

bool StandinServer::acceptWaiting(AppleEventReceiver& receiver)
{
    while (m_clients.size() < clientsServed) {
        errno = 0; // a wait that finds nobody sets none
        std::unique_ptr<AppleEventConnection> connection
            = receiver.accept(deadlineAfter(std::chrono::milliseconds(0)));
        if (connection) {
            m_clients.push_back({ std::move(connection), deadlineAfter(clientTimeLimit()) });
            continue;
        }
        if (errno == 0 || errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
            return true;
        // Out of descriptors or memory for now: those waiting stay queued until clients have gone.
        if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
            m_acceptPausedUntil = deadlineAfter(acceptPause);
            return true;
        }
        std::fprintf(stderr, "ide-standin: cannot accept a connection: %s\n", std::strerror(errno));
        return false;
    }
    return true;
}

bool StandinServer::take(Client& client)
{
    AppleEventConnection& connection = *client.connection;
    switch (connection.readSome()) {
    case AppleEventConnection::ReadResult::Pending:
        return true;
    case AppleEventConnection::ReadResult::Message: {
        const int32_t status = answer(connection.body());
        finish(std::move(client.connection), status);
        return false;
    }
    case AppleEventConnection::ReadResult::NotAnEvent:
        std::fprintf(stderr, "ide-standin: refused a message that is not an event\n");
        finish(std::move(client.connection), refusedStatus);
        return false;
    case AppleEventConnection::ReadResult::TooLarge:
        std::fprintf(stderr, "ide-standin: refused a message of %u bytes, more than the largest event (%u)\n",
            connection.announcedLength(), appleEventLargestBody);
        finish(std::move(client.connection), refusedStatus);
        return false;
    case AppleEventConnection::ReadResult::Closed:
    case AppleEventConnection::ReadResult::TimedOut:
    case AppleEventConnection::ReadResult::Woken:
    case AppleEventConnection::ReadResult::Failed:
        return false;
    }
    return false;
}

void StandinServer::finish(std::unique_ptr<AppleEventConnection> connection, int32_t status)
{
    connection->dropBody();
    if (m_options.reply) {
        connection->reply(status);
        return;
    }
    m_unanswered.push_back(std::move(connection));
    if (m_unanswered.size() > unansweredKept)
        m_unanswered.pop_front();
}

// Well-formed: the body decodes with nothing left over; it is a run-script event ("RBae"/"scpt")
// addressed to our creator; and exactly one of its parameters is the direct object "----", of type
// "TEXT". Other parameters are allowed and ignored.
StandinServer::Acceptance StandinServer::accept(std::string_view body, uint32_t creator)
{
    std::optional<AppleEventMessage> message = decodeAppleEventBody(body);
    if (!message || message->eventClass != fourCC("RBae") || message->eventID != fourCC("scpt")
        || message->target != creator)
        return { Refusal::MalformedOrForeign, {} };
    const AppleEventParameter* script = nullptr;
    for (const AppleEventParameter& parameter : message->parameters) {
        if (parameter.keyword != fourCC("----"))
            continue;
        if (script)
            return { Refusal::TwoDirectObjects, {} };
        script = &parameter;
    }
    if (!script || script->type != fourCC("TEXT"))
        return { Refusal::NoTextDirectObject, {} };
    return { Refusal::None, script->data };
}

int32_t StandinServer::answer(std::string_view body)
{
    Acceptance acceptance = accept(body, m_options.creator);
    switch (acceptance.refusal) {
    case Refusal::None:
        break;
    case Refusal::MalformedOrForeign:
        std::fprintf(stderr, "ide-standin: refused a malformed or foreign event\n");
        return refusedStatus;
    case Refusal::TwoDirectObjects:
        std::fprintf(stderr, "ide-standin: refused an event with two direct objects\n");
        return refusedStatus;
    case Refusal::NoTextDirectObject:
        std::fprintf(stderr, "ide-standin: refused an event without a text direct object\n");
        return refusedStatus;
    }
    if (!writeOut(acceptance.script)) {
        std::fprintf(stderr, "ide-standin: cannot write the script out: %s\n", std::strerror(errno));
        return refusedStatus;
    }
    return m_options.status;
}

bool StandinServer::writeOut(std::string_view script)
{
    if (!m_options.recordDirectory.empty())
        return record(script);
    return writeWhole(m_output.valid() ? m_output.get() : STDOUT_FILENO, script);
}

// Each script goes to the first number that is not taken yet, whole, so a reader of the directory
// never sees half a script.
bool StandinServer::record(std::string_view script)
{
    for (;; ++m_nextRecord) {
        char name[16];
        std::snprintf(name, sizeof name, "/%06u", m_nextRecord);
        std::string path = m_options.recordDirectory + name;
        struct stat status;
        if (lstat(path.c_str(), &status) == 0)
            continue;
        if (!atomicReplace(path, script))
            return false;
        ++m_nextRecord;
        return true;
    }
}

} // namespace fw::platform
