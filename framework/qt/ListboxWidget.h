#pragma once

#include "framework/qt/ControlWidget.h"

#include <cstdint>

class QPainter;
class QScrollBar;

namespace fw {
class Listbox;
}

namespace fw::qt {

// The Qt side of a list: it lays out the heading, the rows and the scroll bar, paints them, and turns
// a press into the list's own mouse handling. The rows' data stays with the list.
class ListboxWidget : public ControlWidget {
public:
    ListboxWidget(Listbox& owner, WindowWidget& parent);

    int32_t rowHeight() const;
    int32_t headingHeight() const;
    int32_t topRow() const;
    int32_t rowsWidth() const;

    // The area of a cell in the widget, also for rows outside the visible part.
    QRect cellArea(int32_t row, int32_t column) const;
    bool isShowing(int32_t row) const;
    // The row slot and column under a point of the rows' area; the row may be past the last one.
    bool hitTest(int32_t x, int32_t y, int32_t& row, int32_t& column) const;

    // The scroll bar lies below the heading and shows while the rows do not fit, or always when it
    // is not to hide itself.
    void relayout();
    // Rows added in a batch, as a folder's listing adds them, are laid out once: at the next turn of
    // the event loop, or before then as soon as anything reads the layout.
    void relayoutLater();
    void ensureLaidOut() const;
    // The rows and the heading, not the scroll bar: it repaints itself when it changes.
    void refreshRows();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void paintCell(QPainter& painter, int32_t row, int32_t column, const QRect& area);
    void paintHeading(QPainter& painter);

    Listbox& m_owner; // the list owns this widget
    QScrollBar* m_scrollBar; // owned by this widget
    bool m_relayoutPending = false;
};

} // namespace fw::qt
