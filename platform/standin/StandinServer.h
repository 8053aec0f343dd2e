#pragma once

#include "platform/AppleEventReceiver.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

namespace fw::platform {

// `ide-standin serve`: takes run-script events one connection after another and writes each script's
// bytes out as they came.
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

    // A stalled client is dropped after this long, so that the next one gets its turn.
    static constexpr std::chrono::seconds connectionTimeout { 10 };

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
    bool prepareOutput();
    bool serve(AppleEventReceiver& receiver);
    int32_t answer(std::string_view body);
    bool writeOut(std::string_view script);
    bool record(std::string_view script);

    Options m_options;
    FileDescriptor m_output;
    unsigned m_nextRecord = 1;
    // Without replies, connections stay open so that their senders wait; only the latest few are kept.
    std::deque<std::unique_ptr<AppleEventConnection>> m_unanswered;
};

} // namespace fw::platform
