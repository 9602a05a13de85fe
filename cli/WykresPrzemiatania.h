// The chart of a sweep: a figure against the first swept setting, a series per combination
// of the other swept values, on a logarithmic scale, drawn offscreen by the program's own
// chart control. Only a build with the desktop option has the chart; the other says so.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QCoreApplication>

struct TSeriaPrzemiatania {
    std::string Nazwa;                             // the other axes' values: "snr_db 8 dB, seed 3"
    std::vector<std::pair<double, double>> Punkty; // x, figure (points without a positive figure are left out)
};

struct TDaneWykresuPrzemiatania {
    std::string OpisX;               // "rate (Mbps)"
    std::vector<std::string> NazwyX; // an axis of names: the label at x = 0, 1, …; empty for numbers
    std::string OpisY;               // the figure: "ber"
    std::vector<TSeriaPrzemiatania> Serie;
};

// Whether this build can draw the chart.
bool WykresyDostepne();

// The application object of the command line: with the chart, one that can draw widgets on
// the offscreen platform (unless QT_QPA_PLATFORM names another), else QtCore's alone.
std::unique_ptr<QCoreApplication> UtworzAplikacje(int& argc, char** argv, bool zWykresem);

// Draws the chart into plik, PNG, SVG or PDF by its extension, through a temporary file.
// Empty, or one English line naming the file and why it was not written.
std::string ZapiszWykresPrzemiatania(const TDaneWykresuPrzemiatania& dane, const std::string& plik);
