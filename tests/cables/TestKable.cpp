#include <gtest/gtest.h>

#include <cmath>

#include "Kable.h"

namespace {

// A published limit: the category, the frequency, the value the tables print (one decimal).
struct TKotwica {
    TKategoriaKabla Kategoria;
    double MHz;
    double Tlumiennosc; // insertion loss of 100 m at 20 °C, dB
    double Next;        // NEXT loss, dB
};

// The TIA-568-C cable tables at 1 and 10 MHz, 100 MHz and each category's top frequency.
// Category 3 stops at 16 MHz. Category 5e's NEXT of 65.3 dB at 1 MHz is held to the 65 dB floor.
const TKotwica Kotwice[] = {
    {TKategoriaKabla::Cat3, 1, 2.6, 41.3},     {TKategoriaKabla::Cat3, 10, 9.7, 26.3},
    {TKategoriaKabla::Cat3, 16, 13.1, 23.3},   {TKategoriaKabla::Cat5, 1, 2.0, 62.3},
    {TKategoriaKabla::Cat5, 10, 6.5, 47.3},    {TKategoriaKabla::Cat5, 100, 22.0, 32.3},
    {TKategoriaKabla::Cat5e, 1, 2.0, 65.0},    {TKategoriaKabla::Cat5e, 10, 6.5, 50.3},
    {TKategoriaKabla::Cat5e, 100, 22.0, 35.3}, {TKategoriaKabla::Cat6, 1, 2.0, 74.3},
    {TKategoriaKabla::Cat6, 10, 6.0, 59.3},    {TKategoriaKabla::Cat6, 100, 19.8, 44.3},
    {TKategoriaKabla::Cat6, 250, 32.8, 38.3},  {TKategoriaKabla::Cat6A, 1, 2.1, 74.3},
    {TKategoriaKabla::Cat6A, 10, 5.9, 59.3},   {TKategoriaKabla::Cat6A, 100, 19.1, 44.3},
    {TKategoriaKabla::Cat6A, 500, 45.3, 33.8},
};

// The list's gain at exactly f MHz; fails when the list has no such point.
double Przy(const TListaPunktow& lista, double f)
{
    for (const TPunktDb& p : lista)
        if (p.MHz == f)
            return p.dB;
    ADD_FAILURE() << "no point at " << f << " MHz";
    return NAN;
}

bool TrzyMiejsca(double x)
{
    return std::abs(x * 1000.0 - std::round(x * 1000.0)) < 1e-6;
}

} // namespace

TEST(KableKotwice, EveryCategoryMeetsItsPublishedValues)
{
    for (const TKotwica& k : Kotwice) {
        const std::string_view nazwa = NazwaKategorii(k.Kategoria);
        EXPECT_NEAR(TlumiennoscWtraceniowa100m(k.Kategoria, k.MHz), k.Tlumiennosc, 0.05) << nazwa << " " << k.MHz;
        EXPECT_NEAR(TlumiennoscPrzesluchowa(k.Kategoria, k.MHz), k.Next, 0.05) << nazwa << " " << k.MHz;
    }
    for (const TKategoriaKabla k : KategorieKabli)
        EXPECT_GE(NajwyzszaCzestotliwoscKategorii(k), 16.0);
    EXPECT_EQ(NajwyzszaCzestotliwoscKategorii(TKategoriaKabla::Cat6A), 500.0);
}

TEST(KableKotwice, ReturnLossCornersAndFloors)
{
    EXPECT_NEAR(TlumiennoscOdbiciowa(TKategoriaKabla::Cat5e, 1), 20.0, 1e-9);
    EXPECT_NEAR(TlumiennoscOdbiciowa(TKategoriaKabla::Cat5e, 10), 25.0, 1e-9);
    EXPECT_NEAR(TlumiennoscOdbiciowa(TKategoriaKabla::Cat5e, 19.99), 25.0, 1e-9);
    EXPECT_NEAR(TlumiennoscOdbiciowa(TKategoriaKabla::Cat5e, 100), 20.1, 0.05);
    EXPECT_NEAR(TlumiennoscOdbiciowa(TKategoriaKabla::Cat6, 250), 17.3, 0.05);
    EXPECT_NEAR(TlumiennoscOdbiciowa(TKategoriaKabla::Cat3, 16), 10.0, 0.05);
    // Extrapolated below their stated range the NEXT formulas would exceed the floors.
    EXPECT_EQ(TlumiennoscPrzesluchowa(TKategoriaKabla::Cat5e, 0.1), 65.0);
    EXPECT_EQ(TlumiennoscPrzesluchowa(TKategoriaKabla::Cat5, 0.1), 65.0);
    EXPECT_EQ(TlumiennoscPrzesluchowa(TKategoriaKabla::Cat6, 0.1), 75.0);
    EXPECT_EQ(TlumiennoscPrzesluchowa(TKategoriaKabla::Cat6A, 0.3), 75.0);
    EXPECT_LT(TlumiennoscPrzesluchowa(TKategoriaKabla::Cat3, 0.1), 65.0);
}

TEST(KableListy, ShapeOfEveryPresetList)
{
    for (const TKategoriaKabla k : KategorieKabli)
        for (const double fMax : {200.0, 750.0}) {
            const TCharakterystykiKabla c = CharakterystykiKabla({k, 100.0, 20.0}, fMax);
            const double gora = std::min(NajwyzszaCzestotliwoscKategorii(k), fMax);
            for (const TListaPunktow* lista : {&c.Tlumienie, &c.Przesluchy, &c.Echo}) {
                EXPECT_GE(lista->size(), 30u) << NazwaKategorii(k);
                EXPECT_LE(lista->size(), 60u) << NazwaKategorii(k);
                EXPECT_EQ(lista->back().MHz, gora);
                for (std::size_t i = 0; i < lista->size(); ++i) {
                    const TPunktDb& p = (*lista)[i];
                    EXPECT_LT(p.dB, 0.0);
                    EXPECT_TRUE(TrzyMiejsca(p.MHz) && TrzyMiejsca(p.dB)) << p.MHz << " " << p.dB;
                    if (i > 0) {
                        EXPECT_GT(p.MHz, (*lista)[i - 1].MHz);
                    }
                }
            }
            EXPECT_EQ(c.Tlumienie.front().MHz, 0.1);
            EXPECT_EQ(c.Przesluchy.front().MHz, 0.1);
            EXPECT_EQ(c.Echo.front().MHz, 1.0);
        }
    // The return-loss corners are points of the list, so the filter follows the limit exactly.
    const TCharakterystykiKabla c5e = CharakterystykiKabla({TKategoriaKabla::Cat5e, 100.0, 20.0}, 200.0);
    EXPECT_EQ(Przy(c5e.Echo, 10.0), -25.0);
    EXPECT_EQ(Przy(c5e.Echo, 20.0), -25.0);
    EXPECT_EQ(Przy(c5e.Tlumienie, 100.0), -21.975);
    EXPECT_EQ(Przy(c5e.Przesluchy, 100.0), -35.3);
    EXPECT_EQ(c5e.Przesluchy.front().dB, -65.0);
}

TEST(KableListy, LengthAndTemperatureScaleTheInsertionLossOnly)
{
    const TParametryKabla sto{TKategoriaKabla::Cat5e, 100.0, 20.0};
    const TCharakterystykiKabla c100 = CharakterystykiKabla(sto, 200.0);
    const TCharakterystykiKabla c50 = CharakterystykiKabla({TKategoriaKabla::Cat5e, 50.0, 20.0}, 200.0);
    const TCharakterystykiKabla c40st = CharakterystykiKabla({TKategoriaKabla::Cat5e, 100.0, 40.0}, 200.0);
    const TCharakterystykiKabla zimny = CharakterystykiKabla({TKategoriaKabla::Cat5e, 100.0, -10.0}, 200.0);
    ASSERT_EQ(c100.Tlumienie.size(), c50.Tlumienie.size());
    for (std::size_t i = 0; i < c100.Tlumienie.size(); ++i) {
        EXPECT_EQ(c100.Tlumienie[i].MHz, c50.Tlumienie[i].MHz);
        EXPECT_NEAR(c50.Tlumienie[i].dB, c100.Tlumienie[i].dB / 2.0, 0.0011);
        EXPECT_NEAR(c40st.Tlumienie[i].dB, c100.Tlumienie[i].dB * 1.08, 0.0011);
    }
    EXPECT_EQ(zimny.Tlumienie, c100.Tlumienie);
    EXPECT_EQ(c50.Przesluchy, c100.Przesluchy);
    EXPECT_EQ(c50.Echo, c100.Echo);
    EXPECT_NEAR(Przy(c50.Tlumienie, 100.0), -21.975 / 2.0, 0.001); // 22.0 dB per 100 m halved
    EXPECT_DOUBLE_EQ(WspolczynnikTemperaturowy(45.0), 1.1);
    EXPECT_DOUBLE_EQ(WspolczynnikTemperaturowy(0.0), 1.0);

    // Eighty metres of Category 6 for a 1000BaseT run: the whole 250 MHz of the category.
    const TCharakterystykiKabla c6 = CharakterystykiKabla({TKategoriaKabla::Cat6, 80.0, 20.0}, 750.0);
    EXPECT_NEAR(c6.Tlumienie.back().dB, -0.8 * TlumiennoscWtraceniowa100m(TKategoriaKabla::Cat6, 250.0), 0.001);
    EXPECT_NEAR(c6.Przesluchy.back().dB, -38.3, 0.05);
}

TEST(KableNazwy, CategoriesByNameInAnyCase)
{
    for (const TKategoriaKabla k : KategorieKabli)
        EXPECT_EQ(KategoriaZNazwy(NazwaKategorii(k)), k);
    EXPECT_EQ(KategoriaZNazwy("cat6a"), TKategoriaKabla::Cat6A);
    EXPECT_EQ(KategoriaZNazwy("CAT5E"), TKategoriaKabla::Cat5e);
    for (const char* zla : {"", "Cat7", "Cat5ee", "6", "Cat 6"})
        EXPECT_FALSE(KategoriaZNazwy(zla).has_value()) << zla;
}
