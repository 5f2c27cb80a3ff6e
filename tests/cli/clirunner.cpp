#include "clirunner.h"

#include <QProcess>

namespace tolvarin::test {

namespace {

// Lengths: metres; area: square metres; plane angle: radians; temperature;
// the prefixes, whose milli shares its symbol with the metre. Marked units
// for the levels, and a unit so small that lengths of kilometres overflow a
// single in it.
const QStringList kMainFile = {
    QStringLiteral("'zkušební data"),
    QStringLiteral("1|metr|m|1|Základní jednotka délky.|True"),
    QStringLiteral("1|kilometr|km|1000|Tisíc metrů."),
    QStringLiteral("1|+palec|in|0.0254|Palec."),
    QStringLiteral("1|*loket|lok|0.5914|Český loket."),
    QStringLiteral("1|Planckova délka|lP|1.616255E-35|Nejmenší délka."),
    QStringLiteral("2|metr čtvereční|m²|1||True"),
    QStringLiteral("2|ar|a|100|"),
    QStringLiteral("2|hektar|ha|10000|"),
    QStringLiteral("10|radián|rad|1||True"),
    QStringLiteral("10|stupeň|°|PI/180|"),
    QStringLiteral("16|kelvin|K|1||True"),
    QStringLiteral("16|stupeň Celsia|°C|1|"),
    QStringLiteral("16|stupeň Fahrenheita|°F|5/9|"),
    QStringLiteral("16|stupeň Rankina|°R|5/9|"),
    QStringLiteral("16|stupeň Réaumura|°Ré|1.25|"),
    QStringLiteral("26|jedna|1|1||True"),
    QStringLiteral("26|mili|m|0.001|"),
};

// User topic 1 is named in the file, user topic 2 is not.
const QStringList kUserFile = {
    QStringLiteral("'U1=Informace"),
    QStringLiteral("1|bit|b|1|Jedna dvojková číslice."),
    QStringLiteral("1|bajt|B|8|"),
    QStringLiteral("2|závaží|g|1|"),
};

}  // namespace

CliResult runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TOLVARIN_CLI_PATH), arguments);
    CliResult result;
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "tolvarin-cli did not finish normally: " << describe(arguments);
        process.kill();
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

CliDataTest::CliDataTest()
    : mainFile(folder.writeLines(QStringLiteral("Test.tvd"), kMainFile)),
      userFile(folder.writeLines(QStringLiteral("TestUser.tvd"), kUserFile))
{
}

CliResult CliDataTest::run(const QStringList& arguments, const char* locale) const
{
    return runCli(QStringList{QStringLiteral("--data"), mainFile, QStringLiteral("--user-data"), userFile,
                              QStringLiteral("--locale"), QString::fromLatin1(locale)} +
                  arguments);
}

std::string describe(const QStringList& arguments)
{
    return arguments.join(QLatin1Char(' ')).toStdString();
}

}  // namespace tolvarin::test
