#include "datalocation.h"

#include <QFileInfo>

#include <unistd.h>

#include <array>

namespace tolvarin::cli {

QString programFolder()
{
    // /proc/self/exe needs no QCoreApplication, which the terminal program
    // does without to start quickly.
    std::array<char, 4096> buffer{};
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) return QString();
    return QFileInfo(QString::fromLocal8Bit(buffer.data(), length)).absolutePath();
}

}  // namespace tolvarin::cli
