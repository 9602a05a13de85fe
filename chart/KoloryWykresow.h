// The colours of the program's charts and legends, as the toolkit's 0x00BBGGRR values:
// the one place the views, the legends, the report and the chart gallery take them from.
#pragma once

#include "Plotno.h"

// Received signals, input streams, decoded sequences, error curves, recalculated responses.
inline constexpr TColor KolorCzerwony = 0x0000FF;
// Sent signals and sequences, and the user's characteristic points.
inline constexpr TColor KolorZielony = 0x008000;
// Amplified signals.
inline constexpr TColor KolorBordowy = 0x000080;
// Regenerated signals.
inline constexpr TColor KolorNiebieski = 0xFF0000;
// The standards' limit lines, dashed.
inline constexpr TColor KolorGranatowy = 0x800000;
// Grids and the eye diagram's axis.
inline constexpr TColor KolorSrebrny = 0xC0C0C0;
// The frames of the legend's swatches.
inline constexpr TColor KolorSzary = 0x808080;
// The page behind a report and the brush behind its text.
inline constexpr TColor KolorBialy = 0xFFFFFF;
