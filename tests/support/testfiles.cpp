#include "support/testfiles.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tolvarin::test {

TestFolder::TestFolder() { EXPECT_TRUE(dir_.isValid()); }

QString TestFolder::path(const QString& name) const { return dir_.filePath(name); }

QString TestFolder::writeBytes(const QString& name, const QByteArray& bytes) const
{
    const QString full = path(name);
    QFile file(full);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << full.toStdString();
    file.write(bytes);
    return full;
}

QString TestFolder::writeLines(const QString& name, const QStringList& lines) const
{
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
    return writeBytes(name, bytes);
}

}  // namespace tolvarin::test
