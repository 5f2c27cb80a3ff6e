#include "catalogue/datafiletext.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

struct LinesCase {
    const char* text;
    QStringList expected;
};

TEST(DataFileText, LinesEndAtCrLfLoneCrOrLoneLf)
{
    // clang-format off
    const LinesCase cases[] = {
        {"", {}}, {"a", {"a"}}, {"a\r\nb", {"a", "b"}}, {"a\rb\nc", {"a", "b", "c"}}, {"a\n\nb", {"a", "", "b"}},
        {"a\r\n", {"a"}},  // a final line end starts no empty line
        {"\r\n", {""}}, {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},  // LF CR is two line ends
    };
    // clang-format on
    for (const LinesCase& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(splitLines(text), c.expected) << c.text;
        QStringList fromViews;
        for (QStringView view : lineViews(text)) fromViews.append(view.toString());
        EXPECT_EQ(fromViews, c.expected) << c.text;
    }
}

TEST(DataFileText, Utf8WhenValidOtherwiseWindows1250)
{
    const struct {
        QByteArray bytes;
        const char* text;
        TextEncoding encoding;
    } cases[] = {{"Plošná míra", "Plošná míra", TextEncoding::Utf8},
                 {"\xEF\xBB\xBFZáklad", "Základ", TextEncoding::Utf8WithBom},
                 {"\310esk\375 loket", "Český loket", TextEncoding::Windows1250}};
    for (const auto& c : cases) {
        const DecodedText decoded = decodeDataFile(c.bytes);
        EXPECT_EQ(decoded.text, tolvarin::test::u(c.text)) << c.text;
        EXPECT_EQ(decoded.encoding, c.encoding) << c.text;
    }
}

}  // namespace
