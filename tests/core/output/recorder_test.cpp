#include "output/recorder.h"

#include "support/testfiles.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

TEST(Recorder, LayoutsByteForByte)
{
    const QStringList layouts = {u"semicolon"_qs, u"tab"_qs, u"space"_qs};
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/recordings.txt"), 2, 3)) {
        ASSERT_TRUE(layouts.contains(f[0])) << test::rowName(f);
        test::TestFolder folder;
        const QString path = folder.path(QStringLiteral("zaznam.csv"));
        Recorder recorder;
        const RecordingLayout layout = RecordingLayout(layouts.indexOf(f[0]));
        ASSERT_FALSE(recorder.start(path, layout, {u"metr"_qs, u"kilometr"_qs, u"a;b"_qs}));
        EXPECT_FALSE(recorder.record({u"1000"_qs, u"1"_qs, u"x\"y"_qs}));
        recorder.stop();
        EXPECT_EQ(test::fileBytes(path), test::escapedBytes(f[1])) << test::rowName(f);
    }
}

TEST(Recorder, OneUnitHasNoSeparator)
{
    EXPECT_EQ(recordingLine({u"5"_qs}, RecordingLayout::Tab), u"5\r\n"_qs);
    EXPECT_EQ(recordingLine({u"čtvereční metr"_qs}, RecordingLayout::Semicolon), u"čtvereční metr\r\n"_qs);
}

TEST(Recorder, PausedLinesAreNotWritten)
{
    test::TestFolder folder;
    const QString path = folder.path(QStringLiteral("zaznam.csv"));
    Recorder recorder;
    recorder.stop();  // stopping before recording, and twice, does nothing
    recorder.stop();
    ASSERT_FALSE(recorder.start(path, RecordingLayout::Semicolon, {u"m"_qs}));
    recorder.record({u"1"_qs});
    recorder.pause();
    recorder.record({u"2"_qs});
    recorder.record({u"3"_qs});
    recorder.resume();
    EXPECT_EQ(recorder.state(), Recorder::State::Resumed);
    recorder.record({u"4"_qs});
    recorder.stop();
    recorder.record({u"5"_qs});
    EXPECT_EQ(test::fileBytes(path), QByteArray("m\r\n1\r\n4\r\n"));
}

TEST(Recorder, FailedWritesStopWithTheReason)
{
    Recorder recorder;
    const std::optional<QString> unwritable =
        recorder.start(QStringLiteral("/nonexistent-folder/zaznam.csv"), RecordingLayout::Semicolon, {u"m"_qs});
    ASSERT_TRUE(unwritable.has_value());
    EXPECT_FALSE(unwritable->isEmpty());
    EXPECT_FALSE(recorder.isActive());

    if (!QFile::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full";
    const std::optional<QString> full =
        recorder.start(QStringLiteral("/dev/full"), RecordingLayout::Semicolon, {u"m"_qs});
    ASSERT_TRUE(full.has_value());
    EXPECT_FALSE(recorder.isActive());
}

}  // namespace
