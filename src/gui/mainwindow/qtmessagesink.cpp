#include "mainwindow/qtmessagesink.h"

#include <QMessageBox>

namespace tolvarin {

namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQt(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok: return QMessageBox::Ok;
    case MessageAnswer::Yes: return QMessageBox::Yes;
    case MessageAnswer::No: return QMessageBox::No;
    case MessageAnswer::Cancel: return QMessageBox::Cancel;
    case MessageAnswer::Abort: return QMessageBox::Abort;
    case MessageAnswer::Retry: return QMessageBox::Retry;
    case MessageAnswer::Ignore: return QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

// Message texts end their lines with CR LF; the dialog wants plain LF.
QString displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (shown.endsWith(QLatin1Char('\n'))) shown.chop(1);
    return shown;
}

}  // namespace

void QtMessageSink::show(MessageIcon icon, const QString& title, const QString& text)
{
    QMessageBox box(toQt(icon), title, displayText(text), QMessageBox::Ok, parent_);
    box.exec();
}

MessageAnswer QtMessageSink::ask(MessageIcon icon, const QString& title, const QString& text, MessageButtons buttons,
                                 MessageAnswer defaultAnswer)
{
    QMessageBox::StandardButtons set = QMessageBox::Ok;
    if (buttons == MessageButtons::YesNo) set = QMessageBox::Yes | QMessageBox::No;
    if (buttons == MessageButtons::YesNoCancel) set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    if (buttons == MessageButtons::AbortRetryIgnore) set = QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    QMessageBox box(toQt(icon), title, displayText(text), set, parent_);
    box.setDefaultButton(toQt(defaultAnswer));
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Abort: return MessageAnswer::Abort;
    case QMessageBox::Retry: return MessageAnswer::Retry;
    case QMessageBox::Ignore: return MessageAnswer::Ignore;
    default: return MessageAnswer::Ok;
    }
}

}  // namespace tolvarin
