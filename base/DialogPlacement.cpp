// Where a dialog is first shown.
#include "base/DialogPlacement.h"

#include <algorithm>

Point CentredOrigin(const Rect& window, const Rect& around, const Rect& workArea) {
    int left = around.left + (around.Width() - window.Width()) / 2;
    int top = around.top + (around.Height() - window.Height()) / 2;
    left = std::max(std::min(left, workArea.right - window.Width()), workArea.left);
    top = std::max(std::min(top, workArea.bottom - window.Height()), workArea.top);
    return {left, top};
}
