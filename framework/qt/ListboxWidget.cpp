#include "framework/qt/ListboxWidget.h"

#include "framework/Conversions.h"
#include "framework/Listbox.h"
#include "framework/qt/Colors.h"
#include "framework/qt/Entry.h"
#include "framework/qt/ScopedGraphics.h"
#include "framework/qt/Text.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>

namespace fw::qt {

namespace {

constexpr int32_t textPadding = 4;
constexpr Color listBackground { 0xFFFFFF };
constexpr Color headingBackground { 0xEEEEEE };
constexpr Color headingLine { 0x999999 };

// Each cell's Graphics starts from the list's text style.
void applyTextStyle(Graphics& g, const Listbox& list, Color color)
{
    g.TextFont = list.TextFont;
    g.setTextSize(list.TextSize());
    g.setBold(list.Bold());
    g.setForeColor(color);
}

} // namespace

ListboxWidget::ListboxWidget(Listbox& owner, WindowWidget& parent)
    : ControlWidget(owner, parent)
    , m_owner(owner)
    , m_scrollBar(new QScrollBar(Qt::Vertical, this))
{
    setFocusPolicy(Qt::NoFocus);
    m_scrollBar->hide();
    QObject::connect(m_scrollBar, &QScrollBar::valueChanged, this, [this] { update(); });
}

int32_t ListboxWidget::rowHeight() const
{
    return std::max(1, m_owner.DefaultRowHeight());
}

int32_t ListboxWidget::headingHeight() const
{
    return m_owner.HasHeading() ? rowHeight() : 0;
}

int32_t ListboxWidget::topRow() const
{
    ensureLaidOut();
    return m_scrollBar->value();
}

int32_t ListboxWidget::rowsWidth() const
{
    ensureLaidOut();
    return width() - (m_scrollBar->isHidden() ? 0 : m_scrollBar->width());
}

QRect ListboxWidget::cellArea(int32_t row, int32_t column) const
{
    const int32_t columns = m_owner.ColumnCount();
    // In 64 bits: a wide list of many columns overflows the product in 32.
    const auto left = static_cast<int32_t>(int64_t(column) * rowsWidth() / columns);
    const auto right = static_cast<int32_t>((int64_t(column) + 1) * rowsWidth() / columns);
    const int64_t top = headingHeight() + int64_t(row - topRow()) * rowHeight();
    return QRect(left, static_cast<int>(std::clamp<int64_t>(top, INT32_MIN / 2, INT32_MAX / 2)), right - left,
        rowHeight());
}

bool ListboxWidget::isShowing(int32_t row) const
{
    const int64_t top = headingHeight() + int64_t(row - topRow()) * rowHeight();
    return row >= topRow() && top < height();
}

bool ListboxWidget::hitTest(int32_t x, int32_t y, int32_t& row, int32_t& column) const
{
    if (x < 0 || x >= rowsWidth() || y < headingHeight())
        return false;
    row = topRow() + (y - headingHeight()) / rowHeight();
    column = static_cast<int32_t>(int64_t(x) * m_owner.ColumnCount() / rowsWidth());
    return true;
}

void ListboxWidget::relayoutLater()
{
    if (m_relayoutPending)
        return;
    m_relayoutPending = true;
    QMetaObject::invokeMethod(
        this, [this] { ensureLaidOut(); }, Qt::QueuedConnection);
}

void ListboxWidget::ensureLaidOut() const
{
    if (m_relayoutPending)
        const_cast<ListboxWidget*>(this)->relayout();
}

void ListboxWidget::refreshRows()
{
    update(QRect(0, 0, rowsWidth(), height()));
    update(QRect(0, 0, width(), headingHeight()));
}

void ListboxWidget::relayout()
{
    m_relayoutPending = false;
    const int32_t viewHeight = std::max(0, height() - headingHeight());
    const int32_t fullRows = viewHeight / rowHeight();
    const int32_t excess = std::max(0, m_owner.ListCount() - fullRows);
    m_scrollBar->setRange(0, excess);
    m_scrollBar->setPageStep(std::max(1, fullRows));
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    m_scrollBar->setGeometry(width() - extent, headingHeight(), extent, viewHeight);
    m_scrollBar->setVisible(m_owner.ScrollBarVertical() && (!m_owner.AutoHideScrollbars() || excess > 0));
    update();
}

void ListboxWidget::paintEvent(QPaintEvent* event)
{
    ensureLaidOut();
    QPainter painter(this);
    const QRegion region = event->region();
    enter(m_owner, [&] {
        // Every row slot of the visible area, also those below the last row.
        int32_t row = topRow();
        for (int64_t top = headingHeight(); top < height(); top += rowHeight(), ++row) {
            for (int32_t column = 0; column < m_owner.ColumnCount(); ++column) {
                const QRect area = cellArea(row, column);
                if (region.intersects(area))
                    paintCell(painter, row, column, area);
            }
        }
        if (headingHeight() > 0 && region.intersects(QRect(0, 0, width(), headingHeight())))
            paintHeading(painter);
    });
}

void ListboxWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint at = event->position().toPoint();
    // The handlers may run a nested event loop that removes rows or closes the window; nothing of
    // this widget is touched once they have run.
    enter(m_owner, [&] { m_owner.mousePressed(at.x(), at.y()); });
}

void ListboxWidget::wheelEvent(QWheelEvent* event)
{
    ensureLaidOut();
    QCoreApplication::sendEvent(m_scrollBar, event);
}

void ListboxWidget::resizeEvent(QResizeEvent*)
{
    relayout();
}

// The background first, then the text, each into a Graphics of its own: the style that one handler
// leaves does not carry into the other, and each starts from the list's text style.
void ListboxWidget::paintCell(QPainter& painter, int32_t row, int32_t column, const QRect& area)
{
    bool painted = false;
    {
        ScopedGraphics g(painter, area);
        applyTextStyle(*g, m_owner, Color {});
        painted = m_owner.Event_CellBackgroundPaint(g.get(), row, column);
    }
    const bool highlighted = !painted && m_owner.Selected(row);
    if (!painted) {
        painter.fillRect(area, toQColor(listBackground));
        if (highlighted)
            painter.fillRect(area, palette().color(QPalette::Highlight));
    }
    if (row < 0 || row >= m_owner.ListCount())
        return;
    const Color textColor = highlighted ? fromQColor(palette().color(QPalette::HighlightedText)) : Color {};
    ScopedGraphics g(painter, area);
    applyTextStyle(*g, m_owner, textColor);
    const String text = m_owner.Cell(row, column);
    int32_t x = textPadding;
    const int32_t alignment = m_owner.ColumnAlignment(column);
    if (alignment == 2)
        x = RuntimeCvtReal64ToSInt32((area.width() - g->StringWidth(text)) / 2.0);
    else if (alignment == 3)
        x = RuntimeCvtReal64ToSInt32(area.width() - g->StringWidth(text)) - textPadding;
    // The baseline that centres a capital letter, whose height is about three eighths of the size
    // above the middle.
    const int32_t size = g->TextSize() > 0 ? g->TextSize() : Graphics::defaultTextSize;
    const int32_t y = (area.height() + size * 3 / 4) / 2;
    if (!m_owner.Event_CellTextPaint(g.get(), row, column, x, y))
        g->DrawString(text, x, y, 0, false);
}

void ListboxWidget::paintHeading(QPainter& painter)
{
    const int32_t band = headingHeight();
    painter.fillRect(QRect(0, 0, width(), band), toQColor(headingBackground));
    painter.setPen(toQColor(headingLine));
    painter.drawLine(0, band - 1, width() - 1, band - 1);
    for (int32_t column = 1; column < m_owner.ColumnCount(); ++column) {
        const int32_t x = cellArea(0, column).left();
        painter.drawLine(x, 0, x, band - 1);
    }
    painter.setPen(Qt::black);
    const QRect first = cellArea(0, 0);
    painter.drawText(QRect(textPadding, 0, first.width() - 2 * textPadding, band - 1),
        Qt::AlignLeft | Qt::AlignVCenter, toQString(m_owner.InitialValue()));
}

} // namespace fw::qt
