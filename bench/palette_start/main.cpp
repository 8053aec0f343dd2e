// The palette's own start-up steps, those of Program::main, watched for the end of the first paint of
// its window; after the palette has idled, the peak memory is read and the palette quits.

#include "app/Program.h"
#include "bench/support/FirstPaint.h"
#include "bench/support/ProcessReport.h"
#include "framework/Application.h"
#include "framework/Window.h"

#include <QTimer>

#include <memory>

int main(int argc, char** argv)
{
    const int64_t spawned = bench::spawnedAt(argc, argv);
    int64_t painted = 0;
    long peak = -1;
    bool shown = false;

    fw::RuntimeInit();
    auto firstPaint = std::make_unique<bench::FirstPaint>([&] {
        painted = bench::monotonicNanoseconds();
        QTimer::singleShot(bench::idleMilliseconds, [&] {
            shown = fw::Runtime::WindowCount() > 0 && fw::Runtime::Window(0)->Visible();
            peak = bench::peakResidentKiB();
            fw::_GetAppObject()->Quit();
        });
    });
    // A window that never paints ends the run instead of holding the benchmark up; it reports no paint.
    QTimer::singleShot(bench::paintDeadlineMilliseconds, [&] {
        if (!painted)
            fw::_GetAppObject()->Quit();
    });
    Program::initialize();
    Program::_Main();
    firstPaint.reset();
    Program::finalize();
    const int32_t status = fw::RuntimeExit();
    bench::printReport(spawned, painted, shown, peak);
    return status;
}
