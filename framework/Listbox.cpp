#include "framework/Listbox.h"

#include "framework/qt/ListboxWidget.h"

#include <QRect>

#include <algorithm>

namespace fw {

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
{
}

Listbox::~Listbox() = default;

qt::ControlWidget* Listbox::createWidget(qt::WindowWidget& parent)
{
    return new qt::ListboxWidget(*this, parent);
}

qt::ListboxWidget* Listbox::listWidget() const
{
    return static_cast<qt::ListboxWidget*>(widget());
}

const Listbox::CellData* Listbox::findCell(int32_t row, int32_t column) const
{
    if (row < 0 || row >= ListCount() || column < 0 || column >= m_columnCount)
        return nullptr;
    return &m_rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

Listbox::CellData* Listbox::findCell(int32_t row, int32_t column)
{
    return const_cast<CellData*>(static_cast<const Listbox*>(this)->findCell(row, column));
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
    // Laid out now, not at the next turn: an empty list has nothing to scroll, so rows added before
    // that turn, as a reload adds them, show from the first one.
    if (qt::ListboxWidget* view = listWidget())
        view->relayout();
}

void Listbox::detach()
{
    Ref<Listbox> protector(this);
    const std::vector<Row> removed = takeRows();
    RectControl::detach();
}

String Listbox::Cell(int32_t row, int32_t column) const
{
    const CellData* cell = findCell(row, column);
    return cell ? cell->text : String();
}

void Listbox::setCell(int32_t row, int32_t column, const String& text)
{
    if (CellData* cell = findCell(row, column)) {
        cell->text = text;
        InvalidateCell(row, column);
    }
}

Variant Listbox::CellTag(int32_t row, int32_t column) const
{
    const CellData* cell = findCell(row, column);
    return cell ? cell->tag : Variant();
}

void Listbox::setCellTag(int32_t row, int32_t column, Variant value)
{
    if (CellData* cell = findCell(row, column)) {
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
    qt::ListboxWidget* view = listWidget();
    if (!view || !findCell(row, column) || !view->isShowing(row))
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

void Listbox::setColumnSortDirection(int32_t, int32_t)
{
}

void Listbox::setColumnCount(int32_t count)
{
    m_columnCount = std::clamp(count, 1, maxColumnCount);
    const auto columns = static_cast<size_t>(m_columnCount);
    for (Row& row : m_rows)
        row.resize(columns);
    m_alignments.resize(columns, 0);
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
    if (qt::ListboxWidget* view = listWidget())
        view->relayoutLater();
}

void Listbox::Refresh()
{
    if (qt::ListboxWidget* view = listWidget())
        view->refreshRows();
}

void Listbox::mousePressed(int32_t x, int32_t y)
{
    if (Event_MouseDown(x, y))
        return;
    // A press in the heading does nothing more: the list has no sorting of its own. One below the last
    // row does nothing either.
    qt::ListboxWidget* view = listWidget();
    int32_t row = 0;
    int32_t column = 0;
    if (!view || !view->hitTest(x, y, row, column) || row >= ListCount())
        return;
    const QRect area = view->cellArea(row, column);
    if (Event_CellClick(row, column, x - area.left(), y - area.top()))
        return;
    setSelected(row, true);
}

} // namespace fw
