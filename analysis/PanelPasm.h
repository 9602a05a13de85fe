// One panel of strips on a result page: the " Skalowanie osi czasu " box, the legend
// beside it where the page has one, and the strips under them, on screen and as a
// section of the report.
#pragma once

#include <QWidget>

#include <vector>

#include "Raport.h"

class QComboBox;
class TFltFltStrumien;
class TLegenda;
class TObszarPasm;
class TWykres;

// The stream's name on a white panel at the left of a description chart, as high as the
// chart whatever its strip's height.
void NazwijPasmo(TWykres& opis, const QString& nazwa);

class TPanelPasm : public QWidget {
public:
    // nazwa: the page's part of the component names ("Wejsciowe" gives PanelWejsciowe,
    // ZoomWejscioweCombo, PasmaWejsciowe, LegendaWejsciowe); mieszczace, naEkranie: as
    // TObszarPasm takes them. panelLegendy names the legend's panel, wysokoscLegendy
    // pixels high; an empty name leaves the legend out.
    TPanelPasm(const QString& nazwa, int mieszczace, int naEkranie, const QString& panelLegendy = {},
               int wysokoscLegendy = 0);

    TObszarPasm& Pasma() { return *Obszar; }
    // The legend, or null.
    TLegenda* Legenda() { return LegendaPasm; }
    void UstawWysokoscLegendy(int piksele);
    // The time axis back at 100 %.
    void ZerujZoom();
    // Every series lets go of its stream, keeping its place.
    void Zwolnij();

    // What a strip section of the report draws from the panel.
    struct TSekcja {
        QString Tytul;
        std::vector<TFltFltStrumien*> Strumienie; // give each strip its X spacing and name
        double CzescWysokosci;                     // strip height as a share of the content width
        double CzescOpisow;                        // description width as a share of the content width
        bool Nazwy;                                // write the streams' names
        bool MarginesMaxNaOstatnim;                // shrink OsY.MarginesMax on the last strip too
        int Podzialki;                             // X divisions each waveform shows
    };
    // The strips one under another with the legend's rows below them; returns the height
    // used. The screen's layout of the strips is as it was afterwards.
    int RysujRaport(TPlotno& plotno, const TUkladRaportu& u, int gora, const TSekcja& sekcja);

private:
    QComboBox* Zoom;
    TObszarPasm* Obszar;
    TLegenda* LegendaPasm = nullptr;
    QWidget* PanelLegendy = nullptr;
};
