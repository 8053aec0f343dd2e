#include "framework/AppleEvent.h"

#include "framework/Application.h"
#include "framework/ClassRecord.h"
#include "framework/qt/SendWait.h"
#include "platform/AppleEventTransport.h"
#include "platform/FourCharCode.h"

#include <algorithm>

namespace fw {

namespace {

constexpr uint32_t textType = platform::fourCC("TEXT");

bool toCode(const String& text, uint32_t& code)
{
    if (text.byteLength() != 4)
        return false;
    code = platform::fourCC(text.bytes());
    return true;
}

uint32_t keywordCode(const String& keyword)
{
    uint32_t code;
    if (!toCode(keyword, code))
        throw OutOfBoundsException(String("\"" + keyword.bytes() + "\" is not a four-character keyword"));
    return code;
}

} // namespace

const ClassRecord& AppleEvent::__Lookup()
{
    static const ClassRecord& record = ClassRecord::define("AppleEvent", &Object::__Lookup(), {}, nullptr);
    return record;
}

String AppleEvent::StringParam(const String& keyword) const
{
    const uint32_t code = keywordCode(keyword);
    for (const Parameter& parameter : m_parameters) {
        if (parameter.keyword == code)
            return parameter.text;
    }
    return String();
}

void AppleEvent::setStringParam(const String& keyword, const String& value)
{
    const uint32_t code = keywordCode(keyword);
    auto found = std::find_if(
        m_parameters.begin(), m_parameters.end(), [code](const Parameter& p) { return p.keyword == code; });
    if (found != m_parameters.end())
        found->text = value;
    else
        m_parameters.push_back({ code, value });
}

bool AppleEvent::Send()
{
    // Both before the socket is opened: after a quit nothing more goes out, and at the bound a send
    // costs neither a descriptor nor a level of stack.
    if (Runtime::quitRequested() || qt::sendsWaiting() >= maxWaitingSends)
        return false;
    // Handlers run inside the wait: the event, and the texts it sends from, are held until it ends,
    // whatever those handlers do to it.
    Ref<AppleEvent> protector(this);
    const std::vector<Parameter> parameters = m_parameters;
    platform::AppleEventMessage message;
    message.eventClass = EventClass;
    message.eventID = EventID;
    message.target = Creator;
    for (const Parameter& parameter : parameters)
        message.parameters.push_back({ parameter.keyword, textType, parameter.text.bytes() });
    platform::AppleEventSend send(message);
    return qt::waitForSend(send);
}

Ref<AppleEvent> NewAppleEvent(const String& eventClass, const String& eventID, const String& creator)
{
    Ref<AppleEvent> event = New<AppleEvent>();
    if (!toCode(eventClass, event->EventClass) || !toCode(eventID, event->EventID)
        || !toCode(creator, event->Creator))
        return nullptr;
    return event;
}

} // namespace fw
