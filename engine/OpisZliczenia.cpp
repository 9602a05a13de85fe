#include "OpisZliczenia.h"

#include <cmath>

#include "Liczby.h"
#include "Standardy.h"
#include "Statystyka.h"

namespace {

// The Polish forms of a unit: after 1, after a fraction, after 2 to 4 (not 12 to 14),
// and otherwise.
struct TJednostka {
    double Sekund;
    const char* Jeden;
    const char* Ulamek;
    const char* Kilka;
    const char* Wiele;
};

constexpr TJednostka Jednostki[] = {
    {365.0 * 86400.0, "rok", "roku", "lata", "lat"},
    {86400.0, "dzień", "dnia", "dni", "dni"},
    {3600.0, "godzina", "godziny", "godziny", "godzin"},
    {60.0, "minuta", "minuty", "minuty", "minut"},
    {1.0, "sekunda", "sekundy", "sekundy", "sekund"},
};

// A duration in the largest unit that holds at least one (seconds below a second): one
// decimal below ten unless it is 0, whole numbers from ten on.
std::string Czas(double sekundy)
{
    const TJednostka* j = &Jednostki[std::size(Jednostki) - 1];
    for (const TJednostka& k : Jednostki)
        if (sekundy >= k.Sekund) {
            j = &k;
            break;
        }
    const double ile = sekundy / j->Sekund;
    const double dziesiate = std::round(ile * 10.0);
    if (ile < 10.0 && std::fmod(dziesiate, 10.0) != 0.0)
        return FormatujStalo(dziesiate / 10.0, 1) + " " + j->Ulamek;
    const double calosc = std::round(ile);
    if (calosc == 1.0)
        return std::string("1 ") + j->Jeden;
    const double jednosci = std::fmod(calosc, 10.0);
    const double setki = std::fmod(calosc, 100.0);
    const bool kilka = jednosci >= 2.0 && jednosci <= 4.0 && !(setki >= 12.0 && setki <= 14.0);
    return FormatujStalo(calosc, 0) + " " + (kilka ? j->Kilka : j->Wiele);
}

} // namespace

TOpisZliczenia OpiszZliczenie(const TZliczoneBledy& z, double ber, int standard, std::int32_t szybkosc,
                              double docelowy)
{
    TOpisZliczenia opis;
    opis.Bledy = "Zliczone błędy: " + FormatujCalkowita(z.Bledy) + " z " + FormatujCalkowita(z.Porownane) + " bitów";
    opis.BER = "BER zliczony: " + FormatujNaukowo(z.BER, 1) + " (95 %: " + FormatujNaukowo(z.Dolna, 1) + " – " +
        FormatujNaukowo(z.Gorna, 1) + ")";

    const double estymacja = ber * Standardy.at(static_cast<std::size_t>(standard)).CzynnikBER;
    const char* polozenie = estymacja < z.Dolna ? "leży poniżej przedziału ufności zliczonego BER"
        : estymacja > z.Gorna                  ? "leży powyżej przedziału ufności zliczonego BER"
                                               : "mieści się w przedziale ufności zliczonego BER";
    opis.Estymacja = "Estymacja funkcją ERF (" + FormatujNaukowo(estymacja, 1) + ") " + polozenie;

    const double bity = BityDoWykazania(docelowy);
    opis.Wykazanie = "Wykazanie BER poniżej " + FormatujNaukowo(docelowy, 1) + " z ufnością 95 % wymaga " +
        FormatujNaukowo(bity, 1) + " bitów bez błędu, czyli " + Czas(bity / (static_cast<double>(szybkosc) * 1e6)) +
        " transmisji przy " + FormatujCalkowita(szybkosc) + " Mbps";
    return opis;
}
