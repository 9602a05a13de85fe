// The canvas every chart, printed page and exported bitmap is drawn on: pen, brush,
// lines, polygons, rectangles, pictures and text in integer pixels of the target device.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A colour as 0x00BBGGRR: red in the low byte, blue in the third.
using TColor = std::uint32_t;

// Pen styles with their stored ordinal values.
enum TPenStyle : std::uint8_t {
    psSolid = 0,
    psDash = 1,
    psDot = 2,
    psDashDot = 3,
    psDashDotDot = 4,
    psClear = 5, // no line at all
    psInsideFrame = 6 // drawn as solid
};

// A font by value: the family (empty: the toolkit's default), the size in points of
// the target device, bold or not, and the colour of the text.
struct TCzcionka {
    std::string Nazwa;
    int Rozmiar = 8;
    bool Pogrubiona = false;
    TColor Kolor = 0x000000;

    bool operator==(const TCzcionka&) const = default;
};

struct TPunktPlotna {
    int X;
    int Y;

    bool operator==(const TPunktPlotna&) const = default;
};

// Coordinates are device pixels, x to the right and y downwards; text is UTF-8.
class TPlotno {
public:
    virtual ~TPlotno() = default;

    virtual void UstawStylPiora(TPenStyle styl) = 0;
    virtual void UstawKolorPiora(TColor kolor) = 0;
    // Width in device pixels; 1 is the thin line of the screen.
    virtual void UstawGruboscPiora(int grubosc) = 0;
    // The brush fills polygons and rectangles and lies behind every text.
    virtual void UstawKolorPedzla(TColor kolor) = 0;

    // Moves the pen without drawing.
    virtual void PrzesunDo(int x, int y) = 0;
    // Draws a line from the pen position to (x, y), which becomes the pen position.
    virtual void LiniaDo(int x, int y) = 0;
    // A closed polygon filled with the brush and outlined with the pen.
    virtual void Wielokat(std::span<const TPunktPlotna> wierzcholki) = 0;
    // Fills the rectangle with the brush; the right column and bottom row stay out.
    virtual void WypelnijProstokat(int lewy, int gorny, int prawy, int dolny) = 0;

    // A picture of szerokosc × wysokosc pixels with its top-left corner at (x, y), one
    // colour per pixel, row by row from the top, drawn pixel for pixel.
    virtual void RysujObraz(int x, int y, int szerokosc, int wysokosc, std::span<const TColor> piksele) = 0;

    virtual void UstawCzcionke(const TCzcionka& czcionka) = 0;
    virtual TCzcionka Czcionka() const = 0;
    // Text with its top-left corner at (x, y), on a rectangle of the brush colour.
    virtual void PiszTekst(int x, int y, std::string_view tekst) = 0;
    // Extent of the text in the current font, in device pixels.
    virtual int SzerokoscTekstu(std::string_view tekst) = 0;
    virtual int WysokoscTekstu(std::string_view tekst) = 0;
};
