// Repainting the palette's list of 100 script rows: all of it, and one cell after InvalidateCell. Each
// row's button cell counts its paints, so that the figures say how many cells each repaint drew.

#include "bench/support/Palette.h"
#include "bench/support/Summary.h"
#include "bench/support/TemporaryFolder.h"
#include "framework/Graphics.h"
#include "list/ButtonsCell.h"
#include "list/CustomCellListbox.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int rowCount = 100;
// The row whose cell is invalidated: one that shows in the palette at its own size.
constexpr int invalidatedRow = 2;

int cellsPainted = 0;

// The palette's button cell, painting as it does, counted.
class CountingCell : public ButtonsCell {
public:
    void cellPaint(fw::Ref<fw::Graphics> g, int32_t row) override
    {
        ++cellsPainted;
        ButtonsCell::cellPaint(g, row);
    }
};

// The palette's own height, or one at which the list shows every row below its heading.
int windowHeight(bool allRowsShow, const fw::Ref<Window1>& window, const fw::Ref<CustomCellListbox>& list)
{
    if (!allRowsShow)
        return 148;
    const int margins = window->Height() - list->Height();
    return margins + list->DefaultRowHeight() * (rowCount + 1);
}

// The list filled by ReadMenu from a folder of 100 scripts, its cells then swapped for counting ones.
fw::Ref<CustomCellListbox> filledList(bool allRowsShow)
{
    static TemporaryFolder folder("ide-script-repaint");
    static bool written = false;
    if (!written) {
        for (int i = 0; i < rowCount; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "Script %03d.rbs", i);
            folder.write(name);
        }
        written = true;
    }
    fw::Ref<Window1> window = bench::palette();
    fw::Ref<CustomCellListbox> list = window->CustomCellListbox1();
    if (list->ListCount() != rowCount) {
        list->DeleteAllRows();
        bench::ApplicationFolder programFolder(folder.path());
        window->ReadMenu(list);
        for (int row = 0; row < list->ListCount(); ++row) {
            fw::Ref<ButtonsCell> made = fw::Cast<ButtonsCell>(list->CellTag(row, 0).objectValue());
            list->customCell(row, 0, fw::New<CountingCell>(made->captions().front(), list));
        }
    }
    window->setHeight(windowHeight(allRowsShow, window, list));
    bench::settle();
    return list;
}

// Paints what is due now, as the event loop would at its next turn.
void paintWhatIsDue()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

std::map<bool, std::pair<double, int>>& fullListFigures()
{
    static std::map<bool, std::pair<double, int>> figures;
    return figures;
}

// Times `invalidate` and the paint that follows it in each iteration: the mean time in microseconds,
// and the cells that the last repaint painted.
template <class Invalidate>
std::pair<double, int> timedRepaints(benchmark::State& state, Invalidate invalidate)
{
    double seconds = 0;
    int painted = 0;
    for (auto _ : state) {
        cellsPainted = 0;
        const Clock::time_point start = Clock::now();
        invalidate();
        paintWhatIsDue();
        const double took = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(took);
        seconds += took;
        painted = cellsPainted;
    }
    return { seconds / static_cast<double>(state.iterations()) * 1e6, painted };
}

std::string shownRows(bool allRowsShow)
{
    return allRowsShow ? "all 100 rows showing" : "palette at 130x148";
}

void BM_RepaintFullList(benchmark::State& state)
{
    const bool allRowsShow = state.range(0) != 0;
    fw::Ref<CustomCellListbox> list = filledList(allRowsShow);
    if (list->ListCount() != rowCount) {
        state.SkipWithError("the list did not get its 100 rows");
        return;
    }
    const auto [microseconds, painted] = timedRepaints(state, [&] { list->Refresh(); });
    state.counters["cells_painted"] = painted;
    fullListFigures()[allRowsShow] = { microseconds, painted };
    const std::string rows = shownRows(allRowsShow);
    // The row slots below the heading, the last one perhaps cut by the list's bottom edge.
    const int rowHeight = list->DefaultRowHeight();
    const int showing = std::min(rowCount, (list->Height() - rowHeight + rowHeight - 1) / rowHeight);
    bench::note("Repaint full list (" + rows + "), time", { microseconds, "us" }, std::nullopt, "no target");
    bench::record("Repaint full list (" + rows + "), cells", { double(painted), "cells" },
        bench::Figure { double(showing), "cells" }, "every showing row", painted == showing);
}

void BM_RepaintOneCell(benchmark::State& state)
{
    const bool allRowsShow = state.range(0) != 0;
    fw::Ref<CustomCellListbox> list = filledList(allRowsShow);
    if (list->ListCount() != rowCount || !fullListFigures().count(allRowsShow)) {
        state.SkipWithError("the list did not get its 100 rows, or the full repaint did not run first");
        return;
    }
    const auto [microseconds, painted]
        = timedRepaints(state, [&] { list->InvalidateCell(invalidatedRow, 0); });
    const auto [fullMicroseconds, fullPainted] = fullListFigures()[allRowsShow];
    state.counters["cells_painted"] = painted;
    state.counters["full_list_cells"] = fullPainted;
    const std::string rows = shownRows(allRowsShow);
    bench::note("Repaint one cell (" + rows + "), time", { microseconds, "us" },
        bench::Figure { fullMicroseconds, "us" }, "no target");
    bench::record("Repaint one cell (" + rows + "), cells", { double(painted), "cells" },
        bench::Figure { double(fullPainted), "cells" }, "1 cell, not the whole list", painted == 1);
}

// Full list first at each size: the one-cell figures are set beside it.
BENCHMARK(BM_RepaintFullList)->Arg(0)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintOneCell)->Arg(0)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintFullList)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintOneCell)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
