#include "WykresOka.h"

#include <algorithm>
#include <cmath>

#include "JezykQt.h"
#include "KoloryWykresow.h"
#include "Standardy.h"
#include "SzablonyWykresow.h"
#include "Vartostream.h"
#include "Wykres.h"

namespace {

// The sampling instants are black and dashed; the openings blue over traces, red over
// the density, whose colours hold no red.
constexpr TColor KolorChwili = 0x000000;

// Room for the density's colour scale and its labels.
constexpr std::int32_t MarginesSkali = 80;
constexpr std::int32_t MarginesPrawyOka = 10;
// Room for a signed label of three decimals beside the density, and above it for the
// caption of its scale.
constexpr std::int32_t MarginesLewyGestosci = 52;
constexpr std::int32_t MarginesGornyGestosci = 24;
constexpr std::int32_t MarginesGornyOka = 10;

} // namespace

void TZawartoscOka::Pokaz(TWykres& wykres, const TWynikSymulacji& w, TWidokOka widok, bool logarytmiczna,
                          bool znaczniki)
{
    const double okres = Standardy.at(static_cast<std::size_t>(w.Ustawienia.Standard)).OkresOka;
    const bool gestosc = widok == TWidokOka::Gestosc;
    // Periods the X axis shows: the instants and openings repeat in each.
    const int okresy = gestosc ? 2 : 1;

    while (wykres.LiczbaSerii() > 0)
        wykres.UsunSerie(wykres.LiczbaSerii() - 1);
    while (wykres.LiczbaSeriiObrazu() > 0)
        wykres.UsunSerieObrazu(wykres.LiczbaSeriiObrazu() - 1);
    Znaczniki.clear();

    float maks = w.Tory[0].Wejscie()->MaxY;
    float min = w.Tory[0].Wejscie()->MinY;
    for (const TTorWyniku& tor : w.Tory) {
        maks = std::max(maks, tor.Wejscie()->MaxY);
        min = std::min(min, tor.Wejscie()->MinY);
    }
    SzablonOka(wykres);
    UstawZakresOka(wykres, min, maks, static_cast<float>(okresy * okres));
    if (gestosc) {
        wykres.OsX.UstawTypOsi(toLiniowa);
        wykres.OsX.UstawSkala(static_cast<float>(okres));
        wykres.OsX.Siatka.UstawLinieSiatki(lsGlowne);
        wykres.UstawMarginesPrawy(MarginesSkali);
        wykres.UstawMarginesLewy(MarginesLewyGestosci);
        wykres.UstawMarginesGorny(MarginesGornyGestosci);
        const TGestoscOka& g = w.GestoscOka;
        TSeriaObrazu seria;
        seria.Zliczenia = g.Zliczenia().data();
        seria.Kolumny = g.Kolumny();
        seria.Wiersze = g.Wiersze();
        seria.XMin = 0.0f;
        seria.XMax = static_cast<float>(g.Okres());
        seria.YMin = static_cast<float>(g.YMin());
        seria.YMax = static_cast<float>(g.YMax());
        seria.Logarytmiczna = logarytmiczna;
        seria.Opis = (logarytmiczna ? TTekst::tr("liczba (log)") : TTekst::tr("liczba")).toStdString();
        wykres.DodajSerieObrazu(seria);
    } else {
        wykres.UstawMarginesPrawy(MarginesPrawyOka);
        wykres.UstawMarginesGorny(MarginesGornyOka);
        for (const TTorWyniku& tor : w.Tory)
            wykres.DodajSerie(tor.Wejscie(), KolorCzerwony, psSolid);
    }

    const TColor kolorOtwarcia = gestosc ? KolorCzerwony : KolorNiebieski;
    const float gora = wykres.OsY.Max();
    const float dol = wykres.OsY.Min();
    const auto dodaj = [&](std::unique_ptr<TFltFltStrumien> s, TColor kolor, TPenStyle styl) {
        wykres.DodajSerie(s.get(), kolor, styl);
        Znaczniki.push_back(std::move(s));
    };
    // A stretch a to b (symbol periods) in every period shown, cut at the axis's ends.
    const auto poziomo = [&](double a, double b, float y) {
        for (int m = static_cast<int>(std::floor(-b)); m <= static_cast<int>(std::ceil(okresy - a)); ++m) {
            const double od = std::max(a + m, 0.0);
            const double do_ = std::min(b + m, static_cast<double>(okresy));
            if (do_ > od)
                dodaj(Odcinek(static_cast<float>(od * okres), y, static_cast<float>(do_ * okres), y), kolorOtwarcia,
                      psSolid);
        }
    };
    for (const TTorWyniku& tor : w.Tory) {
        if (!znaczniki)
            break;
        const TOkoToru& oko = tor.Oko;
        for (int m = 0; m < okresy; ++m) {
            const auto x = static_cast<float>((oko.Faza + m) * okres);
            dodaj(Odcinek(x, dol, x, gora), KolorChwili, psDash);
            for (const TPodoko& p : oko.Podoka)
                if (p.Wysokosc && *p.Wysokosc > 0.0)
                    dodaj(Odcinek(x, static_cast<float>(oko.Poziomy[static_cast<std::size_t>(p.Dolny)].Max), x,
                                  static_cast<float>(oko.Poziomy[static_cast<std::size_t>(p.Gorny)].Min)),
                          kolorOtwarcia, psSolid);
        }
        for (const TPodoko& p : oko.Podoka)
            if (p.Szerokosc && *p.Szerokosc > 0.0)
                poziomo(*p.SzerokoscOd, *p.SzerokoscDo, static_cast<float>(*p.Prog));
    }
    wykres.update();
}

void TZawartoscOka::Zwolnij(TWykres& wykres)
{
    wykres.OdlaczSerie();
}
