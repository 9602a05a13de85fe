// The enumerations of the chart, with the ordinal values its drawing code and stored
// settings rely on, and the record of one plotted series. The enumerations are known to
// Qt's meta-object system, so forms store their values by name ("toLog").
#pragma once

#include <cstdint>
#include <string>

#include <QObject>

#include "Plotno.h"

class TFltFltStrumien;

namespace TypyWykresu {
Q_NAMESPACE

// What an axis maps: values, decades (X axis only), or values folded modulo the axis
// maximum so that consecutive periods overlay (eye diagram, X axis only).
enum TTypOsi : std::uint8_t { toLiniowa = 0, toLog = 1, toOkowa = 2 };
Q_ENUM_NS(TTypOsi)

// Grid lines at major ticks, at minor ticks, at both, or none.
enum TLinieSiatki : std::uint8_t { lsBrak = 0, lsGlowne = 1, lsPomocnicze = 2, lsWszystkie = 3 };
Q_ENUM_NS(TLinieSiatki)

// Which tick marks (or which tick labels) are drawn.
enum TZnaczniki : std::uint8_t { zBrak = 0, zGlowne = 1, zPomocnicze = 2, zWszystkie = 3 };
Q_ENUM_NS(TZnaczniki)

// A tick mark inside the plot, outside it, or centred on the axis line.
enum TStylZnacznikow : std::uint8_t { szWewnetrzne = 0, szZewnetrzne = 1, szPrzecinajace = 2 };
Q_ENUM_NS(TStylZnacznikow)

// Which point of a label its anchor is: left edge, centre or right edge...
enum TWyrownanieHor : std::uint8_t { whLewe = 0, whCenter = 1, whPrawe = 2 };
Q_ENUM_NS(TWyrownanieHor)
// ...and top, centre or bottom.
enum TWyrownanieVer : std::uint8_t { wvGorne = 0, wvCenter = 1, wvDolne = 2 };
Q_ENUM_NS(TWyrownanieVer)

// The tick label where the other axis crosses: omitted, drawn as any other, or moved
// aside so that it does not collide with the other axis's labels.
enum TOpisWPrzecieciu : std::uint8_t { owpBrak = 0, owpNormalny = 1, owpAuto = 2 };
Q_ENUM_NS(TOpisWPrzecieciu)

// Tick labels on the plot side of the axis or on the outer side.
enum TPozycjaOpisu : std::uint8_t { poWewnatrz = 0, poZewnatrz = 1 };
Q_ENUM_NS(TPozycjaOpisu)

} // namespace TypyWykresu

// The enumerations and their values are used unqualified throughout the program.
using TypyWykresu::TLinieSiatki;
using TypyWykresu::TOpisWPrzecieciu;
using TypyWykresu::TPozycjaOpisu;
using TypyWykresu::TStylZnacznikow;
using TypyWykresu::TTypOsi;
using TypyWykresu::TWyrownanieHor;
using TypyWykresu::TWyrownanieVer;
using TypyWykresu::TZnaczniki;
using enum TypyWykresu::TLinieSiatki;
using enum TypyWykresu::TOpisWPrzecieciu;
using enum TypyWykresu::TPozycjaOpisu;
using enum TypyWykresu::TStylZnacznikow;
using enum TypyWykresu::TTypOsi;
using enum TypyWykresu::TWyrownanieHor;
using enum TypyWykresu::TWyrownanieVer;
using enum TypyWykresu::TZnaczniki;

// One series: a stream drawn as a polyline. The chart never owns the stream; its
// position in the chart's list is its index.
struct TSeria {
    TFltFltStrumien* Strumien;
    TColor Kolor;
    TPenStyle Styl;
    bool Widoczna; // false hides the series on the chart's own canvas only
};

// An image series: a grid of counts drawn as colours over a rectangle of axis values,
// with its colour scale bar in the chart's right margin. The chart never owns the counts.
struct TSeriaObrazu {
    const std::uint32_t* Zliczenia = nullptr; // Kolumny × Wiersze, row by row from YMin up
    std::int32_t Kolumny = 0;
    std::int32_t Wiersze = 0;
    float XMin = 0.0f; // the axis values the grid covers
    float XMax = 1.0f;
    float YMin = 0.0f;
    float YMax = 1.0f;
    bool Logarytmiczna = true; // colours by log(1 + count), otherwise by count
    std::string Opis;          // caption of the scale bar, UTF-8
    bool Widoczna = true;      // false hides it on the chart's own canvas only
};
