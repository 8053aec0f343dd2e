#include "app/FloaterProcessFix.h"

#include "framework/Event.h"
#include "framework/MemoryBlock.h"
#include "framework/Window.h"
#include "platform/CarbonEvents.h"
#include "platform/ProcessManager.h"

namespace FloaterProcessFix {

using namespace fw::platform;

// The literals below stand for these constants; a change on either side is caught here.
static_assert(applicationEventClass == 0x6170706C && frontSwitchedEventKind == 7);
static_assert(processSerialNumberSize == 8 && processInfoRecSize == 60 && noErr == 0);

void Install()
{
    static bool once = false;
    static EventHandlerUPP handler = nullptr;
    if (!once) {
        once = true;
        fw::Ref<fw::Delegate> delegate
            = fw::RuntimeCreateDelegate(&CarbonEventHandler, "( Int32, Int32, Int32 ) as Int32");
        handler = NewEventHandlerUPP(std::any_cast<EventHandlerProcPtr>(delegate->entryPoint));
    }
    fw::Ref<fw::MemoryBlock> eventType = fw::New<fw::MemoryBlock>(8); // one class and kind
    eventType->setInt32Value(0, 0x6170706C); // applicationEventClass, 'appl'
    eventType->setInt32Value(4, 7); // frontSwitchedEventKind
    InstallEventHandler(GetApplicationEventTarget(), handler, 1, eventType->Ptr(), nullptr, nullptr);
    CheckOpenWindows();
}

int32_t CarbonEventHandler(int32_t, int32_t, int32_t)
{
    CheckOpenWindows();
    return 0;
}

void CheckOpenWindows()
{
    fw::Ref<fw::MemoryBlock> serialNumber = fw::New<fw::MemoryBlock>(8); // processSerialNumberSize
    if (GetFrontProcess(serialNumber->Ptr()) != 0) // noErr
        return;
    fw::Ref<fw::MemoryBlock> information = fw::New<fw::MemoryBlock>(60); // processInfoRecSize
    if (GetProcessInformation(serialNumber->Ptr(), information->Ptr()) != 0) // noErr
        return;
    // The record's creator code is at offset 20.
    const fw::String creator = fw::StringFromOSType(static_cast<uint32_t>(information->Int32Value(20)));
    HideShowFloaters(creator);
}

void HideShowFloaters(const fw::String& creator)
{
    for (int32_t index = 0; index <= fw::Runtime::WindowCount() - 1; ++index) {
        if (fw::StrComp(fw::Runtime::Window(index)->FloaterProcess, creator, 0) == 0)
            fw::Runtime::Window(index)->Show();
        else if (!fw::Runtime::Window(index)->FloaterProcess.isEmpty())
            fw::Runtime::Window(index)->Hide();
    }
}

} // namespace FloaterProcessFix
