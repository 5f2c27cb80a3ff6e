#pragma once

#include <QString>

namespace tolvarin {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel, AbortRetryIgnore };
enum class MessageAnswer { Ok, Yes, No, Cancel, Abort, Retry, Ignore };

// Every message box of the program goes through this interface. The window
// shows them with QMessageBox; tests record them. No core routine opens a window.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(MessageIcon icon, const QString& title, const QString& text) = 0;
    virtual MessageAnswer ask(MessageIcon icon, const QString& title, const QString& text,
                              MessageButtons buttons, MessageAnswer defaultAnswer) = 0;
};

}  // namespace tolvarin
