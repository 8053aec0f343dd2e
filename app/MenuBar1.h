#pragma once

#include "framework/MenuItem.h"

// The palette's menu bar: File with Quit, and Edit.
class MenuBar1 : public fw::MenuBar {
public:
    static const fw::ClassRecord& __Lookup();
    const fw::ClassRecord& classRecord() const override { return __Lookup(); }

    virtual void Constructor();
    virtual void Untitled0();
    virtual void Untitled1();

    // The implicit instance: nil until first asked for, then held until finalisation.
    struct ImplicitInstance {
        fw::Ref<MenuBar1> instance;
        void __Exit();
    };
    static ImplicitInstance _implicitInstance;
};

namespace Global {
// The menu bar's implicit instance, built at the first request.
fw::Ref<::MenuBar1> MenuBar1();
} // namespace Global
