#include "conversion/entryreading.h"

#include "catalogue/numericreading.h"

#include <QRegularExpression>

namespace tolvarin {

namespace {

bool isGroupBlank(QChar c) { return c == u' ' || c == u'\u00A0' || c == u'\u202F'; }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The digit groups of one part of a number: the lengths of the runs of
// digits between single group blanks.
std::optional<std::vector<int>> digitGroups(QStringView part)
{
    std::vector<int> groups(1, 0);
    for (QChar c : part) {
        if (isDigit(c)) {
            ++groups.back();
        } else if (isGroupBlank(c) && groups.back() > 0) {
            groups.push_back(0);
        } else {
            return std::nullopt;
        }
    }
    if (groups.back() == 0) return std::nullopt;
    return groups;
}

// The text without the blanks between its digit groups when it has the shape
// of the grouped form: whole digits in groups of three after the first one to
// three, decimals in groups of three of which the last may be shorter.
// Anything else comes back as it is, so that "1 5" is not read as 15.
QString withoutGroupBlanks(const QString& text, QChar point)
{
    if (std::none_of(text.begin(), text.end(), isGroupBlank)) return text;
    QStringView rest(text);
    if (rest.startsWith(u'-')) rest = rest.sliced(1);
    const qsizetype pointAt = rest.indexOf(point);
    const QStringView whole = pointAt < 0 ? rest : rest.first(pointAt);
    const QStringView decimals = pointAt < 0 ? QStringView() : rest.sliced(pointAt + 1);

    const std::optional<std::vector<int>> wholeGroups = digitGroups(whole);
    if (!wholeGroups || wholeGroups->front() > 3) return text;
    for (size_t i = 1; i < wholeGroups->size(); ++i)
        if ((*wholeGroups)[i] != 3) return text;
    if (pointAt >= 0) {
        const std::optional<std::vector<int>> decimalGroups = digitGroups(decimals);
        if (!decimalGroups) return text;
        for (size_t i = 0; i + 1 < decimalGroups->size(); ++i)
            if ((*decimalGroups)[i] != 3) return text;
    }
    QString compact = text;
    compact.removeIf(isGroupBlank);
    return compact;
}

// Whether the text is written as a number in the locale's syntax, whatever
// its magnitude.
bool looksLikeNumber(const QString& text, QChar point)
{
    static const QRegularExpression dotForm(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (point != u'.' && text.contains(u'.')) return false;
    QString dotted = text;
    dotted.replace(point, u'.');
    return dotForm.match(dotted).hasMatch();
}

QChar decimalPoint(const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    return point.size() == 1 ? point[0] : QChar(u'.');
}

}  // namespace

TypedNumber readTypedNumber(const QString& text, const QLocale& locale)
{
    const QChar point = decimalPoint(locale);
    const QString candidate = withoutGroupBlanks(text.trimmed(), point);
    TypedNumber number;
    number.value = regionalReading(candidate, locale);
    if (number.value) return number;
    if (looksLikeNumber(candidate, point)) {
        number.error = ErrorCode::Overflow;
        return number;
    }
    const QChar other = point == u',' ? QChar(u'.') : QChar(u',');
    if (candidate.count(other) == 1) {
        QString swapped = candidate;
        swapped.replace(other, point);
        number.otherDecimalSeparator = regionalReading(swapped, locale).has_value();
    }
    return number;
}

QString decimalSeparatorHint(const QLocale& locale)
{
    return QStringLiteral("Jako desetinný oddělovač použijte „") + decimalPoint(locale) + QStringLiteral("“.");
}

}  // namespace tolvarin
