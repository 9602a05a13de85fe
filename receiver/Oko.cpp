#include "Oko.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double Nieskonczonosc = std::numeric_limits<double>::infinity();
// Thresholds the vertical bathtub takes across one opening.
constexpr int KrokiProgu = 50;
constexpr int Srodek = KrokiFazyOka / 2;

// One level at one phase: the samples nearest the instants, and the extremes of the
// lines between samples.
struct TAkumulator {
    std::int64_t Liczba = 0;
    double Suma = 0.0;
    double Kwadraty = 0.0;
    double Min = Nieskonczonosc;
    double Max = -Nieskonczonosc;
    double MinLinii = Nieskonczonosc;
    double MaxLinii = -Nieskonczonosc;

    double Srednia() const { return Suma / static_cast<double>(Liczba); }
    double Sigma() const
    {
        if (Liczba < 2)
            return 0.0;
        const double n = static_cast<double>(Liczba);
        return std::sqrt(std::max(0.0, (Kwadraty - Suma * Suma / n) / (n - 1.0)));
    }
};

// The samples of a signal inside [od, do_), read at times in symbol periods.
struct TOdczyt {
    const TSygnalToru& Sygnal;
    std::int64_t Od;
    std::int64_t Do;

    // The sample nearest t, or NaN outside.
    double Najblizsza(double t) const
    {
        const double p = std::nearbyint(t * Sygnal.ProbkiNaSymbol);
        if (!(p >= static_cast<double>(Od) && p < static_cast<double>(Do)))
            return std::numeric_limits<double>::quiet_NaN();
        return Sygnal.Probki[static_cast<std::size_t>(p)];
    }
    // The line between the samples around t, or NaN outside.
    double Linia(double t) const
    {
        const double p = t * Sygnal.ProbkiNaSymbol;
        const double p0 = std::floor(p);
        if (!(p0 >= static_cast<double>(Od) && p0 + 1.0 < static_cast<double>(Do)))
            return std::numeric_limits<double>::quiet_NaN();
        const auto i = static_cast<std::size_t>(p0);
        const double a = Sygnal.Probki[i];
        return a + (Sygnal.Probki[i + 1] - a) * (p - p0);
    }
};

double Faza(double faza, int i)
{
    return faza - 0.5 + static_cast<double>(i) / KrokiFazyOka;
}

// The span of phases around the middle of the grid where f stays above 0, each end
// placed where f crosses 0 on the straight line between grid points; nothing when the
// middle is not above 0.
template <typename F>
std::optional<std::pair<double, double>> Rozpietosc(double faza, F&& f)
{
    if (!(f(Srodek) > 0.0))
        return std::nullopt;
    const auto koniec = [&](int krok) {
        int i = Srodek;
        while (i + krok >= 0 && i + krok <= KrokiFazyOka && f(i + krok) > 0.0)
            i += krok;
        if (i + krok < 0 || i + krok > KrokiFazyOka)
            return Faza(faza, i);
        const double wewnatrz = f(i);
        const double zewnatrz = f(i + krok);
        if (!std::isfinite(wewnatrz) || !std::isfinite(zewnatrz))
            return Faza(faza, i);
        return Faza(faza, i) + krok * (wewnatrz / (wewnatrz - zewnatrz)) / KrokiFazyOka;
    };
    return std::pair{koniec(-1), koniec(1)};
}

} // namespace

double OgonGaussa(double d, double sigma)
{
    if (sigma > 0.0)
        return 0.5 * std::erfc(d / (sigma * std::sqrt(2.0)));
    return d > 0.0 ? 0.0 : d < 0.0 ? 1.0 : 0.5;
}

TOkoToru ZmierzOko(const TSygnalToru& sygnal, TKodLinii kod, const TPoziomy& poziomy,
                   const TSynchronizacja& synchronizacja, const std::vector<std::int32_t>& wyslane)
{
    const std::int32_t min = SymbolMinKodu(kod);
    const std::int32_t max = SymbolMaxKodu(kod);
    const int liczbaPoziomow = max - min + 1;
    // Levels by voltage: 10BaseT sends its higher symbol at the lower voltage.
    const auto ranga = [&](std::int32_t symbol) {
        const int r = symbol - min;
        return poziomy.Krok < 0.0 ? liczbaPoziomow - 1 - r : r;
    };
    const auto n = static_cast<std::int64_t>(sygnal.Probki.size());
    const TOdczyt odczyt{sygnal, std::max<std::int64_t>(sygnal.OdProbki, 0),
                         sygnal.DoProbki > 0 ? std::min(sygnal.DoProbki, n) : n};

    TOkoToru oko;
    oko.Faza = synchronizacja.Faza;
    const double przesuniecie = synchronizacja.Opoznienie + synchronizacja.Faza;

    // Per phase and level; the crossing's mean rising and falling edge per phase.
    std::vector<TAkumulator> akumulatory(static_cast<std::size_t>((KrokiFazyOka + 1) * liczbaPoziomow));
    const auto akumulator = [&](int i, int r) -> TAkumulator& {
        return akumulatory[static_cast<std::size_t>(i * liczbaPoziomow + r)];
    };
    std::vector<double> rosnace(KrokiFazyOka + 1, 0.0);
    std::vector<double> opadajace(KrokiFazyOka + 1, 0.0);
    std::vector<std::int64_t> liczbaRosnacych(KrokiFazyOka + 1, 0);
    std::vector<std::int64_t> liczbaOpadajacych(KrokiFazyOka + 1, 0);
    const double poczatekCzasu = static_cast<double>(odczyt.Od) / sygnal.ProbkiNaSymbol - 1.0;
    const double koniecCzasu = static_cast<double>(odczyt.Do) / sygnal.ProbkiNaSymbol + 1.0;

    for (std::size_t k = 0; k < wyslane.size(); ++k) {
        const std::int32_t symbol = wyslane[k];
        const double chwila = static_cast<double>(k) + przesuniecie;
        if (symbol < min || symbol > max || chwila < poczatekCzasu || chwila > koniecCzasu)
            continue;
        const int r = ranga(symbol);
        for (int i = 0; i <= KrokiFazyOka; ++i) {
            const double t = chwila - 0.5 + static_cast<double>(i) / KrokiFazyOka;
            TAkumulator& a = akumulator(i, r);
            if (const double v = odczyt.Najblizsza(t); !std::isnan(v)) {
                ++a.Liczba;
                a.Suma += v;
                a.Kwadraty += v * v;
                a.Min = std::min(a.Min, v);
                a.Max = std::max(a.Max, v);
            }
            if (const double v = odczyt.Linia(t); !std::isnan(v)) {
                a.MinLinii = std::min(a.MinLinii, v);
                a.MaxLinii = std::max(a.MaxLinii, v);
            }
        }
        if (liczbaPoziomow != 2 || k + 1 >= wyslane.size())
            continue;
        const std::int32_t nastepny = wyslane[k + 1];
        if (nastepny == symbol || nastepny < min || nastepny > max)
            continue;
        const bool rosnie = ranga(nastepny) > r;
        for (int i = 0; i <= KrokiFazyOka; ++i) {
            const double v = odczyt.Linia(chwila + static_cast<double>(i) / KrokiFazyOka);
            if (std::isnan(v))
                continue;
            (rosnie ? rosnace : opadajace)[static_cast<std::size_t>(i)] += v;
            ++(rosnie ? liczbaRosnacych : liczbaOpadajacych)[static_cast<std::size_t>(i)];
        }
    }

    for (int r = 0; r < liczbaPoziomow; ++r) {
        const TAkumulator& a = akumulator(Srodek, r);
        TPoziomOka p;
        p.Symbol = poziomy.Krok < 0.0 ? max - r : min + r;
        p.Liczba = a.Liczba;
        if (a.Liczba > 0) {
            p.Srednia = a.Srednia();
            p.Sigma = a.Sigma();
            p.Min = a.Min;
            p.Max = a.Max;
        }
        oko.Poziomy.push_back(p);
    }

    // The share of the symbols at each phase that were sent at level r.
    std::vector<std::int64_t> wszystkie(KrokiFazyOka + 1, 0);
    for (int i = 0; i <= KrokiFazyOka; ++i)
        for (int r = 0; r < liczbaPoziomow; ++r)
            wszystkie[static_cast<std::size_t>(i)] += akumulator(i, r).Liczba;
    // The error rate of one level's tail at phase i beyond the threshold at distance d
    // (positive: on the right side), weighted by the level's share.
    const auto ogon = [&](int i, int r, double prog, bool gorny) {
        const TAkumulator& a = akumulator(i, r);
        if (a.Liczba == 0)
            return 0.0;
        const double d = gorny ? a.Srednia() - prog : prog - a.Srednia();
        return static_cast<double>(a.Liczba) / static_cast<double>(wszystkie[static_cast<std::size_t>(i)]) *
            OgonGaussa(d, a.Sigma());
    };

    for (int j = 0; j + 1 < liczbaPoziomow; ++j) {
        TPodoko podoko;
        podoko.Dolny = j;
        podoko.Gorny = j + 1;
        const TPoziomOka& dolny = oko.Poziomy[static_cast<std::size_t>(j)];
        const TPoziomOka& gorny = oko.Poziomy[static_cast<std::size_t>(j + 1)];
        if (dolny.Liczba == 0 || gorny.Liczba == 0) {
            oko.Podoka.push_back(podoko);
            continue;
        }
        const double prog = 0.5 * (dolny.Srednia + gorny.Srednia);
        podoko.Prog = prog;
        podoko.Amplituda = gorny.Srednia - dolny.Srednia;
        podoko.Wysokosc = std::max(0.0, gorny.Min - dolny.Max);
        podoko.Wysokosc3Sigma =
            std::max(0.0, (gorny.Srednia - 3.0 * gorny.Sigma) - (dolny.Srednia + 3.0 * dolny.Sigma));

        // Every trace of the levels above the opening stays above the threshold, every
        // trace of those below stays below.
        const auto margines = [&](int i) {
            double m = Nieskonczonosc;
            for (int r = 0; r < liczbaPoziomow; ++r) {
                const TAkumulator& a = akumulator(i, r);
                m = std::min(m, r > j ? a.MinLinii - prog : prog - a.MaxLinii);
            }
            return m;
        };
        const auto otwarte = Rozpietosc(oko.Faza, margines);
        podoko.SzerokoscOd = otwarte ? otwarte->first : oko.Faza;
        podoko.SzerokoscDo = otwarte ? otwarte->second : oko.Faza;
        podoko.Szerokosc = *podoko.SzerokoscDo - *podoko.SzerokoscOd;

        for (int i = 0; i <= KrokiFazyOka; ++i)
            podoko.Wanna.push_back(ogon(i, j, prog, false) + ogon(i, j + 1, prog, true));
        const auto ponizejCelu = [&](int i) {
            return std::log10(BERSzerokosciOka) -
                std::log10(std::max(podoko.Wanna[static_cast<std::size_t>(i)], std::numeric_limits<double>::min()));
        };
        const auto zBER = Rozpietosc(oko.Faza, ponizejCelu);
        podoko.SzerokoscBER = zBER ? zBER->second - zBER->first : 0.0;

        const TAkumulator& a = akumulator(Srodek, j);
        const TAkumulator& b = akumulator(Srodek, j + 1);
        if (gorny.Srednia > dolny.Srednia)
            for (int s = 0; s <= KrokiProgu; ++s) {
                const double v = dolny.Srednia + (gorny.Srednia - dolny.Srednia) * s / KrokiProgu;
                const double udzial = static_cast<double>(wszystkie[Srodek]);
                oko.ProgiWanny.push_back(v);
                oko.WannaPionowa.push_back(static_cast<double>(a.Liczba) / udzial * OgonGaussa(v - a.Srednia(), a.Sigma()) +
                                           static_cast<double>(b.Liczba) / udzial * OgonGaussa(b.Srednia() - v, b.Sigma()));
            }
        oko.Podoka.push_back(podoko);
    }

    for (const TPodoko& p : oko.Podoka) {
        if (p.Wanna.empty())
            continue;
        if (oko.Wanna.empty()) {
            oko.Wanna.assign(p.Wanna.size(), 0.0);
            for (int i = 0; i <= KrokiFazyOka; ++i)
                oko.FazyWanny.push_back(Faza(oko.Faza, i));
        }
        for (std::size_t i = 0; i < p.Wanna.size(); ++i)
            oko.Wanna[i] += p.Wanna[i];
    }

    // The crossing: where the mean rising edge overtakes the mean falling one.
    if (liczbaPoziomow == 2 && oko.Podoka.front().Amplituda && *oko.Podoka.front().Amplituda > 0.0) {
        const auto krawedz = [&](const std::vector<double>& suma, const std::vector<std::int64_t>& liczba, int i) {
            return suma[static_cast<std::size_t>(i)] / static_cast<double>(liczba[static_cast<std::size_t>(i)]);
        };
        for (int i = 1; i <= KrokiFazyOka && !oko.Przeciecie; ++i) {
            if (liczbaRosnacych[static_cast<std::size_t>(i - 1)] == 0 || liczbaRosnacych[static_cast<std::size_t>(i)] == 0 ||
                liczbaOpadajacych[static_cast<std::size_t>(i - 1)] == 0 || liczbaOpadajacych[static_cast<std::size_t>(i)] == 0)
                continue;
            const double r0 = krawedz(rosnace, liczbaRosnacych, i - 1);
            const double r1 = krawedz(rosnace, liczbaRosnacych, i);
            const double d0 = r0 - krawedz(opadajace, liczbaOpadajacych, i - 1);
            const double d1 = r1 - krawedz(opadajace, liczbaOpadajacych, i);
            if (!(d0 < 0.0 && d1 >= 0.0))
                continue;
            const double v = r0 + (r1 - r0) * (-d0 / (d1 - d0));
            const TPoziomOka& dolny = oko.Poziomy.front();
            oko.Przeciecie = 100.0 * (v - dolny.Srednia) / *oko.Podoka.front().Amplituda;
        }
    }
    return oko;
}
