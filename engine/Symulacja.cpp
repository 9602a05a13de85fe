#include "Symulacja.h"

#include <atomic>
#include <cmath>
#include <stdexcept>

#include "Liczby.h"
#include "OdbiorPrzebiegu.h"
#include "Standardy.h"
#include "SzumIDrzenie.h"
#include "VartoChannel.h"
#include "VartoDecode.h"
#include "VartoEncode.h"
#include "VartoError.h"
#include "ZrodlaBitow.h"

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

// A characteristic as the point stream the channel library reads.
std::unique_ptr<TFltFltStrumien> Strumien(const TCharakterystyka& punkty)
{
    auto s = std::make_unique<TFltFltStrumien>();
    UstawPunkty(*s, punkty);
    return s;
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

// The first visible point of s that is not a pair of finite numbers; -1 when none is.
std::int32_t NieskonczonyPunkt(TFltFltStrumien& s)
{
    for (std::int32_t i = 0; i < s.ZwrocDlugosc(); ++i) {
        const TPunkt p = s.Zwroc(i);
        if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            return i;
    }
    return -1;
}

} // namespace

std::int32_t LiczbaStrumieniKodera(int standard)
{
    std::int32_t liczba = 0;
    delete[] ZwrocTypyStrumieni(&liczba, Standardy.at(static_cast<std::size_t>(standard)).KodStandardu);
    return liczba;
}

void SprawdzSkonczonosc(TWynikSymulacji& w)
{
    const auto zglos = [](const std::string& co) {
        throw TWynikNieskonczony("the run produced a value that is not a finite number (" + co +
                                 "); no result is given");
    };
    const auto strumien = [&](TFltFltStrumien* s, const std::string& co) {
        if (s == nullptr)
            return;
        if (const std::int32_t i = NieskonczonyPunkt(*s); i >= 0)
            zglos(co + ", point " + FormatujCalkowita(i));
    };
    for (std::size_t i = 0; i < w.Wejsciowe.size(); ++i)
        strumien(w.Wejsciowe[i].get(), "input stream " + FormatujCalkowita(static_cast<std::int64_t>(i)));
    for (std::size_t i = 0; i < w.Zaklocenia.size(); ++i)
        strumien(w.Zaklocenia[i].get(), "crosstalk source " + FormatujCalkowita(static_cast<std::int64_t>(i)));
    for (std::size_t i = 0; i < w.Tory.size(); ++i) {
        const TTorWyniku& t = w.Tory[i];
        const std::string tor = "lane " + FormatujCalkowita(static_cast<std::int64_t>(i)) + " ";
        strumien(t.Odebrany.get(), tor + "received");
        strumien(t.Zregenerowany.get(), tor + "regenerated");
        strumien(t.Wzmocniony.get(), tor + "amplified");
        strumien(t.Zdekodowany.get(), tor + "decoded");
    }
    strumien(w.Rozklad.get(), "error distribution");
    strumien(w.Dystrybuanta.get(), "cumulative error distribution");
    if (!std::isfinite(w.BER))
        zglos("BER");
    if (!std::isfinite(w.NajwiekszyBlad))
        zglos("largest error");
    if (!std::isfinite(w.SzczytRozkladu))
        zglos("peak of the error distribution");
    if (w.UdzialBledow && !std::isfinite(*w.UdzialBledow))
        zglos("share of wrongly decoded time");
}

double OkresSymboluNs(const TWynikSymulacji& w)
{
    return w.SzybkoscSymboli > 0 ? 1000.0 / w.SzybkoscSymboli * OkresSymboluKodu(w.Ustawienia.Standard) : 0.0;
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
    if (const std::vector<TNaruszenie> naruszenia = SprawdzUstawienia(u, LiczbaBitowMaxWiersza); !naruszenia.empty())
        throw std::invalid_argument("invalid settings: " + naruszenia.front().Powod);
    const TStandard& standard = Standardy.at(static_cast<std::size_t>(u.Standard));
    auto wynik = std::make_unique<TWynikSymulacji>();
    TWynikSymulacji& w = *wynik;
    w.Ustawienia = u;
    w.Ziarno = u.Ziarno.value_or(ZiarnoZZegara());
    w.LiczbaBitowKodowanych = BityKodowane(u);
    w.SzybkoscSymboli = SzybkoscSymboli(u.Standard, u.Szybkosc);
    const std::int32_t tory = standard.LiczbaTorow;
    const TBityPrzebiegu bity = BityPrzebiegu(u, w.Ziarno);

    const std::int32_t liczbaTypow = LiczbaStrumieniKodera(u.Standard);
    std::vector<std::int32_t> numery(static_cast<std::size_t>(liczbaTypow));
    for (std::int32_t i = 0; i < liczbaTypow; ++i)
        numery[static_cast<std::size_t>(i)] = i;
    w.Wejsciowe = Koduj(bity.Linia, numery, standard, w.SzybkoscSymboli, u.Nachylenie);
    // The coder's last streams are the lanes' code-symbol staircases, then their line signals.
    w.Tory.resize(static_cast<std::size_t>(tory));
    for (std::int32_t i = 0; i < tory; ++i) {
        TTorWyniku& tor = w.Tory[static_cast<std::size_t>(i)];
        tor.Wyslany = w.Wejsciowe[static_cast<std::size_t>(liczbaTypow - tory + i)].get();
        tor.Wzorzec = w.Wejsciowe[static_cast<std::size_t>(liczbaTypow - 2 * tory + i)].get();
        tor.Nazwa = tor.Wyslany->ZwrocNazwe();
    }

    // The crosstalk source has random bits of its own, whatever the lane's source.
    std::vector<TFltFltStrumien*> doKanalu;
    for (const TTorWyniku& tor : w.Tory)
        doKanalu.push_back(tor.Wyslany);
    for (std::int32_t k = tory; k < tory + standard.LiczbaZaklocen; ++k) {
        TStrumienie zrodlo = Koduj(bity.Zaklocenia, {liczbaTypow - 1}, standard, w.SzybkoscSymboli, u.Nachylenie);
        zrodlo[0]->UstawNazwe(zrodlo[0]->ZwrocNazwe() + " (" + FormatujCalkowita(k + 1) + ")");
        doKanalu.push_back(zrodlo[0].get());
        w.Zaklocenia.push_back(std::move(zrodlo[0]));
    }

    // With jitter the channel carries jittered copies of the lanes; what was sent stays
    // the reference of the amplifier and the error measurement.
    std::vector<TFltFltStrumien*> naLinie = doKanalu;
    const TStrumienie rozedrgane = RozedrganeTory(w, doKanalu);
    for (std::size_t i = 0; i < rozedrgane.size(); ++i)
        naLinie[i] = rozedrgane[i].get();

    TCharakterystyka lustro;
    const auto tlumienie = Strumien(u.Charakterystyki.Tlumienie);
    const auto przesluchy = Strumien(u.Charakterystyki.Przesluchy);
    const auto echo = Strumien(u.Charakterystyki.Echo);
    const auto wzmocnienie = Strumien(CharakterystykaRegeneracji(u, lustro));
    std::vector<std::int32_t> numeryTorow(static_cast<std::size_t>(tory));
    for (std::int32_t i = 0; i < tory; ++i)
        numeryTorow[static_cast<std::size_t>(i)] = i;
    TFltFltStrumien** poKanale = ZwrocStrumieniePoKanale(
        naLinie.data(), static_cast<std::int32_t>(naLinie.size()), static_cast<float>(w.SzybkoscSymboli),
        tlumienie.get(), przesluchy.get(), echo.get(), wzmocnienie.get(), u.Przesluchy, u.Echo, u.Regeneracja,
        u.PrzesuniecieEcha, numeryTorow.data(), tory, flagaZakonczenia, postep.Etykieta, postep.Czesciowy,
        postep.Calkowity);
    const std::int32_t liczbaPoKanale = tory * (u.Regeneracja ? 2 : 1);
    if (poKanale == nullptr || Zakonczono(flagaZakonczenia)) {
        if (poKanale != nullptr)
            Przejmij(poKanale, liczbaPoKanale);
        return nullptr;
    }
    // The channel returns the lanes as received, then (with regeneration) as regenerated.
    TStrumienie odebrane = Przejmij(poKanale, liczbaPoKanale);
    for (std::int32_t i = 0; i < tory; ++i) {
        TTorWyniku& tor = w.Tory[static_cast<std::size_t>(i)];
        tor.Odebrany = std::move(odebrane[static_cast<std::size_t>(i)]);
        if (u.Regeneracja)
            tor.Zregenerowany = std::move(odebrane[static_cast<std::size_t>(tory + i)]);
    }

    DodajSzumOdbiornika(w);
    std::vector<TFltFltStrumien*> wejscia;
    for (const TTorWyniku& tor : w.Tory)
        wejscia.push_back(tor.Wejscie());
    TStrumienie wzmocnione =
        Przejmij(ZwrocStrumienieWzm(doKanalu.data(), wejscia.data(), tory, postep.Etykieta, postep.Czesciowy), tory);
    for (std::int32_t i = 0; i < tory; ++i)
        w.Tory[static_cast<std::size_t>(i)].Wzmocniony = std::move(wzmocnione[static_cast<std::size_t>(i)]);

    const auto a0 = static_cast<std::int32_t>(std::trunc(u.Charakterystyki.Tlumienie.at(0).Y));
    std::unique_ptr<WynikBledow> bledy(ZwrocBledy(doKanalu.data(), wejscia.data(), tory, standard.MarginesDecyzji,
                                                  1000, a0, postep.Etykieta, postep.Czesciowy));
    w.Rozklad.reset(bledy->Rozklad);
    w.Dystrybuanta.reset(bledy->Dystrybuanta);
    w.BER = bledy->BER;
    w.NajwiekszyBlad = bledy->NajwiekszyBlad;
    w.SzczytRozkladu = bledy->SzczytRozkladu;

    if (u.Dekoder) {
        std::vector<TFltFltStrumien*> wzmocnioneTorow;
        std::vector<TFltFltStrumien*> wzorce;
        for (const TTorWyniku& tor : w.Tory) {
            wzmocnioneTorow.push_back(tor.Wzmocniony.get());
            wzorce.push_back(tor.Wzorzec);
        }
        TStrumienie zdekodowane = Przejmij(
            DekodujStrumienie(wzmocnioneTorow.data(), tory, standard.PoziomMin, standard.PoziomMax, standard.SymbolMin,
                              standard.SymbolMax, standard.KodStandardu == 0 ? 1 : 0,
                              static_cast<float>(w.SzybkoscSymboli), postep.Etykieta, postep.Czesciowy),
            tory);
        std::vector<TFltFltStrumien*> zdekodowaneTorow;
        for (std::int32_t i = 0; i < tory; ++i) {
            zdekodowaneTorow.push_back(zdekodowane[static_cast<std::size_t>(i)].get());
            w.Tory[static_cast<std::size_t>(i)].Zdekodowany = std::move(zdekodowane[static_cast<std::size_t>(i)]);
        }
        w.UdzialBledow = ZwrocBlad(zdekodowaneTorow.data(), wzorce.data(), tory, postep.Etykieta, postep.Czesciowy);
    }

    OdbierzPrzebieg(w, bity.Linia);
    ZmierzOka(w);
    GestoscOkaPrzebiegu(w);

    // Each stream loses the same share of its length as the line signal loses its
    // 20 symbol periods at either end: the run-in and run-out of the channel.
    const float xOstatni = w.Wejsciowe.back()->Zwroc(w.Wejsciowe.back()->ZwrocDlugosc() - 1).X;
    for (const auto& s : w.Wejsciowe) {
        const float E = s->Zwroc(s->ZwrocDlugosc() - 1).X;
        Przytnij(*s, 20.0f * E / xOstatni);
    }
    SprawdzSkonczonosc(w);
    return wynik;
}
