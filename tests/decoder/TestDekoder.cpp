#include <gtest/gtest.h>

#include <algorithm>

#include "StrumienieTestowe.h"
#include "TVartoDecode.h"
#include "VartoDecode.h"
#include "VartoEncode.h"

namespace {

struct TStandard {
    const char* Nazwa;
    float Pierwszy, Ostatni;
    std::int32_t Najnizszy, Najwyzszy;
    bool Malejaco;
};

// The arguments the program passes for each standard.
const TStandard Standard10{"10BaseT", -2.5f, 0.0f, 0, 1, true};
const TStandard Standard100{"100BaseTX", -1.0f, 1.0f, -1, 1, false};
const TStandard Standard1000{"1000BaseT", -1.0f, 1.0f, -2, 2, false};

std::unique_ptr<TVartoDecode> DekoderDla(const TStandard& s)
{
    auto d = std::make_unique<TVartoDecode>();
    d->ZbudujProgi(s.Pierwszy, s.Ostatni, s.Najnizszy, s.Najwyzszy, s.Malejaco);
    return d;
}

Punkty Dekoduj(const TStandard& s, const Punkty& sygnal)
{
    auto wejscie = Strumien(sygnal);
    TFltFltStrumien* sygnaly[] = {wejscie.get()};
    auto wynik = Przejmij(DekodujStrumienie(sygnaly, 1, s.Pierwszy, s.Ostatni, s.Najnizszy, s.Najwyzszy,
                                            s.Malejaco ? 1 : 0, 125.0f, nullptr, nullptr),
                          1);
    return Odczytaj(*wynik[0]);
}

} // namespace

TEST(DecisionTable, LevelsSymbolsAndBoundsOfTheThreeStandards)
{
    const auto tabela10 = DekoderDla(Standard10)->ZwrocProgi();
    ASSERT_EQ(tabela10.size(), 2u);
    EXPECT_EQ(tabela10[0].Symbol, 1.0f);
    EXPECT_EQ(tabela10[0].Gorna, -1.25f);
    EXPECT_EQ(tabela10[1].Symbol, 0.0f);
    EXPECT_EQ(tabela10[1].Dolna, -1.25f);

    const auto tabela100 = DekoderDla(Standard100)->ZwrocProgi();
    ASSERT_EQ(tabela100.size(), 3u);
    const float granice100[] = {-1.5f, -0.5f, 0.5f, 1.5f};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(tabela100[i].Symbol, static_cast<float>(i) - 1);
        EXPECT_EQ(tabela100[i].Dolna, granice100[i]);
        EXPECT_EQ(tabela100[i].Gorna, granice100[i + 1]);
    }

    const auto tabela1000 = DekoderDla(Standard1000)->ZwrocProgi();
    ASSERT_EQ(tabela1000.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(tabela1000[i].Symbol, static_cast<float>(i) - 2);
        EXPECT_EQ(tabela1000[i].Dolna, -1.25f + 0.5f * static_cast<float>(i));
        EXPECT_EQ(tabela1000[i].Gorna, -0.75f + 0.5f * static_cast<float>(i));
    }
}

TEST(DecisionTable, BoundaryGoesToTheHigherLevel)
{
    struct TPrzypadek {
        const TStandard* Standard;
        float Y;
        float Symbol;
    };
    const TPrzypadek przypadki[] = {
        {&Standard10, -1.25f, 0},  {&Standard10, -1.26f, 1},  {&Standard10, -2.5f, 1},   {&Standard10, 0.0f, 0},
        {&Standard10, -40.0f, 1},  {&Standard10, 7.0f, 0},
        {&Standard100, -0.5f, 0},  {&Standard100, -0.51f, -1}, {&Standard100, 0.5f, 1},  {&Standard100, 0.49f, 0},
        {&Standard100, -9.0f, -1}, {&Standard100, 9.0f, 1},
        {&Standard1000, -0.75f, -1}, {&Standard1000, -0.76f, -2}, {&Standard1000, -0.25f, 0},
        {&Standard1000, -0.26f, -1}, {&Standard1000, 0.25f, 1},   {&Standard1000, 0.24f, 0},
        {&Standard1000, 0.75f, 2},   {&Standard1000, 0.74f, 1},   {&Standard1000, -3.0f, -2},
    };
    for (const TPrzypadek& p : przypadki)
        EXPECT_EQ(DekoderDla(*p.Standard)->Decyduj(p.Y), p.Symbol) << p.Standard->Nazwa << " at " << p.Y << " V";
}

TEST(DecisionTable, SingleSymbolRangeDecidesEverything)
{
    TVartoDecode d;
    d.ZbudujProgi(-1.0f, 1.0f, 3, 3, false);
    ASSERT_EQ(d.ZwrocProgi().size(), 1u);
    EXPECT_EQ(d.Decyduj(-5.0f), 3.0f);
    EXPECT_EQ(d.Decyduj(5.0f), 3.0f);
}

TEST(Decoding, ExtraPointAtEveryChange)
{
    EXPECT_EQ(Dekoduj(Standard100, {{0, 0.9f}, {1, 0.2f}, {2, -0.7f}}),
              (Punkty{{0, 1}, {1, 1}, {1, 0}, {2, 0}, {2, -1}}));
    // One decision throughout: one point per input point.
    EXPECT_EQ(Dekoduj(Standard1000, {{0, 0.1f}, {0.5f, -0.2f}, {1, 0.0f}, {1.5f, 0.24f}}),
              (Punkty{{0, 0}, {0.5f, 0}, {1, 0}, {1.5f, 0}}));
    EXPECT_TRUE(Dekoduj(Standard10, {}).empty());
}

TEST(Decoding, EachSignalOfTheArrayAndOnlyItsVisiblePoints)
{
    auto a = Strumien({{0, -2.5f}, {1, -2.4f}, {2, 0.1f}});
    auto b = Strumien({{5, 9.0f}, {6, -2.0f}, {7, -0.2f}, {8, 9.0f}});
    b->UstawZakres(1, 1);
    TFltFltStrumien* sygnaly[] = {a.get(), b.get()};
    auto wynik = Przejmij(DekodujStrumienie(sygnaly, 2, -2.5f, 0.0f, 0, 1, 1, 10.0f, nullptr, nullptr), 2);
    EXPECT_EQ(Odczytaj(*wynik[0]), (Punkty{{0, 1}, {1, 1}, {2, 1}, {2, 0}}));
    EXPECT_EQ(Odczytaj(*wynik[1]), (Punkty{{6, 1}, {7, 1}, {7, 0}}));
    EXPECT_EQ(wynik[1]->ZwrocDlugoscCalkowita(), 3);
    // The input keeps its window and points.
    EXPECT_EQ(b->ZwrocDlugosc(), 2);
    EXPECT_EQ(b->Zwroc(0).Y, -2.0f);
}

// Encoder line signals with vertical edges decode to the sent code-symbol staircase
// once the extra point at each change is merged with its twin.
TEST(Decoding, LineSignalsOfTheEncoderGiveBackTheSentSymbols)
{
    struct TKoder {
        const TStandard* Standard;
        std::uint8_t Typ;
        std::int32_t Sekwencja; // first code-symbol staircase
        std::int32_t Pary;
        std::int32_t Typy;
    };
    const std::int32_t bity[] = {1, 0, 1, 1, 0, 0, 0, 1, 1, 1, 1, 0, 1, 0, 0, 1, 0, 1, 1, 0,
                                 0, 0, 1, 0, 1, 1, 1, 0, 0, 1, 0, 0, 1, 1, 0, 1, 0, 1, 0, 1};
    const TKoder kodery[] = {{&Standard10, KodTypu10BaseT, 1, 1, 3},
                             {&Standard100, KodTypu100BaseTX, 2, 1, 4},
                             {&Standard100, KodTypu100BaseTXBez4B5B, 1, 1, 3},
                             {&Standard1000, KodTypu1000BaseT, 1, 4, 9}};
    for (const TKoder& k : kodery) {
        SCOPED_TRACE(k.Standard->Nazwa);
        std::vector<std::int32_t> numery;
        for (std::int32_t i = 0; i < k.Typy; ++i)
            numery.push_back(i);
        auto strumienie = Przejmij(ZwrocStrumienie(bity, 40, numery.data(), k.Typy, k.Typ, k.Standard->Pierwszy,
                                                   k.Standard->Ostatni, 125, 0.0f),
                                   k.Typy);
        for (std::int32_t r = 0; r < k.Pary; ++r) {
            Punkty zdekodowane = Dekoduj(*k.Standard, Odczytaj(*strumienie[static_cast<std::size_t>(k.Typy - k.Pary + r)]));
            zdekodowane.erase(std::unique(zdekodowane.begin(), zdekodowane.end()), zdekodowane.end());
            EXPECT_EQ(zdekodowane, Odczytaj(*strumienie[static_cast<std::size_t>(k.Sekwencja + r)])) << r;
        }
    }
}
