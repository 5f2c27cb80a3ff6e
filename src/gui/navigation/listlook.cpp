#include "navigation/listlook.h"

#include <QAbstractItemView>
#include <QPalette>

namespace tolvarin {

void keepSelectionShown(QAbstractItemView* view)
{
    QPalette palette = view->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
}

}  // namespace tolvarin
