#include <gtest/gtest.h>

#include <sys/stat.h>

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
        {"700 dB", Plik(3, {{0, -2}, {1, -2}, {100, 700}}), TBladModelu::Wartosci},
        {"10^30 dB", Plik(2, {{0, 1e30f}, {1, -2}}), TBladModelu::Wartosci},
        {"-10^30 dB", Plik(2, {{0, -2}, {1, -1e30f}}), TBladModelu::Wartosci},
        {"just below the range", Plik(2, {{0, -150.001f}, {1, -2}}), TBladModelu::Wartosci},
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

TEST_F(PlikModeluTest, GainsAtTheEndsOfTheRangeAreRead)
{
    TCharakterystyka punkty;
    ASSERT_EQ(WczytajModel(Zapisz(Plik(3, {{0, -150}, {1, 150}, {2, 0}})), punkty), TBladModelu::Brak);
    EXPECT_EQ(punkty[0].Y, WzmocnienieMin);
    EXPECT_EQ(punkty[1].Y, WzmocnienieMax);
}

TEST_F(PlikModeluTest, WhatIsNotAModelFileIsRefusedInOneLine)
{
    const auto opis = [](const std::filesystem::path& plik, TBladModelu oczekiwany) {
        TCharakterystyka punkty = {{7, 7}};
        std::string powod;
        EXPECT_EQ(WczytajModel(plik, punkty, &powod), oczekiwany) << plik;
        EXPECT_EQ(punkty.size(), 1u);
        EXPECT_EQ(powod.find('\n'), std::string::npos);
        return powod;
    };
    EXPECT_EQ(opis(Folder, TBladModelu::NieJestPlikiem), "is a directory, not a regular file");
    // A FIFO is never opened (that would wait for a writer), a device never read.
    const auto fifo = Folder / "fifo.att";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(opis(fifo, TBladModelu::NieJestPlikiem), "is a FIFO, not a regular file");
    EXPECT_EQ(opis("/dev/zero", TBladModelu::NieJestPlikiem), "is a character device, not a regular file");
    // A file longer than the most points make is refused by its size alone: 16 GiB of holes.
    const auto duzy = Zapisz(Plik(2, {{0, -1}, {10, -3}}));
    std::filesystem::resize_file(duzy, std::uintmax_t{16} << 30);
    EXPECT_EQ(opis(duzy, TBladModelu::ZaDuzy), "is 17179869184 bytes, more than the 800013 a file of its kind can hold");
    EXPECT_EQ(opis(Zapisz(Plik(2, {{0, 700}, {10, -3}})), TBladModelu::Wartosci),
              "the list holds a gain that is not a number from -150 to 150 dB");
    EXPECT_EQ(opis(Zapisz({'L', 'i', 'n'}), TBladModelu::Format), "is not a model file: it does not begin with LintaVOX");
    EXPECT_EQ(OpisBleduModelu(TBladModelu::Wartosci), "Poziomy w pliku muszą zawierać się w przedziale <-150;150> dB");

    // Saving never replaces a FIFO with a file.
    EXPECT_EQ(ZapiszModel(fifo, DomyslneCharakterystyki().Echo), TBladModelu::NieJestPlikiem);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
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
