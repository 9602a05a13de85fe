#include "OpisZliczenia.h"

#include <cmath>

#include "Liczby.h"
#include "Standardy.h"
#include "Statystyka.h"

namespace {

// A unit's forms: the Polish ones after 1, after a fraction, after 2 to 4 (not 12 to 14)
// and otherwise; the English singular and plural.
struct TJednostka {
    double Sekund;
    const char* Jeden;
    const char* Ulamek;
    const char* Kilka;
    const char* Wiele;
    const char* One;
    const char* Many;
};

constexpr TJednostka Jednostki[] = {
    {365.0 * 86400.0, "rok", "roku", "lata", "lat", "year", "years"},
    {86400.0, "dzień", "dnia", "dni", "dni", "day", "days"},
    {3600.0, "godzina", "godziny", "godziny", "godzin", "hour", "hours"},
    {60.0, "minuta", "minuty", "minuty", "minut", "minute", "minutes"},
    {1.0, "sekunda", "sekundy", "sekundy", "sekund", "second", "seconds"},
};

// A duration in the largest unit that holds at least one (seconds below a second): one
// decimal below ten unless it is 0, whole numbers from ten on.
std::string Czas(double sekundy, TJezyk jezyk)
{
    const bool pl = jezyk == TJezyk::Polski;
    const TJednostka* j = &Jednostki[std::size(Jednostki) - 1];
    for (const TJednostka& k : Jednostki)
        if (sekundy >= k.Sekund) {
            j = &k;
            break;
        }
    const double ile = sekundy / j->Sekund;
    const double dziesiate = std::round(ile * 10.0);
    if (ile < 10.0 && std::fmod(dziesiate, 10.0) != 0.0)
        return FormatujStalo(dziesiate / 10.0, 1, jezyk) + " " + (pl ? j->Ulamek : j->Many);
    const double calosc = std::round(ile);
    if (calosc == 1.0)
        return std::string("1 ") + (pl ? j->Jeden : j->One);
    const double jednosci = std::fmod(calosc, 10.0);
    const double setki = std::fmod(calosc, 100.0);
    const bool kilka = jednosci >= 2.0 && jednosci <= 4.0 && !(setki >= 12.0 && setki <= 14.0);
    return FormatujStalo(calosc, 0, jezyk) + " " + (!pl ? j->Many : kilka ? j->Kilka : j->Wiele);
}

} // namespace

TOpisZliczenia OpiszZliczenie(const TZliczoneBledy& z, double ber, int standard, std::int32_t szybkosc,
                              TJezyk jezyk, double docelowy)
{
    const bool pl = jezyk == TJezyk::Polski;
    const auto naukowo = [jezyk](double x) { return FormatujNaukowo(x, 1, jezyk); };
    TOpisZliczenia opis;
    opis.Bledy = (pl ? "Zliczone błędy: " : "Counted errors: ") + FormatujCalkowita(z.Bledy) + (pl ? " z " : " of ") +
        FormatujCalkowita(z.Porownane) + (pl ? " bitów" : " bits");
    opis.BER = (pl ? "BER zliczony: " : "Counted BER: ") + naukowo(z.BER) + (pl ? " (95 %: " : " (95%: ") +
        naukowo(z.Dolna) + " – " + naukowo(z.Gorna) + ")";

    const double estymacja = ber * Standardy.at(static_cast<std::size_t>(standard)).CzynnikBER;
    const int polozenie = estymacja < z.Dolna ? 0 : estymacja > z.Gorna ? 2 : 1;
    static constexpr const char* Polozenia[2][3] = {
        {"leży poniżej przedziału ufności zliczonego BER", "mieści się w przedziale ufności zliczonego BER",
         "leży powyżej przedziału ufności zliczonego BER"},
        {"lies below the confidence interval of the counted BER", "lies within the confidence interval of the counted BER",
         "lies above the confidence interval of the counted BER"},
    };
    opis.Estymacja = (pl ? "Estymacja funkcją ERF (" : "The ERF estimate (") + naukowo(estymacja) + ") " +
        Polozenia[pl ? 0 : 1][polozenie];

    const double bity = BityDoWykazania(docelowy);
    const std::string czas = Czas(bity / (static_cast<double>(szybkosc) * 1e6), jezyk);
    const std::string mbps = FormatujCalkowita(szybkosc) + " Mbps";
    opis.Wykazanie = pl ? "Wykazanie BER poniżej " + naukowo(docelowy) + " z ufnością 95 % wymaga " + naukowo(bity) +
            " bitów bez błędu, czyli " + czas + " transmisji przy " + mbps
                        : "Showing a BER below " + naukowo(docelowy) + " with 95% confidence takes " + naukowo(bity) +
            " error-free bits, that is " + czas + " of transmission at " + mbps;
    return opis;
}
