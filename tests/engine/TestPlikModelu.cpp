#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "PlikModelu.h"

namespace {

class PlikModeluTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Folder = std::filesystem::temp_directory_path() /
            ("lintavox-model-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(Folder);
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }

    std::filesystem::path Zapisz(const std::vector<char>& bajty)
    {
        const auto plik = Folder / "m.att";
        std::ofstream(plik, std::ios::binary).write(bajty.data(), static_cast<std::streamsize>(bajty.size()));
        return plik;
    }

    static std::vector<char> Plik(std::int32_t liczba, const std::vector<TPunkt>& punkty)
    {
        std::vector<char> bajty = {'L', 'i', 'n', 't', 'a', 'V', 'O', 'X', '\0'};
        bajty.resize(13 + punkty.size() * 8);
        std::memcpy(bajty.data() + 9, &liczba, 4);
        if (!punkty.empty())
            std::memcpy(bajty.data() + 13, punkty.data(), punkty.size() * 8);
        return bajty;
    }

    std::filesystem::path Folder;
};

} // namespace

TEST_F(PlikModeluTest, DefaultEchoRoundTripsIn37Bytes)
{
    const auto plik = Folder / "echo.att";
    const TCharakterystyka echo = DomyslneCharakterystyki().Echo;
    ASSERT_EQ(ZapiszModel(plik, echo), TBladModelu::Brak);
    EXPECT_EQ(std::filesystem::file_size(plik), 37u);

    std::ifstream wejscie(plik, std::ios::binary);
    char bajty[37];
    wejscie.read(bajty, 37);
    EXPECT_EQ(std::string(bajty, 9), std::string("LintaVOX\0", 9));
    float pierwszy[2];
    std::memcpy(pierwszy, bajty + 13, 8);
    EXPECT_EQ(pierwszy[0], 0.0f);
    EXPECT_EQ(pierwszy[1], -15.0f);

    TCharakterystyka odczytane;
    ASSERT_EQ(WczytajModel(plik, odczytane), TBladModelu::Brak);
    ASSERT_EQ(odczytane.size(), 3u);
    EXPECT_EQ(odczytane[2].X, 100.0f);
    EXPECT_EQ(odczytane[2].Y, -15.0f);
}

TEST_F(PlikModeluTest, BadFilesLeaveThePointsUnchanged)
{
    const std::vector<TPunkt> dobre = {{0, -1}, {10, -3}};
    std::vector<char> zlaSygnatura = Plik(2, dobre);
    zlaSygnatura[0] = 'l';
    std::vector<char> obciety = Plik(2, dobre);
    obciety.pop_back();
    std::vector<char> zbytDlugi = Plik(2, dobre);
    const std::vector<char> pusty = Plik(0, {});
    const std::vector<char> bezLiczby(pusty.begin(), pusty.begin() + 11);
    zbytDlugi.push_back(0);

    const struct {
        const char* opis;
        std::vector<char> bajty;
        TBladModelu blad;
    } przypadki[] = {
        {"wrong magic", zlaSygnatura, TBladModelu::Format},
        {"too short for the magic", {'L', 'i', 'n'}, TBladModelu::Format},
        {"no count", bezLiczby, TBladModelu::LiczbaPunktow},
        {"truncated", obciety, TBladModelu::LiczbaPunktow},
        {"trailing bytes", zbytDlugi, TBladModelu::LiczbaPunktow},
        {"negative count", Plik(-1, {}), TBladModelu::LiczbaPunktow},
        {"no points", pusty, TBladModelu::ZaMaloPunktow},
        {"one point", Plik(1, {{0, -1}}), TBladModelu::ZaMaloPunktow},
        {"unordered", Plik(3, {{0, -1}, {10, -2}, {5, -3}}), TBladModelu::Czestotliwosci},
        {"repeated frequency", Plik(2, {{1, -1}, {1, -2}}), TBladModelu::Czestotliwosci},
        {"negative frequency", Plik(2, {{-1, -1}, {1, -2}}), TBladModelu::Czestotliwosci},
        {"infinite frequency", Plik(2, {{0, -1}, {INFINITY, -2}}), TBladModelu::Czestotliwosci},
        {"NaN gain", Plik(2, {{0, NAN}, {1, -2}}), TBladModelu::Wartosci},
    };
    for (const auto& p : przypadki) {
        TCharakterystyka punkty = {{7, 7}};
        EXPECT_EQ(WczytajModel(Zapisz(p.bajty), punkty), p.blad) << p.opis;
        ASSERT_EQ(punkty.size(), 1u) << p.opis;
        EXPECT_EQ(punkty[0].X, 7.0f) << p.opis;
        EXPECT_FALSE(OpisBleduModelu(p.blad).empty()) << p.opis;
    }
    EXPECT_EQ(OpisBleduModelu(TBladModelu::Format), "Nieprawidłowy format pliku");
}

TEST_F(PlikModeluTest, MissingFileAndUnwritableFolder)
{
    TCharakterystyka punkty;
    EXPECT_EQ(WczytajModel(Folder / "brak.att", punkty), TBladModelu::Dostep);
    EXPECT_EQ(ZapiszModel(Folder / "brak" / "x.att", DomyslneCharakterystyki().Echo), TBladModelu::Dostep);
}

TEST(Charakterystyki, DefaultsAndMirror)
{
    const TCharakterystykiKanalu c = DomyslneCharakterystyki();
    ASSERT_EQ(c.Tlumienie.size(), 11u);
    ASSERT_EQ(c.Przesluchy.size(), 11u);
    EXPECT_EQ(c.Tlumienie.front().Y, -2.1f);
    EXPECT_EQ(c.Tlumienie.back().X, 100.0f);
    EXPECT_EQ(c.Tlumienie.back().Y, -21.6f);
    EXPECT_EQ(c.Przesluchy.back().Y, -29.3f);
    ASSERT_EQ(c.Wzmocnienie.size(), 11u);
    for (std::size_t i = 0; i < 11; ++i) {
        EXPECT_EQ(c.Wzmocnienie[i].X, c.Tlumienie[i].X);
        EXPECT_EQ(c.Wzmocnienie[i].Y, -c.Tlumienie[i].Y);
    }
}
