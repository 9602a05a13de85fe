// The analysis window's settings page: limits and validation, the key filter, the
// options, locking and restoring, the default characteristics, the tab rules, cancel
// and closing.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <memory>

#include "Liczby.h"
#include "PomocnikiGui.h"
#include "TKanalPageControl.h"
#include "TPageControl.h"
#include "TSimChildForm.h"
#include "UslugiQt.h"
#include "Vartostream.h"
#include "WatekQt.h"
#include "Wykres.h"

namespace {

UstawieniaStandardu Wszystko(std::int32_t efekty = 2)
{
    UstawieniaStandardu u;
    u.BerErf = u.Dekoder = u.RozkladyBledow = 1;
    u.Regeneracja = u.Przesluchy = u.Echo = efekty;
    return u;
}

// A window as the main window creates it: options, shown, then the standard.
std::unique_ptr<TSimChildForm> NoweOkno(int standard, const UstawieniaStandardu& u = Wszystko(),
                                        TPoleceniaWynikow polecenia = {})
{
    auto okno = std::make_unique<TSimChildForm>(u, polecenia, nullptr);
    okno->UstawOpcje(standard);
    okno->show();
    okno->UstawStandard();
    return okno;
}

QStringList Kolumna(const QTreeWidget* lista, int kolumna)
{
    QStringList teksty;
    for (int i = 0; i < lista->topLevelItemCount(); ++i)
        teksty.append(lista->topLevelItem(i)->text(kolumna));
    return teksty;
}

// Runs until the flag it is lent is set, as a library call does.
class TWatekCzekajacy : public TWatek {
protected:
    void Wykonaj() override
    {
        while (!Zakonczony())
            QThread::msleep(1);
    }
};

} // namespace

class TestTSimChildForm : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        UstawSeparatorZLokalizacji();
    }

    void granicePol_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<int>("echo");
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("przyjete");
        QTest::newRow("1000BaseT 999 Mbps") << 3 << 2 << "SzybkoscEdit" << "999" << false;
        QTest::newRow("1000BaseT 5000 Mbps") << 3 << 2 << "SzybkoscEdit" << "5000" << true;
        QTest::newRow("1000BaseT 5001 Mbps") << 3 << 2 << "SzybkoscEdit" << "5001" << false;
        QTest::newRow("10BaseT 100 Mbps") << 0 << 2 << "SzybkoscEdit" << "100" << true;
        QTest::newRow("bits empty") << 0 << 2 << "LiczbaBitowEdit" << "" << false;
        QTest::newRow("bits 99") << 0 << 2 << "LiczbaBitowEdit" << "99" << false;
        QTest::newRow("bits 100") << 0 << 2 << "LiczbaBitowEdit" << "100" << true;
        QTest::newRow("bits 1000") << 0 << 2 << "LiczbaBitowEdit" << "1000" << true;
        QTest::newRow("bits 1001") << 0 << 2 << "LiczbaBitowEdit" << "1001" << false;
        QTest::newRow("bits pasted text") << 1 << 2 << "LiczbaBitowEdit" << "12a" << false;
        QTest::newRow("bits pasted decimal") << 1 << 2 << "LiczbaBitowEdit" << "150,5" << false;
        QTest::newRow("slope 10BaseT 399") << 0 << 2 << "NachylenieEdit" << "399" << false;
        QTest::newRow("slope 10BaseT 600") << 0 << 2 << "NachylenieEdit" << "600" << true;
        QTest::newRow("slope 100BaseTX 6001") << 1 << 2 << "NachylenieEdit" << "6001" << false;
        QTest::newRow("echo 50 ns 100BaseTX, echo on") << 1 << 2 << "EchoEdit1" << "50" << false;
        QTest::newRow("echo 50 ns 100BaseTX, echo off") << 1 << 1 << "EchoEdit1" << "50" << false;
        QTest::newRow("echo 50 ns 100BaseTX, no echo") << 1 << 0 << "EchoEdit1" << "50" << false;
        QTest::newRow("echo 50 ns 10BaseT") << 0 << 2 << "EchoEdit1" << "50" << true;
        QTest::newRow("echo 101 ns 10BaseT") << 0 << 2 << "EchoEdit1" << "101" << false;
    }

    void granicePol()
    {
        QFETCH(int, standard);
        QFETCH(int, echo);
        QFETCH(QString, pole);
        QFETCH(QString, tekst);
        QFETCH(bool, przyjete);
        UstawieniaStandardu u = Wszystko();
        u.Echo = echo;
        auto okno = NoweOkno(standard, u);
        QVERIFY(QTest::qWaitForWindowActive(okno.get()));
        auto* edycja = okno->findChild<QLineEdit*>(pole);
        QVERIFY(edycja);
        // Text set directly, as pasting would, so the key filter does not stand between.
        edycja->setText(tekst);
        okno->LiczbaBitowEdit->setFocus();

        TOdpowiedzNaKomunikat odpowiedz;
        QTest::mouseClick(okno->SimBut, Qt::LeftButton);
        QCoreApplication::processEvents();

        QCOMPARE(odpowiedz.Pokazany(), !przyjete);
        if (przyjete) {
            // Valid fields start a run; it ends before the window goes.
            QPointer<TWatek> watek = okno->WatekSymulacji;
            QVERIFY(okno->SymulacjaTrwa);
            QTRY_VERIFY_WITH_TIMEOUT(!okno->SymulacjaTrwa && watek.isNull(), 120000);
            return;
        }
        QCOMPARE(odpowiedz.Tekst, QStringLiteral("Nieprawidłowa wartość"));
        QCOMPARE(odpowiedz.Przyciski, 1);
        // A field the user can reach gets the focus, its page brought forward.
        if (edycja->isEnabled() && (edycja != okno->EchoEdit1 || echo != 0))
            QTRY_COMPARE(QApplication::focusWidget(), edycja);
    }

    void polaSprawdzaneWKolejnosci()
    {
        auto okno = NoweOkno(3);
        QVERIFY(QTest::qWaitForWindowActive(okno.get()));
        okno->LiczbaBitowEdit->setText(QStringLiteral("5"));
        okno->SzybkoscEdit->setText(QStringLiteral("5"));
        okno->EchoEdit1->setText(QStringLiteral("50"));
        TOdpowiedzNaKomunikat odpowiedz;
        QVERIFY(!okno->SimButClick());
        QVERIFY(odpowiedz.Pokazany());
        QTRY_COMPARE(QApplication::focusWidget(), okno->LiczbaBitowEdit);
    }

    void filtrKlawiszy()
    {
        auto okno = NoweOkno(1);
        QVERIFY(QTest::qWaitForWindowActive(okno.get()));
        for (QLineEdit* pole : {okno->LiczbaBitowEdit, okno->SzybkoscEdit, okno->NachylenieEdit, okno->EchoEdit1}) {
            const QString przed = pole->text();
            pole->setFocus();
            pole->end(false);
            QTest::keyClicks(pole, QStringLiteral("a-,. "));
            QCOMPARE(pole->text(), przed);
            pole->clear();
            QTest::keyClicks(pole, QStringLiteral("123456"));
            QCOMPARE(pole->text(), QStringLiteral("1234"));
            QTest::keyClick(pole, Qt::Key_Backspace);
            QCOMPARE(pole->text(), QStringLiteral("123"));
        }

        okno->GenComboBox->setFocus();
        QTest::keyClicks(okno->GenComboBox, QStringLiteral("Cc "));
        QCOMPARE(okno->GenComboBox->currentIndex(), 0);
        QTest::keyClick(okno->GenComboBox, Qt::Key_Down);
        QCOMPARE(okno->GenComboBox->currentIndex(), 1);
    }

    void ustawOpcje_data()
    {
        QTest::addColumn<QString>("efekt");
        QTest::addColumn<int>("wartosc");
        for (const char* efekt : {"Przesluchy", "Echo", "Wzmocnienie"}) {
            for (int wartosc : {0, 1, 2}) {
                const QByteArray wiersz = QByteArray(efekt) + '=' + QByteArray::number(wartosc);
                QTest::newRow(wiersz.constData()) << QString::fromLatin1(efekt) << wartosc;
            }
        }
    }

    void ustawOpcje()
    {
        QFETCH(QString, efekt);
        QFETCH(int, wartosc);
        UstawieniaStandardu u = Wszystko();
        if (efekt == QLatin1String("Przesluchy"))
            u.Przesluchy = wartosc;
        else if (efekt == QLatin1String("Echo"))
            u.Echo = wartosc;
        else
            u.Regeneracja = wartosc;
        auto okno = NoweOkno(0, u);

        auto* zakladka = okno->findChild<QWidget*>(efekt + QStringLiteral("TabSheet"));
        auto* pole = okno->findChild<QCheckBox*>(efekt + QStringLiteral("CheckBox"));
        QVERIFY(zakladka && pole);
        QCOMPARE(okno->KanalPageControl->isTabVisible(okno->KanalPageControl->indexOf(zakladka)), wartosc != 0);
        QCOMPARE(pole->isVisibleTo(okno.get()), wartosc != 0);
        QCOMPARE(pole->isChecked(), wartosc == 2);
        // Setting the options never leaves the window on another page than attenuation.
        QCOMPARE(okno->KanalPageControl->currentWidget(), okno->Tlumienie.TabSheet);
        if (efekt == QLatin1String("Echo"))
            QCOMPARE(okno->EchoEdit1->isEnabled(), wartosc == 2);
        for (QCheckBox* inne : {okno->PrzesluchyCheckBox, okno->EchoCheckBox, okno->WzmocnienieCheckBox}) {
            if (inne != pole)
                QVERIFY(inne->isChecked() && inne->isVisibleTo(okno.get()));
        }
    }

    void blokadaPrzywracaWlasneStany()
    {
        UstawieniaStandardu u = Wszystko();
        u.Echo = 1; // echo offered, off: its delay field starts disabled
        auto okno = NoweOkno(1, u);
        okno->SimBut->setEnabled(false);
        okno->PrzesluchyCheckBox->setEnabled(false);

        const QList<QWidget*> wszystkie = {okno->KanalPageControl->tabBar(), okno->LiczbaBitowEdit, okno->SzybkoscEdit,
                                           okno->NachylenieEdit, okno->EchoEdit1, okno->PrzesluchyCheckBox,
                                           okno->EchoCheckBox, okno->WzmocnienieCheckBox, okno->Tlumienie.WczytajBtn,
                                           okno->Echo.ZapiszBtn, okno->Wzmocnienie.DodajBtn,
                                           okno->Przesluchy.RekalkulacjaBtn, okno->SimBut, okno->WzmAdaptCheckBox,
                                           okno->GenComboBox};
        QList<bool> przed;
        for (QWidget* w : wszystkie)
            przed.append(w->isEnabled());

        okno->ZablokujKontrolki();
        QStringList niezablokowane;
        for (QWidget* w : wszystkie)
            if (w->isEnabled())
                niezablokowane.append(w->objectName());
        QCOMPARE(niezablokowane, QStringList());
        // The lists stay usable while the window works.
        QVERIFY(okno->Tlumienie.ListView->isEnabled());

        okno->PrzywrocKontrolki();
        QList<bool> po;
        for (QWidget* w : wszystkie)
            po.append(w->isEnabled());
        QCOMPARE(po, przed);
        QVERIFY(!okno->EchoEdit1->isEnabled());
        QVERIFY(!okno->PrzesluchyCheckBox->isEnabled());
        QVERIFY(okno->EchoCheckBox->isEnabled());
        QVERIFY(!okno->SimBut->isEnabled());
    }

    void standardIGranice()
    {
        auto okno = NoweOkno(3);
        QCOMPARE(okno->SzybkoscEdit->text(), QStringLiteral("1000"));
        QCOMPARE(okno->NachylenieEdit->text(), QStringLiteral("5000"));
        QCOMPARE(okno->LiczbaBitowEdit->text(), QStringLiteral("100"));
        QCOMPARE(okno->EchoEdit1->text(), QStringLiteral("0"));
        QCOMPARE(okno->GenComboBox->count(), 3);
        QCOMPARE(okno->GenComboBox->itemText(2), QStringLiteral("Ciąg jedynek"));
        QCOMPARE(std::make_pair(okno->SzybkoscMin, okno->SzybkoscMax), std::make_pair(1000, 5000));
        QCOMPARE(std::make_pair(okno->EchoMin, okno->EchoMax), std::make_pair(0, 10));
        for (QLineEdit* pole : {okno->LiczbaBitowEdit, okno->SzybkoscEdit, okno->NachylenieEdit, okno->EchoEdit1})
            QCOMPARE(pole->maxLength(), 4);
        for (QWidget* strona : {okno->TabSheetWejsciowe, okno->TabSheetWyjsciowe, okno->TabSheetOkowy, okno->ErrorTabSheet})
            QVERIFY(!okno->PageControl1->isTabVisible(okno->PageControl1->indexOf(strona)));
        QVERIFY(okno->SimBut->isEnabled());
        QVERIFY(okno->SimBut->isVisible());
    }

    void domyslneCharakterystyki()
    {
        auto okno = NoweOkno(2);
        const QStringList czestotliwosci = {QStringLiteral("0,000"),  QStringLiteral("1,000"),   QStringLiteral("4,000"),
                                            QStringLiteral("8,000"),  QStringLiteral("10,000"),  QStringLiteral("16,000"),
                                            QStringLiteral("20,000"), QStringLiteral("25,000"),  QStringLiteral("31,000"),
                                            QStringLiteral("62,000"), QStringLiteral("100,000")};
        const QStringList tlumienie = {QStringLiteral("2,100"),  QStringLiteral("2,100"),  QStringLiteral("4,000"),
                                       QStringLiteral("5,700"),  QStringLiteral("6,300"),  QStringLiteral("8,200"),
                                       QStringLiteral("9,200"),  QStringLiteral("10,300"), QStringLiteral("11,500"),
                                       QStringLiteral("16,700"), QStringLiteral("21,600")};
        QCOMPARE(Kolumna(okno->Tlumienie.ListView, 0), czestotliwosci);
        QCOMPARE(Kolumna(okno->Tlumienie.ListView, 1), tlumienie);
        QCOMPARE(Kolumna(okno->Przesluchy.ListView, 0), czestotliwosci);
        QCOMPARE(Kolumna(okno->Przesluchy.ListView, 1).first(), QStringLiteral("60,000"));
        QCOMPARE(Kolumna(okno->Przesluchy.ListView, 1).last(), QStringLiteral("29,300"));
        QCOMPARE(Kolumna(okno->Echo.ListView, 0),
                 (QStringList{QStringLiteral("0,000"), QStringLiteral("1,000"), QStringLiteral("100,000")}));
        QCOMPARE(Kolumna(okno->Echo.ListView, 1), QStringList(3, QStringLiteral("15,000")));
        QCOMPARE(Kolumna(okno->Wzmocnienie.ListView, 0), czestotliwosci);
        QCOMPARE(Kolumna(okno->Wzmocnienie.ListView, 1), tlumienie);
        QCOMPARE(okno->Wzmocnienie.ListView->headerItem()->text(1), QStringLiteral("Tłumienie[dB]"));

        // Stored as gains: losses negative, the regenerator positive.
        QCOMPARE(okno->CharTlumienie->Zwroc(10).Y, -21.6f);
        QCOMPARE(okno->CharWzmocnienie->Zwroc(10).Y, 21.6f);
        QCOMPARE(okno->CharEcho->ZwrocDlugosc(), 3);

        for (const TZakladkaCharakterystyki* z : {&okno->Tlumienie, &okno->Przesluchy, &okno->Echo, &okno->Wzmocnienie}) {
            QCOMPARE(z->CharWykres->LiczbaSerii(), 1);
            QCOMPARE(z->CharWykres->Seria(0)->Kolor, TColor{0x008000});
            QCOMPARE(z->CharWykres->OsX.TypOsi(), toLog);
            QCOMPARE(z->ListView->currentIndex().row(), 0);
            QCOMPARE(z->TabSet->count(), 1);
            QCOMPARE(z->TabSet->tabText(0), QStringLiteral("Charakterystyka"));
            QVERIFY(!z->ScrollBox->isVisibleTo(okno.get()));
        }
        QCOMPARE(okno->Tlumienie.CharWykres->Seria(0)->Strumien, okno->CharTlumienie.get());
        QCOMPARE(okno->Tlumienie.CharWykres->OsY.Max(), 0.0f);
        QCOMPARE(okno->Wzmocnienie.CharWykres->OsY.Max(), 100.0f);
    }

    void przelaczanieZakladek()
    {
        auto okno = NoweOkno(0);
        TKanalPageControl* strony = okno->KanalPageControl;
        const auto kliknijZakladke = [strony](QWidget* zakladka) {
            const QRect prostokat = strony->tabBar()->tabRect(strony->indexOf(zakladka));
            QTest::mousePress(strony->tabBar(), Qt::LeftButton, {}, prostokat.center() + QPoint(prostokat.width() / 4, 0));
        };

        kliknijZakladke(okno->Echo.TabSheet);
        QCOMPARE(strony->currentWidget(), okno->Echo.TabSheet);
        // Unticking the active page's effect falls back through crosstalk to attenuation.
        okno->EchoCheckBox->click();
        QCOMPARE(strony->currentWidget(), okno->Przesluchy.TabSheet);
        QVERIFY(!okno->EchoEdit1->isEnabled());
        okno->PrzesluchyCheckBox->click();
        QCOMPARE(strony->currentWidget(), okno->Tlumienie.TabSheet);
        // A page whose effect is off cannot be opened.
        kliknijZakladke(okno->Echo.TabSheet);
        QCOMPARE(strony->currentWidget(), okno->Tlumienie.TabSheet);
        // Ticking opens the effect's page.
        okno->EchoCheckBox->click();
        QCOMPARE(strony->currentWidget(), okno->Echo.TabSheet);
        QVERIFY(okno->EchoEdit1->isEnabled());
        // Unticking another page's effect leaves the active page alone.
        okno->WzmocnienieCheckBox->click();
        QCOMPARE(strony->currentWidget(), okno->Echo.TabSheet);
        okno->WzmocnienieCheckBox->click();
        QCOMPARE(strony->currentWidget(), okno->Wzmocnienie.TabSheet);
        okno->EchoCheckBox->click();
        okno->WzmocnienieCheckBox->click();
        QCOMPARE(strony->currentWidget(), okno->Tlumienie.TabSheet);
        // Keys do not change pages behind the window's back.
        QTest::keyClick(strony, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(strony->currentWidget(), okno->Tlumienie.TabSheet);
    }

    void zmianaUstawienWlaczaSymulacje()
    {
        QAction zapisz(QStringLiteral("Zapisz"));
        QAction drukuj(QStringLiteral("Drukuj"));
        auto okno = NoweOkno(0, Wszystko(), {&zapisz, &drukuj});
        for (const std::function<void()>& zmiana : std::initializer_list<std::function<void()>>{
                 [&] { okno->LiczbaBitowEdit->setText(QStringLiteral("200")); },
                 [&] { okno->SzybkoscEdit->setText(QStringLiteral("20")); },
                 [&] { okno->NachylenieEdit->setText(QStringLiteral("450")); },
                 [&] { okno->GenComboBox->setCurrentIndex(2); }}) {
            okno->SimBut->setEnabled(false);
            zapisz.setEnabled(true);
            drukuj.setEnabled(true);
            zmiana();
            QVERIFY(okno->SimBut->isEnabled());
            QVERIFY(!zapisz.isEnabled() && !drukuj.isEnabled());
        }
        okno->SimBut->setEnabled(false);
        okno->EchoEdit1->setText(QStringLiteral("5"));
        QVERIFY(okno->SimBut->isEnabled());
    }

    void anulujKonczyWatek()
    {
        auto okno = NoweOkno(1);
        QPointer<TWatek> watek = TWatek::UtworzUruchomiony<TWatekCzekajacy>();
        okno->SymulacjaTrwa = true;
        okno->WatekSymulacji = watek;
        UstawKursorEkranu(TKursorEkranu::Uruchamianie);
        okno->SimBut->setEnabled(false);
        okno->ZablokujKontrolki();
        okno->SimBut->hide();
        QVERIFY(okno->AnulujBut->isVisible());

        QTest::mouseClick(okno->AnulujBut, Qt::LeftButton);
        QVERIFY(!okno->SymulacjaTrwa);
        QVERIFY(okno->WatekSymulacji.isNull());
        QVERIFY(okno->SimBut->isVisible());
        QVERIFY(okno->SimBut->isEnabled());
        QVERIFY(okno->LiczbaBitowEdit->isEnabled());
        QCOMPARE(KursorEkranu(), TKursorEkranu::Domyslny);
        // The worker sees its flag, ends by itself and is released once.
        QTRY_VERIFY(watek.isNull());
    }

    void anulujRekalkulacji()
    {
        auto okno = NoweOkno(0);
        QPointer<TWatek> watek = TWatek::UtworzUruchomiony<TWatekCzekajacy>();
        okno->RekalkulacjaTrwa = true;
        okno->WatekRekalkulacji = watek;
        okno->PrzyciskRekalkulacji = okno->Echo.RekalkulacjaBtn;
        okno->ZablokujKontrolki();
        okno->SimBut->hide();
        okno->AnulujButClick();
        QVERIFY(!okno->RekalkulacjaTrwa);
        QVERIFY(okno->Echo.RekalkulacjaBtn->isEnabled());
        QVERIFY(okno->SimBut->isVisible() && okno->SimBut->isEnabled());
        QTRY_VERIFY(watek.isNull());
        // Nothing running: the button does nothing.
        okno->SimBut->setEnabled(false);
        okno->AnulujButClick();
        QVERIFY(!okno->SimBut->isEnabled());
    }

    void zamkniecieOstatniegoOknaWylaczaPolecenia()
    {
        QAction zapisz(QStringLiteral("Zapisz"));
        QAction drukuj(QStringLiteral("Drukuj"));
        QMdiArea obszar;
        obszar.resize(1200, 900);
        obszar.show();
        TSimChildForm* okna[2];
        for (TSimChildForm*& okno : okna) {
            okno = new TSimChildForm(Wszystko(), {&zapisz, &drukuj}, &obszar);
            okno->UstawOpcje(0);
            obszar.addSubWindow(okno)->setAttribute(Qt::WA_DeleteOnClose);
            okno->show();
            okno->UstawStandard();
        }
        zapisz.setEnabled(true);
        drukuj.setEnabled(true);
        okna[0]->parentWidget()->close();
        QVERIFY(zapisz.isEnabled() && drukuj.isEnabled());
        okna[1]->parentWidget()->close();
        QVERIFY(!zapisz.isEnabled() && !drukuj.isEnabled());
        QTRY_VERIFY(obszar.subWindowList().isEmpty());
    }
};

QTEST_MAIN(TestTSimChildForm)
#include "TestTSimChildForm.moc"
