#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <signal.h>

namespace {

struct TWynikProcesu {
    int Kod;
    QByteArray Wyjscie;
    QByteArray Bledy;
};

TWynikProcesu Uruchom(const QStringList& argumenty)
{
    QProcess proces;
    proces.start(QStringLiteral(LINTAVOX_SIM), argumenty);
    proces.waitForFinished(60000);
    return {proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -1, proces.readAllStandardOutput(),
            proces.readAllStandardError()};
}

QJsonObject Json(const QString& plik)
{
    QFile f(plik);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QJsonDocument::fromJson(f.readAll()).object();
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
         }) {
        const TWynikProcesu w = Uruchom(argumenty + QStringList{QStringLiteral("--json"), json});
        EXPECT_EQ(w.Kod, 2) << argumenty.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(w.Bledy.count('\n'), 1) << w.Bledy.toStdString();
        EXPECT_FALSE(QFile::exists(json));
    }
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
    EXPECT_EQ(o[QStringLiteral("standard")].toString(), QStringLiteral("100BaseTX"));
    EXPECT_EQ(o[QStringLiteral("symbol_rate")].toInt(), 125);
    EXPECT_EQ(o[QStringLiteral("encoded_bits")].toInt(), 140);
    EXPECT_EQ(o[QStringLiteral("settings")].toObject()[QStringLiteral("seed")].toInt(), 3);
    EXPECT_TRUE(o[QStringLiteral("error_share")].isDouble());
    EXPECT_EQ(o[QStringLiteral("input_streams")].toArray().size(), 4);
    EXPECT_EQ(Dlugosc(o[QStringLiteral("histogram")].toObject()), 1001);
    EXPECT_EQ(Dlugosc(o[QStringLiteral("cumulative")].toObject()), 1001);
    const QJsonArray tory = o[QStringLiteral("lanes")].toArray();
    ASSERT_EQ(tory.size(), 1);
    const QJsonObject tor = tory[0].toObject();
    EXPECT_EQ(tor[QStringLiteral("name")].toString(), QStringLiteral("Sygnał MLT3"));
    for (const char* klucz : {"sent", "received", "regenerated", "amplified", "decoded", "reference"})
        EXPECT_GT(Dlugosc(tor[QString::fromLatin1(klucz)].toObject()), 0) << klucz;
    EXPECT_EQ(Dlugosc(tor[QStringLiteral("received")].toObject()), Dlugosc(tor[QStringLiteral("amplified")].toObject()));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("csv/lane-0-decoded.csv"))));
    QFile csv(folder.filePath(QStringLiteral("csv/histogram.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readLine(), QByteArray("x,y\n"));
}

TEST(LintavoxSim, TheCableAndTheTouchstoneFileAreRecordedUnderSettings)
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
    const QJsonObject s = Json(json)[QStringLiteral("settings")].toObject();
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
    QFile c(plik("c.json"));
    QFile d(plik("d.json"));
    ASSERT_TRUE(c.open(QIODevice::ReadOnly) && d.open(QIODevice::ReadOnly));
    EXPECT_EQ(c.readAll(), d.readAll());
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
