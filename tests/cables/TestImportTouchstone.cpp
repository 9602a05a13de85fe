#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "ImportTouchstone.h"
#include "Liczby.h"

namespace {

std::optional<TWynikImportu> Importuj(std::string_view tekst, std::string_view nazwa, const TOpcjeImportu& opcje,
                                      TBladTouchstone& blad)
{
    const auto dane = ParsujTouchstone(tekst, nazwa, blad);
    if (!dane)
        return std::nullopt;
    return ImportujTouchstone(*dane, nazwa, opcje, blad);
}

TWynikImportu Dobry(std::string_view tekst, std::string_view nazwa, const TOpcjeImportu& opcje = {})
{
    TBladTouchstone blad;
    auto w = Importuj(tekst, nazwa, opcje, blad);
    EXPECT_TRUE(w.has_value()) << OpisBleduTouchstone(blad, TJezyk::Angielski);
    return w.value_or(TWynikImportu{});
}

// A two-port line of real S-parameters: S11 = echo, S21 = S12 = gain, S22 = echo.
std::string Linia(double mhz, double gain, double echo = 0.01)
{
    return std::to_string(mhz) + " " + std::to_string(echo) + " 0 " + std::to_string(gain) + " 0 " +
           std::to_string(gain) + " 0 " + std::to_string(echo) + " 0\n";
}

// A cable's loss law in dB: a + b·√f + c·f, f in MHz.
double Kabel(double f)
{
    return -0.3 - 1.9 * std::sqrt(f) - 0.02 * f;
}

std::string Pomiar(double od, double doMHz, int n)
{
    std::string t = "# MHz S RI R 50\n";
    for (int i = 0; i < n; ++i) {
        const double f = od * std::pow(doMHz / od, i / (n - 1.0));
        t += Linia(f, std::pow(10.0, Kabel(f) / 20.0));
    }
    return t;
}

const TPunktDb* Punkt(const TListaPunktow& lista, double f)
{
    for (const TPunktDb& p : lista)
        if (std::abs(p.MHz - f) < 5e-4)
            return &p;
    return nullptr;
}

} // namespace

TEST(ImportTouchstone, TwoPortIsTakenAsDifferentialAndOnePortGivesEcho)
{
    const TWynikImportu w = Dobry("# MHz S MA\n" + Linia(0, 0.9, 0.1) + Linia(10, 0.5, 0.1) + Linia(20, 0.25, 0.1),
                                  "kabel.s2p");
    ASSERT_TRUE(w.Tlumienie && w.Echo);
    EXPECT_FALSE(w.Przesluchy.has_value());
    EXPECT_EQ(w.Tlumienie->Parametr, "S21");
    EXPECT_EQ(w.Tlumienie->Punkty, (TListaPunktow{{0, -0.915}, {10, -6.021}, {20, -12.041}}));
    EXPECT_EQ(w.Echo->Punkty.back(), (TPunktDb{20, -20.0}));
    EXPECT_EQ(w.Podsumowanie.DoprowadzenieDC, TDoprowadzenieDC::Brak);

    const TWynikImportu jeden = Dobry("# MHz S DB\n1 -20 0\n2 -19 0\n", "odbicie.s1p");
    EXPECT_FALSE(jeden.Tlumienie.has_value());
    ASSERT_TRUE(jeden.Echo.has_value());
    EXPECT_EQ(jeden.Echo->Punkty, (TListaPunktow{{0, -20}, {1, -20}, {2, -19}}));
    EXPECT_EQ(jeden.Podsumowanie.DoprowadzenieDC, TDoprowadzenieDC::Stala);
}

TEST(ImportTouchstone, FourAndEightPortsInMixedMode)
{
    // Pair lines 1→2 and 3→4 (13-24). Single-ended through 0.8, across-coupling 0.1 (in
    // antiphase it adds, so Sdd21 = ½(0.8 + 0.1 + 0.1 + 0.8) = 0.9); reflections 0.1 on each
    // port and 0.02 between 1 and 3, so Sdd11 = ½(0.1 − 0.02 − 0.02 + 0.1) = 0.08.
    std::string s4p = "# MHz S RI\n";
    for (const double f : {1.0, 2.0}) {
        s4p += std::to_string(f);
        const double m[4][4] = {{0.1, 0.8, 0.02, -0.1}, {0.8, 0.1, -0.1, 0.02}, {0.02, -0.1, 0.1, 0.8}, {-0.1, 0.02, 0.8, 0.1}};
        for (const auto& wiersz : m) {
            for (const double s : wiersz)
                s4p += " " + std::to_string(s) + " 0";
            s4p += "\n";
        }
    }
    TOpcjeImportu opcje;
    opcje.Porty = TKolejnoscPortow::P13_24;
    const TWynikImportu w = Dobry(s4p, "para.s4p", opcje);
    ASSERT_TRUE(w.Tlumienie && w.Echo);
    EXPECT_EQ(w.Tlumienie->Parametr, "Sdd21");
    EXPECT_NEAR(w.Tlumienie->Punkty.back().dB, 20.0 * std::log10(0.9), 0.001);
    EXPECT_NEAR(w.Echo->Punkty.back().dB, 20.0 * std::log10(0.08), 0.001);
    EXPECT_NE(OpisImportu(w, TJezyk::Angielski).find("ports 1,3 → 2,4"), std::string::npos);

    // The same file read as 12-34 pairs other ports: Sdd21 = ½(S31 − S32 − S41 + S42)
    // = ½(0.02 + 0.1 + 0.1 + 0.02) = 0.12.
    opcje.Porty = TKolejnoscPortow::P12_34;
    EXPECT_NEAR(Dobry(s4p, "para.s4p", opcje).Tlumienie->Punkty.back().dB, 20.0 * std::log10(0.12), 0.001);

    // Without the port order a four-port file is refused.
    TBladTouchstone blad;
    EXPECT_FALSE(Importuj(s4p, "para.s4p", {}, blad).has_value());
    EXPECT_EQ(blad.Wada, TWadaTouchstone::KolejnoscPortow);

    // Eight ports: the second pair's near end (5,7) picks up 0.02 from port 1 and −0.02 from
    // port 3, so Sdd31 = ½(S51 − S53 − S71 + S73) = ½(0.02 + 0.02 + 0.02 + 0.02) = 0.04.
    std::string s8p = "# MHz S RI\n";
    for (const double f : {1.0, 2.0}) {
        s8p += std::to_string(f);
        for (int i = 1; i <= 8; ++i) {
            for (int j = 1; j <= 8; ++j) {
                double s = 0.0;
                if ((i == 5 && j == 1) || (i == 7 && j == 3) || (i == 1 && j == 5) || (i == 3 && j == 7))
                    s = 0.02;
                if ((i == 5 && j == 3) || (i == 7 && j == 1) || (i == 3 && j == 5) || (i == 1 && j == 7))
                    s = -0.02;
                if ((i % 2 == 1 && j == i + 1) || (i % 2 == 0 && j == i - 1))
                    s = 0.9;
                s8p += " " + std::to_string(s) + " 0";
            }
            s8p += "\n";
        }
    }
    opcje.Porty = TKolejnoscPortow::P13_24;
    const TWynikImportu osiem = Dobry(s8p, "dwie-pary.s8p", opcje);
    ASSERT_TRUE(osiem.Przesluchy.has_value());
    EXPECT_EQ(osiem.Przesluchy->Parametr, "Sdd31");
    EXPECT_NEAR(osiem.Przesluchy->Punkty.back().dB, 20.0 * std::log10(0.04), 0.001);
    EXPECT_NEAR(osiem.Tlumienie->Punkty.back().dB, 20.0 * std::log10(0.9), 0.001);
}

TEST(ImportTouchstone, FrequenciesAboveTheFilterAreDroppedAndCounted)
{
    TOpcjeImportu opcje;
    opcje.FMaxFiltruMHz = 200.0;
    const TWynikImportu w = Dobry("# MHz S MA\n" + Linia(0, 0.9) + Linia(100, 0.5) + Linia(200, 0.4) + Linia(300, 0.3) +
                                      Linia(750, 0.1),
                                  "kabel.s2p", opcje);
    EXPECT_EQ(w.Podsumowanie.PowyzejFiltru, 2u);
    EXPECT_EQ(w.Tlumienie->Punkty.back().MHz, 200.0);
    EXPECT_NE(OpisImportu(w, TJezyk::Angielski).find("2 frequencies above 200.000 MHz"), std::string::npos);
    EXPECT_NE(OpisImportu(w, TJezyk::Polski).find("Pominięto 2 częstotliwości powyżej 200.000 MHz"), std::string::npos);

    TBladTouchstone blad;
    EXPECT_FALSE(Importuj("# MHz S MA\n" + Linia(100, 0.5) + Linia(300, 0.3), "kabel.s2p", opcje, blad).has_value());
    EXPECT_EQ(blad.Wada, TWadaTouchstone::PonizejFiltru);
}

TEST(ImportTouchstone, MeasuredFromTenMegahertzIsCarriedDownToDirectCurrent)
{
    const std::string pomiar = Pomiar(10.0, 200.0, 60);
    const TWynikImportu w = Dobry(pomiar, "kabel.s2p");
    const TListaPunktow& t = w.Tlumienie->Punkty;
    EXPECT_EQ(w.Podsumowanie.DoprowadzenieDC, TDoprowadzenieDC::Dopasowanie);
    // The fit recovers the law it was measured from, down to 0 MHz.
    EXPECT_EQ(t.front().MHz, 0.0);
    EXPECT_NEAR(t.front().dB, Kabel(0.0), 0.005);
    EXPECT_NEAR(w.Podsumowanie.WzmocnienieDC, Kabel(0.0), 0.005);
    ASSERT_NE(Punkt(t, 1.0), nullptr);
    EXPECT_NEAR(Punkt(t, 1.0)->dB, Kabel(1.0), 0.005);
    EXPECT_EQ(Punkt(t, 0.1)->MHz, 0.1);
    for (std::size_t i = 1; i < t.size(); ++i)
        EXPECT_GT(t[i].MHz, t[i - 1].MHz);
    // Echo and crosstalk are held at their lowest measured level.
    EXPECT_EQ(w.Echo->Punkty.front(), (TPunktDb{0.0, w.Echo->Punkty[1].dB}));
    const std::string opis = OpisImportu(w, TJezyk::Angielski);
    EXPECT_NE(opis.find("Below 10.000 MHz the attenuation is extrapolated to 0 MHz"), std::string::npos) << opis;
    EXPECT_NE(opis.find("gain at 0 MHz " + FormatujStalo(w.Podsumowanie.WzmocnienieDC, 3) + " dB"), std::string::npos)
        << opis;

    // Hold flat: the first measured gain all the way down.
    TOpcjeImportu plasko;
    plasko.PonizejPomiaru = TPonizejPomiaru::Stala;
    const TWynikImportu p = Dobry(pomiar, "kabel.s2p", plasko);
    EXPECT_EQ(p.Tlumienie->Punkty[0], (TPunktDb{0.0, p.Tlumienie->Punkty[1].dB}));
    EXPECT_EQ(p.Tlumienie->Punkty[1].MHz, 10.0);
    EXPECT_NE(OpisImportu(p, TJezyk::Polski).find("utrzymano na stałym poziomie"), std::string::npos);

    // A law rising above 0 dB towards DC is clamped: a passive network has no gain.
    const TWynikImportu wzmacniacz =
        Dobry("# MHz S DB\n" "10 -20 0 -0.1 0 -0.1 0 -20 0\n" "20 -20 0 -1 0 -1 0 -20 0\n" "40 -20 0 -3 0 -3 0 -20 0\n",
              "kabel.s2p");
    EXPECT_EQ(wzmacniacz.Tlumienie->Punkty.front().dB, 0.0);

    // Two points cannot fix three coefficients: held flat, and the summary says why.
    const TWynikImportu dwa = Dobry("# MHz S MA\n" + Linia(10, 0.5) + Linia(20, 0.4), "kabel.s2p");
    EXPECT_EQ(dwa.Podsumowanie.DoprowadzenieDC, TDoprowadzenieDC::StalaZaMaloPunktow);
    EXPECT_NE(OpisImportu(dwa, TJezyk::Angielski).find("too few points"), std::string::npos);
}

TEST(ImportTouchstone, LevelsClampedFrequenciesMergedListsThinned)
{
    // |S21| = 1.01 (a calibration artefact) and an exact zero.
    const TWynikImportu w = Dobry("# MHz S MA\n" + Linia(0, 1.01) + Linia(1, 0.0) + Linia(1.0002, 0.5) + Linia(2, 0.5),
                                  "kabel.s2p");
    EXPECT_EQ(w.Tlumienie->Punkty, (TListaPunktow{{0, 0}, {1, -100}, {2, -6.021}}));
    EXPECT_EQ(w.Podsumowanie.Przyciete, 2u);
    EXPECT_EQ(w.Podsumowanie.Scalone, 1u);

    const std::string gesty = Pomiar(1.0, 150.0, 1000);
    const TWynikImportu domyslnie = Dobry(gesty, "kabel.s2p");
    EXPECT_EQ(domyslnie.Tlumienie->Punkty.size(), 400u);
    EXPECT_GT(domyslnie.Tlumienie->PrzedPrzerzedzeniem, 1000u);
    TOpcjeImportu malo;
    malo.LiczbaPunktow = 25;
    const TWynikImportu w25 = Dobry(gesty, "kabel.s2p", malo);
    const TListaPunktow& t = w25.Tlumienie->Punkty;
    ASSERT_EQ(t.size(), 25u);
    EXPECT_EQ(t.front().MHz, 0.0);
    EXPECT_EQ(t.back().MHz, 150.0);
    // Thinning keeps the shape: every kept point still lies on the law.
    for (std::size_t i = 1; i < t.size(); ++i)
        EXPECT_NEAR(t[i].dB, Kabel(t[i].MHz), 0.01) << t[i].MHz;
    EXPECT_NE(OpisImportu(w25, TJezyk::Angielski).find("Thinned to 25 points keeping the shape"), std::string::npos);
}

TEST(ImportTouchstone, BadFilesProduceNothing)
{
    const auto folder = std::filesystem::temp_directory_path() / "lintavox-import";
    std::filesystem::create_directories(folder);
    const auto plik = folder / "zly.s2p";
    std::ofstream(plik) << "# MHz S RI\n1 0 0 1 0 1 0 0 0\n1 0 0 1 0 1 0 0 0\n";
    TBladTouchstone blad;
    EXPECT_FALSE(ImportujTouchstone(plik, {}, blad).has_value());
    EXPECT_EQ(blad.Wada, TWadaTouchstone::Czestotliwosci);
    EXPECT_EQ(OpisBleduTouchstone(blad, TJezyk::Angielski), "line 3: frequency '1' is negative or not above the one before");

    std::ofstream(plik, std::ios::trunc) << "# MHz S RI\n1 0 0 1 0 1 0 0 0\n2 0 0 1 0 1 0 0 0\n";
    const auto dobry = ImportujTouchstone(plik, {}, blad);
    ASSERT_TRUE(dobry.has_value());
    EXPECT_EQ(dobry->Podsumowanie.Plik, "zly.s2p");
    std::filesystem::remove_all(folder);
}
