#include "navigation/topicicons.h"

#include "mainwindow/svgicon.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

// The icons live in a static library: without a reference from code that is
// linked in, the linker would drop the compiled resource file.
static void loadTopicResources()
{
    Q_INIT_RESOURCE(topics);
}

namespace tolvarin {

namespace {

const QString kUserKey = QStringLiteral("User");

// Keys are plain ASCII names; anything else never reaches the resource path.
bool isPlainName(const QString& key)
{
    if (key.isEmpty()) return false;
    for (QChar c : key)
        if (c.unicode() > 127 || !c.isLetterOrNumber()) return false;
    return true;
}

QString iconPath(const QString& key)
{
    return QStringLiteral(":/topics/") + key + QStringLiteral(".svg");
}

QHash<QString, QIcon>& iconCache()
{
    static QHash<QString, QIcon> cache;
    return cache;
}

// Icons hold pixmaps, which must not outlive the application object.
void dropIcons()
{
    iconCache().clear();
}

}  // namespace

QIcon topicIcon(const QString& key)
{
    static const bool loaded = (loadTopicResources(), true);
    Q_UNUSED(loaded);
    QHash<QString, QIcon>& cache = iconCache();
    if (cache.isEmpty()) qAddPostRoutine(dropIcons);

    // Only keys with a file of their own are cached, so stray keys cannot grow the cache.
    const QString shown = isPlainName(key) && QFile::exists(iconPath(key)) ? key : kUserKey;
    auto found = cache.constFind(shown);
    if (found != cache.constEnd()) return *found;
    return *cache.insert(shown, svgIcon(iconPath(shown)));
}

}  // namespace tolvarin
