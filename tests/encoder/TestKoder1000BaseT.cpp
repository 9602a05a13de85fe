#include <gtest/gtest.h>

#include <array>
#include <set>

#include "PomocnikiKodera.h"
#include "TVarto1000BaseTEncode.h"

namespace {

std::array<std::int32_t, 9> Bity(std::uint32_t slowo)
{
    std::array<std::int32_t, 9> sd{};
    for (std::size_t k = 0; k < 9; ++k)
        sd[k] = static_cast<std::int32_t>((slowo >> k) & 1);
    return sd;
}

// Encodes the bits and returns the symbol of every pair, read off the staircases.
std::array<std::vector<std::int32_t>, 4> Symbole(const std::vector<std::int32_t>& bity)
{
    TVarto1000BaseTEncode koder(125, -1.0f, 1.0f, 40.0f);
    koder.Koduj(bity.data(), static_cast<std::int32_t>(bity.size()));
    std::array<std::vector<std::int32_t>, 4> wynik;
    for (std::int32_t para = 0; para < 4; ++para) {
        std::unique_ptr<TFltFltStrumien> wykres(koder.ZwrocStrumien(1 + para));
        const std::size_t symbole = bity.size() / 8;
        std::int32_t p = 0;
        for (std::size_t i = 0; i < symbole; ++i) {
            while (p + 1 < wykres->ZwrocDlugosc() && wykres->Zwroc(p + 1).X <= static_cast<float>(i) + 0.5f)
                ++p;
            wynik[static_cast<std::size_t>(para)].push_back(static_cast<std::int32_t>(wykres->Zwroc(p).Y));
        }
    }
    return wynik;
}

} // namespace

TEST(Mapping, ExamplesOfBothFamilies)
{
    // family 0, column 0, all other bits 0
    EXPECT_EQ(MapujSymbole(Bity(0)), (std::array<std::int32_t, 4>{0, 0, 0, 0}));
    // family 0, column 1 (Sd[7] = 1), Sd[4] = 1: the types swap
    EXPECT_EQ(MapujSymbole(Bity(1u << 7 | 1u << 4)), (std::array<std::int32_t, 4>{1, 1, 0, 0}));
    // family 1, column 0, Sd[5] = Sd[4] = Sd[3] = 1: +2 on D
    EXPECT_EQ(MapujSymbole(Bity(1u << 8 | 1u << 5 | 1u << 4 | 1u << 3)), (std::array<std::int32_t, 4>{1, 1, 1, 2}));
}

TEST(Mapping, EveryWordGivesPam5SymbolsAndDistinctWordsPerFamily)
{
    for (std::uint32_t rodzina = 0; rodzina < 2; ++rodzina) {
        std::set<std::array<std::int32_t, 4>> widziane;
        for (std::uint32_t slowo = 0; slowo < 256; ++slowo) {
            const auto t = MapujSymbole(Bity(rodzina << 8 | slowo));
            for (std::int32_t v : t) {
                EXPECT_GE(v, -2);
                EXPECT_LE(v, 2);
            }
            int plusDwa = 0;
            for (std::int32_t v : t)
                plusDwa += v == 2;
            EXPECT_EQ(plusDwa, (slowo >> 5) & 1) << "word " << slowo;
            widziane.insert(t);
        }
        // The code is one-to-one: 256 data words, 256 distinct symbols per family.
        EXPECT_EQ(widziane.size(), 256u);
    }
}

TEST(Gigabit, FirstStepPassesDataBitsUnscrambled)
{
    // In the first step every scrambler word is 0, so the data bits map as they are,
    // with the convolutional bit 0 and every sign +1.
    const std::vector<std::int32_t> zera(8, 0);
    const auto s = Symbole(zera);
    for (const auto& para : s)
        EXPECT_EQ(para, std::vector<std::int32_t>{0});

    const std::vector<std::int32_t> bity = {0, 0, 0, 0, 1, 0, 0, 1}; // Sd[4] = 1, Sd[7] = 1
    const auto t = Symbole(bity);
    EXPECT_EQ(t[0][0], 1);
    EXPECT_EQ(t[1][0], 1);
    EXPECT_EQ(t[2][0], 0);
    EXPECT_EQ(t[3][0], 0);
}

TEST(Gigabit, ZerosStillVaryAndStayInRange)
{
    const std::vector<std::int32_t> zera(800, 0);
    const auto s = Symbole(zera);
    for (const auto& para : s) {
        ASSERT_EQ(para.size(), 100u);
        std::set<std::int32_t> wartosci(para.begin(), para.end());
        EXPECT_GT(wartosci.size(), 2u);
        EXPECT_GE(*wartosci.begin(), -2);
        EXPECT_LE(*wartosci.rbegin(), 2);
    }
    // The coder starts afresh each time, so the same bits give the same symbols.
    EXPECT_EQ(Symbole(zera), s);
}

TEST(Gigabit, FifteenBitsKeepOneSymbolPerPair)
{
    TVarto1000BaseTEncode koder(125, -1.0f, 1.0f, 40.0f);
    const std::vector<std::int32_t> bity = {0, 0, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1};
    koder.Koduj(bity.data(), 15);
    std::unique_ptr<TFltFltStrumien> wejscie(koder.ZwrocStrumien(0));
    EXPECT_EQ(wejscie->Zwroc(wejscie->ZwrocDlugosc() - 1).X, 8.0f);
    // Sd[2] = 1 on an even dimension: pair C at -2 (-1 V), the rest 0 (flat line).
    std::unique_ptr<TFltFltStrumien> sygnalC(koder.ZwrocStrumien(7));
    EXPECT_EQ(Punkty(*sygnalC), (Pkt{{0, -1}, {1, -1}}));
    std::unique_ptr<TFltFltStrumien> sygnalA(koder.ZwrocStrumien(5));
    EXPECT_EQ(sygnalA->ZwrocDlugosc(), 10);
    EXPECT_EQ(sygnalA->ZwrocNazwe(), "Sygnał An");
    EXPECT_EQ(sygnalA->MinY, -1.0f);
    EXPECT_EQ(sygnalA->MaxY, 1.0f);
    EXPECT_EQ(sygnalA->SkalaY, 0.5f);
    std::unique_ptr<TFltFltStrumien> ciagD(koder.ZwrocStrumien(4));
    EXPECT_EQ(ciagD->ZwrocNazwe(), "Ciąg Dn");
    EXPECT_EQ(ciagD->MinY, -2.0f);
    EXPECT_EQ(ciagD->PrecyzjaY, 1.0f);
    EXPECT_EQ(koder.ZwrocStrumien(9), nullptr);
}
