// Characteristics made rather than typed, on an analysis window: the standard's limit on
// the charts, the cable dialog, the Touchstone import with its options and its refusals,
// and the record of where each list came from as model files and edits replace them.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTreeWidget>

#include <complex>
#include <functional>
#include <map>
#include <memory>

#include "Liczby.h"
#include "OknoTestowe.h"
#include "PomocnikiGui.h"
#include "TDodajPunktForm.h"
#include "TImportTouchstoneForm.h"
#include "TKabelForm.h"
#include "UslugiQt.h"
#include "Vartostream.h"
#include "ZrodlaCharakterystyk.h"

namespace {

// The file dialog keeps its history in the user's settings; the tests keep theirs in the
// build folder, chosen before the application reads any setting.
const bool UstawieniaWFolderzeTestow = qputenv("XDG_CONFIG_HOME", QT_TESTCASE_BUILDDIR "/ustawienia-testow");

std::unique_ptr<TOknoTestowe> NoweOkno(int standard, int przesluchy = 2, int echo = 2)
{
    UstawieniaStandardu u;
    u.BerErf = u.Dekoder = u.RozkladyBledow = 1;
    u.Regeneracja = 2;
    u.Przesluchy = przesluchy;
    u.Echo = echo;
    auto okno = std::make_unique<TOknoTestowe>(u);
    okno->UstawOpcje(standard);
    okno->resize(1000, 700);
    okno->show();
    okno->UstawStandard();
    return okno;
}

TPochodzenie Pochodzenie(TOknoTestowe& okno)
{
    return okno.StronaUstawien().UstawieniaSymulacji().Pochodzenie;
}

TCharakterystykiKanalu Listy(TOknoTestowe& okno)
{
    return okno.StronaUstawien().UstawieniaSymulacji().Charakterystyki;
}

bool TeSame(const TCharakterystykiKanalu& a, const TCharakterystykiKanalu& b)
{
    return a.Tlumienie == b.Tlumienie && a.Przesluchy == b.Przesluchy && a.Echo == b.Echo &&
           a.Wzmocnienie == b.Wzmocnienie;
}

QString Zapisz(const QTemporaryDir& folder, const QString& nazwa, const QByteArray& tresc)
{
    const QString sciezka = folder.filePath(nazwa);
    QFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(sciezka));
    plik.write(tresc);
    return sciezka;
}

// A version 1 file of n ports in RI form, MHz: each frequency's matrix row by row, four
// entries to a line; the entries not given are 0.
QByteArray PlikPortow(int n, const std::vector<double>& mhz,
                      const std::function<std::map<std::pair<int, int>, std::complex<double>>(double)>& elementy)
{
    QByteArray tekst = "! written by the test\n# MHz S RI R 50\n";
    for (const double f : mhz) {
        const auto s = elementy(f);
        tekst += QByteArray::number(f);
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) {
                const auto e = s.find({i, j});
                const std::complex<double> v = e == s.end() ? 0.0 : e->second;
                tekst += ' ' + QByteArray::number(v.real(), 'g', 12) + ' ' + QByteArray::number(v.imag(), 'g', 12);
                if (j % 4 == 0 || j == n)
                    tekst += '\n';
            }
        }
    }
    return tekst;
}

// A two-port cable of 0.5 to 0.9 transmission and 0.1 reflection, in MA form.
const QByteArray DwaPorty = "! cable\n# MHz S MA R 100\n"
                            "1 0.1 0 0.9 -10 0.9 -10 0.1 0\n"
                            "! a comment between rows\n"
                            "10 0.1 0 0.8 -20 0.8 -20 0.1 0\n"
                            "100 0.1 0 0.5 -90 0.5 -90 0.1 0\n";

// What an import on a tab showed: whether the options came up, with the state of their
// controls, and the message that followed (the summary, or why the file was refused).
struct TImport {
    bool Opcje = false;
    bool PortyDostepne = false;
    bool TlumienieDostepne = false;
    bool PrzesluchyDostepne = false;
    bool ImportujDostepny = false;
    QString Komunikat;
};

// Imports plik on the tab: the file dialog answered with it, the options set by ustaw and
// accepted with "Importuj" (or cancelled by ustaw); options the dialog refuses are
// cancelled after its message.
TImport Importuj(TZakladkaCharakterystyki& z, const QString& plik,
                 const std::function<void(TImportTouchstoneForm&)>& ustaw = {})
{
    TImport wynik;
    TPrzyOknieModalnym<QFileDialog> dialogPliku([&](QFileDialog& d) {
        d.selectFile(plik);
        static_cast<QDialog&>(d).accept();
    });
    TPrzyOknieModalnym<TImportTouchstoneForm> opcje([&](TImportTouchstoneForm& d) {
        wynik.Opcje = true;
        wynik.PortyDostepne = d.Porty1234Radio->isEnabled();
        wynik.TlumienieDostepne = d.TlumienieCheckBox->isEnabled();
        wynik.PrzesluchyDostepne = d.PrzesluchyCheckBox->isEnabled();
        if (ustaw)
            ustaw(d);
        wynik.ImportujDostepny = d.ImportujBtn->isEnabled();
        if (d.isVisible())
            d.ImportujBtn->click();
        if (d.isVisible())
            d.AnulujBtn->click();
    });
    TOdpowiedzNaKomunikat komunikat;
    z.ImportujBtn->click();
    if (!dialogPliku.Wykonane)
        qFatal("the file dialog did not open");
    wynik.Komunikat = komunikat.Tekst;
    return wynik;
}

// Fills the cable dialog and presses OK; keeps the message, if any, and whether it closed.
struct TKabel {
    int Kategoria = 3; // Cat6
    QString Dlugosc = QStringLiteral("80");
    QString Temperatura = QStringLiteral("20");
    std::function<void(TKabelForm&)> Ustaw;
    // What the dialog showed when it opened.
    QString KategoriaPoczatkowa;
    QString DlugoscPoczatkowa;
    QString Komunikat;
    QString Podsumowanie;
    bool Przyjete = false;
};

void WypelnijKabel(TOknoTestowe& okno, TKabel& k)
{
    TPrzyOknieModalnym<TKabelForm> dialog([&k](TKabelForm& d) {
        k.KategoriaPoczatkowa = d.KategoriaComboBox->currentText();
        k.DlugoscPoczatkowa = d.DlugoscEdit->text();
        d.KategoriaComboBox->setCurrentIndex(k.Kategoria);
        d.DlugoscEdit->setText(k.Dlugosc);
        d.TemperaturaEdit->setText(k.Temperatura);
        if (k.Ustaw)
            k.Ustaw(d);
        k.Podsumowanie = d.PodsumowanieLabel->text();
        TOdpowiedzNaKomunikat komunikat;
        d.OKBtn->click();
        k.Komunikat = komunikat.Tekst;
        k.Przyjete = !d.isVisible();
        if (!k.Przyjete)
            d.AnulujBtn->click();
    });
    okno.KabelBtn->click();
    QVERIFY(dialog.Wykonane);
}

// Gives row wiersz of the tab the value through "Edytuj".
void EdytujWartosc(TZakladkaCharakterystyki& z, int wiersz, const QString& wartosc)
{
    z.ListView->setCurrentItem(z.ListView->topLevelItem(wiersz));
    TPrzyOknieModalnym<TDodajPunktForm> edycja([&wartosc](TDodajPunktForm& d) {
        d.WartoscEdit->setText(wartosc);
        d.OKBtn->click();
    });
    z.EdytujBtn->click();
    QVERIFY(edycja.Wykonane);
}

} // namespace

class TestZrodelCharakterystyk : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(UstawieniaWFolderzeTestow);
        UstawLokalizacjePolska();
    }

    void init()
    {
        Folder = std::make_unique<QTemporaryDir>();
        QVERIFY(Folder->isValid());
        UstawFolderProgramu(Folder->path());
    }

    void limity_data()
    {
        QTest::addColumn<int>("standard");
        QTest::newRow("10BaseT") << 0;
        QTest::newRow("100BaseTX") << 1;
        QTest::newRow("100BaseTX without 4B5B") << 2;
        QTest::newRow("1000BaseT") << 3;
    }

    // Each characteristic chart shows its standard's limit dashed behind "Limit", where
    // the standard sets one; the switch takes it off the chart (and so off every copy of
    // it), and neither edits nor recalculations disturb it.
    void limity()
    {
        QFETCH(int, standard);
        auto okno = NoweOkno(standard);
        const TLinieStandardu linie = LinieGraniczneStandardu(standard);
        const std::pair<TZakladkaCharakterystyki*, const TCharakterystyka*> zakladki[] = {
            {&okno->Tlumienie, &linie.Tlumienie},
            {&okno->Przesluchy, &linie.Przesluchy},
            {&okno->Echo, &linie.Echo},
        };
        for (const auto& [z, limit] : zakladki) {
            okno->KanalPageControl->setCurrentWidget(z->TabSheet);
            const TSeria* seria = z->CharWykres->Seria(SeriaLimitu);
            QVERIFY(seria);
            QCOMPARE(z->LimitCheckBox->isVisibleTo(okno.get()), !limit->empty());
            if (limit->empty()) {
                QVERIFY(!seria->Strumien);
                continue;
            }
            QCOMPARE(z->LimitCheckBox->text(), QStringLiteral("Limit"));
            QVERIFY(z->LimitCheckBox->isChecked());
            QVERIFY(TeSamePunkty(seria->Strumien, *limit));
            QCOMPARE(seria->Strumien->ZwrocNazwe(), std::string("Limit"));
            QCOMPARE(seria->Styl, psDash);
            QVERIFY(seria->Kolor != z->CharWykres->Seria(SeriaPunktow)->Kolor);

            z->LimitCheckBox->click();
            QVERIFY(!z->CharWykres->Seria(SeriaLimitu)->Strumien);
            z->LimitCheckBox->click();
            QVERIFY(TeSamePunkty(z->CharWykres->Seria(SeriaLimitu)->Strumien, *limit));
        }
        QVERIFY(!okno->Wzmocnienie.LimitCheckBox->isVisibleTo(okno.get()));
        QVERIFY(!okno->Wzmocnienie.CharWykres->Seria(SeriaLimitu)->Strumien);
        QVERIFY(!okno->Wzmocnienie.ImportujBtn);

        // Every standard limits the attenuation; gigabit also the crosstalk and echo.
        QVERIFY(!linie.Tlumienie.empty());
        QCOMPARE(!linie.Echo.empty(), standard == 3);
    }

    void limitPrzetrwaRekalkulacje()
    {
        auto okno = NoweOkno(3);
        TZakladkaCharakterystyki& z = okno->Tlumienie;
        const TSeria limit = *z.CharWykres->Seria(SeriaLimitu);
        z.RekalkulacjaBtn->click();
        QTRY_VERIFY_WITH_TIMEOUT(!okno->RekalkulacjaTrwa(), CzasRunuMs);
        QVERIFY(z.CharWykres->Seria(SeriaOdpowiedzi)->Strumien);
        QCOMPARE(z.CharWykres->Seria(SeriaLimitu)->Strumien, limit.Strumien);
        // A loaded list takes the recalculated curve away, not the limit.
        TKabel k;
        WypelnijKabel(*okno, k);
        QVERIFY(!z.CharWykres->Seria(SeriaOdpowiedzi)->Strumien);
        QCOMPARE(z.CharWykres->Seria(SeriaLimitu)->Strumien, limit.Strumien);
        QCOMPARE(z.CharWykres->LiczbaSerii(), 3);
    }

    void dialogKabla_data()
    {
        QTest::addColumn<QString>("dlugosc");
        QTest::addColumn<QString>("temperatura");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("80 m") << "80" << "20" << "";
        QTest::newRow("shortest") << "1" << "20" << "";
        QTest::newRow("longest, coldest") << "200" << "-20" << "";
        QTest::newRow("decimal comma") << "12,5" << "35,5" << "";
        QTest::newRow("rounds into the range") << "200,04" << "60" << "";
        QTest::newRow("too short") << "0,9" << "20" << "Długość powinna zawierać się w przedziale <1;200>";
        QTest::newRow("too long") << "201" << "20" << "Długość powinna zawierać się w przedziale <1;200>";
        QTest::newRow("too hot") << "80" << "61" << "Temperatura powinna zawierać się w przedziale <-20;60>";
        QTest::newRow("empty length") << "" << "20" << "Nieprawidłowa wartość";
        QTest::newRow("empty temperature") << "80" << "" << "Nieprawidłowa wartość";
        QTest::newRow("pasted text") << "8a" << "20" << "Nieprawidłowa wartość";
    }

    // "Kabel…" fills the three lists from the engine's preset at the window's rate and
    // records the cable; values out of range keep the dialog open and change nothing.
    void dialogKabla()
    {
        QFETCH(QString, dlugosc);
        QFETCH(QString, temperatura);
        QFETCH(QString, komunikat);
        auto okno = NoweOkno(3);
        const TCharakterystykiKanalu przed = Listy(*okno);
        QCOMPARE(okno->Tlumienie.CharWykres->OsX.GornyKoniec(), 200.0f);
        okno->SimBut->setEnabled(false);
        TKabel k;
        k.Dlugosc = dlugosc;
        k.Temperatura = temperatura;
        WypelnijKabel(*okno, k);
        QCOMPARE(k.Komunikat, komunikat);
        QCOMPARE(k.Przyjete, komunikat.isEmpty());
        if (!k.Przyjete) {
            QVERIFY(TeSame(Listy(*okno), przed));
            QVERIFY(!Pochodzenie(*okno).Kabel);
            QVERIFY(!okno->SimBut->isEnabled());
            QVERIFY(okno->ZrodloLabel->toolTip().isEmpty());
            return;
        }
        const double m = std::round(*ParsujLiczbe(dlugosc.toStdString()) * 10.0) / 10.0;
        const TParametryKabla kabel{TKategoriaKabla::Cat6, m, *ParsujLiczbe(temperatura.toStdString())};
        const TListyKabla oczekiwane = ListyKabla(kabel, 3, 1000);
        const TCharakterystykiKanalu c = Listy(*okno);
        QVERIFY(c.Tlumienie == oczekiwane.Tlumienie);
        QVERIFY(c.Przesluchy == oczekiwane.Przesluchy);
        QVERIFY(c.Echo == oczekiwane.Echo);
        QVERIFY(c.Wzmocnienie == przed.Wzmocnienie);
        QCOMPARE(okno->Tlumienie.ListView->topLevelItemCount(), static_cast<int>(oczekiwane.Tlumienie.size()));
        // Cat6 is stated to 250 MHz: the frequency axis reaches it.
        QCOMPARE(okno->Tlumienie.CharWykres->OsX.GornyKoniec(), 250.0f);
        const TPochodzenie z = Pochodzenie(*okno);
        QVERIFY(z.Kabel);
        QVERIFY(z.Kabel->Kabel == kabel);
        QVERIFY((z.Kabel->Listy == TListyZrodla{true, true, true}));
        QCOMPARE(okno->ZrodloLabel->toolTip(), QStringLiteral("Kabel ") + OpisKabla(kabel));
        QVERIFY(okno->SimBut->isEnabled());
        QVERIFY(okno->Tlumienie.RekalkulacjaBtn->isEnabled());
        QVERIFY(k.Podsumowanie.contains(QStringLiteral("tłumienie ")));
    }

    // The dialog starts from the cable already in use, and lists left unticked stay.
    void kabelWybraneListy()
    {
        auto okno = NoweOkno(1);
        TKabel pierwszy;
        pierwszy.Kategoria = 2; // Cat5e
        pierwszy.Dlugosc = QStringLiteral("50");
        WypelnijKabel(*okno, pierwszy);
        QVERIFY(pierwszy.Przyjete);
        const TCharakterystyka echo = Listy(*okno).Echo;

        TKabel drugi;
        drugi.Kategoria = 1; // Cat5
        drugi.Ustaw = [](TKabelForm& d) { d.EchoCheckBox->setChecked(false); };
        drugi.Dlugosc = QStringLiteral("100");
        WypelnijKabel(*okno, drugi);
        QVERIFY(drugi.Przyjete);
        QCOMPARE(drugi.KategoriaPoczatkowa, QStringLiteral("Cat5e"));
        QCOMPARE(drugi.DlugoscPoczatkowa, QStringLiteral("50"));
        QVERIFY(Listy(*okno).Echo == echo);
        // The record holds one cable: the new one, for what it gave.
        const TPochodzenie z = Pochodzenie(*okno);
        QVERIFY(z.Kabel);
        QCOMPARE(z.Kabel->Kabel.Kategoria, TKategoriaKabla::Cat5);
        QVERIFY((z.Kabel->Listy == TListyZrodla{true, true, false}));
        QCOMPARE(okno->ZrodloLabel->toolTip(), QStringLiteral("Kabel Cat5, 100 m, 20 °C (tłumienie, przesłuchy)"));

        // Nothing ticked, nothing to do.
        TKabel zaden;
        zaden.Ustaw = [](TKabelForm& d) {
            for (QCheckBox* pole : {d.TlumienieCheckBox, d.PrzesluchyCheckBox, d.EchoCheckBox})
                pole->setChecked(false);
            QVERIFY(!d.OKBtn->isEnabled());
        };
        WypelnijKabel(*okno, zaden);
    }

    // Lists the options leave out are neither offered nor filled.
    void kabelBezPrzesluchow()
    {
        auto okno = NoweOkno(1, 0, 2);
        const TCharakterystyka przesluchy = Listy(*okno).Przesluchy;
        TKabel k;
        k.Ustaw = [](TKabelForm& d) { QVERIFY(d.PrzesluchyCheckBox->isHidden() && !d.PrzesluchyCheckBox->isChecked()); };
        WypelnijKabel(*okno, k);
        QVERIFY(k.Przyjete);
        QVERIFY(Listy(*okno).Przesluchy == przesluchy);
        QVERIFY((Pochodzenie(*okno).Kabel->Listy == TListyZrodla{true, false, true}));
        QCOMPARE(okno->ZrodloLabel->toolTip(), QStringLiteral("Kabel Cat6, 80 m, 20 °C"));
    }

    void kabelWTrybieAdaptacyjnym()
    {
        auto okno = NoweOkno(3);
        okno->WzmAdaptCheckBox->click();
        TKabel k;
        WypelnijKabel(*okno, k);
        const TCharakterystykiKanalu c = Listy(*okno);
        QVERIFY(c.Wzmocnienie == Lustro(c.Tlumienie));
        QCOMPARE(okno->Wzmocnienie.ListView->topLevelItemCount(), static_cast<int>(c.Tlumienie.size()));
    }

    // The lists are made for the filter at the typed rate: a rate out of its limits is
    // pointed out instead, as a run would.
    void kabelPrzyZlejSzybkosci()
    {
        auto okno = NoweOkno(3);
        okno->SzybkoscEdit->setText(QStringLiteral("999"));
        TPrzyOknieModalnym<TKabelForm> dialog([](TKabelForm& d) { d.AnulujBtn->click(); });
        TOdpowiedzNaKomunikat komunikat;
        okno->KabelBtn->click();
        QCOMPARE(komunikat.Tekst, QStringLiteral("Nieprawidłowa wartość"));
        QVERIFY(!dialog.Wykonane);
        QTRY_COMPARE(QApplication::focusWidget(), okno->SzybkoscEdit);

        // Nothing is made while the window works.
        okno->StronaUstawien().ZablokujKontrolki();
        QVERIFY(!okno->KabelBtn->isEnabled() && !okno->Tlumienie.ImportujBtn->isEnabled());
        okno->StronaUstawien().PrzywrocKontrolki();
        QVERIFY(okno->KabelBtn->isEnabled() && okno->Echo.ImportujBtn->isEnabled());
    }

    void filtrKlawiszyKabla_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("kursor");
        QTest::addColumn<bool>("ujemne");
        QTest::addColumn<QString>("znak");
        QTest::addColumn<bool>("przepuszczony");
        QTest::newRow("digit") << "8" << 1 << false << "0" << true;
        QTest::newRow("comma") << "12" << 2 << false << "," << true;
        QTest::newRow("second comma") << "1,2" << 3 << false << "," << false;
        QTest::newRow("minus in a length") << "" << 0 << false << "-" << false;
        QTest::newRow("minus in front of a temperature") << "20" << 0 << true << "-" << true;
        QTest::newRow("minus after a digit") << "20" << 1 << true << "-" << false;
        QTest::newRow("second minus") << "-20" << 0 << true << "-" << false;
        QTest::newRow("letter") << "20" << 2 << true << "a" << false;
    }

    void filtrKlawiszyKabla()
    {
        QFETCH(QString, tekst);
        QFETCH(int, kursor);
        QFETCH(bool, ujemne);
        QFETCH(QString, znak);
        QFETCH(bool, przepuszczony);
        QCOMPARE(TKabelForm::Przepusc(tekst, kursor, ujemne, 0, Qt::NoModifier, znak), przepuszczony);

        TKabelForm dialog(3, 1000, {true, true, true}, {}, nullptr);
        QLineEdit* pole = ujemne ? dialog.TemperaturaEdit : dialog.DlugoscEdit;
        pole->setText(tekst);
        pole->setCursorPosition(kursor);
        QTest::keyClicks(pole, znak);
        QCOMPARE(pole->text(), przepuszczony ? QString(tekst).insert(kursor, znak) : tekst);
        // Typed over a selection, the minus goes in front.
        dialog.TemperaturaEdit->setText(QStringLiteral("20"));
        dialog.TemperaturaEdit->selectAll();
        QTest::keyClicks(dialog.TemperaturaEdit, QStringLiteral("-"));
        QCOMPARE(dialog.TemperaturaEdit->text(), QStringLiteral("-"));
    }

    // 80 m of Cat6 at 1000BaseT without a point typed: the dialog, then a run whose
    // settings carry the cable.
    void kabelDoRunu()
    {
        auto okno = NoweOkno(3);
        TKabel k;
        WypelnijKabel(*okno, k);
        QVERIFY(k.Przyjete);
        QVERIFY(okno->SimBut->isEnabled());
        QTest::mouseClick(okno->SimBut, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!okno->SymulacjaTrwa(), CzasRunuMs);
        QVERIFY(okno->Wyniki());
        const TUstawieniaSymulacji& u = okno->Wyniki()->Ustawienia;
        QVERIFY(u.Pochodzenie.Kabel);
        QVERIFY((u.Pochodzenie.Kabel->Kabel == TParametryKabla{TKategoriaKabla::Cat6, 80.0, 20.0}));
        QVERIFY(u.Charakterystyki.Tlumienie == ListyKabla({TKategoriaKabla::Cat6, 80.0, 20.0}, 3, 1000).Tlumienie);
    }

    // A two-port file on the attenuation tab: S21 becomes the attenuation and, ticked,
    // S11 the echo, exactly as the engine imports them; the summary says what was done.
    void importDwuportowy()
    {
        auto okno = NoweOkno(1);
        const QString plik = Zapisz(*Folder, QStringLiteral("kabel.s2p"), DwaPorty);
        const TCharakterystyka przesluchy = Listy(*okno).Przesluchy;
        okno->SimBut->setEnabled(false);
        const TImport i = Importuj(okno->Tlumienie, plik, [](TImportTouchstoneForm& d) {
            QVERIFY(d.TlumienieCheckBox->isChecked());
            QVERIFY(!d.EchoCheckBox->isChecked());
            QVERIFY(d.PlikLabel->text().contains(QStringLiteral("liczba portów: 2, częstotliwości: 3")));
            d.EchoCheckBox->setChecked(true);
            d.StalaRadio->setChecked(true);
        });
        QVERIFY(i.Opcje);
        QVERIFY(!i.PortyDostepne);
        QVERIFY(!i.PrzesluchyDostepne);

        TOpcjeImportu opcje;
        opcje.PonizejPomiaru = TPonizejPomiaru::Stala;
        std::string blad;
        const auto oczekiwany = ImportujCharakterystyki(SciezkaPliku(plik), opcje, 1, 100, TJezyk::Polski, blad);
        QVERIFY(oczekiwany);
        const TCharakterystykiKanalu c = Listy(*okno);
        QVERIFY(c.Tlumienie == *oczekiwany->Tlumienie);
        QVERIFY(c.Echo == *oczekiwany->Echo);
        QVERIFY(c.Przesluchy == przesluchy);
        QCOMPARE(c.Tlumienie.back().X, 100.0f);
        QCOMPARE(c.Tlumienie.back().Y, -6.021f); // |S21| = 0.5
        QCOMPARE(c.Tlumienie.front().X, 0.0f);
        QCOMPARE(c.Tlumienie.front().Y, c.Tlumienie[1].Y); // held flat, as chosen
        QCOMPARE(i.Komunikat, QString::fromStdString(oczekiwany->Opis) + QStringLiteral("\nWypełniono: tłumienie, echo."));
        QVERIFY(i.Komunikat.contains(QStringLiteral("utrzymano na stałym poziomie")));

        const TPochodzenie z = Pochodzenie(*okno);
        QVERIFY(z.Touchstone);
        QCOMPARE(QString::fromStdString(z.Touchstone->Plik), plik);
        QVERIFY((z.Touchstone->Listy == TListyZrodla{true, false, true}));
        QCOMPARE(z.Touchstone->PonizejPomiaru, TPonizejPomiaru::Stala);
        QCOMPARE(okno->ZrodloLabel->toolTip(), QStringLiteral("kabel.s2p (tłumienie, echo)"));
        QVERIFY(okno->SimBut->isEnabled());
    }

    // A four-port file read in the port order chosen; an eight-port one gives the
    // crosstalk tab its near-end coupling; a one-port one only an echo.
    void importWieloportowy()
    {
        auto okno = NoweOkno(3);
        // The line runs from port 1 to 3 and from 2 to 4: only the order 1,2 → 3,4 sees it.
        const QByteArray cztery = PlikPortow(4, {1, 10, 100}, [](double f) {
            const std::complex<double> t = f < 50 ? 0.9 : 0.25;
            return std::map<std::pair<int, int>, std::complex<double>>{
                {{3, 1}, t}, {{1, 3}, t}, {{4, 2}, t}, {{2, 4}, t}};
        });
        const QString plikCztery = Zapisz(*Folder, QStringLiteral("para.s4p"), cztery);
        const TImport i = Importuj(okno->Tlumienie, plikCztery, [](TImportTouchstoneForm& d) {
            d.Porty1234Radio->setChecked(true);
            d.PunktyEdit->setText(QStringLiteral("3"));
        });
        QVERIFY(i.PortyDostepne);
        QVERIFY(!i.PrzesluchyDostepne);
        const TCharakterystyka tlumienie = Listy(*okno).Tlumienie;
        QCOMPARE(tlumienie.size(), std::size_t{3}); // thinned as asked
        QCOMPARE(tlumienie.back().Y, -12.041f);     // |Sdd21| = 0.25
        QCOMPARE(Pochodzenie(*okno).Touchstone->Porty, std::optional{TKolejnoscPortow::P12_34});
        QCOMPARE(Pochodzenie(*okno).Touchstone->LiczbaPunktow, std::size_t{3});

        const QByteArray osiem = PlikPortow(8, {1, 10, 100}, [](double) {
            const std::complex<double> c = 0.01;
            return std::map<std::pair<int, int>, std::complex<double>>{
                {{5, 1}, c}, {{1, 5}, c}, {{7, 3}, c}, {{3, 7}, c}, {{2, 1}, 0.9}, {{1, 2}, 0.9}};
        });
        const QString plikOsiem = Zapisz(*Folder, QStringLiteral("dwie-pary.s8p"), osiem);
        const TImport p = Importuj(okno->Przesluchy, plikOsiem, [](TImportTouchstoneForm& d) {
            QVERIFY(d.PrzesluchyCheckBox->isChecked());
            QVERIFY(!d.TlumienieCheckBox->isChecked());
        });
        QVERIFY(p.PrzesluchyDostepne);
        const TCharakterystyka przesluchy = Listy(*okno).Przesluchy;
        QCOMPARE(przesluchy.back().Y, -40.0f); // |Sdd31| = 0.01
        QVERIFY(Listy(*okno).Tlumienie == tlumienie);
        QVERIFY(p.Komunikat.endsWith(QStringLiteral("Wypełniono: przesłuchy.")));

        const QString plikJeden = Zapisz(*Folder, QStringLiteral("echo.s1p"), "# MHz S DB R 50\n1 -20 0\n100 -12 0\n");
        const TImport e = Importuj(okno->Tlumienie, plikJeden, [](TImportTouchstoneForm& d) {
            QVERIFY(!d.ImportujBtn->isEnabled());
            d.EchoCheckBox->setChecked(true);
        });
        QVERIFY(!e.TlumienieDostepne);
        QVERIFY(e.ImportujDostepny);
        QCOMPARE(Listy(*okno).Echo.back().Y, -12.0f);
        QVERIFY(Listy(*okno).Tlumienie == tlumienie);
    }

    void zlyPlik_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QByteArray>("tresc");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("not a number") << "a.s2p" << QByteArray("# MHz S MA R 50\n1 0.1 0 0.9 0 0.9 0 0.1 0\n10 0.1 0 abc 0 0.9 0 0.1 0\n")
                                      << "a.s2p: wiersz 3: „abc” nie jest liczbą";
        QTest::newRow("column count") << "b.s1p" << QByteArray("# MHz S MA R 50\n1 0.1 0\n10 0.1 0 0.2\n")
                                      << "b.s1p: wiersz 3: ";
        QTest::newRow("frequencies falling") << "c.s1p" << QByteArray("# MHz S MA R 50\n10 0.1 0\n5 0.1 0\n")
                                             << "c.s1p: wiersz 3: częstotliwość";
        QTest::newRow("unknown option") << "d.s1p" << QByteArray("# MHz S XY R 50\n10 0.1 0\n")
                                        << "d.s1p: wiersz 1: nieznana opcja";
        QTest::newRow("Z parameters") << "e.s1p" << QByteArray("# MHz Z MA R 50\n10 0.1 0\n") << "e.s1p: wiersz 1: parametry Z";
        QTest::newRow("empty") << "f.s2p" << QByteArray() << "f.s2p: plik nie zawiera danych sieci";
        QTest::newRow("binary") << "g.s2p" << QByteArray("# MHz S MA\n\x01\x02\x00\x7f", 15) << "g.s2p: wiersz 2: to nie jest plik tekstowy";
        QTest::newRow("ports disagree") << "h.s2p"
                                        << QByteArray("[Version] 2.0\n# MHz S MA R 50\n[Number of Ports] 1\n[Network Data]\n1 0.1 0\n[End]\n")
                                        << "h.s2p: wiersz 3: [Number of Ports] podaje 1";
        QTest::newRow("all above the filter") << "i.s1p" << QByteArray("# MHz S MA R 50\n800 0.1 0\n900 0.1 0\n")
                                              << "i.s1p: mniej niż dwie częstotliwości";
    }

    // A file that cannot be imported is named with its line, and nothing changes: not a
    // list, not the record, not the simulation button.
    void zlyPlik()
    {
        QFETCH(QString, nazwa);
        QFETCH(QByteArray, tresc);
        QFETCH(QString, komunikat);
        auto okno = NoweOkno(3);
        TKabel k;
        WypelnijKabel(*okno, k);
        okno->WzmAdaptCheckBox->click();
        const TCharakterystykiKanalu przed = Listy(*okno);
        const TPochodzenie zrodlo = Pochodzenie(*okno);
        const QStringList wiersze = {okno->Echo.ListView->topLevelItem(3)->text(0), okno->Echo.ListView->topLevelItem(3)->text(1)};
        okno->SimBut->setEnabled(false);

        const TImport i = Importuj(okno->Echo, Zapisz(*Folder, nazwa, tresc), [](TImportTouchstoneForm& d) {
            d.EchoCheckBox->setChecked(true);
            d.TlumienieCheckBox->setChecked(true);
        });
        QVERIFY2(i.Komunikat.startsWith(komunikat), qPrintable(i.Komunikat));
        QVERIFY(!i.Komunikat.contains(u'\n'));
        QVERIFY(TeSame(Listy(*okno), przed));
        QVERIFY(Pochodzenie(*okno).Kabel == zrodlo.Kabel);
        QVERIFY(!Pochodzenie(*okno).Touchstone);
        QCOMPARE((QStringList{okno->Echo.ListView->topLevelItem(3)->text(0), okno->Echo.ListView->topLevelItem(3)->text(1)}),
                 wiersze);
        QVERIFY(!okno->SimBut->isEnabled());
        QCOMPARE(okno->ZrodloLabel->toolTip(), QStringLiteral("Kabel Cat6, 80 m, 20 °C"));
    }

    void anulowanieImportu_data()
    {
        QTest::addColumn<QString>("punkty");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("cancelled") << "400" << "";
        QTest::newRow("one point") << "1" << "Liczba punktów powinna zawierać się w przedziale <2;9999>";
        QTest::newRow("no count") << "" << "Nieprawidłowa wartość";
    }

    // Cancelling the options, or a point count the dialog refuses and then cancels,
    // leaves the characteristic as it was.
    void anulowanieImportu()
    {
        QFETCH(QString, punkty);
        QFETCH(QString, komunikat);
        auto okno = NoweOkno(1);
        const TCharakterystykiKanalu przed = Listy(*okno);
        const QString plik = Zapisz(*Folder, QStringLiteral("kabel.s2p"), DwaPorty);
        const TImport i = Importuj(okno->Tlumienie, plik, [&](TImportTouchstoneForm& d) {
            d.PunktyEdit->setText(punkty);
            if (komunikat.isEmpty())
                d.AnulujBtn->click();
        });
        QVERIFY(i.Opcje);
        QCOMPARE(i.Komunikat, komunikat);
        QVERIFY(TeSame(Listy(*okno), przed));
        QVERIFY(!Pochodzenie(*okno).Touchstone);
    }

    // A model file loaded over a made list, or an edit of one, takes that list out of the
    // record; the files the lists came from are recorded as the command line records them.
    void modelZastepujeKabel()
    {
        auto okno = NoweOkno(3);
        TKabel k;
        WypelnijKabel(*okno, k);
        const QString folder = QDir(Folder->path()).filePath(QStringLiteral("modele/tlumienie"));
        QVERIFY(QDir().mkpath(folder));
        const TCharakterystyka model = {{0.0f, -1.0f}, {1.0f, -2.0f}, {80.0f, -30.0f}};
        QByteArray bajty("LintaVOX", 9);
        const std::int32_t n = 3;
        bajty.append(reinterpret_cast<const char*>(&n), sizeof n);
        for (const TPunkt& p : model)
            bajty.append(reinterpret_cast<const char*>(&p), sizeof p);
        const QString plik = Zapisz(*Folder, QStringLiteral("modele/tlumienie/linia.att"), bajty);

        TPrzyOknieModalnym<QFileDialog> dialog([&](QFileDialog& d) {
            d.selectFile(plik);
            static_cast<QDialog&>(d).accept();
        });
        okno->Tlumienie.WczytajBtn->click();
        QVERIFY(Listy(*okno).Tlumienie == model);
        TPochodzenie z = Pochodzenie(*okno);
        QVERIFY(z.Kabel);
        QVERIFY((z.Kabel->Listy == TListyZrodla{false, true, true}));
        QCOMPARE(QString::fromStdString(z.PlikTlumienia), plik);
        QCOMPARE(okno->ZrodloLabel->toolTip(), QStringLiteral("Kabel Cat6, 80 m, 20 °C (przesłuchy, echo)"));

        // An edited point is the user's own, not the cable's.
        EdytujWartosc(okno->Przesluchy, 5, QStringLiteral("50"));
        z = Pochodzenie(*okno);
        QVERIFY((z.Kabel->Listy == TListyZrodla{false, false, true}));
        QCOMPARE(okno->ZrodloLabel->toolTip(), QStringLiteral("Kabel Cat6, 80 m, 20 °C (echo)"));

        // The same with the attenuation: its file is forgotten too, and the last list of
        // the cable takes the cable out of the record.
        EdytujWartosc(okno->Tlumienie, 1, QStringLiteral("3"));
        QVERIFY(Pochodzenie(*okno).PlikTlumienia.empty());
        EdytujWartosc(okno->Echo, 1, QStringLiteral("19"));
        QVERIFY(!Pochodzenie(*okno).Kabel);
        QVERIFY(okno->ZrodloLabel->toolTip().isEmpty());
    }

private:
    std::unique_ptr<QTemporaryDir> Folder;
};

QTEST_MAIN(TestZrodelCharakterystyk)
#include "TestZrodelCharakterystyk.moc"
