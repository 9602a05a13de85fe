#include <gtest/gtest.h>

#include "Liczby.h"
#include "Ustawienia.h"
#include "ZrodlaBitow.h"

namespace {

std::vector<TPoleUstawien> Pola(const TUstawieniaSymulacji& u, std::int32_t maksBitow = LiczbaBitowMax)
{
    std::vector<TPoleUstawien> pola;
    for (const TNaruszenie& n : SprawdzUstawienia(u, maksBitow))
        pola.push_back(n.Pole);
    return pola;
}

} // namespace

TEST(Ustawienia, DefaultsOfEveryStandardAreValid)
{
    for (int s = 0; s < static_cast<int>(Standardy.size()); ++s) {
        const TUstawieniaSymulacji u = DomyslneUstawienia(s);
        EXPECT_TRUE(SprawdzUstawienia(u).empty()) << s;
        const TStandard& st = Standardy[static_cast<std::size_t>(s)];
        EXPECT_EQ(FormatujCalkowita(u.Szybkosc), st.SzybkoscDomyslna);
        EXPECT_EQ(FormatujCalkowita(static_cast<std::int64_t>(u.Nachylenie)), st.NachylenieDomyslne);
    }
}

TEST(Ustawienia, EveryViolatedLimitIsReportedInFieldOrder)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(3);
    u.LiczbaBitow = 99;
    u.Szybkosc = 999;
    u.Nachylenie = 6001.0f;
    u.PrzesuniecieEcha = 11;
    u.Charakterystyki.Echo = {{0.0f, -15.0f}};
    u.Charakterystyki.Przesluchy[3].X = 1.0f;
    EXPECT_EQ(Pola(u), (std::vector{TPoleUstawien::LiczbaBitow, TPoleUstawien::Szybkosc, TPoleUstawien::Nachylenie,
                                    TPoleUstawien::PrzesuniecieEcha, TPoleUstawien::Przesluchy, TPoleUstawien::Echo}));
    EXPECT_EQ(SprawdzUstawienia(u).front().Powod, "a whole number from 100 to 1000");
    EXPECT_EQ(SprawdzUstawienia(u)[1].Powod, "a whole number from 1000 to 5000");

    // The limits are inclusive and belong to the standard.
    TUstawieniaSymulacji brzeg = DomyslneUstawienia(0);
    brzeg.LiczbaBitow = 1000;
    brzeg.Szybkosc = 100;
    brzeg.PrzesuniecieEcha = 100;
    brzeg.Nachylenie = 400.0f;
    EXPECT_TRUE(Pola(brzeg).empty());
    brzeg.Standard = 1;
    brzeg.Nachylenie = 4000.0f;
    EXPECT_EQ(Pola(brzeg), (std::vector{TPoleUstawien::PrzesuniecieEcha}));
    // A caller may allow longer runs; the settings page keeps its own limit.
    brzeg.PrzesuniecieEcha = 0;
    brzeg.LiczbaBitow = 5000;
    EXPECT_EQ(Pola(brzeg), (std::vector{TPoleUstawien::LiczbaBitow}));
    EXPECT_TRUE(Pola(brzeg, 10000).empty());

    TUstawieniaSymulacji zlyStandard;
    zlyStandard.Standard = 4;
    EXPECT_EQ(Pola(zlyStandard), (std::vector{TPoleUstawien::Standard}));
    zlyStandard.Nachylenie = std::nanf("");
    zlyStandard.Standard = 1;
    EXPECT_EQ(Pola(zlyStandard), (std::vector{TPoleUstawien::Nachylenie}));
}

TEST(Ustawienia, GainsStayWithinWhatTheArithmeticCarries)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(1);
    u.Charakterystyki.Wzmocnienie.back().Y = WzmocnienieMax;
    u.Charakterystyki.Tlumienie.back().Y = WzmocnienieMin;
    EXPECT_TRUE(Pola(u).empty());
    u.Charakterystyki.Wzmocnienie.back().Y = 700.0f;
    u.Charakterystyki.Echo[0].Y = -1e30f;
    EXPECT_EQ(Pola(u), (std::vector{TPoleUstawien::Echo, TPoleUstawien::Wzmocnienie}));
    EXPECT_EQ(SprawdzUstawienia(u).front().Powod, "holds a gain that is not a number from -150 to 150 dB");
}

TEST(Ustawienia, ExplicitBitsMustCoverTheEncodedCountWithZerosAndOnes)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(1);
    u.Bity = std::vector<std::int32_t>(139, 1);
    EXPECT_EQ(Pola(u), (std::vector{TPoleUstawien::Bity}));
    EXPECT_EQ(SprawdzUstawienia(u).front().Powod, "holds 139 bits, the run encodes 140");
    u.Bity->push_back(0);
    EXPECT_TRUE(Pola(u).empty());
    u.BityZaklocen = std::vector<std::int32_t>(140, 2);
    EXPECT_EQ(Pola(u), (std::vector{TPoleUstawien::BityZaklocen}));
}

TEST(ZrodlaBitow, ASeedRepeatsEveryBitAndTheCrosstalkSourceHasItsOwn)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(1);
    const TBityPrzebiegu a = BityPrzebiegu(u, 7);
    const TBityPrzebiegu b = BityPrzebiegu(u, 7);
    ASSERT_EQ(a.Linia.size(), 140u);
    ASSERT_EQ(a.Zaklocenia.size(), 140u);
    EXPECT_EQ(a.Linia, b.Linia);
    EXPECT_EQ(a.Zaklocenia, b.Zaklocenia);
    EXPECT_NE(a.Linia, a.Zaklocenia);
    EXPECT_NE(a.Linia, BityPrzebiegu(u, 8).Linia);

    // A constant source leaves the crosstalk source's bits of the seed as they were.
    u.Zrodlo = TZrodloBitow::Jedynki;
    const TBityPrzebiegu jedynki = BityPrzebiegu(u, 7);
    EXPECT_EQ(jedynki.Linia, std::vector<std::int32_t>(140, 1));
    EXPECT_EQ(jedynki.Zaklocenia, a.Zaklocenia);

    // Given sequences are cut to the encoded count.
    u.Bity = std::vector<std::int32_t>(200, 0);
    u.BityZaklocen = std::vector<std::int32_t>(150, 1);
    const TBityPrzebiegu podane = BityPrzebiegu(u, 7);
    EXPECT_EQ(podane.Linia, std::vector<std::int32_t>(140, 0));
    EXPECT_EQ(podane.Zaklocenia, std::vector<std::int32_t>(140, 1));
}
