#include "OpisBER.h"

#include <cmath>

#include "Liczby.h"
#include "Standardy.h"

namespace {

// Polish plural endings: "2 sekundy" but "5 sekund", "22 minuty" but "12 minut" and
// "112 lat".
std::string Koncowka(double n, const char* koncowka)
{
    const double jednosci = std::fmod(n, 10.0);
    const double setki = std::fmod(n, 100.0);
    const bool dwaTrzyCztery = jednosci >= 2.0 && jednosci <= 4.0;
    return dwaTrzyCztery && (setki < 10.0 || setki > 20.0) ? koncowka : "";
}

std::string KoncowkaMiesiecy(double n)
{
    const double jednosci = std::fmod(n, 10.0);
    return jednosci >= 2.0 && jednosci <= 4.0 && n < 10.0 ? "e" : "y";
}

enum class TJednostkaOkresu { Sekunda, Minuta, Godzina, Dzien, Miesiac, Rok };

struct TOkres {
    double Liczba;              // wrong bits in the period
    TJednostkaOkresu Jednostka;
    double Ile;                 // units in the period, 0 for one unit
    bool JedenBit;              // the count is "one wrong bit" whatever Liczba says
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
TOkres Wielokrotnosc(double naJednostke, long long n, TJednostkaOkresu jednostka)
{
    return {naJednostke * static_cast<double>(n), jednostka, static_cast<double>(n), false};
}

// A second, a minute, an hour, a day, a month of 30 days, a year of 12 months: the
// first period in which at least one wrong bit appears.
TOkres Okres(double r)
{
    using enum TJednostkaOkresu;
    if (r >= 1.0)
        return {r, Sekunda, 0.0, false};
    if (const long long n = Szukaj(r, 58))
        return Wielokrotnosc(r, n, Sekunda);
    const double naMinute = r * 60.0;
    if (naMinute >= 1.0)
        return {naMinute, Minuta, 0.0, false};
    if (const long long n = Szukaj(naMinute, 58))
        return Wielokrotnosc(naMinute, n, Minuta);
    const double naGodzine = naMinute * 60.0;
    if (naGodzine > 1.0)
        return {naGodzine, Godzina, 0.0, false};
    if (const long long n = Szukaj(naGodzine, 22))
        return Wielokrotnosc(naGodzine, n, Godzina);
    const double naDzien = naGodzine * 24.0;
    if (naDzien > 1.0)
        return {naDzien, Dzien, 0.0, false};
    if (const long long n = Szukaj(naDzien, 28))
        return Wielokrotnosc(naDzien, n, Dzien);
    const double naMiesiac = naDzien * 30.0;
    if (naMiesiac > 1.0)
        return {naMiesiac, Miesiac, 0.0, false};
    if (const long long n = Szukaj(naMiesiac, 10))
        return Wielokrotnosc(naMiesiac, n, Miesiac);
    const double naRok = naMiesiac * 12.0;
    if (naRok > 1.0)
        return {naRok, Rok, 0.0, false};
    if (const long long n = Szukaj(naRok, 9999))
        return Wielokrotnosc(naRok, n, Rok);
    // One wrong bit in more years than a 32-bit count holds: n stays the whole part of
    // the double, written in full.
    return {1.0, Rok, std::trunc(1.0 / naRok), true};
}

std::string OkresPolski(const TOkres& o)
{
    static constexpr const char* Jeden[] = {" na sekundę", " na minutę", " na godzinę", " dziennie", " na miesiąc", " na rok"};
    const auto j = static_cast<std::size_t>(o.Jednostka);
    if (o.Ile == 0.0)
        return Jeden[j];
    std::string jednostka;
    switch (o.Jednostka) {
    case TJednostkaOkresu::Sekunda: jednostka = " sekund" + Koncowka(o.Ile, "y"); break;
    case TJednostkaOkresu::Minuta: jednostka = " minut" + Koncowka(o.Ile, "y"); break;
    case TJednostkaOkresu::Godzina: jednostka = " godzin" + Koncowka(o.Ile, "y"); break;
    case TJednostkaOkresu::Dzien: jednostka = " dni"; break;
    case TJednostkaOkresu::Miesiac: jednostka = " miesiąc" + KoncowkaMiesiecy(o.Ile); break;
    case TJednostkaOkresu::Rok: jednostka = " lat" + Koncowka(o.Ile, "a"); break;
    }
    return " na " + FormatujStalo(o.Ile, 0) + jednostka;
}

// A period is never one unit and more, so a multiple always takes the plural.
std::string OkresAngielski(const TOkres& o)
{
    static constexpr const char* Jeden[] = {"second", "minute", "hour", "day", "month", "year"};
    const auto j = static_cast<std::size_t>(o.Jednostka);
    if (o.Ile == 0.0)
        return std::string(" per ") + Jeden[j];
    return " every " + FormatujStalo(o.Ile, 0, TJezyk::Angielski) + " " + Jeden[j] + "s";
}

} // namespace

TOpisBER OpiszBER(double ber, int standard, std::int32_t szybkosc, TJezyk jezyk)
{
    const double x = ber * Standardy.at(static_cast<std::size_t>(standard)).CzynnikBER;
    const bool pl = jezyk == TJezyk::Polski;
    const char* brakBledow = pl ? "Oznacza to brak błędów" : "This means no errors";

    TOpisBER opis;
    // A BER that is not a positive finite number reads as no errors at all.
    if (!(x > 0.0) || !std::isfinite(x)) {
        opis.Etykieta = "0";
        opis.Zdanie = brakBledow;
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
    std::string tekst = FormatujStalo(static_cast<double>(mantysa), 2, jezyk);
    if (tekst.starts_with("10")) {
        wykladnik += 1.0;
        tekst = FormatujStalo(static_cast<double>(mantysa / 10.0L), 2, jezyk);
    }
    opis.Etykieta = tekst + "x10";
    opis.Wykladnik = FormatujStalo(wykladnik, 0);

    const double r = x * static_cast<double>(szybkosc) * 1000000.0;
    if (!(r > 0.0)) {
        opis.Zdanie = brakBledow;
        return opis;
    }
    const TOkres okres = Okres(r);
    const bool jeden = okres.JedenBit || std::trunc(okres.Liczba) == 1.0;
    const std::string mbps = FormatujCalkowita(szybkosc) + " Mbps";
    if (pl) {
        const std::string liczba =
            jeden ? "jednego przekłamanego bitu" : FormatujStalo(okres.Liczba, 0) + " przekłamanych bitów";
        opis.Zdanie = "Przy szybkości transmisji " + mbps + " oznacza to pojawienie się " + liczba + OkresPolski(okres);
    } else {
        const std::string liczba =
            jeden ? "one wrong bit" : FormatujStalo(okres.Liczba, 0, jezyk) + " wrong bits";
        opis.Zdanie = "At a transmission rate of " + mbps + " this means " + liczba + OkresAngielski(okres);
    }
    return opis;
}

std::string ZdaniePoprawnegoCzasu(double udzialBledow, TJezyk jezyk)
{
    const std::string procent = FormatujStalo(100.0 - 100.0 * udzialBledow, 3, jezyk);
    return jezyk == TJezyk::Polski ? "Transmisja poprawna w " + procent + " % czasu"
                                   : "Transmission correct for " + procent + "% of the time";
}
