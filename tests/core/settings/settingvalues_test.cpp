#include "conversion/decimaltext.h"
#include "settings/settingvalues.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

using namespace tolvarin;

namespace {

const QLocale kCzech(QLocale::Czech, QLocale::Czechia);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// Expected outcome of a conversion: a value, or the error.
template <typename T>
struct Outcome {
    std::optional<T> value;
    ErrorCode error = ErrorCode::TypeMismatch;
};

template <typename T>
Outcome<T> ok(T value)
{
    return {value, ErrorCode::TypeMismatch};
}
template <typename T>
Outcome<T> fails(ErrorCode error)
{
    return {std::nullopt, error};
}

template <typename T>
void expectOutcome(const Result<T>& actual, const Outcome<T>& expected, const QString& row)
{
    ASSERT_EQ(actual.ok(), expected.value.has_value()) << row.toStdString();
    if (expected.value)
        EXPECT_EQ(actual.value(), *expected.value) << row.toStdString();
    else
        EXPECT_EQ(actual.error(), expected.error) << row.toStdString();
}

struct Int16Case {
    QString text;
    const QLocale* locale;
    Outcome<qint16> expected;
};

TEST(SettingValues, WholeNumbersOf16Bits)
{
    const Int16Case cases[] = {
        {"0", &kCzech, ok<qint16>(0)},
        {" 4 ", &kCzech, ok<qint16>(4)},  // blanks around are allowed
        {"+7", &kEnglish, ok<qint16>(7)},
        {"-1", &kCzech, ok<qint16>(-1)},
        {"32767", &kCzech, ok<qint16>(32767)},
        {"-32768", &kEnglish, ok<qint16>(-32768)},
        {"32768", &kCzech, fails<qint16>(ErrorCode::Overflow)},
        {"-32769", &kEnglish, fails<qint16>(ErrorCode::Overflow)},
        {"99999999999999999999999", &kCzech, fails<qint16>(ErrorCode::Overflow)},
        {kCzech.toString(12000), &kCzech, ok<qint16>(12000)},  // "12 000" with the locale's group separator
        {"12,000", &kEnglish, ok<qint16>(12000)},
        {"3,0", &kCzech, ok<qint16>(3)},  // a whole number in the locale's decimal form
        {"2,5", &kCzech, fails<qint16>(ErrorCode::TypeMismatch)},
        {"2.5", &kEnglish, fails<qint16>(ErrorCode::TypeMismatch)},
        {"1e9", &kEnglish, fails<qint16>(ErrorCode::Overflow)},
        {"A", &kCzech, fails<qint16>(ErrorCode::TypeMismatch)},
        {"4 4", &kCzech, fails<qint16>(ErrorCode::TypeMismatch)},
        {"", &kEnglish, fails<qint16>(ErrorCode::TypeMismatch)},
        {"nan", &kEnglish, fails<qint16>(ErrorCode::TypeMismatch)},
    };
    for (const Int16Case& c : cases)
        expectOutcome(toInt16(c.text, *c.locale), c.expected, c.text + " in " + c.locale->name());
}

struct Int32Case {
    QString text;
    Outcome<qint32> expected;
};

TEST(SettingValues, WholeNumbersOf32Bits)
{
    const Int32Case cases[] = {
        {"2147483647", ok<qint32>(std::numeric_limits<qint32>::max())},
        {"-2147483648", ok<qint32>(std::numeric_limits<qint32>::min())},
        {"-2147483634", ok<qint32>(-2147483634)},  // the default colour of the entered cell
        {"2147483648", fails<qint32>(ErrorCode::Overflow)},
        {"-2147483649", fails<qint32>(ErrorCode::Overflow)},
        {"40000", ok<qint32>(40000)},
        {"x1", fails<qint32>(ErrorCode::TypeMismatch)},
    };
    for (const Int32Case& c : cases)
        for (const QLocale* locale : {&kCzech, &kEnglish})
            expectOutcome(toInt32(c.text, *locale), c.expected, c.text + " in " + locale->name());
}

struct BooleanCase {
    QString text;
    const QLocale* locale;
    Outcome<bool> expected;
};

TEST(SettingValues, BooleansInAnyCaseOrNumeric)
{
    const BooleanCase cases[] = {
        {"True", &kCzech, ok(true)},
        {"false", &kCzech, ok(false)},
        {"TRUE", &kEnglish, ok(true)},
        {" False ", &kEnglish, ok(false)},
        {"0", &kCzech, ok(false)},
        {"1", &kCzech, ok(true)},
        {"-1", &kEnglish, ok(true)},
        {"2", &kEnglish, ok(true)},
        {"0,0", &kCzech, ok(false)},
        {"0.5", &kEnglish, ok(true)},
        {"ano", &kCzech, fails<bool>(ErrorCode::TypeMismatch)},
        {"", &kCzech, fails<bool>(ErrorCode::TypeMismatch)},
        {"Truex", &kEnglish, fails<bool>(ErrorCode::TypeMismatch)},
    };
    for (const BooleanCase& c : cases)
        expectOutcome(toBoolean(c.text, *c.locale), c.expected, c.text + " in " + c.locale->name());
    EXPECT_EQ(booleanText(true), "True");
    EXPECT_EQ(booleanText(false), "False");
}

struct SingleCase {
    QString text;
    const QLocale* locale;
    Outcome<float> expected;
};

TEST(SettingValues, SinglesInTheLocaleOrPlainForm)
{
    const SingleCase cases[] = {
        {"7590", &kCzech, ok(7590.0f)},
        {"12,5", &kCzech, ok(12.5f)},
        {"12.5", &kEnglish, ok(12.5f)},
        {"12.5", &kCzech, ok(12.5f)},  // a store written under an English locale
        {" -100 ", &kEnglish, ok(-100.0f)},
        {"1e39", &kEnglish, fails<float>(ErrorCode::Overflow)},
        {"abc", &kCzech, fails<float>(ErrorCode::TypeMismatch)},
        {"", &kCzech, fails<float>(ErrorCode::TypeMismatch)},
    };
    for (const SingleCase& c : cases)
        expectOutcome(toSingle(c.text, *c.locale), c.expected, c.text + " in " + c.locale->name());
}

TEST(SettingValues, SingleTextReadsBackAsTheSameSingle)
{
    const float values[] = {7590.0f, 12.5f, 0.1f, 1e-3f, 123456.7f, 3.4e38f, -100.25f, 8.0f};
    for (const QLocale* locale : {&kCzech, &kEnglish}) {
        for (float value : values) {
            const QString text = singleText(value, *locale);
            const Result<float> back = toSingle(text, *locale);
            ASSERT_TRUE(back.ok()) << text.toStdString();
            EXPECT_EQ(back.value(), value) << text.toStdString() << " in " << locale->name().toStdString();
        }
    }
    EXPECT_EQ(singleText(12.5f, kCzech), "12,5");
    EXPECT_EQ(singleText(7590.0f, kCzech), "7590");  // no group separator
    EXPECT_EQ(singleText(8.0f, kEnglish), "8");
}

TEST(SettingValues, DobaWrittenInOneLocaleReadsBackInAnother)
{
    const double values[] = {0.0, 303.0 / 86400.0, 1.0 / 3.0, 12345.678901234567, 1e-9, 2.5};
    for (double value : values) {
        const QString text = dobaText(value);
        for (const QLocale* locale : {&kCzech, &kEnglish}) {
            const Result<double> back = toDoba(text, *locale);
            ASSERT_TRUE(back.ok()) << text.toStdString();
            EXPECT_EQ(back.value(), value) << text.toStdString() << " in " << locale->name().toStdString();
        }
    }
}

struct DobaCase {
    QString text;
    const QLocale* locale;
    Outcome<double> expected;
};

TEST(SettingValues, DobaOfOlderStoresAndBadTexts)
{
    const DobaCase cases[] = {
        {"0,5", &kCzech, ok(0.5)},
        {"0,5", &kEnglish, ok(0.5)},  // decimal comma of a Czech store
        {"0.25", &kCzech, ok(0.25)},
        {" 0 ", &kEnglish, ok(0.0)},
        {"-0.125", &kEnglish, ok(-0.125)},
        {"3,5E-03", &kCzech, ok(0.0035)},
        {"abc", &kCzech, fails<double>(ErrorCode::TypeMismatch)},
        {"", &kEnglish, fails<double>(ErrorCode::TypeMismatch)},
        {"nan", &kEnglish, fails<double>(ErrorCode::TypeMismatch)},
        {"1,2,3", &kEnglish, fails<double>(ErrorCode::TypeMismatch)},
    };
    for (const DobaCase& c : cases)
        expectOutcome(toDoba(c.text, *c.locale), c.expected, c.text + " in " + c.locale->name());
    for (const QString& endless : {QStringLiteral("inf"), QStringLiteral("1e400")})
        EXPECT_FALSE(toDoba(endless, kEnglish).ok()) << endless.toStdString();
}

}  // namespace
