// What the ruler watches: the cursor, the colour under it and the picture around it.
#pragma once
#include <vector>

#include "base/Monitors.h"
#include "platform/gdi/DC.h"
#include "ruler/layout/PaneLayout.h"
#include "ruler/settings/RulerSettings.h"
#include "ruler/magnifier/MagnifierGeometry.h"
#include "ruler/readouts/CursorTracking.h"
#include "ruler/win32/Magnifier.h"
#include "ruler/win32/SpanWatch.h"

// The ruler's eyes on the screen: on every tick the cursor, the magnifier's copy of the screen
// around it, the colour under it and the spans through it, and what Space holds of them. A ruler
// at rest over a still screen reads one pixel at most per tick, and only while the colour readout
// or the spans need it.
class CScreenWatch {
public:
    // What to watch for a ruler whose client rectangle `client` is laid out as `layout`: the
    // picture for its magnifier at the settings' factor, copied from the monitor under the cursor
    // of `monitors`, at the window's resolution `dpi`; and while spans are on, the span along the
    // ruler's axis, or on a ruler showing its position both across and down.
    void Arrange(const PaneLayout& layout, const Rect& client, const RulerSettings& settings,
                 const std::vector<MonitorArea>& monitors, int dpi);

    // What a tick changed: the picture (while Space holds, pointing into it picks a pixel) and
    // the spans.
    struct Changes {
        bool picture = false;
        bool spans = false;
    };
    // One tick of a ruler whose window is `window` (screen pixels); `colorShown` when the colour
    // readout is shown, so that it follows the screen under a resting mouse, as the spans do.
    Changes Tick(const Rect& window, bool colorShown);
    // The readouts' texts now: the boxes of `layout` whose text changed since the last tick.
    std::vector<Rect> ChangedBoxes(const ReadoutTexts& texts, const PaneLayout& layout) {
        return m_tracker.OnTexts(texts, layout);
    }

    // What the readouts show: the cursor and the colour under it, or what Space holds.
    ReadoutSubject Subject(Point origin) const;
    // The colour under the cursor at this moment, or the held or picked one while Space holds.
    Color ColorNow(const Rect& window);
    // Space: holds the readouts, the spans and the picture as they are, or lets them follow again.
    void ToggleHold(const Rect& window);

    bool IsHeld() const { return m_magnifier.IsHeld(); }
    const MagnifierGeometry& Geometry() const { return m_geometry; }
    const CScreenCapture& Capture() const { return m_magnifier.Capture(); }
    Rect PickedBlock() const { return m_magnifier.PickedBlock(); }

private:
    // The picture around the cursor, or around the held one, worked out once for each tick:
    // what the tick copies is what the paint shows.
    void PlacePicture();
    // The pixel under the cursor, read from `screen`.
    Color ColorUnderCursor(const CDC& screen) const;

    CursorTracker m_tracker;  // the last cursor position and colour seen
    CMagnifier m_magnifier;   // its copy of the screen, and what Space holds
    CSpanWatch m_spans;
    MagnifierGeometry m_geometry;
    Rect m_pane;
    int m_factor = 1;
    std::vector<MonitorArea> m_monitors;
    int m_dpi = 96;
};
