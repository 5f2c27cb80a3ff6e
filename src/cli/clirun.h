#pragma once

#include "session.h"

#include <QStringList>

namespace tolvarin::cli {

// The whole terminal program short of writing its output: reads the
// arguments (without the program's name), runs the command and returns the
// exit status. systemLocale is the locale numbers use without --locale.
int runCli(const QStringList& arguments, const QLocale& systemLocale, CliOutput& output);

// The text of --help.
QString helpText();

}  // namespace tolvarin::cli
