// The settings of one run from the keyword arguments of lintavox.run, named as the command
// line's options (dashes as underscores) and checked by the engine's one validation.
#pragma once

#include <pybind11/pybind11.h>

#include "Ustawienia.h"

// argumenty: keyword name to value, None meaning "not given". A value of the wrong kind
// raises TypeError, a value out of its limits or a file that cannot be read ValueError,
// each with the command line's words after the keyword's name ("bits: '50' is not a whole
// number from 100 to 1000000").
TUstawieniaSymulacji UstawieniaZArgumentow(const pybind11::dict& argumenty);
