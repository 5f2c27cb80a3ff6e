// The options dialog over the whole window: opened by its command, answered
// by the test while it is shown, with the file and colour choosers replaced.
#include "settings/optionscommand.h"
#include "settings/optionsdialog.h"
#include "support/windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

using OptionsTest = test::MainWindowTest;

TEST_F(OptionsTest, NumberBoxesTakeWholeNumbersOfTheirRange)
{
    const struct {
        const char* text;
        const char* stored;                                        // nullptr: refused
    } cases[] = {{"33", nullptr}, {"", nullptr}, {" 12 ", "12"}};  // the range's rules are core tests
    for (const auto& c : cases) {
        for (const bool byTab : {false, true}) {
            messages.messages.clear();
            bool keptInBox = false;
            openOptions([&](OptionsDialog& dialog) {
                QLineEdit* base = dialog.numberBox(NumberBox::OwnBase);
                dialog.tabs()->setCurrentIndex(byTab ? OptionsDialog::Format : OptionsDialog::General);
                base->setText(u(c.text));
                if (byTab) {
                    base->setFocus();
                    QTest::keyClick(base, Qt::Key_Tab);
                    QCoreApplication::processEvents();
                } else {
                    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);  // the box was never focused
                }
                keptInBox = dialog.isVisible() && dialog.focusWidget() == base &&
                            dialog.tabs()->currentIndex() == OptionsDialog::Format;
            });
            EXPECT_EQ(keptInBox, !c.stored) << c.text << byTab;
            const QString told = messages.messages.isEmpty() ? QString() : messages.messages.last().text;
            EXPECT_EQ(told, c.stored ? QString() : u("Musí být číslo mezi 2 a 32")) << c.text << byTab;
            EXPECT_TRUE(!c.stored || byTab || stored("Start", "NumBase") == u(c.stored)) << c.text;
        }
    }
}

TEST_F(OptionsTest, StornoCloseAndEscapeRestoreTheChosenFile)
{
    const QString other = folder.writeLines(u("Jiný.tvd"), test::mainTestFile());
    const QString mainPath = QDir(folder.path(QString())).filePath(u("Tolvar.tvd"));
    optionsUser.file = other;
    const std::function<void(OptionsDialog&)> ways[] = {
        [](OptionsDialog& d) { QTest::mouseClick(d.cancelButton(), Qt::LeftButton); },
        [](OptionsDialog& d) { d.close(); },
        [](OptionsDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
    };
    for (const auto& way : ways) {
        openOptions([&](OptionsDialog& dialog) {
            EXPECT_EQ(dialog.pathBox(0)->text(), mainPath);
            QTest::mouseClick(dialog.chooseFileButton(0), Qt::LeftButton);
            EXPECT_EQ(dialog.pathBox(0)->text(), other);
            EXPECT_TRUE(dialog.sizeLabel(0)->text().endsWith(u(" bajtů)")));
            way(dialog);
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(dialog.pathBox(0)->text(), mainPath);
        });
        EXPECT_EQ(window->lifecycle().settings().mainFileName, u("Tolvar.tvd"));
        EXPECT_EQ(stored("Obecne", "Path"), u("<none>"));
        EXPECT_EQ(stored("Obecne", "File"), u("<none>"));
    }
    openOptions([](OptionsDialog& dialog) {
        QTest::mouseClick(dialog.chooseFileButton(0), Qt::LeftButton);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(stored("Obecne", "Path"), other);
    EXPECT_EQ(stored("Obecne", "File"), u("Jiný.tvd"));
}

TEST_F(OptionsTest, FixedModeAndDecimalsRewriteTheValueColumn)
{
    topic(1)->trigger();
    typeInto(0, u("1,5"));
    const struct {
        const char* decimals;
        const char* caption;
        const char* metres;  // the pattern of the places is a core test
    } cases[] = {{"0", "Pevný počet (0)", "2"}, {"9", "Pevný počet (9)", "1,500000000"}};
    bool fixedMode = false;
    for (const auto& c : cases) {
        openOptions([&](OptionsDialog& dialog) {
            QLineEdit* fixed = dialog.numberBox(NumberBox::FixedDecimals);
            EXPECT_EQ(fixed->isEnabled(), fixedMode);  // as the window shows it on opening
            fixedMode = true;
            dialog.precisionBox()->setCurrentIndex(0);
            EXPECT_FALSE(fixed->isEnabled());
            dialog.precisionBox()->setCurrentIndex(3);
            EXPECT_TRUE(fixed->isEnabled());
            fixed->setText(u(c.decimals));
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        });
        EXPECT_EQ(action(Command::FormatFixed)->text(), u(c.caption));
        EXPECT_TRUE(action(Command::FormatFixed)->isChecked());
        EXPECT_EQ(grid()->valueText(0), u(c.metres));
        EXPECT_EQ(stored("Obecne", "Fix"), u(c.decimals));
        EXPECT_EQ(stored("Obecne", "Presnost"), u("3"));
    }
}

TEST_F(OptionsTest, PanelsFollowTheWindowAndTheStore)
{
    topic(1)->trigger();
    action(Command::InfoPanel)->trigger();
    openOptions([](OptionsDialog& dialog) {
        EXPECT_TRUE(dialog.panelBox(0)->isChecked() && !dialog.panelBox(1)->isChecked() &&
                    dialog.panelBox(2)->isChecked());
        dialog.panelBox(0)->setChecked(false);
        dialog.panelBox(1)->setChecked(true);
        dialog.panelBox(2)->setChecked(false);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(action(Command::Preview)->isChecked());
    EXPECT_FALSE(window->infoLine()->isVisible());
    EXPECT_TRUE(action(Command::Magnifier)->isChecked());
    EXPECT_TRUE(window->currentLayout().magnifierVisible);
    EXPECT_FALSE(action(Command::InfoPanel)->isChecked());
    EXPECT_FALSE(window->infoPanel()->isVisible());
    EXPECT_EQ(stored("Obecne", "Nahled") + stored("Obecne", "Lupa") + stored("Obecne", "Informace"),
              u("FalseTrueFalse"));
}

TEST_F(OptionsTest, CtrlTabWrapsAndTheTabIsRemembered)
{
    QList<int> seen;
    openOptions([&](OptionsDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), u("Možnosti"));
        for (int press = 0; press < 6; ++press) {
            QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Tab, Qt::ControlModifier);
            seen << dialog.tabs()->currentIndex();
        }
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(seen, QList<int>({1, 2, 3, 4, 0, 1}));
    openOptions([&](OptionsDialog& dialog) { seen = {dialog.tabs()->currentIndex()}; });
    EXPECT_EQ(seen, QList<int>({1}));
}

TEST_F(OptionsTest, StoredColourStaysUnlessPicked)
{
    const struct {
        bool pick;
        QPushButton* (OptionsDialog::*close)() const;
        const char* stored;
    } cases[] = {{false, &OptionsDialog::okButton, "-2147483634"},  // the system highlight
                 {true, &OptionsDialog::cancelButton, "-2147483634"},
                 {true, &OptionsDialog::okButton, "255"}};
    optionsUser.colour = QColor(255, 0, 0);
    for (const auto& c : cases) {
        openOptions([&](OptionsDialog& dialog) {
            if (c.pick) QTest::mouseClick(dialog.colourButton(), Qt::LeftButton);
            QTest::mouseClick((dialog.*c.close)(), Qt::LeftButton);
        });
        EXPECT_EQ(stored("Obecne", "ColoredColor"), u(c.stored));
    }
}

TEST_F(OptionsTest, StatisticsShownAndReset)
{
    topic(1)->trigger();
    typeInto(0, u("2"));
    QStringList shown;
    openOptions([&](OptionsDialog& dialog) {
        for (const bool reset : {false, true}) {
            if (reset) QTest::mouseClick(dialog.resetButton(), Qt::LeftButton);
            for (int row = 0; row < 4; ++row) shown << dialog.statisticsLabel(row)->text().left(5);
        }
    });
    EXPECT_EQ(shown.join(u'|'), u("1 |1 |0:00:|0:00:|1 |0 |0:00:|0:00:"));
    EXPECT_EQ(window->conversionCount(), 0);
}

TEST_F(OptionsTest, AFailedWriteIsReported)
{
    const QString file = window->lifecycle().store().fileName();
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkdir(file));  // nothing can be written there now
    openOptions([](OptionsDialog& dialog) { QTest::mouseClick(dialog.okButton(), Qt::LeftButton); });
    EXPECT_TRUE(message().startsWith(u("Nastavení se nepodařilo uložit")));
}

}  // namespace
