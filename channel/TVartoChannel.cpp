#include "TVartoChannel.h"

#include <algorithm>
#include <cmath>

#include "JadraWektorowe.h"
#include "Obciecie.h"
#include "Rownolegle.h"
#include "SplotWidmowy.h"

namespace {

// Every running sum of the channel is held in single precision: each partial sum is
// rounded to a float, while the term added to it is a double.
inline float Dodaj(float suma, double skladnik)
{
    return static_cast<float>(static_cast<double>(suma) + skladnik);
}

std::int32_t LiczbaBlokow(std::int64_t ile, std::int64_t naBlok)
{
    return static_cast<std::int32_t>((ile + naBlok - 1) / naBlok);
}

// Samples above fMax are not kept, but the amplitude sum counts them, and every filter
// built so far carries that sum in the rounding of its taps. The count stops this many
// samples (about 105 GHz) above fMax, so a list reaching any further costs no more time;
// the sum only scales the taps before they are normalised to the middle one.
constexpr std::int64_t ProbkiPonadFMax = std::int64_t{1} << 21;

// The hot loops take their weights and samples as doubles, each read once per lane group.
std::vector<double> JakoDouble(const std::vector<float>& v, std::size_t margines = 0)
{
    std::vector<double> wynik(v.size() + 2 * margines, 0.0);
    std::copy(v.begin(), v.end(), wynik.begin() + static_cast<std::ptrdiff_t>(margines));
    return wynik;
}

} // namespace

TVartoChannel::TVartoChannel(const TKontrolaKanalu& kontrola) : Kontrola(kontrola) {}

void TVartoChannel::UstawCharakterystyke(TFltFltStrumien& punkty, std::int32_t A, float fMax, float dlugosc)
{
    const std::int32_t n = punkty.ZwrocDlugosc();
    Punkty.clear();
    Punkty.reserve(static_cast<std::size_t>(n) + 1);
    for (std::int32_t j = 0; j < n; ++j)
        Punkty.push_back(punkty.Zwroc(j));

    const TPunkt ostatni = Punkty[static_cast<std::size_t>(n - 1)];
    const TPunkt przedostatni = Punkty[static_cast<std::size_t>(n - 2)];
    float y = ostatni.Y;
    if (!(ostatni.Y > 0.0f)) {
        const double nachylenie = (static_cast<double>(ostatni.Y) - przedostatni.Y) /
                                  (std::log10(static_cast<double>(ostatni.X)) - std::log10(static_cast<double>(przedostatni.X)));
        y = static_cast<float>(ostatni.Y + nachylenie * (std::log10(static_cast<double>(fMax)) -
                                                         std::log10(static_cast<double>(ostatni.X))));
    }
    Punkty.push_back(TPunkt{fMax, y});
    TapyNaMikrosekunde = A;
    Dlugosc = dlugosc;
}

void TVartoChannel::ObliczWidmo()
{
    Kontrola.Odswiez();
    const auto N = Obetnij<std::int32_t>(20.0 * static_cast<double>(Punkty.back().X));
    Amplitudy.assign(static_cast<std::size_t>(std::max(N, 0)), 0.0f);
    SumaWidma = 0.0f;
    Kontrola.MaksimumKroku(N);

    // Segment j runs from point j − 1 to point j: constant before the first point and
    // between equal gains (no logarithm taken), straight in frequency up to the second
    // point, straight in log frequency beyond.
    const std::int64_t ostatnia = static_cast<std::int64_t>(std::max(N, 0)) + ProbkiPonadFMax;
    std::int64_t i = 0;
    for (std::size_t j = 0; j < Punkty.size(); ++j) {
        const TPunkt p = Punkty[j];
        const TPunkt q = j > 0 ? Punkty[j - 1] : p;
        const bool staly = j == 0 || p.Y == q.Y;
        const bool liniowy = j == 1;
        double nachylenie = 0.0;
        double logQ = 0.0;
        if (!staly && liniowy) {
            nachylenie = (static_cast<double>(p.Y) - q.Y) / (static_cast<double>(p.X) - q.X);
        } else if (!staly) {
            logQ = std::log10(static_cast<double>(q.X));
            nachylenie = (static_cast<double>(p.Y) - q.Y) / (std::log10(static_cast<double>(p.X)) - logQ);
        }
        for (; i <= ostatnia && CzestotliwoscProbki(i) <= static_cast<long double>(p.X); ++i) {
            if (Kontrola.Przerwano()) {
                Amplitudy.clear();
                return;
            }
            Kontrola.PozycjaKroku(i);
            Kontrola.PostepCalosci(1);

            const double f = static_cast<double>(CzestotliwoscProbki(i));
            double g = p.Y;
            if (!staly && liniowy)
                g = q.Y + nachylenie * (f - q.X);
            else if (!staly)
                g = q.Y + nachylenie * (std::log10(f) - logQ);

            const double a = std::pow(10.0, 0.05 * g);
            SumaWidma = Dodaj(SumaWidma, a);
            // Samples above fMax exist only when the list reaches past it: counted, not kept.
            if (i < N)
                Amplitudy[static_cast<std::size_t>(i)] = static_cast<float>(a);
        }
    }
    Kontrola.KrokWykonany();
}

void TVartoChannel::ObliczOdpowiedzImpulsowa()
{
    std::int32_t M = Obetnij<std::int32_t>(static_cast<double>(TapyNaMikrosekunde) * static_cast<double>(Dlugosc));
    if (M % 2 == 0)
        ++M;
    const std::int32_t polowa = (M - 1) / 2;
    const auto N = static_cast<std::int64_t>(Amplitudy.size());
    SumaWartosciOdczepow = 0.0f;

    // 2π · 0.05 i · (k − half) / A = 2π · i (k − half) / (20 A): every cosine of the build
    // is an entry of one table of 20 A, and tap half ± m shares its sum with half ∓ m.
    Kosinusy = std::make_unique<TTablicaKosinusow>(20 * static_cast<std::int64_t>(TapyNaMikrosekunde));
    Kontrola.Odswiez();
    Kontrola.MaksimumKroku(M);

    std::vector<std::int64_t> przesuniecia(static_cast<std::size_t>(polowa) + 1);
    for (std::int32_t m = 0; m <= polowa; ++m)
        przesuniecia[static_cast<std::size_t>(m)] = m;
    std::vector<float> sumy(przesuniecia.size());
    const std::vector<double> wagi = JakoDouble(Amplitudy);
    const TJadra& jadra = Jadra();

    std::int64_t zgloszoneOdczepy = 0;
    const auto oblicz = [&](std::int32_t b) {
        const std::int32_t od = b * PasyBlokuKosinusow;
        const std::int32_t ile = std::min(PasyBlokuKosinusow, polowa + 1 - od);
        jadra.SumujKosinusy(Kosinusy->Dane(), Kosinusy->Okres(), przesuniecia.data() + od, ile, 0, wagi.data(), N,
                            sumy.data() + od);
    };
    const auto zglos = [&](std::int32_t b) {
        const std::int32_t od = b * PasyBlokuKosinusow;
        const std::int32_t ile = std::min(PasyBlokuKosinusow, polowa + 1 - od);
        for (std::int32_t m = od; m < od + ile; ++m) {
            for (int strona = m == 0 ? 1 : 2; strona > 0; --strona) {
                if (Kontrola.Przerwano())
                    return false;
                Kontrola.PozycjaKroku(zgloszoneOdczepy++);
                Kontrola.PostepCalosci(N);
            }
        }
        return true;
    };
    if (!WykonajBloki(LiczbaBlokow(polowa + 1, PasyBlokuKosinusow), oblicz, zglos, Kontrola))
        return;

    const auto h = [&](std::int32_t m) {
        return static_cast<float>(static_cast<double>(sumy[static_cast<std::size_t>(m)]) / SumaWidma);
    };
    Srodek = h(0);
    auto odpowiedz = std::make_unique<TFltFltStrumien>();
    odpowiedz->UstawDlugosc(M);
    WartosciOdczepow.assign(static_cast<std::size_t>(M), 0.0f);
    for (std::int32_t k = 0; k < M; ++k) {
        const std::int32_t m = std::abs(k - polowa);
        const auto y = static_cast<float>(static_cast<double>(h(m)) / Srodek);
        const auto t = static_cast<float>(static_cast<double>(k - polowa) / TapyNaMikrosekunde);
        SumaWartosciOdczepow = Dodaj(SumaWartosciOdczepow, y);
        WartosciOdczepow[static_cast<std::size_t>(k)] = y;
        odpowiedz->Ustaw(k, TPunkt{t, y});
    }
    OdpowiedzImpulsowa = std::move(odpowiedz);
    Kontrola.KrokWykonany();
}

bool TVartoChannel::Zbuduj()
{
    ObliczWidmo();
    if (Kontrola.Przerwano())
        return false;
    ObliczOdpowiedzImpulsowa();
    return OdpowiedzImpulsowa && !Kontrola.Przerwano();
}

std::unique_ptr<TFltFltStrumien> TVartoChannel::ObliczCharakterystyke()
{
    const auto M = static_cast<std::int32_t>(WartosciOdczepow.size());
    const std::int32_t polowa = (M - 1) / 2;
    // The realised response is drawn up to twice the highest frequency the caller gave.
    const double najwyzsza = Punkty[Punkty.size() - 2].X;
    const auto K = std::max(0, Obetnij<std::int32_t>(najwyzsza * 20.0 * 2.0));
    Kontrola.Odswiez();
    Kontrola.MaksimumKroku(K);

    std::vector<std::int64_t> czestotliwosci(static_cast<std::size_t>(K));
    for (std::int32_t i = 0; i < K; ++i)
        czestotliwosci[static_cast<std::size_t>(i)] = i;
    std::vector<float> sumy(static_cast<std::size_t>(K));
    const std::vector<double> wagi = JakoDouble(WartosciOdczepow);
    const TJadra& jadra = Jadra();

    const auto oblicz = [&](std::int32_t b) {
        const std::int32_t od = b * PasyBlokuKosinusow;
        const std::int32_t ile = std::min(PasyBlokuKosinusow, K - od);
        jadra.SumujKosinusy(Kosinusy->Dane(), Kosinusy->Okres(), czestotliwosci.data() + od, ile, -polowa, wagi.data(),
                            M, sumy.data() + od);
    };
    const auto zglos = [&](std::int32_t b) {
        const std::int32_t od = b * PasyBlokuKosinusow;
        const std::int32_t ile = std::min(PasyBlokuKosinusow, K - od);
        for (std::int32_t i = od; i < od + ile; ++i) {
            if (Kontrola.Przerwano())
                return false;
            Kontrola.PozycjaKroku(i);
            Kontrola.PostepCalosci(M);
        }
        return true;
    };
    if (!WykonajBloki(LiczbaBlokow(K, PasyBlokuKosinusow), oblicz, zglos, Kontrola))
        return nullptr;

    const double a0 = Amplitudy[0];
    auto charakterystyka = std::make_unique<TFltFltStrumien>();
    charakterystyka->UstawDlugosc(K);
    for (std::int32_t i = 0; i < K; ++i) {
        const float H = std::fabs(sumy[static_cast<std::size_t>(i)]);
        const auto dB = static_cast<float>(20.0 * std::log10(static_cast<double>(H) * a0 / SumaWartosciOdczepow));
        charakterystyka->Ustaw(i, TPunkt{static_cast<float>(CzestotliwoscProbki(i)), dB});
    }
    Kontrola.KrokWykonany();
    return charakterystyka;
}

std::unique_ptr<TFltFltStrumien> TVartoChannel::OddajOdpowiedzImpulsowa()
{
    return std::move(OdpowiedzImpulsowa);
}

std::unique_ptr<TFltFltStrumien> TVartoChannel::Filtruj(TFltFltStrumien& wejscie, bool przeprobkuj, float R)
{
    if (Kontrola.Przerwano())
        return nullptr;
    Wejscie = &wejscie;
    ProbkiNaSymbol = ParametryKanalu(R).S;
    PrzygotujWejscie(przeprobkuj);
    if (Kontrola.Przerwano())
        return nullptr;

    Kontrola.Odswiez();
    const auto C = static_cast<std::int32_t>(Probkowane.size());
    Kontrola.MaksimumKroku(C);
    const std::vector<float> sumy = SumySplotu();
    if (sumy.size() != static_cast<std::size_t>(C))
        return nullptr;

    auto wyjscie = std::make_unique<TFltFltStrumien>();
    wyjscie->UstawDlugosc(C);
    const double a0 = Amplitudy[0];
    for (std::int32_t i = 0; i < C; ++i) {
        const double y = a0 * static_cast<double>(sumy[static_cast<std::size_t>(i)]) / SumaWartosciOdczepow;
        wyjscie->Ustaw(i, TPunkt{static_cast<float>(static_cast<double>(i) / ProbkiNaSymbol), static_cast<float>(y)});
    }
    Kontrola.KrokWykonany();
    if (Kontrola.Przerwano())
        return nullptr;
    wyjscie->SkalaX = 1.0f;
    wyjscie->UstawNazwe(wejscie.ZwrocNazwe());
    return wyjscie;
}

std::vector<float> TVartoChannel::SumySplotu()
{
    const auto C = static_cast<std::int32_t>(Probkowane.size());
    const auto M = static_cast<std::int32_t>(WartosciOdczepow.size());
    std::vector<float> sumy(static_cast<std::size_t>(C));
    // Both ways report as the direct loop always has: per output one look at the flag, the
    // step position and M on the overall gauge, whatever block size the work is cut into.
    const auto zglaszaj = [&](std::int32_t naBlok) {
        return [&, naBlok](std::int32_t b) {
            const std::int32_t od = b * naBlok;
            const std::int32_t do_ = std::min(C, od + naBlok);
            for (std::int32_t i = od; i < do_; ++i) {
                if (Kontrola.Przerwano())
                    return false;
                Kontrola.PozycjaKroku(i);
                Kontrola.PostepCalosci(M);
            }
            return true;
        };
    };

    bool policzone = false;
    if (SplotWidmowy(C, M)) {
        const TSplotWidmowy splot(WartosciOdczepow, C);
        const auto oblicz = [&](std::int32_t b) { splot.Licz(b, Probkowane.data(), sumy.data()); };
        policzone = WykonajBloki(splot.LiczbaBlokow(), oblicz, zglaszaj(splot.WyjsciaBloku()), Kontrola);
    } else {
        const std::vector<double> zMarginesem = JakoDouble(Probkowane, MarginesSplotu);
        const std::vector<double> odczepy = JakoDouble(WartosciOdczepow);
        const TJadra& jadra = Jadra();
        const auto oblicz = [&](std::int32_t b) {
            const std::int32_t od = b * WyjsciaBlokuSplotu;
            const std::int32_t do_ = std::min(C, od + WyjsciaBlokuSplotu);
            jadra.Splataj(zMarginesem.data(), C, odczepy.data(), M, od, do_, sumy.data() + od);
        };
        policzone = WykonajBloki(LiczbaBlokow(C, WyjsciaBlokuSplotu), oblicz, zglaszaj(WyjsciaBlokuSplotu), Kontrola);
    }
    if (!policzone)
        sumy.clear();
    return sumy;
}

void TVartoChannel::PrzygotujWejscie(bool przeprobkuj)
{
    const std::int32_t n = Wejscie->ZwrocDlugosc();
    if (!przeprobkuj) {
        Probkowane.resize(static_cast<std::size_t>(n));
        for (std::int32_t i = 0; i < n; ++i) {
            Probkowane[static_cast<std::size_t>(i)] = Wejscie->Zwroc(i).Y;
            if (Kontrola.Przerwano()) {
                Probkowane.clear();
                return;
            }
        }
        return;
    }

    Kontrola.Odswiez();
    std::vector<TPunkt> punkty(static_cast<std::size_t>(n));
    for (std::int32_t j = 0; j < n; ++j)
        punkty[static_cast<std::size_t>(j)] = Wejscie->Zwroc(j);
    const double S = ProbkiNaSymbol;
    const std::int32_t C = LiczbaProbek(punkty.back().X, ProbkiNaSymbol);
    Probkowane.assign(static_cast<std::size_t>(C), 0.0f);
    Kontrola.MaksimumKroku(C);

    // Sample i takes the first point at or after its time i / S: before the first point
    // the signal holds its first level, between points it runs straight.
    std::size_t j = 0;
    for (std::int32_t i = 0; i < C; ++i) {
        if (Kontrola.Przerwano()) {
            Probkowane.clear();
            return;
        }
        Kontrola.PozycjaKroku(i);
        Kontrola.PostepCalosci(1);
        const double t = i / S;
        while (j + 1 < punkty.size() && !(t <= punkty[j].X))
            ++j;
        const TPunkt p = punkty[j];
        double y = p.Y;
        if (j > 0 && p.Y != punkty[j - 1].Y) {
            const TPunkt q = punkty[j - 1];
            y = q.Y + (static_cast<double>(p.Y) - q.Y) / (static_cast<double>(p.X) - q.X) * (t - q.X);
        }
        Probkowane[static_cast<std::size_t>(i)] = static_cast<float>(y);
    }
    Kontrola.KrokWykonany();
}

TFltFltStrumien* TVartoChannel::DodajEcho(TFltFltStrumien& T, TFltFltStrumien& E, float R, std::int32_t przesuniecie)
{
    if (Kontrola.Przerwano())
        return nullptr;
    const double c = std::max(500.0 / static_cast<double>(R), 15.0);
    const auto D = static_cast<float>(przesuniecie * 0.001 * static_cast<double>(R) * c);
    const auto d = Obetnij<std::int64_t>(D);
    const double ulamek = static_cast<double>(D) - static_cast<double>(d);
    const std::int64_t dlugoscE = E.ZwrocDlugosc();

    for (std::int32_t m = T.ZwrocDlugosc() - 1; m >= 0; --m) {
        if (Kontrola.Przerwano())
            return nullptr;
        const std::int64_t k = m - d;
        // No echo before the reflection arrives, nor where E has no samples.
        if (k <= 1 || k >= dlugoscE)
            continue;
        const auto ek = static_cast<std::int32_t>(k);
        double echo = E.Zwroc(ek).Y;
        if (ulamek != 0.0)
            echo += (static_cast<double>(E.Zwroc(ek - 1).Y) - echo) * ulamek;
        TPunkt t = T.Zwroc(m);
        t.Y = static_cast<float>(static_cast<double>(t.Y) - echo);
        T.Ustaw(m, t);
    }
    return &T;
}

TFltFltStrumien* TVartoChannel::DodajPrzesluchy(TFltFltStrumien* const* odebrane, TFltFltStrumien* const* przesluchy,
                                                std::int32_t i, std::int32_t liczba)
{
    TFltFltStrumien& cel = *odebrane[i];
    TFltFltStrumien& wzorzecX = *odebrane[0];
    const std::int32_t n = cel.ZwrocDlugosc();
    const std::int32_t nWzorca = wzorzecX.ZwrocDlugosc();
    for (std::int32_t s = 0; s < n; ++s) {
        TPunkt p = cel.Zwroc(s);
        if (s < nWzorca)
            p.X = wzorzecX.Zwroc(s).X;
        for (std::int32_t j = 0; j < liczba; ++j) {
            if (j == i)
                continue;
            if (Kontrola.Przerwano())
                return nullptr;
            TFltFltStrumien& zrodlo = *przesluchy[j];
            if (s < zrodlo.ZwrocDlugosc())
                p.Y = Dodaj(p.Y, zrodlo.Zwroc(s).Y);
        }
        cel.Ustaw(s, p);
    }
    return &cel;
}
