#include "output/helpwindow.h"

#include "mainwindow/commandsurfaces.h"
#include "output/helptopics.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

// The pages live in a static library; their registration has to be pulled
// in explicitly, from outside any namespace.
static void initHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace tolvarin {

namespace {

// The look of every page; the pages themselves hold only their text.
const char kPageStyle[] = R"(
h1 { color: #1f4e79; font-size: x-large; }
h2 { color: #1f4e79; font-size: large; margin-top: 16px; }
h3 { font-size: medium; margin-top: 12px; }
table { border-collapse: collapse; margin-top: 4px; margin-bottom: 10px; }
th { background-color: #e4ebf3; text-align: left; }
th, td { border: 1px solid #b8c4d0; padding: 3px 6px; }
code, pre, .k { font-family: monospace; }
.k { font-weight: bold; }
pre { background-color: #f3f5f7; }
.tip { background-color: #fdf6d8; }
.viz { color: #444444; }
)";

const QColor kMatchColour(255, 236, 140);
const QColor kCurrentMatchColour(255, 170, 60);

QUrl pageUrl(const QString& file, const QString& anchor)
{
    QUrl url(QStringLiteral("qrc:/help/") + file);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    return url;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      browser_(new QTextBrowser),
      contents_(new QListWidget),
      findField_(new QLineEdit),
      findStatus_(new QLabel)
{
    static const bool registered = (initHelpResources(), true);
    Q_UNUSED(registered);
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Nápověda – Tolvarin"));
    setProperty("helpContext", helpcontext::kUsingHelp);  // F1 here explains the help itself

    auto* bar = new QToolBar;
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = bar->addAction(toolbarIcon(QStringLiteral("Zpet")), QStringLiteral("Zpět"), browser_,
                           &QTextBrowser::backward);
    back_->setShortcut(QKeySequence::Back);
    back_->setToolTip(QStringLiteral("Zpět na předchozí stránku (Alt+Šipka vlevo)"));
    back_->setEnabled(false);
    forward_ = bar->addAction(toolbarIcon(QStringLiteral("Vpred")), QStringLiteral("Vpřed"), browser_,
                              &QTextBrowser::forward);
    forward_->setShortcut(QKeySequence::Forward);
    forward_->setToolTip(QStringLiteral("Vpřed na další stránku (Alt+Šipka vpravo)"));
    forward_->setEnabled(false);
    QAction* home = bar->addAction(toolbarIcon(QStringLiteral("Napoveda")), QStringLiteral("Obsah"), this,
                                   [this] { showTopic(helpcontext::kContents); });
    home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    home->setToolTip(QStringLiteral("Obsah nápovědy (Alt+Home)"));
    bar->addSeparator();
    auto* findLabel = new QLabel(QStringLiteral("&Hledat: "));
    findLabel->setBuddy(findField_);
    bar->addWidget(findLabel);
    findField_->setObjectName(QStringLiteral("helpFindField"));
    findField_->setPlaceholderText(QStringLiteral("text na stránce"));
    findField_->setClearButtonEnabled(true);
    findField_->setMaximumWidth(220);
    bar->addWidget(findField_);
    QAction* previous = bar->addAction(QStringLiteral("Předchozí"), this, &HelpWindow::findPrevious);
    previous->setShortcut(QKeySequence::FindPrevious);
    previous->setToolTip(QStringLiteral("Předchozí výskyt (Shift+F3)"));
    QAction* next = bar->addAction(QStringLiteral("Další"), this, &HelpWindow::findNext);
    next->setShortcut(QKeySequence::FindNext);
    next->setToolTip(QStringLiteral("Další výskyt (F3, Enter v poli Hledat)"));
    findStatus_->setObjectName(QStringLiteral("helpFindStatus"));
    findStatus_->setContentsMargins(6, 0, 6, 0);
    bar->addWidget(findStatus_);
    for (QAction* action : bar->actions()) action->setShortcutContext(Qt::WindowShortcut);

    auto* focusFind = new QShortcut(QKeySequence::Find, this);
    connect(focusFind, &QShortcut::activated, this, [this] {
        findField_->setFocus(Qt::ShortcutFocusReason);
        findField_->selectAll();
    });
    // Escape first empties the search, then closes the window.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (findField_->hasFocus() && !findField_->text().isEmpty()) findField_->clear();
        else close();
    });
    connect(findField_, &QLineEdit::returnPressed, this, &HelpWindow::findNext);
    connect(findField_, &QLineEdit::textChanged, this, [this] { find(Direction::FromHere); });

    contents_->setObjectName(QStringLiteral("helpContents"));
    for (const HelpPage& page : helpPages()) contents_->addItem(page.title);
    connect(contents_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < int(helpPages().size())) showPage(helpPages()[size_t(row)].file);
    });

    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->document()->setDefaultStyleSheet(QString::fromUtf8(kPageStyle));
    browser_->setOpenExternalLinks(true);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::onSourceChanged);

    auto* splitter = new QSplitter;
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(bar);
    layout->addWidget(splitter, 1);

    browser_->setFocus();  // the page scrolls with the keys from the start

    const QSize available = screen()->availableGeometry().size();
    resize(std::min(920, available.width() * 9 / 10), std::min(660, available.height() * 9 / 10));
    splitter->setSizes({230, width() - 230});
}

void HelpWindow::showTopic(int context)
{
    const HelpTarget target = helpTarget(context);
    showPage(target.file, target.anchor);
}

void HelpWindow::showPage(const QString& file, const QString& anchor)
{
    browser_->setSource(pageUrl(file, anchor));
}

QString HelpWindow::currentPage() const
{
    return browser_->source().fileName();
}

bool HelpWindow::findNext()
{
    return find(Direction::Forward);
}

bool HelpWindow::findPrevious()
{
    return find(Direction::Backward);
}

bool HelpWindow::find(Direction direction)
{
    const QString text = findField_->text();
    QTextDocument* document = browser_->document();
    std::vector<QTextCursor> matches;
    if (!text.isEmpty()) {
        for (QTextCursor hit = document->find(text); !hit.isNull(); hit = document->find(text, hit))
            matches.push_back(hit);
    }
    if (matches.empty()) {
        clearFind();
        findStatus_->setText(text.isEmpty() ? QString() : QStringLiteral("Nenalezeno"));
        return false;
    }

    // The first search starts where the page is scrolled to.
    const int from = matchStart_ >= 0 ? matchStart_ : browser_->cursorForPosition(QPoint(0, 0)).position();
    const auto startsAfter = [from, direction](const QTextCursor& hit) {
        return direction == Direction::Forward ? hit.selectionStart() > from : hit.selectionStart() >= from;
    };
    size_t chosen = 0;
    if (direction == Direction::Backward) {
        chosen = matches.size() - 1;
        for (size_t i = matches.size(); i-- > 0;) {
            if (matches[i].selectionStart() < from) {
                chosen = i;
                break;
            }
        }
    } else {
        const auto next = std::find_if(matches.begin(), matches.end(), startsAfter);
        chosen = next == matches.end() ? 0 : size_t(next - matches.begin());
    }

    QList<QTextEdit::ExtraSelection> marks;
    for (size_t i = 0; i < matches.size(); ++i) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = matches[i];
        mark.format.setBackground(i == chosen ? kCurrentMatchColour : kMatchColour);
        marks.append(mark);
    }
    browser_->setExtraSelections(marks);
    matchStart_ = matches[chosen].selectionStart();
    QTextCursor at(document);
    at.setPosition(matchStart_);
    browser_->setTextCursor(at);
    browser_->ensureCursorVisible();
    findStatus_->setText(QStringLiteral("%1 z %2").arg(chosen + 1).arg(matches.size()));
    return true;
}

void HelpWindow::clearFind()
{
    browser_->setExtraSelections({});
    matchStart_ = -1;
}

// The browser reports the new page before its history (and source()) has it.
void HelpWindow::onSourceChanged(const QUrl& url)
{
    clearFind();
    findStatus_->clear();
    const QString file = url.fileName();
    const std::vector<HelpPage>& pages = helpPages();
    const auto page = std::find_if(pages.begin(), pages.end(), [&file](const HelpPage& p) { return p.file == file; });
    const QSignalBlocker quiet(contents_);
    contents_->setCurrentRow(page == pages.end() ? -1 : int(page - pages.begin()));
}

void HelpWindowOpener::openHelp(int context)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = owner_;
    if (!window_) {
        window_ = new HelpWindow(owner);
    } else if (window_->parentWidget() != owner) {
        const QRect placed = window_->geometry();
        window_->setParent(owner, window_->windowFlags());
        window_->setGeometry(placed);
    }
    window_->showTopic(context);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace tolvarin
