#pragma once

#include "framework/Graphics.h"
#include "framework/Timer.h"
#include "framework/Window.h"
#include "framework/qt/ControlWidget.h"
#include "framework/qt/ScopedGraphics.h"
#include "framework/qt/WindowWidget.h"
#include "list/ButtonsCell.h"
#include "list/CustomListboxCell.h"
#include "tests/support/EventLoop.h"
#include "tests/support/Mouse.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The regions of the paint events that a widget receives.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

// A Graphics over an area of an image, made and let go as the list makes and lets go of a cell's.
class AreaGraphics {
public:
    AreaGraphics(QImage& image, const QRect& area)
        : m_painter(&image)
        , m_graphics(m_painter, area)
    {
    }
    const fw::Ref<fw::Graphics>& get() const { return m_graphics.get(); }

private:
    QPainter m_painter;
    fw::qt::ScopedGraphics m_graphics;
};

// A plain window, not floating, with one control of class T on it.
template <class T> struct OnWindow {
    fw::Ref<fw::Window> window;
    fw::Ref<T> control;
};

template <class T> OnWindow<T> placeOnWindow(int width, int height, bool open)
{
    fw::Ref<fw::Window> window = fw::New<fw::Window>();
    window->Constructor();
    window->setWidth(width + 20);
    window->setHeight(height + 20);
    fw::Ref<T> control = window->__New<T>();
    control->Constructor();
    window->_AddControl("List", control);
    control->setWidth(width);
    control->setHeight(height);
    if (open)
        window->openNow();
    settle();
    return { window, control };
}

// A cell object that answers as it is told and writes down what the list asks of it.
class RecordingCell : public CustomListboxCell {
public:
    void Constructor(std::vector<std::string>* log, bool handlesClick, int32_t value)
    {
        m_log = log;
        m_handlesClick = handlesClick;
        m_value = value;
    }

    bool cellClick(int32_t x, int32_t y) override
    {
        write("cellClick " + std::to_string(x) + "," + std::to_string(y));
        return m_handlesClick;
    }
    void cellPaint(fw::Ref<fw::Graphics> g, int32_t row) override
    {
        write("cellPaint " + std::to_string(row));
        if (onPaint)
            onPaint(*g);
    }
    int32_t compareValue() override
    {
        write("compareValue " + std::to_string(m_value));
        return m_value;
    }
    void owner(fw::Ref<CustomCellListbox> list) override
    {
        write("owner");
        owners.push_back(list.get());
        if (onOwner)
            onOwner();
    }

    // Not counted: the list holds the cell.
    std::vector<CustomCellListbox*> owners;
    // Run by cellPaint, to look at what was painted before it, and by owner.
    std::function<void(fw::Graphics&)> onPaint;
    std::function<void()> onOwner;

private:
    void write(const std::string& entry)
    {
        if (m_log)
            m_log->push_back(entry);
    }

    std::vector<std::string>* m_log = nullptr;
    bool m_handlesClick = false;
    int32_t m_value = 0;
};

// A button cell with the click and paint the palette's has, as far as the list's press flash sees
// them: a click presses the face and is handled; a paint shows the face colour it finds.
class TestButtonsCell : public ButtonsCell {
public:
    using ButtonsCell::Constructor;
    void Constructor(std::vector<std::string>* log) { m_log = log; }

    bool cellClick(int32_t, int32_t) override
    {
        mycolor = ButtonsCell::pressedColor;
        m_log->push_back("cellClick");
        return true;
    }
    void cellPaint(fw::Ref<fw::Graphics>, int32_t row) override
    {
        char face[16];
        std::snprintf(face, sizeof face, "%06X", mycolor.value);
        m_log->push_back("cellPaint " + std::to_string(row) + " " + face);
    }
    int32_t compareValue() override { return 0; }
    void owner(fw::Ref<CustomCellListbox>) override { }

private:
    std::vector<std::string>* m_log = nullptr;
};
