#include "framework/Event.h"

#include "framework/PaneChild.h"
#include "framework/RectControl.h"
#include "framework/Window.h"

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

Ref<Object> eventSelf(Object& me)
{
    if (auto* window = dynamic_cast<Window*>(&me))
        return Ref<Object>(window);
    if (auto* control = dynamic_cast<RectControl*>(&me))
        return control->Window();
    if (auto* child = dynamic_cast<_PaneChild*>(&me))
        return child->Window();
    return nullptr;
}

} // namespace fw
