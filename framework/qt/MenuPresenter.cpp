#include "framework/qt/MenuPresenter.h"

#include "framework/qt/Entry.h"
#include "framework/qt/Text.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace fw::qt {

QString shortcutText(const String& keyboardShortcut)
{
    QString text = toQString(keyboardShortcut);
    if (text.startsWith("Cmd+", Qt::CaseInsensitive))
        text = "Ctrl+" + text.mid(4);
    return text;
}

MenuPresenter::MenuPresenter(QWidget& window, const Ref<MenuBar>& bar)
    : m_window(window)
    , m_bar(bar)
{
    m_menuBar = new QMenuBar(&window);
    m_menuBar->setNativeMenuBar(true);
    for (int32_t i = 0; i < bar->Count(); ++i) {
        Ref<MenuItem> menuItem = bar->Item(i);
        QMenu* menu = m_menuBar->addMenu(toQString(menuItem->Text));
        fill(*menu, *menuItem);
    }
    // Without a global menu the bar would sit inside the window and shrink its client area, so it is
    // not shown; a right click opens the same menus instead.
    m_global = m_menuBar->isNativeMenuBar();
    if (!m_global) {
        m_menuBar->hide();
        m_contextMenu = new QMenu(&window);
        for (QAction* action : m_menuBar->actions())
            m_contextMenu->addAction(action);
        window.setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(&window, &QWidget::customContextMenuRequested, m_contextMenu,
            [this](const QPoint& at) { m_contextMenu->popup(m_window.mapToGlobal(at)); });
    }
}

MenuPresenter::~MenuPresenter()
{
    delete m_contextMenu;
    delete m_menuBar;
}

void MenuPresenter::fill(QMenu& menu, const MenuItem& parent)
{
    for (int32_t i = 0; i < parent.Count(); ++i) {
        Ref<MenuItem> item = parent.Item(i);
        if (item->isSeparator()) {
            menu.addSeparator();
            continue;
        }
        if (item->Count() > 0) {
            fill(*menu.addMenu(toQString(item->Text)), *item);
            continue;
        }
        QAction* action = menu.addAction(toQString(item->Text));
        action->setShortcut(QKeySequence(shortcutText(item->KeyboardShortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(item->AutoEnable);
        // The window takes the action too, so that its shortcut works while the window is active.
        m_window.addAction(action);
        MenuItem* raw = item.get(); // the bar holds the item as long as the action lives
        QObject::connect(
            action, &QAction::triggered, action, [raw] { enter(*raw, [raw] { raw->Event_Action(); }); });
    }
}

} // namespace fw::qt
