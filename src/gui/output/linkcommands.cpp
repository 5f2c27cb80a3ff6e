#include "output/linkcommands.h"

#include "common/apptitle.h"
#include "common/textutil.h"
#include "output/desktopaccess.h"
#include "output/outsideservices.h"

namespace tolvarin {

namespace {

void reportNoConnection(MessageSink& messages, const QString& advice)
{
    messages.show(MessageIcon::Exclamation, appTitle(),
                  joinLines({QStringLiteral("Spojení se nepodařilo."), QString(), advice}));
}

}  // namespace

void LinkCommands::openHomePage()
{
    if (opener_.open(QUrl(homePageAddress(), QUrl::StrictMode))) return;
    reportNoConnection(messages_, QStringLiteral("Pokud jste připojeni k internetu pokuste se zadat adresu ") +
                                      homePageAddress() + QStringLiteral(" sami."));
}

void LinkCommands::sendFeedback()
{
    mail(feedbackSubject());
}

void LinkCommands::mailAuthor()
{
    mail(appTitle());
}

void LinkCommands::mail(const QString& subject)
{
    const QString link = mailtoLink(authorMailAddress(), {subject, {}, {}, {}});
    if (opener_.open(QUrl::fromEncoded(link.toLatin1(), QUrl::StrictMode))) return;
    reportNoConnection(messages_, QStringLiteral("Pokud jste připojeni k internetu pokuste se mailovat na ") +
                                      authorMailAddress() + QLatin1Char('.'));
}

}  // namespace tolvarin
