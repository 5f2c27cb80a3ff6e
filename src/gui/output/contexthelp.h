#pragma once

#include <QObject>

class QMenu;
class QWidget;

namespace tolvarin {

class HelpOpener;

// F1 anywhere in the program opens the help of what the user is at: the
// entry of an open menu under the pointer or the keyboard, otherwise the
// focused control. A control's help number is its property "helpContext"
// (the one the command surfaces give their actions), or its nearest
// ancestor's; without one the help opens at its contents.
class ContextHelp : public QObject {
    Q_OBJECT

public:
    // Watches the keys of the whole application while it lives.
    ContextHelp(HelpOpener& opener, QObject* parent);

    // The help of the focused control: the command "Nápověda…".
    void showForFocus();

    static void setHelpContext(QWidget* widget, int context);
    static int helpContextOf(const QWidget* widget);
    static int helpContextOf(const QMenu* menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpOpener& opener_;
};

}  // namespace tolvarin
