// Cancellation at every stage: the call returns null, speaks only from its own thread,
// and leaves nothing allocated (the sanitizer build checks the last part at exit).
#include <gtest/gtest.h>

#include <memory>

#include "DaneKanalu.h"
#include "PostepTestowy.h"
#include "TVartoChannel.h"
#include "VartoChannel.h"

namespace {

std::vector<TPunkt> Plaska(float dB)
{
    return {{0, dB}, {1, dB}, {100, dB}};
}

class AnulowaniePrzebiegu : public ::testing::TestWithParam<TMomentAnulowania> {};

TEST_P(AnulowaniePrzebiegu, ReturnsNullHavingReleasedEverything)
{
    std::vector<TStrumienKanalu> wejscie;
    wejscie.push_back(Strumien({{0, 1.0f}, {200, 1.0f}}, "A"));
    wejscie.push_back(Strumien({{0, 2.0f}, {100, 2.0f}, {100.1f, -2.0f}, {200, -2.0f}}, "B"));
    wejscie.push_back(Strumien({{0, 4.0f}, {200, 4.0f}}, "Z"));
    std::vector<TFltFltStrumien*> wskazniki;
    for (const auto& s : wejscie)
        wskazniki.push_back(s.get());
    const TStrumienKanalu tlumienie = Strumien(DomyslneTlumienie());
    const TStrumienKanalu przesluchy = Strumien(DomyslnePrzesluchy());
    const TStrumienKanalu echo = Strumien(Plaska(-15.0f));
    const TStrumienKanalu regeneracja = Strumien(DomyslnaRegeneracja());

    TPostepTestowy postep(GetParam());
    TFltFltStrumien** wynik = ZwrocStrumieniePoKanale(
        wskazniki.data(), 3, 10.0f, tlumienie.get(), przesluchy.get(), echo.get(), regeneracja.get(), 1, 1, 1, 100,
        nullptr, 2, &postep.Flaga, &postep.Etykieta, &postep.Krok, &postep.Calosc);
    EXPECT_TRUE(postep.Anulowano()) << "the moment never came";
    EXPECT_EQ(wynik, nullptr);
    EXPECT_FALSE(postep.ObcyWatek);
    EXPECT_EQ(postep.Teksty.back(), GetParam().Tekst);
}

// Each stage's build (spectrum: first repaint, taps: second), each stream's resampling and
// convolution, and the ends of loops, where only the check after the loop can notice.
INSTANTIATE_TEST_SUITE_P(
    Kanal, AnulowaniePrzebiegu,
    ::testing::Values(TMomentAnulowania{"Tlumienie: Kalkulacja odpowiedzi", 0, 0},
                      TMomentAnulowania{"Tlumienie: Kalkulacja odpowiedzi", 1, 100},
                      TMomentAnulowania{"Tlumienie: Kalkulacja odpowiedzi", 2, 60},
                      TMomentAnulowania{"Tlumienie: Kalkulacja odpowiedzi", 2, 502},
                      TMomentAnulowania{"Tlumienie: A", 1, 500}, TMomentAnulowania{"Tlumienie: A", 2, 300},
                      TMomentAnulowania{"Tlumienie: Z", 2, 0}, TMomentAnulowania{"Tlumienie: Z", 2, 10002},
                      TMomentAnulowania{"Echo: Kalkulacja odpowiedzi", 1, 4001},
                      TMomentAnulowania{"Echo: Kalkulacja odpowiedzi", 2, 10},
                      TMomentAnulowania{"Echo: B", 1, 5000}, TMomentAnulowania{"Echo: Z", 1, 10002},
                      TMomentAnulowania{"Przesłuchy: Kalkulacja odpowiedzi", 2, 250},
                      TMomentAnulowania{"Przesłuchy: A", 0, 0}, TMomentAnulowania{"Przesłuchy: Z", 1, 7000},
                      TMomentAnulowania{"Przesłuchy: Z", 1, 10002},
                      TMomentAnulowania{"Regenracja: Kalkulacja odpowiedzi", 1, 3},
                      TMomentAnulowania{"Regenracja: Kalkulacja odpowiedzi", 2, 200},
                      TMomentAnulowania{"Regenracja: B", 1, 10002}));

TEST(Anulowanie, StopsTheConvolutionOfALongStreamByTheTransform)
{
    // 1,400 symbol periods at 10 MHz: 70,001 samples, beyond the direct sum's reach.
    const TStrumienKanalu sygnal = Strumien({{0, 1.0f}, {700, 1.0f}, {700.1f, -1.0f}, {1400, -1.0f}}, "A");
    const TStrumienKanalu tlumienie = Strumien(DomyslneTlumienie());
    TFltFltStrumien* wejscie[] = {sygnal.get()};
    for (const std::int64_t kroki : {std::int64_t{0}, std::int64_t{35000}, std::int64_t{70000}}) {
        TPostepTestowy postep(TMomentAnulowania{"Tlumienie: A", 2, kroki});
        TFltFltStrumien** wynik =
            ZwrocStrumieniePoKanale(wejscie, 1, 10.0f, tlumienie.get(), nullptr, nullptr, nullptr, 0, 0, 0, 0, nullptr,
                                    1, &postep.Flaga, &postep.Etykieta, &postep.Krok, &postep.Calosc);
        EXPECT_TRUE(postep.Anulowano()) << kroki;
        EXPECT_EQ(wynik, nullptr) << kroki;
        EXPECT_FALSE(postep.ObcyWatek);
        EXPECT_EQ(postep.Krok.Max, 70001);
    }
}

class AnulowanieRekalkulacji : public ::testing::TestWithParam<TMomentAnulowania> {};

TEST_P(AnulowanieRekalkulacji, ReturnsNullHavingReleasedEverything)
{
    const TStrumienKanalu punkty = Strumien(DomyslneTlumienie());
    TPostepTestowy postep(GetParam());
    WynikRekalkulacji* wynik =
        ZwrocCharakterystykeFiltru(punkty.get(), 125.0f, &postep.Flaga, &postep.Etykieta, &postep.Krok, &postep.Calosc);
    EXPECT_TRUE(postep.Anulowano()) << "the moment never came";
    EXPECT_EQ(wynik, nullptr);
    EXPECT_FALSE(postep.ObcyWatek);
}

INSTANTIATE_TEST_SUITE_P(Kanal, AnulowanieRekalkulacji,
                         ::testing::Values(TMomentAnulowania{"Kalkulacja odpowiedzi", 1, 10},
                                           TMomentAnulowania{"Kalkulacja odpowiedzi", 2, 100},
                                           TMomentAnulowania{"Kalkulacja odpowiedzi", 2, 1876},
                                           TMomentAnulowania{"Kalkulacja charakterystyki", 1, 50},
                                           TMomentAnulowania{"Kalkulacja charakterystyki", 1, 4001}));

TEST(Anulowanie, AFlagSetBeforehandStopsEveryStep)
{
    alignas(std::atomic_ref<std::uint8_t>::required_alignment) std::uint8_t flaga = 1;
    const TKontrolaKanalu kontrola(&flaga, nullptr, nullptr, nullptr);
    const TStrumienKanalu punkty = Strumien(Plaska(-3.0f));
    const TStrumienKanalu sygnal = Strumien({{0, 1.0f}, {50, 1.0f}}, "A");

    EXPECT_EQ(ZwrocCharakterystykeFiltru(punkty.get(), 10.0f, &flaga, nullptr, nullptr, nullptr), nullptr);
    TFltFltStrumien* wejscie[] = {sygnal.get()};
    EXPECT_EQ(ZwrocStrumieniePoKanale(wejscie, 1, 10.0f, punkty.get(), nullptr, nullptr, nullptr, 0, 0, 0, 0, nullptr,
                                      1, &flaga, nullptr, nullptr, nullptr),
              nullptr);

    TVartoChannel filtr(kontrola);
    const TParametryKanalu p = ParametryKanalu(10.0f);
    filtr.UstawCharakterystyke(*punkty, p.A, p.FMax, 1.0f);
    EXPECT_FALSE(filtr.Zbuduj());
    EXPECT_TRUE(filtr.Widmo().empty());
    EXPECT_EQ(filtr.OddajOdpowiedzImpulsowa(), nullptr);
    EXPECT_EQ(filtr.Filtruj(*sygnal, true, 10.0f), nullptr);

    const TStrumienKanalu drugi = Strumien({{0, 1.0f}, {50, 1.0f}}, "B");
    EXPECT_EQ(filtr.DodajEcho(*sygnal, *drugi, 10.0f, 100), nullptr);
    TFltFltStrumien* para[] = {sygnal.get(), drugi.get()};
    EXPECT_EQ(filtr.DodajPrzesluchy(para, para, 0, 2), nullptr);
}

} // namespace
