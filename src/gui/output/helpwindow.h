#pragma once

#include <QPointer>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace tolvarin {

// Opens the help at the page and anchor of a help context number. The
// program opens its help window; tests put a recorder in its place.
class HelpOpener {
public:
    virtual ~HelpOpener() = default;
    virtual void openHelp(int context) = 0;
};

// The help window: the contents on the left, the page on the right, back
// and forward through the pages seen, and a search in the page. It is not
// modal; the program keeps one and raises it again.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showTopic(int context);
    void showPage(const QString& file, const QString& anchor = QString());
    // The file name of the page shown ("tabulka.html").
    QString currentPage() const;

    // Marks every match of the find field's text on the page and moves to
    // the next one (or the previous), round the end of the page. False
    // when the page does not hold the text.
    bool findNext();
    bool findPrevious();

    QTextBrowser* browser() const { return browser_; }
    QListWidget* contents() const { return contents_; }
    QLineEdit* findField() const { return findField_; }
    QLabel* findStatus() const { return findStatus_; }
    QAction* backAction() const { return back_; }
    QAction* forwardAction() const { return forward_; }

private:
    enum class Direction { Forward, Backward, FromHere };
    bool find(Direction direction);
    void clearFind();
    void onSourceChanged(const QUrl& url);

    QTextBrowser* browser_;
    QListWidget* contents_;
    QLineEdit* findField_;
    QLabel* findStatus_;
    QAction* back_;
    QAction* forward_;
    int matchStart_ = -1;  // where the current match begins, -1 before the first
};

// The program's help window, made on first use and raised on every later
// one. While a modal dialog is open the window belongs to the dialog, so
// that it can be read and used beside it.
class HelpWindowOpener : public HelpOpener {
public:
    explicit HelpWindowOpener(QWidget* owner) : owner_(owner) {}
    void openHelp(int context) override;
    HelpWindow* window() const { return window_; }

private:
    QWidget* owner_;
    QPointer<HelpWindow> window_;
};

}  // namespace tolvarin
