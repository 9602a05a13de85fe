// Screenshots of the program for visual checks (not installed): runs the real start-up
// under a display (Xvfb), drives it the way a user would and saves PNG pictures of the
// splash window, the main window with the start dialog, an analysis of each standard
// and the options dialog into the folder given as the only argument.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

#include "Obrazy.h"
#include "ListaStandardow.h"
#include "TForm1.h"
#include "TKanalPageControl.h"
#include "TMainForm.h"
#include "TRadioGroup.h"
#include "TSimChildForm.h"
#include "TSplashForm.h"
#include "TStartForm.h"
#include "UslugiQt.h"

namespace {

QString FolderWynikow;

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

} // namespace

int main(int argc, char* argv[])
{
    QApplication aplikacja(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    FolderWynikow = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(FolderWynikow);
    QApplication::setApplicationName(QStringLiteral("Lintavox"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(IkonaProgramu());
    ZaladujTlumaczenieQt();
    // The pictures show the program as a Polish desktop shows it.
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    UstawSeparatorZLokalizacji();
    // A folder of its own, without varto.cfg: every feature offered and on.
    QTemporaryDir folderProgramu;
    UstawFolderProgramu(folderProgramu.path());

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
            okno.ClientArea->closeAllSubWindows();
            analiza = okno.NowaAnaliza(standard);
            QWidget* strony[] = {analiza->Tlumienie.TabSheet, analiza->Przesluchy.TabSheet, analiza->Echo.TabSheet,
                                 analiza->Wzmocnienie.TabSheet};
            analiza->KanalPageControl->setCurrentWidget(strony[standard]);
            QApplication::processEvents();
            Zapisz(Ekran(&okno), QStringLiteral("%1-analiza-%2.png").arg(4 + standard, 2, 10, QLatin1Char('0'))
                                      .arg(QString(nazwy[standard]).remove(QLatin1Char('(')).remove(QLatin1Char(')')).replace(QLatin1Char(' '), QLatin1Char('-'))));
        }
        // A rate below the standard's limit, refused when the simulation is asked for.
        analiza->SzybkoscEdit->setText(QStringLiteral("999"));
        Pozniej(300, [&okno] {
            if (auto* komunikat = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Zapisz(Ekran(&okno), QStringLiteral("08-invalid-value.png"));
                komunikat->button(QMessageBox::Ok)->click();
            }
        });
        analiza->SimBut->click();

        okno.UstawWPionie();
        okno.NowaAnaliza(1);
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
            Pozniej(100, [] { QApplication::exit(0); });
        });
        okno.Opcje();
    });

    const int wynik = QApplication::exec();
    std::printf("%s\n", qPrintable(QDir(FolderWynikow).absolutePath()));
    return wynik;
}
