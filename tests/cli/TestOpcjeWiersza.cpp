#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "OpcjeWiersza.h"
#include "PlikModelu.h"

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
    Odrzucone({"--bits", "1001"}, "--bits");
    Odrzucone({"--bits", "99"}, "--bits");
    Odrzucone({"--bits", "1e3"}, "--bits");
    EXPECT_TRUE(Parsuj({"--bits", "1000"}).Opcje.has_value());
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
