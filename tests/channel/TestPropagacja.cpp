// Line signals through the channel: resampling, echo, crosstalk, the stages of the
// export in order, windows and axis ranges, progress, and a real encoder's signals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "DaneKanalu.h"
#include "PostepTestowy.h"
#include "TVartoChannel.h"
#include "VartoChannel.h"

namespace {

const TKontrolaKanalu BezKontroli(nullptr, nullptr, nullptr, nullptr);

std::vector<TPunkt> Plaska(float dB)
{
    return {{0, dB}, {1, dB}, {100, dB}};
}

// A stream of n samples whose y is f(m), x = m.
template <class F>
TStrumienKanalu Probki(std::int32_t n, F f)
{
    std::vector<TPunkt> punkty;
    for (std::int32_t m = 0; m < n; ++m)
        punkty.push_back(TPunkt{static_cast<float>(m), static_cast<float>(f(m))});
    return Strumien(punkty);
}

TEST(PrzygotujWejscie, ResamplesTheStepsAndSlopesOfTheSignal)
{
    const TStrumienKanalu punkty = Strumien(Plaska(0.0f));
    const TParametryKanalu p = ParametryKanalu(100.0f);
    TVartoChannel filtr(BezKontroli);
    filtr.UstawCharakterystyke(*punkty, p.A, p.FMax, 1.0f);
    ASSERT_TRUE(filtr.Zbuduj());
    const TStrumienKanalu sygnal = Strumien({{0.5f, 2.0f}, {1, 2.0f}, {1, 0.0f}, {2, 1.0f}}, "S");
    const std::unique_ptr<TFltFltStrumien> y = filtr.Filtruj(*sygnal, true, 100.0f);
    ASSERT_NE(y, nullptr);

    const std::vector<float>& s = filtr.Probki(); // 15 samples per symbol period
    ASSERT_EQ(s.size(), 31u);
    EXPECT_EQ(s[0], 2.0f);  // before the first point: its level
    EXPECT_EQ(s[9], 2.0f);  // a constant segment
    EXPECT_EQ(s[15], 2.0f); // at the vertical step the first point at that time wins
    EXPECT_FLOAT_EQ(s[16], 1.0f / 15.0f);
    EXPECT_FLOAT_EQ(s[30], 1.0f);
    EXPECT_EQ(y->ZwrocDlugosc(), 31);
    EXPECT_FLOAT_EQ(y->Zwroc(30).X, 2.0f);
    EXPECT_EQ(y->ZwrocNazwe(), "S");
    EXPECT_EQ(y->SkalaX, 1.0f);
}

TEST(DodajEcho, SubtractsTheDelayedEcho)
{
    TVartoChannel filtr(BezKontroli);
    const TStrumienKanalu echo = Probki(200, [](std::int32_t m) { return m; });

    // 100 ns at 10 MHz: one symbol period of 50 samples, a whole number.
    const TStrumienKanalu T = Probki(200, [](std::int32_t) { return 0.0; });
    ASSERT_EQ(filtr.DodajEcho(*T, *echo, 10.0f, 100), T.get());
    EXPECT_EQ(T->Zwroc(51).Y, 0.0f); // m − d <= 1: nothing yet
    EXPECT_EQ(T->Zwroc(52).Y, -2.0f);
    EXPECT_EQ(T->Zwroc(199).Y, -149.0f);

    // 15 ns at 12 MHz: 7.5 samples, halfway between two echo samples.
    const TStrumienKanalu U = Probki(200, [](std::int32_t) { return 0.0; });
    ASSERT_NE(filtr.DodajEcho(*U, *echo, 12.0f, 15), nullptr);
    EXPECT_EQ(U->Zwroc(8).Y, 0.0f);
    EXPECT_EQ(U->Zwroc(9).Y, -1.5f);
    EXPECT_EQ(U->Zwroc(100).Y, -92.5f);
}

TEST(DodajEcho, NeverReadsPastAShorterEcho)
{
    TVartoChannel filtr(BezKontroli);
    const TStrumienKanalu krotkie = Probki(60, [](std::int32_t m) { return m; });
    const TStrumienKanalu T = Probki(200, [](std::int32_t) { return 0.0; });
    ASSERT_NE(filtr.DodajEcho(*T, *krotkie, 12.0f, 15), nullptr);
    EXPECT_EQ(T->Zwroc(66).Y, -58.5f); // reads echo samples 58 and 59
    EXPECT_EQ(T->Zwroc(67).Y, 0.0f);   // echo sample 60 does not exist
    EXPECT_EQ(T->Zwroc(199).Y, 0.0f);

    // A negative delay reads ahead, and still only what exists.
    const TStrumienKanalu V = Probki(200, [](std::int32_t) { return 0.0; });
    ASSERT_NE(filtr.DodajEcho(*V, *krotkie, 10.0f, -20), nullptr);
    EXPECT_EQ(V->Zwroc(0).Y, -10.0f);
    EXPECT_EQ(V->Zwroc(49).Y, -59.0f);
    EXPECT_EQ(V->Zwroc(50).Y, 0.0f);
}

TEST(DodajPrzesluchy, AddsEveryOtherPairWhereItExists)
{
    TVartoChannel filtr(BezKontroli);
    const TStrumienKanalu a = Probki(10, [](std::int32_t) { return 1.0; });
    const TStrumienKanalu b = Probki(6, [](std::int32_t) { return 2.0; });
    const TStrumienKanalu c = Probki(10, [](std::int32_t) { return 4.0; });
    const TStrumienKanalu xa = Probki(10, [](std::int32_t) { return 0.1; });
    const TStrumienKanalu xb = Probki(6, [](std::int32_t) { return 0.2; });
    const TStrumienKanalu xc = Probki(8, [](std::int32_t) { return 0.4; });
    TFltFltStrumien* odebrane[] = {a.get(), b.get(), c.get()};
    TFltFltStrumien* przesluchy[] = {xa.get(), xb.get(), xc.get()};

    ASSERT_EQ(filtr.DodajPrzesluchy(odebrane, przesluchy, 0, 3), a.get());
    EXPECT_FLOAT_EQ(a->Zwroc(0).Y, 1.6f);
    EXPECT_FLOAT_EQ(a->Zwroc(6).Y, 1.4f); // pair 1 ended
    EXPECT_FLOAT_EQ(a->Zwroc(9).Y, 1.0f); // pair 2's crosstalk ended too
    EXPECT_EQ(a->Zwroc(9).X, 9.0f);

    ASSERT_EQ(filtr.DodajPrzesluchy(odebrane, przesluchy, 1, 3), b.get());
    EXPECT_EQ(b->ZwrocDlugosc(), 6);
    EXPECT_FLOAT_EQ(b->Zwroc(5).Y, 2.5f);
}

struct TKanal {
    std::vector<TStrumienKanalu> Wejscie;
    TStrumienKanalu Tlumienie = Strumien(Plaska(-20.0f));
    TStrumienKanalu Przesluchy = Strumien(Plaska(-20.0f));
    TStrumienKanalu Echo = Strumien(Plaska(-20.0f));
    TStrumienKanalu Regeneracja = Strumien(Plaska(20.0f));
    float R = 10.0f;
    std::int32_t PrzesuniecieEcha = 100;
    bool Przesluchy_ = true, Echo_ = true, Regeneracja_ = true;

    // Runs the channel with n observed pairs; every returned stream is owned by the result.
    std::vector<TStrumienKanalu> Przepusc(std::int32_t n, TPostepTestowy* postep)
    {
        std::vector<TFltFltStrumien*> wejscie;
        for (const auto& s : Wejscie)
            wejscie.push_back(s.get());
        TFltFltStrumien** wynik = ZwrocStrumieniePoKanale(
            wejscie.data(), static_cast<std::int32_t>(wejscie.size()), R, Tlumienie.get(), Przesluchy.get(),
            Echo.get(), Regeneracja.get(), Przesluchy_, Echo_, Regeneracja_, PrzesuniecieEcha, nullptr, n,
            postep ? &postep->Flaga : nullptr, postep ? &postep->Etykieta : nullptr, postep ? &postep->Krok : nullptr,
            postep ? &postep->Calosc : nullptr);
        std::vector<TStrumienKanalu> strumienie;
        if (!wynik)
            return strumienie;
        for (std::int32_t i = 0; i < (Regeneracja_ ? 2 * n : n); ++i)
            strumienie.emplace_back(wynik[i]);
        delete[] wynik;
        return strumienie;
    }
};

// Three constant levels for 200 symbol periods: pairs "A" and "B" observed, "Z" disturbing.
TKanal TrzyPoziomy()
{
    TKanal k;
    k.Wejscie.push_back(Strumien({{0, 1.0f}, {200, 1.0f}}, "A"));
    k.Wejscie.push_back(Strumien({{0, 2.0f}, {200, 2.0f}}, "B"));
    k.Wejscie.push_back(Strumien({{0, 4.0f}, {200, 4.0f}}, "Z"));
    return k;
}

float Srodek(TFltFltStrumien& s)
{
    return s.Zwroc(s.ZwrocDlugosc() / 2).Y;
}

TEST(ZwrocStrumieniePoKanale, AttenuatesAConstantLevelByTheGainAtZero)
{
    TKanal k = TrzyPoziomy();
    k.Przesluchy_ = k.Echo_ = k.Regeneracja_ = false;
    const std::vector<TStrumienKanalu> wynik = k.Przepusc(2, nullptr);
    ASSERT_EQ(wynik.size(), 2u);
    EXPECT_NEAR(Srodek(*wynik[0]), 0.1f, 1e-6);
    EXPECT_NEAR(Srodek(*wynik[1]), 0.2f, 1e-6);
}

TEST(ZwrocStrumieniePoKanale, AppliesEveryEffectInOrder)
{
    TKanal k = TrzyPoziomy();
    k.Tlumienie = Strumien(Plaska(0.0f));
    TPostepTestowy postep;
    const std::vector<TStrumienKanalu> wynik = k.Przepusc(2, &postep);
    ASSERT_EQ(wynik.size(), 4u);
    // Echo takes 0.1 of each pair's own level, then every other pair's crosstalk adds 0.1
    // of its level after echo: A = 0.9 + 0.1 (1.8 + 3.6), B = 1.8 + 0.1 (0.9 + 3.6).
    EXPECT_NEAR(Srodek(*wynik[0]), 1.44f, 1e-5);
    EXPECT_NEAR(Srodek(*wynik[1]), 2.25f, 1e-5);
    // Regeneration amplifies the received streams tenfold and keeps their names.
    EXPECT_NEAR(Srodek(*wynik[2]), 14.4f, 1e-4);
    EXPECT_NEAR(Srodek(*wynik[3]), 22.5f, 1e-4);
    EXPECT_EQ(wynik[0]->ZwrocNazwe(), "A");
    EXPECT_EQ(wynik[2]->ZwrocNazwe(), "A");
    EXPECT_EQ(wynik[3]->ZwrocNazwe(), "B");

    const std::vector<std::string> teksty = {
        "Tlumienie: Kalkulacja odpowiedzi", "Tlumienie: A", "Tlumienie: B", "Tlumienie: Z",
        "Echo: Kalkulacja odpowiedzi",      "Echo: A",      "Echo: B",      "Echo: Z",
        "Przesłuchy: Kalkulacja odpowiedzi", "Przesłuchy: A", "Przesłuchy: B", "Przesłuchy: Z",
        "Regenracja: Kalkulacja odpowiedzi", "Regenracja: A", "Regenracja: B"};
    EXPECT_EQ(postep.Teksty, teksty);
    EXPECT_FALSE(postep.ObcyWatek);
    EXPECT_FALSE(postep.Calosc.Cofnal);
    EXPECT_FALSE(postep.Krok.Cofnal);
    EXPECT_EQ(postep.Krok.Poz, postep.Krok.Max);

    // The overall budget: four filters of 20 · 200 samples and 200 · 20 · 501 terms; for
    // attenuation and echo of the three pairs 200 · 50 + 2 and 200 · 501 · 50 + 2, then
    // 200 · 501 · 50 + 1 for echo and crosstalk of the three pairs and regeneration of two.
    const std::int64_t filtr = 4000 + 2004000;
    const std::int64_t splot = 200 * 501 * 50;
    const std::int64_t budzet = 4 * filtr + 3 * (10002 + splot + 2) + 3 * (splot + 1) + 3 * (splot + 1) + 2 * (splot + 1);
    EXPECT_EQ(postep.Calosc.Max, budzet);
    EXPECT_NEAR(static_cast<double>(postep.Calosc.Poz), static_cast<double>(budzet), 1e-3 * budzet);
}

TEST(ZwrocStrumieniePoKanale, LeavesTheDisturbingPairAloneWithoutCrosstalk)
{
    TKanal k = TrzyPoziomy();
    k.Przesluchy_ = false;
    TPostepTestowy postep;
    const std::vector<TStrumienKanalu> wynik = k.Przepusc(2, &postep);
    ASSERT_EQ(wynik.size(), 4u);
    EXPECT_NEAR(Srodek(*wynik[0]), 0.09f, 1e-6); // attenuated to 0.1, less its echo of 0.01
    EXPECT_EQ(std::count(postep.Teksty.begin(), postep.Teksty.end(), "Tlumienie: Z"), 0);
    EXPECT_EQ(std::count(postep.Teksty.begin(), postep.Teksty.end(), "Echo: Z"), 0);
}

TEST(ZwrocStrumieniePoKanale, HidesTwentySymbolPeriodsAndRangesOverTheRest)
{
    TKanal k;
    k.Tlumienie = Strumien(Plaska(0.0f));
    k.Przesluchy_ = k.Echo_ = k.Regeneracja_ = false;
    // A tall pulse in the first symbol period, then a small square wave.
    k.Wejscie.push_back(Strumien({{0, 5.0f}, {0.5f, 5.0f}, {0.6f, 0.0f}, {50, 0.0f}, {50.1f, 0.3f}, {70, 0.3f},
                                  {70.1f, -0.2f}, {100, -0.2f}},
                                 "A"));
    const std::vector<TStrumienKanalu> wynik = k.Przepusc(1, nullptr);
    ASSERT_EQ(wynik.size(), 1u);
    TFltFltStrumien& s = *wynik[0];
    EXPECT_EQ(s.ZwrocDlugoscCalkowita(), 5001);
    EXPECT_EQ(s.ZwrocPoczatek(), 1000);
    EXPECT_EQ(s.ZwrocKoniec(), 1000);
    EXPECT_EQ(s.Zwroc(0).X, 20.0f);
    float najmniejszy = s.Zwroc(0).Y;
    float najwiekszy = najmniejszy;
    for (std::int32_t i = 0; i < s.ZwrocDlugosc(); ++i) {
        najmniejszy = std::min(najmniejszy, s.Zwroc(i).Y);
        najwiekszy = std::max(najwiekszy, s.Zwroc(i).Y);
    }
    EXPECT_EQ(s.MinY, najmniejszy);
    EXPECT_EQ(s.MaxY, najwiekszy);
    EXPECT_NEAR(s.MaxY, 0.3f, 0.05f); // the pulse is hidden
    EXPECT_NEAR(s.MinY, -0.2f, 0.05f);
}

TEST(ZwrocStrumieniePoKanale, KeepsTheMiddleOfAStreamTooShortForTheWindow)
{
    TKanal k;
    k.Przesluchy_ = k.Echo_ = k.Regeneracja_ = false;
    k.Wejscie.push_back(Strumien({{0, 1.0f}, {10, 1.0f}}, "A"));
    const std::vector<TStrumienKanalu> wynik = k.Przepusc(1, nullptr);
    ASSERT_EQ(wynik.size(), 1u);
    EXPECT_EQ(wynik[0]->ZwrocDlugoscCalkowita(), 501);
    EXPECT_EQ(wynik[0]->ZwrocDlugosc(), 1);
    EXPECT_EQ(wynik[0]->MinY, wynik[0]->Zwroc(0).Y);
    EXPECT_EQ(wynik[0]->MaxY, wynik[0]->MinY);
}

TEST(ZwrocStrumieniePoKanale, CarriesTheFourPairsOf1000BaseT)
{
    TKanal k;
    k.Wejscie = Sygnaly1000BaseT(420, 125);
    k.Tlumienie = Strumien(DomyslneTlumienie());
    k.Przesluchy = Strumien(DomyslnePrzesluchy());
    k.Echo = Strumien(DomyslneEcho());
    k.Regeneracja = Strumien(DomyslnaRegeneracja());
    k.R = 125.0f;
    k.PrzesuniecieEcha = 10;
    TPostepTestowy postep;
    const std::vector<TStrumienKanalu> wynik = k.Przepusc(4, &postep);
    ASSERT_EQ(wynik.size(), 8u);
    for (std::size_t i = 0; i < 4; ++i) {
        TFltFltStrumien& wejscie = *k.Wejscie[i];
        const float koniec = wejscie.Zwroc(wejscie.ZwrocDlugosc() - 1).X;
        EXPECT_EQ(wynik[i]->ZwrocNazwe(), wejscie.ZwrocNazwe());
        EXPECT_EQ(wynik[i + 4]->ZwrocNazwe(), wejscie.ZwrocNazwe());
        EXPECT_EQ(wynik[i]->ZwrocDlugoscCalkowita(), static_cast<std::int32_t>(koniec * 15.0f + 1.0f));
        EXPECT_EQ(wynik[i]->ZwrocPoczatek(), 300);
        // Attenuated by 2 dB and more, the line levels arrive below 1 V, yet arrive.
        EXPECT_LT(wynik[i]->MaxY, 1.0f);
        EXPECT_GT(wynik[i]->MaxY, 0.1f);
        EXPECT_GT(wynik[i + 4]->MaxY, wynik[i]->MaxY);
    }
    EXPECT_FALSE(postep.ObcyWatek);
}

} // namespace
