#include "output/outsideservices.h"

#include "common/apptitle.h"

#include <QUrl>

namespace tolvarin {

QString homePageAddress()
{
    return QStringLiteral("https://tolvarin.invalid/");
}

QString authorMailAddress()
{
    return QStringLiteral("tolvarin@tolvarin.invalid");
}

QString fullVersion()
{
    return QStringLiteral(TOLVARIN_VERSION);
}

QString feedbackSubject()
{
    return appCaption() + QStringLiteral(" - připomínky. Revize ") + QString::number(TOLVARIN_VERSION_PATCH);
}

QString mailtoLink(const QString& address, const MailFields& fields)
{
    // "@" separates the parts of an address and may stand as it is.
    const auto encoded = [](const QString& text) { return QString::fromLatin1(QUrl::toPercentEncoding(text, "@")); };
    QString query;
    const std::pair<const char*, const QString*> named[] = {
        {"Subject", &fields.subject}, {"Body", &fields.body}, {"CC", &fields.copy}, {"BCC", &fields.blindCopy}};
    for (const auto& [name, value] : named) {
        if (value->isEmpty()) continue;
        query += (query.isEmpty() ? QLatin1Char('?') : QLatin1Char('&')) + QLatin1String(name) + QLatin1Char('=') +
                 encoded(*value);
    }
    return QStringLiteral("mailto:") + encoded(address) + query;
}

const QStringList& calculatorPrograms()
{
    static const QStringList programs = {QStringLiteral("gnome-calculator"),
                                         QStringLiteral("kcalc"),
                                         QStringLiteral("mate-calc"),
                                         QStringLiteral("galculator"),
                                         QStringLiteral("qalculate-gtk"),
                                         QStringLiteral("speedcrunch"),
                                         QStringLiteral("xcalc")};
    return programs;
}

}  // namespace tolvarin
