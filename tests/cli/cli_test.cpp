// tolvarin-cli as a whole: each command once on the small data files of
// data/, with its output and exit status, the usage errors, and the data files.
#include "clirunner.h"

#include <QFile>
#include <QHash>

#include <sys/stat.h>

using namespace tolvarin::test;

namespace {

// A text of the data files with its \n and \t escapes read.
QString unescaped(const QString& field)
{
    return QString::fromUtf8(escapedBytes(field));
}

TEST(Cli, EachCommandWithItsOutputAndExitStatus)
{
    for (const QStringList& f : dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/commands.txt"), 5, 27)) {
        const QStringList arguments = f[1].split(u' ', Qt::SkipEmptyParts);
        const CliResult result = runWithTestData(arguments, f[0]);
        EXPECT_EQ(result.exitCode, f[2].toInt()) << rowName(f) << "\n" << result.err.toStdString();
        EXPECT_EQ(result.out, unescaped(f[3])) << rowName(f);
        EXPECT_TRUE(f[4].isEmpty() ? result.err.isEmpty() : result.err.contains(unescaped(f[4])))
            << rowName(f) << "\n"
            << result.err.toStdString();
    }
}

TEST(Cli, TopicsWithTheirUnitCounts)
{
    const CliResult result = runWithTestData(words({"list", "--tsv"}));
    EXPECT_EQ(result.exitCode, 0);
    const QStringList lines = result.out.split(u'\n');
    ASSERT_EQ(lines.size(), 26 + 2 + 1) << result.out.toStdString();  // and the empty text after the last LF
    EXPECT_EQ(lines[0] + u' ' + lines[15] + u' ' + lines[25],
              u("1\tDelka\tDélka\t5 16\tTeplota\tTeplota\t5 26\tNasobky\tNásobky a díly\t2"));
    // A user topic is titled by the user file, or "Uživatel n".
    EXPECT_EQ(lines[26] + u' ' + lines[27], u("27\tUser\tInformace\t2 28\tUser\tUživatel 2\t1"));
}

TEST(Cli, UsageErrorsExitWithTwoAndPointToTheHelp)
{
    for (const QStringList& f : dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/usage.txt"), 2, 15)) {
        const CliResult result = runCli(f[0].split(u' ', Qt::SkipEmptyParts));
        EXPECT_EQ(result.exitCode, 2) << rowName(f);
        EXPECT_EQ(result.out, QString()) << rowName(f);
        EXPECT_EQ(result.err, u("tolvarin-cli: ") + f[1] + u("\nNápovědu vypíše tolvarin-cli --help.\n")) << rowName(f);
    }
}

TEST(Cli, HelpWinsOverErrorsAndVersion)
{
    const CliResult help = runCli(words({"--bogus", "-h"}));
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(u("Převod fyzikálních jednotek z příkazové řádky.\n"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(u("Návratový kód: 0 úspěch, 1 chyba převodu nebo dat, 2 chybné použití.\n")));
    const CliResult version = runCli(words({"--version"}));
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, u("tolvarin-cli (Tolvarin) 1.0.0\n"));
}

TEST(Cli, DataFiles)
{
    // The shipped files next to the program are the default; the
    // representations need no data file at all.
    EXPECT_EQ(runCli(words({"--locale", "en_US", "5", "km", "m"})).out, u("5000\n"));
    EXPECT_EQ(runCli(words({"--data", "/nonexistent/Tolvar.tvd", "as", "roman", "4"})).out, u("4 = IV\n"));

    TestFolder folder;
    const QHash<QString, QString> files = {
        {u("good"), folder.writeLines(u("Good.tvd"), {u("1|metr|m|1||True"), u("1|kilometr|km|1000|")})},
        {u("comma"), folder.writeLines(u("Comma.tvd"), {u("1|metr|m|1||True"), u("1|kilometr|km|1,5|")})},
        {u("missing"), folder.path(u("Chybi.tvd"))},
        {u("fifo"), folder.path(u("Fronta.tvd"))},
        {u("huge"), folder.path(u("Obrovsky.tvd"))}};
    ASSERT_EQ(::mkfifo(QFile::encodeName(files.value(u("fifo"))).constData(), 0600), 0);
    QFile huge(files.value(u("huge")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(17 << 20));  // sparse: nothing is written
    for (const QStringList& f : dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/datafiles.txt"), 5, 9)) {
        QStringList arguments = {u("--data"), files.value(f[0], f[0]), u("--user-data=") + files.value(f[1])};
        const CliResult result = runCli(arguments << words({"--locale=en_US", "1", "km", "m"}));
        EXPECT_EQ(result.exitCode, f[2].toInt()) << rowName(f);
        EXPECT_EQ(result.out, unescaped(f[3])) << rowName(f);
        EXPECT_TRUE(result.err.contains(unescaped(f[4]))) << rowName(f) << "\n" << result.err.toStdString();
    }
}

}  // namespace
