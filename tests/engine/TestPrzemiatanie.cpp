// Sweeps: the values an axis is written as, the runs of the product and their settings as
// single runs would have them, the faults that name their axis, the rows named as the
// result document names its fields, and the runs on several threads.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "JsonSymulacji.h"
#include "Przemiatanie.h"
#include "WykonaniePrzemiatania.h"
#include "ZrodlaCharakterystyk.h"

namespace {

std::vector<TWartoscOsi> Wartosci(TOsPrzemiatania os, std::string_view tekst)
{
    std::string blad;
    const auto w = ParsujWartosci(os, tekst, blad);
    EXPECT_TRUE(w) << tekst << ": " << blad;
    return w.value_or(std::vector<TWartoscOsi>{});
}

std::string Blad(TOsPrzemiatania os, std::string_view tekst)
{
    std::string blad;
    EXPECT_FALSE(ParsujWartosci(os, tekst, blad)) << tekst;
    return blad;
}

using W = std::vector<TWartoscOsi>;

TEST(WartosciOsi, ListsRangesAndNames)
{
    EXPECT_EQ(Wartosci(TOsPrzemiatania::Szybkosc, "100:500:100"), (W{100, 200, 300, 400, 500}));
    EXPECT_EQ(Wartosci(TOsPrzemiatania::Szybkosc, "500:100:-200"), (W{500, 300, 100}));
    EXPECT_EQ(Wartosci(TOsPrzemiatania::Szybkosc, "100:450:100"), (W{100, 200, 300, 400}));
    EXPECT_EQ(Wartosci(TOsPrzemiatania::Ziarno, "1..4"), (W{1, 2, 3, 4}));
    EXPECT_EQ(Wartosci(TOsPrzemiatania::Ziarno, " 3..1 , 7"), (W{3, 2, 1, 7}));
    EXPECT_EQ(Wartosci(TOsPrzemiatania::Snr, "8,10,12"), (W{8.0, 10.0, 12.0}));
    // Each value is rounded to the decimals it was written with, not accumulated.
    EXPECT_EQ(Wartosci(TOsPrzemiatania::Snr, "0:0.3:0.1"), (W{0.0, 0.1, 0.2, 0.3}));
    EXPECT_EQ(Wartosci(TOsPrzemiatania::Dlugosc, "10:150:70,175.5"), (W{10.0, 80.0, 150.0, 175.5}));
    EXPECT_EQ(Wartosci(TOsPrzemiatania::Snr, "-3,1e1"), (W{-3.0, 10.0}));
    EXPECT_EQ(Wartosci(TOsPrzemiatania::Standard, "all"),
              (W{"10BaseT", "100BaseTX", "100BaseTX (bez 4B5B)", "1000BaseT"}));
    EXPECT_EQ(Wartosci(TOsPrzemiatania::Standard, "3,100BaseTX (bez 4B5B)"), (W{"1000BaseT", "100BaseTX (bez 4B5B)"}));
    EXPECT_EQ(Wartosci(TOsPrzemiatania::Zrodlo, "prbs7,random"), (W{"prbs7", "random"}));
    EXPECT_EQ(Wartosci(TOsPrzemiatania::Kategoria, "Cat5e,Cat6"), (W{"Cat5e", "Cat6"}));

    std::string blad;
    EXPECT_EQ(WartosciZJson(TOsPrzemiatania::Snr, nlohmann::json::parse("[8, 10.5, \"12:14:2\"]"), blad),
              (W{8.0, 10.5, 12.0, 14.0}));
    EXPECT_EQ(WartosciZJson(TOsPrzemiatania::Szybkosc, "100:200:100", blad), (W{100, 200}));
}

TEST(WartosciOsi, RefusesWhatIsNoList)
{
    EXPECT_EQ(Blad(TOsPrzemiatania::Szybkosc, ""), "an empty list");
    EXPECT_EQ(Blad(TOsPrzemiatania::Szybkosc, "100,,200"), "an empty item in '100,,200'");
    EXPECT_EQ(Blad(TOsPrzemiatania::Szybkosc, "100:500:0"), "the step of '100:500:0' is zero");
    EXPECT_EQ(Blad(TOsPrzemiatania::Szybkosc, "100:500:-100"), "the step of '100:500:-100' leads away from its end");
    EXPECT_EQ(Blad(TOsPrzemiatania::Szybkosc, "100:500"), "'100:500' is not a range from:to:step");
    EXPECT_EQ(Blad(TOsPrzemiatania::Szybkosc, "100.5"), "'100.5' is not a whole number");
    EXPECT_EQ(Blad(TOsPrzemiatania::Szybkosc, "100:200:0.5"), "'100.5' is not a whole number");
    EXPECT_EQ(Blad(TOsPrzemiatania::Snr, "8,x"), "'x' is not a number");
    EXPECT_EQ(Blad(TOsPrzemiatania::Snr, "8,10,8"), "'8' is given twice");
    EXPECT_EQ(Blad(TOsPrzemiatania::Standard, "all,10BaseT"), "'10BaseT' is given twice");
    EXPECT_EQ(Blad(TOsPrzemiatania::Kategoria, "Cat7"), "'Cat7' is not Cat3, Cat5, Cat5e, Cat6 or Cat6A");
    EXPECT_NE(Blad(TOsPrzemiatania::Ziarno, "1:2000000:1").find("more than 100000"), std::string::npos);
    std::string blad;
    EXPECT_FALSE(WartosciZJson(TOsPrzemiatania::Snr, nlohmann::json::parse("[]"), blad));
    EXPECT_EQ(blad, "an empty list");
    EXPECT_FALSE(WartosciZJson(TOsPrzemiatania::Snr, nlohmann::json::parse("[true]"), blad));
    EXPECT_FALSE(WartosciZJson(TOsPrzemiatania::Snr, nlohmann::json::parse("{}"), blad));
}

TEST(OsiePrzemiatania, NamesAreTheJsonFieldsAndOptions)
{
    for (const TOpisOsi& o : OpisyOsi()) {
        EXPECT_EQ(OsZNazwy(o.Nazwa), o.Os);
        EXPECT_EQ(OsZOpcji(o.Opcja), o.Os);
        EXPECT_EQ(&OpisOsi(o.Os), &o);
    }
    EXPECT_EQ(OsZNazwy("colour"), std::nullopt);
}

TPrzemiatanie Przemiatanie(TUstawieniaSymulacji baza, std::initializer_list<std::pair<TOsPrzemiatania, const char*>> osie)
{
    std::vector<TOsZWartosciami> wynik;
    for (const auto& [os, tekst] : osie)
        wynik.push_back({os, Wartosci(os, tekst)});
    return TPrzemiatanie(std::move(baza), std::move(wynik));
}

TEST(Przemiatanie, RunsTheProductWithTheLastAxisFastest)
{
    const TPrzemiatanie p =
        Przemiatanie(DomyslneUstawienia(1), {{TOsPrzemiatania::Szybkosc, "100,200"}, {TOsPrzemiatania::Snr, "8,10,12"}});
    EXPECT_FALSE(p.Sprawdz());
    ASSERT_EQ(p.LiczbaPrzebiegow(), 6u);
    EXPECT_EQ(p.Pozycje(0), (std::vector<std::size_t>{0, 0}));
    EXPECT_EQ(p.Pozycje(4), (std::vector<std::size_t>{1, 1}));
    TBladPrzemiatania blad;
    const auto u = p.Ustawienia(5, blad);
    ASSERT_TRUE(u) << blad.Powod;
    EXPECT_EQ(u->Szybkosc, 200);
    EXPECT_EQ(u->SzumIDrzenie.SnrDb, 12.0);
    EXPECT_EQ(p.Naglowek(), (std::vector<std::string>{"rate", "snr_db", "seed", "ber", "ber_counted", "counted_errors",
                                                      "compared_bits", "ber_ci_low", "ber_ci_high", "error_share",
                                                      "max_error", "eye_height_mv", "eye_width_ui"}));
    EXPECT_EQ(p.Klucz(*u), (std::vector<std::string>{"200", "12"}));
}

TEST(Przemiatanie, AStandardBringsItsDefaultRateUnlessTheRateIsSwept)
{
    TBladPrzemiatania blad;
    const TPrzemiatanie standardy = Przemiatanie(DomyslneUstawienia(1), {{TOsPrzemiatania::Standard, "all"}});
    for (std::size_t i = 0; i < 4; ++i) {
        const auto u = standardy.Ustawienia(i, blad);
        ASSERT_TRUE(u) << blad.Powod;
        const TUstawieniaSymulacji domyslne = DomyslneUstawienia(static_cast<int>(i));
        EXPECT_EQ(u->Standard, domyslne.Standard);
        EXPECT_EQ(u->Szybkosc, domyslne.Szybkosc);
        EXPECT_EQ(u->Nachylenie, domyslne.Nachylenie);
    }
    const TPrzemiatanie zSzybkoscia = Przemiatanie(
        DomyslneUstawienia(1), {{TOsPrzemiatania::Szybkosc, "2000"}, {TOsPrzemiatania::Standard, "1000BaseT"}});
    const auto u = zSzybkoscia.Ustawienia(0, blad);
    ASSERT_TRUE(u) << blad.Powod;
    EXPECT_EQ(u->Szybkosc, 2000);
}

TEST(Przemiatanie, AFaultNamesItsAxisAndTheRunsOtherValues)
{
    TBladPrzemiatania blad;
    const TPrzemiatanie p =
        Przemiatanie(DomyslneUstawienia(1), {{TOsPrzemiatania::Standard, "100BaseTX,10BaseT"}, {TOsPrzemiatania::Szybkosc, "100,200"}});
    EXPECT_TRUE(p.Ustawienia(1, blad));
    EXPECT_FALSE(p.Ustawienia(3, blad));
    EXPECT_EQ(blad.Os, TOsPrzemiatania::Szybkosc);
    EXPECT_EQ(blad.Powod, "'200' is not a whole number from 10 to 100 (at standard 10BaseT)");

    const TPrzemiatanie ziarna = Przemiatanie(DomyslneUstawienia(1), {{TOsPrzemiatania::Ziarno, "2147483648"}});
    EXPECT_FALSE(ziarna.Ustawienia(0, blad));
    EXPECT_EQ(blad.Os, TOsPrzemiatania::Ziarno);

    const TPrzemiatanie bezKabla = Przemiatanie(DomyslneUstawienia(1), {{TOsPrzemiatania::Dlugosc, "10,20"}});
    EXPECT_FALSE(bezKabla.Ustawienia(0, blad));
    EXPECT_EQ(blad.Powod, "needs a cable preset in the base settings");

    const TPrzemiatanie szumy =
        Przemiatanie(DomyslneUstawienia(1), {{TOsPrzemiatania::Snr, "10"}, {TOsPrzemiatania::SzumMv, "5"}});
    ASSERT_TRUE(szumy.Sprawdz());
    EXPECT_EQ(szumy.Sprawdz()->Os, TOsPrzemiatania::SzumMv);

    const TPrzemiatanie zaDuzo =
        Przemiatanie(DomyslneUstawienia(1), {{TOsPrzemiatania::Ziarno, "1:1000:1"}, {TOsPrzemiatania::Bity, "100:100000:100"}});
    ASSERT_TRUE(zaDuzo.Sprawdz());
    EXPECT_EQ(zaDuzo.Sprawdz()->Os, std::nullopt);
}

TEST(Przemiatanie, CableListsFollowTheRunsLengthAndRate)
{
    TUstawieniaSymulacji baza = DomyslneUstawienia(1);
    UstawKabel(baza, TParametryKabla{TKategoriaKabla::Cat5e, 30.0, 20.0});
    const TPrzemiatanie p =
        Przemiatanie(baza, {{TOsPrzemiatania::Dlugosc, "10,80"}, {TOsPrzemiatania::Szybkosc, "100,300"}});
    TBladPrzemiatania blad;
    const auto u = p.Ustawienia(3, blad);
    ASSERT_TRUE(u) << blad.Powod;
    // As a single run at 300 Mbps with 80 m of the cable would have them.
    TUstawieniaSymulacji pojedynczy = DomyslneUstawienia(1);
    pojedynczy.Szybkosc = 300;
    UstawKabel(pojedynczy, TParametryKabla{TKategoriaKabla::Cat5e, 80.0, 20.0});
    EXPECT_EQ(AnalizaJson(*u), AnalizaJson(pojedynczy));
    EXPECT_EQ(p.Klucz(*u), (std::vector<std::string>{"80", "300"}));
}

TEST(Przemiatanie, RowsAreTheFieldsOfTheResultDocument)
{
    TUstawieniaSymulacji baza = DomyslneUstawienia(1);
    baza.Ziarno = 4;
    const TPrzemiatanie p = Przemiatanie(baza, {{TOsPrzemiatania::Standard, "100BaseTX (bez 4B5B)"}});
    TBladPrzemiatania blad;
    const auto u = p.Ustawienia(0, blad);
    ASSERT_TRUE(u);
    const std::unique_ptr<TWynikSymulacji> w = Symuluj(*u, nullptr, {});
    const nlohmann::json dokument = WynikJson(*w, false);
    const std::vector<std::string> wiersz = p.Wiersz(dokument);
    ASSERT_EQ(wiersz.size(), p.Naglowek().size());
    EXPECT_EQ(wiersz[0], "100BaseTX (bez 4B5B)");
    EXPECT_EQ(wiersz[1], "4");
    EXPECT_EQ(std::stod(wiersz[2]), w->BER);
    EXPECT_EQ(std::stoll(wiersz[5]), w->Zliczone.Porownane);
    EXPECT_EQ(std::vector<std::string>(wiersz.begin(), wiersz.begin() + 1), p.Klucz(*u));
}

TEST(WykonaniePrzemiatania, SeveralThreadsGiveWhatOneGives)
{
    TUstawieniaSymulacji baza = DomyslneUstawienia(1);
    baza.Ziarno = 11;
    const TPrzemiatanie p = Przemiatanie(baza, {{TOsPrzemiatania::Bity, "100,200"}, {TOsPrzemiatania::Zrodlo, "random,prbs7"}});
    const auto przebieg = [&](unsigned watki) {
        std::vector<std::string> wiersze(p.LiczbaPrzebiegow());
        std::mutex zamek;
        TZdarzeniaPrzemiatania zdarzenia;
        zdarzenia.Gotowy = [&](std::size_t i, const TWynikSymulacji& w) {
            const std::string tekst = nlohmann::json(p.Wiersz(WynikJson(w, false))).dump();
            const std::lock_guard z(zamek);
            wiersze[i] = tekst;
        };
        zdarzenia.Blad = [&](std::size_t i, const std::string& blad) { ADD_FAILURE() << i << ": " << blad; };
        std::vector<std::size_t> wszystkie(p.LiczbaPrzebiegow());
        for (std::size_t i = 0; i < wszystkie.size(); ++i)
            wszystkie[i] = i;
        WykonajPrzemiatanie(p, wszystkie, watki, nullptr, zdarzenia);
        return wiersze;
    };
    const std::vector<std::string> jeden = przebieg(1);
    EXPECT_EQ(przebieg(3), jeden);
    for (const std::string& w : jeden)
        EXPECT_FALSE(w.empty());
}

TEST(WykonaniePrzemiatania, AFlagStopsTheRunsAndReportsNoneOfThoseInProgress)
{
    TUstawieniaSymulacji baza = DomyslneUstawienia(1);
    baza.Ziarno = 1;
    const TPrzemiatanie p = Przemiatanie(baza, {{TOsPrzemiatania::Ziarno, "1:20:1"}});
    alignas(std::atomic_ref<std::uint8_t>::required_alignment) std::uint8_t flaga = 0;
    std::atomic<int> gotowe{0};
    TZdarzeniaPrzemiatania zdarzenia;
    zdarzenia.Gotowy = [&](std::size_t, const TWynikSymulacji&) {
        if (++gotowe == 3)
            std::atomic_ref<std::uint8_t>(flaga).store(1);
    };
    zdarzenia.Blad = [&](std::size_t i, const std::string& blad) { ADD_FAILURE() << i << ": " << blad; };
    std::vector<std::size_t> wszystkie(p.LiczbaPrzebiegow());
    for (std::size_t i = 0; i < wszystkie.size(); ++i)
        wszystkie[i] = i;
    WykonajPrzemiatanie(p, wszystkie, 2, &flaga, zdarzenia);
    EXPECT_GE(gotowe.load(), 3);
    EXPECT_LE(gotowe.load(), 4); // one more may have been reported as the flag was set
}

} // namespace
