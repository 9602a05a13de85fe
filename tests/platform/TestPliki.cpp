// The safe reader and the atomic writer against what a hostile or unlucky user hands
// them: folders, FIFOs, devices, huge files, links, and outputs that fail half-way.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "OdczytPliku.h"
#include "ZapisAtomowy.h"

namespace fs = std::filesystem;

namespace {

class Pliki : public ::testing::Test {
protected:
    void SetUp() override
    {
        Folder = fs::temp_directory_path() /
            ("lintavox-pliki-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(Folder);
    }
    void TearDown() override { fs::remove_all(Folder); }

    fs::path Plik(const char* nazwa, const std::string& tresc)
    {
        const fs::path p = Folder / nazwa;
        std::ofstream(p, std::ios::binary) << tresc;
        return p;
    }
    static std::string Tresc(const fs::path& p)
    {
        std::ifstream f(p, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    // Every name in the folder, temporaries included.
    std::vector<std::string> Nazwy(const fs::path& folder) const
    {
        std::vector<std::string> nazwy;
        for (const auto& e : fs::directory_iterator(folder))
            nazwy.push_back(e.path().filename().string());
        std::sort(nazwy.begin(), nazwy.end());
        return nazwy;
    }

    fs::path Folder;
};

} // namespace

TEST_F(Pliki, ReadsARegularFileWithinItsLimit)
{
    const fs::path p = Plik("a.bin", std::string("ab\0cd", 5));
    const TOdczytPliku o = CzytajPlik(p, 5);
    EXPECT_EQ(o.Blad, TBladOdczytu::Brak) << o.Powod;
    EXPECT_EQ(o.Dane, std::string("ab\0cd", 5));
    EXPECT_EQ(CzytajPlik(Plik("pusty", ""), 0).Blad, TBladOdczytu::Brak);

    // The beginning only: the first bytes of a longer file, all of a shorter one.
    EXPECT_EQ(CzytajPoczatekPliku(p, 2).Dane, "ab");
    EXPECT_EQ(CzytajPoczatekPliku(p, 24).Dane, std::string("ab\0cd", 5));
}

TEST_F(Pliki, RefusesWhatIsNotARegularFileWithoutOpeningIt)
{
    const TOdczytPliku folder = CzytajPlik(Folder, 100);
    EXPECT_EQ(folder.Blad, TBladOdczytu::NieZwykly);
    EXPECT_EQ(folder.Powod, "is a directory, not a regular file");

    // Opening a FIFO would wait for a writer for ever: the test would never end.
    const fs::path fifo = Folder / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(CzytajPlik(fifo, 100).Blad, TBladOdczytu::NieZwykly);
    EXPECT_EQ(CzytajPoczatekPliku(fifo, 24).Powod, "is a FIFO, not a regular file");

    // An endless device is never read at all.
    EXPECT_EQ(CzytajPlik("/dev/zero", 100).Powod, "is a character device, not a regular file");
    EXPECT_EQ(RodzajNieZwyklegoPliku("/dev/null"), "a character device");
    EXPECT_EQ(RodzajNieZwyklegoPliku(Folder), "a directory");
    EXPECT_EQ(RodzajNieZwyklegoPliku(Folder / "brak"), "");

    const TOdczytPliku brak = CzytajPlik(Folder / "brak", 100);
    EXPECT_EQ(brak.Blad, TBladOdczytu::Dostep);
    EXPECT_EQ(brak.Powod, "cannot be opened: No such file or directory");
}

TEST_F(Pliki, SizeIsCheckedBeforeAByteIsRead)
{
    // 64 GiB of holes: read whole, it would take minutes and all memory; refused at once.
    const fs::path duzy = Folder / "duzy.att";
    { std::ofstream(duzy).put('x'); }
    fs::resize_file(duzy, std::uintmax_t{64} << 30);
    const TOdczytPliku o = CzytajPlik(duzy, 800013);
    EXPECT_EQ(o.Blad, TBladOdczytu::ZaDuzy);
    EXPECT_EQ(o.Powod, "is 68719476736 bytes, more than the 800013 a file of its kind can hold");
    EXPECT_TRUE(o.Dane.empty());
    // Its beginning is still there to be read.
    EXPECT_EQ(CzytajPoczatekPliku(duzy, 24).Dane.size(), 24u);

    EXPECT_EQ(CzytajPlik(Plik("b", "123456"), 5).Blad, TBladOdczytu::ZaDuzy);
}

TEST_F(Pliki, TheSameFileThroughEveryKindOfLink)
{
    const fs::path a = Plik("a", "1");
    fs::create_hard_link(a, Folder / "twardy");
    fs::create_symlink(a, Folder / "miekki");
    EXPECT_TRUE(TenSamPlik(a, Folder / "twardy"));
    EXPECT_TRUE(TenSamPlik(Folder / "miekki", a));
    EXPECT_TRUE(TenSamPlik(Folder / "." / "a", a));
    EXPECT_FALSE(TenSamPlik(a, Plik("b", "1")));
    EXPECT_FALSE(TenSamPlik(a, Folder / "brak"));
}

TEST_F(Pliki, NothingAppearsOrChangesBeforeTheSetIsCommitted)
{
    const fs::path stary = Plik("wynik.json", "old");
    ASSERT_EQ(::chmod(stary.c_str(), 0640), 0);
    {
        TZapisAtomowy zapis;
        EXPECT_EQ(zapis.UtworzFolder(Folder / "csv" / "lane"), "");
        EXPECT_EQ(zapis.Dodaj(stary, "new"), "");
        EXPECT_EQ(zapis.Dodaj(Folder / "csv" / "lane" / "a.csv", "x,y\n"), "");
        EXPECT_EQ(Tresc(stary), "old");
        // Dropped uncommitted: the temporaries and the folders made go.
    }
    EXPECT_EQ(Nazwy(Folder), std::vector<std::string>{"wynik.json"});
    EXPECT_EQ(Tresc(stary), "old");

    TZapisAtomowy zapis;
    ASSERT_EQ(zapis.UtworzFolder(Folder / "csv"), "");
    ASSERT_EQ(zapis.Dodaj(stary, "new"), "");
    ASSERT_EQ(zapis.Dodaj(Folder / "csv" / "a.csv", "x,y\n"), "");
    ASSERT_EQ(zapis.Zatwierdz(), "");
    EXPECT_EQ(Tresc(stary), "new");
    EXPECT_EQ(Tresc(Folder / "csv" / "a.csv"), "x,y\n");
    EXPECT_EQ(Nazwy(Folder), (std::vector<std::string>{"csv", "wynik.json"}));
    EXPECT_EQ(fs::status(stary).permissions(), fs::perms(0640));
}

TEST_F(Pliki, ALinkKeepsPointingAtTheReplacedFile)
{
    const fs::path cel = Plik("cel", "old");
    fs::create_symlink(cel, Folder / "link");
    TZapisAtomowy zapis;
    ASSERT_EQ(zapis.Dodaj(Folder / "link", "new"), "");
    ASSERT_EQ(zapis.Zatwierdz(), "");
    EXPECT_TRUE(fs::is_symlink(Folder / "link"));
    EXPECT_EQ(Tresc(cel), "new");
}

TEST_F(Pliki, RefusesToReplaceWhatIsNotARegularFile)
{
    const fs::path fifo = Folder / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(Folder / "folder");
    TZapisAtomowy zapis;
    EXPECT_EQ(zapis.Dodaj(fifo, "x"), fifo.string() + ": is a FIFO, not a regular file");
    EXPECT_EQ(zapis.Dodaj(Folder / "folder", "x"), (Folder / "folder").string() + ": is a directory, not a regular file");
    EXPECT_EQ(zapis.Dodaj("/dev/null", "x"), "/dev/null: is a character device, not a regular file");
    ASSERT_EQ(zapis.Dodaj(Folder / "a", "1"), "");
    EXPECT_EQ(zapis.Dodaj(Folder / "." / "a", "2"), (Folder / "." / "a").string() + ": is named for two outputs");
    ASSERT_EQ(zapis.Zatwierdz(), "");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(Tresc(Folder / "a"), "1");
}

TEST_F(Pliki, AFolderThatCannotBeMadeOrWrittenIsReported)
{
    const fs::path plik = Plik("plik", "1");
    TZapisAtomowy zapis;
    EXPECT_EQ(zapis.UtworzFolder(plik / "csv"), plik.string() + ": is not a folder");
    EXPECT_EQ(zapis.Dodaj(Folder / "brak" / "a.csv", "x"),
              (Folder / "brak" / "a.csv").string() + ": cannot be written in its folder: No such file or directory");
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
    fs::create_directory(Folder / "zamkniety");
    fs::permissions(Folder / "zamkniety", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_NE(zapis.Dodaj(Folder / "zamkniety" / "a.csv", "x").find("Permission denied"), std::string::npos);
    fs::permissions(Folder / "zamkniety", fs::perms::owner_all);
}
