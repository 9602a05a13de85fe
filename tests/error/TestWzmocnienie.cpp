#include <gtest/gtest.h>

#include <cmath>

#include "Strumienie.h"
#include "VartoError.h"

namespace {

std::vector<std::unique_ptr<TFltFltStrumien>> Wzmocnij(const std::vector<TFltFltStrumien*>& wzorce,
                                                       const std::vector<TFltFltStrumien*>& odebrane)
{
    const auto n = static_cast<std::int32_t>(wzorce.size());
    return Przejmij(ZwrocStrumienieWzm(wzorce.data(), odebrane.data(), n, nullptr, nullptr), n);
}

void OczekujOdtworzenia(TFltFltStrumien& wynik, const Punkty& odebrane, const Punkty& wzorzec)
{
    const Punkty p = Odczytaj(wynik);
    ASSERT_EQ(p.size(), odebrane.size());
    for (std::size_t k = 0; k < p.size(); ++k) {
        EXPECT_EQ(p[k].X, odebrane[k].X);
        EXPECT_NEAR(p[k].Y, WartoscNaiwna(wzorzec, p[k].X), 1e-5f) << k;
    }
}

} // namespace

TEST(Gain, TwentyDecibelsDownIsRestoredByAGainOfTen)
{
    const Punkty wzorzec = SygnalLiniowy(100);
    const Punkty odebrane = Probki(wzorzec, 20.0f, 80.0f, 0.125f, 0.1f);
    auto w = Strumien(wzorzec);
    auto o = Strumien(odebrane);
    auto wynik = Wzmocnij({w.get()}, {o.get()});
    OczekujOdtworzenia(*wynik[0], odebrane, wzorzec);
    EXPECT_NEAR(wynik[0]->Zwroc(4).Y / o->Zwroc(4).Y, 10.0f, 1e-5f); // x = 20.5, at -1 V
    // The borrowed streams are left as they were.
    EXPECT_EQ(Odczytaj(*o).size(), odebrane.size());
    EXPECT_EQ(o->Zwroc(3).Y, odebrane[3].Y);
}

TEST(Gain, EveryPairHasItsOwnGain)
{
    const float tlumienia[] = {0.5f, 0.001f, 1.0f, 3.0f};
    std::vector<Punkty> wzorce, odebrane;
    std::vector<std::unique_ptr<TFltFltStrumien>> posiadane;
    std::vector<TFltFltStrumien*> w, o;
    for (int r = 0; r < 4; ++r) {
        wzorce.push_back(SygnalLiniowy(60 + 10 * r));
        odebrane.push_back(Probki(wzorce.back(), 20.0f, 40.0f + 10.0f * r, 0.2f, tlumienia[r]));
        posiadane.push_back(Strumien(wzorce.back()));
        w.push_back(posiadane.back().get());
        posiadane.push_back(Strumien(odebrane.back()));
        o.push_back(posiadane.back().get());
    }
    auto wynik = Wzmocnij(w, o);
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        OczekujOdtworzenia(*wynik[static_cast<std::size_t>(r)], odebrane[static_cast<std::size_t>(r)],
                           wzorce[static_cast<std::size_t>(r)]);
    }
}

TEST(Gain, OutputHoldsOnlyTheVisiblePoints)
{
    const Punkty wzorzec = SygnalLiniowy(40);
    Punkty odebrane = Probki(wzorzec, 5.0f, 35.0f, 0.5f, 0.25f);
    // A hidden head and tail far off in level, which must weigh nothing in the gain.
    odebrane.insert(odebrane.begin(), {{0.0f, 100.0f}, {1.0f, 100.0f}});
    odebrane.push_back({36.0f, -100.0f});
    auto w = Strumien(wzorzec);
    auto o = Strumien(odebrane);
    o->UstawZakres(2, 1);
    auto wynik = Wzmocnij({w.get()}, {o.get()});
    const Punkty widoczne(odebrane.begin() + 2, odebrane.end() - 1);
    OczekujOdtworzenia(*wynik[0], widoczne, wzorzec);
    EXPECT_EQ(wynik[0]->Zwroc(0).X, 5.0f);
    EXPECT_EQ(wynik[0]->ZwrocPoczatek(), 0);
    EXPECT_EQ(wynik[0]->ZwrocKoniec(), 0);
    EXPECT_EQ(wynik[0]->ZwrocDlugoscCalkowita(), static_cast<std::int32_t>(widoczne.size()));
}

TEST(Gain, SilentReceivedSignalKeepsAGainOfOne)
{
    // A line that never leaves 0 V against a silent received signal (0 / 0), and a
    // signal that was sent but never arrived (b / 0).
    auto zero = Strumien({{0, 0}, {10, 0}});
    auto sygnal = Strumien(SygnalLiniowy(10));
    auto cisza = Strumien({{2, 0}, {3, 0}, {4, 0}});
    auto wynik = Wzmocnij({zero.get(), sygnal.get()}, {cisza.get(), cisza.get()});
    for (auto& s : wynik)
        for (const TPunkt& p : Odczytaj(*s)) {
            EXPECT_EQ(p.Y, 0.0f);
            EXPECT_FALSE(std::isnan(p.Y));
        }
}

TEST(Gain, NoPairsGiveAnEmptyArray)
{
    TFltFltStrumien** wynik = ZwrocStrumienieWzm(nullptr, nullptr, 0, nullptr, nullptr);
    EXPECT_NE(wynik, nullptr);
    delete[] wynik;
}
