#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <signal.h>
#include <sys/stat.h>

#include <cstdint>

#include "ProcesSymulatora.h"
#include "WykresPrzemiatania.h"

namespace {

// A model file of the points (MHz, dB).
QByteArray Model(std::initializer_list<std::pair<float, float>> punkty)
{
    QByteArray bajty("LintaVOX", 9);
    const auto liczba = static_cast<std::int32_t>(punkty.size());
    bajty.append(reinterpret_cast<const char*>(&liczba), sizeof liczba);
    for (const auto& [x, y] : punkty) {
        bajty.append(reinterpret_cast<const char*>(&x), sizeof x);
        bajty.append(reinterpret_cast<const char*>(&y), sizeof y);
    }
    return bajty;
}

qsizetype Dlugosc(const QJsonObject& punkty)
{
    EXPECT_EQ(punkty[QStringLiteral("x")].toArray().size(), punkty[QStringLiteral("y")].toArray().size());
    return punkty[QStringLiteral("x")].toArray().size();
}

} // namespace

TEST(LintavoxSim, BadValuesExitWithTwoAndWriteNothing)
{
    QTemporaryDir folder;
    const QString json = folder.filePath(QStringLiteral("out.json"));
    for (const QStringList& argumenty : {
             QStringList{QStringLiteral("--bits"), QStringLiteral("5")},
             QStringList{QStringLiteral("--standard"), QStringLiteral("1000BaseT"), QStringLiteral("--rate"), QStringLiteral("999")},
             QStringList{QStringLiteral("--no-such-option")},
             QStringList{QStringLiteral("--attenuation"), folder.filePath(QStringLiteral("brak.att"))},
             QStringList{QStringLiteral("--cable"), QStringLiteral("Cat9")},
             QStringList{QStringLiteral("--touchstone"), folder.filePath(QStringLiteral("brak.s2p"))},
             QStringList{QStringLiteral("--bits"), QStringLiteral("1000001")},
             QStringList{QStringLiteral("--snr"), QStringLiteral("-40")},
             QStringList{QStringLiteral("--noise-mv"), QStringLiteral("nan")},
             QStringList{QStringLiteral("--jitter-ps"), QStringLiteral("1e6")},
             QStringList{QStringLiteral("--source"), QStringLiteral("prbs8")},
             QStringList{QStringLiteral("--lang"), QStringLiteral("de")},
         }) {
        const TWynikProcesu w = Uruchom(argumenty + QStringList{QStringLiteral("--json"), json});
        EXPECT_EQ(w.Kod, 2) << argumenty.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(w.Bledy.count('\n'), 1) << w.Bledy.toStdString();
        EXPECT_FALSE(QFile::exists(json));
    }
}

TEST(LintavoxSim, EnglishSentencesBesideTheSameFigures)
{
    QTemporaryDir folder;
    const QString polski = folder.filePath(QStringLiteral("pl.json"));
    const QString angielski = folder.filePath(QStringLiteral("en.json"));
    const QStringList wspolne{QStringLiteral("--seed"), QStringLiteral("5"), QStringLiteral("--snr"), QStringLiteral("10"),
                              QStringLiteral("--no-streams"), QStringLiteral("--json")};
    const TWynikProcesu pl = Uruchom(wspolne + QStringList{polski});
    const TWynikProcesu en = Uruchom(wspolne + QStringList{angielski, QStringLiteral("--lang"), QStringLiteral("en")});
    ASSERT_EQ(pl.Kod, 0) << pl.Bledy.toStdString();
    ASSERT_EQ(en.Kod, 0) << en.Bledy.toStdString();
    EXPECT_TRUE(pl.Wyjscie.contains("Bitowa stopa błędu (BER): "));
    EXPECT_TRUE(en.Wyjscie.contains("Bit error rate (BER): "));
    EXPECT_TRUE(en.Wyjscie.contains("Largest error: "));
    EXPECT_FALSE(en.Wyjscie.contains("ę")) << en.Wyjscie.toStdString();

    QJsonObject opl = Json(polski);
    QJsonObject oen = Json(angielski);
    QJsonObject wpl = opl[QStringLiteral("results")].toObject();
    QJsonObject wen = oen[QStringLiteral("results")].toObject();
    QJsonObject zpl = wpl[QStringLiteral("counted")].toObject();
    QJsonObject zen = wen[QStringLiteral("counted")].toObject();
    // Each sentence in English, in place of the Polish one.
    const auto porownaj = [](QJsonObject& pl, QJsonObject& en, const char* klucz, const char* poczatek) {
        const QString k = QString::fromLatin1(klucz);
        EXPECT_TRUE(en[k].toString().startsWith(QString::fromUtf8(poczatek))) << en[k].toString().toStdString();
        EXPECT_NE(en[k], pl[k]) << klucz;
        pl.remove(k);
        en.remove(k);
    };
    porownaj(wpl, wen, "ber_sentence", "At a transmission rate of 100 Mbps this means ");
    porownaj(wpl, wen, "correct_time_sentence", "Transmission correct for ");
    porownaj(zpl, zen, "errors_sentence", "Counted errors: ");
    porownaj(zpl, zen, "ber_sentence", "Counted BER: ");
    porownaj(zpl, zen, "estimate_check_sentence", "The ERF estimate (");
    porownaj(zpl, zen, "target_sentence", "Showing a BER below 1.0×10⁻¹⁰ with 95% confidence takes ");
    EXPECT_FALSE(wen[QStringLiteral("ber_label")].toString().contains(QLatin1Char(',')));
    wpl.remove(QStringLiteral("ber_label"));
    wen.remove(QStringLiteral("ber_label"));
    wpl[QStringLiteral("counted")] = zpl;
    wen[QStringLiteral("counted")] = zen;
    opl[QStringLiteral("results")] = wpl;
    oen[QStringLiteral("results")] = wen;
    // Everything else, every figure and setting, is the same in both documents.
    EXPECT_EQ(opl, oen);
}

TEST(LintavoxSim, JsonHoldsEveryResult)
{
    QTemporaryDir folder;
    const QString json = folder.filePath(QStringLiteral("out.json"));
    const TWynikProcesu w = Uruchom({QStringLiteral("--seed"), QStringLiteral("3"), QStringLiteral("--json"), json,
                                     QStringLiteral("--csv"), folder.filePath(QStringLiteral("csv"))});
    ASSERT_EQ(w.Kod, 0) << w.Bledy.toStdString();
    EXPECT_TRUE(w.Wyjscie.contains("Bitowa stopa błędu (BER): "));
    EXPECT_TRUE(w.Wyjscie.contains("Transmisja poprawna w "));

    const QJsonObject o = Json(json);
    EXPECT_EQ(o[QStringLiteral("format")].toString(), QStringLiteral("lintavox-analysis"));
    EXPECT_EQ(o[QStringLiteral("version")].toInt(), 1);
    EXPECT_EQ(o[QStringLiteral("standard")].toString(), QStringLiteral("100BaseTX"));
    EXPECT_EQ(o[QStringLiteral("settings")].toObject()[QStringLiteral("seed")].toInt(), 3);
    const QJsonObject r = o[QStringLiteral("results")].toObject();
    EXPECT_EQ(r[QStringLiteral("symbol_rate")].toInt(), 125);
    EXPECT_EQ(r[QStringLiteral("encoded_bits")].toInt(), 140);
    EXPECT_EQ(r[QStringLiteral("seed")].toInt(), 3);
    EXPECT_TRUE(r[QStringLiteral("error_share")].isDouble());
    EXPECT_EQ(r[QStringLiteral("input_streams")].toArray().size(), 4);
    EXPECT_EQ(Dlugosc(r[QStringLiteral("histogram")].toObject()), 1001);
    EXPECT_EQ(Dlugosc(r[QStringLiteral("cumulative")].toObject()), 1001);
    const QJsonArray tory = r[QStringLiteral("lanes")].toArray();
    ASSERT_EQ(tory.size(), 1);
    const QJsonObject tor = tory[0].toObject();
    EXPECT_EQ(tor[QStringLiteral("name")].toString(), QStringLiteral("Sygnał MLT3"));
    for (const char* klucz : {"received", "regenerated", "amplified", "decoded"})
        EXPECT_GT(Dlugosc(tor[QString::fromLatin1(klucz)].toObject()), 0) << klucz;
    EXPECT_EQ(Dlugosc(tor[QStringLiteral("received")].toObject()), Dlugosc(tor[QStringLiteral("amplified")].toObject()));
    EXPECT_EQ(tor[QStringLiteral("sent_stream")].toInt(), 3);
    EXPECT_EQ(tor[QStringLiteral("reference_stream")].toInt(), 2);
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("csv/lane-0-decoded.csv"))));
    QFile csv(folder.filePath(QStringLiteral("csv/histogram.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readLine(), QByteArray("x,y\n"));
}

TEST(LintavoxSim, TheCableAndTheTouchstoneFileAreRecordedWithTheCharacteristics)
{
    QTemporaryDir folder;
    const QString s2p = folder.filePath(QStringLiteral("kabel.s2p"));
    QFile plik(s2p);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.write("# MHz S DB\n10 -20 0 -2 0 -2 0 -20 0\n50 -19 0 -5 0 -5 0 -19 0\n100 -18 0 -8 0 -8 0 -18 0\n");
    plik.close();
    const QString json = folder.filePath(QStringLiteral("out.json"));
    const TWynikProcesu w = Uruchom({QStringLiteral("--cable"), QStringLiteral("Cat5e"), QStringLiteral("--length"),
                                     QStringLiteral("50"), QStringLiteral("--touchstone"), s2p, QStringLiteral("--seed"),
                                     QStringLiteral("1"), QStringLiteral("--json"), json});
    ASSERT_EQ(w.Kod, 0) << w.Bledy.toStdString();
    EXPECT_TRUE(w.Bledy.contains("kabel.s2p: Touchstone 1.x")) << w.Bledy.toStdString();
    const QJsonObject s = Json(json)[QStringLiteral("characteristics")].toObject();
    const QJsonObject kabel = s[QStringLiteral("cable")].toObject();
    EXPECT_EQ(kabel[QStringLiteral("category")].toString(), QStringLiteral("Cat5e"));
    EXPECT_EQ(kabel[QStringLiteral("length")].toDouble(), 50.0);
    EXPECT_EQ(kabel[QStringLiteral("characteristics")].toArray(), QJsonArray{QStringLiteral("crosstalk")});
    const QJsonObject touchstone = s[QStringLiteral("touchstone")].toObject();
    EXPECT_EQ(touchstone[QStringLiteral("file")].toString(), s2p);
    EXPECT_EQ(touchstone[QStringLiteral("below_data")].toString(), QStringLiteral("fit"));
    EXPECT_EQ(touchstone[QStringLiteral("characteristics")].toArray(),
              (QJsonArray{QStringLiteral("attenuation"), QStringLiteral("echo")}));
    EXPECT_EQ(s[QStringLiteral("attenuation")].toArray().last().toArray()[1].toDouble(), -8.0);
}

TEST(LintavoxSim, CountedErrorsWithoutStreams)
{
    QTemporaryDir folder;
    const QString json = folder.filePath(QStringLiteral("out.json"));
    const TWynikProcesu w = Uruchom({QStringLiteral("--standard"), QStringLiteral("1000BaseT"), QStringLiteral("--bits"),
                                     QStringLiteral("20000"), QStringLiteral("--source"), QStringLiteral("prbs15"),
                                     QStringLiteral("--seed"), QStringLiteral("2"), QStringLiteral("--snr"),
                                     QStringLiteral("30"), QStringLiteral("--no-streams"), QStringLiteral("--json"), json});
    ASSERT_EQ(w.Kod, 0) << w.Bledy.toStdString();
    EXPECT_TRUE(w.Wyjscie.contains("Zliczone błędy: "));
    EXPECT_TRUE(w.Wyjscie.contains(" z 20000 bitów"));
    EXPECT_TRUE(w.Wyjscie.contains("BER zliczony: "));
    const QJsonObject o = Json(json);
    const QJsonObject r = o[QStringLiteral("results")].toObject();
    const QJsonObject z = r[QStringLiteral("counted")].toObject();
    EXPECT_EQ(z[QStringLiteral("compared_bits")].toInt(), 20000);
    EXPECT_TRUE(z[QStringLiteral("errors")].isDouble());
    EXPECT_LE(z[QStringLiteral("ci_low")].toDouble(), z[QStringLiteral("ber")].toDouble());
    EXPECT_GE(z[QStringLiteral("ci_high")].toDouble(), z[QStringLiteral("ber")].toDouble());
    const QJsonObject ustawienia = o[QStringLiteral("settings")].toObject();
    EXPECT_EQ(ustawienia[QStringLiteral("source")].toString(), QStringLiteral("prbs15"));
    EXPECT_EQ(ustawienia[QStringLiteral("snr_db")].toDouble(), 30.0);
    EXPECT_FALSE(r.contains(QStringLiteral("input_streams")));
    EXPECT_FALSE(r.contains(QStringLiteral("histogram")));
    const QJsonArray tory = r[QStringLiteral("lanes")].toArray();
    ASSERT_EQ(tory.size(), 4);
    for (const QJsonValue& tor : tory) {
        EXPECT_FALSE(tor.toObject().contains(QStringLiteral("received")));
        EXPECT_TRUE(tor.toObject()[QStringLiteral("sampling_phase")].isDouble());
    }
}

TEST(LintavoxSim, ASavedAnalysisRunsAsItsOptionsDidAndOptionsGivenOverrideIt)
{
    QTemporaryDir folder;
    const auto plik = [&](const char* nazwa) { return folder.filePath(QString::fromLatin1(nazwa)); };
    const QStringList opcje = {QStringLiteral("--standard"), QStringLiteral("10BaseT"), QStringLiteral("--seed"),
                               QStringLiteral("5"),          QStringLiteral("--no-echo"), QStringLiteral("--snr"),
                               QStringLiteral("30"),         QStringLiteral("--quiet")};
    ASSERT_EQ(Uruchom(opcje + QStringList{QStringLiteral("--json"), plik("a.json")}).Kod, 0);
    const TWynikProcesu zapis = Uruchom(opcje + QStringList{QStringLiteral("--save-analysis"), plik("s.lintavox")});
    ASSERT_EQ(zapis.Kod, 0) << zapis.Bledy.toStdString();
    EXPECT_TRUE(zapis.Wyjscie.isEmpty() && zapis.Bledy.isEmpty());
    const QJsonObject zapisana = Json(plik("s.lintavox"));
    EXPECT_TRUE(zapisana[QStringLiteral("results")].isNull());
    EXPECT_FALSE(zapisana[QStringLiteral("effects")].toObject()[QStringLiteral("echo")].toBool());

    // The saved analysis runs as the options did: the same document, and the file recorded.
    const TWynikProcesu b = Uruchom({QStringLiteral("--analysis"), plik("s.lintavox"), QStringLiteral("--json"), plik("b.json")});
    ASSERT_EQ(b.Kod, 0) << b.Bledy.toStdString();
    EXPECT_TRUE(b.Wyjscie.contains("Analiza dla 10BaseT"));
    QJsonObject wynikB = Json(plik("b.json"));
    const QJsonObject zAnalizy = wynikB.take(QStringLiteral("from_analysis")).toObject();
    EXPECT_EQ(zAnalizy[QStringLiteral("file")].toString(), plik("s.lintavox"));
    EXPECT_TRUE(zAnalizy[QStringLiteral("overridden")].toArray().isEmpty());
    EXPECT_EQ(wynikB, Json(plik("a.json")));

    // Options given as well win, and the document says which with the file's values.
    const TWynikProcesu c = Uruchom({QStringLiteral("--analysis"), plik("s.lintavox"), QStringLiteral("--rate"),
                                     QStringLiteral("20"), QStringLiteral("--echo"), QStringLiteral("--quiet"),
                                     QStringLiteral("--json"), plik("c.json")});
    ASSERT_EQ(c.Kod, 0) << c.Bledy.toStdString();
    const QJsonObject wynikC = Json(plik("c.json"));
    EXPECT_EQ(wynikC[QStringLiteral("settings")].toObject()[QStringLiteral("rate")].toInt(), 20);
    EXPECT_EQ(wynikC[QStringLiteral("settings")].toObject()[QStringLiteral("snr_db")].toDouble(), 30.0);
    EXPECT_EQ(wynikC[QStringLiteral("settings")].toObject()[QStringLiteral("seed")].toInt(), 5);
    EXPECT_TRUE(wynikC[QStringLiteral("effects")].toObject()[QStringLiteral("echo")].toBool());
    const QJsonArray nadpisane = wynikC[QStringLiteral("from_analysis")].toObject()[QStringLiteral("overridden")].toArray();
    ASSERT_EQ(nadpisane.size(), 2);
    EXPECT_EQ(nadpisane[0].toObject()[QStringLiteral("member")].toString(), QStringLiteral("settings.rate"));
    EXPECT_EQ(nadpisane[0].toObject()[QStringLiteral("file_value")].toInt(), 10);
    EXPECT_EQ(nadpisane[1].toObject()[QStringLiteral("member")].toString(), QStringLiteral("effects.echo"));
    EXPECT_FALSE(nadpisane[1].toObject()[QStringLiteral("file_value")].toBool(true));

    // The result of a run is an analysis too: its settings run again.
    ASSERT_EQ(Uruchom({QStringLiteral("--analysis"), plik("a.json"), QStringLiteral("--quiet"), QStringLiteral("--json"),
                       plik("d.json")}).Kod, 0);
    QJsonObject wynikD = Json(plik("d.json"));
    wynikD.remove(QStringLiteral("from_analysis"));
    EXPECT_EQ(wynikD, Json(plik("a.json")));

    const QByteArray przed = Zawartosc(plik("s.lintavox"));
    Zapisz(plik("zly.lintavox"), "{\"format\": \"lintavox-analysis\", \"version\": 9}");
    JednaLinia(Uruchom({QStringLiteral("--analysis"), plik("zly.lintavox"), QStringLiteral("--json"), plik("e.json")}), 2,
               {"--analysis: ", "zly.lintavox: written by a newer Lintavox: format version 9"});
    JednaLinia(Uruchom({QStringLiteral("--analysis"), plik("s.lintavox"), QStringLiteral("--save-analysis"),
                        plik("s.lintavox")}),
               2, {"--save-analysis: ", "is the same file as the input of --analysis"});
    JednaLinia(Uruchom({QStringLiteral("--save-analysis"), plik("f.lintavox"), QStringLiteral("--json"), plik("f.json")}), 2,
               {"--save-analysis: ", "without a run", "--json"});
    EXPECT_EQ(Zawartosc(plik("s.lintavox")), przed);
    EXPECT_FALSE(QFile::exists(plik("e.json")) || QFile::exists(plik("f.lintavox")) || QFile::exists(plik("f.json")));
}

TEST(LintavoxSim, SameSeedOrSameBitFilesGiveTheSameJson)
{
    QTemporaryDir folder;
    const auto plik = [&](const char* nazwa) { return folder.filePath(QString::fromLatin1(nazwa)); };
    const QStringList wspolne = {QStringLiteral("--standard"), QStringLiteral("10BaseT"), QStringLiteral("--quiet")};
    ASSERT_EQ(Uruchom(wspolne + QStringList{QStringLiteral("--seed"), QStringLiteral("11"), QStringLiteral("--json"), plik("a.json")}).Kod, 0);
    ASSERT_EQ(Uruchom(wspolne + QStringList{QStringLiteral("--seed"), QStringLiteral("11"), QStringLiteral("--json"), plik("b.json")}).Kod, 0);
    QFile a(plik("a.json"));
    QFile b(plik("b.json"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    QFile bity(plik("bity.txt"));
    ASSERT_TRUE(bity.open(QIODevice::WriteOnly));
    for (int i = 0; i < 140; ++i)
        bity.write(i % 7 < 3 ? "1 " : "0\n");
    bity.close();
    const QStringList zPliku = wspolne + QStringList{QStringLiteral("--bits-file"), plik("bity.txt"),
                                                     QStringLiteral("--crosstalk-bits-file"), plik("bity.txt")};
    ASSERT_EQ(Uruchom(zPliku + QStringList{QStringLiteral("--json"), plik("c.json")}).Kod, 0);
    ASSERT_EQ(Uruchom(zPliku + QStringList{QStringLiteral("--json"), plik("d.json")}).Kod, 0);
    // Everything but the seed each run drew from the clock (and records) is the same.
    const auto bezZiarna = [&](const char* nazwa) {
        QByteArray tekst = Zawartosc(plik(nazwa));
        const qsizetype i = tekst.indexOf("\"seed\":", tekst.indexOf("\"results\":"));
        EXPECT_GE(i, 0);
        return tekst.remove(i, tekst.indexOf(',', i) - i);
    };
    EXPECT_EQ(bezZiarna("c.json"), bezZiarna("d.json"));
}

TEST(LintavoxSim, InterruptStopsTheRunWithoutOutput)
{
    QTemporaryDir folder;
    const QString json = folder.filePath(QStringLiteral("out.json"));
    // Interrupt as Ctrl-C would, once the run is under way. A slow start (a sanitizer
    // build) may take the signal before the program listens; then wait longer.
    for (const char* czekaj : {"0.05", "0.2", "0.6"}) {
        QProcess proces;
        proces.start(QStringLiteral(LINTAVOX_SIM),
                     {QStringLiteral("--standard"), QStringLiteral("1000BaseT"), QStringLiteral("--rate"),
                      QStringLiteral("5000"), QStringLiteral("--bits"), QStringLiteral("1000"), QStringLiteral("--json"),
                      json});
        ASSERT_TRUE(proces.waitForStarted());
        QProcess().execute(QStringLiteral("sleep"), {QString::fromLatin1(czekaj)});
        ::kill(static_cast<pid_t>(proces.processId()), SIGINT);
        ASSERT_TRUE(proces.waitForFinished(30000));
        if (proces.exitStatus() == QProcess::CrashExit)
            continue;
        if (proces.exitCode() == 0)
            GTEST_SKIP() << "the run finished before the interrupt arrived";
        EXPECT_EQ(proces.exitCode(), 130);
        EXPECT_FALSE(QFile::exists(json));
        return;
    }
    FAIL() << "the program never got as far as listening for the interrupt";
}

TEST(LintavoxSim, InputsThatAreNotModelOrBitFilesAreRefusedInOneLine)
{
    QTemporaryDir folder;
    const auto plik = [&](const char* nazwa) { return folder.filePath(QString::fromLatin1(nazwa)); };
    const QString json = plik("out.json");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(plik("fifo")).constData(), 0600), 0);
    Zapisz(plik("700dB.att"), Model({{0, -2.1f}, {1, -2.1f}, {100, 700.0f}}));
    const struct {
        QStringList argumenty;
        const char* powod;
    } przypadki[] = {
        {{QStringLiteral("--attenuation"), plik("folder")}, "is a directory, not a regular file"},
        {{QStringLiteral("--bits-file"), plik("folder")}, "is a directory, not a regular file"},
        {{QStringLiteral("--echo-model"), QStringLiteral("/dev/zero")}, "is a character device, not a regular file"},
        {{QStringLiteral("--crosstalk-bits-file"), QStringLiteral("/dev/urandom")}, "is a character device"},
        {{QStringLiteral("--regeneration-model"), plik("fifo")}, "is a FIFO, not a regular file"},
        {{QStringLiteral("--bits-file"), plik("fifo")}, "is a FIFO, not a regular file"},
        {{QStringLiteral("--attenuation"), plik("700dB.att")}, "holds a gain that is not a number from -150 to 150 dB"},
    };
    for (const auto& p : przypadki) {
        const TWynikProcesu w = Uruchom(p.argumenty + QStringList{QStringLiteral("--json"), json});
        JednaLinia(w, 2, {p.argumenty.front().toLatin1().constData(), p.powod});
        EXPECT_FALSE(QFile::exists(json));
    }
}

TEST(LintavoxSim, AModelReachingFarAboveTheFilterRunsAsUsual)
{
    QTemporaryDir folder;
    const QString model = folder.filePath(QStringLiteral("daleki.att"));
    Zapisz(model, Model({{0, -2.1f}, {1, -2.1f}, {100, -21.6f}, {1e9f, -60.0f}}));
    const TWynikProcesu w = Uruchom({QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--attenuation"), model});
    EXPECT_EQ(w.Kod, 0) << w.Bledy.toStdString();
    EXPECT_TRUE(w.Wyjscie.contains("Bitowa stopa błędu (BER): "));
}

TEST(LintavoxSim, AnOutputNeverReplacesAnInputOrWhatIsNotARegularFile)
{
    QTemporaryDir folder;
    const auto plik = [&](const char* nazwa) { return folder.filePath(QString::fromLatin1(nazwa)); };
    QByteArray bity;
    for (int i = 0; i < 140; ++i)
        bity.append(i % 3 == 0 ? '1' : '0');
    Zapisz(plik("bity.txt"), bity);
    const QByteArray model = Model({{0, -2.1f}, {1, -2.1f}, {100, -21.6f}});
    Zapisz(plik("linia.att"), model);
    ASSERT_EQ(::mkfifo(QFile::encodeName(plik("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(plik("bity.txt"), plik("lacze")));

    const QString bityOpcja = QStringLiteral("--bits-file");
    JednaLinia(Uruchom({bityOpcja, plik("bity.txt"), QStringLiteral("--json"), plik("bity.txt")}), 2,
               {"--json: ", "is the same file as the input of --bits-file"});
    JednaLinia(Uruchom({bityOpcja, plik("bity.txt"), QStringLiteral("--json"), plik("lacze")}), 2,
               {"--json: ", "is the same file as the input of --bits-file"});
    JednaLinia(Uruchom({QStringLiteral("--attenuation"), plik("linia.att"), QStringLiteral("--json"), plik("linia.att")}),
               2, {"--json: ", "is the same file as the input of --attenuation"});
    Zapisz(plik("kabel.s2p"), "# MHz S DB\n10 -20 0 -2 0 -2 0 -20 0\n100 -18 0 -8 0 -8 0 -18 0\n");
    const QByteArray touchstone = Zawartosc(plik("kabel.s2p"));
    JednaLinia(Uruchom({QStringLiteral("--touchstone"), plik("kabel.s2p"), QStringLiteral("--json"), plik("kabel.s2p")}),
               2, {"--json: ", "is the same file as the input of --touchstone"});
    JednaLinia(Uruchom({QStringLiteral("--json"), plik("fifo")}), 2, {"--json: ", "is a FIFO, not a regular file"});
    JednaLinia(Uruchom({QStringLiteral("--json"), QStringLiteral("/dev/null")}), 2, {"is a character device"});
    // A CSV file of the run that is an input: refused before anything is written.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("csv")));
    Zapisz(plik("csv/input-0.csv"), bity);
    JednaLinia(Uruchom({bityOpcja, plik("csv/input-0.csv"), QStringLiteral("--csv"), plik("csv"), QStringLiteral("--json"),
                        plik("out.json")}),
               2, {"--csv: ", "input-0.csv is the same file as the input of --bits-file"});

    EXPECT_EQ(Zawartosc(plik("bity.txt")), bity);
    EXPECT_EQ(Zawartosc(plik("linia.att")), model);
    EXPECT_EQ(Zawartosc(plik("kabel.s2p")), touchstone);
    EXPECT_EQ(Zawartosc(plik("csv/input-0.csv")), bity);
    EXPECT_EQ(QDir(plik("csv")).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_FALSE(QFile::exists(plik("out.json")));
    EXPECT_TRUE(QFileInfo::exists(plik("fifo")) && !QFileInfo(plik("fifo")).isFile());
}

TEST(LintavoxSim, AFailedOutputLeavesNothingNewAndNothingChanged)
{
    QTemporaryDir folder;
    const auto plik = [&](const char* nazwa) { return folder.filePath(QString::fromLatin1(nazwa)); };
    Zapisz(plik("plik"), "not a folder");
    // The CSV folder cannot be made (a file is in its way): the JSON must not appear.
    const QStringList csvPodPlikiem = {QStringLiteral("--csv"), plik("plik/csv")};
    JednaLinia(Uruchom(csvPodPlikiem + QStringList{QStringLiteral("--json"), plik("ok.json")}), 1, {"--csv: "});
    EXPECT_FALSE(QFile::exists(plik("ok.json")));
    // Nor may an earlier JSON change.
    Zapisz(plik("ok.json"), "{}");
    JednaLinia(Uruchom(csvPodPlikiem + QStringList{QStringLiteral("--json"), plik("ok.json")}), 1, {"--csv: "});
    EXPECT_EQ(Zawartosc(plik("ok.json")), QByteArray("{}"));
    // A JSON that cannot be written leaves no CSV folder behind.
    JednaLinia(Uruchom({QStringLiteral("--csv"), plik("nowy/csv"), QStringLiteral("--json"), plik("brak/out.json")}), 1,
               {"--json: ", "No such file or directory"});
    EXPECT_FALSE(QFile::exists(plik("nowy")));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("ok.json"), QStringLiteral("plik")}));
}

TEST(LintavoxSim, TheEyeIsDrawnOffscreenAsPngAndSvg)
{
    if (!WykresyDostepne())
        GTEST_SKIP() << "built without the desktop option, which draws charts";
    QTemporaryDir folder;
    const auto plik = [&](const char* nazwa) { return folder.filePath(QString::fromLatin1(nazwa)); };
    const TWynikProcesu w =
        Uruchom({QStringLiteral("--standard"), QStringLiteral("1000BaseT"), QStringLiteral("--bits"), QStringLiteral("200"),
                 QStringLiteral("--seed"), QStringLiteral("2"), QStringLiteral("--quiet"), QStringLiteral("--eye-png"),
                 plik("oko.png"), QStringLiteral("--eye-svg=") + plik("oko.svg")});
    ASSERT_EQ(w.Kod, 0) << w.Bledy.toStdString();
    EXPECT_TRUE(w.Bledy.isEmpty()) << w.Bledy.toStdString();
    // A PNG of the chart's size: the width and height stand big-endian in its header.
    const QByteArray png = Zawartosc(plik("oko.png"));
    ASSERT_GE(png.size(), 24);
    EXPECT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    const auto liczba = [&](int od) {
        return (static_cast<std::uint8_t>(png[od]) << 24) | (static_cast<std::uint8_t>(png[od + 1]) << 16) |
            (static_cast<std::uint8_t>(png[od + 2]) << 8) | static_cast<std::uint8_t>(png[od + 3]);
    };
    EXPECT_EQ(liczba(16), 900);
    EXPECT_EQ(liczba(20), 560);
    // The SVG holds the density as a picture, the markers and the scale's caption as text.
    const QByteArray svg = Zawartosc(plik("oko.svg"));
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("<image"));
    EXPECT_TRUE(svg.contains("liczba (log)"));

    // A path that cannot take the picture is refused before the run, and nothing is written.
    JednaLinia(Uruchom({QStringLiteral("--eye-png"), folder.path(), QStringLiteral("--json"), plik("wynik.json")}), 2,
               {"--eye-png: ", "not a regular file"});
    JednaLinia(Uruchom({QStringLiteral("--eye-png"), plik("a"), QStringLiteral("--eye-svg"), plik("a")}), 2,
               {"--eye-svg: ", "same file as --eye-png"});
    EXPECT_FALSE(QFile::exists(plik("wynik.json")));
    EXPECT_FALSE(QFile::exists(plik("a")));
}
