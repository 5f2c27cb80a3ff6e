#pragma once

#include <QString>

#include <ostream>

// Texts in failure messages as text rather than as bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tolvarin::test {

// A literal in UTF-8, the form every test text is written in.
inline QString u(const char* text)
{
    return QString::fromUtf8(text);
}

}  // namespace tolvarin::test
