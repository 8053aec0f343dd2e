#pragma once

#include "platform/AppleEventReceiver.h"
#include "platform/AppleEventTransport.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// One event as it arrived: its codes and its parameters' keywords, types and bytes.
struct ReceivedEvent {
    uint32_t eventClass = 0;
    uint32_t eventID = 0;
    uint32_t target = 0;
    struct Parameter {
        uint32_t keyword;
        uint32_t type;
        std::string data;
    };
    std::vector<Parameter> parameters;
};

// The IDE inside the test process: it listens as "RBv2" on a thread of its own and keeps every event
// that comes. It answers each with `status`; with `answers` false it reads the event and then keeps
// the connection open without a word until the receiver ends, as a hung IDE would.
class ScriptReceiver {
public:
    explicit ScriptReceiver(int32_t status = 0, bool answers = true);
    ~ScriptReceiver();
    ScriptReceiver(const ScriptReceiver&) = delete;
    ScriptReceiver& operator=(const ScriptReceiver&) = delete;

    bool listening() const { return m_receiver != nullptr; }

    // Everything sent before the call, in the order sent. A send only returns once its event is
    // written, and the receiver takes its clients in turn, so a marker event of the receiver's own,
    // sent and answered first, shows that all before it has been taken.
    std::vector<ReceivedEvent> events();
    // The direct objects ("----") of those events.
    std::vector<std::string> scripts();

private:
    void serve();

    std::unique_ptr<fw::platform::AppleEventReceiver> m_receiver;
    int m_wake[2] = { -1, -1 };
    int32_t m_status;
    bool m_answers;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<ReceivedEvent> m_events; // the markers left out
    int m_markersSent = 0;
    int m_markersSeen = 0;
    std::thread m_thread;
};

// Shortens the transport's send timeout for a scope and puts the previous one back at its end.
using ShortSendTimeout = fw::platform::SendTimeoutSeam::Scoped;
