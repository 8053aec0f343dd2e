// Repainting the palette's list of 100 script rows: all of it, a scroll by one row, and one cell after
// InvalidateCell. Each row's button cell counts its paints, so that the figures say how many cells each
// repaint drew. The whole list and the scroll step are timed beside a plain Qt widget that paints the
// same rows the same way, in the same iteration.

#include "bench/support/Palette.h"
#include "bench/support/Summary.h"
#include "framework/Graphics.h"
#include "framework/qt/ControlWidget.h"
#include "list/ButtonsCell.h"
#include "list/CustomCellListbox.h"
#include "tests/support/TemporaryFolder.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

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

// The caption of the folder's i-th script; the folder lists its items in the order of their names.
std::string captionOf(int i)
{
    char caption[32];
    std::snprintf(caption, sizeof caption, "Script %03d", i);
    return caption;
}

// The list filled by ReadMenu from a folder of 100 scripts, its cells then swapped for counting ones.
fw::Ref<CustomCellListbox> filledList(bool allRowsShow)
{
    static TemporaryFolder folder("ide-script-repaint");
    static bool written = false;
    if (!written) {
        for (int i = 0; i < rowCount; ++i)
            folder.write(captionOf(i) + ".rbs");
        written = true;
    }
    fw::Ref<Window1> window = bench::palette();
    fw::Ref<CustomCellListbox> list = window->CustomCellListbox1();
    if (list->ListCount() != rowCount) {
        list->DeleteAllRows();
        bench::ApplicationFolder programFolder(folder.path());
        window->ReadMenu(list);
        for (int row = 0; row < list->ListCount(); ++row)
            list->customCell(row, 0, fw::New<CountingCell>(fw::String(captionOf(row)), list));
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

// The least a repaint of the same rows costs: a plain Qt window of the list's size that paints each row
// slot as the list and its button cells do (the window's colour, a shadow and a face with rounded
// corners, the caption measured once and drawn twice), and the heading band, with nothing in between.
class PlainRows : public QWidget {
public:
    PlainRows(const fw::Ref<CustomCellListbox>& list, bool scrollBarShows)
        : m_rowHeight(list->DefaultRowHeight())
        , m_heading(list->HasHeading() ? m_rowHeight : 0)
    {
        for (int row = 0; row < list->ListCount(); ++row)
            m_captions.push_back(QString::fromStdString(captionOf(row)));
        m_rowsWidth = list->Width()
            - (scrollBarShows ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0);
        resize(list->Width(), list->Height());
        show();
    }

    // Moves the rows by one slot up or down, as a scroll bar's step does, and asks for the repaint.
    void scroll(int rows)
    {
        m_top += rows;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        QFont font = QGuiApplication::font();
        font.setPixelSize(12);
        painter.setFont(font);
        const QFontMetricsF metrics(font, this);
        const QRegion& region = event->region();
        int row = m_top;
        for (int top = m_heading; top < height(); top += m_rowHeight, ++row) {
            const QRect area(0, top, m_rowsWidth, m_rowHeight);
            if (!region.intersects(area))
                continue;
            painter.fillRect(area, window);
            if (row < 0 || row >= static_cast<int>(m_captions.size()))
                continue;
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::black);
            painter.drawRoundedRect(QRect(5, top + 2, m_rowsWidth - 10, m_rowHeight - 4), 5, 5);
            painter.setBrush(face);
            painter.drawRoundedRect(QRect(5, top + 1, m_rowsWidth - 10, m_rowHeight - 4), 5, 5);
            const QString& caption = m_captions[static_cast<size_t>(row)];
            const double x = (m_rowsWidth - metrics.horizontalAdvance(caption)) / 2;
            painter.setPen(Qt::white);
            painter.drawText(QPointF(x, top + 15), caption);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(x, top + 14), caption);
        }
        if (m_heading > 0 && region.intersects(QRect(0, 0, width(), m_heading)))
            painter.fillRect(QRect(0, 0, width(), m_heading), heading);
    }

private:
    static constexpr QColor window { 0xE8, 0xE8, 0xE8 };
    static constexpr QColor face { 0xBD, 0xBB, 0xBD };
    static constexpr QColor heading { 0xE0, 0xE0, 0xE0 };
    std::vector<QString> m_captions;
    int m_rowHeight;
    int m_heading;
    int m_rowsWidth = 0;
    int m_top = 0;
};

std::map<bool, std::pair<double, int>>& fullListFigures()
{
    static std::map<bool, std::pair<double, int>> figures;
    return figures;
}

struct Timed {
    double microseconds = 0; // mean
    int painted = 0; // cells, in the last repaint
};

// Times `invalidate` and the paint that follows it in each iteration, and beside it, when given,
// `invalidateFloor` and its paint.
template <class Invalidate, class InvalidateFloor>
std::pair<Timed, Timed> timedRepaints(
    benchmark::State& state, Invalidate invalidate, InvalidateFloor invalidateFloor)
{
    double seconds = 0;
    double floorSeconds = 0;
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

        const Clock::time_point floorStart = Clock::now();
        if (invalidateFloor()) {
            paintWhatIsDue();
            floorSeconds += std::chrono::duration<double>(Clock::now() - floorStart).count();
        }
    }
    const double iterations = static_cast<double>(state.iterations());
    return { { seconds / iterations * 1e6, painted }, { floorSeconds / iterations * 1e6, 0 } };
}

std::string shownRows(bool allRowsShow)
{
    return allRowsShow ? "all 100 rows showing" : "palette at 130x148";
}

QScrollBar* scrollBarOf(const fw::Ref<CustomCellListbox>& list)
{
    return list->widget()->findChild<QScrollBar*>();
}

void BM_RepaintFullList(benchmark::State& state)
{
    const bool allRowsShow = state.range(0) != 0;
    fw::Ref<CustomCellListbox> list = filledList(allRowsShow);
    if (list->ListCount() != rowCount) {
        state.SkipWithError("the list did not get its 100 rows");
        return;
    }
    PlainRows plain(list, scrollBarOf(list)->isVisible());
    bench::settle();
    const auto [timed, floor] = timedRepaints(
        state, [&] { list->Refresh(); },
        [&] {
            plain.update();
            return true;
        });
    state.counters["cells_painted"] = timed.painted;
    state.counters["floor_us"] = floor.microseconds;
    fullListFigures()[allRowsShow] = { timed.microseconds, timed.painted };
    const std::string rows = shownRows(allRowsShow);
    // The row slots below the heading, the last one perhaps cut by the list's bottom edge.
    const int rowHeight = list->DefaultRowHeight();
    const int showing = std::min(rowCount, (list->Height() - rowHeight + rowHeight - 1) / rowHeight);
    bench::record("Repaint full list (" + rows + "), time", { timed.microseconds, "us" },
        bench::Figure { floor.microseconds, "us" }, "<= 1.2x plain Qt",
        timed.microseconds <= 1.2 * floor.microseconds);
    bench::record("Repaint full list (" + rows + "), cells", { double(timed.painted), "cells" },
        bench::Figure { double(showing), "cells" }, "every showing row", timed.painted == showing);
}

// One step of the scroll bar, down and up in turns, and the repaint it brings.
void BM_ScrollOneRow(benchmark::State& state)
{
    fw::Ref<CustomCellListbox> list = filledList(false);
    QScrollBar* bar = scrollBarOf(list);
    if (list->ListCount() != rowCount || !bar->isVisible()) {
        state.SkipWithError("the list did not get its 100 rows, or they all fit");
        return;
    }
    PlainRows plain(list, true);
    bench::settle();
    bar->setValue(0);
    bench::settle();
    int step = 1;
    const auto [timed, floor] = timedRepaints(
        state, [&] { bar->setValue(bar->value() + step); },
        [&] {
            plain.scroll(step);
            step = -step;
            return true;
        });
    state.counters["cells_painted"] = timed.painted;
    state.counters["floor_us"] = floor.microseconds;
    bench::note("Scroll one row (palette at 130x148), time", { timed.microseconds, "us" },
        bench::Figure { floor.microseconds, "us" }, "no target");
}

void BM_RepaintOneCell(benchmark::State& state)
{
    const bool allRowsShow = state.range(0) != 0;
    fw::Ref<CustomCellListbox> list = filledList(allRowsShow);
    if (list->ListCount() != rowCount || !fullListFigures().count(allRowsShow)) {
        state.SkipWithError("the list did not get its 100 rows, or the full repaint did not run first");
        return;
    }
    const auto [timed, none] = timedRepaints(
        state, [&] { list->InvalidateCell(invalidatedRow, 0); }, [] { return false; });
    const auto [microseconds, painted] = timed;
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
BENCHMARK(BM_ScrollOneRow)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintFullList)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintOneCell)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
