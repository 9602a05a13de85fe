// Float-to-pixel conversion of the chart, and the bound on the ticks of one loop.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// Farther than any canvas reaches; keeps far-off points representable for the painter.
inline constexpr double MaksPiksel = 16777216.0;

// A tick loop stops after this many ticks, whatever the spacing: a chart configured
// with a spacing far below its range still paints in a moment.
inline constexpr int MaksZnacznikow = 4000;

// Truncation toward zero, as every pixel position of the chart; a value that is not a
// number lands far off the canvas.
inline std::int32_t Piksel(double v)
{
    if (std::isnan(v))
        return static_cast<std::int32_t>(-MaksPiksel);
    return static_cast<std::int32_t>(std::clamp(v, -MaksPiksel, MaksPiksel));
}
