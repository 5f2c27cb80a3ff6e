#include "mainwindow/commandtable.h"
#include "output/helptopics.h"
#include "output/helpwindow.h"

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

// The anchors a page offers and the links it holds, as the browser reads them.
struct PageLinks {
    QSet<QString> anchors;
    QStringList links;
};

PageLinks readPage(HelpWindow& window, const QString& file)
{
    window.showPage(file);
    PageLinks page;
    const QTextDocument* document = window.browser()->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            for (const QString& name : format.anchorNames()) page.anchors.insert(name);
            if (!format.anchorHref().isEmpty()) page.links.append(format.anchorHref());
        }
    }
    return page;
}

}  // namespace

// Every page of the contents is in the resources under its title; every help
// number leads to a page and an anchor that exist, and so does every link.
TEST(HelpPages, NumbersAndLinksLeadToPagesAndAnchorsThatExist)
{
    HelpWindow window;
    QHash<QString, PageLinks> pages;
    for (const HelpPage& page : helpPages()) {
        pages.insert(page.file, readPage(window, page.file));
        EXPECT_EQ(window.browser()->documentTitle(), page.title) << page.file.toStdString();
    }
    for (int context : helpContexts()) {
        const HelpTarget target = helpTarget(context);
        ASSERT_TRUE(pages.contains(target.file)) << context;
        if (!target.anchor.isEmpty()) {
            EXPECT_TRUE(pages[target.file].anchors.contains(target.anchor)) << context;
        }
    }
    for (auto page = pages.cbegin(); page != pages.cend(); ++page) {
        for (const QString& link : page.value().links) {
            const QUrl url(link);
            if (!url.scheme().isEmpty()) continue;
            const QString file = url.path().isEmpty() ? page.key() : url.path();
            const std::string where = (page.key() + QStringLiteral(" → ") + link).toStdString();
            ASSERT_TRUE(pages.contains(file)) << where;
            if (url.hasFragment()) {
                EXPECT_TRUE(pages[file].anchors.contains(url.fragment())) << where;
            }
        }
    }
}

// The keyboard page names every shortcut of the command table in a cell of its own.
TEST(HelpPages, KeyboardPageListsEveryShortcut)
{
    HelpWindow window;
    window.showTopic(helpcontext::kKeyboard);
    QStringList cells = window.browser()->toPlainText().split(QLatin1Char('\n'));
    for (QString& cell : cells) cell = cell.trimmed();
    for (Command command : allCommands()) {
        const QString shortcut = commandInfo(command).shortcut;
        if (!shortcut.isEmpty()) {
            EXPECT_TRUE(cells.contains(shortcut)) << shortcut.toStdString();
        }
    }
}

TEST(HelpWindowTest, BackForwardAndFindInThePage)
{
    HelpWindow window;
    window.showTopic(helpcontext::kKeyboard);
    window.showTopic(helpcontext::kConstants);
    EXPECT_EQ(window.contents()->currentItem()->text(), u("Fyzikální konstanty"));
    window.backAction()->trigger();
    EXPECT_EQ(window.currentPage(), QStringLiteral("klavesnice.html"));
    EXPECT_EQ(window.contents()->currentItem()->text(), u("Klávesové zkratky"));
    ASSERT_TRUE(window.forwardAction()->isEnabled());
    window.forwardAction()->trigger();
    EXPECT_EQ(window.currentPage(), QStringLiteral("konstanty.html"));

    window.findField()->setText(QStringLiteral("planckova"));  // typing searches at once, in any case
    const int count = int(window.browser()->extraSelections().size());
    ASSERT_GE(count, 2);
    EXPECT_EQ(window.browser()->extraSelections().front().cursor.selectedText(), QStringLiteral("Planckova"));
    EXPECT_EQ(window.findStatus()->text(), QStringLiteral("1 z %1").arg(count));
    EXPECT_TRUE(window.findNext());
    EXPECT_EQ(window.findStatus()->text(), QStringLiteral("2 z %1").arg(count));
    window.findPrevious();
    EXPECT_TRUE(window.findPrevious());  // round the top of the page to the last match
    EXPECT_EQ(window.findStatus()->text(), QStringLiteral("%1 z %1").arg(count));

    window.findField()->setText(QStringLiteral("xyzzy"));
    EXPECT_FALSE(window.findNext());
    EXPECT_TRUE(window.browser()->extraSelections().isEmpty());
    EXPECT_EQ(window.findStatus()->text(), QStringLiteral("Nenalezeno"));
}

TEST(HelpWindowTest, OpenerReusesItsWindow)
{
    HelpWindowOpener opener(nullptr);
    opener.openHelp(helpcontext::kKeyboard);
    HelpWindow* first = opener.window();
    ASSERT_NE(first, nullptr);
    opener.openHelp(helpcontext::kConstants);
    EXPECT_EQ(opener.window(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->currentPage(), QStringLiteral("konstanty.html"));
    delete first;
}
