// The application shell: varto.cfg, the options dialog, the start dialog, creating
// analyses, tiling and the splash window.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>

#include "PlikUstawien.h"
#include "PomocnikiGui.h"
#include "TForm1.h"
#include "TMainForm.h"
#include "TRadioGroup.h"
#include "OknoTestowe.h"
#include "StronyPasm.h"
#include "TSplashForm.h"
#include "TStartForm.h"
#include "UslugiQt.h"

namespace {

QByteArray Plik(const QString& sciezka)
{
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
}

void KliknijPozycje(TRadioGroup* grupa, int indeks)
{
    QTest::mouseClick(grupa->findChildren<QRadioButton*>().at(indeks), Qt::LeftButton);
}

} // namespace

class TestPowloka : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(Folder.emplace().isValid());
        UstawFolderProgramu(Folder->path());
        // The user's settings (the files used last) of the test's own, never the real ones.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Folder->path());
    }

    void cleanup()
    {
        UstawFolderProgramu(QString());
        Folder.reset();
    }

    void przesluchy1000BaseTWPliku()
    {
        TTabelaUstawien tabela{};
        TForm1 opcje(tabela, SciezkaPlikuUstawien(), nullptr);
        opcje.show();
        opcje.NewSimComboBox->setCurrentIndex(3);
        KliknijPozycje(opcje.PrzesluchyRadioGroup, 2);
        QTest::mouseClick(opcje.OKButton, Qt::LeftButton);
        QCOMPARE(opcje.result(), int(QDialog::Accepted));

        const QByteArray dane = Plik(SciezkaPlikuUstawien());
        QCOMPARE(dane.size(), 24);
        QCOMPARE(int(dane[18]), 2);
        QCOMPARE(dane.count('\0'), 23);
        QCOMPARE(tabela[3].Przesluchy, 2);
    }

    void ukladBajtow()
    {
        TTabelaUstawien tabela{};
        tabela[1] = {.BerErf = 1, .Regeneracja = 2, .Przesluchy = 1, .Echo = 0, .Dekoder = 1, .RozkladyBledow = 0};
        const QByteArray dane = KodujUstawienia(tabela);
        QCOMPARE(dane.size(), 24);
        // Przesluchy, Echo, Regeneracja, Dekoder, RozkladyBledow, BerErf from offset 6.
        QCOMPARE(dane.mid(6, 6), QByteArray("\x01\x00\x02\x01\x00\x01", 6));
        TTabelaUstawien odczytana{};
        DekodujUstawienia(dane, odczytana);
        QCOMPARE(odczytana, tabela);
    }

    void krotkiLubBlednyPlik_data()
    {
        QTest::addColumn<QByteArray>("dane");
        QTest::addColumn<int>("zmienione"); // fields taken from the data, from the start
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("10 bytes") << QByteArray(10, '\0') << 10;
        QTest::newRow("23 bytes") << QByteArray(23, '\0') << 23;
        QTest::newRow("30 bytes") << QByteArray(30, '\0') << 24;
    }

    void krotkiLubBlednyPlik()
    {
        QFETCH(QByteArray, dane);
        QFETCH(int, zmienione);
        TTabelaUstawien tabela = UstawieniaPoczatkowe();
        DekodujUstawienia(dane, tabela);
        const QByteArray wynik = KodujUstawienia(tabela);
        const QByteArray poczatkowe = KodujUstawienia(UstawieniaPoczatkowe());
        QCOMPARE(wynik.left(zmienione), QByteArray(zmienione, '\0'));
        QCOMPARE(wynik.mid(zmienione), poczatkowe.mid(zmienione));
    }

    void wartosciPozaZakresem()
    {
        // Crosstalk 3, echo -1, decoder 2 and BER 1 for "10BaseT": the bad ones keep their value.
        TTabelaUstawien tabela = UstawieniaPoczatkowe();
        DekodujUstawienia(QByteArray("\x03\xff\x00\x02\x00\x01", 6), tabela);
        QCOMPARE(tabela[0].Przesluchy, 2);
        QCOMPARE(tabela[0].Echo, 2);
        QCOMPARE(tabela[0].Regeneracja, 0);
        QCOMPARE(tabela[0].Dekoder, 1);
        QCOMPARE(tabela[0].RozkladyBledow, 0);
        QCOMPARE(tabela[0].BerErf, 1);
    }

    void plikUstawienNieBedacyPlikiem()
    {
        // A FIFO would block the start in open() for ever; a folder once read as empty.
        QVERIFY(QDir().mkdir(SciezkaPlikuUstawien()));
        TTabelaUstawien tabela = UstawieniaPoczatkowe();
        QVERIFY(!WczytajUstawienia(SciezkaPlikuUstawien(), tabela));
        QVERIFY(QDir().rmdir(SciezkaPlikuUstawien()));
        QCOMPARE(::mkfifo(QFile::encodeName(SciezkaPlikuUstawien()).constData(), 0600), 0);
        QVERIFY(!WczytajUstawienia(SciezkaPlikuUstawien(), tabela));
        QCOMPARE(tabela, UstawieniaPoczatkowe());
    }

    void brakPlikuToWszystkieFunkcje()
    {
        TMainForm okno;
        for (const UstawieniaStandardu& u : okno.TabelaUstawien) {
            QCOMPARE(u, (UstawieniaStandardu{.BerErf = 1, .Regeneracja = 2, .Przesluchy = 2, .Echo = 2, .Dekoder = 1,
                                             .RozkladyBledow = 1}));
        }
        QVERIFY(!QFile::exists(SciezkaPlikuUstawien()));

        TForm1 opcje(okno.TabelaUstawien, SciezkaPlikuUstawien(), &okno);
        opcje.show();
        QCOMPARE(opcje.NewSimComboBox->currentIndex(), 0);
        QCOMPARE(opcje.PrzesluchyRadioGroup->ItemIndex(), 2);
        QCOMPARE(opcje.BerErfRadioGroup->ItemIndex(), 1);
        QTest::mouseClick(opcje.OKButton, Qt::LeftButton);
        QCOMPARE(Plik(SciezkaPlikuUstawien()), QByteArray("\x02\x02\x02\x01\x01\x01").repeated(4));
    }

    void anulowanieOpcji()
    {
        TTabelaUstawien zapisana = UstawieniaPoczatkowe();
        zapisana[0].Przesluchy = 1;
        QVERIFY(ZapiszUstawienia(SciezkaPlikuUstawien(), zapisana));
        TMainForm okno;
        QCOMPARE(okno.TabelaUstawien[0].Przesluchy, 1);

        {
            TForm1 opcje(okno.TabelaUstawien, SciezkaPlikuUstawien(), &okno);
            opcje.show();
            QCOMPARE(opcje.PrzesluchyRadioGroup->ItemIndex(), 1);
            KliknijPozycje(opcje.PrzesluchyRadioGroup, 0);
            QTest::mouseClick(opcje.AnulujButton, Qt::LeftButton);
            QCOMPARE(opcje.result(), int(QDialog::Rejected));
        }
        // The edit stays in memory, and the next analysis uses it; the file is untouched.
        QCOMPARE(okno.TabelaUstawien[0].Przesluchy, 0);
        QCOMPARE(okno.NowaAnaliza(0)->Opcje().Przesluchy, 0);
        QCOMPARE(Plik(SciezkaPlikuUstawien()), KodujUstawienia(zapisana));

        // The next opening brings the stored value back.
        TForm1 opcje(okno.TabelaUstawien, SciezkaPlikuUstawien(), &okno);
        opcje.show();
        QCOMPARE(okno.TabelaUstawien[0].Przesluchy, 1);
        QCOMPARE(opcje.PrzesluchyRadioGroup->ItemIndex(), 1);
    }

    void opcjePokazujaWybranyStandard()
    {
        TTabelaUstawien tabela{};
        tabela[2].Echo = 1;
        tabela[2].RozkladyBledow = 1;
        TForm1 opcje(tabela, SciezkaPlikuUstawien(), nullptr);
        opcje.show();
        QCOMPARE(opcje.windowTitle(), QStringLiteral("Ustawienia"));
        QCOMPARE(opcje.NewSimComboBox->count(), 4);
        QCOMPARE(opcje.NewSimComboBox->itemText(2), QStringLiteral("100BaseTX (bez 4B5B)"));
        QCOMPARE(opcje.EchoRadioGroup->ItemIndex(), 0);
        opcje.NewSimComboBox->setCurrentIndex(2);
        QCOMPARE(opcje.EchoRadioGroup->ItemIndex(), 1);
        QCOMPARE(opcje.RozkladyRadioGroup->ItemIndex(), 1);
        KliknijPozycje(opcje.DekoderRadioGroup, 1);
        QCOMPARE(tabela[2].Dekoder, 1);
        QCOMPARE(tabela[0].Dekoder, 0);
    }

    void bladZapisuZostawiaTabele()
    {
        // varto.cfg cannot be written where a folder of that name stands.
        QVERIFY(QDir(Folder->path()).mkdir(QStringLiteral("varto.cfg")));
        TTabelaUstawien tabela{};
        TForm1 opcje(tabela, SciezkaPlikuUstawien(), nullptr);
        opcje.show();
        KliknijPozycje(opcje.EchoRadioGroup, 2);
        TOdpowiedzNaKomunikat odpowiedz;
        QTest::mouseClick(opcje.OKButton, Qt::LeftButton);
        QVERIFY(odpowiedz.Pokazany());
        QVERIFY(odpowiedz.Tekst.contains(QStringLiteral("varto.cfg")));
        QCOMPARE(tabela[0].Echo, 2);
        QVERIFY(!ZapiszUstawienia(SciezkaPlikuUstawien(), tabela));
    }

    void wysokosciStartu_data()
    {
        QTest::addColumn<bool>("otworz");
        QTest::newRow("at start-up") << true;
        QTest::newRow("the Nowa command") << false;
    }

    void wysokosciStartu()
    {
        QFETCH(bool, otworz);
        TStartForm start(otworz, nullptr);
        start.show();
        QCOMPARE(start.windowTitle(), QStringLiteral("Lintavox"));
        QCOMPARE(start.NewSimRadioGroup->height(), 140);
        QCOMPARE(start.NewSimRadioGroup->ItemIndex(), 0);
        QCOMPARE(start.OpenSimRadioGroup->isVisible(), otworz);
        const int lista = 140;
        const int przycisk = start.OKButton->height();
        const int otworzH = otworz ? start.OpenSimRadioGroup->height() : 0;
        QCOMPARE(start.height(), lista + otworzH + przycisk + 42);
        QCOMPARE(start.OKButton->y(), lista + otworzH + 32);
        QCOMPARE(start.CancelButton->y(), start.OKButton->y());
        if (otworz)
            QCOMPARE(start.OpenSimRadioGroup->y(), lista + 16);
        QCOMPARE(start.OKButton->text(), QStringLiteral("OK"));
        QCOMPARE(start.CancelButton->text(), QStringLiteral("Cancel"));
    }

    void jedenWyborWObuGrupach()
    {
        TStartForm start(true, nullptr);
        start.show();
        KliknijPozycje(start.OpenSimRadioGroup, 0);
        QCOMPARE(start.NewSimRadioGroup->ItemIndex(), -1);
        QCOMPARE(start.WybranyStandard(), -1);
        KliknijPozycje(start.NewSimRadioGroup, 2);
        QCOMPARE(start.OpenSimRadioGroup->ItemIndex(), -1);
        QCOMPARE(start.WybranyStandard(), 2);
    }

    void startTworzyAnalize()
    {
        TMainForm okno;
        okno.show();
        TPrzyOknieModalnym<TStartForm> otworz([](TStartForm& start) {
            KliknijPozycje(start.OpenSimRadioGroup, 0);
            start.OKButton->click();
        });
        // "Otwórz analizę z dysku" asks for the file; cancelled, it opens nothing.
        QString tytulDialogu;
        TPrzyOknieModalnym<QFileDialog> plik([&](QFileDialog& d) {
            tytulDialogu = d.windowTitle();
            d.reject();
        });
        okno.UruchomStart(true);
        QVERIFY(otworz.Wykonane);
        QTRY_VERIFY(plik.Wykonane);
        QCOMPARE(tytulDialogu, QStringLiteral("Otwieranie analizy"));
        QVERIFY(okno.ClientArea->subWindowList().isEmpty());

        TPrzyOknieModalnym<TStartForm> anuluj([](TStartForm& start) { start.CancelButton->click(); });
        okno.UruchomStart(false);
        QVERIFY(anuluj.Wykonane);
        QVERIFY(okno.ClientArea->subWindowList().isEmpty());

        TPrzyOknieModalnym<TStartForm> gigabit([](TStartForm& start) {
            QVERIFY(start.OpenSimRadioGroup->isHidden());
            KliknijPozycje(start.NewSimRadioGroup, 3);
            start.OKButton->click();
        });
        QTest::mouseClick(okno.NewButton, Qt::LeftButton);
        QVERIFY(gigabit.Wykonane);
        QCOMPARE(okno.ClientArea->subWindowList().size(), 1);
        auto* analiza = qobject_cast<TSimChildForm*>(okno.ClientArea->subWindowList().first()->widget());
        QVERIFY(analiza);
        QCOMPARE(analiza->windowTitle(), QStringLiteral("Analiza dla 1000BaseT[*]"));
        QVERIFY(!analiza->isWindowModified());
        QCOMPARE(analiza->Standard(), 3);
        QCOMPARE(TKontrolkiOkna(*analiza).SzybkoscEdit->text(), QStringLiteral("1000"));
    }

    void oknoGlowne()
    {
        TMainForm okno;
        QCOMPARE(okno.windowTitle(), QStringLiteral("Lintavox"));
        QCOMPARE(okno.minimumSize(), QSize(620, 450));
        QVERIFY(!okno.Zapisz1->isEnabled() && !okno.SaveButton->isEnabled());
        QVERIFY(!okno.Drukuj1->isEnabled() && !okno.PrintButton->isEnabled());
        QVERIFY(okno.NewButton->isEnabled() && okno.OpenButton->isEnabled() && okno.CloseButton->isEnabled());
        QCOMPARE(okno.Symulacja1->title(), QStringLiteral("Symulacja"));
        QStringList pozycje;
        for (QAction* a : okno.Symulacja1->actions())
            if (!a->isSeparator())
                pozycje.append(a->text());
        QCOMPARE(pozycje, (QStringList{QStringLiteral("Nowa"), QStringLiteral("Otwórz…"), QStringLiteral("Zapisz analizę"),
                                       QStringLiteral("Zapisz analizę jako…"), QStringLiteral("Zapisz"),
                                       QStringLiteral("Drukuj"), QStringLiteral("Opcje"), QStringLiteral("Zakończ")}));
        QCOMPARE(okno.ZapiszAnalize1->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(okno.ZapiszAnalizeJako1->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QCOMPARE(okno.Otworz1->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QVERIFY(okno.Zapisz1->shortcut().isEmpty());
        QVERIFY(!okno.ZapiszAnalize1->isEnabled() && !okno.ZapiszAnalizeJako1->isEnabled());
        QCOMPARE(okno.SaveButton->defaultAction(), okno.Zapisz1);

        okno.show();
        TSimChildForm* pierwsza = okno.NowaAnaliza(0);
        TSimChildForm* druga = okno.NowaAnaliza(3);
        // The commands follow the active analysis: on with results on show, off without.
        pierwsza->Strony().setTabVisible(pierwsza->Strony().indexOf(&pierwsza->StronaWyjsc()), true);
        okno.ClientArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(pierwsza->parentWidget()));
        QVERIFY(okno.Zapisz1->isEnabled() && okno.PrintButton->isEnabled());
        okno.ClientArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(druga->parentWidget()));
        QVERIFY(!okno.Zapisz1->isEnabled() && !okno.PrintButton->isEnabled());
        emit okno.Okno1->aboutToShow();
        QStringList okna;
        for (QAction* a : okno.Okno1->actions())
            okna.append(a->text());
        QCOMPARE(okna, (QStringList{QStringLiteral("Kaskada"), QStringLiteral("Ustaw w poziomie"),
                                    QStringLiteral("Ustaw w pionie"), QString(), QStringLiteral("&1 Analiza dla 10BaseT"),
                                    QStringLiteral("&2 Analiza dla 1000BaseT")}));
    }

    void ukladanieOkien()
    {
        TMainForm okno;
        okno.resize(1200, 900);
        okno.show();
        for (int standard : {0, 1, 2})
            okno.NowaAnaliza(standard);
        const QSize obszar = okno.ClientArea->viewport()->size();
        const QList<QMdiSubWindow*> okna = okno.ClientArea->subWindowList();

        okno.UstawWPoziomie();
        int gora = 0;
        for (QMdiSubWindow* w : okna) {
            QCOMPARE(w->geometry().x(), 0);
            QCOMPARE(w->geometry().y(), gora);
            QCOMPARE(w->width(), obszar.width());
            gora += w->height();
        }
        QCOMPARE(gora, obszar.height());

        okno.UstawWPionie();
        int lewa = 0;
        for (QMdiSubWindow* w : okna) {
            QCOMPARE(w->geometry().x(), lewa);
            QCOMPARE(w->geometry().y(), 0);
            QCOMPARE(w->height(), obszar.height());
            lewa += w->width();
        }
        QCOMPARE(lewa, obszar.width());
    }

    void splash()
    {
        TMainForm okno;
        TSplashForm splash;
        QCOMPARE(splash.size(), QSize(396, 181));
        QCOMPARE(splash.WersjaLabel->text(), QStringLiteral(" Wersja: 0.99b "));
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(splash.Timer1->interval() == 1000);
        QTimer::singleShot(0, &splash, [&splash] { QVERIFY(splash.Image2->isHidden()); });
        QCOMPARE(splash.PokazModalnie(), int(QDialog::Accepted));

        splash.PokazZPrzyciskiem();
        splash.UstawOknoGlowne(&okno);
        QVERIFY(splash.isVisible() && !splash.isModal());
        QVERIFY(splash.Image2->isVisible());
        QTest::mousePress(splash.Image2, Qt::LeftButton);
        QCOMPARE(splash.Panel6->frameShadow(), QFrame::Sunken);
        TPrzyOknieModalnym<TStartForm> start([](TStartForm& s) {
            QVERIFY(s.OpenSimRadioGroup->isVisible());
            s.CancelButton->click();
        });
        QTest::mouseRelease(splash.Image2, Qt::LeftButton);
        QCOMPARE(splash.Panel6->frameShadow(), QFrame::Raised);
        QVERIFY(!splash.isVisible());
        QVERIFY(okno.PokazStart);
        QTRY_VERIFY(start.Wykonane);
        QVERIFY(!okno.PokazStart);
    }

private:
    std::optional<QTemporaryDir> Folder;
};

QTEST_MAIN(TestPowloka)
#include "TestPowloka.moc"
