#include "tests/support/ScriptReceiver.h"

#include "platform/AppleEventMessage.h"
#include "platform/FourCharCode.h"
#include "tests/support/BlockingSend.h"
#include "tests/support/Patience.h"

#include <fcntl.h>
#include <unistd.h>

using namespace fw::platform;

namespace {

const uint32_t markerClass = fourCC("mark");

} // namespace

ScriptReceiver::ScriptReceiver(int32_t status, bool answers)
    : m_receiver(AppleEventReceiver::listen(fourCC("RBv2")))
    , m_status(status)
    , m_answers(answers)
{
    if (!m_receiver || pipe2(m_wake, O_CLOEXEC) != 0) {
        m_receiver = nullptr;
        return;
    }
    m_thread = std::thread([this] { serve(); });
}

ScriptReceiver::~ScriptReceiver()
{
    if (m_thread.joinable()) {
        (void)::write(m_wake[1], "x", 1);
        m_thread.join();
    }
    for (int fd : m_wake) {
        if (fd >= 0)
            ::close(fd);
    }
}

void ScriptReceiver::serve()
{
    std::vector<std::unique_ptr<AppleEventConnection>> unanswered;
    while (std::unique_ptr<AppleEventConnection> connection = m_receiver->accept(noDeadline, m_wake[0])) {
        if (connection->readMessage(deadlineAfter(patience), m_wake[0])
            != AppleEventConnection::ReadResult::Message)
            continue;
        const std::string body = connection->takeBody();
        std::optional<AppleEventMessage> message = decodeAppleEventBody(body);
        ReceivedEvent event;
        if (message) {
            event = { message->eventClass, message->eventID, message->target, {} };
            for (const AppleEventParameter& parameter : message->parameters)
                event.parameters.push_back(
                    { parameter.keyword, parameter.type, std::string(parameter.data) });
        }
        const bool marker = event.eventClass == markerClass;
        {
            std::lock_guard lock(m_mutex);
            if (marker)
                ++m_markersSeen;
            else
                m_events.push_back(std::move(event));
        }
        m_changed.notify_all();
        if (marker || m_answers)
            connection->reply(marker ? 0 : m_status);
        else
            unanswered.push_back(std::move(connection));
    }
}

std::vector<ReceivedEvent> ScriptReceiver::events()
{
    if (!listening())
        return {};
    const int marker = ++m_markersSent;
    sendAppleEvent({ markerClass, markerClass, fourCC("RBv2"), {} });
    // The send may give up early under a shortened timeout; the marker's arrival is what counts.
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, patience, [&] { return m_markersSeen >= marker; });
    return m_events;
}

std::vector<std::string> ScriptReceiver::scripts()
{
    std::vector<std::string> texts;
    for (const ReceivedEvent& event : events()) {
        std::string text = "<no direct object>";
        for (const ReceivedEvent::Parameter& parameter : event.parameters) {
            if (parameter.keyword == fourCC("----"))
                text = parameter.data;
        }
        texts.push_back(std::move(text));
    }
    return texts;
}
