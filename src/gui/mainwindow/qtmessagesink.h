#pragma once

#include "common/messagesink.h"

class QWidget;

namespace tolvarin {

// Shows the program's messages in QMessageBox dialogs over a parent window.
class QtMessageSink : public MessageSink {
public:
    explicit QtMessageSink(QWidget* parent) : parent_(parent) {}

    void show(MessageIcon icon, const QString& title, const QString& text) override;
    MessageAnswer ask(MessageIcon icon, const QString& title, const QString& text, MessageButtons buttons,
                      MessageAnswer defaultAnswer) override;

private:
    QWidget* parent_;
};

}  // namespace tolvarin
