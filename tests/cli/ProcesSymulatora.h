// Running the lintavox-sim the build made, as a user would, and reading what it left.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

struct TWynikProcesu {
    int Kod;
    QByteArray Wyjscie;
    QByteArray Bledy;
};

inline TWynikProcesu Uruchom(const QStringList& argumenty)
{
    QProcess proces;
    proces.start(QStringLiteral(LINTAVOX_SIM), argumenty);
    if (!proces.waitForFinished(60000)) {
        proces.kill();
        proces.waitForFinished();
        return {-1, {}, "did not finish within a minute"};
    }
    return {proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -1, proces.readAllStandardOutput(),
            proces.readAllStandardError()};
}

inline QByteArray Zawartosc(const QString& plik)
{
    QFile f(plik);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Zapisz(const QString& plik, const QByteArray& dane)
{
    QFile f(plik);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(dane);
}

// Fails unless the run ended with kod and one line on stderr holding every one of czesci.
inline void JednaLinia(const TWynikProcesu& w, int kod, std::initializer_list<const char*> czesci,
                       const char* poczatek = "lintavox-sim: ")
{
    EXPECT_EQ(w.Kod, kod) << w.Bledy.toStdString();
    EXPECT_EQ(w.Bledy.count('\n'), 1) << w.Bledy.toStdString();
    EXPECT_TRUE(w.Bledy.startsWith(poczatek)) << w.Bledy.toStdString();
    for (const char* czesc : czesci)
        EXPECT_TRUE(w.Bledy.contains(czesc)) << czesc << " in " << w.Bledy.toStdString();
}

inline QJsonObject Json(const QString& plik)
{
    QFile f(plik);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QJsonDocument::fromJson(f.readAll()).object();
}

