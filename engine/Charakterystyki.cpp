#include "Charakterystyki.h"

#include <cmath>

#include "Liczby.h"

TCharakterystykiKanalu DomyslneCharakterystyki()
{
    const float mhz[] = {0, 1, 4, 8, 10, 16, 20, 25, 31, 62, 100};
    const float tlumienie[] = {-2.1f, -2.1f, -4.0f, -5.7f, -6.3f, -8.2f, -9.2f, -10.3f, -11.5f, -16.7f, -21.6f};
    const float przesluchy[] = {-60.0f, -60.0f, -51.8f, -47.1f, -45.5f, -42.3f, -40.7f, -39.1f, -37.6f, -32.7f, -29.3f};
    TCharakterystykiKanalu c;
    for (std::size_t i = 0; i < std::size(mhz); ++i) {
        c.Tlumienie.push_back({mhz[i], tlumienie[i]});
        c.Przesluchy.push_back({mhz[i], przesluchy[i]});
    }
    c.Echo = {{0.0f, -15.0f}, {1.0f, -15.0f}, {100.0f, -15.0f}};
    c.Wzmocnienie = Lustro(c.Tlumienie);
    return c;
}

TCharakterystyka Lustro(const TCharakterystyka& tlumienie)
{
    TCharakterystyka wynik;
    wynik.reserve(tlumienie.size());
    for (const TPunkt& p : tlumienie)
        wynik.push_back({p.X, -p.Y});
    return wynik;
}

void UstawPunkty(TFltFltStrumien& strumien, const TCharakterystyka& punkty)
{
    strumien.UstawDlugosc(static_cast<std::int32_t>(punkty.size()));
    for (std::size_t i = 0; i < punkty.size(); ++i)
        strumien.Ustaw(static_cast<std::int32_t>(i), punkty[i]);
}

TCharakterystyka PunktyStrumienia(TFltFltStrumien& strumien)
{
    TCharakterystyka punkty;
    punkty.reserve(static_cast<std::size_t>(strumien.ZwrocDlugosc()));
    for (std::int32_t i = 0; i < strumien.ZwrocDlugosc(); ++i)
        punkty.push_back(strumien.Zwroc(i));
    return punkty;
}

TWadaCharakterystyki SprawdzCharakterystyke(const TCharakterystyka& punkty)
{
    if (punkty.size() < 2)
        return TWadaCharakterystyki::ZaMaloPunktow;
    for (std::size_t i = 0; i < punkty.size(); ++i) {
        const TPunkt& p = punkty[i];
        if (!std::isfinite(p.X) || p.X < 0.0f || (i > 0 && !(p.X > punkty[i - 1].X)))
            return TWadaCharakterystyki::Czestotliwosci;
        if (!(p.Y >= WzmocnienieMin && p.Y <= WzmocnienieMax))
            return TWadaCharakterystyki::Wartosci;
    }
    return TWadaCharakterystyki::Brak;
}

std::string OpisWadyCharakterystyki(TWadaCharakterystyki wada)
{
    switch (wada) {
    case TWadaCharakterystyki::ZaMaloPunktow:
        return "needs at least two points";
    case TWadaCharakterystyki::Czestotliwosci:
        return "needs non-negative, increasing frequencies";
    case TWadaCharakterystyki::Wartosci:
        return "holds a gain that is not a number from " + FormatujCalkowita(static_cast<std::int64_t>(WzmocnienieMin)) +
            " to " + FormatujCalkowita(static_cast<std::int64_t>(WzmocnienieMax)) + " dB";
    case TWadaCharakterystyki::Brak:
        break;
    }
    return {};
}
