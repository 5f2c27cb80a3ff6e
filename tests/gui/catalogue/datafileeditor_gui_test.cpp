// The data file editor in the main window, over temporary data files.
#include "catalogue/datafileeditor.h"
#include "catalogue/editordialogs.h"
#include "mainwindow/conversionpanel.h"
#include "mainwindow/lifecycle.h"
#include "support/windowfixture.h"

#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QStatusBar>

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

class AnsweredDialogs : public EditorDialogs {
public:
    std::optional<QFont> chooseFont(const QFont&, QWidget*) override { return font; }
    std::optional<QString> askFindText(QWidget*) override { return std::nullopt; }
    std::optional<QFont> font;
};

class DataFileEditorTest : public MainWindowTest {
protected:
    void adjustOptions(MainWindowOptions& options) override
    {
        options.editorDialogs = &dialogs;
        options.recordingFile = [this](const QString&) { return RecordingTarget{folder.path(u("rec.csv"))}; };
    }

    DataFileEditor* editor() const { return window->dataFileEditor(); }
    QPlainTextEdit* text() const { return editor()->textEdit(); }
    QString mainPath() const { return folder.path(QStringLiteral("Tolvar.tvd")); }
    QByteArray mainBytes() const { return fileBytes(mainPath()); }
    // Typing as a keyboard does, any character.
    void type(const QString& typed)
    {
        for (QChar c : typed) {
            if (c == QLatin1Char('\n'))
                QTest::keyClick(text(), Qt::Key_Return);
            else
                QTest::sendKeyEvent(QTest::Click, text(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    AnsweredDialogs dialogs;
};

TEST_F(DataFileEditorTest, MissingFileOrFolderLeavesTheWindowAsItWas)
{
    QFile::remove(mainPath());
    for (bool folderThere : {false, true}) {
        if (folderThere) QDir().mkdir(mainPath());
        action(Command::EditMainFile)->trigger();
        EXPECT_FALSE(editor()->isEditing());
        EXPECT_EQ(window->titleLine()->text(), u(" Vítejte v programu Tolvarin!"));
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_EQ(messages.messages[0].title, u("Chyba otevření souboru"));
        EXPECT_EQ(messages.messages[0].text, u("Soubor s daty na daném umístění ") + mainPath() + u(" neexistuje."));
        messages.messages.clear();
    }
}

// A save that would change what the user did not type asks first: a
// character Windows-1250 cannot hold (Yes writes the file as UTF-8), or a
// stray byte of another encoding in a UTF-8 file, shown as U+FFFD.
TEST_F(DataFileEditorTest, SavesThatWouldLoseCharactersAskFirst)
{
    const QByteArray before = "'\350\r\n1|metr|m|1||True\r\n";
    folder.writeBytes(QStringLiteral("Tolvar.tvd"), before);
    action(Command::EditMainFile)->trigger();
    text()->moveCursor(QTextCursor::Down);
    type(u("Ω"));
    messages.answers = {MessageAnswer::No};
    EXPECT_FALSE(editor()->save());
    EXPECT_TRUE(message().startsWith(u("Znak „Ω“ na řádku 2 nelze zapsat v kódování Windows-1250")));
    EXPECT_EQ(mainBytes(), before);
    messages.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(editor()->save());
    EXPECT_EQ(mainBytes(), QByteArray("'\xC4\x8D\r\n\xCE\xA9"
                                      "1|metr|m|1||True\r\n"));
    action(Command::CloseEditor)->trigger();

    const QByteArray stray = "'\xC5\xBE \xE9\r\n1|metr|m|1||True\r\n";
    folder.writeBytes(QStringLiteral("Tolvar.tvd"), stray);
    action(Command::EditMainFile)->trigger();
    messages.messages.clear();
    messages.answers = {MessageAnswer::No};
    EXPECT_FALSE(editor()->save());
    EXPECT_TRUE(message().contains(u("na řádku 1 bajty, které nejsou v kódování UTF-8")));
    EXPECT_EQ(mainBytes(), stray);
}

// A file the user cannot write goes into a copy in the user's data folder,
// which is read from then on; the original stays as it was.
TEST_F(DataFileEditorTest, ReadOnlyFileIsSavedAsTheUsersOwnCopy)
{
    action(Command::EditMainFile)->trigger();
    type(QStringLiteral("'upraveno\n"));
    const QByteArray before = mainBytes();
    QFile::setPermissions(mainPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    action(Command::SaveEditor)->trigger();
    const QString copy = folder.path(QStringLiteral("userdata/Tolvar.tvd"));
    EXPECT_TRUE(message().contains(u("byly úpravy uloženy do kopie ") + copy));
    EXPECT_EQ(mainBytes(), before);
    EXPECT_TRUE(fileBytes(copy).startsWith("'upraveno\r\n"));
    EXPECT_EQ(window->lifecycle().settings().mainFilePath, copy);
    EXPECT_EQ(stored("Obecne", "Path"), copy);
    EXPECT_FALSE(editor()->isModified());
}

// With no place for a copy either, the save is refused and nothing is lost.
TEST_F(DataFileEditorTest, ReadOnlyFileIsRefusedAndTheTextStays)
{
    folder.writeBytes(QStringLiteral("userdata"), "a file where the folder would be");
    action(Command::EditMainFile)->trigger();
    type(QStringLiteral("x\n"));  // a bad line: a reload would report it
    const QByteArray before = mainBytes();
    QFile::setPermissions(mainPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    action(Command::SaveEditor)->trigger();
    EXPECT_TRUE(message().startsWith(u("Soubor ") + mainPath() + u(" je jen pro čtení")));  // no reload
    EXPECT_TRUE(editor()->isEditing());
    EXPECT_TRUE(editor()->isModified());
    EXPECT_TRUE(text()->toPlainText().startsWith(QStringLiteral("x\n")));
    EXPECT_EQ(mainBytes(), before);
}

TEST_F(DataFileEditorTest, SaveWritesAndReloadsOnceCloseReturnsToTheTopic)
{
    topic(1)->trigger();
    action(Command::Record)->trigger();
    action(Command::EditMainFile)->trigger();
    EXPECT_EQ(window->recording()->recorder().state(), Recorder::State::Stopped);
    EXPECT_FALSE(action(Command::Record)->isEnabled());
    EXPECT_EQ(window->titleLine()->text(), u(" Editace souboru ") + mainPath());
    EXPECT_TRUE(window->commands()->statusBar()->findChild<QLabel*>(QStringLiteral("editorStatus"))->isVisible());
    EXPECT_FALSE(window->conversionPanel()->isVisible());
    EXPECT_EQ(text()->geometry(), window->conversionPanel()->geometry());
    type(QStringLiteral("x\n"));  // the caret stands at the open topic's first line
    action(Command::SaveEditor)->trigger();
    EXPECT_TRUE(message().startsWith(u("Načtena nekorektní data")));  // the reload reports the bad line once
    EXPECT_TRUE(mainBytes().startsWith("'test data\r\nx\r\n1|metr|"));
    folder.writeBytes(QStringLiteral("Tolvar.tvd"), "changed elsewhere");
    action(Command::CloseEditor)->trigger();
    EXPECT_EQ(mainBytes(), QByteArray("changed elsewhere"));  // no second write
    EXPECT_EQ(messages.messages.size(), 1);                   // no second reload
    EXPECT_EQ(window->currentTopic(), 1);
    EXPECT_EQ(window->titleLine()->text(), u(" Délka"));
    EXPECT_TRUE(window->conversionPanel()->isVisible());
}

TEST_F(DataFileEditorTest, UnsavedEditsAreNeverDroppedWithoutAsking)
{
    const QByteArray before = mainBytes();
    action(Command::EditMainFile)->trigger();
    action(Command::CloseEditor)->trigger();  // nothing typed: no question, back on the start screen
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(window->titleLine()->text(), u(" Vítejte v programu Tolvarin!"));
    EXPECT_FALSE(window->conversionPanel()->isVisible());
    EXPECT_FALSE(action(Command::PrefixView)->isEnabled());  // as before editing, with no topic open

    action(Command::EditMainFile)->trigger();
    type(QStringLiteral("x"));
    window->lifecycle().settings().confirmExit = 0;
    messages.answers = {MessageAnswer::Cancel, MessageAnswer::Cancel, MessageAnswer::No};
    EXPECT_FALSE(window->close());
    action(Command::CloseEditor)->trigger();
    EXPECT_TRUE(editor()->isEditing());
    action(Command::CloseEditor)->trigger();
    EXPECT_FALSE(editor()->isEditing());
    ASSERT_EQ(messages.messages.size(), 3);
    EXPECT_EQ(messages.messages[2].text, u("Uložit změny v souboru ") + mainPath() + u("?"));
    EXPECT_EQ(mainBytes(), before);
}

TEST_F(DataFileEditorTest, OpenCommandsAreOffWhileEditing)
{
    action(Command::EditUserFile)->trigger();
    EXPECT_FALSE(window->commands()->toolButton(Command::EditMainFile)->isEnabled());
    QTest::keyClick(text(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(editor()->file(), DataFileKind::User);
    EXPECT_TRUE(text()->toPlainText().startsWith(u("'U1=Frekvence")));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(DataFileEditorTest, OverfullSectionIsReportedAtTheReloadAndTheEditorStays)
{
    action(Command::EditMainFile)->trigger();
    QStringList section = {QStringLiteral("3|u|u|1||True")};
    for (int i = 0; i < 150; ++i) section << QStringLiteral("3|u|u|1|");
    text()->moveCursor(QTextCursor::End);
    text()->insertPlainText(section.join(QLatin1Char('\n')));
    action(Command::SaveEditor)->trigger();
    EXPECT_TRUE(message().startsWith(u("V tématu 3 Objem je příliš mnoho vět!")));
    EXPECT_TRUE(editor()->isEditing());
}

TEST_F(DataFileEditorTest, TypedCharactersAreRedEditingKeysChangeNoColour)
{
    action(Command::EditMainFile)->trigger();  // the caret at the start: these keys cannot move it
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Backspace}) QTest::keyClick(text(), key);
    EXPECT_NE(text()->currentCharFormat().foreground().color(), QColor(Qt::red));
    type(QStringLiteral("k"));
    EXPECT_EQ(text()->textCursor().charFormat().foreground().color(),
              QColor(Qt::red));  // the character before the caret
}

TEST_F(DataFileEditorTest, OpeningATopicMovesTheCaretToItsLines)
{
    action(Command::EditMainFile)->trigger();
    topic(10)->trigger();
    EXPECT_EQ(text()->textCursor().blockNumber(), int(mainTestFile().indexOf(u("10|radián|rad|1||True"))));
    EXPECT_EQ(window->titleLine()->text(), u(" Editace souboru ") + mainPath());
}

TEST_F(DataFileEditorTest, FontKeysAreWrittenOnOkOnly)
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    EXPECT_EQ(text()->font().family(), fixed.family());  // "MS Sans Serif" is not on this system
    EXPECT_EQ(text()->font().pointSizeF(), 8.0);
    EXPECT_FALSE(action(Command::Font)->isVisible());
    action(Command::EditMainFile)->trigger();
    EXPECT_TRUE(action(Command::Font)->isVisible());
    action(Command::Font)->trigger();  // cancelled
    EXPECT_EQ(stored("Edit", "FontName"), u("<none>"));
    QFont chosen(fixed.family());
    chosen.setPixelSize(20);
    chosen.setBold(true);
    dialogs.font = chosen;
    action(Command::Font)->trigger();
    EXPECT_EQ(stored("Edit", "FontName"), fixed.family());
    EXPECT_NEAR(QLocale(QLocale::Czech).toDouble(stored("Edit", "FontSize")), 20 * 72.0 / text()->logicalDpiY(), 1e-4);
    EXPECT_EQ(stored("Edit", "FontBold"), u("True"));
    EXPECT_EQ(stored("Edit", "FontItalic"), u("False"));
    EXPECT_TRUE(text()->font().bold());
}

}  // namespace
