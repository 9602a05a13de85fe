#include <gtest/gtest.h>

#include <cmath>

#include "Liczby.h"
#include "OpisBER.h"

namespace {

const std::string Poczatek10 = "Przy szybkości transmisji 10 Mbps oznacza to pojawienie się ";

class OpisBERTest : public ::testing::Test {
protected:
    void SetUp() override { UstawSeparatorDziesietny(','); }
    void TearDown() override { UstawSeparatorDziesietny('.'); }
};

} // namespace

TEST_F(OpisBERTest, MantissaAndExponent)
{
    TOpisBER opis = OpiszBER(2.5e-6, 0, 10);
    EXPECT_EQ(opis.Etykieta, "2,50x10");
    EXPECT_EQ(opis.Wykladnik, "-6");
    opis = OpiszBER(2.0, 0, 10);
    EXPECT_EQ(opis.Etykieta, "2,00x10");
    EXPECT_EQ(opis.Wykladnik, "0");
    opis = OpiszBER(0.0, 0, 10);
    EXPECT_EQ(opis.Etykieta, "0");
    EXPECT_EQ(opis.Wykladnik, "");
    EXPECT_EQ(opis.Zdanie, "Oznacza to brak błędów");
}

TEST_F(OpisBERTest, ScalingByStandardAndTheRateAsTyped)
{
    // Doubled for 100BaseTX: 2.5e-6 becomes 5e-6, 500 wrong bits a second at 100 Mbps.
    EXPECT_EQ(OpiszBER(2.5e-6, 1, 100).Zdanie,
              "Przy szybkości transmisji 100 Mbps oznacza to pojawienie się 500 przekłamanych bitów na sekundę");
    EXPECT_EQ(OpiszBER(2.5e-6, 2, 100).Etykieta, "5,00x10");
    // Quadrupled for 1000BaseT: 1e-5, a power of ten, reads 1,00 with the exponent -5.
    EXPECT_EQ(OpiszBER(2.5e-6, 3, 1000).Etykieta, "1,00x10");
    EXPECT_EQ(OpiszBER(2.5e-6, 3, 1000).Wykladnik, "-5");
}

TEST_F(OpisBERTest, MantissaNeverReadsTen)
{
    struct TPrzypadek {
        double Ber;
        const char* Etykieta;
        const char* Wykladnik;
    };
    for (const TPrzypadek& p : {TPrzypadek{1e-5, "1,00x10", "-5"}, TPrzypadek{1e-12, "1,00x10", "-12"},
                                TPrzypadek{1.0, "1,00x10", "0"}, TPrzypadek{0.1, "1,00x10", "-1"},
                                TPrzypadek{9.999e-6, "1,00x10", "-5"}, TPrzypadek{9.994e-6, "9,99x10", "-6"},
                                TPrzypadek{1.004e-7, "1,00x10", "-7"}, TPrzypadek{2.5, "2,50x10", "0"}}) {
        const TOpisBER opis = OpiszBER(p.Ber, 0, 10);
        EXPECT_EQ(opis.Etykieta, p.Etykieta) << p.Ber;
        EXPECT_EQ(opis.Wykladnik, p.Wykladnik) << p.Ber;
    }
}

TEST_F(OpisBERTest, PeriodsOfTheExamples)
{
    EXPECT_EQ(OpiszBER(2.5e-6, 0, 10).Zdanie, Poczatek10 + "25 przekłamanych bitów na sekundę");
    EXPECT_EQ(OpiszBER(3e-8, 0, 10).Zdanie, Poczatek10 + "jednego przekłamanego bitu na 4 sekundy");
    EXPECT_EQ(OpiszBER(1e-12, 0, 10).Zdanie, Poczatek10 + "jednego przekłamanego bitu na 2 dni");
    EXPECT_EQ(OpiszBER(1e-16, 0, 10).Zdanie, Poczatek10 + "jednego przekłamanego bitu na 33 lata");
    EXPECT_EQ(OpiszBER(1e-21, 0, 10).Zdanie, Poczatek10 + "jednego przekłamanego bitu na 3215020 lat");
}

TEST_F(OpisBERTest, ExactlyOneCountsForSecondsAndMinutesButNotLongerPeriods)
{
    EXPECT_EQ(OpiszBER(1e-7, 0, 10).Zdanie, Poczatek10 + "jednego przekłamanego bitu na sekundę");
    // These x make exactly one wrong bit an hour, a day, a month and a year in double.
    EXPECT_EQ(OpiszBER(2.7777777777777777e-11, 0, 10).Zdanie, Poczatek10 + "2 przekłamanych bitów na 2 godziny");
    EXPECT_EQ(OpiszBER(1.1574074074074072e-12, 0, 10).Zdanie, Poczatek10 + "2 przekłamanych bitów na 2 dni");
    EXPECT_EQ(OpiszBER(3.858024691358025e-15, 0, 100).Zdanie,
              "Przy szybkości transmisji 100 Mbps oznacza to pojawienie się 2 przekłamanych bitów na 2 miesiące");
    EXPECT_EQ(OpiszBER(3.2150205761316867e-15, 0, 10).Zdanie, Poczatek10 + "2 przekłamanych bitów na 2 lata");
}

TEST_F(OpisBERTest, PluralEndings)
{
    // r * 60 just above 1/12 and 1/22: twelve and twenty-two minutes.
    EXPECT_EQ(OpiszBER(1.0 / 60 / 11.5 / 1e7, 0, 10).Zdanie, Poczatek10 + "jednego przekłamanego bitu na 12 minut");
    EXPECT_EQ(OpiszBER(1.0 / 60 / 21.5 / 1e7, 0, 10).Zdanie, Poczatek10 + "jednego przekłamanego bitu na 22 minuty");
    EXPECT_EQ(OpiszBER(1.0 / 60 / 13.5 / 1e7, 0, 10).Zdanie, Poczatek10 + "jednego przekłamanego bitu na 14 minut");
    // Months: 2 to 4 take "e", 5 to 10 "y".
    const double naMiesiac = 10e6 * 2592000.0;
    EXPECT_EQ(OpiszBER(1.0 / 2.5 / naMiesiac, 0, 10).Zdanie, Poczatek10 + "jednego przekłamanego bitu na 3 miesiące");
    EXPECT_EQ(OpiszBER(1.0 / 6.5 / naMiesiac, 0, 10).Zdanie, Poczatek10 + "jednego przekłamanego bitu na 7 miesiący");
}

TEST_F(OpisBERTest, TinyEstimatesNeverWrapOrOverflow)
{
    // A default 10BaseT run can give 4.5e-25: one wrong bit in about 7.1 billion years.
    const std::string zdanie = OpiszBER(4.5e-25, 0, 10).Zdanie;
    EXPECT_EQ(zdanie, Poczatek10 + "jednego przekłamanego bitu na 7144490169 lat");
    for (double x : {1e-300, 5e-324}) {
        const TOpisBER opis = OpiszBER(x, 0, 10);
        EXPECT_EQ(opis.Etykieta.find("INF"), std::string::npos) << x;
        EXPECT_EQ(opis.Etykieta.find("NAN"), std::string::npos) << x;
        EXPECT_EQ(opis.Zdanie.find('-'), std::string::npos) << x;
    }
    EXPECT_EQ(OpiszBER(5e-324, 0, 10).Etykieta, "4,94x10");
    EXPECT_EQ(OpiszBER(5e-324, 0, 10).Wykladnik, "-324");
}

TEST_F(OpisBERTest, CorrectTimeSentence)
{
    EXPECT_EQ(ZdaniePoprawnegoCzasu(0.0), "Transmisja poprawna w 100,000 % czasu");
    EXPECT_EQ(ZdaniePoprawnegoCzasu(0.0125), "Transmisja poprawna w 98,750 % czasu");
}

// Every reading in both languages: the same period, counted and named by each language's rules.
TEST_F(OpisBERTest, EveryReadingInPolishAndEnglish)
{
    struct TPrzypadek {
        double Ber;
        const char* Polski;
        const char* Angielski;
    };
    const double rok = 1e7 * 3600.0 * 24.0 * 30.0 * 12.0;
    const TPrzypadek przypadki[] = {
        {2.5e-6, "25 przekłamanych bitów na sekundę", "25 wrong bits per second"},
        {3e-8, "jednego przekłamanego bitu na 4 sekundy", "one wrong bit every 4 seconds"},
        {1e-12, "jednego przekłamanego bitu na 2 dni", "one wrong bit every 2 days"},
        {1e-16, "jednego przekłamanego bitu na 33 lata", "one wrong bit every 33 years"},
        {1e-21, "jednego przekłamanego bitu na 3215020 lat", "one wrong bit every 3215020 years"},
        {4.5e-25, "jednego przekłamanego bitu na 7144490169 lat", "one wrong bit every 7144490169 years"},
        {2.7777777777777777e-11, "2 przekłamanych bitów na 2 godziny", "2 wrong bits every 2 hours"},
        {3.2150205761316867e-15, "2 przekłamanych bitów na 2 lata", "2 wrong bits every 2 years"},
        {1.0 / 6.5 / (rok / 12.0), "jednego przekłamanego bitu na 7 miesiący", "one wrong bit every 7 months"},
        {1.0 / 60 / 11.5 / 1e7, "jednego przekłamanego bitu na 12 minut", "one wrong bit every 12 minutes"},
        // The counts 1, 2, 5, 22 and 112 ...
        {1e-7, "jednego przekłamanego bitu na sekundę", "one wrong bit per second"},
        {2e-7, "2 przekłamanych bitów na sekundę", "2 wrong bits per second"},
        {5e-7, "5 przekłamanych bitów na sekundę", "5 wrong bits per second"},
        {22e-7, "22 przekłamanych bitów na sekundę", "22 wrong bits per second"},
        {112e-7, "112 przekłamanych bitów na sekundę", "112 wrong bits per second"},
        // ... and periods of 1, 2, 5, 22 and 112 units.
        {1.1 / rok, "jednego przekłamanego bitu na rok", "one wrong bit per year"},
        {1.0 / 1.5 / 1e7, "jednego przekłamanego bitu na 2 sekundy", "one wrong bit every 2 seconds"},
        {1.0 / 4.5 / 1e7, "jednego przekłamanego bitu na 5 sekund", "one wrong bit every 5 seconds"},
        {1.0 / 21.5 / 1e7, "jednego przekłamanego bitu na 22 sekundy", "one wrong bit every 22 seconds"},
        {1.0 / 60 / 21.5 / 1e7, "jednego przekłamanego bitu na 22 minuty", "one wrong bit every 22 minutes"},
        {1.0 / 111.5 / rok, "jednego przekłamanego bitu na 112 lat", "one wrong bit every 112 years"},
        {1.0 / 121.5 / rok, "jednego przekłamanego bitu na 122 lata", "one wrong bit every 122 years"},
        {1.0 / 1011.5 / rok, "jednego przekłamanego bitu na 1012 lat", "one wrong bit every 1012 years"},
    };
    for (const TPrzypadek& p : przypadki) {
        EXPECT_EQ(OpiszBER(p.Ber, 0, 10).Zdanie, Poczatek10 + p.Polski) << p.Ber;
        EXPECT_EQ(OpiszBER(p.Ber, 0, 10, TJezyk::Angielski).Zdanie,
                  std::string("At a transmission rate of 10 Mbps this means ") + p.Angielski)
            << p.Ber;
    }
    EXPECT_EQ(OpiszBER(0.0, 0, 10, TJezyk::Angielski).Zdanie, "This means no errors");
}

TEST_F(OpisBERTest, EnglishNumbersTakeAPoint)
{
    const TOpisBER opis = OpiszBER(2.5e-6, 0, 10, TJezyk::Angielski);
    EXPECT_EQ(opis.Etykieta, "2.50x10");
    EXPECT_EQ(opis.Wykladnik, "-6");
    EXPECT_EQ(OpiszBER(9.999e-6, 0, 10, TJezyk::Angielski).Etykieta, "1.00x10");
    EXPECT_EQ(ZdaniePoprawnegoCzasu(0.0125, TJezyk::Angielski), "Transmission correct for 98.750% of the time");
    EXPECT_EQ(ZdaniePoprawnegoCzasu(0.0125, TJezyk::Polski), "Transmisja poprawna w 98,750 % czasu");
}
