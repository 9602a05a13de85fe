#include "VartoEncode.h"

#include <ctime>
#include <random>

#include "TVartoEncode.h"

TFltFltStrumien** ZwrocStrumienie(const std::int32_t* bity, std::int32_t liczbaBitow, const std::int32_t* numery,
                                  std::int32_t liczbaNumerow, std::uint8_t typ, float poziom1, float poziom2,
                                  std::int32_t szybkosc, float nachylenie)
{
    auto* wynik = new TFltFltStrumien*[static_cast<std::size_t>(liczbaNumerow)]();
    // 10BaseT takes its levels the other way round: the second one belongs to symbol 0.
    const bool odwrotnie = typ == KodTypu10BaseT;
    auto koder = UtworzKoder(typ, szybkosc, odwrotnie ? poziom2 : poziom1, odwrotnie ? poziom1 : poziom2, nachylenie);
    if (!koder)
        return wynik;
    koder->Koduj(bity, liczbaBitow);
    for (std::int32_t i = 0; i < liczbaNumerow; ++i)
        wynik[i] = koder->ZwrocStrumien(numery[i]);
    return wynik;
}

std::string* ZwrocTypyStrumieni(std::int32_t* liczba, std::uint8_t typ)
{
    auto koder = UtworzKoder(typ, 0, 0.0f, 0.0f, 0.0f);
    if (!koder) {
        *liczba = 0;
        return nullptr;
    }
    return koder->ZwrocTypy(*liczba);
}

std::int32_t* LosujStrumien(std::int32_t n)
{
    auto* bity = new std::int32_t[static_cast<std::size_t>(n > 0 ? n : 0)];
    std::mt19937 generator(static_cast<std::mt19937::result_type>(std::time(nullptr)));
    for (std::int32_t i = 0; i < n; ++i)
        bity[i] = static_cast<std::int32_t>(generator() % 2);
    return bity;
}
