// The English catalogue against the sources: lupdate run over every folder with user texts
// into a copy of it finds nothing untranslated and nothing gone from the sources, and
// every translation leads back to exactly one Polish text.
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct TWpis {
    QString Zrodlo;
    QString Przeklad;
    QString Rodzaj; // the translation's type: empty when finished
};

QList<TWpis> Wpisy(const QString& plik)
{
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<TWpis> wpisy;
    QXmlStreamReader xml(&f);
    TWpis wpis;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QStringLiteral("message")) {
            wpis = {};
        } else if (xml.name() == QStringLiteral("source")) {
            wpis.Zrodlo = xml.readElementText();
        } else if (xml.name() == QStringLiteral("translation")) {
            wpis.Rodzaj = xml.attributes().value(QStringLiteral("type")).toString();
            wpis.Przeklad = xml.readElementText();
            wpisy.append(wpis);
        }
    }
    return xml.hasError() ? QList<TWpis>{} : wpisy;
}

} // namespace

class TestKatalogu : public QObject {
    Q_OBJECT

private slots:
    void EveryTextOfTheSourcesIsTranslated()
    {
        QTemporaryDir folder;
        const QString kopia = folder.filePath(QStringLiteral("lintavox_en.ts"));
        QVERIFY(QFile::copy(QStringLiteral(LINTAVOX_KATALOG), kopia));
        // Without -no-obsolete: texts gone from the sources stay in the copy as vanished.
        QStringList argumenty = QString::fromUtf8(LINTAVOX_ZRODLA_TEKSTOW).split(QLatin1Char('|'));
        argumenty << QStringLiteral("-locations") << QStringLiteral("none") << QStringLiteral("-ts") << kopia;
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(LINTAVOX_LUPDATE), argumenty);
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

        const QList<TWpis> wpisy = Wpisy(kopia);
        QVERIFY(wpisy.size() > 100);
        QStringList bledy;
        QSet<QString> zrodla;
        for (const TWpis& w : wpisy)
            zrodla.insert(w.Zrodlo);
        QHash<QString, QString> wstecz;
        for (const TWpis& w : wpisy) {
            if (!w.Rodzaj.isEmpty()) {
                bledy << w.Rodzaj + QStringLiteral(": ") + w.Zrodlo;
                continue;
            }
            if (wstecz.contains(w.Przeklad))
                bledy << QStringLiteral("one translation for two texts: ") + wstecz[w.Przeklad] + QStringLiteral(" | ") +
                             w.Zrodlo;
            wstecz.insert(w.Przeklad, w.Zrodlo);
            if (w.Przeklad != w.Zrodlo && zrodla.contains(w.Przeklad))
                bledy << QStringLiteral("translation is another text's source: ") + w.Przeklad;
        }
        QVERIFY2(bledy.isEmpty(), qPrintable(bledy.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestKatalogu)
#include "TestKatalogu.moc"
