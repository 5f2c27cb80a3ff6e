#pragma once

#include "support/testfiles.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

// Texts in failure messages as text rather than as bytes.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace tolvarin::test {

// What one run of tolvarin-cli gave back.
struct CliResult {
    int exitCode = -1;
    QString out;  // standard output, read as UTF-8
    QString err;  // standard error, read as UTF-8
};

// Runs the built tolvarin-cli with the arguments and waits for it.
CliResult runCli(const QStringList& arguments);

// A folder with a small main and user data file, and runs of the program on
// them. Every run names the locale explicitly.
class CliDataTest : public ::testing::Test {
public:
    // tolvarin-cli --data <main> --user-data <user> --locale <locale> arguments...
    CliResult run(const QStringList& arguments, const char* locale = "en_US") const;

protected:
    CliDataTest();

    TestFolder folder;
    QString mainFile;
    QString userFile;
};

// "arg1 arg2" for failure messages.
std::string describe(const QStringList& arguments);

}  // namespace tolvarin::test
