#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "JsonSymulacji.h"
#include "TekstJson.h"

using nlohmann::json;

TEST(TekstJson, NumbersAreTheShortestTextThatReadsBack)
{
    const std::pair<double, const char*> przypadki[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {100.0, "100"},
        {-2.0999999046325684, "-2.0999999046325684"},
        {0.00031242973636835814, "0.00031242973636835814"}, // fixed and scientific equally long: fixed
        {0.0001, "1e-04"},                                   // scientific is shorter
        {1.0436429874971509e-05, "1.0436429874971509e-05"},
        {5e-324, "5e-324"},
        {9007199254740992.0, "9007199254740992"},
        {1.2345678901234568e+17, "123456789012345680"}, // past 2^53: shortest digits, then zeros
        {1e21, "1e+21"},
        {883781414077969.38, "883781414077969.4"},
        {std::numeric_limits<double>::infinity(), "null"},
        {std::nan(""), "null"},
    };
    for (const auto& [liczba, tekst] : przypadki)
        EXPECT_EQ(TekstJson(json(liczba)), tekst) << liczba;
    for (double x = 1e-9; x < 1e9; x *= 1.37)
        EXPECT_EQ(json::parse(TekstJson(json(x))).get<double>(), x);
}

TEST(TekstJson, ObjectsInKeyOrderStringsEscapedAsUtf8)
{
    const json dokument = {{"b", {1, true, nullptr}}, {"a", "Sygnał \"A\"\\\n\x01"}, {"c", json::object()}};
    EXPECT_EQ(TekstJson(dokument), "{\"a\":\"Sygnał \\\"A\\\"\\\\\\n\\u0001\",\"b\":[1,true,null],\"c\":{}}");
    EXPECT_EQ(json::parse(TekstJson(dokument)), dokument);
}

TEST(JsonSymulacji, SettingsReadBackAsWritten)
{
    for (int standard = 0; standard < 4; ++standard) {
        TUstawieniaSymulacji u = DomyslneUstawienia(standard);
        u.LiczbaBitow = 321;
        u.PrzesuniecieEcha = 7;
        u.Zrodlo = TZrodloBitow::Jedynki;
        u.Ziarno = 4000000000u;
        u.Echo = false;
        u.Adaptacyjny = standard % 2 == 1;
        u.Charakterystyki.Tlumienie[2].Y = -4.123f;
        u.Pochodzenie.PlikEcha = "modele/echo/ł.att";
        const json dokument = {{"standard", std::string(Standardy[static_cast<std::size_t>(standard)].Nazwa)},
                               {"settings", UstawieniaJson(u)}};
        std::string blad;
        const auto odczytane = UstawieniaZJson(json::parse(TekstJson(dokument)), blad);
        ASSERT_TRUE(odczytane.has_value()) << blad;
        EXPECT_EQ(odczytane->Standard, standard);
        EXPECT_EQ(odczytane->LiczbaBitow, 321);
        EXPECT_EQ(odczytane->Szybkosc, u.Szybkosc);
        EXPECT_EQ(odczytane->Nachylenie, u.Nachylenie);
        EXPECT_EQ(odczytane->PrzesuniecieEcha, 7);
        EXPECT_EQ(odczytane->Zrodlo, TZrodloBitow::Jedynki);
        EXPECT_EQ(odczytane->Ziarno, 4000000000u);
        EXPECT_FALSE(odczytane->Echo);
        EXPECT_EQ(odczytane->Adaptacyjny, u.Adaptacyjny);
        EXPECT_EQ(odczytane->Charakterystyki.Tlumienie[2].Y, -4.123f);
        EXPECT_EQ(odczytane->Pochodzenie.PlikEcha, "modele/echo/ł.att");
        EXPECT_FALSE(odczytane->Pochodzenie.Kabel.has_value());
        EXPECT_FALSE(odczytane->Pochodzenie.Touchstone.has_value());
    }
}

TEST(JsonSymulacji, WhereTheCharacteristicsCameFromReadsBack)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(3);
    u.Pochodzenie.Kabel = TKabelPochodzenia{{TKategoriaKabla::Cat6, 80.0, 35.5}, {true, true, false}};
    u.Pochodzenie.Touchstone =
        TTouchstonePochodzenia{"pomiary/para.s4p", TKolejnoscPortow::P12_34, TPonizejPomiaru::Stala, 120, {false, false, true}};
    const json ustawienia = UstawieniaJson(u);
    EXPECT_EQ(ustawienia["cable"]["category"], "Cat6");
    EXPECT_EQ(ustawienia["cable"]["characteristics"], json::array({"attenuation", "crosstalk"}));
    EXPECT_EQ(ustawienia["touchstone"]["ports"], "12-34");
    EXPECT_EQ(ustawienia["touchstone"]["below_data"], "flat");
    std::string blad;
    const auto odczytane =
        UstawieniaZJson(json::parse(TekstJson({{"standard", "1000BaseT"}, {"settings", ustawienia}})), blad);
    ASSERT_TRUE(odczytane.has_value()) << blad;
    EXPECT_EQ(odczytane->Pochodzenie.Kabel, u.Pochodzenie.Kabel);
    EXPECT_EQ(odczytane->Pochodzenie.Touchstone, u.Pochodzenie.Touchstone);

    // Documents of earlier releases, without the two records, still read.
    json starszy = {{"standard", "1000BaseT"}, {"settings", ustawienia}};
    starszy["settings"].erase("cable");
    starszy["settings"].erase("touchstone");
    EXPECT_TRUE(UstawieniaZJson(starszy, blad).has_value()) << blad;

    const std::pair<std::function<void(json&)>, const char*> zle[] = {
        {[](json& s) { s["cable"]["category"] = "Cat7"; }, "cable: category"},
        {[](json& s) { s["cable"]["length"] = 0; }, "cable: length must be a number from 1 to 200"},
        {[](json& s) { s["cable"]["temperature"] = 61; }, "cable: temperature"},
        {[](json& s) { s["cable"]["characteristics"] = json::array({"regeneration"}); }, "cable: characteristics"},
        {[](json& s) { s["touchstone"]["ports"] = "14-23"; }, "touchstone: ports"},
        {[](json& s) { s["touchstone"]["below_data"] = "spline"; }, "touchstone: below_data"},
        {[](json& s) { s["touchstone"]["points"] = 1; }, "touchstone: points"},
        {[](json& s) { s["touchstone"].erase("file"); }, "file: is missing"},
    };
    for (const auto& [zmiana, oczekiwany] : zle) {
        json d = {{"standard", "1000BaseT"}, {"settings", ustawienia}};
        zmiana(d["settings"]);
        EXPECT_FALSE(UstawieniaZJson(d, blad).has_value()) << oczekiwany;
        EXPECT_EQ(blad.rfind(oczekiwany, 0), 0u) << blad;
    }
}

TEST(JsonSymulacji, ABadSettingIsNamedAndNothingIsRead)
{
    const TUstawieniaSymulacji u = DomyslneUstawienia(1);
    const json dobre = {{"standard", "100BaseTX"}, {"settings", UstawieniaJson(u)}};
    const std::pair<std::function<void(json&)>, const char*> zmiany[] = {
        {[](json& d) { d["standard"] = "2000BaseT"; }, "standard"},
        {[](json& d) { d["settings"]["rate"] = "99"; }, "rate: a whole number from 100 to 500"},
        {[](json& d) { d["settings"]["bits"] = 1.5; }, "bits: must be a whole number"},
        {[](json& d) { d["settings"]["echo"] = 1; }, "echo: must be true or false"},
        {[](json& d) { d["settings"]["source"] = "prbs99"; }, "source"},
        {[](json& d) { d["settings"]["seed"] = -1; }, "seed"},
        {[](json& d) { d["settings"].erase("slope"); }, "slope: is missing"},
        {[](json& d) { d["settings"]["attenuation"] = json::array({json::array({10, -1}), json::array({5, -2})}); },
         "attenuation: needs non-negative, increasing frequencies"},
        {[](json& d) { d["settings"]["echo_characteristic"] = json::array({json::array({"a", 1})}); },
         "echo_characteristic"},
    };
    for (const auto& [zmiana, oczekiwany] : zmiany) {
        json d = dobre;
        zmiana(d);
        std::string blad;
        EXPECT_FALSE(UstawieniaZJson(d, blad).has_value()) << oczekiwany;
        EXPECT_EQ(blad.rfind(oczekiwany, 0), 0u) << blad;
    }
    std::string blad;
    EXPECT_FALSE(UstawieniaZJson(json::array(), blad).has_value());
}

TEST(JsonSymulacji, ResultHoldsEveryLaneAndFigure)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(3);
    u.Ziarno = 5;
    u.Regeneracja = false;
    const auto w = Symuluj(u, nullptr, {});
    ASSERT_NE(w, nullptr);
    const json d = WynikJson(*w);
    EXPECT_EQ(d["standard"], "1000BaseT");
    EXPECT_EQ(d["settings"]["seed"], 5);
    EXPECT_EQ(d["settings"]["rate"], "1000");
    EXPECT_EQ(d["symbol_rate"], 125);
    ASSERT_EQ(d["lanes"].size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const json& tor = d["lanes"][i];
        EXPECT_EQ(tor["name"], w->Tory[i].Nazwa);
        EXPECT_TRUE(tor["regenerated"].is_null());
        EXPECT_EQ(tor["amplified"]["x"].size(), static_cast<std::size_t>(w->Tory[i].Wzmocniony->ZwrocDlugosc()));
        EXPECT_EQ(tor["decoded"]["y"].size(), tor["decoded"]["x"].size());
    }
    EXPECT_EQ(d["input_streams"].size(), w->Wejsciowe.size());
    EXPECT_EQ(d["ber"].get<double>(), w->BER);
}

TEST(JsonSymulacji, SourcesAndImpairmentsReadBackAndEarlierDocumentsStillRead)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(2);
    u.Zrodlo = TZrodloBitow::Prbs23;
    u.SzumIDrzenie.SnrDb = 12.5;
    u.SzumIDrzenie.DrzeniePs = 250.0;
    json dokument = {{"standard", "100BaseTX (bez 4B5B)"}, {"settings", UstawieniaJson(u)}};
    EXPECT_EQ(dokument["settings"]["source"], "prbs23");
    EXPECT_TRUE(dokument["settings"]["noise_mv"].is_null());
    std::string blad;
    auto odczytane = UstawieniaZJson(json::parse(TekstJson(dokument)), blad);
    ASSERT_TRUE(odczytane.has_value()) << blad;
    EXPECT_EQ(odczytane->Zrodlo, TZrodloBitow::Prbs23);
    EXPECT_EQ(odczytane->SzumIDrzenie.SnrDb, 12.5);
    EXPECT_FALSE(odczytane->SzumIDrzenie.SzumMv.has_value());
    EXPECT_EQ(odczytane->SzumIDrzenie.DrzeniePs, 250.0);

    // Written before the impairments existed: they read as off.
    for (const char* pole : {"snr_db", "noise_mv", "jitter_ps"})
        dokument["settings"].erase(pole);
    odczytane = UstawieniaZJson(dokument, blad);
    ASSERT_TRUE(odczytane.has_value()) << blad;
    EXPECT_FALSE(odczytane->SzumIDrzenie.SnrDb || odczytane->SzumIDrzenie.SzumMv);
    EXPECT_EQ(odczytane->SzumIDrzenie.DrzeniePs, 0.0);

    // Limits as the settings check has them; long runs read unless the caller keeps the page's limit.
    const std::pair<std::function<void(json&)>, const char*> zmiany[] = {
        {[](json& d) { d["settings"]["snr_db"] = 120; }, "snr_db: a number from -20 to 100 dB"},
        {[](json& d) { d["settings"]["noise_mv"] = "loud"; }, "noise_mv: must be a number"},
        {[](json& d) { d["settings"]["jitter_ps"] = 5001; }, "jitter_ps: a number from 0 to 5000 ps"},
        {[](json& d) { d["settings"]["source"] = "prbs11"; }, "source: must be random, zeros, ones, prbs7, prbs9"},
    };
    for (const auto& [zmiana, oczekiwany] : zmiany) {
        json d = dokument;
        zmiana(d);
        EXPECT_FALSE(UstawieniaZJson(d, blad).has_value()) << oczekiwany;
        EXPECT_EQ(blad.rfind(oczekiwany, 0), 0u) << blad;
    }
    dokument["settings"]["bits"] = 1000000;
    EXPECT_TRUE(UstawieniaZJson(dokument, blad).has_value()) << blad;
    EXPECT_FALSE(UstawieniaZJson(dokument, blad, LiczbaBitowMax).has_value());
}

TEST(JsonSymulacji, CountedFiguresAndAResultWithoutStreams)
{
    TUstawieniaSymulacji u = DomyslneUstawienia(1);
    u.Ziarno = 3;
    u.SzumIDrzenie.SnrDb = 8.0;
    const auto w = Symuluj(u, nullptr, {});
    ASSERT_NE(w, nullptr);
    const json pelny = WynikJson(*w);
    EXPECT_EQ(pelny["counted_errors"], w->Zliczone.Bledy);
    EXPECT_EQ(pelny["compared_bits"], 100);
    EXPECT_EQ(pelny["ber_counted"].get<double>(), w->Zliczone.BER);
    EXPECT_EQ(pelny["ber_ci_low"].get<double>(), w->Zliczone.Dolna);
    EXPECT_EQ(pelny["ber_ci_high"].get<double>(), w->Zliczone.Gorna);
    EXPECT_EQ(pelny["lanes"][0]["sampling_phase"].get<double>(), w->Tory[0].FazaProbkowania);
    EXPECT_EQ(pelny["lanes"][0]["symbol_delay"], w->Tory[0].OpoznienieSymboli);
    EXPECT_EQ(pelny["counted_errors_sentence"].get<std::string>().rfind("Zliczone błędy: ", 0), 0u);
    EXPECT_EQ(pelny["settings"]["snr_db"], 8.0);

    const json krotki = WynikJson(*w, false);
    for (const char* pole : {"input_streams", "histogram", "cumulative"}) {
        EXPECT_TRUE(pelny.contains(pole)) << pole;
        EXPECT_FALSE(krotki.contains(pole)) << pole;
    }
    EXPECT_FALSE(krotki["lanes"][0].contains("amplified"));
    EXPECT_EQ(krotki["lanes"][0]["sampling_phase"], pelny["lanes"][0]["sampling_phase"]);
    // Every figure is the same; only the streams are gone.
    json bezStrumieni = pelny;
    for (const char* pole : {"input_streams", "histogram", "cumulative"})
        bezStrumieni.erase(pole);
    for (json& tor : bezStrumieni["lanes"])
        for (const char* pole : {"sent", "received", "regenerated", "amplified", "decoded", "reference"})
            tor.erase(pole);
    EXPECT_EQ(bezStrumieni, krotki);
}
