#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "JsonSymulacji.h"
#include "OpcjeWiersza.h"
#include "PlikModelu.h"
#include "ZrodlaCharakterystyk.h"

namespace {

TWynikParsowania Parsuj(std::initializer_list<const char*> argumenty)
{
    QStringList lista{QStringLiteral("lintavox-sim")};
    for (const char* a : argumenty)
        lista.append(QString::fromUtf8(a));
    return ParsujWiersz(lista);
}

// Fails unless parsing was rejected with status 2 and a message naming the option.
void Odrzucone(std::initializer_list<const char*> argumenty, const std::string& opcja)
{
    const TWynikParsowania w = Parsuj(argumenty);
    EXPECT_FALSE(w.Opcje.has_value()) << opcja;
    EXPECT_EQ(w.Kod, 2) << opcja;
    EXPECT_NE(w.Tekst.find(opcja), std::string::npos) << w.Tekst;
    EXPECT_EQ(w.Tekst.find('\n'), std::string::npos) << w.Tekst;
}

} // namespace

TEST(OpcjeWiersza, DefaultsAreTheProgramsDefaults)
{
    const TWynikParsowania w = Parsuj({});
    ASSERT_TRUE(w.Opcje.has_value()) << w.Tekst;
    const TUstawieniaSymulacji& u = w.Opcje->Ustawienia;
    EXPECT_EQ(u.Standard, 1);
    EXPECT_EQ(u.LiczbaBitow, 100);
    EXPECT_EQ(u.Szybkosc, 100);
    EXPECT_EQ(u.Nachylenie, 5000.0f);
    EXPECT_TRUE(u.Przesluchy && u.Echo && u.Regeneracja && u.Dekoder);
    EXPECT_EQ(u.Zrodlo, TZrodloBitow::Losowe);
    EXPECT_FALSE(u.Bity.has_value());

    const TWynikParsowania g = Parsuj({"--standard", "1000BaseT"});
    ASSERT_TRUE(g.Opcje.has_value());
    EXPECT_EQ(g.Opcje->Ustawienia.Szybkosc, 1000);
    const TWynikParsowania m = Parsuj({"--standard", "100BaseTX (bez 4B5B)", "--no-echo", "--source", "zeros"});
    ASSERT_TRUE(m.Opcje.has_value());
    EXPECT_EQ(m.Opcje->Ustawienia.Standard, 2);
    EXPECT_FALSE(m.Opcje->Ustawienia.Echo);
    EXPECT_EQ(m.Opcje->Ustawienia.Zrodlo, TZrodloBitow::Zera);
}

TEST(OpcjeWiersza, LimitsOfTheSettingsPage)
{
    EXPECT_TRUE(Parsuj({"--standard", "3", "--rate", "5000"}).Opcje.has_value());
    Odrzucone({"--standard", "3", "--rate", "999"}, "--rate");
    Odrzucone({"--bits", "1000001"}, "--bits");
    Odrzucone({"--bits", "99"}, "--bits");
    Odrzucone({"--bits", "1e3"}, "--bits");
    EXPECT_TRUE(Parsuj({"--bits", "1000000"}).Opcje.has_value());
    Odrzucone({"--echo-delay", "50"}, "--echo-delay");
    EXPECT_TRUE(Parsuj({"--standard", "10BaseT", "--echo-delay", "50"}).Opcje.has_value());
    Odrzucone({"--slope", "3999"}, "--slope");
    Odrzucone({"--standard", "2000BaseT"}, "--standard");
    Odrzucone({"--source", "pseudo"}, "--source");
    Odrzucone({"--echo", "--no-echo"}, "--no-echo");
    Odrzucone({"--adaptive", "--regeneration-model", "x.amp"}, "--regeneration-model");
    Odrzucone({"--seed", "-1"}, "--seed");
    Odrzucone({"--unknown"}, "unknown");
    EXPECT_EQ(Parsuj({"--help"}).Kod, 0);
    EXPECT_NE(Parsuj({"--help"}).Tekst.find("--crosstalk-bits-file"), std::string::npos);
}

TEST(OpcjeWiersza, FilesAreCheckedWhileParsing)
{
    const auto folder = std::filesystem::temp_directory_path() / "lintavox-cli-opcje";
    std::filesystem::create_directories(folder);
    const auto zlyModel = (folder / "zly.att").string();
    std::ofstream(zlyModel) << "not a model";
    Odrzucone({"--attenuation", zlyModel.c_str()}, "--attenuation");
    Odrzucone({"--echo-model", (folder / "brak.att").string().c_str()}, "--echo-model");

    const auto krotkie = (folder / "krotkie.txt").string();
    std::ofstream(krotkie) << "0101 1100";
    Odrzucone({"--bits-file", krotkie.c_str()}, "--bits-file");
    const auto zle = (folder / "zle.txt").string();
    std::ofstream(zle) << std::string(140, '1') << "2";
    Odrzucone({"--crosstalk-bits-file", zle.c_str()}, "--crosstalk-bits-file");

    const auto dobre = (folder / "dobre.txt").string();
    {
        std::ofstream plik(dobre);
        for (int i = 0; i < 140; ++i)
            plik << (i % 3 == 0 ? "1" : "0") << (i % 10 == 9 ? "\n" : " ");
    }
    const auto model = (folder / "tlumienie.att").string();
    ASSERT_EQ(ZapiszModel(model, {{0, -1}, {50, -10}, {200, -30}}), TBladModelu::Brak);
    const TWynikParsowania w = Parsuj({"--bits-file", dobre.c_str(), "--attenuation", model.c_str(), "--adaptive"});
    ASSERT_TRUE(w.Opcje.has_value()) << w.Tekst;
    ASSERT_TRUE(w.Opcje->Ustawienia.Bity.has_value());
    EXPECT_EQ(w.Opcje->Ustawienia.Bity->size(), 140u);
    EXPECT_EQ((*w.Opcje->Ustawienia.Bity)[3], 1);
    TCharakterystyka lustro;
    const TCharakterystyka& regeneracja = CharakterystykaRegeneracji(w.Opcje->Ustawienia, lustro);
    EXPECT_EQ(regeneracja.size(), 3u);
    EXPECT_EQ(regeneracja[2].Y, 30.0f);
    std::filesystem::remove_all(folder);
}

TEST(OpcjeWiersza, SeedIsRecordedForTheEngine)
{
    const TWynikParsowania a = Parsuj({"--seed", "7"});
    ASSERT_TRUE(a.Opcje.has_value());
    EXPECT_EQ(a.Opcje->Ustawienia.Ziarno, 7u);
    EXPECT_FALSE(a.Opcje->Ustawienia.Bity.has_value());
    EXPECT_FALSE(Parsuj({}).Opcje->Ustawienia.Ziarno.has_value());
}

TEST(OpcjeWiersza, CablePresetFillsTheThreeListsUnlessAModelFileWins)
{
    const TWynikParsowania w =
        Parsuj({"--standard", "1000BaseT", "--cable", "cat6", "--length", "80", "--temperature", "30.5", "--adaptive"});
    ASSERT_TRUE(w.Opcje.has_value()) << w.Tekst;
    const TUstawieniaSymulacji& u = w.Opcje->Ustawienia;
    ASSERT_TRUE(u.Pochodzenie.Kabel.has_value());
    EXPECT_EQ(u.Pochodzenie.Kabel->Kabel, (TParametryKabla{TKategoriaKabla::Cat6, 80.0, 30.5}));
    EXPECT_EQ(u.Pochodzenie.Kabel->Listy, (TListyZrodla{true, true, true}));
    EXPECT_EQ(u.Charakterystyki.Tlumienie.back().X, 250.0f);
    EXPECT_NEAR(u.Charakterystyki.Tlumienie.back().Y,
                -0.8 * 1.042 * TlumiennoscWtraceniowa100m(TKategoriaKabla::Cat6, 250.0), 0.001);
    EXPECT_EQ(u.Charakterystyki.Wzmocnienie.back().Y, -u.Charakterystyki.Tlumienie.back().Y);
    EXPECT_TRUE(w.Opcje->Uwagi.empty());

    const auto folder = std::filesystem::temp_directory_path() / "lintavox-cli-kabel";
    std::filesystem::create_directories(folder);
    const auto model = (folder / "echo.att").string();
    ASSERT_EQ(ZapiszModel(model, {{0, -30}, {100, -30}}), TBladModelu::Brak);
    const TWynikParsowania m = Parsuj({"--cable", "Cat5e", "--echo-model", model.c_str()});
    ASSERT_TRUE(m.Opcje.has_value()) << m.Tekst;
    EXPECT_EQ(m.Opcje->Ustawienia.Charakterystyki.Echo.size(), 2u);
    EXPECT_EQ(m.Opcje->Ustawienia.Pochodzenie.PlikEcha, model);
    EXPECT_EQ(m.Opcje->Ustawienia.Pochodzenie.Kabel->Listy, (TListyZrodla{true, true, false}));
    EXPECT_EQ(m.Opcje->Ustawienia.Charakterystyki.Tlumienie.back().X, 100.0f);
    std::filesystem::remove_all(folder);

    Odrzucone({"--cable", "Cat7"}, "--cable");
    Odrzucone({"--cable", "Cat5e", "--length", "0"}, "--length");
    Odrzucone({"--cable", "Cat5e", "--length", "201"}, "--length");
    Odrzucone({"--cable", "Cat5e", "--length", "many"}, "--length");
    Odrzucone({"--cable", "Cat5e", "--temperature", "61"}, "--temperature");
    Odrzucone({"--length", "50"}, "--length");
    Odrzucone({"--temperature", "25"}, "--temperature");
    // A rate out of its limits is named as such, not as a fault of the cable.
    Odrzucone({"--cable", "Cat5e", "--rate", "99"}, "--rate");
    const std::string pomoc = Parsuj({"--help"}).Tekst;
    for (const char* opcja : {"--cable", "--length", "--temperature", "--touchstone", "--touchstone-ports",
                              "--touchstone-dc", "--touchstone-points"})
        EXPECT_NE(pomoc.find(opcja), std::string::npos) << opcja;
    EXPECT_NE(pomoc.find("--temperature <°C>"), std::string::npos);
}

TEST(OpcjeWiersza, TouchstoneFileFillsWhatItHolds)
{
    const auto folder = std::filesystem::temp_directory_path() / "lintavox-cli-touchstone";
    std::filesystem::create_directories(folder);
    const auto s2p = (folder / "kabel.s2p").string();
    std::ofstream(s2p) << "# MHz S DB\n10 -20 0 -2 0 -2 0 -20 0\n50 -19 0 -5 0 -5 0 -19 0\n100 -18 0 -8 0 -8 0 -18 0\n";
    const TWynikParsowania w = Parsuj({"--touchstone", s2p.c_str(), "--cable", "Cat5e", "--touchstone-dc", "flat"});
    ASSERT_TRUE(w.Opcje.has_value()) << w.Tekst;
    const TUstawieniaSymulacji& u = w.Opcje->Ustawienia;
    EXPECT_EQ(u.Charakterystyki.Tlumienie.size(), 4u);
    EXPECT_EQ(u.Charakterystyki.Tlumienie.front().Y, -2.0f);
    EXPECT_EQ(u.Charakterystyki.Echo.back().Y, -18.0f);
    EXPECT_EQ(u.Charakterystyki.Przesluchy.front().X, 0.1f); // the crosstalk from the cable
    ASSERT_TRUE(u.Pochodzenie.Touchstone.has_value());
    EXPECT_EQ(u.Pochodzenie.Touchstone->PonizejPomiaru, TPonizejPomiaru::Stala);
    EXPECT_EQ(u.Pochodzenie.Touchstone->Listy, (TListyZrodla{true, false, true}));
    EXPECT_EQ(u.Pochodzenie.Kabel->Listy, (TListyZrodla{false, true, false}));
    EXPECT_NE(w.Opcje->Uwagi.find("held flat"), std::string::npos) << w.Opcje->Uwagi;

    const auto s4p = (folder / "para.s4p").string();
    {
        std::ofstream plik(s4p);
        plik << "# MHz S RI\n";
        for (const int f : {1, 2, 3})
            plik << f << " 0.1 0 0.8 0 0 0 0 0\n0.8 0 0.1 0 0 0 0 0\n0 0 0 0 0.1 0 0.8 0\n0 0 0 0 0.8 0 0.1 0\n";
    }
    const TWynikParsowania p = Parsuj({"--touchstone", s4p.c_str(), "--touchstone-ports", "13-24", "--touchstone-points", "3"});
    ASSERT_TRUE(p.Opcje.has_value()) << p.Tekst;
    EXPECT_EQ(p.Opcje->Ustawienia.Charakterystyki.Tlumienie.size(), 3u);
    EXPECT_EQ(p.Opcje->Ustawienia.Pochodzenie.Touchstone->Porty, TKolejnoscPortow::P13_24);

    Odrzucone({"--touchstone", s4p.c_str()}, "--touchstone");
    Odrzucone({"--touchstone", s4p.c_str(), "--touchstone-ports", "14-23"}, "--touchstone-ports");
    Odrzucone({"--touchstone", s2p.c_str(), "--touchstone-dc", "spline"}, "--touchstone-dc");
    Odrzucone({"--touchstone", s2p.c_str(), "--touchstone-points", "1"}, "--touchstone-points");
    Odrzucone({"--touchstone-ports", "13-24"}, "--touchstone-ports");
    const auto zly = (folder / "zly.s2p").string();
    std::ofstream(zly) << "# MHz S DB\n10 -20 0 -2 0 -2 0 -20 0\n5 -20 0 -2 0 -2 0 -20 0\n";
    Odrzucone({"--touchstone", zly.c_str()}, "line 3");
    Odrzucone({"--touchstone", (folder / "brak.s2p").string().c_str()}, "--touchstone");
    std::filesystem::remove_all(folder);
}

TEST(OpcjeWiersza, OutputsAreCheckedAgainstEveryInputBeforeTheRun)
{
    const auto folder = std::filesystem::temp_directory_path() / "lintavox-cli-wyjscia";
    std::filesystem::create_directories(folder);
    const auto model = (folder / "echo.att").string();
    ASSERT_EQ(ZapiszModel(model, {{0, -15}, {100, -15}}), TBladModelu::Brak);
    const auto bity = (folder / "bity.txt").string();
    std::ofstream(bity) << std::string(140, '1');

    const TWynikParsowania w = Parsuj({"--echo-model", model.c_str(), "--bits-file", bity.c_str(), "--json", model.c_str()});
    EXPECT_EQ(w.Kod, 2);
    EXPECT_EQ(w.Tekst, "lintavox-sim: --json: " + model + " is the same file as the input of --echo-model (" + model + ")");
    Odrzucone({"--csv", bity.c_str()}, "--csv");
    EXPECT_TRUE(Parsuj({"--bits-file", bity.c_str(), "--json", (folder / "nowy.json").string().c_str(), "--csv",
                        folder.string().c_str()})
                    .Opcje.has_value());

    TPochodzenie z;
    z.PlikEcha = model;
    z.PlikBitowZaklocen = bity;
    const std::vector<TWejscieWiersza> wejscia = WejsciaWiersza(z);
    ASSERT_EQ(wejscia.size(), 2u);
    EXPECT_EQ(wejscia[1].Opcja, "--crosstalk-bits-file");
    EXPECT_EQ(PrzeszkodaWyjscia((folder / "." / "bity.txt").string(), wejscia),
              (folder / "." / "bity.txt").string() + " is the same file as the input of --crosstalk-bits-file (" + bity + ")");
    EXPECT_EQ(PrzeszkodaWyjscia(folder.string(), {}), folder.string() + " is a directory, not a regular file");
    EXPECT_EQ(PrzeszkodaWyjscia((folder / "nowy.json").string(), wejscia), "");
    std::filesystem::remove_all(folder);
}

TEST(OpcjeWiersza, SourcesNoiseAndJitter)
{
    const TWynikParsowania w = Parsuj({"--source", "prbs31", "--snr", "12.5", "--jitter-ps", "250", "--no-streams"});
    ASSERT_TRUE(w.Opcje.has_value()) << w.Tekst;
    const TUstawieniaSymulacji& u = w.Opcje->Ustawienia;
    EXPECT_EQ(u.Zrodlo, TZrodloBitow::Prbs31);
    EXPECT_EQ(u.SzumIDrzenie.SnrDb, 12.5);
    EXPECT_FALSE(u.SzumIDrzenie.SzumMv.has_value());
    EXPECT_EQ(u.SzumIDrzenie.DrzeniePs, 250.0);
    EXPECT_TRUE(w.Opcje->BezStrumieni);
    EXPECT_FALSE(Parsuj({}).Opcje->BezStrumieni);
    EXPECT_EQ(Parsuj({"--noise-mv", "3.5"}).Opcje->Ustawienia.SzumIDrzenie.SzumMv, 3.5);
    for (const char* zrodlo : {"prbs7", "prbs9", "prbs15", "prbs23"})
        EXPECT_TRUE(Parsuj({"--source", zrodlo}).Opcje.has_value()) << zrodlo;

    Odrzucone({"--source", "prbs11"}, "--source");
    Odrzucone({"--snr", "-21"}, "--snr");
    Odrzucone({"--snr", "101"}, "--snr");
    Odrzucone({"--snr", "nan"}, "--snr");
    Odrzucone({"--snr", "10dB"}, "--snr");
    Odrzucone({"--noise-mv", "-1"}, "--noise-mv");
    Odrzucone({"--noise-mv", "1e9"}, "--noise-mv");
    Odrzucone({"--noise-mv", "inf"}, "--noise-mv");
    Odrzucone({"--snr", "10", "--noise-mv", "3"}, "--noise-mv");
    Odrzucone({"--jitter-ps", "-5"}, "--jitter-ps");
    // Half a symbol of 100BaseTX at 125 Mbaud is 4000 ps; of 10BaseT's half bits at 10 Mbps 25000 ps.
    EXPECT_TRUE(Parsuj({"--jitter-ps", "4000"}).Opcje.has_value());
    Odrzucone({"--jitter-ps", "4001"}, "--jitter-ps");
    EXPECT_TRUE(Parsuj({"--standard", "10BaseT", "--jitter-ps", "25000"}).Opcje.has_value());
    EXPECT_NE(Parsuj({"--jitter-ps", "4001"}).Tekst.find("'4001' is not a number from 0 to 4000 ps"), std::string::npos);
}

TEST(OpcjeWiersza, AnAnalysisFileIsTheStartAndEachOptionGivenOverridesItsSetting)
{
    const auto folder = std::filesystem::temp_directory_path() / "lintavox-cli-analiza";
    std::filesystem::create_directories(folder);
    TUstawieniaSymulacji u = DomyslneUstawienia(3);
    u.Szybkosc = 2000;
    u.Echo = false;
    u.Adaptacyjny = true;
    u.Charakterystyki.Wzmocnienie = Lustro(u.Charakterystyki.Tlumienie);
    u.SzumIDrzenie.SnrDb = 25.0;
    u.Pochodzenie.PlikTlumienia = "nie-ma-go.att"; // recorded only: never read again
    const auto plik = (folder / "a.lintavox").string();
    ASSERT_EQ(ZapiszAnalize(plik, AnalizaJson(u)), "");

    const TWynikParsowania w = Parsuj({"--analysis", plik.c_str()});
    ASSERT_TRUE(w.Opcje.has_value()) << w.Tekst;
    EXPECT_EQ(AnalizaJson(w.Opcje->Ustawienia), AnalizaJson(u));
    EXPECT_EQ(w.Opcje->ZAnalizy["overridden"], nlohmann::json::array());

    const auto model = (folder / "echo.att").string();
    ASSERT_EQ(ZapiszModel(model, {{0, -20}, {100, -20}}), TBladModelu::Brak);
    const TWynikParsowania n = Parsuj({"--analysis", plik.c_str(), "--echo", "--no-adaptive", "--noise-mv", "2",
                                       "--echo-model", model.c_str(), "--bits", "500"});
    ASSERT_TRUE(n.Opcje.has_value()) << n.Tekst;
    const TUstawieniaSymulacji& o = n.Opcje->Ustawienia;
    EXPECT_TRUE(o.Echo);
    EXPECT_FALSE(o.Adaptacyjny);
    EXPECT_FALSE(o.SzumIDrzenie.SnrDb.has_value());
    EXPECT_EQ(o.SzumIDrzenie.SzumMv, 2.0);
    EXPECT_EQ(o.Charakterystyki.Echo.size(), 2u);
    EXPECT_EQ(o.Pochodzenie.PlikEcha, model);
    EXPECT_EQ(o.LiczbaBitow, 500);
    EXPECT_EQ(o.Szybkosc, 2000);
    EXPECT_EQ(AnalizaJson(o)["characteristics"]["attenuation"], AnalizaJson(u)["characteristics"]["attenuation"]);
    std::vector<std::string> zmienione;
    for (const auto& z : n.Opcje->ZAnalizy["overridden"])
        zmienione.push_back(z["member"]);
    EXPECT_EQ(zmienione, (std::vector<std::string>{"settings.bits", "settings.noise_mv", "settings.snr_db", "effects.adaptive",
                                                   "effects.echo", "characteristics.echo", "characteristics.model_files.echo"}));

    // A limit the file's value breaks once the standard changes names the file and the member.
    Odrzucone({"--analysis", plik.c_str(), "--standard", "10BaseT"}, "--analysis: " + plik + ": settings.rate:");
    Odrzucone({"--analysis", (folder / "brak.lintavox").string().c_str()}, "--analysis: ");
    Odrzucone({"--analysis", plik.c_str(), "--adaptive", "--no-adaptive"}, "--no-adaptive");
    std::filesystem::remove_all(folder);
}
