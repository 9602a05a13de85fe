// The canvas over a QPainter, so one drawing path serves the screen, a QImage and a
// QPrinter alike. Consecutive lines are handed to the painter as one polyline.
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPoint>
#include <QPolygon>

#include "Plotno.h"

class QPainter;

// The canvas's colours, pen styles and fonts in Qt's terms and back. A font's colour
// has no place in a QFont and stays out of both conversions; a QFont gives back only the
// attributes it has set, the others keep those of poprzednia.
QColor KolorQt(TColor kolor);
TColor KolorZQt(const QColor& kolor);
Qt::PenStyle StylQt(TPenStyle styl);
TPenStyle StylZQt(Qt::PenStyle styl);
QFont CzcionkaQt(const TCzcionka& czcionka);
TCzcionka CzcionkaZQt(const QFont& czcionka, TCzcionka poprzednia);

class TPlotnoQt final : public TPlotno {
public:
    // Starts with a solid black pen one pixel wide, the given brush colour and the
    // default font; the painter must outlive the canvas.
    explicit TPlotnoQt(QPainter& malarz, TColor pedzel = 0xFFFFFF);
    ~TPlotnoQt() override;
    TPlotnoQt(const TPlotnoQt&) = delete;
    TPlotnoQt& operator=(const TPlotnoQt&) = delete;

    void UstawStylPiora(TPenStyle styl) override;
    void UstawKolorPiora(TColor kolor) override;
    void UstawGruboscPiora(int grubosc) override;
    void UstawKolorPedzla(TColor kolor) override;

    void PrzesunDo(int x, int y) override;
    void LiniaDo(int x, int y) override;
    void Wielokat(std::span<const TPunktPlotna> wierzcholki) override;
    void WypelnijProstokat(int lewy, int gorny, int prawy, int dolny) override;
    void RysujObraz(int x, int y, int szerokosc, int wysokosc, std::span<const TColor> piksele) override;

    void UstawCzcionke(const TCzcionka& czcionka) override;
    TCzcionka Czcionka() const override { return AktualnaCzcionka; }
    void PiszTekst(int x, int y, std::string_view tekst) override;
    int SzerokoscTekstu(std::string_view tekst) override;
    int WysokoscTekstu(std::string_view tekst) override;

private:
    // Draws the lines gathered since the last move, pen or other drawing.
    void RysujZaleglaLamana();

    QPainter& Malarz;
    QPen Pioro;
    QColor Pedzel;
    TCzcionka AktualnaCzcionka;
    QPoint Pozycja;
    QPolygon Lamana;
};
