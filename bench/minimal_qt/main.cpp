// The least a Qt Widgets program does to show a window that draws a line of text: the base that the
// palette's start-up and memory are measured against.

#include "bench/support/FirstPaint.h"
#include "bench/support/ProcessReport.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class TextWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawText(10, 20, QStringLiteral("IDE Script"));
    }
};

} // namespace

int main(int argc, char** argv)
{
    const int64_t spawned = bench::spawnedAt(argc, argv);
    QApplication application(argc, argv);
    int64_t painted = 0;
    long peak = -1;
    bool shown = false;
    TextWindow window;
    bench::FirstPaint firstPaint([&] {
        painted = bench::monotonicNanoseconds();
        QTimer::singleShot(bench::idleMilliseconds, [&] {
            shown = window.isVisible();
            peak = bench::peakResidentKiB();
            QCoreApplication::quit();
        });
    });
    QTimer::singleShot(bench::paintDeadlineMilliseconds, [&] {
        if (!painted)
            QCoreApplication::quit();
    });
    window.resize(130, 148);
    window.show();
    const int status = QApplication::exec();
    bench::printReport(spawned, painted, shown, peak);
    return status;
}
