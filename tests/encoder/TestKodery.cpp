#include <gtest/gtest.h>

#include "PomocnikiKodera.h"
#include "TVarto100BaseTXEncode.h"
#include "TVarto10BaseTEncode.h"

namespace {

// A coder whose streams are only the shared staircase and signal algorithms.
class KoderTestowy : public TVartoEncode {
public:
    KoderTestowy(float dolny, float gorny, float nachylenie, std::int32_t szybkosc)
        : TVartoEncode(szybkosc, dolny, gorny, nachylenie)
    {
    }
    void Koduj(const std::int32_t*, std::int32_t) override {}
    TFltFltStrumien* ZwrocStrumien(std::int32_t) override { return nullptr; }
};

std::unique_ptr<TVarto100BaseTXEncode> Koder100(const std::vector<std::int32_t>& bity)
{
    auto koder = std::make_unique<TVarto100BaseTXEncode>(125, -1.0f, 1.0f, 40.0f);
    koder->Koduj(bity.data(), static_cast<std::int32_t>(bity.size()));
    return koder;
}

} // namespace

TEST(Staircase, PointsAtEveryChange)
{
    KoderTestowy koder(-1, 1, 40, 125);
    auto s = Ciag({0, 0, 1, 1, 0});
    EXPECT_EQ(Punkty(*koder.ZwrocWykresCiagu(*s, 1.0f)), (Pkt{{0, 0}, {2, 0}, {2, 1}, {4, 1}, {4, 0}, {5, 0}}));
    auto stala = Ciag({3, 3, 3, 3});
    EXPECT_EQ(Punkty(*koder.ZwrocWykresCiagu(*stala, 0.5f)), (Pkt{{0, 3}, {2, 3}}));
}

TEST(Signal, EdgeHalfWidthFollowsSlopeAndRate)
{
    KoderTestowy koder(-1, 1, 40, 125);
    auto s = Ciag({0, 0, 0, 0, 0, 0, 0, 1});
    // w = 0.5 V swing per step / 40 V/us * 125 symbols/us
    EXPECT_EQ(Punkty(*koder.ZwrocSygnal(*s, -1, 1, 1.0f)),
              (Pkt{{0, 0}, {7 - 1.5625f, 0}, {7 + 1.5625f, 1}, {8, 1}}));
    // A two-level swing doubles the half-width.
    auto skok = Ciag({-1, 1});
    EXPECT_EQ(Punkty(*koder.ZwrocSygnal(*skok, -1, 1, 1.0f)), (Pkt{{0, -1}, {1 - 3.125f, -1}, {1 + 3.125f, 1}, {2, 1}}));
}

TEST(Signal, HalfWidthIsComputedInTheFormulasOrder)
{
    // A three-level step of PAM-5: |h x 0.5| x 3 / slope x rate, left to right in float,
    // which differs in the last bit from scaling a one-level half-width by 3. A step of
    // 0 puts the edge at x = 0, where the half-width shows in full precision.
    KoderTestowy koder(-1, 1, 5000, 125);
    auto s = Ciag({-2, 1});
    const float w = 0.25f * 3.0f / 5000.0f * 125.0f;
    EXPECT_EQ(Punkty(*koder.ZwrocSygnal(*s, -2, 2, 0.0f)), (Pkt{{0, -1}, {-w, -1}, {w, 0.5f}, {0, 0.5f}}));
}

TEST(Signal, AllZeroSequenceIsTheFlatTenPointLine)
{
    KoderTestowy koder(-2.5f, 0.0f, 40, 10);
    auto s = Ciag({0, 0, 0});
    EXPECT_EQ(Punkty(*koder.ZwrocSygnal(*s, 0, 1, 0.5f)),
              (Pkt{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {3, 0}}));
}

TEST(Signal, NonPositiveSlopeGivesVerticalEdges)
{
    for (float nachylenie : {0.0f, -5.0f}) {
        KoderTestowy koder(-1, 1, nachylenie, 125);
        auto s = Ciag({1, -1});
        EXPECT_EQ(Punkty(*koder.ZwrocSygnal(*s, -1, 1, 1.0f)), (Pkt{{0, 1}, {1, 1}, {1, -1}, {2, -1}}));
    }
}

TEST(Manchester, HalfBitSymbolsAndSignalLevels)
{
    TVarto10BaseTEncode koder(10, 0.0f, -2.5f, 40.0f);
    const std::int32_t bity[] = {1, 0};
    koder.Koduj(bity, 2);
    EXPECT_EQ(Punkty(*koder.ZwrocStrumien(1)), (Pkt{{0, 0}, {0.5f, 0}, {0.5f, 1}, {1.5f, 1}, {1.5f, 0}, {2, 0}}));
    TFltFltStrumien* sygnal = koder.ZwrocStrumien(2);
    EXPECT_EQ(sygnal->Zwroc(0).Y, 0.0f);  // symbol 0 at 0 V
    EXPECT_EQ(sygnal->Zwroc(2).Y, -2.5f); // symbol 1 at -2.5 V
    EXPECT_EQ(sygnal->ZwrocNazwe(), "Sygnał Manchester");
    EXPECT_EQ(sygnal->MinY, -2.5f);
    EXPECT_EQ(sygnal->MaxY, 0.0f);
    EXPECT_EQ(sygnal->SkalaY, 2.5f);
    EXPECT_EQ(koder.ZwrocStrumien(3), nullptr);
    delete koder.ZwrocStrumien(0);
    delete koder.ZwrocStrumien(1);
    delete sygnal;
}

TEST(FourBFiveB, AllSixteenDataGroups)
{
    const char* grupy[16] = {"11110", "01001", "10100", "10101", "01010", "01011", "01110", "01111",
                             "10010", "10011", "10110", "10111", "11010", "11011", "11100", "11101"};
    std::vector<std::int32_t> bity;
    for (int v = 0; v < 16; ++v)
        for (int b = 3; b >= 0; --b)
            bity.push_back((v >> b) & 1);
    bity.push_back(1); // a 65th bit, which the coder drops
    auto koder = Koder100(bity);
    TFltFltStrumien* wykres = koder->ZwrocStrumien(1);
    // Read the code bits back off the staircase at every bit centre.
    std::string kod;
    std::int32_t p = 0;
    for (int k = 0; k < 80; ++k) {
        while (p + 1 < wykres->ZwrocDlugosc() && wykres->Zwroc(p + 1).X <= static_cast<float>(k) + 0.5f)
            ++p;
        kod += wykres->Zwroc(p).Y > 0.5f ? '1' : '0';
    }
    for (int v = 0; v < 16; ++v)
        EXPECT_EQ(kod.substr(static_cast<std::size_t>(5 * v), 5), grupy[v]) << "nibble " << v;
    EXPECT_EQ(wykres->Zwroc(wykres->ZwrocDlugosc() - 1).X, 80.0f);
    delete wykres;
}

TEST(Mlt3, StateMachineCyclesThroughLevels)
{
    auto wejscie = Ciag({1, 1, 1, 1, 1, 0, 1});
    TIntStrumien wyjscie;
    KodujMLT3(*wejscie, wyjscie);
    const std::int32_t oczekiwane[] = {1, 0, -1, 0, 1, 1, 0};
    for (std::int32_t k = 0; k < 7; ++k)
        EXPECT_EQ(wyjscie.Zwroc(k), oczekiwane[k]) << k;
}

TEST(HundredBaseTX, TruncationAndGroups)
{
    auto koder = Koder100({0, 0, 0, 0, 1, 1, 1, 1, 1});
    TFltFltStrumien* wejscie = koder->ZwrocStrumien(0);
    EXPECT_EQ(wejscie->Zwroc(wejscie->ZwrocDlugosc() - 1).X, 8.0f);
    TFltFltStrumien* kod = koder->ZwrocStrumien(1);
    EXPECT_EQ(Punkty(*kod), (Pkt{{0, 1}, {4, 1}, {4, 0}, {5, 0}, {5, 1}, {8, 1}, {8, 0}, {9, 0}, {9, 1}, {10, 1}}));
    delete wejscie;
    delete kod;
}

TEST(HundredBaseTXWithout4B5B, KeepsWholeGroupsOfFiveAndFlatSignalForZeros)
{
    TVarto100BaseTXModEncode koder(125, -1.0f, 1.0f, 40.0f);
    const std::vector<std::int32_t> zera(12, 0);
    koder.Koduj(zera.data(), 12);
    TFltFltStrumien* wykres = koder.ZwrocStrumien(1);
    EXPECT_EQ(Punkty(*wykres), (Pkt{{0, 0}, {10, 0}}));
    TFltFltStrumien* sygnal = koder.ZwrocStrumien(2);
    EXPECT_EQ(sygnal->ZwrocDlugosc(), 10);
    EXPECT_EQ(sygnal->Zwroc(9).X, 10.0f);
    EXPECT_EQ(koder.ZwrocStrumien(3), nullptr);
    delete wykres;
    delete sygnal;
}

TEST(DisplayHints, EveryStreamOfTheOneLaneCoders)
{
    struct Wiersz {
        std::uint8_t typ;
        std::int32_t numer;
        float minY, maxY, skalaX, skalaY, precyzja;
        const char* nazwa;
    };
    const Wiersz wiersze[] = {
        {0, 0, 0, 1, 1, 1, 0, "Ciąg wejsciowy"},   {0, 1, 0, 1, 1, 1, 0, "Ciąg Manchester"},
        {0, 2, -2.5f, 0, 1, 2.5f, 1, "Sygnał Manchester"},
        {1, 0, 0, 1, 4, 1, 0, "Ciąg wejsciowy"},   {1, 1, 0, 1, 5, 1, 0, "Ciąg 4B5B"},
        {1, 2, -1, 1, 5, 1, 0, "Ciąg MLT3"},       {1, 3, -1, 1, 5, 1, 1, "Sygnał MLT3"},
        {2, 0, 0, 1, 5, 1, 0, "Ciąg wejsciowy"},   {2, 1, -1, 1, 5, 1, 0, "Ciąg MLT3"},
        {2, 2, -1, 1, 5, 1, 1, "Sygnał MLT3"},
    };
    const std::vector<std::int32_t> bity(40, 1);
    for (const Wiersz& w : wiersze) {
        const bool dziesiec = w.typ == 0;
        auto koder = UtworzKoder(w.typ, dziesiec ? 10 : 125, dziesiec ? 0.0f : -1.0f, dziesiec ? -2.5f : 1.0f, 40.0f);
        koder->Koduj(bity.data(), 40);
        TFltFltStrumien* s = koder->ZwrocStrumien(w.numer);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->ZwrocNazwe(), w.nazwa);
        EXPECT_EQ(s->MinY, w.minY) << w.nazwa;
        EXPECT_EQ(s->MaxY, w.maxY) << w.nazwa;
        EXPECT_EQ(s->SkalaX, w.skalaX) << w.nazwa;
        EXPECT_EQ(s->SkalaY, w.skalaY) << w.nazwa;
        EXPECT_EQ(s->PrecyzjaY, w.precyzja) << w.nazwa;
        delete s;
    }
}
