#include "navigation/topicicons.h"

#include "mainwindow/svgicon.h"

#include <QFile>

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

}  // namespace

QIcon topicIcon(const QString& key)
{
    static const bool loaded = (loadTopicResources(), true);
    Q_UNUSED(loaded);
    // A key without a file of its own gets the user icon, so stray keys add no icons.
    return svgIcon(iconPath(isPlainName(key) && QFile::exists(iconPath(key)) ? key : kUserKey));
}

}  // namespace tolvarin
