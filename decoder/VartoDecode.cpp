#include "VartoDecode.h"

#include <cstddef>

#include "TVartoDecode.h"

TFltFltStrumien** DekodujStrumienie(TFltFltStrumien* const* sygnaly, std::int32_t liczba, float pierwszyPoziom,
                                    float ostatniPoziom, std::int32_t najnizszy, std::int32_t najwyzszy,
                                    std::uint8_t malejaco, float, TEtykietaPostepu*, TWskaznikPostepu*)
{
    const std::int32_t n = liczba > 0 ? liczba : 0;
    auto* wynik = new TFltFltStrumien*[static_cast<std::size_t>(n)]();
    TVartoDecode dekoder;
    for (std::int32_t i = 0; i < n; ++i)
        wynik[i] = dekoder.Dekoduj(*sygnaly[i], pierwszyPoziom, ostatniPoziom, najnizszy, najwyzszy, malejaco != 0);
    return wynik;
}

double ZwrocBlad(TFltFltStrumien* const* zdekodowane, TFltFltStrumien* const* wyslane, std::int32_t liczba,
                 TEtykietaPostepu*, TWskaznikPostepu*)
{
    if (liczba < 1)
        return 0.0;
    TVartoDecode dekoder;
    double suma = 0.0;
    for (std::int32_t i = 0; i < liczba; ++i)
        suma += dekoder.Blad(*zdekodowane[i], *wyslane[i]);
    return suma / liczba;
}
