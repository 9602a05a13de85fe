#include "TVartoDecode.h"

#include <algorithm>
#include <limits>

TVartoDecode::TVartoDecode() = default;

TVartoDecode::~TVartoDecode() = default;

void TVartoDecode::ZbudujProgi(float pierwszyPoziom, float ostatniPoziom, std::int32_t najnizszy,
                               std::int32_t najwyzszy, bool malejaco)
{
    // A range without a second symbol still gets its one entry, which decides everything.
    const std::int64_t liczba = std::max<std::int64_t>(static_cast<std::int64_t>(najwyzszy) - najnizszy + 1, 1);
    Progi.assign(static_cast<std::size_t>(liczba), TProg{});
    LiczbaPoziomow = static_cast<std::int32_t>(liczba);
    const float g = LiczbaPoziomow > 1 ? (ostatniPoziom - pierwszyPoziom) / static_cast<float>(LiczbaPoziomow - 1)
                                        : 0.0f;
    for (std::int32_t i = 0; i < LiczbaPoziomow; ++i) {
        const std::int32_t symbol = malejaco ? najwyzszy - i : najnizszy + i;
        // Both bounds from the same expression, so neighbouring entries meet without a gap.
        Progi[static_cast<std::size_t>(i)] = TProg{static_cast<float>(symbol),
                                                     static_cast<float>(pierwszyPoziom - g * 0.5 + i * g),
                                                     static_cast<float>(pierwszyPoziom - g * 0.5 + (i + 1) * g)};
    }
}

float TVartoDecode::Decyduj(float y) const
{
    const TProg& pierwszy = Progi.front();
    const TProg& ostatni = Progi.back();
    if (y < pierwszy.Gorna)
        return pierwszy.Symbol;
    if (y >= ostatni.Dolna)
        return ostatni.Symbol;
    for (std::size_t k = 1; k + 1 < Progi.size(); ++k)
        if (Progi[k].Dolna <= y && y < Progi[k].Gorna)
            return Progi[k].Symbol;
    // Only a NaN escapes every interval.
    return pierwszy.Symbol;
}

TFltFltStrumien* TVartoDecode::Dekoduj(TFltFltStrumien& sygnal, float pierwszyPoziom, float ostatniPoziom,
                                       std::int32_t najnizszy, std::int32_t najwyzszy, bool malejaco)
{
    ZbudujProgi(pierwszyPoziom, ostatniPoziom, najnizszy, najwyzszy, malejaco);
    const std::int32_t n = sygnal.ZwrocDlugosc();
    Wynik = std::make_unique<TFltFltStrumien>();
    Wynik->UstawDlugosc(n);
    std::int32_t j = 0;
    float poprzedni = 0.0f;
    for (std::int32_t k = 0; k < n; ++k) {
        const TPunkt p = sygnal.Zwroc(k);
        const float d = Decyduj(p.Y);
        if (j > 0 && poprzedni != d) {
            Wynik->Wydluz(1);
            Wynik->Ustaw(j++, TPunkt{p.X, poprzedni});
        }
        Wynik->Ustaw(j++, TPunkt{p.X, d});
        poprzedni = d;
    }
    return Wynik.release();
}

float TVartoDecode::WartoscWzorca(float x)
{
    const std::int32_t n = Wzorzec->ZwrocDlugosc();
    if (n < 1)
        return 0.0f;
    if (!(x >= OstatnieX))
        IndeksWzorca = 0;
    OstatnieX = x;
    std::int32_t i = IndeksWzorca;
    while (i < n && Wzorzec->Zwroc(i).X < x)
        ++i;
    IndeksWzorca = i;
    return Wzorzec->Zwroc(i < n ? i : n - 1).Y;
}

void TVartoDecode::UstawWzorzec(TFltFltStrumien& wzorzec)
{
    Wzorzec = &wzorzec;
    IndeksWzorca = 0;
    OstatnieX = -std::numeric_limits<float>::infinity();
}

float TVartoDecode::Blad(TFltFltStrumien& zdekodowany, TFltFltStrumien& wzorzec)
{
    UstawWzorzec(wzorzec);
    LiczbaBledow = 0.0f;
    const std::int32_t n = zdekodowany.ZwrocDlugosc();
    if (n < 1)
        return 0.0f;
    for (std::int32_t i = 0; i < n; ++i) {
        const TPunkt p = zdekodowany.Zwroc(i);
        // At a vertical edge the value before the edge speaks for the instant.
        if (i + 1 < n && zdekodowany.Zwroc(i + 1).X == p.X)
            ++i;
        if (WartoscWzorca(p.X) != p.Y)
            LiczbaBledow += 1.0f;
    }
    return LiczbaBledow / static_cast<float>(n);
}
