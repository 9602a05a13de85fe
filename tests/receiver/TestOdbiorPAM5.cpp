#include <gtest/gtest.h>

#include <random>

#include "SygnalyTestowe.h"

namespace {

// The four lanes' decision values of the encoder's symbols for bity: exact levels,
// or disturbed by the function given.
template <typename F>
std::vector<TProbkiSymboli> Tory(const std::vector<std::int32_t>& bity, F&& zaburz)
{
    std::vector<TProbkiSymboli> tory(4);
    for (int para = 0; para < 4; ++para) {
        const std::vector<std::int32_t> symbole = SymboleKodera(KodTypu1000BaseT, bity, para);
        for (std::size_t i = 0; i < symbole.size(); ++i)
            tory[static_cast<std::size_t>(para)].Wartosci.push_back(
                static_cast<float>(symbole[i]) + zaburz(para, i, symbole[i]));
    }
    return tory;
}

std::int64_t Bledy(const std::vector<TProbkiSymboli>& tory, const std::vector<std::int32_t>& bity, bool viterbi)
{
    return PorownajBity(OdzyskajBity(TKodLinii::PAM5, tory, viterbi), bity, 0, static_cast<std::int64_t>(bity.size()))
        .Bledy;
}

} // namespace

TEST(Gigabit, ExactLevelsGiveTheDataBack)
{
    const std::vector<std::int32_t> bity = LosoweBity(8 * 3000, 21);
    const auto tory = Tory(bity, [](int, std::size_t, std::int32_t) { return 0.0f; });
    EXPECT_EQ(Bledy(tory, bity, true), 0);
    EXPECT_EQ(Bledy(tory, bity, false), 0);
    // Started later, in an unknown encoder state, the decoder finds the path all the same.
    std::vector<TProbkiSymboli> pozniej = tory;
    for (TProbkiSymboli& t : pozniej) {
        t.Pierwszy = 37;
        t.Wartosci.erase(t.Wartosci.begin(), t.Wartosci.begin() + 37);
    }
    const TBityOdebrane odebrane = OdzyskajBity(TKodLinii::PAM5, pozniej);
    EXPECT_EQ(odebrane.Pierwszy, 8 * 37);
    EXPECT_EQ(PorownajBity(odebrane, bity, 8 * 37, static_cast<std::int64_t>(bity.size()) - 8 * 37).Bledy, 0);
}

TEST(Gigabit, TrellisDecoderCorrectsSingleSymbolErrorsTheSlicerMakes)
{
    const std::vector<std::int32_t> bity = LosoweBity(8 * 2000, 5);
    // Every 12th symbol on one lane (rotating A to D) pushed 0.6 of a level step towards
    // a neighbour: past the slicer's threshold, nearer the true point than any other path.
    const auto tory = Tory(bity, [](int para, std::size_t i, std::int32_t s) {
        if (i % 12 != 5 || static_cast<int>(i / 12 % 4) != para)
            return 0.0f;
        return s == 2 ? -0.6f : 0.6f;
    });
    EXPECT_GT(Bledy(tory, bity, false), 100);
    EXPECT_EQ(Bledy(tory, bity, true), 0);
}

TEST(Gigabit, TrellisDecoderMakesFewerErrorsUnderNoise)
{
    const std::vector<std::int32_t> bity = LosoweBity(8 * 20000, 9);
    std::mt19937 generator(3);
    std::normal_distribution<float> szum(0.0f, 0.2f);
    const auto tory = Tory(bity, [&](int, std::size_t, std::int32_t) { return szum(generator); });
    const std::int64_t bezDekodera = Bledy(tory, bity, false);
    const std::int64_t zDekoderem = Bledy(tory, bity, true);
    EXPECT_GT(bezDekodera, 1000);
    EXPECT_LT(zDekoderem * 10, bezDekodera);
}
