#include <gtest/gtest.h>

#include <cmath>

#include "OdbiorPrzebiegu.h"
#include "Standardy.h"
#include "Symulacja.h"

namespace {

// A run over a line that changes nothing: flat 0 dB, no crosstalk, echo or regenerator.
TUstawieniaSymulacji CzystyKanal(int standard, std::int32_t bity = 1000)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(standard);
    u.LiczbaBitow = bity;
    u.Ziarno = 12;
    u.Przesluchy = false;
    u.Echo = false;
    u.Regeneracja = false;
    u.Charakterystyki.Tlumienie = {{0.0f, 0.0f}, {1000.0f, 0.0f}};
    return u;
}

std::unique_ptr<TWynikSymulacji> Uruchom(const TUstawieniaSymulacji& u)
{
    auto w = Symuluj(u, nullptr, {});
    EXPECT_NE(w, nullptr);
    return w;
}

// The samples of what reached the receiver's amplifier on lane 0, visible part.
std::vector<double> Wejscie(const TWynikSymulacji& w)
{
    TFltFltStrumien& s = *w.Tory[0].Wejscie();
    std::vector<double> y;
    for (std::int32_t i = 0; i < s.ZwrocDlugosc(); ++i)
        y.push_back(s.Zwroc(i).Y);
    return y;
}

double Wariancja(const std::vector<double>& y)
{
    double suma = 0.0;
    double kwadraty = 0.0;
    for (const double v : y) {
        suma += v;
        kwadraty += v * v;
    }
    const double n = static_cast<double>(y.size());
    return kwadraty / n - (suma / n) * (suma / n);
}

} // namespace

TEST(OdbiorPrzebiegu, CleanChannelGivesBackEveryDataBitOfEverySourceAndStandard)
{
    for (int standard = 0; standard < 4; ++standard)
        for (int zrodlo = 0; zrodlo < LiczbaZrodelBitow; ++zrodlo) {
            TUstawieniaSymulacji u = CzystyKanal(standard, 600);
            u.Zrodlo = static_cast<TZrodloBitow>(zrodlo);
            const auto w = Uruchom(u);
            EXPECT_EQ(w->Zliczone.Porownane, 600);
            EXPECT_EQ(w->Zliczone.Bledy, 0) << standard << " source " << zrodlo;
            for (const TTorWyniku& tor : w->Tory) {
                EXPECT_EQ(tor.OpoznienieSymboli, 0);
                EXPECT_NEAR(tor.FazaProbkowania, 0.5, 0.2);
            }
        }
}

TEST(OdbiorPrzebiegu, CleanChannelAtSeveralRatesAndLengths)
{
    for (int standard = 0; standard < 4; ++standard) {
        const TStandard& s = Standardy[static_cast<std::size_t>(standard)];
        for (const std::int32_t szybkosc : {s.SzybkoscMin, (s.SzybkoscMin + s.SzybkoscMax) / 2 + 7, s.SzybkoscMax})
            for (const std::int32_t bity : {101, 1003}) {
                TUstawieniaSymulacji u = CzystyKanal(standard, bity);
                u.Szybkosc = szybkosc;
                u.Nachylenie = static_cast<float>(s.NachylenieMax);
                const auto w = Uruchom(u);
                EXPECT_EQ(w->Zliczone.Bledy, 0) << standard << " at " << szybkosc << " Mbps, " << bity << " bits";
                EXPECT_EQ(w->Zliczone.Porownane, bity);
            }
    }
}

TEST(OdbiorPrzebiegu, DefaultAnalysesCountNoErrors)
{
    // The default cable, crosstalk, echo and regenerator; 1000BaseT through its trellis decoder.
    for (int standard = 0; standard < 4; ++standard) {
        TUstawieniaSymulacji u = DomyslneUstawienia(standard);
        u.LiczbaBitow = 1000;
        u.Ziarno = 31;
        const auto w = Uruchom(u);
        EXPECT_EQ(w->Zliczone.Bledy, 0) << standard;
        EXPECT_EQ(w->Zliczone.BER, 0.0);
        EXPECT_EQ(w->Zliczone.Dolna, 0.0);
        EXPECT_NEAR(w->Zliczone.Gorna, 3.68e-3, 1e-5);
        for (const TTorWyniku& tor : w->Tory) {
            EXPECT_GE(tor.FazaProbkowania, 0.0);
            EXPECT_LT(tor.FazaProbkowania, 1.0);
        }
    }
}

TEST(OdbiorPrzebiegu, NoiseAtAGivenSnrMeasuresBack)
{
    TUstawieniaSymulacji u = CzystyKanal(2, 20000);
    const auto czysty = Uruchom(u);
    u.SzumIDrzenie.SnrDb = 10.0;
    const auto zaszumiony = Uruchom(u);
    const std::vector<double> s = Wejscie(*czysty);
    std::vector<double> szum = Wejscie(*zaszumiony);
    ASSERT_EQ(s.size(), szum.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        szum[i] -= s[i];
    EXPECT_NEAR(10.0 * std::log10(Wariancja(s) / Wariancja(szum)), 10.0, 0.13); // 3 %
    // The bits themselves are those of the seed, noise or not.
    EXPECT_EQ(czysty->Tory[0].Wyslany->ZwrocDlugosc(), zaszumiony->Tory[0].Wyslany->ZwrocDlugosc());

    u.SzumIDrzenie.SnrDb.reset();
    u.SzumIDrzenie.SzumMv = 40.0;
    const auto woltowy = Uruchom(u);
    szum = Wejscie(*woltowy);
    for (std::size_t i = 0; i < s.size(); ++i)
        szum[i] -= s[i];
    EXPECT_NEAR(std::sqrt(Wariancja(szum)), 0.040, 0.040 * 0.03);
}

TEST(OdbiorPrzebiegu, NoiseInducedErrorsFollowTheErfcCurve)
{
    // Manchester decided on the difference of its two half-bit samples is antipodal PAM-2
    // with two samples' energy per bit: BER = erfc(sqrt(SNR)) / 2, SNR being the signal's
    // variance over the noise's. 3.24 dB gives 2e-2.
    TUstawieniaSymulacji u = CzystyKanal(0, 30000);
    const double snrDb = 3.24;
    u.SzumIDrzenie.SnrDb = snrDb;
    const auto w = Uruchom(u);
    const double przewidywany = 0.5 * std::erfc(std::sqrt(std::pow(10.0, snrDb / 10.0)));
    EXPECT_NEAR(przewidywany, 2e-2, 1e-3);
    // The flat line is still the channel's band-limited filter: its rounded edges take
    // some of the signal's variance that the decision instants never see, and its plateaus
    // sit a little inside the levels, together worth about 0.3 dB here (17 % fewer errors).
    EXPECT_NEAR(w->Zliczone.BER, przewidywany, 0.25 * przewidywany);
    EXPECT_GT(w->Zliczone.Bledy, 400);
}

TEST(OdbiorPrzebiegu, JitterMovesTheEdgesTheChannelCarries)
{
    TUstawieniaSymulacji u = CzystyKanal(2, 4000);
    const auto czysty = Uruchom(u);
    // 400 ps RMS at 100 Mbaud is 0.04 of a symbol: the eye stays open.
    u.SzumIDrzenie.DrzeniePs = 400.0;
    const auto lekki = Uruchom(u);
    EXPECT_EQ(lekki->Zliczone.Bledy, 0);
    const std::vector<double> a = Wejscie(*czysty);
    const std::vector<double> b = Wejscie(*lekki);
    double roznica = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i)
        roznica = std::max(roznica, std::abs(a[i] - b[i]));
    EXPECT_GT(roznica, 0.05);
    // What was sent stays the reference: the sent signals are the same.
    EXPECT_EQ(czysty->Tory[0].Wyslany->ZwrocDlugosc(), lekki->Tory[0].Wyslany->ZwrocDlugosc());
    // 3000 ps RMS is 0.3 of a symbol: edges cross the decision instants.
    u.SzumIDrzenie.DrzeniePs = 3000.0;
    EXPECT_GT(Uruchom(u)->Zliczone.Bledy, 0);
}

TEST(OdbiorPrzebiegu, ImpairmentsRepeatWithTheSeed)
{
    TUstawieniaSymulacji u = CzystyKanal(3, 2000);
    u.SzumIDrzenie.SnrDb = 12.0;
    u.SzumIDrzenie.DrzeniePs = 300.0;
    const auto a = Uruchom(u);
    const auto b = Uruchom(u);
    EXPECT_EQ(Wejscie(*a), Wejscie(*b));
    EXPECT_EQ(a->Zliczone.Bledy, b->Zliczone.Bledy);
    u.Ziarno = 13;
    EXPECT_NE(Wejscie(*a), Wejscie(*Uruchom(u)));
}

TEST(OdbiorPrzebiegu, StaircaseSymbolsAreReadAtTheMiddleOfEachSymbol)
{
    // 0 0 1 1 0 drawn with half-bit steps, as the 10BaseT coder draws its Manchester symbols.
    TFltFltStrumien schody;
    const TPunkt punkty[] = {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 0}, {2.5f, 0}};
    schody.UstawDlugosc(6);
    for (std::int32_t i = 0; i < 6; ++i)
        schody.Ustaw(i, punkty[i]);
    EXPECT_EQ(SymboleSchodow(schody, 0.5), (std::vector<std::int32_t>{0, 0, 1, 1, 0}));
    // PAM-5 values, one per period.
    const TPunkt pam5[] = {{0, -2}, {1, -2}, {1, 2}, {3, 2}};
    schody.UstawDlugosc(4);
    for (std::int32_t i = 0; i < 4; ++i)
        schody.Ustaw(i, pam5[i]);
    EXPECT_EQ(SymboleSchodow(schody, 1.0), (std::vector<std::int32_t>{-2, 2, 2}));
}

TEST(OdbiorPrzebiegu, EyeOfEveryStandardWithAndWithoutRegeneration)
{
    // The openings each code has: Manchester one, MLT-3 two, PAM-5 four.
    constexpr std::size_t Otwarcia[] = {1, 2, 2, 4};
    for (int standard = 0; standard < 4; ++standard)
        for (const bool regeneracja : {false, true}) {
            TUstawieniaSymulacji u = DomyslneUstawienia(standard);
            u.LiczbaBitow = 400;
            u.Ziarno = 3;
            u.Regeneracja = regeneracja;
            const auto w = Uruchom(u);
            for (const TTorWyniku& tor : w->Tory) {
                const TOkoToru& oko = tor.Oko;
                EXPECT_EQ(oko.Faza, tor.FazaProbkowania);
                ASSERT_EQ(oko.Podoka.size(), Otwarcia[standard]) << standard;
                for (const TPodoko& p : oko.Podoka) {
                    ASSERT_TRUE(p.Wysokosc && p.Szerokosc) << standard << regeneracja;
                    EXPECT_GE(*p.Wysokosc, 0.0);
                    EXPECT_GE(*p.Szerokosc, 0.0);
                    EXPECT_LE(*p.Szerokosc, 1.0);
                    // The default line closes every eye but 10BaseT's without the regenerator.
                    if (regeneracja) {
                        EXPECT_GT(*p.Wysokosc, 0.0);
                        EXPECT_GT(*p.Szerokosc, 0.3);
                    }
                    // In the volts of the eye stream: the threshold lies within its range.
                    EXPECT_GT(*p.Prog, tor.Wejscie()->MinY);
                    EXPECT_LT(*p.Prog, tor.Wejscie()->MaxY);
                }
                EXPECT_EQ(oko.Przeciecie.has_value(), standard == 0);
            }
            // The density holds every lane's whole eye stream, on the eye diagram's scale.
            const TGestoscOka& g = w->GestoscOka;
            EXPECT_GE(g.Kolumny(), 400);
            EXPECT_GE(g.Wiersze(), 300);
            EXPECT_DOUBLE_EQ(g.Okres(), 2.0 * Standardy[static_cast<std::size_t>(standard)].OkresOka);
            std::uint64_t punkty = 0;
            for (const TTorWyniku& tor : w->Tory)
                punkty += static_cast<std::uint64_t>(tor.Wejscie()->ZwrocDlugosc());
            EXPECT_GE(g.Suma(), punkty);
        }
    // One level only (all zeros on MLT-3 without 4B5B): nothing to measure.
    TUstawieniaSymulacji u = CzystyKanal(2, 200);
    u.Zrodlo = TZrodloBitow::Zera;
    const auto w = Uruchom(u);
    for (const TPodoko& p : w->Tory[0].Oko.Podoka)
        EXPECT_FALSE(p.Wysokosc || p.Szerokosc || p.Prog);
}
