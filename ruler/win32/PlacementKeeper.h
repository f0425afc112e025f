// Where the ruler is kept: restored at start, stored when the user leaves it somewhere.
#pragma once
#include <optional>
#include <vector>

#include "base/Monitors.h"
#include "platform/window/Wnd.h"
#include "ruler/placement/Nudge.h"
#include "ruler/settings/RulerSettings.h"

// The ruler's place in the store: restored at start and written whenever the user leaves the
// ruler somewhere new, but never a place the store holds already (another ruler may have moved
// since) nor a minimized window's. The arrow keys never push the ruler off the work areas.
class CPlacementKeeper {
public:
    explicit CPlacementKeeper(RulerSettingsStore& store) : m_store(store) {}

    // Brings `window`, just made from its template, to at least its smallest size at `dpi`, then
    // where the store says it was left, kept on `monitors`. False when nothing is stored: the
    // dialog manager then centres it.
    bool Restore(CWnd& window, int dpi, const std::vector<MonitorArea>& monitors);
    // While Restore moves the window: its size is right for the monitor it lands on already.
    bool IsRestoring() const { return m_restoring; }
    // Stores where `window` is now, at `dpi`.
    void Save(const CWnd& window, int dpi);

    // Moves or sizes `window` for an arrow key, stored once the arrow keys are let go (OnKeyUp)
    // or the keyboard goes elsewhere (OnKeyboardGone), not at every repeat.
    void Nudge(CWnd& window, NudgeKey key, bool shift, bool ctrl, int dpi, const std::vector<MonitorArea>& monitors);
    void OnKeyUp(const CWnd& window, int dpi);
    // Moves `window` so that its zero edge stands on `mouse`'s pixel, as far as the work areas
    // let it, and stores where it is then.
    void MoveZeroTo(CWnd& window, Point mouse, int dpi, const std::vector<MonitorArea>& monitors);
    void OnKeyboardGone(const CWnd& window, int dpi);

private:
    RulerSettingsStore& m_store;
    std::optional<StoredPlacement> m_stored;  // what the store holds, as far as this ruler knows
    bool m_restoring = false;
    bool m_nudged = false;  // moved by the arrow keys since the place was last stored
};
