// The image series of TWykres: a grid of counts turned into a picture of the canvas's own
// pixels through the chart's one mapping, and the colour scale bar beside the plot.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "Liczby.h"
#include "PikseleWykresu.h"
#include "SkalaKolorow.h"
#include "Wykres.h"

namespace {

constexpr int OdstepSkali = 10; // pixels between the plot and the bar, at k = 1
constexpr int SzerokoscSkali = 12;
constexpr int OdstepOpisu = 4;
constexpr int SzerokoscOpisow = 50; // room for the labels of one bar

// Where a count lies on the colour scale, 0 to 1.
double Polozenie(std::uint32_t liczba, std::uint32_t najwieksza, bool logarytmiczna)
{
    if (najwieksza == 0)
        return 0.0;
    if (logarytmiczna)
        return std::log1p(static_cast<double>(liczba)) / std::log1p(static_cast<double>(najwieksza));
    return static_cast<double>(liczba) / static_cast<double>(najwieksza);
}

// The count at a place t on the scale, the inverse of Polozenie.
double Liczba(double t, std::uint32_t najwieksza, bool logarytmiczna)
{
    if (logarytmiczna)
        return std::expm1(t * std::log1p(static_cast<double>(najwieksza)));
    return t * najwieksza;
}

} // namespace

std::int32_t TWykres::DodajSerieObrazu(const TSeriaObrazu& seria)
{
    SerieObrazu.push_back(seria);
    update();
    return LiczbaSeriiObrazu() - 1;
}

const TSeriaObrazu* TWykres::SeriaObrazu(std::int32_t indeks) const
{
    if (indeks < 0 || indeks >= LiczbaSeriiObrazu())
        return nullptr;
    return &SerieObrazu[static_cast<std::size_t>(indeks)];
}

std::int32_t TWykres::ZastapLubDodajSerieObrazu(std::int32_t indeks, const TSeriaObrazu& seria)
{
    if (!SeriaObrazu(indeks))
        return DodajSerieObrazu(seria);
    SerieObrazu[static_cast<std::size_t>(indeks)] = seria;
    update();
    return indeks;
}

std::int32_t TWykres::UsunSerieObrazu(std::int32_t indeks)
{
    if (!SeriaObrazu(indeks))
        return -1;
    SerieObrazu.erase(SerieObrazu.begin() + indeks);
    update();
    return 1;
}

std::int32_t TWykres::PokazUkryjSerieObrazu(std::int32_t indeks, bool widoczna)
{
    if (!SeriaObrazu(indeks))
        return -1;
    TSeriaObrazu& seria = SerieObrazu[static_cast<std::size_t>(indeks)];
    if (seria.Widoczna != widoczna) {
        seria.Widoczna = widoczna;
        update();
    }
    return 1;
}

void TWykres::RysujSerieObrazu(TPlotno& plotno, float maxX, std::int32_t left, std::int32_t top, float k)
{
    if (!Mapowanie.Okreslone)
        return;
    // The plot area, where the axes' value ranges lie.
    const int obszarL = std::min(KonwersjaWspolX(OsX.Min(), left), KonwersjaWspolX(maxX, left));
    const int obszarP = std::max(KonwersjaWspolX(OsX.Min(), left), KonwersjaWspolX(maxX, left));
    const int obszarG = std::min(KonwersjaWspolY(OsY.Max(), top), KonwersjaWspolY(OsY.Min(), top));
    const int obszarD = std::max(KonwersjaWspolY(OsY.Max(), top), KonwersjaWspolY(OsY.Min(), top));
    int pasek = 0; // scale bars already drawn, side by side
    for (const TSeriaObrazu& seria : SerieObrazu) {
        if ((!seria.Widoczna && &plotno == WlasnePlotno) || !seria.Zliczenia || seria.Kolumny <= 0 || seria.Wiersze <= 0)
            continue;
        const std::size_t komorki = static_cast<std::size_t>(seria.Kolumny) * static_cast<std::size_t>(seria.Wiersze);
        const std::uint32_t najwieksza = *std::max_element(seria.Zliczenia, seria.Zliczenia + komorki);

        // The grid's rectangle in pixels, then the part of it inside the plot area.
        const int x0 = KonwersjaWspolX(seria.XMin, left);
        const int x1 = KonwersjaWspolX(seria.XMax, left);
        const int yG = KonwersjaWspolY(seria.YMax, top);
        const int yD = KonwersjaWspolY(seria.YMin, top);
        const int l = std::max(std::min(x0, x1), obszarL);
        const int p = std::min(std::max(x0, x1), obszarP);
        const int g = std::max(std::min(yG, yD), obszarG);
        const int d = std::min(std::max(yG, yD), obszarD);
        if (p > l && d > g && x1 != x0 && yD != yG) {
            // Each pixel takes the cell under its centre.
            std::vector<TColor> piksele(static_cast<std::size_t>(p - l) * static_cast<std::size_t>(d - g));
            std::vector<std::int32_t> kolumny(static_cast<std::size_t>(p - l));
            for (int px = l; px < p; ++px) {
                const double u = (px + 0.5 - x0) / (x1 - x0) * seria.Kolumny;
                kolumny[static_cast<std::size_t>(px - l)] =
                    u <= 0.0 ? 0 : u >= seria.Kolumny - 1.0 ? seria.Kolumny - 1 : static_cast<std::int32_t>(u);
            }
            for (int py = g; py < d; ++py) {
                const double v = (yD - (py + 0.5)) / (yD - yG) * seria.Wiersze;
                const std::int32_t w
                    = v <= 0.0 ? 0 : v >= seria.Wiersze - 1.0 ? seria.Wiersze - 1 : static_cast<std::int32_t>(v);
                const std::uint32_t* wiersz = seria.Zliczenia + static_cast<std::size_t>(w) * seria.Kolumny;
                TColor* cel = piksele.data() + static_cast<std::size_t>(py - g) * static_cast<std::size_t>(p - l);
                for (int px = l; px < p; ++px) {
                    const std::uint32_t z = wiersz[kolumny[static_cast<std::size_t>(px - l)]];
                    cel[px - l] = z == 0 ? color : KolorSkali(Polozenie(z, najwieksza, seria.Logarytmiczna));
                }
            }
            plotno.RysujObraz(l, g, p - l, d - g, piksele);
        }

        // The scale bar beside the plot, lowest count at the bottom.
        const double kk = k;
        const int bl = Piksel(obszarP + kk * (OdstepSkali + pasek * (SzerokoscSkali + SzerokoscOpisow)));
        const int bp = bl + std::max(1, Piksel(kk * SzerokoscSkali));
        if (obszarD <= obszarG)
            continue;
        ++pasek;
        std::vector<TColor> skala(static_cast<std::size_t>(bp - bl) * static_cast<std::size_t>(obszarD - obszarG));
        for (int py = obszarG; py < obszarD; ++py) {
            // The ends of the bar are the ends of the scale.
            const double t = obszarD - obszarG > 1 ? static_cast<double>(obszarD - 1 - py) / (obszarD - obszarG - 1) : 1.0;
            std::fill_n(skala.begin() + static_cast<std::ptrdiff_t>(py - obszarG) * (bp - bl), bp - bl, KolorSkali(t));
        }
        plotno.RysujObraz(bl, obszarG, bp - bl, obszarD - obszarG, skala);
        plotno.UstawStylPiora(psSolid);
        plotno.UstawKolorPiora(OsY.Kolor());
        plotno.PrzesunDo(bl, obszarG);
        plotno.LiniaDo(bp, obszarG);
        plotno.LiniaDo(bp, obszarD);
        plotno.LiniaDo(bl, obszarD);
        plotno.LiniaDo(bl, obszarG);

        plotno.UstawKolorPedzla(color);
        plotno.UstawCzcionke(OsY.Znaczniki.CzcionkaOpisuZnacznikowGlow);
        const std::array<double, 3> miejsca { 0.0, 0.5, 1.0 };
        for (const double t : miejsca) {
            const std::string tekst = FormatujStalo(std::round(Liczba(t, najwieksza, seria.Logarytmiczna)), 0);
            const int y = Piksel(obszarD - t * (obszarD - obszarG)) - plotno.WysokoscTekstu(tekst) / 2;
            plotno.PrzesunDo(bp, Piksel(obszarD - t * (obszarD - obszarG)));
            plotno.LiniaDo(bp + Piksel(3 * kk), Piksel(obszarD - t * (obszarD - obszarG)));
            plotno.PiszTekst(bp + Piksel(OdstepOpisu * kk), y, tekst);
        }
        if (!seria.Opis.empty())
            plotno.PiszTekst(bl, obszarG - plotno.WysokoscTekstu(seria.Opis) - Piksel(2 * kk), seria.Opis);
    }
}
