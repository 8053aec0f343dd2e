#pragma once

#include "platform/AppleEventReceiver.h"
#include "platform/Deadline.h"
#include "platform/FileDescriptor.h"
#include "platform/Seam.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw::platform {

// `ide-standin serve`: takes run-script events from any number of clients at once and writes each
// script's bytes out as they came.
class StandinServer {
public:
    struct Options {
        uint32_t creator = 0;
        bool bringToFront = false;
        std::string outputFile; // append the scripts here instead of standard output
        std::string recordDirectory; // or put each in its own numbered file here
        int32_t status = 0; // the answer to an accepted event
        bool reply = true;
    };

    // The answer to an event that is not a well-formed run-script event, or whose script could not be
    // written out.
    static constexpr int32_t refusedStatus = -1;

    // A client that has not sent its whole event this long after it connected is dropped.
    static constexpr std::chrono::seconds connectionTimeout { 10 };
    // The limit in force: connectionTimeout, unless a test has shortened it.
    static std::chrono::milliseconds clientTimeLimit();
    // Clients read at once; more wait in the listen queue, so that descriptors never run out.
    static constexpr size_t clientsServed = 256;
    // How long accepting rests when the system has no descriptor or memory for another client.
    static constexpr std::chrono::milliseconds acceptPause { 100 };

    // What the server makes of one event's body before anything is written out, apart from the
    // sockets and files so that it can be checked on any bytes.
    enum class Refusal {
        None, // accepted: `script` is to be written out
        MalformedOrForeign,
        TwoDirectObjects,
        NoTextDirectObject,
    };
    struct Acceptance {
        Refusal refusal = Refusal::None;
        std::string_view script; // inside the body; empty when refused
    };
    static Acceptance accept(std::string_view body, uint32_t creator);

    explicit StandinServer(Options options);

    // Serves until SIGTERM or SIGINT; the exit status: 0 for such a stop, 1 when serving failed.
    int run();

private:
    struct Client {
        std::unique_ptr<AppleEventConnection> connection;
        Deadline deadline;
    };

    bool prepareOutput();
    bool serve(AppleEventReceiver& receiver);
    // Takes every client waiting to be accepted; false when accepting failed for good.
    bool acceptWaiting(AppleEventReceiver& receiver);
    // Reads what the client sent; false once it is done with, answered or dropped.
    bool take(Client& client);
    // Answers `status`, or keeps the connection unanswered.
    void finish(std::unique_ptr<AppleEventConnection> connection, int32_t status);
    int32_t answer(std::string_view body);
    bool writeOut(std::string_view script);
    bool record(std::string_view script);

    Options m_options;
    FileDescriptor m_output;
    std::vector<Client> m_clients; // being read
    Deadline m_acceptPausedUntil {};
    unsigned m_nextRecord = 1;
    // Without replies, connections stay open so that their senders wait; only the latest few are kept.
    std::deque<std::unique_ptr<AppleEventConnection>> m_unanswered;
};

// A test's shorter time limit for the stand-in's clients.
struct StandinClientTimeLimitSeam : Seam<StandinClientTimeLimitSeam, std::chrono::milliseconds> { };

} // namespace fw::platform
