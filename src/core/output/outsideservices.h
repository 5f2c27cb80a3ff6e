#pragma once

#include <QString>
#include <QStringList>

// What the program needs to reach outside itself: its home page, the
// author's address and the mail link to it, and the calculators it looks for.

namespace tolvarin {

// The product's home page and the author's feedback address.
QString homePageAddress();
QString authorMailAddress();

// "1.0.0": the version of this build; "Tolvarin 1.0 - připomínky. Revize 0",
// the subject of the feedback mail.
QString fullVersion();
QString feedbackSubject();

// The fields of a mail; an empty field is left out of the link.
struct MailFields {
    QString subject;
    QString body;
    QString copy;       // CC
    QString blindCopy;  // BCC
};

// "mailto:" + address + "?Subject=…&Body=…&CC=…&BCC=…" with the given
// fields in that order. The address and every field are percent-encoded as
// UTF-8, so that "&", "#", "%", blanks and diacritics arrive as typed.
QString mailtoLink(const QString& address, const MailFields& fields);

// The calculators looked for, in the order of preference.
const QStringList& calculatorPrograms();

}  // namespace tolvarin
