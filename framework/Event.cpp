#include "framework/Event.h"

namespace fw {

void _InstallInstanceEventHandler(
    const Ref<Object>& object, std::string_view eventName, const std::any& entryPoint)
{
    const ClassRecord& record = object->classRecord();
    const EventRecord* event = record.findEvent(eventName);
    if (!event)
        throw PropertyRecordException(
            String("the class " + record.fullName + " has no event \"" + std::string(eventName) + "\""));
    event->install(*object, entryPoint);
}

} // namespace fw
