#include "support/testfiles.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tolvarin::test {

TestFolder::TestFolder()
{
    EXPECT_TRUE(dir_.isValid());
}

QString TestFolder::path(const QString& name) const
{
    return dir_.filePath(name);
}

QString TestFolder::writeBytes(const QString& name, const QByteArray& bytes) const
{
    const QString full = path(name);
    QFile file(full);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << full.toStdString();
    file.write(bytes);
    return full;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QStringList dataFileLines(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        QString text = line;
        if (text.endsWith(QLatin1Char('\r'))) text.chop(1);
        if (!text.isEmpty() && !text.startsWith(QLatin1Char('#'))) lines.append(text);
    }
    return lines;
}

QStringList dataFields(const QString& line)
{
    QStringList fields = line.split(QLatin1Char('|'));
    for (QString& field : fields) {
        field = field.trimmed();
        if (field.size() >= 2 && field.startsWith(QLatin1Char('"')) && field.endsWith(QLatin1Char('"')))
            field = field.mid(1, field.size() - 2);
    }
    return fields;
}

QList<QStringList> dataRows(const QString& path, qsizetype fields, qsizetype atLeast)
{
    QList<QStringList> rows;
    for (const QString& line : dataFileLines(path)) {
        const QStringList f = dataFields(line);
        if (fields == 0 || f.size() == fields)
            rows.append(f);
        else
            ADD_FAILURE() << "not " << fields << " fields: " << line.toStdString();
    }
    EXPECT_GE(rows.size(), atLeast) << path.toStdString();
    return rows;
}

std::string rowName(const QStringList& fields)
{
    QStringList shown;  // quoted again where the blanks at either end count
    for (const QString& field : fields) shown << (field.trimmed() == field ? field : u'"' + field + u'"');
    return shown.join(QStringLiteral(" | ")).toStdString();
}

QList<std::pair<QString, QString>> dataItems(const QString& field)
{
    QList<std::pair<QString, QString>> items;
    for (const QString& item : field.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString text = dataFields(item.section(QLatin1Char('='), 1)).value(0);
        items.append({item.section(QLatin1Char('='), 0, 0).trimmed(), text});
    }
    return items;
}

QByteArray escapedBytes(const QString& field)
{
    QByteArray bytes;
    const QByteArray utf8 = field.toUtf8();
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '\\' || i + 1 >= utf8.size()) {
            bytes += utf8[i];
        } else if (utf8[i + 1] == 'x') {
            bytes += char(utf8.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
        } else {
            const char c = utf8[i + 1];
            bytes += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
            ++i;
        }
    }
    return bytes;
}

QString TestFolder::writeLines(const QString& name, const QStringList& lines) const
{
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
    return writeBytes(name, bytes);
}

}  // namespace tolvarin::test
