#pragma once

#include "framework/Graphics.h"
#include "framework/RectControl.h"
#include "framework/Variant.h"

#include <vector>

namespace fw {

namespace qt {
class ListboxWidget;
} // namespace qt

// The framework's list control: rows and columns of text cells, each with a tag, under an optional
// heading, with a vertical scroll bar. Single selection. Rows and columns are numbered from 0.
//
// Rows and columns out of range: reading a missing cell gives an empty text, an empty tag, False for
// Selected and 0 for a column setting; writing one, or invalidating it, does nothing. The program
// asks for cells that a nested event loop may have removed, and such a question must not fail.
class Listbox : public RectControl {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }
    // The four interfaces a list implements, which its subclasses list again in their records.
    static std::vector<const ClassRecord*> interfaceRecords();

    Listbox();
    ~Listbox() override;

    // Events. A subclass that implements one overrides its Event_ operation.
    virtual bool Event_MouseDown(int32_t x, int32_t y) { return MouseDown(x, y); }
    virtual bool Event_CellClick(int32_t row, int32_t column, int32_t x, int32_t y)
    {
        return CellClick(row, column, x, y);
    }
    virtual bool Event_CellTextPaint(Ref<Graphics> g, int32_t row, int32_t column, int32_t x, int32_t y)
    {
        return CellTextPaint(g, row, column, x, y);
    }
    virtual bool Event_CellBackgroundPaint(Ref<Graphics> g, int32_t row, int32_t column)
    {
        return CellBackgroundPaint(g, row, column);
    }
    // The list never sorts by itself (it has no sorting by the heading); the event is there for the
    // comparison that a subclass gives.
    virtual bool Event_CompareRows(int32_t row1, int32_t row2, int32_t column, int32_t& result)
    {
        return CompareRows(row1, row2, column, result);
    }
    // x, y from the list's top-left corner, heading included; True takes the press.
    Event<bool(int32_t, int32_t)> MouseDown;
    // x, y within the cell; True skips the list's own handling of the click (the selection).
    Event<bool(int32_t, int32_t, int32_t, int32_t)> CellClick;
    // Both paint events are raised for every row slot of the visible area, also below the last row,
    // the background first. Each gets a Graphics of its own over the cell's area, starting from the
    // list's text style.
    // x, y: where the list would draw the text; True means the handler drew it.
    Event<bool(Ref<Graphics>, int32_t, int32_t, int32_t, int32_t)> CellTextPaint;
    // True means the handler painted the background; the list then paints neither its own background
    // nor its selection highlight for that cell.
    Event<bool(Ref<Graphics>, int32_t, int32_t)> CellBackgroundPaint;
    Event<bool(int32_t, int32_t, int32_t, int32_t&)> CompareRows;

    // Rows and cells.
    void AddRow(const String& text);
    int32_t LastIndex() const { return m_lastIndex; }
    int32_t ListCount() const { return static_cast<int32_t>(m_rows.size()); }
    void DeleteAllRows();
    // A closed window's list lets its rows go: a cell object that holds the list, as the palette's
    // button cells do, would otherwise keep itself and the list alive for ever.
    void detach() override;
    String Cell(int32_t row, int32_t column) const;
    void setCell(int32_t row, int32_t column, const String& text);
    // Virtual, so that a subclass can supply or watch its cells' tags.
    virtual Variant CellTag(int32_t row, int32_t column) const;
    void setCellTag(int32_t row, int32_t column, Variant value);
    bool Selected(int32_t row) const;
    void setSelected(int32_t row, bool value);
    int32_t ListIndex() const { return m_listIndex; }
    void setListIndex(int32_t row);
    // Asks for a repaint of that cell's area only; it comes later, from the event loop.
    void InvalidateCell(int32_t row, int32_t column);
    // Repaints the rows and the heading; an unchanged scroll bar is left alone.
    void Refresh() override;
    // 0 default (left), 1 left, 2 centred, 3 right.
    int32_t ColumnAlignment(int32_t column) const;
    void setColumnAlignment(int32_t column, int32_t alignment);
    // The list has no sorting of its own, so a column's sort direction steers nothing: it is taken
    // and not kept.
    void setColumnSortDirection(int32_t column, int32_t direction);

    // Settings with an effect on the widget.
    // A count below 1 gives one column: every row has a first cell for AddRow's text. Our own choice:
    // a count above maxColumnCount gives that many, because every row keeps a cell for each column
    // and a count from a damaged settings record must not claim gigabytes.
    static constexpr int32_t maxColumnCount = 256;
    int32_t ColumnCount() const { return m_columnCount; }
    void setColumnCount(int32_t count);
    bool HasHeading() const { return m_hasHeading; }
    void setHasHeading(bool value);
    // The heading of column 0.
    String InitialValue() const { return m_initialValue; }
    void setInitialValue(String text);
    // The height of every row and of the heading band; a height below 1 is laid out as 1.
    int32_t DefaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int32_t height);
    bool ScrollBarVertical() const { return m_scrollBarVertical; }
    void setScrollBarVertical(bool value);
    // The vertical scroll bar shows only while the rows do not fit.
    bool AutoHideScrollbars() const { return m_autoHideScrollbars; }
    void setAutoHideScrollbars(bool value);
    // The text style that each cell's Graphics starts with; 0 is the default size.
    int32_t TextSize() const { return m_textSize; }
    void setTextSize(int32_t size);
    bool Bold() const { return m_bold; }
    void setBold(bool value);

    // The font face of each cell's Graphics; "System" is the desktop's.
    String TextFont;

    // Settings kept as given. The columns share the width equally, and a Graphics has no italic or
    // underline, so those three have no effect.
    String ColumnWidths;
    bool UseFocusRing = true;
    int32_t HeadingIndex = -1;
    bool ScrollBarHorizontal = false;
    int32_t GridLinesHorizontal = 0;
    int32_t GridLinesVertical = 0;
    int32_t _ScrollWidth = -1;
    int32_t _ScrollOffset = 0;
    bool Italic = false;
    bool Underline = false;
    bool Hierarchical = false;
    bool EnableDrag = false;
    bool EnableDragReorder = false;
    bool RequiresSelection = false;
    int32_t SelectionType = 0;
    bool ColumnsResizable = false;
    String DataSource;
    String DataField;

protected:
    qt::ControlWidget* createWidget(qt::WindowWidget& parent) override;

private:
    friend class qt::ListboxWidget;
    struct CellData {
        String text;
        Variant tag;
    };
    using Row = std::vector<CellData>;

    // The cell's data, or nil for a row or column out of range.
    const CellData* findCell(int32_t row, int32_t column) const;
    CellData* findCell(int32_t row, int32_t column);
    void invalidateRow(int32_t row);
    void layoutChanged();
    // Empties the list and hands its rows over, so that the list is already empty when the cells'
    // objects go: their destructors may reach the list.
    std::vector<Row> takeRows();
    qt::ListboxWidget* listWidget() const;
    // The press from the widget, at x, y from the list's top-left corner.
    void mousePressed(int32_t x, int32_t y);

    std::vector<Row> m_rows;
    std::vector<int32_t> m_alignments;
    int32_t m_lastIndex = -1;
    int32_t m_listIndex = -1;
    int32_t m_columnCount = 1;
    bool m_hasHeading = false;
    String m_initialValue;
    int32_t m_defaultRowHeight = 20;
    bool m_scrollBarVertical = true;
    bool m_autoHideScrollbars = true;
    int32_t m_textSize = 0;
    bool m_bold = false;
};

} // namespace fw
