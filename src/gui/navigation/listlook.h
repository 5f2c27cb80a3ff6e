#pragma once

class QAbstractItemView;

namespace tolvarin {

// The navigator's lists keep their selection in the highlight colour when
// another control has the focus, so the chosen entry stays in sight.
void keepSelectionShown(QAbstractItemView* view);

}  // namespace tolvarin
