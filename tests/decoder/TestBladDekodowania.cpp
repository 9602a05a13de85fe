#include <gtest/gtest.h>

#include "StrumienieTestowe.h"
#include "TVartoDecode.h"
#include "VartoDecode.h"

namespace {

double Blad(const std::vector<Punkty>& zdekodowane, const std::vector<Punkty>& wyslane)
{
    std::vector<std::unique_ptr<TFltFltStrumien>> posiadane;
    std::vector<TFltFltStrumien*> d, w;
    for (const Punkty& p : zdekodowane) {
        posiadane.push_back(Strumien(p));
        d.push_back(posiadane.back().get());
    }
    for (const Punkty& p : wyslane) {
        posiadane.push_back(Strumien(p));
        w.push_back(posiadane.back().get());
    }
    return ZwrocBlad(d.data(), w.data(), static_cast<std::int32_t>(d.size()), nullptr, nullptr);
}

// Ten points at x = 0 … 9 with the symbols s.
Punkty Dziesiec(const std::vector<float>& s)
{
    Punkty p;
    for (std::size_t i = 0; i < s.size(); ++i)
        p.push_back({static_cast<float>(i), s[i]});
    return p;
}

// The sent value by the plain walk from the first point: the first point at or after x,
// the last one beyond the end.
float WartoscNaiwna(const Punkty& p, float x)
{
    for (const TPunkt& q : p)
        if (!(q.X < x))
            return q.Y;
    return p.back().Y;
}

} // namespace

TEST(DecodingError, IdenticalStaircaseHasNoError)
{
    const Punkty schody{{0, 1}, {3, 1}, {3, -1}, {5, -1}, {5, 0}, {8, 0}};
    EXPECT_EQ(Blad({schody}, {schody}), 0.0);
}

TEST(DecodingError, SharesAreAveragedOverThePairs)
{
    const Punkty wyslane = Dziesiec({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const Punkty jeden = Dziesiec({0, 0, 0, 1, 0, 0, 0, 0, 0, 0});
    const Punkty trzy = Dziesiec({0, 1, 0, 0, 0, -1, 0, 0, 0, 2});
    EXPECT_FLOAT_EQ(static_cast<float>(Blad({jeden}, {wyslane})), 0.1f);
    EXPECT_FLOAT_EQ(static_cast<float>(Blad({trzy}, {wyslane})), 0.3f);
    EXPECT_NEAR(Blad({jeden, trzy}, {wyslane, wyslane}), 0.2, 1e-7);
}

TEST(DecodingError, VerticalEdgeIsComparedOnceWithTheValueBeforeIt)
{
    // The sent staircase changes at x = 2; the decoded one at x = 3, one instant late.
    const Punkty wyslane{{0, 0}, {2, 0}, {2, 1}, {4, 1}};
    const Punkty zdekodowane{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {4, 1}};
    // Compared: 0 at 0, 1 and 2 (sent 0: agree), 0 at 3 (sent 1: wrong), 1 at 4; the
    // point after the edge is skipped but counts: 1 of 6.
    EXPECT_FLOAT_EQ(static_cast<float>(Blad({zdekodowane}, {wyslane})), 1.0f / 6.0f);
}

TEST(DecodingError, DecodedTimesBeyondTheSentStaircaseTakeItsLastValue)
{
    const Punkty wyslane{{0, -1}, {2, -1}, {2, 1}, {3, 1}};
    EXPECT_EQ(Blad({{{0, -1}, {1, -1}, {2, -1}, {2, 1}, {4, 1}, {5, 1}}}, {wyslane}), 0.0);
    EXPECT_FLOAT_EQ(static_cast<float>(Blad({{{0, -1}, {4, 1}, {5, 1}, {5, -1}, {6, -1}}}, {wyslane})), 0.2f);
}

TEST(DecodingError, NothingToCompareGivesZero)
{
    EXPECT_EQ(ZwrocBlad(nullptr, nullptr, 0, nullptr, nullptr), 0.0);
    EXPECT_EQ(Blad({{}}, {{{0, 1}, {1, 1}}}), 0.0);
    // A pair without decoded points still counts in the mean.
    EXPECT_FLOAT_EQ(static_cast<float>(Blad({{}, Dziesiec({1, 1, 1, 1, 1, 0, 0, 0, 0, 0})},
                                            {{{0, 1}}, Dziesiec({1, 1, 1, 1, 1, 1, 1, 1, 1, 1})})),
                    0.25f);
}

TEST(DecodingError, ForwardLookUpEqualsTheWalkFromTheStartOnALongStaircase)
{
    // A long staircase with vertical edges and some flat runs of several points.
    Punkty wyslane;
    for (int k = 0; k < 4000; ++k) {
        const auto x = static_cast<float>(k);
        const auto poprzedni = static_cast<float>((k + 1) % 3 - 1);
        wyslane.push_back({x, poprzedni});
        if (k % 4 != 0)
            wyslane.push_back({x, static_cast<float>(k % 3 - 1)});
    }
    auto w = Strumien(wyslane);
    TVartoDecode dekoder;
    dekoder.UstawWzorzec(*w);

    std::vector<float> zapytania;
    for (int k = 0; k < 16000; ++k)
        zapytania.push_back(static_cast<float>(k) * 0.25f - 1.0f);
    for (float x : {4000.5f, 3.0f, 3.0f, 2.9f, -5.0f, 3999.0f})
        zapytania.push_back(x);
    for (std::size_t k = 0; k < zapytania.size(); ++k) {
        const float x = zapytania[k];
        ASSERT_EQ(dekoder.WartoscWzorca(x), WartoscNaiwna(wyslane, x)) << "query " << k << " at x = " << x;
    }
}
