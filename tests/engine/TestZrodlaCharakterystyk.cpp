#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "ZrodlaCharakterystyk.h"

namespace {

// Characteristics point by point (the point type has no comparison of its own).
bool Rowne(const TCharakterystyka& a, const TCharakterystyka& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const TPunkt& p, const TPunkt& q) { return p.X == q.X && p.Y == q.Y; });
}

bool Sprawne(const TUstawieniaSymulacji& u)
{
    return SprawdzUstawienia(u).empty();
}

} // namespace

TEST(ZrodlaCharakterystyk, TheFiltersHighestFrequencyFollowsTheRate)
{
    EXPECT_EQ(NajwyzszaCzestotliwoscFiltru(0, 10), 200.0f);   // 10 Mbaud: 500 taps per µs
    EXPECT_EQ(NajwyzszaCzestotliwoscFiltru(1, 100), 750.0f);  // 125 Mbaud
    EXPECT_EQ(NajwyzszaCzestotliwoscFiltru(2, 100), 600.0f);  // 100 Mbaud without 4B5B
    EXPECT_EQ(NajwyzszaCzestotliwoscFiltru(3, 1000), 750.0f); // 125 Mbaud on each pair
}

TEST(ZrodlaCharakterystyk, EightyMetresOfCategorySixForGigabit)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(3);
    u.Adaptacyjny = true;
    u.Pochodzenie.PlikTlumienia = "modele/tlumienie/stary.att";
    UstawKabel(u, {TKategoriaKabla::Cat6, 80.0, 20.0});
    const TCharakterystykiKanalu& c = u.Charakterystyki;
    EXPECT_EQ(c.Tlumienie.front().X, 0.1f);
    EXPECT_EQ(c.Tlumienie.back().X, 250.0f);
    EXPECT_NEAR(c.Tlumienie.back().Y, -0.8 * TlumiennoscWtraceniowa100m(TKategoriaKabla::Cat6, 250.0), 0.001);
    EXPECT_NEAR(c.Przesluchy.back().Y, -38.3, 0.05);
    EXPECT_EQ(c.Echo.front().X, 1.0f);
    EXPECT_TRUE(Rowne(c.Wzmocnienie, Lustro(c.Tlumienie))); // the adaptive regenerator mirrors it
    EXPECT_TRUE(u.Pochodzenie.PlikTlumienia.empty());
    ASSERT_TRUE(u.Pochodzenie.Kabel.has_value());
    EXPECT_EQ(u.Pochodzenie.Kabel->Kabel.DlugoscM, 80.0);
    EXPECT_EQ(u.Pochodzenie.Kabel->Listy, (TListyZrodla{true, true, true}));
    EXPECT_TRUE(Sprawne(u));

    // The dialog's lists are the very ones the settings get.
    const TListyKabla listy = ListyKabla({TKategoriaKabla::Cat6, 80.0, 20.0}, 3, 1000);
    EXPECT_TRUE(Rowne(listy.Tlumienie, c.Tlumienie));
    EXPECT_TRUE(Rowne(listy.Echo, c.Echo));

    // At 10BaseT's 10 Mbaud the filter ends at 200 MHz, and so does a Category 6A preset.
    TUstawieniaSymulacji t = DomyslneUstawienia(0);
    UstawKabel(t, {TKategoriaKabla::Cat6A, 100.0, 20.0}, {true, false, false});
    EXPECT_EQ(t.Charakterystyki.Tlumienie.back().X, 200.0f);
    EXPECT_TRUE(Rowne(t.Charakterystyki.Echo, DomyslneCharakterystyki().Echo));
    EXPECT_EQ(t.Pochodzenie.Kabel->Listy, (TListyZrodla{true, false, false}));
}

TEST(ZrodlaCharakterystyk, ATouchstoneImportFillsWhatItHasAndRecordsTheFile)
{
    const auto folder = std::filesystem::temp_directory_path() / "lintavox-zrodla";
    std::filesystem::create_directories(folder);
    const auto plik = folder / "kabel.s2p";
    std::ofstream(plik) << "# MHz S DB\n"
                           "10 -20 0 -2 0 -2 0 -20 0\n"
                           "100 -18 0 -8 0 -8 0 -18 0\n"
                           "1000 -15 0 -30 0 -30 0 -15 0\n";
    std::string blad;
    TOpcjeImportu opcje;
    opcje.PonizejPomiaru = TPonizejPomiaru::Stala;
    const auto import = ImportujCharakterystyki(plik, opcje, 1, 100, TJezyk::Angielski, blad);
    ASSERT_TRUE(import.has_value()) << blad;
    ASSERT_TRUE(import->Tlumienie && import->Echo);
    EXPECT_FALSE(import->Przesluchy.has_value());
    EXPECT_EQ(import->Tlumienie->back().X, 100.0f); // 1000 MHz is above the filter's 750 MHz
    EXPECT_NE(import->Opis.find("above 750.000 MHz"), std::string::npos) << import->Opis;

    TUstawieniaSymulacji u = DomyslneUstawienia(1);
    UstawKabel(u, {TKategoriaKabla::Cat5e, 100.0, 20.0});
    UstawImport(u, *import, {true, false, false});
    EXPECT_TRUE(Rowne(u.Charakterystyki.Tlumienie, *import->Tlumienie));
    EXPECT_EQ(u.Charakterystyki.Tlumienie.front().X, 0.0f);
    ASSERT_TRUE(u.Pochodzenie.Touchstone.has_value());
    EXPECT_EQ(u.Pochodzenie.Touchstone->Plik, plik.string());
    EXPECT_EQ(u.Pochodzenie.Touchstone->Listy, (TListyZrodla{true, false, false}));
    EXPECT_EQ(u.Pochodzenie.Kabel->Listy, (TListyZrodla{false, true, true}));
    EXPECT_TRUE(Sprawne(u));
    // The echo too, later: the same file's record grows, the cable keeps only the crosstalk.
    UstawImport(u, *import, {false, false, true});
    EXPECT_EQ(u.Pochodzenie.Touchstone->Listy, (TListyZrodla{true, false, true}));
    EXPECT_EQ(u.Pochodzenie.Kabel->Listy, (TListyZrodla{false, true, false}));
    UstawKabel(u, {TKategoriaKabla::Cat5e, 100.0, 20.0}, {true, false, true});
    EXPECT_FALSE(u.Pochodzenie.Touchstone.has_value());
    EXPECT_EQ(u.Pochodzenie.Kabel->Listy, (TListyZrodla{true, true, true}));

    // A cable and the file named together: the file gives what it has, the cable the rest
    // of the free lists, and a list not free (from a model file) keeps its points.
    TUstawieniaSymulacji oba = DomyslneUstawienia(1);
    UstawZrodla(oba, TParametryKabla{TKategoriaKabla::Cat5e, 50.0, 20.0}, import, {true, true, false});
    const TListyKabla kabel = ListyKabla({TKategoriaKabla::Cat5e, 50.0, 20.0}, 1, 100);
    EXPECT_TRUE(Rowne(oba.Charakterystyki.Tlumienie, *import->Tlumienie));
    EXPECT_TRUE(Rowne(oba.Charakterystyki.Przesluchy, kabel.Przesluchy));
    EXPECT_TRUE(Rowne(oba.Charakterystyki.Echo, DomyslneCharakterystyki().Echo));
    EXPECT_EQ(oba.Pochodzenie.Touchstone->Listy, (TListyZrodla{true, false, false}));
    EXPECT_EQ(oba.Pochodzenie.Kabel->Listy, (TListyZrodla{false, true, false}));

    // A bad file leaves nothing but a message naming its line.
    std::ofstream(plik, std::ios::trunc) << "# MHz S DB\n10 -20 0 -2 0 -2 0\n";
    EXPECT_FALSE(ImportujCharakterystyki(plik, {}, 1, 100, TJezyk::Polski, blad).has_value());
    EXPECT_EQ(blad.rfind("wiersz 2:", 0), 0u) << blad;
    std::filesystem::remove_all(folder);
}

TEST(ZrodlaCharakterystyk, LimitLinesByStandard)
{
    EXPECT_TRUE(Rowne(LinieGraniczneStandardu(0).Tlumienie, {{5.0f, -11.5f}, {10.0f, -11.5f}}));
    EXPECT_TRUE(LinieGraniczneStandardu(0).Echo.empty());
    EXPECT_TRUE(Rowne(LinieGraniczneStandardu(1).Przesluchy, LinieGraniczneStandardu(2).Przesluchy));
    EXPECT_TRUE(Rowne({LinieGraniczneStandardu(1).Tlumienie.back()}, {{100.0f, -24.0f}}));
    EXPECT_FALSE(LinieGraniczneStandardu(3).Echo.empty());
}

TEST(ZrodlaCharakterystyk, ListsFromElsewhereLeaveTheRecord)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(3);
    UstawKabel(u, {TKategoriaKabla::Cat6, 80.0, 20.0});
    TPochodzenie& z = u.Pochodzenie;
    z.PlikEcha = "echo.att";
    z.PlikRegeneracji = "wzmacniacz.amp";
    ZapomnijZrodla(z, {true, false, false});
    ASSERT_TRUE(z.Kabel.has_value());
    EXPECT_EQ(z.Kabel->Listy, (TListyZrodla{false, true, true}));
    EXPECT_EQ(z.PlikEcha, "echo.att");
    ZapomnijZrodla(z, {false, true, true});
    EXPECT_FALSE(z.Kabel.has_value()); // it gives no list any more
    EXPECT_TRUE(z.PlikEcha.empty());
    EXPECT_EQ(z.PlikRegeneracji, "wzmacniacz.amp"); // not one of the three lists
}

TEST(ZrodlaCharakterystyk, AFileReadOnceImportsAsFromItsPath)
{
    const auto folder = std::filesystem::temp_directory_path() / "lintavox-zrodla-dane";
    std::filesystem::create_directories(folder);
    const auto plik = folder / "para.s1p";
    std::ofstream(plik) << "# MHz S DB\n1 -20 0\n50 -12 0\n";
    TBladTouchstone wada;
    const auto dane = CzytajTouchstone(plik, wada);
    ASSERT_TRUE(dane.has_value());
    std::string blad;
    const auto zDanych = ImportujCharakterystyki(*dane, plik, {}, 1, 100, TJezyk::Polski, blad);
    const auto zPliku = ImportujCharakterystyki(plik, {}, 1, 100, TJezyk::Polski, blad);
    ASSERT_TRUE(zDanych && zPliku);
    EXPECT_TRUE(Rowne(*zDanych->Echo, *zPliku->Echo));
    EXPECT_EQ(zDanych->Opis, zPliku->Opis);
    EXPECT_EQ(zDanych->Pochodzenie, zPliku->Pochodzenie);
    std::filesystem::remove_all(folder);
}
