// A simulation in the analysis window: the run on its worker, the result views it
// builds and later runs refresh, legends, zoom, strip layout, the error page, the tab
// highlighting, cancelling, closing during a run and a run that fails.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <malloc.h>

#include <atomic>
#include <memory>
#include <new>

#include "JsonSymulacji.h"
#include "Liczby.h"
#include "OknoTestowe.h"
#include "OpisZliczenia.h"
#include "PomocnikiGui.h"
#include "PanelWanien.h"
#include "StronaBledow.h"
#include "StronaOkowa.h"
#include "UslugiQt.h"
#include "Vartostream.h"

namespace {

UstawieniaStandardu Wszystko()
{
    UstawieniaStandardu u;
    u.BerErf = u.Dekoder = u.RozkladyBledow = 1;
    u.Regeneracja = u.Przesluchy = u.Echo = 2;
    return u;
}

std::unique_ptr<TOknoTestowe> NoweOkno(int standard, const UstawieniaStandardu& u = Wszystko(),
                                       TPoleceniaWynikow polecenia = {})
{
    auto okno = std::make_unique<TOknoTestowe>(u, polecenia);
    okno->UstawOpcje(standard);
    okno->resize(1000, 700);
    okno->show();
    okno->UstawStandard();
    return okno;
}

bool ZakladkaWidoczna(const TOknoTestowe& okno, QWidget* strona)
{
    return okno.PageControl1->isTabVisible(okno.PageControl1->indexOf(strona));
}

// Presses the simulation button and lets the program run until the worker has gone.
// The charts of a strip page paint, size themselves and settle their scroll boxes.
void Pokaz(TOknoTestowe& okno, QWidget* strona)
{
    okno.PageControl1->setCurrentWidget(strona);
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        okno.repaint();
    }
}

// A gauge lent to the channel in place of the window's: it passes every value on and,
// once the call is under way, holds it until the run is told to stop, so a cancel or a
// close always lands inside the channel call.
class TWskaznikWstrzymujacy : public TWskaznikPostepu {
public:
    TWskaznikWstrzymujacy(TWskaznikPostepu* wskaznik, std::uint8_t* flaga) : Wskaznik(wskaznik), Flaga(flaga) {}

    void UstawMaksimum(std::int64_t maksimum) override { Wskaznik->UstawMaksimum(maksimum); }
    std::int64_t Maksimum() const override { return Wskaznik->Maksimum(); }
    void UstawPozycje(std::int64_t pozycja) override
    {
        Wskaznik->UstawPozycje(pozycja);
        if (pozycja > 0 && !Wstrzymany) {
            Wstrzymany = true;
            while (std::atomic_ref<std::uint8_t>(*Flaga).load() == 0)
                QThread::msleep(1);
        }
    }
    std::int64_t Pozycja() const override { return Wskaznik->Pozycja(); }

private:
    TWskaznikPostepu* Wskaznik;
    std::uint8_t* Flaga;
    bool Wstrzymany = false;
};

// The real run, held inside the channel call until it is told to stop.
std::unique_ptr<TWynikSymulacji> PrzebiegWstrzymany(const TUstawieniaSymulacji& u, std::uint8_t* flaga,
                                                    const TKontrolkiPostepu& postep)
{
    TWskaznikWstrzymujacy calkowity(postep.Calkowity, flaga);
    return Symuluj(u, flaga, {postep.Etykieta, postep.Czesciowy, &calkowity});
}

std::size_t PamiecWUzyciu()
{
    return mallinfo2().uordblks;
}

} // namespace

class TestSymulacji : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        UstawLokalizacjePolska();
    }

    void cleanup() { UstawKursorEkranu(TKursorEkranu::Domyslny); }

    void pelnaSymulacja_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<int>("strumienie");
        QTest::addColumn<int>("tory");
        QTest::newRow("10BaseT") << 0 << 3 << 1;
        QTest::newRow("100BaseTX") << 1 << 4 << 1;
        QTest::newRow("100BaseTX (bez 4B5B)") << 2 << 3 << 1;
        QTest::newRow("1000BaseT") << 3 << 9 << 4;
    }

    void pelnaSymulacja()
    {
        QFETCH(int, standard);
        QFETCH(int, strumienie);
        QFETCH(int, tory);
        QAction zapisz(QStringLiteral("Zapisz"));
        QAction drukuj(QStringLiteral("Drukuj"));
        zapisz.setEnabled(false);
        drukuj.setEnabled(false);
        auto okno = NoweOkno(standard, Wszystko(), {&zapisz, &drukuj});
        QVERIFY(Przeprowadz(*okno));

        for (QWidget* strona : {okno->TabSheetWejsciowe, okno->TabSheetWyjsciowe, okno->TabSheetOkowy,
                                okno->ErrorTabSheet})
            QVERIFY(ZakladkaWidoczna(*okno, strona));
        QVERIFY(okno->WynikiGotowe());
        QVERIFY(okno->Wyniki());
        QCOMPARE(static_cast<int>(okno->PasmaWejsciowe->Wykresy.size()), strumienie);
        QCOMPARE(static_cast<int>(okno->PasmaWejsciowe->Panele.size()), strumienie);
        QCOMPARE(static_cast<int>(okno->PasmaWyjsciowe->Wykresy.size()), tory);
        QCOMPARE(static_cast<int>(okno->PasmaZdekodowane->Wykresy.size()), tory);
        // The lanes first, then the markers of their sampling instants and openings.
        QVERIFY(okno->WykresOkowy->LiczbaSerii() > tory);
        for (int k = 0; k < strumienie; ++k) {
            TWykres* w = okno->PasmaWejsciowe->Wykresy[static_cast<std::size_t>(k)];
            QCOMPARE(w->LiczbaSerii(), 1);
            QCOMPARE(w->Seria(0)->Strumien, okno->Wyniki()->Wejsciowe[static_cast<std::size_t>(k)].get());
            // Only the last input strip draws its time axis.
            QCOMPARE(w->OsX.WyswietlOs(), k == strumienie - 1);
        }
        for (int i = 0; i < tory; ++i) {
            const TWykres* w = okno->PasmaWyjsciowe->Wykresy[static_cast<std::size_t>(i)];
            QCOMPARE(w->LiczbaSerii(), 4);
            QCOMPARE(w->Seria(0)->Kolor, TColor{0x0000FF});
            QCOMPARE(w->Seria(1)->Strumien, okno->Wyniki()->Tory[static_cast<std::size_t>(i)].Wyslany);
            QCOMPARE(w->Seria(2)->Kolor, TColor{0x000080});
            QCOMPARE(w->Seria(3)->Kolor, TColor{0xFF0000});
            QCOMPARE(okno->PasmaZdekodowane->Wykresy[static_cast<std::size_t>(i)]->LiczbaSerii(), 2);
            QCOMPARE(okno->WykresOkowy->Seria(i)->Strumien, okno->Wyniki()->Tory[static_cast<std::size_t>(i)].Wejscie());
        }
        // The window comes back unlocked, its button uncovered but off until a setting changes.
        QVERIFY(okno->SimBut->isVisible());
        QVERIFY(!okno->SimBut->isEnabled());
        QVERIFY(okno->LiczbaBitowEdit->isEnabled() && okno->GenComboBox->isEnabled());
        QVERIFY((okno->WatekObliczen() == nullptr));
        QCOMPARE(KursorEkranu(), TKursorEkranu::Domyslny);
        QVERIFY(zapisz.isEnabled() && drukuj.isEnabled());
        QVERIFY(okno->TimeErrorLabel->text().startsWith(QStringLiteral("Transmisja poprawna w ")));
        QVERIFY(okno->BERLabel2->text().startsWith(QStringLiteral("Przy szybkości transmisji ")) ||
                okno->BERLabel2->text() == QStringLiteral("Oznacza to brak błędów"));
        QCOMPARE(okno->WykresOkowy->OsX.Max(), standard == 0 ? 0.5f : 1.0f);

        okno->LiczbaBitowEdit->setText(QStringLiteral("200"));
        QVERIFY(okno->SimBut->isEnabled());
        QVERIFY(!zapisz.isEnabled());
    }

    // A seed given to the page repeats a run bit for bit, and the result records it.
    void ziarnoPowtarzaPrzebieg()
    {
        auto okno = NoweOkno(3);
        TUstawieniaSymulacji u = okno->StronaUstawien().UstawieniaSymulacji();
        u.Ziarno = 7;
        okno->StronaUstawien().Zastosuj(u);
        QVERIFY(Przeprowadz(*okno));
        QCOMPARE(okno->Wyniki()->Ziarno, 7u);
        const std::string pierwszy = WynikJson(*okno->Wyniki()).dump();
        QVERIFY(Przeprowadz(*okno));
        QVERIFY(WynikJson(*okno->Wyniki()).dump() == pierwszy);
    }

    void postepPodczasKanalu()
    {
        auto okno = NoweOkno(1);
        okno->UstawPrzebieg(PrzebiegWstrzymany);
        QTest::mouseClick(okno->SimBut, Qt::LeftButton);
        QVERIFY(okno->SymulacjaTrwa());
        QVERIFY(!okno->SimBut->isVisible());
        QVERIFY(okno->AnulujBut->isVisible());
        QCOMPARE(KursorEkranu(), TKursorEkranu::Uruchamianie);
        QVERIFY(!okno->LiczbaBitowEdit->isEnabled());
        // The channel's progress reaches the window while the call is held.
        QTRY_VERIFY(okno->CGaugeTotal->value() > 0);
        QTRY_VERIFY(!okno->ProgLabel->text().isEmpty());

        QPointer<TWatek> watek = okno->WatekObliczen();
        QTest::mouseClick(okno->AnulujBut, Qt::LeftButton);
        QVERIFY(!okno->SymulacjaTrwa());
        QVERIFY(okno->SimBut->isVisible() && okno->SimBut->isEnabled());
        QVERIFY(okno->LiczbaBitowEdit->isEnabled());
        QCOMPARE(KursorEkranu(), TKursorEkranu::Domyslny);
        QTRY_VERIFY_WITH_TIMEOUT(watek.isNull(), CzasRunuMs);
        QTest::qWait(20);
        for (QWidget* strona : {okno->TabSheetWejsciowe, okno->TabSheetWyjsciowe, okno->TabSheetOkowy,
                                okno->ErrorTabSheet})
            QVERIFY(!ZakladkaWidoczna(*okno, strona));
        QVERIFY(!okno->Wyniki());
        QVERIFY(okno->PasmaWejsciowe->Wykresy.empty());
    }

    void anulowanieZwalniaPoprzednieWyniki()
    {
        auto okno = NoweOkno(0);
        QVERIFY(Przeprowadz(*okno));
        const std::weak_ptr<const TWynikSymulacji> poprzednie = okno->Wyniki();
        okno->UstawPrzebieg(PrzebiegWstrzymany);
        okno->SimBut->setEnabled(true);
        QTest::mouseClick(okno->SimBut, Qt::LeftButton);
        // From the start of a run the window holds no results and no chart points at them.
        QVERIFY(poprzednie.expired());
        for (const TWykres* w : okno->PasmaWyjsciowe->Wykresy)
            for (std::int32_t s = 0; s < w->LiczbaSerii(); ++s)
                QCOMPARE(w->Seria(s)->Strumien, nullptr);
        QPointer<TWatek> watek = okno->WatekObliczen();
        okno->AnulujButClick();
        QTRY_VERIFY_WITH_TIMEOUT(watek.isNull(), CzasRunuMs);
        QVERIFY(!ZakladkaWidoczna(*okno, okno->TabSheetWejsciowe));
        // The views built before stay and are refreshed by the next run.
        okno->UstawPrzebieg(Symuluj);
        const std::vector<TWykres*> wykresy = okno->PasmaWejsciowe->Wykresy;
        QVERIFY(Przeprowadz(*okno));
        QVERIFY(okno->PasmaWejsciowe->Wykresy == wykresy);
        QCOMPARE(okno->PasmaWejsciowe->Wykresy[0]->Seria(0)->Strumien, okno->Wyniki()->Wejsciowe[0].get());
    }

    void legendaIRegeneracja()
    {
        auto okno = NoweOkno(0);
        QVERIFY(Przeprowadz(*okno));
        TLegenda* legenda = okno->LegendaWyjsciowe;
        QCOMPARE(legenda->rowCount(), 4);
        QCOMPARE(legenda->item(2, 0)->text(), QStringLiteral("Sygnał po regeneracji"));
        QCOMPARE(legenda->Seria(2), 3);
        QCOMPARE(legenda->Obraz(2), 2);
        QCOMPARE(okno->Panel14->height(), 80);
        QCOMPARE(okno->PasmaWyjsciowe->Wykresy[0]->LiczbaSerii(), 4);
        QCOMPARE(okno->LegendaZdekodowane->rowCount(), 2);

        okno->WzmocnienieCheckBox->setChecked(false);
        QVERIFY(okno->SimBut->isEnabled());
        QVERIFY(Przeprowadz(*okno));
        QCOMPARE(legenda->rowCount(), 3);
        QCOMPARE(okno->Panel14->height(), 63);
        QCOMPARE(okno->PasmaWyjsciowe->Wykresy[0]->LiczbaSerii(), 3);
        QStringList podpisy;
        for (int r = 0; r < legenda->rowCount(); ++r) {
            podpisy.append(legenda->item(r, 0)->text());
            QVERIFY(legenda->Zaznaczony(r));
        }
        QCOMPARE(podpisy, (QStringList{QStringLiteral("Sygnał przed wprowadzeniem do kanału"),
                                       QStringLiteral("Sygnał po przeprowadzeniu przez kanał"),
                                       QStringLiteral("Sygnał po wzmocnieniu")}));
        // The eye diagram follows the received signals without the regenerator.
        QCOMPARE(okno->WykresOkowy->Seria(0)->Strumien, okno->Wyniki()->Tory[0].Odebrany.get());

        okno->WzmocnienieCheckBox->setChecked(true);
        QVERIFY(Przeprowadz(*okno));
        QCOMPARE(legenda->rowCount(), 4);
        QCOMPARE(okno->PasmaWyjsciowe->Wykresy[0]->LiczbaSerii(), 4);
        QCOMPARE(okno->PasmaWyjsciowe->Wykresy[0]->Seria(3)->Strumien, okno->Wyniki()->Tory[0].Zregenerowany.get());
    }

    void legendaPrzelaczaKrzywaWeWszystkichTorach()
    {
        auto okno = NoweOkno(3);
        QVERIFY(Przeprowadz(*okno));
        TLegenda* legenda = okno->LegendaWyjsciowe;
        int wiersz = -1;
        for (int r = 0; r < legenda->rowCount(); ++r)
            if (legenda->item(r, 0)->text() == QStringLiteral("Sygnał po wzmocnieniu"))
                wiersz = r;
        QCOMPARE(legenda->Seria(wiersz), 2);

        legenda->item(wiersz, 0)->setCheckState(Qt::Unchecked);
        for (const TWykres* w : okno->PasmaWyjsciowe->Wykresy) {
            QVERIFY(!w->Seria(2)->Widoczna);
            QVERIFY(w->Seria(0)->Widoczna && w->Seria(1)->Widoczna && w->Seria(3)->Widoczna);
        }
        legenda->item(wiersz, 0)->setCheckState(Qt::Checked);
        for (const TWykres* w : okno->PasmaWyjsciowe->Wykresy)
            QVERIFY(w->Seria(2)->Widoczna);

        // A later run shows every curve again, with every box ticked.
        legenda->item(wiersz, 0)->setCheckState(Qt::Unchecked);
        okno->LegendaZdekodowane->item(0, 0)->setCheckState(Qt::Unchecked);
        QVERIFY(!okno->PasmaZdekodowane->Wykresy[3]->Seria(1)->Widoczna);
        QVERIFY(Przeprowadz(*okno));
        for (const TWykres* w : okno->PasmaWyjsciowe->Wykresy)
            QVERIFY(w->Seria(2)->Widoczna);
        QVERIFY(okno->PasmaZdekodowane->Wykresy[3]->Seria(1)->Widoczna);
        QVERIFY(legenda->Zaznaczony(wiersz));
    }

    void ukladPasm()
    {
        auto okno = NoweOkno(3);
        QVERIFY(Przeprowadz(*okno));
        Pokaz(*okno, okno->TabSheetWyjsciowe);
        TObszarPasm* wyjsciowe = okno->PasmaWyjsciowe;
        const int wysokosc = wyjsciowe->ScrollBox->height();
        const int k = wysokosc / 2 - 10;
        QCOMPARE(wyjsciowe->WysokoscPasma(), k);
        QCOMPARE(wyjsciowe->ScrollBox->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        for (std::size_t i = 0; i < 4; ++i) {
            for (TWykres* w : {wyjsciowe->Wykresy[i], wyjsciowe->Panele[i]}) {
                QCOMPARE(w->height(), k);
                QCOMPARE(w->y(), static_cast<int>(i) * k);
                QCOMPARE(w->MarginesGorny(), i == 0 ? 15 : 0);
                QCOMPARE(w->MarginesDolny(), i == 3 ? 15 : 0);
                QCOMPARE(w->OsY.MarginesMax(), i == 0 ? 0 : k / 6);
                QCOMPARE(w->OsY.MarginesMin(), i == 3 ? 0 : k / 6);
            }
            // Four lanes: each description names its lane.
            auto* nazwa = wyjsciowe->Panele[i]->findChild<QLabel*>(QStringLiteral("EtykietaNazwy"));
            QVERIFY(nazwa);
            QCOMPARE(nazwa->text(), QString::fromStdString(okno->Wyniki()->Tory[static_cast<std::size_t>(i)].Odebrany->ZwrocNazwe()));
        }
        QCOMPARE(wyjsciowe->Panele[0]->OsY.Min(), -1.25f);
        QCOMPARE(wyjsciowe->Panele[0]->OsY.Max(), 1.25f);
        QCOMPARE(wyjsciowe->Panele[0]->OsY.Skala(), 0.25f);
        QCOMPARE(okno->PasmaZdekodowane->Panele[0]->OsY.Min(), -2.0f);

        // Nine input streams scroll three at a time.
        Pokaz(*okno, okno->TabSheetWejsciowe);
        TObszarPasm* wejsciowe = okno->PasmaWejsciowe;
        QCOMPARE(wejsciowe->WysokoscPasma(), (wejsciowe->ScrollBox->height() - 20) / 3);
        QCOMPARE(wejsciowe->ScrollBox->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        // The description column follows the box.
        wejsciowe->ScrollBox->verticalScrollBar()->setValue(40);
        QCOMPARE(wejsciowe->PanelOpisy->verticalScrollBar()->value(), 40);

        // A window that grows lays its strips out again.
        okno->resize(okno->width(), okno->height() + 100);
        QTRY_COMPARE(wyjsciowe->Wykresy[0]->height(), wyjsciowe->ScrollBox->height() / 2 - 10);
    }

    void jedenTorMiesciSie()
    {
        auto okno = NoweOkno(1);
        QVERIFY(Przeprowadz(*okno));
        Pokaz(*okno, okno->TabSheetWejsciowe);
        TObszarPasm* wejsciowe = okno->PasmaWejsciowe;
        QCOMPARE(wejsciowe->Wykresy[0]->height(), (wejsciowe->ScrollBox->height() - 20) / 4);
        QCOMPARE(wejsciowe->ScrollBox->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(wejsciowe->Panele[1]->findChild<QLabel*>(QStringLiteral("EtykietaNazwy"))->text(),
                 QStringLiteral("Ciąg 4B5B"));
        Pokaz(*okno, okno->TabSheetWyjsciowe);
        QCOMPARE(okno->PasmaWyjsciowe->Wykresy[0]->height(), okno->PasmaWyjsciowe->ScrollBox->height() - 20);
        // One lane needs no name.
        QVERIFY(!okno->PasmaWyjsciowe->Panele[0]->findChild<QLabel*>(QStringLiteral("EtykietaNazwy")));
    }

    void zoom()
    {
        auto okno = NoweOkno(1);
        QVERIFY(Przeprowadz(*okno));
        Pokaz(*okno, okno->TabSheetWejsciowe);
        TWykres* w = okno->PasmaWejsciowe->Wykresy[3];
        const int margines = w->MarginesLewy() + w->MarginesPrawy();
        const float przedzialy = (w->OsX.Max() - w->OsX.Min()) / w->OsX.Skala();
        const int szerokosc100 = w->width();
        const float oczekiwana = przedzialy * 0.2f * static_cast<float>(okno->PasmaWejsciowe->ScrollBox->width());
        QVERIFY(qAbs(szerokosc100 - margines - oczekiwana) <= 1.0f);
        // The box scrolls across the whole sequence.
        QVERIFY(okno->PasmaWejsciowe->ScrollBox->widget()->width() >= szerokosc100);

        okno->ZoomWejscioweCombo->setCurrentIndex(4);
        Pokaz(*okno, okno->TabSheetWejsciowe);
        QVERIFY(qAbs((w->width() - margines) - 1.5 * (szerokosc100 - margines)) <= 1.0);
        // The other pages keep their own scale.
        QCOMPARE(okno->PasmaWyjsciowe->Wykresy[0]->OsX.SkalaPiksele(), okno->PasmaWyjsciowe->SkalaPikseli());

        // A run sets every zoom back to 100 %.
        okno->SimBut->setEnabled(true);
        QVERIFY(Przeprowadz(*okno));
        QCOMPARE(okno->ZoomWejscioweCombo->currentIndex(), 2);
        Pokaz(*okno, okno->TabSheetWejsciowe);
        QCOMPARE(w->width(), szerokosc100);
    }

    void strumienieBezBledu()
    {
        UstawieniaStandardu u = Wszystko();
        auto okno = NoweOkno(2, u);
        okno->GenComboBox->setCurrentIndex(1);
        okno->PrzesluchyCheckBox->setChecked(false);
        QVERIFY(Przeprowadz(*okno));
        QCOMPARE(okno->Wyniki()->NajwiekszyBlad, 0.0f);
        Pokaz(*okno, okno->ErrorTabSheet);
        // Only the caption and the estimate groups show.
        QVERIFY(okno->Panel3->isVisible());
        QVERIFY(!okno->Panel3->RozkladBledowWykres->isVisible());
        QVERIFY(!okno->Panel3->DystrBledowWykres->isVisible());
        QVERIFY(!okno->Panel3->Panel15->isVisible());
        QVERIFY(!okno->BledyTabSet->isVisible());
        QVERIFY(okno->GroupBox2->isVisible() && okno->GroupBox3->isVisible());
        QCOMPARE(okno->BERLabel->text(), QStringLiteral("0"));
        QCOMPARE(okno->ExpBERLabel->text(), QString());
        QCOMPARE(okno->BERLabel2->text(), QStringLiteral("Oznacza to brak błędów"));
        QCOMPARE(okno->TimeErrorLabel->text(), QStringLiteral("Transmisja poprawna w 100,000 % czasu"));
        // A flat eye still gets a range.
        QCOMPARE(okno->WykresOkowy->OsY.Min(), -0.01f);
        QCOMPARE(okno->WykresOkowy->OsY.Max(), 0.01f);
        QCOMPARE(okno->WykresOkowy->OsY.Skala(), 0.02f);

        // Random bits bring errors: the charts, their tabs and the first tab come back.
        okno->GenComboBox->setCurrentIndex(0);
        okno->PrzesluchyCheckBox->setChecked(true);
        QVERIFY(Przeprowadz(*okno));
        QVERIFY(okno->Wyniki()->NajwiekszyBlad > 0.0f);
        Pokaz(*okno, okno->ErrorTabSheet);
        TWykres* rozklad = okno->Panel3->RozkladBledowWykres;
        QVERIFY(rozklad->isVisible() && okno->BledyTabSet->isVisible());
        QVERIFY(!okno->Panel3->DystrBledowWykres->isVisible());
        QCOMPARE(okno->BledyTabSet->currentIndex(), 0);
        QCOMPARE(rozklad->OsX.Max(), okno->Wyniki()->NajwiekszyBlad);
        QCOMPARE(rozklad->OsX.Skala(), okno->Wyniki()->NajwiekszyBlad);
        QCOMPARE(rozklad->OsX.SkalaPom(), 0.5f);
        QCOMPARE(rozklad->OsY.Max(), okno->Wyniki()->SzczytRozkladu);
        QCOMPARE(rozklad->Seria(0)->Strumien, okno->Wyniki()->Rozklad.get());
        QCOMPARE(okno->Panel3->DystrBledowWykres->Seria(0)->Strumien, okno->Wyniki()->Dystrybuanta.get());
        const float szczyt = okno->WykresOkowy->OsY.Max();
        QCOMPARE(okno->WykresOkowy->OsY.Skala(), szczyt - okno->WykresOkowy->OsY.Min());
        QCOMPARE(szczyt, okno->Wyniki()->Tory[0].Wejscie()->MaxY);

        okno->BledyTabSet->setCurrentIndex(1);
        QVERIFY(okno->Panel3->DystrBledowWykres->isVisible());
        okno->BledyTabSet->setCurrentIndex(0);
        QVERIFY(!okno->Panel3->DystrBledowWykres->isVisible());
    }

    void pokazBER()
    {
        auto okno = NoweOkno(0);
        okno->StronaBledow().PokazBER(2.5e-6, 0, 10);
        QCOMPARE(okno->BERLabel->text(), QStringLiteral("2,50x10"));
        QCOMPARE(okno->ExpBERLabel->text(), QStringLiteral("-6"));
        QCOMPARE(okno->ExpBERLabel->x(), okno->BERLabel->x() + okno->BERLabel->width() + 3);
        QCOMPARE(okno->ExpBERLabel->y(), okno->BERLabel->y() - 2);
        QVERIFY(okno->ExpBERLabel->font().bold());
        QCOMPARE(okno->ExpBERLabel->font().pixelSize(), 9);
        QCOMPARE(okno->BERLabel2->text(), QStringLiteral("Przy szybkości transmisji 10 Mbps oznacza to pojawienie się "
                                                         "25 przekłamanych bitów na sekundę"));
        // The exponent moves with a wider mantissa label.
        okno->StronaBledow().PokazBER(0.5, 0, 10);
        QCOMPARE(okno->ExpBERLabel->x(), okno->BERLabel->x() + okno->BERLabel->width() + 3);
        okno->StronaBledow().PokazBER(0.0, 0, 10);
        QCOMPARE(okno->BERLabel->text(), QStringLiteral("0"));
        QCOMPARE(okno->ExpBERLabel->text(), QString());
    }

    // The eye page measures every opening of every lane into its table, switches to the
    // density and back, and the error page draws each lane's bathtubs.
    void okoMierzone_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<int>("wiersze");
        QTest::addColumn<float>("okres");
        QTest::newRow("10BaseT") << 0 << 1 << 0.5f;
        QTest::newRow("100BaseTX") << 1 << 2 << 1.0f;
        QTest::newRow("100BaseTX (bez 4B5B)") << 2 << 2 << 1.0f;
        QTest::newRow("1000BaseT") << 3 << 16 << 1.0f;
    }

    void okoMierzone()
    {
        QFETCH(int, standard);
        QFETCH(int, wiersze);
        QFETCH(float, okres);
        auto okno = NoweOkno(standard);
        TUstawieniaSymulacji u = okno->StronaUstawien().UstawieniaSymulacji();
        u.Ziarno = 3;
        okno->StronaUstawien().Zastosuj(u);
        QVERIFY(Przeprowadz(*okno));
        TStronaOkowa& strona = okno->StronaOkowa();
        const int tory = static_cast<int>(okno->Wyniki()->Tory.size());
        QCOMPARE(strona.Tabela().rowCount(), wiersze);
        QCOMPARE(strona.Tabela().item(0, 0)->text(), QString::fromStdString(okno->Wyniki()->Tory[0].Nazwa));
        // Every row reads its height in mV with the locale's separator or as closed; a
        // short run may never send a level, and only then is its opening unmeasured.
        int r = 0;
        for (const TTorWyniku& tor : okno->Wyniki()->Tory)
            for (const TPodoko& p : tor.Oko.Podoka) {
                const QString wysokosc = strona.Tabela().item(r++, 2)->text();
                if (!p.Wysokosc)
                    QCOMPARE(wysokosc, QStringLiteral("—"));
                else
                    QVERIFY2(wysokosc.contains(QLatin1Char(',')) || wysokosc == QStringLiteral("zamknięte"),
                             qPrintable(wysokosc));
            }
        QCOMPARE(strona.Tabela().item(0, 13)->text() != QStringLiteral("—"), standard == 0);

        TWykres& wykres = strona.Wykres();
        QCOMPARE(strona.Widok(), TWidokOka::Linie);
        QCOMPARE(wykres.LiczbaSeriiObrazu(), 0);
        strona.UstawWidok(TWidokOka::Gestosc);
        QCOMPARE(wykres.LiczbaSeriiObrazu(), 1);
        QCOMPARE(wykres.OsX.TypOsi(), toLiniowa);
        QCOMPARE(wykres.OsX.Max(), 2.0f * okres);
        QCOMPARE(wykres.SeriaObrazu(0)->Zliczenia, okno->Wyniki()->GestoscOka.Zliczenia().data());
        QVERIFY(wykres.SeriaObrazu(0)->Logarytmiczna);
        strona.UstawSkaleLogarytmiczna(false);
        QVERIFY(!wykres.SeriaObrazu(0)->Logarytmiczna);
        strona.UstawZnaczniki(false);
        QCOMPARE(wykres.LiczbaSerii(), 0);
        strona.UstawWidok(TWidokOka::Linie);
        QCOMPARE(wykres.LiczbaSeriiObrazu(), 0);
        QCOMPARE(wykres.OsX.TypOsi(), toOkowa);
        QCOMPARE(wykres.OsX.Max(), okres);
        QCOMPARE(wykres.LiczbaSerii(), tory);
        strona.UstawZnaczniki(true);
        QVERIFY(wykres.LiczbaSerii() > tory);

        // A lane's bathtub against the phase and the threshold, beside the two guides.
        TPanelWanien* wanny = okno->StronaBledow().Wanny();
        QVERIFY(wanny);
        const int krzyzyk = okno->Wyniki()->Zliczone.Bledy > 0 ? 2 : 0;
        QCOMPARE(wanny->WannaFazy->LiczbaSerii(), 2 + tory + krzyzyk);
        QCOMPARE(wanny->WannaProgu->LiczbaSerii(), tory);
        // The next run lets go of everything the charts drew.
        okno->LiczbaBitowEdit->setText(QStringLiteral("120"));
        QVERIFY(Przeprowadz(*okno));
        QCOMPARE(strona.Tabela().rowCount(), wiersze);
    }

    // One level only: nothing to measure, every figure a dash, never a number.
    void okoBezOtwarcia()
    {
        auto okno = NoweOkno(2);
        okno->GenComboBox->setCurrentIndex(1); // all zeros
        QVERIFY(Przeprowadz(*okno));
        const QTableWidget& tabela = okno->StronaOkowa().Tabela();
        QCOMPARE(tabela.rowCount(), 2);
        for (int r = 0; r < 2; ++r)
            for (const int k : {2, 3, 4, 5, 6, 7, 12})
                QCOMPARE(tabela.item(r, k)->text(), QStringLiteral("—"));
        okno->StronaOkowa().UstawWidok(TWidokOka::Gestosc);
        QCOMPARE(okno->StronaOkowa().Wykres().LiczbaSeriiObrazu(), 1);
    }

    void ukladStronyBledow_data()
    {
        QTest::addColumn<int>("rozklady");
        QTest::addColumn<int>("ber");
        QTest::addColumn<int>("dekoder");
        for (int r : {0, 1})
            for (int b : {0, 1})
                for (int d : {0, 1})
                    QTest::addRow("rozklady=%d ber=%d dekoder=%d", r, b, d) << r << b << d;
    }

    void ukladStronyBledow()
    {
        QFETCH(int, rozklady);
        QFETCH(int, ber);
        QFETCH(int, dekoder);
        UstawieniaStandardu u = Wszystko();
        u.RozkladyBledow = rozklady;
        u.BerErf = ber;
        u.Dekoder = dekoder;
        auto okno = NoweOkno(0, u);
        QCOMPARE(okno->Panel3 != nullptr, rozklady != 0);
        QCOMPARE(okno->BledyTabSet != nullptr, rozklady != 0);
        QCOMPARE(okno->GroupBox2->isVisibleTo(okno->ErrorTabSheet), ber != 0);
        QCOMPARE(okno->GroupBox3->isVisibleTo(okno->ErrorTabSheet), dekoder != 0);
        // The counted errors show whenever the page does; set against the estimate only
        // when the estimate is on the page.
        QVERIFY(okno->ZliczoneGroupBox->isVisibleTo(okno->ErrorTabSheet));
        QCOMPARE(okno->EstymacjaLabel->isVisibleTo(okno->ErrorTabSheet), ber != 0);
        QCOMPARE(okno->PanelZdekodowane != nullptr, dekoder != 0);
        QCOMPARE(okno->TabSetWyjsciowe->isVisibleTo(okno->TabSheetWyjsciowe), dekoder != 0);

        QVERIFY(Przeprowadz(*okno));
        QCOMPARE(ZakladkaWidoczna(*okno, okno->ErrorTabSheet), rozklady + ber + dekoder > 0);
        QCOMPARE((okno->Wyniki()->Tory[0].Zdekodowany == nullptr), dekoder == 0);
        if (rozklady + ber + dekoder == 0)
            return;
        // Without the charts the estimate, or else the correctness, fills the page.
        Pokaz(*okno, okno->ErrorTabSheet);
        QGroupBox* wypelnia = rozklady != 0 ? nullptr : (ber != 0 ? okno->GroupBox2 : okno->GroupBox3);
        if (wypelnia)
            QVERIFY(wypelnia->height() > okno->ErrorTabSheet->height() / 2);
    }

    // Every run states the errors the receiver counted beside the estimate: none on a clean
    // channel, with the rate's interval, where the estimate lies, what the target takes
    // and where each lane was sampled.
    void zliczoneBledy_data()
    {
        QTest::addColumn<int>("standard");
        QTest::newRow("10BaseT") << 0;
        QTest::newRow("100BaseTX") << 1;
        QTest::newRow("100BaseTX (bez 4B5B)") << 2;
        QTest::newRow("1000BaseT") << 3;
    }

    void zliczoneBledy()
    {
        QFETCH(int, standard);
        auto okno = NoweOkno(standard);
        okno->PrzesluchyCheckBox->setChecked(false);
        okno->EchoCheckBox->setChecked(false);
        okno->GenComboBox->setCurrentIndex(static_cast<int>(TZrodloBitow::Prbs9));
        QVERIFY(Przeprowadz(*okno));
        const TWynikSymulacji& w = *okno->Wyniki();
        QCOMPARE(w.Zliczone.Bledy, std::int64_t{0});
        QVERIFY(w.Zliczone.Porownane >= 100);
        Pokaz(*okno, okno->ErrorTabSheet);
        QVERIFY(okno->ZliczoneGroupBox->isVisible());
        QCOMPARE(okno->ZliczoneLabel->text(),
                 QStringLiteral("Zliczone błędy: 0 z %1 bitów").arg(w.Zliczone.Porownane));
        const TOpisZliczenia opis = OpiszZliczenie(w.Zliczone, w.BER, standard, w.Ustawienia.Szybkosc);
        QCOMPARE(okno->BERZliczonyLabel->text(), QString::fromStdString(opis.BER));
        QVERIFY(okno->BERZliczonyLabel->text().startsWith(QStringLiteral("BER zliczony: 0 (95 %: 0 – ")));
        QCOMPARE(okno->EstymacjaLabel->text(), QString::fromStdString(opis.Estymacja));
        QCOMPARE(okno->WykazanieLabel->text(), QString::fromStdString(opis.Wykazanie));
        // The lines stand one below the other, in the group's width.
        const QList<QLabel*> linie{okno->ZliczoneLabel, okno->BERZliczonyLabel, okno->EstymacjaLabel,
                                   okno->WykazanieLabel, okno->FazaLabel};
        for (qsizetype i = 1; i < linie.size(); ++i) {
            QCOMPARE(linie[i]->x(), linie[0]->x());
            QVERIFY(linie[i]->y() >= linie[i - 1]->y() + linie[i - 1]->height());
        }
        QVERIFY(okno->FazaLabel->geometry().bottom() < okno->ZliczoneGroupBox->height());
        if (standard == 3) {
            QStringList fazy;
            for (std::size_t i = 0; i < w.Tory.size(); ++i)
                fazy << QChar(u'A' + static_cast<char16_t>(i)) + QLatin1Char(' ') +
                            QString::fromStdString(FormatujStalo(w.Tory[i].FazaProbkowania, 2));
            QCOMPARE(okno->FazaLabel->text(),
                     QStringLiteral("Fazy próbkowania (okres symbolu kodu): ") + fazy.join(QStringLiteral("; ")));
        } else {
            QCOMPARE(okno->FazaLabel->text(),
                     QStringLiteral("Faza próbkowania: %1 okresu symbolu kodu")
                         .arg(QString::fromStdString(FormatujStalo(w.Tory[0].FazaProbkowania, 2))));
        }
    }

    // Noise set on the page reaches the run, and the receiver counts what it breaks; the
    // next run without it counts nothing again.
    void szumZliczaBledy()
    {
        auto okno = NoweOkno(1);
        okno->PrzesluchyCheckBox->setChecked(false);
        okno->EchoCheckBox->setChecked(false);
        okno->LiczbaBitowEdit->setText(QStringLiteral("1000"));
        okno->SzumComboBox->setCurrentIndex(1);
        okno->SzumEdit->setText(QStringLiteral("6"));
        okno->DrzenieEdit->setText(QStringLiteral("100"));
        QVERIFY(Przeprowadz(*okno));
        const TWynikSymulacji& w = *okno->Wyniki();
        QCOMPARE(w.Ustawienia.SzumIDrzenie.SnrDb, 6.0);
        QCOMPARE(w.Ustawienia.SzumIDrzenie.DrzeniePs, 100.0);
        QVERIFY(w.Zliczone.Bledy > 0);
        Pokaz(*okno, okno->ErrorTabSheet);
        QCOMPARE(okno->ZliczoneLabel->text(), QStringLiteral("Zliczone błędy: %1 z %2 bitów")
                                                  .arg(w.Zliczone.Bledy)
                                                  .arg(w.Zliczone.Porownane));
        QVERIFY(!okno->BERZliczonyLabel->text().startsWith(QStringLiteral("BER zliczony: 0 ")));

        okno->SzumComboBox->setCurrentIndex(0);
        okno->DrzenieEdit->setText(QStringLiteral("0"));
        QVERIFY(Przeprowadz(*okno));
        QVERIFY(okno->ZliczoneLabel->text().startsWith(QStringLiteral("Zliczone błędy: 0 z ")));
    }

    void przelaczanieStronyWyjsciowej()
    {
        auto okno = NoweOkno(1);
        QVERIFY(Przeprowadz(*okno));
        Pokaz(*okno, okno->TabSheetWyjsciowe);
        QVERIFY(!okno->PanelZdekodowane->isVisible());
        okno->TabSetWyjsciowe->setCurrentIndex(1);
        QVERIFY(okno->PanelZdekodowane->isVisible());
        QVERIFY(!okno->PanelWyjsciowe->isVisible());
        okno->TabSetWyjsciowe->setCurrentIndex(0);
        QVERIFY(!okno->PanelZdekodowane->isVisible());
        okno->TabSetWyjsciowe->setCurrentIndex(1);
        // A run puts the signals back on top.
        okno->SimBut->setEnabled(true);
        QVERIFY(Przeprowadz(*okno));
        QCOMPARE(okno->TabSetWyjsciowe->currentIndex(), 0);
        QCOMPARE(okno->StronyWyjsciowe->currentWidget(), okno->PanelWyjsciowe);
    }

    void podswietlanieZakladek()
    {
        auto okno = NoweOkno(0);
        QVERIFY(Przeprowadz(*okno));
        QVERIFY(okno->Timer->isActive());
        QCOMPARE(okno->Timer->interval(), 100);
        // From the first tick again, with nothing but the test ticking.
        okno->UruchomPodswietlanie();
        okno->Timer->stop();
        TPageControl* strony = okno->PageControl1;
        for (int t = 1; t <= 15; ++t) {
            okno->TimerTimer();
            QCOMPARE(strony->Podswietlona(okno->TabSheetWejsciowe), t % 5 == 1);
            QCOMPARE(strony->Podswietlona(okno->TabSheetWyjsciowe), (t - 1) % 5 == 1);
            QCOMPARE(strony->Podswietlona(okno->TabSheetOkowy), (t - 2) % 5 == 1);
            QCOMPARE(strony->Podswietlona(okno->ErrorTabSheet), (t - 3) % 5 == 1);
        }
        QVERIFY(!okno->Timer->isActive());
        for (QWidget* strona : {okno->TabSheetWejsciowe, okno->TabSheetWyjsciowe, okno->TabSheetOkowy,
                                okno->ErrorTabSheet})
            QVERIFY(!strony->Podswietlona(strona));

        // Turning to a page stops the highlighting where it stands.
        okno->UruchomPodswietlanie();
        okno->TimerTimer();
        QVERIFY(strony->Podswietlona(okno->TabSheetWejsciowe));
        strony->setCurrentWidget(okno->TabSheetOkowy);
        QVERIFY(!okno->Timer->isActive());
        QVERIFY(!strony->Podswietlona(okno->TabSheetWejsciowe));
    }

    void aktywacjaOkna()
    {
        QAction zapisz(QStringLiteral("Zapisz"));
        QAction drukuj(QStringLiteral("Drukuj"));
        auto okno = NoweOkno(0, Wszystko(), {&zapisz, &drukuj});
        okno->FormActivate();
        QVERIFY(!zapisz.isEnabled() && !drukuj.isEnabled());
        QVERIFY(Przeprowadz(*okno));
        zapisz.setEnabled(false);
        okno->FormActivate();
        QVERIFY(zapisz.isEnabled() && drukuj.isEnabled());
    }

    void dziesiecUruchomien()
    {
        auto okno = NoweOkno(1);
        QVERIFY(Przeprowadz(*okno));
        Pokaz(*okno, okno->TabSheetWyjsciowe);
        const int wykresy = static_cast<int>(okno->findChildren<TWykres*>().size());
        const int obiekty = static_cast<int>(okno->findChildren<QObject*>().size());
        const std::size_t pamiec = PamiecWUzyciu();
        for (int run = 0; run < 10; ++run) {
            const std::weak_ptr<const TWynikSymulacji> poprzednie = okno->Wyniki();
            QVERIFY(Przeprowadz(*okno));
            QVERIFY(poprzednie.expired());
            Pokaz(*okno, run % 2 ? okno->TabSheetWejsciowe : okno->TabSheetWyjsciowe);
        }
        QCOMPARE(static_cast<int>(okno->findChildren<TWykres*>().size()), wykresy);
        QCOMPARE(static_cast<int>(okno->findChildren<QObject*>().size()), obiekty);
        // The sanitizers keep their own books; the heap counts only without them. One
        // 100BaseTX run's results take about 120 kB, so results kept run after run
        // would show many times over.
        if (pamiec != 0) {
            const auto wzrost = static_cast<long long>(PamiecWUzyciu()) - static_cast<long long>(pamiec);
            QVERIFY2(wzrost < 256 * 1024, qPrintable(QStringLiteral("heap grew by %1 bytes").arg(wzrost)));
        }
    }

    void zamkniecieWTrakcie()
    {
        QMdiArea obszar;
        obszar.resize(1000, 800);
        obszar.show();
        auto* okno = new TOknoTestowe(Wszystko());
        okno->UstawOpcje(3);
        obszar.addSubWindow(okno)->setAttribute(Qt::WA_DeleteOnClose);
        okno->show();
        okno->UstawStandard();
        okno->UstawPrzebieg(PrzebiegWstrzymany);
        QTest::mouseClick(okno->SimBut, Qt::LeftButton);
        QPointer<TWatek> watek = okno->WatekObliczen();
        QTRY_VERIFY(okno->CGaugeTotal->value() > 0);
        QPointer<TSimChildForm> zamykane = okno;
        okno->parentWidget()->close();
        QTRY_VERIFY(zamykane.isNull());
        QCOMPARE(KursorEkranu(), TKursorEkranu::Domyslny);
        // The worker sees its flag, ends by itself and goes; nothing waited for it.
        QTRY_VERIFY_WITH_TIMEOUT(watek.isNull(), CzasRunuMs);
    }

    void poznyWynikZamknietegoOkna()
    {
        // A run that completes although its window has gone: its result is dropped with
        // the window's connections and freed (the leak checker of the sanitizer build
        // would name it otherwise).
        static std::atomic<bool> oddany{false};
        oddany = false;
        auto okno = NoweOkno(0);
        okno->UstawPrzebieg([](const TUstawieniaSymulacji& u, std::uint8_t* flaga, const TKontrolkiPostepu& postep) {
            while (std::atomic_ref<std::uint8_t>(*flaga).load() == 0)
                QThread::msleep(1);
            std::uint8_t wlasnaFlaga = 0;
            std::unique_ptr<TWynikSymulacji> wynik = Symuluj(u, &wlasnaFlaga, postep);
            oddany = wynik != nullptr;
            return wynik;
        });
        QTest::mouseClick(okno->SimBut, Qt::LeftButton);
        QPointer<TWatek> watek = okno->WatekObliczen();
        okno.reset();
        QTRY_VERIFY_WITH_TIMEOUT(watek.isNull(), CzasRunuMs);
        QVERIFY(oddany);
    }

    void poznyWynikPoAnulowaniu()
    {
        // The cancel comes after the channel has returned: the run goes on to its end,
        // and the window, restored by the cancel, never takes its result.
        auto okno = NoweOkno(0);
        okno->UstawPrzebieg([](const TUstawieniaSymulacji& u, std::uint8_t* flaga, const TKontrolkiPostepu& postep) {
            std::uint8_t wlasnaFlaga = 0;
            std::unique_ptr<TWynikSymulacji> wynik = Symuluj(u, &wlasnaFlaga, postep);
            while (std::atomic_ref<std::uint8_t>(*flaga).load() == 0)
                QThread::msleep(1);
            return wynik;
        });
        QTest::mouseClick(okno->SimBut, Qt::LeftButton);
        QPointer<TWatek> pierwszy = okno->WatekObliczen();
        okno->AnulujButClick();
        QTRY_VERIFY_WITH_TIMEOUT(pierwszy.isNull(), CzasRunuMs);
        QTest::qWait(20);
        QVERIFY(!okno->Wyniki());
        QVERIFY(!ZakladkaWidoczna(*okno, okno->TabSheetWejsciowe));
        QVERIFY(okno->SimBut->isEnabled() && okno->LiczbaBitowEdit->isEnabled());

        // Nor does a run started after the cancel take the late result of the one before.
        okno->UstawPrzebieg([](const TUstawieniaSymulacji& u, std::uint8_t* flaga, const TKontrolkiPostepu& postep) {
            std::uint8_t wlasnaFlaga = 0;
            std::unique_ptr<TWynikSymulacji> wynik = Symuluj(u, &wlasnaFlaga, postep);
            while (std::atomic_ref<std::uint8_t>(*flaga).load() == 0)
                QThread::msleep(1);
            return wynik;
        });
        QTest::mouseClick(okno->SimBut, Qt::LeftButton);
        QPointer<TWatek> drugi = okno->WatekObliczen();
        okno->AnulujButClick();
        okno->UstawPrzebieg(PrzebiegWstrzymany);
        QTest::mouseClick(okno->SimBut, Qt::LeftButton);
        QPointer<TWatek> trzeci = okno->WatekObliczen();
        QTRY_VERIFY_WITH_TIMEOUT(drugi.isNull(), CzasRunuMs);
        QTest::qWait(20);
        QVERIFY(okno->SymulacjaTrwa());
        QVERIFY(!okno->Wyniki());
        QVERIFY(!ZakladkaWidoczna(*okno, okno->TabSheetWejsciowe));
        okno->AnulujButClick();
        QTRY_VERIFY_WITH_TIMEOUT(trzeci.isNull(), CzasRunuMs);
    }

    void bladWSymulacji()
    {
        auto okno = NoweOkno(1);
        okno->UstawPrzebieg([](const TUstawieniaSymulacji&, std::uint8_t*, const TKontrolkiPostepu&)
            -> std::unique_ptr<TWynikSymulacji> { throw std::bad_alloc(); });
        TOdpowiedzNaKomunikat odpowiedz;
        QTest::mouseClick(okno->SimBut, Qt::LeftButton);
        QPointer<TWatek> watek = okno->WatekObliczen();
        QTRY_VERIFY(odpowiedz.Pokazany());
        QCOMPARE(odpowiedz.Tekst, QStringLiteral("Za mało pamięci, by przeprowadzić symulację."));
        // The window is back as a cancel leaves it.
        QVERIFY(!okno->SymulacjaTrwa());
        QVERIFY(okno->SimBut->isVisible() && okno->SimBut->isEnabled());
        QVERIFY(okno->LiczbaBitowEdit->isEnabled() && okno->GenComboBox->isEnabled());
        QCOMPARE(KursorEkranu(), TKursorEkranu::Domyslny);
        QVERIFY(!ZakladkaWidoczna(*okno, okno->TabSheetWejsciowe));
        QTRY_VERIFY(watek.isNull());

        // The next run goes through.
        okno->UstawPrzebieg(Symuluj);
        QVERIFY(Przeprowadz(*okno));
        QVERIFY(ZakladkaWidoczna(*okno, okno->TabSheetWejsciowe));
    }

    void wynikNieskonczony()
    {
        auto okno = NoweOkno(1);
        okno->UstawPrzebieg([](const TUstawieniaSymulacji&, std::uint8_t*, const TKontrolkiPostepu&)
            -> std::unique_ptr<TWynikSymulacji> { throw TWynikNieskonczony("BER"); });
        TOdpowiedzNaKomunikat odpowiedz;
        QTest::mouseClick(okno->SimBut, Qt::LeftButton);
        QTRY_VERIFY(odpowiedz.Pokazany());
        QCOMPARE(odpowiedz.Tekst,
                 QStringLiteral("Symulacja dała wartości, które nie są skończonymi liczbami, więc jej wyników nie pokazano."));
        QVERIFY(!okno->Wyniki());
        QVERIFY(!ZakladkaWidoczna(*okno, okno->TabSheetWejsciowe));
        QTRY_VERIFY(!okno->SymulacjaTrwa());
    }
};

QTEST_MAIN(TestSymulacji)
#include "TestSymulacji.moc"
