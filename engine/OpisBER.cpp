#include "OpisBER.h"

#include <cmath>

#include "Liczby.h"
#include "Standardy.h"

namespace {

// Polish plural endings: "2 sekundy" but "5 sekund", "22 minuty" but "12 minut".
std::string Koncowka(double n, const char* koncowka)
{
    const double jednosci = std::fmod(n, 10.0);
    const bool dwaTrzyCztery = jednosci >= 2.0 && jednosci <= 4.0;
    return dwaTrzyCztery && (n < 10.0 || n > 20.0) ? koncowka : "";
}

std::string KoncowkaMiesiecy(long long n)
{
    const long long jednosci = n % 10;
    return jednosci >= 2 && jednosci <= 4 && n < 10 ? "e" : "y";
}

struct TOkres {
    double Liczba;      // wrong bits in the period
    std::string Tekst;  // the period
    bool JedenBit;      // the count is "one wrong bit" whatever Liczba says
};

// The smallest n in 2..ostatnie with r * n >= 1, or 0 when there is none.
long long Szukaj(double r, long long ostatnie)
{
    for (long long n = 2; n <= ostatnie; ++n)
        if (r * static_cast<double>(n) >= 1.0)
            return n;
    return 0;
}

// n periods of one unit, naJednostke wrong bits in each.
TOkres Wielokrotnosc(double naJednostke, long long n, const std::string& jednostka)
{
    return {naJednostke * static_cast<double>(n), " na " + FormatujCalkowita(n) + jednostka, false};
}

// A second, a minute, an hour, a day, a month of 30 days, a year of 12 months: the
// first period in which at least one wrong bit appears.
TOkres Okres(double r)
{
    if (r >= 1.0)
        return {r, " na sekundę", false};
    if (const long long n = Szukaj(r, 58))
        return Wielokrotnosc(r, n, " sekund" + Koncowka(static_cast<double>(n), "y"));
    const double naMinute = r * 60.0;
    if (naMinute >= 1.0)
        return {naMinute, " na minutę", false};
    if (const long long n = Szukaj(naMinute, 58))
        return Wielokrotnosc(naMinute, n, " minut" + Koncowka(static_cast<double>(n), "y"));
    const double naGodzine = naMinute * 60.0;
    if (naGodzine > 1.0)
        return {naGodzine, " na godzinę", false};
    if (const long long n = Szukaj(naGodzine, 22))
        return Wielokrotnosc(naGodzine, n, " godzin" + Koncowka(static_cast<double>(n), "y"));
    const double naDzien = naGodzine * 24.0;
    if (naDzien > 1.0)
        return {naDzien, " dziennie", false};
    if (const long long n = Szukaj(naDzien, 28))
        return Wielokrotnosc(naDzien, n, " dni");
    const double naMiesiac = naDzien * 30.0;
    if (naMiesiac > 1.0)
        return {naMiesiac, " na miesiąc", false};
    if (const long long n = Szukaj(naMiesiac, 10))
        return Wielokrotnosc(naMiesiac, n, " miesiąc" + KoncowkaMiesiecy(n));
    const double naRok = naMiesiac * 12.0;
    if (naRok > 1.0)
        return {naRok, " na rok", false};
    if (const long long n = Szukaj(naRok, 9999))
        return Wielokrotnosc(naRok, n, " lat" + Koncowka(static_cast<double>(n), "a"));
    // One wrong bit in more years than a 32-bit count holds: n stays the whole part of
    // the double, written in full.
    const double lata = std::trunc(1.0 / naRok);
    return {1.0, " na " + FormatujStalo(lata, 0) + " lat" + Koncowka(lata, "a"), true};
}

} // namespace

TOpisBER OpiszBER(double ber, int standard, std::int32_t szybkosc)
{
    const double x = ber * Standardy.at(static_cast<std::size_t>(standard)).CzynnikBER;

    TOpisBER opis;
    // A BER that is not a positive finite number reads as no errors at all.
    if (!(x > 0.0) || !std::isfinite(x)) {
        opis.Etykieta = "0";
        opis.Zdanie = "Oznacza to brak błędów";
        return opis;
    }
    // The mantissa shows in [1,00; 9,99]: one that would read 10,00 (an exact power of
    // ten among them) reads 1,00 with the next exponent.
    double wykladnik = std::floor(std::log10(x));
    // In long double the scale 10^-e stays finite even for the smallest doubles.
    long double mantysa = static_cast<long double>(x) * std::pow(10.0L, static_cast<long double>(-wykladnik));
    if (mantysa < 1.0L) {
        mantysa *= 10.0L;
        wykladnik -= 1.0;
    }
    std::string tekst = FormatujStalo(static_cast<double>(mantysa), 2);
    if (tekst.starts_with("10")) {
        wykladnik += 1.0;
        tekst = FormatujStalo(static_cast<double>(mantysa / 10.0L), 2);
    }
    opis.Etykieta = tekst + "x10";
    opis.Wykladnik = FormatujStalo(wykladnik, 0);

    const double r = x * static_cast<double>(szybkosc) * 1000000.0;
    if (!(r > 0.0)) {
        opis.Zdanie = "Oznacza to brak błędów";
        return opis;
    }
    const TOkres okres = Okres(r);
    const std::string liczba = okres.JedenBit || std::trunc(okres.Liczba) == 1.0
        ? "jednego przekłamanego bitu"
        : FormatujStalo(okres.Liczba, 0) + " przekłamanych bitów";
    opis.Zdanie = "Przy szybkości transmisji " + FormatujCalkowita(szybkosc) + " Mbps oznacza to pojawienie się " + liczba + okres.Tekst;
    return opis;
}

std::string ZdaniePoprawnegoCzasu(double udzialBledow)
{
    return "Transmisja poprawna w " + FormatujStalo(100.0 - 100.0 * udzialBledow, 3) + " % czasu";
}
