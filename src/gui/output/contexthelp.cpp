#include "output/contexthelp.h"

#include "output/helptopics.h"
#include "output/helpwindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace tolvarin {

namespace {

const char kHelpContext[] = "helpContext";

int ownHelpContext(const QObject* object)
{
    return object ? object->property(kHelpContext).toInt() : 0;
}

bool isHelpKey(const QEvent* event)
{
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
}

}  // namespace

ContextHelp::ContextHelp(HelpOpener& opener, QObject* parent) : QObject(parent), opener_(opener)
{
    qApp->installEventFilter(this);
}

void ContextHelp::showForFocus()
{
    QWidget* focus = QApplication::focusWidget();
    opener_.openHelp(helpContextOf(focus ? focus : QApplication::activeWindow()));
}

void ContextHelp::setHelpContext(QWidget* widget, int context)
{
    widget->setProperty(kHelpContext, context);
}

int ContextHelp::helpContextOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (const int context = ownHelpContext(w); context > 0) return context;
    return helpcontext::kContents;
}

// The hovered entry's number; an entry without one takes its menu's, and a
// submenu its parent menu's.
int ContextHelp::helpContextOf(const QMenu* menu)
{
    if (const int context = ownHelpContext(menu ? menu->activeAction() : nullptr); context > 0) return context;
    for (const QMenu* m = menu; m; m = qobject_cast<const QMenu*>(m->parentWidget()))
        if (const int context = ownHelpContext(m->menuAction()); context > 0) return context;
    return helpcontext::kContents;
}

// F1 is taken before any shortcut sees it (the command "Nápověda…" shows
// F1 in its menu entry, and this is what the key does), then answered here.
bool ContextHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && isHelpKey(event)) {
        event->accept();
        return true;
    }
    if (event->type() != QEvent::KeyPress || !isHelpKey(event)) return QObject::eventFilter(watched, event);
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        const int context = helpContextOf(menu);
        // The menus close, as after choosing an entry; the help comes to the front.
        for (int open = 0; open < 8 && QApplication::activePopupWidget(); ++open)
            QApplication::activePopupWidget()->close();
        opener_.openHelp(context);
    } else {
        showForFocus();
    }
    return true;
}

}  // namespace tolvarin
