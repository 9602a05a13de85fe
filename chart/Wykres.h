// TWykres: the line chart that draws every plot of the program on screen, and through
// PaintToCanvas on a printer page or a bitmap, with one drawing path for all three.
#pragma once

#include <cstdint>
#include <vector>

#include <QWidget>

#include "Os.h"
#include "Plotno.h"
#include "TypyWykresu.h"
#include "WlasciwosciWykresu.h"

class TFltFltStrumien;

class TWykres : public QWidget {
    Q_OBJECT
    // The published settings as Qt properties for Qt Designer and forms, in the order a
    // form stores them; code uses the axes and setters below. Width, height and position
    // are the widget's geometry, and a form's layouts do what an alignment would.
    WYKRES_WLASCIWOSCI_OSI(OsX)
    WYKRES_WLASCIWOSCI_OSI(OsY)
    Q_PROPERTY(QColor Color READ KolorTla WRITE setColor)
    Q_PROPERTY(int MarginesGorny READ MarginesGorny WRITE setMarginesGorny)
    Q_PROPERTY(int MarginesDolny READ MarginesDolny WRITE setMarginesDolny)
    Q_PROPERTY(int MarginesLewy READ MarginesLewy WRITE setMarginesLewy)
    Q_PROPERTY(int MarginesPrawy READ MarginesPrawy WRITE setMarginesPrawy)

public:
    // A white 100 × 100 chart with 10-pixel margins and no series.
    explicit TWykres(QWidget* rodzic = nullptr);
    ~TWykres() override;

    TOs OsX;
    TOs OsY;

    // Pixels between the control's edges and the area that holds the axes.
    std::int32_t MarginesGorny() const { return marginesGorny; }
    std::int32_t MarginesDolny() const { return marginesDolny; }
    std::int32_t MarginesLewy() const { return marginesLewy; }
    std::int32_t MarginesPrawy() const { return marginesPrawy; }
    void UstawMarginesGorny(std::int32_t piksele);
    void UstawMarginesDolny(std::int32_t piksele);
    void UstawMarginesLewy(std::int32_t piksele);
    void UstawMarginesPrawy(std::int32_t piksele);
    void setMarginesGorny(int piksele) { UstawMarginesGorny(piksele); }
    void setMarginesDolny(int piksele) { UstawMarginesDolny(piksele); }
    void setMarginesLewy(int piksele) { UstawMarginesLewy(piksele); }
    void setMarginesPrawy(int piksele) { UstawMarginesPrawy(piksele); }

    // Background of the control, and the brush behind labels on any canvas.
    TColor Color() const { return color; }
    void UstawColor(TColor kolor);
    QColor KolorTla() const { return KolorQt(color); }
    void setColor(const QColor& kolor) { UstawColor(KolorZQt(kolor)); }

    // Series are numbered 0 to n - 1 in the order they were added; removing one
    // renumbers those after it. The chart never owns the streams, and the caller keeps
    // a stream alive while a series refers to it. Operations on an index without a
    // series return -1 and change nothing; the others return 1.

    // Appends a visible series and repaints; returns its index.
    std::int32_t DodajSerie(TFltFltStrumien* strumien, TColor kolor, TPenStyle styl);
    // Removes the series (not its stream); does not repaint.
    std::int32_t UsunSerie(std::int32_t indeks);
    // Points the series at another stream; a colour of 0 or a style of psSolid (0)
    // keeps the current one. Does not repaint.
    std::int32_t ModyfikujSerie(std::int32_t indeks, TFltFltStrumien* strumien, TColor kolor, TPenStyle styl);
    // Every series keeps its place, colour and style but lets go of its stream (an image
    // series of its counts), so that nothing draws them once they are released. Does not
    // repaint.
    void OdlaczSerie();
    // Points the series at the stream as ModyfikujSerie does, or, when there is no series
    // with that index, appends a visible one as DodajSerie does; returns the series' index.
    std::int32_t ZastapLubDodajSerie(std::int32_t indeks, TFltFltStrumien* strumien, TColor kolor, TPenStyle styl);
    // Shows or hides the series on the chart's own canvas (other canvases draw every
    // series); repaints only when the visibility changes.
    std::int32_t PokazUkryjSerie(std::int32_t indeks, bool widoczna);
    std::int32_t LiczbaSerii() const { return static_cast<std::int32_t>(Serie.size()); }
    // The series with this index, or null.
    const TSeria* Seria(std::int32_t indeks) const;

    // Image series, numbered apart from the line series and drawn beneath the axes, grid
    // and line series; the scale bar of each needs about 70 pixels of right margin. The
    // caller keeps the counts alive while a series refers to them. The same -1 and 1.
    std::int32_t DodajSerieObrazu(const TSeriaObrazu& seria);
    // Replaces the image series, or appends it when there is none with that index;
    // returns its index and repaints.
    std::int32_t ZastapLubDodajSerieObrazu(std::int32_t indeks, const TSeriaObrazu& seria);
    std::int32_t UsunSerieObrazu(std::int32_t indeks);
    std::int32_t PokazUkryjSerieObrazu(std::int32_t indeks, bool widoczna);
    std::int32_t LiczbaSeriiObrazu() const { return static_cast<std::int32_t>(SerieObrazu.size()); }
    const TSeriaObrazu* SeriaObrazu(std::int32_t indeks) const;

    // Turns the chart's own painting off or on; does not repaint by itself. Callers that
    // paint the chart elsewhere with changed settings turn it off around that work.
    void EnableRepaint(bool wlaczone) { repaintEnabled = wlaczone; }
    // Thins out the major labels of a linear Y axis where they would overprint each
    // other: only every n-th tick keeps its label, counted from the one where the X axis
    // crosses (or from OsY.Min), n the fewest that leaves a quarter of a line between
    // two; the ticks all stay. Off: every tick is labelled, as on screen. A printed
    // strip, shorter against its text than on screen, turns it on while it paints.
    void UstawRzadszeOpisyY(bool wlaczone) { rzadszeOpisyY = wlaczone; }

    // Paints the chart into the rectangle (left, top, width, height) of another canvas,
    // in that canvas's pixels. x0 and y0 shift everything placed by value (curves,
    // ticks, labels, grid lines, axis positions) but not what the margins place.
    // maxX replaces OsX.Max. pikseleNaPodzialkeX > 0 sets the width to that many pixels
    // per major X division instead (-1: use width). k multiplies the margins, tick
    // lengths and label gaps. The mapping stays that of this canvas until the chart
    // next paints itself.
    void PaintToCanvas(TPlotno& plotno, std::int32_t x0, std::int32_t y0, std::int32_t left, std::int32_t top,
        std::int32_t width, std::int32_t height, float maxX, std::int32_t pikseleNaPodzialkeX, float k);
    // Paints the chart onto plotno exactly as the control shows it: its own size and X
    // range, hidden series left out, the background left to the caller. The screen and
    // every copy of it (clipboard, PNG, SVG, PDF) are drawn here.
    void MalujJakNaEkranie(TPlotno& plotno);

    // Pixel column of the X value x (pixel row of the Y value y) on the canvas last
    // painted, whose rectangle starts at left (top). On a toLog X axis x is a value,
    // not an exponent.
    std::int32_t KonwersjaWspolX(float x, std::int32_t left) const;
    std::int32_t KonwersjaWspolY(float y, std::int32_t top) const;

    // The drawing steps of PaintToCanvas, in the order it calls them: the image series
    // with their scale bars, the X axis with its grid (linear and eye diagram, or
    // logarithmic), the Y axis with its grid, and the series over them. They use the
    // mapping of the last paint and draw nothing when it has no defined scale.
    void RysujSerieObrazu(TPlotno& plotno, float maxX, std::int32_t left, std::int32_t top, float k);
    void RysujOsSiatkeX(TPlotno& plotno, float maxX, std::int32_t width, std::int32_t height, std::int32_t left,
        std::int32_t top, float k);
    void RysujOsSiatkeXLog(TPlotno& plotno, float maxX, std::int32_t width, std::int32_t height, std::int32_t left,
        std::int32_t top, float k);
    void RysujOsSiatkeY(
        TPlotno& plotno, std::int32_t width, std::int32_t height, std::int32_t left, std::int32_t top, float k);
    // Every series that is visible, or every series when the canvas is not the chart's own.
    void RysujSerie(TPlotno& plotno, float maxX, std::int32_t left, std::int32_t top);
    void RysujSerie(const TSeria& seria, TPlotno& plotno, float maxX, std::int32_t left, std::int32_t top);

protected:
    // Paints the chart on its own canvas when repainting is enabled and the control is
    // visible. With a fixed pixel scale on an axis it first sizes the control to the
    // axis's value range.
    virtual void Paint();
    void paintEvent(QPaintEvent* zdarzenie) override;
    // The menu that copies the chart and saves its picture or data.
    void contextMenuEvent(QContextMenuEvent* zdarzenie) override;

private:
    // Value-to-pixel coefficients of one drawing: a column is x * SkalaX + PrzesuniecieX
    // (log10(x) on a toLog axis), a row PrzesuniecieY - y * SkalaY; left and top come on
    // top. On a LogZero axis the values below 10^Min map linearly onto a zone of
    // SzerokoscStrefy pixels starting at PoczatekStrefy.
    struct TMapowanie {
        float SkalaX = 0.0f;
        float PrzesuniecieX = 0.0f;
        float SkalaY = 0.0f;
        float PrzesuniecieY = 0.0f;
        float PoczatekStrefy = 0.0f;
        float SzerokoscStrefy = 0.0f;
        double PoczatekDekad = 1.0; // 10^OsX.Min
        bool Okreslone = false; // false when a range is empty or not finite
    };
    TMapowanie ObliczMapowanie(
        std::int32_t width, std::int32_t height, float maxX, float k, std::int32_t x0, std::int32_t y0) const;
    // The fixed-pixel-scale size along one axis, or -1 when the axis has none.
    std::int32_t StalyRozmiar(const TOs& os, std::int32_t margines1, std::int32_t margines2) const;

    std::int32_t marginesGorny = 10;
    std::int32_t marginesDolny = 10;
    std::int32_t marginesLewy = 10;
    std::int32_t marginesPrawy = 10;
    TColor color = 0xFFFFFF;
    std::vector<TSeria> Serie;
    std::vector<TSeriaObrazu> SerieObrazu;
    TMapowanie Mapowanie;
    bool repaintEnabled = true;
    bool rzadszeOpisyY = false;
    // The canvas of the paint in progress on the control itself, to tell it from others.
    const TPlotno* WlasnePlotno = nullptr;
};
