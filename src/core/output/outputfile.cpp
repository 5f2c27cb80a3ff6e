#include "output/outputfile.h"

#include "catalogue/datafilelocation.h"

#include "output/outputlayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace tolvarin {

namespace {

const QString kFileName = QStringLiteral("TOLVAR.ASC");

}  // namespace

OutputFile::OutputFile(const QString& folder) : folder_(folder) {}

QString OutputFile::defaultFolder()
{
    return userDataFolder();
}

QString OutputFile::path() const
{
    return QDir(folder_).filePath(kFileName);
}

OutputFileStatus OutputFile::status() const
{
    OutputFileStatus status;
    status.exists = QFileInfo::exists(path());
    if (!status.exists) return status;
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        status.error = file.errorString();
    else
        status.size = file.size();
    return status;
}

OutputFileLines OutputFile::readLines() const
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly)) return {{}, file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {{}, file.errorString()};
    QStringList lines = QString::fromUtf8(bytes).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (lines.last().isEmpty()) lines.removeLast();  // the end of the last line
    return {lines, {}};
}

std::optional<QString> OutputFile::write(const QStringList& lines, Write mode, bool separator) const
{
    QByteArray bytes;
    for (const QString& line : separator ? QStringList{separatorLine()} + lines : lines)
        bytes += line.toUtf8() + "\r\n";
    QDir().mkpath(folder_);  // a failure shows as the file's own reason below

    if (mode == Write::Replace) {
        QSaveFile file(path());
        if (!file.open(QIODevice::WriteOnly)) return file.errorString();
        if (file.write(bytes) != bytes.size()) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        if (!file.commit()) return file.errorString();
        return std::nullopt;
    }

    QFile file(path());
    // Unbuffered: the block goes out in this one write, and nothing is left to
    // be written when the file closes after a failure.
    if (!file.open(QIODevice::Append | QIODevice::Unbuffered)) return file.errorString();
    const qint64 oldSize = file.size();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        if (!file.isSequential()) file.resize(oldSize);  // no part of the block stays behind
        return reason;
    }
    return std::nullopt;
}

QString outputFileLabel(const OutputFileStatus& status)
{
    if (!status.exists) return kFileName + QStringLiteral(" neexistuje");
    if (!status.readable()) return kFileName;
    return kFileName + QLatin1Char(' ') + QString::number(status.size) + QStringLiteral(" B");
}

QString outputFilePathLabel(const QString& path)
{
    return QStringLiteral("Soubor: ") + QDir::toNativeSeparators(path);
}

QString printerLabel(const QString& printerName)
{
    return QStringLiteral("Tiskárna: ") + printerName;
}

}  // namespace tolvarin
