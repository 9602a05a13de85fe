// The strips of one result page. Each strip pairs a description chart (the Y axis with
// its labels, and the stream's name) in a column on the left with a waveform chart in a
// box that scrolls both ways; the column follows the box vertically, so the labels stay
// level with their curves.
#pragma once

#include <QWidget>

#include <vector>

class QComboBox;
class QScrollArea;
class TWykres;

class TObszarPasm : public QWidget {
public:
    // nazwa: the page's part of the component names ("Wejsciowe" gives ScrollBoxWejsciowe
    // and PanelOpisyWejsciowe). Up to `mieszczace` strips share the box's height; more get
    // the height of `naEkranie` strips each and a vertical scroll bar. zoom is the page's
    // " Skalowanie osi czasu " box, whose item decides the waveforms' pixel scale.
    TObszarPasm(const QString& nazwa, int mieszczace, int naEkranie, QComboBox* zoom, QWidget* rodzic);

    QScrollArea* ScrollBox;
    QScrollArea* PanelOpisy;
    std::vector<TWykres*> Wykresy; // waveform charts, strip by strip
    std::vector<TWykres*> Panele;  // description charts

    // Width of the description column, pixels; the description charts fill it.
    static constexpr int SzerokoscOpisow = 150;

    // Creates the n strips' charts, hidden, each pair at its strip's place and height
    // with the strip's vertical margins. Called once, by the first run.
    void UtworzPasma(int n);
    // Strip height for the box's present height, pixels.
    int WysokoscPasma() const;
    // The waveforms' pixels per major X division at the zoom item: a fifth of the box's
    // width at 100 %.
    float SkalaPikseli() const;
    // Lays the strips out for the box's size and the zoom item: heights, tops, inner
    // margins and the waveforms' pixel scale. Nothing happens while there are no strips.
    void Rozmiesc();
    // The zoom item changed: the waveforms get its pixel scale; they resize themselves
    // on their next paint.
    void Powieksz();
    void PrzewinDoPoczatku();

protected:
    void resizeEvent(QResizeEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    // Strip i of n at height k: place, size and the vertical margins of both charts.
    void UstawPasmo(std::size_t i, int k);
    // The scrolled areas grow to hold every chart, wherever a chart has sized itself.
    void DopasujZawartosc();

    const int Mieszczace;
    const int NaEkranie;
    QComboBox* Zoom;
};
