// Every run the settings page allows keeps the direct convolution, whose results are the
// stored ones: each standard at every whole bit rate of its limits, with the most bits and
// the steepest and gentlest edges, gives line signals too short for the transform.
#include <gtest/gtest.h>

#include "ParametryKanalu.h"
#include "SplotWidmowy.h"
#include "Standardy.h"
#include "Ustawienia.h"
#include "VartoEncode.h"

namespace {

// The last x of the lane's line signal (the coder's last stream) for n bits.
float KoniecSygnalu(const TStandard& s, std::int32_t n, std::int32_t mbaud, float nachylenie)
{
    std::int32_t liczbaTypow = 0;
    delete[] ZwrocTypyStrumieni(&liczbaTypow, s.KodStandardu);
    const std::vector<std::int32_t> bity(static_cast<std::size_t>(n), 1);
    const std::int32_t numer = liczbaTypow - 1;
    TFltFltStrumien** strumienie =
        ZwrocStrumienie(bity.data(), n, &numer, 1, s.KodStandardu, s.PoziomMin, s.PoziomMax, mbaud, nachylenie);
    TFltFltStrumien& sygnal = *strumienie[0];
    const float x = sygnal.Zwroc(sygnal.ZwrocDlugosc() - 1).X;
    delete strumienie[0];
    delete[] strumienie;
    return x;
}

TEST(DrogaSplotu, EverySettingsPageRunTakesTheDirectSum)
{
    for (int standard = 0; standard < static_cast<int>(Standardy.size()); ++standard) {
        TUstawieniaSymulacji u = DomyslneUstawienia(standard);
        u.LiczbaBitow = LiczbaBitowMax;
        const TStandard& s = Standardy[static_cast<std::size_t>(standard)];
        std::int64_t najdluzszy = 0;
        for (std::int32_t mbps = s.SzybkoscMin; mbps <= s.SzybkoscMax; ++mbps) {
            const std::int32_t mbaud = SzybkoscSymboli(standard, mbps);
            const TParametryKanalu p = ParametryKanalu(static_cast<float>(mbaud));
            for (const std::int32_t nachylenie : {s.NachylenieMin, s.NachylenieMax}) {
                const float x = KoniecSygnalu(s, BityKodowane(u), mbaud, static_cast<float>(nachylenie));
                const std::int32_t C = LiczbaProbek(x, p.S);
                najdluzszy = std::max<std::int64_t>(najdluzszy, C);
                ASSERT_FALSE(SplotWidmowy(C, p.M)) << s.Nazwa << " at " << mbps << " Mbps, " << C << " samples";
            }
        }
        EXPECT_GT(najdluzszy, 0) << s.Nazwa;
    }
}

} // namespace
