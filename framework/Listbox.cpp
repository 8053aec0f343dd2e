#include "framework/Listbox.h"

#include "framework/Application.h"
#include "framework/Conversions.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace fw {

namespace {

constexpr int32_t textPadding = 4;
constexpr Color listBackground { 0xFFFFFF };
constexpr Color headingBackground { 0xEEEEEE };
constexpr Color headingLine { 0x999999 };

QColor toQColor(Color c)
{
    return QColor(c.red(), c.green(), c.blue());
}

Color fromQColor(const QColor& c)
{
    return RGB(c.red(), c.green(), c.blue());
}

// A cell's Graphics over the widget's painter, in the list's text style. It lets go of the painter
// when the cell is done, also when a handler has kept a reference to it.
class CellGraphics {
public:
    CellGraphics(QPainter& painter, const QRect& area, const Listbox& list, Color color)
        : m_graphics(New<Graphics>(&painter, area))
    {
        m_graphics->TextFont = list.TextFont;
        m_graphics->setTextSize(list.TextSize());
        m_graphics->setBold(list.Bold());
        m_graphics->setForeColor(color);
    }
    ~CellGraphics() { m_graphics->detach(); }
    CellGraphics(const CellGraphics&) = delete;
    CellGraphics& operator=(const CellGraphics&) = delete;

    const Ref<Graphics>& get() const { return m_graphics; }

private:
    Ref<Graphics> m_graphics;
};

} // namespace

// The Qt side of a list: it lays out the heading, the rows and the scroll bar, paints them, and turns
// a press into the list's own mouse handling. The rows' data stays with the list.
class ListboxWidget : public QWidget {
public:
    ListboxWidget(Listbox& owner, QWidget* parent)
        : QWidget(parent)
        , m_owner(owner)
        , m_scrollBar(new QScrollBar(Qt::Vertical, this))
    {
        setFocusPolicy(Qt::NoFocus);
        m_scrollBar->hide();
        QObject::connect(m_scrollBar, &QScrollBar::valueChanged, this, [this] { update(); });
    }

    int32_t rowHeight() const { return std::max(1, m_owner.DefaultRowHeight()); }
    int32_t headingHeight() const { return m_owner.HasHeading() ? rowHeight() : 0; }
    int32_t topRow() const { return m_scrollBar->value(); }
    int32_t rowsWidth() const { return width() - (m_scrollBar->isHidden() ? 0 : m_scrollBar->width()); }

    // The area of a cell in the widget, also for rows outside the visible part.
    QRect cellArea(int32_t row, int32_t column) const
    {
        const int32_t columns = m_owner.ColumnCount();
        // In 64 bits: a wide list of many columns overflows the product in 32.
        const auto left = static_cast<int32_t>(int64_t(column) * rowsWidth() / columns);
        const auto right = static_cast<int32_t>((int64_t(column) + 1) * rowsWidth() / columns);
        const int64_t top = headingHeight() + int64_t(row - topRow()) * rowHeight();
        return QRect(left, static_cast<int>(std::clamp<int64_t>(top, INT32_MIN / 2, INT32_MAX / 2)),
            right - left, rowHeight());
    }

    bool isShowing(int32_t row) const
    {
        const int64_t top = headingHeight() + int64_t(row - topRow()) * rowHeight();
        return row >= topRow() && top < height();
    }

    // The row slot and column under a point of the rows' area; the row may be past the last one.
    bool cellAt(int32_t x, int32_t y, int32_t& row, int32_t& column) const
    {
        if (x < 0 || x >= rowsWidth() || y < headingHeight())
            return false;
        row = topRow() + (y - headingHeight()) / rowHeight();
        column = static_cast<int32_t>(int64_t(x) * m_owner.ColumnCount() / rowsWidth());
        return true;
    }

    // The scroll bar lies below the heading and shows while the rows do not fit, or always when it
    // is not to hide itself.
    void relayout()
    {
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

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        const QRegion region = event->region();
        Ref<Listbox> protector(&m_owner);
        dispatchGuarded([&] {
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

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton) {
            event->ignore();
            return;
        }
        const QPoint at = event->position().toPoint();
        // The handlers may run a nested event loop that removes rows or closes the window; nothing of
        // this widget is touched once they have run.
        Ref<Listbox> protector(&m_owner);
        dispatchGuarded([&] { m_owner.mousePressed(at.x(), at.y()); });
    }

    void wheelEvent(QWheelEvent* event) override { QCoreApplication::sendEvent(m_scrollBar, event); }

    void resizeEvent(QResizeEvent*) override { relayout(); }

private:
    // The background first, then the text, each into a Graphics of its own: the style that one
    // handler leaves does not carry into the other, and each starts from the list's text style.
    void paintCell(QPainter& painter, int32_t row, int32_t column, const QRect& area)
    {
        bool painted = false;
        {
            CellGraphics g(painter, area, m_owner, Color {});
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
        const Color textColor
            = highlighted ? fromQColor(palette().color(QPalette::HighlightedText)) : Color {};
        CellGraphics g(painter, area, m_owner, textColor);
        const String text = m_owner.Cell(row, column);
        int32_t x = textPadding;
        const int32_t alignment = m_owner.ColumnAlignment(column);
        if (alignment == 2)
            x = RuntimeCvtReal64ToSInt32((area.width() - g.get()->StringWidth(text)) / 2.0);
        else if (alignment == 3)
            x = RuntimeCvtReal64ToSInt32(area.width() - g.get()->StringWidth(text)) - textPadding;
        // The baseline that centres a capital letter, whose height is about three eighths of the size
        // above the middle.
        const int32_t size = g.get()->TextSize() > 0 ? g.get()->TextSize() : Graphics::defaultTextSize;
        const int32_t y = (area.height() + size * 3 / 4) / 2;
        if (!m_owner.Event_CellTextPaint(g.get(), row, column, x, y))
            g.get()->DrawString(text, x, y, 0, false);
    }

    void paintHeading(QPainter& painter)
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
            Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(m_owner.InitialValue().c_str()));
    }

    Listbox& m_owner; // the list owns this widget
    QScrollBar* m_scrollBar; // owned by this widget
};

std::vector<const ClassRecord*> Listbox::interfaceRecords()
{
    auto interface = [](const char* name, std::vector<MethodRecord> methods) {
        return &ClassRecord::define(
            name, nullptr, {}, [&](ClassRecord& r) { r.methods = std::move(methods); });
    };
    static const std::vector<const ClassRecord*> records = {
        interface("ListInterface", { { "BindList", "%%o<listDataProvider>" } }),
        interface("bindingPartInterface", { { "getBoundPart", "%o<Object>%s" } }),
        interface("listDataNotificationReceiver",
            { { "listDataInsertedRow", "%%i4" }, { "listDataRemovedRow", "%%i4" },
                { "listDataReload", "%%" } }),
        interface("listSelectionNotifier",
            { { "addListSelectionNotificationReceiver", "%%o<listSelectionNotificationReceiver>" },
                { "removeListSelectionNotificationReceiver", "%%o<listSelectionNotificationReceiver>" } }),
    };
    return records;
}

const ClassRecord& Listbox::__Lookup()
{
    static const ClassRecord& record = ClassRecord::define(
        "Listbox", &RectControl::__Lookup(), interfaceRecords(), [](ClassRecord& r) {
            r.properties = {
                accessor("ColumnCount", &Listbox::ColumnCount, &Listbox::setColumnCount),
                field("ColumnWidths", &Listbox::ColumnWidths),
                accessor("HasHeading", &Listbox::HasHeading, &Listbox::setHasHeading),
                field("UseFocusRing", &Listbox::UseFocusRing),
                accessor("InitialValue", &Listbox::InitialValue, &Listbox::setInitialValue),
                field("HeadingIndex", &Listbox::HeadingIndex),
                field("ScrollBarHorizontal", &Listbox::ScrollBarHorizontal),
                accessor("ScrollBarVertical", &Listbox::ScrollBarVertical, &Listbox::setScrollBarVertical),
                field("GridLinesHorizontal", &Listbox::GridLinesHorizontal),
                field("GridLinesVertical", &Listbox::GridLinesVertical),
                accessor("DefaultRowHeight", &Listbox::DefaultRowHeight, &Listbox::setDefaultRowHeight),
                field("_ScrollWidth", &Listbox::_ScrollWidth),
                field("_ScrollOffset", &Listbox::_ScrollOffset),
                field("TextFont", &Listbox::TextFont),
                accessor("TextSize", &Listbox::TextSize, &Listbox::setTextSize),
                accessor("Bold", &Listbox::Bold, &Listbox::setBold),
                field("Italic", &Listbox::Italic),
                field("Underline", &Listbox::Underline),
                field("Hierarchical", &Listbox::Hierarchical),
                field("EnableDrag", &Listbox::EnableDrag),
                field("EnableDragReorder", &Listbox::EnableDragReorder),
                field("RequiresSelection", &Listbox::RequiresSelection),
                field("SelectionType", &Listbox::SelectionType),
                field("ColumnsResizable", &Listbox::ColumnsResizable),
                accessor("AutoHideScrollbars", &Listbox::AutoHideScrollbars, &Listbox::setAutoHideScrollbars),
                field("DataSource", &Listbox::DataSource),
                field("DataField", &Listbox::DataField),
            };
            r.declaredEvents = { "Open", "Close", "MouseDown", "CellClick", "CellTextPaint",
                "CellBackgroundPaint", "CompareRows", "Change", "DoubleClick" };
            r.bindableEvents = {
                bindable("MouseDown", "( Int32, Int32 ) as Boolean", &Listbox::MouseDown),
                bindable("CellClick", "( Int32, Int32, Int32, Int32 ) as Boolean", &Listbox::CellClick),
                bindable("CellTextPaint", "( Graphics, Int32, Int32, Int32, Int32 ) as Boolean",
                    &Listbox::CellTextPaint),
                bindable("CellBackgroundPaint", "( Graphics, Int32, Int32 ) as Boolean",
                    &Listbox::CellBackgroundPaint),
            };
        });
    return record;
}

Listbox::Listbox()
    : m_alignments(1, 0)
    , m_sortDirections(1, 0)
{
}

Listbox::~Listbox() = default;

QWidget* Listbox::createWidget(QWidget* parent)
{
    return new ListboxWidget(*this, parent);
}

ListboxWidget* Listbox::listWidget() const
{
    return static_cast<ListboxWidget*>(widget());
}

const Listbox::CellData* Listbox::cellAt(int32_t row, int32_t column) const
{
    if (row < 0 || row >= ListCount() || column < 0 || column >= m_columnCount)
        return nullptr;
    return &m_rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

Listbox::CellData* Listbox::cellAt(int32_t row, int32_t column)
{
    return const_cast<CellData*>(static_cast<const Listbox*>(this)->cellAt(row, column));
}

void Listbox::AddRow(const String& text)
{
    Row row(static_cast<size_t>(m_columnCount));
    row[0].text = text;
    m_rows.push_back(std::move(row));
    m_lastIndex = ListCount() - 1;
    layoutChanged();
}

std::vector<Listbox::Row> Listbox::takeRows()
{
    std::vector<Row> removed;
    removed.swap(m_rows);
    m_lastIndex = -1;
    m_listIndex = -1;
    return removed;
}

void Listbox::DeleteAllRows()
{
    Ref<Listbox> protector(this);
    const std::vector<Row> removed = takeRows();
    layoutChanged();
}

void Listbox::detach()
{
    Ref<Listbox> protector(this);
    const std::vector<Row> removed = takeRows();
    RectControl::detach();
}

String Listbox::Cell(int32_t row, int32_t column) const
{
    const CellData* cell = cellAt(row, column);
    return cell ? cell->text : String();
}

void Listbox::setCell(int32_t row, int32_t column, const String& text)
{
    if (CellData* cell = cellAt(row, column)) {
        cell->text = text;
        InvalidateCell(row, column);
    }
}

Variant Listbox::CellTag(int32_t row, int32_t column) const
{
    const CellData* cell = cellAt(row, column);
    return cell ? cell->tag : Variant();
}

void Listbox::setCellTag(int32_t row, int32_t column, Variant value)
{
    if (CellData* cell = cellAt(row, column)) {
        // The old value goes after the new one is in place, as its object's destructor may reach the list.
        std::swap(cell->tag, value);
    }
}

bool Listbox::Selected(int32_t row) const
{
    return row >= 0 && row < ListCount() && row == m_listIndex;
}

void Listbox::setSelected(int32_t row, bool value)
{
    if (row < 0 || row >= ListCount())
        return;
    if (value)
        setListIndex(row);
    else if (row == m_listIndex)
        setListIndex(-1);
}

void Listbox::setListIndex(int32_t row)
{
    if (row < -1 || row >= ListCount() || row == m_listIndex)
        return;
    invalidateRow(m_listIndex);
    m_listIndex = row;
    invalidateRow(m_listIndex);
}

void Listbox::InvalidateCell(int32_t row, int32_t column)
{
    ListboxWidget* view = listWidget();
    if (!view || !cellAt(row, column) || !view->isShowing(row))
        return;
    view->update(view->cellArea(row, column));
}

void Listbox::invalidateRow(int32_t row)
{
    for (int32_t column = 0; column < m_columnCount; ++column)
        InvalidateCell(row, column);
}

int32_t Listbox::ColumnAlignment(int32_t column) const
{
    return column >= 0 && column < m_columnCount ? m_alignments[static_cast<size_t>(column)] : 0;
}

void Listbox::setColumnAlignment(int32_t column, int32_t alignment)
{
    if (column < 0 || column >= m_columnCount)
        return;
    m_alignments[static_cast<size_t>(column)] = alignment;
    Refresh();
}

int32_t Listbox::ColumnSortDirection(int32_t column) const
{
    return column >= 0 && column < m_columnCount ? m_sortDirections[static_cast<size_t>(column)] : 0;
}

void Listbox::setColumnSortDirection(int32_t column, int32_t direction)
{
    if (column >= 0 && column < m_columnCount)
        m_sortDirections[static_cast<size_t>(column)] = direction;
}

void Listbox::setColumnCount(int32_t count)
{
    m_columnCount = std::clamp(count, 1, maxColumnCount);
    const auto columns = static_cast<size_t>(m_columnCount);
    for (Row& row : m_rows)
        row.resize(columns);
    m_alignments.resize(columns, 0);
    m_sortDirections.resize(columns, 0);
    layoutChanged();
}

void Listbox::setHasHeading(bool value)
{
    m_hasHeading = value;
    layoutChanged();
}

void Listbox::setInitialValue(String text)
{
    m_initialValue = std::move(text);
    Refresh();
}

void Listbox::setDefaultRowHeight(int32_t height)
{
    m_defaultRowHeight = height;
    layoutChanged();
}

void Listbox::setScrollBarVertical(bool value)
{
    m_scrollBarVertical = value;
    layoutChanged();
}

void Listbox::setAutoHideScrollbars(bool value)
{
    m_autoHideScrollbars = value;
    layoutChanged();
}

void Listbox::setTextSize(int32_t size)
{
    m_textSize = size;
    Refresh();
}

void Listbox::setBold(bool value)
{
    m_bold = value;
    Refresh();
}

void Listbox::layoutChanged()
{
    if (ListboxWidget* view = listWidget())
        view->relayout();
}

void Listbox::mousePressed(int32_t x, int32_t y)
{
    if (Event_MouseDown(x, y))
        return;
    // A press in the heading does nothing more: the list has no sorting of its own. One below the last
    // row does nothing either.
    ListboxWidget* view = listWidget();
    int32_t row = 0;
    int32_t column = 0;
    if (!view || !view->cellAt(x, y, row, column) || row >= ListCount())
        return;
    const QRect area = view->cellArea(row, column);
    if (Event_CellClick(row, column, x - area.left(), y - area.top()))
        return;
    setSelected(row, true);
}

} // namespace fw
