#pragma once
// The main window's parts, found as the player and a screen reader find
// them: by the names the layout gives them, and menu items by their
// captions.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <stdexcept>

#include "app/MainUnit1.h"
#include "help/HelpWindow.h"
#include "support/Child.h"

namespace zorvane::test {

inline TPaintPanel* StripPanel(const TMainBoard& b) {
    return Child<TPaintPanel>(b, "Panel3");
}
inline TPaintPanel* ScorePanel(const TMainBoard& b) {
    return Child<TPaintPanel>(b, "Panel5");
}
inline QPushButton* PauseButton(const TMainBoard& b) {
    return Child<QPushButton>(b, "BtnPause");
}
inline QProgressBar* ProgressBar(const TMainBoard& b) {
    return Child<QProgressBar>(b, "PBRows");
}
inline QLabel* StatusLabel(const TMainBoard& b, const QString& name) {
    return Child<QLabel>(b, name);
}
inline QMenu* ContextMenu(const TMainBoard& b) {
    return Child<QMenu>(b, "PopupMenu1");
}
// The game's own help window, once a page has needed it; else null.
inline HelpWindow* HelpViewer(const TMainBoard& b) {
    return b.findChild<HelpWindow*>();
}
inline QTextBrowser* HelpBrowser(const TMainBoard& b) {
    return Child<QTextBrowser>(*Child<HelpWindow>(b, "HelpWindow"), "HelpBrowser");
}

// The item of `menu` whose caption is `caption`.
inline QAction* MenuItem(const QList<QAction*>& menu, const QString& caption) {
    for (QAction* action : menu) {
        if (action->text() == caption) {
            return action;
        }
    }
    throw std::runtime_error("no menu item " + caption.toStdString());
}
// Options > Start Rows > &1 .. &5.
inline QAction* StartRowsItem(const TMainBoard& b, int rows) {
    const QAction* options = MenuItem(b.menuBar()->actions(), "&Options");
    const QAction* startRows = MenuItem(options->menu()->actions(), "&Start Rows");
    return MenuItem(startRows->menu()->actions(), "&" + QString::number(rows));
}

}  // namespace zorvane::test
