// One script run in a process of its own, for the palette's peak memory during it: the palette as the
// benchmarks start it, then RunRbsFile on the script named in the folder given. It prints its resident
// memory just before the run and its peak during it; the IDE's end is the benchmark that started it.

#include "bench/support/Palette.h"
#include "bench/support/ProcessReport.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s folder script-name\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    long before = -1;
    long peak = -1;
    {
        fw::Ref<Window1> window = bench::palette();
        bench::ApplicationFolder folder(argv[1]);
        if (!bench::resetPeakResident())
            return 1;
        before = bench::statusKiB("VmRSS");
        window->RunRbsFile(fw::String(std::string_view(argv[2])));
        peak = bench::peakResidentKiB();
    }
    std::printf("before_kib=%ld peak_kib=%ld\n", before, peak);
    return bench::messageBoxes().empty() ? 0 : 1;
}
