#include "mainwindow/svgicon.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>
#include <optional>

namespace tolvarin {

namespace {

// The parsed document and the pixmaps drawn from it, shared by the copies
// of one icon.
struct SvgDrawing {
    QString path;
    std::optional<bool> exists;  // asked often (menus and buttons ask before each paint)
    std::optional<QSvgRenderer> renderer;
    QHash<quint64, QPixmap> drawn;

    QSvgRenderer& document()
    {
        if (!renderer) renderer.emplace(path);
        return *renderer;
    }
};

quint64 pixmapKey(QSize size, QIcon::Mode mode)
{
    return (quint64(quint16(size.width())) << 32) | (quint64(quint16(size.height())) << 16) | quint64(mode);
}

class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(const QString& path) : drawing_(std::make_shared<SvgDrawing>())
    {
        drawing_->path = path;
    }

    // Scalable: every requested size is drawn as asked, the picture centred
    // in it with its own proportions.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        if (size.isEmpty()) return QPixmap();
        const quint64 key = pixmapKey(size, mode);
        const auto found = drawing_->drawn.constFind(key);
        if (found != drawing_->drawn.constEnd()) return *found;

        // The other looks are made from the normal one, which is kept too.
        QPixmap drawn = mode == QIcon::Normal ? render(size) : styled(pixmap(size, QIcon::Normal, state), mode);
        drawing_->drawn.insert(key, drawn);
        return drawn;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    QIconEngine* clone() const override { return new SvgIconEngine(*this); }
    QString key() const override { return QStringLiteral("tolvarin-svg"); }
    bool isNull() override
    {
        if (!drawing_->exists) drawing_->exists = QFile::exists(drawing_->path);
        return !*drawing_->exists;
    }

private:
    SvgIconEngine(const SvgIconEngine& other) = default;

    QPixmap render(QSize size)
    {
        QSvgRenderer& document = drawing_->document();
        if (!document.isValid()) return QPixmap();
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QSizeF fitted = document.defaultSize().isEmpty() ? QSizeF(size) : QSizeF(document.defaultSize());
        fitted.scale(QSizeF(size), Qt::KeepAspectRatio);
        QPainter painter(&image);
        document.render(&painter, QRectF(QPointF((size.width() - fitted.width()) / 2,
                                                 (size.height() - fitted.height()) / 2),
                                         fitted));
        painter.end();
        return QPixmap::fromImage(std::move(image));
    }

    // Disabled, active and selected looks come from the style, as for any icon.
    static QPixmap styled(const QPixmap& normal, QIcon::Mode mode)
    {
        if (normal.isNull() || !QApplication::style()) return normal;
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, normal, &option);
    }

    std::shared_ptr<SvgDrawing> drawing_;
};

QHash<QString, QIcon>& iconsByPath()
{
    static QHash<QString, QIcon> icons;
    return icons;
}

// Icons hold pixmaps, which must not outlive the application object.
void dropIcons() { iconsByPath().clear(); }

}  // namespace

QIcon svgIcon(const QString& path)
{
    QHash<QString, QIcon>& icons = iconsByPath();
    if (icons.isEmpty()) qAddPostRoutine(dropIcons);
    const auto found = icons.constFind(path);
    if (found != icons.constEnd()) return *found;
    return *icons.insert(path, QIcon(new SvgIconEngine(path)));
}

}  // namespace tolvarin
