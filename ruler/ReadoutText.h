#pragma once
#include <array>
#include <string>
#include <vector>

#include "ruler/Color.h"
#include "ruler/Geometry.h"
#include "ruler/RulerUnit.h"

// The texts of the three readouts. The position and distance readouts use the resolution
// `dpi` of the monitor the ruler is on only: the zoom calibrates the centimetre scale, not the
// readouts.

// The cursor's reading on the scale in pixels: its offset from the window's top-left corner,
// which is the scale's zero since the window has no border. Wraps like 32-bit arithmetic.
Point CursorOffset(Point cursor, Point windowOrigin);

// Lines of the position readout, top to bottom. Pixels: the absolute screen x and y.
// Logical pixels: x and y offsets in whole logical pixels, then x in device pixels.
// Centimetres and inches: x and y in millimetres or inches with one decimal, then x in
// pixels. No lines for an unknown unit.
std::vector<std::string> PositionLines(Point cursor, Point windowOrigin, RulerUnit unit, int dpi);

// The distance readout: the cursor's x offset in the unit (pixels, logical pixels rounded
// halves away from zero, or millimetres or inches with one decimal); empty for an unknown unit.
std::string DistanceText(Point cursor, Point windowOrigin, RulerUnit unit, int dpi);

// The colour readout: red, green and blue as "%03d-%03d-%03d" and as "%02X-%02X-%02X".
// The fourth byte of the colour is ignored.
std::array<std::string, 2> ColorLines(Color color);

// The colour as it is copied to the clipboard: "#RRGGBB", upper-case as the readout shows it.
std::string ColorCopyText(Color color);
