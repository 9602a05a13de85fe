#include "Liczby.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::atomic<char> Separator{'.'};

std::string_view Przytnij(std::string_view tekst)
{
    const auto pierwszy = tekst.find_first_not_of(" \t");
    if (pierwszy == std::string_view::npos)
        return {};
    const auto ostatni = tekst.find_last_not_of(" \t");
    return tekst.substr(pierwszy, ostatni - pierwszy + 1);
}

} // namespace

char SeparatorDziesietny()
{
    return Separator.load(std::memory_order_relaxed);
}

void UstawSeparatorDziesietny(char separator)
{
    Separator.store(separator, std::memory_order_relaxed);
}

char SeparatorDziesietny(TJezyk jezyk)
{
    return jezyk == TJezyk::Angielski ? '.' : SeparatorDziesietny();
}

std::string FormatujStalo(double wartosc, int miejsca, TJezyk jezyk)
{
    if (!std::isfinite(wartosc))
        return std::isnan(wartosc) ? "NAN" : (wartosc > 0 ? "INF" : "-INF");
    // Only 15 significant digits are shown; decimals past them are written as zeros,
    // so the binary noise of a float never shows.
    char bufor[400];
    std::snprintf(bufor, sizeof bufor, "%.14e", wartosc);
    const int wykladnik = std::atoi(std::strchr(bufor, 'e') + 1);
    std::string wynik;
    if (wykladnik >= 15) {
        // Too large for any decimal to be significant: the 15 digits, then zeros.
        for (const char* c = bufor; *c != 'e'; ++c)
            if (*c != '.')
                wynik.push_back(*c);
        wynik.append(static_cast<std::size_t>(wykladnik - 14), '0');
        if (miejsca > 0)
            wynik.append(1, '.').append(static_cast<std::size_t>(miejsca), '0');
    } else {
        const int znaczace = wartosc == 0.0 ? miejsca : std::max(0, 14 - wykladnik);
        const int liczone = std::clamp(miejsca, 0, znaczace);
        const int n = std::snprintf(bufor, sizeof bufor, "%.*f", liczone, std::strtod(bufor, nullptr));
        wynik.assign(bufor, static_cast<std::size_t>(n));
        if (miejsca > liczone) {
            if (liczone == 0)
                wynik.push_back('.');
            wynik.append(static_cast<std::size_t>(miejsca - liczone), '0');
        }
    }
    if (wynik == "-0" || (wynik.rfind("-0.", 0) == 0 && wynik.find_first_not_of("-0.") == std::string::npos))
        wynik.erase(0, 1);
    if (const auto kropka = wynik.find('.'); kropka != std::string::npos)
        wynik[kropka] = SeparatorDziesietny(jezyk);
    return wynik;
}

std::string FormatujNaukowo(double wartosc, int miejsca, TJezyk jezyk)
{
    if (wartosc == 0.0)
        return "0";
    if (!std::isfinite(wartosc))
        return FormatujStalo(wartosc, 0, jezyk);
    // printf rounds the mantissa and carries into the exponent (9.96e-4 to 1.0e-03).
    char bufor[64];
    std::snprintf(bufor, sizeof bufor, "%.*e", std::clamp(miejsca, 0, 17), wartosc);
    const char* e = std::strchr(bufor, 'e');
    std::string wynik(static_cast<const char*>(bufor), e);
    if (const auto kropka = wynik.find('.'); kropka != std::string::npos)
        wynik[kropka] = SeparatorDziesietny(jezyk);
    const int wykladnik = std::atoi(e + 1);
    if (wykladnik == 0)
        return wynik;
    return wynik + "×10" + FormatujWykladnik(wykladnik);
}

std::string FormatujWykladnik(std::int64_t wartosc)
{
    static constexpr const char* Indeksy[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string wynik;
    for (const char c : std::to_string(wartosc))
        wynik += c == '-' ? "⁻" : Indeksy[c - '0'];
    return wynik;
}

std::string FormatujDokladnie(double wartosc)
{
    if (!std::isfinite(wartosc))
        return FormatujStalo(wartosc, 0);
    // Room for the 309 digits of the largest double and its 1074 decimals.
    char bufor[1100];
    const auto [koniec, blad] = std::to_chars(bufor, bufor + sizeof bufor, wartosc, std::chars_format::fixed);
    std::string wynik = blad == std::errc() ? std::string(bufor, koniec) : FormatujStalo(wartosc, 0);
    if (const auto kropka = wynik.find('.'); kropka != std::string::npos)
        wynik[kropka] = SeparatorDziesietny();
    return wynik;
}

std::string FormatujDoPliku(float wartosc)
{
    char bufor[32];
    const auto [koniec, blad] = std::to_chars(bufor, bufor + sizeof bufor, wartosc);
    return blad == std::errc() ? std::string(bufor, koniec) : std::string();
}

std::string FormatujCalkowita(std::int64_t wartosc)
{
    return std::to_string(wartosc);
}

std::optional<double> ParsujLiczbe(std::string_view tekst)
{
    std::string s(Przytnij(tekst));
    if (s.empty())
        return std::nullopt;
    for (char& c : s)
        if (c == SeparatorDziesietny())
            c = '.';
    if (s.front() == '+')
        s.erase(0, 1);
    double wartosc = 0.0;
    const auto [koniec, blad] = std::from_chars(s.data(), s.data() + s.size(), wartosc);
    if (blad != std::errc() || koniec != s.data() + s.size() || !std::isfinite(wartosc))
        return std::nullopt;
    return wartosc;
}

std::optional<double> ParsujLiczbeZPliku(std::string_view tekst)
{
    if (!tekst.empty() && tekst.front() == '+')
        tekst.remove_prefix(1);
    // from_chars would take "inf" and "nan"; a data file's number starts with a digit or a point.
    if (tekst.empty() || !(std::isdigit(static_cast<unsigned char>(tekst.front())) || tekst.front() == '.' ||
                           (tekst.front() == '-' && tekst.size() > 1)))
        return std::nullopt;
    double wartosc = 0.0;
    const auto [koniec, blad] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), wartosc);
    if (blad != std::errc() || koniec != tekst.data() + tekst.size() || !std::isfinite(wartosc))
        return std::nullopt;
    return wartosc;
}

std::optional<std::int32_t> ParsujCalkowita(std::string_view tekst)
{
    std::string_view s = Przytnij(tekst);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    std::int32_t wartosc = 0;
    const auto [koniec, blad] = std::from_chars(s.data(), s.data() + s.size(), wartosc);
    if (s.empty() || blad != std::errc() || koniec != s.data() + s.size())
        return std::nullopt;
    return wartosc;
}
