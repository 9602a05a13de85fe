#include <gtest/gtest.h>

#include "Kod4B5B.h"
#include "SygnalyTestowe.h"
#include "TVarto100BaseTXEncode.h"

namespace {

struct TKod {
    std::uint8_t Typ;
    TKodLinii Kod;
    TPoziomy Poziomy;
    int Tory;
};

const TKod Kody[] = {
    {KodTypu10BaseT, TKodLinii::Manchester, {-2.5, 0.0}, 1},
    {KodTypu100BaseTX, TKodLinii::MLT3z4B5B, {1.0, 0.0}, 1},
    {KodTypu100BaseTXBez4B5B, TKodLinii::MLT3, {1.0, 0.0}, 1},
    {KodTypu1000BaseT, TKodLinii::PAM5, {0.5, 0.0}, 4},
};

// Sends the bits through the shipped encoder and a synthetic line, then receives them.
TBityOdebrane Przeslij(const TKod& k, const std::vector<std::int32_t>& bity, double q, double opoznienie,
                       double sigma = 0.0)
{
    std::vector<TProbkiSymboli> tory;
    for (int para = 0; para < k.Tory; ++para) {
        const std::vector<std::int32_t> symbole = SymboleKodera(k.Typ, bity, para);
        const TSygnalToru s = Sygnal(symbole, k.Poziomy, q, opoznienie, 0.2, sigma * std::abs(k.Poziomy.Krok),
                                     static_cast<unsigned>(para + 1));
        tory.push_back(Probkuj(s, k.Kod, k.Poziomy, Synchronizuj(s, k.Kod, k.Poziomy, symbole)));
    }
    return OdzyskajBity(k.Kod, tory);
}

} // namespace

TEST(Receiver, CleanLineGivesBackEveryBitOfEveryCode)
{
    for (const TKod& k : Kody)
        for (const std::size_t n : {std::size_t{800}, std::size_t{1203}})
            for (const double opoznienie : {0.0, 0.7}) {
                const std::vector<std::int32_t> bity = LosoweBity(n, static_cast<unsigned>(n));
                const TBityOdebrane odebrane = Przeslij(k, bity, 15.0, opoznienie);
                // The first and last symbols of the line may fall outside the samples;
                // everything between them comes back.
                const TZliczenieBledow z = PorownajBity(odebrane, bity, 40, static_cast<std::int64_t>(n) - 80);
                EXPECT_EQ(z.Bledy, 0) << static_cast<int>(k.Typ) << " " << n << " " << opoznienie;
                EXPECT_EQ(z.Porownane, static_cast<std::int64_t>(n) - 80);
            }
}

TEST(Receiver, MeasuresFromTheFirstBitWhenTheLineStartsThere)
{
    const std::vector<std::int32_t> bity = LosoweBity(400, 11);
    for (const TKod& k : Kody) {
        const TBityOdebrane odebrane = Przeslij(k, bity, 15.0, 0.0);
        EXPECT_EQ(odebrane.Pierwszy, 0) << static_cast<int>(k.Typ);
        EXPECT_EQ(PorownajBity(odebrane, bity, 0, 320).Bledy, 0) << static_cast<int>(k.Typ);
    }
}

TEST(Receiver, NoiseGivesErrorsThatTheCountSees)
{
    const std::vector<std::int32_t> bity = LosoweBity(20000, 4);
    for (const TKod& k : Kody) {
        const TZliczenieBledow z = PorownajBity(Przeslij(k, bity, 15.0, 0.0, 0.25), bity, 40, 19000);
        EXPECT_GT(z.Bledy, 0) << static_cast<int>(k.Typ);
        EXPECT_LT(z.Bledy, 19000 / 4) << static_cast<int>(k.Typ);
    }
}

TEST(Receiver, ManchesterUnderNoiseFollowsTheTextbookCurve)
{
    // Square half-bits: the signal's variance is (2.5 V / 2)^2, and the decision on the
    // difference of the two halves errs with probability erfc(sqrt(SNR)) / 2.
    const std::vector<std::int32_t> bity = LosoweBity(100000, 17);
    const TKod& k = Kody[0];
    for (const double snrDb : {3.24, 6.0}) {
        const double snr = std::pow(10.0, snrDb / 10.0);
        const double sigma = 1.25 / std::sqrt(snr);
        const std::vector<std::int32_t> symbole = SymboleKodera(k.Typ, bity);
        const TSygnalToru s = Sygnal(symbole, k.Poziomy, 10.0, 0.0, 0.0, sigma, 5);
        const TProbkiSymboli p = Probkuj(s, k.Kod, k.Poziomy, {0.5, 0});
        const TZliczenieBledow z = PorownajBity(OdzyskajBity(k.Kod, {p}), bity, 0, 100000);
        const double przewidywany = 0.5 * std::erfc(std::sqrt(snr));
        EXPECT_NEAR(static_cast<double>(z.Bledy) / 1e5, przewidywany, 4.0 * std::sqrt(przewidywany / 1e5)) << snrDb;
    }
}

TEST(Receiver, InvalidCodeGroupCountsItsFourBitsAsErrors)
{
    // Code bits of three groups: nibble 5, the invalid group 00000, nibble 15; then MLT-3.
    std::vector<std::int32_t> kod;
    for (const std::uint8_t grupa : {Grupy4B5B[5], std::uint8_t{0}, Grupy4B5B[15]})
        for (int b = 4; b >= 0; --b)
            kod.push_back((grupa >> b) & 1);
    TIntStrumien wejscie;
    TIntStrumien mlt3;
    wejscie.UstawDlugosc(static_cast<std::int32_t>(kod.size()));
    for (std::size_t i = 0; i < kod.size(); ++i)
        wejscie.Ustaw(static_cast<std::int32_t>(i), kod[i]);
    KodujMLT3(wejscie, mlt3);
    TProbkiSymboli p;
    for (std::int32_t i = 0; i < mlt3.ZwrocDlugosc(); ++i)
        p.Wartosci.push_back(static_cast<float>(mlt3.Zwroc(i)));
    const TBityOdebrane odebrane = OdzyskajBity(TKodLinii::MLT3z4B5B, {p});
    ASSERT_EQ(odebrane.Bity.size(), 12u);
    EXPECT_EQ(std::vector<std::int8_t>(odebrane.Bity.begin(), odebrane.Bity.begin() + 4),
              (std::vector<std::int8_t>{0, 1, 0, 1}));
    EXPECT_EQ(std::vector<std::int8_t>(odebrane.Bity.begin() + 4, odebrane.Bity.begin() + 8),
              (std::vector<std::int8_t>(4, -1)));
    const std::vector<std::int32_t> wyslane = {0, 1, 0, 1, 0, 0, 0, 0, 1, 1, 1, 1};
    const TZliczenieBledow z = PorownajBity(odebrane, wyslane, 0, 12);
    EXPECT_EQ(z.Bledy, 4);
    EXPECT_EQ(z.Porownane, 12);
}

TEST(Receiver, BitsOutsideWhatWasRecoveredCountAsErrors)
{
    TBityOdebrane odebrane;
    odebrane.Pierwszy = 10;
    odebrane.Bity = {1, 0, 1, 1};
    const std::vector<std::int32_t> wyslane(20, 1);
    // Bits 8 and 9 were never recovered, bit 11 is wrong, bits 14 and 15 lie past the end.
    const TZliczenieBledow z = PorownajBity(odebrane, wyslane, 8, 8);
    EXPECT_EQ(z.Bledy, 5);
    EXPECT_EQ(z.Porownane, 8);
}

TEST(Receiver, DecisionsOfAnyValue)
{
    EXPECT_EQ(Decyzja(0.49, -1, 1), 0);
    EXPECT_EQ(Decyzja(0.5, -1, 1), 1); // half-way goes up, as the decoder's table does
    EXPECT_EQ(Decyzja(-0.5, -1, 1), 0);
    EXPECT_EQ(Decyzja(-0.51, -1, 1), -1);
    EXPECT_EQ(Decyzja(1e300, -2, 2), 2);
    EXPECT_EQ(Decyzja(-HUGE_VAL, -2, 2), -2);
    EXPECT_EQ(Decyzja(std::nan(""), -2, 2), -2);

    // A lane whose values are not numbers still gives one bit per position, never a crash.
    TProbkiSymboli zle;
    zle.Wartosci = {std::nanf(""), HUGE_VALF, -HUGE_VALF, std::nanf(""), 0.0f, 1.0f, std::nanf(""), 2.0f, -1.0f, 0.0f};
    for (const TKodLinii kod : {TKodLinii::Manchester, TKodLinii::MLT3, TKodLinii::MLT3z4B5B})
        EXPECT_FALSE(OdzyskajBity(kod, {zle}).Bity.empty());
    for (const bool viterbi : {true, false})
        EXPECT_EQ(OdzyskajBity(TKodLinii::PAM5, {zle, zle, zle, zle}, viterbi).Bity.size(), 80u);
}
