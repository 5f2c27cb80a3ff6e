#include "conversion/clipboardaccess.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tolvarin {

SystemClipboard::SystemClipboard()
{
    connection_ = QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, [this] {
        if (handler_) handler_();
    });
}

SystemClipboard::~SystemClipboard()
{
    QObject::disconnect(connection_);
}

QString SystemClipboard::text() const
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

void SystemClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

bool SystemClipboard::hasText() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    return data && data->hasText();
}

void SystemClipboard::setChangeHandler(std::function<void()> handler)
{
    handler_ = std::move(handler);
}

}  // namespace tolvarin
