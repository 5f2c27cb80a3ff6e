#include "catalogue/datafiletext.h"

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

struct LinesCase {
    const char* text;
    QStringList expected;
};

TEST(DataFileText, LinesEndAtCrLfLoneCrOrLoneLf)
{
    const LinesCase cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\r\n", {"a"}},  // a final line end starts no empty line
        {"a\n\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},  // LF CR is two line ends
        {"1|m|m|1\r\n2|s|s|1\r\n", {"1|m|m|1", "2|s|s|1"}},
    };
    for (const LinesCase& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(splitLines(text), c.expected) << c.text;
        const QList<QStringView> views = lineViews(text);
        QStringList fromViews;
        for (QStringView view : views) fromViews.append(view.toString());
        EXPECT_EQ(fromViews, c.expected) << c.text;
    }
}

}  // namespace
