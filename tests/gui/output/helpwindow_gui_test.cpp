#include "mainwindow/commandtable.h"
#include "output/helptopics.h"
#include "output/helpwindow.h"

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <memory>

using namespace tolvarin;

// Every page of the contents is in the resources under its title; every help
// number leads to a page and an anchor that exist, and so does every link.
TEST(HelpPages, NumbersAndLinksLeadToPagesAndAnchorsThatExist)
{
    HelpWindow window;
    QHash<QString, QStringList> anchors;  // by page
    QHash<QString, QStringList> links;
    for (const HelpPage& page : helpPages()) {
        window.showPage(page.file);
        EXPECT_EQ(window.browser()->documentTitle(), page.title) << page.file.toStdString();
        for (QTextBlock block = window.browser()->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                anchors[page.file] += format.anchorNames();
                if (!format.anchorHref().isEmpty()) links[page.file] += format.anchorHref();
            }
        }
    }
    QList<QPair<QString, QUrl>> targets;  // from where, to where
    for (int context : helpContexts()) {
        const HelpTarget target = helpTarget(context);
        targets.append({QString::number(context), QUrl(target.file + QLatin1Char('#') + target.anchor)});
    }
    for (auto page = links.cbegin(); page != links.cend(); ++page)
        for (const QString& link : page.value()) targets.append({page.key(), QUrl(link)});
    for (const auto& [from, url] : targets) {
        if (!url.scheme().isEmpty()) continue;  // outside the help
        const QString file = url.path().isEmpty() ? from : url.path();
        const std::string where = (from + QStringLiteral(" → ") + url.toString()).toStdString();
        ASSERT_TRUE(anchors.contains(file)) << where;
        EXPECT_TRUE(url.fragment().isEmpty() || anchors[file].contains(url.fragment())) << where;
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
        EXPECT_TRUE(shortcut.isEmpty() || cells.contains(shortcut)) << shortcut.toStdString();
    }
}

// One window serves every request: back and forward go through what it showed.
TEST(HelpWindowTest, ReusedWindowGoesBackAndForwardAndFindsInThePage)
{
    HelpWindowOpener opener(nullptr);
    opener.openHelp(helpcontext::kKeyboard);
    opener.openHelp(helpcontext::kConstants);
    const std::unique_ptr<HelpWindow> window(opener.window());
    EXPECT_TRUE(window->isVisible());
    window->backAction()->trigger();
    EXPECT_EQ(window->currentPage(), QStringLiteral("klavesnice.html"));
    EXPECT_EQ(window->contents()->currentItem()->text(), QString::fromUtf8("Klávesové zkratky"));
    window->forwardAction()->trigger();
    EXPECT_EQ(window->currentPage(), QStringLiteral("konstanty.html"));

    window->findField()->setText(QStringLiteral("planckova"));  // typing searches at once, in any case
    const qsizetype count = window->browser()->extraSelections().size();
    ASSERT_GE(count, 2);
    EXPECT_EQ(window->findStatus()->text(), QStringLiteral("1 z %1").arg(count));
    window->findNext();
    EXPECT_EQ(window->findStatus()->text(), QStringLiteral("2 z %1").arg(count));
    window->findPrevious();
    window->findPrevious();  // round the top of the page to the last match
    EXPECT_EQ(window->findStatus()->text(), QStringLiteral("%1 z %1").arg(count));

    window->findField()->setText(QStringLiteral("xyzzy"));
    EXPECT_FALSE(window->findNext());
    EXPECT_TRUE(window->browser()->extraSelections().isEmpty());
    EXPECT_EQ(window->findStatus()->text(), QStringLiteral("Nenalezeno"));
}
