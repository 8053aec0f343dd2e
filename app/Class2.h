#pragma once

#include "framework/Timer.h"

class ButtonsCell;

// The press timer: its Action clears the flag that a button press sets.
class Class2 : public fw::Timer {
public:
    static const fw::ClassRecord& __Lookup();
    const fw::ClassRecord& classRecord() const override { return __Lookup(); }

    Class2();
    ~Class2() override;

    void Event_Action() override;

    bool Go = false;
    fw::Ref<ButtonsCell> myBu;
};
