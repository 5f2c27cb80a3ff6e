#include "clirunner.h"

#include <QProcess>

namespace tolvarin::test {

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

CliResult runWithTestData(const QStringList& arguments, const QString& locale)
{
    return runCli(QStringList{QStringLiteral("--data"), QStringLiteral(TOLVARIN_TEST_DATA_DIR "/Test.tvd"),
                              QStringLiteral("--user-data"), QStringLiteral(TOLVARIN_TEST_DATA_DIR "/TestUser.tvd"),
                              QStringLiteral("--locale"), locale} +
                  arguments);
}

QStringList words(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* word : list) result.append(QString::fromUtf8(word));
    return result;
}

std::string describe(const QStringList& arguments)
{
    return arguments.join(QLatin1Char(' ')).toStdString();
}

}  // namespace tolvarin::test
