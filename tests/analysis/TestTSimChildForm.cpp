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
#include <QThread>
#include <QTreeWidget>

#include <atomic>
#include <memory>

#include "JsonSymulacji.h"
#include "Liczby.h"
#include "OknoTestowe.h"
#include "PomocnikiGui.h"
#include "Standardy.h"
#include "UslugiQt.h"
#include "Vartostream.h"
#include "WatekQt.h"

namespace {

UstawieniaStandardu Wszystko(std::int32_t efekty = 2)
{
    UstawieniaStandardu u;
    u.BerErf = u.Dekoder = u.RozkladyBledow = 1;
    u.Regeneracja = u.Przesluchy = u.Echo = efekty;
    return u;
}

// A window as the main window creates it: options, shown, then the standard.
std::unique_ptr<TOknoTestowe> NoweOkno(int standard, const UstawieniaStandardu& u = Wszystko(),
                                       TPoleceniaWynikow polecenia = {})
{
    auto okno = std::make_unique<TOknoTestowe>(u, polecenia);
    okno->UstawOpcje(standard);
    okno->show();
    okno->UstawStandard();
    return okno;
}

// Every setting as the JSON module writes it: a difference shows as text.
QString Json(const TUstawieniaSymulacji& u)
{
    return QString::fromStdString(AnalizaJson(u).dump());
}

QStringList Kolumna(const QTreeWidget* lista, int kolumna)
{
    QStringList teksty;
    for (int i = 0; i < lista->topLevelItemCount(); ++i)
        teksty.append(lista->topLevelItem(i)->text(kolumna));
    return teksty;
}

// A run that goes on until its flag is set, as a library call does, and then hands over nothing.
std::unique_ptr<TWynikSymulacji> PrzebiegCzekajacy(const TUstawieniaSymulacji&, std::uint8_t* flaga,
                                                   const TKontrolkiPostepu&)
{
    while (std::atomic_ref<std::uint8_t>(*flaga).load() == 0)
        QThread::msleep(1);
    return nullptr;
}


} // namespace

class TestTSimChildForm : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        UstawLokalizacjePolska();
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
        QTest::newRow("echo empty") << 0 << 2 << "EchoEdit1" << "" << false;
        QTest::newRow("rate pasted decimal") << 0 << 2 << "SzybkoscEdit" << "20,5" << false;
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
            QPointer<TWatek> watek = okno->WatekObliczen();
            QVERIFY(okno->SymulacjaTrwa());
            QTRY_VERIFY_WITH_TIMEOUT(!okno->SymulacjaTrwa() && watek.isNull(), 120000);
            return;
        }
        QCOMPARE(odpowiedz.Tekst, QStringLiteral("Nieprawidłowa wartość"));
        QCOMPARE(odpowiedz.Przyciski, 1);
        // A field the user can reach gets the focus, its page brought forward.
        if (edycja->isEnabled() && (edycja != okno->EchoEdit1 || echo != 0))
            QTRY_COMPARE(QApplication::focusWidget(), edycja);
    }

    // The settings page and its settings are each other's inverse wherever the options
    // offer a setting; the rest keeps what the options say.
    void zastosujIOdczytaj_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<int>("efekty");
        QTest::addColumn<bool>("adaptacyjny");
        QTest::addColumn<int>("zrodlo");
        QTest::addColumn<int>("szum"); // 0 none, 1 SNR in dB, 2 RMS in mV
        QTest::addColumn<double>("wartosc");
        QTest::addColumn<double>("drzenie");
        QTest::addColumn<QString>("tekstSzumu");
        QTest::newRow("10BaseT, every effect, SNR") << 0 << 2 << false << 2 << 1 << -12.5 << 37.25 << "-12,5";
        QTest::newRow("100BaseTX, effects off by default, RMS noise")
            << 1 << 1 << false << 3 << 2 << 0.1 << 0.0 << "0,1";
        QTest::newRow("100BaseTX (bez 4B5B), adaptive, jitter only")
            << 2 << 2 << true << 5 << 0 << 0.0 << 1.0 / 3.0 << "";
        QTest::newRow("1000BaseT, no effect offered, PRBS31")
            << 3 << 0 << true << 7 << 1 << 99.999999999999986 << 4000.0 << "99,99999999999999";
    }

    void zastosujIOdczytaj()
    {
        QFETCH(int, standard);
        QFETCH(int, efekty);
        QFETCH(bool, adaptacyjny);
        QFETCH(int, zrodlo);
        QFETCH(int, szum);
        QFETCH(double, wartosc);
        QFETCH(double, drzenie);
        QFETCH(QString, tekstSzumu);
        auto okno = NoweOkno(standard, Wszystko(efekty));
        const TStandard& st = Standardy[static_cast<std::size_t>(standard)];
        TUstawieniaSymulacji u = DomyslneUstawienia(standard);
        u.LiczbaBitow = 731;
        u.Szybkosc = st.SzybkoscMax;
        u.Nachylenie = static_cast<float>(st.NachylenieMin);
        u.PrzesuniecieEcha = 7;
        u.Zrodlo = static_cast<TZrodloBitow>(zrodlo);
        u.Ziarno = 42;
        if (szum == 1)
            u.SzumIDrzenie.SnrDb = wartosc;
        else if (szum == 2)
            u.SzumIDrzenie.SzumMv = wartosc;
        u.SzumIDrzenie.DrzeniePs = drzenie;
        u.Przesluchy = false;
        u.Echo = true;
        u.Regeneracja = true;
        u.Adaptacyjny = adaptacyjny;
        u.Charakterystyki.Tlumienie = {{0.0f, -1.0f}, {1.0f, -2.0f}, {30.0f, -7.5f}, {100.0f, -20.0f}};
        u.Charakterystyki.Echo = {{0.0f, -30.0f}, {1.0f, -31.0f}, {100.0f, -40.0f}};
        u.Bity = std::vector<std::int32_t>(static_cast<std::size_t>(BityKodowane(u)), 1);
        u.Pochodzenie.PlikEcha = "echo.att";
        okno->StronaUstawien().Zastosuj(u);

        QCOMPARE(okno->LiczbaBitowEdit->text(), QStringLiteral("731"));
        QCOMPARE(okno->EchoEdit1->text(), QStringLiteral("7"));
        QCOMPARE(okno->GenComboBox->currentIndex(), zrodlo);
        QCOMPARE(okno->SzumComboBox->currentIndex(), szum);
        QCOMPARE(okno->SzumEdit->isEnabled(), szum != 0);
        if (szum != 0)
            QCOMPARE(okno->SzumEdit->text(), tekstSzumu);
        const QString jednostki[] = {QString(), QStringLiteral("dB"), QStringLiteral("mV")};
        QCOMPARE(okno->SzumJednostkaLabel->text(), jednostki[szum]);
        QCOMPARE(okno->EchoCheckBox->isChecked(), efekty != 0);
        QCOMPARE(okno->PrzesluchyCheckBox->isChecked(), false);
        QCOMPARE(Kolumna(okno->Tlumienie.ListView, 1).last(), QStringLiteral("20,000"));

        // What the options do not offer stays off; the adaptive amplifier mirrors the line.
        TUstawieniaSymulacji oczekiwane = u;
        oczekiwane.Echo = efekty != 0;
        oczekiwane.Regeneracja = efekty != 0;
        oczekiwane.Adaptacyjny = adaptacyjny && efekty != 0;
        if (oczekiwane.Adaptacyjny)
            oczekiwane.Charakterystyki.Wzmocnienie = Lustro(u.Charakterystyki.Tlumienie);
        const TUstawieniaSymulacji odczytane = okno->StronaUstawien().UstawieniaSymulacji();
        QCOMPARE(Json(odczytane), Json(oczekiwane));
        QCOMPARE(odczytane.Standard, standard);
        QVERIFY(odczytane.Bity == u.Bity);
        QVERIFY(!odczytane.BityZaklocen);
        QVERIFY(TeSamePunkty(okno->Echo.CharWykres->Seria(0)->Strumien, u.Charakterystyki.Echo));
        // Read back and applied again, the page stays as it is.
        okno->SimBut->setEnabled(false);
        okno->StronaUstawien().Zastosuj(odczytane);
        QVERIFY(!okno->SimBut->isEnabled());
        QCOMPARE(Json(okno->StronaUstawien().UstawieniaSymulacji()), Json(oczekiwane));
    }

    // A point list the channel cannot take counts as a field at fault: its tab comes
    // forward where it may open, and its list gets the focus.
    void wadliwaCharakterystyka()
    {
        auto okno = NoweOkno(1);
        QVERIFY(QTest::qWaitForWindowActive(okno.get()));
        TUstawieniaSymulacji u = okno->StronaUstawien().UstawieniaSymulacji();
        u.Charakterystyki.Echo = {{0.0f, -15.0f}};
        okno->StronaUstawien().Zastosuj(u);
        TOdpowiedzNaKomunikat odpowiedz;
        QVERIFY(!okno->SimButClick());
        QCOMPARE(odpowiedz.Tekst, QStringLiteral("Nieprawidłowa wartość"));
        QCOMPARE(okno->KanalPageControl->currentWidget(), okno->Echo.TabSheet);
        QTRY_COMPARE(QApplication::focusWidget(), okno->Echo.ListView);
        QVERIFY(!okno->SymulacjaTrwa());

        // A field before it in the order is named first.
        okno->LiczbaBitowEdit->setText(QStringLiteral("99"));
        TOdpowiedzNaKomunikat pierwsza;
        QVERIFY(!okno->SimButClick());
        QTRY_COMPARE(QApplication::focusWidget(), okno->LiczbaBitowEdit);
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

    // The noise and jitter fields take the command line's limits; the jitter's follows
    // the standard and the rate. Accepted settings pass the check without a message.
    void graniceZaklocen_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<QString>("szybkosc");
        QTest::addColumn<int>("szum");
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("przyjete");
        QTest::newRow("SNR -20,5 dB") << 1 << "100" << 1 << "SzumEdit" << "-20,5" << false;
        QTest::newRow("SNR -20 dB") << 1 << "100" << 1 << "SzumEdit" << "-20" << true;
        QTest::newRow("SNR 100 dB") << 1 << "100" << 1 << "SzumEdit" << "100" << true;
        QTest::newRow("SNR 100,01 dB") << 1 << "100" << 1 << "SzumEdit" << "100,01" << false;
        QTest::newRow("SNR empty") << 1 << "100" << 1 << "SzumEdit" << "" << false;
        QTest::newRow("SNR pasted with its unit") << 1 << "100" << 1 << "SzumEdit" << "12 dB" << false;
        QTest::newRow("noise 0 mV") << 3 << "1000" << 2 << "SzumEdit" << "0" << true;
        QTest::newRow("noise 10000 mV") << 3 << "1000" << 2 << "SzumEdit" << "10000" << true;
        QTest::newRow("noise 10000,5 mV") << 3 << "1000" << 2 << "SzumEdit" << "10000,5" << false;
        QTest::newRow("noise -0,1 mV") << 3 << "1000" << 2 << "SzumEdit" << "-0,1" << false;
        QTest::newRow("noise pasted nan") << 3 << "1000" << 2 << "SzumEdit" << "nan" << false;
        QTest::newRow("noise off, its field ignored") << 3 << "1000" << 0 << "SzumEdit" << "abc" << true;
        QTest::newRow("jitter 10BaseT 10 Mbps 25000 ps") << 0 << "10" << 0 << "DrzenieEdit" << "25000" << true;
        QTest::newRow("jitter 10BaseT 10 Mbps 25000,5 ps") << 0 << "10" << 0 << "DrzenieEdit" << "25000,5" << false;
        QTest::newRow("jitter 10BaseT 100 Mbps 2501 ps") << 0 << "100" << 0 << "DrzenieEdit" << "2501" << false;
        QTest::newRow("jitter 100BaseTX 4000 ps") << 1 << "100" << 1 << "DrzenieEdit" << "4000" << true;
        QTest::newRow("jitter 100BaseTX 4001 ps") << 1 << "100" << 0 << "DrzenieEdit" << "4001" << false;
        QTest::newRow("jitter 100BaseTX (bez 4B5B) 5000 ps") << 2 << "100" << 0 << "DrzenieEdit" << "5000" << true;
        QTest::newRow("jitter 100BaseTX (bez 4B5B) 5001 ps") << 2 << "100" << 0 << "DrzenieEdit" << "5001" << false;
        QTest::newRow("jitter 1000BaseT 5000 Mbps 800 ps") << 3 << "5000" << 0 << "DrzenieEdit" << "800" << true;
        QTest::newRow("jitter 1000BaseT 5000 Mbps 801 ps") << 3 << "5000" << 0 << "DrzenieEdit" << "801" << false;
        QTest::newRow("jitter negative") << 1 << "100" << 0 << "DrzenieEdit" << "-1" << false;
        QTest::newRow("jitter empty") << 1 << "100" << 0 << "DrzenieEdit" << "" << false;
    }

    void graniceZaklocen()
    {
        QFETCH(int, standard);
        QFETCH(QString, szybkosc);
        QFETCH(int, szum);
        QFETCH(QString, pole);
        QFETCH(QString, tekst);
        QFETCH(bool, przyjete);
        auto okno = NoweOkno(standard);
        QVERIFY(QTest::qWaitForWindowActive(okno.get()));
        okno->SzybkoscEdit->setText(szybkosc);
        okno->SzumComboBox->setCurrentIndex(szum);
        auto* edycja = okno->findChild<QLineEdit*>(pole);
        QVERIFY(edycja);
        edycja->setText(tekst);
        okno->LiczbaBitowEdit->setFocus();

        TOdpowiedzNaKomunikat odpowiedz;
        const std::optional<TUstawieniaSymulacji> u = okno->StronaUstawien().SprawdzoneUstawienia();
        QCoreApplication::processEvents();
        QCOMPARE(u.has_value(), przyjete);
        QCOMPARE(odpowiedz.Pokazany(), !przyjete);
        if (przyjete)
            return;
        QCOMPARE(odpowiedz.Tekst, QStringLiteral("Nieprawidłowa wartość"));
        QTRY_COMPARE(QApplication::focusWidget(), edycja);
    }

    // The noise and the jitter come after the input signal's fields and the
    // characteristics, the noise before the jitter.
    void zakloceniaPoPolachSygnalu()
    {
        auto okno = NoweOkno(1);
        QVERIFY(QTest::qWaitForWindowActive(okno.get()));
        okno->SzumComboBox->setCurrentIndex(1);
        okno->SzumEdit->setText(QStringLiteral("-30"));
        okno->DrzenieEdit->setText(QStringLiteral("5000"));
        okno->SzybkoscEdit->setText(QStringLiteral("99"));
        const auto pierwszeZle = [&] {
            TOdpowiedzNaKomunikat odpowiedz;
            okno->LiczbaBitowEdit->setFocus();
            const bool przyjete = okno->StronaUstawien().SprawdzoneUstawienia().has_value();
            QCoreApplication::processEvents();
            return przyjete ? nullptr : QApplication::focusWidget();
        };
        QCOMPARE(pierwszeZle(), okno->SzybkoscEdit);
        okno->SzybkoscEdit->setText(QStringLiteral("100"));
        QCOMPARE(pierwszeZle(), okno->SzumEdit);
        okno->SzumEdit->setText(QStringLiteral("30"));
        QCOMPARE(pierwszeZle(), okno->DrzenieEdit);
        okno->DrzenieEdit->setText(QStringLiteral("50"));
        QCOMPARE(pierwszeZle(), nullptr);
    }

    // Each noise choice keeps its own value and shows its unit; without noise the field
    // is off and the run gets neither value.
    void rodzajSzumu()
    {
        auto okno = NoweOkno(0);
        okno->SzumComboBox->setCurrentIndex(1);
        QVERIFY(okno->SzumEdit->isEnabled());
        QCOMPARE(okno->SzumEdit->text(), QStringLiteral("20"));
        QCOMPARE(okno->SzumJednostkaLabel->text(), QStringLiteral("dB"));
        okno->SzumEdit->setText(QStringLiteral("7,5"));
        QCOMPARE(okno->StronaUstawien().UstawieniaSymulacji().SzumIDrzenie.SnrDb, 7.5);

        okno->SzumComboBox->setCurrentIndex(2);
        QCOMPARE(okno->SzumEdit->text(), QStringLiteral("10"));
        QCOMPARE(okno->SzumJednostkaLabel->text(), QStringLiteral("mV"));
        const TSzumIDrzenie mv = okno->StronaUstawien().UstawieniaSymulacji().SzumIDrzenie;
        QVERIFY(!mv.SnrDb);
        QCOMPARE(mv.SzumMv, 10.0);

        okno->SzumComboBox->setCurrentIndex(1);
        QCOMPARE(okno->SzumEdit->text(), QStringLiteral("7,5"));
        okno->SzumComboBox->setCurrentIndex(0);
        QVERIFY(!okno->SzumEdit->isEnabled());
        QCOMPARE(okno->SzumJednostkaLabel->text(), QString());
        const TSzumIDrzenie brak = okno->StronaUstawien().UstawieniaSymulacji().SzumIDrzenie;
        QVERIFY(!brak.SnrDb && !brak.SzumMv);

        // A choice made while the page is locked takes effect when it is restored.
        okno->StronaUstawien().ZablokujKontrolki();
        okno->SzumComboBox->setCurrentIndex(2);
        QVERIFY(!okno->SzumEdit->isEnabled());
        okno->StronaUstawien().PrzywrocKontrolki();
        QVERIFY(okno->SzumEdit->isEnabled());
    }

    // The noise group stands beside the input signal's fields, leaving the channel model
    // where it was; a window too narrow for both stacks them instead of cutting fields.
    void zakloceniaObokSygnalu()
    {
        auto okno = NoweOkno(1);
        const auto* sygnal = Kontrolka<QGroupBox>(*okno, QStringLiteral("SygnalGroupBox"));
        const auto* kanal = Kontrolka<QGroupBox>(*okno, QStringLiteral("KanalGroupBox"));
        const auto rozmiar = [&](int szerokosc) {
            okno->resize(szerokosc, 620);
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
        };
        rozmiar(900);
        QCOMPARE(okno->SzumGroupBox->y(), sygnal->y());
        QCOMPARE(okno->SzumGroupBox->height(), sygnal->height());
        QVERIFY(okno->SzumGroupBox->x() > sygnal->geometry().right());
        const int gora = kanal->y();
        QCOMPARE(gora, sygnal->mapTo(kanal->parentWidget(), QPoint(0, sygnal->height())).y() + 6);

        rozmiar(640);
        QVERIFY(okno->SzumGroupBox->y() > sygnal->geometry().bottom());
        QCOMPARE(okno->SzumGroupBox->x(), sygnal->x());
        QVERIFY(kanal->y() > okno->SzumGroupBox->geometry().bottom());
        QVERIFY(okno->minimumSizeHint().width() <= 640);
        for (const QWidget* pole : {static_cast<QWidget*>(okno->GenComboBox), static_cast<QWidget*>(okno->DrzenieEdit)})
            QVERIFY(pole->mapTo(okno.get(), QPoint(pole->width(), 0)).x() < okno->width());

        rozmiar(900);
        QCOMPARE(okno->SzumGroupBox->y(), sygnal->y());
        QCOMPARE(kanal->y(), gora);
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

        // The decimal fields take one separator and a leading minus besides the digits.
        okno->SzumComboBox->setCurrentIndex(1);
        for (QLineEdit* pole : {okno->SzumEdit, okno->DrzenieEdit}) {
            pole->setFocus();
            pole->clear();
            QTest::keyClicks(pole, QStringLiteral("1a2.,5,-e"));
            QCOMPARE(pole->text(), QStringLiteral("12,5"));
            QTest::keyClick(pole, Qt::Key_Home);
            QTest::keyClicks(pole, QStringLiteral("--"));
            QCOMPARE(pole->text(), QStringLiteral("-12,5"));
            // Typed over a selection, the selected separator and minus may come back.
            pole->selectAll();
            QTest::keyClicks(pole, QStringLiteral("-0,75"));
            QCOMPARE(pole->text(), QStringLiteral("-0,75"));
        }
        okno->SzumComboBox->setFocus();
        QTest::keyClicks(okno->SzumComboBox, QStringLiteral("RS"));
        QCOMPARE(okno->SzumComboBox->currentIndex(), 1);

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
                                           okno->GenComboBox, okno->SzumComboBox, okno->SzumEdit, okno->DrzenieEdit};
        QList<bool> przed;
        for (QWidget* w : wszystkie)
            przed.append(w->isEnabled());

        okno->StronaUstawien().ZablokujKontrolki();
        QStringList niezablokowane;
        for (QWidget* w : wszystkie)
            if (w->isEnabled())
                niezablokowane.append(w->objectName());
        QCOMPARE(niezablokowane, QStringList());
        // The lists stay usable while the window works.
        QVERIFY(okno->Tlumienie.ListView->isEnabled());

        okno->StronaUstawien().PrzywrocKontrolki();
        QList<bool> po;
        for (QWidget* w : wszystkie)
            po.append(w->isEnabled());
        QCOMPARE(po, przed);
        QVERIFY(!okno->EchoEdit1->isEnabled());
        QVERIFY(!okno->SzumEdit->isEnabled());
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
        // The pseudo-random sources follow the three first ones, each with its polynomial.
        QCOMPARE(okno->GenComboBox->count(), LiczbaZrodelBitow);
        QCOMPARE(okno->GenComboBox->itemText(2), QStringLiteral("Ciąg jedynek"));
        QCOMPARE(okno->GenComboBox->itemText(3), QStringLiteral("Ciąg PRBS7"));
        QCOMPARE(okno->GenComboBox->itemText(7), QStringLiteral("Ciąg PRBS31"));
        QCOMPARE(okno->GenComboBox->itemData(4, Qt::ToolTipRole).toString(), QStringLiteral("Wielomian x⁹+x⁵+1"));
        QCOMPARE(okno->GenComboBox->itemData(7, Qt::ToolTipRole).toString(), QStringLiteral("Wielomian x³¹+x²⁸+1"));
        // No noise and no jitter unless asked for: a new window runs as it always did.
        QCOMPARE(okno->SzumComboBox->currentIndex(), 0);
        QVERIFY(!okno->SzumEdit->isEnabled());
        QCOMPARE(okno->DrzenieEdit->text(), QStringLiteral("0"));
        const TSzumIDrzenie z = okno->StronaUstawien().UstawieniaSymulacji().SzumIDrzenie;
        QVERIFY(!z.SnrDb && !z.SzumMv);
        QCOMPARE(z.DrzeniePs, 0.0);
        const TZakres szybkosc = ZakresPola(TPoleUstawien::Szybkosc, okno->Standard());
        const TZakres echo = ZakresPola(TPoleUstawien::PrzesuniecieEcha, okno->Standard());
        QCOMPARE(std::make_pair(szybkosc.Min, szybkosc.Max), std::make_pair(std::int64_t{1000}, std::int64_t{5000}));
        QCOMPARE(std::make_pair(echo.Min, echo.Max), std::make_pair(std::int64_t{0}, std::int64_t{10}));
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
        QCOMPARE(okno->Punkty(TPoleUstawien::Tlumienie)[10].Y, -21.6f);
        QCOMPARE(okno->Punkty(TPoleUstawien::Wzmocnienie)[10].Y, 21.6f);
        QCOMPARE(okno->Punkty(TPoleUstawien::Echo).size(), std::size_t{3});

        for (const TZakladkaCharakterystyki* z : {&okno->Tlumienie, &okno->Przesluchy, &okno->Echo, &okno->Wzmocnienie}) {
            QCOMPARE(z->CharWykres->LiczbaSerii(), 3);
            QCOMPARE(z->CharWykres->Seria(SeriaPunktow)->Kolor, TColor{0x008000});
            QVERIFY(!z->CharWykres->Seria(SeriaOdpowiedzi)->Strumien);
            QCOMPARE(z->CharWykres->OsX.TypOsi(), toLog);
            QCOMPARE(z->ListView->currentIndex().row(), 0);
            QCOMPARE(z->TabSet->count(), 1);
            QCOMPARE(z->TabSet->tabText(0), QStringLiteral("Charakterystyka"));
            QVERIFY(!z->ScrollBox->isVisibleTo(okno.get()));
        }
        QVERIFY(TeSamePunkty(okno->Tlumienie.CharWykres->Seria(0)->Strumien, okno->Punkty(TPoleUstawien::Tlumienie)));
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
                 [&] { okno->GenComboBox->setCurrentIndex(2); },
                 [&] { okno->SzumComboBox->setCurrentIndex(1); },
                 [&] { okno->SzumEdit->setText(QStringLiteral("15")); },
                 [&] { okno->DrzenieEdit->setText(QStringLiteral("20")); }}) {
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
        okno->UstawPrzebieg(PrzebiegCzekajacy);
        QVERIFY(okno->SimButClick());
        QPointer<TWatek> watek = okno->WatekObliczen();
        QVERIFY(watek);
        QCOMPARE(KursorEkranu(), TKursorEkranu::Uruchamianie);
        QVERIFY(!okno->LiczbaBitowEdit->isEnabled());
        QVERIFY(okno->AnulujBut->isVisible());

        QTest::mouseClick(okno->AnulujBut, Qt::LeftButton);
        QVERIFY(!okno->SymulacjaTrwa());
        QVERIFY(okno->WatekObliczen() == nullptr);
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
        // The recalculation hands its result over through the event loop, so it is still
        // under way when the cancel comes.
        okno->Echo.RekalkulacjaBtn->click();
        QPointer<TWatek> watek = okno->WatekObliczen();
        QVERIFY(okno->RekalkulacjaTrwa() && watek);
        QVERIFY(!okno->Echo.RekalkulacjaBtn->isEnabled());
        QVERIFY(!okno->SimBut->isVisible());
        okno->AnulujButClick();
        QVERIFY(!okno->RekalkulacjaTrwa());
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
            okno = new TOknoTestowe(Wszystko(), {&zapisz, &drukuj});
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
