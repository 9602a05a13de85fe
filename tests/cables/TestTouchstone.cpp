#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "Touchstone.h"

namespace {

using namespace std::complex_literals;

TDaneTouchstone Dobry(std::string_view tekst, std::string_view nazwa = "kabel.s2p")
{
    TBladTouchstone blad;
    const auto dane = ParsujTouchstone(tekst, nazwa, blad);
    EXPECT_TRUE(dane.has_value()) << OpisBleduTouchstone(blad, TJezyk::Angielski);
    return dane.value_or(TDaneTouchstone{});
}

// The refusal of a bad file, which must name its line (in both languages) when it has one.
TBladTouchstone Zly(std::string_view tekst, std::string_view nazwa = "kabel.s2p")
{
    TBladTouchstone blad;
    EXPECT_FALSE(ParsujTouchstone(tekst, nazwa, blad).has_value()) << tekst;
    if (blad.Linia > 0) {
        const std::string n = std::to_string(blad.Linia);
        EXPECT_NE(OpisBleduTouchstone(blad, TJezyk::Angielski).find("line " + n + ":"), std::string::npos);
        EXPECT_NE(OpisBleduTouchstone(blad, TJezyk::Polski).find("wiersz " + n + ":"), std::string::npos);
    }
    return blad;
}

void Blisko(std::complex<double> a, std::complex<double> b)
{
    EXPECT_NEAR(a.real(), b.real(), 1e-9);
    EXPECT_NEAR(a.imag(), b.imag(), 1e-9);
}

// A 2×2 matrix in the order S11 S21 S12 S22 of version 1 two-port files.
constexpr std::complex<double> S11 = 0.1, S21 = 0.5i, S12 = -0.25, S22 = 0.3 - 0.4i;

void DwaPorty(const TDaneTouchstone& d, std::size_t k = 0)
{
    ASSERT_EQ(d.LiczbaPortow, 2);
    Blisko(d.Element(k, 1, 1), S11);
    Blisko(d.Element(k, 2, 1), S21);
    Blisko(d.Element(k, 1, 2), S12);
    Blisko(d.Element(k, 2, 2), S22);
}

} // namespace

TEST(Touchstone, VersionOneInEveryFormatAndUnit)
{
    // The same matrix as real/imaginary, magnitude/angle and dB/angle.
    const TDaneTouchstone ri = Dobry("# MHz S RI R 50\n"
                                     "10 0.1 0 0 0.5 -0.25 0 0.3 -0.4\n");
    DwaPorty(ri);
    EXPECT_EQ(ri.Format, TFormatTouchstone::RI);
    EXPECT_EQ(ri.CzestotliwosciMHz, std::vector<double>{10.0});

    const TDaneTouchstone ma = Dobry("#mhz s ma\n"
                                     "10 0.1 0 0.5 90 0.25 180 0.5 -53.13010235415598\n");
    DwaPorty(ma);
    const double db5 = 20.0 * std::log10(0.5);
    const TDaneTouchstone db = Dobry("# Mhz S dB\n"
                                     "10 -20 0 " + std::to_string(db5) + " 90 " + std::to_string(20.0 * std::log10(0.25)) +
                                     " 180 " + std::to_string(db5) + " -53.13010235415598\n");
    EXPECT_NEAR(std::abs(db.Element(0, 2, 1)), 0.5, 1e-6);
    EXPECT_NEAR(std::arg(db.Element(0, 2, 1)), std::numbers::pi / 2, 1e-9);

    for (const auto& [jednostka, mhz] : {std::pair{"HZ", 1e-6}, {"kHz", 1e-3}, {"mhz", 1.0}, {"GHz", 1e3}}) {
        const TDaneTouchstone d = Dobry(std::string("# ") + jednostka + " RI S R 75\n2 0 0 1 0 1 0 0 0\n");
        EXPECT_DOUBLE_EQ(d.CzestotliwosciMHz.front(), 2.0 * mhz) << jednostka;
        EXPECT_EQ(d.Rezystancja, 75.0);
    }
    // Without an option line: GHz, S, MA, 50 Ω.
    const TDaneTouchstone domyslny = Dobry("0.001 1 0 1 0 1 0 1 0\n");
    EXPECT_DOUBLE_EQ(domyslny.CzestotliwosciMHz.front(), 1.0);
    EXPECT_EQ(domyslny.Format, TFormatTouchstone::MA);
    EXPECT_EQ(domyslny.Rezystancja, 50.0);
}

TEST(Touchstone, CommentsWrappedRowsNoiseAndASecondOptionLine)
{
    const TDaneTouchstone d = Dobry("! measured on a bench\n"
                                    "\n"
                                    "   # MHz S RI R 50 ! the option line\n"
                                    "# GHz Z MA ! a second option line counts for nothing\n"
                                    "10 0.1 0 ! S11\n"
                                    "   0 0.5   ! S21\n"
                                    "\t-0.25 0 0.3 -0.4\r\n"
                                    "20 0.1 0 0 0.5 -0.25 0 0.3 -0.4\n"
                                    "! noise parameters follow, from a frequency not above the last\n"
                                    "10 2.5 0.3 45 0.8\n"
                                    "20 2.7 0.3 50 0.8\n",
                                    "KABEL.S2P");
    ASSERT_EQ(d.CzestotliwosciMHz, (std::vector<double>{10.0, 20.0}));
    DwaPorty(d, 0);
    DwaPorty(d, 1);
}

TEST(Touchstone, FourPortsRowByRowAndWrappedAnyHow)
{
    // Element (i, j) = i + j/10, as real numbers, one matrix row to a line...
    std::string wiersze = "# MHz S RI\n1";
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j)
            wiersze += " " + std::to_string(i + j / 10.0) + " 0";
        wiersze += "\n";
    }
    // ...and the same numbers three to a line.
    std::string zawiniete = "# MHz S RI\n1";
    int w = 1;
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j)
            for (const double x : {i + j / 10.0, 0.0})
                zawiniete += (w++ % 3 == 0 ? "\n" : " ") + std::to_string(x);
    zawiniete += "\n";
    for (const std::string& tekst : {wiersze, zawiniete}) {
        const TDaneTouchstone d = Dobry(tekst, "para.s4p");
        ASSERT_EQ(d.LiczbaPortow, 4);
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j)
                Blisko(d.Element(0, i, j), i + j / 10.0);
    }
}

TEST(Touchstone, VersionTwoKeywordsAndMatrixFormats)
{
    const std::string naglowek = "[Version] 2.0\n"
                                 "# MHz S RI R 50\n"
                                 "[Number of Ports] 2\n";
    // 12_21 gives S12 before S21; 21_12 the version 1 order.
    const TDaneTouchstone d1221 = Dobry(naglowek + "[Two-Port Data Order] 12_21\n"
                                                   "[Number of Frequencies] 1\n"
                                                   "[Reference] 50 50\n"
                                                   "[Network Data]\n"
                                                   "10 0.1 0 -0.25 0 0 0.5 0.3 -0.4\n"
                                                   "[End]\n",
                                        "kabel.ts");
    DwaPorty(d1221);
    EXPECT_EQ(d1221.Wersja, 2);
    const TDaneTouchstone d2112 = Dobry(naglowek + "[two-port data order] 21_12\n"
                                                   "[NUMBER OF FREQUENCIES] 2\n"
                                                   "[Begin Information]\n"
                                                   "anything at all, 1 2 3\n"
                                                   "[End Information]\n"
                                                   "[Network Data]\n"
                                                   "10 0.1 0 0 0.5 -0.25 0 0.3 -0.4\n"
                                                   "20 0.1 0 0 0.5\n"
                                                   "   -0.25 0 0.3 -0.4\n"
                                                   "[Noise Data]\n"
                                                   "10 2.5 0.3 45 0.8\n"
                                                   "[End]\n");
    DwaPorty(d2112, 1);

    // Upper and Lower matrices give each off-diagonal element once.
    const std::string cztery = "[Version] 2.1\n"
                               "# GHz S MA R 50\n"
                               "[Number of Ports] 4\n"
                               "[Number of Frequencies] 1\n"
                               "[Reference] 50 50\n"
                               "   50 50 ! the rest of the ports on the next line\n";
    const TDaneTouchstone gorna = Dobry(cztery + "[Matrix Format] Upper\n[Network Data]\n"
                                                 "1 0.11 0 0.12 0 0.13 0 0.14 0\n"
                                                 "  0.22 0 0.23 0 0.24 0\n"
                                                 "  0.33 0 0.34 0\n"
                                                 "  0.44 0\n[End]\n",
                                        "para.s4p");
    const TDaneTouchstone dolna = Dobry(cztery + "[Matrix Format] Lower\n[Network Data]\n"
                                                 "1 0.11 0\n 0.12 0 0.22 0\n 0.13 0 0.23 0 0.33 0\n"
                                                 " 0.14 0 0.24 0 0.34 0 0.44 0\n",
                                        "para.s4p");
    for (const TDaneTouchstone* d : {&gorna, &dolna}) {
        ASSERT_EQ(d->LiczbaPortow, 4);
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j)
                Blisko(d->Element(0, i, j), std::min(i, j) / 10.0 + std::max(i, j) / 100.0);
    }
}

TEST(Touchstone, BadFilesAreRefusedNamingTheLine)
{
    const auto wada = [](std::string_view tekst, TWadaTouchstone oczekiwana, std::size_t linia,
                         std::string_view nazwa = "kabel.s2p") {
        const TBladTouchstone b = Zly(tekst, nazwa);
        EXPECT_EQ(b.Wada, oczekiwana) << tekst << "\n" << OpisBleduTouchstone(b, TJezyk::Angielski);
        EXPECT_EQ(b.Linia, linia) << tekst;
        return b;
    };
    const std::string dobra = "1 0 0 1 0 1 0 0 0\n";
    EXPECT_EQ(wada("# GHz S XX\n" + dobra, TWadaTouchstone::Opcja, 1).Szczegol, "XX");
    EXPECT_EQ(wada("# GHz S MA R\n" + dobra, TWadaTouchstone::Opcja, 1).Szczegol, "R");
    EXPECT_EQ(wada("# GHz S MA R -5\n" + dobra, TWadaTouchstone::Opcja, 1).Szczegol, "R -5");
    for (const char* p : {"Y", "z", "H", "g"})
        EXPECT_NE(OpisBleduTouchstone(wada(std::string("# GHz ") + p + " MA\n" + dobra, TWadaTouchstone::Parametr, 1),
                                      TJezyk::Angielski)
                      .find("only S-parameters"),
                  std::string::npos);
    wada("! a\n# MHz S RI\n1 0 0 1 0 1 0 0 0 7\n", TWadaTouchstone::LiczbaKolumn, 3);
    wada("# MHz S RI\n1 0 0 1 0\n1 0 0 0 0\n", TWadaTouchstone::LiczbaKolumn, 3);
    EXPECT_EQ(wada("# MHz S RI\n1 0 0 1 0 1 0 0 0\n2 0 0 1,0 0 1 0 0 0\n", TWadaTouchstone::NieLiczba, 3).Szczegol,
              "1,0");
    wada("# MHz S RI\n2 0 0 1 0 1 0 0 0\n2 0 0 1 0 1 0 0 0\n", TWadaTouchstone::Czestotliwosci, 3);
    wada("# MHz S RI\n2 0 0 1 0 1 0 0 0\n1 0 0 1 0 1 0 0 0\n", TWadaTouchstone::Czestotliwosci, 3);
    wada("# MHz S RI\n-1 0 0 1 0 1 0 0 0\n", TWadaTouchstone::Czestotliwosci, 2);
    wada("# MHz S RI\n1 0 0 1 0 1 0 0 0\n2 0 0 1 0\n", TWadaTouchstone::Niepelny, 3);
    wada("1 0 0 1 0 1 0 0 0\n# MHz S RI\n", TWadaTouchstone::OpcjaPoDanych, 2);
    wada("", TWadaTouchstone::Pusty, 0);
    wada("! only a comment\n# MHz S RI\n\n", TWadaTouchstone::Pusty, 0);
    wada(std::string("# MHz S RI\n1 0 0 1 0") + '\0' + " 1 0 0 0\n", TWadaTouchstone::Binarny, 2);
    wada("# MHz S RI\n\x01\x02\x03", TWadaTouchstone::Binarny, 2);
    wada(dobra, TWadaTouchstone::PortyNieznane, 0, "kabel.txt");
    wada("[Number of Ports] 2\n" + dobra, TWadaTouchstone::SlowoNiedozwolone, 1);

    // Version 2 keywords: unknown, missing, misplaced, wrong.
    const std::string v2 = "[Version] 2.0\n# MHz S RI\n";
    wada(v2 + "[Number of Ports] 4\n", TWadaTouchstone::PortyNiezgodne, 3);
    wada(v2 + "[Number of Ports] 2\n[Two-Port Data Order] 12_21\n[Network Data]\n" + dobra,
         TWadaTouchstone::SlowoBrak, 5);
    wada(v2 + "[Number of Ports] 2\n[Number of Frequencies] 1\n[Network Data]\n" + dobra, TWadaTouchstone::SlowoBrak, 5);
    wada(v2 + "[Number of Ports] 2\n[Two-Port Data Order] 12_21\n[Number of Frequencies] 2\n[Network Data]\n" + dobra,
         TWadaTouchstone::LiczbaCzestotliwosci, 5);
    wada(v2 + "[Number of Ports] 2\n[Two-Port Data Order] 12_12\n", TWadaTouchstone::SlowoWartosc, 4);
    wada(v2 + "[Number of Ports] two\n", TWadaTouchstone::SlowoWartosc, 3);
    wada(v2 + "[Number of Ports] 2\n[Reference] 50 50 50\n", TWadaTouchstone::SlowoWartosc, 4);
    wada(v2 + "[Number of Ports] 2\n[Reference] 50\n[Network Data]\n", TWadaTouchstone::SlowoWartosc, 5);
    wada(v2 + "[Number of Ports] 2\n[Mixed-Mode Order] D2,1 D1,2\n", TWadaTouchstone::MixedMode, 4);
    wada(v2 + "[Number of Ports] 2\n[Colour] blue\n", TWadaTouchstone::SlowoNieznane, 4);
    wada(v2 + "[Version] 2.0\n", TWadaTouchstone::SlowoNiedozwolone, 3);
    wada(v2 + "[Number of Ports] 2\n[Number of Frequencies] 1\n[Two-Port Data Order] 12_21\n" + dobra,
         TWadaTouchstone::SlowoBrak, 6);
    wada("[Version] 3.0\n", TWadaTouchstone::Wersja, 1);
    wada(v2 + "[Number of Ports] 99\n", TWadaTouchstone::PortyNieobslugiwane, 3, "kabel.ts");
}

TEST(Touchstone, OnlyRegularFilesOfASaneSizeAreRead)
{
    const auto folder = std::filesystem::temp_directory_path() / "lintavox-touchstone";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "katalog.s2p");
    TBladTouchstone blad;
    EXPECT_FALSE(CzytajTouchstone(folder / "katalog.s2p", blad).has_value());
    EXPECT_EQ(blad.Wada, TWadaTouchstone::PlikNieRegularny);
    EXPECT_FALSE(CzytajTouchstone(folder / "brak.s2p", blad).has_value());
    EXPECT_EQ(blad.Wada, TWadaTouchstone::PlikNieczytelny);
    const auto fifo = folder / "fifo.s2p";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(CzytajTouchstone(fifo, blad).has_value()); // refused without opening, so no hang
    EXPECT_EQ(blad.Wada, TWadaTouchstone::PlikNieRegularny);

    const auto plik = folder / "Kabel.S2P";
    std::ofstream(plik) << "# MHz S RI\n10 0.1 0 0 0.5 -0.25 0 0.3 -0.4\n";
    const auto dane = CzytajTouchstone(plik, blad);
    ASSERT_TRUE(dane.has_value()) << OpisBleduTouchstone(blad, TJezyk::Angielski);
    DwaPorty(*dane);
    std::filesystem::remove_all(folder);
}

TEST(Touchstone, MixedModeAgainstAHandComputedCase)
{
    // One frequency of a four-port: only the entries the differential terms read are set.
    TDaneTouchstone d;
    d.LiczbaPortow = 4;
    d.CzestotliwosciMHz = {1.0};
    d.S.assign(16, 0.0);
    const auto ustaw = [&](int i, int j, std::complex<double> s) { d.S[static_cast<std::size_t>((i - 1) * 4 + j - 1)] = s; };
    ustaw(2, 1, 0.8);  // line 1→2 of the 13-24 order
    ustaw(4, 3, 0.6i); // line 3→4
    ustaw(4, 1, 0.1);  // coupling across
    ustaw(2, 3, -0.1i);
    ustaw(1, 1, 0.2);
    ustaw(3, 3, 0.2);
    ustaw(1, 3, 0.05);
    ustaw(3, 1, 0.05);
    // 13-24: Sdd21 = ½(S21 − S23 − S41 + S43) = ½(0.8 + 0.1i − 0.1 + 0.6i) = 0.35 + 0.35i.
    Blisko(Sdd(d, 0, 2, 1, TKolejnoscPortow::P13_24), 0.35 + 0.35i);
    // Sdd11 = ½(S11 − S13 − S31 + S33) = ½(0.2 − 0.05 − 0.05 + 0.2) = 0.15.
    Blisko(Sdd(d, 0, 1, 1, TKolejnoscPortow::P13_24), 0.15);
    // 12-34 reads the same matrix as lines 1→3 and 2→4: Sdd21 = ½(S31 − S32 − S41 + S42)
    // = ½(0.05 − 0 − 0.1 + 0) = −0.025.
    Blisko(Sdd(d, 0, 2, 1, TKolejnoscPortow::P12_34), -0.025);

    EXPECT_EQ(KolejnoscZNazwy("13-24"), TKolejnoscPortow::P13_24);
    EXPECT_EQ(KolejnoscZNazwy("12-34"), TKolejnoscPortow::P12_34);
    EXPECT_FALSE(KolejnoscZNazwy("14-23").has_value());
}
