#include <gtest/gtest.h>

#include <cstring>

#include "Strumienie.h"
#include "TVartoError.h"

namespace {

// Interpoluj over a query sequence against the plain search from the start, bit for bit.
void PorownajZNaiwnym(const Punkty& wzorzec, const std::vector<float>& zapytania)
{
    auto w = Strumien(wzorzec);
    TFltFltStrumien* wzorce[] = {w.get()};
    TVartoError pracownik(wzorce, wzorce, 1);
    for (std::size_t k = 0; k < zapytania.size(); ++k) {
        const float x = zapytania[k];
        const float szybka = pracownik.Interpoluj(0, x);
        const float naiwna = WartoscNaiwna(wzorzec, x);
        if (std::memcmp(&szybka, &naiwna, sizeof(float)) != 0) {
            ADD_FAILURE() << "query " << k << " at x = " << x << ": " << szybka << " instead of " << naiwna;
            return;
        }
    }
}

} // namespace

TEST(Interpolation, ValuesOnPointsBetweenThemAndBeyondTheEnds)
{
    auto w = Strumien({{0, 0}, {2, 1}, {2, -1}, {4, 0}});
    TFltFltStrumien* wzorce[] = {w.get()};
    TVartoError pracownik(wzorce, wzorce, 1);
    EXPECT_EQ(pracownik.Interpoluj(0, -1.0f), 0.0f);
    EXPECT_EQ(pracownik.Interpoluj(0, 1.0f), 0.5f);
    // At a vertical edge the first point of the edge answers.
    EXPECT_EQ(pracownik.Interpoluj(0, 2.0f), 1.0f);
    EXPECT_EQ(pracownik.Interpoluj(0, 3.0f), -0.5f);
    EXPECT_EQ(pracownik.Interpoluj(0, 4.0f), 0.0f);
    EXPECT_EQ(pracownik.Interpoluj(0, 9.0f), 0.0f);
    // Back to an earlier time.
    EXPECT_EQ(pracownik.Interpoluj(0, 0.5f), 0.25f);
}

TEST(Interpolation, ForwardWalkEqualsSearchFromTheStartOnALongStream)
{
    const Punkty wzorzec = SygnalLiniowy(2000);
    std::vector<float> zapytania;
    // Growing times off and on the points and edges, with repeats.
    for (int k = 0; k < 32000; ++k)
        zapytania.push_back(static_cast<float>(k) * 0.0625f);
    for (const TPunkt& p : wzorzec) {
        zapytania.push_back(p.X);
        zapytania.push_back(p.X);
    }
    // A second pass that starts again, runs past the end and comes back.
    for (float x : {-3.0f, 0.0f, 0.07f, 999.85f, 1000.15f, 1999.9f, 2000.0f, 2500.0f, 17.3f, 17.3f, 1.0f})
        zapytania.push_back(x);
    PorownajZNaiwnym(wzorzec, zapytania);
}

TEST(Interpolation, ForwardWalkEqualsSearchOnTimesThatGoBack)
{
    // The flat line of a coder that never leaves 0 V runs its last x back below the others.
    const Punkty cofajacy{{0, 0.5f}, {1, 1}, {2, 0}, {3, -1}, {4, 2}, {5, 0}, {6, 0}, {7, 1}, {8, 0}, {3, -2}};
    std::vector<float> zapytania;
    for (int k = 0; k < 100; ++k)
        zapytania.push_back(static_cast<float>((k * 37) % 97) * 0.1f - 0.5f);
    PorownajZNaiwnym(cofajacy, zapytania);
    PorownajZNaiwnym(SygnalLiniowy(300), zapytania);
}
