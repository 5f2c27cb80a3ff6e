#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "support/testtext.h"

#include <string>
#include <utility>

namespace tolvarin::test {

// A temporary folder that holds the data files of one test.
class TestFolder {
public:
    TestFolder();
    // Writes the bytes as they are and returns the full path.
    QString writeBytes(const QString& name, const QByteArray& bytes) const;
    // Joins the lines with CR LF (and a final CR LF) and writes them as UTF-8.
    QString writeLines(const QString& name, const QStringList& lines) const;
    QString path(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// The bytes of a file; "(missing)" when it cannot be read.
QByteArray fileBytes(const QString& path);

// The lines of a UTF-8 test data file, without empty lines and the comment
// lines that start with "#"; a line keeps every other character, blanks and
// tabs included. Fails the test when the file cannot be read.
QStringList dataFileLines(const QString& path);

// The fields of a data file line cut at every "|", without the blanks around
// them; a field in double quotes keeps its own blanks.
QStringList dataFields(const QString& line);

// The lines of a test data file cut into their fields, those with exactly
// `fields` fields (any number when 0). Fails the test for every other line
// and when fewer than `atLeast` lines are left.
QList<QStringList> dataRows(const QString& path, qsizetype fields, qsizetype atLeast);

// A row of dataRows as failure messages name it.
std::string rowName(const QStringList& fields);

// The "name=text" items of a field, separated by ";"; a quoted text keeps its
// blanks.
QList<std::pair<QString, QString>> dataItems(const QString& field);

// The bytes of a data file field written with the escapes \r, \n, \t and \xNN
// (a backslash before any other character stands for that character).
QByteArray escapedBytes(const QString& field);

}  // namespace tolvarin::test
