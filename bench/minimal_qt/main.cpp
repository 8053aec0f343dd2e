// The least a Qt Widgets program does to show a window: the base that the palette's start-up and
// memory are measured against.

#include "bench/support/ProcessReport.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv)
{
    const int64_t spawned = bench::spawnedAt(argc, argv);
    QApplication application(argc, argv);
    QWidget window;
    window.resize(130, 148);
    window.show();
    int64_t opened = 0;
    long peak = -1;
    bool shown = false;
    QTimer::singleShot(0, [&] {
        opened = bench::monotonicNanoseconds();
        QTimer::singleShot(bench::idleMilliseconds, [&] {
            shown = window.isVisible();
            peak = bench::peakResidentKiB();
            QCoreApplication::quit();
        });
    });
    const int status = QApplication::exec();
    bench::printReport(spawned, opened, shown, peak);
    return status;
}
