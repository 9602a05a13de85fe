// The worker of an analysis window's computations: what it hands over, what a failure
// of any kind tells the user, and that a cancelled or empty computation hands nothing.
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
#include <stdexcept>

#include "WatekObliczen.h"

namespace {

constexpr int CzasMs = 10000;

const TWatekObliczen::TKomunikaty Komunikaty{QStringLiteral("Za mało pamięci."),
                                             QStringLiteral("Wynik nie jest skończony."),
                                             QStringLiteral("Obliczenie zostało przerwane przez")};

// Starts a worker over the computation and waits until it has gone.
struct TPrzebiegWatku {
    explicit TPrzebiegWatku(TWatekObliczen::TObliczenie obliczenie)
        : Watek(new TWatekObliczen(std::move(obliczenie), TPostepQt(nullptr, nullptr, nullptr, nullptr).Kontrolki(),
                                   Komunikaty)),
          Gotowe(Watek.data(), &TWatekObliczen::Gotowe), Bledy(Watek.data(), &TWatekObliczen::Blad)
    {
    }

    bool Czekaj() { return QTest::qWaitFor([this] { return Watek.isNull(); }, CzasMs); }

    QPointer<TWatekObliczen> Watek;
    QSignalSpy Gotowe;
    QSignalSpy Bledy;
};

} // namespace

class TestWatkuObliczen : public QObject {
    Q_OBJECT

private slots:
    void wynikDocieraDoWatkuGui()
    {
        auto wynik = std::make_shared<TWynikSymulacji>();
        wynik->BER = 0.25;
        TPrzebiegWatku p([wynik](std::uint8_t*, const TKontrolkiPostepu&) { return TWatekObliczen::TWynik(wynik); });
        p.Watek->start();
        QVERIFY(p.Czekaj());
        QCOMPARE(p.Gotowe.count(), 1);
        QCOMPARE(p.Bledy.count(), 0);
        const auto oddany = p.Gotowe.at(0).at(0).value<TWatekObliczen::TWynik>();
        QCOMPARE(std::get<std::shared_ptr<TWynikSymulacji>>(oddany), wynik);
    }

    void bladKazdegoRodzaju_data()
    {
        QTest::addColumn<int>("rodzaj");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("out of memory") << 0 << "Za mało pamięci.";
        QTest::newRow("an error with a message") << 1 << "Obliczenie zostało przerwane przez błąd: no filter";
        QTest::newRow("a result that is not finite") << 2 << "Wynik nie jest skończony.";
        QTest::newRow("anything else thrown") << 3 << "Obliczenie zostało przerwane przez nieznany błąd.";
    }

    void bladKazdegoRodzaju()
    {
        QFETCH(int, rodzaj);
        QFETCH(QString, komunikat);
        TPrzebiegWatku p([rodzaj](std::uint8_t*, const TKontrolkiPostepu&) -> TWatekObliczen::TWynik {
            if (rodzaj == 0)
                throw std::bad_alloc();
            if (rodzaj == 1)
                throw std::runtime_error("no filter");
            if (rodzaj == 2)
                throw TWynikNieskonczony("BER");
            throw 7;
        });
        p.Watek->start();
        QVERIFY(p.Czekaj());
        QCOMPARE(p.Gotowe.count(), 0);
        QCOMPARE(p.Bledy.count(), 1);
        QCOMPARE(p.Bledy.at(0).at(0).toString(), komunikat);
    }

    // Nothing made, or made after the flag was set: nothing handed over, and what was
    // made is freed with the worker.
    void anulowaneLubPusteNicNieOddaja()
    {
        TPrzebiegWatku pusty([](std::uint8_t*, const TKontrolkiPostepu&) {
            return TWatekObliczen::TWynik(std::shared_ptr<WynikRekalkulacji>());
        });
        pusty.Watek->start();
        QVERIFY(pusty.Czekaj());
        QCOMPARE(pusty.Gotowe.count() + pusty.Bledy.count(), 0);

        std::weak_ptr<TWynikSymulacji> zrobiony;
        std::atomic<bool> ruszyl{false};
        TPrzebiegWatku anulowany([&](std::uint8_t* flaga, const TKontrolkiPostepu&) {
            ruszyl = true;
            while (std::atomic_ref<std::uint8_t>(*flaga).load() == 0)
                QThread::msleep(1);
            auto wynik = std::make_shared<TWynikSymulacji>();
            zrobiony = wynik;
            return TWatekObliczen::TWynik(wynik);
        });
        anulowany.Watek->start();
        QTRY_VERIFY(ruszyl.load());
        anulowany.Watek->Zakoncz();
        QVERIFY(anulowany.Czekaj());
        QCOMPARE(anulowany.Gotowe.count() + anulowany.Bledy.count(), 0);
        QVERIFY(zrobiony.expired());
    }
};

QTEST_MAIN(TestWatkuObliczen)
#include "TestWatkuObliczen.moc"
