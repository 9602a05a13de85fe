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

namespace {

// The bits as bytes, first bit the most significant.
std::vector<int> Bajty(const std::vector<std::int32_t>& bity, std::size_t ile)
{
    std::vector<int> bajty;
    for (std::size_t b = 0; b < ile; ++b) {
        int bajt = 0;
        for (std::size_t k = 0; k < 8; ++k)
            bajt = 2 * bajt + bity[8 * b + k];
        bajty.push_back(bajt);
    }
    return bajty;
}

// The shortest p with bity[i] == bity[i + p] over the whole sequence.
std::size_t Okres(const std::vector<std::int32_t>& bity)
{
    for (std::size_t p = 1; p < bity.size(); ++p) {
        bool zgodny = true;
        for (std::size_t i = 0; i + p < bity.size() && zgodny; ++i)
            zgodny = bity[i] == bity[i + p];
        if (zgodny)
            return p;
    }
    return 0;
}

} // namespace

TEST(ZrodlaBitow, PrbsFirstWordsFromTheAllOnesRegister)
{
    // The published starts of PRBS7 (x^7 + x^6 + 1) and PRBS9 (x^9 + x^5 + 1).
    EXPECT_EQ(Bajty(CiagPrbs(WielomianPrbs(TZrodloBitow::Prbs7), 0x7F, 64), 8),
              (std::vector<int>{0xFE, 0x04, 0x18, 0x51, 0xE4, 0x59, 0xD4, 0xFA}));
    EXPECT_EQ(Bajty(CiagPrbs(WielomianPrbs(TZrodloBitow::Prbs9), 0x1FF, 32), 4),
              (std::vector<int>{0xFF, 0x83, 0xDF, 0x17}));
    // PRBS15, 23 and 31 go out inverted: all ones in the register send zeros first, and
    // the longest run of zeros is the register's length.
    for (const TZrodloBitow z : {TZrodloBitow::Prbs15, TZrodloBitow::Prbs23, TZrodloBitow::Prbs31}) {
        const TWielomianPrbs w = WielomianPrbs(z);
        EXPECT_TRUE(w.Odwrocony);
        const std::vector<std::int32_t> bity = CiagPrbs(w, (std::uint32_t{1} << w.Stopien) - 1, w.Stopien + 1);
        EXPECT_EQ(std::vector<std::int32_t>(bity.begin(), bity.end() - 1),
                  std::vector<std::int32_t>(static_cast<std::size_t>(w.Stopien), 0));
        EXPECT_EQ(bity.back(), 1); // b[n] = b[n - m] xor b[0] = 0 before the inversion
    }
    EXPECT_EQ(WielomianPrbs(TZrodloBitow::Prbs23).Odczep, 18);
    EXPECT_EQ(WielomianPrbs(TZrodloBitow::Prbs31).Odczep, 28);
    EXPECT_EQ(WielomianPrbs(TZrodloBitow::Losowe).Stopien, 0);
}

TEST(ZrodlaBitow, PrbsRepeatsAfterItsMaximalPeriodWithBalancedOnes)
{
    for (const TZrodloBitow z : {TZrodloBitow::Prbs7, TZrodloBitow::Prbs9, TZrodloBitow::Prbs15}) {
        const TWielomianPrbs w = WielomianPrbs(z);
        const std::size_t okres = (std::size_t{1} << w.Stopien) - 1;
        const std::vector<std::int32_t> bity = CiagPrbs(w, 1, static_cast<std::int32_t>(2 * okres + 5));
        EXPECT_EQ(Okres(bity), okres) << w.Stopien;
        std::size_t jedynki = 0;
        for (std::size_t i = 0; i < okres; ++i)
            jedynki += static_cast<std::size_t>(bity[i]);
        // 2^(n-1) ones per period, or as many zeros when inverted.
        EXPECT_EQ(w.Odwrocony ? okres - jedynki : jedynki, okres / 2 + 1) << w.Stopien;
    }
    // PRBS23 comes back after 8388607 bits and not before: its first register state does not recur.
    const TWielomianPrbs w23 = WielomianPrbs(TZrodloBitow::Prbs23);
    const std::int32_t okres23 = (1 << 23) - 1;
    const std::vector<std::int32_t> bity = CiagPrbs(w23, 0x5A5A5A, okres23 + 23);
    for (std::int32_t i = 0; i < 23; ++i)
        ASSERT_EQ(bity[static_cast<std::size_t>(i)], bity[static_cast<std::size_t>(okres23 + i)]);
    std::uint32_t okno = 0;
    const std::uint32_t maska = (1u << 23) - 1;
    std::uint32_t pierwsze = 0;
    for (std::int32_t i = 0; i < okres23; ++i) {
        okno = ((okno << 1) | static_cast<std::uint32_t>(bity[static_cast<std::size_t>(i)])) & maska;
        if (i == 22) {
            pierwsze = okno;
        } else if (i > 22) {
            ASSERT_NE(okno, pierwsze) << i;
        }
    }
}

TEST(ZrodlaBitow, PrbsStartsWhereTheSeedPutsItAndLeavesTheCrosstalkBits)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(3);
    const TBityPrzebiegu losowe = BityPrzebiegu(u, 99);
    u.Zrodlo = TZrodloBitow::Prbs15;
    const TBityPrzebiegu a = BityPrzebiegu(u, 99);
    EXPECT_EQ(a.Linia, BityPrzebiegu(u, 99).Linia);
    EXPECT_EQ(a.Linia, CiagPrbs(WielomianPrbs(TZrodloBitow::Prbs15), 100, 420));
    EXPECT_NE(a.Linia, BityPrzebiegu(u, 100).Linia);
    EXPECT_EQ(a.Zaklocenia, losowe.Zaklocenia);
    // A seed that is a multiple of the period still gives a register other than zero.
    EXPECT_EQ(BityPrzebiegu(u, 32767).Linia, CiagPrbs(WielomianPrbs(TZrodloBitow::Prbs15), 1, 420));
}

TEST(Ustawienia, ImpairmentLimits)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(1);
    EXPECT_TRUE(Pola(u).empty());
    for (const double snr : {-20.0, 0.0, 100.0}) {
        u.SzumIDrzenie.SnrDb = snr;
        EXPECT_TRUE(Pola(u).empty()) << snr;
    }
    for (const double snr : {-20.5, 100.1, std::nan(""), HUGE_VAL}) {
        u.SzumIDrzenie.SnrDb = snr;
        EXPECT_EQ(Pola(u), (std::vector{TPoleUstawien::Snr})) << snr;
    }
    EXPECT_EQ(SprawdzUstawienia(u).front().Powod, "a number from -20 to 100 dB");
    // The two ways of giving the noise exclude each other.
    u.SzumIDrzenie.SnrDb = 10.0;
    u.SzumIDrzenie.SzumMv = 5.0;
    EXPECT_EQ(Pola(u), (std::vector{TPoleUstawien::SzumMv}));
    u.SzumIDrzenie.SnrDb.reset();
    EXPECT_TRUE(Pola(u).empty());
    for (const double mv : {-0.1, 10000.5, std::nan("")}) {
        u.SzumIDrzenie.SzumMv = mv;
        EXPECT_EQ(Pola(u), (std::vector{TPoleUstawien::SzumMv})) << mv;
    }
    u.SzumIDrzenie.SzumMv.reset();

    // Jitter up to half a code symbol: 4000 ps at 125 Mbaud, 25000 ps for the half bits
    // of 10BaseT at 10 Mbps, 1333.3 ps for 1000BaseT at 3000 Mbps (375 Mbaud).
    u.SzumIDrzenie.DrzeniePs = 4000.0;
    EXPECT_TRUE(Pola(u).empty());
    u.SzumIDrzenie.DrzeniePs = 4000.1;
    EXPECT_EQ(Pola(u), (std::vector{TPoleUstawien::DrzeniePs}));
    EXPECT_EQ(ZakresPolaRzeczywistego(TPoleUstawien::DrzeniePs, 0, 10).Max, 25000.0);
    EXPECT_NEAR(ZakresPolaRzeczywistego(TPoleUstawien::DrzeniePs, 3, 3000).Max, 1333.333, 1e-3);
    u.SzumIDrzenie.DrzeniePs = -1.0;
    EXPECT_EQ(Pola(u), (std::vector{TPoleUstawien::DrzeniePs}));
    u.SzumIDrzenie.DrzeniePs = std::nan("");
    EXPECT_EQ(Pola(u), (std::vector{TPoleUstawien::DrzeniePs}));
}

TEST(Ustawienia, TheCommandLineTakesRunsOfAMillionBits)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(0);
    u.LiczbaBitow = LiczbaBitowMaxWiersza;
    EXPECT_EQ(Pola(u), (std::vector{TPoleUstawien::LiczbaBitow}));
    EXPECT_TRUE(Pola(u, LiczbaBitowMaxWiersza).empty());
    u.LiczbaBitow = LiczbaBitowMaxWiersza + 1;
    EXPECT_EQ(Pola(u, LiczbaBitowMaxWiersza), (std::vector{TPoleUstawien::LiczbaBitow}));
}
