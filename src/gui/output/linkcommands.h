#pragma once

#include "common/messagesink.h"

#include <QString>

namespace tolvarin {

class UrlOpener;

// "Domovská stránka" and "Připomínky k aplikaci", and the About box's
// address labels: the home page in the browser, a mail to the author in the
// mail program. When the desktop cannot open them, the user is told where
// to go or write instead.
class LinkCommands {
public:
    LinkCommands(UrlOpener& opener, MessageSink& messages) : opener_(opener), messages_(messages) {}

    void openHomePage();
    // The feedback mail, its subject naming the version.
    void sendFeedback();
    // A mail to the author with the subject "Tolvarin".
    void mailAuthor();

private:
    void mail(const QString& subject);

    UrlOpener& opener_;
    MessageSink& messages_;
};

}  // namespace tolvarin
