#pragma once

#include <QIcon>
#include <QString>

namespace tolvarin {

// The icon of a topic key ("Delka" ... "Nasobky", or "User" for the user
// topics), drawn from the SVG files built into the program. A key that has no
// icon of its own gets the user-topic icon. Icons are made once per key.
QIcon topicIcon(const QString& key);

}  // namespace tolvarin
