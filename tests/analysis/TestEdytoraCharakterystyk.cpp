// The characteristic editor of the analysis window: the point dialog with its bounds
// and key filter, the button rules, the adaptive amplifier, the model files and the
// recalculation of a characteristic with its cancel.
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <cstring>
#include <memory>

#include "Liczby.h"
#include "OknoTestowe.h"
#include "PomocnikiGui.h"
#include "TDodajPunktForm.h"
#include "UslugiQt.h"
#include "Vartostream.h"

namespace {

constexpr int CzasRekalkulacjiMs = 60000; // generous for the sanitizer build

// The file dialog keeps its history in the user's settings; the tests keep theirs in the
// build folder, chosen before the application reads any setting.
const bool UstawieniaWFolderzeTestow = qputenv("XDG_CONFIG_HOME", QT_TESTCASE_BUILDDIR "/ustawienia-testow");

std::unique_ptr<TOknoTestowe> NoweOkno(int standard = 0)
{
    UstawieniaStandardu u;
    u.BerErf = u.Dekoder = u.RozkladyBledow = 1;
    u.Regeneracja = u.Przesluchy = u.Echo = 2;
    auto okno = std::make_unique<TOknoTestowe>(u);
    okno->UstawOpcje(standard);
    okno->resize(1000, 700);
    okno->show();
    okno->UstawStandard();
    return okno;
}

QStringList Wiersz(const TZakladkaCharakterystyki& z, int wiersz)
{
    const QTreeWidgetItem* w = z.ListView->topLevelItem(wiersz);
    return {w->text(0), w->text(1)};
}

void Zaznacz(TZakladkaCharakterystyki& z, int wiersz)
{
    z.ListView->setCurrentItem(z.ListView->topLevelItem(wiersz));
}

// Fills the point dialog, presses OK and keeps what followed: the message, if any,
// and whether the dialog closed. A dialog left open is cancelled.
struct TWypelnienie {
    TWypelnienie(QString czestotliwosc, QString wartosc)
        : Czestotliwosc(std::move(czestotliwosc)), Wartosc(std::move(wartosc))
    {
    }

    QString Czestotliwosc;
    QString Wartosc;
    QString Tytul;
    QString EtykietaWartosci;
    bool CzestotliwoscDostepna = false;
    QString Komunikat;
    bool Przyjete = false;
};

void WypelnijDialog(QPushButton* przycisk, TWypelnienie& w)
{
    TPrzyOknieModalnym<TDodajPunktForm> dialog([&w](TDodajPunktForm& d) {
        w.Tytul = d.windowTitle();
        w.EtykietaWartosci = d.WartoscLabel->text();
        w.CzestotliwoscDostepna = d.CzestotliwoscEdit->isEnabled();
        if (w.CzestotliwoscDostepna)
            d.CzestotliwoscEdit->setText(w.Czestotliwosc);
        d.WartoscEdit->setText(w.Wartosc);
        TOdpowiedzNaKomunikat komunikat;
        d.OKBtn->click();
        w.Komunikat = komunikat.Tekst;
        w.Przyjete = !d.isVisible();
        if (!w.Przyjete)
            d.AnulujBtn->click();
    });
    przycisk->click();
    QVERIFY(dialog.Wykonane);
}

QByteArray Plik(std::int32_t liczba, const QList<TPunkt>& punkty, const char* sygnatura = "LintaVOX")
{
    QByteArray bajty(sygnatura, 9);
    bajty.append(reinterpret_cast<const char*>(&liczba), sizeof liczba);
    for (const TPunkt& p : punkty)
        bajty.append(reinterpret_cast<const char*>(&p), sizeof p);
    return bajty;
}

// Answers the next file dialog with the file, keeping its title, filter, suffix and folder.
struct TDialogPliku {
    QString Tytul;
    QStringList Filtry;
    QString Rozszerzenie;
    QString Folder;
};

TDialogPliku WybierzPlik(QPushButton* przycisk, const QString& plik)
{
    TDialogPliku opis;
    TPrzyOknieModalnym<QFileDialog> dialog([&](QFileDialog& d) {
        opis = {d.windowTitle(), d.nameFilters(), d.defaultSuffix(), d.directory().absolutePath()};
        if (plik.isEmpty()) {
            d.reject();
            return;
        }
        d.selectFile(plik);
        static_cast<QDialog&>(d).accept();
    });
    przycisk->click();
    return opis;
}

} // namespace

class TestEdytoraCharakterystyk : public QObject {
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

    void dialogPunktu_data()
    {
        QTest::addColumn<bool>("regeneracja");
        QTest::addColumn<QString>("czestotliwosc");
        QTest::addColumn<QString>("wartosc");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("upper bound") << false << "16" << "5" << "Częstotliwość powinna zawierać się w przedziale (10,000;16,000)";
        QTest::newRow("lower bound") << false << "10" << "5" << "Częstotliwość powinna zawierać się w przedziale (10,000;16,000)";
        QTest::newRow("rounds onto the bound") << false << "10,0004" << "5"
                                               << "Częstotliwość powinna zawierać się w przedziale (10,000;16,000)";
        QTest::newRow("loss 101") << false << "12" << "101" << "Tłumienie powinnno zawierać się w przedziale <0;100>";
        QTest::newRow("gain 101") << true << "12" << "101" << "Wzmocnienie powinnno zawierać się w przedziale <0;100>";
        QTest::newRow("empty value") << false << "12" << "" << "Nieprawidłowa wartość";
        QTest::newRow("empty frequency") << false << "" << "5" << "Nieprawidłowa wartość";
        QTest::newRow("pasted text") << false << "1a" << "5" << "Nieprawidłowa wartość";
        QTest::newRow("accepted") << false << "12,5" << "7" << "";
        QTest::newRow("accepted 0 and 100 dB") << true << "15,999" << "100" << "";
    }

    void dialogPunktu()
    {
        QFETCH(bool, regeneracja);
        QFETCH(QString, czestotliwosc);
        QFETCH(QString, wartosc);
        QFETCH(QString, komunikat);
        auto okno = NoweOkno();
        TZakladkaCharakterystyki& z = regeneracja ? okno->Wzmocnienie : okno->Tlumienie;
        const TPoleUstawien pole = regeneracja ? TPoleUstawien::Wzmocnienie : TPoleUstawien::Tlumienie;
        okno->SimBut->setEnabled(false);
        okno->Tlumienie.RekalkulacjaBtn->setEnabled(false);
        Zaznacz(z, 5); // 16 MHz, below 10 MHz
        QVERIFY(z.DodajBtn->isEnabled());

        TWypelnienie w{czestotliwosc, wartosc};
        WypelnijDialog(z.DodajBtn, w);
        QCOMPARE(w.Tytul, QStringLiteral("Dodaj punkt filtru"));
        QCOMPARE(w.EtykietaWartosci, regeneracja ? QStringLiteral("Wzmocnienie") : QStringLiteral("Tłumienie:"));
        QCOMPARE(w.Komunikat, komunikat);
        QCOMPARE(w.Przyjete, komunikat.isEmpty());
        if (!w.Przyjete) {
            QCOMPARE(z.ListView->topLevelItemCount(), 11);
            QCOMPARE(okno->Punkty(pole).size(), std::size_t{11});
            QVERIFY(!okno->SimBut->isEnabled());
            return;
        }
        const double f = *ParsujLiczbe(czestotliwosc.toStdString());
        const double v = *ParsujLiczbe(wartosc.toStdString());
        QCOMPARE(Wiersz(z, 5), (QStringList{TekstStalo(f, 3), TekstStalo(v, 3)}));
        QCOMPARE(WybranyWiersz(z), 5);
        const TCharakterystyka punkty = okno->Punkty(pole);
        QCOMPARE(punkty.size(), std::size_t{12});
        QCOMPARE(punkty[5].X, static_cast<float>(f));
        QCOMPARE(punkty[5].Y, static_cast<float>(regeneracja ? v : -v));
        QCOMPARE(punkty[6].X, 16.0f);
        QVERIFY(okno->SimBut->isEnabled());
        QVERIFY(z.RekalkulacjaBtn->isEnabled());
    }

    void filtrKlawiszyDialogu_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("znak");
        QTest::addColumn<bool>("przepuszczony");
        QTest::newRow("digit") << "" << "7" << true;
        QTest::newRow("comma first") << "" << "," << false;
        QTest::newRow("comma after digits") << "12" << "," << true;
        QTest::newRow("second comma") << "12,5" << "," << false;
        QTest::newRow("point") << "12" << "." << false;
        QTest::newRow("letter") << "12" << "a" << false;
        QTest::newRow("minus") << "" << "-" << false;
    }

    void filtrKlawiszyDialogu()
    {
        QFETCH(QString, tekst);
        QFETCH(QString, znak);
        QFETCH(bool, przepuszczony);
        QCOMPARE(TDodajPunktForm::Przepusc(tekst, 0, Qt::NoModifier, znak), przepuszczony);
        QVERIFY(TDodajPunktForm::Przepusc(tekst, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")));

        TDodajPunktForm dialog(nullptr);
        dialog.CzestotliwoscEdit->setText(tekst);
        dialog.CzestotliwoscEdit->end(false);
        QTest::keyClicks(dialog.CzestotliwoscEdit, znak);
        QCOMPARE(dialog.CzestotliwoscEdit->text(), przepuszczony ? tekst + znak : tekst);
        QCOMPARE(dialog.CzestotliwoscEdit->maxLength(), 7);
        QCOMPARE(dialog.WartoscEdit->maxLength(), 7);
    }

    void enterIEscapeWDialogu()
    {
        auto okno = NoweOkno();
        TZakladkaCharakterystyki& z = okno->Przesluchy;
        Zaznacz(z, 3);
        // Enter in the list edits the row; Escape leaves it as it was.
        TPrzyOknieModalnym<TDodajPunktForm> anuluj([](TDodajPunktForm& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Edytuj punkt filtru"));
            QCOMPARE(d.WartoscEdit->text(), QStringLiteral("47,100"));
            d.WartoscEdit->setText(QStringLiteral("40"));
            QTest::keyClick(d.WartoscEdit, Qt::Key_Escape);
        });
        z.ListView->setFocus();
        QTest::keyClick(z.ListView, Qt::Key_Return);
        QVERIFY(anuluj.Wykonane);
        QCOMPARE(Wiersz(z, 3).at(1), QStringLiteral("47,100"));

        // Enter in the dialog is OK.
        TPrzyOknieModalnym<TDodajPunktForm> ok([](TDodajPunktForm& d) {
            d.WartoscEdit->setText(QStringLiteral("40"));
            QTest::keyClick(d.WartoscEdit, Qt::Key_Return);
        });
        QTest::keyClick(z.ListView, Qt::Key_Return);
        QVERIFY(ok.Wykonane);
        QCOMPARE(Wiersz(z, 3), (QStringList{QStringLiteral("8,000"), QStringLiteral("40,000")}));
        QCOMPARE(okno->Punkty(TPoleUstawien::Przesluchy)[3].Y, -40.0f);
    }

    void staleCzestotliwosci_data()
    {
        QTest::addColumn<int>("wiersz");
        QTest::addColumn<bool>("czestotliwoscDostepna");
        QTest::newRow("first") << 0 << false;
        QTest::newRow("second") << 1 << false;
        QTest::newRow("middle") << 5 << true;
        QTest::newRow("last") << 10 << false;
    }

    void staleCzestotliwosci()
    {
        QFETCH(int, wiersz);
        QFETCH(bool, czestotliwoscDostepna);
        auto okno = NoweOkno();
        TZakladkaCharakterystyki& z = okno->Tlumienie;
        const QString czestotliwosc = Wiersz(z, wiersz).at(0);
        Zaznacz(z, wiersz);
        TWypelnienie w{QStringLiteral("9"), QStringLiteral("3")};
        WypelnijDialog(z.EdytujBtn, w);
        QCOMPARE(w.CzestotliwoscDostepna, czestotliwoscDostepna);
        if (czestotliwoscDostepna) {
            // Strictly between the neighbours: 9 MHz lies outside (10,000;20,000).
            QCOMPARE(w.Komunikat, QStringLiteral("Częstotliwość powinna zawierać się w przedziale (10,000;20,000)"));
            return;
        }
        QVERIFY(w.Przyjete);
        QCOMPARE(Wiersz(z, wiersz), (QStringList{czestotliwosc, QStringLiteral("3,000")}));
        QCOMPARE(okno->Punkty(TPoleUstawien::Tlumienie)[wiersz].Y, -3.0f);
    }

    void przyciskiWyboru_data()
    {
        QTest::addColumn<int>("wiersz");
        QTest::addColumn<bool>("adaptacja");
        QTest::addColumn<bool>("dodaj");
        QTest::addColumn<bool>("edytuj");
        QTest::addColumn<bool>("usun");
        QTest::newRow("row 0") << 0 << false << false << true << false;
        QTest::newRow("row 1") << 1 << false << false << true << false;
        QTest::newRow("row 2") << 2 << false << true << true << true;
        QTest::newRow("last row") << 10 << false << true << true << false;
        QTest::newRow("none") << -1 << false << false << false << false;
        QTest::newRow("mirrored amplifier") << 5 << true << false << true << false;
    }

    void przyciskiWyboru()
    {
        QFETCH(int, wiersz);
        QFETCH(bool, adaptacja);
        QFETCH(bool, dodaj);
        QFETCH(bool, edytuj);
        QFETCH(bool, usun);
        auto okno = NoweOkno();
        TZakladkaCharakterystyki& z = okno->Wzmocnienie;
        okno->WzmAdaptCheckBox->setChecked(adaptacja);
        Zaznacz(z, 4);
        if (wiersz >= 0)
            Zaznacz(z, wiersz);
        else
            z.ListView->clearSelection();
        QCOMPARE(z.DodajBtn->isEnabled(), dodaj);
        QCOMPARE(z.EdytujBtn->isEnabled(), edytuj);
        QCOMPARE(z.UsunBtn->isEnabled(), usun);
        // A selection made while the window is locked shows only once it is unlocked.
        okno->StronaUstawien().ZablokujKontrolki();
        Zaznacz(z, 2);
        QVERIFY(!z.DodajBtn->isEnabled() && !z.EdytujBtn->isEnabled());
        okno->StronaUstawien().PrzywrocKontrolki();
        QCOMPARE(z.DodajBtn->isEnabled(), !adaptacja);
        QVERIFY(z.EdytujBtn->isEnabled());
    }

    void usunPunkt()
    {
        auto okno = NoweOkno();
        TZakladkaCharakterystyki& z = okno->Echo;
        // Echo's three points are all fixed: nothing can go.
        Zaznacz(z, 1);
        QVERIFY(!z.UsunBtn->isEnabled());
        TWypelnienie w{QStringLiteral("50"), QStringLiteral("20")};
        Zaznacz(z, 2);
        WypelnijDialog(z.DodajBtn, w);
        QVERIFY(w.Przyjete);
        QCOMPARE(static_cast<int>(okno->Punkty(TPoleUstawien::Echo).size()), 4);
        Zaznacz(z, 2);
        z.UsunBtn->click();
        QCOMPARE(static_cast<int>(okno->Punkty(TPoleUstawien::Echo).size()), 3);
        QCOMPARE(okno->Punkty(TPoleUstawien::Echo)[2].X, 100.0f);
        QCOMPARE(z.ListView->topLevelItemCount(), 3);
        QVERIFY(!z.UsunBtn->isEnabled());
        QCOMPARE(z.ListView->currentIndex().row(), 0);
    }

    void wzmacniaczAdaptacyjny()
    {
        auto okno = NoweOkno();
        TZakladkaCharakterystyki& w = okno->Wzmocnienie;
        okno->WzmAdaptCheckBox->click();
        for (QWidget* kontrolka : std::initializer_list<QWidget*>{w.DodajBtn, w.EdytujBtn, w.UsunBtn, w.WczytajBtn,
                                                                  w.ListView})
            QVERIFY2(!kontrolka->isEnabled(), qPrintable(kontrolka->objectName()));
        // The mirror holds while regeneration is switched off for the next run.
        okno->WzmocnienieCheckBox->click();
        QVERIFY(!okno->WzmocnienieCheckBox->isChecked());
        w.RekalkulacjaBtn->setEnabled(false);

        Zaznacz(okno->Tlumienie, 9); // 62 MHz
        TWypelnienie punkt{QStringLiteral("50"), QStringLiteral("14")};
        WypelnijDialog(okno->Tlumienie.DodajBtn, punkt);
        QVERIFY(punkt.Przyjete);
        QCOMPARE(static_cast<int>(okno->Punkty(TPoleUstawien::Wzmocnienie).size()), 12);
        QCOMPARE(okno->Punkty(TPoleUstawien::Wzmocnienie)[9].X, 50.0f);
        QCOMPARE(okno->Punkty(TPoleUstawien::Wzmocnienie)[9].Y, 14.0f);
        QCOMPARE(Wiersz(w, 9), (QStringList{QStringLiteral("50,000"), QStringLiteral("14,000")}));
        QVERIFY(w.RekalkulacjaBtn->isEnabled());

        okno->WzmAdaptCheckBox->click();
        QVERIFY(w.ListView->isEnabled() && w.EdytujBtn->isEnabled() && w.WczytajBtn->isEnabled());
        QCOMPARE(WybranyWiersz(w), 0);
        Zaznacz(okno->Tlumienie, 9);
        TWypelnienie drugi{QStringLiteral("55"), QStringLiteral("15")};
        WypelnijDialog(okno->Tlumienie.DodajBtn, drugi);
        QCOMPARE(static_cast<int>(okno->Punkty(TPoleUstawien::Wzmocnienie).size()), 12);
    }

    void zapisDomyslnegoEcha()
    {
        auto okno = NoweOkno();
        const TDialogPliku opis = WybierzPlik(okno->Echo.ZapiszBtn, QStringLiteral("echo"));
        QCOMPARE(opis.Tytul, QStringLiteral("Zapisywanie charakterystyki echa"));
        QCOMPARE(opis.Filtry, QStringList{QStringLiteral("Plik filtru (*.att)")});
        QCOMPARE(opis.Rozszerzenie, QStringLiteral("att"));
        QCOMPARE(opis.Folder, QDir(Folder->path()).filePath(QStringLiteral("modele/echo")));

        QFile plik(QDir(opis.Folder).filePath(QStringLiteral("echo.att")));
        QVERIFY(plik.open(QIODevice::ReadOnly));
        const QByteArray bajty = plik.readAll();
        QCOMPARE(bajty.size(), 37);
        QCOMPARE(bajty, Plik(3, {{0.0f, -15.0f}, {1.0f, -15.0f}, {100.0f, -15.0f}}));

        const TDialogPliku wzmacniacz = WybierzPlik(okno->Wzmocnienie.ZapiszBtn, {});
        QCOMPARE(wzmacniacz.Tytul, QStringLiteral("Zapisywanie charakterystyki regeneratora"));
        QCOMPARE(wzmacniacz.Filtry, QStringList{QStringLiteral("Plik wzmacniacza (*.amp)")});
        QCOMPARE(wzmacniacz.Rozszerzenie, QStringLiteral("amp"));
    }

    void wczytanie_data()
    {
        QTest::addColumn<QByteArray>("zawartosc");
        QTest::addColumn<QString>("komunikat");
        QTest::addColumn<int>("punkty");
        QTest::newRow("model") << Plik(3, {{0.0f, 5.0f}, {1.0f, 6.0f}, {50.0f, 7.5f}}) << "" << 3;
        QTest::newRow("wrong magic") << Plik(3, {{0.0f, 5.0f}, {1.0f, 6.0f}, {50.0f, 7.5f}}, "LintaVOY")
                                     << "Nieprawidłowy format pliku" << 11;
        QTest::newRow("truncated") << Plik(5, {{0.0f, 5.0f}, {1.0f, 6.0f}})
                                   << "Liczba punktów nie zgadza się z długością pliku" << 11;
        QTest::newRow("empty file") << QByteArray() << "Nieprawidłowy format pliku" << 11;
        QTest::newRow("700 dB") << Plik(3, {{0.0f, 5.0f}, {1.0f, 6.0f}, {50.0f, 700.0f}})
                                << "Poziomy w pliku muszą zawierać się w przedziale <-150;150> dB" << 11;
    }

    void wczytanie()
    {
        QFETCH(QByteArray, zawartosc);
        QFETCH(QString, komunikat);
        QFETCH(int, punkty);
        auto okno = NoweOkno();
        TZakladkaCharakterystyki& z = okno->Wzmocnienie;
        const QString folder = QDir(Folder->path()).filePath(QStringLiteral("modele/regeneracja"));
        QVERIFY(QDir().mkpath(folder));
        QFile plik(QDir(folder).filePath(QStringLiteral("model.amp")));
        QVERIFY(plik.open(QIODevice::WriteOnly));
        plik.write(zawartosc);
        plik.close();
        okno->SimBut->setEnabled(false);
        z.RekalkulacjaBtn->setEnabled(false);
        okno->NachylenieEdit->setEnabled(false);

        TOdpowiedzNaKomunikat odpowiedz;
        const TDialogPliku opis = WybierzPlik(z.WczytajBtn, plik.fileName());
        QCOMPARE(opis.Tytul, QStringLiteral("Wczytywanie charakterystyki regenratora"));
        QCOMPARE(opis.Filtry, QStringList{QStringLiteral("Plik wmacniacza (*.amp)")});
        QCOMPARE(opis.Folder, folder);
        QCOMPARE(odpowiedz.Tekst, komunikat);
        QCOMPARE(static_cast<int>(okno->Punkty(TPoleUstawien::Wzmocnienie).size()), punkty);
        QCOMPARE(z.ListView->topLevelItemCount(), punkty);
        if (punkty == 3)
            QCOMPARE(Wiersz(z, 2), (QStringList{QStringLiteral("50,000"), QStringLiteral("7,500")}));
        // Unlocked, each control as it was, and the simulation and recalculation on.
        QVERIFY(okno->LiczbaBitowEdit->isEnabled());
        QVERIFY(!okno->NachylenieEdit->isEnabled());
        QVERIFY(okno->SimBut->isEnabled());
        QVERIFY(z.RekalkulacjaBtn->isEnabled());
    }

    void wczytanieWTrybieAdaptacyjnym()
    {
        auto okno = NoweOkno();
        okno->WzmAdaptCheckBox->click();
        const QString folder = QDir(Folder->path()).filePath(QStringLiteral("modele/tlumienie"));
        QVERIFY(QDir().mkpath(folder));
        QFile plik(QDir(folder).filePath(QStringLiteral("linia.att")));
        QVERIFY(plik.open(QIODevice::WriteOnly));
        plik.write(Plik(3, {{0.0f, -1.0f}, {1.0f, -2.0f}, {80.0f, -30.0f}}));
        plik.close();
        WybierzPlik(okno->Tlumienie.WczytajBtn, plik.fileName());
        QCOMPARE(static_cast<int>(okno->Punkty(TPoleUstawien::Tlumienie).size()), 3);
        QCOMPARE(static_cast<int>(okno->Punkty(TPoleUstawien::Wzmocnienie).size()), 3);
        QCOMPARE(okno->Punkty(TPoleUstawien::Wzmocnienie)[2].Y, 30.0f);
    }

    void wczytanieUkrywaWlasnaOdpowiedz()
    {
        auto okno = NoweOkno();
        for (TZakladkaCharakterystyki* z : {&okno->Tlumienie, &okno->Echo}) {
            z->TabSet->addTab(QStringLiteral("Znormalizowana odpowiedź impulsowa"));
            z->TabSet->setCurrentIndex(1);
            QVERIFY(!z->ScrollBox->isHidden());
        }
        const QString folder = QDir(Folder->path()).filePath(QStringLiteral("modele/echo"));
        QVERIFY(QDir().mkpath(folder));
        QFile plik(QDir(folder).filePath(QStringLiteral("echo.att")));
        QVERIFY(plik.open(QIODevice::WriteOnly));
        plik.write(Plik(3, {{0.0f, -10.0f}, {1.0f, -10.0f}, {100.0f, -12.0f}}));
        plik.close();
        const TDialogPliku opis = WybierzPlik(okno->Echo.WczytajBtn, plik.fileName());
        QCOMPARE(opis.Tytul, QStringLiteral("Wczytywanie charakterystyki echa"));
        QVERIFY(okno->Echo.ScrollBox->isHidden());
        QCOMPARE(okno->Echo.TabSet->count(), 1);
        QVERIFY(!okno->Tlumienie.ScrollBox->isHidden());
        QCOMPARE(okno->Tlumienie.TabSet->count(), 2);
    }

    void anulowanieDialoguPlikuOdblokowuje()
    {
        auto okno = NoweOkno();
        // A folder that cannot be made (a file stands in its way) sends the dialog to the
        // program's folder.
        QFile zawada(QDir(Folder->path()).filePath(QStringLiteral("modele")));
        QVERIFY(zawada.open(QIODevice::WriteOnly));
        zawada.close();
        const TDialogPliku opis = WybierzPlik(okno->Przesluchy.WczytajBtn, {});
        QCOMPARE(opis.Tytul, QStringLiteral("Wczytywanie charakterystyki przesłuchów"));
        QCOMPARE(opis.Folder, QDir(Folder->path()).absolutePath());
        QVERIFY(okno->LiczbaBitowEdit->isEnabled());
        QVERIFY(okno->Przesluchy.WczytajBtn->isEnabled());
        QCOMPARE(static_cast<int>(okno->Punkty(TPoleUstawien::Przesluchy).size()), 11);
    }

    void szybkoscLinii_data()
    {
        QTest::addColumn<QString>("szybkosc");
        QTest::addColumn<int>("standard");
        QTest::addColumn<float>("R");
        QTest::newRow("100BaseTX 100") << "100" << 1 << 125.0f;
        QTest::newRow("100BaseTX 101") << "101" << 1 << 126.0f;
        QTest::newRow("1000BaseT 1000") << "1000" << 3 << 125.0f;
        QTest::newRow("1000BaseT 1001") << "1001" << 3 << 125.0f;
        QTest::newRow("10BaseT 10") << "10" << 0 << 10.0f;
        QTest::newRow("without 4B5B 100") << "100" << 2 << 100.0f;
        QTest::newRow("empty") << "" << 0 << 0.0f;
    }

    void szybkoscLinii()
    {
        QFETCH(QString, szybkosc);
        QFETCH(int, standard);
        QFETCH(float, R);
        auto okno = NoweOkno(standard);
        okno->SzybkoscEdit->setText(szybkosc);
        QCOMPARE(okno->StronaUstawien().SzybkoscLinii(), R);
    }

    void rekalkulacja()
    {
        auto okno = NoweOkno(0);
        TZakladkaCharakterystyki& z = okno->Tlumienie;
        z.RekalkulacjaBtn->click();
        QVERIFY(okno->RekalkulacjaTrwa());
        QVERIFY(okno->SimBut->isHidden());
        QVERIFY(!okno->LiczbaBitowEdit->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!okno->RekalkulacjaTrwa(), CzasRekalkulacjiMs);

        const WynikRekalkulacji* wynik = okno->StronaUstawien().Rekalkulacja(TPoleUstawien::Tlumienie);
        QVERIFY(wynik);
        QCOMPARE(z.CharWykres->LiczbaSerii(), 3);
        QVERIFY(TeSamePunkty(z.CharWykres->Seria(SeriaPunktow)->Strumien, okno->Punkty(TPoleUstawien::Tlumienie)));
        QCOMPARE(z.CharWykres->Seria(SeriaOdpowiedzi)->Strumien, wynik->Charakterystyka);
        QCOMPARE(z.CharWykres->Seria(SeriaOdpowiedzi)->Kolor, TColor{0x0000FF});
        QCOMPARE(z.OdpowiedzWykres->LiczbaSerii(), 1);
        QCOMPARE(z.OdpowiedzWykres->Seria(0)->Strumien, wynik->OdpowiedzImpulsowa);
        QCOMPARE(z.TabSet->count(), 2);
        QCOMPARE(z.TabSet->tabText(1), QStringLiteral("Znormalizowana odpowiedź impulsowa"));
        QVERIFY(!z.RekalkulacjaBtn->isEnabled());
        QVERIFY(okno->Echo.RekalkulacjaBtn->isEnabled());
        QVERIFY(!okno->SimBut->isHidden());
        QVERIFY(okno->LiczbaBitowEdit->isEnabled());
        QCOMPARE(KursorEkranu(), TKursorEkranu::Domyslny);

        // The second tab shows the impulse response, centred on 0 µs.
        z.TabSet->setCurrentIndex(1);
        QVERIFY(!z.ScrollBox->isHidden());
        const QScrollBar* pasek = z.ScrollBox->horizontalScrollBar();
        QTRY_VERIFY(pasek->maximum() > 0);
        QTRY_COMPARE(pasek->value(), pasek->maximum() / 2);
        const float skala = z.OdpowiedzWykres->OsX.SkalaPiksele();
        const int szerokosc = z.ScrollBox->width();
        okno->resize(okno->width() + 200, okno->height());
        QTRY_VERIFY(z.ScrollBox->width() > szerokosc);
        QCOMPARE(z.OdpowiedzWykres->OsX.SkalaPiksele(),
                 static_cast<float>(z.ScrollBox->width()) * skala / static_cast<float>(szerokosc));
        z.TabSet->setCurrentIndex(0);
        QVERIFY(z.ScrollBox->isHidden());

        // A change takes the recalculated view away and allows another recalculation,
        // which replaces the curves instead of adding more.
        Zaznacz(z, 4);
        TWypelnienie w{QStringLiteral("9"), QStringLiteral("6")};
        WypelnijDialog(z.EdytujBtn, w);
        QVERIFY(w.Przyjete);
        QVERIFY(!z.CharWykres->Seria(SeriaOdpowiedzi)->Strumien);
        QCOMPARE(z.TabSet->count(), 1);
        QVERIFY(z.RekalkulacjaBtn->isEnabled());
        z.RekalkulacjaBtn->click();
        QTRY_VERIFY_WITH_TIMEOUT(!okno->RekalkulacjaTrwa(), CzasRekalkulacjiMs);
        QCOMPARE(z.CharWykres->LiczbaSerii(), 3);
        QCOMPARE(z.CharWykres->Seria(SeriaOdpowiedzi)->Strumien, okno->StronaUstawien().Rekalkulacja(TPoleUstawien::Tlumienie)->Charakterystyka);
        QCOMPARE(z.OdpowiedzWykres->LiczbaSerii(), 1);
        QCOMPARE(z.TabSet->count(), 2);
    }

    void anulowanieRekalkulacji()
    {
        auto okno = NoweOkno(3); // 1000BaseT at 5000 Mbps: a long filter
        okno->SzybkoscEdit->setText(QStringLiteral("5000"));
        TZakladkaCharakterystyki& z = okno->Echo;
        z.RekalkulacjaBtn->click();
        const QPointer<TWatek> watek = okno->WatekObliczen();
        QVERIFY(watek);
        QVERIFY(okno->AnulujBut->isVisible());
        QTest::mouseClick(okno->AnulujBut, Qt::LeftButton);
        QVERIFY(!okno->RekalkulacjaTrwa());
        QVERIFY(okno->WatekObliczen() == nullptr);
        QVERIFY(z.RekalkulacjaBtn->isEnabled());
        QVERIFY(okno->SimBut->isVisible() && okno->SimBut->isEnabled());
        QVERIFY(okno->LiczbaBitowEdit->isEnabled());
        QCOMPARE(KursorEkranu(), TKursorEkranu::Domyslny);
        QTRY_VERIFY_WITH_TIMEOUT(watek.isNull(), CzasRekalkulacjiMs);
        // Whatever the worker finished is dropped: only the user's points show.
        QTest::qWait(20);
        QVERIFY(!okno->StronaUstawien().Rekalkulacja(TPoleUstawien::Echo));
        QVERIFY(!z.CharWykres->Seria(SeriaOdpowiedzi)->Strumien);
        QCOMPARE(z.TabSet->count(), 1);
    }

    void zamkniecieWTrakcieRekalkulacji()
    {
        auto okno = NoweOkno(3);
        okno->SzybkoscEdit->setText(QStringLiteral("5000"));
        okno->Przesluchy.RekalkulacjaBtn->click();
        const QPointer<TWatek> watek = okno->WatekObliczen();
        okno.reset();
        QTRY_VERIFY_WITH_TIMEOUT(watek.isNull(), CzasRekalkulacjiMs);
    }

private:
    std::unique_ptr<QTemporaryDir> Folder;
};

QTEST_MAIN(TestEdytoraCharakterystyk)
#include "TestEdytoraCharakterystyk.moc"
