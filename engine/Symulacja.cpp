#include "Symulacja.h"

#include <atomic>
#include <cmath>
#include <stdexcept>

#include "Liczby.h"
#include "Standardy.h"
#include "VartoChannel.h"
#include "VartoDecode.h"
#include "VartoEncode.h"

namespace {

// Takes ownership of the n streams of an array a library returned, and of the array.
TStrumienie Przejmij(TFltFltStrumien** tablica, std::int32_t n)
{
    TStrumienie wynik;
    wynik.reserve(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i)
        wynik.emplace_back(tablica[i]);
    delete[] tablica;
    return wynik;
}

std::vector<TFltFltStrumien*> Wskazniki(const TStrumienie& strumienie, std::size_t od = 0)
{
    std::vector<TFltFltStrumien*> wynik;
    for (std::size_t i = od; i < strumienie.size(); ++i)
        wynik.push_back(strumienie[i].get());
    return wynik;
}

// A characteristic as the point stream the channel library reads.
std::unique_ptr<TFltFltStrumien> Strumien(const TCharakterystyka& punkty)
{
    auto s = std::make_unique<TFltFltStrumien>();
    UstawPunkty(*s, punkty);
    return s;
}

std::vector<std::int32_t> Bity(TZrodloBitow zrodlo, std::int32_t n)
{
    if (zrodlo == TZrodloBitow::Losowe) {
        std::unique_ptr<std::int32_t[]> losowe(LosujStrumien(n));
        return {losowe.get(), losowe.get() + n};
    }
    return std::vector<std::int32_t>(static_cast<std::size_t>(n), zrodlo == TZrodloBitow::Jedynki ? 1 : 0);
}

// Bits given by the caller, checked to cover the encoded count.
std::vector<std::int32_t> Podane(const std::vector<std::int32_t>& bity, std::int32_t n)
{
    if (bity.size() < static_cast<std::size_t>(n))
        throw std::invalid_argument("too few bits for the encoded count");
    return {bity.begin(), bity.begin() + n};
}

TStrumienie Koduj(const std::vector<std::int32_t>& bity, const std::vector<std::int32_t>& numery, const TStandard& s,
                  std::int32_t szybkosc, float nachylenie)
{
    return Przejmij(ZwrocStrumienie(bity.data(), static_cast<std::int32_t>(bity.size()), numery.data(),
                                    static_cast<std::int32_t>(numery.size()), s.KodStandardu, s.PoziomMin,
                                    s.PoziomMax, szybkosc, nachylenie),
                    static_cast<std::int32_t>(numery.size()));
}

bool Zakonczono(std::uint8_t* flaga)
{
    return flaga != nullptr && std::atomic_ref<std::uint8_t>(*flaga).load(std::memory_order_relaxed) != 0;
}

float Interpoluj(const TPunkt& a, const TPunkt& b, float x)
{
    return a.Y + (b.Y - a.Y) * (x - a.X) / (b.X - a.X);
}

} // namespace

TFltFltStrumien* TWynikSymulacji::Wyslany(std::int32_t i) const
{
    return StrumienieWejsciowe[static_cast<std::size_t>(LiczbaTypow - LiczbaTorow + i)].get();
}

TFltFltStrumien* TWynikSymulacji::Odebrany(std::int32_t i) const
{
    return StrumieniePoKanale[static_cast<std::size_t>((Regeneracja ? LiczbaTorow : 0) + i)].get();
}

TFltFltStrumien* TWynikSymulacji::Wzorzec(std::int32_t i) const
{
    return StrumienieWejsciowe[static_cast<std::size_t>(LiczbaTypow - 2 * LiczbaTorow + i)].get();
}

void Przytnij(TFltFltStrumien& s, float L)
{
    const std::int32_t liczba = s.ZwrocDlugosc();
    if (liczba < 2)
        return;
    const float E = s.Zwroc(liczba - 1).X;

    std::int32_t m = 0;
    while (m < liczba && s.Zwroc(m).X <= L)
        ++m;
    std::int32_t poczatek = 0;
    if (m > 0 && m < liczba) {
        poczatek = m - 1;
        const TPunkt przed = s.Zwroc(m - 1);
        const TPunkt po = s.Zwroc(m);
        if (przed.X != L)
            s.Ustaw(m - 1, TPunkt{L, Interpoluj(przed, po, L)});
    }

    const float koniecCiecia = E - L;
    m = liczba - 1;
    while (m >= 0 && s.Zwroc(m).X >= koniecCiecia)
        --m;
    std::int32_t koniec = 0;
    if (m >= 0 && m < liczba - 1) {
        koniec = liczba - m - 2;
        const TPunkt przed = s.Zwroc(m);
        const TPunkt po = s.Zwroc(m + 1);
        if (po.X != koniecCiecia)
            s.Ustaw(m + 1, TPunkt{koniecCiecia, Interpoluj(przed, po, koniecCiecia)});
    }
    s.UstawZakres(poczatek, koniec);
}

std::unique_ptr<TWynikSymulacji> Symuluj(const TUstawieniaSymulacji& u, std::uint8_t* flagaZakonczenia,
                                         const TKontrolkiPostepu& postep)
{
    const TStandard& standard = Standardy.at(static_cast<std::size_t>(u.Standard));
    auto wynik = std::make_unique<TWynikSymulacji>();
    TWynikSymulacji& w = *wynik;
    w.Regeneracja = u.Regeneracja;
    w.LiczbaTorow = standard.LiczbaTorow;
    w.LiczbaZaklocen = standard.LiczbaZaklocen;
    w.LiczbaBitowKodowanych = u.LiczbaBitow + standard.BityOchronne;
    const std::int32_t n = w.LiczbaBitowKodowanych;
    // Rates are whole numbers of Mbaud: both conversions truncate.
    const double mbps = std::trunc(ParsujLiczbe(u.Szybkosc).value_or(0.0));
    w.SzybkoscSymboli = static_cast<std::int32_t>(std::trunc(mbps * static_cast<double>(standard.CzynnikSzybkosci)));

    delete[] ZwrocTypyStrumieni(&w.LiczbaTypow, standard.KodStandardu);
    std::vector<std::int32_t> numery(static_cast<std::size_t>(w.LiczbaTypow));
    for (std::int32_t i = 0; i < w.LiczbaTypow; ++i)
        numery[static_cast<std::size_t>(i)] = i;
    w.StrumienieWejsciowe = Koduj(u.Bity ? Podane(*u.Bity, n) : Bity(u.Zrodlo, n), numery, standard,
                                  w.SzybkoscSymboli, u.Nachylenie);

    // The crosstalk source has random bits of its own, whatever the lane's source.
    std::vector<TFltFltStrumien*> doKanalu;
    for (std::int32_t i = 0; i < w.LiczbaTorow; ++i)
        doKanalu.push_back(w.Wyslany(i));
    for (std::int32_t k = w.LiczbaTorow; k < w.LiczbaTorow + w.LiczbaZaklocen; ++k) {
        TStrumienie zrodlo = Koduj(u.BityZaklocen ? Podane(*u.BityZaklocen, n) : Bity(TZrodloBitow::Losowe, n),
                                   {w.LiczbaTypow - 1}, standard, w.SzybkoscSymboli, u.Nachylenie);
        zrodlo[0]->UstawNazwe(zrodlo[0]->ZwrocNazwe() + " (" + FormatujCalkowita(k + 1) + ")");
        doKanalu.push_back(zrodlo[0].get());
        w.Zaklocenia.push_back(std::move(zrodlo[0]));
    }

    const auto tlumienie = Strumien(u.Charakterystyki.Tlumienie);
    const auto przesluchy = Strumien(u.Charakterystyki.Przesluchy);
    const auto echo = Strumien(u.Charakterystyki.Echo);
    const auto wzmocnienie = Strumien(u.Charakterystyki.Wzmocnienie);
    std::vector<std::int32_t> tory(static_cast<std::size_t>(w.LiczbaTorow));
    for (std::int32_t i = 0; i < w.LiczbaTorow; ++i)
        tory[static_cast<std::size_t>(i)] = i;
    TFltFltStrumien** poKanale = ZwrocStrumieniePoKanale(
        doKanalu.data(), static_cast<std::int32_t>(doKanalu.size()), static_cast<float>(w.SzybkoscSymboli),
        tlumienie.get(), przesluchy.get(), echo.get(), wzmocnienie.get(), u.Przesluchy, u.Echo, u.Regeneracja,
        u.PrzesuniecieEcha, tory.data(), w.LiczbaTorow, flagaZakonczenia, postep.Etykieta, postep.Czesciowy,
        postep.Calkowity);
    if (poKanale == nullptr || Zakonczono(flagaZakonczenia)) {
        if (poKanale != nullptr)
            Przejmij(poKanale, w.LiczbaTorow * (u.Regeneracja ? 2 : 1));
        return nullptr;
    }
    w.StrumieniePoKanale = Przejmij(poKanale, w.LiczbaTorow * (u.Regeneracja ? 2 : 1));

    std::vector<TFltFltStrumien*> odebrane;
    for (std::int32_t i = 0; i < w.LiczbaTorow; ++i)
        odebrane.push_back(w.Odebrany(i));
    w.StrumienieWzm = Przejmij(ZwrocStrumienieWzm(doKanalu.data(), odebrane.data(), w.LiczbaTorow, postep.Etykieta,
                                                  postep.Czesciowy),
                               w.LiczbaTorow);

    const auto a0 = static_cast<std::int32_t>(std::trunc(u.Charakterystyki.Tlumienie.at(0).Y));
    std::unique_ptr<WynikBledow> bledy(ZwrocBledy(doKanalu.data(), odebrane.data(), w.LiczbaTorow,
                                                  standard.MarginesDecyzji, 1000, a0, postep.Etykieta,
                                                  postep.Czesciowy));
    w.Rozklady.emplace_back(bledy->Rozklad);
    w.Rozklady.emplace_back(bledy->Dystrybuanta);
    w.BER = bledy->BER;
    w.NajwiekszyBlad = bledy->NajwiekszyBlad;
    w.SzczytRozkladu = bledy->SzczytRozkladu;

    if (u.Dekoder) {
        const std::vector<TFltFltStrumien*> wzmocnione = Wskazniki(w.StrumienieWzm);
        w.StrumienieZdekodowane = Przejmij(
            DekodujStrumienie(wzmocnione.data(), w.LiczbaTorow, standard.PoziomMin, standard.PoziomMax,
                              standard.SymbolMin, standard.SymbolMax, standard.KodStandardu == 0 ? 1 : 0,
                              static_cast<float>(w.SzybkoscSymboli), postep.Etykieta, postep.Czesciowy),
            w.LiczbaTorow);
        const std::vector<TFltFltStrumien*> zdekodowane = Wskazniki(w.StrumienieZdekodowane);
        const std::vector<TFltFltStrumien*> wzorce =
            Wskazniki(w.StrumienieWejsciowe, static_cast<std::size_t>(w.LiczbaTypow - 2 * w.LiczbaTorow));
        w.UdzialBledow = ZwrocBlad(zdekodowane.data(), wzorce.data(), w.LiczbaTorow, postep.Etykieta, postep.Czesciowy);
    }

    // Each stream loses the same share of its length as the line signal loses its
    // 20 symbol periods at either end: the run-in and run-out of the channel.
    const float xOstatni = w.StrumienieWejsciowe.back()->Zwroc(w.StrumienieWejsciowe.back()->ZwrocDlugosc() - 1).X;
    for (const auto& s : w.StrumienieWejsciowe) {
        const float E = s->Zwroc(s->ZwrocDlugosc() - 1).X;
        Przytnij(*s, 20.0f * E / xOstatni);
    }
    return wynik;
}
