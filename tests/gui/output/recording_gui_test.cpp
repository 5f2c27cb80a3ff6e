#include "output/recordingcommands.h"

#include "support/windowfixture.h"

#include <QFile>

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

class RecordingTest : public MainWindowTest {
protected:
    void adjustOptions(MainWindowOptions& options) override
    {
        options.recordingFile = [this](const QString& suggested) -> std::optional<RecordingTarget> {
            suggestions << suggested;
            if (target.isEmpty()) return std::nullopt;  // the user cancelled
            return RecordingTarget{target, RecordingLayout::Semicolon};
        };
    }

    QByteArray written() const { return fileBytes(target); }
    bool shown(Command command) const { return action(command)->isVisible(); }

    QString target;
    QStringList suggestions;
};

TEST_F(RecordingTest, ConversionsWhileRecordingAreLines)
{
    target = folder.path(QStringLiteral("zaznam.csv"));
    EXPECT_FALSE(action(Command::Record)->isEnabled());  // no topic yet
    topic(2)->trigger();
    QTest::keyClick(window.get(), Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(suggestions.size(), 1);
    EXPECT_TRUE(suggestions[0].endsWith(QStringLiteral("/Obsah.csv")));
    EXPECT_TRUE(shown(Command::RecordPause) && shown(Command::RecordStop) && !shown(Command::Record));
    typeInto(1, QStringLiteral("1"));
    action(Command::RecordPause)->trigger();
    EXPECT_TRUE(shown(Command::RecordStart) && !shown(Command::RecordPause));
    typeInto(1, QStringLiteral("2"));
    action(Command::RecordStart)->trigger();
    typeInto(1, QStringLiteral("abc"));  // refused: no line
    typeInto(1, QStringLiteral("3"));
    topic(1)->trigger();  // another topic ends the recording
    EXPECT_TRUE(shown(Command::Record) && !shown(Command::RecordStop));
    typeInto(0, QStringLiteral("5"));
    EXPECT_EQ(written(), u("metr čtvereční;ar\r\n100;1\r\n300;3\r\n").toUtf8());
}

TEST_F(RecordingTest, TemperatureRecordsConversionsButNotAbsoluteZero)
{
    target = folder.path(QStringLiteral("teplota.csv"));
    window->openTopic(16);
    action(Command::Record)->trigger();
    typeInto(1, QStringLiteral("0"));
    typeInto(1, QStringLiteral("-300"));
    action(Command::RecordStop)->trigger();
    EXPECT_EQ(written(), u("kelvin;stupeň Celsia;stupeň Fahrenheita;stupeň Rankina;stupeň Réaumura\r\n"
                           "273,15;0;32;491,67;0\r\n")
                             .toUtf8());
}

TEST_F(RecordingTest, CancelCreatesNothingAndAFullDeviceStopsWithAMessage)
{
    topic(1)->trigger();
    action(Command::Record)->trigger();  // cancelled
    EXPECT_TRUE(shown(Command::Record));
    EXPECT_TRUE(messages.messages.isEmpty());

    if (!QFile::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full";
    target = QStringLiteral("/dev/full");
    action(Command::Record)->trigger();
    EXPECT_TRUE(message().contains(QStringLiteral("/dev/full")));
    EXPECT_TRUE(shown(Command::Record));
}

}  // namespace
