// The eye of a run drawn by the program's own chart control, offscreen: the density with
// each lane's sampling instant and openings, as the desktop program's eye page shows it.
// Only a build with the desktop option has the chart (WykresyDostepne); the other says so.
// The application object that draws is the sweep chart's (UtworzAplikacje).
#pragma once

#include <string>

#include "Symulacja.h"

enum class TRysunek { Png, Svg };

// Draws the eye into plik through a temporary file. Empty, or one English line naming the
// file and why it was not written.
std::string ZapiszOko(const TWynikSymulacji& w, const std::string& plik, TRysunek format);
