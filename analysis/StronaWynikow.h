// A result page of the analysis window: it shows a completed run, lets go of it when the
// next run starts, and contributes its sections to the report.
#pragma once

#include <QWidget>

#include "Raport.h"
#include "Symulacja.h"

class TStronaWynikow : public QWidget {
public:
    using QWidget::QWidget;

    // Shows the run: the first one builds the page's charts, later ones refresh them. The
    // page keeps pointers into w until Zwolnij, so w must live that long.
    virtual void Pokaz(const TWynikSymulacji& w) = 0;
    // A new run starts: no chart shows a stream of the last one any more, and a time axis
    // goes back to 100 %.
    virtual void Zwolnij() = 0;
    // Whether the options give the page anything to show; a page without is never shown.
    virtual bool Dostepna() const { return true; }
    // Whether the page shows streams, and so nothing of a result that holds its figures alone.
    virtual bool PotrzebujePrzebiegow() const { return true; }
    // The page's sections of the report, in order, for the run on show; none by default.
    virtual TSekcjeRaportu SekcjeRaportu() { return {}; }
    // Lays the page's strips out for its size, and scrolls them back to their start.
    virtual void Rozmiesc() {}
    virtual void PrzewinDoPoczatku() {}
};
