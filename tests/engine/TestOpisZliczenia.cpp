#include <gtest/gtest.h>

#include "Liczby.h"
#include "OpisZliczenia.h"
#include "Statystyka.h"

namespace {

class OpisZliczeniaTest : public ::testing::Test {
protected:
    void SetUp() override { UstawSeparatorDziesietny(','); }
    void TearDown() override { UstawSeparatorDziesietny('.'); }
};

TZliczoneBledy Zliczone(std::int64_t k, std::int64_t n)
{
    const TPrzedzialUfnosci p = PrzedzialClopperaPearsona(k, n);
    return {k, n, static_cast<double>(k) / static_cast<double>(n), p.Dolna, p.Gorna};
}

} // namespace

TEST_F(OpisZliczeniaTest, CountAndIntervalInPolish)
{
    const TOpisZliczenia opis = OpiszZliczenie(Zliczone(3, 1000), 1.16e-21, 0, 10);
    EXPECT_EQ(opis.Bledy, "Zliczone błędy: 3 z 1000 bitów");
    EXPECT_EQ(opis.BER, "BER zliczony: 3,0×10⁻³ (95 %: 6,2×10⁻⁴ – 8,7×10⁻³)");
    EXPECT_EQ(opis.Estymacja, "Estymacja funkcją ERF (1,2×10⁻²¹) leży poniżej przedziału ufności zliczonego BER");

    const TOpisZliczenia zero = OpiszZliczenie(Zliczone(0, 1000), 0.0, 1, 100);
    EXPECT_EQ(zero.BER, "BER zliczony: 0 (95 %: 0 – 3,7×10⁻³)");
    EXPECT_EQ(zero.Estymacja, "Estymacja funkcją ERF (0) mieści się w przedziale ufności zliczonego BER");
}

TEST_F(OpisZliczeniaTest, TheEstimateIsComparedAsTheErrorPageShowsIt)
{
    // 1000BaseT shows four times the library's estimate: 1e-3 becomes 4e-3, inside [6.2e-4, 8.7e-3].
    EXPECT_NE(OpiszZliczenie(Zliczone(3, 1000), 1e-3, 3, 1000).Estymacja.find("(4,0×10⁻³) mieści się"),
              std::string::npos);
    EXPECT_NE(OpiszZliczenie(Zliczone(3, 1000), 3e-3, 3, 1000).Estymacja.find("leży powyżej"), std::string::npos);
    EXPECT_NE(OpiszZliczenie(Zliczone(3, 1000), 3e-3, 0, 10).Estymacja.find("mieści się"), std::string::npos);
}

TEST_F(OpisZliczeniaTest, ErrorFreeBitsAndTimeToClaimTheTarget)
{
    EXPECT_EQ(OpiszZliczenie(Zliczone(0, 1000), 0.0, 1, 100).Wykazanie,
              "Wykazanie BER poniżej 1,0×10⁻¹⁰ z ufnością 95 % wymaga 3,0×10¹⁰ bitów bez błędu, czyli 5 minut "
              "transmisji przy 100 Mbps");
    const std::pair<std::pair<std::int32_t, double>, const char*> czasy[] = {
        {{10, 1e-10}, "czyli 50 minut transmisji"},
        {{1000, 1e-10}, "czyli 30 sekund transmisji"},
        {{5000, 1e-10}, "czyli 6 sekund transmisji"},
        {{3000, 1e-10}, "czyli 10 sekund transmisji"},
        {{10, 1e-12}, "czyli 3,5 dnia transmisji"},
        {{100, 1e-15}, "czyli 347 dni transmisji"},
        {{10, 1e-16}, "czyli 95 lat transmisji"},
        {{100, 3e-11}, "czyli 17 minut transmisji"},
        {{100, 1e-11}, "czyli 50 minut transmisji"},
        {{500, 1e-12}, "czyli 1,7 godziny transmisji"},
        {{100, 3.46e-13}, "czyli 1 dzień transmisji"},
        {{100, 4.1607e-12}, "czyli 2 godziny transmisji"},
    };
    for (const auto& [wejscie, oczekiwany] : czasy) {
        const std::string zdanie = OpiszZliczenie(Zliczone(0, 1000), 0.0, 0, wejscie.first, TJezyk::Polski, wejscie.second).Wykazanie;
        EXPECT_NE(zdanie.find(oczekiwany), std::string::npos) << zdanie;
    }
}

TEST_F(OpisZliczeniaTest, EnglishSentencesWithAPointAndEnglishPlurals)
{
    const TOpisZliczenia opis = OpiszZliczenie(Zliczone(3, 1000), 1.16e-21, 0, 10, TJezyk::Angielski);
    EXPECT_EQ(opis.Bledy, "Counted errors: 3 of 1000 bits");
    EXPECT_EQ(opis.BER, "Counted BER: 3.0×10⁻³ (95%: 6.2×10⁻⁴ – 8.7×10⁻³)");
    EXPECT_EQ(opis.Estymacja, "The ERF estimate (1.2×10⁻²¹) lies below the confidence interval of the counted BER");
    EXPECT_NE(OpiszZliczenie(Zliczone(3, 1000), 1e-3, 3, 1000, TJezyk::Angielski).Estymacja.find("(4.0×10⁻³) lies within"),
              std::string::npos);
    EXPECT_NE(OpiszZliczenie(Zliczone(3, 1000), 3e-3, 3, 1000, TJezyk::Angielski).Estymacja.find("lies above"),
              std::string::npos);
    EXPECT_EQ(OpiszZliczenie(Zliczone(0, 1000), 0.0, 1, 100, TJezyk::Angielski).Wykazanie,
              "Showing a BER below 1.0×10⁻¹⁰ with 95% confidence takes 3.0×10¹⁰ error-free bits, that is 5 minutes "
              "of transmission at 100 Mbps");
    const std::pair<std::pair<std::int32_t, double>, const char*> czasy[] = {
        {{10, 1e-12}, "that is 3.5 days of"},
        {{100, 1e-15}, "that is 347 days of"},
        {{10, 1e-16}, "that is 95 years of"},
        {{500, 1e-12}, "that is 1.7 hours of"},
        {{100, 3.46e-13}, "that is 1 day of"},
        {{100, 4.1607e-12}, "that is 2 hours of"},
        {{1000, 1e-10}, "that is 30 seconds of"},
    };
    for (const auto& [wejscie, oczekiwany] : czasy) {
        const std::string zdanie =
            OpiszZliczenie(Zliczone(0, 1000), 0.0, 0, wejscie.first, TJezyk::Angielski, wejscie.second).Wykazanie;
        EXPECT_NE(zdanie.find(oczekiwany), std::string::npos) << zdanie;
    }
}
