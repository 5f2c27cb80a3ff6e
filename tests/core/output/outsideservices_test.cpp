#include "output/outsideservices.h"

#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::u;

// Only given fields, in the order Subject, Body, CC, BCC, the first after
// "?"; every character that would end or change a field arrives encoded.
TEST(MailtoLink, GivenFieldsInOrderEncodedAsUtf8)
{
    const struct {
        const char* name;
        MailFields fields;
        const char* link;
    } cases[] = {
        {"none", {}, "mailto:autor@example.cz"},
        {"subject only", {u("Dotaz"), {}, {}, {}}, "mailto:autor@example.cz?Subject=Dotaz"},
        {"body only", {{}, u("Text"), {}, {}}, "mailto:autor@example.cz?Body=Text"},
        {"all four",
         {u("S"), u("B"), u("c@example.cz"), u("d@example.cz")},
         "mailto:autor@example.cz?Subject=S&Body=B&CC=c@example.cz&BCC=d@example.cz"},
        {"blanks", {u("a  b"), u(" "), {}, {}}, "mailto:autor@example.cz?Subject=a%20%20b&Body=%20"},
        {"diacritics",
         {u("připomínky ř"), {}, {}, {}},
         "mailto:autor@example.cz?Subject=p%C5%99ipom%C3%ADnky%20%C5%99"},
        {"delimiters",
         {u("a&Body=b"), u("#1 ?"), {}, {}},
         "mailto:autor@example.cz?Subject=a%26Body%3Db&Body=%231%20%3F"},
        {"percent", {u("100%"), u("%C5"), {}, {}}, "mailto:autor@example.cz?Subject=100%25&Body=%25C5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mailtoLink(u("autor@example.cz"), c.fields), QString::fromLatin1(c.link)) << c.name;
    EXPECT_EQ(mailtoLink(u("jiří&co@example.cz"), {}), u("mailto:ji%C5%99%C3%AD%26co@example.cz"));
}
