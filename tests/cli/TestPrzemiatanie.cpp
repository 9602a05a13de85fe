// `lintavox-sim sweep` as a user runs it: rows equal to single runs, an interrupted sweep
// resumed into the file an uninterrupted one writes, the chart and the JSON files, and every
// refused input in one line with nothing written.
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QThread>

#include <signal.h>

#include <algorithm>
#include <map>

#include "Csv.h"
#include "JsonSymulacji.h"
#include "PrzemiatanieWiersza.h"
#include "ProcesSymulatora.h"

namespace {

QStringList Argumenty(std::initializer_list<const char*> a)
{
    QStringList lista;
    for (const char* s : a)
        lista << QString::fromUtf8(s);
    return lista;
}

// A result column's figure where a single run's document holds it.
double Wielkosc(const QJsonObject& dokument, const std::string& kolumna)
{
    const QJsonObject wyniki = dokument[QStringLiteral("results")].toObject();
    const QJsonObject zliczone = wyniki[QStringLiteral("counted")].toObject();
    static const std::map<std::string, std::pair<bool, const char*>> miejsca = {
        {"ber", {false, "ber"}},
        {"ber_counted", {true, "ber"}},
        {"counted_errors", {true, "errors"}},
        {"compared_bits", {true, "compared_bits"}},
        {"ber_ci_low", {true, "ci_low"}},
        {"ber_ci_high", {true, "ci_high"}},
        {"error_share", {false, "error_share"}},
        {"max_error", {false, "max_error"}},
    };
    const auto& [zZliczonych, klucz] = miejsca.at(kolumna);
    return (zZliczonych ? zliczone : wyniki)[QString::fromLatin1(klucz)].toDouble();
}

std::vector<std::vector<std::string>> Wiersze(const QString& plik)
{
    std::vector<std::vector<std::string>> wiersze;
    for (const QByteArray& linia : Zawartosc(plik).split('\n'))
        if (!linia.isEmpty())
            wiersze.push_back(KomorkiCsv(linia.toStdString()).value());
    return wiersze;
}

TEST(Przemiatanie, TwoByThreeGivesTheRowsOfSixSingleRuns)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("sweep.csv"));
    const TWynikProcesu w = Uruchom(QStringList{QStringLiteral("sweep")} +
                                    Argumenty({"--cable", "Cat5e", "--length", "20,80", "--rate", "100:300:100",
                                               "--seed", "7", "--jobs", "2", "--quiet", "--out"}) +
                                    QStringList{csv});
    ASSERT_EQ(w.Kod, 0) << w.Bledy.toStdString();
    EXPECT_TRUE(w.Bledy.isEmpty()) << w.Bledy.toStdString();
    const auto wiersze = Wiersze(csv);
    ASSERT_EQ(wiersze.size(), 7u);
    const std::vector<std::string>& naglowek = wiersze[0];
    EXPECT_EQ(naglowek, (std::vector<std::string>{"category", "length", "rate", "seed", "ber", "ber_counted",
                                                  "counted_errors", "compared_bits", "ber_ci_low", "ber_ci_high",
                                                  "error_share", "max_error", "eye_height_mv", "eye_width_ui"}));
    std::size_t r = 1;
    for (const char* dlugosc : {"20", "80"})
        for (const char* szybkosc : {"100", "200", "300"}) {
            const std::vector<std::string>& wiersz = wiersze[r++];
            EXPECT_EQ(wiersz[0], "Cat5e");
            EXPECT_EQ(wiersz[1], dlugosc);
            EXPECT_EQ(wiersz[2], szybkosc);
            const QString json = folder.filePath(QStringLiteral("single.json"));
            const TWynikProcesu jeden =
                Uruchom(Argumenty({"--cable", "Cat5e", "--length", dlugosc, "--rate", szybkosc, "--seed", "7",
                                   "--no-streams", "--quiet", "--json"}) +
                        QStringList{json});
            ASSERT_EQ(jeden.Kod, 0) << jeden.Bledy.toStdString();
            const QJsonObject o = Json(json);
            for (std::size_t k = 4; k + 2 < naglowek.size(); ++k)
                EXPECT_EQ(std::stod(wiersz[k]), Wielkosc(o, naglowek[k]))
                    << naglowek[k] << " at " << dlugosc << " m, " << szybkosc << " Mbps";
            // The eye columns: the smallest opening over every lane of the single run.
            double wysokosc = 1e300;
            double szerokosc = 1e300;
            for (const QJsonValue tor : o[QStringLiteral("results")][QStringLiteral("eye")].toArray())
                for (const QJsonValue podoko : tor.toArray()) {
                    wysokosc = std::min(wysokosc, podoko[QStringLiteral("height_mv")].toDouble(1e300));
                    szerokosc = std::min(szerokosc, podoko[QStringLiteral("width_ui")].toDouble(1e300));
                }
            EXPECT_EQ(std::stod(wiersz[naglowek.size() - 2]), wysokosc);
            EXPECT_EQ(std::stod(wiersz[naglowek.size() - 1]), szerokosc);
        }
}

TEST(Przemiatanie, InterruptedAndResumedGivesTheFileOfAnUninterruptedSweep)
{
    QTemporaryDir folder;
    // 5,000 bits a run: long enough to stop between rows, streams past the direct sum's reach,
    // and short enough for the sanitizer builds.
    const QStringList przemiatanie =
        QStringList{QStringLiteral("sweep")} + Argumenty({"--bits", "5000", "--seed", "1..8", "--quiet", "--out"});
    const QString caly = folder.filePath(QStringLiteral("whole.csv"));
    const TWynikProcesu w = Uruchom(przemiatanie + QStringList{caly, QStringLiteral("--jobs"), QStringLiteral("1")});
    ASSERT_EQ(w.Kod, 0) << w.Bledy.toStdString();

    // Ctrl-C once a row is in the file, on two cores at once.
    const QString przerwany = folder.filePath(QStringLiteral("interrupted.csv"));
    QProcess proces;
    proces.start(QStringLiteral(LINTAVOX_SIM), przemiatanie + QStringList{przerwany, QStringLiteral("--jobs"),
                                                                         QStringLiteral("2")});
    ASSERT_TRUE(proces.waitForStarted());
    while (Zawartosc(przerwany).count('\n') < 2 && proces.state() == QProcess::Running)
        QThread::msleep(5);
    ::kill(static_cast<pid_t>(proces.processId()), SIGINT);
    ASSERT_TRUE(proces.waitForFinished(60000));
    ASSERT_EQ(proces.exitCode(), 130) << proces.readAllStandardError().toStdString();
    EXPECT_TRUE(proces.readAllStandardError().contains("interrupted"));
    const QByteArray czesc = Zawartosc(przerwany);
    EXPECT_LT(czesc.count('\n'), 9);
    // A row cut short by a crash or a full disk is run again.
    Zapisz(przerwany, czesc + "10");

    const TWynikProcesu dalej = Uruchom(przemiatanie + QStringList{przerwany});
    ASSERT_EQ(dalej.Kod, 0) << dalej.Bledy.toStdString();
    EXPECT_EQ(Zawartosc(przerwany), Zawartosc(caly));
    // Once complete, running it again runs nothing and changes nothing.
    const TWynikProcesu znowu = Uruchom(przemiatanie + QStringList{przerwany});
    ASSERT_EQ(znowu.Kod, 0) << znowu.Bledy.toStdString();
    EXPECT_EQ(Zawartosc(przerwany), Zawartosc(caly));
}

TEST(Przemiatanie, AResumeWithOtherSettingsIsRefusedByTheAnalysisBesideTheRows)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("sweep.csv"));
    const QString analiza = csv + QStringLiteral(".lintavox");
    const QStringList przemiatanie = QStringList{QStringLiteral("sweep")} +
                                     Argumenty({"--bits", "100", "--rate", "100,200", "--seed", "3", "--quiet"});
    const TWynikProcesu w = Uruchom(przemiatanie + QStringList{QStringLiteral("--out"), csv});
    ASSERT_EQ(w.Kod, 0) << w.Bledy.toStdString();
    const QByteArray caly = Zawartosc(csv);

    // The analysis opens as any other: the settings of a run of the sweep.
    TBladAnalizy blad;
    const std::optional<TAnaliza> a = WczytajAnalize(analiza.toStdString(), blad);
    ASSERT_TRUE(a.has_value()) << blad.Opis;
    EXPECT_EQ(a->Ustawienia.Ziarno, 3u);
    EXPECT_EQ(a->Ustawienia.LiczbaBitow, 100);
    EXPECT_FALSE(a->Wynik);

    // A setting that is no axis of the sweep, changed for the resume of an interrupted one.
    const QByteArray pierwszyWiersz = caly.left(caly.indexOf('\n', caly.indexOf('\n') + 1) + 1);
    Zapisz(csv, pierwszyWiersz);
    const TWynikProcesu inne = Uruchom(przemiatanie + Argumenty({"--no-echo", "--out"}) + QStringList{csv});
    JednaLinia(inne, 2, {"--out", "effects.echo was true", "sweep.csv.lintavox"}, "lintavox-sim sweep: ");
    EXPECT_EQ(Zawartosc(csv), pierwszyWiersz);

    // The same settings resume into the whole file.
    const TWynikProcesu dalej = Uruchom(przemiatanie + QStringList{QStringLiteral("--out"), csv});
    ASSERT_EQ(dalej.Kod, 0) << dalej.Bledy.toStdString();
    EXPECT_EQ(Zawartosc(csv), caly);

    // A damaged analysis is named rather than passed over.
    Zapisz(csv, pierwszyWiersz);
    Zapisz(analiza, "{");
    JednaLinia(Uruchom(przemiatanie + QStringList{QStringLiteral("--out"), csv}), 2, {"--out", "sweep.csv.lintavox"},
               "lintavox-sim sweep: ");
}

TEST(Przemiatanie, DrawsTheChartAndKeepsEachRunsJson)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("sweep.csv"));
    const QString png = folder.filePath(QStringLiteral("sweep.png"));
    const QString json = folder.filePath(QStringLiteral("json"));
    const TWynikProcesu w = Uruchom(QStringList{QStringLiteral("sweep")} +
                                    Argumenty({"--standard", "10BaseT,100BaseTX", "--snr", "6,8", "--seed", "2",
                                               "--no-streams", "--quiet", "--lang", "en", "--out"}) +
                                    QStringList{csv, QStringLiteral("--plot"), png, QStringLiteral("--keep-json"), json});
#if LINTAVOX_Z_WYKRESEM
    ASSERT_EQ(w.Kod, 0) << w.Bledy.toStdString();
    EXPECT_TRUE(w.Bledy.isEmpty()) << w.Bledy.toStdString();
    EXPECT_TRUE(Zawartosc(png).startsWith("\x89PNG\r\n"));
#else
    JednaLinia(w, 2, {"--plot", "LINTAVOX_GUI"}, "lintavox-sim sweep: ");
    GTEST_SKIP() << "this build has no chart: the rest needs the sweep to run";
#endif
    const QStringList pliki = QDir(json).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(pliki, (QStringList{QStringLiteral("1_standard-10BaseT_snr_db-6_seed-2.json"),
                                  QStringLiteral("2_standard-10BaseT_snr_db-8_seed-2.json"),
                                  QStringLiteral("3_standard-100BaseTX_snr_db-6_seed-2.json"),
                                  QStringLiteral("4_standard-100BaseTX_snr_db-8_seed-2.json")}));
    const auto wiersze = Wiersze(csv);
    ASSERT_EQ(wiersze.size(), 5u);
    const QJsonObject trzeci = Json(QDir(json).filePath(pliki.value(2)));
    EXPECT_EQ(trzeci[QStringLiteral("standard")].toString(), QStringLiteral("100BaseTX"));
    EXPECT_EQ(Wielkosc(trzeci, "ber"), std::stod(wiersze[3][3]));
    EXPECT_FALSE(trzeci[QStringLiteral("results")].toObject().contains(QStringLiteral("input_streams")));
    EXPECT_TRUE(trzeci[QStringLiteral("results")].toObject()[QStringLiteral("ber_sentence")].toString().startsWith(
        QStringLiteral("At a transmission rate of 100 Mbps this means ")));
}

TEST(Przemiatanie, BadInputIsOneLineNamingTheAxisOrFileAndWritesNothing)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("sweep.csv"));
    const QString sweepJson = folder.filePath(QStringLiteral("sweep.json"));
    Zapisz(sweepJson, R"({"axes": [{"axis": "colour", "values": [1, 2]}]})");
    const struct {
        QStringList Argumenty;
        std::initializer_list<const char*> Czesci;
    } przypadki[] = {
        {Argumenty({"--rate", "100:500:0"}), {"--rate", "zero"}},
        {Argumenty({"--rate", "500:100:100"}), {"--rate", "500:100:100"}},
        {Argumenty({"--snr", ""}), {"--snr", "empty"}},
        {Argumenty({"--snr", "8,,10"}), {"--snr", "empty"}},
        {Argumenty({"--colour", "1,2"}), {"colour"}},
        {QStringList{QStringLiteral("--sweep-file"), sweepJson}, {"sweep.json", "colour"}},
        {Argumenty({"--standard", "all", "--rate", "100,200"}), {"--rate", "'200'", "standard 10BaseT"}},
        {Argumenty({"--cable", "Cat6", "--length", "50:250:50"}), {"--length", "'250'"}},
        {Argumenty({"--seed", "1,2", "--snr", "8", "--noise-mv", "3"}), {"--noise-mv"}},
        {Argumenty({"--rate", "100,200", "--jobs", "0"}), {"--jobs"}},
        {Argumenty({"--rate", "100,200", "--plot", "chart.gif"}), {"--plot"}},
        {Argumenty({"--rate", "100,200", "--lang", "de"}), {"--lang", "'de'"}},
        // The rows are the sweep's output; a single run's files are not.
        {Argumenty({"--rate", "100,200", "--json", "run.json"}), {"json"}},
    };
    for (const auto& p : przypadki) {
        const TWynikProcesu w =
            Uruchom(QStringList{QStringLiteral("sweep")} + p.Argumenty + QStringList{QStringLiteral("--out"), csv});
        JednaLinia(w, 2, p.Czesci, "lintavox-sim sweep: ");
        EXPECT_FALSE(QFile::exists(csv)) << p.Argumenty.join(QLatin1Char(' ')).toStdString();
    }

    // Outputs that cannot be written, and a file another sweep wrote.
    const QString inny = folder.filePath(QStringLiteral("other.csv"));
    Zapisz(inny, "rate,seed,ber\n100,1,0.5\n");
    const struct {
        QString Plik;
        const char* Czesc;
    } wyjscia[] = {
        {folder.filePath(QStringLiteral("missing/sweep.csv")), "missing"},
        {folder.path(), "directory"},
        {inny, "other.csv"},
    };
    for (const auto& o : wyjscia) {
        const TWynikProcesu w = Uruchom(QStringList{QStringLiteral("sweep")} +
                                        Argumenty({"--rate", "100,200", "--seed", "1", "--out"}) + QStringList{o.Plik});
        JednaLinia(w, 2, {"--out", o.Czesc}, "lintavox-sim sweep: ");
    }
    EXPECT_EQ(Zawartosc(inny), QByteArray("rate,seed,ber\n100,1,0.5\n"));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("missing"))));
}

TEST(Przemiatanie, HelpListsItsOwnOptionsAndTheSettingsOfARun)
{
    const TWynikProcesu w = Uruchom(Argumenty({"sweep", "--help"}));
    ASSERT_EQ(w.Kod, 0) << w.Bledy.toStdString();
    for (const char* czesc : {"--out <file.csv>", "--jobs", "--keep-json", "--plot", "--sweep-file", "--cable",
                              "--temperature <°C>", "--seed"})
        EXPECT_TRUE(w.Wyjscie.contains(czesc)) << czesc;
    EXPECT_FALSE(w.Wyjscie.contains("--json")) << w.Wyjscie.toStdString();
}

TEST(DaneWykresu, TheFirstSweptAxisAgainstTheFigureASeriesPerValueOfTheOthers)
{
    std::string blad;
    const std::vector<TOsZWartosciami> osie = {
        {TOsPrzemiatania::Standard, *ParsujWartosci(TOsPrzemiatania::Standard, "100BaseTX", blad)},
        {TOsPrzemiatania::Szybkosc, *ParsujWartosci(TOsPrzemiatania::Szybkosc, "100,200", blad)},
        {TOsPrzemiatania::Snr, *ParsujWartosci(TOsPrzemiatania::Snr, "8,10", blad)},
    };
    const std::vector<std::string> naglowek{"standard", "rate", "snr_db", "seed", "ber"};
    const std::vector<std::vector<std::string>> wiersze{
        {"100BaseTX", "100", "8", "1", "0.01"}, {"100BaseTX", "100", "10", "1", "0"},
        {"100BaseTX", "200", "8", "1", "0.02"}, {"100BaseTX", "200", "10", "1", "0.001"}};
    const TDaneWykresuPrzemiatania dane = DaneWykresu(osie, naglowek, wiersze, "ber");
    EXPECT_EQ(dane.OpisX, "rate (Mbps)");
    EXPECT_EQ(dane.OpisY, "ber");
    EXPECT_TRUE(dane.NazwyX.empty());
    ASSERT_EQ(dane.Serie.size(), 2u);
    EXPECT_EQ(dane.Serie[0].Nazwa, "snr_db 8 dB");
    EXPECT_EQ(dane.Serie[0].Punkty, (std::vector<std::pair<double, double>>{{100, 0.01}, {200, 0.02}}));
    // A figure of 0 has no place on a logarithmic scale.
    EXPECT_EQ(dane.Serie[1].Punkty, (std::vector<std::pair<double, double>>{{200, 0.001}}));

    const std::vector<TOsZWartosciami> nazwy = {
        {TOsPrzemiatania::Zrodlo, *ParsujWartosci(TOsPrzemiatania::Zrodlo, "prbs7,random", blad)}};
    const TDaneWykresuPrzemiatania zNazwami =
        DaneWykresu(nazwy, {"source", "seed", "ber"}, {{"random", "1", "0.5"}, {"prbs7", "1", "0.25"}}, "ber");
    EXPECT_EQ(zNazwami.NazwyX, (std::vector<std::string>{"prbs7", "random"}));
    ASSERT_EQ(zNazwami.Serie.size(), 1u);
    EXPECT_EQ(zNazwami.Serie[0].Punkty, (std::vector<std::pair<double, double>>{{0, 0.25}, {1, 0.5}}));
}

} // namespace
