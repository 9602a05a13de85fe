#include <gtest/gtest.h>

#include <cmath>

#include "LinieGraniczne.h"

namespace {

// The limit line's gain at f MHz, linear in log frequency between its points.
double Wartosc(const TListaPunktow& linia, double f)
{
    for (std::size_t i = 1; i < linia.size(); ++i)
        if (f <= linia[i].MHz) {
            const TPunktDb& a = linia[i - 1];
            const TPunktDb& b = linia[i];
            return a.dB + (b.dB - a.dB) * std::log10(f / a.MHz) / std::log10(b.MHz / a.MHz);
        }
    return NAN;
}

} // namespace

TEST(LinieGraniczne, TenBaseTLimitsTheInsertionLossOnly)
{
    const TLinieGraniczne l = LinieGraniczne(TStandardLinii::Standard10BaseT);
    EXPECT_EQ(l.Tlumienie, (TListaPunktow{{5.0, -11.5}, {10.0, -11.5}}));
    EXPECT_TRUE(l.Przesluchy.empty());
    EXPECT_TRUE(l.Echo.empty());
}

TEST(LinieGraniczne, GigabitFormulasAtTheirAnchors)
{
    const TLinieGraniczne l = LinieGraniczne(TStandardLinii::Standard1000BaseT);
    EXPECT_EQ(l.Tlumienie.front().MHz, 1.0);
    EXPECT_EQ(l.Tlumienie.back().MHz, 100.0);
    EXPECT_NEAR(l.Tlumienie.front().dB, -2.5, 0.001);
    EXPECT_NEAR(l.Tlumienie.back().dB, -24.0, 0.01);
    EXPECT_NEAR(l.Przesluchy.front().dB, -60.7, 0.001);
    EXPECT_NEAR(l.Przesluchy.back().dB, -27.1, 0.001);
    EXPECT_EQ(l.Echo.front().dB, -15.0);
    EXPECT_NEAR(Wartosc(l.Echo, 20.0), -15.0, 1e-9);
    EXPECT_NEAR(l.Echo.back().dB, -8.01, 0.001);
    for (const TListaPunktow* linia : {&l.Tlumienie, &l.Przesluchy, &l.Echo})
        for (std::size_t i = 1; i < linia->size(); ++i) {
            EXPECT_GT((*linia)[i].MHz, (*linia)[i - 1].MHz);
        }
}

// The 802.3 formulas were fitted to the Category 5 channel that 100BaseTX runs on: the two
// published sources must agree to a fraction of a dB wherever both speak.
TEST(LinieGraniczne, CategoryFiveChannelTableAgreesWithTheGigabitFormulas)
{
    const TLinieGraniczne tx = LinieGraniczne(TStandardLinii::Standard100BaseTX);
    const TLinieGraniczne gb = LinieGraniczne(TStandardLinii::Standard1000BaseT);
    ASSERT_EQ(tx.Tlumienie.size(), 10u);
    EXPECT_EQ(tx.Tlumienie.back(), (TPunktDb{100.0, -24.0}));
    EXPECT_EQ(tx.Przesluchy.back(), (TPunktDb{100.0, -27.1}));
    EXPECT_TRUE(tx.Echo.empty());
    for (const TPunktDb& p : tx.Tlumienie)
        EXPECT_NEAR(p.dB, Wartosc(gb.Tlumienie, p.MHz), 0.25) << p.MHz;
    // Above 1 MHz, where the channel table's 60 dB ceiling no longer applies.
    for (const TPunktDb& p : tx.Przesluchy)
        if (p.MHz > 1.0) {
            EXPECT_NEAR(p.dB, Wartosc(gb.Przesluchy, p.MHz), 0.25) << p.MHz;
        }
}
