#include "common/textutil.h"

namespace tolvarin {

QString joinLines(const QStringList& parts)
{
    QString text;
    for (const QString& part : parts) {
        text += part;
        text += QLatin1String("\r\n");
    }
    return text;
}

QString collapseSpaces(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char(' ') && result.endsWith(QLatin1Char(' '))) continue;
        result += c;
    }
    return result;
}

}  // namespace tolvarin
