// Axis lines, grid lines, tick marks and tick labels of TWykres. Every position comes
// from the chart's one mapping, so axes and series agree on every canvas.
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "Liczby.h"
#include "PikseleWykresu.h"
#include "Wykres.h"

namespace {

bool ZGlownymi(int rodzaj)
{
    return rodzaj == zGlowne || rodzaj == zWszystkie;
}

bool ZPomocniczymi(int rodzaj)
{
    return rodzaj == zPomocnicze || rodzaj == zWszystkie;
}

// A minor tick of a logarithmic axis this close to the upper end (relative to it) is the
// end's own major tick: the end is stored as a float32 logarithm, which moves 200 to
// 199.99998.
constexpr double TolerancjaKoncaDekad = 1e-5;

// A spacing the tick loops can step by.
bool KrokPoprawny(float krok)
{
    return krok > 0.0f && std::isfinite(krok);
}

// One axis as its tick loops see it. Across the axis, +1 points away from the plot
// (down from the X axis, left from the Y axis).
struct TRysowanaOs {
    TPlotno& Plotno;
    const TOs& Os;
    const TOs& Inna; // the other axis, whose label side decides where a crossing label goes
    bool Pozioma; // the X axis
    double K;
    int Linia; // row of the X axis line, column of the Y axis line
    int SiatkaOd; // extent of a grid line across the axis
    int SiatkaDo;
    bool RzadszeOpisy; // major labels that would overprint each other are thinned out
};

// Where the marks and labels of one kind (major or minor) lie across the axis.
struct TRzadZnacznikow {
    bool Glowne;
    double Poczatek; // the tick runs from here...
    double Koniec; // ...to here
    double Opis; // row (X axis) or column (Y axis) of the label anchors
    bool OpisyWewnatrz;
};

TRzadZnacznikow Rzad(const TRysowanaOs& os, bool glowne)
{
    const TZnacznikiOsi& z = os.Os.Znaczniki;
    const TStylZnacznikow styl = glowne ? z.ZnacznikiGlowne() : z.ZnacznikiPom();
    const int rozmiar = glowne ? z.RozmiarZnacznikowGlow() : z.RozmiarZnacznikowPom();
    const double nazewnatrz = os.Pozioma ? 1.0 : -1.0;
    double poczatek = os.Linia;
    if (styl == szWewnetrzne)
        poczatek -= nazewnatrz * rozmiar * os.K;
    else if (styl == szPrzecinajace)
        poczatek -= nazewnatrz * (rozmiar / 2) * os.K;
    const double koniec = poczatek + nazewnatrz * rozmiar * os.K;
    const bool wewnatrz = z.PozycjaOpisu() == poWewnatrz;
    const double opis = wewnatrz ? poczatek - nazewnatrz * 2.0 * os.K : koniec + nazewnatrz * 2.0 * os.K;
    return { glowne, poczatek, koniec, opis, wewnatrz };
}

// A label with its anchor point at (x, y).
void RysujOpis(TPlotno& plotno, const TCzcionka& czcionka, double wartosc, int precyzja, double x, double y,
    TWyrownanieHor poziomo, TWyrownanieVer pionowo)
{
    const std::string tekst = FormatujStalo(wartosc, precyzja);
    plotno.UstawCzcionke(czcionka);
    const int szerokosc = plotno.SzerokoscTekstu(tekst);
    const int wysokosc = plotno.WysokoscTekstu(tekst);
    int px = Piksel(x);
    int py = Piksel(y);
    if (poziomo == whCenter)
        px -= szerokosc / 2;
    else if (poziomo == whPrawe)
        px -= szerokosc;
    if (pionowo == wvCenter)
        py -= wysokosc / 2;
    else if (pionowo == wvDolne)
        py -= wysokosc;
    plotno.PiszTekst(px, py, tekst);
}

void LiniaPoprzek(const TRysowanaOs& os, int pozycja, int od, int doPiksela)
{
    if (os.Pozioma) {
        os.Plotno.PrzesunDo(pozycja, od);
        os.Plotno.LiniaDo(pozycja, doPiksela);
    } else {
        os.Plotno.PrzesunDo(od, pozycja);
        os.Plotno.LiniaDo(doPiksela, pozycja);
    }
}

// What to draw at one tick position.
struct TZnacznik {
    int Pozycja; // pixel along the axis
    double Wartosc; // the labelled value
    bool Siatka; // grid line
    bool Kreska; // tick mark
    bool Opis; // label
    TOpisWPrzecieciu W; // how the label is treated (owpNormalny away from the crossing)
};

void RysujZnacznik(const TRysowanaOs& os, const TRzadZnacznikow& rzad, const TZnacznik& znacznik)
{
    TPlotno& plotno = os.Plotno;
    if (znacznik.Siatka) {
        plotno.UstawStylPiora(rzad.Glowne ? os.Os.Siatka.StylLiniiGlownych() : os.Os.Siatka.StylLiniiPom());
        plotno.UstawKolorPiora(os.Os.Siatka.Kolor());
        LiniaPoprzek(os, znacznik.Pozycja, os.SiatkaOd, os.SiatkaDo);
    }
    if (znacznik.Kreska) {
        plotno.UstawStylPiora(psSolid);
        plotno.UstawKolorPiora(os.Os.Kolor());
        LiniaPoprzek(os, znacznik.Pozycja, Piksel(rzad.Poczatek), Piksel(rzad.Koniec));
    }
    if (!znacznik.Opis || znacznik.W == owpBrak)
        return;

    const TZnacznikiOsi& z = os.Os.Znaczniki;
    const TCzcionka& czcionka = rzad.Glowne ? z.CzcionkaOpisuZnacznikowGlow : z.CzcionkaOpisuZnacznikowPom;
    double wzdluz = znacznik.Pozycja;
    TWyrownanieHor poziomo = os.Pozioma ? z.WyrownanieOpisuHor() : (rzad.OpisyWewnatrz ? whLewe : whPrawe);
    TWyrownanieVer pionowo = os.Pozioma ? (rzad.OpisyWewnatrz ? wvDolne : wvGorne) : z.WyrownanieOpisuVer();
    if (znacznik.W == owpAuto) {
        // Moved 3 pixels toward the lower values when the other axis's labels stand on
        // the plot side, toward the higher ones otherwise, clear of those labels.
        const bool kuNizszym = os.Inna.Znaczniki.PozycjaOpisu() == poWewnatrz;
        if (os.Pozioma) {
            wzdluz += kuNizszym ? -3.0 * os.K : 3.0 * os.K;
            poziomo = kuNizszym ? whPrawe : whLewe;
        } else {
            wzdluz += kuNizszym ? 3.0 * os.K : -3.0 * os.K;
            pionowo = kuNizszym ? wvGorne : wvDolne;
        }
    }
    if (os.Pozioma)
        RysujOpis(plotno, czcionka, znacznik.Wartosc, z.PrecyzjaOpisu(), wzdluz, rzad.Opis, poziomo, pionowo);
    else
        RysujOpis(plotno, czcionka, znacznik.Wartosc, z.PrecyzjaOpisu(), rzad.Opis, wzdluz, poziomo, pionowo);
}

// The label rule at a tick whose value is v: the crossing rule where the other axis
// crosses, the ordinary label elsewhere.
TOpisWPrzecieciu Regula(const TOs& os, float v)
{
    return v == os.Przeciecie() ? os.Znaczniki.OpisWPrzecieciu() : owpNormalny;
}

// Every how many major ticks a label stands: 1, or, where labels thinned out would
// otherwise come closer than their height and a quarter, the fewest ticks that keep them
// that far apart. odstep: pixels between two major ticks.
int KrokOpisow(const TRysowanaOs& os, const TCzcionka& czcionka, double odstep)
{
    if (!os.RzadszeOpisy)
        return 1;
    os.Plotno.UstawCzcionke(czcionka);
    const int wysokosc = os.Plotno.WysokoscTekstu("0");
    // Labels stand on whole pixels, which can take one off the gap between two.
    const double potrzebny = wysokosc + wysokosc / 4 + 1;
    if (odstep >= potrzebny)
        return 1;
    // Ticks that share a pixel share one label.
    return odstep > 0.0 ? static_cast<int>(std::min<double>(std::ceil(potrzebny / odstep), MaksZnacznikow))
                        : MaksZnacznikow;
}

// Major and minor ticks of a linear axis from Os.Min to maks. Tick values accumulate
// in float32 and are compared exactly, so the last major tick lands on maks itself.
template <typename Pozycja> void RysujZnacznikiLiniowe(const TRysowanaOs& os, float maks, Pozycja pozycja)
{
    const TOs& o = os.Os;
    const TZnacznikiOsi& z = o.Znaczniki;
    const int siatka = o.Siatka.LinieSiatki();
    const float skala = o.Skala();
    const float skalaPom = o.SkalaPom();

    if ((ZGlownymi(z.Znaczniki()) || ZGlownymi(z.OpisyZnacznikow()) || ZGlownymi(siatka)) && KrokPoprawny(skala)) {
        const TRzadZnacznikow rzad = Rzad(os, true);
        const double podzialki = (static_cast<double>(maks) - o.Min()) / skala;
        const int krokOpisow = KrokOpisow(os, z.CzcionkaOpisuZnacznikowGlow,
            podzialki > 0.0 ? std::abs(pozycja(maks) - pozycja(o.Min())) / podzialki
                            : std::numeric_limits<double>::infinity());
        // Thinned labels keep the one where the other axis crosses, unless that leaves
        // a single label where counting from the first tick leaves two.
        const double doPrzeciecia = (static_cast<double>(o.Przeciecie()) - o.Min()) / skala;
        int pierwszyOpis = doPrzeciecia >= 0.0 && doPrzeciecia <= podzialki
            ? static_cast<int>(std::lround(doPrzeciecia) % krokOpisow)
            : 0;
        if (pierwszyOpis + krokOpisow > std::ceil(podzialki))
            pierwszyOpis = 0;
        float v = o.Min();
        for (int n = 0; v < maks + skala && n < MaksZnacznikow; ++n, v += skala) {
            if (v > maks)
                v = maks;
            RysujZnacznik(os, rzad,
                { pozycja(v), v, ZGlownymi(siatka) && v != o.Przeciecie(), ZGlownymi(z.Znaczniki()),
                    ZGlownymi(z.OpisyZnacznikow()) && n % krokOpisow == pierwszyOpis, Regula(o, v) });
        }
    }

    if ((ZPomocniczymi(z.Znaczniki()) || ZPomocniczymi(z.OpisyZnacznikow()) || ZPomocniczymi(siatka))
        && KrokPoprawny(skalaPom)) {
        const TRzadZnacznikow rzad = Rzad(os, false);
        float v = o.Min();
        for (int n = 0; v < maks + skalaPom && n < MaksZnacznikow; ++n, v += skalaPom) {
            if (KrokPoprawny(skala)) {
                const double podzialki = (static_cast<double>(v) - o.Min()) / skala;
                if (podzialki == std::trunc(podzialki))
                    continue; // a major tick stands here
            }
            if (v >= maks)
                break;
            RysujZnacznik(os, rzad,
                { pozycja(v), v, ZPomocniczymi(siatka) && v != o.Przeciecie(), ZPomocniczymi(z.Znaczniki()),
                    ZPomocniczymi(z.OpisyZnacznikow()), Regula(o, v) });
        }
    }
}

// Row extents of the vertical grid lines of the X axis.
std::array<int, 2> SiatkaPionowa(const TWykres& w, std::int32_t height, std::int32_t top, double k)
{
    if (w.OsX.Siatka.LinieNaMarginesieOsi())
        return { Piksel(height - k * w.MarginesDolny() + top), Piksel(k * w.MarginesGorny() - 1 + top) };
    return { Piksel(height - k * w.MarginesDolny() - k * w.OsY.MarginesMin() + top),
        Piksel(k * w.MarginesGorny() + k * w.OsY.MarginesMax() + top) };
}

// The X axis line and its arrow, which the linear and the logarithmic axis share.
void RysujLinieOsiX(const TWykres& w, TPlotno& plotno, int yA, std::int32_t width, std::int32_t left, double k)
{
    const int xE = Piksel(width - k * w.MarginesPrawy() + left);
    if (w.OsX.WyswietlOs()) {
        plotno.UstawStylPiora(psSolid);
        plotno.UstawKolorPiora(w.OsX.Kolor());
        plotno.PrzesunDo(Piksel(k * w.MarginesLewy() + left), yA);
        plotno.LiniaDo(xE, yA);
    }
    if (w.OsX.Strzalka()) {
        // The arrow head keeps its screen size on every canvas.
        const std::array<TPunktPlotna, 3> grot { { { xE, yA }, { xE - 10, yA - 3 }, { xE - 10, yA + 3 } } };
        plotno.UstawKolorPedzla(w.OsX.Kolor());
        plotno.Wielokat(grot);
        plotno.UstawKolorPedzla(w.Color());
    }
}

} // namespace

void TWykres::RysujOsSiatkeX(
    TPlotno& plotno, float maxX, std::int32_t width, std::int32_t height, std::int32_t left, std::int32_t top, float k)
{
    if (!Mapowanie.Okreslone)
        return;
    const auto [od, doPiksela] = SiatkaPionowa(*this, height, top, k);
    const int yA = KonwersjaWspolY(OsY.Przeciecie(), top);
    const TRysowanaOs os { plotno, OsX, OsY, true, k, yA, od, doPiksela, false };
    RysujZnacznikiLiniowe(os, maxX, [&](float x) { return KonwersjaWspolX(x, left); });
    RysujLinieOsiX(*this, plotno, yA, width, left, k);
}

void TWykres::RysujOsSiatkeXLog(
    TPlotno& plotno, float maxX, std::int32_t width, std::int32_t height, std::int32_t left, std::int32_t top, float k)
{
    if (!Mapowanie.Okreslone)
        return;
    const auto [od, doPiksela] = SiatkaPionowa(*this, height, top, k);
    const int yA = KonwersjaWspolY(OsY.Przeciecie(), top);
    const TRysowanaOs os { plotno, OsX, OsY, true, k, yA, od, doPiksela, false };
    const TZnacznikiOsi& z = OsX.Znaczniki;
    const int siatka = OsX.Siatka.LinieSiatki();
    const float skala = OsX.Skala();
    const auto potega = [](double wykladnik) { return std::pow(10.0, wykladnik); };

    if (ZGlownymi(z.Znaczniki()) || ZGlownymi(z.OpisyZnacznikow()) || ZGlownymi(siatka)) {
        const TRzadZnacznikow rzad = Rzad(os, true);
        if (OsX.LogZero()) {
            // The left end of the linear zone always carries its tick and the label 0;
            // only owpAuto moves that label, nothing omits it.
            const bool przesun = OsX.Przeciecie() == 0.0f && z.OpisWPrzecieciu() == owpAuto;
            RysujZnacznik(
                os, rzad, { KonwersjaWspolX(0.0f, left), 0.0, false, true, true, przesun ? owpAuto : owpNormalny });
        }
        if (KrokPoprawny(skala)) {
            float e = OsX.Min();
            for (int n = 0; e < maxX + skala && n < MaksZnacznikow; ++n, e += skala) {
                if (e > maxX)
                    e = maxX;
                const double wartosc = potega(e);
                const float v = static_cast<float>(wartosc);
                RysujZnacznik(os, rzad,
                    { KonwersjaWspolX(v, left), wartosc, ZGlownymi(siatka) && v != OsX.Przeciecie(),
                        ZGlownymi(z.Znaczniki()), ZGlownymi(z.OpisyZnacznikow()), Regula(OsX, v) });
            }
        }
    }

    // Minor ticks at 2 to 9 times each decade, up to the upper end: the last decade,
    // full or partial, has its own below the end.
    if ((ZPomocniczymi(z.Znaczniki()) || ZPomocniczymi(z.OpisyZnacznikow()) || ZPomocniczymi(siatka))
        && KrokPoprawny(skala)) {
        const TRzadZnacznikow rzad = Rzad(os, false);
        const double koniec = potega(maxX) * (1.0 - TolerancjaKoncaDekad);
        float e = OsX.Min();
        for (int n = 0; e < maxX && n < MaksZnacznikow / 8; ++n, e += skala) {
            for (int m = 2; m <= 9; ++m) {
                const double wartosc = m * potega(e);
                if (wartosc >= koniec)
                    break;
                const float v = static_cast<float>(wartosc);
                RysujZnacznik(os, rzad,
                    { KonwersjaWspolX(v, left), wartosc, ZPomocniczymi(siatka), ZPomocniczymi(z.Znaczniki()),
                        ZPomocniczymi(z.OpisyZnacznikow()), Regula(OsX, v) });
            }
        }
    }
    RysujLinieOsiX(*this, plotno, yA, width, left, k);
}

void TWykres::RysujOsSiatkeY(
    TPlotno& plotno, std::int32_t width, std::int32_t height, std::int32_t left, std::int32_t top, float k)
{
    if (!Mapowanie.Okreslone)
        return;
    const double kk = k;
    const bool naMarginesie = OsY.Siatka.LinieNaMarginesieOsi();
    const int od = Piksel(kk * marginesLewy + (naMarginesie ? 0.0 : kk * OsX.MarginesMin()) + left);
    const int doPiksela = Piksel(width - kk * marginesPrawy - (naMarginesie ? 0.0 : kk * OsX.MarginesMax()) + left);
    const int xA = KonwersjaWspolX(OsX.Przeciecie(), left);
    const TRysowanaOs os { plotno, OsY, OsX, false, kk, xA, od, doPiksela, rzadszeOpisyY };
    RysujZnacznikiLiniowe(os, OsY.Max(), [&](float y) { return KonwersjaWspolY(y, top); });

    const int yE = Piksel(kk * marginesGorny + top);
    if (OsY.WyswietlOs()) {
        plotno.UstawStylPiora(psSolid);
        plotno.UstawKolorPiora(OsY.Kolor());
        plotno.PrzesunDo(xA, yE);
        plotno.LiniaDo(xA, Piksel(height - kk * marginesDolny + top));
    }
    if (OsY.Strzalka()) {
        const std::array<TPunktPlotna, 3> grot { { { xA, yE }, { xA - 3, yE + 10 }, { xA + 3, yE + 10 } } };
        plotno.UstawKolorPedzla(OsY.Kolor());
        plotno.Wielokat(grot);
        plotno.UstawKolorPedzla(color);
    }
}
