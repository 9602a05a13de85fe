// Analyses as files in the desktop program: saved and opened again with the same settings
// and the same result views for every standard, a command-line result shown with the
// texts the command line printed, damaged files refused without a window, the modified
// marker and the question on closing, a failed save that leaves the old file, the files
// used last, a dropped file and files named at start-up.
#include <QCheckBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <sys/resource.h>

#include <csignal>
#include <optional>

#include "Drukowanie.h"
#include "JsonSymulacji.h"
#include "OknoTestowe.h"
#include "PlikiAnalizy.h"
#include "PlotnoQt.h"
#include "PomocnikiGui.h"
#include "StronaBledow.h"
#include "StronaOkowa.h"
#include "StronyPasm.h"
#include "TMainForm.h"
#include "TRadioGroup.h"
#include "TStartForm.h"
#include "TekstJson.h"
#include "UslugiQt.h"

namespace {

// Opens the file in the main window and waits for the outcome: the window, or null.
TSimChildForm* Otworz(TMainForm& glowne, const QString& plik)
{
    bool gotowe = false;
    TSimChildForm* wynik = nullptr;
    const auto polaczenie = QObject::connect(&glowne, &TMainForm::AnalizaOtwarta, [&](const QString&, TSimChildForm* a) {
        gotowe = true;
        wynik = a;
    });
    glowne.OtworzAnalize(plik);
    const bool doczekano = QTest::qWaitFor([&] { return gotowe; }, CzasRunuMs);
    QObject::disconnect(polaczenie);
    if (!doczekano)
        qWarning("%s did not open within the time a run may take", qPrintable(plik));
    return wynik;
}

// "Zapisz analizę jako…" as a user goes through it: the file typed, the results box set.
// Whether the box could be ticked lands in wynikiDostepne.
bool ZapiszJako(TMainForm& glowne, TSimChildForm& analiza, const QString& plik, bool zWynikami,
                bool* wynikiDostepne = nullptr)
{
    TPrzyOknieModalnym<QFileDialog> dialog([&](QFileDialog& d) {
        auto* pole = Kontrolka<QCheckBox>(d, QStringLiteral("ZWynikamiCheckBox"));
        if (wynikiDostepne)
            *wynikiDostepne = pole->isEnabled();
        pole->setChecked(zWynikami);
        d.selectFile(plik);
        static_cast<QDialog&>(d).accept();
    });
    const bool zapisano = glowne.ZapiszAnalize(analiza, true);
    return dialog.Wykonane && zapisano;
}

QString JsonUstawien(const TSimChildForm& analiza)
{
    return QString::fromStdString(
        AnalizaJson(const_cast<TSimChildForm&>(analiza).StronaUstawien().UstawieniaSymulacji()).dump());
}

// Every result page shown once and its strips laid out, as after a user has looked.
void Obejrzyj(TSimChildForm& analiza)
{
    const TKontrolkiOkna k(analiza);
    for (QWidget* strona : {k.TabSheetWejsciowe, k.TabSheetWyjsciowe, k.TabSheetOkowy, k.ErrorTabSheet}) {
        if (!analiza.StronaWidoczna(*strona))
            continue;
        analiza.Strony().setCurrentWidget(strona);
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            analiza.repaint();
        }
    }
}

// What the result views show: which pages, their texts, the eye diagram and the whole
// report (every strip, the decoded sequences and the error charts) as pictures.
struct TWidokWynikow {
    QList<bool> Strony;
    QStringList Teksty;
    QImage Oko;
    QImage Raport;

    bool operator==(const TWidokWynikow&) const = default;
};

TWidokWynikow Widok(TSimChildForm& analiza)
{
    Obejrzyj(analiza);
    const TKontrolkiOkna k(analiza);
    TWidokWynikow w;
    for (QWidget* strona : {k.TabSheetWejsciowe, k.TabSheetWyjsciowe, k.TabSheetOkowy, k.ErrorTabSheet})
        w.Strony.append(analiza.StronaWidoczna(*strona));
    for (const QLabel* l : {k.BERLabel, k.ExpBERLabel, k.BERLabel2, k.TimeErrorLabel, k.ZliczoneLabel, k.BERZliczonyLabel,
                            k.EstymacjaLabel, k.WykazanieLabel, k.FazaLabel})
        w.Teksty.append(l->text());
    w.Oko = QImage(900, 600, QImage::Format_RGB32);
    w.Oko.fill(Qt::white);
    {
        QPainter malarz(&w.Oko);
        TPlotnoQt plotno(malarz);
        k.WykresOkowy->PaintToCanvas(plotno, 0, 0, 0, 0, 900, 600, k.WykresOkowy->OsX.Max(), -1, 1.0f);
    }
    if (w.Strony[1])
        w.Raport = MapaWynikow(analiza, 1280);
    return w;
}

// A file of the text.
void Zapisz(const QString& plik, const QByteArray& dane)
{
    QFile f(plik);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(dane);
}

QByteArray Zawartosc(const QString& plik)
{
    QFile f(plik);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestPlikowAnaliz : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The file dialog keeps its history in its own settings, apart from other programs'.
        QStandardPaths::setTestModeEnabled(true);
    }

    void init()
    {
        QVERIFY(Folder.emplace().isValid());
        UstawFolderProgramu(Folder->path());
        // The files used last go to the test's own settings, never the user's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Folder->path());
        QSettings().clear();
    }

    void cleanup()
    {
        UstawFolderProgramu(QString());
        Folder.reset();
    }

    void zapisIOtwarcie_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<bool>("zWynikami");
        const char* nazwy[] = {"10BaseT", "100BaseTX", "100BaseTX (bez 4B5B)", "1000BaseT"};
        for (int standard = 0; standard < 4; ++standard) {
            QTest::addRow("%s with results", nazwy[standard]) << standard << true;
            QTest::addRow("%s settings only", nazwy[standard]) << standard << false;
        }
    }

    void zapisIOtwarcie()
    {
        QFETCH(int, standard);
        QFETCH(bool, zWynikami);
        TMainForm glowne;
        glowne.resize(1300, 950);
        glowne.show();
        TSimChildForm* analiza = glowne.NowaAnaliza(standard);
        analiza->parentWidget()->resize(1100, 750);
        TUstawieniaSymulacji u = analiza->StronaUstawien().UstawieniaSymulacji();
        u.Ziarno = 7;
        u.LiczbaBitow = 150;
        u.Echo = false;
        u.Zrodlo = TZrodloBitow::Prbs9;
        u.Charakterystyki.Tlumienie[1].Y = -3.25f;
        u.SzumIDrzenie.SnrDb = 20.5;
        u.SzumIDrzenie.DrzeniePs = 10.0;
        analiza->StronaUstawien().Zastosuj(u);
        if (zWynikami)
            QVERIFY(Przeprowadz(*analiza));
        const QString plik = Folder->filePath(QStringLiteral("analiza.lintavox"));
        bool wynikiDostepne = false;
        QVERIFY(ZapiszJako(glowne, *analiza, plik, zWynikami, &wynikiDostepne));
        QCOMPARE(wynikiDostepne, zWynikami);
        QVERIFY(!analiza->isWindowModified());
        QVERIFY(analiza->windowTitle().endsWith(QStringLiteral(" – analiza.lintavox[*]")));
        const QString ustawienia = JsonUstawien(*analiza);
        const std::optional<TWidokWynikow> przed = zWynikami ? std::optional(Widok(*analiza)) : std::nullopt;

        // Saved: closing asks nothing.
        analiza->parentWidget()->close();
        QTRY_VERIFY(glowne.ClientArea->subWindowList().isEmpty());

        TSimChildForm* otwarta = Otworz(glowne, plik);
        QVERIFY(otwarta);
        otwarta->parentWidget()->resize(1100, 750);
        QCOMPARE(otwarta->Standard(), standard);
        QCOMPARE(JsonUstawien(*otwarta), ustawienia);
        QCOMPARE(otwarta->Plik(), plik);
        QVERIFY(otwarta->windowTitle().endsWith(QStringLiteral(" – analiza.lintavox[*]")));
        QCoreApplication::processEvents();
        QVERIFY(!otwarta->isWindowModified());
        QCOMPARE(OstatnieAnalizy(), QStringList{plik});
        QCOMPARE(otwarta->WynikiGotowe(), zWynikami);
        if (zWynikami) {
            // Every result view as after the run, without one.
            QVERIFY(otwarta->WynikiAktualne());
            const TWidokWynikow po = Widok(*otwarta);
            QCOMPARE(po.Strony, przed->Strony);
            QCOMPARE(po.Teksty, przed->Teksty);
            QVERIFY(!po.Teksty[0].isEmpty());
            QImage pusty(po.Oko.size(), po.Oko.format());
            pusty.fill(Qt::white);
            QVERIFY(po.Oko != pusty);
            QVERIFY(po.Oko == przed->Oko);
            QVERIFY(!po.Raport.isNull());
            QVERIFY(po.Raport == przed->Raport);
            QVERIFY(glowne.Zapisz1->isEnabled());
        } else {
            const TKontrolkiOkna k(*otwarta);
            for (QWidget* strona : {k.TabSheetWejsciowe, k.TabSheetWyjsciowe, k.TabSheetOkowy, k.ErrorTabSheet})
                QVERIFY(!otwarta->StronaWidoczna(*strona));
        }
        // Saved again unchanged, the file is the same.
        const QByteArray zapisany = Zawartosc(plik);
        QVERIFY(glowne.ZapiszAnalize(*otwarta, false));
        QCOMPARE(Zawartosc(plik), zapisany);
    }

    void wynikWierszaPolecen()
    {
        // A batch result opens with the texts the command line printed.
        const QString json = Folder->filePath(QStringLiteral("wynik.json"));
        QProcess sim;
        QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
        srodowisko.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        sim.setProcessEnvironment(srodowisko);
        sim.start(QStringLiteral(LINTAVOX_SIM), {QStringLiteral("--standard"), QStringLiteral("1000BaseT"),
                                                 QStringLiteral("--seed"), QStringLiteral("9"), QStringLiteral("--snr"),
                                                 QStringLiteral("12"), QStringLiteral("--json"), json});
        QVERIFY(sim.waitForFinished(CzasRunuMs));
        QCOMPARE(sim.exitCode(), 0);
        const QStringList wiersze = QString::fromUtf8(sim.readAllStandardOutput()).split(QLatin1Char('\n'));
        QVERIFY(wiersze.size() > 8);

        TMainForm glowne;
        glowne.show();
        TSimChildForm* analiza = Otworz(glowne, json);
        QVERIFY(analiza);
        const TKontrolkiOkna k(*analiza);
        const QString wykladnik = k.ExpBERLabel->text();
        QCOMPARE(QStringLiteral("Bitowa stopa błędu (BER): ") + k.BERLabel->text() +
                     (wykladnik.isEmpty() ? QString() : QStringLiteral("^") + wykladnik),
                 wiersze[1]);
        QCOMPARE(k.BERLabel2->text(), wiersze[2]);
        QCOMPARE(k.TimeErrorLabel->text(), wiersze[3]);
        // The errors the receiver counted, line for line.
        QCOMPARE(k.ZliczoneLabel->text(), wiersze[5]);
        QCOMPARE(k.BERZliczonyLabel->text(), wiersze[6]);
        QCOMPARE(k.EstymacjaLabel->text(), wiersze[7]);
        QCOMPARE(k.WykazanieLabel->text(), wiersze[8]);
        for (QWidget* strona : {k.TabSheetWejsciowe, k.TabSheetWyjsciowe, k.TabSheetOkowy, k.ErrorTabSheet})
            QVERIFY(analiza->StronaWidoczna(*strona));
        QCOMPARE(k.SzybkoscEdit->text(), QStringLiteral("1000"));
        QVERIFY(!analiza->isWindowModified());

        // A long run, its figures without streams: the error page and the settings open,
        // and the bit count beyond the page's limit is refused when a run is asked for.
        const QString dlugi = Folder->filePath(QStringLiteral("dlugi.json"));
        sim.start(QStringLiteral(LINTAVOX_SIM),
                  {QStringLiteral("--standard"), QStringLiteral("10BaseT"), QStringLiteral("--bits"), QStringLiteral("20000"),
                   QStringLiteral("--seed"), QStringLiteral("2"), QStringLiteral("--no-streams"), QStringLiteral("--quiet"),
                   QStringLiteral("--json"), dlugi});
        QVERIFY(sim.waitForFinished(CzasRunuMs));
        QCOMPARE(sim.exitCode(), 0);
        TSimChildForm* liczby = Otworz(glowne, dlugi);
        QVERIFY(liczby);
        const TKontrolkiOkna l(*liczby);
        QCOMPARE(l.LiczbaBitowEdit->text(), QStringLiteral("20000"));
        QVERIFY(liczby->StronaWidoczna(*l.ErrorTabSheet));
        QVERIFY(!l.BERLabel->text().isEmpty());
        for (QWidget* strona : {l.TabSheetWejsciowe, l.TabSheetWyjsciowe, l.TabSheetOkowy})
            QVERIFY(!liczby->StronaWidoczna(*strona));
        QVERIFY(!liczby->StronaBledow().MaWykresy());
        QVERIFY(!glowne.Zapisz1->isEnabled());
        TOdpowiedzNaKomunikat odmowa;
        QVERIFY(!liczby->SimButClick());
        QVERIFY(odmowa.Pokazany());
        QCOMPARE(odmowa.Tekst, QStringLiteral("Nieprawidłowa wartość"));
        QTRY_COMPARE(QApplication::focusWidget(), l.LiczbaBitowEdit);
    }

    void uszkodzonyPlik_data()
    {
        QTest::addColumn<QByteArray>("dane");
        QTest::addColumn<QString>("powod");
        TUstawieniaSymulacji u = DomyslneUstawienia(1);
        const nlohmann::json dobry = AnalizaJson(u);
        const auto zmieniony = [&](const std::function<void(nlohmann::json&)>& zmiana) {
            nlohmann::json d = dobry;
            zmiana(d);
            return QByteArray::fromStdString(TekstJson(d));
        };
        const QByteArray tekst = QByteArray::fromStdString(TekstJson(dobry));
        QByteArray binarny(2000, '\0');
        for (int i = 0; i < binarny.size(); ++i)
            binarny[i] = static_cast<char>((i * 7919) % 251);
        const QString skladnia = QStringLiteral("nie zawiera poprawnego tekstu JSON");
        QTest::newRow("truncated") << tekst.left(tekst.size() / 2) << skladnia;
        QTest::newRow("wrong types") << zmieniony([](auto& d) { d["settings"]["bits"] = "sto"; })
                                     << QStringLiteral("nieprawidłową wartość: settings.bits");
        QTest::newRow("rate out of range") << zmieniony([](auto& d) { d["settings"]["rate"] = 501; })
                                           << QStringLiteral("nieprawidłową wartość: settings.rate");
        QTest::newRow("unordered points")
            << zmieniony([](auto& d) { d["characteristics"]["attenuation"][2][0] = 0.5; })
            << QStringLiteral("nieprawidłową wartość: characteristics.attenuation");
        QTest::newRow("newer version") << zmieniony([](auto& d) { d["version"] = 3; })
                                       << QStringLiteral("nowsza wersja programu (format w wersji 3)");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("Plik jest pusty.");
        QTest::newRow("binary") << binarny << skladnia;
        QTest::newRow("not an analysis") << QByteArray("{\"standard\": \"10BaseT\"}")
                                         << QStringLiteral("Plik nie jest analizą programu Lintavox.");
    }

    void uszkodzonyPlik()
    {
        QFETCH(QByteArray, dane);
        QFETCH(QString, powod);
        const QString plik = Folder->filePath(QStringLiteral("zepsuty.lintavox"));
        Zapisz(plik, dane);
        TMainForm glowne;
        glowne.show();
        TOdpowiedzNaKomunikat komunikat;
        QVERIFY(!Otworz(glowne, plik));
        QVERIFY(komunikat.Pokazany());
        QVERIFY2(komunikat.Tekst.startsWith(QStringLiteral("Nie można otworzyć analizy „zepsuty.lintavox”.")),
                 qPrintable(komunikat.Tekst));
        QVERIFY2(komunikat.Tekst.contains(powod), qPrintable(komunikat.Tekst));
        QVERIFY(glowne.ClientArea->subWindowList().isEmpty());
        QVERIFY(OstatnieAnalizy().isEmpty());
        QCOMPARE(Zawartosc(plik), dane);
    }

    void znacznikZmianIPytanieOZapis()
    {
        TMainForm glowne;
        glowne.resize(1200, 900);
        glowne.show();
        TSimChildForm* analiza = glowne.NowaAnaliza(1);
        QCOMPARE(analiza->windowTitle(), QStringLiteral("Analiza dla 100BaseTX[*]"));
        QVERIFY(!analiza->isWindowModified());
        QVERIFY(glowne.ZapiszAnalize1->isEnabled() && glowne.ZapiszAnalizeJako1->isEnabled());
        const TKontrolkiOkna k(*analiza);
        // Every kind of change marks it, and undoing the change clears the mark.
        k.SzybkoscEdit->setText(QStringLiteral("200"));
        QTRY_VERIFY(analiza->isWindowModified());
        k.SzybkoscEdit->setText(QStringLiteral("100"));
        QTRY_VERIFY(!analiza->isWindowModified());
        k.EchoCheckBox->click();
        QTRY_VERIFY(analiza->isWindowModified());
        k.EchoCheckBox->click();
        QTRY_VERIFY(!analiza->isWindowModified());
        TUstawieniaSymulacji u = analiza->StronaUstawien().UstawieniaSymulacji();
        u.Charakterystyki.Echo[0].Y -= 1.0f;
        analiza->StronaUstawien().Zastosuj(u);
        QTRY_VERIFY(analiza->isWindowModified());
        emit glowne.Okno1->aboutToShow();
        QCOMPARE(glowne.Okno1->actions().last()->text(), QStringLiteral("&1 Analiza dla 100BaseTX*"));

        // Closing asks; "Anuluj" keeps the window, and the program, open.
        QString pytanie;
        {
            TPrzyOknieModalnym<QMessageBox> anuluj([&](QMessageBox& m) {
                pytanie = m.text();
                m.button(QMessageBox::Cancel)->click();
            });
            analiza->parentWidget()->close();
            QVERIFY(anuluj.Wykonane);
        }
        QCOMPARE(pytanie, QStringLiteral("Analiza „Analiza dla 100BaseTX” została zmieniona. Czy zapisać zmiany?"));
        QVERIFY(analiza->parentWidget()->isVisible());
        // With two changed analyses, "Anuluj" at the first keeps the program open without
        // asking about the second.
        TSimChildForm* druga = glowne.NowaAnaliza(0);
        TKontrolkiOkna(*druga).SzybkoscEdit->setText(QStringLiteral("20"));
        QTRY_VERIFY(druga->isWindowModified());
        int pytania = 0;
        QTimer odpowiedz;
        odpowiedz.setInterval(5);
        connect(&odpowiedz, &QTimer::timeout, this, [&pytania] {
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++pytania;
                m->button(QMessageBox::Cancel)->click();
            }
        });
        odpowiedz.start();
        QVERIFY(!glowne.close());
        odpowiedz.stop();
        QCOMPARE(pytania, 1);
        QVERIFY(glowne.isVisible());
        QCOMPARE(glowne.ClientArea->subWindowList().size(), 2);
        {
            TPrzyOknieModalnym<QMessageBox> nie([](QMessageBox& m) { m.button(QMessageBox::Discard)->click(); });
            druga->parentWidget()->close();
            QVERIFY(nie.Wykonane);
        }
        QTRY_COMPARE(glowne.ClientArea->subWindowList().size(), 1);

        // "Zapisz" saves through the dialog, then the window closes.
        const QString plik = Folder->filePath(QStringLiteral("zmieniona.lintavox"));
        {
            TPrzyOknieModalnym<QMessageBox> zapisz([](QMessageBox& m) { m.button(QMessageBox::Save)->click(); });
            TPrzyOknieModalnym<QFileDialog> dialog([&](QFileDialog& d) {
                d.selectFile(plik);
                static_cast<QDialog&>(d).accept();
            });
            analiza->parentWidget()->close();
            QVERIFY(zapisz.Wykonane && dialog.Wykonane);
        }
        QTRY_VERIFY(glowne.ClientArea->subWindowList().isEmpty());
        TBladAnalizy blad;
        const auto zapisana = WczytajAnalize(QFile::encodeName(plik).toStdString(), blad);
        QVERIFY(zapisana.has_value());
        QCOMPARE(zapisana->Ustawienia.Charakterystyki.Echo[0].Y, u.Charakterystyki.Echo[0].Y);

        // A completed run is a change too; "Nie zapisuj" lets it go.
        TSimChildForm* otwarta = Otworz(glowne, plik);
        QVERIFY(otwarta);
        QVERIFY(!otwarta->isWindowModified());
        QVERIFY(Przeprowadz(*otwarta));
        QVERIFY(otwarta->isWindowModified());
        const QByteArray przed = Zawartosc(plik);
        {
            TPrzyOknieModalnym<QMessageBox> nie([](QMessageBox& m) { m.button(QMessageBox::Discard)->click(); });
            otwarta->parentWidget()->close();
            QVERIFY(nie.Wykonane);
        }
        QTRY_VERIFY(glowne.ClientArea->subWindowList().isEmpty());
        QCOMPARE(Zawartosc(plik), przed);

        // Saving with the results, then changing a setting: the results no longer belong
        // to the settings, and "Zapisz analizę" leaves them out.
        otwarta = Otworz(glowne, plik);
        QVERIFY(Przeprowadz(*otwarta));
        bool dostepne = false;
        bool zastapiony = false;
        TPrzyOknieModalnym<QMessageBox> zastap([&](QMessageBox& m) {
            zastapiony = true;
            m.button(QMessageBox::Yes)->click();
        });
        QVERIFY(ZapiszJako(glowne, *otwarta, plik, true, &dostepne));
        QVERIFY(zastapiony);
        QVERIFY(dostepne);
        const auto zWynikami = WczytajAnalize(QFile::encodeName(plik).toStdString(), blad);
        QVERIFY(zWynikami && zWynikami->Wynik);
        TKontrolkiOkna(*otwarta).LiczbaBitowEdit->setText(QStringLiteral("120"));
        QTRY_VERIFY(otwarta->isWindowModified());
        QVERIFY(!otwarta->WynikiAktualne());
        QVERIFY(glowne.ZapiszAnalize(*otwarta, false));
        const auto bezWynikow = WczytajAnalize(QFile::encodeName(plik).toStdString(), blad);
        QVERIFY(bezWynikow && !bezWynikow->Wynik);
        QCOMPARE(bezWynikow->Ustawienia.LiczbaBitow, 120);
    }

    void nieudanyZapisZostawiaStaryPlik()
    {
        TMainForm glowne;
        glowne.show();
        TSimChildForm* analiza = glowne.NowaAnaliza(3);
        const QString plik = Folder->filePath(QStringLiteral("stary.lintavox"));
        QVERIFY(ZapiszJako(glowne, *analiza, plik, false));
        const QByteArray stary = Zawartosc(plik);
        TKontrolkiOkna(*analiza).SzybkoscEdit->setText(QStringLiteral("2000"));
        QTRY_VERIFY(analiza->isWindowModified());

        // The disk fills up part way through the write.
        const auto sygnal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit maly{512, limit.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &maly), 0);
        TOdpowiedzNaKomunikat komunikat;
        const bool zapisano = glowne.ZapiszAnalize(*analiza, false);
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, sygnal);
        QVERIFY(!zapisano);
        QVERIFY(komunikat.Pokazany());
        QCOMPARE(komunikat.Tekst,
                 QStringLiteral("Nie można zapisać analizy w pliku „stary.lintavox”. Plik, który tam był, pozostał bez zmian."));
        QCOMPARE(Zawartosc(plik), stary);
        QCOMPARE(QDir(Folder->path()).entryList({QStringLiteral("*stary*")}, QDir::Files | QDir::Hidden).size(), 1);
        QVERIFY(analiza->isWindowModified());

        // A folder that cannot hold files: the same, and no file appears.
        Zapisz(Folder->filePath(QStringLiteral("plik")), "not a folder");
        TOdpowiedzNaKomunikat drugi;
        QVERIFY(!ZapiszJako(glowne, *analiza, Folder->filePath(QStringLiteral("plik/nowa.lintavox")), false));
        QCOMPARE(drugi.Tekst, QStringLiteral("Nie można zapisać analizy w pliku „nowa.lintavox”."));
        QCOMPARE(analiza->Plik(), plik);
        QCOMPARE(OstatnieAnalizy(), QStringList{plik});
    }

    void ostatniePlikiUpuszczenieIPlikiStartowe()
    {
        TMainForm glowne;
        glowne.resize(1200, 900);
        glowne.show();
        QStringList pliki;
        for (int i = 0; i < 9; ++i) {
            TSimChildForm* analiza = glowne.NowaAnaliza(i % 4);
            pliki.prepend(Folder->filePath(QStringLiteral("a%1.lintavox").arg(i)));
            QVERIFY(ZapiszJako(glowne, *analiza, pliki.front(), false));
            analiza->parentWidget()->close();
        }
        QTRY_VERIFY(glowne.ClientArea->subWindowList().isEmpty());
        QCOMPARE(OstatnieAnalizy(), pliki.mid(0, 8));
        emit glowne.Symulacja1->aboutToShow();
        QStringList pozycje;
        for (QAction* a : glowne.Symulacja1->actions())
            if (a->objectName().startsWith(QStringLiteral("OstatniaAnaliza")))
                pozycje.append(a->text());
        QCOMPARE(pozycje.size(), 8);
        QCOMPARE(pozycje.front(), QStringLiteral("&1 ") + QDir::toNativeSeparators(pliki[0]));
        QCOMPARE(pozycje.back(), QStringLiteral("&8 ") + QDir::toNativeSeparators(pliki[7]));

        // An entry of the list opens its file, and it comes to the front.
        bool otwarta = false;
        connect(&glowne, &TMainForm::AnalizaOtwarta, this, [&](const QString&, TSimChildForm* a) { otwarta = a != nullptr; });
        glowne.findChild<QAction*>(QStringLiteral("OstatniaAnaliza5"))->trigger();
        QTRY_VERIFY(otwarta);
        QCOMPARE(qobject_cast<TSimChildForm*>(glowne.ClientArea->subWindowList().front()->widget())->Plik(), pliki[4]);
        QCOMPARE(OstatnieAnalizy().front(), pliki[4]);
        // Asked for again, an open file brings its window forward.
        QVERIFY(Otworz(glowne, pliki[4]));
        QCOMPARE(glowne.ClientArea->subWindowList().size(), 1);
        // A file gone since leaves the list once it has said so; one that is there but
        // cannot be read stays, for the user to mend.
        QVERIFY(QFile::remove(pliki[6]));
        Zapisz(pliki[5], "{");
        for (const QString& plik : {pliki[6], pliki[5]}) {
            TOdpowiedzNaKomunikat komunikat;
            QVERIFY(!Otworz(glowne, plik));
            QVERIFY(komunikat.Pokazany());
        }
        QCOMPARE(OstatnieAnalizy(), (QStringList{pliki[4], pliki[0], pliki[1], pliki[2], pliki[3], pliki[5], pliki[7]}));

        // A file dropped on the main window opens.
        QMimeData dane;
        dane.setUrls({QUrl::fromLocalFile(pliki[1])});
        QDragEnterEvent wejscie(QPoint(50, 50), Qt::CopyAction, &dane, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&glowne, &wejscie);
        QVERIFY(wejscie.isAccepted());
        QDropEvent upuszczenie(QPointF(50, 50), Qt::CopyAction, &dane, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&glowne, &upuszczenie);
        QTRY_COMPARE(glowne.ClientArea->subWindowList().size(), 2);

        // Files named at start-up open instead of the start dialog.
        TMainForm start;
        start.show();
        TPrzyOknieModalnym<TStartForm> dialog([](TStartForm& s) { s.CancelButton->click(); });
        start.OtworzPlikiStartowe({pliki[2], pliki[3]});
        start.UstawPokazStart();
        QTRY_COMPARE(start.ClientArea->subWindowList().size(), 2);
        QTest::qWait(50);
        QVERIFY(!dialog.Wykonane);
    }

    void otworzZeStartu()
    {
        TMainForm glowne;
        glowne.show();
        const QString plik = Folder->filePath(QStringLiteral("start.lintavox"));
        QVERIFY(ZapiszAnalize(QFile::encodeName(plik).toStdString(), AnalizaJson(DomyslneUstawienia(2))).empty());
        TPrzyOknieModalnym<TStartForm> start([](TStartForm& s) {
            s.OpenSimRadioGroup->findChildren<QRadioButton*>().at(0)->click();
            s.OKButton->click();
        });
        QStringList filtry;
        TPrzyOknieModalnym<QFileDialog> dialog([&](QFileDialog& d) {
            filtry = d.nameFilters();
            d.selectFile(plik);
            static_cast<QDialog&>(d).accept();
        });
        glowne.UruchomStart(true);
        QVERIFY(start.Wykonane);
        QTRY_VERIFY(dialog.Wykonane);
        QCOMPARE(filtry.front(), QStringLiteral("Analizy Lintavox (*.lintavox)"));
        QTRY_COMPARE(glowne.ClientArea->subWindowList().size(), 1);
        auto* analiza = qobject_cast<TSimChildForm*>(glowne.ClientArea->subWindowList().front()->widget());
        QCOMPARE(analiza->Standard(), 2);
        QCOMPARE(analiza->Plik(), plik);
    }

private:
    std::optional<QTemporaryDir> Folder;
};

QTEST_MAIN(TestPlikowAnaliz)
#include "TestPlikowAnaliz.moc"
