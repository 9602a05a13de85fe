// Lintavox: the splash window, then the main window and its message loop. Analysis files
// named on the command line (lintavox FILE…) open in their windows.
#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QMessageBox>
#include <QStyleFactory>

#include <exception>

#include "JezykQt.h"
#include "Obrazy.h"
#include "PlikUstawien.h"
#include "TMainForm.h"
#include "TSplashForm.h"
#include "UslugiQt.h"
#include "WatekQt.h"

namespace {

// Qt's notify with the toolkit's error display for anything a handler lets through.
class TAplikacja : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* odbiorca, QEvent* zdarzenie) override
    {
        try {
            return QApplication::notify(odbiorca, zdarzenie);
        } catch (const std::exception& blad) {
            QMessageBox::critical(activeWindow(), QStringLiteral("Lintavox"), QString::fromLocal8Bit(blad.what()));
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    TAplikacja aplikacja(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lintavox"));
    QApplication::setOrganizationName(QStringLiteral("Lintavox"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(IkonaProgramu());
    // The language chosen before, Polish when its catalogue is missing.
    if (!UstawJezyk(ZapisanyJezyk()))
        UstawJezyk(TJezyk::Polski);
    UstawSeparatorZLokalizacji();
    QCommandLineParser parser;
    parser.setApplicationDescription(TTekst::tr("Symulator warstwy fizycznej Ethernetu na skrętce."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("plik"), TTekst::tr("Analizy do otwarcia (.lintavox albo JSON z lintavox-sim)."),
                                 TTekst::tr("[plik…]"));
    parser.process(aplikacja);

    TSplashForm splash;
    splash.PokazModalnie();
    splash.PokazZPrzyciskiem();

    TMainForm oknoGlowne;
    splash.UstawOknoGlowne(&oknoGlowne);
    oknoGlowne.show();
    oknoGlowne.OtworzPlikiStartowe(parser.positionalArguments());
    splash.raise();

    const int kod = QApplication::exec();
    // A run cancelled by closing its window may still be returning from a library.
    TWatek::ZakonczWszystkieICzekaj();
    return kod;
}
