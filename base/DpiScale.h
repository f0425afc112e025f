// Resolution scaling: lengths of the 96-dpi layout at another resolution.
#pragma once

// Every pixel number of the ruler's layout is given for 96 dots per inch, the resolution at
// which a logical inch is 96 pixels, and brought to the window's resolution here and only
// here. At 96 dpi every number stays as it is.
constexpr int kBaseDpi = 96;

// `value` pixels at `fromDpi` as pixels at `toDpi`, rounded to the nearest pixel with halves
// away from zero (as MulDiv rounds). A resolution that is not positive counts as 96 dpi.
int Rescaled(int value, int fromDpi, int toDpi);

// A length of the 96-dpi layout at `dpi`.
inline int Scaled(int value, int dpi) { return Rescaled(value, kBaseDpi, dpi); }

// The height of a font of `points` at `dpi`, negative as CreateFont takes a character height.
inline int FontHeight(int points, int dpi) {
    constexpr int kPointsPerInch = 72;
    return -Rescaled(points, kPointsPerInch, dpi);
}
