#pragma once

#include "common/messagesink.h"

#include <QList>

namespace tolvarin {

// Keeps every message instead of showing it, and answers questions from a queue
// (or with the default answer when the queue is empty). Used by tests and by
// the terminal program, which prints what was recorded.
class RecordingMessageSink : public MessageSink {
public:
    struct Message {
        MessageIcon icon;
        QString title;
        QString text;
    };

    void show(MessageIcon icon, const QString& title, const QString& text) override
    {
        messages.append({icon, title, text});
    }

    MessageAnswer ask(MessageIcon icon, const QString& title, const QString& text, MessageButtons,
                      MessageAnswer defaultAnswer) override
    {
        messages.append({icon, title, text});
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }

    QList<Message> messages;
    QList<MessageAnswer> answers;
};

}  // namespace tolvarin
