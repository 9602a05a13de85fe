// The Qt side of the platform: progress shown from a worker thread, the worker base and
// its flag, the message box, whole-file writes, the cursor and the locale's decimal
// separator.
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QAbstractFileIconProvider>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QProgressBar>
#include <QTest>
#include <QVBoxLayout>

#include <atomic>
#include <memory>
#include <thread>

#include "Liczby.h"
#include "PomocnikiGui.h"
#include "PostepQt.h"
#include "UslugiQt.h"
#include "WatkiTestowe.h"
#include "ZapisPlikuQt.h"

namespace {

struct TKontrolki {
    QWidget Okno;
    QLabel* Etykieta = new QLabel(&Okno);
    QProgressBar* Czesciowy = new QProgressBar(&Okno);
    QProgressBar* Calkowity = new QProgressBar(&Okno);
};

// Reads the flag through the address lent to libraries, as the channel library does.
class TWatekFlagi : public TWatek {
public:
    std::atomic<int> Obroty{0};

protected:
    void Wykonaj() override
    {
        std::uint8_t* flaga = FlagaZakonczenia();
        while (std::atomic_ref<std::uint8_t>(*flaga).load() == 0)
            Obroty.fetch_add(1);
    }
};

} // namespace

class TestPlatformaQt : public QObject {
    Q_OBJECT

private slots:
    void postepZWatkuPokazujeOstatniaWartosc()
    {
        TKontrolki k;
        auto* postep = new TPostepQt(k.Etykieta, k.Czesciowy, k.Calkowity, &k.Okno);
        const TKontrolkiPostepuQt kontrolki = postep->Kontrolki();
        constexpr std::int64_t N = 8'000'000;
        QElapsedTimer czas;
        czas.start();
        std::atomic<bool> gotowe{false};
        std::thread obliczenie([kontrolki, &gotowe] {
            kontrolki.Etykieta()->UstawTekst("Tlumienie: Kalkulacja odpowiedzi");
            kontrolki.Czesciowy()->UstawMaksimum(N);
            kontrolki.Calkowity()->UstawMaksimum(2 * N);
            for (std::int64_t i = 1; i <= N; ++i) {
                kontrolki.Czesciowy()->UstawPozycje(i);
                kontrolki.Calkowity()->UstawPozycje(kontrolki.Calkowity()->Pozycja() + 1);
            }
            kontrolki.Etykieta()->UstawTekst("Przesłuchy: Sygnał (2)");
            kontrolki.Etykieta()->Odswiez();
            gotowe.store(true);
        });
        // The GUI thread keeps turning its event loop meanwhile, as a window does.
        QTRY_VERIFY_WITH_TIMEOUT(gotowe.load(), 30000);
        obliczenie.join();
        QTRY_COMPARE(k.Etykieta->text(), QStringLiteral("Przesłuchy: Sygnał (2)"));
        QTRY_COMPARE(k.Czesciowy->value(), k.Czesciowy->maximum());
        QCOMPARE(k.Calkowity->value() * 2, k.Calkowity->maximum());
        // Millions of updates reach the widgets a few times per screen refresh at most.
        QVERIFY2(postep->LiczbaPokazow() <= czas.elapsed() / 10 + 3, qPrintable(QString::number(postep->LiczbaPokazow())));
    }

    void wskaznik64Bitowy()
    {
        TKontrolki k;
        TPostepQt postep(k.Etykieta, k.Czesciowy, k.Calkowity, nullptr);
        TWskaznikPostepu* w = postep.Kontrolki().Czesciowy();
        w->UstawMaksimum(10'000'000'000);
        w->UstawPozycje(2'500'000'000);
        postep.PokazTeraz();
        QCOMPARE(double(k.Czesciowy->value()) / k.Czesciowy->maximum(), 0.25);
        QCOMPARE(w->Pozycja(), 2'500'000'000);
        // Past the maximum is drawn full; no maximum yet is drawn empty.
        w->UstawPozycje(10'000'000'100);
        postep.PokazTeraz();
        QCOMPARE(k.Czesciowy->value(), k.Czesciowy->maximum());
        w->UstawMaksimum(0);
        postep.PokazTeraz();
        QCOMPARE(k.Czesciowy->value(), 0);
    }

    void kontrolkiPrzezywajaOkno()
    {
        auto k = std::make_unique<TKontrolki>();
        auto* postep = new TPostepQt(k->Etykieta, k->Czesciowy, k->Calkowity, &k->Okno);
        const TKontrolkiPostepuQt kontrolki = postep->Kontrolki();
        std::atomic<bool> dalej{true};
        std::thread obliczenie([&] {
            for (std::int64_t i = 0; dalej.load(); ++i) {
                kontrolki.Calkowity()->UstawPozycje(i);
                kontrolki.Etykieta()->UstawTekst("Echo: ");
            }
        });
        // Waits for the computation's own reports rather than a fixed time, which a loaded
        // machine may not give the thread.
        QTRY_VERIFY(kontrolki.Calkowity()->Pozycja() > 0);
        k.reset(); // the window closes while the computation still reports
        const std::int64_t poZamknieciu = kontrolki.Calkowity()->Pozycja();
        QTRY_VERIFY(kontrolki.Calkowity()->Pozycja() > poZamknieciu);
        dalej.store(false);
        obliczenie.join();
    }

    void watekWidziFlage()
    {
        TWatekFlagi* dzialajacy = UtworzUruchomiony<TWatekFlagi>();
        const QPointer<TWatek> watek = dzialajacy;
        QTRY_VERIFY(dzialajacy->Obroty.load() > 0);
        QVERIFY(!dzialajacy->Zakonczony());
        dzialajacy->Zakoncz();
        QVERIFY(dzialajacy->Zakonczony());
        // It sees the flag, returns, and deletes itself once.
        QTRY_VERIFY(watek.isNull());
    }

    void wyjscieCzekaNaWszystkieWatki()
    {
        TWatekFlagi* pierwszy = UtworzUruchomiony<TWatekFlagi>();
        TWatekFlagi* drugi = UtworzUruchomiony<TWatekFlagi>();
        QTRY_VERIFY(pierwszy->Obroty.load() > 0 && drugi->Obroty.load() > 0);
        TWatek::ZakonczWszystkieICzekaj();
        QVERIFY(pierwszy->isFinished());
        QVERIFY(drugi->isFinished());
        // With the event loop back, each deletes itself as usual.
        const QPointer<TWatek> a = pierwszy;
        const QPointer<TWatek> b = drugi;
        QTRY_VERIFY(a.isNull() && b.isNull());
    }

    void dialogPlikuNieCzytaZawartosci()
    {
        QTemporaryDir folder;
        QFile bezRozszerzenia(folder.filePath(QStringLiteral("notatki")));
        QVERIFY(bezRozszerzenia.open(QIODevice::WriteOnly));
        bezRozszerzenia.write("plain text that content sniffing would recognise\n");
        bezRozszerzenia.close();

        QFileDialog dialog;
        PrzygotujDialogPliku(dialog);
        QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
        QVERIFY(dialog.iconProvider() != nullptr);
        QCOMPARE(dialog.iconProvider()->type(QFileInfo(bezRozszerzenia.fileName())), QStringLiteral("Plik"));
        QCOMPARE(dialog.iconProvider()->type(QFileInfo(folder.filePath(QStringLiteral("wyniki.bmp")))),
                 QStringLiteral("Plik BMP"));
        QCOMPARE(dialog.iconProvider()->type(QFileInfo(folder.path())), QStringLiteral("Folder"));
    }

    void komunikatZFokusem()
    {
        QWidget okno;
        auto* pierwsze = new QLineEdit(&okno);
        auto* drugie = new QLineEdit(&okno);
        auto* uklad = new QVBoxLayout(&okno);
        uklad->addWidget(pierwsze);
        uklad->addWidget(drugie);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        pierwsze->setFocus();
        TOdpowiedzNaKomunikat odpowiedz;
        PokazKomunikat(drugie, QStringLiteral("Nieprawidłowa wartość"));
        QVERIFY(odpowiedz.Pokazany());
        QCOMPARE(odpowiedz.Tekst, QStringLiteral("Nieprawidłowa wartość"));
        QCOMPARE(odpowiedz.Przyciski, 1);
        QTRY_COMPARE(QApplication::focusWidget(), drugie);
    }

    // A file appears whole or not at all: a writer that gives up leaves an earlier file as
    // it was and nothing beside it; a folder is refused; each failure has its message.
    // (A disk that takes only part is the report's test.)
    void zapisCalegoPliku()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString plik = folder.filePath(QStringLiteral("wyniki.dat"));
        const auto zawartosc = [&] {
            QFile f(plik);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(brak)");
        };
        QVERIFY(!ZapiszPlik(plik, [](QIODevice& d) { return d.write("pierwszy") == 8; }));
        QCOMPARE(zawartosc(), QByteArray("pierwszy"));

        const auto poddany = ZapiszPlik(plik, [](QIODevice& d) {
            d.write("pol");
            return false;
        });
        QVERIFY(poddany && poddany->Rodzaj == TBladZapisu::Zapis);
        QCOMPARE(zawartosc(), QByteArray("pierwszy"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{QStringLiteral("wyniki.dat")});
        QCOMPARE(OpisBleduZapisu(plik, *poddany), QStringLiteral("Nie udało się zapisać pliku %1.").arg(plik));

        const auto doFolderu = ZapiszPlik(folder.path(), [](QIODevice& d) { return d.write("x") == 1; });
        QVERIFY(doFolderu && doFolderu->Rodzaj == TBladZapisu::NieZwyklyPlik);
        QCOMPARE(OpisBleduZapisu(folder.path(), *doFolderu),
                 folder.path() + QStringLiteral(" nie jest zwykłym plikiem; nic nie zapisano."));
        const auto brakFolderu = ZapiszPlik(folder.filePath(QStringLiteral("brak/x")), [](QIODevice&) { return true; });
        QVERIFY(brakFolderu && !brakFolderu->Szczegoly.isEmpty());
        QVERIFY(!brakFolderu->Szczegoly.contains(QStringLiteral("brak/x")));
    }

    void kursorEkranu()
    {
        QCOMPARE(KursorEkranu(), TKursorEkranu::Domyslny);
        UstawKursorEkranu(TKursorEkranu::Uruchamianie);
        UstawKursorEkranu(TKursorEkranu::Uruchamianie);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
        UstawKursorEkranu(TKursorEkranu::Domyslny);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void separatorZLokalizacji()
    {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        UstawSeparatorZLokalizacji();
        QCOMPARE(SeparatorDziesietny(), ',');
        QCOMPARE(TekstStalo(-(-21.6f), 3), QStringLiteral("21,600"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        UstawSeparatorZLokalizacji();
        QCOMPARE(TekstStalo(100.0, 3), QStringLiteral("100.000"));
    }

    void folderProgramu()
    {
        QCOMPARE(FolderProgramu(), QCoreApplication::applicationDirPath());
        UstawFolderProgramu(QStringLiteral("/tmp/gdzie-indziej"));
        QCOMPARE(FolderProgramu(), QStringLiteral("/tmp/gdzie-indziej"));
        UstawFolderProgramu(QString());
        QCOMPARE(FolderProgramu(), QCoreApplication::applicationDirPath());
    }
};

QTEST_MAIN(TestPlatformaQt)
#include "TestPlatformaQt.moc"
