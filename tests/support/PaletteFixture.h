#pragma once

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "app/Program.h"
#include "app/Window1.h"
#include "framework/Application.h"
#include "platform/CarbonEvents.h"
#include "tests/support/After.h"
#include "tests/support/MsgBoxRecorder.h"
#include "tests/support/Patience.h"
#include "tests/support/TemporaryRuntimeDirectory.h"

#include <gtest/gtest.h>

#include <memory>

// Each test starts from a process without an application object, windows or menu bar, as a fresh
// start of the program would, and leaves none behind.
class PaletteFixture : public testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }

    static void reset()
    {
        fw::_ReleaseWindowLists();
        MenuBar1::_implicitInstance.__Exit();
        for (PictureCache* cache : pictureCaches())
            cache->__Exit();
    }

    // The framework's state of a run of the test's own, which goes with the test.
    fw::RuntimeStateSeam::Scoped runtimeState { std::make_shared<fw::RuntimeState>() };

    // The test's own event directory: a run of the loop installs the front-switch handler, which
    // must neither reach the user's directory nor outlive the test.
    TemporaryRuntimeDirectory runtime;

    // The test's own front-switch watch, which takes the handlers that the run installs with it.
    fw::platform::FrontSwitchWatchSeam::Scoped frontSwitches { fw::platform::newFrontSwitchWatch() };

    // Message boxes, the unhandled-exception report among them, are recorded instead of shown.
    MsgBoxRecorder messages;

    // The start-up steps before the event loop: the application object and the palette window.
    static fw::Ref<Window1> startWithoutLoop()
    {
        Program::initialize();
        Program::_NewAppInstance();
        Program::_MakeDefaultView();
        return Global::Window1();
    }

    // A run of the loop that a test expects to end by itself: past the time, the test fails and the
    // loop is ended, so that the test cannot hang.
    static std::unique_ptr<QTimer> loopGuard()
    {
        return after(patience, [] {
            ADD_FAILURE() << "the loop did not end";
            Global::App()->Quit();
        });
    }
};
