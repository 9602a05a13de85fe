#include "Wykres.h"

#include <algorithm>
#include <cmath>

#include <QContextMenuEvent>
#include <QPainter>
#include <QPalette>

#include "MenuWykresu.h"
#include "PikseleWykresu.h"
#include "PlotnoQt.h"
#include "Vartostream.h"

TWykres::TWykres(QWidget* rodzic)
    : QWidget(rodzic)
    , OsX(*this)
    , OsY(*this)
{
    resize(100, 100);
    setAutoFillBackground(true);
    UstawColor(0xFFFFFF);
    OsX.Znaczniki.UstawWyrownanieOpisuHor(whCenter);
    OsX.Znaczniki.UstawWyrownanieOpisuVer(wvGorne);
    OsY.Znaczniki.UstawWyrownanieOpisuHor(whPrawe);
    OsY.Znaczniki.UstawWyrownanieOpisuVer(wvCenter);
}

TWykres::~TWykres() = default;

void TWykres::UstawMarginesGorny(std::int32_t piksele)
{
    marginesGorny = piksele;
    update();
}

void TWykres::UstawMarginesDolny(std::int32_t piksele)
{
    marginesDolny = piksele;
    update();
}

void TWykres::UstawMarginesLewy(std::int32_t piksele)
{
    marginesLewy = piksele;
    update();
}

void TWykres::UstawMarginesPrawy(std::int32_t piksele)
{
    marginesPrawy = piksele;
    update();
}

void TWykres::UstawColor(TColor kolor)
{
    color = kolor;
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, KolorQt(kolor));
    setPalette(paleta);
    update();
}

// ---- Series ----

std::int32_t TWykres::DodajSerie(TFltFltStrumien* strumien, TColor kolor, TPenStyle styl)
{
    Serie.push_back({ strumien, kolor, styl, true });
    update();
    return LiczbaSerii() - 1;
}

const TSeria* TWykres::Seria(std::int32_t indeks) const
{
    if (indeks < 0 || indeks >= LiczbaSerii())
        return nullptr;
    return &Serie[static_cast<std::size_t>(indeks)];
}

std::int32_t TWykres::UsunSerie(std::int32_t indeks)
{
    if (!Seria(indeks))
        return -1;
    Serie.erase(Serie.begin() + indeks);
    return 1;
}

std::int32_t TWykres::ModyfikujSerie(std::int32_t indeks, TFltFltStrumien* strumien, TColor kolor, TPenStyle styl)
{
    if (!Seria(indeks))
        return -1;
    TSeria& seria = Serie[static_cast<std::size_t>(indeks)];
    if (kolor != 0)
        seria.Kolor = kolor;
    if (styl != psSolid)
        seria.Styl = styl;
    seria.Strumien = strumien;
    return 1;
}

void TWykres::OdlaczSerie()
{
    for (TSeria& seria : Serie)
        seria.Strumien = nullptr;
    for (TSeriaObrazu& seria : SerieObrazu)
        seria.Zliczenia = nullptr;
}

std::int32_t TWykres::ZastapLubDodajSerie(std::int32_t indeks, TFltFltStrumien* strumien, TColor kolor, TPenStyle styl)
{
    if (ModyfikujSerie(indeks, strumien, kolor, styl) < 0)
        return DodajSerie(strumien, kolor, styl);
    return indeks;
}

std::int32_t TWykres::PokazUkryjSerie(std::int32_t indeks, bool widoczna)
{
    if (!Seria(indeks))
        return -1;
    TSeria& seria = Serie[static_cast<std::size_t>(indeks)];
    if (seria.Widoczna != widoczna) {
        seria.Widoczna = widoczna;
        update();
    }
    return 1;
}

// ---- Mapping ----

TWykres::TMapowanie TWykres::ObliczMapowanie(
    std::int32_t width, std::int32_t height, float maxX, float k, std::int32_t x0, std::int32_t y0) const
{
    const double kk = k;
    const double minX = OsX.Min();
    const double wewnetrznaSzerokosc
        = width - kk * marginesLewy - kk * marginesPrawy - kk * OsX.MarginesMin() - kk * OsX.MarginesMax();
    const double poczatekOsi = kk * marginesLewy + kk * OsX.MarginesMin() + x0;

    TMapowanie m;
    double sx = 0.0;
    double ox = 0.0;
    if (OsX.TypOsi() == toLog && OsX.LogZero()) {
        const double strefa = 0.1 * width;
        sx = (wewnetrznaSzerokosc - strefa) / (maxX - minX);
        ox = poczatekOsi + strefa - minX * sx;
        m.PoczatekStrefy = static_cast<float>(poczatekOsi);
        m.SzerokoscStrefy = static_cast<float>(strefa);
        m.PoczatekDekad = std::pow(10.0, minX);
    } else {
        sx = wewnetrznaSzerokosc / (maxX - minX);
        ox = poczatekOsi - minX * sx;
    }

    const double minY = OsY.Min();
    const double wewnetrznaWysokosc
        = height - kk * marginesDolny - kk * marginesGorny - kk * OsY.MarginesMin() - kk * OsY.MarginesMax();
    const double sy = wewnetrznaWysokosc / (OsY.Max() - minY);
    const double oy = height - (kk * marginesDolny + kk * OsY.MarginesMin() - minY * sy) + y0;

    m.SkalaX = static_cast<float>(sx);
    m.PrzesuniecieX = static_cast<float>(ox);
    m.SkalaY = static_cast<float>(sy);
    m.PrzesuniecieY = static_cast<float>(oy);
    const double zakresX = static_cast<double>(maxX) - minX;
    const double zakresY = static_cast<double>(OsY.Max()) - minY;
    m.Okreslone = zakresX != 0.0 && zakresY != 0.0 && std::isfinite(zakresX) && std::isfinite(zakresY)
        && std::isfinite(m.SkalaX) && std::isfinite(m.PrzesuniecieX) && std::isfinite(m.SkalaY)
        && std::isfinite(m.PrzesuniecieY) && std::isfinite(m.PoczatekDekad);
    return m;
}

std::int32_t TWykres::KonwersjaWspolX(float x, std::int32_t left) const
{
    const TMapowanie& m = Mapowanie;
    if (OsX.TypOsi() != toLog)
        return Piksel(static_cast<double>(x) * m.SkalaX + m.PrzesuniecieX + left);
    if (OsX.LogZero() && x < m.PoczatekDekad)
        return Piksel(x * (m.SzerokoscStrefy / m.PoczatekDekad) + m.PoczatekStrefy + left);
    return Piksel(std::log10(static_cast<double>(x)) * m.SkalaX + m.PrzesuniecieX + left);
}

std::int32_t TWykres::KonwersjaWspolY(float y, std::int32_t top) const
{
    const TMapowanie& m = Mapowanie;
    if (OsY.TypOsi() != toLog || y == 0.0f)
        return Piksel(m.PrzesuniecieY - static_cast<double>(y) * m.SkalaY + top);
    return Piksel(m.PrzesuniecieY - std::log10(static_cast<double>(y)) * m.SkalaY + top);
}

// ---- Painting ----

std::int32_t TWykres::StalyRozmiar(const TOs& os, std::int32_t margines1, std::int32_t margines2) const
{
    if (!(os.SkalaPiksele() > 0.0f) || !(os.Skala() > 0.0f))
        return -1;
    const double rozmiar = (static_cast<double>(os.Max()) - os.Min()) / os.Skala() * os.SkalaPiksele() + margines1
        + margines2 + os.MarginesMin() + os.MarginesMax();
    if (!(rozmiar >= 0.0 && rozmiar <= QWIDGETSIZE_MAX))
        return -1;
    return static_cast<std::int32_t>(rozmiar);
}

void TWykres::paintEvent(QPaintEvent*)
{
    Paint();
}

void TWykres::Paint()
{
    if (!repaintEnabled || !isVisible())
        return;
    const std::int32_t szerokosc = StalyRozmiar(OsX, marginesLewy, marginesPrawy);
    const std::int32_t wysokosc = StalyRozmiar(OsY, marginesGorny, marginesDolny);
    if (szerokosc >= 0 || wysokosc >= 0)
        resize(szerokosc >= 0 ? szerokosc : width(), wysokosc >= 0 ? wysokosc : height());

    QPainter malarz(this);
    TPlotnoQt plotno(malarz, color);
    MalujJakNaEkranie(plotno);
}

void TWykres::MalujJakNaEkranie(TPlotno& plotno)
{
    WlasnePlotno = &plotno;
    PaintToCanvas(plotno, 0, 0, 0, 0, width(), height(), OsX.Max(), -1, 1.0f);
    WlasnePlotno = nullptr;
}

void TWykres::contextMenuEvent(QContextMenuEvent* zdarzenie)
{
    PokazMenuWykresu(*this, zdarzenie->globalPos());
}

void TWykres::PaintToCanvas(TPlotno& plotno, std::int32_t x0, std::int32_t y0, std::int32_t left, std::int32_t top,
    std::int32_t width, std::int32_t height, float maxX, std::int32_t pikseleNaPodzialkeX, float k)
{
    if (pikseleNaPodzialkeX > 0 && OsX.Skala() > 0.0f) {
        const double kk = k;
        const double szerokosc = (static_cast<double>(maxX) - OsX.Min()) / OsX.Skala() * pikseleNaPodzialkeX
            + kk * marginesLewy + kk * marginesPrawy + kk * OsX.MarginesMin() + kk * OsX.MarginesMax();
        if (szerokosc >= 0.0 && szerokosc <= MaksPiksel)
            width = static_cast<std::int32_t>(szerokosc);
    }
    Mapowanie = ObliczMapowanie(width, height, maxX, k, x0, y0);
    RysujSerieObrazu(plotno, maxX, left, top, k);
    if (OsX.TypOsi() == toLog)
        RysujOsSiatkeXLog(plotno, maxX, width, height, left, top, k);
    else
        RysujOsSiatkeX(plotno, maxX, width, height, left, top, k);
    RysujOsSiatkeY(plotno, width, height, left, top, k);
    RysujSerie(plotno, maxX, left, top);
}

// ---- Series drawing ----

void TWykres::RysujSerie(TPlotno& plotno, float maxX, std::int32_t left, std::int32_t top)
{
    for (const TSeria& seria : Serie)
        if (seria.Widoczna || &plotno != WlasnePlotno)
            RysujSerie(seria, plotno, maxX, left, top);
}

void TWykres::RysujSerie(const TSeria& seria, TPlotno& plotno, float maxX, std::int32_t left, std::int32_t top)
{
    if (!Mapowanie.Okreslone || !seria.Strumien)
        return;
    plotno.UstawStylPiora(seria.Styl);
    plotno.UstawKolorPiora(seria.Kolor);

    TFltFltStrumien& strumien = *seria.Strumien;
    const bool okowy = OsX.TypOsi() == toOkowa;
    // Points that have no pixel (not a number, or no logarithm) are left out and the
    // line runs on from the last point drawn.
    const bool bezUjemnychX = OsX.TypOsi() == toLog && !OsX.LogZero();
    const bool bezUjemnychY = OsY.TypOsi() == toLog;
    const float minY = OsY.Min();
    const float maxY = OsY.Max();
    bool pierwszy = true;
    double poprzedniOkres = 0.0;
    for (std::int32_t i = 0; i < strumien.ZwrocDlugosc(); ++i) {
        const TPunkt punkt = strumien.Zwroc(i);
        float y = punkt.Y;
        if (!std::isfinite(punkt.X) || std::isnan(y) || (bezUjemnychX && punkt.X <= 0.0f))
            continue;
        if (y > maxY)
            y = maxY;
        else if (y < minY)
            y = minY;
        if (bezUjemnychY && y < 0.0f)
            continue;
        const std::int32_t py = KonwersjaWspolY(y, top);
        if (okowy) {
            // Entering a new period of maxX ends the trace at the right end of the axis
            // and starts the next sweep at the left, so the periods overlay. The period
            // is told by its number, not by a point landing exactly on a multiple, so
            // samples that straddle the boundary never draw a line back across.
            const float f = maxX != 0.0f ? std::fmod(punkt.X, maxX) : 0.0f;
            const double okres = maxX != 0.0f ? std::floor(static_cast<double>(punkt.X) / maxX) : 0.0;
            if (!pierwszy && okres == poprzedniOkres) {
                plotno.LiniaDo(KonwersjaWspolX(f, left), py);
            } else {
                if (!pierwszy)
                    plotno.LiniaDo(KonwersjaWspolX(maxX, left), py);
                plotno.PrzesunDo(KonwersjaWspolX(f, left), py);
            }
            poprzedniOkres = okres;
        } else if (pierwszy) {
            plotno.PrzesunDo(KonwersjaWspolX(punkt.X, left), py);
        } else {
            plotno.LiniaDo(KonwersjaWspolX(punkt.X, left), py);
        }
        pierwszy = false;
    }
}
