// Shared steps of the chart tests: the 300 × 200 chart of the examples, and picking the
// recorded lines apart; streams come from point lists as in the library tests.
#pragma once

#include <memory>
#include <vector>

#include "PlotnoNagrywajace.h"
#include "StrumienieTestowe.h"
#include "Vartostream.h"
#include "Wykres.h"

// An axis that draws nothing of its own: no marks, labels, grid or line.
inline void Wycisz(TOs& os)
{
    os.Znaczniki.UstawZnaczniki(zBrak);
    os.Znaczniki.UstawOpisyZnacznikow(zBrak);
    os.Siatka.UstawLinieSiatki(lsBrak);
    os.UstawWyswietlOs(false);
}

// The chart of the examples: 300 × 200 pixels, margins 10, X from 0 to 10 and Y
// from -1 to 1.
inline void UstawPrzyklad(TWykres& w)
{
    w.resize(300, 200);
    w.OsX.UstawMin(0.0f);
    w.OsX.UstawMax(10.0f);
    w.OsY.UstawMin(-1.0f);
    w.OsY.UstawMax(1.0f);
}

// Paints the chart onto the recording canvas as a 300 × 200 bitmap would be painted.
inline void Maluj(TWykres& w, TPlotnoNagrywajace& plotno, float k = 1.0f)
{
    w.PaintToCanvas(plotno, 0, 0, 0, 0, 300, 200, w.OsX.Max(), -1, k);
}

// Lines drawn in one colour, vertical ones (pionowe) or horizontal ones.
inline std::vector<TPlotnoNagrywajace::TOdcinek> Linie(const TPlotnoNagrywajace& plotno, TColor kolor, bool pionowe)
{
    std::vector<TPlotnoNagrywajace::TOdcinek> wynik;
    for (const auto& o : plotno.Odcinki)
        if (o.Kolor == kolor && (pionowe ? o.X1 == o.X2 : o.Y1 == o.Y2))
            wynik.push_back(o);
    return wynik;
}

// Texts in the order drawn.
inline std::vector<std::string> Teksty(const TPlotnoNagrywajace& plotno)
{
    std::vector<std::string> wynik;
    for (const auto& n : plotno.Napisy)
        wynik.push_back(n.Tekst);
    return wynik;
}
