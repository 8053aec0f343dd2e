#pragma once

#include "framework/Object.h"

namespace fw {

class Window;

// The interface of a member of a window that is not a visible control (a timer on a window). The
// framework gives the member its window and index through it when the member is added, and takes the
// window back when the window closes.
class _PaneChild {
public:
    static const ClassRecord& __Lookup();

    virtual ~_PaneChild() = default;
    virtual void _SetWindow(Ref<fw::Window> window) = 0;
    virtual Ref<fw::Window> Window() = 0;
    virtual int32_t _Index() = 0;
    virtual void _SetIndex(int32_t index) = 0;
};

} // namespace fw
