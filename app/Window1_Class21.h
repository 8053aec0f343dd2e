#pragma once

#include "app/Class2.h"
#include "framework/PaneChild.h"

// The class Window1.Class21: the palette window's timer member, a Class2 that a window can hold
// although it is not a control.
class Window1_Class21 : public Class2, public fw::_PaneChild {
public:
    static const fw::ClassRecord& __Lookup();
    const fw::ClassRecord& classRecord() const override { return __Lookup(); }

    void _SetWindow(fw::Ref<fw::Window> w) override;
    fw::Ref<fw::Window> Window() override;
    int32_t _Index() override;
    void _SetIndex(int32_t i) override;
    virtual void Constructor();

    int32_t Index = 0;

private:
    fw::Ref<fw::Window> ownerWindow; // counted; the window takes itself back when it closes
};
