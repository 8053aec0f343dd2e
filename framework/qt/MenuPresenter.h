#pragma once

#include "framework/MenuItem.h"

#include <QString>

class QMenu;
class QMenuBar;
class QWidget;

namespace fw::qt {

// Puts a window's menu bar where the user can reach it without taking room from the window's client
// area: in the desktop's global menu when there is one; otherwise the menus open from a right click
// anywhere on the window. Either way each item's shortcut works while the window is active, with
// "Cmd+" meaning the platform's command key (Ctrl).
class MenuPresenter {
public:
    MenuPresenter(QWidget& window, const Ref<MenuBar>& bar);
    ~MenuPresenter();

    bool usesGlobalMenu() const { return m_global; }
    // The menu that a right click on the window opens (nil with a global menu).
    QMenu* contextMenu() const { return m_contextMenu; }

private:
    void fill(QMenu& menu, const MenuItem& parent);

    QWidget& m_window;
    Ref<MenuBar> m_bar;
    QMenuBar* m_menuBar = nullptr; // owned by the window widget
    QMenu* m_contextMenu = nullptr; // owned by the window widget
    bool m_global = false;
};

// "Cmd+Q" and the like as a Qt key sequence text ("Ctrl+Q"); "" stays "".
QString shortcutText(const String& keyboardShortcut);

} // namespace fw::qt
