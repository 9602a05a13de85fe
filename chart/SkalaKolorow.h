// The colour scale of the chart's image series: dark violet for the fewest counts through
// blue and green to yellow for the most, readable on white and in grey print.
#pragma once

#include "Plotno.h"

// The colour at t from 0 (fewest) to 1 (most); values outside are taken at the ends.
TColor KolorSkali(double t);
