#pragma once

#include "framework/Application.h"

// The application object.
class App : public fw::Application {
public:
    static const fw::ClassRecord& __Lookup();
    const fw::ClassRecord& classRecord() const override { return __Lookup(); }

    void Event_Close() override;
    void Event_Open() override;
};

namespace Global {
// The application object, as the framework holds it.
fw::Ref<::App> App();
} // namespace Global
