#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace tolvarin {

// The plain-text part of the system clipboard, the only part the program
// uses. Tests give the window their own in-memory clipboard.
class ClipboardAccess {
public:
    virtual ~ClipboardAccess() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual bool hasText() const = 0;
    // Called whenever the clipboard's content changes, also by another program.
    virtual void setChangeHandler(std::function<void()> handler) = 0;
};

// The system clipboard through QClipboard.
class SystemClipboard : public ClipboardAccess {
public:
    SystemClipboard();
    ~SystemClipboard() override;

    QString text() const override;
    void setText(const QString& text) override;
    bool hasText() const override;
    void setChangeHandler(std::function<void()> handler) override;

private:
    std::function<void()> handler_;
    QMetaObject::Connection connection_;
};

}  // namespace tolvarin
