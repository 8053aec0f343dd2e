// The palette's own start-up steps, those of Program::main, with one timer added before them: its first
// tick comes at the first turn of the event loop, right after the window's and the application's Open
// events; a second one, after the palette has idled, reads the peak memory and quits.

#include "app/Program.h"
#include "bench/support/ProcessReport.h"
#include "framework/Application.h"
#include "framework/Window.h"

#include <QTimer>

int main(int argc, char** argv)
{
    const int64_t spawned = bench::spawnedAt(argc, argv);
    int64_t opened = 0;
    long peak = -1;
    bool shown = false;

    fw::RuntimeInit();
    QTimer::singleShot(0, [&] {
        opened = bench::monotonicNanoseconds();
        QTimer::singleShot(bench::idleMilliseconds, [&] {
            shown = fw::Runtime::WindowCount() > 0 && fw::Runtime::Window(0)->Visible();
            peak = bench::peakResidentKiB();
            fw::_GetAppObject()->Quit();
        });
    });
    Program::initialize();
    Program::_Main();
    Program::finalize();
    const int32_t status = fw::RuntimeExit();
    bench::printReport(spawned, opened, shown, peak);
    return status;
}
