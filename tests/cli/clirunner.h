#pragma once

#include "support/testfiles.h"
#include "support/testtext.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace tolvarin::test {

// What one run of tolvarin-cli gave back.
struct CliResult {
    int exitCode = -1;
    QString out;  // standard output, read as UTF-8
    QString err;  // standard error, read as UTF-8
};

// Runs the built tolvarin-cli with the arguments and waits for it.
CliResult runCli(const QStringList& arguments);

// The words of a command line written in UTF-8.
QStringList words(std::initializer_list<const char*> list);

// "arg1 arg2" for failure messages.
std::string describe(const QStringList& arguments);

// tolvarin-cli --data <data/Test.tvd> --user-data <data/TestUser.tvd> --locale <locale> arguments...
CliResult runWithTestData(const QStringList& arguments, const QString& locale = QStringLiteral("en_US"));

}  // namespace tolvarin::test
