// The magnifier's copy of the screen, and what Space holds.
#pragma once
#include <optional>

#include "ruler/magnifier/MagnifierGeometry.h"
#include "ruler/magnifier/MagnifierWatch.h"
#include "ruler/readouts/ReadoutText.h"
#include "ruler/win32/ScreenCapture.h"

// The magnifier's live side: the copy of the screen it shows, made anew on every tick and
// watched for change, and what Space holds: the readouts' subject and that copy. While it
// holds, pointing into the picture picks one of the copy's pixels.
class CMagnifier {
public:
    // One tick for the picture `geometry` describes: copies it from `screen` unless a hold
    // keeps the copy; true when the magnifier's inside is to be repainted.
    bool Tick(const MagnifierGeometry& geometry, const CDC& screen);
    // The colour of a screen pixel as the copy holds it, when it does.
    std::optional<Color> ColorAt(Point pixel) const { return m_capture.ColorAt(pixel); }
    const CScreenCapture& Capture() const { return m_capture; }

    bool IsHeld() const { return m_hold.has_value(); }
    // Holds `subject` with the copy the last tick made.
    void Hold(const ReadoutSubject& subject) { m_hold = Held{subject, std::nullopt, {}}; }
    void Release() { m_hold.reset(); }
    // While holding: picks the held pixel under `mouse` (client pixels) when it points into the
    // picture; true when what is picked changed.
    bool Pick(const MagnifierGeometry& geometry, Point mouse);
    // What the readouts show: the picked pixel (at the ruler's place at the hold), the held
    // subject, or `live` without a hold.
    ReadoutSubject Subject(const ReadoutSubject& live) const;
    // The cursor the held picture is around; `live` without a hold.
    Point Cursor(Point live) const { return m_hold ? m_hold->subject.cursor : live; }
    Rect PickedBlock() const { return m_hold ? m_hold->pickedBlock : Rect{}; }

private:
    struct Held {
        ReadoutSubject subject;
        std::optional<Point> picked;
        Rect pickedBlock;
    };

    CScreenCapture m_capture;
    MagnifierWatch m_watch;
    std::optional<Held> m_hold;
};
