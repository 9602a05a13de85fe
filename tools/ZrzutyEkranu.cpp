// Screenshots of the program for visual checks (not installed): runs the real start-up
// under a display (Xvfb), drives it the way a user would and saves PNG pictures of the
// splash window, the main window with the start dialog, an analysis of each standard,
// the options dialog, a run in progress, every result page and the exported report of a
// completed run of each standard (as the bitmap, and as the PDF of its printed pages),
// the cable dialog and a Touchstone import with the characteristics they give beside the
// standard's limits, and the settings and error page of a run with receiver noise and
// jitter for each standard, and an analysis saved with its results and opened again (the
// modified marker, the save dialog, the reopened result pages, the files used last and the
// question on closing) into the folder given as the first argument. A result file of
// lintavox-sim given as the second opens in the program too, as a user opens a batch
// result. It also times runs from the simulation button to the views on screen and
// writes the figures to czasy.txt there.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "Drukowanie.h"
#include "JezykQt.h"
#include "ListaStandardow.h"
#include "Obrazy.h"
#include "StronaBledow.h"
#include "StronaOkowa.h"
#include "StronaUstawien.h"
#include "StronyPasm.h"
#include "TForm1.h"
#include "TImportTouchstoneForm.h"
#include "TKabelForm.h"
#include "TMainForm.h"
#include "TPageControl.h"
#include "TRadioGroup.h"
#include "TSimChildForm.h"
#include "TSplashForm.h"
#include "TStartForm.h"
#include "UslugiQt.h"
#include "ZapisPlikuQt.h"

namespace {

QString FolderWynikow;

// Every run of the pictures draws its bits from this seed, so that two sets of pictures
// of the same program show the same curves.
constexpr std::uint32_t ZiarnoZrzutow = 1;

TSimChildForm* NowaAnaliza(TMainForm& okno, int standard)
{
    TSimChildForm* analiza = okno.NowaAnaliza(standard);
    TUstawieniaSymulacji u = analiza->StronaUstawien().UstawieniaSymulacji();
    u.Ziarno = ZiarnoZrzutow;
    analiza->StronaUstawien().Zastosuj(u);
    return analiza;
}

// The rate typed into the analysis, Mbps.
void UstawSzybkosc(TSimChildForm* analiza, std::int32_t szybkosc)
{
    TUstawieniaSymulacji u = analiza->StronaUstawien().UstawieniaSymulacji();
    u.Szybkosc = szybkosc;
    analiza->StronaUstawien().Zastosuj(u);
}

void Zapisz(const QPixmap& obraz, const QString& nazwa)
{
    const QString sciezka = QDir(FolderWynikow).filePath(nazwa);
    if (!obraz.save(sciezka))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sciezka));
}

// The screen under the window's frame, with whatever lies over it (dialogs included).
QPixmap Ekran(const QWidget* okno)
{
    const QRect obszar = okno->frameGeometry();
    return QGuiApplication::primaryScreen()->grabWindow(0, obszar.x(), obszar.y(), obszar.width(), obszar.height());
}

void Pozniej(int ms, std::function<void()> krok)
{
    QTimer::singleShot(ms, qApp, std::move(krok));
}

void Kliknij(QWidget* cel)
{
    const QPointF srodek = QRectF(cel->rect()).center();
    QMouseEvent wcisniecie(QEvent::MouseButtonPress, srodek, cel->mapToGlobal(srodek), Qt::LeftButton, Qt::LeftButton,
                           Qt::NoModifier);
    QMouseEvent zwolnienie(QEvent::MouseButtonRelease, srodek, cel->mapToGlobal(srodek), Qt::LeftButton, Qt::NoButton,
                           Qt::NoModifier);
    QApplication::sendEvent(cel, &wcisniecie);
    QApplication::sendEvent(cel, &zwolnienie);
}

// Once a modal window of class T is up and painted, krok runs on it (and must close it).
template <class T>
void PrzyOknie(std::function<void(T&)> krok)
{
    auto* zegar = new QTimer(qApp);
    zegar->setInterval(20);
    QObject::connect(zegar, &QTimer::timeout, [zegar, krok = std::move(krok)] {
        auto* okno = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!okno)
            return;
        zegar->stop();
        zegar->deleteLater();
        QTimer::singleShot(300, okno, [okno, krok] { krok(*okno); });
    });
    zegar->start();
}

// Closes every analysis. The pictures' runs are never kept: each question about saving
// is answered "Nie zapisuj".
void ZamknijAnalizy(TMainForm& okno)
{
    QTimer odpowiedz;
    odpowiedz.setInterval(20);
    QObject::connect(&odpowiedz, &QTimer::timeout, [] {
        auto* pytanie = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (pytanie && pytanie->objectName() == QStringLiteral("PytanieOZapis"))
            pytanie->button(QMessageBox::Discard)->click();
    });
    odpowiedz.start();
    okno.ClientArea->closeAllSubWindows();
}

// Lets the program run until the analysis's simulation has ended.
void CzekajNaWyniki(const TSimChildForm* analiza)
{
    while (analiza->SymulacjaTrwa())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Charts size themselves to their range when they first paint, and the scroll bars
// follow on the next pass of the event loop: a few passes settle the picture.
void Uspokoj(QWidget& okno)
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        okno.repaint();
    }
}

QString NazwaPliku(int standard)
{
    return QString(NazwyStandardow()[standard])
        .remove(QLatin1Char('('))
        .remove(QLatin1Char(')'))
        .replace(QLatin1Char(' '), QLatin1Char('-'));
}

// Milliseconds from the simulation button to the input strips painted on screen: the
// run, the building or refreshing of every view, and the first paint of the page a
// user turns to first.
double CzasDoWidokow(TMainForm& okno, TSimChildForm* analiza)
{
    analiza->Strony().setCurrentWidget(&analiza->StronaUstawien());
    QApplication::processEvents();
    QElapsedTimer zegar;
    zegar.start();
    analiza->SimButClick();
    CzekajNaWyniki(analiza);
    analiza->Strony().setCurrentWidget(&analiza->StronaWejsc());
    okno.repaint();
    return static_cast<double>(zegar.nsecsElapsed()) / 1e6;
}

double Mediana(std::vector<double> wartosci)
{
    std::sort(wartosci.begin(), wartosci.end());
    const std::size_t n = wartosci.size();
    return n % 2 == 1 ? wartosci[n / 2] : (wartosci[n / 2 - 1] + wartosci[n / 2]) / 2.0;
}

// Every result page of a completed run of the standard, maximised as a user studies it.
void ZapiszWyniki(TMainForm& okno, int standard, int numer)
{
    ZamknijAnalizy(okno);
    TSimChildForm* analiza = NowaAnaliza(okno, standard);
    analiza->parentWidget()->showMaximized();
    QApplication::processEvents();
    analiza->SimButClick();
    CzekajNaWyniki(analiza);
    const QString przedrostek =
        QStringLiteral("%1-wyniki-%2-").arg(numer, 2, 10, QLatin1Char('0')).arg(NazwaPliku(standard));
    const auto zapiszStrone = [&](QWidget* strona, const QString& nazwa) {
        analiza->Strony().setCurrentWidget(strona);
        Uspokoj(okno);
        Zapisz(Ekran(&okno), przedrostek + nazwa);
    };
    zapiszStrone(&analiza->StronaWejsc(), QStringLiteral("1-wejsciowe.png"));
    zapiszStrone(&analiza->StronaWyjsc(), QStringLiteral("2-wyjsciowe.png"));
    if (analiza->StronaWyjsc().PasmaZdekodowanych()) {
        analiza->StronaWyjsc().PokazZdekodowane(true);
        zapiszStrone(&analiza->StronaWyjsc(), QStringLiteral("3-zdekodowane.png"));
        analiza->StronaWyjsc().PokazZdekodowane(false);
    }
    zapiszStrone(&analiza->StronaOkowa(), QStringLiteral("4-okowy.png"));
    analiza->StronaOkowa().UstawWidok(TWidokOka::Gestosc);
    zapiszStrone(&analiza->StronaOkowa(), QStringLiteral("4-okowy-gestosc.png"));
    analiza->StronaOkowa().UstawWidok(TWidokOka::Linie);
    zapiszStrone(&analiza->StronaBledow(), QStringLiteral("5-bledy.png"));
    if (analiza->StronaBledow().MaWykresy()) {
        analiza->StronaBledow().PokazDystrybuante(true);
        zapiszStrone(&analiza->StronaBledow(), QStringLiteral("6-dystrybuanta.png"));
    }
    // The report as the bitmap export draws it, so printing's layout is seen too.
    const QImage raport = MapaWynikow(*analiza, QGuiApplication::primaryScreen()->geometry().width());
    if (!raport.save(QDir(FolderWynikow).filePath(przedrostek + QStringLiteral("7-raport.png"))))
        std::fprintf(stderr, "cannot write the report of %s\n", qPrintable(NazwaPliku(standard)));
    // And its printed pages as the PDF that the save command writes; scripts/screenshots
    // turns each page into a picture.
    const QString wydruk = QDir(FolderWynikow).filePath(przedrostek + QStringLiteral("8-wydruk.pdf"));
    if (ZapiszPlik(wydruk, [&](QIODevice& wyjscie) { return ZapiszPdfWynikow(*analiza, wyjscie); }))
        std::fprintf(stderr, "cannot write the printed pages of %s\n", qPrintable(NazwaPliku(standard)));
}

// A four-port Touchstone file of one pair as a network analyser measures it (ports 1,3 to
// 2,4, from 10 MHz): 80 m of cable by the category 5e insertion-loss law with a little
// ripple and the delay of its length, and a return loss near 20 dB.
QString PlikTouchstone(const QString& folder)
{
    const QString sciezka = QDir(folder).filePath(QStringLiteral("para-80m.s4p"));
    QFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Text))
        return {};
    QTextStream t(&plik);
    t << "! Pair 1 of an 80 m patch, measured from port 1,3 to 2,4\n# MHz S RI R 50\n";
    const double pi = std::acos(-1.0);
    for (int k = 1; k <= 100; ++k) {
        const double f = 10.0 * k;
        const double il = 0.8 * (1.967 * std::sqrt(f) + 0.023 * f + 0.050 / std::sqrt(f)) + 0.15 * std::sin(f / 23.0);
        const double rl = 20.0 - 0.012 * f + 1.5 * std::sin(f / 37.0);
        const std::complex<double> przejscie = std::polar(std::pow(10.0, -il / 20.0), -2.0 * pi * f * 0.4);
        const std::complex<double> odbicie = std::polar(std::pow(10.0, -rl / 20.0), f / 50.0);
        const std::complex<double> zero;
        const std::complex<double> s[4][4] = {{odbicie, przejscie, zero, zero},
                                              {przejscie, odbicie, zero, zero},
                                              {zero, zero, odbicie, przejscie},
                                              {zero, zero, przejscie, odbicie}};
        t << f;
        for (const auto& wiersz : s) {
            for (const auto& e : wiersz)
                t << ' ' << e.real() << ' ' << e.imag();
            t << '\n';
        }
    }
    return sciezka;
}

// The path of a user who wants 80 m of Cat6 at 1000BaseT: "Kabel…", the category and the
// length, OK; the three characteristics with their limits and the run's eye. Then a
// Touchstone file on the attenuation tab: its options, its summary and its curve.
void ZapiszKabelITouchstone(TMainForm& okno, const QString& folderDanych)
{
    ZamknijAnalizy(okno);
    TSimChildForm* analiza = NowaAnaliza(okno, 3);
    analiza->parentWidget()->showMaximized();
    QApplication::processEvents();
    TStronaUstawien& strona = analiza->StronaUstawien();
    PrzyOknie<TKabelForm>([&okno](TKabelForm& d) {
        d.KategoriaComboBox->setCurrentIndex(d.KategoriaComboBox->findText(QStringLiteral("Cat6")));
        d.DlugoscEdit->setText(QStringLiteral("80"));
        Uspokoj(d);
        Zapisz(Ekran(&okno), QStringLiteral("17-kabel.png"));
        d.OKBtn->click();
    });
    strona.findChild<QPushButton*>(QStringLiteral("KabelBtn"))->click();
    const std::pair<TPoleUstawien, QString> zakladki[] = {{TPoleUstawien::Tlumienie, QStringLiteral("18-kabel-tlumienie.png")},
                                                          {TPoleUstawien::Przesluchy, QStringLiteral("19-kabel-przesluchy.png")},
                                                          {TPoleUstawien::Echo, QStringLiteral("20-kabel-echo.png")}};
    for (const auto& [zakladka, nazwa] : zakladki) {
        strona.PokazZakladke(zakladka);
        Uspokoj(okno);
        Zapisz(Ekran(&okno), nazwa);
    }
    analiza->SimButClick();
    CzekajNaWyniki(analiza);
    analiza->Strony().setCurrentWidget(&analiza->StronaOkowa());
    Uspokoj(okno);
    Zapisz(Ekran(&okno), QStringLiteral("21-kabel-okowy.png"));

    analiza->Strony().setCurrentWidget(&strona);
    strona.PokazZakladke(TPoleUstawien::Tlumienie);
    const QString plik = PlikTouchstone(folderDanych);
    PrzyOknie<QFileDialog>([plik](QFileDialog& d) {
        // Typed as a user would: selectFile leaves the name alone while its edit has the focus.
        d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(plik);
        static_cast<QDialog&>(d).accept();
    });
    PrzyOknie<TImportTouchstoneForm>([&okno](TImportTouchstoneForm& d) {
        d.EchoCheckBox->setChecked(true);
        Uspokoj(d);
        Zapisz(Ekran(&okno), QStringLiteral("22-touchstone-opcje.png"));
        PrzyOknie<QMessageBox>([&okno](QMessageBox& m) {
            Zapisz(Ekran(&okno), QStringLiteral("23-touchstone-podsumowanie.png"));
            m.button(QMessageBox::Ok)->click();
        });
        d.ImportujBtn->click();
    });
    strona.findChild<QPushButton*>(QStringLiteral("ImportujTlumienieBtn"))->click();
    Uspokoj(okno);
    Zapisz(Ekran(&okno), QStringLiteral("24-touchstone-tlumienie.png"));
}

// A run of the standard with noise at the receiver and jitter on the edges: the settings
// page as a new window shows them (for the first, with the bit source's list open), then
// the error page with the errors the receiver counted.
void ZapiszZaklocenia(TMainForm& okno, int standard, int numer)
{
    // Signal-to-noise ratios that leave each line code with errors to count in 1000 bits.
    constexpr double SnrDb[] = {4.0, 12.0, 10.0, 12.0};
    ZamknijAnalizy(okno);
    TSimChildForm* analiza = NowaAnaliza(okno, standard);
    TUstawieniaSymulacji u = analiza->StronaUstawien().UstawieniaSymulacji();
    u.LiczbaBitow = LiczbaBitowMax;
    u.Zrodlo = TZrodloBitow::Prbs7;
    u.SzumIDrzenie.SnrDb = SnrDb[standard];
    u.SzumIDrzenie.DrzeniePs = 50.0;
    analiza->StronaUstawien().Zastosuj(u);
    QApplication::processEvents();
    const QString przedrostek =
        QStringLiteral("%1-zaklocenia-%2-").arg(numer, 2, 10, QLatin1Char('0')).arg(NazwaPliku(standard));
    Zapisz(Ekran(&okno), przedrostek + QStringLiteral("1-ustawienia.png"));
    if (standard == 0) {
        auto* zrodla = analiza->findChild<QComboBox*>(QStringLiteral("GenComboBox"));
        zrodla->showPopup();
        Uspokoj(okno);
        Zapisz(Ekran(&okno), przedrostek + QStringLiteral("2-zrodla.png"));
        zrodla->hidePopup();
    }
    analiza->parentWidget()->showMaximized();
    QApplication::processEvents();
    analiza->SimButClick();
    CzekajNaWyniki(analiza);
    analiza->Strony().setCurrentWidget(&analiza->StronaBledow());
    Uspokoj(okno);
    Zapisz(Ekran(&okno), przedrostek + QStringLiteral("3-bledy.png"));
}

// Opens the analysis file in the main window and lets the program run until its window
// is up: the window, or null when the file did not open.
TSimChildForm* OtworzPlik(TMainForm& okno, const QString& plik)
{
    bool gotowe = false;
    TSimChildForm* otwarta = nullptr;
    const auto polaczenie = QObject::connect(&okno, &TMainForm::AnalizaOtwarta, [&](const QString&, TSimChildForm* a) {
        gotowe = true;
        otwarta = a;
    });
    okno.OtworzAnalize(plik);
    while (!gotowe)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QObject::disconnect(polaczenie);
    if (!otwarta)
        std::fprintf(stderr, "%s did not open\n", qPrintable(plik));
    return otwarta;
}

// Every result page of an analysis opened from a file, maximised.
void ZapiszOtwarta(TMainForm& okno, TSimChildForm& analiza, const QString& przedrostek)
{
    analiza.parentWidget()->showMaximized();
    const std::pair<QWidget*, QString> strony[] = {{&analiza.StronaWejsc(), QStringLiteral("1-wejsciowe.png")},
                                                   {&analiza.StronaWyjsc(), QStringLiteral("2-wyjsciowe.png")},
                                                   {&analiza.StronaOkowa(), QStringLiteral("3-okowy.png")},
                                                   {&analiza.StronaBledow(), QStringLiteral("4-bledy.png")}};
    for (const auto& [strona, nazwa] : strony) {
        if (!analiza.StronaWidoczna(*strona))
            continue;
        analiza.Strony().setCurrentWidget(strona);
        Uspokoj(okno);
        Zapisz(Ekran(&okno), przedrostek + nazwa);
    }
}

// An analysis as a document: a run with noise leaves its window modified, "Zapisz
// analizę" asks for the file with the results box ticked, the file opens again with every
// result page as the run left it, the File menu lists it, and a changed analysis asks
// before it closes. Then the command line's result file, when one was given.
void ZapiszPlikiAnaliz(TMainForm& okno, const QString& folderDanych, const QString& plikWiersza)
{
    ZamknijAnalizy(okno);
    TSimChildForm* analiza = NowaAnaliza(okno, 3);
    TUstawieniaSymulacji u = analiza->StronaUstawien().UstawieniaSymulacji();
    u.SzumIDrzenie.SnrDb = 12.0;
    analiza->StronaUstawien().Zastosuj(u);
    QApplication::processEvents();
    analiza->SimButClick();
    CzekajNaWyniki(analiza);
    Uspokoj(okno);
    Zapisz(Ekran(&okno), QStringLiteral("29-analiza-zmieniona.png"));

    const QString plik = QDir(folderDanych).filePath(QStringLiteral("szum-1000BaseT.lintavox"));
    PrzyOknie<QFileDialog>([&okno, plik](QFileDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(plik);
        Uspokoj(d);
        Zapisz(Ekran(&okno), QStringLiteral("30-zapisz-analize.png"));
        static_cast<QDialog&>(d).accept();
    });
    okno.ZapiszAnalize1->trigger();
    Uspokoj(okno);
    Zapisz(Ekran(&okno), QStringLiteral("31-analiza-zapisana.png"));

    ZamknijAnalizy(okno);
    if (TSimChildForm* otwarta = OtworzPlik(okno, plik)) {
        ZapiszOtwarta(okno, *otwarta, QStringLiteral("32-otwarta-"));
        otwarta->parentWidget()->showNormal();
    }
    okno.menuBar()->setActiveAction(okno.Symulacja1->menuAction());
    Uspokoj(okno);
    Zapisz(Ekran(&okno), QStringLiteral("33-menu-ostatnie.png"));
    okno.Symulacja1->hide();

    if (TSimChildForm* otwarta = okno.AktywnaAnaliza()) {
        UstawSzybkosc(otwarta, 1200);
        QApplication::processEvents();
        PrzyOknie<QMessageBox>([&okno](QMessageBox& m) {
            Zapisz(Ekran(&okno), QStringLiteral("34-pytanie-o-zapis.png"));
            m.button(QMessageBox::Discard)->click();
        });
        otwarta->parentWidget()->close();
    }

    if (plikWiersza.isEmpty())
        return;
    ZamknijAnalizy(okno);
    if (TSimChildForm* wynik = OtworzPlik(okno, plikWiersza))
        ZapiszOtwarta(okno, *wynik, QStringLiteral("35-wiersz-polecen-"));
}

// The median time to the views, over several runs in one window, for the default
// 100BaseTX run and for 1000BaseT at 5000 Mbps.
void ZmierzCzasy(TMainForm& okno)
{
    constexpr int Powtorzenia = 7;
    struct TPrzypadek {
        int Standard;
        std::int32_t Szybkosc;
        const char* Opis;
    };
    QFile plik(QDir(FolderWynikow).filePath(QStringLiteral("czasy.txt")));
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QTextStream tekst(&plik);
    for (const TPrzypadek& p : {TPrzypadek{1, 100, "100BaseTX, 100 Mbps (default run)"},
                                TPrzypadek{3, 5000, "1000BaseT, 5000 Mbps"}}) {
        ZamknijAnalizy(okno);
        TSimChildForm* analiza = NowaAnaliza(okno, p.Standard);
        analiza->parentWidget()->showMaximized();
        UstawSzybkosc(analiza, p.Szybkosc);
        QApplication::processEvents();
        const double pierwszy = CzasDoWidokow(okno, analiza);
        std::vector<double> kolejne;
        for (int i = 0; i < Powtorzenia; ++i)
            kolejne.push_back(CzasDoWidokow(okno, analiza));
        tekst << p.Opis << ": first run (views built) " << pierwszy << " ms; median of " << Powtorzenia
              << " later runs (views refreshed) " << Mediana(kolejne) << " ms\n";
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication aplikacja(argc, argv);
    const bool angielski = argc == 4 && std::strcmp(argv[3], "en") == 0;
    if (argc < 2 || argc > 4 || (argc == 4 && !angielski && std::strcmp(argv[3], "pl") != 0)) {
        std::fprintf(stderr, "usage: %s FOLDER [LINTAVOX-SIM-JSON [pl|en]]\n", argv[0]);
        return 2;
    }
    FolderWynikow = QString::fromLocal8Bit(argv[1]);
    const QString plikWiersza = argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(FolderWynikow);
    QApplication::setApplicationName(QStringLiteral("Lintavox"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(IkonaProgramu());
    if (!UstawJezyk(angielski ? TJezyk::Angielski : TJezyk::Polski)) {
        std::fprintf(stderr, "the English catalogue is missing\n");
        return 1;
    }
    // The pictures show the program as a Polish, or an English, desktop shows it.
    QLocale::setDefault(angielski ? QLocale(QLocale::English, QLocale::UnitedKingdom) : QLocale(QLocale::Polish, QLocale::Poland));
    UstawSeparatorZLokalizacji();
    // A folder of its own, without varto.cfg: every feature offered and on.
    QTemporaryDir folderProgramu;
    UstawFolderProgramu(folderProgramu.path());
    // The files used last go to settings of its own, never the user's.
    QApplication::setOrganizationName(QStringLiteral("Lintavox"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folderProgramu.path());

    TSplashForm splash;
    splash.setAttribute(Qt::WA_QuitOnClose, false);
    Pozniej(500, [&splash] { Zapisz(splash.grab(), QStringLiteral("01-splash.png")); });
    splash.PokazModalnie();
    splash.PokazZPrzyciskiem();

    TMainForm okno;
    splash.UstawOknoGlowne(&okno);
    okno.show();
    splash.raise();

    Pozniej(500, [&] {
        Zapisz(Ekran(&okno), QStringLiteral("02-splash-main.png"));
        // The start dialog opens from the main window's event loop once the splash goes.
        Pozniej(600, [&] {
            auto* start = qobject_cast<TStartForm*>(QApplication::activeModalWidget());
            if (!start) {
                std::fprintf(stderr, "the start dialog did not open\n");
                QApplication::exit(1);
                return;
            }
            start->NewSimRadioGroup->findChildren<QRadioButton*>().at(3)->click();
            QApplication::processEvents();
            Zapisz(Ekran(&okno), QStringLiteral("03-main-start.png"));
            start->OKButton->click();
        });
        Kliknij(splash.Image2);
    });

    // After the start dialog: one analysis per standard, each on a different tab.
    Pozniej(2000, [&] {
        const QStringList nazwy = NazwyStandardow();
        TSimChildForm* analiza = nullptr;
        for (int standard = 0; standard < 4; ++standard) {
            ZamknijAnalizy(okno);
            analiza = NowaAnaliza(okno, standard);
            const TPoleUstawien zakladki[] = {TPoleUstawien::Tlumienie, TPoleUstawien::Przesluchy, TPoleUstawien::Echo,
                                              TPoleUstawien::Wzmocnienie};
            analiza->StronaUstawien().PokazZakladke(zakladki[standard]);
            QApplication::processEvents();
            Zapisz(Ekran(&okno), QStringLiteral("%1-analiza-%2.png").arg(4 + standard, 2, 10, QLatin1Char('0'))
                                      .arg(QString(nazwy[standard]).remove(QLatin1Char('(')).remove(QLatin1Char(')')).replace(QLatin1Char(' '), QLatin1Char('-'))));
        }
        // A rate below the standard's limit, refused when the simulation is asked for.
        UstawSzybkosc(analiza, 999);
        Pozniej(300, [&okno] {
            if (auto* komunikat = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Zapisz(Ekran(&okno), QStringLiteral("08-invalid-value.png"));
                komunikat->button(QMessageBox::Ok)->click();
            }
        });
        analiza->SimButClick();

        okno.UstawWPionie();
        NowaAnaliza(okno, 1);
        okno.UstawWPionie();
        QApplication::processEvents();
        Zapisz(Ekran(&okno), QStringLiteral("09-tiled.png"));

        Pozniej(300, [&] {
            auto* opcje = qobject_cast<TForm1*>(QApplication::activeModalWidget());
            if (opcje) {
                opcje->NewSimComboBox->setCurrentIndex(3);
                QApplication::processEvents();
                Zapisz(Ekran(&okno), QStringLiteral("10-options.png"));
                opcje->AnulujButton->click();
            }
            Pozniej(100, [&okno, &folderProgramu, plikWiersza] {
                // A long run caught with its progress on show.
                ZamknijAnalizy(okno);
                TSimChildForm* analiza = NowaAnaliza(okno, 3);
                UstawSzybkosc(analiza, 5000);
                QApplication::processEvents();
                analiza->SimButClick();
                // Caught a third of the way through the channel.
                const auto* calkowity = analiza->findChild<QProgressBar*>(QStringLiteral("CGaugeTotal"));
                while (analiza->SymulacjaTrwa() && calkowity->value() * 3 < std::max(1, calkowity->maximum()))
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                Zapisz(Ekran(&okno), QStringLiteral("11-progress.png"));
                CzekajNaWyniki(analiza);
                // The result tabs light up one after another: the second one caught lit.
                QElapsedTimer zegar;
                zegar.start();
                while (!analiza->Strony().Podswietlona(&analiza->StronaWyjsc()) && zegar.elapsed() < 2000)
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                okno.repaint();
                Zapisz(Ekran(&okno), QStringLiteral("12-highlight.png"));
                for (int standard = 0; standard < 4; ++standard)
                    ZapiszWyniki(okno, standard, 13 + standard);
                ZapiszKabelITouchstone(okno, folderProgramu.path());
                for (int standard = 0; standard < 4; ++standard)
                    ZapiszZaklocenia(okno, standard, 25 + standard);
                ZapiszPlikiAnaliz(okno, folderProgramu.path(), plikWiersza);
                ZmierzCzasy(okno);
                QApplication::exit(0);
            });
        });
        okno.Opcje();
    });

    const int wynik = QApplication::exec();
    std::printf("%s\n", qPrintable(QDir(FolderWynikow).absolutePath()));
    return wynik;
}
