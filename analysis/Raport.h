// The report of an analysis's results: its geometry on a canvas, the sections that the
// pages of the window contribute in order, and the drawing steps the sections share.
#pragma once

#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "Plotno.h"

class TWykres;

// Geometry of a report on a canvas W pixels wide.
struct TUkladRaportu {
    int M = 0;       // left edge of the content, top of the first section and the gap between sections, pixels
    int C = 0;       // content width, pixels
    float K = 0.0f;  // factor on the charts' margins, tick lengths and label gaps

    // W: the canvas's width; szerokoscEkranu: the screen's width, pixels, against which
    // the charts' on-screen margins are scaled.
    static TUkladRaportu Dla(int W, int szerokoscEkranu);
};

// One section of the report. Printed pages and the bitmap walk the same list: the bitmap
// puts every section a margin below the one before, a printed page as WDruku says.
struct TSekcjaRaportu {
    enum class TMiejsce {
        Ponizej,          // straight below the section before, on the same page
        PonizejZOdstepem, // a margin below the section before, on the same page
        NowaStrona,       // at the top of a new page
    };
    TMiejsce WDruku = TMiejsce::NowaStrona;
    // Draws the section's bold centred title at gora and its content below it, in canvas
    // pixels, and returns the height it used.
    std::function<int(TPlotno& plotno, const TUkladRaportu& u, int gora)> Rysuj;
};
using TSekcjeRaportu = std::vector<TSekcjaRaportu>;

// The report's pen, pixels.
inline constexpr int GruboscPioraRaportu = 2;
// The report's text: the toolkit's default face at this size, plain or bold.
inline constexpr int RozmiarCzcionkiRaportu = 10;

TCzcionka CzcionkaRaportu(bool pogrubiona, int rozmiar = RozmiarCzcionkiRaportu);

// The height of a line of the report's plain text, pixels; leaves that text set.
int WysokoscWiersza(TPlotno& plotno);
// Sets the report's plain text on white: the charts leave their own label font and brush.
void PiszZwyklym(TPlotno& plotno);
// The text in lines no wider than szerokosc pixels in the canvas's current font, broken
// at spaces; a word wider than that stands alone on its line.
std::vector<std::string> WierszeTekstu(TPlotno& plotno, const std::string& tekst, int szerokosc);
// The bold title of a section, centred over the content at gora.
void RysujTytul(TPlotno& plotno, const TUkladRaportu& u, int gora, const QString& tytul);
// Writes tekst from the content's left edge at y in the current font, broken between words
// so that no line passes the content's right edge, lines odstep pixels apart; returns the
// number of lines.
int PiszAkapit(TPlotno& plotno, const TUkladRaportu& u, int y, int odstep, const std::string& tekst);
// A characteristic section: the title and the chart, the content's width and half as high.
int RysujCharakterystyke(TPlotno& plotno, const TUkladRaportu& u, int gora, const QString& tytul, TWykres& wykres);
